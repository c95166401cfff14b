#include "breeding/breeding_wiring.h"
#include "mainwindow/window_layout.h"
#include "platform/fonts.h"
#include "storage/storage_wiring.h"
#include "storage/store_list_io.h"
#include "storage_fakes.h"
#include "support/window_rig.h"

#include <QFileInfo>
#include <QListWidget>
#include <QMainWindow>
#include <memory>

namespace vavivor {

// Saving, the catalogue with loading and deleting, and the storage-file commands through the
// real main window and storage windows, on scripted dialogs.
class StorageWindowTest : public QObject {
    Q_OBJECT

private:
    FakeStoreChoice m_choice;
    std::unique_ptr<WindowRig> m_rig;
    int m_prints = 0;

    ZelMain& window() { return m_rig->window; }
    ScriptedDialogs& dialogs() { return m_rig->platform.dialogs; }
    std::string path(const char* name) const { return m_rig->path(name); }
    std::string defaultStore() const { return path("def-store.zld"); }
    template <typename T> T* control(const char* name, QWidget* in = nullptr) {
        return m_rig->find<T>(name, in);
    }
    void trigger(const char* action) { m_rig->trigger(action); }
    void press(const char* button) { m_rig->press(button); }
    QMainWindow* catalogue() { return control<QMainWindow>("frmZelStrCat"); }
    QListWidget* list() { return control<QListWidget>("lstZELCat"); }
    QWidget* confirmation() { return control<QWidget>("frmZelDelete"); }
    QString caption(const char* label, QWidget* in = nullptr) { return m_rig->caption(label, in); }
    bool loadEnabled() { return control<QAction>("mnuZELload")->isEnabled(); }
    void setEditor(const GeneSet& genes) {
        for (int g = 0; g < kGeneCount; ++g) {
            window().setGeneCaption(g, std::to_string(genes[g]));
        }
    }
    void save(const std::string& description) {
        dialogs().texts.push_back(description);
        trigger("mnuZELsave");
    }
    void deleteRow(int row) {
        list()->setCurrentRow(row);
        trigger("mnuCRDel");
    }

private slots:
    void initTestCase() { registerFontSubstitutions(); }

    void init() {
        m_prints = 0;
        m_choice = FakeStoreChoice();
        m_rig = std::make_unique<WindowRig>([this](ZelMain& window) {
            connectBreeding(window);
            connectStorage(window, m_choice, [this] { ++m_prints; });
        });
        window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&window()));
    }

    void cleanup() { m_rig.reset(); }

    void startUpReadsTheStorageList() {
        QCOMPARE(window().state().store.currentStore, defaultStore());
        QCOMPARE(m_choice.entries, std::vector<std::string>{defaultStore()});
        QVERIFY(QFileInfo::exists(m_rig->folder.filePath("str-data.txt")));
        QVERIFY(loadEnabled());
        QVERIFY2(window().findChild<QMainWindow*>("frmZelStrCat") == nullptr, "made on first use");
    }

    void saveListLoadAndDelete() {
        const GeneSet single{2, 3, 4, 5, 6, 7, 8, 9};
        setEditor(single);
        press("cmdZELRdraw");
        save("first");
        press("cmdZELMdraw");
        const MutantTable chain = window().state().genome.cellPos;
        save("second");
        QCOMPARE(fileBytes(defaultStore()).size(), qsizetype{2 * 960});

        trigger("mnuZELload");
        QVERIFY(catalogue()->isVisible());
        QCOMPARE(control<QLabel>("lblFMC5")->toolTip(),
                 "Storage file: " + QString::fromStdString(defaultStore()));
        QCOMPARE(list()->item(0)->text().toStdString(),
                 "  1R\tfirst" + std::string(15, ' ') + "\t2  3  4  5  6  7  8  9  ");
        QVERIFY(list()->item(1)->text().startsWith("  2M\tsecond"));

        // Load the single figure from the menu.
        setEditor(GeneSet{1, 1, 1, 1, 1, 1, 1, 1});
        list()->setCurrentRow(0);
        trigger("mnuCRLoad");
        QVERIFY(!catalogue()->isVisible());
        QCOMPARE(window().state().genome.centralPos, single);
        QVERIFY(control<QLabel>("Label3")->isVisibleTo(&window()));
        QCOMPARE(caption("Label3"), QStringLiteral(" 1"));

        // Load the sequence with a double click.
        trigger("mnuZELload");
        QVERIFY(QTest::qWaitForWindowExposed(catalogue()));
        const QPoint centre = list()->visualItemRect(list()->item(1)).center();
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, centre);
        QVERIFY(!catalogue()->isVisible());
        QCOMPARE(window().state().genome.cellPos, chain);
        QCOMPARE(caption("Label3"), QStringLiteral(" 2"));

        // Delete the first record: CANCEL first, then DELETE.
        trigger("mnuZELload");
        deleteRow(0);
        QVERIFY(confirmation()->isVisible());
        QVERIFY(catalogue()->isVisible());
        QCOMPARE(caption("lblFMD6"), QStringLiteral("first               "));
        const QByteArray before = fileBytes(defaultStore());
        press("cmdFMDcancel");
        QVERIFY(!confirmation()->isVisible());
        QCOMPARE(fileBytes(defaultStore()), before);
        trigger("mnuCRDel");
        press("cmdFMDdel");
        QVERIFY(!confirmation()->isVisible());
        QCOMPARE(list()->count(), 1);
        QCOMPARE(fileBytes(defaultStore()).left(2), QByteArray("\xFF\xFF"));
        QCOMPARE(window().findChildren<QWidget*>("frmZelDelete").size(), qsizetype{1});

        // Record 2 goes too; as record 1 went first, Load/Delete stays enabled. Saved again into
        // record 1 and deleted from the top down, it is disabled.
        deleteRow(0);
        press("cmdFMDdel");
        QCOMPARE(list()->count(), 0);
        QVERIFY(loadEnabled());
        save("third");
        trigger("mnuZELload");
        deleteRow(0);
        QCOMPARE(caption("lblFMD2"), QStringLiteral("1"));
        press("cmdFMDdel");
        QVERIFY(!loadEnabled());
        QVERIFY(dialogs().messages().empty());
    }

    void loadOrDeleteWithoutASelectionAsksForOne_data() {
        QTest::addColumn<QString>("action");
        QTest::newRow("load") << "mnuCRLoad";
        QTest::newRow("delete") << "mnuCRDel";
    }

    void loadOrDeleteWithoutASelectionAsksForOne() {
        QFETCH(QString, action);
        trigger("mnuZELload");
        trigger(action.toLatin1().constData());
        QCOMPARE(dialogs().shown.size(), std::size_t{1});
        QCOMPARE(dialogs().shown[0].text, std::string("You must SELECT an item first."));
        QCOMPARE(dialogs().shown[0].title, std::string("LIST RECORD"));
        QVERIFY(catalogue()->isVisible());
        QVERIFY(window().findChild<QWidget*>("frmZelDelete") == nullptr);
        trigger("mnuCatPrint");
        QCOMPARE(m_prints, 1);
    }

    void windowsLookAsDescribed() {
        writeRecords(defaultStore(), {makeRecord(true, "ABC", startGenes())});
        trigger("mnuZELload");
        deleteRow(0);
        QWidget* cat = catalogue();
        QWidget* del = confirmation();
        QCOMPARE(cat->windowTitle(), QStringLiteral("STORED DATA CATALOGUE"));
        QCOMPARE(catalogue()->centralWidget()->size(), twipsSize(7125, 4245));
        QCOMPARE(del->windowTitle(), QStringLiteral("DELETE A STORED ZELOID"));
        QCOMPARE(del->size(), twipsSize(9450, 2130));
        QCOMPARE(del->palette().color(QPalette::Window), QColor(192, 0, 0));
        const std::vector<std::tuple<QWidget*, const char*, QString>> labels{
            {cat, "Label3", "Description"},
            {cat, "Label1", "Genes"},
            {del, "lblFMD1", "Record No."},
            {del, "lblFMD2", "1"},
            {del, "lblFMD6", "ABC                 "},
            {del, "Label1", "Mutations?"},
            {del, "Label4", "True"},
            {del, "lblFMD13", "Click 'DELETE' to remove the record"}};
        for (const auto& [in, name, text] : labels) {
            QCOMPARE(caption(name, in), text);
        }
        QCOMPARE(list()->geometry(), twipsRect(120, 1440, 6855, 2340));
        QCOMPARE(control<QLabel>("lblFMD6", del)->geometry(), twipsRect(1800, 720, 5295, 375));
        cat->close();
        trigger("mnuZELload");
        QVERIFY2(cat->isVisible(), "shown again after its close box");
    }

    void changeThenDeleteAStorageFile() {
        dialogs().files = {path("other.zlr")};
        trigger("mnuZELchng");
        QCOMPARE(window().state().store.currentStore, path("other.zlr"));
        QVERIFY(!loadEnabled());
        QCOMPARE(m_choice.entries, (std::vector<std::string>{defaultStore(), path("other.zlr")}));
        press("cmdZELRdraw");
        save("kept");
        QVERIFY(loadEnabled());
        QCOMPARE(fileBytes(path("other.zlr")).size(), qsizetype{960});

        dialogs().files = {path("other.zlr")};
        dialogs().yesNoAnswers = {true};
        trigger("mnuZELdel");
        QVERIFY(!QFileInfo::exists(m_rig->folder.filePath("other.zlr")));
        QCOMPARE(window().state().store.currentStore, defaultStore());
        QVERIFY(!loadEnabled());
        QCOMPARE(m_choice.entries, std::vector<std::string>{defaultStore()});
        QCOMPARE(fileText(path("str-data.txt")), formatStoreList(1, 1, {"\\def-store.zld"}));
    }

    void theCatalogueIsNotRefilledBySaving() {
        trigger("mnuZELload");
        press("cmdZELRdraw");
        save("new");
        QCOMPARE(list()->count(), 0); // the state at its last filling
        trigger("mnuZELload");
        QCOMPARE(list()->count(), 1);
    }
};

} // namespace vavivor

QTEST_MAIN(vavivor::StorageWindowTest)
#include "storage_window_test.moc"
