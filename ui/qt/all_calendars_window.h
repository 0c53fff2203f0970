// The All calendars window on the desktop: a hint, the rows (code, date in a
// text box, name) in a scrolled area, and the Copy row, Copy all and Close
// buttons. AllCalendarsModel (all_calendars_model.h), which the main window's
// model owns, holds what it shows and every handler; this window forwards user
// actions to the handlers (after copying the rows' texts, the place and the
// focus into the model) and renders the model back with the widgets' signals
// blocked.
#pragma once

#include <QWidget>
#include <vector>

#include "ui/model/all_calendars_model.h"
#include "ui/qt/resizable_window.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;

namespace tembrel {

class frmAllCalendars : public qt::ResizableWindow {
    Q_OBJECT

  public:
    // `model` must outlive the window. `mainWindow` is the parent: the window is
    // a window of its own that ends with the main window.
    frmAllCalendars(AllCalendarsModel& model, QWidget* mainWindow);

    AllCalendarsModel& model() { return model_; }
    QLineEdit* txbDate(int row) const { return rows_[static_cast<size_t>(row)].date; }
    QLabel* lblName(int row) const { return rows_[static_cast<size_t>(row)].name; }
    QLabel* lblHint() const { return lblHint_; }
    QScrollArea* rowsArea() const { return rowsArea_; }
    QPushButton* cmdCopyRow() const { return cmdCopyRow_; }
    QPushButton* cmdCopyAll() const { return cmdCopyAll_; }
    QPushButton* cmdClose() const { return cmdClose_; }

    // Writes the model into the widgets (caption, place, rows, buttons,
    // visibility), signals blocked; leaves the focus.
    void Render() override;
    // Puts the focus where the model has it: the current row's text box or a
    // button.
    void RenderFocus() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    TwipsRect& Place() override { return model_.form.window; }
    WindowState& State() override { return model_.form.windowState; }
    void Form_Resize() override { model_.Form_Resize(); }
    void Form_Activate() override { model_.Form_Activate(); }
    void Form_Unload() override { model_.Form_Unload(); }
    // Copies the rows' texts and carets and the focus into the model.
    void PullControls() override;

  private:
    struct RowWidgets {
        QLabel* code;
        QLineEdit* date;
        QLabel* name;
    };

    void Connect();
    void RenderRows();
    // Returns the row whose text box is `widget`, or -1.
    int RowOf(const QObject* widget) const;

    AllCalendarsModel& model_;
    QLabel* lblHint_;
    QScrollArea* rowsArea_;
    QWidget* rowsContent_;
    std::vector<RowWidgets> rows_;
    QPushButton* cmdCopyRow_;
    QPushButton* cmdCopyAll_;
    QPushButton* cmdClose_;
};

}  // namespace tembrel
