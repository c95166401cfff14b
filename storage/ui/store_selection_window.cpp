#include "store_selection_window.h"

#include "platform/control_notes.h"
#include "platform/list_keys.h"
#include "platform/window_layout.h"

#include <QLabel>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>

namespace vavivor {

namespace {

const ControlNote kSelectionNotes[] = {
    {"lblMSS1", "Choose the storage files whose catalogue is printed"},
    {"lstZel", "The storage files: choose one, or none for all of them", 210},
    {"cmdZelSel", "Print the catalogue of the chosen file (of every file when none is chosen)", 90},
    {"cmdZelAll", "Print the catalogue of every storage file", 92},
};

} // namespace

StoreSelectionWindow::StoreSelectionWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmZelStrSel"));
    setWindowTitle(QStringLiteral("STORAGE FILE SELECTION"));
    setFixedSize(twipsSize(8430, 2925));
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(128, 128, 128));
    grey.setColor(QPalette::WindowText, Qt::white);
    setPalette(grey);
    setAutoFillBackground(true);

    auto* label = new QLabel(QStringLiteral("SELECT the file required from the list or click "
                                            "'ALL' for all of the storage files."),
                             this);
    label->setObjectName(QStringLiteral("lblMSS1"));
    label->setGeometry(twipsRect(480, 360, 4335, 735));
    label->setWordWrap(true);
    label->setFont(windowFont(12));

    m_list = new ChoiceList(this);
    m_list->setObjectName(QStringLiteral("lstZel"));
    m_list->setGeometry(twipsRect(495, 1440, 5535, 960));
    m_list->setFont(windowFont(12));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    // White list on the grey window, whatever the window's palette says.
    QPalette listColours = m_list->palette();
    listColours.setColor(QPalette::Base, Qt::white);
    listColours.setColor(QPalette::Text, Qt::black);
    m_list->setPalette(listColours);

    auto* select = new QPushButton(QStringLiteral("SELECT"), this);
    select->setObjectName(QStringLiteral("cmdZelSel"));
    select->setGeometry(twipsRect(6600, 1320, 1335, 495));
    auto* all = new QPushButton(QStringLiteral("ALL"), this);
    all->setObjectName(QStringLiteral("cmdZelAll"));
    all->setGeometry(twipsRect(6600, 2040, 1335, 435));
    setTabOrder(m_list, select);
    setTabOrder(select, all);

    connect(select, &QPushButton::clicked, this, &StoreSelectionWindow::printChosenCatalogue);
    connect(all, &QPushButton::clicked, this, &StoreSelectionWindow::printEveryCatalogue);
    connect(m_list, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { printListedCatalogue(m_list->row(item)); });
    selectWithArrows(*m_list);
    noteControls(*this, kSelectionNotes);
}

void StoreSelectionWindow::showStoreSelection(bool preview) {
    m_preview = preview;
    show();
    raise();
    activateWindow();
    m_list->clearSelection();
    m_list->setCurrentRow(-1);
}

void StoreSelectionWindow::setStoreEntries(const std::vector<std::string>& paths) {
    m_list->clear();
    for (const std::string& path : paths) {
        m_list->addItem(QString::fromStdString(path));
    }
}

void StoreSelectionWindow::printChosenCatalogue() {
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    emit printRequested(selected.isEmpty() ? 0 : m_list->row(selected.first()) + 1);
}

void StoreSelectionWindow::printEveryCatalogue() {
    emit printRequested(0);
}

void StoreSelectionWindow::printListedCatalogue(int row) {
    emit printRequested(row + 1);
}

} // namespace vavivor
