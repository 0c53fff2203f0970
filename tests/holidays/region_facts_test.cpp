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
    for (const Fact& fact : {
             Fact{"DE", "1989-06-17", true},  {"DE", "1991-06-17", false},
             {"DE", "1989-10-03", false},     {"DE", "1990-10-03", true},
             {"DE", "1994-11-16", true},      {"DE", "1995-11-22", false},
             {"DE-SN", "1995-11-22", true},   {"DE-SN", "2022-11-16", true},
             {"DE", "2017-10-31", true},      {"DE", "2018-10-31", false},
             {"DE-HH", "2017-10-31", true},   {"DE-HH", "2018-10-31", true},
             {"DE-BB", "2022-10-31", true},   {"DE-BY", "2022-10-31", false},
             {"DE-BE", "2018-03-08", false},  {"DE-BE", "2019-03-08", true},
             {"DE-BE", "2020-05-08", true},   {"DE-BE", "2021-05-08", false},
             {"DE-MV", "2022-03-08", false},  {"DE-MV", "2023-03-08", true},
             {"DE-TH", "2019-09-20", true},   {"DE-ST", "2022-01-06", true},
             {"DE-BY", "2022-08-15", true},   {"DE-NW", "2022-06-16", true},
             {"US", "1985-01-21", false},     {"US", "1986-01-20", true},
             {"US", "2020-06-19", false},     {"US", "2021-06-18", true},
             {"US", "2021-12-24", true},      {"US", "2021-12-31", true},
             {"US", "1976-10-25", true},      {"US", "1976-11-11", false},
             {"US", "1940-11-21", true},      {"US", "1940-11-28", false},
             {"GB", "1995-05-01", false},     {"GB", "1995-05-08", true},
             {"GB", "2020-05-04", false},     {"GB", "2020-05-08", true},
             {"GB", "2022-05-30", false},     {"GB", "2022-06-02", true},
             {"GB", "2022-06-03", true},      {"GB", "2022-09-19", true},
             {"GB", "2023-05-08", true},      {"GB", "2021-12-27", true},
             {"GB", "2021-12-28", true},      {"GB", "2022-12-27", true},
             {"GB-SCT", "2022-01-03", true},  {"GB-SCT", "2022-01-04", true},
             {"GB-SCT", "2022-04-18", false}, {"GB-SCT", "2022-08-01", true},
             {"GB-SCT", "2022-08-29", false}, {"GB-SCT", "2025-12-01", true},
             {"GB-NIR", "2022-03-17", true},  {"GB-NIR", "2023-07-12", true},
             {"GB-NIR", "2022-06-03", true},  {"IE", "2022-02-07", false},
             {"IE", "2022-03-18", true},      {"IE", "2023-02-06", true},
             {"IE", "2026-02-02", true},      {"IE", "2030-02-01", true},
             {"IE", "2019-03-18", false},     {"NL", "2025-04-26", true},
             {"NL", "2025-04-27", false},     {"NL", "2006-04-29", true},
             {"NL", "2006-04-30", false},     {"NL", "1978-05-01", true},
             {"NL", "2022-04-15", false},     {"IT", "2000-06-02", false},
             {"IT", "2000-06-04", true},      {"IT", "2001-06-02", true},
             {"IT", "1980-01-06", false},     {"IT", "1986-01-06", true},
             {"FR", "1970-05-08", false},     {"FR", "1982-05-08", true},
             {"CH", "1993-08-01", false},     {"CH", "1994-08-01", true},
             {"CA", "2023-07-03", true},      {"CA", "2020-09-30", false},
             {"CA", "2021-09-30", true},      {"CA", "2022-05-23", true},
             {"AT", "2022-10-26", true},      {"ES", "2022-10-12", true},
             {"BE", "2022-07-21", true},
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
