#include "ui/model/all_calendars_model.h"

#include <algorithm>

#include "core/calendar_tables.h"
#include "core/notation_table.h"
#include "core/string_utils.h"
#include "text/notation_names.h"
#include "text/program_text_numbers.h"
#include "text/text_table.h"
#include "ui/model/form_rules.h"
#include "ui/model/input_codes.h"

namespace tembrel {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

bool SameOptions(const NotationOptions& a, const NotationOptions& b) {
    return a.order == b.order && a.dateSep == b.dateSep && a.thousSep == b.thousSep &&
           a.hyphen == b.hyphen;
}

}  // namespace

AllCalendarsModel::AllCalendarsModel(const WindowContext& context) : context_(context) {
    for (const CalendarCode cal : ListedNotations()) {
        form.rows.push_back(AllCalendarsRow{cal, std::string(CalCodeText(cal)), {}, {}});
    }
    SetLanguageDependentText();
    Form_Resize();
}

NotationOptions AllCalendarsModel::Options() const {
    return CurrentNotation(context_.main, context_.main.chkHyphen);
}

AllCalendarsRow* AllCalendarsModel::Row(int row) {
    if (row < 0 || static_cast<size_t>(row) >= form.rows.size()) {
        return nullptr;
    }
    return &form.rows[static_cast<size_t>(row)];
}

void AllCalendarsModel::Show(int32_t jdn) {
    if (form.windowState == WindowState::Minimized) {
        form.windowState = WindowState::Normal;
    }
    form.visible = true;
    ShowDay(jdn);
    Form_Activate();
}

void AllCalendarsModel::ShowDay(int32_t jdn) {
    form.jdn = jdn;
    form.shownWith = Options();
    for (AllCalendarsRow& row : form.rows) {
        row.txbDate.text.clear();
        row.hasDate = FormatJDNInNotation(jdn, row.code, form.shownWith, row.txbDate.text);
        row.txbDate.CaretToEnd();
    }
}

void AllCalendarsModel::Form_Activate() {
    if (form.windowState == WindowState::Minimized) {
        form.windowState = WindowState::Normal;
    }
    SetLanguageDependentText();
    FollowFormatOptions();
}

void AllCalendarsModel::FollowFormatOptions() {
    if (!SameOptions(form.shownWith, Options())) {
        ShowDay(form.jdn);
    }
}

void AllCalendarsModel::SetLanguageDependentText() {
    namespace pt = program_text;
    const ProgramTexts& texts = context_.texts;
    const LanguageCode language = context_.main.intLanguage;
    form.caption = texts.ProgramText(pt::kAllCalendarsCaption);
    form.lblHint = texts.ProgramText(pt::kAllCalendarsHint);
    form.rowTooltip = texts.ProgramText(pt::kAllCalendarsRowTooltip);
    form.noDateText = T(TextItem::OutOfRange, language);
    form.cmdCopyRow.caption = texts.ProgramText(pt::kCopyRowCaption);
    form.cmdCopyAll.caption = texts.ProgramText(pt::kCopyAllRowsCaption);
    form.cmdClose.caption = texts.ProgramText(pt::kCloseCaption);
    form.copyRowTooltip = texts.ProgramText(pt::kCopyRowTooltip);
    form.copyAllTooltip = texts.ProgramText(pt::kCopyAllRowsTooltip);
    for (AllCalendarsRow& row : form.rows) {
        row.lblName = std::string(NotationName(row.code, language));
    }
}

void AllCalendarsModel::Form_Resize() {
    if (form.windowState == WindowState::Minimized) {
        return;
    }
    TwipsRect& window = form.window;
    window.width = std::max(window.width, kAllCalendarsMinWidth);
    window.height = std::max(window.height, kAllCalendarsMinHeight);
    // The window's frame and title take about 300 twips across and 400 down, as
    // in the large display. Within the minimum size every value below stays
    // positive, and the sums of values up to kTwipsLimit cannot overflow.
    const int32_t buttonsTop =
        ClampTwips(int64_t{window.height} - form.cmdClose.place.height - 700);
    form.lblHintPlace.width = ClampTwips(int64_t{window.width} - 300);
    form.rowsPlace.width = form.lblHintPlace.width;
    form.rowsPlace.height = ClampTwips(int64_t{buttonsTop} - 105 - form.rowsPlace.top);
    form.nameWidth = std::max(kAllCalendarsMinNameWidth,
                              ClampTwips(int64_t{form.rowsPlace.width} - kAllCalendarsNameLeft -
                                         kAllCalendarsScrollBarWidth));
    for (ButtonState* button : {&form.cmdCopyRow, &form.cmdCopyAll, &form.cmdClose}) {
        button->place.top = buttonsTop;
    }
    form.cmdClose.place.left = ClampTwips(int64_t{window.width} - form.cmdClose.place.width - 330);
}

void AllCalendarsModel::txbDate_KeyPress(int row, int& keyAscii) {
    txbDate_GotFocus(row);
    if (keyAscii == kKeyEnter) {
        keyAscii = 0;
        ConvertRow(row);
    }
}

void AllCalendarsModel::txbDate_GotFocus(int row) {
    if (Row(row) != nullptr) {
        form.currentRow = row;
        form.focus = AllCalendarsControl::txbDate;
    }
}

void AllCalendarsModel::ConvertRow(int row) {
    AllCalendarsRow* typed = Row(row);
    if (typed == nullptr) {
        return;
    }
    form.currentRow = row;
    form.focus = AllCalendarsControl::txbDate;
    const ParsedDay day = ParseInNotation(TrimSpaces(typed->txbDate.text), typed->code, Options());
    if (!day.ok()) {
        const int32_t message = day.status == ParseStatus::OutOfRange
                                    ? program_text::kRowDateOutOfRange
                                    : program_text::kRowDateInvalid;
        context_.dialogs.ShowMessage(
            typed->lblName + " (" + typed->lblCode + "): " + context_.texts.ProgramText(message),
            std::string(T(TextItem::Error, context_.main.intLanguage)) + "!", MessageIcon::None);
        return;
    }
    ShowDay(day.jdn);
}

std::string AllCalendarsModel::RowLine(const AllCalendarsRow& row) const {
    return row.lblCode + "\t" + row.txbDate.text + "\t" + row.lblName + std::string(kLineEnd);
}

void AllCalendarsModel::cmdCopyRow_Click() {
    if (const AllCalendarsRow* row = Row(form.currentRow)) {
        context_.clipboard.SetText(RowLine(*row));
    }
}

void AllCalendarsModel::cmdCopyAll_Click() {
    std::string text;
    for (const AllCalendarsRow& row : form.rows) {
        text += RowLine(row);
    }
    context_.clipboard.SetText(text);
}

void AllCalendarsModel::cmdClose_Click() {
    form.visible = false;
}

SavedWindowPlace AllCalendarsModel::PlaceToSave() const {
    const TwipsRect& window = form.window;
    return {window.left, window.top, window.width, window.height,
            form.windowState == WindowState::Maximized};
}

void AllCalendarsModel::RestorePlace(const SavedWindowPlace& place) {
    form.window = TwipsRect{place.left, place.top, place.width, place.height};
    form.windowState = place.maximized ? WindowState::Maximized : WindowState::Normal;
    form.placed = true;
    Form_Resize();
}

void cmdAllCalendars_Click(MainFormState& main, const TwipsRect& mainWindow, int32_t today,
                           AllCalendarsModel& window) {
    const ParsedDay first =
        ParseInNotation(TrimSpaces(main.txbFirstDate.text), GetCal(main, DateField::First),
                        CurrentNotation(main, main.chkHyphen));
    int32_t jdn = first.ok() ? first.jdn : today;
    if (!IsJDNInRange(jdn)) {
        jdn = 0;  // no usable day at all: a clock far off; the rows show day 0
    }
    AllCalendarsState& form = window.form;
    if (!form.placed) {
        form.window.left = ClampTwips(int64_t{mainWindow.left} + kAllCalendarsOffsetLeft);
        form.window.top = ClampTwips(int64_t{mainWindow.top} + kAllCalendarsOffsetTop);
        form.placed = true;
    }
    window.Show(jdn);
    form.focus = AllCalendarsControl::txbDate;
}

}  // namespace tembrel
