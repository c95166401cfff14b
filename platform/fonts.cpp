#include "fonts.h"

#include <QFont>
#include <QStringList>

namespace vavivor {

void registerFontSubstitutions() {
    // Liberation Sans has the metrics of Arial, so captions fit their boxes as designed.
    const QStringList similar{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), similar);
    QFont::insertSubstitutions(QStringLiteral("Arial"), similar);
}

} // namespace vavivor
