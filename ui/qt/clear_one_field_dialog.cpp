#include "ui/qt/clear_one_field_dialog.h"

#include <QPushButton>
#include <QRadioButton>

#include "ui/qt/qt_controls.h"

namespace tembrel {

namespace {

using C = ClearOneFieldControl;

const QColor kBackground = QColor::fromRgb(kClearOneFieldBackgroundRgb);

}  // namespace

frmClearOneTextBox::frmClearOneTextBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmClearOneTextBox"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kBackground);
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);
    setFixedSize(qt::Pixels(kClearOneFieldClientWidth), qt::Pixels(kClearOneFieldClientHeight));
    widgets_ = qt::BuildControls(ClearOneFieldLayout(), C::frmClearOneTextBox,
                                 static_cast<QWidget*>(this), kBackground);
    auto* cmdContinue = static_cast<QPushButton*>(control(C::cmdContinue));
    cmdContinue->setDefault(true);
    connect(cmdContinue, &QPushButton::clicked, this, &QDialog::accept);
}

QWidget* frmClearOneTextBox::control(ClearOneFieldControl id) const {
    const auto index = static_cast<size_t>(id);
    return index < widgets_.size() ? widgets_[index] : nullptr;
}

void frmClearOneTextBox::Render(const ClearOneFieldCaptions& captions, ClearChoice choice) {
    setWindowTitle(qt::ToQt(captions.window));
    for (const ClearOneFieldEntry& entry : ClearOneFieldLayout()) {
        qt::SetControlCaption(control(entry.id), entry.kind, captions.Of(entry.id));
    }
    static_cast<QRadioButton*>(control(OptionOfChoice(choice)))->setChecked(true);
}

ClearChoice frmClearOneTextBox::SelectedChoice() const {
    for (const C option :
         {C::optClearFirstDate, C::optClearDateDiff, C::optClearSecondDate, C::optCancel}) {
        if (static_cast<const QRadioButton*>(control(option))->isChecked()) {
            return ChoiceOfOption(option);
        }
    }
    return ClearChoice::DateDiff;
}

ClearChoice frmClearOneTextBox::Ask(const ClearOneFieldCaptions& captions, ClearChoice choice,
                                    QPoint topLeft) {
    Render(captions, choice);
    move(topLeft);
    control(C::cmdContinue)->setFocus();
    return exec() == QDialog::Accepted ? SelectedChoice() : ClearChoice::Cancel;
}

}  // namespace tembrel
