#include "cli/json_output.h"

#include <nlohmann/json.hpp>

namespace tembrel::cli {

namespace {

// Keeps the members in the order they are written, the order the manual lists.
using Json = nlohmann::ordered_json;

template <typename T>
Json OrNull(const std::optional<T>& value) {
    return value ? Json(*value) : Json(nullptr);
}

Json DateJson(const std::optional<DateRecord>& date) {
    if (!date) {
        return nullptr;
    }
    return {{"calendar", CalCodeText(date->calendar)},
            {"text", date->text},
            {"jdn", date->jdn},
            {"weekday", date->weekday},
            {"iso_weekday", date->isoWeekday}};
}

Json BreakdownJson(const std::optional<Breakdown>& breakdown) {
    if (!breakdown) {
        return nullptr;
    }
    return {{"years", breakdown->years},
            {"months", breakdown->months},
            {"weeks", breakdown->weeks},
            {"days", breakdown->days}};
}

Json MessageJson(const std::optional<MessageRecord>& message) {
    if (!message) {
        return nullptr;
    }
    return {{"code", message->code}, {"text", message->text}};
}

}  // namespace

void AppendJson(const ComputationRecord& record, size_t line, std::string& out) {
    Json object = Json::object();
    if (line > 0) {
        object["line"] = line;
    }
    object["input"] = {{"first", OrNull(record.firstInput)},
                       {"difference", record.differenceInput},
                       {"second", record.secondInput}};
    object["kind"] = KindName(record.kind);
    object["first"] = DateJson(record.first);
    object["second"] = DateJson(record.second);
    object["difference"] = OrNull(record.difference);
    object["days"] = OrNull(record.days);
    object["months"] = OrNull(record.months);
    object["breakdown"] = BreakdownJson(record.breakdown);
    object["report"] = record.report;
    object["message"] = MessageJson(record.message);
    out += object.dump(-1, ' ', false, Json::error_handler_t::replace);
    out += '\n';
}

}  // namespace tembrel::cli
