#pragma once

#include "colour.h"
#include "drawing_surface.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vavivor {

// The user coordinate system an item was drawn in.
struct PictureScale {
    double left = 0.0;
    double top = 0.0;
    double right = 1.0;
    double bottom = 1.0;

    bool operator==(const PictureScale&) const = default;
};

// The width in pixels of a picture area on screen; line widths and text sizes of a picture are
// given for this width and scale with the target.
inline constexpr double kPictureReferencePixels = 656.0;

struct PictureItem {
    enum class Kind : std::uint8_t { Line, Rectangle, Text };

    Kind kind = Kind::Line;
    std::uint8_t lineWidth = 1; // pixels of a kPictureReferencePixels-wide area
    std::uint16_t scale = 0;    // index into Picture::scales()
    Colour colour = kBlack;
    double x1 = 0.0;
    double y1 = 0.0;
    double x2 = 0.0;
    double y2 = 0.0;
    std::uint32_t text = 0; // Text items: index into Picture::texts()
};

// The persistent image of a picture area kept as what was drawn, in drawing order, so that it
// can be painted again at any size: on screen, on paper or into a file.
class Picture {
public:
    void clear();
    void add(const PictureItem& item) { m_items.push_back(item); }
    std::uint16_t scaleIndex(const PictureScale& scale);
    std::uint32_t addText(std::string text);

    [[nodiscard]] const std::vector<PictureItem>& items() const { return m_items; }
    [[nodiscard]] const std::vector<PictureScale>& scales() const { return m_scales; }
    [[nodiscard]] const std::vector<std::string>& texts() const { return m_texts; }
    [[nodiscard]] bool empty() const { return m_items.empty(); }

private:
    std::vector<PictureItem> m_items;
    std::vector<PictureScale> m_scales;
    std::vector<std::string> m_texts;
};

// A drawing surface that only records: the core of every picture area, and on its own the
// surface of tests and of the command-line renderer.
class RecordingSurface : public DrawingSurface {
public:
    RecordingSurface();

    void setScale(double left, double top, double right, double bottom) override;
    void setLineWidth(int pixels) override;
    void line(double x1, double y1, double x2, double y2, Colour colour) override;
    void rectangle(double x1, double y1, double x2, double y2, Colour colour) override;
    void printText(std::string_view text) override;
    void clear() override;
    [[nodiscard]] const Picture& picture() const override { return m_picture; }

    [[nodiscard]] PictureScale scale() const { return m_scale; }
    [[nodiscard]] int lineWidth() const { return m_lineWidth; }
    [[nodiscard]] double currentX() const { return m_currentX; }
    [[nodiscard]] double currentY() const { return m_currentY; }

private:
    std::uint16_t currentScaleIndex();

    Picture m_picture;
    PictureScale m_scale;
    int m_scaleIndex = -1; // index of m_scale in m_picture, -1 until first needed
    int m_lineWidth = 1;
    double m_currentX = 0.0;
    double m_currentY = 0.0;
};

} // namespace vavivor
