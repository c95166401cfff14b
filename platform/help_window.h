#pragma once

#include "core/help_viewer.h"

#include <QString>
#include <QUrl>
#include <QWidget>

class QHelpEngine;
class QLineEdit;
class QTabWidget;

namespace vavivor {

class HelpBrowser;

// The help window: contents, index and search in tabs beside the page view, all from one Qt
// help collection.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    // Opens `collectionFile`; when that fails, isUsable() is false and error() says why.
    explicit HelpWindow(const QString& collectionFile, QWidget* parent = nullptr);
    ~HelpWindow() override;

    [[nodiscard]] bool isUsable() const { return m_error.isEmpty(); }
    [[nodiscard]] QString error() const { return m_error; }
    // The collection as it was asked for (before any copy to a writable place).
    [[nodiscard]] QString collectionFile() const { return m_collectionFile; }

    // Shows the window on the tab of `view`.
    void showView(HelpView view);
    // Shows the page of the keyword with the id `topic`; false when the help has none.
    bool showTopic(int topic);

    [[nodiscard]] HelpView currentView() const;
    [[nodiscard]] QUrl currentPage() const;

private:
    void buildWidgets();
    void showPage(const QUrl& url);
    void raiseWindow();

    QString m_collectionFile;
    QString m_error;
    QHelpEngine* m_engine = nullptr;
    QTabWidget* m_tabs = nullptr;
    QLineEdit* m_indexFilter = nullptr;
    HelpBrowser* m_browser = nullptr;
};

} // namespace vavivor
