#include "platform/help_window.h"
#include "platform/program_folder.h"
#include "platform/qt_help_viewer.h"
#include "support/modal_answers.h"

#include <QDir>
#include <QFile>
#include <QHelpEngineCore>
#include <QHelpLink>
#include <QImage>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace vavivor {

namespace {

const QString kCollection = QStringLiteral(VAVIVOR_HELP_COLLECTION);
const QString kNamespace = QStringLiteral("org.vavivor.help");

} // namespace

class HelpTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QHelpEngineCore> m_engine;

private slots:
    void initTestCase() {
        QVERIFY2(QFileInfo::exists(kCollection), qPrintable(kCollection));
        m_engine = std::make_unique<QHelpEngineCore>(kCollection);
        m_engine->setReadOnly(true);
        QVERIFY2(m_engine->setupData(), qPrintable(m_engine->error()));
        QCOMPARE(m_engine->registeredDocumentations(), QStringList{kNamespace});
    }

    void cleanupTestCase() { m_engine.reset(); }

    // Every context number of the window's controls and menus leads to a page of the help.
    void everyTopicNumberHasAPage() {
        for (const int topic :
             {10,  20,  30,  40,  50,  60,  70,  72,  80,  82,  90,  92,  100, 110, 111,
              112, 113, 114, 115, 116, 117, 120, 130, 140, 150, 200, 210, 300, 400, 402,
              404, 406, 408, 410, 412, 420, 422, 424, 426, 428, 440, 442, 444, 446}) {
            const QList<QHelpLink> links = m_engine->documentsForIdentifier(QString::number(topic));
            QVERIFY2(links.size() == 1, qPrintable(QString::number(topic)));
            QUrl page = links.constFirst().url;
            page.setFragment({});
            QVERIFY2(!m_engine->fileData(page).isEmpty(), qPrintable(page.toString()));
        }
    }

    // Every page of the collection finds every picture and page it refers to.
    void pagesFindTheirPicturesAndLinks() {
        const QList<QUrl> pages = m_engine->files(kNamespace, QString(), QStringLiteral("html"));
        QVERIFY(pages.size() > 1);
        for (const QUrl& page : pages) {
            const QByteArray html = m_engine->fileData(page);
            static const QRegularExpression reference(
                QStringLiteral(R"re((src|href)="([^"#:]+)(#[^"]*)?")re"));
            int pictures = 0;
            for (const auto& match : reference.globalMatch(QString::fromUtf8(html))) {
                const QUrl target = page.resolved(QUrl(match.captured(2)));
                const QByteArray data = m_engine->fileData(target);
                QVERIFY2(!data.isEmpty(),
                         qPrintable(page.toString() + " refers to " + target.toString()));
                if (match.captured(1) == QLatin1String("src")) {
                    QVERIFY2(!QImage::fromData(data).isNull(), qPrintable(target.toString()));
                    ++pictures;
                }
            }
            if (page.fileName() == QLatin1String("genes.html")) {
                QCOMPARE(pictures, 40);
            }
        }
    }

    void viewerOpensOneWindowOnTheRequestedViewOrTopic() {
        QtHelpViewer viewer;
        viewer.showHelp(kCollection.toStdString(), HelpView::Contents);
        HelpWindow* window = viewer.window();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->currentPage().fileName(), QStringLiteral("index.html"));
        for (const HelpView view : {HelpView::Index, HelpView::Find, HelpView::Contents}) {
            viewer.showHelp(kCollection.toStdString(), view);
            QCOMPARE(viewer.window(), window);
            QCOMPARE(window->currentView(), view);
        }
        for (const auto& [topic, page] : {std::pair{999, "index.html"},
                                          {50, "screens.html#mutations"},
                                          {113, "genes.html#gene4"}}) {
            viewer.showTopic(kCollection.toStdString(), topic);
            QCOMPARE(viewer.window(), window);
            QCOMPARE(window->currentPage().toString().section('/', -1), QLatin1String(page));
        }
    }

    void unusableHelpFileIsReported_data() {
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << "was not found";
        QTest::newRow("garbage") << "holds no help";
        QTest::newRow("folder") << "cannot be read";
    }

    void unusableHelpFileIsReported() {
        QFETCH(QString, reason);
        const QLatin1String kind(QTest::currentDataTag());
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("ZelHelp.qhc"));
        const QByteArray garbage("This is no help collection.\n");
        QFile file(path);
        if (kind == QLatin1String("garbage")) {
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(garbage);
            file.close();
        } else if (kind == QLatin1String("folder")) {
            QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("ZelHelp.qhc")));
        }
        QtHelpViewer viewer;
        QString message;
        answerModals({[&message](QWidget* box) {
            message = qobject_cast<QMessageBox*>(box)->text();
            qobject_cast<QMessageBox*>(box)->accept();
        }});
        viewer.showHelp(path.toStdString(), HelpView::Contents);
        QVERIFY2(message.contains(reason), qPrintable(message));
        QVERIFY(message.contains(QDir::toNativeSeparators(path)));
        QVERIFY(!viewer.window());
        if (kind == QLatin1String("garbage")) {
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), garbage); // left as it was
        }
    }

    // In the build folder the program folder is the programs' own folder, because the help
    // lies there.
    void theBuildFolderIsTheProgramFolder() {
        QCOMPARE(QString::fromStdString(programFolder()), QCoreApplication::applicationDirPath());
    }
};

} // namespace vavivor

QTEST_MAIN(vavivor::HelpTest)
#include "help_test.moc"
