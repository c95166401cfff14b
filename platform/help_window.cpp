#include "help_window.h"

#include "control_notes.h"
#include "help_browser.h"
#include "program_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QLineEdit>
#include <QSplitter>
#include <QStandardPaths>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vavivor {

namespace {

constexpr int kContentsTab = 0;
constexpr int kIndexTab = 1;
constexpr int kSearchTab = 2;

const ControlNote kHelpNotes[] = {
    {"helpPage", "The help page; its links lead to the other pages"},
    {"helpTabs", "The help's contents, index and search"},
    {"helpContents", "The help's chapters: click one to read it"},
    {"helpIndexFilter", "Type the start of a word to find it in the index"},
    {"helpIndex", "The words of the help: Enter or a double click shows the page"},
    {"helpSearchQuery", "Words to look for in every page of the help"},
};

// The help engine keeps its search index in a folder beside the collection. A collection in a
// folder the user cannot write to (an installed program) is therefore used through a copy in
// the user's cache folder; the copy still refers to the installed documentation file.
QString writableCollection(const QFileInfo& info) {
    if (QFileInfo(info.absolutePath()).isWritable()) {
        return info.absoluteFilePath();
    }
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + "/help";
    if (!QDir().mkpath(cache)) {
        return info.absoluteFilePath();
    }
    const QString copy = cache + QLatin1Char('/') + info.fileName();
    const QFileInfo copied(copy);
    if (copied.exists() && copied.lastModified() >= info.lastModified()) {
        return copy;
    }
    QFile::remove(copy);
    QHelpEngineCore source(info.absoluteFilePath());
    source.setReadOnly(true);
    if (source.setupData() && source.copyCollectionFile(copy)) {
        return copy;
    }
    return info.absoluteFilePath();
}

} // namespace

HelpWindow::HelpWindow(const QString& collectionFile, QWidget* parent)
    : QWidget(parent, Qt::Window), m_collectionFile(collectionFile) {
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(tr("VAVIVOR Help"));
    const QString shown = QDir::toNativeSeparators(collectionFile);
    const QFileInfo info(collectionFile);
    if (!info.exists()) {
        const std::vector<std::string> folders = helpFoldersLookedIn(collectionFile.toStdString());
        if (folders.size() < 2) {
            m_error = tr("The help file %1 was not found.").arg(shown);
            return;
        }
        QStringList places;
        for (const std::string& folder : folders) {
            places << QDir::toNativeSeparators(QString::fromStdString(folder));
        }
        const QString last = places.takeLast();
        m_error = tr("The help file %1 was not found in %2 or %3.")
                      .arg(info.fileName(), places.join(QStringLiteral(", ")), last);
        return;
    }
    if (!info.isFile() || !info.isReadable()) {
        m_error = tr("The help file %1 cannot be read.").arg(shown);
        return;
    }
    m_engine = new QHelpEngine(writableCollection(info), this);
    // Never let the engine write into a file that is not a help collection.
    m_engine->setReadOnly(true);
    if (!m_engine->setupData()) {
        m_error = tr("The help file %1 cannot be read: %2").arg(shown, m_engine->error());
        return;
    }
    if (m_engine->registeredDocumentations().isEmpty()) {
        m_error = tr("The help file %1 holds no help: it is damaged or not a help collection.")
                      .arg(shown);
        return;
    }
    buildWidgets();
    // The search engine came into being after the set-up, so it has not heard of it.
    m_engine->searchEngine()->scheduleIndexDocumentation();
    const QString space = m_engine->registeredDocumentations().constFirst();
    showPage(QUrl(QStringLiteral("qthelp://%1/doc/index.html").arg(space)));
}

HelpWindow::~HelpWindow() = default;

void HelpWindow::buildWidgets() {
    m_browser = new HelpBrowser(*m_engine);
    m_browser->setObjectName(QStringLiteral("helpPage"));

    QHelpContentWidget* contents = m_engine->contentWidget();
    contents->setObjectName(QStringLiteral("helpContents"));
    connect(contents, &QHelpContentWidget::linkActivated, this, &HelpWindow::showPage);
    connect(m_engine->contentModel(), &QHelpContentModel::contentsCreated, contents,
            &QHelpContentWidget::expandAll);

    auto* indexPage = new QWidget;
    auto* indexLayout = new QVBoxLayout(indexPage);
    indexLayout->setContentsMargins(4, 4, 4, 4);
    m_indexFilter = new QLineEdit;
    m_indexFilter->setObjectName(QStringLiteral("helpIndexFilter"));
    m_indexFilter->setPlaceholderText(tr("Type a word to look up"));
    m_indexFilter->setClearButtonEnabled(true);
    QHelpIndexWidget* index = m_engine->indexWidget();
    index->setObjectName(QStringLiteral("helpIndex"));
    indexLayout->addWidget(m_indexFilter);
    indexLayout->addWidget(index);
    connect(m_indexFilter, &QLineEdit::textChanged, index,
            [index](const QString& text) { index->filterIndices(text); });
    connect(m_indexFilter, &QLineEdit::returnPressed, index,
            &QHelpIndexWidget::activateCurrentItem);
    connect(index, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink& link, const QString&) { showPage(link.url); });
    connect(index, &QHelpIndexWidget::documentsActivated, this,
            [this](const QList<QHelpLink>& links, const QString&) {
                if (!links.isEmpty()) {
                    showPage(links.constFirst().url);
                }
            });

    auto* searchPage = new QWidget;
    auto* searchLayout = new QVBoxLayout(searchPage);
    searchLayout->setContentsMargins(4, 4, 4, 4);
    QHelpSearchEngine* search = m_engine->searchEngine();
    QHelpSearchQueryWidget* query = search->queryWidget();
    query->setObjectName(QStringLiteral("helpSearchQuery"));
    QHelpSearchResultWidget* results = search->resultWidget();
    searchLayout->addWidget(query);
    searchLayout->addWidget(results);
    connect(query, &QHelpSearchQueryWidget::search, search,
            [search, query] { search->search(query->searchInput()); });
    connect(results, &QHelpSearchResultWidget::requestShowLink, this, &HelpWindow::showPage);

    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("helpTabs"));
    m_tabs->insertTab(kContentsTab, contents, tr("&Contents"));
    m_tabs->insertTab(kIndexTab, indexPage, tr("&Index"));
    m_tabs->insertTab(kSearchTab, searchPage, tr("&Search"));
    m_tabs->setTabToolTip(kContentsTab, tr("The help's chapters"));
    m_tabs->setTabToolTip(kIndexTab, tr("The help's words, from A to Z"));
    m_tabs->setTabToolTip(kSearchTab, tr("Search every page of the help"));

    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(m_tabs);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({280, 620});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);
    resize(940, 680);
    noteControls(*this, kHelpNotes);
}

void HelpWindow::showPage(const QUrl& url) {
    if (!m_browser || !url.isValid()) {
        return;
    }
    m_browser->setSource(url);
    QHelpContentWidget* contents = m_engine->contentWidget();
    const QModelIndex item = contents->indexOf(url);
    if (item.isValid()) {
        contents->setCurrentIndex(item);
    }
}

void HelpWindow::showView(HelpView view) {
    if (!isUsable()) {
        return;
    }
    switch (view) {
    case HelpView::Contents:
        m_tabs->setCurrentIndex(kContentsTab);
        break;
    case HelpView::Index:
        m_tabs->setCurrentIndex(kIndexTab);
        m_indexFilter->setFocus();
        break;
    case HelpView::Find:
        m_tabs->setCurrentIndex(kSearchTab);
        m_engine->searchEngine()->queryWidget()->setFocus();
        break;
    }
    raiseWindow();
}

bool HelpWindow::showTopic(int topic) {
    if (!isUsable()) {
        return false;
    }
    const QList<QHelpLink> links = m_engine->documentsForIdentifier(QString::number(topic));
    if (links.isEmpty()) {
        return false;
    }
    showPage(links.constFirst().url);
    raiseWindow();
    return true;
}

HelpView HelpWindow::currentView() const {
    if (!m_tabs) {
        return HelpView::Contents;
    }
    switch (m_tabs->currentIndex()) {
    case kIndexTab:
        return HelpView::Index;
    case kSearchTab:
        return HelpView::Find;
    default:
        return HelpView::Contents;
    }
}

QUrl HelpWindow::currentPage() const {
    return m_browser ? m_browser->source() : QUrl();
}

void HelpWindow::raiseWindow() {
    if (isMinimized()) {
        showNormal();
    } else {
        show();
    }
    raise();
    activateWindow();
}

} // namespace vavivor
