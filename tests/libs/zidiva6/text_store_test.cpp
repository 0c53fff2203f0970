#include "libs/zidiva6/text_store.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace tembrel::zidiva6 {
namespace {

constexpr int32_t kEn = 0;
constexpr int32_t kDe = 1;

TextStore Loaded(std::string_view bytes) {
    TextStore store;
    EXPECT_EQ(store.LoadFromMemory(bytes).status, LoadStatus::Loaded);
    return store;
}

std::string Fetch(const TextStore& store, int32_t number, int32_t language) {
    std::array<char, kTextBufferSize> buffer{};
    const int32_t length = store.gt(number, language, buffer.data(), kTextBufferSize, 1);
    return length < 1 ? std::string() : std::string(buffer.data(), static_cast<size_t>(length));
}

TEST(TextStoreGt, CopiesTheTextWithItsTerminatingZero) {
    const TextStore store = Loaded("18.en = Reset?\n18.de = Zurückstellen?\n");
    std::array<char, kTextBufferSize> buffer;
    buffer.fill('#');
    EXPECT_EQ(store.gt(18, kDe, buffer.data(), kTextBufferSize, 0), 15);  // "ü" is two bytes
    EXPECT_EQ(std::string(buffer.data()), "Zurückstellen?");
    EXPECT_EQ(buffer[16], '#');  // nothing written after the zero
}

TEST(TextStoreGt, AnswersBelowOneWhenThereIsNoText) {
    const TextStore store = Loaded("18.en = Reset?\n");
    std::array<char, 8> buffer;
    buffer.fill('#');
    EXPECT_EQ(store.gt(18, kDe, buffer.data(), 8, 1), 0);  // no German text: no fallback
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_EQ(store.gt(19, kEn, buffer.data(), 8, 1), 0);
    EXPECT_EQ(store.gt(0, kEn, buffer.data(), 8, 1), 0);
    EXPECT_EQ(store.gt(-18, kEn, buffer.data(), 8, 1), 0);
    EXPECT_EQ(store.gt(18 + kMaxNumber, kEn, buffer.data(), 8, 1), 0);
    EXPECT_EQ(store.gt(18, -1, buffer.data(), 8, 1), 0);
    EXPECT_EQ(store.gt(18, kLanguageCount, buffer.data(), 8, 1), 0);
    EXPECT_EQ(store.gt(18, kEn, nullptr, 8, 1), -5);
    EXPECT_EQ(store.gt(18, kEn, buffer.data(), 0, 1), -5);
}

TEST(TextStoreGt, NeverWritesBeyondTheBuffer) {
    const TextStore store = Loaded("1.en = Tembrel\n");
    // "Tembrel" needs 8 bytes with its zero; a guard byte follows the given size.
    std::array<char, 9> buffer;
    buffer.fill('#');
    EXPECT_EQ(store.gt(1, kEn, buffer.data(), 7, 1), -5);
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_EQ(std::string(buffer.data() + 1, 8), "########");

    buffer.fill('#');
    EXPECT_EQ(store.gt(1, kEn, buffer.data(), 8, 1), 7);
    EXPECT_EQ(std::string(buffer.data()), "Tembrel");
    EXPECT_EQ(buffer[8], '#');
}

TEST(TextStoreGt, FillsTheWholeBufferWithTheLongestText) {
    const std::string longest(kMaxTextBytes, 'x');
    const TextStore store = Loaded("1.en = " + longest);
    EXPECT_EQ(Fetch(store, 1, kEn), longest);
}

TEST(TextStoreLoad, ReplacesTheTextsAndForgetsThemOnAFailedLoad) {
    TextStore store = Loaded("1.en = old\n2.en = old two\n");
    EXPECT_EQ(store.LoadFromMemory("1.en = new\n"), (LoadOutcome{LoadStatus::Loaded, 1}));
    EXPECT_EQ(Fetch(store, 1, kEn), "new");
    EXPECT_EQ(Fetch(store, 2, kEn), "");

    EXPECT_EQ(store.LoadFromMemory("1.en = a\n1.en = b\n").status, LoadStatus::Duplicate);
    EXPECT_EQ(store.Count(), 0);
    EXPECT_EQ(Fetch(store, 1, kEn), "");
}

TEST(TextStoreLoad, VisitsTheTextsInOrder) {
    const TextStore store = Loaded("20.de = c\n3.en = a\n20.en = b\n");
    std::vector<std::pair<int32_t, int32_t>> keys;
    store.ForEachText([&](int32_t number, int32_t language, std::string_view) {
        keys.emplace_back(number, language);
    });
    EXPECT_EQ(keys, (std::vector<std::pair<int32_t, int32_t>>{{3, kEn}, {20, kEn}, {20, kDe}}));
}

TEST(TextStoreLt, LoadsTheShippedFile) {
    TextStore store;
    const int32_t count = store.lt(TEMBREL_DATA_FILE, 0);
    EXPECT_GE(count, 2);
    EXPECT_EQ(count, store.Count());
    EXPECT_EQ(Fetch(store, 1, kEn), "Tembrel");
}

TEST(TextStoreLt, AnswersTheCodesOfFilesItCannotUse) {
    TextStore store;
    EXPECT_EQ(store.lt("/nonexistent-folder/vrn_text.dat", 0), -1);
    EXPECT_EQ(store.lt("/", 0), -1);  // a folder
    EXPECT_EQ(store.lt("/dev/null", 0), -6);
    EXPECT_EQ(store.lt("/dev/zero", 0), -3);  // endless: read only up to the limit
    EXPECT_EQ(store.lt(nullptr, 0), -5);
}

TEST(TextStoreLt, RefusesUnknownFlagsAndForgetsEarlierTexts) {
    TextStore store;
    ASSERT_GE(store.lt(TEMBREL_DATA_FILE, 0), 1);
    EXPECT_EQ(store.lt(TEMBREL_DATA_FILE, 1), -5);
    EXPECT_EQ(store.Count(), 0);
}

}  // namespace
}  // namespace tembrel::zidiva6
