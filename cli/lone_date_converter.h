// The common batch job written without the window around it: a first date typed
// alone, converted into the second date's calendar. The report line is built from
// the routines the Compute command uses (the field parser, the day counting, the
// notation writer and formatters, the calendar codes) straight into the batch
// output, which spares the copies of field texts, option snapshots and the output
// box that a full Compute makes for every line.
//
// Every text whose report it cannot write with certainty is left to the Compute
// command, which then shows the message or writes today's date: the two are
// proved equal line for line by a differential test.
#pragma once

#include <string>
#include <string_view>

#include "cli/cli_options.h"
#include "compute/day_counting.h"
#include "compute/main_form_state.h"
#include "core/notation.h"
#include "core/text_appender.h"

namespace tembrel::cli {

class LoneDateConverter {
  public:
    // Takes the calendars and format options from the window state that a full
    // Compute would read.
    explicit LoneDateConverter(const MainFormState& form);

    // Returns true when every batch line is a lone first date: the command line
    // gives neither a difference nor a second date (spaces count as nothing).
    static bool Applies(const CliOptions& options);

    // Adds the report line of `firstDate` typed alone, without a line end, as
    // Compute writes it, and returns true. Returns false, adding nothing, for a
    // text that is empty after trimming, does not validate, or whose date cannot
    // be written in the second date's calendar.
    bool AppendReport(std::string_view firstDate, TextAppender& out) const;

  private:
    CalendarCode firstCal_;
    CalendarCode secondCal_;
    NotationOptions notation_;
    DayCountOptions counting_;
    LanguageCode language_;
    // The fixed text between the first date and the second ("2008-01-15| CE =
    // |2008-W03-2") and between the second date and the weekday (" ISO, "), put
    // together once; with one calendar on both sides only the second is used,
    // after the first date (" CE, ").
    std::string afterFirstDate_;
    std::string afterSecondDate_;
};

}  // namespace tembrel::cli
