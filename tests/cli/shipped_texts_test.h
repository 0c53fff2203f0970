// A fixture holding the shipped program texts, loaded as tembrel-cli loads them,
// for the tests that word messages.
#pragma once

#include <gtest/gtest.h>

#include "text/program_text.h"

namespace tembrel::cli {

class ShippedTextsTest : public ::testing::Test {
  protected:
    ShippedTextsTest() {
        const ProgramTextLoad load = texts.LoadProgramTextFrom(TEMBREL_DATA_FILE);
        EXPECT_TRUE(load.ok()) << load.message;
        texts.SetStartUpCompleted(true);
    }
    ProgramTexts texts;
};

}  // namespace tembrel::cli
