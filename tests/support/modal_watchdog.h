// A watchdog for the Qt tests of the windows: a stray modal dialog fails the
// test instead of hanging it.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>
#include <functional>

namespace tembrel::test_support {

// Watches for modal dialogs. A test that expects one sets `handler`, which gets
// the dialog once; any other modal dialog is recorded as a failure and closed.
class ModalWatchdog : public QObject {
  public:
    ModalWatchdog() {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] { Check(); });
        timer_.start();
    }

    std::function<void(QWidget*)> handler;
    QStringList unexpected;

  private:
    void Check() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            return;
        }
        if (handler) {
            const std::function<void(QWidget*)> expected = std::move(handler);
            handler = nullptr;
            expected(modal);
            return;
        }
        QString text = modal->windowTitle();
        if (const auto* box = qobject_cast<QMessageBox*>(modal)) {
            text += QStringLiteral(": ") + box->text();
        }
        unexpected << text;
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        } else {
            modal->close();
        }
    }

    QTimer timer_;
};

// A message box as the user saw it.
struct SeenMessage {
    QString title;
    QString text;
};

}  // namespace tembrel::test_support
