#include "core/calendars/world_calendars.h"

#include <array>
#include <optional>

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

namespace tembrel {

namespace {

// The text form of a calendar of years, months and days that has a date for
// every day.
template <YmdDate (*kOfJdn)(int32_t), JdnResult (*kToJdn)(const YmdDate&)>
struct YmdForm {
    static ParsedDay Parse(std::string_view text, const NotationOptions& options) {
        return ReadYmdText(text, options, kToJdn);
    }
    static bool Append(int32_t jdn, const NotationOptions& options, TextAppender& out) {
        AppendYmdText(kOfJdn(jdn), options, out);
        return true;
    }
};

ParsedDay ParseBahai(std::string_view text, const NotationOptions& options) {
    return ReadYmdText(text, options, BahaiDateToJdn);
}

bool AppendBahai(int32_t jdn, const NotationOptions& options, TextAppender& out) {
    const std::optional<YmdDate> date = BahaiDateOfJdn(jdn);
    if (date) {
        AppendYmdText(*date, options, out);
    }
    return date.has_value();
}

ParsedDay ParseMaya(std::string_view text, const NotationOptions&) {
    return ReadMayaText(text);
}

bool AppendMaya(int32_t jdn, const NotationOptions&, TextAppender& out) {
    AppendMayaText(MayaLongCountOfJdn(jdn), out);
    return true;
}

bool AppendChinese(int32_t jdn, const NotationOptions& options, TextAppender& out) {
    const std::optional<ChineseDate> date = ChineseDateOfJdn(jdn);
    if (date) {
        AppendChineseText(*date, options, out);
    }
    return date.has_value();
}

template <DayCount kCount>
struct DayCountForm {
    static ParsedDay Parse(std::string_view text, const NotationOptions&) {
        return ReadDayCountText(text, kCount);
    }
    static bool Append(int32_t jdn, const NotationOptions& options, TextAppender& out) {
        AppendDayCountText(jdn, kCount, options, out);
        return true;
    }
};

template <typename Form>
constexpr CalendarForm Row(std::string_view code, std::string_view english,
                           std::string_view german) {
    return {code, english, german, Form::Parse, Form::Append};
}

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

constexpr std::array kWorldCalendars = {
    Row<HebrewForm>("HEB", "Hebrew", "Hebräisch"),
    Row<IslamicForm>("ISL", "Islamic (tabular)", "Islamisch (tabellarisch)"),
    Row<PersianForm>("PER", "Persian", "Persisch"),
    Row<CopticForm>("COP", "Coptic", "Koptisch"),
    Row<EthiopianForm>("ETH", "Ethiopian", "Äthiopisch"),
    Row<IndianForm>("IND", "Indian national", "Indischer Nationalkalender"),
    Row<RevisedJulianForm>("RJ", "Revised Julian", "Revidierter julianischer Kalender"),
    Row<EgyptianForm>("EGY", "Egyptian", "Ägyptisch"),
    Row<ArmenianForm>("ARM", "Armenian", "Armenisch"),
    Row<FrenchForm>("FRE", "French Republican", "Französischer Revolutionskalender"),
    CalendarForm{"BAH", "Bahá'í", "Bahai", ParseBahai, AppendBahai},
    CalendarForm{"MAY", "Maya long count", "Lange Zählung der Maya", ParseMaya, AppendMaya},
    CalendarForm{"CHN", "Chinese", "Chinesisch", ReadChineseText, AppendChinese},
    Row<DayCountForm<DayCount::MJD>>("MJD", "Modified Julian day",
                                     "Modifiziertes julianisches Datum"),
    Row<DayCountForm<DayCount::RD>>("RD", "Rata die", "Rata die"),
    Row<DayCountForm<DayCount::LIL>>("LIL", "Lilian day", "Lilianischer Tag"),
    Row<DayCountForm<DayCount::UNX>>("UNX", "Unix time", "Unixzeit"),
    Row<DayCountForm<DayCount::XLS>>("XLS", "Spreadsheet serial date",
                                     "Serielles Datum der Tabellenkalkulation"),
};

}  // namespace

std::span<const CalendarForm> WorldCalendars() {
    return kWorldCalendars;
}

const CalendarForm* FindWorldCalendar(std::string_view code) {
    for (const CalendarForm& form : kWorldCalendars) {
        if (form.code == code) {
            return &form;
        }
    }
    return nullptr;
}

}  // namespace tembrel
