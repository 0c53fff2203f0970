// The batch mode as a whole (blocks, workers, over-long and blank lines, line
// numbers) against the engine computing each line on its own.
#include "cli/batch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_request.h"
#include "cli/line_reader.h"
#include "cli/tsv_output.h"
#include "compute/compute.h"
#include "compute/compute_messages.h"
#include "tests/support/random_date_texts.h"

namespace tembrel::cli {
namespace {

constexpr int32_t kToday = 2454541;  // 15 March 2008

class BatchTest : public ::testing::Test {
  protected:
    BatchTest() {
        const ProgramTextLoad load = texts.LoadProgramTextFrom(TEMBREL_DATA_FILE);
        EXPECT_TRUE(load.ok()) << load.message;
        texts.SetStartUpCompleted(true);
    }
    ProgramTexts texts;
};

// Options drawn at random, the calendars given.
CliOptions RandomOptions(std::mt19937& random, CalendarCode first, CalendarCode second) {
    const auto pick = [&random](int count) {
        return std::uniform_int_distribution<int>(0, count - 1)(random);
    };
    CliOptions options;
    options.firstCal = first;
    options.secondCal = second;
    options.order = static_cast<DateOrder>(pick(3));
    options.dateSep = std::string(1, "-/."[pick(3)]);
    options.thousSep = std::vector<std::string>{",", ".", ""}[static_cast<size_t>(pick(3))];
    options.language = pick(2) == 0 ? LanguageCode::English : LanguageCode::German;
    options.noHyphen = pick(2) == 0;
    options.months = pick(2) == 0;
    options.includeFirst = pick(2) == 0;
    options.weekdaysOnly = pick(2) == 0;
    options.terse = pick(2) == 0;
    options.batch = true;
    return options;
}

struct BatchRun {
    std::string output;
    std::vector<std::string> errors;
};

// Runs the batch over `input` through files, as the program does with standard
// input and output.
BatchRun RunThroughFiles(const std::string& input, const CliOptions& options,
                         const ProgramTexts& texts, unsigned threads) {
    std::FILE* in = std::tmpfile();
    std::FILE* out = std::tmpfile();
    std::fwrite(input.data(), 1, input.size(), in);
    std::rewind(in);
    BatchRun run;
    run.errors = RunBatch(in, out, options, texts, kToday, threads);
    std::fflush(out);
    std::rewind(out);
    char buffer[4096];
    size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof buffer, out)) > 0) {
        run.output.append(buffer, read);
    }
    std::fclose(in);
    std::fclose(out);
    return run;
}

// What the batch must give: each line on its own through the engine, the first
// line of its report, its message numbered; nothing for a blank line, a refusal
// for an over-long one.
BatchRun LineByLine(const std::string& input, const CliOptions& options,
                    const ProgramTexts& texts) {
    BatchRun run;
    size_t start = 0;
    size_t number = 0;
    while (start < input.size()) {
        size_t end = input.find('\n', start);
        if (end == std::string::npos) {
            end = input.size();
        }
        std::string line = input.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        ++number;
        const std::string where = "line " + std::to_string(number) + ": ";
        if (end - start > kMaxLineBytes) {
            run.errors.push_back(where + "the line is longer than 4096 bytes");
        } else if (line.find_first_not_of(" \t") != std::string::npos) {
            CliOptions lineOptions = options;
            lineOptions.first = line;
            const ComputeResult result = Compute(RequestFor(lineOptions, kToday));
            if (result.message != ComputeMessage::None) {
                run.errors.push_back(where +
                                     MessageText(result.message, options.language, texts, "\n"));
            }
            run.output += result.output.substr(0, result.output.find('\n'));
        }
        run.output += '\n';
        start = end + 1;
    }
    return run;
}

TEST_F(BatchTest, GivesWhatTheLinesComputedOneByOneGiveAcrossBlocksAndWorkers) {
    std::mt19937 random(7);
    const std::vector<std::string> lines = test_support::RandomDateTexts(random, 30000);
    std::string input;
    for (size_t i = 0; i < lines.size(); ++i) {
        input += lines[i];
        input += i % 7 == 0 ? "\r\n" : "\n";
        if (i % 1000 == 0) {
            input += "\n";
        }
    }
    // A line longer than a block, one just short enough, and a last line without
    // a line end.
    input += std::string(70000, ' ') + "2008-01-15\n";
    input += std::string(kMaxLineBytes - 10, ' ') + "2008-01-15\n";
    input += "2008-02-30";
    // A lone date, a difference, and two dates in months, which the engine refuses
    // on every line alike.
    for (const int fields : {0, 1, 2}) {
        for (const CalendarCode first : test_support::kFieldCalendars) {
            CliOptions options = RandomOptions(random, first, CalendarCode::ISO);
            options.months = fields == 2;
            options.diff = fields == 1 ? "-1,000" : "";
            options.second = fields == 2 ? "2008-01-15" : "";
            const BatchRun expected = LineByLine(input, options, texts);
            for (const unsigned threads : {1u, 3u}) {
                const BatchRun run = RunThroughFiles(input, options, texts, threads);
                EXPECT_EQ(run.output, expected.output) << threads << " threads";
                EXPECT_EQ(run.errors, expected.errors) << threads << " threads";
            }
        }
    }
}

// JSON and TSV give every input line its record, numbered and in order across
// blocks and workers, with the report line of the text format and its refusal.
TEST_F(BatchTest, StructuredFormatsGiveEveryLineItsRecordWithTheTextFormatsReport) {
    std::mt19937 random(11);
    std::string input;
    for (const std::string& line : test_support::RandomDateTexts(random, 20000)) {
        input += line + (line.size() % 5 == 0 ? "\r\n" : "\n");
    }
    input += "\n" + std::string(kMaxLineBytes + 1, '1') + "\n \t\n2008-01-15";
    CliOptions options = RandomOptions(random, CalendarCode::CE, CalendarCode::ISO);
    options.months = false;
    const BatchRun text = RunThroughFiles(input, options, texts, 3);
    std::vector<std::string> reports;
    std::istringstream textLines(text.output);
    for (std::string line; std::getline(textLines, line);) {
        reports.push_back(line);
    }

    options.format = OutputFormat::Json;
    const BatchRun json = RunThroughFiles(input, options, texts, 3);
    EXPECT_EQ(json.output, RunThroughFiles(input, options, texts, 1).output);
    EXPECT_EQ(json.errors, text.errors);
    std::vector<nlohmann::json> objects;
    std::istringstream jsonLines(json.output);
    for (std::string line; std::getline(jsonLines, line);) {
        objects.push_back(nlohmann::json::parse(line));
        ASSERT_LE(objects.size(), reports.size());
        EXPECT_EQ(objects.back()["line"], objects.size());
        EXPECT_EQ(objects.back()["report"], reports[objects.size() - 1]) << line;
    }
    ASSERT_EQ(objects.size(), reports.size());
    const nlohmann::json& overLong = objects[objects.size() - 3];
    EXPECT_TRUE(overLong["input"]["first"].is_null());
    EXPECT_EQ(overLong["message"]["code"], "line_too_long");
    const nlohmann::json& blank = objects[objects.size() - 2];
    EXPECT_EQ(blank["input"]["first"], " \t");
    EXPECT_EQ(blank["kind"], "none");
    EXPECT_TRUE(blank["message"].is_null());

    options.format = OutputFormat::Tsv;
    const BatchRun tsv = RunThroughFiles(input, options, texts, 3);
    EXPECT_EQ(tsv.errors, text.errors);
    EXPECT_TRUE(tsv.output.starts_with(TsvHeader()));
    EXPECT_EQ(static_cast<size_t>(std::count(tsv.output.begin(), tsv.output.end(), '\n')),
              reports.size() + 1);
}

TEST_F(BatchTest, NothingGivesNothingAndAnEmptyLineAnEmptyLine) {
    const BatchRun run = RunThroughFiles("", CliOptions{}, texts, 2);
    EXPECT_EQ(run.output, "");
    EXPECT_TRUE(run.errors.empty());
    EXPECT_EQ(RunThroughFiles("\n", CliOptions{}, texts, 2).output, "\n");
}

}  // namespace
}  // namespace tembrel::cli
