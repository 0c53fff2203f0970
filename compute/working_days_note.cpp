#include "compute/working_days_note.h"

#include <string>
#include <string_view>
#include <vector>

#include "text/calendar_names.h"
#include "text/text_table.h"

namespace tembrel {

namespace {

struct NoteWords {
    // The sentence of what was not counted: before and after its parts.
    std::string_view notCounted;
    std::string_view notCountedEnd;
    std::string_view weekendDays;
    std::string_view holidays;
    std::string_view both;  // between the weekend and the holidays
    std::string_view noWeekend;
    // The sentence of the extra working days, before and after the files.
    std::string_view extraWorkdays;
    std::string_view extraWorkdaysEnd;
};

constexpr NoteWords kEnglish{"not counting ",
                             "",
                             "weekend days",
                             "holidays",
                             " and ",
                             "none",
                             "counting extra working days",
                             ""};
constexpr NoteWords kGerman{"die ",  " nicht gezählt", "Wochenendtage",           "Feiertage",
                            " und ", "keine",          "zusätzliche Arbeitstage", " gezählt"};

void AppendList(TextAppender& out, const std::vector<std::string>& items) {
    out.Add(" (");
    for (size_t i = 0; i < items.size(); ++i) {
        if (i > 0) {
            out.Add(", ");
        }
        out.Add(items[i]);
    }
    out.Add(')');
}

// Adds " (Friday, Saturday)", Monday first, or " (none)".
void AppendWeekendDays(TextAppender& out, holidays::Weekend weekend, LanguageCode language,
                       const NoteWords& words) {
    std::vector<std::string> names;
    for (int i = 1; i <= holidays::kDaysPerWeek; ++i) {
        const int weekday = i % holidays::kDaysPerWeek;
        if (weekend.Contains(weekday)) {
            names.emplace_back(WeekdayName(weekday, language));
        }
    }
    if (names.empty()) {
        names.emplace_back(words.noWeekend);
    }
    AppendList(out, names);
}

}  // namespace

void AppendWorkingDaysNote(TextAppender& out, const holidays::WorkingDays& days,
                           LanguageCode language) {
    if (days.IsDefault()) {
        out.Add(T(TextItem::NotCountingWeekendDays, language));
        return;
    }
    const bool german = language == LanguageCode::German;
    const NoteWords& words = german ? kGerman : kEnglish;
    const LanguageCode names = german ? LanguageCode::German : LanguageCode::English;
    const holidays::Weekend weekend = days.weekend();
    const bool hasHolidays = !days.holidaySources.empty();
    out.Add(words.notCounted);
    if (weekend.mask() != 0 || !hasHolidays) {
        out.Add(words.weekendDays);
        if (weekend != holidays::Weekend()) {
            AppendWeekendDays(out, weekend, names, words);
        }
        if (hasHolidays) {
            out.Add(words.both);
        }
    }
    if (hasHolidays) {
        out.Add(words.holidays);
        AppendList(out, days.holidaySources);
    }
    out.Add(words.notCountedEnd);
    if (!days.workdaySources.empty()) {
        out.Add(", ");
        out.Add(words.extraWorkdays);
        AppendList(out, days.workdaySources);
        out.Add(words.extraWorkdaysEnd);
    }
}

}  // namespace tembrel
