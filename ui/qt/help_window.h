// The help window on the desktop: the help text of the current language in a
// read-only box with a Close button under it. HelpWindowModel
// (help_window_model.h) holds what it shows and every handler; this window
// forwards user actions to the handlers and renders the model back.
#pragma once

#include <QWidget>
#include <functional>

#include "ui/model/help_window_model.h"
#include "ui/qt/resizable_window.h"

class QPlainTextEdit;
class QPushButton;

namespace tembrel {

class frmHelp : public qt::ResizableWindow {
    Q_OBJECT

  public:
    // `main` (the main window's state) must outlive the window; `addresses` go
    // into the help texts. `mainWindow` is the parent: the help window is a
    // window of its own that ends with the main window.
    frmHelp(MainFormState& main, HelpAddresses addresses, QWidget* mainWindow);

    // Runs after Close has hidden the window and moved the main window's focus,
    // so that the main window can show it.
    std::function<void()> onClosed;

    HelpWindowModel& model() { return model_; }
    QPlainTextEdit* txbMsg() const { return txbMsg_; }
    QPushButton* cmdClose() const { return cmdClose_; }

    // The main window's Help button: creates and places the window the first
    // time (over the lower part of `mainWindow`, twips), restores it when it is
    // minimised, and brings it to the front.
    void Open(const TwipsRect& mainWindow, const HelpAnchor& anchor);

    // Writes the model into the widgets (caption, place, text, button,
    // visibility), signals blocked.
    void Render() override;

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    TwipsRect& Place() override { return model_.form.window; }
    WindowState& State() override { return model_.form.windowState; }
    void Form_Resize() override { model_.Form_Resize(); }

  private:
    // Puts the caret where the model has it (the start of the text) and shows
    // that part of the text.
    void RenderCaret();

    HelpWindowModel model_;
    QPlainTextEdit* txbMsg_;
    QPushButton* cmdClose_;
};

}  // namespace tembrel
