#pragma once

#include <string>

namespace vavivor {

class Clock {
public:
    virtual ~Clock() = default;

    // Today's date in the system's long date format.
    [[nodiscard]] virtual std::string longDate() const = 0;
};

} // namespace vavivor
