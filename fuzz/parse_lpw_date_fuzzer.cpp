// Fuzzes ParseLPWDate (leap week dates in week form); see CheckLeapWeekParse.
#include <cstddef>
#include <cstdint>

#include "fuzz/leap_week_fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tembrel::fuzz;
    CheckLeapWeekParse(AsText(data, size), LeapWeekForm::Week);
    return 0;
}
