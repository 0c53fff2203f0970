#include "cli/batch.h"

#include <algorithm>
#include <thread>

#include "cli/cli_session.h"

namespace tembrel::cli {

namespace {

// Splits the input into its lines, without their line ends.
std::vector<std::string_view> SplitLines(std::string_view input) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < input.size()) {
        size_t end = input.find('\n', start);
        if (end == std::string_view::npos) {
            end = input.size();
        }
        std::string_view line = input.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

// Computes lines [begin, end) into `result`; line numbers count from 1.
void ComputeLines(const std::vector<std::string_view>& lines, size_t begin, size_t end,
                  const CliOptions& options, const ProgramTexts& texts, BatchResult& result) {
    CliSession session(options, texts);
    std::vector<std::string> messages;
    for (size_t i = begin; i < end; ++i) {
        messages.clear();
        if (!lines[i].empty()) {
            if (!session.Compute(lines[i], options.diff, options.second, messages)) {
                for (const std::string& message : messages) {
                    result.errors.push_back("line " + std::to_string(i + 1) + ": " + message);
                }
            }
            // The report's first line: a result out of range adds an empty line.
            const std::string_view report = session.OutputText();
            result.output.append(report.substr(0, report.find("\r\n")));
        }
        result.output.push_back('\n');
    }
}

}  // namespace

BatchResult RunBatch(std::string_view input, const CliOptions& options, const ProgramTexts& texts,
                     unsigned threads) {
    const std::vector<std::string_view> lines = SplitLines(input);
    // Fewer than a few thousand lines are not worth a thread.
    const size_t workers = std::clamp<size_t>(lines.size() / 4096, 1, std::max(1u, threads));
    std::vector<BatchResult> parts(workers);
    std::vector<std::thread> pool;
    const size_t share = (lines.size() + workers - 1) / workers;
    for (size_t w = 0; w < workers; ++w) {
        const size_t begin = std::min(lines.size(), w * share);
        const size_t end = std::min(lines.size(), begin + share);
        parts[w].output.reserve((end - begin) * 48);
        if (w + 1 == workers) {
            ComputeLines(lines, begin, end, options, texts, parts[w]);
        } else {
            pool.emplace_back(
                [&, begin, end, w] { ComputeLines(lines, begin, end, options, texts, parts[w]); });
        }
    }
    for (std::thread& worker : pool) {
        worker.join();
    }
    BatchResult result = std::move(parts.front());
    for (size_t w = 1; w < workers; ++w) {
        result.output += parts[w].output;
        result.errors.insert(result.errors.end(), parts[w].errors.begin(), parts[w].errors.end());
    }
    return result;
}

}  // namespace tembrel::cli
