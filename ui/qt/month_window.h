// The month window on the desktop. How the pieces fit:
// - MonthWindowModel (month_window_model.h) holds everything the window shows
//   and every handler; the main window's form model owns it;
// - the widgets are built from the layout table (month_window_layout.h);
// - each user action is forwarded to a handler: first the year, the window's
//   place and the focus are copied into the model, then the handler runs, then
//   the model is rendered back into the widgets with their signals blocked.
#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "text/program_text.h"
#include "ui/model/month_window_layout.h"
#include "ui/model/month_window_model.h"

namespace tembrel {

class frmDisplayMonth : public QWidget {
    Q_OBJECT

  public:
    // `model` and `texts` must outlive the window. `mainWindow` is the parent:
    // the month window is a window of its own that ends with the main window.
    frmDisplayMonth(MonthWindowModel& model, const ProgramTexts& texts, QWidget* mainWindow);

    // Runs after Close or the close box has hidden the window and moved the main
    // window's focus, so that the main window can show it.
    std::function<void()> onClosed;

    MonthWindowModel& model() { return model_; }
    // Returns the widget of a control (this window for frmDisplayMonth).
    QWidget* control(MonthWindowControl id) const;

    // Writes the model into the widgets (captions, texts, options, enabled
    // states, place, height, visibility), signals blocked; leaves the focus.
    void Render();
    // Puts the focus on the control the model names.
    void RenderFocus();

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Connect();
    // Copies the year, the window's place and the focus into the model.
    void PullFromWidgets();
    // Copies where the user has moved the window into the model.
    void TrackPlace();
    // Runs a handler between pulling and rendering, focus included.
    void Run(const std::function<void()>& handler);
    // Runs Close's handler and lets the main window take the focus.
    void CloseWindow();
    void RenderPlace();
    void RenderMonthList();

    MonthWindowModel& model_;
    const ProgramTexts& texts_;
    std::vector<QWidget*> widgets_;
    bool rendering_ = false;
};

}  // namespace tembrel
