// The system's wall-clock time, to the millisecond.
#pragma once

namespace vardex {

struct SLocalTime {
    int day = 1; // of the month
    int hour = 0;
    int minute = 0;
    int second = 0;
    int milliseconds = 0;
};

class ILocalTime {
public:
    virtual ~ILocalTime() = default;
    virtual SLocalTime Now() = 0;
};

} // namespace vardex
