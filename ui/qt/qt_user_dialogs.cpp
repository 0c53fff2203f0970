#include "ui/qt/qt_user_dialogs.h"

#include <QMessageBox>

#include "ui/qt/clear_one_field_dialog.h"
#include "ui/qt/qt_controls.h"
#include "ui/qt/working_days_dialog.h"

namespace tembrel {

namespace {

QMessageBox::Icon IconOf(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Exclamation:
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Critical:
            return QMessageBox::Critical;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

QtUserDialogs::QtUserDialogs(QWidget* owner) : owner_(owner) {}

QtUserDialogs::~QtUserDialogs() = default;

void QtUserDialogs::ShowMessage(std::string_view prompt, std::string_view title, MessageIcon icon) {
    if (beforeModal) {
        beforeModal();
    }
    QMessageBox box(IconOf(icon), qt::ToQt(title), qt::ToQt(prompt), QMessageBox::Ok, owner_);
    box.setObjectName(QStringLiteral("message"));
    box.exec();
}

bool QtUserDialogs::AskYesNo(std::string_view prompt, std::string_view title) {
    if (beforeModal) {
        beforeModal();
    }
    QMessageBox box(QMessageBox::Question, qt::ToQt(title), qt::ToQt(prompt),
                    QMessageBox::Yes | QMessageBox::No, owner_);
    box.setObjectName(QStringLiteral("question"));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void QtUserDialogs::ShowWorkingDays(WorkingDaysDialogModel& dialog) {
    if (beforeModal) {
        beforeModal();
    }
    frmWorkingDays window(owner_);
    window.Edit(dialog);
}

frmClearOneTextBox& QtUserDialogs::ClearOneTextBox() {
    if (clearOneTextBox_ == nullptr) {
        clearOneTextBox_ = new frmClearOneTextBox(owner_);
    }
    return *clearOneTextBox_;
}

void QtUserDialogs::ShowClearOneTextBox(ClearOneFieldDialog& dialog) {
    if (beforeModal) {
        beforeModal();
    }
    const QRect frame = owner_->frameGeometry();
    const TwipsRect mainWindow{qt::Twips(frame.left()), qt::Twips(frame.top()),
                               qt::Twips(frame.width()), qt::Twips(frame.height())};
    const TwipsRect place = ClearOneFieldPlace(mainWindow, frame3Left);
    const ClearOneFieldCaptions fallback;
    dialog.choice =
        ClearOneTextBox().Ask(clearOneFieldCaptions != nullptr ? *clearOneFieldCaptions : fallback,
                              dialog.choice, QPoint(qt::Pixels(place.left), qt::Pixels(place.top)));
}

}  // namespace tembrel
