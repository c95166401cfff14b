#include "picture.h"

#include <algorithm>

namespace vavivor {

void Picture::clear() {
    m_items.clear();
    m_scales.clear();
    m_texts.clear();
}

std::uint16_t Picture::scaleIndex(const PictureScale& scale) {
    const auto found = std::find(m_scales.begin(), m_scales.end(), scale);
    if (found != m_scales.end()) {
        return static_cast<std::uint16_t>(found - m_scales.begin());
    }
    m_scales.push_back(scale);
    return static_cast<std::uint16_t>(m_scales.size() - 1);
}

std::uint32_t Picture::addText(std::string text) {
    m_texts.push_back(std::move(text));
    return static_cast<std::uint32_t>(m_texts.size() - 1);
}

RecordingSurface::RecordingSurface() : m_scale{0.0, 0.0, 1.0, 1.0} {}

void RecordingSurface::setScale(double left, double top, double right, double bottom) {
    m_scale = PictureScale{left, top, right, bottom};
    m_scaleIndex = -1;
}

void RecordingSurface::setLineWidth(int pixels) {
    m_lineWidth = std::clamp(pixels, 1, 255);
}

std::uint16_t RecordingSurface::currentScaleIndex() {
    if (m_scaleIndex < 0) {
        m_scaleIndex = m_picture.scaleIndex(m_scale);
    }
    return static_cast<std::uint16_t>(m_scaleIndex);
}

void RecordingSurface::line(double x1, double y1, double x2, double y2, Colour colour) {
    m_picture.add(PictureItem{PictureItem::Kind::Line, static_cast<std::uint8_t>(m_lineWidth),
                              currentScaleIndex(), colour, x1, y1, x2, y2, 0});
    m_currentX = x2;
    m_currentY = y2;
}

void RecordingSurface::rectangle(double x1, double y1, double x2, double y2, Colour colour) {
    m_picture.add(PictureItem{PictureItem::Kind::Rectangle, static_cast<std::uint8_t>(m_lineWidth),
                              currentScaleIndex(), colour, x1, y1, x2, y2, 0});
}

void RecordingSurface::printText(std::string_view text) {
    const std::uint32_t index = m_picture.addText(std::string(text));
    m_picture.add(PictureItem{PictureItem::Kind::Text, static_cast<std::uint8_t>(m_lineWidth),
                              currentScaleIndex(), kBlack, m_currentX, m_currentY, m_currentX,
                              m_currentY, index});
}

void RecordingSurface::clear() {
    m_picture.clear();
    m_scaleIndex = -1;
}

} // namespace vavivor
