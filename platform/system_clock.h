#pragma once

#include "core/clock.h"

namespace vavivor {

// Today's date from the system clock, in the long date format of the system's locale.
class SystemClock : public Clock {
public:
    [[nodiscard]] std::string longDate() const override;
};

} // namespace vavivor
