// The shipped holiday rules against the law of each region, on the days where
// it changed: first and last years, one-off days, moves of weekend holidays.
#include <gtest/gtest.h>

#include <string>

#include "holidays/civil_days.h"
#include "holidays/holiday_data_file.h"
#include "holidays/holiday_list.h"
#include "holidays/text_scan.h"

namespace tembrel::holidays {
namespace {

class RegionFacts : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        FileError error;
        data_ = LoadHolidayData(TEMBREL_HOLIDAY_DATA_FILE, error);
        ASSERT_TRUE(data_.has_value()) << DescribeFileError(error, NameLanguage::English);
    }

    // Returns the English names of the region's holidays on a day (yyyy-mm-dd).
    static std::vector<std::string> NamesOn(const std::string& code, const std::string& day) {
        const IsoDate date = ReadIsoDate(day).value();
        const int64_t jdn = GregorianDay(date.year, date.month, date.day);
        std::vector<std::string> names;
        for (const NamedHoliday& holiday :
             ListHolidays({data_->ResolveRegion(*data_->FindRegion(code))}, {}, jdn, jdn)) {
            names.push_back(holiday.name.english);
        }
        return names;
    }

    static inline std::optional<HolidayData> data_;
};

TEST_F(RegionFacts, HolidaysInTheYearsTheyWereLaw) {
    struct Fact {
        const char* region;
        const char* day;
        bool holiday;
    };
    // Days from 1990 to 2030 where references disagree are checked against
    // workalendar by reference_check.py; these are the earlier years, Scotland,
    // and the moves.
    for (const Fact& fact : {
             Fact{"DE", "1989-06-17", true}, {"DE", "1991-06-17", false},
             {"DE", "1989-10-03", false},    {"DE", "1990-10-03", true},
             {"DE", "1995-11-22", false},    {"DE-SN", "1995-11-22", true},
             {"DE", "2017-10-31", true},     {"DE", "2018-10-31", false},
             {"DE-HH", "2018-10-31", true},  {"DE-BY", "2022-10-31", false},
             {"DE-BE", "2018-03-08", false}, {"DE-BE", "2019-03-08", true},
             {"US", "1985-01-21", false},    {"US", "1986-01-20", true},
             {"US", "2021-12-24", true},     {"US", "2021-12-31", true},
             {"US", "1976-10-25", true},     {"US", "1976-11-11", false},
             {"US", "1940-11-21", true},     {"US", "1940-11-28", false},
             {"GB", "2020-05-04", false},    {"GB", "2020-05-08", true},
             {"GB", "2022-05-30", false},    {"GB", "2021-12-28", true},
             {"GB", "2022-12-27", true},     {"GB-SCT", "2022-01-03", true},
             {"GB-SCT", "2022-01-04", true}, {"GB-SCT", "2022-04-18", false},
             {"GB-SCT", "2022-08-01", true}, {"GB-SCT", "2022-08-29", false},
             {"GB-SCT", "2025-12-01", true}, {"GB-NIR", "2023-07-12", true},
             {"NL", "2025-04-26", true},     {"NL", "2025-04-27", false},
             {"NL", "2006-04-29", true},     {"NL", "1978-05-01", true},
             {"IT", "1980-01-06", false},    {"IT", "2000-06-04", true},
             {"FR", "1970-05-08", false},    {"FR", "1982-05-08", true},
             {"CA", "2023-07-03", true},     {"CA", "2022-05-23", true},
         }) {
        EXPECT_EQ(!NamesOn(fact.region, fact.day).empty(), fact.holiday)
            << fact.region << " " << fact.day;
    }
}

TEST_F(RegionFacts, NamesOfObservedAndSharedDays) {
    EXPECT_EQ(NamesOn("US", "2021-12-31"), std::vector<std::string>{"New Year's Day (observed)"});
    EXPECT_EQ(NamesOn("GB", "2022-12-27"), std::vector<std::string>{"Christmas Day (observed)"});
    EXPECT_EQ(NamesOn("NL", "2025-04-26"), std::vector<std::string>{"King's Day"})
        << "a holiday that moves keeps its plain name";
    EXPECT_EQ(NamesOn("DE", "2008-05-01"),
              (std::vector<std::string>{"Labour Day", "Ascension Day"}))
        << "two holidays on one day are both listed";
    EXPECT_EQ(NamesOn("DE-SN", "2017-10-31"), std::vector<std::string>{"Reformation Day"})
        << "the same holiday from the state and the nation once";
    const std::vector<NamedHoliday> german =
        ListHolidays({data_->ResolveRegion(*data_->FindRegion("DE-BY"))}, {}, 2459900, 2459900);
    ASSERT_EQ(german.size(), 0U) << "2022-11-16 is no holiday in Bavaria";
}

}  // namespace
}  // namespace tembrel::holidays
