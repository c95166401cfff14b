#include "system_clock.h"

#include <QRegularExpression>

namespace vavivor {

SystemClock::SystemClock(const QLocale& locale, QDate day) : m_locale(locale), m_day(day) {}

QDate SystemClock::today() const {
    return m_day.isValid() ? m_day : QDate::currentDate();
}

std::string SystemClock::longDate() const {
    return m_locale.toString(today(), QLocale::LongFormat).toStdString();
}

std::vector<std::string> SystemClock::dateForms() const {
    // The weekday with the separator after it ("dddd, "), or before it at the end.
    static const QRegularExpression weekday(QStringLiteral(R"(dddd[\s,.]*|[\s,.]*dddd$)"));
    QString format = m_locale.dateFormat(QLocale::LongFormat);
    std::vector<std::string> forms{longDate()};
    const auto add = [&forms](const QString& text) {
        if (!text.isEmpty() && text.toStdString() != forms.back()) {
            forms.push_back(text.toStdString());
        }
    };
    format.remove(weekday);
    add(m_locale.toString(today(), format.trimmed()));
    format.replace(QStringLiteral("MMMM"), QStringLiteral("MMM"));
    add(m_locale.toString(today(), format.trimmed()));
    add(m_locale.toString(today(), QLocale::ShortFormat));
    return forms;
}

} // namespace vavivor
