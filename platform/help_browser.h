#pragma once

#include <QTextBrowser>

class QHelpEngineCore;

namespace vavivor {

// The page view of the help window: shows pages and pictures straight from the help
// collection (qthelp:// addresses).
class HelpBrowser : public QTextBrowser {
    Q_OBJECT

public:
    explicit HelpBrowser(QHelpEngineCore& engine, QWidget* parent = nullptr);

    QVariant loadResource(int type, const QUrl& name) override;

private:
    QHelpEngineCore& m_engine;
};

} // namespace vavivor
