#include "system_clock.h"

#include <QDate>
#include <QLocale>

namespace vavivor {

std::string SystemClock::longDate() const {
    return QLocale::system().toString(QDate::currentDate(), QLocale::LongFormat).toStdString();
}

} // namespace vavivor
