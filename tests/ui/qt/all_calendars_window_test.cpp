// The All calendars window on the offscreen platform, opened with the real main
// window's button and driven with key and mouse events: proves that the window
// shows the model and forwards the user's actions. What the handlers do is
// tested on the model (all_calendars_model_test).
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

#include "core/notation_table.h"
#include "main_window_harness.h"
#include "tests/support/dates.h"
#include "ui/qt/all_calendars_window.h"
#include "ui/qt/secondary_windows.h"

using M = tembrel::MainWindowControl;
using tembrel::CalendarCode;
using tembrel::qt::Pixels;
using tembrel::test_support::ClickOn;
using tembrel::test_support::WaitUntilActive;

class AllCalendarsWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup();

    void theButtonOpensTheFirstDateInEveryRow();
    void theButtonIsReachedByTheKeyboard();
    void enterInARowConvertsIntoEveryOtherRow();
    void aRefusedRowSaysWhy();
    void aDayWithoutADateInANotationShowsOutOfRange();
    void copyRowAndCopyAllTakeTheRowsAsTabbedLines();
    void germanCaptionsAndNamesFit();
    void resizingBelowTheMinimumSnapsBack();
    void closeAndTheCloseBoxOnlyHide();

  private:
    tembrel::frmAllCalendars* window() { return harness_.secondary().allCalendars(); }
    // Returns the row of a code in the window.
    int row(CalendarCode cal) {
        const std::vector<CalendarCode> codes = tembrel::ListedNotations();
        return static_cast<int>(std::find(codes.begin(), codes.end(), cal) - codes.begin());
    }
    QLineEdit* date(CalendarCode cal) { return window()->txbDate(row(cal)); }

    // Types the first date and opens the window with the main window's button.
    void open(const QString& firstDate) {
        if (!firstDate.isEmpty()) {
            harness_.Type(M::txbFirstDate, firstDate);
        }
        ClickOn(harness_.control(M::cmdAllCalendars));
        QVERIFY(window() != nullptr);
        QVERIFY(WaitUntilActive(window()));
    }

    // Replaces a row's text by typing and presses Enter.
    void typeIntoRow(CalendarCode cal, const QString& text) {
        QLineEdit* edit = date(cal);
        QTest::mouseClick(edit, Qt::LeftButton);
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }

    tembrel::test_support::MainWindowHarness harness_;
};

void AllCalendarsWindowTest::initTestCase() {
    const QString problem = harness_.Prepare(tembrel::test_support::GregorianJDN(2008, 3, 15));
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

void AllCalendarsWindowTest::init() {
    QVERIFY(harness_.Open());
}

void AllCalendarsWindowTest::cleanup() {
    const QStringList failures = harness_.Close();
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QStringLiteral("; "))));
}

void AllCalendarsWindowTest::theButtonOpensTheFirstDateInEveryRow() {
    // State: 2008-01-15 typed as the first date. Action: All calendars.
    // Expected: the window in front, a row per notation, the focus in a row.
    QCOMPARE(tembrel::qt::ShownCaption(harness_.control(M::cmdAllCalendars)),
             QStringLiteral("All calendars"));
    open(QStringLiteral("2008-01-15"));
    QCOMPARE(window()->windowTitle(), QStringLiteral("All calendars"));
    QVERIFY(!window()->windowIcon().isNull());
    QCOMPARE(date(CalendarCode::CE)->text(), QStringLiteral("2008-01-15"));
    QCOMPARE(date(CalendarCode::HEB)->text(), QStringLiteral("5768-11-08"));
    QCOMPARE(date(CalendarCode::XLS)->text(), QStringLiteral("39,462"));
    QCOMPARE(window()->lblName(row(CalendarCode::CHN))->text(), QStringLiteral("Chinese"));
    QVERIFY(qobject_cast<QLineEdit*>(QApplication::focusWidget()) != nullptr);
    // Every row is visible without scrolling at the first size.
    QCOMPARE(window()->rowsArea()->verticalScrollBar()->maximum(), 0);
    // Empty fields open the window on today.
    ClickOn(window()->cmdClose());
    ClickOn(harness_.control(M::cmdClearFirstDate));
    ClickOn(harness_.control(M::cmdAllCalendars));
    QVERIFY(window()->isVisible());
    QCOMPARE(date(CalendarCode::CE)->text(), QStringLiteral("2008-03-15"));
}

void AllCalendarsWindowTest::theButtonIsReachedByTheKeyboard() {
    // Action: Tab through the main window until the button has the focus, then
    // Space. Expected: the button is in the tab chain and opens the window.
    QWidget* button = harness_.control(M::cmdAllCalendars);
    QVERIFY(button->isVisible());
    QVERIFY((button->focusPolicy() & Qt::TabFocus) != 0);
    harness_.control(M::txbFirstDate)->setFocus();
    for (int i = 0; i < 100 && QApplication::focusWidget() != button; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(QApplication::focusWidget(), button);
    QTest::keyClick(button, Qt::Key_Space);
    QVERIFY(window() != nullptr);
    QVERIFY(WaitUntilActive(window()));
}

void AllCalendarsWindowTest::enterInARowConvertsIntoEveryOtherRow() {
    open(QStringLiteral("2008-01-15"));
    typeIntoRow(CalendarCode::HEB, QStringLiteral("5768-10-06"));
    QCOMPARE(date(CalendarCode::CE)->text(), QStringLiteral("2007-12-15"));
    QCOMPARE(date(CalendarCode::ISL)->text(), QStringLiteral("1428-12-05"));
    QCOMPARE(QApplication::focusWidget(), date(CalendarCode::HEB));
    typeIntoRow(CalendarCode::MAY, QStringLiteral("13.0.0.0.0"));
    QCOMPARE(date(CalendarCode::CE)->text(), QStringLiteral("2012-12-21"));
}

void AllCalendarsWindowTest::aRefusedRowSaysWhy() {
    open(QStringLiteral("2008-01-15"));
    tembrel::test_support::SeenMessage seen;
    harness_.ExpectMessage(seen);
    typeIntoRow(CalendarCode::HEB, QStringLiteral("5785-13-01"));
    QTRY_VERIFY(!harness_.DialogExpected());
    QCOMPARE(seen.title, QStringLiteral("Error!"));
    QCOMPARE(seen.text, QStringLiteral("Hebrew (HEB): The date is not valid in this calendar "
                                       "using the specified date format."));
    QCOMPARE(date(CalendarCode::CE)->text(), QStringLiteral("2008-01-15"));
    QCOMPARE(date(CalendarCode::HEB)->text(), QStringLiteral("5785-13-01"));
}

void AllCalendarsWindowTest::aDayWithoutADateInANotationShowsOutOfRange() {
    open(QStringLiteral("2008-01-15"));
    typeIntoRow(CalendarCode::CE, QStringLiteral("3500-01-01"));
    QCOMPARE(date(CalendarCode::CHN)->text(), QString());
    QCOMPARE(date(CalendarCode::CHN)->placeholderText(), QStringLiteral("Out of Range"));
    QCOMPARE(date(CalendarCode::HEB)->placeholderText(), QString());
}

void AllCalendarsWindowTest::copyRowAndCopyAllTakeTheRowsAsTabbedLines() {
    open(QStringLiteral("2008-01-15"));
    QTest::mouseClick(date(CalendarCode::ISL), Qt::LeftButton);
    ClickOn(window()->cmdCopyRow());
    QCOMPARE(QApplication::clipboard()->text(),
             QStringLiteral("ISL\t1429-01-06\tIslamic (tabular)\r\n"));
    ClickOn(window()->cmdCopyAll());
    const QString all = QApplication::clipboard()->text();
    QVERIFY(all.startsWith(QStringLiteral("CE\t2008-01-15\tCommon Era date\r\n")));
    QCOMPARE(all.count(QStringLiteral("\r\n")),
             static_cast<qsizetype>(tembrel::ListedNotations().size()));
}

void AllCalendarsWindowTest::germanCaptionsAndNamesFit() {
    // State: German chosen in the language list, then English again.
    // Expected: the window's captions and names follow at once, and every
    // caption and name fits its control in both languages, as does the main
    // window's button.
    open(QStringLiteral("2008-01-15"));
    auto* languages = qobject_cast<QComboBox*>(harness_.control(M::cboLanguage));
    for (const tembrel::LanguageCode language :
         {tembrel::LanguageCode::German, tembrel::LanguageCode::English}) {
        emit languages->activated(harness_.model().LanguageListIndex(language));
        const bool german = language == tembrel::LanguageCode::German;
        QCOMPARE(window()->windowTitle(),
                 german ? QStringLiteral("Alle Kalender") : QStringLiteral("All calendars"));
        QCOMPARE(window()->lblName(row(CalendarCode::HEB))->text(),
                 german ? QStringLiteral("Hebräisch") : QStringLiteral("Hebrew"));
        std::vector<QWidget*> captioned = {harness_.control(M::cmdAllCalendars),
                                           window()->lblHint(), window()->cmdCopyRow(),
                                           window()->cmdCopyAll(), window()->cmdClose()};
        for (size_t i = 0; i < tembrel::ListedNotations().size(); ++i) {
            captioned.push_back(window()->lblName(static_cast<int>(i)));
        }
        for (QWidget* widget : captioned) {
            const QString overflow = tembrel::test_support::CaptionOverflow(widget);
            QVERIFY2(overflow.isEmpty(), qPrintable(overflow));
        }
    }
}

void AllCalendarsWindowTest::resizingBelowTheMinimumSnapsBack() {
    open(QStringLiteral("2008-01-15"));
    window()->resize(100, 100);
    QTRY_COMPARE(window()->frameGeometry().size(), QSize(Pixels(tembrel::kAllCalendarsMinWidth),
                                                         Pixels(tembrel::kAllCalendarsMinHeight)));
    QCOMPARE(window()->cmdClose()->y(), Pixels(tembrel::kAllCalendarsMinHeight - 330 - 700));
    QVERIFY(window()->rowsArea()->verticalScrollBar()->maximum() > 0);
    // A row typed into at the bottom scrolls into view.
    typeIntoRow(CalendarCode::XLS, QStringLiteral("39462"));
    QVERIFY(window()->rowsArea()->verticalScrollBar()->value() > 0);
}

void AllCalendarsWindowTest::closeAndTheCloseBoxOnlyHide() {
    open(QStringLiteral("2008-01-15"));
    tembrel::frmAllCalendars* const shown = window();
    window()->move(window()->frameGeometry().topLeft() + QPoint(40, 30));
    const QPoint moved = window()->frameGeometry().topLeft();
    ClickOn(window()->cmdClose());
    QVERIFY(window()->isHidden());
    ClickOn(harness_.control(M::cmdAllCalendars));
    QVERIFY(window()->isVisible());
    QCOMPARE(window()->frameGeometry().topLeft(), moved);
    QVERIFY(!window()->close());
    QVERIFY(window()->isHidden());
    QCOMPARE(window(), shown);
}

QTEST_MAIN(AllCalendarsWindowTest)
#include "all_calendars_window_test.moc"
