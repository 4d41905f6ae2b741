#include "device/clock.h"

#include <thread>

namespace orln7a {

void SystemClock::SleepFor(std::chrono::milliseconds duration) {
    std::this_thread::sleep_for(duration);
}

std::chrono::milliseconds SystemClock::Now() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
}

void FakeClock::SleepFor(std::chrono::milliseconds duration) {
    if (duration.count() > 0)
        now_ += duration;
    ++sleeps_;
}

} // namespace orln7a
