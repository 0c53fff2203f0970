// Replacing a small file so that a crash, a killed process, a full disk or a
// power cut never leaves it truncated or half written.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tembrel {

// Replaces the file at `path` with `bytes`: writes them to a new temporary file
// in the same folder (a unique name, created exclusively, readable and writable
// by the user only), flushes it to the disk, renames it over `path` and flushes
// the folder. Afterwards `path` holds either its former contents (or is still
// absent) or all of `bytes`, whatever happens to the process meanwhile.
// Returns true when the new contents are in place and flushed. On any failure
// (missing or read-only folder, full disk, a folder at `path`) returns false,
// removes the temporary file and leaves `path` as it was; the one exception is
// a failure to flush the folder after the rename, where the new contents are
// already in place and false only says that their durability is not confirmed.
// A process killed between creating and renaming the temporary file leaves it
// behind (named ".<file name>.<random>"); it is never read. Never throws.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) noexcept;

// Writes the text `compose()` returns as WriteFileAtomically does; false also
// when composing it throws (out of memory), the former file then untouched.
template <typename Compose>
bool WriteComposedFileAtomically(const std::filesystem::path& path, Compose compose) noexcept {
    std::string text;
    try {
        text = compose();
    } catch (...) {
        return false;
    }
    return WriteFileAtomically(path, text);
}

}  // namespace tembrel
