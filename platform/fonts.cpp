#include "fonts.h"

#include <QApplication>
#include <QFont>
#include <QStringList>

namespace vavivor {

void registerFontSubstitutions() {
    // Liberation Sans has the metrics of Arial, so captions fit their boxes as designed.
    const QStringList similar{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), similar);
    QFont::insertSubstitutions(QStringLiteral("Arial"), similar);
}

void useWindowFace() {
    QFont font = QApplication::font();
    font.setFamily(QStringLiteral("MS Sans Serif"));
    QApplication::setFont(font);
}

} // namespace vavivor
