// The computation engine: from the three input texts and the options, the report,
// the fields' new texts and the numbers. One path for the window and the command
// line; it knows no windows, asks no questions and reads no clock.
//
// What is computed follows from the texts that are not empty (after trimming):
//   none                 today is the first date, converted as below
//   first or second      the date converted into the other date's calendar
//   a date and the difference
//                        the other date: the difference in days (working days
//                        only, the first date counted or not) or in calendar months
//   both dates           the days between them, with a breakdown in years,
//                        months or weeks, and days
//   only the difference  nothing
//   all three            nothing: DifferenceMustBeEmpty (the window asks which
//                        field to empty before it computes)
// A text that is not a date or number of its field, or a result beyond the range,
// stops the computation with its message; fields read before keep their normal
// form.
#pragma once

#include "compute/compute_request.h"
#include "compute/compute_result.h"

namespace tembrel {

// Computes `request` into `result`, which is cleared first; reusing one result
// for many computations reuses its buffers.
void Compute(const ComputeRequest& request, ComputeResult& result);

inline ComputeResult Compute(const ComputeRequest& request) {
    ComputeResult result;
    Compute(request, result);
    return result;
}

}  // namespace tembrel
