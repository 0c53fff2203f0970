// The real main window on the offscreen platform, for the tests of the windows
// it opens: the shipped program texts, a fixed today, settings in a temporary
// folder, and a watchdog so that a stray modal dialog fails the test instead of
// hanging it.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>
#include <optional>

#include "tests/support/modal_watchdog.h"
#include "text/program_text.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_controls.h"

namespace tembrel::test_support {

// Waits until `window` is the application's active window. (A secondary window
// counts as active to the window system while its parent is, so
// qWaitForWindowActive would not wait for it.)
inline bool WaitUntilActive(QWidget* window) {
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

class MainWindowHarness {
  public:
    // Loads the program texts, fixes today and points the settings file into a
    // temporary folder; returns the reason when something is missing.
    QString Prepare(int32_t fixedToday) {
        if (!settingsFolder_.isValid()) {
            return QStringLiteral("no temporary folder");
        }
        qputenv("XDG_CONFIG_HOME", settingsFolder_.path().toLocal8Bit());
        const ProgramTextLoad load = texts_.LoadProgramTextFrom(TEMBREL_DATA_FILE);
        if (!load.ok()) {
            return QString::fromStdString(load.message);
        }
        today_ = fixedToday;
        return {};
    }

    // Starts a main window and waits until it is the active window.
    bool Open() {
        watchdog_ = std::make_unique<ModalWatchdog>();
        window_ = std::make_unique<frmMain>(texts_, ProgramVersion{"9.98"});
        window_->services().today = [today = today_] { return today; };
        window_->services().holidayRuleFile = TEMBREL_HOLIDAY_DATA_FILE;
        window_->endProgram = [] {};
        window_->StartUp();
        window_->activateWindow();
        return WaitUntilActive(window_.get());
    }

    // Closes the main window with its secondary windows; returns the dialogs
    // that came unexpectedly, and notes an expected one that never came.
    QStringList Close() {
        window_.reset();
        QStringList failures = watchdog_->unexpected;
        if (watchdog_->handler) {
            failures << QStringLiteral("an expected dialog never appeared");
        }
        watchdog_.reset();
        return failures;
    }

    frmMain& window() { return *window_; }
    ProgramTexts& texts() { return texts_; }
    MainForm& model() { return window_->model(); }
    QWidget* control(MainWindowControl id) const { return window_->control(id); }
    SecondaryWindows& secondary() { return window_->secondaryWindows(); }

    // Expects one message box; the user reads it and presses OK.
    void ExpectMessage(SeenMessage& seen) {
        watchdog_->handler = [&seen](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box != nullptr);
            seen.title = box->windowTitle();
            seen.text = box->text();
            box->button(QMessageBox::Ok)->click();
        };
    }

    // Expects one modal dialog, which `answer` gets; the test's user answers it.
    void ExpectDialog(std::function<void(QWidget*)> answer) {
        watchdog_->handler = std::move(answer);
    }
    // Tells whether an expected dialog has not appeared yet.
    bool DialogExpected() const { return static_cast<bool>(watchdog_->handler); }

    // Puts the focus into a main window field with a click and types `text`.
    void Type(MainWindowControl field, const QString& text) {
        QTest::mouseClick(control(field), Qt::LeftButton);
        QTest::keyClicks(control(field), text);
    }

    // Returns the main window's outer place in twips.
    TwipsRect MainPlace() const {
        const QRect frame = window_->frameGeometry();
        return TwipsRect{qt::Twips(frame.x()), qt::Twips(frame.y()), qt::Twips(frame.width()),
                         qt::Twips(frame.height())};
    }

  private:
    QTemporaryDir settingsFolder_;
    ProgramTexts texts_;
    int32_t today_ = 0;
    std::unique_ptr<frmMain> window_;
    std::unique_ptr<ModalWatchdog> watchdog_;
};

// Clicks a button, or an option or check box on its indicator, as a user would.
inline void ClickOn(QWidget* widget) {
    const bool indicator = qobject_cast<QAbstractButton*>(widget) != nullptr &&
                           qobject_cast<QPushButton*>(widget) == nullptr;
    QTest::mouseClick(widget, Qt::LeftButton, {},
                      indicator ? QPoint(7, widget->height() / 2) : widget->rect().center());
}

// Returns why a control's caption does not fit the control at its font, or the
// empty text when it fits (labels wrapped at their width, buttons on one line
// with a few pixels of margin, options and check boxes by their size hint).
inline QString CaptionOverflow(QWidget* widget) {
    const QFontMetrics metrics(widget->font());
    const QString name = widget->objectName();
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        const QRect needed =
            metrics.boundingRect(QRect(0, 0, widget->width(), 1000),
                                 int(label->alignment()) | Qt::TextWordWrap, label->text());
        return needed.width() <= widget->width() && needed.height() <= widget->height()
                   ? QString()
                   : name + QStringLiteral(": ") + label->text();
    }
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        return metrics.horizontalAdvance(button->text()) + 8 <= widget->width() &&
                       metrics.height() <= widget->height()
                   ? QString()
                   : name + QStringLiteral(": ") + button->text();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        const int lines = static_cast<int>(button->text().count(QLatin1Char('\n'))) + 1;
        return widget->sizeHint().width() <= widget->width() &&
                       lines * metrics.lineSpacing() <= widget->height()
                   ? QString()
                   : name + QStringLiteral(": ") + button->text();
    }
    return {};
}

}  // namespace tembrel::test_support
