#include "holidays/ical_file.h"

#include <libical/ical.h>

#include <memory>
#include <string>
#include <vector>

#include "holidays/civil_days.h"
#include "holidays/rule_dates.h"
#include "holidays/text_scan.h"

namespace tembrel::holidays {

namespace {

constexpr int32_t kMaxSingleEventDays = 3653;  // ten years
constexpr int32_t kMaxYearlyEventDays = kMaxDateOffset + 1;

struct ComponentDeleter {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using ComponentPtr = std::unique_ptr<icalcomponent, ComponentDeleter>;

// A problem of one event; the caller adds the file and the event's line.
struct EventProblem {
    FileProblem problem;
    std::string detail;
};

bool IsListEmpty(const short* values) {
    return values[0] == ICAL_RECURRENCE_ARRAY_MAX;
}

int ListLength(const short* values, int capacity) {
    int length = 0;
    while (length < capacity && values[length] != ICAL_RECURRENCE_ARRAY_MAX) {
        ++length;
    }
    return length;
}

std::string ValueText(const icalproperty* property) {
    const char* text = icalproperty_get_value_as_string(property);
    return text != nullptr ? text : "";
}

// Returns the line number of every BEGIN:VEVENT in the text, in order.
std::vector<int32_t> EventLines(std::string_view bytes) {
    std::vector<int32_t> lines;
    for (int32_t lineNumber = 1; !bytes.empty(); ++lineNumber) {
        if (EqualsIgnoringCase(TrimBlanks(TakeLine(bytes)), "BEGIN:VEVENT")) {
            lines.push_back(lineNumber);
        }
    }
    return lines;
}

std::optional<int64_t> DayOf(const icaltimetype& time) {
    if (icaltime_is_null_time(time) || time.year < kFirstRuleYear || time.year > kLastRuleYear) {
        return std::nullopt;
    }
    return GregorianDay(time.year, time.month, time.day);
}

class EventReader {
  public:
    explicit EventReader(UserHolidays& holidays) : holidays_(holidays) {}

    std::optional<EventProblem> Read(icalcomponent* event) {
        if (icalcomponent_get_status(event) == ICAL_STATUS_CANCELLED) {
            return std::nullopt;
        }
        const char* summary = icalcomponent_get_summary(event);
        name_ = summary != nullptr ? summary : "";
        const icaltimetype start = icalcomponent_get_dtstart(event);
        const std::optional<int64_t> first = DayOf(start);
        if (!first) {
            return EventProblem{FileProblem::NotCalendar, "DTSTART"};
        }
        if (!start.is_date) {
            return EventProblem{FileProblem::TimedEvent, name_};
        }
        if (std::optional<EventProblem> problem = ReadLength(event, *first)) {
            return problem;
        }
        for (const icalproperty_kind refused : {ICAL_EXDATE_PROPERTY, ICAL_RECURRENCEID_PROPERTY}) {
            if (icalcomponent_get_first_property(event, refused) != nullptr) {
                return EventProblem{FileProblem::Unsupported,
                                    std::string(icalproperty_kind_to_string(refused))};
            }
        }
        for (icalproperty* rdate = icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY);
             rdate != nullptr;
             rdate = icalcomponent_get_next_property(event, ICAL_RDATE_PROPERTY)) {
            const icaltimetype time = icalproperty_get_rdate(rdate).time;
            const std::optional<int64_t> day = DayOf(time);
            if (!day || !time.is_date) {
                return EventProblem{FileProblem::Unsupported, "RDATE:" + ValueText(rdate)};
            }
            AddSingle(*day);
        }
        icalproperty* rrule = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY);
        if (rrule == nullptr) {
            AddSingle(*first);
            return std::nullopt;
        }
        if (icalcomponent_get_next_property(event, ICAL_RRULE_PROPERTY) != nullptr) {
            return EventProblem{FileProblem::Unsupported, "RRULE (more than one)"};
        }
        return ReadYearly(icalproperty_get_rrule(rrule), start, *first,
                          "RRULE:" + ValueText(rrule));
    }

  private:
    std::optional<EventProblem> ReadLength(icalcomponent* event, int64_t first) {
        days_ = 1;
        if (icalproperty* end = icalcomponent_get_first_property(event, ICAL_DTEND_PROPERTY)) {
            const icaltimetype endTime = icalproperty_get_dtend(end);
            const std::optional<int64_t> last = DayOf(endTime);
            if (!last) {
                return EventProblem{FileProblem::NotCalendar, "DTEND"};
            }
            if (!endTime.is_date) {
                return EventProblem{FileProblem::TimedEvent, name_};
            }
            days_ = std::max<int64_t>(*last - first, 1);  // DTEND is the day after the event
        } else if (icalproperty* length =
                       icalcomponent_get_first_property(event, ICAL_DURATION_PROPERTY)) {
            const icaldurationtype duration = icalproperty_get_duration(length);
            if (duration.hours != 0 || duration.minutes != 0 || duration.seconds != 0) {
                return EventProblem{FileProblem::TimedEvent, name_};
            }
            if (duration.is_neg != 0) {
                return EventProblem{FileProblem::Unsupported, "DURATION:" + ValueText(length)};
            }
            days_ = std::max<int64_t>(int64_t{duration.days} + 7 * int64_t{duration.weeks}, 1);
        }
        if (days_ > kMaxSingleEventDays) {
            return EventProblem{FileProblem::EventTooLong, name_};
        }
        return std::nullopt;
    }

    void AddSingle(int64_t first) {
        for (int64_t day = first; day < first + days_; ++day) {
            holidays_.days.push_back({static_cast<int32_t>(day), name_});
        }
    }

    std::optional<EventProblem> ReadYearly(const icalrecurrencetype& rule,
                                           const icaltimetype& start, int64_t first,
                                           const std::string& text) {
        const auto refuse = [&] { return EventProblem{FileProblem::Unsupported, text}; };
        if (rule.freq != ICAL_YEARLY_RECURRENCE || rule.interval != 1 || rule.rscale != nullptr ||
            !IsListEmpty(rule.by_second) || !IsListEmpty(rule.by_minute) ||
            !IsListEmpty(rule.by_hour) || !IsListEmpty(rule.by_year_day) ||
            !IsListEmpty(rule.by_week_no) || !IsListEmpty(rule.by_set_pos) ||
            ListLength(rule.by_month, ICAL_BY_MONTH_SIZE) > 1 ||
            ListLength(rule.by_month_day, ICAL_BY_MONTHDAY_SIZE) > 1 ||
            ListLength(rule.by_day, ICAL_BY_DAY_SIZE) > 1) {
            return refuse();
        }
        if (days_ > kMaxYearlyEventDays) {
            return EventProblem{FileProblem::EventTooLong, name_};
        }
        HolidayRule yearly;
        yearly.anchor = RuleAnchor::Date;
        int month = start.month;
        if (!IsListEmpty(rule.by_month)) {
            if (icalrecurrencetype_month_is_leap(rule.by_month[0]) != 0) {
                return refuse();
            }
            month = icalrecurrencetype_month_month(rule.by_month[0]);
        }
        int day = start.day;
        if (!IsListEmpty(rule.by_month_day)) {
            day = rule.by_month_day[0];
        }
        if (month < 1 || month > 12 || day < 1 || day > DaysInGregorianMonth(2000, month)) {
            return refuse();
        }
        yearly.month = static_cast<int8_t>(month);
        yearly.day = static_cast<int8_t>(day);
        if (!IsListEmpty(rule.by_day)) {
            const int position = icalrecurrencetype_day_position(rule.by_day[0]);
            if (IsListEmpty(rule.by_month) || !IsListEmpty(rule.by_month_day) || position == 0 ||
                position < -1 || position > 4) {
                return refuse();
            }
            yearly.anchor = position == -1 ? RuleAnchor::LastWeekday : RuleAnchor::NthWeekday;
            yearly.nth = static_cast<int8_t>(position == -1 ? 1 : position);
            yearly.weekday =
                static_cast<int8_t>(icalrecurrencetype_day_day_of_week(rule.by_day[0]) - 1);
        }
        const bool leapDay = yearly.anchor == RuleAnchor::Date && month == 2 && day == 29;
        if (leapDay && rule.count > 0) {
            return refuse();  // the count would skip the common years
        }
        // The event's own start is always an occurrence, whether or not the rule
        // gives it; the rule's dates count from the start on.
        std::vector<int64_t> dates;
        AppendRuleDates(yearly, start.year, dates);
        const bool startIsRuleDate = !dates.empty() && dates.front() == first;
        if (!startIsRuleDate) {
            AddSingle(first);
        }
        int64_t firstYear = start.year;
        if (dates.empty() || dates.front() < first) {
            ++firstYear;
        }
        int64_t lastYear = kOpenEnd;
        if (rule.count > 0) {
            lastYear = firstYear + rule.count - (startIsRuleDate ? 1 : 2);
        } else if (const std::optional<int64_t> until = DayOf(rule.until)) {
            dates.clear();
            AppendRuleDates(yearly, rule.until.year, dates);
            lastYear = rule.until.year - (dates.empty() || dates.front() > *until ? 1 : 0);
        }
        if (lastYear < firstYear) {
            return std::nullopt;
        }
        yearly.years = {{static_cast<int32_t>(firstYear),
                         lastYear > kLastRuleYear ? kOpenEnd : static_cast<int32_t>(lastYear)}};
        for (int64_t offset = 0; offset < days_; ++offset) {
            yearly.offset = static_cast<int16_t>(offset);
            holidays_.yearly.rules.push_back(yearly);
            holidays_.yearly.names.push_back({name_, name_});
        }
        return std::nullopt;
    }

    UserHolidays& holidays_;
    std::string name_;
    int64_t days_ = 1;
};

}  // namespace

std::optional<UserHolidays> ParseIcsFile(std::string_view bytes, std::string_view fileName,
                                         FileError& error) {
    error = {std::string(fileName), 0, FileProblem::NotCalendar, ""};
    icalerror_set_errors_are_fatal(0);
    const std::string text(bytes);
    const ComponentPtr root(icalparser_parse_string(text.c_str()));
    if (root == nullptr) {
        return std::nullopt;
    }
    std::vector<icalcomponent*> calendars;
    if (icalcomponent_isa(root.get()) == ICAL_VCALENDAR_COMPONENT) {
        calendars.push_back(root.get());
    } else if (icalcomponent_isa(root.get()) == ICAL_XROOT_COMPONENT) {
        for (icalcomponent* calendar =
                 icalcomponent_get_first_component(root.get(), ICAL_VCALENDAR_COMPONENT);
             calendar != nullptr;
             calendar = icalcomponent_get_next_component(root.get(), ICAL_VCALENDAR_COMPONENT)) {
            calendars.push_back(calendar);
        }
    }
    if (calendars.empty()) {
        return std::nullopt;
    }
    const std::vector<int32_t> lines = EventLines(bytes);
    UserHolidays holidays;
    holidays.yearly.code = fileName;
    EventReader reader(holidays);
    size_t eventIndex = 0;
    for (icalcomponent* calendar : calendars) {
        for (icalcomponent* event =
                 icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
             event != nullptr;
             event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT),
                            ++eventIndex) {
            if (std::optional<EventProblem> problem = reader.Read(event)) {
                error.line = eventIndex < lines.size() ? lines[eventIndex] : 0;
                error.problem = problem->problem;
                error.detail = problem->detail;
                return std::nullopt;
            }
        }
    }
    return holidays;
}

}  // namespace tembrel::holidays
