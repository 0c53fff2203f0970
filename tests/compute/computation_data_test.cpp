#include <gtest/gtest.h>

#include "compute/computation_state.h"
#include "compute/option_snapshot.h"

namespace tembrel {
namespace {

// The operations read these before the first Compute has written them; they must
// start at zero even where the record has no initialisers of its own (CalDate).
TEST(ComputationData, StartsZeroFalseAndEmpty) {
    const OptionSnapshot options;
    EXPECT_FALSE(options.blnDateFormatIsYMD || options.blnDateFormatIsDMY ||
                 options.blnDateFormatIsMDY || options.blnNoDateDiffandSameCal);
    EXPECT_EQ(options.intFirstCal, CalendarCode::CE);
    EXPECT_EQ(options.intSecondCal, CalendarCode::CE);
    EXPECT_EQ(options.intIncludeFirstDate + options.intIncludeWeekends + options.intVerbose +
                  options.intHyphen,
              0);
    EXPECT_TRUE(options.strFirstDateWithCal.empty() && options.strSecondDateWithCal.empty());

    const ComputationState state;
    for (const CalDate& date : {state.udtFirstDate, state.udtSecondDate}) {
        EXPECT_EQ(date.year, 0);
        EXPECT_EQ(date.month, 0);
        EXPECT_EQ(date.day, 0);
        EXPECT_EQ(date.marker, 0);
        EXPECT_EQ(date.jdn, 0);
        EXPECT_EQ(date.spare, 0);
    }
    EXPECT_EQ(state.lngDateDiff, 0);
}

}  // namespace
}  // namespace tembrel
