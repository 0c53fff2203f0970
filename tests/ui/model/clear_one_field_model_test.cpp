// The clear-one-field dialog's layout, choice mapping, captions and place.
#include "ui/model/clear_one_field_model.h"

#include <gtest/gtest.h>

#include <set>

#include "compute/compute_messages.h"

namespace tembrel {
namespace {

using C = ClearOneFieldControl;

TEST(ClearOneFieldModelTest, EveryControlFitsTheClientArea) {
    std::set<C> seen;
    for (const ClearOneFieldEntry& entry : ClearOneFieldLayout()) {
        EXPECT_TRUE(seen.insert(entry.id).second) << entry.name;
        EXPECT_EQ(entry.container, C::frmClearOneTextBox);
        EXPECT_LE(entry.place.left + entry.place.width, kClearOneFieldClientWidth) << entry.name;
        EXPECT_LE(entry.place.top + entry.place.height, kClearOneFieldClientHeight) << entry.name;
    }
    EXPECT_EQ(seen.size(), 8u);
}

TEST(ClearOneFieldModelTest, EachChoiceHasItsOwnOption) {
    for (const ClearChoice choice : {ClearChoice::FirstDate, ClearChoice::DateDiff,
                                     ClearChoice::SecondDate, ClearChoice::Cancel}) {
        EXPECT_EQ(ChoiceOfOption(OptionOfChoice(choice)), choice);
    }
    EXPECT_EQ(OptionOfChoice(ClearChoice::Cancel), C::optCancel);
}

TEST(ClearOneFieldModelTest, CaptionsComeFromTheTextTableAndTheMessages) {
    const ClearOneFieldCaptions english = ClearOneFieldCaptionsIn(LanguageCode::English);
    EXPECT_EQ(english.Of(C::frmClearOneTextBox), "Clear");
    EXPECT_EQ(english.Of(C::lblClear), "Clear:");
    EXPECT_EQ(english.Of(C::optCancel), "Cancel this operation");
    EXPECT_EQ(english.Of(C::cmdContinue), "Continue");
    EXPECT_EQ(english.Of(C::lblNeedToClear),
              ComputeMsg(kMsgDifferenceMustBeEmpty, LanguageCode::English));
    const ClearOneFieldCaptions german = ClearOneFieldCaptionsIn(LanguageCode::German);
    EXPECT_EQ(german.Of(C::optClearSecondDate), "Zweites Datum");
    EXPECT_EQ(german.Of(C::lblOr), "oder");
}

TEST(ClearOneFieldModelTest, OpensOverTheDateEntryPanel) {
    const TwipsRect place = ClearOneFieldPlace({1500, 3000, 11600, 8100}, 105);
    EXPECT_EQ(place.left, 1500 + 105 + 50);
    EXPECT_EQ(place.top, 3000 + 2850);
    EXPECT_EQ(place.width, 8010);
    EXPECT_EQ(place.height, 1950);
    // A place far off any screen is clamped, never overflows.
    const TwipsRect far = ClearOneFieldPlace({2147483000, 2147483000, 0, 0}, 105);
    EXPECT_EQ(far.left, static_cast<int32_t>(kTwipsLimit));
}

}  // namespace
}  // namespace tembrel
