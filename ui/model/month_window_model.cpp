#include "ui/model/month_window_model.h"

#include <optional>

#include "compute/month_grid.h"
#include "core/string_utils.h"
#include "text/calendar_names.h"
#include "text/program_text_numbers.h"
#include "text/text_table.h"
#include "ui/model/month_year.h"

namespace tembrel {

namespace {

constexpr int kMonthCount = 12;
constexpr std::string_view kLineEnd = "\r\n";

bool IsMonthPosition(int position) {
    return position >= 0 && position < kMonthCount;
}

}  // namespace

MonthWindowModel::MonthWindowModel(const WindowContext& context) : context_(context) {
    form.captions.window = T(TextItem::DisplayMonth, Language());
    SetLanguageDependentText();
    Form_Load();
}

LanguageCode MonthWindowModel::Language() const {
    return context_.main.intLanguage;
}

void MonthWindowModel::FillMonthList() {
    ComboBoxState& list = form.cboMonths;
    list.entries.clear();
    for (int row = 1; row <= kMonthCount; ++row) {
        list.entries.emplace_back(MonthName(row, Language()));
    }
    if (IsMonthPosition(list.listIndex)) {
        list.text = list.entries[static_cast<size_t>(list.listIndex)];
    }
}

void MonthWindowModel::SetListIndex(int position) {
    ComboBoxState& list = form.cboMonths;
    list.listIndex = IsMonthPosition(position) ? position : -1;
    if (IsMonthPosition(position) && static_cast<size_t>(position) < list.entries.size()) {
        list.text = list.entries[static_cast<size_t>(position)];
    }
}

void MonthWindowModel::Form_Load() {
    FillMonthList();
    SelectMonth(0);
    form.chkWithYear = 1;
    chkWithYear_Click();
}

void MonthWindowModel::Form_Activate() {
    form.captions.window = T(TextItem::DisplayMonth, Language());
    FillMonthList();
    form.window.height = kMonthWindowHeightPanelHidden;
    form.blnISODatesShown = false;
    EnableISOControls();
    form.cmdCopyToClipboardEnabled = true;
}

void MonthWindowModel::Show() {
    form.visible = true;
    Form_Activate();
}

void MonthWindowModel::ShowYearMessage(bool outOfRange) {
    const LanguageCode language = Language();
    context_.dialogs.ShowMessage(
        T(outOfRange ? TextItem::OutOfRange : TextItem::PleaseSpecifyYear, language),
        T(TextItem::InvalidInput, language), MessageIcon::None);
}

void MonthWindowModel::DisplayMonth() {
    if (!form.visible) {
        return;
    }
    const Parsed<int32_t> year = ReadYearText(form.txbYear);
    if (!year.ok()) {
        ShowYearMessage(year.status == ParseStatus::OutOfRange);
        return;
    }
    if (!IsMonthPosition(form.cboMonths.listIndex)) {
        return;
    }
    std::optional<MonthGrid> grid = BuildMonthGrid({.year = year.value,
                                                    .month = form.cboMonths.listIndex + 1,
                                                    .julian = form.optJulian,
                                                    .mondayFirst = form.optMonday,
                                                    .language = Language(),
                                                    .holidays = HolidayCalendar()});
    if (!grid) {
        ShowYearMessage(true);
        return;
    }
    form.txbMonth = std::move(grid->text);
    form.monthHolidays = std::move(grid->holidays);
    form.lngGridStartJDN = grid->gridStartJDN;
    form.intNumWeekRows = grid->numWeekRows;
    if (form.blnISODatesShown) {
        DisplayISOWeekDates();
    }
    form.focus = MonthControl::cmdClose;
}

const holidays::WorkCalendar* MonthWindowModel::HolidayCalendar() const {
    const holidays::WorkingDays* days = context_.main.workingDays.get();
    return days != nullptr ? days->calendar.get() : nullptr;
}

void MonthWindowModel::RedrawHolidayMarks() {
    if (!form.visible || form.intNumWeekRows == 0 || !ReadYearText(form.txbYear).ok() ||
        !IsMonthPosition(form.cboMonths.listIndex)) {
        return;
    }
    const MonthControl focus = form.focus;
    DisplayMonth();
    form.focus = focus;
}

void MonthWindowModel::SelectMonth(int position) {
    SetListIndex(position);
    cboMonths_Click();
}

void MonthWindowModel::cboMonths_Change(std::string_view typed) {
    ComboBoxState& list = form.cboMonths;
    list.text = std::string(typed);
    list.listIndex = -1;
    const std::string wanted = LowerCase(typed);
    for (size_t i = 0; i < list.entries.size(); ++i) {
        if (LowerCase(list.entries[i]) == wanted) {
            list.listIndex = static_cast<int>(i);
            break;
        }
    }
}

void MonthWindowModel::txbYear_KeyDown(int keyCode) {
    if (keyCode == kKeyEnter) {
        enterDownInYear_ = true;
    }
}

void MonthWindowModel::txbYear_KeyUp(int keyCode) {
    if (keyCode == kKeyEnter && enterDownInYear_) {
        enterDownInYear_ = false;
        DisplayMonth();
    }
}

void MonthWindowModel::cmdDisplayNextMonth_Click(int index) {
    if (index != 0 && index != 1) {
        return;
    }
    form.txbYear = std::string(TrimSpaces(form.txbYear));
    const int position = form.cboMonths.listIndex;
    if (form.txbYear.empty() || !IsMonthPosition(position)) {
        return;
    }
    const bool next = index == 0;
    // The list position changes without drawing, so that a year the grid cannot
    // show is reported once, by the final DisplayMonth.
    if (next ? position == kMonthCount - 1 : position == 0) {
        const Parsed<int32_t> year = ReadYearText(form.txbYear);
        if (!year.ok()) {
            ShowYearMessage(year.status == ParseStatus::OutOfRange);
            return;
        }
        SetListIndex(next ? 0 : kMonthCount - 1);
        form.txbYear = std::to_string(int64_t{year.value} + (next ? 1 : -1));
    } else {
        SetListIndex(position + (next ? 1 : -1));
    }
    DisplayMonth();
}

void MonthWindowModel::AfterOptionChange(bool hide) {
    if (form.blnISODatesShown && hide) {
        cmdShowHideISO_Click();
    }
    EnableISOControls();
}

void MonthWindowModel::optCommonEra_Click() {
    form.optJulian = false;
    DisplayMonth();
    AfterOptionChange(form.optSunday());
}

void MonthWindowModel::optJulian_Click() {
    form.optJulian = true;
    DisplayMonth();
    AfterOptionChange(true);
}

void MonthWindowModel::optSunday_Click() {
    form.optMonday = false;
    DisplayMonth();
    AfterOptionChange(true);
}

void MonthWindowModel::optMonday_Click() {
    form.optMonday = true;
    DisplayMonth();
    AfterOptionChange(form.optJulian);
}

void MonthWindowModel::SelectJulian(bool julian) {
    if (julian == form.optJulian) {
        return;
    }
    if (julian) {
        optJulian_Click();
    } else {
        optCommonEra_Click();
    }
}

void MonthWindowModel::SelectMonday(bool monday) {
    if (monday == form.optMonday) {
        return;
    }
    if (monday) {
        optMonday_Click();
    } else {
        optSunday_Click();
    }
}

void MonthWindowModel::cmdShowHideISO_Click() {
    if (form.blnISODatesShown) {
        form.captions.cmdShowHideISO =
            context_.texts.ProgramText(program_text::kShowIsoDatesCaption);
        form.window.height = kMonthWindowHeightPanelHidden;
        form.blnISODatesShown = false;
    } else {
        form.captions.cmdShowHideISO =
            context_.texts.ProgramText(program_text::kHideIsoDatesCaption);
        form.window.height = kMonthWindowHeightPanelShown;
        form.blnISODatesShown = true;
        DisplayISOWeekDates();
    }
}

void MonthWindowModel::chkWithYear_Click() {
    if (form.blnISODatesShown) {
        DisplayISOWeekDates();
    }
}

void MonthWindowModel::EnableISOControls() {
    if (!context_.main.blnStartUpCompleted) {
        return;
    }
    const bool offered = form.optCommonEra() && form.optMonday;
    form.cmdShowHideISOEnabled = offered;
    form.chkWithYearEnabled = offered;
}

void MonthWindowModel::DisplayISOWeekDates() {
    form.txbISODates = BuildISOWeekDates(form.lngGridStartJDN, form.intNumWeekRows,
                                         form.chkWithYear == 1, Language());
    form.focus = MonthControl::cmdClose;
}

std::string MonthWindowModel::ClipboardText() const {
    const LanguageCode language = Language();
    const int position = form.cboMonths.listIndex;
    std::string text(IsMonthPosition(position) ? MonthName(position + 1, language)
                                               : std::string_view(form.cboMonths.text));
    text += ' ';
    text += form.txbYear;
    text += " (";
    text += T(form.optJulian ? TextItem::JulianCalendar : TextItem::CommonEraCalendar, language);
    text += ')';
    text += kLineEnd;
    text += kLineEnd;
    text += form.txbMonth;
    if (!form.monthHolidays.empty()) {
        text += kLineEnd;
        text += kLineEnd;
        text += form.monthHolidays;
    }
    if (form.blnISODatesShown) {
        text += kLineEnd;
        text += kLineEnd;
        text += context_.texts.ProgramText(program_text::kIsoDatesHeading);
        text += kLineEnd;
        text += kLineEnd;
        text += form.txbISODates;
    }
    return text;
}

void MonthWindowModel::cmdCopyToClipboard_Click() {
    context_.clipboard.SetText(ClipboardText());
    form.focus = MonthControl::cmdClose;
}

void MonthWindowModel::cmdClose_Click() {
    form.visible = false;
    context_.main.focus = MainControl::txbFirstDate;
}

void MonthWindowModel::SetLanguageDependentText() {
    const LanguageCode language = Language();
    auto label = [language](TextItem item) { return std::string(T(item, language)) + ":"; };
    auto text = [language](TextItem item) { return std::string(T(item, language)); };
    MonthWindowCaptions& captions = form.captions;
    captions.lblYear = label(TextItem::Year);
    captions.lblMonth = label(TextItem::Month);
    captions.lblCalendar = label(TextItem::Calendar);
    captions.lblFirstDayOfWeek = label(TextItem::FirstDayOfWeek);
    captions.optCommonEra = text(TextItem::CommonEra);
    captions.optJulian = text(TextItem::Julian);
    captions.optSunday = std::string(WeekdayName(0, language));
    captions.optMonday = std::string(WeekdayName(1, language));
    captions.cmdClose = text(TextItem::Close);
    captions.cmdCopyToClipboard = text(TextItem::CopyToClipboard);
    captions.cmdDisplay = text(TextItem::DisplayMonth);
    captions.cmdDisplayNextMonth = {text(TextItem::DisplayNextMonth),
                                    text(TextItem::DisplayPreviousMonth)};
    captions.chkWithYear = text(TextItem::WithFinalDigitOfYear);
    captions.cmdShowHideISO = text(TextItem::DisplayIsoWeekDates);
}

std::string_view MonthWindowModel::FirstDayOfWeekSetting() const {
    return form.optMonday ? "Mon" : "Sun";
}

std::string_view MonthWindowModel::CalendarSetting() const {
    return form.optJulian ? "JC" : "CE";
}

void MonthWindowModel::ApplyFirstDayOfWeekSetting(std::string_view text) {
    SelectMonday(text == "Mon");
}

void MonthWindowModel::ApplyCalendarSetting(std::string_view text) {
    SelectJulian(text == "JC");
}

}  // namespace tembrel
