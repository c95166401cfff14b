#include "window_layout.h"

#include "core/number_text.h"

namespace vavivor {

int twipsToPixels(int twips) {
    return static_cast<int>(roundHalfEven(static_cast<double>(twips) / kTwipsPerPixel));
}

QRect twipsRect(int left, int top, int width, int height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

QSize twipsSize(int width, int height) {
    return {twipsToPixels(width), twipsToPixels(height)};
}

QFont windowFont(double points, bool bold) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(static_cast<int>(roundHalfEven(points * 96.0 / 72.0)));
    font.setBold(bold);
    return font;
}

} // namespace vavivor
