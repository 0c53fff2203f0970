// A small program that answers questions about holidays and working days, one
// per line on standard input, so that reference_check.py can compare the
// holidays library with references written elsewhere. Day numbers are Julian
// day numbers.
//
//   easter <year>
//       <Western Easter jdn> <Orthodox Easter jdn of the Julian year of that number>
//   holidays <REGION[,REGION...]> <year>
//       one line per holiday: <jdn> <TAB> <English name>, then "."
//   calendar <weekend> <REGION,...|-> <holiday file|-> <workday file|->
//       makes this the work calendar of the questions below; answers "ok"
//   count <a> <b>              the working days in (a, b]
//   working <jdn>              1 or 0
//   between <j1> <j2> <0|1>    days between, working days only, first date counted or not
//   second <j1> <d> <0|1>      the second date of j1 plus d working days, or "none"
//   first <j2> <d> <0|1>       the first date of j2 minus d working days, or "none"
//
// Usage: holidays_probe <holidays.dat>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "holidays/civil_days.h"
#include "holidays/easter.h"
#include "holidays/holiday_data_file.h"
#include "holidays/holiday_list.h"
#include "holidays/working_day_rules.h"

namespace {

using namespace tembrel::holidays;

std::vector<std::string> SplitCommas(const std::string& text) {
    std::vector<std::string> items;
    std::stringstream stream(text);
    for (std::string item; std::getline(stream, item, ',');) {
        items.push_back(item);
    }
    return items;
}

bool ResolveRegions(const HolidayData& data, const std::string& codes,
                    std::vector<RegionRules>& regions) {
    if (codes == "-") {
        return true;
    }
    for (const std::string& code : SplitCommas(codes)) {
        const RegionEntry* region = data.FindRegion(code);
        if (region == nullptr) {
            std::cerr << "unknown region " << code << "\n";
            return false;
        }
        regions.push_back(data.ResolveRegion(*region));
    }
    return true;
}

std::string Answer(std::optional<int32_t> jdn) {
    return jdn ? std::to_string(*jdn) : "none";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: holidays_probe <holidays.dat>\n";
        return 2;
    }
    FileError error;
    const std::optional<HolidayData> data = LoadHolidayData(argv[1], error);
    if (!data) {
        std::cerr << DescribeFileError(error, NameLanguage::English) << "\n";
        return 3;
    }
    WorkCalendar calendar;
    for (std::string line; std::getline(std::cin, line);) {
        std::istringstream words(line);
        std::string command;
        words >> command;
        if (command == "easter") {
            int64_t year = 0;
            words >> year;
            std::cout << WesternEaster(year) << " " << OrthodoxEasterOfJulianYear(year) << "\n";
        } else if (command == "holidays") {
            std::string codes;
            int64_t year = 0;
            words >> codes >> year;
            std::vector<RegionRules> regions;
            if (!ResolveRegions(*data, codes, regions)) {
                return 2;
            }
            const int64_t first = GregorianDay(year, 1, 1);
            for (const NamedHoliday& holiday :
                 ListHolidays(regions, {}, first, GregorianDay(year + 1, 1, 1) - 1)) {
                std::cout << holiday.jdn << "\t" << holiday.name.english << "\n";
            }
            std::cout << ".\n";
        } else if (command == "calendar") {
            std::string weekendText, codes, holidayFile, workdayFile;
            words >> weekendText >> codes >> holidayFile >> workdayFile;
            const std::optional<Weekend> weekend = ParseWeekend(weekendText);
            std::vector<RegionRules> regions;
            if (!weekend || !ResolveRegions(*data, codes, regions)) {
                return 2;
            }
            std::vector<UserDay> holidays;
            std::vector<UserDay> workdays;
            if (holidayFile != "-") {
                std::optional<UserHolidays> loaded = LoadHolidayFile(holidayFile, error);
                if (!loaded) {
                    std::cerr << DescribeFileError(error, NameLanguage::English) << "\n";
                    return 2;
                }
                holidays = std::move(loaded->days);
                regions.push_back(std::move(loaded->yearly));
            }
            if (workdayFile != "-") {
                std::optional<std::vector<UserDay>> loaded = LoadWorkdayFile(workdayFile, error);
                if (!loaded) {
                    std::cerr << DescribeFileError(error, NameLanguage::English) << "\n";
                    return 2;
                }
                workdays = std::move(*loaded);
            }
            calendar = WorkCalendar(*weekend, std::move(regions), std::move(holidays),
                                    std::move(workdays));
            std::cout << "ok\n";
        } else if (command == "count") {
            int64_t a = 0, b = 0;
            words >> a >> b;
            std::cout << calendar.CountWorkingDays(a, b) << "\n";
        } else if (command == "working") {
            int64_t jdn = 0;
            words >> jdn;
            std::cout << (calendar.IsWorkingDay(jdn) ? 1 : 0) << "\n";
        } else if (command == "between" || command == "second" || command == "first") {
            int32_t a = 0, b = 0;
            int first = 0;
            words >> a >> b >> first;
            const CountOptions options{true, first != 0};
            if (command == "between") {
                std::cout << Answer(CountDaysBetween(calendar, a, b, options)) << "\n";
            } else if (command == "second") {
                std::cout << Answer(SecondDateFrom(calendar, a, b, options)) << "\n";
            } else {
                std::cout << Answer(FirstDateFrom(calendar, a, b, options)) << "\n";
            }
        } else if (!command.empty()) {
            std::cerr << "unknown command " << command << "\n";
            return 2;
        }
        std::cout.flush();
    }
    return 0;
}
