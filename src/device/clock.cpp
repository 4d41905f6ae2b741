#include "device/clock.h"

#include <cerrno>
#include <ctime>
#include <sys/prctl.h>

namespace orln7a {

void SystemClock::SleepFor(std::chrono::milliseconds duration) {
    if (duration.count() <= 0)
        return;
    // A transfer is hundreds of short sleeps: the kernel's default 50 us timer slack would add
    // up to a noticeable share of it, so this thread asks for precise wake-ups.
    static thread_local const bool precise = prctl(PR_SET_TIMERSLACK, 1UL, 0, 0, 0) == 0;
    (void)precise;
    timespec deadline{};
    clock_gettime(CLOCK_MONOTONIC, &deadline);
    const long long ns = deadline.tv_nsec + duration.count() * 1000000LL;
    deadline.tv_sec += static_cast<time_t>(ns / 1000000000LL);
    deadline.tv_nsec = static_cast<long>(ns % 1000000000LL);
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr) == EINTR) {
    }
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
