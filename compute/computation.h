// The Compute command and the operations it runs: validation of the three
// fields, days between two dates, a date from a date and a difference in days or
// months, and the report lines. It works on the main window's state, asks the
// user through UserDialogs and reads numbered texts from the language data file.
//
// Where the first and second date have twin operations (ValidateFirstDate and
// ValidateSecondDate, DisplayFirstDate and DisplaySecondDate), one routine takes
// the field as a parameter and the named twins call it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "compute/clear_one_field.h"
#include "compute/main_form_state.h"
#include "compute/user_dialogs.h"
#include "text/program_text.h"
#include "text/text_table.h"

namespace tembrel {

class Computation {
  public:
    Computation(MainFormState& form, UserDialogs& dialogs, const ProgramTexts& programTexts,
                ClearOneFieldDialog& clearDialog);

    // The Compute button (and Enter in an input field): trims the fields, decides
    // what to compute from the fields that hold text, and reports it.
    void cmdCompute_Click();

    // Asks which field to empty when all three are filled; false when cancelled.
    bool ClearOneField();
    // Copies the options into the snapshot.
    void ReadOptions();
    // Notes whether a lone date is converted into its own calendar.
    void SetNoDateDiffAndSameCal();
    // The dispatchers; each takes the trimmed first date, difference and second
    // date texts and returns true when the requested result was produced.
    bool ComputeInDays(std::string first, std::string diff, std::string second);
    bool ComputeInMonths(std::string first, std::string diff, std::string second);

    // Validation: parses a field in its calendar, shows a message and answers
    // false when it is not a date, else stores the date and rewrites the field
    // (and `text`) in its normal form.
    bool ValidateDate(DateField field, std::string& text);
    bool ValidateFirstDate(std::string& text) { return ValidateDate(DateField::First, text); }
    bool ValidateSecondDate(std::string& text) { return ValidateDate(DateField::Second, text); }
    bool ValidateDateDiff(std::string& text);

    // Days between the two dates into lngDateDiff; false when out of range.
    bool ComputeDaysBetween();
    // Writes the day count into the difference field and the report line.
    void DisplayDateDiff();

    // A date from the other date and lngDateDiff; false when out of range.
    bool ComputeSecondDate();
    bool ComputeFirstDate();

    // Writes a computed date into its field and completes the report line.
    void DisplayDate(DateField field);
    void DisplayFirstDate() { DisplayDate(DateField::First); }
    void DisplaySecondDate() { DisplayDate(DateField::Second); }
    void AppendDayOfWeek(const CalDate& date);
    void AppendVerboseNotes();
    std::string DayOrDays(int32_t lngNumDays) const;
    std::string MonthOrMonths(int32_t lngNumMonths) const;

    // Notes "Out of Range" in the output and shows the message.
    void ReportOutOfRange();

    // The Today button of a field (index 0 first, 1 second): puts today's date
    // into the field in the field's notation.
    void cmdToday_Click(int index);

  private:
    std::string_view Text(TextItem item) const;
    std::string ErrorTitle() const;
    void ShowComputeMessage(int number);
    void ShowProgramTextMessage(std::initializer_list<int32_t> numbers);
    // Writes a day number in a field's calendar by the notation rules, with the
    // hyphen flag of the snapshot; false for an ordinal date outside 1..9999.
    bool WriteInCalendar(int32_t jdn, CalendarCode cal, std::string& text) const;
    // The report line of a date and a difference: G, "plus"/"minus", the number
    // and the unit word.
    void AppendDifferenceLine(DateField given, const std::string& diffText,
                              const std::string& unitWord);
    void AppendBreakdown();
    std::string UnitWord(TextItem singular, TextItem plural, int64_t count) const;
    void Append(std::string_view text);

    MainFormState& form_;
    UserDialogs& dialogs_;
    const ProgramTexts& programTexts_;
    ClearOneFieldDialog& clearDialog_;
};

}  // namespace tembrel
