// The records of computations and their JSON and TSV: every date's text reads
// back to its day number, and the JSON object and the TSV row of a record hold
// the same values, cell by cell, whatever the input texts hold.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <random>
#include <string>
#include <vector>

#include "cli/cli_request.h"
#include "cli/computation_record.h"
#include "cli/json_output.h"
#include "cli/tsv_output.h"
#include "compute/compute.h"
#include "core/calendar_tables.h"
#include "core/date_parsing.h"
#include "core/notation.h"
#include "tests/cli/shipped_texts_test.h"
#include "tests/support/random_date_texts.h"
#include "text/calendar_names.h"

namespace tembrel::cli {
namespace {

using Json = nlohmann::json;

using StructuredOutputTest = ShippedTextsTest;

// A day of the years 1..9999 mostly, else of the whole range.
int32_t RandomJDN(std::mt19937& random) {
    if (std::uniform_int_distribution<int>(0, 3)(random) > 0) {
        return std::uniform_int_distribution<int32_t>(kFirstJDNOfCE1, kLastJDNOfCE9999)(random);
    }
    return std::uniform_int_distribution<int32_t>(kMinJDN, kMaxJDN)(random);
}

std::vector<std::string> SplitCells(const std::string& row) {
    std::vector<std::string> cells(1);
    for (const char c : row) {
        if (c == '\t') {
            cells.emplace_back();
        } else {
            cells.back() += c;
        }
    }
    return cells;
}

std::string Unescaped(const std::string& cell) {
    std::string text;
    for (size_t i = 0; i < cell.size(); ++i) {
        if (cell[i] != '\\' || i + 1 == cell.size()) {
            text += cell[i];
            continue;
        }
        const char next = cell[++i];
        text += next == 't' ? '\t' : next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return text;
}

// The JSON value a TSV column holds: "first_jdn" is first.jdn, "first_input"
// input.first, "message" message.text, a name of its own the member itself.
const Json& MemberOfColumn(const Json& object, const std::string& column) {
    static const Json null;
    if (column == "message") {
        return object["message"].is_null() ? null : object["message"]["text"];
    }
    if (object.contains(column)) {
        return object[column];
    }
    const std::string outer = column.substr(0, column.find('_'));
    const std::string inner = column.substr(column.find('_') + 1);
    if (inner == "input") {
        return object["input"][outer];
    }
    return object[outer].is_null() ? null : object[outer][inner];
}

// The TSV cell of a JSON value: empty for null, the text of a string, the
// digits of a number.
std::string CellOf(const Json& value) {
    if (value.is_null()) {
        return "";
    }
    return value.is_string() ? value.get<std::string>() : value.dump();
}

TEST_F(StructuredOutputTest, RecordsOfRandomComputationsAgreeWithTheirDatesInJsonAndTsv) {
    std::mt19937 random(16);
    std::vector<std::string> inputs = test_support::RandomDateTexts(random, 400);
    // Texts with what TSV escapes, and bytes that are not UTF-8.
    inputs.insert(inputs.end(), {"2008-01-15\t", "a\\tb", "2008\n01", "\r", "\xff\xfe 2008",
                                 "\xc3(", "caf\xc3\xa9"});
    const std::vector<std::string> header =
        SplitCells(TsvHeader().substr(0, TsvHeader().size() - 1));
    const auto pick = [&random](size_t count) {
        return std::uniform_int_distribution<size_t>(0, count - 1)(random);
    };
    int datesChecked = 0;
    for (int i = 0; i < 3000; ++i) {
        CliOptions options;
        options.format = i % 2 == 0 ? OutputFormat::Json : OutputFormat::Tsv;
        options.firstCal = test_support::kFieldCalendars[pick(7)];
        options.secondCal =
            pick(3) == 0 ? options.firstCal : test_support::kFieldCalendars[pick(7)];
        options.order = static_cast<DateOrder>(pick(3));
        options.dateSep = std::string(1, "-/."[pick(3)]);
        options.thousSep = std::vector<std::string>{",", ".", ""}[pick(3)];
        options.noHyphen = pick(2) == 0;
        options.language = pick(2) == 0 ? LanguageCode::English : LanguageCode::German;
        options.months = pick(4) == 0;
        options.weekdaysOnly = pick(3) == 0;
        options.includeFirst = pick(3) == 0;
        // Each field empty or filled, with a date of its calendar or any text, so
        // that every kind of computation and refusal comes up.
        const NotationOptions notation = RequestFor(options, 0).notation;
        const auto dateText = [&](CalendarCode calendar) {
            std::string text;
            if (pick(3) == 0 || !FormatJDNInNotation(RandomJDN(random), calendar, notation, text)) {
                text = inputs[pick(inputs.size())];
            }
            return text;
        };
        options.first = pick(4) == 0 ? "" : dateText(options.firstCal);
        options.diff = pick(2) == 0 ? "" : std::to_string(static_cast<int>(pick(2000)) - 1000);
        options.second = pick(2) == 0 ? "" : dateText(options.secondCal);
        const ComputeRequest request = RequestFor(options, 2454541);
        const ComputeResult result = Compute(request);
        const ComputationRecord record = RecordOf(request, result, result.output, texts);
        SCOPED_TRACE("first '" + options.first + "', difference '" + options.diff + "', second '" +
                     options.second + "'");

        for (const auto& [date, calendar, jdn] :
             {std::tuple{&record.first, request.firstCalendar, result.firstJDN},
              std::tuple{&record.second, request.secondCalendar, result.secondJDN}}) {
            if (!date->has_value()) {
                continue;
            }
            const DateRecord& known = **date;
            EXPECT_EQ(known.calendar, calendar);
            EXPECT_EQ(known.jdn, jdn);
            int32_t read = 0;
            EXPECT_EQ(ParseInNotation(known.text, calendar, request.notation, read), kParseValid)
                << known.text;
            EXPECT_EQ(read, jdn) << known.text;
            // Day number 0 is a Monday.
            EXPECT_EQ(known.isoWeekday, (int64_t{jdn} % 7 + 7) % 7 + 1);
            EXPECT_EQ(known.weekday, WeekdayName(known.isoWeekday % 7, request.language));
            ++datesChecked;
        }
        EXPECT_EQ(record.report.find('\n'), std::string_view::npos);

        std::string json;
        AppendJson(record, 0, json);
        ASSERT_EQ(json.find('\n'), json.size() - 1);
        const Json object = Json::parse(json);  // throws, failing the test, unless valid
        EXPECT_EQ(object["kind"], KindName(record.kind));
        std::string row;
        AppendTsvRow(record, row);
        ASSERT_EQ(row.find('\n'), row.size() - 1);
        const std::vector<std::string> cells = SplitCells(row.substr(0, row.size() - 1));
        ASSERT_EQ(cells.size(), header.size()) << row;
        for (size_t column = 0; column < cells.size(); ++column) {
            const Json& value = MemberOfColumn(object, header[column]);
            if (value.is_string() &&
                value.get<std::string>().find("\xEF\xBF\xBD") != std::string::npos) {
                continue;  // JSON replaced bytes that are not UTF-8; TSV keeps them
            }
            EXPECT_EQ(Unescaped(cells[column]), CellOf(value)) << header[column];
        }
    }
    EXPECT_GT(datesChecked, 2000);
}

TEST(TsvCell, EscapesBackslashesTabsAndLineEndsAndNothingElse) {
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"2008-01-15 CE = 2008-W03-2 ISO, Dienstag", "2008-01-15 CE = 2008-W03-2 ISO, Dienstag"},
        {"a\tb", "a\\tb"},
        {"line one\nline two", "line one\\nline two"},
        {"\r\n", "\\r\\n"},
        {"C:\\dates\\t", "C:\\\\dates\\\\t"},
        {"caf\xc3\xa9 \xff", "caf\xc3\xa9 \xff"},
    };
    for (const auto& [text, escaped] : cases) {
        std::string cell;
        AppendTsvCell(text, cell);
        EXPECT_EQ(cell, escaped);
        EXPECT_EQ(Unescaped(cell), text);
    }
}

TEST(JsonRecord, NamesTheBatchLineAndWritesWhatIsMissingAsNull) {
    ComputationRecord record;
    record.differenceInput = "5";
    record.message = MessageRecord{kLineTooLongCode, "the line is longer than 4096 bytes"};
    std::string json;
    AppendJson(record, 7, json);
    const Json object = Json::parse(json);
    EXPECT_EQ(object["line"], 7);
    EXPECT_TRUE(object["input"]["first"].is_null());
    EXPECT_EQ(object["input"]["difference"], "5");
    EXPECT_EQ(object["message"]["code"], "line_too_long");
    EXPECT_EQ(object["kind"], "none");
    json.clear();
    AppendJson(record, 0, json);
    EXPECT_TRUE(Json::parse(json)["line"].is_null());
}

}  // namespace
}  // namespace tembrel::cli
