// The batch mode's lone-date converter against the full Compute, line for line:
// whatever the converter writes must be exactly what Compute writes to the output
// box, with no message, for every option and every text; and the batch as a whole
// (blocks, workers, fallbacks, line numbers) must give what line-by-line Computes
// give.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "cli/batch.h"
#include "cli/cli_session.h"
#include "cli/line_reader.h"
#include "cli/lone_date_converter.h"
#include "core/calendar_tables.h"
#include "core/notation.h"
#include "core/string_utils.h"
#include "core/today.h"
#include "ui/model/form_rules.h"

namespace tembrel::cli {
namespace {

constexpr CalendarCode kCalendars[] = {CalendarCode::CE,  CalendarCode::JC,  CalendarCode::JDN,
                                       CalendarCode::ISO, CalendarCode::ORD, CalendarCode::LPW,
                                       CalendarCode::LPM};

class LoneDateConverterTest : public ::testing::Test {
  protected:
    LoneDateConverterTest() {
        const ProgramTextLoad load = texts.LoadProgramTextFrom(
            std::filesystem::path(TEMBREL_CLI).parent_path() / kProgramTextFileName);
        EXPECT_TRUE(load.ok()) << load.message;
        texts.SetStartUpCompleted(true);
    }
    // A line of spaces reports today.
    ScopedToday today{{2008, 3, 15}};
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

// Texts a user or a script might send: every notation's dates written with
// random format options (valid in some fields, not in others), dates near the
// ends of every range, and damaged or hostile texts.
std::vector<std::string> RandomTexts(std::mt19937& random, int count) {
    const std::vector<std::string> hostile = {
        "2008-02-30",
        "2008-13-01",
        "2007-02-29",
        "0-01-01",
        "-0-01-01",
        "+2008-01-15",
        "2008--01-15",
        "2008-01-15-",
        "-2008-01-15",
        "15-03-(-45)",
        "15/03/-45",
        "12,345-01-01",
        "5800000-12-31",
        "5800001-01-01",
        "-5800001-01-01",
        "99999999999-01-01",
        "2008-01-15 CE",
        "2008 01 15",
        "2008-1-5",
        "2008-W53-1",
        "2009-W53-1",
        "2008W011",
        "2008-W01-1 ISO",
        "-45-W01-1",
        "2008-W54-1",
        "2008-W01-8",
        "2008w011",
        "2008-366",
        "2007-366",
        "0000-001",
        "10000-01",
        "2008061",
        "2008-061",
        "2,454,000",
        "2.454.000",
        "24.54000",
        "-1234",
        "12-34",
        "+1,000",
        "2099999999",
        "2100000000",
        "-2100000000",
        "2147483648",
        "abc",
        "-",
        "+",
        ",",
        ".",
        "/",
        "W",
        "--",
        "2008-01-1 LPW",
        "2008-1-1",
        "2008-01",
        "6000000-01-1",
        "2009-12-35 LPM",
        "2009-12-36",
        "2008-00-1",
        "2008-13-1",
        "\t2008-01-15",
        "2008-01-15\t",
        "2008-01-15\r",
        "2008/01/15",
        "2008.01.15",
        "01.15.2008",
        "(2008)-01-15",
        " ",
        "   x ",
        "1601-01-01",
        "4095-12-31",
        "1-01-01",
        "9999-12-31",
        "10000-01-01",
        "-4713-11-24",
        "5879610-07-11",
        std::string("2008-01-15\0x", 12),
        "\xC3\xA4",
        "0001-001",
        "9999-365",
    };
    std::vector<std::string> texts = hostile;
    std::uniform_int_distribution<int32_t> anyDay(lngMinJDN, lngMaxJDN);
    std::uniform_int_distribution<int32_t> modernDay(lngFirstJDNOfCE1, lngLastJDNOfCE9999);
    std::uniform_int_distribution<int> small(0, 99);
    const char noise[] = " -/.,+W()x0123456789";
    for (int i = 0; i < count; ++i) {
        const int32_t jdn = small(random) < 80 ? modernDay(random) : anyDay(random);
        NotationOptions notation;
        notation.order = static_cast<DateOrder>(small(random) % 3);
        notation.dateSep = std::string(1, "-/."[small(random) % 3]);
        notation.thousSep =
            std::vector<std::string>{",", ".", ""}[static_cast<size_t>(small(random) % 3)];
        notation.hyphen = static_cast<int16_t>(small(random) % 2);
        std::string text;
        const CalendarCode cal = kCalendars[small(random) % 7];
        if (!FormatJDNInNotation(jdn, cal, notation, text)) {
            text = std::to_string(jdn);
        }
        switch (small(random) % 10) {
            case 0:
                text = "  " + text + " ";
                break;
            case 1:
                text += " " + std::string(CalCodeText(cal));
                break;
            case 2:
                text.insert(static_cast<size_t>(small(random)) % (text.size() + 1), 1,
                            noise[small(random) % (sizeof noise - 1)]);
                break;
            case 3:
                text.erase(static_cast<size_t>(small(random)) % text.size(), 1);
                break;
            case 4:
                text = "-" + text;
                break;
            default:
                break;  // as written
        }
        texts.push_back(text);
    }
    return texts;
}

// Compares the converter with Compute on every text, in one session per option
// set as a batch worker keeps it: where the converter writes a report, Compute
// must write the same and show no message; where it leaves the text to Compute,
// Compute must refuse it (or, for a blank text, report today). Returns how many
// texts the converter wrote.
int CompareWithCompute(const CliOptions& options, const ProgramTexts& texts,
                       const std::vector<std::string>& inputs) {
    CliSession session(options, texts);
    const LoneDateConverter converter(session.Form());
    EXPECT_TRUE(LoneDateConverter::Applies(options));
    const std::string where = std::string(CalCodeText(options.firstCal)) + "->" +
                              std::string(CalCodeText(options.secondCal));
    int converted = 0;
    std::vector<std::string> messages;
    for (const std::string& input : inputs) {
        std::string fast = "kept";
        bool handled = false;
        {
            TextAppender out(fast);
            handled = converter.AppendReport(input, out);
        }
        messages.clear();
        const bool accepted = session.Compute(input, "", "", messages);
        if (!handled) {
            EXPECT_EQ(fast, "kept") << where << " [" << input << "]";
            EXPECT_TRUE(!accepted || TrimSpaces(input).empty())
                << where << " [" << input << "] left to Compute, which accepts it";
            continue;
        }
        ++converted;
        EXPECT_TRUE(accepted) << where << " [" << input << "] " << messages.front();
        EXPECT_EQ("kept" + std::string(session.OutputText()), fast + "\r\n")
            << where << " [" << input << "]";
    }
    return converted;
}

TEST_F(LoneDateConverterTest, WritesWhatComputeWritesForEveryOptionAndText) {
    std::mt19937 random(20080115);
    const std::vector<std::string> inputs = RandomTexts(random, 400);
    for (const CalendarCode first : kCalendars) {
        for (const CalendarCode second : kCalendars) {
            for (int set = 0; set < 6; ++set) {
                CompareWithCompute(RandomOptions(random, first, second), texts, inputs);
            }
        }
    }
}

TEST_F(LoneDateConverterTest, WritesDatesTypedInTheFieldsOwnNotation) {
    std::mt19937 random(1);
    std::uniform_int_distribution<int32_t> anyDay(lngMinJDN, lngMaxJDN);
    std::uniform_int_distribution<int32_t> modernDay(lngFirstJDNOfCE1, lngLastJDNOfCE9999);
    for (const CalendarCode first : kCalendars) {
        for (const CalendarCode second : kCalendars) {
            for (int set = 0; set < 4; ++set) {
                const CliOptions options = RandomOptions(random, first, second);
                CliSession session(options, texts);
                const NotationOptions notation =
                    CurrentNotation(session.Form(), session.Form().chkHyphen);
                std::vector<std::string> inputs;
                for (int i = 0; i < 60; ++i) {
                    std::string text;
                    const int32_t day = i % 4 == 0 ? anyDay(random) : modernDay(random);
                    if (FormatJDNInNotation(day, first, notation, text)) {
                        inputs.push_back(text);
                    }
                }
                const int converted = CompareWithCompute(options, texts, inputs);
                // Day numbers grouped with "." do not read back; all else must.
                if (first != CalendarCode::JDN || options.thousSep != ".") {
                    EXPECT_GT(converted, static_cast<int>(inputs.size()) / 2)
                        << CalCodeText(first) << "->" << CalCodeText(second);
                }
            }
        }
    }
}

TEST_F(LoneDateConverterTest, LeavesLinesToComputeWhenADifferenceOrSecondDateIsGiven) {
    CliOptions options;
    EXPECT_TRUE(LoneDateConverter::Applies(options));
    options.diff = "  ";
    options.second = " ";
    EXPECT_TRUE(LoneDateConverter::Applies(options));
    options.diff = "10";
    EXPECT_FALSE(LoneDateConverter::Applies(options));
    options.diff.clear();
    options.second = "2008-01-15";
    EXPECT_FALSE(LoneDateConverter::Applies(options));
}

TEST_F(LoneDateConverterTest, LeavesEmptyAndRefusedTextsAndUnwritableResultsToCompute) {
    CliOptions options;
    options.secondCal = CalendarCode::ORD;
    CliSession session(options, texts);
    const LoneDateConverter converter(session.Form());
    std::string written = "kept";
    {
        TextAppender out(written);
        for (const std::string text : {"", "   ", "2008-02-30", "5800001-01-01", "-5-01-01"}) {
            EXPECT_FALSE(converter.AppendReport(text, out)) << text;  // -5: no ordinal date
        }
    }
    EXPECT_EQ(written, "kept");
}

// Runs the batch over `input` through files, as the program does with standard
// input and output.
struct BatchRun {
    std::string output;
    std::vector<std::string> errors;
};

BatchRun RunThroughFiles(const std::string& input, const CliOptions& options,
                         const ProgramTexts& texts, unsigned threads) {
    std::FILE* in = std::tmpfile();
    std::FILE* out = std::tmpfile();
    std::fwrite(input.data(), 1, input.size(), in);
    std::rewind(in);
    BatchRun run;
    run.errors = RunBatch(in, out, options, texts, threads);
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

// What the batch must give: each line computed on its own by the full Compute,
// in a window of its own.
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
        if (end - start > kMaxLineBytes) {
            run.errors.push_back("line " + std::to_string(number) +
                                 ": the line is longer than 4096 bytes");
        } else if (line.find_first_not_of(" \t") != std::string::npos) {
            CliSession session(options, texts);
            std::vector<std::string> messages;
            session.Compute(line, options.diff, options.second, messages);
            for (const std::string& message : messages) {
                run.errors.push_back("line " + std::to_string(number) + ": " + message);
            }
            const std::string_view report = session.OutputText();
            run.output += report.substr(0, report.find("\r\n"));
        }
        run.output += '\n';
        start = end + 1;
    }
    return run;
}

TEST_F(LoneDateConverterTest, BatchGivesWhatLineByLineComputesGiveAcrossBlocks) {
    std::mt19937 random(7);
    const std::vector<std::string> lines = RandomTexts(random, 30000);
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
    // A lone date, a difference, and two dates in months, which Compute refuses
    // and answers by switching to days: every line must be refused all the same.
    for (const int fields : {0, 1, 2}) {
        CliOptions options = RandomOptions(random, CalendarCode::CE, CalendarCode::ISO);
        options.months = fields == 2;
        options.diff = fields == 1 ? "-1,000" : "";
        options.second = fields == 2 ? "2008-01-15" : "";
        const BatchRun expected = LineByLine(input, options, texts);
        for (const unsigned threads : {1u, 2u, 3u}) {
            const BatchRun run = RunThroughFiles(input, options, texts, threads);
            EXPECT_EQ(run.output, expected.output) << threads << " threads";
            EXPECT_EQ(run.errors, expected.errors) << threads << " threads";
        }
    }
}

TEST_F(LoneDateConverterTest, BatchOfNothingWritesNothing) {
    const BatchRun run = RunThroughFiles("", CliOptions{}, texts, 2);
    EXPECT_EQ(run.output, "");
    EXPECT_TRUE(run.errors.empty());
    EXPECT_EQ(RunThroughFiles("\n", CliOptions{}, texts, 2).output, "\n");
}

}  // namespace
}  // namespace tembrel::cli
