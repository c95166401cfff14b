#include "list_keys.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QListView>

namespace vavivor {

namespace {

class ArrowSelection : public QObject {
public:
    explicit ArrowSelection(QListView& list) : QObject(&list), m_list(list) {
        list.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key != Qt::Key_Down && key != Qt::Key_Up) || m_list.selectionModel()->hasSelection()) {
            return false;
        }
        const int rows = m_list.model()->rowCount(m_list.rootIndex());
        for (int k = 0; k < rows; ++k) {
            const int row = key == Qt::Key_Down ? k : rows - 1 - k;
            if (!m_list.isRowHidden(row)) {
                const QModelIndex index = m_list.model()->index(row, 0, m_list.rootIndex());
                m_list.setCurrentIndex(index);
                m_list.scrollTo(index);
                break;
            }
        }
        return true;
    }

private:
    QListView& m_list;
};

} // namespace

void selectWithArrows(QListView& list) {
    new ArrowSelection(list);
}

void ChoiceList::focusInEvent(QFocusEvent* event) {
    const bool chosen = currentIndex().isValid() || selectionModel()->hasSelection();
    QListWidget::focusInEvent(event);
    if (!chosen) {
        selectionModel()->clearCurrentIndex();
    }
}

} // namespace vavivor
