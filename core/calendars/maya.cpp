#include "core/calendars/maya.h"

#include <limits>

#include "core/calendars/calendar_arithmetic.h"

namespace tembrel {

namespace {

constexpr int64_t kKatunDays = 7200;
constexpr int64_t kBaktunDays = 20 * kKatunDays;

// Every 32-bit day number, moved forward by this many baktun, lies after the
// creation date.
constexpr int64_t kShiftBaktun = 15000;
static_assert(kShiftBaktun * kBaktunDays >
              -int64_t{std::numeric_limits<int32_t>::min()} + kMayaEpochJdn);

}  // namespace

MayaLongCount MayaLongCountOfJdn(int32_t jdn) {
    const auto days =
        static_cast<uint64_t>(int64_t{jdn} - kMayaEpochJdn + kShiftBaktun * kBaktunDays);
    const auto inBaktun = static_cast<uint32_t>(days % kBaktunDays);  // [0, 143999]
    const uint32_t inKatun = inBaktun % kKatunDays;                   // [0, 7199]
    const uint32_t inTun = inKatun % 360;                             // [0, 359]
    return {static_cast<int32_t>(static_cast<int64_t>(days / kBaktunDays) - kShiftBaktun),
            static_cast<int32_t>(inBaktun / kKatunDays), static_cast<int32_t>(inKatun / 360),
            static_cast<int32_t>(inTun / 20), static_cast<int32_t>(inTun % 20)};
}

JdnResult MayaLongCountToJdn(const MayaLongCount& count) {
    if (count.katun < 0 || count.katun > 19 || count.tun < 0 || count.tun > 19 || count.uinal < 0 ||
        count.uinal > 17 || count.kin < 0 || count.kin > 19) {
        return Refused(DateCheck::NoSuchPlace);
    }
    // |baktun| < 2^31: the product stays below 2^49.
    return calendar_math::DayOfCount(kMayaEpochJdn + kBaktunDays * count.baktun +
                                     kKatunDays * count.katun + 360 * count.tun + 20 * count.uinal +
                                     count.kin);
}

}  // namespace tembrel
