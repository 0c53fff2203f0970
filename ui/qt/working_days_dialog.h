// The working days dialog on the desktop: a modal window built from its layout
// table over a WorkingDaysDialogModel, which holds everything it shows. Each
// user action is forwarded to the model and the model rendered back; Add opens
// the toolkit's file chooser and hands the model the file picked.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "ui/model/working_days_dialog.h"

namespace tembrel {

class frmWorkingDays : public QDialog {
    Q_OBJECT

  public:
    explicit frmWorkingDays(QWidget* parent);

    // Shows the dialog modally over `model` and returns when it is closed: by
    // OK once the model has accepted the choice, or by Cancel, Escape or the
    // close box.
    void Edit(WorkingDaysDialogModel& model);

    // Returns the widget of a control (the dialog for frmWorkingDays).
    QWidget* control(WorkingDaysControl id) const;

    // Asks for a file with a chooser titled `title` offering `types` (";;"
    // between kinds); the empty text when none was picked. The toolkit's file
    // chooser unless a test replaces it.
    std::function<std::string(const QString& title, const QString& types)> chooseFile;

  private:
    void Connect();
    // Runs a handler of the model and renders the model again.
    void Run(const std::function<void(WorkingDaysDialogModel&)>& handler);
    void Render();

    WorkingDaysDialogModel* model_ = nullptr;
    std::vector<QWidget*> widgets_;
};

}  // namespace tembrel
