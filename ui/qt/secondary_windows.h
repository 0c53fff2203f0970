// The main window's secondary windows on the desktop: the month window, the
// large display, the help window and the All calendars window. Each Qt window
// is created the first time the main window opens it and kept (hidden by Close)
// until the program ends; the month window's and the All calendars window's
// models belong to the main window's form model, which also sets their
// captions.
#pragma once

#include <QWidget>
#include <functional>

#include "ui/model/help_window_model.h"
#include "ui/model/main_form.h"
#include "ui/model/window_geometry.h"

namespace tembrel {

class frmAllCalendars;
class frmDisplayMonth;
class frmHelp;
class frmLargeDisplay;

class SecondaryWindows {
  public:
    // `mainWindow` shows `model`; both must outlive this object, which they
    // normally own. `anchor` says where the help window's top follows the main
    // window's controls. `showMain` renders the main window and activates it,
    // after a secondary window has put the main window's focus somewhere.
    SecondaryWindows(QWidget& mainWindow, MainForm& model, HelpAnchor anchor,
                     std::function<void()> showMain);
    // Destroys the windows while the models they show still exist (the main
    // window's children would otherwise outlive its form model).
    ~SecondaryWindows();
    SecondaryWindows(const SecondaryWindows&) = delete;
    SecondaryWindows& operator=(const SecondaryWindows&) = delete;

    // The main window's Display month button: shows the first date's month (or
    // today's) in the month window.
    void cmdDisplayMonth_Click();
    // The main window's Enlarge button: shows the output in the large display,
    // or says that the output is empty.
    void cmdEnlarge_Click();
    // The main window's Help button: shows the help window, restoring it when it
    // is minimised.
    void cmdHelp_Click();

    // The main window's All calendars button: shows the first date (or today)
    // in every notation.
    void cmdAllCalendars_Click();

    // Renders the month window and the All calendars window, when they exist,
    // after the main window's handlers (a language change rewrites their
    // captions, a format option the rows). Leaves the focus alone.
    void Render();

    // The windows, or nullptr before they are first opened.
    frmDisplayMonth* monthWindow() const { return month_; }
    frmLargeDisplay* largeDisplay() const { return largeDisplay_; }
    frmHelp* helpWindow() const { return help_; }
    frmAllCalendars* allCalendars() const { return allCalendars_; }

  private:
    // Returns the main window's outer place in twips.
    TwipsRect MainWindowPlace() const;

    QWidget& mainWindow_;
    MainForm& model_;
    HelpAnchor anchor_;
    std::function<void()> showMain_;
    frmDisplayMonth* month_ = nullptr;  // child windows of the main window, deleted here
    frmLargeDisplay* largeDisplay_ = nullptr;
    frmHelp* help_ = nullptr;
    frmAllCalendars* allCalendars_ = nullptr;
};

}  // namespace tembrel
