#include "libs/zidiva6/load_outcome.h"

#include <gtest/gtest.h>

namespace tembrel::zidiva6 {
namespace {

TEST(ResultCode, EncodesTheStatusesWithoutLines) {
    EXPECT_EQ(ResultCode({LoadStatus::Loaded, 44}), 44);
    EXPECT_EQ(ResultCode({LoadStatus::NoText, 0}), 0);
    EXPECT_EQ(ResultCode({LoadStatus::CannotOpen, 0}), -1);
    EXPECT_EQ(ResultCode({LoadStatus::TooMuchText, 0}), -3);
    EXPECT_EQ(ResultCode({LoadStatus::BadArgument, 0}), -5);
    EXPECT_EQ(ResultCode({LoadStatus::Empty, 0}), -6);
    EXPECT_EQ(ResultCode({LoadStatus::ReadError, 0}), -7);
    EXPECT_EQ(ResultCode({LoadStatus::OutOfMemory, 0}), -8);
}

TEST(ResultCode, PutsLineErrorsIntoTheirRanges) {
    EXPECT_EQ(ResultCode({LoadStatus::MissingString, 1}), -501);
    EXPECT_EQ(ResultCode({LoadStatus::MissingString, 10}), -510);
    EXPECT_EQ(ResultCode({LoadStatus::MissingString, 500}), -1000);
    EXPECT_EQ(ResultCode({LoadStatus::StringTooLong, 1}), -1001);
    EXPECT_EQ(ResultCode({LoadStatus::StringTooLong, 500}), -1500);
    EXPECT_EQ(ResultCode({LoadStatus::Duplicate, 1}), -1501);
    EXPECT_EQ(ResultCode({LoadStatus::Duplicate, 501}), -2001);
    EXPECT_EQ(ResultCode({LoadStatus::Duplicate, kMaxLineNumber}), -1500 - kMaxLineNumber);
}

// Line 501 would read as a neighbouring range ("String too long at line 1"), so
// those codes give up the line rather than name a wrong one.
TEST(ResultCode, NeverLetsALineSpillIntoTheNextRange) {
    EXPECT_EQ(ResultCode({LoadStatus::MissingString, 501}), -7);
    EXPECT_EQ(ResultCode({LoadStatus::StringTooLong, 501}), -7);
    EXPECT_EQ(ResultCode({LoadStatus::StringTooLong, kMaxLineNumber}), -7);
    EXPECT_EQ(ResultCode({LoadStatus::InvalidText, 3}), -7);
    EXPECT_EQ(ResultCode({LoadStatus::MalformedLine, 3}), -7);
}

}  // namespace
}  // namespace tembrel::zidiva6
