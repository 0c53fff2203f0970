#include "ui/qt/large_display_window.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextCursor>
#include <algorithm>

#include "text/program_text_numbers.h"
#include "ui/model/text_offsets.h"
#include "ui/qt/qt_controls.h"
#include "ui/qt/qt_window_place.h"

namespace tembrel {

namespace {

QPushButton* CreateButton(QWidget* parent, const char* name) {
    auto* button = static_cast<QPushButton*>(qt::CreateControl(
        ControlKind::Button, FontClass::Panel, ColourClass::Toolkit, false, QColor(), parent));
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

void RenderButton(QPushButton* widget, const ButtonState& button) {
    const QRect place = qt::PixelRect(button.place);
    if (widget->geometry() != place) {
        widget->setGeometry(place);
    }
    qt::SetControlCaption(widget, ControlKind::Button, button.caption);
    if (widget->isEnabled() != button.enabled) {
        widget->setEnabled(button.enabled);
    }
}

}  // namespace

frmLargeDisplay::frmLargeDisplay(const WindowContext& context, QWidget* mainWindow)
    : ResizableWindow(mainWindow),
      context_(context),
      model_(context),
      txbOutput_(static_cast<qt::OutputTextBox*>(qt::CreateControl(
          ControlKind::OutputBox, FontClass::Output, ColourClass::Toolkit, false, QColor(), this))),
      cmdCopyToClipboard_(CreateButton(this, "cmdCopyToClipboard")),
      cmdClose_(CreateButton(this, "cmdClose")) {
    setObjectName(QStringLiteral("frmLargeDisplay"));
    txbOutput_->setObjectName(QStringLiteral("txbOutput"));
    Connect();
    Render();
}

void frmLargeDisplay::Connect() {
    connect(cmdCopyToClipboard_, &QPushButton::clicked, this,
            [this] { Run([this] { model_.cmdCopyToClipboard_Click(); }); });
    connect(cmdClose_, &QPushButton::clicked, this,
            [this] { Run([this] { model_.cmdClose_Click(); }); });
    txbOutput_->onKeyPress = [this](int& keyAscii) {
        PullFromWidgets();
        model_.txbOutput_KeyPress(keyAscii);
        if (keyAscii == 0) {
            Render();
            RenderFocus();
        }
    };
    txbOutput_->onMouseUp = [this](int button) {
        Run([this, button] { model_.txbOutput_MouseUp(button); });
    };
}

void frmLargeDisplay::PullControls() {
    LargeDisplayState& form = model_.form;
    TextBoxState& box = form.txbOutput;
    const QTextCursor cursor = txbOutput_->textCursor();
    box.selStart = ByteOfDisplayIndex(box.text, cursor.selectionStart());
    box.selLength = ByteOfDisplayIndex(box.text, cursor.selectionEnd()) - box.selStart;
    const QWidget* focused = focusWidget();
    form.focus = focused == txbOutput_            ? LargeDisplayControl::txbOutput
                 : focused == cmdCopyToClipboard_ ? LargeDisplayControl::cmdCopyToClipboard
                 : focused == cmdClose_           ? LargeDisplayControl::cmdClose
                                                  : LargeDisplayControl::None;
}

void frmLargeDisplay::Render() {
    rendering_ = true;
    const LargeDisplayState& form = model_.form;
    setWindowTitle(qt::ToQt(form.caption));
    RenderPlace();
    RenderText();
    const QRect boxPlace = qt::PixelRect(form.txbOutputPlace);
    if (txbOutput_->geometry() != boxPlace) {
        txbOutput_->setGeometry(boxPlace);
    }
    {
        const QSignalBlocker copyBlocker(cmdCopyToClipboard_);
        const QSignalBlocker closeBlocker(cmdClose_);
        RenderButton(cmdCopyToClipboard_, form.cmdCopyToClipboard);
        RenderButton(cmdClose_, form.cmdClose);
    }
    qt::SetToolTip(txbOutput_, context_.texts.ProgramText(program_text::kLargeDisplayTextTooltip));
    qt::SetToolTip(cmdCopyToClipboard_,
                   context_.texts.ProgramText(program_text::kLargeDisplayCopyTooltip));
    if (isVisible() != form.visible) {
        setVisible(form.visible);
        // Placed again with the frame the window system may have added.
        RenderPlace();
    }
    rendering_ = false;
}

void frmLargeDisplay::RenderText() {
    const QSignalBlocker blocker(txbOutput_);
    const TextBoxState& box = model_.form.txbOutput;
    if (txbOutput_->isReadOnly() != model_.form.txbOutputReadOnly) {
        txbOutput_->setReadOnly(model_.form.txbOutputReadOnly);
    }
    const QString text = qt::ToQt(box.text);
    const bool changed = txbOutput_->toPlainText() != text;
    if (changed) {
        txbOutput_->setPlainText(text);
    }
    const int size = static_cast<int>(box.text.size());
    const int fromByte = std::clamp(box.selStart, 0, size);
    const int toByte = std::clamp(box.selStart + std::max(box.selLength, 0), fromByte, size);
    const int from = DisplayIndexOfByte(box.text, fromByte);
    const int to = DisplayIndexOfByte(box.text, toByte);
    QTextCursor cursor = txbOutput_->textCursor();
    if (changed || cursor.selectionStart() != from || cursor.selectionEnd() != to) {
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        txbOutput_->setTextCursor(cursor);
    }
}

void frmLargeDisplay::RenderFocus() {
    QWidget* target = nullptr;
    switch (model_.form.focus) {
        case LargeDisplayControl::txbOutput:
            target = txbOutput_;
            break;
        case LargeDisplayControl::cmdCopyToClipboard:
            target = cmdCopyToClipboard_;
            break;
        case LargeDisplayControl::cmdClose:
            target = cmdClose_;
            break;
        case LargeDisplayControl::None:
            break;
    }
    if (target != nullptr && isVisible() && focusWidget() != target) {
        target->setFocus(Qt::OtherFocusReason);
    }
}

}  // namespace tembrel
