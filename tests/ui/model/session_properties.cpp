#include "tests/ui/model/session_properties.h"

#include <array>

#include "core/string_utils.h"
#include "settings/settings_file.h"
#include "tests/support/stored_settings.h"
#include "tests/support/utf8_text.h"
#include "tests/ui/model/session_actions.h"
#include "text/text_table.h"
#include "ui/model/main_layout.h"
#include "ui/model/option_bindings.h"

namespace tembrel::test_support {

using C = MainWindowControl;

std::optional<Broken> CheckOutputGrew(std::string_view before, std::string_view after) {
    if (!after.starts_with(before)) {
        return Broken{"the output only grows",
                      "before " + Printable(before) + ", after " + Printable(after)};
    }
    if (!IsValidUtf8(after.substr(before.size()))) {
        return Broken{"the output stays UTF-8", Printable(after.substr(before.size()))};
    }
    return std::nullopt;
}

std::optional<Broken> CheckFieldsAreUtf8(const MainFormState& form) {
    for (const TextBoxState* box : {&form.txbFirstDate, &form.txbDateDiff, &form.txbSecondDate}) {
        if (!IsValidUtf8(box->text)) {
            return Broken{"the fields stay UTF-8", Printable(box->text)};
        }
    }
    return std::nullopt;
}

std::optional<Broken> CheckOptionsAndCheckBoxes(const MainForm& main) {
    std::array<int, 6> selected{};
    for (const OptionBinding& binding : OptionBindings()) {
        if (main.IsSelected(binding.id)) {
            ++selected[static_cast<size_t>(binding.group)];
        }
    }
    for (size_t group = 0; group < selected.size(); ++group) {
        if (selected[group] != 1) {
            return Broken{
                "each option group has one option selected",
                "group " + std::to_string(group) + " has " + std::to_string(selected[group])};
        }
    }
    for (const C check : CheckBoxes()) {
        const int16_t value = main.CheckValue(check);
        if (value != 0 && value != 1) {
            return Broken{"check boxes are 0 or 1", std::string(MainControlOf(check)->name)};
        }
    }
    return std::nullopt;
}

std::optional<Broken> CheckCountingOptions(const MainForm& main) {
    const bool months = main.form.optMonths;
    if (main.IsVisible(C::chkIncludeWeekends) == months) {
        return Broken{"the counting options are shown exactly while days are counted",
                      months ? "months, shown" : "days, hidden"};
    }
    return std::nullopt;
}

std::optional<Broken> CheckCaptionsFollowTheList(const MainForm& main) {
    const MainWindowState& window = main.window;
    const auto index = static_cast<size_t>(window.languageIndex);
    if (window.languageIndex < 0 || index >= window.languageCodes.size()) {
        return Broken{"the language list has an entry selected",
                      std::to_string(window.languageIndex)};
    }
    const LanguageCode shown = window.languageCodes[index];
    if (main.Caption(C::cmdQuit) != T(TextItem::Quit, shown)) {
        return Broken{
            "the captions are in the language the list shows",
            window.languageEntries[index] + " selected, Quit reads " + main.Caption(C::cmdQuit)};
    }
    return std::nullopt;
}

std::optional<Broken> CheckLargeLayout(const LargeDisplayState& state) {
    if (state.windowState == WindowState::Minimized) {
        return std::nullopt;
    }
    const TwipsRect& window = state.window;
    const ControlPlace& text = state.txbOutputPlace;
    const ControlPlace& copy = state.cmdCopyToClipboard.place;
    const ControlPlace& close = state.cmdClose.place;
    const bool fits =
        window.width >= kLargeDisplayMinWidth && window.height >= kLargeDisplayMinHeight &&
        text.width > 0 && text.height > 0 && copy.top >= text.top + text.height &&
        int64_t{copy.top} + copy.height <= window.height && close.top == copy.top &&
        close.left >= copy.left + copy.width && int64_t{close.left} + close.width <= window.width;
    if (!fits) {
        return Broken{"the large display keeps its minimum size and room for its controls",
                      std::to_string(window.width) + " x " + std::to_string(window.height)};
    }
    return std::nullopt;
}

std::optional<Broken> CheckRestored(const UserSettings& saved, const UserSettings& restored) {
    UserSettings expected = AsStored(saved);
    UserSettings compared = restored;
    const bool fieldsKept =
        saved.dateOrder == static_cast<int32_t>(DateOrder::YMD) && saved.dateSeparator == '-';
    for (auto field :
         {&UserSettings::firstDate, &UserSettings::dateDiff, &UserSettings::secondDate}) {
        expected.*field = fieldsKept ? std::string(TrimSpaces(expected.*field)) : "";
        compared.*field = std::string(TrimSpaces(compared.*field));
    }
    if (compared != expected) {
        return Broken{"quitting and starting again restores the saved state",
                      "saved " + Printable(SettingsFileText(expected)) + ", restored " +
                          Printable(SettingsFileText(compared))};
    }
    return std::nullopt;
}

}  // namespace tembrel::test_support
