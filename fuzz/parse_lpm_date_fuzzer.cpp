// Fuzzes ParseLPMDate (leap week dates in month form); see CheckLeapWeekParse.
#include <cstddef>
#include <cstdint>

#include "fuzz/leap_week_fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tembrel::fuzz;
    CheckLeapWeekParse(AsText(data, size), LeapWeekForm::Month);
    return 0;
}
