#include "text/notation_names.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/notation_table.h"

namespace tembrel {
namespace {

// Every notation a user can choose has a name of its own in both languages: a
// row of the text table given to two notations, or a German name left out,
// shows here.
TEST(NotationName, NamesEveryListedNotationApartInEnglishAndGerman) {
    for (const LanguageCode language : {LanguageCode::English, LanguageCode::German}) {
        std::set<std::string_view> names;
        for (const NotationRow& row : Notations()) {
            if (row.listed) {
                EXPECT_TRUE(names.insert(NotationName(row.code, language)).second)
                    << CalCodeText(row.code) << ": " << NotationName(row.code, language);
            }
        }
    }
    EXPECT_EQ(NotationName(CalendarCode::CE, LanguageCode::English), "Common Era date");
    EXPECT_EQ(NotationName(CalendarCode::JDN, LanguageCode::German), "Julianische Tageszahl");
    EXPECT_EQ(NotationName(CalendarCode::HEB, LanguageCode::German), "Hebräisch");
    EXPECT_EQ(NotationName(CalendarCode::HEB, LanguageCode::Spanish), "Hebrew");
    EXPECT_EQ(NotationName(CalendarCode::AN, LanguageCode::English), "AN");
}

}  // namespace
}  // namespace tembrel
