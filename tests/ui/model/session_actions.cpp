#include "tests/ui/model/session_actions.h"

#include <algorithm>
#include <sstream>

#include "tests/support/utf8_text.h"
#include "ui/model/main_layout.h"

namespace tembrel::test_support {

namespace {

using C = MainWindowControl;
using Kind = SessionAction::Kind;

// The largest window a desktop toolkit makes (16777215 pixels of 15 twips).
constexpr int32_t kLargestWindow = 16777215 * 15;

// Texts a user is likely to type or paste: dates in every notation and order,
// numbers with either separator, the limits and just beyond them.
// clang-format off
constexpr std::array<std::string_view, 36> kSampleTexts = {
    "2008-03-15", "15.03.2008", "03/15/2008", "2008-02-30", "29-02-2009", " 2008-03-15 ",
    "2008-03-15 CE", "2008-03-02 JC", "(-44)-03-15", "-4713-01-01", "1-1-1", "9999-12-31",
    "5800000-12-31", "-5800000-01-01", "2008-12-31",
    "2454541", "2,454,541", "2.454.541", "2100000000", "-2100000000", "2,100,000,001",
    "12,345,678,901", "0", "-1", "+5", "30", "1,000", "-12",
    "2008-075", "2008075", "0000-001", "2008-W11-6", "2008W116", "2008-W53-7",
    "2008 W11 6 LPW", "2008-13-28 LPM",
};
// clang-format on

// What random texts are made of: single characters (the first 14 are the
// digits and separators long numbers are made of), and longer pieces.
constexpr std::string_view kTextCharacters = "0123456789-/.,()Ww+aZ \t\"";
constexpr std::array<std::string_view, 5> kTextPieces = {"\r\n", "\xC3\xA4", "\xE2\x82\xAC",
                                                         "\xE6\x97\xA5", "\xF0\x9F\x98\x80"};

// Returns the layout table's controls that `wanted` picks, in table order.
template <typename Wanted>
std::vector<C> ControlsWhere(Wanted wanted) {
    std::vector<C> list;
    for (const MainControlEntry& entry : MainWindowLayout()) {
        if (wanted(entry)) {
            list.push_back(entry.id);
        }
    }
    return list;
}

}  // namespace

const std::vector<C>& ClickableControls() {
    static const std::vector<C> controls = ControlsWhere([](const MainControlEntry& entry) {
        return (entry.kind == ControlKind::Button && entry.id != C::cmdQuit) ||
               entry.kind == ControlKind::Option || entry.id == C::lblCopyright ||
               entry.id == C::lblNorvaneSystems || entry.id == C::lblOnlineDocumentation;
    });
    return controls;
}

const std::vector<C>& CheckBoxes() {
    static const std::vector<C> controls = ControlsWhere(
        [](const MainControlEntry& entry) { return entry.kind == ControlKind::CheckBox; });
    return controls;
}

std::string Printable(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text.substr(0, 200)) {
        if (c == '\r') {
            quoted += "\\r";
        } else if (c == '\n') {
            quoted += "\\n";
        } else if (c == '\0') {
            quoted += "\\0";
        } else {
            quoted += c;
        }
    }
    return quoted + (text.size() > 200 ? "...\"" : "\"");
}

std::string Describe(const SessionAction& action) {
    std::ostringstream out;
    const auto key = [](int32_t code) {
        if (code >= ' ' && code < 127) {
            return "'" + std::string(1, static_cast<char>(code)) + "'";
        }
        return "code " + std::to_string(code);
    };
    switch (action.kind) {
        case Kind::TypeKeys:
            out << "keys";
            for (const int32_t code : action.keys) {
                out << " " << key(code);
            }
            out << " into " << MainControlOf(kInputFields[static_cast<size_t>(action.target)])->name
                << (action.first == 1 ? " over its whole text" : "");
            break;
        case Kind::PasteText:
            out << "text " << Printable(action.text) << " into "
                << MainControlOf(kInputFields[static_cast<size_t>(action.target)])->name;
            break;
        case Kind::SelectText:
            out << "select " << action.first << "+" << action.second << " in "
                << MainControlOf(kTextBoxes[static_cast<size_t>(action.target)])->name;
            break;
        case Kind::Click:
            out << "click "
                << MainControlOf(ClickableControls()[static_cast<size_t>(action.target)])->name;
            break;
        case Kind::ToggleCheck:
            out << "toggle "
                << MainControlOf(CheckBoxes()[static_cast<size_t>(action.target)])->name;
            break;
        case Kind::ChooseLanguage:
            out << "language list entry " << action.target;
            break;
        case Kind::TodayLabel:
            out << "mouse button " << kMouseButtons[static_cast<size_t>(action.target)]
                << " on a today label";
            break;
        case Kind::Spin:
            out << "spinner " << action.target << (action.first > 0 ? " up" : " down");
            break;
        case Kind::OutputKey:
            out << "key " << key(action.first) << " into txbOutput";
            break;
        case Kind::Restart:
            out << "quit and start again";
            break;
        case Kind::MonthYear:
            out << "month window: year " << Printable(action.text) << ", key " << key(action.first);
            break;
        case Kind::MonthList:
            out << "month window: "
                << (action.first < 0 ? "list text " + Printable(action.text)
                                     : "list entry " + std::to_string(action.first));
            break;
        case Kind::MonthClick:
            out << "month window: " << kMonthControls[static_cast<size_t>(action.target)];
            break;
        case Kind::LargeSelect:
            out << "large display: select " << action.first << "+" << action.second
                << ", mouse button " << kMouseButtons[static_cast<size_t>(action.target)];
            break;
        case Kind::LargeKey:
            out << "large display: key " << key(action.first);
            break;
        case Kind::LargeClick:
            out << "large display: " << kLargeControls[static_cast<size_t>(action.target)];
            break;
        case Kind::LargeResize:
            out << "large display: " << action.first << " x " << action.second << " twips, state "
                << action.target;
            break;
    }
    if (action.clearAnswer || action.yes) {
        out << " [answers: clear "
            << (action.clearAnswer ? std::to_string(static_cast<int>(*action.clearAnswer))
                                   : std::string("preselected"))
            << ", " << (action.yes ? "Yes" : "No") << "]";
    }
    return out.str();
}

int32_t ActionSource::Below(int32_t bound) {
    return static_cast<int32_t>(random_() % static_cast<uint64_t>(bound));
}

std::string ActionSource::AnyText() {
    const int32_t shape = Below(20);
    std::string text;
    if (shape < 11) {
        text = kSampleTexts[static_cast<size_t>(Below(kSampleTexts.size()))];
    } else if (shape < 18) {
        if (shape >= 16) {
            text = kSampleTexts[static_cast<size_t>(Below(kSampleTexts.size()))];
        }
        for (int32_t n = Below(20); n > 0; --n) {
            const int32_t piece = Below(100);
            if (piece < 80) {
                text += kTextCharacters[static_cast<size_t>(Below(kTextCharacters.size()))];
            } else if (piece < 99) {
                text += kTextPieces[static_cast<size_t>(Below(kTextPieces.size()))];
            } else {
                text += '\0';  // rare: no keyboard types it
            }
        }
    } else if (shape < 19) {
        for (int32_t n = 100 + Below(3000); n > 0; --n) {
            text += kTextCharacters[static_cast<size_t>(Below(14))];
        }
    }
    return text;
}

int32_t ActionSource::AnyKey() {
    constexpr std::string_view kDigits = "0123456789";
    constexpr std::string_view kMarks = "-/.,() wW";
    constexpr std::array kControlKeys = {kKeyBackspace, kKeyEnter, kKeyCtrlV, kKeyCtrlX, kKeyCtrlC};
    const int32_t shape = Below(20);
    if (shape < 9) {
        return kDigits[static_cast<size_t>(Below(kDigits.size()))];
    }
    if (shape < 13) {
        return kMarks[static_cast<size_t>(Below(kMarks.size()))];
    }
    if (shape < 17) {
        return kControlKeys[static_cast<size_t>(Below(kControlKeys.size()))];
    }
    return shape < 19 ? Below(256) : Below(0x30000);
}

SessionAction ActionSource::Next() {
    // How often each action comes, per thousand.
    constexpr std::array<std::pair<Kind, int32_t>, 17> kWeights = {{
        {Kind::TypeKeys, 270},
        {Kind::PasteText, 150},
        {Kind::SelectText, 40},
        {Kind::Click, 250},
        {Kind::ToggleCheck, 40},
        {Kind::ChooseLanguage, 15},
        {Kind::TodayLabel, 15},
        {Kind::Spin, 40},
        {Kind::OutputKey, 10},
        {Kind::Restart, 3},
        {Kind::MonthYear, 40},
        {Kind::MonthList, 25},
        {Kind::MonthClick, 50},
        {Kind::LargeSelect, 15},
        {Kind::LargeKey, 10},
        {Kind::LargeClick, 15},
        {Kind::LargeResize, 12},
    }};
    int32_t pick = Below(1000);
    SessionAction action;
    for (const auto& [kind, weight] : kWeights) {
        if (pick < weight) {
            action.kind = kind;
            break;
        }
        pick -= weight;
    }
    const int32_t answer = Below(5);
    if (answer < 4) {
        action.clearAnswer = static_cast<ClearChoice>(answer);
    }
    action.yes = Below(2) == 0;
    switch (action.kind) {
        case Kind::TypeKeys: {
            action.target = Below(3);
            const int32_t shape = Below(5);
            // A whole text mostly replaces the field's text, a few keys mostly add to it.
            action.first = Below(4) == 0 ? (shape < 3 ? 0 : 1) : (shape < 3 ? 1 : 0);
            if (shape < 3) {
                // A whole text typed, often with Enter after it.
                action.keys = CodePoints(
                    shape < 2
                        ? std::string(kSampleTexts[static_cast<size_t>(Below(kSampleTexts.size()))])
                        : AnyText());
                if (Below(2) == 0) {
                    action.keys.push_back(kKeyEnter);
                }
            } else {
                for (int32_t n = 1 + Below(3); n > 0; --n) {
                    action.keys.push_back(AnyKey());
                }
            }
            break;
        }
        case Kind::PasteText:
            action.target = Below(3);
            action.text = AnyText();
            break;
        case Kind::SelectText:
        case Kind::LargeSelect:
            action.target = Below(action.kind == Kind::SelectText ? 4 : 3);
            action.first = Below(1 << 20);
            action.second = Below(1 << 20);
            break;
        case Kind::Click: {
            // Compute and the three Clear buttons more often than the rest.
            const auto& controls = ClickableControls();
            const auto indexOf = [&controls](C id) {
                return static_cast<int32_t>(std::find(controls.begin(), controls.end(), id) -
                                            controls.begin());
            };
            constexpr std::array kClears = {C::cmdClearFirstDate, C::cmdClearDateDiff,
                                            C::cmdClearSecondDate};
            const int32_t shape = Below(10);
            action.target = shape < 3   ? indexOf(C::cmdCompute)
                            : shape < 5 ? indexOf(kClears[static_cast<size_t>(Below(3))])
                                        : Below(static_cast<int32_t>(controls.size()));
            action.first = Below(20) == 0 ? 1 + Below(2) : 0;  // the main window's place
            break;
        }
        case Kind::ToggleCheck:
            action.target = Below(static_cast<int32_t>(CheckBoxes().size()));
            break;
        case Kind::ChooseLanguage:
            action.target = Below(2);
            break;
        case Kind::TodayLabel:
            action.target = Below(3);
            break;
        case Kind::Spin:
            action.target = Below(2);
            action.first = Below(2) == 0 ? 1 : -1;
            break;
        case Kind::OutputKey:
        case Kind::LargeKey:
            action.first = Below(2) == 0 ? kKeyEnter : AnyKey();
            break;
        case Kind::Restart:
            break;
        case Kind::MonthYear:
            action.text = AnyText();
            action.first = Below(2) == 0 ? kKeyEnter : AnyKey();
            break;
        case Kind::MonthList:
            action.first = Below(3) == 0 ? -1 : Below(12);
            action.text =
                Below(2) == 0 ? AnyText() : std::string(Below(2) == 0 ? "m\xC3\xA4rz" : "December");
            break;
        case Kind::MonthClick:
            action.target = Below(kMonthControls.size());
            break;
        case Kind::LargeClick:
            action.target = Below(kLargeControls.size());
            break;
        case Kind::LargeResize:
            action.target = Below(3);
            action.first = Below(4) == 0 ? Below(kLargestWindow) : Below(20000);
            action.second = Below(4) == 0 ? Below(kLargestWindow) : Below(20000);
            break;
    }
    return action;
}

}  // namespace tembrel::test_support
