#include "cli/json_output.h"

#include <nlohmann/json.hpp>

namespace tembrel::cli {

namespace {

// Keeps the members in the order they are written, the order the manual lists.
using Json = nlohmann::ordered_json;

// Sets `target` to `value`, or to null for none.
template <typename T>
void SetOrNull(Json& target, const std::optional<T>& value) {
    if (value) {
        target = *value;
    } else {
        target = nullptr;
    }
}

// Makes `target` an object, keeping it when it is one: its members, and their
// storage, stay for the next record.
Json& AsObject(Json& target) {
    if (!target.is_object()) {
        target = Json::object();
    }
    return target;
}

void SetDate(Json& target, const std::optional<DateRecord>& date) {
    if (!date) {
        target = nullptr;
        return;
    }
    Json& object = AsObject(target);
    object["calendar"] = CalCodeText(date->calendar);
    object["text"] = date->text;
    object["jdn"] = date->jdn;
    object["weekday"] = date->weekday;
    object["iso_weekday"] = date->isoWeekday;
}

void SetBreakdown(Json& target, const std::optional<Breakdown>& breakdown) {
    if (!breakdown) {
        target = nullptr;
        return;
    }
    Json& object = AsObject(target);
    object["years"] = breakdown->years;
    object["months"] = breakdown->months;
    object["weeks"] = breakdown->weeks;
    object["days"] = breakdown->days;
}

void SetMessage(Json& target, const std::optional<MessageRecord>& message) {
    if (!message) {
        target = nullptr;
        return;
    }
    Json& object = AsObject(target);
    object["code"] = message->code;
    object["text"] = message->text;
}

}  // namespace

void AppendJson(const ComputationRecord& record, size_t line, std::string& out) {
    // One object per thread, filled anew for each record: a batch writes
    // millions, and a new object for each would spend most of its time taking
    // and giving back memory for the same members.
    thread_local Json object;
    SetOrNull(object["line"], line > 0 ? std::optional<size_t>(line) : std::nullopt);
    Json& input = AsObject(object["input"]);
    SetOrNull(input["first"], record.firstInput);
    input["difference"] = record.differenceInput;
    input["second"] = record.secondInput;
    object["kind"] = KindName(record.kind);
    SetDate(object["first"], record.first);
    SetDate(object["second"], record.second);
    SetOrNull(object["difference"], record.difference);
    SetOrNull(object["days"], record.days);
    SetOrNull(object["months"], record.months);
    SetBreakdown(object["breakdown"], record.breakdown);
    object["report"] = record.report;
    SetMessage(object["message"], record.message);
    out += object.dump(-1, ' ', false, Json::error_handler_t::replace);
    out += '\n';
}

}  // namespace tembrel::cli
