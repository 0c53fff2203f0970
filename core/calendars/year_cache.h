// A small memory of per-year results of the astronomical calendars (a year's
// new moons, month starts or new year day), so that converting many days of the
// same few years costs one astronomical computation per year.
//
// Each thread keeps its own memory (declare the cache thread_local), so threads
// that convert at the same time never share or lock anything. A year's slot is
// its number modulo the slot count; a year that finds its slot taken by another
// computes its value and takes the slot.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace tembrel {

template <typename Value, size_t kSlots>
class YearCache {
  public:
    // Returns the value of a year, computed by `compute(year)` unless this
    // thread has it already.
    template <typename Compute>
    const Value& Get(int32_t year, Compute compute) {
        Slot& slot = slots_[static_cast<uint32_t>(year) % kSlots];
        if (!slot.filled || slot.year != year) {
            slot.value = compute(year);
            slot.year = year;
            slot.filled = true;
        }
        return slot.value;
    }

  private:
    struct Slot {
        int32_t year = 0;
        bool filled = false;
        Value value{};
    };
    std::array<Slot, kSlots> slots_{};
};

}  // namespace tembrel
