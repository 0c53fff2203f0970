#include "ui/model/large_display_opening.h"

#include "text/text_table.h"
#include "ui/model/form_rules.h"
#include "ui/model/text_box_trim.h"

namespace tembrel {

TwipsRect LargeDisplayPlace(const TwipsRect& mainWindow) {
    TwipsRect place;
    place.top = ClampTwips(int64_t{mainWindow.top} + kLargeDisplayOffsetTop);
    place.left = ClampTwips(int64_t{mainWindow.left} + kLargeDisplayOffsetLeft);
    place.height =
        ClampTwips(int64_t{mainWindow.height} + mainWindow.top - place.top - kLargeDisplayInset);
    place.width =
        ClampTwips(int64_t{mainWindow.width} + mainWindow.left - place.left - kLargeDisplayInset);
    return place;
}

bool cmdEnlarge_Click(MainFormState& main, const TwipsRect& mainWindow, UserDialogs& dialogs,
                      LargeDisplayModel& window) {
    TrimTextBox(main.txbOutput);
    if (main.txbOutput.text.empty()) {
        dialogs.ShowMessage(T(TextItem::TheOutputWindowIsEmpty, main.intLanguage),
                            T(TextItem::OutputWindow, main.intLanguage), MessageIcon::Exclamation);
        SetTheFocus(main);
        return false;
    }
    LargeDisplayState& form = window.form;
    if (form.windowState == WindowState::Minimized) {
        form.windowState = WindowState::Normal;
    }
    form.window = LargeDisplayPlace(mainWindow);
    window.Form_Resize();
    form.caption = T(TextItem::Enlarge, main.intLanguage);
    form.txbOutputReadOnly = true;
    form.txbOutput = TextBoxState{main.txbOutput.text, 0, 0};
    window.Show();
    return true;
}

}  // namespace tembrel
