#include "ui/qt/secondary_windows.h"

#include <utility>

#include "platform/manual_location.h"
#include "ui/model/large_display_opening.h"
#include "ui/model/month_window_opening.h"
#include "ui/qt/all_calendars_window.h"
#include "ui/qt/help_window.h"
#include "ui/qt/large_display_window.h"
#include "ui/qt/month_window.h"
#include "ui/qt/qt_controls.h"

namespace tembrel {

namespace {

// Shows a window that the model has just made visible in front of the others.
void BringToFront(QWidget& window) {
    if (window.isMinimized()) {
        window.showNormal();
    }
    window.raise();
    window.activateWindow();
}

}  // namespace

SecondaryWindows::SecondaryWindows(QWidget& mainWindow, MainForm& model, HelpAnchor anchor,
                                   std::function<void()> showMain)
    : mainWindow_(mainWindow), model_(model), anchor_(anchor), showMain_(std::move(showMain)) {}

SecondaryWindows::~SecondaryWindows() {
    delete allCalendars_;
    delete help_;
    delete largeDisplay_;
    delete month_;
}

TwipsRect SecondaryWindows::MainWindowPlace() const {
    const QRect frame = mainWindow_.frameGeometry();
    return TwipsRect{qt::Twips(frame.left()), qt::Twips(frame.top()), qt::Twips(frame.width()),
                     qt::Twips(frame.height())};
}

void SecondaryWindows::cmdDisplayMonth_Click() {
    if (month_ == nullptr) {
        month_ = new frmDisplayMonth(model_.MonthWindow(), model_.SecondaryWindowContext().texts,
                                     &mainWindow_);
        month_->onClosed = showMain_;
    }
    tembrel::cmdDisplayMonth_Click(model_.form, MainWindowPlace(), month_->model(),
                                   model_.TodayJDN());
    month_->Render();
    BringToFront(*month_);
    month_->RenderFocus();
}

void SecondaryWindows::cmdEnlarge_Click() {
    if (largeDisplay_ == nullptr) {
        largeDisplay_ = new frmLargeDisplay(model_.SecondaryWindowContext(), &mainWindow_);
    }
    if (!tembrel::cmdEnlarge_Click(model_.form, MainWindowPlace(),
                                   model_.SecondaryWindowContext().dialogs,
                                   largeDisplay_->model())) {
        return;
    }
    largeDisplay_->setWindowIcon(mainWindow_.windowIcon());
    largeDisplay_->Render();
    BringToFront(*largeDisplay_);
    largeDisplay_->RenderFocus();
}

void SecondaryWindows::cmdHelp_Click() {
    if (help_ == nullptr) {
        help_ = new frmHelp(model_.form,
                            DefaultHelpAddresses(ManualAddress(LanguageCode::English),
                                                 ManualAddress(LanguageCode::German)),
                            &mainWindow_);
        help_->setWindowIcon(mainWindow_.windowIcon());
        help_->onClosed = showMain_;
    }
    help_->Open(MainWindowPlace(), anchor_);
}

void SecondaryWindows::cmdAllCalendars_Click() {
    if (allCalendars_ == nullptr) {
        allCalendars_ = new frmAllCalendars(model_.AllCalendars(), &mainWindow_);
        allCalendars_->setWindowIcon(mainWindow_.windowIcon());
    }
    tembrel::cmdAllCalendars_Click(model_.form, MainWindowPlace(), model_.TodayJDN(),
                                   allCalendars_->model());
    allCalendars_->Render();
    BringToFront(*allCalendars_);
    allCalendars_->RenderFocus();
}

void SecondaryWindows::Render() {
    if (month_ != nullptr) {
        month_->Render();
    }
    if (allCalendars_ != nullptr) {
        allCalendars_->Render();
    }
}

}  // namespace tembrel
