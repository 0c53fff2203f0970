// The main window's layout table: the desktop window builds from it alone, so a
// control missing, listed twice, placed before its container or put into the
// wrong option group would only show as a broken window.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "ui/model/main_layout.h"
#include "ui/model/option_bindings.h"

namespace tembrel {
namespace {

using C = MainWindowControl;

TEST(MainLayoutTest, ListsEveryControlOnceAfterItsContainer) {
    std::set<C> seen{C::frmMain};
    for (const MainControlEntry& entry : MainWindowLayout()) {
        EXPECT_TRUE(seen.count(entry.container)) << entry.name << " comes before its container";
        EXPECT_TRUE(seen.insert(entry.id).second) << entry.name << " is listed twice";
        if (entry.container != C::frmMain) {
            EXPECT_EQ(MainControlOf(entry.container)->kind, ControlKind::Frame) << entry.name;
        }
    }
    EXPECT_EQ(static_cast<int>(seen.size()), kMainWindowControlCount);
}

TEST(MainLayoutTest, EveryControlStartsInsideItsContainer) {
    for (const MainControlEntry& entry : MainWindowLayout()) {
        const ControlPlace container = entry.container == C::frmMain
                                           ? ControlPlace{0, 0, kMainClientWidth, kMainClientHeight}
                                           : MainControlOf(entry.container)->place;
        EXPECT_GE(entry.place.left, 0) << entry.name;
        EXPECT_GE(entry.place.top, 0) << entry.name;
        EXPECT_LT(entry.place.left, container.width) << entry.name;
        EXPECT_LT(entry.place.top, container.height) << entry.name;
        EXPECT_GT(entry.place.width, 0) << entry.name;
        EXPECT_GT(entry.place.height, 0) << entry.name;
    }
}

TEST(MainLayoutTest, TopLevelControlsFitTheClientArea) {
    for (const MainControlEntry& entry : MainWindowLayout()) {
        if (entry.container == C::frmMain) {
            EXPECT_LE(entry.place.left + entry.place.width, kMainClientWidth) << entry.name;
            EXPECT_LE(entry.place.top + entry.place.height, kMainClientHeight) << entry.name;
        }
    }
}

TEST(MainLayoutTest, OptionsOfOneContainerFormExactlyOneGroup) {
    // The desktop window groups option buttons by their container.
    std::map<C, std::set<OptionGroup>> groups;
    for (const MainControlEntry& entry : MainWindowLayout()) {
        const OptionBinding* binding = OptionBindingOf(entry.id);
        EXPECT_EQ(entry.kind == ControlKind::Option, binding != nullptr) << entry.name;
        if (binding != nullptr) {
            groups[entry.container].insert(binding->group);
        }
    }
    EXPECT_EQ(groups.size(), 6u);
    for (const auto& [container, inside] : groups) {
        EXPECT_EQ(inside.size(), 1u) << MainControlOf(container)->name;
    }
}

TEST(MainLayoutTest, EachOptionValueOfAGroupHasOneOption) {
    for (const OptionBinding& binding : OptionBindings()) {
        EXPECT_EQ(OptionOf(binding.group, binding.value), binding.id);
    }
    EXPECT_EQ(OptionOf(OptionGroup::FirstCalendar, static_cast<int16_t>(CalendarCode::AN)),
              C::frmMain);
}

TEST(MainLayoutTest, FocusTargetsMapBothWays) {
    for (const MainControl focus :
         {MainControl::txbFirstDate, MainControl::txbDateDiff, MainControl::txbSecondDate,
          MainControl::txbOutput, MainControl::cmdCompute, MainControl::cmdQuit,
          MainControl::cboLanguage}) {
        EXPECT_EQ(FocusOfControl(ControlOfFocus(focus)), focus);
    }
    EXPECT_EQ(ControlOfFocus(MainControl::None), C::frmMain);
    EXPECT_EQ(FocusOfControl(C::optDays), MainControl::None);
}

}  // namespace
}  // namespace tembrel
