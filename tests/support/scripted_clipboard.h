#pragma once

#include "core/clipboard.h"

#include <optional>
#include <string>

namespace vavivor {

// A clipboard that keeps what was put on it; a test may put text there as another program
// would.
class ScriptedClipboard : public Clipboard {
public:
    void putFigure(const std::string& text, const Picture& picture) override {
        content = text;
        figure = picture;
    }
    void putText(const std::string& text) override {
        content = text;
        figure.reset();
    }
    [[nodiscard]] std::optional<std::string> text() const override { return content; }

    std::optional<std::string> content; // nothing: the clipboard holds no text
    std::optional<Picture> figure;
};

} // namespace vavivor
