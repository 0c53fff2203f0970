// The help window on the offscreen platform, opened with the real main window's
// Help button: its place, its text and caption per language, minimising,
// resizing and the two ways of closing it. The rules themselves are tested on
// the model (windows_model tests).
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>

#include "main_window_harness.h"
#include "tests/support/dates.h"
#include "ui/qt/help_window.h"
#include "ui/qt/qt_window_place.h"
#include "ui/qt/secondary_windows.h"

using M = tembrel::MainWindowControl;
using tembrel::qt::Pixels;
using tembrel::test_support::ClickOn;
using tembrel::test_support::WaitUntilActive;

class HelpWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup();

    void helpOpensOverTheLowerPartOfTheMainWindow();
    void captionButtonAndTextFollowTheLanguage_data();
    void captionButtonAndTextFollowTheLanguage();
    void helpRestoresAMinimisedWindowWithoutMovingIt();
    void resizingBelowTheMinimumSnapsBack();
    void closePutsTheFocusInTheFirstDate();
    void theCloseBoxDiscardsTheWindowsPlace();

  private:
    tembrel::frmHelp* help() { return harness_.secondary().helpWindow(); }

    void openHelp() {
        ClickOn(harness_.control(M::cmdHelp));
        QVERIFY(help() != nullptr);
        QVERIFY(WaitUntilActive(help()));
    }

    // The place the help window takes the first time (twips): from the top of
    // today's date label down to 100 below the main window.
    tembrel::TwipsRect expectedTwips() {
        const tembrel::TwipsRect main = harness_.MainPlace();
        const int32_t top = 1365 + main.top + 1430;
        return {main.left, top, main.width, main.height + main.top - top + 100};
    }
    QRect expectedPlace() { return tembrel::qt::OuterPixels(expectedTwips()); }

    tembrel::test_support::MainWindowHarness harness_;
};

void HelpWindowTest::initTestCase() {
    const QString problem = harness_.Prepare(tembrel::test_support::GregorianJDN(2008, 3, 15));
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

void HelpWindowTest::init() {
    QVERIFY(harness_.Open());
}

void HelpWindowTest::cleanup() {
    const QStringList failures = harness_.Close();
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QStringLiteral("; "))));
}

void HelpWindowTest::helpOpensOverTheLowerPartOfTheMainWindow() {
    // Expected: as wide as the main window, from today's date label down to 100
    // twips below it; the text box and Close laid out for that size; the caret
    // at the start of the text, which names the shipped manual.
    QVERIFY(help() == nullptr);
    openHelp();
    QCOMPARE(help()->frameGeometry(), expectedPlace());
    const int32_t width = expectedTwips().width;
    const int32_t height = expectedTwips().height;
    QCOMPARE(help()->txbMsg()->geometry(),
             QRect(Pixels(200), Pixels(100), Pixels(width - 450), Pixels(height - 1200)));
    QCOMPARE(help()->cmdClose()->y(), Pixels(100 + height - 1200 + 100));
    QCOMPARE(help()->cmdClose()->x(), Pixels((width - 450 - 1425) / 2 + 200));
    const QString text = help()->txbMsg()->toPlainText();
    QVERIFY(text.startsWith(
        QStringLiteral("The complete user manual for this software is online at: file://")));
    QVERIFY(text.contains(QStringLiteral("manual.en.html\n\nThis program converts")));
    QCOMPARE(help()->txbMsg()->textCursor().position(), 0);
    QCOMPARE(help()->txbMsg()->verticalScrollBar()->value(), 0);
    QVERIFY(help()->txbMsg()->verticalScrollBar()->maximum() > 0);
    QVERIFY(help()->txbMsg()->isReadOnly());
    QCOMPARE(help()->txbMsg()->palette().color(QPalette::Base), QColor(Qt::white));
    QVERIFY((help()->txbMsg()->focusPolicy() & Qt::TabFocus) == 0);
}

void HelpWindowTest::captionButtonAndTextFollowTheLanguage_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("close");
    QTest::addColumn<QString>("start");
    QTest::newRow("English") << int(tembrel::LanguageCode::English) << "Tembrel Help"
                             << "Close"
                             << "The complete user manual";
    QTest::newRow("German") << int(tembrel::LanguageCode::German) << "Tembrel Hilfe"
                            << "Schliessen"
                            << "Das Benutzerhandbuch";
}

void HelpWindowTest::captionButtonAndTextFollowTheLanguage() {
    // State: the help window opened in English and closed. Action: the language
    // changes, Help again. Expected: caption, button and text in that language.
    QFETCH(int, language);
    QFETCH(QString, caption);
    QFETCH(QString, close);
    QFETCH(QString, start);
    openHelp();
    ClickOn(help()->cmdClose());
    harness_.model().form.intLanguage = static_cast<tembrel::LanguageCode>(language);
    openHelp();
    QCOMPARE(help()->windowTitle(), caption);
    QCOMPARE(tembrel::qt::ShownCaption(help()->cmdClose()), close);
    QVERIFY(help()->txbMsg()->toPlainText().startsWith(start));
}

void HelpWindowTest::helpRestoresAMinimisedWindowWithoutMovingIt() {
    openHelp();
    help()->move(help()->frameGeometry().topLeft() + QPoint(25, -15));
    const QRect before = help()->frameGeometry();
    help()->showMinimized();
    QTRY_VERIFY(help()->isMinimized());
    ClickOn(harness_.control(M::cmdHelp));
    QTRY_VERIFY(!help()->isMinimized());
    QVERIFY(help()->isVisible());
    QCOMPARE(help()->frameGeometry(), before);
}

void HelpWindowTest::resizingBelowTheMinimumSnapsBack() {
    openHelp();
    help()->resize(50, 80);
    QTRY_COMPARE(help()->frameGeometry().size(), QSize(Pixels(4000), Pixels(4000)));
    QCOMPARE(help()->txbMsg()->size(), QSize(Pixels(4000 - 450), Pixels(4000 - 1100)));
    QCOMPARE(help()->cmdClose()->x(), Pixels((4000 - 450 - 1425) / 2 + 200));
}

void HelpWindowTest::closePutsTheFocusInTheFirstDate() {
    openHelp();
    tembrel::frmHelp* const shown = help();
    ClickOn(help()->cmdClose());
    QVERIFY(help()->isHidden());
    QVERIFY(WaitUntilActive(&harness_.window()));
    QCOMPARE(QApplication::focusWidget(), harness_.control(M::txbFirstDate));
    // Close keeps the place the user gave the window.
    openHelp();
    QCOMPARE(help(), shown);
    help()->move(help()->frameGeometry().topLeft() + QPoint(20, 20));
    const QRect moved = help()->frameGeometry();
    ClickOn(help()->cmdClose());
    openHelp();
    QCOMPARE(help()->frameGeometry(), moved);
}

void HelpWindowTest::theCloseBoxDiscardsTheWindowsPlace() {
    // State: the window moved and made larger. Action: the close box, then Help.
    // Expected: it opens in its first place and size again.
    openHelp();
    help()->move(help()->frameGeometry().topLeft() + QPoint(20, 20));
    help()->resize(help()->size() + QSize(30, 40));
    QVERIFY(help()->close());
    QVERIFY(help()->isHidden());
    QVERIFY(!help()->model().form.loaded);
    openHelp();
    QCOMPARE(help()->frameGeometry(), expectedPlace());
}

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
