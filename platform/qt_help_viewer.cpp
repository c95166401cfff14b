#include "qt_help_viewer.h"

#include "help_window.h"

#include <QApplication>
#include <QMessageBox>

namespace vavivor {

QtHelpViewer::QtHelpViewer() = default;
QtHelpViewer::~QtHelpViewer() = default;

void QtHelpViewer::showHelp(const std::string& path, HelpView view) {
    if (HelpWindow* window = open(path)) {
        window->showView(view);
    }
}

void QtHelpViewer::showTopic(const std::string& path, int topic) {
    if (HelpWindow* window = open(path)) {
        if (!window->showTopic(topic)) {
            window->showView(HelpView::Contents);
        }
    }
}

HelpWindow* QtHelpViewer::open(const std::string& path) {
    const QString file = QString::fromStdString(path);
    if (m_window && m_window->collectionFile() == file) {
        return m_window.get();
    }
    auto window = std::make_unique<HelpWindow>(file);
    if (!window->isUsable()) {
        QMessageBox::warning(QApplication::activeWindow(), QStringLiteral("VAVIVOR HELP"),
                             window->error());
        return nullptr;
    }
    m_window = std::move(window);
    return m_window.get();
}

} // namespace vavivor
