#include "compute/compute_messages.h"

#include <array>
#include <cstddef>
#include <initializer_list>

#include "text/program_text_numbers.h"

namespace tembrel {

namespace {

using MessageColumn = std::array<std::string_view, kComputeMessageCount>;

constexpr MessageColumn kEnglish = {
    "If both the first date and the second date are specified\r\n"
    "then the date difference window must be empty.",
    "First date is not valid in specified calendar using specified date format.",
    "First date is not valid in the ISO 8601 Week Calendar.",
    "First date is out of range.",
    "Date difference is not valid.",
    "Date difference is out of range.",
    "Second date is not valid in specified calendar using specified date format.",
    "Second date is not valid in the ISO 8601 Week Calendar.",
    "Second date is out of range.",
    "Result is out of range.",
};

constexpr MessageColumn kGerman = {
    " Wenn sowohl Erstes als auch Zweites Datum angegeben sind,\r\n"
    "muss das Feld für die Datumsdifferenz leer sein.",
    "Erstes Datum ist in dem angegebenen Kalender (und Datumsformat) nicht zulässig.",
    "Erstes Datum ist in dem ISO 8601 Week Kalender nicht zulässig.",
    "Erstes Datum liegt ausserhalb des erlaubten Bereichs.",
    "Datumsdifferenz ist nicht zulässig.",
    "Datumsdifferenz ist ausserhalb des erlaubten Bereichs.",
    "Zweites Datum ist in dem angegebenen Kalender (und Datumsformat) nicht zulässig.",
    "Zweites Datum ist in dem ISO 8601 Week Kalender nicht zulässig.",
    "Zweites Datum liegt ausserhalb des erlaubten Bereichs.",
    "Das Resultat liegt ausserhalb des erlaubten Bereichs.",
};

constexpr MessageColumn kSpanish = {
    "Si ambas, la primera y la segunda fechas, son especificadas entonces\r\n"
    "la ventana de diferencia de fechas debe estar vacía.",
    "La primera fecha no es válida en un calendario especificado.",
    "La primera fecha no es válida en Calendario ISO 8601 Week.",
    "Primera fecha está fuera de rango.",
    "Diferencia de fechas no es válida.",
    "Diferencia de fechas está fuera de rango.",
    "La segunda fecha no es válida en el calendario específicado.",
    "La segunda fecha no es válida en Calendario ISO 8601 Week.",
    "La segunda fecha está fuera de rango.",
    "El resultado está fuera de rango.",
};

constexpr MessageColumn kNoMessages = {};

// kComputeMessages: indexed by language slot, then message number.
constexpr std::array<const MessageColumn*, kLanguageSlotCount> kComputeMessages = {
    &kEnglish, &kGerman, &kNoMessages, &kNoMessages, &kSpanish, &kNoMessages,
};

}  // namespace

std::string_view ComputeMsg(int number, LanguageCode language) {
    const int slot = LanguageSlot(language);
    if (slot < 0 || number < 0 || number >= kComputeMessageCount) {
        return {};
    }
    return (*kComputeMessages[static_cast<std::size_t>(slot)])[static_cast<std::size_t>(number)];
}

namespace {

// The computation message of `number` with its CR LF turned into `lineEnd`.
std::string ComputeMsgWithLineEnd(int number, LanguageCode language, std::string_view lineEnd) {
    const std::string_view text = ComputeMsg(number, language);
    std::string result;
    const size_t lineBreak = text.find("\r\n");
    if (lineBreak == std::string_view::npos) {
        return std::string(text);
    }
    result.append(text.substr(0, lineBreak)).append(lineEnd).append(text.substr(lineBreak + 2));
    return result;
}

std::string ProgramTextLines(const ProgramTexts& texts, std::initializer_list<int32_t> numbers,
                             std::string_view lineEnd) {
    std::string text;
    bool firstLine = true;
    for (const int32_t number : numbers) {
        if (!firstLine) {
            text.append(lineEnd);
        }
        firstLine = false;
        text += texts.ProgramText(number);
    }
    return text;
}

}  // namespace

std::string MessageText(ComputeMessage message, LanguageCode language, const ProgramTexts& texts,
                        std::string_view lineEnd) {
    namespace pt = program_text;
    switch (message) {
        case ComputeMessage::None:
            return {};
        case ComputeMessage::DifferenceMustBeEmpty:
            return ComputeMsgWithLineEnd(kMsgDifferenceMustBeEmpty, language, lineEnd);
        case ComputeMessage::FirstDateInvalid:
            return ComputeMsgWithLineEnd(kMsgFirstDateInvalid, language, lineEnd);
        case ComputeMessage::FirstDateOutOfRange:
            return ComputeMsgWithLineEnd(kMsgFirstDateOutOfRange, language, lineEnd);
        case ComputeMessage::DifferenceInvalid:
            return ComputeMsgWithLineEnd(kMsgDifferenceInvalid, language, lineEnd);
        case ComputeMessage::DifferenceOutOfRange:
            return ComputeMsgWithLineEnd(kMsgDifferenceOutOfRange, language, lineEnd);
        case ComputeMessage::SecondDateInvalid:
            return ComputeMsgWithLineEnd(kMsgSecondDateInvalid, language, lineEnd);
        case ComputeMessage::SecondDateOutOfRange:
            return ComputeMsgWithLineEnd(kMsgSecondDateOutOfRange, language, lineEnd);
        case ComputeMessage::ResultOutOfRange:
            return ComputeMsgWithLineEnd(kMsgResultOutOfRange, language, lineEnd);
        case ComputeMessage::MonthsNeedOneDate:
            return ProgramTextLines(texts, {pt::kMonthsTwoDates, pt::kMonthsTwoDatesHint}, lineEnd);
        case ComputeMessage::MonthsCalendarsDiffer:
            return ProgramTextLines(
                texts, {pt::kMonthsCalendarsDiffer, pt::kMonthsCalendarsDifferHint}, lineEnd);
        case ComputeMessage::MonthsCalendarWithoutMonths:
            return ProgramTextLines(texts,
                                    {pt::kMonthsCalendarsWithMonths,
                                     pt::kMonthsCalendarsWithoutMonths, pt::kMonthsCalendarHint},
                                    lineEnd);
    }
    return {};
}

}  // namespace tembrel
