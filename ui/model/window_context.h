// What a secondary window shares with the rest of the program: the main window's
// state (language, start-up flag, focus, fields), the numbered program texts, the
// message boxes and the clipboard. The main window owns all of them; a window
// model keeps references and reads the current values each time a handler runs.
#pragma once

#include "text/program_text.h"
#include "ui/model/clipboard.h"
#include "ui/model/main_form_state.h"
#include "ui/model/user_dialogs.h"

namespace tembrel {

struct WindowContext {
    MainFormState& main;
    const ProgramTexts& texts;
    UserDialogs& dialogs;
    Clipboard& clipboard;
};

}  // namespace tembrel
