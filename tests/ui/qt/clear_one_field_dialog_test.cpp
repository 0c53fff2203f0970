// The clear-one-field dialog on the offscreen platform: what it shows and what
// each way of closing it answers.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "ui/qt/clear_one_field_dialog.h"
#include "ui/qt/qt_controls.h"

using tembrel::ClearChoice;
using C = tembrel::ClearOneFieldControl;

class ClearOneFieldDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void answersTheChoiceTheUserLeavesSelected_data();
    void answersTheChoiceTheUserLeavesSelected();
    void escapeCancelsTheOperation();
    void showsTheCaptionsOfTheLanguage();

  private:
    // Shows the dialog and lets `user` act on it once it is up; gives up (and
    // fails) when the dialog does not close within five seconds.
    ClearChoice Ask(ClearChoice preselected, const std::function<void(QWidget&)>& user,
                    tembrel::LanguageCode language = tembrel::LanguageCode::English) {
        QTimer::singleShot(0, &dialog_, [this, user] { user(dialog_); });
        QTimer giveUp;
        giveUp.setSingleShot(true);
        QObject::connect(&giveUp, &QTimer::timeout, &dialog_, [this] {
            timedOut_ = true;
            dialog_.reject();
        });
        giveUp.start(5000);
        return dialog_.Ask(tembrel::ClearOneFieldCaptionsIn(language), preselected, QPoint(10, 10));
    }

    static void ClickOption(QWidget& dialog, C option) {
        auto* button = static_cast<tembrel::frmClearOneTextBox&>(dialog).control(option);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(7, button->height() / 2));
    }

    tembrel::frmClearOneTextBox dialog_{nullptr};
    bool timedOut_ = false;
};

void ClearOneFieldDialogTest::answersTheChoiceTheUserLeavesSelected_data() {
    QTest::addColumn<int>("preselected");
    QTest::addColumn<int>("clicked");  // -1: no click
    QTest::addColumn<bool>("enterKey");
    QTest::addColumn<int>("expected");
    QTest::newRow("continue keeps the default")
        << int(ClearChoice::DateDiff) << -1 << false << int(ClearChoice::DateDiff);
    QTest::newRow("continue keeps a remembered choice")
        << int(ClearChoice::SecondDate) << -1 << false << int(ClearChoice::SecondDate);
    QTest::newRow("first date chosen") << int(ClearChoice::DateDiff) << int(C::optClearFirstDate)
                                       << false << int(ClearChoice::FirstDate);
    QTest::newRow("cancel chosen")
        << int(ClearChoice::DateDiff) << int(C::optCancel) << false << int(ClearChoice::Cancel);
    QTest::newRow("enter continues") << int(ClearChoice::DateDiff) << int(C::optClearSecondDate)
                                     << true << int(ClearChoice::SecondDate);
}

void ClearOneFieldDialogTest::answersTheChoiceTheUserLeavesSelected() {
    // State: an option preselected. Action: maybe click another, then Continue
    // (or Enter). Expected: the option selected at that moment.
    QFETCH(int, preselected);
    QFETCH(int, clicked);
    QFETCH(bool, enterKey);
    QFETCH(int, expected);
    const ClearChoice answer = Ask(static_cast<ClearChoice>(preselected), [&](QWidget& dialog) {
        auto& frm = static_cast<tembrel::frmClearOneTextBox&>(dialog);
        QVERIFY(qobject_cast<QRadioButton*>(
                    frm.control(tembrel::OptionOfChoice(static_cast<ClearChoice>(preselected))))
                    ->isChecked());
        if (clicked >= 0) {
            ClickOption(dialog, static_cast<C>(clicked));
        }
        if (enterKey) {
            QTest::keyClick(&dialog, Qt::Key_Return);
        } else {
            QTest::mouseClick(frm.control(C::cmdContinue), Qt::LeftButton);
        }
    });
    QVERIFY(!timedOut_);
    QCOMPARE(int(answer), expected);
}

void ClearOneFieldDialogTest::escapeCancelsTheOperation() {
    const ClearChoice answer = Ask(
        ClearChoice::FirstDate, [](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    QVERIFY(!timedOut_);
    QCOMPARE(answer, ClearChoice::Cancel);
}

void ClearOneFieldDialogTest::showsTheCaptionsOfTheLanguage() {
    QString title;
    QString clearLabel;
    QString cancel;
    QString explanation;
    QColor background;
    QSize size;
    Ask(
        ClearChoice::DateDiff,
        [&](QWidget& dialog) {
            auto& frm = static_cast<tembrel::frmClearOneTextBox&>(dialog);
            title = dialog.windowTitle();
            clearLabel = tembrel::qt::ShownCaption(frm.control(C::lblClear));
            cancel = tembrel::qt::ShownCaption(frm.control(C::optCancel));
            explanation = tembrel::qt::ShownCaption(frm.control(C::lblNeedToClear));
            background = dialog.palette().color(QPalette::Window);
            size = dialog.size();
            QTest::mouseClick(frm.control(C::cmdContinue), Qt::LeftButton);
        },
        tembrel::LanguageCode::German);
    QCOMPARE(title, QStringLiteral("Löschen"));
    QCOMPARE(clearLabel, QStringLiteral("Löschen:"));
    QCOMPARE(cancel, QStringLiteral("Annullieren Sie diese Operation"));
    QCOMPARE(explanation.count(QLatin1Char('\n')), 1);
    QCOMPARE(background, QColor(192, 255, 255));
    QCOMPARE(size, QSize(534, 130));
}

QTEST_MAIN(ClearOneFieldDialogTest)
#include "clear_one_field_dialog_test.moc"
