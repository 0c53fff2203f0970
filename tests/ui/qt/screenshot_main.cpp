// Writes screenshots of the main window and the clear-one-field dialog as PNG
// files into the folder given on the command line, for looking at the layout:
//   main_en.png        after start-up (English, today fixed to 15 March 2008)
//   main_filled.png    after a conversion, a difference and a selection in the output
//   main_options.png   months, no hyphens, ISO and ordinal calendars, other separators
//   main_de.png        the captions in German, chosen in the language list
//   main_de_first_frame.png  a start with German saved, as it comes up
//   main_de_started.png  the same start after a difference computed in German
//   clear_one_field.png  the dialog Compute shows with three filled fields
//   de_*.png           every dialog of the program in German: the Reset
//                      question, an error message, the clear-one-field dialog,
//                      the empty-output message, the month window's messages,
//                      the browser warning and the notice; en_reset_question.png
//                      after switching back to English
//   trial_1..6.png     a first session driven with key and mouse events: convert
//                      a date, count days, add working days, switch a calendar,
//                      step with a spinner, copy part of the output
//   working_days_en.png, working_days_de.png  the working days dialog with a
//                      region and files listed
//   main_working_days_en.png, main_working_days_de.png  the main window with
//                      Bavaria's holidays chosen and a count of working days
//   month_holidays_en.png, month_holidays_de.png  the month window with them
//                      marked
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <functional>

#include "core/today.h"
#include "settings/settings_file.h"
#include "tests/support/screenshot_run.h"
#include "text/program_text.h"
#include "ui/qt/clear_one_field_dialog.h"
#include "ui/qt/main_window.h"
#include "ui/qt/month_window.h"
#include "ui/qt/qt_controls.h"
#include "ui/qt/secondary_windows.h"
#include "ui/qt/working_days_dialog.h"

namespace {

using tembrel::MainWindowControl;

bool SavePixmap(const QPixmap& pixmap, const QDir& folder, const QString& name) {
    const QString path = folder.filePath(name);
    const bool saved = pixmap.save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

// Saves the widget, and its four quarters magnified three times (name_zoom1..4)
// for checking captions pixel by pixel.
bool Save(QWidget& widget, const QDir& folder, const char* name) {
    const QPixmap shot = widget.grab();
    const QString base = QString::fromLatin1(name).chopped(4);
    bool saved = SavePixmap(shot, folder, QString::fromLatin1(name));
    const int halfWidth = (shot.width() + 1) / 2;
    const int halfHeight = (shot.height() + 1) / 2;
    for (int quarter = 0; quarter < 4; ++quarter) {
        const QRect part((quarter % 2) * halfWidth, (quarter / 2) * halfHeight, halfWidth,
                         halfHeight);
        const QPixmap zoomed =
            shot.copy(part).scaled(part.size() * 3, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        saved = SavePixmap(zoomed, folder, base + QStringLiteral("_zoom%1.png").arg(quarter + 1)) &&
                saved;
    }
    return saved;
}

// Clicks a control where a user would: options and check boxes on their
// indicator, everything else in the middle.
void ClickOn(tembrel::frmMain& window, MainWindowControl id) {
    QWidget* widget = window.control(id);
    const bool indicator = qobject_cast<QAbstractButton*>(widget) != nullptr &&
                           qobject_cast<QPushButton*>(widget) == nullptr;
    QTest::mouseClick(widget, Qt::LeftButton, {},
                      indicator ? QPoint(7, widget->height() / 2) : widget->rect().center());
}

void TypeInto(tembrel::frmMain& window, MainWindowControl id, const QString& text) {
    QTest::mouseClick(window.control(id), Qt::LeftButton);
    QTest::keyClicks(window.control(id), text);
}

// A first session with the program, as a new user would try it.
bool RunTrial(tembrel::ProgramTexts& texts, const QDir& folder) {
    using C = MainWindowControl;
    tembrel::frmMain window(texts, tembrel::ProgramVersion{"9.98"});
    window.services().today = [] { return 2454541; };  // Saturday 15 March 2008
    window.StartUp();
    // Convert a date: type it, choose ISO for the other field, press Enter.
    TypeInto(window, C::txbFirstDate, QStringLiteral("2008-01-15"));
    ClickOn(window, C::optSecondDateIsISO);
    QTest::keyClick(window.control(C::txbFirstDate), Qt::Key_Return);
    bool ok = Save(window, folder, "trial_1_convert.png");
    // Count days: the second field back to CE, a new second date, Compute.
    ClickOn(window, C::optSecondDateIsCE);
    ClickOn(window, C::cmdClearSecondDate);
    TypeInto(window, C::txbSecondDate, QStringLiteral("2008-12-25"));
    ClickOn(window, C::cmdCompute);
    ok = Save(window, folder, "trial_2_days_between.png") && ok;
    // Add ten working days: empty the second date, type the difference, do not
    // count weekend days.
    ClickOn(window, C::cmdClearSecondDate);
    ClickOn(window, C::cmdClearDateDiff);
    TypeInto(window, C::txbDateDiff, QStringLiteral("10"));
    ClickOn(window, C::chkIncludeWeekends);
    QTest::keyClick(window.control(C::txbDateDiff), Qt::Key_Return);
    ok = Save(window, folder, "trial_3_working_days.png") && ok;
    // Switch the first field to day numbers.
    ClickOn(window, C::optFirstDateIsJDN);
    ok = Save(window, folder, "trial_4_jdn.png") && ok;
    // Step the first date forward twice.
    auto* spinner = static_cast<tembrel::qt::SpinArrows*>(window.control(C::VScroll0));
    QTest::mouseClick(spinner->up(), Qt::LeftButton);
    QTest::mouseClick(spinner->up(), Qt::LeftButton);
    ok = Save(window, folder, "trial_5_spinner.png") && ok;
    // Select the first report line's date in the output and copy it.
    auto* output = static_cast<QPlainTextEdit*>(window.control(C::txbOutput));
    QTextCursor cursor = output->textCursor();
    cursor.setPosition(0);
    const QPoint from = output->cursorRect(cursor).center() - QPoint(2, 0);
    cursor.setPosition(13);
    const QPoint to = output->cursorRect(cursor).center();
    QTest::mousePress(output->viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(output->viewport(), to);
    QTest::mouseRelease(output->viewport(), Qt::LeftButton, {}, to);
    ok = Save(window, folder, "trial_6_selection.png") && ok;
    ClickOn(window, C::cmdCopyOutput);
    std::printf("clipboard: [%s]\n", qPrintable(QApplication::clipboard()->text()));
    std::printf("output:\n%s\n", qPrintable(output->toPlainText()));
    return ok;
}

// Starts a window with German saved and computes a difference in days with a
// breakdown, so that the longest German texts are on show.
bool SaveGermanStart(tembrel::ProgramTexts& texts, const QDir& folder) {
    tembrel::UserSettings saved = tembrel::DefaultUserSettings();
    saved.language = 1;
    saved.chkIncludeFirstDate = 1;
    saved.firstDate = "2008-01-15";
    saved.secondDate = "2009-03-15";
    const std::filesystem::path file =
        std::filesystem::path(qEnvironmentVariable("XDG_CONFIG_HOME").toStdString()) / "tembrel" /
        tembrel::kSettingsFileName;
    std::filesystem::create_directories(file.parent_path());
    if (!tembrel::WriteSettingsFile(file, saved)) {
        std::fprintf(stderr, "cannot write %s\n", file.c_str());
        return false;
    }
    tembrel::frmMain window(texts, tembrel::ProgramVersion{"9.98"});
    window.services().today = [] { return 2454541; };  // Saturday 15 March 2008
    window.endProgram = [] {};
    window.StartUp();
    bool ok = Save(window, folder, "main_de_first_frame.png");
    ClickOn(window, MainWindowControl::cmdCompute);
    ok = Save(window, folder, "main_de_started.png") && ok;
    std::filesystem::remove(file);
    return ok;
}

// Saves the next modal dialog as `name` once it is shown, then closes it as
// Escape would (No for a question); `saved` tells whether it came and was saved.
void SaveNextDialog(const QDir& folder, const char* name, bool& saved) {
    saved = false;
    auto* timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, &folder, name, &saved] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr) {
            return;
        }
        timer->stop();
        timer->deleteLater();
        saved = Save(*dialog, folder, name);
        QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
    });
    timer->start();
}

// Runs `action`, which shows one modal dialog, and saves that dialog.
template <typename Action>
bool SaveDialogOf(const QDir& folder, const char* name, Action action) {
    bool saved = false;
    SaveNextDialog(folder, name, saved);
    action();
    if (!saved) {
        std::fprintf(stderr, "no dialog for %s\n", name);
    }
    return saved;
}

// Shows every dialog of the program in German and saves each, so that the
// toolkit's buttons can be checked against the words around them.
bool SaveGermanDialogs(tembrel::ProgramTexts& texts, const QDir& folder) {
    using C = MainWindowControl;
    using M = tembrel::MonthWindowControl;
    tembrel::frmMain window(texts, tembrel::ProgramVersion{"9.98"});
    window.endProgram = [] {};
    window.services().opener = [](const QUrl&) { return false; };
    window.StartUp();
    window.model().cboLanguage_Click(1);
    window.Render();

    bool ok = SaveDialogOf(folder, "de_reset_question.png", [&] { ClickOn(window, C::cmdReset); });
    ok = SaveDialogOf(folder, "de_message.png",
                      [&] {
                          TypeInto(window, C::txbFirstDate, QStringLiteral("2008-02-30"));
                          ClickOn(window, C::cmdCompute);
                      }) &&
         ok;
    ok = SaveDialogOf(folder, "de_clear_one_field.png",
                      [&] {
                          ClickOn(window, C::cmdClearFirstDate);
                          TypeInto(window, C::txbFirstDate, QStringLiteral("2008-01-15"));
                          TypeInto(window, C::txbDateDiff, QStringLiteral("10"));
                          TypeInto(window, C::txbSecondDate, QStringLiteral("2008-12-25"));
                          ClickOn(window, C::cmdCompute);
                      }) &&
         ok;
    ok = SaveDialogOf(folder, "de_empty_output.png", [&] { ClickOn(window, C::cmdEnlarge); }) && ok;
    ok = SaveDialogOf(folder, "de_browser_warning.png",
                      [&] { ClickOn(window, C::lblOnlineDocumentation); }) &&
         ok;
    ok = SaveDialogOf(folder, "de_notice.png", [&] { ClickOn(window, C::lblCopyright); }) && ok;

    ClickOn(window, C::cmdDisplayMonth);
    tembrel::frmDisplayMonth* month = window.secondaryWindows().monthWindow();
    auto* year = static_cast<QLineEdit*>(month->control(M::txbYear));
    const auto enterYear = [year](const QString& text) {
        QTest::mouseClick(year, Qt::LeftButton);
        year->selectAll();
        QTest::keyClick(year, Qt::Key_Delete);
        QTest::keyClicks(year, text);
        QTest::keyClick(year, Qt::Key_Return);
    };
    ok = SaveDialogOf(folder, "de_month_year_message.png", [&] { enterYear(QString()); }) && ok;
    ok = SaveDialogOf(folder, "de_month_out_of_range.png",
                      [&] { enterYear(QStringLiteral("999999999")); }) &&
         ok;
    month->close();

    window.model().cboLanguage_Click(0);
    window.Render();
    return SaveDialogOf(folder, "en_reset_question.png", [&] { ClickOn(window, C::cmdReset); }) &&
           ok;
}

// Acts on the working days dialog once it is up: `user` does what a user does,
// then the dialog is saved as `name` (unless null) and closed with OK (or
// Escape when `keep` is false).
void ActOnWorkingDays(const QDir& folder, const char* name, bool keep,
                      std::function<void(tembrel::frmWorkingDays&)> user, bool& saved) {
    saved = false;
    auto* timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [=, &folder, &saved] {
        auto* dialog = qobject_cast<tembrel::frmWorkingDays*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        timer->stop();
        timer->deleteLater();
        user(*dialog);
        saved = name == nullptr || Save(*dialog, folder, name);
        if (keep) {
            QTest::mouseClick(dialog->control(tembrel::WorkingDaysControl::cmdOK), Qt::LeftButton);
        } else {
            QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
        }
    });
    timer->start();
}

// Chooses Bavaria in the dialog, lists two files that are not kept, and puts
// the region in force; shows the main window with a count and the month window
// with the holidays marked, in English and in German.
bool SaveWorkingDays(tembrel::ProgramTexts& texts, const QDir& folder) {
    using C = MainWindowControl;
    using D = tembrel::WorkingDaysControl;
    tembrel::frmMain window(texts, tembrel::ProgramVersion{"9.98"});
    window.services().today = [] { return 2460665; };  // Friday 20 December 2024
    window.services().holidayRuleFile = TEMBREL_HOLIDAY_DATA_FILE;
    window.endProgram = [] {};
    window.StartUp();
    bool ok = true;
    for (const bool german : {false, true}) {
        window.model().cboLanguage_Click(german ? 1 : 0);
        window.Render();
        const auto listFiles = [](tembrel::frmWorkingDays& dialog) {
            dialog.chooseFile = [](const QString&, const QString&) {
                return std::string("/home/me/company-holidays-2024.ics");
            };
            QTest::mouseClick(dialog.control(D::cmdAddHolidayFile), Qt::LeftButton);
            dialog.chooseFile = [](const QString&, const QString&) {
                return std::string("/home/me/saturdays.txt");
            };
            QTest::mouseClick(dialog.control(D::cmdAddWorkdayFile), Qt::LeftButton);
        };
        bool saved = false;
        ActOnWorkingDays(folder, german ? "working_days_de.png" : "working_days_en.png", false,
                         listFiles, saved);
        ClickOn(window, C::cmdWorkingDays);
        ok = saved && ok;
        ActOnWorkingDays(
            folder, nullptr, true,
            [](tembrel::frmWorkingDays& dialog) {
                auto* regions = static_cast<QComboBox*>(dialog.control(D::cboRegion));
                const int index = regions->findText(QStringLiteral("DE-BY"), Qt::MatchStartsWith);
                regions->setCurrentIndex(index);
                emit regions->activated(index);
            },
            saved);
        ClickOn(window, C::cmdWorkingDays);
        ok = saved && ok;
        tembrel::MainForm& model = window.model();
        model.CheckBoxClicked(C::chkIncludeWeekends, 0);
        model.form.txbFirstDate.text = "2024-12-20";
        model.form.txbSecondDate.text = "2025-01-10";
        model.form.txbDateDiff.text.clear();
        model.cmdCompute_Click();
        window.Render();
        ok = Save(window, folder,
                  german ? "main_working_days_de.png" : "main_working_days_en.png") &&
             ok;
        ClickOn(window, C::cmdDisplayMonth);
        tembrel::frmDisplayMonth* month = window.secondaryWindows().monthWindow();
        ok = Save(*month, folder, german ? "month_holidays_de.png" : "month_holidays_en.png") && ok;
        month->close();
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    tembrel::test_support::UseOffscreenUnlessChosen();
    QApplication application(argc, argv);
    QDir folder;
    tembrel::ProgramTexts texts;
    if (const std::optional<int> failed = tembrel::test_support::PrepareScreenshots(
            argc, argv, TEMBREL_DATA_FILE, folder, texts)) {
        return *failed;
    }
    bool ok = RunTrial(texts, folder);
    ok = SaveWorkingDays(texts, folder) && ok;
    tembrel::frmMain window(texts, tembrel::ProgramVersion{"9.98"});
    window.services().today = [] { return 2454541; };  // Saturday 15 March 2008
    window.StartUp();
    ok = Save(window, folder, "main_en.png") && ok;

    tembrel::MainForm& model = window.model();
    model.form.txbFirstDate.text = "2008-01-15";
    model.CalendarOption_Click(tembrel::DateField::Second, tembrel::CalendarCode::ISO);
    model.cmdCompute_Click();
    model.CalendarOption_Click(tembrel::DateField::Second, tembrel::CalendarCode::CE);
    model.form.txbFirstDate.text = "2008-01-15";
    model.form.txbSecondDate.text = "2008-12-25";
    model.form.txbDateDiff.text.clear();
    model.cmdCompute_Click();
    model.form.txbOutput.selStart = 0;
    model.form.txbOutput.selLength = 10;
    model.txbOutput_MouseUp(tembrel::kLeftButton);
    window.Render();
    ok = Save(window, folder, "main_filled.png") && ok;

    model.Click(MainWindowControl::optMonths);
    model.CheckBoxClicked(MainWindowControl::chkHyphen, 0);
    model.Click(MainWindowControl::optDateFormatIsDMY);
    model.Click(MainWindowControl::optSeparatorIsSlash);
    model.Click(MainWindowControl::optThousSepNone);
    model.Click(MainWindowControl::optFirstDateIsORD);
    model.Click(MainWindowControl::optSecondDateIsLPM);
    model.lblToday_MouseUp(tembrel::kLeftButton);
    window.Render();
    ok = Save(window, folder, "main_options.png") && ok;

    model.cboLanguage_Click(1);
    window.Render();
    ok = Save(window, folder, "main_de.png") && ok;
    ok = SaveGermanStart(texts, folder) && ok;

    model.cboLanguage_Click(0);
    window.Render();
    // With this window back in English, whose toolkit words it sets while it
    // renders.
    ok = SaveGermanDialogs(texts, folder) && ok;
    bool dialogSaved = false;
    QTimer::singleShot(0, [&] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            dialogSaved = Save(*dialog, folder, "clear_one_field.png");
            QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
        }
    });
    tembrel::ClearOneFieldDialog choice;
    window.dialogs().ShowClearOneTextBox(choice);
    return ok && dialogSaved ? 0 : 1;
}
