#pragma once

#include "picture.h"

#include <optional>
#include <string>

namespace vavivor {

// The desktop's clipboard, as far as figures travel through it.
class Clipboard {
public:
    virtual ~Clipboard() = default;

    // Puts one figure on the clipboard in one go: `text` (its gene text) as plain text, and
    // `picture` as an SVG drawing and as an image, as File > Export Picture writes them.
    virtual void putFigure(const std::string& text, const Picture& picture) = 0;
    // Puts plain text alone on the clipboard.
    virtual void putText(const std::string& text) = 0;
    // The clipboard's plain text; nothing when it holds none.
    [[nodiscard]] virtual std::optional<std::string> text() const = 0;
};

} // namespace vavivor
