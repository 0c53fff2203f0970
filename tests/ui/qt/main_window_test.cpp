// The real main window on the offscreen platform, driven with key and mouse
// events: proves that every control is built where the layout table puts it and
// that user actions reach the form model's handlers and come back rendered. The
// behaviour itself is tested on the model (main_model tests).
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>
#include <optional>

#include "compute/compute_messages.h"
#include "core/today.h"
#include "settings/settings_file.h"
#include "tests/support/modal_watchdog.h"
#include "text/program_text.h"
#include "ui/model/main_layout.h"
#include "ui/model/web_addresses.h"
#include "ui/qt/clear_one_field_dialog.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_controls.h"

using tembrel::MainWindowControl;
using C = tembrel::MainWindowControl;

using tembrel::test_support::ModalWatchdog;
using tembrel::test_support::SeenMessage;

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup();

    void typedKeysAreFiltered_data();
    void typedKeysAreFiltered();
    void isoLetterIsTakenOnlyWithTheIsoOption();
    void enterInAnInputFieldComputes_data();
    void enterInAnInputFieldComputes();
    void calendarOptionConvertsTheFieldInPlace();
    void dateOrderOptionEmptiesFieldsAndRelabelsSeparators();
    void monthsOptionHidesTheCountingCheckBoxes();
    void optionsSelectedByTheProgramShowOnePerGroup();
    void hyphenCheckBoxRewritesTheFields();
    void spinnerArrowsStepTheDate();
    void spinnerOnAnInvalidDateShowsTheErrorMessage();
    void todayLabelClicksCycleTheCalendar();
    void todayButtonAndClearButtonFillAndEmptyAField();
    void secondToFirstMovesTheDate();
    void copyButtonFollowsTheOutputSelection();
    void enterInTheOutputCopiesTheSelection();
    void threeFilledFieldsAskWhichOneToClear();
    void captionsComeFromTheTextTable();
    void controlsStandWhereTheLayoutTablePutsThem();
    void everyCaptionFitsItsControl_data();
    void everyCaptionFitsItsControl();
    void coloursFollowTheControlClasses();
    void languageListChoiceSwitchesTheCaptions();
    void closeBoxSavesTheSettingsAndEndsTheProgram();
    void quitButtonSavesTheSettingsAndEndsTheProgram();
    void startUpRestoresTheSavedSettingsInGerman();
    void resetAsksWithNoAsTheDefaultAnswer();
    void questionButtonsFollowTheLanguageShown();
    void labelsOpenTheMakersPageAndShowTheNotice();
    // Runs the application's event loop: keep it last.
    void quitEndsTheRunningProgram();

  private:
    QWidget* control(C id) const { return window_->control(id); }
    QLineEdit* edit(C id) const { return qobject_cast<QLineEdit*>(control(id)); }
    QPlainTextEdit* output() const { return qobject_cast<QPlainTextEdit*>(control(C::txbOutput)); }
    QString caption(C id) const { return tembrel::qt::ShownCaption(control(id)); }
    QWidget* focused() const { return QApplication::focusWidget(); }

    // Clicks a button, option or check box where a user would: options and
    // check boxes on their indicator.
    void click(C id, Qt::MouseButton button = Qt::LeftButton) {
        QWidget* widget = control(id);
        const bool indicator =
            qobject_cast<QRadioButton*>(widget) != nullptr || qobject_cast<QCheckBox*>(widget);
        const QPoint where = indicator ? QPoint(7, widget->height() / 2) : widget->rect().center();
        QTest::mouseClick(widget, button, {}, where);
    }

    // Puts the focus into a field with a click and types `text` key by key.
    void type(C field, const QString& text) {
        QTest::mouseClick(control(field), Qt::LeftButton);
        QTest::keyClicks(control(field), text);
    }

    // Expects one message box; the user reads it and presses OK.
    void expectMessage(SeenMessage& seen) {
        watchdog_->handler = [&seen](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box != nullptr);
            seen.title = box->windowTitle();
            seen.text = box->text();
            box->button(QMessageBox::Ok)->click();
        };
    }

    // Starts a main window over the settings file in the test's folder.
    void startWindow();
    // Returns the settings file's path and its text.
    QString settingsFile() const {
        return settingsFolder_->filePath(QStringLiteral("tembrel/vrn.usr"));
    }
    std::string settingsText() const {
        QFile file(settingsFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
    }

    tembrel::ProgramTexts texts_;
    // The per-user folder of each test, empty at its start.
    std::unique_ptr<QTemporaryDir> settingsFolder_;
    std::unique_ptr<tembrel::frmMain> window_;
    std::unique_ptr<ModalWatchdog> watchdog_;
    int programEnded_ = 0;
};

void MainWindowTest::initTestCase() {
    const tembrel::ProgramTextLoad load = texts_.LoadProgramTextFrom(TEMBREL_DATA_FILE);
    QVERIFY2(load.ok(), load.message.c_str());
}

void MainWindowTest::init() {
    // The settings never come from, or go to, the user's own folder.
    settingsFolder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(settingsFolder_->isValid());
    qputenv("XDG_CONFIG_HOME", settingsFolder_->path().toLocal8Bit());
    watchdog_ = std::make_unique<ModalWatchdog>();
    startWindow();
}

void MainWindowTest::startWindow() {
    window_.reset();
    programEnded_ = 0;
    window_ = std::make_unique<tembrel::frmMain>(texts_, tembrel::ProgramVersion{"9.98"});
    window_->services().today = [] { return 2454541; };  // Saturday 15 March 2008
    window_->endProgram = [this] { ++programEnded_; };
    window_->StartUp();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

void MainWindowTest::cleanup() {
    window_.reset();
    settingsFolder_.reset();
    const QStringList unexpected = watchdog_->unexpected;
    const bool handlerLeft = static_cast<bool>(watchdog_->handler);
    watchdog_.reset();
    QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(QStringLiteral("; "))));
    QVERIFY2(!handlerLeft, "an expected dialog never appeared");
}

void MainWindowTest::typedKeysAreFiltered_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("date digits and dashes") << int(C::txbFirstDate) << "2008-01-15"
                                            << "2008-01-15";
    QTest::newRow("letters refused") << int(C::txbFirstDate) << "2o08x-01"
                                     << "208-01";
    QTest::newRow("slash refused while the separator is a dash")
        << int(C::txbSecondDate) << "2008/01"
        << "200801";
    QTest::newRow("date field stops at 18 characters")
        << int(C::txbSecondDate) << "1234567890123456789012"
        << "123456789012345678";
    QTest::newRow("difference takes the comma, not the dot") << int(C::txbDateDiff) << "1,000.5"
                                                             << "1,0005";
    QTest::newRow("difference stops at 14 characters") << int(C::txbDateDiff) << "12345678901234567"
                                                       << "12345678901234";
    QTest::newRow("the largest difference fits") << int(C::txbDateDiff) << "-2,100,000,000"
                                                 << "-2,100,000,000";
}

void MainWindowTest::typedKeysAreFiltered() {
    // State: empty fields. Action: type the text key by key. Expected: only the
    // characters the field takes are in it.
    QFETCH(int, field);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    type(static_cast<C>(field), typed);
    QCOMPARE(edit(static_cast<C>(field))->text(), expected);
}

void MainWindowTest::isoLetterIsTakenOnlyWithTheIsoOption() {
    // State: the first date's ISO option selected. Action: type an ISO week date
    // into both fields. Expected: the W only in the first.
    click(C::optFirstDateIsISO);
    type(C::txbFirstDate, QStringLiteral("2008W011"));
    type(C::txbSecondDate, QStringLiteral("2008W011"));
    QCOMPARE(edit(C::txbFirstDate)->text(), QStringLiteral("2008W011"));
    QCOMPARE(edit(C::txbSecondDate)->text(), QStringLiteral("2008011"));
}

void MainWindowTest::enterInAnInputFieldComputes_data() {
    QTest::addColumn<int>("field");
    QTest::newRow("first date") << int(C::txbFirstDate);
    QTest::newRow("date difference") << int(C::txbDateDiff);
    QTest::newRow("second date") << int(C::txbSecondDate);
}

void MainWindowTest::enterInAnInputFieldComputes() {
    // State: a first date, the second calendar ISO. Action: Enter in the field.
    // Expected: the conversion is reported and written into the second date.
    QFETCH(int, field);
    click(C::optSecondDateIsISO);
    type(C::txbFirstDate, QStringLiteral("2008-01-15"));
    QTest::mouseClick(control(static_cast<C>(field)), Qt::LeftButton);
    QTest::keyClick(control(static_cast<C>(field)), Qt::Key_Return);
    QCOMPARE(output()->toPlainText(), QStringLiteral("2008-01-15 CE = 2008-W03-2 ISO, Tuesday\n"));
    QCOMPARE(edit(C::txbSecondDate)->text(), QStringLiteral("2008-W03-2"));
    QCOMPARE(focused(), control(C::cmdCompute));
}

void MainWindowTest::calendarOptionConvertsTheFieldInPlace() {
    // State: 2008-01-15 in CE. Action: click ISO, then CE. Expected: the ISO
    // week date, then the CE date again; the focus in the difference field.
    type(C::txbFirstDate, QStringLiteral("2008-01-15"));
    click(C::optFirstDateIsISO);
    QCOMPARE(edit(C::txbFirstDate)->text(), QStringLiteral("2008-W03-2"));
    QVERIFY(qobject_cast<QRadioButton*>(control(C::optFirstDateIsISO))->isChecked());
    QVERIFY(!qobject_cast<QRadioButton*>(control(C::optFirstDateIsCE))->isChecked());
    QCOMPARE(focused(), control(C::txbDateDiff));
    click(C::optFirstDateIsCE);
    QCOMPARE(edit(C::txbFirstDate)->text(), QStringLiteral("2008-01-15"));
}

void MainWindowTest::dateOrderOptionEmptiesFieldsAndRelabelsSeparators() {
    type(C::txbFirstDate, QStringLiteral("2012-05-06"));
    click(C::optDateFormatIsDMY);
    QVERIFY(edit(C::txbFirstDate)->text().isEmpty());
    QCOMPARE(caption(C::optSeparatorIsDash), QStringLiteral("31-12-2012"));
    QCOMPARE(caption(C::optSeparatorIsSlash), QStringLiteral("31/12/2012"));
    QCOMPARE(focused(), control(C::txbFirstDate));
}

void MainWindowTest::monthsOptionHidesTheCountingCheckBoxes() {
    click(C::optMonths);
    QVERIFY(control(C::chkIncludeFirstDate)->isHidden());
    QVERIFY(control(C::chkIncludeWeekends)->isHidden());
    click(C::optDays);
    QVERIFY(control(C::chkIncludeFirstDate)->isVisible());
    QVERIFY(control(C::chkIncludeWeekends)->isVisible());
}

void MainWindowTest::optionsSelectedByTheProgramShowOnePerGroup() {
    // State: the defaults. Action: the program selects other options (as the
    // settings and Reset do). Expected: each group shows only the new option.
    tembrel::MainForm& model = window_->model();
    model.Click(C::optThousSepNone);
    model.Click(C::optSeparatorIsSlash);
    model.Click(C::optSecondDateIsLPM);
    window_->Render();
    const auto checked = [this](C id) {
        return qobject_cast<QRadioButton*>(control(id))->isChecked();
    };
    QVERIFY(checked(C::optThousSepNone));
    QVERIFY(!checked(C::optThousSepIsComma));
    QVERIFY(!checked(C::optThousSepIsDot));
    QVERIFY(checked(C::optSeparatorIsSlash));
    QVERIFY(!checked(C::optSeparatorIsDash));
    QVERIFY(checked(C::optSecondDateIsLPM));
    QVERIFY(!checked(C::optSecondDateIsCE));
    // A click on the option that is already selected leaves it selected.
    QTest::mouseClick(control(C::optThousSepNone), Qt::LeftButton, {}, QPoint(6, 6));
    QVERIFY(checked(C::optThousSepNone));
}

void MainWindowTest::hyphenCheckBoxRewritesTheFields() {
    type(C::txbFirstDate, QStringLiteral("2008-060"));
    click(C::chkHyphen);
    QVERIFY(!qobject_cast<QCheckBox*>(control(C::chkHyphen))->isChecked());
    QCOMPARE(edit(C::txbFirstDate)->text(), QStringLiteral("2008060"));
    QCOMPARE(caption(C::optFirstDateIsORD), QStringLiteral("Ordinal date (yyyyddd)"));
}

void MainWindowTest::spinnerArrowsStepTheDate() {
    // State: 2008-02-28 and a difference. Action: the first spinner's up arrow,
    // then its down arrow twice. Expected: 2008-02-29, then 2008-02-27; the
    // difference emptied; the caret at the end of the date.
    type(C::txbFirstDate, QStringLiteral("2008-02-28"));
    type(C::txbDateDiff, QStringLiteral("5"));
    auto* spinner = static_cast<tembrel::qt::SpinArrows*>(control(C::VScroll0));
    QTest::mouseClick(spinner->up(), Qt::LeftButton);
    QCOMPARE(edit(C::txbFirstDate)->text(), QStringLiteral("2008-02-29"));
    QVERIFY(edit(C::txbDateDiff)->text().isEmpty());
    QCOMPARE(focused(), control(C::txbFirstDate));
    QCOMPARE(edit(C::txbFirstDate)->cursorPosition(), 10);
    QTest::mouseClick(spinner->down(), Qt::LeftButton);
    QTest::mouseClick(spinner->down(), Qt::LeftButton);
    QCOMPARE(edit(C::txbFirstDate)->text(), QStringLiteral("2008-02-27"));
}

void MainWindowTest::spinnerOnAnInvalidDateShowsTheErrorMessage() {
    type(C::txbSecondDate, QStringLiteral("2008-02-30"));
    SeenMessage seen;
    expectMessage(seen);
    QTest::mouseClick(static_cast<tembrel::qt::SpinArrows*>(control(C::VScroll1))->up(),
                      Qt::LeftButton);
    QCOMPARE(seen.title, QStringLiteral("Error!"));
    QCOMPARE(seen.text, tembrel::qt::ToQt(tembrel::ComputeMsg(tembrel::kMsgSecondDateInvalid,
                                                              tembrel::LanguageCode::English)));
    QCOMPARE(edit(C::txbSecondDate)->text(), QStringLiteral("2008-02-30"));
}

void MainWindowTest::todayLabelClicksCycleTheCalendar() {
    auto* label = qobject_cast<QLabel*>(control(C::lblTodaysDate));
    QCOMPARE(label->text(), QStringLiteral("Today is Saturday,\n2008-03-15 CE"));
    QCOMPARE(label->toolTip(), QStringLiteral("Click to change calendar"));
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(label->text(), QStringLiteral("Today is Saturday,\n2008-W11-6 ISO"));
    QTest::mouseClick(control(C::lblWeekFromToday), Qt::RightButton);
    QCOMPARE(label->text(), QStringLiteral("Today is Saturday,\n2008-03-15 CE"));
    QTest::mouseClick(label, Qt::RightButton);
    QCOMPARE(qobject_cast<QLabel*>(control(C::lblWeekFromToday))->text(),
             QStringLiteral("A week from today is\n2,454,548 JDN"));
}

void MainWindowTest::todayButtonAndClearButtonFillAndEmptyAField() {
    click(C::cmdToday0);
    QCOMPARE(edit(C::txbFirstDate)->text(), QStringLiteral("2008-03-15"));
    QCOMPARE(focused(), control(C::txbDateDiff));
    click(C::cmdClearFirstDate);
    QVERIFY(edit(C::txbFirstDate)->text().isEmpty());
    QCOMPARE(focused(), control(C::txbFirstDate));
}

void MainWindowTest::secondToFirstMovesTheDate() {
    click(C::optFirstDateIsISO);
    type(C::txbSecondDate, QStringLiteral("2008-01-25"));
    click(C::cmdMoveSecondDateToFirst);
    QCOMPARE(edit(C::txbFirstDate)->text(), QStringLiteral("2008-W04-5"));
    QVERIFY(edit(C::txbSecondDate)->text().isEmpty());
    QCOMPARE(focused(), control(C::txbDateDiff));
}

void MainWindowTest::copyButtonFollowsTheOutputSelection() {
    // State: one report in the output. Action: drag over its first ten
    // characters, then click the copy button. Expected: the button offers the
    // selection (wider), copies exactly it, and returns to its plain caption.
    type(C::txbFirstDate, QStringLiteral("2008-01-15"));
    click(C::cmdCompute);
    QWidget* viewport = output()->viewport();
    QTextCursor cursor = output()->textCursor();
    cursor.setPosition(0);
    const QPoint start = output()->cursorRect(cursor).center() + QPoint(-2, 0);
    cursor.setPosition(10);
    const QPoint end = output()->cursorRect(cursor).center();
    QTest::mousePress(viewport, Qt::LeftButton, {}, start);
    QTest::mouseMove(viewport, end);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, end);
    QCOMPARE(output()->textCursor().selectedText(), QStringLiteral("2008-01-15"));
    QCOMPARE(caption(C::cmdCopyOutput), QStringLiteral("Copy selected text to clipboard"));
    QCOMPARE(control(C::cmdCopyOutput)->width(), tembrel::qt::Pixels(3750));

    click(C::cmdCopyOutput);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("2008-01-15"));
    QVERIFY(!output()->textCursor().hasSelection());
    QCOMPARE(caption(C::cmdCopyOutput), QStringLiteral("Copy to clipboard"));
    QCOMPARE(control(C::cmdCopyOutput)->width(), tembrel::qt::Pixels(2500));

    click(C::cmdCopyOutput);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("2008-01-15 CE, Tuesday\r\n"));
}

void MainWindowTest::enterInTheOutputCopiesTheSelection() {
    type(C::txbFirstDate, QStringLiteral("2008-01-15"));
    click(C::cmdCompute);
    QApplication::clipboard()->setText(QStringLiteral("before"));
    output()->setFocus();
    QTest::keyClick(output(), Qt::Key_Return);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));
    QTextCursor cursor = output()->textCursor();
    cursor.setPosition(11);
    cursor.setPosition(13, QTextCursor::KeepAnchor);
    output()->setTextCursor(cursor);
    QTest::keyClick(output(), Qt::Key_Return);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("CE"));
    QVERIFY(!output()->textCursor().hasSelection());
}

void MainWindowTest::threeFilledFieldsAskWhichOneToClear() {
    // State: all three fields filled. Action: Compute; in the dialog choose
    // "Second date" and Continue. Expected: the second date is computed anew.
    type(C::txbFirstDate, QStringLiteral("2008-01-15"));
    type(C::txbDateDiff, QStringLiteral("10"));
    type(C::txbSecondDate, QStringLiteral("2000-01-01"));
    QString dialogTitle;
    QString explanation;
    watchdog_->handler = [&](QWidget* modal) {
        auto* dialog = qobject_cast<tembrel::frmClearOneTextBox*>(modal);
        QVERIFY(dialog != nullptr);
        dialogTitle = dialog->windowTitle();
        explanation =
            qobject_cast<QLabel*>(dialog->control(tembrel::ClearOneFieldControl::lblNeedToClear))
                ->text();
        QVERIFY(qobject_cast<QRadioButton*>(
                    dialog->control(tembrel::ClearOneFieldControl::optClearDateDiff))
                    ->isChecked());
        QTest::mouseClick(dialog->control(tembrel::ClearOneFieldControl::optClearSecondDate),
                          Qt::LeftButton, {}, QPoint(7, 10));
        QTest::mouseClick(dialog->control(tembrel::ClearOneFieldControl::cmdContinue),
                          Qt::LeftButton);
    };
    click(C::cmdCompute);
    QCOMPARE(dialogTitle, QStringLiteral("Clear"));
    QVERIFY(explanation.contains(QLatin1Char('\n')));
    QCOMPARE(edit(C::txbSecondDate)->text(), QStringLiteral("2008-01-25"));
    QVERIFY(output()->toPlainText().startsWith(QStringLiteral("2008-01-15 CE plus 10 days")));
    QCOMPARE(window_->model().clearOneField.choice, tembrel::ClearChoice::SecondDate);
}

void MainWindowTest::captionsComeFromTheTextTable() {
    QCOMPARE(window_->windowTitle(), QStringLiteral("Tembrel 9.98"));
    QCOMPARE(caption(C::cmdCompute), QStringLiteral("Compute"));
    QCOMPARE(caption(C::optFirstDateIsLPM), QStringLiteral("Norvane Leap Week month date (LPM)"));
    QCOMPARE(caption(C::optSecondDateIsLPM), QStringLiteral("Norvane Leap Week month date"));
    QCOMPARE(caption(C::chkHyphen), QStringLiteral("Hyphen in ordinal and in ISO Week dates"));
    QCOMPARE(caption(C::lblDateFormat), QStringLiteral("CE/JC date format:"));
    QCOMPARE(caption(C::optThousSepIsComma), QStringLiteral("2,000,000"));
    auto* languages = qobject_cast<QComboBox*>(control(C::cboLanguage));
    QCOMPARE(languages->count(), 2);
    QCOMPARE(languages->itemText(1), QStringLiteral("German"));
    QCOMPARE(languages->itemData(1).toInt(), int(tembrel::LanguageCode::German));
    QCOMPARE(languages->currentIndex(), 0);
    QVERIFY(!window_->windowIcon().pixmap(16, 16).isNull());

    // German captions render too, and move the save check box.
    tembrel::MainForm& model = window_->model();
    model.form.intLanguage = tembrel::LanguageCode::German;
    model.SetLanguageDependentText();
    window_->Render();
    QCOMPARE(caption(C::optDateFormatIsYMD), QStringLiteral("Jahr Monat Tag"));
    QCOMPARE(control(C::chkSaveOutput)->x(), tembrel::qt::Pixels(7775));
}

void MainWindowTest::controlsStandWhereTheLayoutTablePutsThem() {
    QCOMPARE(window_->size(), QSize(763, 511));
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
    for (const tembrel::MainControlEntry& entry : tembrel::MainWindowLayout()) {
        QWidget* widget = control(entry.id);
        QVERIFY2(widget != nullptr, entry.name.data());
        QCOMPARE(widget->objectName(), QString::fromLatin1(entry.name.data(), entry.name.size()));
        QCOMPARE(widget->geometry(), tembrel::qt::PixelRect(window_->model().PlaceOf(entry.id)));
        QWidget* container =
            entry.container == C::frmMain ? window_.get() : control(entry.container);
        QCOMPARE(widget->parentWidget(), container);
    }
    // The English place of the save check box and the copy button's width.
    QCOMPARE(control(C::chkSaveOutput)->x(), tembrel::qt::Pixels(9050));
    QCOMPARE(control(C::cmdCopyOutput)->width(), tembrel::qt::Pixels(2500));
    QCOMPARE(edit(C::txbDateDiff)->maxLength(), 14);
}

void MainWindowTest::everyCaptionFitsItsControl_data() {
    QTest::addColumn<int>("languageEntry");
    QTest::newRow("English") << 0;
    QTest::newRow("German") << 1;
}

void MainWindowTest::everyCaptionFitsItsControl() {
    // State: the language chosen in the list. Expected: no caption is cut off
    // at the fonts chosen for the layout.
    QFETCH(int, languageEntry);
    window_->model().cboLanguage_Click(languageEntry);
    window_->Render();
    for (const tembrel::MainControlEntry& entry : tembrel::MainWindowLayout()) {
        QWidget* widget = control(entry.id);
        const QFontMetrics metrics(widget->font());
        const QString name = QString::fromLatin1(entry.name.data(), entry.name.size());
        switch (entry.kind) {
            case tembrel::ControlKind::Label:
            case tembrel::ControlKind::LinkLabel: {
                auto* label = qobject_cast<QLabel*>(widget);
                const QRect needed =
                    metrics.boundingRect(QRect(0, 0, widget->width(), 1000),
                                         int(label->alignment()) | Qt::TextWordWrap, label->text());
                QVERIFY2(needed.width() <= widget->width() && needed.height() <= widget->height(),
                         qPrintable(name));
                break;
            }
            case tembrel::ControlKind::Button: {
                const QString text = qobject_cast<QPushButton*>(widget)->text();
                QVERIFY2(metrics.horizontalAdvance(text) + 8 <= widget->width(), qPrintable(name));
                QVERIFY2(metrics.height() <= widget->height(), qPrintable(name));
                break;
            }
            case tembrel::ControlKind::Option:
            case tembrel::ControlKind::CheckBox: {
                const QSize hint = widget->sizeHint();
                const int lines = qobject_cast<QAbstractButton*>(widget)->text().count('\n') + 1;
                QVERIFY2(
                    hint.width() <= widget->width(),
                    qPrintable(name +
                               QStringLiteral(" %1 > %2: ").arg(hint.width()).arg(widget->width()) +
                               qobject_cast<QAbstractButton*>(widget)->text()));
                QVERIFY2(lines * metrics.lineSpacing() <= widget->height(), qPrintable(name));
                break;
            }
            default:
                break;
        }
    }
}

void MainWindowTest::coloursFollowTheControlClasses() {
    const QColor cyan(0x00, 0xFF, 0xFF);
    QCOMPARE(window_->palette().color(QPalette::Window), cyan);
    QCOMPARE(control(C::Frame3)->palette().color(QPalette::Window), cyan);
    QCOMPARE(control(C::optDays)->palette().color(QPalette::Window), cyan);
    QCOMPARE(control(C::lblNorvaneSystems)->palette().color(QPalette::WindowText),
             QColor(0x00, 0x00, 0xFF));
    QVERIFY(control(C::lblOnlineDocumentation)->font().underline());
    const QPalette toolkit = QApplication::palette();
    QCOMPARE(control(C::cmdCompute)->palette().color(QPalette::Window),
             toolkit.color(QPalette::Window));
    QCOMPARE(control(C::txbFirstDate)->palette().color(QPalette::Base),
             toolkit.color(QPalette::Base));
}

void MainWindowTest::languageListChoiceSwitchesTheCaptions() {
    // State: English. Action: the down arrow in the language list, then the up
    // arrow. Expected: German captions, entries and place of the save check box,
    // then English again.
    auto* languages = qobject_cast<QComboBox*>(control(C::cboLanguage));
    languages->setFocus();
    QTest::keyClick(languages, Qt::Key_Down);
    QCOMPARE(languages->currentIndex(), 1);
    QCOMPARE(languages->itemText(0), QStringLiteral("Englisch"));
    QCOMPARE(languages->itemText(1), QStringLiteral("Deutsch"));
    QCOMPARE(caption(C::cmdQuit), QStringLiteral("Beenden"));
    QCOMPARE(caption(C::optDays), QStringLiteral("Tage"));
    QCOMPARE(control(C::chkSaveOutput)->x(), tembrel::qt::Pixels(7775));
    QCOMPARE(qobject_cast<QLabel*>(control(C::lblTodaysDate))->text(),
             QStringLiteral("Heute ist Samstag,\nder 2008-03-15 CE"));
    QCOMPARE(focused(), control(C::txbFirstDate));

    languages->setFocus();
    QTest::keyClick(languages, Qt::Key_Up);
    QCOMPARE(languages->currentIndex(), 0);
    QCOMPARE(languages->itemText(1), QStringLiteral("German"));
    QCOMPARE(caption(C::cmdQuit), QStringLiteral("Quit"));
    QCOMPARE(control(C::chkSaveOutput)->x(), tembrel::qt::Pixels(9050));
}

void MainWindowTest::closeBoxSavesTheSettingsAndEndsTheProgram() {
    // State: months chosen, a date typed. Action: the window's close box.
    // Expected: the settings file holds both, and the program ends once.
    click(C::optMonths);
    type(C::txbFirstDate, QStringLiteral("2008-01-15"));
    QVERIFY(window_->close());
    QCOMPARE(programEnded_, 1);
    const tembrel::SettingsReadResult saved = tembrel::ParseSettingsText(settingsText());
    QCOMPARE(saved.status, tembrel::SettingsReadStatus::Read);
    QCOMPARE(saved.settings.differenceUnit, 1);
    QCOMPARE(saved.settings.firstDate, std::string("2008-01-15"));
}

void MainWindowTest::quitButtonSavesTheSettingsAndEndsTheProgram() {
    click(C::optThousSepNone);
    click(C::cmdQuit);
    QCOMPARE(programEnded_, 1);
    QVERIFY(window_->isHidden());
    QCOMPARE(tembrel::ParseSettingsText(settingsText()).settings.thousandsSeparator, 0);
}

void MainWindowTest::startUpRestoresTheSavedSettingsInGerman() {
    // State: German saved, with a date in the first field.
    tembrel::UserSettings saved = tembrel::DefaultUserSettings();
    saved.language = 1;
    saved.firstDate = "2008-01-15";
    QVERIFY(tembrel::WriteSettingsFile(settingsFile().toStdString(), saved));
    // Action: a new start.
    startWindow();
    // Expected: German everywhere, the date back with the caret after it.
    QCOMPARE(window_->windowTitle(), QStringLiteral("Tembrel 9.98"));
    QCOMPARE(caption(C::cmdCompute), QStringLiteral("Berechnen"));
    QCOMPARE(caption(C::cmdCopyOutput), QStringLiteral("Kopieren in Zwischenablage"));
    QCOMPARE(control(C::cmdCopyOutput)->width(), tembrel::qt::Pixels(3500));
    auto* languages = qobject_cast<QComboBox*>(control(C::cboLanguage));
    QCOMPARE(languages->currentIndex(), 1);
    QCOMPARE(languages->itemText(1), QStringLiteral("Deutsch"));
    QCOMPARE(edit(C::txbFirstDate)->text(), QStringLiteral("2008-01-15"));
    QCOMPARE(edit(C::txbFirstDate)->cursorPosition(), 10);
    QCOMPARE(focused(), control(C::txbFirstDate));
}

void MainWindowTest::resetAsksWithNoAsTheDefaultAnswer() {
    // State: options changed. Action: Reset; the user answers Yes.
    click(C::optDateFormatIsMDY);
    click(C::chkVerbose);
    QString title;
    bool noIsDefault = false;
    watchdog_->handler = [&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box != nullptr);
        title = box->windowTitle();
        noIsDefault = box->defaultButton() == box->button(QMessageBox::No);
        box->button(QMessageBox::Yes)->click();
    };
    click(C::cmdReset);
    // Expected: the question titled with the button's caption; the defaults.
    QCOMPARE(title, QStringLiteral("Reset"));
    QVERIFY(noIsDefault);
    QVERIFY(qobject_cast<QRadioButton*>(control(C::optDateFormatIsYMD))->isChecked());
    QVERIFY(qobject_cast<QCheckBox*>(control(C::chkVerbose))->isChecked());
    QCOMPARE(window_->focusWidget(), control(C::txbFirstDate));
}

void MainWindowTest::questionButtonsFollowTheLanguageShown() {
    // State: German chosen in the list. Action: Reset, answered Yes (which sets
    // the saved language back to English but keeps the German captions), Reset
    // again, then English chosen and Reset. Expected: Ja and Nein while the
    // window is German, Yes and No once it is English.
    QStringList buttons;
    const auto answer = [this, &buttons](QMessageBox::StandardButton choice) {
        watchdog_->handler = [&buttons, choice](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box != nullptr);
            buttons << box->button(QMessageBox::Yes)->text()
                    << box->button(QMessageBox::No)->text();
            box->button(choice)->click();
        };
    };
    auto* languages = qobject_cast<QComboBox*>(control(C::cboLanguage));
    languages->setFocus();
    QTest::keyClick(languages, Qt::Key_Down);
    answer(QMessageBox::Yes);
    click(C::cmdReset);
    QCOMPARE(caption(C::cmdReset), QStringLiteral("Rückstellen"));
    answer(QMessageBox::No);
    click(C::cmdReset);
    QCOMPARE(buttons, QStringList({QStringLiteral("&Ja"), QStringLiteral("&Nein"),
                                   QStringLiteral("&Ja"), QStringLiteral("&Nein")}));

    // English first changes nothing (it is the saved language already), German
    // applies German again, and then English applies English.
    buttons.clear();
    for (const Qt::Key key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_Up}) {
        languages->setFocus();
        QTest::keyClick(languages, key);
    }
    QCOMPARE(caption(C::cmdReset), QStringLiteral("Reset"));
    answer(QMessageBox::No);
    click(C::cmdReset);
    QCOMPARE(buttons, QStringList({QStringLiteral("&Yes"), QStringLiteral("&No")}));
}

void MainWindowTest::labelsOpenTheMakersPageAndShowTheNotice() {
    QStringList opened;
    window_->services().opener = [&opened](const QUrl& url) {
        opened << url.toString();
        return true;
    };
    QTest::mouseClick(control(C::lblNorvaneSystems), Qt::LeftButton);
    QCOMPARE(opened, QStringList{tembrel::qt::ToQt(tembrel::kMakerHomePage)});

    SeenMessage seen;
    expectMessage(seen);
    QTest::mouseClick(control(C::lblCopyright), Qt::LeftButton);
    QCOMPARE(seen.title, QStringLiteral("Tembrel"));
    QCOMPARE(seen.text, QStringLiteral("80201"));
}

void MainWindowTest::quitEndsTheRunningProgram() {
    // State: a program as main() runs it, its event loop running, another
    // window open (as the month window may be). Action: Quit. Expected: the
    // settings are written and the event loop ends with 0 all the same.
    window_.reset();
    tembrel::frmMain program(texts_, tembrel::ProgramVersion{"9.98"});
    program.StartUp();
    QWidget otherWindow;
    otherWindow.show();
    QTimer::singleShot(0, &program, [&program] {
        QTest::mouseClick(program.control(C::cmdQuit), Qt::LeftButton);
    });
    QTimer::singleShot(10000, [] { QCoreApplication::exit(2); });  // a program that never ends
    QCOMPARE(QApplication::exec(), 0);
    QCOMPARE(tembrel::ParseSettingsText(settingsText()).status, tembrel::SettingsReadStatus::Read);
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
