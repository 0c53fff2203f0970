// The format options: date order, date separator, thousands separator, the
// days/months pair and the hyphen check box.
#include "core/notation.h"
#include "text/text_table.h"
#include "ui/model/form_rules.h"
#include "ui/model/hyphen_rewrite.h"
#include "ui/model/main_form.h"

namespace tembrel {

namespace {

using C = MainWindowControl;

// 31 December 2012, the sample date of the separator options.
constexpr int32_t kSampleDateJDN = 2456293;

}  // namespace

void MainForm::SetSeparatorCaptions() {
    NotationOptions notation = CurrentNotation(form, form.chkHyphen);
    for (const auto& [option, separator] :
         {std::pair{C::optSeparatorIsDash, "-"}, std::pair{C::optSeparatorIsDot, "."},
          std::pair{C::optSeparatorIsSlash, "/"}}) {
        notation.dateSep = separator;
        std::string sample;
        FormatJDNInNotation(kSampleDateJDN, CalendarCode::CE, notation, sample);
        SetCaption(option, sample);
    }
}

void MainForm::optDateFormat_Click(DateOrder order) {
    form.dateOrder = order;
    SetSeparatorCaptions();
    ClearDateFields();
    ShowTodaysDate();
}

void MainForm::optSeparator_Click(std::string_view separator) {
    form.separators.strDateSep = std::string(separator);
    ClearDateFields();
    ShowTodaysDate();
}

void MainForm::optThousSep_Click(std::string_view separator) {
    form.separators.strThousSep = std::string(separator);
    SetTheFocus(form);
}

void MainForm::optDays_Click() {
    form.optMonths = false;
    window.countingOptionsVisible = true;
    SetTheFocus(form);
}

void MainForm::optMonths_Click() {
    form.optMonths = true;
    window.countingOptionsVisible = false;
    SetTheFocus(form);
}

void MainForm::SetOrdinalCaption() {
    const TextItem pattern = form.chkHyphen ? TextItem::YyyyDdd : TextItem::Yyyyddd;
    SetCaption(C::optFirstDateIsORD, Text(TextItem::OrdinalDate) + " (" + Text(pattern) + ")");
}

void MainForm::chkHyphen_Click() {
    SetOrdinalCaption();
    for (TextBoxState* box : {&form.txbFirstDate, &form.txbSecondDate}) {
        const std::string rewritten = RewriteForHyphen(box->text, form.chkHyphen);
        if (rewritten != box->text) {
            box->text = rewritten;
            box->CaretToEnd();
        }
    }
    SetTheFocus(form);
}

}  // namespace tembrel
