#include "compute/compute_messages.h"

#include <gtest/gtest.h>

#include "text/text_table.h"

namespace tembrel {
namespace {

TEST(ComputeMsg, CarriesEnglishGermanAndSpanishTexts) {
    for (const LanguageCode language :
         {LanguageCode::English, LanguageCode::German, LanguageCode::Spanish}) {
        for (int number = 0; number < kComputeMessageCount; ++number) {
            EXPECT_FALSE(ComputeMsg(number, language).empty())
                << static_cast<int>(language) << " " << number;
        }
    }
}

TEST(ComputeMsg, GivesEmptyTextsInSlotsWithoutMessages) {
    for (const LanguageCode language :
         {LanguageCode::French, LanguageCode::Portuguese, LanguageCode::Spare}) {
        for (int number = 0; number < kComputeMessageCount; ++number) {
            EXPECT_EQ(ComputeMsg(number, language), "") << static_cast<int>(language);
        }
    }
}

TEST(ComputeMsg, JoinsTheTwoLinesOfMessageZeroWithCrLf) {
    EXPECT_EQ(ComputeMsg(kMsgDifferenceMustBeEmpty, LanguageCode::English),
              "If both the first date and the second date are specified\r\n"
              "then the date difference window must be empty.");
    EXPECT_EQ(ComputeMsg(kMsgDifferenceMustBeEmpty, LanguageCode::German),
              " Wenn sowohl Erstes als auch Zweites Datum angegeben sind,\r\n"
              "muss das Feld für die Datumsdifferenz leer sein.");
    EXPECT_NE(ComputeMsg(kMsgDifferenceMustBeEmpty, LanguageCode::Spanish).find("\r\n"),
              std::string_view::npos);
    // Only message 0 has two lines.
    for (int number = 1; number < kComputeMessageCount; ++number) {
        EXPECT_EQ(ComputeMsg(number, LanguageCode::English).find('\n'), std::string_view::npos);
    }
}

TEST(ComputeMsg, ShowsGermanMessagesUnderAGermanTitle) {
    EXPECT_EQ(std::string(T(TextItem::Error, LanguageCode::German)) + "!", "Fehler!");
    EXPECT_EQ(ComputeMsg(kMsgFirstDateOutOfRange, LanguageCode::German),
              "Erstes Datum liegt ausserhalb des erlaubten Bereichs.");
    EXPECT_EQ(ComputeMsg(kMsgResultOutOfRange, LanguageCode::German),
              "Das Resultat liegt ausserhalb des erlaubten Bereichs.");
    EXPECT_EQ(ComputeMsg(kMsgSecondDateInvalid, LanguageCode::English),
              "Second date is not valid in specified calendar using specified date format.");
    EXPECT_EQ(ComputeMsg(kMsgResultOutOfRange, LanguageCode::Spanish),
              "El resultado está fuera de rango.");
}

TEST(ComputeMsg, GivesTheEmptyTextOutsideTheTable) {
    EXPECT_EQ(ComputeMsg(-1, LanguageCode::English), "");
    EXPECT_EQ(ComputeMsg(kComputeMessageCount, LanguageCode::English), "");
    EXPECT_EQ(ComputeMsg(0, static_cast<LanguageCode>(6)), "");
}

}  // namespace
}  // namespace tembrel
