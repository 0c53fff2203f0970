#include "text/program_text.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/temp_folder.h"
#include "text/program_text_location.h"

namespace tembrel {
namespace {

class ProgramTextFile : public ::testing::Test {
  protected:
    // Loads a file holding `bytes` and returns the result.
    ProgramTextLoad LoadBytes(std::string_view bytes) {
        return texts_.LoadProgramTextFrom(folder_.Write("vrn_text.dat", bytes));
    }

    test_support::TempFolder folder_;
    ProgramTexts texts_;
};

TEST_F(ProgramTextFile, LoadsAGoodFileAndFetchesInTheProgramTextLanguage) {
    const ProgramTextLoad load =
        LoadBytes("1.en = Tembrel\n18.en = Reset?\n18.de = Zurückstellen?\n");
    EXPECT_TRUE(load.ok());
    EXPECT_EQ(load.count, 3);
    EXPECT_EQ(load.message, "");

    EXPECT_EQ(texts_.ProgramTextLanguage(), LanguageCode::English);
    EXPECT_EQ(texts_.ProgramText(18), "Reset?");
    texts_.SetProgramTextLanguage(LanguageCode::German);
    texts_.SetStartUpCompleted(true);
    EXPECT_EQ(texts_.ProgramText(18), "Zurückstellen?");
    EXPECT_EQ(texts_.ProgramText(1), "");  // no German text: no fallback to English
    EXPECT_EQ(texts_.ProgramText(2), "");
}

TEST_F(ProgramTextFile, NamesAMissingFileWithItsFullPath) {
    const std::filesystem::path missing = folder_.path() / "nothing-here.dat";
    const ProgramTextLoad load = texts_.LoadProgramTextFrom(missing);
    EXPECT_FALSE(load.ok());
    EXPECT_EQ(load.message, "Cannot open file containing program text.\r\n" + missing.string());
}

TEST_F(ProgramTextFile, GivesTheMessageOfEachDamage) {
    const std::string long_text(1024, 'x');
    const struct {
        const char* what;
        std::string bytes;
        std::string message;
    } cases[] = {
        {"empty", "", "File is empty."},
        {"comments only", "# nothing yet\n\n", "No program text was read."},
        {"number without text", "1.en = Tembrel\n# next\n18.en =\n", "Missing string at line 3."},
        {"number without sign", "1.en = Tembrel\n18.en\n", "Missing string at line 2."},
        {"text too long", "1.en = Tembrel\n2.en = " + long_text + "\n",
         "String too long at line 2."},
        {"duplicate", "1.en = Tembrel\n1.de = Tembrel\n1.en = Again\n",
         "Duplicate in program text at line 3."},
        {"Latin-1 text", "1.en = Tembrel\n9.de = M\xE4rz\n",
         "Error reading file.\r\nLine 2 is not UTF-8 text."},
        {"not an entry", "1.en = Tembrel\nTembrel\n",
         "Error reading file.\r\nLine 2 is not of the form number.language = text."},
        {"too large", std::string(1024 * 1024 + 1, '#'), "Too much program text."},
    };
    for (const auto& c : cases) {
        const ProgramTextLoad load = LoadBytes(c.bytes);
        EXPECT_FALSE(load.ok()) << c.what;
        EXPECT_EQ(load.count, 0) << c.what;
        EXPECT_EQ(load.message, c.message) << c.what;
    }
}

TEST_F(ProgramTextFile, NamesLinesBeyondFiveHundredExactly) {
    std::string bytes;
    for (int line = 1; line <= 600; ++line) {
        bytes += "# padding\n";
    }
    EXPECT_EQ(LoadBytes(bytes + "5.en =\n").message, "Missing string at line 601.");
    EXPECT_EQ(LoadBytes(bytes + "5.en = " + std::string(2000, 'x')).message,
              "String too long at line 601.");
}

TEST_F(ProgramTextFile, HoldsNoTextAfterAFailedLoad) {
    ASSERT_TRUE(LoadBytes("1.en = Tembrel\n").ok());
    ASSERT_FALSE(LoadBytes("1.en = Tembrel\n1.en = Tembrel\n").ok());
    EXPECT_EQ(texts_.ProgramText(1), "");
}

TEST_F(ProgramTextFile, ReadsAFolderAsAFileItCannotOpen) {
    const ProgramTextLoad load = texts_.LoadProgramTextFrom(folder_.path());
    EXPECT_EQ(load.message,
              "Cannot open file containing program text.\r\n" + folder_.path().string());
}

TEST(LocateDataFile, PrefersTheFileNextToTheExecutable) {
    const test_support::TempFolder root;
    const std::filesystem::path bin = root.path() / "bin";
    const std::filesystem::path shared = root.Write("share/tembrel/vrn_text.dat", "1.en = x\n");
    std::filesystem::create_directories(bin);
    EXPECT_EQ(LocateDataFile(bin, "vrn_text.dat"), shared);

    const std::filesystem::path beside = root.Write("bin/vrn_text.dat", "1.en = x\n");
    EXPECT_EQ(LocateDataFile(bin, "vrn_text.dat"), beside);
}

TEST(LocateDataFile, NamesThePathNextToTheExecutableWhenNeitherExists) {
    const test_support::TempFolder root;
    EXPECT_EQ(LocateDataFile(root.path(), "vrn_text.dat"), root.path() / "vrn_text.dat");
}

TEST(LocateDataFile, AddsNoSecondSeparatorToAFolderEndingInOne) {
    EXPECT_EQ(LocateDataFile("/", "vrn_text.dat").string(), "/vrn_text.dat");
    EXPECT_EQ(LocateDataFile("/nonexistent/bin/", "vrn_text.dat").string(),
              "/nonexistent/bin/vrn_text.dat");
}

TEST(ExecutableFolder, IsTheFolderOfThisTestProgram) {
    const std::filesystem::path folder = ExecutableFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_TRUE(std::filesystem::exists(folder / "test_text"));
}

TEST(ProgramTextSearch, ReportsTheFileNextToTheExecutableWhenItIsNowhere) {
    // The test programs live in a folder without a language data file.
    ProgramTexts texts;
    const ProgramTextLoad load = texts.LoadProgramText("no-such-file.dat");
    EXPECT_FALSE(load.ok());
    EXPECT_EQ(load.path, ExecutableFolder() / "no-such-file.dat");
    EXPECT_EQ(load.message, "Cannot open file containing program text.\r\n" + load.path.string());
}

}  // namespace
}  // namespace tembrel
