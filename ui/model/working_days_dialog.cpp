#include "ui/model/working_days_dialog.h"

#include <algorithm>

#include "holidays/text_scan.h"
#include "text/calendar_names.h"
#include "text/text_table.h"

namespace tembrel {

namespace {

using C = WorkingDaysControl;

constexpr int kDaysPerWeek = 7;

// Returns the day of the week (0 = Sunday) of a check box, Monday (0) first.
int WeekdayOfCheckBox(int mondayFirst) {
    return (mondayFirst + 1) % kDaysPerWeek;
}

bool Contains(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

void Add(ListBoxState& list, const std::string& path) {
    if (path.empty() || Contains(list.entries, path)) {
        return;
    }
    list.entries.push_back(path);
    list.listIndex = static_cast<int>(list.entries.size()) - 1;
}

void RemoveSelected(ListBoxState& list) {
    const int index = list.listIndex;
    if (index < 0 || index >= static_cast<int>(list.entries.size())) {
        return;
    }
    list.entries.erase(list.entries.begin() + index);
    list.listIndex = std::min(index, static_cast<int>(list.entries.size()) - 1);
}

void Select(ListBoxState& list, int position) {
    list.listIndex =
        position >= 0 && position < static_cast<int>(list.entries.size()) ? position : -1;
}

// Returns true when both lists hold the same region codes, letters in any case.
bool SameRegions(const std::vector<std::string>& a, const std::vector<std::string>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const std::string& x, const std::string& y) {
                          return holidays::EqualsIgnoringCase(x, y);
                      });
}

}  // namespace

WorkingDaysDialogModel::WorkingDaysDialogModel(const holidays::WorkingDaysChoice& choice,
                                               const holidays::HolidayData* rules,
                                               LanguageCode language, UserDialogs& dialogs,
                                               WorkingDaysBuilder build)
    : dialogs_(dialogs), build_(std::move(build)), language_(language) {
    for (int day = 0; day < kDaysPerWeek; ++day) {
        form.weekend[static_cast<size_t>(day)] = choice.weekend.Contains(WeekdayOfCheckBox(day));
    }
    FillRegionList(choice, rules, language);
    form.holidayFiles.entries = choice.holidayFiles;
    form.workdayFiles.entries = choice.workdayFiles;
    SetCaptions(language);
}

void WorkingDaysDialogModel::FillRegionList(const holidays::WorkingDaysChoice& choice,
                                            const holidays::HolidayData* rules,
                                            LanguageCode language) {
    form.regionEntries = {std::string(T(TextItem::None, language))};
    regionLists_ = {{}};
    if (rules != nullptr) {
        const holidays::NameLanguage names = language == LanguageCode::German
                                                 ? holidays::NameLanguage::German
                                                 : holidays::NameLanguage::English;
        for (const holidays::RegionEntry& region : rules->entries()) {
            if (!region.isGroup) {
                form.regionEntries.push_back(region.code + " \xE2\x80\x93 " +
                                             region.name.In(names));
                regionLists_.push_back({region.code});
            }
        }
    }
    const auto chosen =
        std::find_if(regionLists_.begin(), regionLists_.end(),
                     [&](const auto& list) { return SameRegions(list, choice.regions); });
    if (chosen != regionLists_.end()) {
        form.regionIndex = static_cast<int>(chosen - regionLists_.begin());
        return;
    }
    // Several regions (from the command line's way of writing them, or a file
    // edited by hand) or one the rule file no longer has: an entry of their own,
    // so that they stay as they are unless the user picks another.
    form.regionEntries.insert(form.regionEntries.begin() + 1,
                              holidays::FormatRegionList(choice.regions));
    regionLists_.insert(regionLists_.begin() + 1, choice.regions);
    form.regionIndex = 1;
}

void WorkingDaysDialogModel::SetCaptions(LanguageCode language) {
    const auto set = [this](C id, std::string_view text) {
        form.captions[static_cast<size_t>(id)] = std::string(text);
    };
    set(C::frmWorkingDays, T(TextItem::WorkingDays, language));
    set(C::lblWeekendDays, T(TextItem::WeekendDays, language));
    for (int day = 0; day < kDaysPerWeek; ++day) {
        set(WeekdayCheckBox(day), WeekdayName(WeekdayOfCheckBox(day), language));
    }
    set(C::lblPublicHolidays, T(TextItem::PublicHolidaysOf, language));
    set(C::lblHolidayFiles, T(TextItem::YourOwnHolidays, language));
    set(C::lblWorkdayFiles, T(TextItem::ExtraWorkingDays, language));
    for (const C add : {C::cmdAddHolidayFile, C::cmdAddWorkdayFile}) {
        set(add, T(TextItem::AddEllipsis, language));
    }
    for (const C remove : {C::cmdRemoveHolidayFile, C::cmdRemoveWorkdayFile}) {
        set(remove, T(TextItem::Remove, language));
    }
    set(C::cmdOK, T(TextItem::Ok, language));
    set(C::cmdCancel, T(TextItem::Cancel, language));
    form.holidayFileChooser = T(TextItem::ChooseAHolidayFile, language);
    form.workdayFileChooser = T(TextItem::ChooseAFileOfExtraWorkingDays, language);
    form.holidayFileTypes = T(TextItem::HolidayFiles, language);
    form.allFileTypes = T(TextItem::AllFiles, language);
}

const std::string& WorkingDaysDialogModel::Caption(WorkingDaysControl id) const {
    return form.captions[static_cast<size_t>(id)];
}

bool WorkingDaysDialogModel::IsEnabled(WorkingDaysControl id) const {
    if (id == C::cmdRemoveHolidayFile) {
        return form.holidayFiles.listIndex >= 0;
    }
    if (id == C::cmdRemoveWorkdayFile) {
        return form.workdayFiles.listIndex >= 0;
    }
    return true;
}

void WorkingDaysDialogModel::chkWeekday_Click(int mondayFirst, bool checked) {
    if (mondayFirst >= 0 && mondayFirst < kDaysPerWeek) {
        form.weekend[static_cast<size_t>(mondayFirst)] = checked;
    }
}

void WorkingDaysDialogModel::cboRegion_Click(int position) {
    if (position >= 0 && position < static_cast<int>(regionLists_.size())) {
        form.regionIndex = position;
    }
}

void WorkingDaysDialogModel::lstHolidayFiles_Click(int position) {
    Select(form.holidayFiles, position);
}

void WorkingDaysDialogModel::lstWorkdayFiles_Click(int position) {
    Select(form.workdayFiles, position);
}

void WorkingDaysDialogModel::AddHolidayFile(const std::string& path) {
    Add(form.holidayFiles, path);
}

void WorkingDaysDialogModel::AddWorkdayFile(const std::string& path) {
    Add(form.workdayFiles, path);
}

void WorkingDaysDialogModel::cmdRemoveHolidayFile_Click() {
    RemoveSelected(form.holidayFiles);
}

void WorkingDaysDialogModel::cmdRemoveWorkdayFile_Click() {
    RemoveSelected(form.workdayFiles);
}

holidays::WorkingDaysChoice WorkingDaysDialogModel::Choice() const {
    holidays::WorkingDaysChoice choice;
    uint8_t mask = 0;
    for (int day = 0; day < kDaysPerWeek; ++day) {
        if (form.weekend[static_cast<size_t>(day)]) {
            mask = static_cast<uint8_t>(mask | (1U << WeekdayOfCheckBox(day)));
        }
    }
    choice.weekend = holidays::Weekend::FromMask(mask);
    choice.regions = regionLists_[static_cast<size_t>(form.regionIndex)];
    choice.holidayFiles = form.holidayFiles.entries;
    choice.workdayFiles = form.workdayFiles.entries;
    return choice;
}

bool WorkingDaysDialogModel::cmdOK_Click() {
    std::string message;
    std::shared_ptr<const holidays::WorkingDays> built = build_(Choice(), message);
    if (!built) {
        dialogs_.ShowMessage(message, std::string(T(TextItem::Error, language_)) + "!",
                             MessageIcon::None);
        return false;
    }
    built_ = std::move(built);
    form.accepted = true;
    return true;
}

}  // namespace tembrel
