#pragma once

// Every wait of the device link goes through a Clock, so that the real program sleeps while the
// tests and the simulated mouse move time on at once.

#include <chrono>
#include <cstddef>

namespace orln7a {

class Clock {
public:
    virtual ~Clock() = default;
    virtual void SleepFor(std::chrono::milliseconds duration) = 0;
    // Time since some fixed point; only differences mean anything.
    virtual std::chrono::milliseconds Now() const = 0;
};

class SystemClock : public Clock {
public:
    void SleepFor(std::chrono::milliseconds duration) override;
    std::chrono::milliseconds Now() const override;
};

// Time that moves only when someone sleeps; a sleep returns at once.
class FakeClock : public Clock {
public:
    void SleepFor(std::chrono::milliseconds duration) override;
    std::chrono::milliseconds Now() const override { return now_; }
    std::size_t SleepCount() const { return sleeps_; }

private:
    std::chrono::milliseconds now_{0};
    std::size_t sleeps_ = 0;
};

} // namespace orln7a
