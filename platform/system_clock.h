#pragma once

#include "core/clock.h"

#include <QDate>
#include <QLocale>

namespace vavivor {

// Today's date from the system clock, in the date formats of the system's locale; a given
// locale and day stand in for them.
class SystemClock : public Clock {
public:
    explicit SystemClock(const QLocale& locale = QLocale::system(), QDate day = {});

    [[nodiscard]] std::string longDate() const override;
    // The long date, the same without the weekday, then with the month's short name, then the
    // locale's short date.
    [[nodiscard]] std::vector<std::string> dateForms() const override;

private:
    [[nodiscard]] QDate today() const;

    QLocale m_locale;
    QDate m_day;
};

} // namespace vavivor
