// The language list: choosing an entry switches every caption, the words of
// the results and the program texts.
#include "ui/model/form_rules.h"
#include "ui/model/main_form.h"

namespace tembrel {

void MainForm::cboLanguage_Click(int position) {
    if (position >= 0 && static_cast<size_t>(position) < window.languageCodes.size()) {
        window.languageIndex = position;
        const LanguageCode code = window.languageCodes[static_cast<size_t>(position)];
        // After a Reset the setting is English while the window still speaks the
        // language it showed: choosing English then switches the window too.
        if (code != form.intLanguage || code != texts_.ProgramTextLanguage()) {
            form.intLanguage = code;
            texts_.SetProgramTextLanguage(code);
            // The entries are rewritten in the new language; the chosen one
            // stays selected.
            FillLanguageList();
            window.languageIndex = position;
            SetLanguageDependentText();
            ShowTodaysDate();
        }
    }
    form.txbOutput.CaretToEnd();
    SetCopyButton();
    SetTheFocus(form);
}

}  // namespace tembrel
