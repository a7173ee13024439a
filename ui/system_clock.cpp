#include "ui/system_clock.h"

#include <chrono>
#include <ctime>

#include "core/calendar.h"

namespace zel {

namespace {

namespace chr = std::chrono;

// How far the local time is ahead of UTC at `now`: the C library's local reading of now, counted
// as if it were UTC, less now. Only the current time passes through time_t, whose range holds it
// on every system; a system without a local time reads UTC.
chr::seconds UtcOffsetAt(chr::sys_seconds now) {
    const std::time_t t = chr::system_clock::to_time_t(now);
    // std::localtime's result is shared between calls; the windows read the clock on one thread.
    const std::tm* local = std::localtime(&t);
    if (!local) return chr::seconds{0};
    const chr::sys_days day = chr::year{local->tm_year + 1900} / (local->tm_mon + 1) / local->tm_mday;
    const chr::sys_seconds shown =
        day + chr::hours{local->tm_hour} + chr::minutes{local->tm_min} + chr::seconds{local->tm_sec};
    return shown - now;
}

}  // namespace

LocalDateTime SystemClock::Now() {
    const auto now = chr::floor<chr::seconds>(chr::system_clock::now());
    return MomentOfInstant(now, UtcOffsetAt(now));
}

}  // namespace zel
