#include "libs/zidiva6/load_outcome.h"

namespace tembrel::zidiva6 {

namespace {

constexpr int32_t kCodeReadError = -7;

// Encodes a line error in the range starting below `base`, or as a read error
// when the line number would spill into the next range.
int32_t LineCode(int32_t base, int32_t line) {
    if (line > kMaxCodedLine) {
        return kCodeReadError;
    }
    return base - line;  // base - 1 .. base - 500
}

}  // namespace

int32_t ResultCode(const LoadOutcome& outcome) {
    switch (outcome.status) {
        case LoadStatus::Loaded:
            return outcome.value;
        case LoadStatus::NoText:
            return 0;
        case LoadStatus::CannotOpen:
            return -1;
        case LoadStatus::TooMuchText:
            return -3;
        case LoadStatus::BadArgument:
            return -5;
        case LoadStatus::Empty:
            return -6;
        case LoadStatus::ReadError:
        case LoadStatus::InvalidText:
        case LoadStatus::MalformedLine:
            return kCodeReadError;
        case LoadStatus::OutOfMemory:
            return -8;
        case LoadStatus::MissingString:
            return LineCode(-500, outcome.value);
        case LoadStatus::StringTooLong:
            return LineCode(-1000, outcome.value);
        case LoadStatus::Duplicate:
            return -1500 - outcome.value;  // no overflow: value <= kMaxLineNumber
    }
    return kCodeReadError;
}

}  // namespace tembrel::zidiva6
