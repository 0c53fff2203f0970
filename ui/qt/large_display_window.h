// The large display on the desktop: a read-only copy of the main window's output
// in a resizable window. LargeDisplayModel (large_display_model.h) holds what it
// shows and every handler; this window forwards user actions to the handlers
// (after copying the selection, the place and the focus into the model) and
// renders the model back with the widgets' signals blocked.
#pragma once

#include <QWidget>
#include <functional>

#include "ui/model/large_display_model.h"
#include "ui/model/window_context.h"
#include "ui/qt/resizable_window.h"

class QPushButton;

namespace tembrel {

namespace qt {
class OutputTextBox;
}

class frmLargeDisplay : public qt::ResizableWindow {
    Q_OBJECT

  public:
    // `context` must outlive the window. `mainWindow` is the parent: the large
    // display is a window of its own that ends with the main window.
    frmLargeDisplay(const WindowContext& context, QWidget* mainWindow);

    LargeDisplayModel& model() { return model_; }
    qt::OutputTextBox* txbOutput() const { return txbOutput_; }
    QPushButton* cmdCopyToClipboard() const { return cmdCopyToClipboard_; }
    QPushButton* cmdClose() const { return cmdClose_; }

    // Writes the model into the widgets (caption, place, text and selection,
    // buttons, visibility), signals blocked; leaves the focus.
    void Render() override;
    // Puts the focus on the control the model names.
    void RenderFocus() override;

  protected:
    TwipsRect& Place() override { return model_.form.window; }
    WindowState& State() override { return model_.form.windowState; }
    void Form_Resize() override { model_.Form_Resize(); }
    void Form_Activate() override { model_.Form_Activate(); }
    void Form_Unload() override { model_.Form_Unload(); }
    // Copies the selection and the focus into the model.
    void PullControls() override;

  private:
    void Connect();
    void RenderText();

    const WindowContext context_;
    LargeDisplayModel model_;
    qt::OutputTextBox* txbOutput_;
    QPushButton* cmdCopyToClipboard_;
    QPushButton* cmdClose_;
};

}  // namespace tembrel
