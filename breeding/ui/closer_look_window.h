#pragma once

#include "core/picture.h"
#include "core/screen.h"

#include <QWidget>

namespace vavivor {

// The help topic of the closer look.
inline constexpr int kCloserLookTopic = 456;

// frmZelLook: one figure of a screen alone in a window of its own, drawn in the full-screen
// layout as large as the window is, with its label and its genes as text. Modeless; closing it
// deletes it. Its buttons only ask: the wiring exports, copies and writes the genes.
class CloserLookWindow : public QWidget {
    Q_OBJECT

public:
    explicit CloserLookWindow(const ScreenFigure& figure, QWidget* parent = nullptr);

    [[nodiscard]] const ScreenFigure& figure() const { return m_figure; }
    // The figure as drawn, in the full-screen layout.
    [[nodiscard]] const Picture& picture() const { return m_picture; }

signals:
    void exportRequested();
    void copyRequested();
    void makeCentralRequested();

private:
    ScreenFigure m_figure;
    Picture m_picture;
};

} // namespace vavivor
