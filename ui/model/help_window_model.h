// The help window's model: the help text of the current language in a read-only
// box, placed over the lower part of the main window, resizable down to 4000 x
// 4000 twips, with a Close button centred under the text.
#pragma once

#include <cstdint>
#include <string>

#include "ui/model/help_text.h"
#include "ui/model/main_form_state.h"
#include "ui/model/window_geometry.h"

namespace tembrel {

// The smallest window (twips) the resize rule allows.
inline constexpr int32_t kHelpMinWidth = 4000;
inline constexpr int32_t kHelpMinHeight = 4000;

// Where the main window's controls stand that the help window's top follows
// (twips): the top of the date entry panel, and the top of today's date label.
struct HelpAnchor {
    int32_t frame3Top = 1365;
    int32_t todaysDateLabelTop = 1430;
};

struct HelpWindowState {
    bool loaded = false;  // created and placed; the close box discards it
    bool visible = false;
    WindowState windowState = WindowState::Normal;
    TwipsRect window{0, 0, 8625, 5370};
    std::string caption;

    std::string txbMsg;
    int txbMsgSelStart = 0;  // the caret
    ControlPlace txbMsgPlace{210, 105, 8205, 4545};
    std::string cmdCloseCaption;
    ControlPlace cmdClosePlace{3570, 4830, 1425, 330};
};

class HelpWindowModel {
  public:
    // `main` is the main window's state (language, focus); `addresses` go into
    // the help texts.
    HelpWindowModel(MainFormState& main, HelpAddresses addresses);

    HelpWindowState form;
    HelpTexts strHelpText;

    // Builds the help texts and places the window over the main window
    // (`mainWindow`, twips): from the height of today's date label down to 100
    // twips below the main window, as wide as it.
    void Form_Load(const TwipsRect& mainWindow, const HelpAnchor& anchor);
    // Sets the caption, the Close caption and the text in the current language,
    // and lays out the text box and the button unless the window is maximised.
    void Form_Activate();
    // Keeps the window at least 4000 x 4000 twips and lays out the text box and
    // the button; does nothing while the window is minimised.
    void Form_Resize();
    // Hides the window and puts the focus into the main window's first date.
    void cmdClose_Click();
    // The window's close box: discards the window, so that the next Help places
    // it again.
    void Form_Unload();

  private:
    // Puts the Close button under the text box, centred on it.
    void PlaceCloseButton();

    MainFormState& main_;
    HelpAddresses addresses_;
};

// The main window's Help button: creates and places the window when it does not
// exist, restores it when it is minimised (without moving it), else shows it.
void cmdHelp_Click(HelpWindowModel& window, const TwipsRect& mainWindow, const HelpAnchor& anchor);

// The caption's fixed start, followed by the text item "Help".
inline constexpr std::string_view kHelpCaptionStart = "Tembrel ";

}  // namespace tembrel
