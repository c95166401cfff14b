#pragma once

#include <QListWidget>

class QFocusEvent;
class QListView;

namespace vavivor {

// Arrow keys on a list with nothing selected select its first (Down) or last (Up) line in view,
// as in a classic list box; from there on they move the selection as usual.
void selectWithArrows(QListView& list);

// A list box that shows no line as chosen until one is. A plain list view makes its first line
// current when it gets the focus with none current, and draws that line as if it were chosen
// although nothing is selected.
class ChoiceList : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    void focusInEvent(QFocusEvent* event) override;
};

} // namespace vavivor
