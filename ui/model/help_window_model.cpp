#include "ui/model/help_window_model.h"

#include <algorithm>
#include <utility>

#include "text/text_table.h"

namespace tembrel {

HelpWindowModel::HelpWindowModel(MainFormState& main, HelpAddresses addresses)
    : main_(main), addresses_(std::move(addresses)) {}

void HelpWindowModel::Form_Load(const TwipsRect& mainWindow, const HelpAnchor& anchor) {
    strHelpText = BuildHelpText(addresses_);
    TwipsRect& window = form.window;
    window.top = ClampTwips(int64_t{anchor.frame3Top} + mainWindow.top + anchor.todaysDateLabelTop);
    window.left = mainWindow.left;
    window.width = mainWindow.width;
    window.height = ClampTwips(int64_t{mainWindow.height} + mainWindow.top - window.top + 100);
    form.loaded = true;
}

void HelpWindowModel::PlaceCloseButton() {
    ControlPlace& box = form.txbMsgPlace;
    ControlPlace& close = form.cmdClosePlace;
    close.top = ClampTwips(int64_t{box.top} + box.height + 100);
    close.left = ClampTwips((int64_t{box.width} - close.width) / 2 + 200);
}

void HelpWindowModel::Form_Activate() {
    const LanguageCode language = main_.intLanguage;
    form.caption = std::string(kHelpCaptionStart) + std::string(T(TextItem::Help, language));
    form.txbMsgSelStart = 0;
    form.cmdCloseCaption = T(TextItem::Close, language);
    const int slot = LanguageSlot(language);
    form.txbMsg = slot < 0 ? std::string() : strHelpText[static_cast<size_t>(slot)];
    if (form.windowState == WindowState::Maximized) {
        form.visible = true;
        return;
    }
    form.windowState = WindowState::Normal;
    ControlPlace& box = form.txbMsgPlace;
    box.left = 200;
    box.top = 100;
    box.width = ClampTwips(int64_t{form.window.width} - 450);
    box.height = ClampTwips(int64_t{form.window.height} - 1200);
    PlaceCloseButton();
}

void HelpWindowModel::Form_Resize() {
    if (form.windowState == WindowState::Minimized) {
        return;
    }
    TwipsRect& window = form.window;
    window.width = std::max(window.width, kHelpMinWidth);
    window.height = std::max(window.height, kHelpMinHeight);
    form.txbMsgPlace.width = ClampTwips(int64_t{window.width} - 450);
    form.txbMsgPlace.height = ClampTwips(int64_t{window.height} - 1100);
    PlaceCloseButton();
}

void HelpWindowModel::cmdClose_Click() {
    form.visible = false;
    main_.focus = MainControl::txbFirstDate;
}

void HelpWindowModel::Form_Unload() {
    form = HelpWindowState{};
}

void cmdHelp_Click(HelpWindowModel& window, const TwipsRect& mainWindow, const HelpAnchor& anchor) {
    HelpWindowState& form = window.form;
    if (!form.loaded) {
        window.Form_Load(mainWindow, anchor);
    }
    if (form.windowState == WindowState::Minimized) {
        form.windowState = WindowState::Normal;
    } else {
        form.visible = true;
    }
    window.Form_Activate();
}

}  // namespace tembrel
