// The help texts: their paragraphs, the sentences users look for, the addresses
// in the right places, and the line structure.
#include "ui/model/help_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/model/web_addresses.h"

namespace tembrel {
namespace {

const HelpAddresses kAddresses{"file:///manual.en.html", "file:///manual.de.html",
                               "https://calendar.test/article", "https://iso.test/week",
                               "https://leapweek.test/page"};

std::vector<std::string> Paragraphs(const std::string& text) {
    std::vector<std::string> paragraphs;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n\r\n", start)) != std::string::npos; start = end + 4) {
        paragraphs.push_back(text.substr(start, end - start));
    }
    paragraphs.push_back(text.substr(start));
    return paragraphs;
}

size_t Count(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

// Every line end is CR LF; no line starts or ends with a space; the text ends
// with one line end.
void ExpectLineStructure(const std::string& text) {
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << "lone LF at " << i;
        }
        if (text[i] == '\r') {
            ASSERT_LT(i + 1, text.size());
            EXPECT_EQ(text[i + 1], '\n') << "lone CR at " << i;
            EXPECT_TRUE(i == 0 || text[i - 1] != ' ') << "space before a line end at " << i;
        }
    }
    EXPECT_TRUE(text.ends_with(".\r\n")) << text.substr(text.size() - 10);
    EXPECT_FALSE(text.ends_with("\r\n\r\n"));
}

TEST(HelpText, EnglishParagraphsAndAddresses) {
    const std::string text = HelpText(LanguageCode::English, kAddresses);
    ExpectLineStructure(text);
    const std::vector<std::string> paragraphs = Paragraphs(text);
    ASSERT_EQ(paragraphs.size(), 13u);
    EXPECT_EQ(paragraphs[0],
              "The complete user manual for this software is online at: file:///manual.en.html");
    EXPECT_EQ(paragraphs[2],
              "A Common Era (CE) date is a date in the Gregorian Calendar, except that years are "
              "numbered -1, 0, 1, 2 CE ... rather than AD/BC (1 AD = 1 CE, 1 BC = 0 CE, 2 BC = -1 "
              "CE, etc.)");
    EXPECT_EQ(paragraphs[3],
              "A Julian Calendar date is a date in the Julian Calendar, with years numbered in the "
              "same way.  See https://calendar.test/article.");
    EXPECT_EQ(paragraphs[4],
              "The ordinal date 'yyy-yddd' date specifies day 'ddd' of Common Era year 'yyyy', "
              "where New Year's Day  is day 001 and the last day of the year is 365 or (in leap "
              "years) 366.  Dates in this format can range from 0001-001 to 9999-365.");
    EXPECT_TRUE(
        paragraphs[5].ends_with("For an explanation of this calendar see: "
                                "https://iso.test/week"));
    EXPECT_TRUE(paragraphs[6].ends_with(
        "LPW or (year)-(month)-(day) LPM.  For an explanation of this calendar see: "
        "https://leapweek.test/page"));
    EXPECT_EQ(paragraphs[7],
              "The (chronological) Julian day number of a day is the number of days since the "
              "start of -4712-01-01 (Julian Calendar).");
    EXPECT_TRUE(paragraphs[11].starts_with("The button 'All calendars' shows the first date"));
    EXPECT_EQ(paragraphs[12],
              "In the Julian Calendar a year is a leap year if it is divisible by 4.  In the "
              "Common Era Calendar a year is a leap year if either (i) it is divisible by 4 but "
              "not by 100 or (ii) it is divisible by 400.  In the Norvane Leap Week Calendar a "
              "year is a leap year if it is the third year of a 'hexade'.\r\n");
    EXPECT_NE(text.find("ordinal dates ('yyyy-ddd') and Julian day numbers.  It can also"),
              std::string::npos);
    EXPECT_NE(text.find("enter the date in 'First date', and click on 'Compute'."),
              std::string::npos);
    EXPECT_EQ(Count(text, "file:///manual.de.html"), 0u);
    for (const std::string& address : {kAddresses.calendarArticle, kAddresses.isoWeekReference,
                                       kAddresses.leapWeekPage, kAddresses.manualEnglish}) {
        EXPECT_EQ(Count(text, address), 1u) << address;
    }
}

TEST(HelpText, GermanParagraphsAndAddresses) {
    const std::string text = HelpText(LanguageCode::German, kAddresses);
    ExpectLineStructure(text);
    const std::vector<std::string> paragraphs = Paragraphs(text);
    // Eleven paragraphs, the third holding two: no paragraph on ordinal dates.
    ASSERT_EQ(paragraphs.size(), 12u);
    EXPECT_EQ(paragraphs[0],
              "Das Benutzerhandbuch für diese Software ist an file:///manual.de.html verfügbar.");
    EXPECT_EQ(paragraphs[1],
              "Dieses Programm konvertiert verschiedene Arten von Daten und julianische "
              "Tageszahlen.  Es erlaubt die Addition und die Subtraktion einer Anzahl von Tagen "
              "oder Monate zu einem vorgegebenen Datum.");
    EXPECT_TRUE(paragraphs[2].starts_with(
        "Ein Datum im (engl.) \"Common Era\" Kalender (CE) gleicht einem Datum im "
        "gregorianischen Kalender. Aber in diesem Kalender gibt es das Jahr 0,"));
    EXPECT_TRUE(paragraphs[2].ends_with(
        "\"Common Era\" Kalender um eine Einheit unterscheiden: 1 CE = 1 n.Chr., 0 CE = 1 "
        "v.Chr., -1 CE = 2 v.Chr., -2 CE = 3 v.Chr. usw."));
    EXPECT_EQ(paragraphs[3],
              "Ein julianisches Kalenderdatum ist ein Datum im julianischen Kalender (JC); die "
              "Jahre werden in gleicher Weise gezählt.  Sehen Sie https://calendar.test/article");
    EXPECT_EQ(paragraphs[4],
              "Ein ISO-8601-Woche Kalenderdatum ist ein Datum der Form (Jahr)-W(Woche)-(Tag).  "
              "Für eine Erklärung dieses Kalenders sehen Sie: https://iso.test/week");
    EXPECT_EQ(paragraphs[6],
              "Die julianischen Zählung verwendet den Tag als Einheit. Die (chronologische) "
              "julianische Tageszahl (JDN) gibt die Anzahl der Tage an, die seit dem Anfang vom "
              "1.1.-4712 JC vergangen sind.");
    EXPECT_NE(text.find("auf welches Kalendersystem sich das 'Erste Datum' bezieht"),
              std::string::npos);
    EXPECT_NE(text.find("negativ (Subtraktion).  Resultat durch Klick auf 'Berechnen'."),
              std::string::npos);
    EXPECT_TRUE(paragraphs[10].starts_with("Der Knopf 'Alle Kalender' zeigt das erste Datum"));
    EXPECT_TRUE(paragraphs[11].ends_with("wenn es das dritte Jahr eines 'Hexade' ist.\r\n"));
    EXPECT_EQ(Count(text, "file:///manual.en.html"), 0u);
    EXPECT_EQ(Count(text, kAddresses.leapWeekPage), 1u);
    EXPECT_EQ(Count(text, "yyyy-ddd"), 0u);
}

TEST(HelpText, OnlyEnglishAndGermanHaveAText) {
    const HelpTexts texts = BuildHelpText(kAddresses);
    EXPECT_EQ(texts[0], HelpText(LanguageCode::English, kAddresses));
    EXPECT_EQ(texts[1], HelpText(LanguageCode::German, kAddresses));
    for (size_t slot = 2; slot < texts.size(); ++slot) {
        EXPECT_EQ(texts[slot], "") << slot;
    }
    EXPECT_EQ(HelpText(static_cast<LanguageCode>(9), kAddresses), "");
}

TEST(HelpText, DefaultAddressesAreOurReferencePages) {
    const HelpAddresses addresses = DefaultHelpAddresses("en.html", "de.html");
    EXPECT_EQ(addresses.manualEnglish, "en.html");
    EXPECT_EQ(addresses.manualGerman, "de.html");
    EXPECT_EQ(addresses.calendarArticle, kCalendarArticlePage);
    EXPECT_EQ(addresses.isoWeekReference, kISOWeekDateReference);
    EXPECT_EQ(addresses.leapWeekPage, kLeapWeekCalendarPage);
    for (const std::string_view address :
         {kMakerHomePage, kCalendarArticlePage, kLeapWeekCalendarPage, kISOWeekDateReference}) {
        EXPECT_TRUE(address.starts_with("https://")) << address;
        EXPECT_EQ(address.find(' '), std::string_view::npos) << address;
    }
}

}  // namespace
}  // namespace tembrel
