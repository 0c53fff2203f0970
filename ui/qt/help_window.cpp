#include "ui/qt/help_window.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextCursor>
#include <utility>

#include "ui/model/text_offsets.h"
#include "ui/qt/qt_controls.h"
#include "ui/qt/qt_window_place.h"

namespace tembrel {

frmHelp::frmHelp(MainFormState& main, HelpAddresses addresses, QWidget* mainWindow)
    : ResizableWindow(mainWindow),
      model_(main, std::move(addresses)),
      txbMsg_(static_cast<QPlainTextEdit*>(qt::CreateControl(
          ControlKind::OutputBox, FontClass::Window, ColourClass::Toolkit, false, QColor(), this))),
      cmdClose_(static_cast<QPushButton*>(qt::CreateControl(
          ControlKind::Button, FontClass::Window, ColourClass::Toolkit, false, QColor(), this))) {
    setObjectName(QStringLiteral("frmHelp"));
    txbMsg_->setObjectName(QStringLiteral("txbMsg"));
    cmdClose_->setObjectName(QStringLiteral("cmdClose"));
    // A white page that the user can select from but that Tab passes by.
    QPalette page = txbMsg_->palette();
    page.setColor(QPalette::Base, Qt::white);
    page.setColor(QPalette::Text, Qt::black);
    txbMsg_->setPalette(page);
    txbMsg_->setFocusPolicy(Qt::ClickFocus);
    txbMsg_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    connect(cmdClose_, &QPushButton::clicked, this, [this] {
        Run([this] { model_.cmdClose_Click(); });
        if (onClosed) {
            onClosed();
        }
    });
    Render();
}

void frmHelp::Open(const TwipsRect& mainWindow, const HelpAnchor& anchor) {
    Run([this, &mainWindow, &anchor] { cmdHelp_Click(model_, mainWindow, anchor); });
    RenderCaret();
    raise();
    activateWindow();
}

void frmHelp::Render() {
    rendering_ = true;
    const HelpWindowState& form = model_.form;
    setWindowTitle(qt::ToQt(form.caption));
    RenderPlace();
    {
        const QSignalBlocker blocker(txbMsg_);
        const QString text = qt::ToQt(form.txbMsg);
        if (txbMsg_->toPlainText() != text) {
            txbMsg_->setPlainText(text);
        }
        const QRect place = qt::PixelRect(form.txbMsgPlace);
        if (txbMsg_->geometry() != place) {
            txbMsg_->setGeometry(place);
        }
    }
    {
        const QSignalBlocker blocker(cmdClose_);
        qt::SetControlCaption(cmdClose_, ControlKind::Button, form.cmdCloseCaption);
        const QRect place = qt::PixelRect(form.cmdClosePlace);
        if (cmdClose_->geometry() != place) {
            cmdClose_->setGeometry(place);
        }
    }
    if (isVisible() != form.visible) {
        setVisible(form.visible);
        // Placed again with the frame the window system may have added.
        RenderPlace();
    }
    update();
    rendering_ = false;
}

void frmHelp::RenderCaret() {
    const HelpWindowState& form = model_.form;
    QTextCursor cursor = txbMsg_->textCursor();
    cursor.setPosition(DisplayIndexOfByte(form.txbMsg, form.txbMsgSelStart));
    txbMsg_->setTextCursor(cursor);
    txbMsg_->ensureCursorVisible();
}

bool frmHelp::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && !rendering_ && model_.form.loaded) {
        Run([this] { model_.Form_Activate(); });
        RenderCaret();
    }
    return QWidget::event(event);
}

void frmHelp::closeEvent(QCloseEvent* event) {
    // The close box discards the window: the next Help places it anew. The
    // widget itself is kept for that.
    model_.Form_Unload();
    event->accept();
}

}  // namespace tembrel
