// The large display window's model: a read-only copy of the main window's output
// in a resizable window, with a copy button that copies the selection (or the
// whole text) and a Close button that only hides the window.
#pragma once

#include <cstdint>
#include <string>

#include "ui/model/button_state.h"
#include "ui/model/input_codes.h"
#include "ui/model/main_form_state.h"
#include "ui/model/window_context.h"
#include "ui/model/window_geometry.h"

namespace tembrel {

// The controls of the large display window that can hold the input focus.
enum class LargeDisplayControl : int16_t { None, txbOutput, cmdCopyToClipboard, cmdClose };

// The smallest window (twips) the resize rule allows.
inline constexpr int32_t kLargeDisplayMinWidth = 6000;
inline constexpr int32_t kLargeDisplayMinHeight = 3000;
// The copy button's widths: without a selection in German, without one in any
// other language, and with a selection.
inline constexpr int32_t kLargeCopyAllWidthGerman = 3500;
inline constexpr int32_t kLargeCopyAllWidth = 2500;
inline constexpr int32_t kLargeCopySelectionWidth = 3500;

struct LargeDisplayState {
    // The window (outer size) as the last placement or resize left it.
    TwipsRect window{0, 0, 7380, 4860};
    WindowState windowState = WindowState::Normal;
    bool visible = false;
    std::string caption;

    TextBoxState txbOutput;
    bool txbOutputReadOnly = true;
    ControlPlace txbOutputPlace{105, 105, 7155, 4215};  // left and top never change

    ButtonState cmdCopyToClipboard{"Copy to clipboard", {105, 4410, 3500, 330}, true};
    ButtonState cmdClose{"Close", {5670, 4410, 1605, 330}, true};
    LargeDisplayControl focus = LargeDisplayControl::None;
};

class LargeDisplayModel {
  public:
    // Creates the window's state (hidden) and runs Form_Load.
    explicit LargeDisplayModel(const WindowContext& context);

    LargeDisplayState form;

    void Form_Load();
    // Restores a minimised window, sets the Close caption and the copy button.
    void Form_Activate();
    // Keeps the window at least 6000 x 3000 twips and lays out the text box and
    // the buttons for its size; does nothing while the window is minimised.
    void Form_Resize();

    // Copies the selection, or the whole text when nothing is selected, then
    // removes the selection.
    void cmdCopyToClipboard_Click();
    // Sets the copy button's caption and width from the selection; without a
    // selection the focus goes to Close.
    void UpdateCopyCaption();
    // A mouse button released over the text: the left one (1) updates the copy
    // button after the selection changed.
    void txbOutput_MouseUp(int button);
    // A key typed in the text: Enter (13) with a selection copies the selection
    // and is consumed (`keyAscii` becomes 0); anything else is left alone.
    void txbOutput_KeyPress(int& keyAscii);

    // Hides the window; the next Enlarge shows it again with new text.
    void cmdClose_Click();
    // The window's close box: only hides it, as Close does.
    void Form_Unload() { cmdClose_Click(); }

    // Shows the window (modeless) and activates it.
    void Show();

  private:
    WindowContext context_;
};

}  // namespace tembrel
