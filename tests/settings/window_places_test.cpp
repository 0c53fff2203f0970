#include "settings/window_places.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/temp_folder.h"

namespace tembrel {
namespace {

constexpr SavedWindowPlace kPlace{1200, -300, 8400, 9300, false};

// Each line that is not a whole, sensible place is passed over; the last good
// line of the window counts.
TEST(WindowPlaces, ReadsTheLastWellFormedLineOfTheWindow) {
    const std::string text =
        "Other 1 2 3 4 normal\n"
        "AllCalendars 1 2 3 4 normal\r\n"
        "AllCalendars 5 6 7 8 maximized\n"
        "AllCalendars 1 2 0 4 normal\n"           // no width
        "AllCalendars 1 2 3 4 sideways\n"         // no such state
        "AllCalendars 1 2 3 1000000001 normal\n"  // beyond any screen
        "AllCalendars 1 2 3 99999999999999999999 normal\n"
        "AllCalendars 1 2 3 4\n"
        "AllCalendars 1 2 3 4 normal extra\n"
        "AllCalendars 1.5 2 3 4 normal\n"
        "AllCalendarsX 9 9 9 9 normal";
    EXPECT_EQ(WindowPlaceIn(text, "AllCalendars"), (SavedWindowPlace{5, 6, 7, 8, true}));
    EXPECT_EQ(WindowPlaceIn(text, "Other"), (SavedWindowPlace{1, 2, 3, 4, false}));
    EXPECT_FALSE(WindowPlaceIn(text, "Missing").has_value());
    EXPECT_FALSE(WindowPlaceIn("", "AllCalendars").has_value());
}

TEST(WindowPlaces, ReplacesTheWindowsLineAndKeepsTheOthers) {
    const std::string text =
        WithWindowPlace("Other 1 2 3 4 normal\nAllCalendars 5 6 7 8 maximized\nFuture x y\n",
                        "AllCalendars", kPlace);
    EXPECT_EQ(text, "Other 1 2 3 4 normal\nFuture x y\nAllCalendars 1200 -300 8400 9300 normal\n");
    EXPECT_EQ(WindowPlaceIn(text, "AllCalendars"), kPlace);
}

TEST(WindowPlaces, SurviveARunAndADamagedFile) {
    const test_support::TempFolder folder;
    const std::filesystem::path file = folder.path() / kWindowPlacesFileName;
    EXPECT_FALSE(ReadWindowPlace(file, "AllCalendars").has_value());
    ASSERT_TRUE(WriteWindowPlace(file, "AllCalendars", kPlace));
    ASSERT_TRUE(WriteWindowPlace(file, "Other", {1, 2, 3, 4, true}));
    EXPECT_EQ(ReadWindowPlace(file, "AllCalendars"), kPlace);

    // A file beyond the limit is not read, and the next write replaces it.
    folder.Write(kWindowPlacesFileName, std::string(kMaxWindowPlacesFileBytes + 1, 'x'));
    EXPECT_FALSE(ReadWindowPlace(file, "AllCalendars").has_value());
    ASSERT_TRUE(WriteWindowPlace(file, "AllCalendars", kPlace));
    EXPECT_EQ(ReadWindowPlace(file, "AllCalendars"), kPlace);
    EXPECT_FALSE(ReadWindowPlace(file, "Other").has_value());

    // Without a folder nothing is read or written.
    EXPECT_FALSE(WriteWindowPlace(folder.path() / "missing" / "windows.usr", "A", kPlace));
    EXPECT_FALSE(WriteWindowPlace({}, "A", kPlace));
    EXPECT_FALSE(ReadWindowPlace({}, "A").has_value());
}

}  // namespace
}  // namespace tembrel
