#pragma once

#include "core/clipboard.h"

#include <string>

class QMimeData;

namespace vavivor {

// The MIME type of the SVG drawing of a copied or dragged figure.
inline constexpr const char* kSvgMimeType = "image/svg+xml";

// One figure for the clipboard or a drag: `text` as plain text, `picture` as an SVG drawing and
// as an image, both as File > Export Picture makes them (the drawing at the picture area's
// size, the image antialiased at its PNG size). The caller owns the data.
QMimeData* figureMimeData(const std::string& text, const Picture& picture);

// The desktop's clipboard through Qt.
class QtClipboard : public Clipboard {
public:
    void putFigure(const std::string& text, const Picture& picture) override;
    void putText(const std::string& text) override;
    [[nodiscard]] std::optional<std::string> text() const override;
};

} // namespace vavivor
