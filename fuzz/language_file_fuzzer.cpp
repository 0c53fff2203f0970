// Fuzzes the language data file loader. Besides "no crash, no overflow", it checks
// properties: every outcome is consistent with its result code and the store; gt
// copies each loaded text exactly into a buffer of exactly the needed size; and
// writing the loaded texts back in the file format and loading them again gives
// the same texts.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "libs/zidiva6/load_outcome.h"
#include "libs/zidiva6/text_file_format.h"
#include "libs/zidiva6/text_store.h"

namespace {

using tembrel::zidiva6::LoadOutcome;
using tembrel::zidiva6::LoadStatus;
using tembrel::zidiva6::TextStore;
namespace z = tembrel::zidiva6;

using TextList = std::vector<std::tuple<int32_t, int32_t, std::string>>;

void Require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "property violated: %s\n", what);
        std::abort();
    }
}

TextList ListTexts(const TextStore& store) {
    TextList texts;
    store.ForEachText([&](int32_t number, int32_t language, std::string_view text) {
        texts.emplace_back(number, language, std::string(text));
    });
    return texts;
}

// Writes a text back in the file's escaped form.
std::string Escape(std::string_view text) {
    std::string escaped;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\r\n") == 0) {
            escaped += "\\n";
            ++i;
        } else if (text[i] == '\\') {
            escaped += "\\\\";
        } else {
            escaped += text[i];
        }
    }
    return escaped;
}

void CheckOutcome(const LoadOutcome& outcome, const TextStore& store) {
    const int32_t code = z::ResultCode(outcome);
    if (outcome.status == LoadStatus::Loaded) {
        Require(outcome.value >= 1 && code == outcome.value && store.Count() == code,
                "a loaded file reports its count");
    } else {
        Require(code < 1 && store.Count() == 0, "a failed load holds no text");
    }
    if (z::HasLineNumber(outcome.status)) {
        Require(outcome.value >= 1 && outcome.value <= z::kMaxLineNumber,
                "line numbers lie in the file");
    }
}

void CheckFetching(const TextStore& store, const TextList& texts) {
    for (const auto& [number, language, text] : texts) {
        Require(!text.empty() && text.size() <= static_cast<std::size_t>(z::kMaxTextBytes),
                "texts are non-empty and fit the buffer");
        // An exact-size heap buffer: AddressSanitizer reports any byte beyond it.
        std::vector<char> buffer(text.size() + 1);
        const int32_t length =
            store.gt(number, language, buffer.data(), static_cast<int32_t>(buffer.size()), 1);
        Require(length == static_cast<int32_t>(text.size()) &&
                    std::memcmp(buffer.data(), text.data(), text.size()) == 0 &&
                    buffer.back() == '\0',
                "gt copies the text and its zero");
        Require(store.gt(number, language, buffer.data(), static_cast<int32_t>(text.size()), 1) < 1,
                "gt refuses a buffer one byte short");
    }
}

void CheckRoundTrip(const TextList& texts) {
    std::string rewritten;
    for (const auto& [number, language, text] : texts) {
        rewritten += std::to_string(number);
        rewritten += '.';
        rewritten += z::kLanguageTags[static_cast<std::size_t>(language)];
        rewritten += " = ";
        rewritten += Escape(text);
        rewritten += '\n';
    }
    if (rewritten.size() > static_cast<std::size_t>(z::kMaxFileBytes)) {
        return;  // the canonical form can be longer than a terse original
    }
    TextStore again;
    const LoadOutcome outcome = again.LoadFromMemory(rewritten);
    Require(outcome.status == LoadStatus::Loaded, "the rewritten file loads");
    Require(ListTexts(again) == texts, "the rewritten file holds the same texts");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    TextStore store;
    const LoadOutcome outcome = store.LoadFromMemory(bytes);
    CheckOutcome(outcome, store);
    if (outcome.status != LoadStatus::Loaded) {
        return 0;
    }
    const TextList texts = ListTexts(store);
    CheckFetching(store, texts);
    CheckRoundTrip(texts);
    return 0;
}
