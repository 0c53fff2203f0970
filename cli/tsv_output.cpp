#include "cli/tsv_output.h"

#include <optional>

namespace tembrel::cli {

namespace {

// The text of a number, or the empty text for none.
std::string NumberText(std::optional<int64_t> value) {
    return value ? std::to_string(*value) : std::string();
}

// Calls `cell(prefix, name, value)` for every column in order: the column's name
// is the prefix and the name joined, its value the cell's text (empty when the
// record has none). The header and the rows both come from here, so that they
// cannot disagree.
template <typename Cell>
void ForEachColumn(const ComputationRecord& r, Cell&& cell) {
    cell("", "first_input", r.firstInput.value_or(""));
    cell("", "difference_input", r.differenceInput);
    cell("", "second_input", r.secondInput);
    cell("", "kind", KindName(r.kind));
    for (const auto& [prefix, date] :
         {std::pair{"first_", &r.first}, std::pair{"second_", &r.second}}) {
        const bool known = date->has_value();
        cell(prefix, "calendar", known ? CalCodeText((*date)->calendar) : "");
        cell(prefix, "text", known ? std::string_view((*date)->text) : "");
        cell(prefix, "jdn",
             NumberText(known ? std::optional<int64_t>((*date)->jdn) : std::nullopt));
        cell(prefix, "weekday", known ? (*date)->weekday : "");
        cell(prefix, "iso_weekday",
             NumberText(known ? std::optional<int64_t>((*date)->isoWeekday) : std::nullopt));
    }
    cell("", "difference", r.difference.value_or(""));
    cell("", "days", NumberText(r.days));
    cell("", "months", NumberText(r.months));
    const auto part = [&r](auto member) {
        return NumberText(r.breakdown ? std::optional<int64_t>((*r.breakdown).*member)
                                      : std::nullopt);
    };
    cell("breakdown_", "years", part(&Breakdown::years));
    cell("breakdown_", "months", part(&Breakdown::months));
    cell("breakdown_", "weeks", part(&Breakdown::weeks));
    cell("breakdown_", "days", part(&Breakdown::days));
    cell("", "report", r.report);
    cell("message_", "code", r.message ? r.message->code : "");
    cell("", "message", r.message ? std::string_view(r.message->text) : "");
}

std::string MakeHeader() {
    std::string header;
    ForEachColumn(ComputationRecord{},
                  [&header](std::string_view prefix, std::string_view name, const auto&) {
                      header += header.empty() ? "" : "\t";
                      header += prefix;
                      header += name;
                  });
    header += '\n';
    return header;
}

}  // namespace

const std::string& TsvHeader() {
    static const std::string header = MakeHeader();
    return header;
}

void AppendTsvRow(const ComputationRecord& record, std::string& out) {
    bool firstCell = true;
    ForEachColumn(record, [&](std::string_view, std::string_view, std::string_view value) {
        if (!firstCell) {
            out += '\t';
        }
        firstCell = false;
        AppendTsvCell(value, out);
    });
    out += '\n';
}

void AppendTsvCell(std::string_view text, std::string& out) {
    for (const char c : text) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                out += c;
        }
    }
}

}  // namespace tembrel::cli
