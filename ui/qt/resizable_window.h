// What the two resizable windows (the large display and the help window) share:
// a window of its own under the main window, whose model keeps its place, its
// state (normal, minimised, maximised) and a resize handler. The user's moves
// and resizes go into the model; a handler runs between pulling the widgets into
// the model and rendering the model back, and nothing the rendering does runs a
// handler again.
#pragma once

#include <QWidget>
#include <functional>

#include "ui/model/window_geometry.h"

namespace tembrel::qt {

class ResizableWindow : public QWidget {
  public:
    // Writes the whole model into the widgets, signals blocked.
    virtual void Render() = 0;

  protected:
    explicit ResizableWindow(QWidget* mainWindow);

    // The model's place (twips) and state of the window, and its resize handler.
    virtual TwipsRect& Place() = 0;
    virtual WindowState& State() = 0;
    virtual void Form_Resize() = 0;
    // Copies the widgets' texts, selection and focus into the model; the place
    // and state are pulled here.
    virtual void PullControls() {}
    // Puts the focus where the model has it, after a handler.
    virtual void RenderFocus() {}
    // The model's handlers of the window's activation and of its close box.
    virtual void Form_Activate() {}
    virtual void Form_Unload() {}

    // Runs a handler between pulling and rendering, focus included.
    void Run(const std::function<void()>& handler);
    // Copies the place, the state and the controls into the model.
    void PullFromWidgets();
    void RenderPlace();

    // Runs Form_Activate when the user activates the window.
    bool event(QEvent* event) override;
    // The close box only hides the window, through Form_Unload, while the main
    // window is open; once it has closed, the program is ending.
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

    // Set while the model is rendered: the events it causes are not the user's.
    bool rendering_ = false;
};

}  // namespace tembrel::qt
