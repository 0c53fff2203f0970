#include "tests/ui/model/session_program.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/utf8_text.h"
#include "ui/model/large_display_opening.h"
#include "ui/model/month_window_opening.h"

namespace tembrel::test_support {

namespace {

using C = MainWindowControl;
using Kind = SessionAction::Kind;

// Puts `inserted` in place of the bytes from `from` to `to`, the caret after it.
void Replace(TextBoxState& box, size_t from, size_t to, std::string_view inserted) {
    box.text.replace(from, to - from, inserted);
    box.selStart = static_cast<int>(from + inserted.size());
    box.selLength = 0;
}

// Selects in the box as a mouse would: whole characters, from `start` for
// `length` bytes, each taken modulo what the text allows.
void Select(TextBoxState& box, int32_t start, int32_t length) {
    const auto size = static_cast<int64_t>(box.text.size());
    const size_t from = CharacterStart(box.text, start % (size + 1));
    const size_t to = CharacterStart(
        box.text, static_cast<int64_t>(from) + length % (size - static_cast<int64_t>(from) + 1));
    box.selStart = static_cast<int>(from);
    box.selLength = static_cast<int>(std::max(from, to) - from);
}

// Returns false for the actions after which the output may be shorter: Clear,
// and Reset answered Yes. (A restart is checked on its own.)
bool KeepsOutput(const SessionAction& action) {
    if (action.kind == Kind::Restart) {
        return false;
    }
    if (action.kind != Kind::Click) {
        return true;
    }
    const C id = ClickableControls()[static_cast<size_t>(action.target)];
    return id != C::cmdClearOutputWindow && !(id == C::cmdReset && action.yes);
}

}  // namespace

SessionProgram::SessionProgram(const std::filesystem::path& folder, const KnownFaults& known)
    : known_(known) {
    services_.configFolder = folder;
    const ProgramTextLoad load = texts_.LoadProgramTextFrom(TEMBREL_DATA_FILE);
    if (!load.ok()) {
        ADD_FAILURE() << load.message;
    }
    Start();
}

std::optional<Broken> SessionProgram::Run(const SessionAction& action) {
    dialogs_.clearAnswer = action.clearAnswer;
    dialogs_.yesNoAnswer = action.yes;
    const std::string outputBefore = main_->form.txbOutput.text;
    std::optional<Broken> broken;
    const auto note = [&](std::optional<Broken> found) {
        if (!broken && found &&
            std::find(known_.begin(), known_.end(), found->property) == known_.end()) {
            broken = std::move(found);
        }
    };
    note(action.kind == Kind::Restart ? Restart() : Act(action));
    // Only the last clipboard text matters (it is what a paste inserts), and the
    // messages only while the action runs.
    if (clipboard_.texts.size() > 1) {
        clipboard_.texts.erase(clipboard_.texts.begin(), clipboard_.texts.end() - 1);
    }
    dialogs_.messages.clear();
    dialogs_.questions.clear();
    dialogs_.questionTitles.clear();
    if (KeepsOutput(action)) {
        note(CheckOutputGrew(outputBefore, main_->form.txbOutput.text));
    }
    note(CheckFieldsAreUtf8(main_->form));
    note(CheckOptionsAndCheckBoxes(*main_));
    note(CheckCountingOptions(*main_));
    note(CheckCaptionsFollowTheList(*main_));
    return broken;
}

void SessionProgram::Start() {
    main_ = std::make_unique<MainForm>(texts_, dialogs_, clipboard_, ProgramVersion{"9.98"},
                                       &services_);
    main_->SetMainWindowCaption();
    main_->InitialiseMainWindow();
    main_->AfterShow();
    main_->ReadUserSettings();
    main_->FinishStartUp();
    large_ = std::make_unique<LargeDisplayModel>(main_->SecondaryWindowContext());
    help_ = std::make_unique<HelpWindowModel>(
        main_->form, DefaultHelpAddresses("file:///manual.html", "file:///manual.de.html"));
}

std::optional<Broken> SessionProgram::Restart() {
    const UserSettings saved = main_->CurrentUserSettings();
    main_->Click(C::cmdQuit);
    help_.reset();
    large_.reset();
    main_.reset();
    Start();
    return CheckRestored(saved, main_->CurrentUserSettings());
}

std::optional<Broken> SessionProgram::Act(const SessionAction& action) {
    switch (action.kind) {
        case Kind::TypeKeys:
            if (action.first == 1) {
                TextBoxState& box =
                    *main_->TextBox(kInputFields[static_cast<size_t>(action.target)]);
                box.selStart = 0;
                box.selLength = static_cast<int>(box.text.size());
            }
            for (const int32_t key : action.keys) {
                TypeKey(action.target, key);
            }
            break;
        case Kind::PasteText: {
            const C id = kInputFields[static_cast<size_t>(action.target)];
            main_->form.focus = FocusOfControl(id);
            *main_->TextBox(id) = TextBoxState{action.text};
            main_->TextBox(id)->CaretToEnd();
            break;
        }
        case Kind::SelectText:
            Select(*main_->TextBox(kTextBoxes[static_cast<size_t>(action.target)]), action.first,
                   action.second);
            if (kTextBoxes[static_cast<size_t>(action.target)] == C::txbOutput) {
                main_->txbOutput_MouseUp(kLeftButton);
            }
            break;
        case Kind::Click:
            Click(ClickableControls()[static_cast<size_t>(action.target)], action);
            break;
        case Kind::ToggleCheck: {
            const C check = CheckBoxes()[static_cast<size_t>(action.target)];
            main_->CheckBoxClicked(check, main_->CheckValue(check) == 1 ? 0 : 1);
            break;
        }
        case Kind::ChooseLanguage:
            main_->cboLanguage_Click(action.target);
            break;
        case Kind::TodayLabel:
            main_->lblToday_MouseUp(kMouseButtons[static_cast<size_t>(action.target)]);
            break;
        case Kind::Spin:
            main_->VScroll_Change(action.target, action.first);
            break;
        case Kind::OutputKey: {
            int key = action.first;
            main_->txbOutput_KeyPress(key);
            break;
        }
        case Kind::MonthYear:
        case Kind::MonthList:
        case Kind::MonthClick:
            ActOnMonthWindow(action);
            break;
        case Kind::LargeSelect:
        case Kind::LargeKey:
        case Kind::LargeClick:
        case Kind::LargeResize:
            return ActOnLargeDisplay(action);
        case Kind::Restart:
            break;
    }
    return std::nullopt;
}

void SessionProgram::TypeKey(int32_t field, int32_t key) {
    const C id = kInputFields[static_cast<size_t>(field)];
    main_->form.focus = FocusOfControl(id);
    int keyAscii = key;
    if (id == C::txbDateDiff) {
        main_->txbDateDiff_KeyPress(keyAscii);
    } else {
        main_->txbDate_KeyPress(id == C::txbFirstDate ? DateField::First : DateField::Second,
                                keyAscii);
    }
    if (keyAscii == 0) {
        return;
    }
    TextBoxState& box = *main_->TextBox(id);
    const size_t from = CharacterStart(box.text, box.selStart);
    const size_t to = CharacterStart(box.text, int64_t{box.selStart} + std::max(box.selLength, 0));
    const std::string selected = box.text.substr(from, to - from);
    std::string inserted;
    if (keyAscii == kKeyBackspace) {
        if (from == to && from > 0) {
            Replace(box, CharacterStart(box.text, static_cast<int64_t>(from) - 1), from, "");
            return;
        }
    } else if (keyAscii == kKeyCtrlC || keyAscii == kKeyCtrlX) {
        if (!selected.empty()) {
            clipboard_.SetText(selected);
        }
        if (keyAscii == kKeyCtrlC) {
            return;
        }
    } else if (keyAscii == kKeyCtrlV) {
        inserted = clipboard_.texts.empty() ? std::string() : clipboard_.texts.back();
    } else if (keyAscii >= ' ' && keyAscii != 127) {
        inserted = Utf8Of(keyAscii);
    } else {
        return;  // other control keys insert nothing
    }
    Replace(box, from, to, inserted);
}

void SessionProgram::Click(C id, const SessionAction& action) {
    const TwipsRect place = kMainPlaces[static_cast<size_t>(action.first)];
    main_->form.focus = FocusOfControl(id);
    if (id == C::cmdDisplayMonth) {
        cmdDisplayMonth_Click(main_->form, place, main_->MonthWindow(), main_->TodayJDN());
    } else if (id == C::cmdEnlarge) {
        cmdEnlarge_Click(main_->form, place, dialogs_, *large_);
    } else if (id == C::cmdHelp) {
        cmdHelp_Click(*help_, place, HelpAnchor{});
    } else {
        main_->Click(id);
    }
}

void SessionProgram::ActOnMonthWindow(const SessionAction& action) {
    MonthWindowModel& month = main_->MonthWindow();
    MonthWindowState& state = month.form;
    if (!state.visible) {
        return;  // nothing to click on
    }
    if (action.kind == Kind::MonthYear) {
        // The year field takes at most 9 characters.
        state.txbYear = FirstCharacters(action.text, 9);
        month.txbYear_KeyUp(action.first);
        return;
    }
    if (action.kind == Kind::MonthList) {
        if (action.first < 0) {
            month.cboMonths_Change(action.text);
        } else {
            month.SelectMonth(action.first);
        }
        return;
    }
    switch (action.target) {
        case 0:
            return month.optCommonEra_Click();
        case 1:
            return month.optJulian_Click();
        case 2:
            return month.optSunday_Click();
        case 3:
            return month.optMonday_Click();
        case 4:
            return month.cmdDisplay_Click();
        case 5:
        case 6:
            return month.cmdDisplayNextMonth_Click(action.target - 5);
        case 7:
            if (state.cmdShowHideISOEnabled) {
                month.cmdShowHideISO_Click();
            }
            return;
        case 8:
            if (state.chkWithYearEnabled) {
                state.chkWithYear = state.chkWithYear == 1 ? 0 : 1;
                month.chkWithYear_Click();
            }
            return;
        case 9:
            if (state.cmdCopyToClipboardEnabled) {
                month.cmdCopyToClipboard_Click();
            }
            return;
        case 10:
            return month.cmdClose_Click();
        case 11:
            return month.Form_Activate();
        default:
            return month.Form_Unload();
    }
}

std::optional<Broken> SessionProgram::ActOnLargeDisplay(const SessionAction& action) {
    LargeDisplayState& state = large_->form;
    if (!state.visible) {
        return std::nullopt;
    }
    switch (action.kind) {
        case Kind::LargeSelect:
            Select(state.txbOutput, action.first, action.second);
            large_->txbOutput_MouseUp(kMouseButtons[static_cast<size_t>(action.target)]);
            break;
        case Kind::LargeKey: {
            int key = action.first;
            large_->txbOutput_KeyPress(key);
            break;
        }
        case Kind::LargeClick:
            if (action.target == 0) {
                large_->cmdCopyToClipboard_Click();
            } else if (action.target == 1) {
                large_->cmdClose_Click();
            } else if (action.target == 2) {
                large_->Form_Activate();
            } else {
                large_->Form_Unload();
            }
            break;
        default:
            state.window.width = action.first;
            state.window.height = action.second;
            state.windowState = static_cast<WindowState>(action.target);
            large_->Form_Resize();
            return CheckLargeLayout(state);
    }
    return std::nullopt;
}

}  // namespace tembrel::test_support
