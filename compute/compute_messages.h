// The messages of the computation, ten per language slot. English, German and
// Spanish carry texts; the other slots hold empty texts. The table is constant
// data, so there is nothing to fill at start-up.
#pragma once

#include <string_view>

#include "compute/compute_result.h"
#include "text/language.h"
#include "text/program_text.h"

namespace tembrel {

// The message numbers.
inline constexpr int kMsgDifferenceMustBeEmpty = 0;  // two lines, joined by CR LF
inline constexpr int kMsgFirstDateInvalid = 1;
inline constexpr int kMsgFirstDateInvalidIso = 2;  // kept for the numbering; not shown
inline constexpr int kMsgFirstDateOutOfRange = 3;
inline constexpr int kMsgDifferenceInvalid = 4;
inline constexpr int kMsgDifferenceOutOfRange = 5;
inline constexpr int kMsgSecondDateInvalid = 6;
inline constexpr int kMsgSecondDateInvalidIso = 7;  // kept for the numbering; not shown
inline constexpr int kMsgSecondDateOutOfRange = 8;
inline constexpr int kMsgResultOutOfRange = 9;
inline constexpr int kComputeMessageCount = 10;

// Returns message `number` (0..9) in `language`, with no fallback: a slot without
// texts gives the empty text, as does a number or language outside the table.
// Message 0 holds a CR LF between its two lines.
std::string_view ComputeMsg(int number, LanguageCode language);

// Returns true for the messages that refuse months (program texts, shown titled
// with the Compute button's caption); the others are errors, titled "Error!".
constexpr bool IsMonthsNotice(ComputeMessage message) {
    return message == ComputeMessage::MonthsNeedOneDate ||
           message == ComputeMessage::MonthsCalendarsDiffer ||
           message == ComputeMessage::MonthsCalendarWithoutMonths;
}

// Words a computation's message: the computation messages in `language`, the
// months notices as program texts in the program-text language; lines joined by
// `lineEnd`. The empty text for ComputeMessage::None.
std::string MessageText(ComputeMessage message, LanguageCode language, const ProgramTexts& texts,
                        std::string_view lineEnd);

}  // namespace tembrel
