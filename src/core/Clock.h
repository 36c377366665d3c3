#pragma once

#include "core/DateTimeText.h"

// The program's one source of time. Date-times (for stamps) come from the local clock; durations
// come from a monotonic clock, so a change of the wall clock during a run never bends a measured
// time.
class Clock {
public:
    virtual ~Clock() = default;
    // Local date and time as days since 30 December 1899.
    virtual DateTime Now() const = 0;
    // Milliseconds from an arbitrary fixed start; never goes backwards.
    virtual qint64 MonotonicMSecs() const = 0;
};

class SystemClock final : public Clock {
public:
    SystemClock();
    DateTime Now() const override;
    qint64 MonotonicMSecs() const override;
};

// The clock every window asks; tests install a fake one (nullptr puts the system clock back).
Clock& AppClock();
void SetAppClock(Clock* clock);
