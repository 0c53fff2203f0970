// The JSON and TSV writers on what the random comparison of the formats
// (format_agreement.py) meets rarely: every character TSV escapes, input bytes
// that are not UTF-8, and the record of a batch line too long to be read.
#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <string>
#include <utility>

#include "cli/computation_record.h"
#include "cli/json_output.h"
#include "cli/tsv_output.h"

namespace tembrel::cli {
namespace {

using Json = nlohmann::json;

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
    }
}

TEST(TsvRow, HoldsOneCellPerColumnWhateverTheTextsHold) {
    ComputationRecord record;
    record.firstInput = "\t2008\n01\r15\\";
    record.report = "a\tb";
    std::string row;
    AppendTsvRow(record, row);
    EXPECT_EQ(row.find('\n'), row.size() - 1);
    EXPECT_EQ(std::count(row.begin(), row.end(), '\t'),
              std::count(TsvHeader().begin(), TsvHeader().end(), '\t'));
    EXPECT_TRUE(row.starts_with("\\t2008\\n01\\r15\\\\\t\t\tnone\t")) << row;
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

TEST(JsonRecord, WritesBytesThatAreNotUtf8AsReplacementCharacters) {
    ComputationRecord record;
    record.firstInput = "\xff\xfe 2008-01-15 caf\xc3\xa9 \xc3(";
    std::string json;
    AppendJson(record, 1, json);
    EXPECT_EQ(Json::parse(json)["input"]["first"],
              "\xEF\xBF\xBD\xEF\xBF\xBD 2008-01-15 caf\xc3\xa9 \xEF\xBF\xBD(");
}

}  // namespace
}  // namespace tembrel::cli
