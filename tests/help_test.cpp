#include "platform/help_window.h"
#include "platform/program_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHelpEngineCore>
#include <QHelpLink>
#include <QImage>
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
        m_engine = std::make_unique<QHelpEngineCore>(kCollection);
        m_engine->setReadOnly(true);
        QVERIFY2(m_engine->setupData(), qPrintable(m_engine->error()));
    }

    // Every context number of the window's controls and menus leads to a page of the help, and
    // every page finds every picture and page it refers to.
    void topicsAndLinksLeadToPages() {
        for (const int topic : {10,  20,  30,  40,  50,  60,  70,  72,  80,  82,  90,  92,  100,
                                110, 111, 112, 113, 114, 115, 116, 117, 120, 130, 140, 150, 200,
                                210, 300, 400, 402, 404, 406, 408, 410, 412, 420, 422, 424, 426,
                                428, 439, 440, 442, 444, 446, 414, 438, 450, 452, 454, 456}) {
            const QList<QHelpLink> links = m_engine->documentsForIdentifier(QString::number(topic));
            QVERIFY2(links.size() == 1, qPrintable(QString::number(topic)));
            QUrl page = links.constFirst().url;
            page.setFragment({});
            QVERIFY2(!m_engine->fileData(page).isEmpty(), qPrintable(page.toString()));
        }
        const QList<QUrl> pages = m_engine->files(kNamespace, QString(), QStringLiteral("html"));
        QVERIFY(pages.size() > 1);
        for (const QUrl& page : pages) {
            const QByteArray html = m_engine->fileData(page);
            static const QRegularExpression reference(
                QStringLiteral(R"re((src|href)="([^"#:]+)(#[^"]*)?")re"));
            for (const auto& match : reference.globalMatch(QString::fromUtf8(html))) {
                const QUrl target = page.resolved(QUrl(match.captured(2)));
                const QByteArray data = m_engine->fileData(target);
                QVERIFY2(!data.isEmpty(),
                         qPrintable(page.toString() + " refers to " + target.toString()));
                QVERIFY2(match.captured(1) == "href" || !QImage::fromData(data).isNull(),
                         qPrintable(target.toString()));
            }
        }
    }

    // The figures outlive the build folder: although it holds the help, the program folder is
    // the data folder (the test's own), unless the executable's folder holds a storage list or
    // a file named "portable".
    void figuresLiveInTheDataFolderUnlessKeptBesideTheProgram() {
        const QString data = qEnvironmentVariable("XDG_DATA_HOME");
        QVERIFY2(data.startsWith(QStringLiteral(VAVIVOR_TEST_AREA)), qPrintable(data));
        const QString own = data + QStringLiteral("/Vavivor");
        QCOMPARE(QString::fromStdString(programFolder()), own);
        QVERIFY(QFileInfo::exists(own));
        QTemporaryDir copy;
        for (const char* name : {kPortableMarkerName, kStoreListName}) {
            QFile marker(copy.filePath(QLatin1String(name)));
            QVERIFY(marker.open(QIODevice::WriteOnly));
            marker.close();
            QCOMPARE(QString::fromStdString(programFolderFor(copy.path().toStdString())),
                     copy.path());
            QVERIFY(marker.remove());
        }
        QCOMPARE(QString::fromStdString(programFolderFor(copy.path().toStdString())), own);
    }
};

} // namespace vavivor

QTEST_MAIN(vavivor::HelpTest)
#include "help_test.moc"
