// The large display on the offscreen platform, opened with the real main
// window's Enlarge button and driven with key and mouse events: proves that the
// window shows the model and forwards the user's actions. What the handlers do
// is tested on the model (windows_model tests).
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

#include "main_window_harness.h"
#include "tests/support/dates.h"
#include "ui/qt/large_display_window.h"
#include "ui/qt/qt_window_place.h"
#include "ui/qt/secondary_windows.h"

using M = tembrel::MainWindowControl;
using tembrel::qt::Pixels;
using tembrel::test_support::ClickOn;
using tembrel::test_support::WaitUntilActive;

class LargeDisplayWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup();

    void enlargeWithAnOutputOfSpacesSaysItIsEmpty();
    void enlargeOpensInsideTheMainWindowWithTheOutput();
    void copyTakesTheSelectionOrElseTheWholeText();
    void germanCaptionsFitTheirButtons();
    void enterCopiesOnlyASelection();
    void resizingBelowTheMinimumSnapsBack();
    void closeAndTheCloseBoxOnlyHide();

  private:
    tembrel::frmLargeDisplay* display() { return harness_.secondary().largeDisplay(); }
    QPlainTextEdit* text() { return display()->txbOutput(); }
    QString caption(QWidget* widget) { return tembrel::qt::ShownCaption(widget); }

    // Converts 2008-01-15 and then counts the days to 2008-12-25, so that the
    // output holds two reports; then opens the large display.
    void computeAndEnlarge() {
        harness_.Type(M::txbFirstDate, QStringLiteral("2008-01-15"));
        ClickOn(harness_.control(M::cmdCompute));
        harness_.Type(M::txbSecondDate, QStringLiteral("2008-12-25"));
        ClickOn(harness_.control(M::cmdCompute));
        ClickOn(harness_.control(M::cmdEnlarge));
        QVERIFY(display() != nullptr);
        QVERIFY(WaitUntilActive(display()));
    }

    // Drags the mouse over characters `from` to `to` of the text.
    void select(int from, int to) {
        QTextCursor cursor = text()->textCursor();
        cursor.setPosition(from);
        const QPoint start = text()->cursorRect(cursor).center() + QPoint(-2, 0);
        cursor.setPosition(to);
        const QPoint end = text()->cursorRect(cursor).center();
        QTest::mousePress(text()->viewport(), Qt::LeftButton, {}, start);
        QTest::mouseMove(text()->viewport(), end);
        QTest::mouseRelease(text()->viewport(), Qt::LeftButton, {}, end);
    }

    // The place the large display takes for the main window's place (twips).
    QRect expectedPlace() {
        const tembrel::TwipsRect main = harness_.MainPlace();
        return tembrel::qt::OuterPixels(
            {main.left + 100, main.top + 380, main.width - 200, main.height - 480});
    }

    tembrel::test_support::MainWindowHarness harness_;
};

void LargeDisplayWindowTest::initTestCase() {
    const QString problem = harness_.Prepare(tembrel::test_support::GregorianJDN(2008, 3, 15));
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

void LargeDisplayWindowTest::init() {
    QVERIFY(harness_.Open());
}

void LargeDisplayWindowTest::cleanup() {
    const QStringList failures = harness_.Close();
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QStringLiteral("; "))));
}

void LargeDisplayWindowTest::enlargeWithAnOutputOfSpacesSaysItIsEmpty() {
    // State: an output of spaces. Action: Enlarge. Expected: the message, the
    // output emptied, nothing shown, the focus back in the first date.
    harness_.model().form.txbOutput.text = "   ";
    harness_.window().Render();
    tembrel::test_support::SeenMessage seen;
    harness_.ExpectMessage(seen);
    ClickOn(harness_.control(M::cmdEnlarge));
    QCOMPARE(seen.title, QStringLiteral("Output window"));
    QCOMPARE(seen.text, QStringLiteral("The output window is empty."));
    QVERIFY(qobject_cast<QPlainTextEdit*>(harness_.control(M::txbOutput))->toPlainText().isEmpty());
    QVERIFY(display() == nullptr || display()->isHidden());
    QCOMPARE(harness_.window().focusWidget(), harness_.control(M::txbFirstDate));
}

void LargeDisplayWindowTest::enlargeOpensInsideTheMainWindowWithTheOutput() {
    computeAndEnlarge();
    const QString output =
        qobject_cast<QPlainTextEdit*>(harness_.control(M::txbOutput))->toPlainText();
    QCOMPARE(text()->toPlainText(), output);
    QVERIFY(text()->isReadOnly());
    QCOMPARE(display()->windowTitle(), QStringLiteral("Enlarge"));
    QVERIFY(!display()->windowIcon().isNull());
    QCOMPARE(display()->frameGeometry(), expectedPlace());
    // The box fills the window less the margins; the buttons sit under it.
    const tembrel::TwipsRect main = harness_.MainPlace();
    const int32_t width = main.width - 200;
    const int32_t height = main.height - 480;
    QCOMPARE(text()->geometry(),
             QRect(Pixels(105), Pixels(105), Pixels(width - 300), Pixels(height - 330 - 1000)));
    QCOMPARE(
        display()->cmdClose()->geometry(),
        QRect(Pixels(width - 1605 - 330), Pixels(height - 330 - 700), Pixels(1605), Pixels(330)));
    QCOMPARE(caption(display()->cmdCopyToClipboard()), QStringLiteral("Copy to clipboard"));
    QCOMPARE(display()->cmdCopyToClipboard()->width(), Pixels(2500));
    QCOMPARE(caption(display()->cmdClose()), QStringLiteral("Close"));
    QVERIFY(text()->toolTip().startsWith(QStringLiteral("Select part of the text")));
    QCOMPARE(QApplication::focusWidget(), display()->cmdClose());
}

void LargeDisplayWindowTest::copyTakesTheSelectionOrElseTheWholeText() {
    // Action: copy without a selection, then drag over the first date and copy.
    // Expected: the whole text, then only the date; the button offers the
    // selection while there is one.
    computeAndEnlarge();
    ClickOn(display()->cmdCopyToClipboard());
    QCOMPARE(QApplication::clipboard()->text(),
             QString::fromStdString(harness_.model().form.txbOutput.text));
    QVERIFY(QApplication::clipboard()->text().contains(QStringLiteral("\r\n")));

    select(0, 10);
    QCOMPARE(caption(display()->cmdCopyToClipboard()),
             QStringLiteral("Copy selected text to clipboard"));
    QCOMPARE(display()->cmdCopyToClipboard()->width(), Pixels(3500));
    ClickOn(display()->cmdCopyToClipboard());
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("2008-01-15"));
    QVERIFY(!text()->textCursor().hasSelection());
    QCOMPARE(caption(display()->cmdCopyToClipboard()), QStringLiteral("Copy to clipboard"));
    QCOMPARE(display()->cmdCopyToClipboard()->width(), Pixels(2500));
}

void LargeDisplayWindowTest::germanCaptionsFitTheirButtons() {
    // State: German. Expected: the copy button's captions, with and without a
    // selection, and Close fit at the widths the button takes for them. The
    // selection's caption is the longest: it must show whole, though it leaves
    // less than the usual margin.
    harness_.model().form.intLanguage = tembrel::LanguageCode::German;
    harness_.texts().SetProgramTextLanguage(tembrel::LanguageCode::German);
    computeAndEnlarge();
    QCOMPARE(caption(display()->cmdCopyToClipboard()),
             QStringLiteral("Kopieren in Zwischenablage"));
    QCOMPARE(display()->cmdCopyToClipboard()->width(), Pixels(3500));
    QCOMPARE(display()->windowTitle(), QStringLiteral("Vergrößern"));
    for (const bool selection : {false, true}) {
        if (selection) {
            select(0, 10);
            QCOMPARE(caption(display()->cmdCopyToClipboard()),
                     QStringLiteral("Kopieren ausgewählter Text in Zwischenablage"));
        }
        QPushButton* copy = display()->cmdCopyToClipboard();
        QVERIFY(copy->fontMetrics().horizontalAdvance(copy->text()) <= copy->width() - 2);
        if (!selection) {
            const QString overflow = tembrel::test_support::CaptionOverflow(copy);
            QVERIFY2(overflow.isEmpty(), qPrintable(overflow));
        }
        const QString overflow = tembrel::test_support::CaptionOverflow(display()->cmdClose());
        QVERIFY2(overflow.isEmpty(), qPrintable(overflow));
    }
}

void LargeDisplayWindowTest::enterCopiesOnlyASelection() {
    computeAndEnlarge();
    QApplication::clipboard()->setText(QStringLiteral("before"));
    text()->setFocus();
    QTest::keyClick(text(), Qt::Key_Return);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));
    select(11, 13);
    QTest::keyClick(text(), Qt::Key_Return);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("CE"));
    QVERIFY(!text()->textCursor().hasSelection());
}

void LargeDisplayWindowTest::resizingBelowTheMinimumSnapsBack() {
    // Action: make the window 100 x 100 pixels. Expected: 6000 x 3000 twips,
    // with the buttons laid out for that size.
    computeAndEnlarge();
    display()->resize(100, 100);
    QTRY_COMPARE(display()->frameGeometry().size(), QSize(Pixels(6000), Pixels(3000)));
    QCOMPARE(display()->cmdCopyToClipboard()->y(), Pixels(3000 - 330 - 700));
    QCOMPARE(display()->cmdClose()->y(), Pixels(3000 - 330 - 700));
    QCOMPARE(display()->cmdClose()->x(), Pixels(6000 - 1605 - 330));
    QCOMPARE(text()->width(), Pixels(6000 - 300));
    // A larger size is kept as the user made it.
    display()->resize(700, 400);
    QTRY_COMPARE(display()->size(), QSize(700, 400));
    const int32_t width = tembrel::qt::Twips(display()->frameGeometry().width());
    QCOMPARE(display()->cmdClose()->x(), Pixels(width - 1605 - 330));
}

void LargeDisplayWindowTest::closeAndTheCloseBoxOnlyHide() {
    // Action: Close; Enlarge; move the window; the close box; Enlarge with new
    // output. Expected: hidden each time, never destroyed; the next Enlarge
    // puts it back in its place with the new text.
    computeAndEnlarge();
    tembrel::frmLargeDisplay* const shown = display();
    ClickOn(display()->cmdClose());
    QVERIFY(display()->isHidden());
    ClickOn(harness_.control(M::cmdEnlarge));
    QVERIFY(display()->isVisible());
    display()->move(display()->frameGeometry().topLeft() + QPoint(40, 30));
    QVERIFY(!display()->close());
    QVERIFY(display()->isHidden());
    QCOMPARE(display(), shown);

    ClickOn(harness_.control(M::cmdClearOutputWindow));
    ClickOn(harness_.control(M::cmdClearFirstDate));
    ClickOn(harness_.control(M::cmdClearSecondDate));
    harness_.Type(M::txbFirstDate, QStringLiteral("2000-02-29"));
    ClickOn(harness_.control(M::cmdCompute));
    ClickOn(harness_.control(M::cmdEnlarge));
    QVERIFY(display()->isVisible());
    QCOMPARE(display()->frameGeometry(), expectedPlace());
    QVERIFY(text()->toPlainText().startsWith(QStringLiteral("2000-02-29")));
}

QTEST_MAIN(LargeDisplayWindowTest)
#include "large_display_window_test.moc"
