#pragma once

#include <string>
#include <vector>

namespace vavivor {

class Clock {
public:
    virtual ~Clock() = default;

    // Today's date in the system's long date format.
    [[nodiscard]] virtual std::string longDate() const = 0;
    // Today's date in every form the page may take, longest first: the long date, then
    // shorter forms for where it does not fit.
    [[nodiscard]] virtual std::vector<std::string> dateForms() const { return {longDate()}; }
};

} // namespace vavivor
