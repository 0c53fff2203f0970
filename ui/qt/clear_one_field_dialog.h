// The clear-one-field dialog on the desktop: a small modal window that explains
// why Compute cannot go on with three filled fields and asks which one to
// empty. It only reports the choice; the Compute command empties the field.
#pragma once

#include <QDialog>
#include <QPoint>
#include <vector>

#include "ui/model/clear_one_field.h"
#include "ui/model/clear_one_field_model.h"

namespace tembrel {

class frmClearOneTextBox : public QDialog {
    Q_OBJECT

  public:
    explicit frmClearOneTextBox(QWidget* parent);

    // Shows the dialog modally with its top left corner at `topLeft` (pixels,
    // screen), `captions` and `choice` preselected. Returns the option selected
    // when the user pressed Continue (or Enter); closing the dialog by its close
    // box or Escape cancels the operation.
    ClearChoice Ask(const ClearOneFieldCaptions& captions, ClearChoice choice, QPoint topLeft);

    // Returns the widget of a control (the dialog for frmClearOneTextBox).
    QWidget* control(ClearOneFieldControl id) const;

  private:
    void Render(const ClearOneFieldCaptions& captions, ClearChoice choice);
    ClearChoice SelectedChoice() const;

    std::vector<QWidget*> widgets_;
};

}  // namespace tembrel
