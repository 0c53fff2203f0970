// The working days dialog on the offscreen platform, opened from the real main
// window's button and driven with key and mouse events: proves that the user's
// actions reach the dialog's model and come back rendered, and that OK puts the
// choice in force in the main window. What the handlers do is tested on the
// model (ui_model's working days tests).
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "main_window_harness.h"
#include "tests/support/dates.h"
#include "ui/qt/month_window.h"
#include "ui/qt/secondary_windows.h"
#include "ui/qt/working_days_dialog.h"

using D = tembrel::WorkingDaysControl;
using M = tembrel::MainWindowControl;
using tembrel::test_support::CaptionOverflow;
using tembrel::test_support::ClickOn;

class WorkingDaysDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup();

    void okPutsTheWeekendAndTheRegionChosenInForce();
    void theButtonIsReachedWithTabAndEscapeChangesNothing();
    void addedFilesAreListedAndAnUnreadableOneKeepsTheDialogOpen();
    void theMonthWindowMarksTheHolidaysAndNamesThemInItsTooltip();
    void everyCaptionFitsItsControl_data();
    void everyCaptionFitsItsControl();

  private:
    // Clicks the main window's button; `user` acts on the dialog once it is up.
    void openDialog(std::function<void(tembrel::frmWorkingDays&)> user) {
        bool seen = false;
        harness_.ExpectDialog([&seen, user](QWidget* modal) {
            auto* dialog = qobject_cast<tembrel::frmWorkingDays*>(modal);
            QVERIFY(dialog != nullptr);
            seen = true;
            user(*dialog);
        });
        ClickOn(harness_.control(M::cmdWorkingDays));
        QVERIFY(seen);
    }

    // Chooses the region whose entry begins with `code` in the list, as the
    // user's pick from the drop-down does.
    static void chooseRegion(tembrel::frmWorkingDays& dialog, const QString& code) {
        auto* regions = qobject_cast<QComboBox*>(dialog.control(D::cboRegion));
        const int index = regions->findText(code + QStringLiteral(" "), Qt::MatchStartsWith);
        QVERIFY(index > 0);
        regions->setCurrentIndex(index);
        emit regions->activated(index);
    }

    static QCheckBox* weekday(tembrel::frmWorkingDays& dialog, int mondayFirst) {
        return qobject_cast<QCheckBox*>(dialog.control(tembrel::WeekdayCheckBox(mondayFirst)));
    }

    QString mainCaption(M id) { return tembrel::qt::ShownCaption(harness_.control(id)); }

    tembrel::test_support::MainWindowHarness harness_;
};

void WorkingDaysDialogTest::initTestCase() {
    const QString problem = harness_.Prepare(tembrel::test_support::GregorianJDN(2024, 12, 20));
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

void WorkingDaysDialogTest::init() {
    QVERIFY(harness_.Open());
}

void WorkingDaysDialogTest::cleanup() {
    const QStringList failures = harness_.Close();
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QStringLiteral("; "))));
}

void WorkingDaysDialogTest::okPutsTheWeekendAndTheRegionChosenInForce() {
    // State: the defaults. Action: the button, Friday and Saturday as the
    // weekend, Bavaria, OK. Expected: the dialog showed Saturday and Sunday;
    // the check box names the region and a count leaves out its holidays.
    openDialog([this](tembrel::frmWorkingDays& dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Working days"));
        QVERIFY(!weekday(dialog, 4)->isChecked());
        QVERIFY(weekday(dialog, 5)->isChecked());
        QVERIFY(weekday(dialog, 6)->isChecked());
        QCOMPARE(qobject_cast<QComboBox*>(dialog.control(D::cboRegion))->currentText(),
                 QStringLiteral("None"));
        ClickOn(weekday(dialog, 4));
        ClickOn(weekday(dialog, 6));
        chooseRegion(dialog, QStringLiteral("DE-BY"));
        ClickOn(dialog.control(D::cmdOK));
        QVERIFY(!dialog.isVisible());
    });
    QCOMPARE(mainCaption(M::chkIncludeWeekends),
             QStringLiteral("Count weekend days and holidays (DE-BY)"));
    QCOMPARE(harness_.control(M::chkIncludeWeekends)->toolTip(),
             QStringLiteral("Not counting weekend days (Friday, Saturday) and holidays (DE-BY)"));
    ClickOn(harness_.control(M::chkIncludeWeekends));
    harness_.Type(M::txbFirstDate, QStringLiteral("2024-12-20"));
    harness_.Type(M::txbSecondDate, QStringLiteral("2025-01-10"));
    ClickOn(harness_.control(M::cmdCompute));
    // Sunday to Thursday, less 25 and 26 December, 1 and 6 January.
    QCOMPARE(qobject_cast<QLineEdit*>(harness_.control(M::txbDateDiff))->text(),
             QStringLiteral("11"));
}

void WorkingDaysDialogTest::theButtonIsReachedWithTabAndEscapeChangesNothing() {
    // State: the focus on "Count weekend days". Action: Tab, Space, Escape.
    // Expected: Tab reaches the button, Space opens the dialog, Escape closes it
    // and nothing changes.
    QWidget* weekends = harness_.control(M::chkIncludeWeekends);
    weekends->setFocus();
    QTest::keyClick(weekends, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), harness_.control(M::cmdWorkingDays));
    bool seen = false;
    harness_.ExpectDialog([&seen](QWidget* modal) {
        seen = true;
        auto* dialog = qobject_cast<tembrel::frmWorkingDays*>(modal);
        QVERIFY(dialog != nullptr);
        ClickOn(weekday(*dialog, 0));
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    QTest::keyClick(harness_.control(M::cmdWorkingDays), Qt::Key_Space);
    QVERIFY(seen);
    QCOMPARE(harness_.model().form.workingDaysChoice, tembrel::holidays::WorkingDaysChoice{});
}

void WorkingDaysDialogTest::addedFilesAreListedAndAnUnreadableOneKeepsTheDialogOpen() {
    // State: a file chooser that picks a file that does not exist. Action: Add,
    // OK; then Remove, OK. Expected: the file listed and selected, a message
    // naming it while the dialog stays; without it the dialog closes.
    const QString gone = QStringLiteral("/no/such/folder/holidays.txt");
    openDialog([gone](tembrel::frmWorkingDays& dialog) {
        QString title;
        QString types;
        dialog.chooseFile = [&](const QString& chooserTitle, const QString& chooserTypes) {
            title = chooserTitle;
            types = chooserTypes;
            return gone.toStdString();
        };
        auto* remove = dialog.control(D::cmdRemoveHolidayFile);
        QVERIFY(!remove->isEnabled());
        ClickOn(dialog.control(D::cmdAddHolidayFile));
        QCOMPARE(title, QStringLiteral("Choose a holiday file"));
        QCOMPARE(types, QStringLiteral("Holiday files (*.txt *.ics);;All files (*)"));
        auto* files = qobject_cast<QListWidget*>(dialog.control(D::lstHolidayFiles));
        QCOMPARE(files->count(), 1);
        QCOMPARE(files->item(0)->text(), gone);
        QCOMPARE(files->currentRow(), 0);
        QVERIFY(remove->isEnabled());
        // The message comes while the watchdog is busy with the dialog: a timer of
        // its own answers it.
        tembrel::test_support::SeenMessage seen;
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, &answer, [&seen, &answer] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                answer.stop();
                seen.text = box->text();
                box->button(QMessageBox::Ok)->click();
            }
        });
        answer.start(20);
        ClickOn(dialog.control(D::cmdOK));
        QCOMPARE(seen.text, gone + QStringLiteral(" cannot be opened"));
        QVERIFY(dialog.isVisible());
        ClickOn(remove);
        QCOMPARE(files->count(), 0);
        ClickOn(dialog.control(D::cmdOK));
        QVERIFY(!dialog.isVisible());
    });
    QVERIFY(harness_.model().form.workingDaysChoice.holidayFiles.empty());
}

void WorkingDaysDialogTest::theMonthWindowMarksTheHolidaysAndNamesThemInItsTooltip() {
    // State: Bavaria chosen. Action: Display month with a first date in
    // December 2024. Expected: 25 and 26 December marked, named in the tooltip.
    openDialog([](tembrel::frmWorkingDays& dialog) {
        chooseRegion(dialog, QStringLiteral("DE-BY"));
        ClickOn(dialog.control(D::cmdOK));
    });
    harness_.Type(M::txbFirstDate, QStringLiteral("2024-12-20"));
    ClickOn(harness_.control(M::cmdDisplayMonth));
    tembrel::frmDisplayMonth* month = harness_.secondary().monthWindow();
    QVERIFY(month != nullptr);
    QWidget* grid = month->control(tembrel::MonthWindowControl::txbMonth);
    QVERIFY(qobject_cast<QPlainTextEdit*>(grid)->toPlainText().contains(
        QStringLiteral("  22   23   24   25*  26*  27   28  ")));
    QVERIFY2(
        grid->toolTip().endsWith(QStringLiteral("\n\n  25* Christmas Day\n  26* St Stephen's Day")),
        qPrintable(grid->toolTip()));
}

void WorkingDaysDialogTest::everyCaptionFitsItsControl_data() {
    QTest::addColumn<int>("language");
    QTest::newRow("English") << int(tembrel::LanguageCode::English);
    QTest::newRow("German") << int(tembrel::LanguageCode::German);
}

void WorkingDaysDialogTest::everyCaptionFitsItsControl() {
    // State: the language chosen, files with long names listed. Expected: no
    // caption of the dialog is cut off.
    QFETCH(int, language);
    tembrel::MainForm& model = harness_.model();
    model.form.intLanguage = static_cast<tembrel::LanguageCode>(language);
    model.SetLanguageDependentText();
    harness_.window().Render();
    QVERIFY2(CaptionOverflow(harness_.control(M::cmdWorkingDays)).isEmpty(),
             qPrintable(CaptionOverflow(harness_.control(M::cmdWorkingDays))));
    openDialog([](tembrel::frmWorkingDays& dialog) {
        for (const tembrel::WorkingDaysEntry& entry : tembrel::WorkingDaysLayout()) {
            const QString overflow = CaptionOverflow(dialog.control(entry.id));
            QVERIFY2(overflow.isEmpty(), qPrintable(overflow));
        }
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
}

QTEST_MAIN(WorkingDaysDialogTest)
#include "working_days_dialog_test.moc"
