#include "text/program_text_messages.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace tembrel {
namespace {

TEST(LoadResultMessage, GivesNoMessageForASuccess) {
    EXPECT_EQ(LoadResultMessage(1, "/x"), "");
    EXPECT_EQ(LoadResultMessage(INT32_MAX, "/x"), "");
}

TEST(LoadResultMessage, GivesTheFixedMessages) {
    EXPECT_EQ(LoadResultMessage(0, "/x"), "No program text was read.");
    EXPECT_EQ(LoadResultMessage(-1, "/opt/tembrel/bin/vrn_text.dat"),
              "Cannot open file containing program text.\r\n/opt/tembrel/bin/vrn_text.dat");
    EXPECT_EQ(LoadResultMessage(-2, "/x"), "Particular memory allocation error.");
    EXPECT_EQ(LoadResultMessage(-3, "/x"), "Too much program text.");
    EXPECT_EQ(LoadResultMessage(-4, "/x"), "Text not recovered.");
    EXPECT_EQ(LoadResultMessage(-6, "/x"), "File is empty.");
    EXPECT_EQ(LoadResultMessage(-7, "/x"), "Error reading file.");
    EXPECT_EQ(LoadResultMessage(-8, "/x"), "General memory allocation error.");
}

TEST(LoadResultMessage, NamesOtherCodesAboveTheLineRanges) {
    EXPECT_EQ(LoadResultMessage(-5, "/x"), "Error -5");
    EXPECT_EQ(LoadResultMessage(-9, "/x"), "Error -9");
    EXPECT_EQ(LoadResultMessage(-500, "/x"), "Error -500");
}

TEST(LoadResultMessage, DecodesTheLineNumberAtEachRangeBoundary) {
    EXPECT_EQ(LoadResultMessage(-501, "/x"), "Missing string at line 1.");
    EXPECT_EQ(LoadResultMessage(-510, "/x"), "Missing string at line 10.");
    EXPECT_EQ(LoadResultMessage(-1000, "/x"), "Missing string at line 500.");
    EXPECT_EQ(LoadResultMessage(-1001, "/x"), "String too long at line 1.");
    EXPECT_EQ(LoadResultMessage(-1500, "/x"), "String too long at line 500.");
    EXPECT_EQ(LoadResultMessage(-1501, "/x"), "Duplicate in program text at line 1.");
    EXPECT_EQ(LoadResultMessage(-2001, "/x"), "Duplicate in program text at line 501.");
    EXPECT_EQ(LoadResultMessage(INT32_MIN, "/x"), "Duplicate in program text at line 2147482148.");
}

TEST(LoadOutcomeMessage, AgreesWithTheCodeWhereTheCodeCarriesEverything) {
    using zidiva6::LoadOutcome;
    using zidiva6::LoadStatus;
    for (const LoadOutcome outcome : {
             LoadOutcome{LoadStatus::NoText, 0},
             LoadOutcome{LoadStatus::CannotOpen, 0},
             LoadOutcome{LoadStatus::TooMuchText, 0},
             LoadOutcome{LoadStatus::Empty, 0},
             LoadOutcome{LoadStatus::ReadError, 0},
             LoadOutcome{LoadStatus::OutOfMemory, 0},
             LoadOutcome{LoadStatus::MissingString, 1},
             LoadOutcome{LoadStatus::MissingString, 500},
             LoadOutcome{LoadStatus::StringTooLong, 1},
             LoadOutcome{LoadStatus::StringTooLong, 500},
             LoadOutcome{LoadStatus::Duplicate, 1},
             LoadOutcome{LoadStatus::Duplicate, 70000},
         }) {
        EXPECT_EQ(LoadOutcomeMessage(outcome, "/p"),
                  LoadResultMessage(zidiva6::ResultCode(outcome), "/p"))
            << static_cast<int>(outcome.status) << " " << outcome.value;
    }
}

}  // namespace
}  // namespace tembrel
