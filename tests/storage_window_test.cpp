#include "mainwindow/breeding_wiring.h"
#include "mainwindow/storage_wiring.h"
#include "storage_fakes.h"
#include "support/user_input.h"
#include "support/window_rig.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <memory>

namespace vavivor {

// The catalogue's commands through the real main window and storage windows, on scripted
// dialogs; what they do is tested on the logic rig.
class StorageWindowTest : public QObject {
    Q_OBJECT

private:
    FakeStoreChoice m_choice;
    std::unique_ptr<WindowRig> m_rig;

    template <typename T = QWidget> T* control(const char* name) { return m_rig->find<T>(name); }
    QListWidget* list() { return control<QListWidget>("lstZELCat"); }

private slots:
    void init() {
        m_rig = std::make_unique<WindowRig>([this](MainWindow& window) {
            connectBreeding(window);
            connectStorage(window, m_choice, [] {});
        });
        m_rig->window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_rig->window));
    }

    void cleanup() { m_rig.reset(); }

    // The windows never show one storage file while the current one is another: another file's
    // list starts with nothing selected. A double click loads.
    void refillingTheCatalogueShowsTheRightFileAndPlace() {
        std::vector<StorageRecord> records;
        for (int n = 1; n <= 40; ++n) {
            records.push_back(
                makeRecord(false, QStringLiteral("r%1").arg(n).toStdString(), startGenes()));
        }
        writeRecords(m_rig->path("def-store.zld"), records);
        records[0] = makeRecord(false, "other");
        writeRecords(m_rig->path("other.zlr"), records);
        m_rig->trigger("mnuZELload");
        QVERIFY(QTest::qWaitForWindowActive(control("frmZelStrCat")));
        list()->setCurrentRow(30);
        m_rig->trigger("mnuCRDel");
        m_rig->press("cmdFMDdel");
        QCOMPARE(list()->count(), 39);
        QVERIFY(list()->item(30)->text().contains(QStringLiteral("r32")));

        list()->setCurrentRow(35);
        m_rig->trigger("mnuCRDel");
        QVERIFY(control("frmZelDelete")->isVisible());
        m_rig->platform.dialogs.files = {m_rig->path("other.zlr")};
        m_rig->trigger("mnuZELchng");
        QVERIFY(!control("frmZelDelete")->isVisible());
        QVERIFY(control("frmZelStrCat")->isVisible());
        QCOMPARE(list()->count(), 40);
        QVERIFY(list()->item(0)->text().contains(QStringLiteral("other")));
        QVERIFY(list()->selectedItems().isEmpty());

        const QPoint centre = list()->visualItemRect(list()->item(0)).center();
        userClick(list()->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, centre);
        QVERIFY(!control("frmZelStrCat")->isVisible());
        QCOMPARE(m_rig->caption("Label3"), QStringLiteral(" 1"));
    }

    // vavivor FILE.zlr, or a double click in a file manager: the file, named from the working
    // folder, joins the storage list as the current one and its catalogue opens. (A file that is
    // not a storage file is refused by the same check as Change Storage file.)
    void aStorageFileNamedAtStartBecomesCurrentOrIsRefused() {
        const std::string storeList = m_rig->window.state().screen.storeListPath;
        const auto listText = [&storeList] {
            QFile file(QString::fromStdString(storeList));
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        writeRecords(m_rig->path("figures.zlr"), {makeRecord(false, "opened", startGenes())});
        const QString working = QDir::currentPath();
        QDir::setCurrent(m_rig->folder.path());
        m_rig->window.openStorageFile("figures.zlr");
        QDir::setCurrent(working);
        const std::string full = m_rig->path("figures.zlr");
        QCOMPARE(m_rig->window.state().store.currentStore, full);
        QVERIFY(listText().contains(QByteArray::fromStdString('"' + full + '"')));
        QVERIFY(control("frmZelStrCat")->isVisible());
        QCOMPARE(list()->count(), 1);
        QVERIFY(list()->item(0)->text().contains(QStringLiteral("opened")));
    }
};

} // namespace vavivor

QTEST_MAIN(vavivor::StorageWindowTest)
#include "storage_window_test.moc"
