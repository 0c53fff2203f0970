#include "core/notation_table.h"

#include <array>
#include <optional>

#include "core/calendar_binding.h"
#include "core/calendars/bahai.h"
#include "core/calendars/calendar_text.h"
#include "core/calendars/chinese.h"
#include "core/calendars/day_count_text.h"
#include "core/calendars/french_republican.h"
#include "core/calendars/hebrew.h"
#include "core/calendars/indian_national.h"
#include "core/calendars/islamic.h"
#include "core/calendars/maya.h"
#include "core/calendars/persian.h"
#include "core/calendars/revised_julian.h"
#include "core/calendars/thirty_day_months.h"
#include "core/date_formatting.h"
#include "core/date_parsing.h"
#include "core/iso_week.h"
#include "core/leap_week.h"
#include "core/whole_number.h"

namespace tembrel {

namespace {

// The answer of a reader that returns the three-way status of the date parsers.
constexpr ParsedDay DayOfStatus(int status, int32_t jdn) {
    return {static_cast<ParseStatus>(status), jdn};
}
static_assert(static_cast<int>(ParseStatus::Valid) == kParseValid &&
              static_cast<int>(ParseStatus::Invalid) == kParseInvalid &&
              static_cast<int>(ParseStatus::OutOfRange) == kParseOutOfRange);

constexpr JdnRange kEveryDay{};
constexpr JdnRange kNoDay{1, 0};
constexpr JdnRange kOrdinalDays{kFirstJDNOfCE1, kLastJDNOfCE9999};

// ---- The notations of the calendar library and of the main window ----

// Common Era, Julian and Revar Overe dates, and the library's leap week
// notation, which the library reads as invalid and cannot write.
template <CalendarCode kCal>
struct LibraryForm {
    static ParsedDay Read(std::string_view text, const NotationOptions& options, CalDate& record) {
        const int status = ParseDateText(text, options.dateSep, kCal, options.order, record);
        return DayOfStatus(status, record.jdn);
    }
    static bool Append(int32_t jdn, const NotationOptions& options, TextAppender& out) {
        if constexpr (kCal == CalendarCode::NLW) {
            return false;
        }
        CalDate date{};
        SetCalendarMarker(kCal, date);
        date.jdn = jdn;
        JDNToCalDate(date);
        AppendDateText(out, date, options.order, options.dateSep, options.thousSep);
        return true;
    }
};

struct JulianDayNumberForm {
    static ParsedDay Read(std::string_view text, const NotationOptions&, CalDate&) {
        const ParsedWholeNumber number = ParseWholeNumber(text);
        return {number.status, number.value};
    }
    static bool Append(int32_t jdn, const NotationOptions& options, TextAppender& out) {
        AppendWholeNumber(out, jdn, options.thousSep);
        return true;
    }
};

struct OrdinalForm {
    static ParsedDay Read(std::string_view text, const NotationOptions& options, CalDate& record) {
        const int status = ParseOrdinalDate(text, options.hyphen, record);
        return DayOfStatus(status, record.jdn);
    }
    static bool Append(int32_t jdn, const NotationOptions& options, TextAppender& out) {
        if (!kOrdinalDays.Contains(jdn)) {
            return false;
        }
        const CalDate date = CalDateOfJDN(jdn, kMarkerGregorian);
        AppendOrdinalDate(out, date, DayOfYear(date), options.hyphen);
        return true;
    }
};

struct ISOWeekForm {
    static ParsedDay Read(std::string_view text, const NotationOptions&, CalDate&) {
        ISOWeekDate week;
        const int status = ParseISOWeekDate(text, week);
        return DayOfStatus(status, week.jdn);
    }
    static bool Append(int32_t jdn, const NotationOptions& options, TextAppender& out) {
        ISOWeekDate week;
        week.jdn = jdn;
        JDNToISOWeekDate(week);
        AppendISOWeekDate(out, week, options.hyphen);
        return true;
    }
};

struct LeapWeekWeekForm {
    static ParsedDay Read(std::string_view text, const NotationOptions&, CalDate&) {
        LeapWeekDate leap;
        const int status = ParseLPWDate(text, leap);
        return DayOfStatus(status, leap.jdn);
    }
    static bool Append(int32_t jdn, const NotationOptions&, TextAppender& out) {
        LeapWeekDate leap;
        leap.jdn = jdn;
        JDNToLPM(leap);
        AppendLPWDate(out, leap, false);
        return true;
    }
};

struct LeapWeekMonthForm {
    // The year, month and day stay as typed (month 0 and day 0 count back), so
    // that month arithmetic starts from them.
    static ParsedDay Read(std::string_view text, const NotationOptions&, CalDate& record) {
        LeapWeekDate leap;
        const int status = ParseLPMDate(text, leap);
        if (status == kParseValid) {
            record.year = leap.year;
            record.month = leap.month;
            record.day = leap.day;
            record.jdn = leap.jdn;
        }
        return DayOfStatus(status, leap.jdn);
    }
    static bool Append(int32_t jdn, const NotationOptions&, TextAppender& out) {
        LeapWeekDate leap;
        leap.jdn = jdn;
        JDNToLPM(leap);
        AppendLPMDate(out, leap, false);
        return true;
    }
};

// ---- The world's calendars and day counts ----

// The text form of a calendar of years, months and days that has a date for
// every day.
template <YmdDate (*kOfJdn)(int32_t), JdnResult (*kToJdn)(const YmdDate&)>
struct YmdForm {
    static ParsedDay Read(std::string_view text, const NotationOptions& options, CalDate&) {
        return ReadYmdText(text, options, kToJdn);
    }
    static bool Append(int32_t jdn, const NotationOptions& options, TextAppender& out) {
        AppendYmdText(kOfJdn(jdn), options, out);
        return true;
    }
};

struct BahaiForm {
    static ParsedDay Read(std::string_view text, const NotationOptions& options, CalDate&) {
        return ReadYmdText(text, options, BahaiDateToJdn);
    }
    static bool Append(int32_t jdn, const NotationOptions& options, TextAppender& out) {
        const std::optional<YmdDate> date = BahaiDateOfJdn(jdn);
        if (date) {
            AppendYmdText(*date, options, out);
        }
        return date.has_value();
    }
};

struct MayaForm {
    static ParsedDay Read(std::string_view text, const NotationOptions&, CalDate&) {
        return ReadMayaText(text);
    }
    static bool Append(int32_t jdn, const NotationOptions&, TextAppender& out) {
        AppendMayaText(MayaLongCountOfJdn(jdn), out);
        return true;
    }
};

struct ChineseForm {
    static ParsedDay Read(std::string_view text, const NotationOptions& options, CalDate&) {
        return ReadChineseText(text, options);
    }
    static bool Append(int32_t jdn, const NotationOptions& options, TextAppender& out) {
        const std::optional<ChineseDate> date = ChineseDateOfJdn(jdn);
        if (date) {
            AppendChineseText(*date, options, out);
        }
        return date.has_value();
    }
};

template <DayCount kCount>
struct DayCountForm {
    static ParsedDay Read(std::string_view text, const NotationOptions&, CalDate&) {
        return ReadDayCountText(text, kCount);
    }
    static bool Append(int32_t jdn, const NotationOptions& options, TextAppender& out) {
        AppendDayCountText(jdn, kCount, options, out);
        return true;
    }
};

using HebrewForm = YmdForm<HebrewDateOfJdn, HebrewDateToJdn>;
using IslamicForm = YmdForm<IslamicDateOfJdn, IslamicDateToJdn>;
using PersianForm = YmdForm<PersianDateOfJdn, PersianDateToJdn>;
using CopticForm = YmdForm<CopticDateOfJdn, CopticDateToJdn>;
using EthiopianForm = YmdForm<EthiopianDateOfJdn, EthiopianDateToJdn>;
using IndianForm = YmdForm<IndianNationalDateOfJdn, IndianNationalDateToJdn>;
using RevisedJulianForm = YmdForm<RevisedJulianDateOfJdn, RevisedJulianDateToJdn>;
using EgyptianForm = YmdForm<EgyptianDateOfJdn, EgyptianDateToJdn>;
using ArmenianForm = YmdForm<ArmenianDateOfJdn, ArmenianDateToJdn>;
using FrenchForm = YmdForm<FrenchRepublicanDateOfJdn, FrenchRepublicanDateToJdn>;

// A row of a notation whose form reads with Form::Read and writes with
// Form::Append: one of the calendar library or the main window, whose names are
// in the text table, or one of the world's calendars with its names.
template <typename Form>
constexpr NotationRow Row(CalendarCode code, JdnRange writable = kEveryDay) {
    return {code, {}, {}, Form::Read, Form::Append, writable};
}

template <typename Form>
constexpr NotationRow Row(CalendarCode code, std::string_view english, std::string_view german,
                          JdnRange writable = kEveryDay) {
    return {code, english, german, Form::Read, Form::Append, writable};
}

constexpr NotationRow WithMonths(NotationRow row) {
    row.monthArithmetic = true;
    return row;
}

constexpr NotationRow Unlisted(NotationRow row) {
    row.listed = false;
    return row;
}

using C = CalendarCode;

}  // namespace

constinit const std::array<NotationRow, kCalendarCodeCount> kNotationRows = {
    WithMonths(Row<LibraryForm<C::CE>>(C::CE)),
    WithMonths(Row<LibraryForm<C::JC>>(C::JC)),
    Row<JulianDayNumberForm>(C::JDN),
    Unlisted(Row<LibraryForm<C::AN>>(C::AN)),
    Row<OrdinalForm>(C::ORD, kOrdinalDays),
    Unlisted(Row<LibraryForm<C::NLW>>(C::NLW, kNoDay)),
    Row<ISOWeekForm>(C::ISO),
    Row<LeapWeekWeekForm>(C::LPW),
    WithMonths(Row<LeapWeekMonthForm>(C::LPM)),
    Row<HebrewForm>(C::HEB, "Hebrew", "Hebräisch"),
    Row<IslamicForm>(C::ISL, "Islamic (tabular)", "Islamisch (tabellarisch)"),
    Row<PersianForm>(C::PER, "Persian", "Persisch"),
    Row<CopticForm>(C::COP, "Coptic", "Koptisch"),
    Row<EthiopianForm>(C::ETH, "Ethiopian", "Äthiopisch"),
    Row<IndianForm>(C::IND, "Indian national", "Indischer Nationalkalender"),
    Row<RevisedJulianForm>(C::RJ, "Revised Julian", "Revidierter julianischer Kalender"),
    Row<EgyptianForm>(C::EGY, "Egyptian", "Ägyptisch"),
    Row<ArmenianForm>(C::ARM, "Armenian", "Armenisch"),
    Row<FrenchForm>(C::FRE, "French Republican", "Französischer Revolutionskalender"),
    Row<BahaiForm>(C::BAH, "Bahá'í", "Bahai", JdnRange{kMinJDN, kLastBahaiJdn}),
    Row<MayaForm>(C::MAY, "Maya long count", "Lange Zählung der Maya"),
    Row<ChineseForm>(C::CHN, "Chinese", "Chinesisch", JdnRange{kFirstChineseJdn, kLastChineseJdn}),
    Row<DayCountForm<DayCount::MJD>>(C::MJD, "Modified Julian day",
                                     "Modifiziertes julianisches Datum"),
    Row<DayCountForm<DayCount::RD>>(C::RD, "Rata die", "Rata die"),
    Row<DayCountForm<DayCount::LIL>>(C::LIL, "Lilian day", "Lilianischer Tag"),
    Row<DayCountForm<DayCount::UNX>>(C::UNX, "Unix time", "Unixzeit"),
    Row<DayCountForm<DayCount::XLS>>(C::XLS, "Spreadsheet serial date",
                                     "Serielles Datum der Tabellenkalkulation"),
};

std::vector<CalendarCode> ListedNotations() {
    std::vector<CalendarCode> codes;
    for (const NotationRow& row : kNotationRows) {
        if (row.listed) {
            codes.push_back(row.code);
        }
    }
    return codes;
}

}  // namespace tembrel
