// The dates and the difference that validation fills and the operations read and
// write; one instance, overwritten by every Compute, starting zero.
#pragma once

#include <cstdint>

#include "core/date_records.h"

namespace tembrel {

struct ComputationState {
    CalDate udtFirstDate{};   // first date: year, month, day, marker, jdn
    CalDate udtSecondDate{};  // second date
    // Days mode: the difference as parsed, or the computed day count; 0 when the
    // difference field is empty. Months mode does not store its month count here.
    int32_t lngDateDiff = 0;
};

}  // namespace tembrel
