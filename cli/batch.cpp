#include "cli/batch.h"

#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#include "cli/cli_request.h"
#include "cli/computation_record.h"
#include "cli/line_reader.h"
#include "cli/record_output.h"
#include "compute/compute.h"
#include "compute/compute_messages.h"
#include "core/text_appender.h"

namespace tembrel::cli {

namespace {

// The input is read this many bytes at a time (some 3000 dates): large enough
// that taking turns between threads costs nothing noticeable, small enough that
// each worker's buffers stay in the processor's cache.
constexpr size_t kBlockBytes = 32 * 1024;

// Whole lines of the input and what became of them.
struct Block {
    size_t firstLine = 0;  // the number of the block's first line in the input, from 0
    Lines input;
    std::string output;
    // Refusals: the number of the line within the block (from 0) and the message.
    std::vector<std::pair<size_t, std::string>> errors;
};

std::string LineTooLongMessage() {
    return "the line is longer than " + std::to_string(kMaxLineBytes) + " bytes";
}

// Calls tooLong(number) for a line too long to be read, blank(line, number) for
// a line of only blanks (or none) and date(line, number) for every other line of
// `input`, in order; a line's number counts from 0 in the block, its text has no
// line end.
template <typename TooLong, typename Blank, typename Date>
void ForEachLine(const Lines& input, TooLong tooLong, Blank blank, Date date) {
    auto nextTooLong = input.tooLong.begin();
    for (size_t number = 0; number < input.Count(); ++number) {
        std::string_view line = input.Line(number);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (nextTooLong != input.tooLong.end() && *nextTooLong == number) {
            ++nextTooLong;
            tooLong(number);
        } else if (line.find_first_not_of(" \t") == std::string_view::npos) {
            blank(line, number);
        } else {
            date(line, number);
        }
    }
}

// One worker's means of computing: the request of the command line, whose first
// date each line replaces, and a result whose buffers every line reuses.
class LineComputer {
  public:
    LineComputer(const CliOptions& options, const ProgramTexts& texts, int32_t today,
                 const holidays::WorkingDays* workingDays)
        : request_(RequestFor(options, today, workingDays)),
          format_(options.format),
          texts_(texts) {
        request_.oneLine = true;
    }

    // Computes the lines of the block into its output and errors.
    void Compute(Block& block) {
        if (format_ == OutputFormat::Text) {
            ComputeReports(block);
        } else {
            ComputeRecords(block);
        }
    }

  private:
    // Each line gives its report line; a refused, blank or over-long line an
    // empty line.
    void ComputeReports(Block& block) {
        // Reports run to about four times the length of their input line.
        block.output.reserve(block.input.text.size() * 4);
        TextAppender out(block.output);
        ForEachLine(
            block.input,
            [&](size_t number) {
                block.errors.emplace_back(number, LineTooLongMessage());
                out.Add('\n');
            },
            [&](std::string_view, size_t) { out.Add('\n'); },
            [&](std::string_view line, size_t number) {
                request_.firstDate = line;
                const size_t before = out.Size();
                tembrel::Compute(request_, result_, out);
                if (out.Size() == before) {
                    out.Add('\n');  // a refused input writes nothing of its own
                }
                if (result_.message != ComputeMessage::None) {
                    block.errors.emplace_back(
                        number, MessageText(result_.message, request_.language, texts_, "\n"));
                }
            });
    }

    // Each line gives its record, whatever became of it.
    void ComputeRecords(Block& block) {
        ForEachLine(
            block.input,
            [&](size_t number) {
                request_.firstDate = {};
                result_.Clear();
                ComputationRecord record = RecordOf(request_, result_, {}, texts_);
                record.firstInput.reset();
                record.message = MessageRecord{kLineTooLongCode, LineTooLongMessage()};
                block.errors.emplace_back(number, record.message->text);
                AppendRecord(format_, record, block.firstLine + number + 1, block.output);
            },
            [&](std::string_view line, size_t number) {
                request_.firstDate = line;
                result_.Clear();
                AppendRecord(format_, RecordOf(request_, result_, {}, texts_),
                             block.firstLine + number + 1, block.output);
            },
            [&](std::string_view line, size_t number) {
                request_.firstDate = line;
                tembrel::Compute(request_, result_);
                const ComputationRecord record =
                    RecordOf(request_, result_, result_.output, texts_);
                AppendRecord(format_, record, block.firstLine + number + 1, block.output);
                if (record.message) {
                    block.errors.emplace_back(number, record.message->text);
                }
            });
    }

    ComputeRequest request_;
    OutputFormat format_;
    ComputeResult result_;
    const ProgramTexts& texts_;
};

// The input and the output shared by the workers. Each worker reads a block,
// computes it and writes it when its turn comes: the blocks are written in the
// order they were read. The workers rarely wait for each other (blocks of equal
// work finish in the order they started), so that threads are seldom woken.
class BatchStreams {
  public:
    BatchStreams(std::FILE* input, std::FILE* output) : reader_(input), output_(output) {}

    // Fills the block with the next lines; returns its place in the order, or
    // nothing when the input has ended.
    std::optional<uint64_t> Read(Block& block) {
        const std::lock_guard lock(inputMutex_);
        if (inputEnded_) {
            return std::nullopt;
        }
        inputEnded_ = !reader_.Read(block.input, kBlockBytes);
        if (block.input.Count() == 0) {
            inputEnded_ = true;
            return std::nullopt;
        }
        block.firstLine = linesRead_;
        linesRead_ += block.input.Count();
        return blocksRead_++;
    }

    // Returns true while the input has not ended.
    bool MoreInput() {
        const std::lock_guard lock(inputMutex_);
        return !inputEnded_;
    }

    // Writes the computed block once every block read before it is written, and
    // empties it for reuse.
    void Write(uint64_t place, Block& block) {
        std::unique_lock lock(outputMutex_);
        turn_.wait(lock, [&] { return blocksWritten_ == place; });
        std::fwrite(block.output.data(), 1, block.output.size(), output_);
        for (const auto& [line, message] : block.errors) {
            errors_.push_back("line " + std::to_string(block.firstLine + line + 1) + ": " +
                              message);
        }
        ++blocksWritten_;
        turn_.notify_all();
        block.input.Clear();
        block.output.clear();
        block.errors.clear();
    }

    // Returns the refusals of all blocks written, in input order.
    std::vector<std::string> TakeErrors() { return std::move(errors_); }

  private:
    LineReader reader_;
    std::FILE* output_;

    std::mutex inputMutex_;
    bool inputEnded_ = false;
    uint64_t blocksRead_ = 0;
    size_t linesRead_ = 0;

    std::mutex outputMutex_;
    std::condition_variable turn_;
    uint64_t blocksWritten_ = 0;
    std::vector<std::string> errors_;
};

// Runs in every worker: computes and writes the block at `place` (nothing: no
// block), then reads, computes and writes further blocks until the input ends.
void Work(BatchStreams& streams, LineComputer& computer, Block& block,
          std::optional<uint64_t> place) {
    for (; place; place = streams.Read(block)) {
        computer.Compute(block);
        streams.Write(*place, block);
    }
}

}  // namespace

std::vector<std::string> RunBatch(std::FILE* input, std::FILE* output, const CliOptions& options,
                                  const ProgramTexts& texts, int32_t today, unsigned threads,
                                  const holidays::WorkingDays* workingDays) {
    if (const std::string_view header = OutputHeader(options.format); !header.empty()) {
        std::fwrite(header.data(), 1, header.size(), output);
    }
    BatchStreams streams(input, output);
    LineComputer computer(options, texts, today, workingDays);
    Block block;
    const std::optional<uint64_t> first = streams.Read(block);
    std::vector<std::thread> pool;
    // Input that fits in one block is not worth a thread.
    if (streams.MoreInput()) {
        for (unsigned w = 1; w < threads; ++w) {
            pool.emplace_back([&] {
                LineComputer helperComputer(options, texts, today, workingDays);
                Block helperBlock;
                Work(streams, helperComputer, helperBlock, streams.Read(helperBlock));
            });
        }
    }
    Work(streams, computer, block, first);
    for (std::thread& worker : pool) {
        worker.join();
    }
    return streams.TakeErrors();
}

}  // namespace tembrel::cli
