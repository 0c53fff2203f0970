// The main window on the desktop. How the pieces fit:
// - MainForm (main_form.h) holds everything the window shows and every handler;
// - the widgets are built from the layout table (main_layout.h);
// - each user action is forwarded to a handler: first the widgets' texts,
//   carets and focus are copied into the model (PullFromWidgets), then the
//   handler runs, then the whole model is rendered back into the widgets with
//   their signals blocked, so that rendering never runs a handler again;
// - messages and the clear-one-field dialog come through QtUserDialogs, the
//   clipboard through QtClipboard;
// - the words the toolkit writes itself (the Yes and No of a question) follow
//   the language the captions are shown in (ToolkitTranslations).
#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "platform/toolkit_translations.h"
#include "text/program_text.h"
#include "ui/model/main_controls.h"
#include "ui/model/main_form.h"
#include "ui/qt/qt_clipboard.h"
#include "ui/qt/qt_desktop_services.h"
#include "ui/qt/qt_user_dialogs.h"
#include "ui/qt/secondary_windows.h"

class QLineEdit;

namespace tembrel {

class frmMain : public QWidget {
    Q_OBJECT

  public:
    // `texts` must outlive the window and hold the loaded program texts.
    frmMain(ProgramTexts& texts, ProgramVersion version, QWidget* parent = nullptr);
    ~frmMain() override;

    // Runs the start-up sequence: initialises the model, shows the window and
    // completes the start-up.
    void StartUp();

    MainForm& model() { return model_; }
    QtUserDialogs& dialogs() { return dialogs_; }
    QtDesktopServices& services() { return services_; }
    // The month window, the large display and the help window.
    SecondaryWindows& secondaryWindows() { return secondary_; }

    // Ends the program once Quit or the close box has saved the settings. The
    // default leaves the application's event loop; tests count the calls.
    std::function<void()> endProgram;
    // Returns the widget of a control (this window for frmMain).
    QWidget* control(MainWindowControl id) const;

    // Writes the whole model into the widgets, signals blocked.
    void Render();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Quit and the close box: saves the settings and ends the program.
    void closeEvent(QCloseEvent* event) override;

  private:
    void Connect();
    // Copies the input fields' texts and carets, the output's selection and the
    // focus into the model.
    void PullFromWidgets();
    // Runs a handler between pulling and rendering.
    void Run(const std::function<void()>& handler);
    void RenderTextBox(MainWindowControl id);
    void RenderOutput();
    void RenderFocus();

    const ProgramTexts& texts_;
    ToolkitTranslations translations_;
    QtClipboard clipboard_;
    QtUserDialogs dialogs_;
    QtDesktopServices services_;
    MainForm model_;
    std::array<QWidget*, kMainWindowControlCount> widgets_{};
    SecondaryWindows secondary_;
};

}  // namespace tembrel
