#include "text/program_text_messages.h"

namespace tembrel {

namespace {

constexpr std::string_view kLineBreak = "\r\n";

// Builds "<lead> <line>.", as in "Missing string at line 10.".
std::string LineMessage(std::string_view lead, int64_t line) {
    std::string message(lead);
    message += ' ';
    message += std::to_string(line);
    message += '.';
    return message;
}

// Builds "Error reading file." with "Line <line> <problem>" on a second line.
std::string ReadErrorAtLine(int32_t line, std::string_view problem) {
    std::string message = LoadResultMessage(-7, {});
    message += kLineBreak;
    message += "Line ";
    message += std::to_string(line);
    message += ' ';
    message += problem;
    return message;
}

}  // namespace

std::string LoadResultMessage(int32_t r, std::string_view full_path) {
    // 64-bit intermediates: -(r + 1500) for r = INT32_MIN does not fit in 32 bits.
    const int64_t code = r;
    if (code >= 1) {
        return {};
    }
    switch (r) {
        case 0:
            return "No program text was read.";
        case -1: {
            std::string message = "Cannot open file containing program text.";
            message += kLineBreak;
            message += full_path;
            return message;
        }
        case -2:
            return "Particular memory allocation error.";
        case -3:
            return "Too much program text.";
        case -4:
            return "Text not recovered.";
        case -6:
            return "File is empty.";
        case -7:
            return "Error reading file.";
        case -8:
            return "General memory allocation error.";
        default:
            break;
    }
    if (code >= -500) {  // -5 and -9 .. -500
        return "Error " + std::to_string(r);
    }
    if (code >= -1000) {
        return LineMessage("Missing string at line", -(code + 500));
    }
    if (code >= -1500) {
        return LineMessage("String too long at line", -(code + 1000));
    }
    return LineMessage("Duplicate in program text at line", -(code + 1500));
}

std::string LoadOutcomeMessage(const zidiva6::LoadOutcome& outcome, std::string_view full_path) {
    using zidiva6::LoadStatus;
    switch (outcome.status) {
        case LoadStatus::MissingString:
            return LineMessage("Missing string at line", outcome.value);
        case LoadStatus::StringTooLong:
            return LineMessage("String too long at line", outcome.value);
        case LoadStatus::InvalidText:
            return ReadErrorAtLine(outcome.value, "is not UTF-8 text.");
        case LoadStatus::MalformedLine:
            return ReadErrorAtLine(outcome.value, "is not of the form number.language = text.");
        default:
            return LoadResultMessage(zidiva6::ResultCode(outcome), full_path);
    }
}

}  // namespace tembrel
