#include "help_browser.h"

#include <QDesktopServices>
#include <QHelpEngineCore>

namespace vavivor {

HelpBrowser::HelpBrowser(QHelpEngineCore& engine, QWidget* parent)
    : QTextBrowser(parent), m_engine(engine) {
    setOpenLinks(true);
    setOpenExternalLinks(true);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    if (name.scheme() == QLatin1String("qthelp")) {
        return m_engine.fileData(name);
    }
    return QTextBrowser::loadResource(type, name);
}

} // namespace vavivor
