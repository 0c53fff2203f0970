// The desktop program: loads the language data file, then opens the main window,
// which runs the start-up sequence. Without the language data file there is
// nothing to show but the reason.
#include <QApplication>
#include <QMessageBox>

#include "app/termination_signals.h"
#include "text/program_text.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_controls.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    tembrel::ProgramTexts texts;
    const tembrel::ProgramTextLoad load = texts.LoadProgramText();
    if (!load.ok()) {
        QMessageBox::critical(nullptr, QString(), tembrel::qt::ToQt(load.message));
        return 1;
    }
    tembrel::frmMain window(texts, tembrel::ProgramVersion{tembrel::kVersionText});
    // Before the start-up: a request to stop that comes while the window is
    // being set up closes it (and saves the settings) once the loop runs.
    tembrel::CloseOnTerminationSignals(window);
    window.StartUp();
    return application.exec();
}
