#include "libs/zidiva6/text_store.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <system_error>

namespace tembrel::zidiva6 {

namespace {

constexpr int32_t kResultBadArgument = -5;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// Reads at most kMaxFileBytes + 1 bytes of the file into `bytes`, enough to tell
// a file that is too large. Answers the failure, or nothing when `bytes` holds the
// whole file. Throws only std::bad_alloc.
std::optional<LoadOutcome> ReadFileBytes(const char* path, std::string& bytes) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        return LoadOutcome{LoadStatus::CannotOpen, 0};
    }
    const FileHandle file(std::fopen(path, "rb"));
    if (!file) {
        return LoadOutcome{LoadStatus::CannotOpen, 0};
    }
    constexpr std::size_t kLimit = static_cast<std::size_t>(kMaxFileBytes) + 1;
    char chunk[64 * 1024];
    while (bytes.size() < kLimit) {
        const std::size_t wanted = std::min(sizeof chunk, kLimit - bytes.size());
        const std::size_t got = std::fread(chunk, 1, wanted, file.get());
        bytes.append(chunk, got);
        if (got < wanted) {
            break;
        }
    }
    if (std::ferror(file.get()) != 0) {
        return LoadOutcome{LoadStatus::ReadError, 0};
    }
    if (bytes.size() > static_cast<std::size_t>(kMaxFileBytes)) {
        return LoadOutcome{LoadStatus::TooMuchText, 0};
    }
    return std::nullopt;
}

}  // namespace

LoadOutcome TextStore::LoadFromMemory(std::string_view bytes) noexcept {
    try {
        TextMap texts;
        const LoadOutcome outcome = ParseTextFile(bytes, texts);
        if (outcome.status == LoadStatus::Loaded) {
            texts_.swap(texts);
        } else {
            texts_.clear();
        }
        return outcome;
    } catch (const std::bad_alloc&) {
        texts_.clear();
        return {LoadStatus::OutOfMemory, 0};
    }
}

LoadOutcome TextStore::LoadFromFile(const char* path) noexcept {
    texts_.clear();
    if (path == nullptr) {
        return {LoadStatus::BadArgument, 0};
    }
    try {
        std::string bytes;
        if (const std::optional<LoadOutcome> failure = ReadFileBytes(path, bytes)) {
            return *failure;
        }
        return LoadFromMemory(bytes);
    } catch (const std::bad_alloc&) {
        return {LoadStatus::OutOfMemory, 0};
    }
}

int32_t TextStore::lt(const char* path, int32_t flags) noexcept {
    if (flags != 0) {
        texts_.clear();
        return kResultBadArgument;
    }
    return ResultCode(LoadFromFile(path));
}

int32_t TextStore::gt(int32_t number, int32_t language, char* buffer, int32_t buffer_size,
                      int32_t /*startup_flag*/) const noexcept {
    if (buffer == nullptr || buffer_size < 1) {
        return kResultBadArgument;
    }
    buffer[0] = '\0';
    if (number < 1 || number > kMaxNumber || language < 0 || language >= kLanguageCount) {
        return 0;
    }
    const auto found = texts_.find(TextKey(number, language));
    if (found == texts_.end()) {
        return 0;
    }
    const std::string& text = found->second;  // at most kMaxTextBytes bytes
    if (text.size() >= static_cast<std::size_t>(buffer_size)) {
        return kResultBadArgument;
    }
    std::memcpy(buffer, text.data(), text.size());
    buffer[text.size()] = '\0';
    return static_cast<int32_t>(text.size());
}

}  // namespace tembrel::zidiva6
