// Writes screenshots of the month window, the large display and the help window
// in English and German as PNG files into the folder given on the command line,
// for looking at the layout:
//   month_<lang>.png         February 2009, weeks beginning on Sunday
//   month_iso_<lang>.png     Monday first with the ISO week panel and year digit
//   month_julian_<lang>.png  the Julian calendar, previous month
//   large_<lang>.png         the large display with a selection
//   large_small_<lang>.png   the large display at its smallest size
//   help_<lang>.png          the help window as it first opens
//   all_<lang>.png           the All calendars window on 15 January 2008
//   all_far_<lang>.png       the same on 1 January 3500 (rows without a date)
//   all_small_<lang>.png     the All calendars window at its smallest size
// Each is also written magnified twice (name_x2.png) for checking captions and
// the grid's alignment pixel by pixel. The window captions are printed, since a
// window's own grab leaves out its title bar.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>
#include <QTimer>
#include <cstdio>

#include "core/today.h"
#include "tests/support/screenshot_run.h"
#include "text/program_text.h"
#include "ui/qt/all_calendars_window.h"
#include "ui/qt/help_window.h"
#include "ui/qt/large_display_window.h"
#include "ui/qt/main_window.h"
#include "ui/qt/month_window.h"
#include "ui/qt/qt_controls.h"
#include "ui/qt/secondary_windows.h"

namespace {

using M = tembrel::MainWindowControl;
using C = tembrel::MonthWindowControl;

bool Save(QWidget& window, const QDir& folder, const QString& name) {
    QApplication::processEvents();
    const QPixmap shot = window.grab();
    const QPixmap zoomed =
        shot.scaled(shot.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const bool saved = shot.save(folder.filePath(name + QStringLiteral(".png"))) &&
                       zoomed.save(folder.filePath(name + QStringLiteral("_x2.png")));
    std::printf("%s %s.png  [%s] %dx%d\n", saved ? "wrote" : "could not write",
                qPrintable(folder.filePath(name)), qPrintable(window.windowTitle()),
                window.frameGeometry().width(), window.frameGeometry().height());
    return saved;
}

void ClickOn(QWidget* widget) {
    const bool indicator = qobject_cast<QAbstractButton*>(widget) != nullptr &&
                           qobject_cast<QPushButton*>(widget) == nullptr;
    QTest::mouseClick(widget, Qt::LeftButton, {},
                      indicator ? QPoint(7, widget->height() / 2) : widget->rect().center());
}

void SetLanguage(tembrel::frmMain& window, tembrel::ProgramTexts& texts,
                 tembrel::LanguageCode language) {
    tembrel::MainForm& model = window.model();
    model.form.intLanguage = language;
    texts.SetProgramTextLanguage(language);
    model.SetLanguageDependentText();
    model.FillLanguageList();
    model.SetCopyButton();
    window.Render();
}

// Shoots the secondary windows in the main window's current language.
bool ShootWindows(tembrel::frmMain& window, const QDir& folder, const QString& language) {
    tembrel::SecondaryWindows& secondary = window.secondaryWindows();
    bool ok = true;

    // The month window: February 2009, then Monday first with the ISO panel.
    QTest::mouseClick(window.control(M::cmdClearFirstDate), Qt::LeftButton);
    QTest::mouseClick(window.control(M::txbFirstDate), Qt::LeftButton);
    QTest::keyClicks(window.control(M::txbFirstDate), QStringLiteral("2009-02-14"));
    ClickOn(window.control(M::cmdDisplayMonth));
    tembrel::frmDisplayMonth& month = *secondary.monthWindow();
    month.activateWindow();
    QTest::qWait(50);
    ClickOn(month.control(C::optSunday));
    ok = Save(month, folder, QStringLiteral("month_") + language) && ok;
    ClickOn(month.control(C::optMonday));
    ClickOn(month.control(C::cmdShowHideISO));
    ok = Save(month, folder, QStringLiteral("month_iso_") + language) && ok;
    ClickOn(month.control(C::optJulian));
    ClickOn(month.control(C::cmdDisplayNextMonth1));
    ok = Save(month, folder, QStringLiteral("month_julian_") + language) && ok;
    ClickOn(month.control(C::optCommonEra));
    ClickOn(month.control(C::cmdClose));

    // The large display: two reports, the first date selected.
    ClickOn(window.control(M::cmdClearOutputWindow));
    ClickOn(window.control(M::cmdClearDateDiff));
    ClickOn(window.control(M::cmdClearSecondDate));
    ClickOn(window.control(M::cmdCompute));
    ClickOn(window.control(M::cmdClearDateDiff));
    QTest::mouseClick(window.control(M::txbSecondDate), Qt::LeftButton);
    QTest::keyClicks(window.control(M::txbSecondDate), QStringLiteral("2009-12-25"));
    ClickOn(window.control(M::cmdCompute));
    ClickOn(window.control(M::cmdClearDateDiff));
    ClickOn(window.control(M::cmdClearSecondDate));
    ClickOn(window.control(M::cmdEnlarge));
    tembrel::frmLargeDisplay& large = *secondary.largeDisplay();
    QTest::qWait(50);
    QPlainTextEdit* text = large.txbOutput();
    QTextCursor cursor = text->textCursor();
    cursor.setPosition(0);
    const QPoint from = text->cursorRect(cursor).center() - QPoint(2, 0);
    cursor.setPosition(10);
    const QPoint to = text->cursorRect(cursor).center();
    QTest::mousePress(text->viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(text->viewport(), to);
    QTest::mouseRelease(text->viewport(), Qt::LeftButton, {}, to);
    ok = Save(large, folder, QStringLiteral("large_") + language) && ok;
    ClickOn(large.cmdCopyToClipboard());
    large.resize(10, 10);
    QTest::qWait(50);
    ok = Save(large, folder, QStringLiteral("large_small_") + language) && ok;
    ClickOn(large.cmdClose());

    // The help window as it first opens.
    ClickOn(window.control(M::cmdHelp));
    tembrel::frmHelp& help = *secondary.helpWindow();
    QTest::qWait(50);
    ok = Save(help, folder, QStringLiteral("help_") + language) && ok;
    help.close();

    // The All calendars window: 15 January 2008, a day some calendars have no
    // date for, and the smallest size.
    ClickOn(window.control(M::cmdClearFirstDate));
    QTest::mouseClick(window.control(M::txbFirstDate), Qt::LeftButton);
    QTest::keyClicks(window.control(M::txbFirstDate), QStringLiteral("2008-01-15"));
    ClickOn(window.control(M::cmdAllCalendars));
    tembrel::frmAllCalendars& all = *secondary.allCalendars();
    QTest::qWait(50);
    ok = Save(all, folder, QStringLiteral("all_") + language) && ok;
    QLineEdit* first = all.txbDate(0);
    first->selectAll();
    QTest::keyClicks(first, QStringLiteral("3500-01-01"));
    QTest::keyClick(first, Qt::Key_Return);
    ok = Save(all, folder, QStringLiteral("all_far_") + language) && ok;
    const QSize size = all.size();
    all.resize(10, 10);
    QTest::qWait(50);
    ok = Save(all, folder, QStringLiteral("all_small_") + language) && ok;
    all.resize(size);
    ClickOn(all.cmdClose());
    return ok;
}

// Closes any modal dialog the session did not plan for, and says so, so that
// the tool never waits for a user.
void CloseStrayDialogs() {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            std::printf("unexpected dialog: %s\n", qPrintable(modal->windowTitle()));
            modal->close();
        }
    });
    timer->start(100);
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
    CloseStrayDialogs();
    tembrel::frmMain window(texts, tembrel::ProgramVersion{"9.98"});
    window.services().today = [] { return 2454541; };  // Saturday 15 March 2008
    window.endProgram = [] {};
    window.StartUp();
    window.activateWindow();
    bool ok = ShootWindows(window, folder, QStringLiteral("en"));
    SetLanguage(window, texts, tembrel::LanguageCode::German);
    ok = ShootWindows(window, folder, QStringLiteral("de")) && ok;
    return ok ? 0 : 1;
}
