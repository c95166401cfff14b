#include "breeding/breeding_wiring.h"
#include "mainwindow/window_layout.h"
#include "mainwindow/zel_main.h"
#include "platform/fonts.h"
#include "storage/storage_wiring.h"
#include "storage/store_file.h"
#include "storage/store_list_io.h"
#include "storage_fakes.h"
#include "support/scripted_services.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace vavivor {

// Saving, the catalogue with loading and deleting, and the storage-file commands through the
// real main window and storage windows, on scripted dialogs.
class StorageWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<ScriptedPlatform> m_platform;
    std::unique_ptr<FakeStoreChoice> m_choice;
    std::unique_ptr<ZelMain> m_window;
    int m_prints = 0;

    ZelMain& window() { return *m_window; }
    ScriptedDialogs& dialogs() { return m_platform->dialogs; }
    std::string path(const char* name) const { return m_folder->filePath(name).toStdString(); }
    std::string defaultStore() const { return path("def-store.zld"); }

    template <typename T> T* control(const char* name) {
        T* found = m_window->findChild<T*>(QLatin1String(name));
        if (found == nullptr) {
            qFatal("no control %s", name);
        }
        return found;
    }
    void trigger(const char* action) { control<QAction>(action)->trigger(); }
    void press(const char* button) {
        QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
    }
    QMainWindow* catalogue() { return control<QMainWindow>("frmZelStrCat"); }
    QListWidget* list() { return control<QListWidget>("lstZELCat"); }
    QWidget* confirmation() { return control<QWidget>("frmZelDelete"); }
    QString caption(const char* label) { return control<QLabel>(label)->text(); }
    void setEditor(const GeneSet& genes) {
        for (int g = 0; g < kGeneCount; ++g) {
            window().setGeneCaption(g, std::to_string(genes[g]));
        }
    }
    GeneSet editorGenes() {
        GeneSet genes{};
        for (int g = 0; g < kGeneCount; ++g) {
            genes[g] = static_cast<std::int16_t>(std::stoi(window().geneCaption(g)));
        }
        return genes;
    }
    void save(const std::string& description) {
        dialogs().texts.push_back(description);
        trigger("mnuZELsave");
    }
    std::vector<std::string> messages() const {
        std::vector<std::string> texts;
        for (const auto& shown : m_platform->dialogs.shown) {
            if (shown.kind == "message") {
                texts.push_back(shown.text);
            }
        }
        return texts;
    }
    std::string listText() {
        std::string text;
        for (int i = 0; i < list()->count(); ++i) {
            text += list()->item(i)->text().toStdString() + "\n";
        }
        return text;
    }
    // The columns of the list's pixels that some light (text) pixel of `row` falls in, in the
    // coordinates of the catalogue's client area.
    std::vector<bool> litColumns(int row) {
        QWidget* client = catalogue()->centralWidget();
        const QImage image = client->grab().toImage();
        const QRect item = list()->visualItemRect(list()->item(row));
        const QPoint topLeft = list()->viewport()->mapTo(client, item.topLeft());
        const qreal ratio = image.devicePixelRatio();
        std::vector<bool> lit(static_cast<std::size_t>(client->width()), false);
        for (int x = 0; x < client->width(); ++x) {
            for (int y = topLeft.y(); y < topLeft.y() + item.height(); ++y) {
                if (qGray(image.pixel(static_cast<int>(x * ratio), static_cast<int>(y * ratio))) >
                    128) {
                    lit[static_cast<std::size_t>(x)] = true;
                }
            }
        }
        return lit;
    }

private slots:
    void initTestCase() { registerFontSubstitutions(); }

    void init() {
        m_folder = std::make_unique<QTemporaryDir>();
        m_platform = std::make_unique<ScriptedPlatform>();
        m_choice = std::make_unique<FakeStoreChoice>();
        m_window = std::make_unique<ZelMain>(m_platform->services());
        m_window->setProgramFolder(m_folder->path().toStdString());
        m_prints = 0;
        connectBreeding(*m_window);
        connectStorage(*m_window, *m_choice, [this] { ++m_prints; });
        m_window->startUp();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void cleanup() {
        m_window.reset();
        m_choice.reset();
        m_platform.reset();
        m_folder.reset();
    }

    void startUpReadsTheStorageList() {
        QCOMPARE(window().state().store.currentStore, defaultStore());
        QCOMPARE(m_choice->entries, std::vector<std::string>{defaultStore()});
        QVERIFY(QFileInfo::exists(m_folder->filePath("str-data.txt")));
        QVERIFY(QFileInfo::exists(m_folder->filePath("def-store.zld")));
        QVERIFY(control<QAction>("mnuZELload")->isEnabled());
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
        QVERIFY(!catalogue()->isModal());
        const QString storeCaption = "Storage file: " + QString::fromStdString(defaultStore());
        QCOMPARE(control<QLabel>("lblFMC5")->toolTip(), storeCaption);
        QVERIFY(caption("lblFMC5") == storeCaption ||
                (caption("lblFMC5").startsWith("Storage") && caption("lblFMC5").endsWith(".zld")));
        QCOMPARE(
            listText(), "  1R\tfirst" + std::string(15, ' ') + "\t2  3  4  5  6  7  8  9  \n" +
                            "  2M\tsecond" + std::string(14, ' ') + "\t" +
                            [&] {
                                std::string genes;
                                for (const auto g : chain[0]) {
                                    genes += std::to_string(g) + "  ";
                                }
                                return genes;
                            }() +
                            "\n");

        // Load the single figure from the menu.
        setEditor(GeneSet{1, 1, 1, 1, 1, 1, 1, 1});
        list()->setCurrentRow(0);
        trigger("mnuCRLoad");
        QVERIFY(!catalogue()->isVisible());
        QCOMPARE(editorGenes(), single);
        QVERIFY(control<QLabel>("Label3")->isVisibleTo(&window()));
        QCOMPARE(caption("Label3"), QStringLiteral(" 1"));
        QVERIFY(!window().state().breeding.sequenceShown);

        // Load the sequence with a double click.
        trigger("mnuZELload");
        QListWidgetItem* second = list()->item(1);
        list()->setCurrentItem(second);
        QVERIFY(QTest::qWaitForWindowExposed(catalogue()));
        const QPoint centre = list()->visualItemRect(second).center();
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, centre);
        QVERIFY(!catalogue()->isVisible());
        QVERIFY(window().state().breeding.sequenceShown);
        QCOMPARE(window().state().genome.cellPos, chain);
        QCOMPARE(caption("Label3"), QStringLiteral(" 2"));

        // Delete the first record: CANCEL first, then DELETE.
        trigger("mnuZELload");
        list()->setCurrentRow(0);
        trigger("mnuCRDel");
        QVERIFY(confirmation()->isVisible());
        QVERIFY(catalogue()->isVisible());
        QCOMPARE(caption("lblFMD2"), QStringLiteral("1"));
        QCOMPARE(caption("Label4"), QStringLiteral("False"));
        QCOMPARE(caption("lblFMD6"), QStringLiteral("first               "));
        const QByteArray before = fileBytes(defaultStore());
        press("cmdFMDcancel");
        QVERIFY(!confirmation()->isVisible());
        QCOMPARE(fileBytes(defaultStore()), before);
        QCOMPARE(list()->count(), 2);

        trigger("mnuCRDel");
        press("cmdFMDdel");
        QVERIFY(!confirmation()->isVisible());
        QCOMPARE(list()->count(), 1);
        QVERIFY(list()->item(0)->text().startsWith("  2M\tsecond"));
        QCOMPARE(fileBytes(defaultStore()).left(2), QByteArray("\xFF\xFF"));
        QCOMPARE(window().findChildren<QMainWindow*>("frmZelStrCat").size(), qsizetype{1});
        QCOMPARE(window().findChildren<QWidget*>("frmZelDelete").size(), qsizetype{1});

        // Record 2 goes too; as record 1 went first, nextRecord only comes down to 2 and
        // Load/Delete stays enabled.
        list()->setCurrentRow(0);
        trigger("mnuCRDel");
        QCOMPARE(caption("Label4"), QStringLiteral("True"));
        press("cmdFMDdel");
        QCOMPARE(list()->count(), 0);
        QCOMPARE(window().state().store.nextRecord, std::int16_t{2});
        QVERIFY(control<QAction>("mnuZELload")->isEnabled());

        // Saved again into record 1, then deleted from the top down: now it is disabled.
        save("third");
        QCOMPARE(window().state().store.nextRecord, std::int16_t{2});
        trigger("mnuZELload");
        list()->setCurrentRow(0);
        trigger("mnuCRDel");
        QCOMPARE(caption("lblFMD2"), QStringLiteral("1"));
        press("cmdFMDdel");
        QCOMPARE(window().state().store.nextRecord, std::int16_t{1});
        QVERIFY(!control<QAction>("mnuZELload")->isEnabled());
        QVERIFY(messages().empty());
    }

    void loadOrDeleteWithoutASelectionAsksForOne_data() {
        QTest::addColumn<QString>("action");
        QTest::newRow("load") << "mnuCRLoad";
        QTest::newRow("delete") << "mnuCRDel";
    }

    void loadOrDeleteWithoutASelectionAsksForOne() {
        QFETCH(QString, action);
        trigger("mnuZELload");
        QCOMPARE(list()->count(), 0);
        trigger(action.toLatin1().constData());
        QCOMPARE(dialogs().shown.size(), std::size_t{1});
        QCOMPARE(dialogs().shown[0].text, std::string("You must SELECT an item first."));
        QCOMPARE(dialogs().shown[0].title, std::string("LIST RECORD"));
        QVERIFY(catalogue()->isVisible());
        QVERIFY(window().findChild<QWidget*>("frmZelDelete") == nullptr);
    }

    void printCatalogueIsHandedOn() {
        trigger("mnuZELload");
        trigger("mnuCatPrint");
        QCOMPARE(m_prints, 1);
    }

    void catalogueWindowLooksAsDescribed() {
        trigger("mnuZELload");
        QCOMPARE(catalogue()->windowTitle(), QStringLiteral("STORED DATA CATALOGUE"));
        QCOMPARE(catalogue()->centralWidget()->size(), twipsSize(6165, 3165));
        QCOMPARE(catalogue()->windowModality(), Qt::NonModal);
        QCOMPARE(control<QLabel>("lblFMC5")->geometry(), twipsRect(120, 120, 6015, 375));
        QCOMPARE(control<QLabel>("lblFMSC1")->geometry(), twipsRect(120, 960, 975, 255));
        QCOMPARE(list()->geometry(), twipsRect(120, 1440, 5895, 1260));
        QCOMPARE(catalogue()->findChild<QLabel*>("Label3")->text(), QStringLiteral("Description"));
        QCOMPARE(catalogue()->findChild<QLabel*>("Label1")->text(), QStringLiteral("Genes"));
        QCOMPARE(list()->palette().color(QPalette::Base), QColor(Qt::black));
        QCOMPARE(list()->palette().color(QPalette::Text), QColor(Qt::white));
        QCOMPARE(control<QAction>("mnuCatPrint")->text(), QStringLiteral("&Print Catalogue"));
        QCOMPARE(control<QMenu>("mnuCatRec")->title(), QStringLiteral("&Record"));
        QCOMPARE(control<QAction>("mnuCRLoad")->text(), QStringLiteral("&Load"));
        QCOMPARE(control<QAction>("mnuCRDel")->text(), QStringLiteral("&Delete"));
        catalogue()->close();
        QVERIFY(!catalogue()->isVisible());
        trigger("mnuZELload");
        QVERIFY2(catalogue()->isVisible(), "shown again after its close box");
    }

    void columnsLineUpUnderTheirHeadings() {
        std::vector<StorageRecord> records{
            makeRecord(true, "WWWWWWWWWWWWWWWWWWWW", GeneSet{9, 9, 9, 9, 9, 9, 9, 9}),
            makeRecord(false, "i", startGenes())};
        // Enough rows for a scroll bar.
        records.resize(8, makeRecord(false, "more", GeneSet{1, 2, 3, 4, 5, 6, 7, 8}));
        writeRecords(defaultStore(), records);
        trigger("mnuZELload");
        QCOMPARE(list()->count(), 8);
        list()->clearSelection();
        for (const int row : {0, 1}) {
            const std::vector<bool> lit = litColumns(row);
            for (const char* heading : {"Label3", "Label1"}) {
                const int x = catalogue()->findChild<QLabel*>(heading)->x();
                bool before = false;
                bool after = false;
                for (int i = x - 4; i < x; ++i) {
                    before = before || lit[static_cast<std::size_t>(i)];
                }
                for (int i = x; i < x + 12; ++i) {
                    after = after || lit[static_cast<std::size_t>(i)];
                }
                QVERIFY2(!before, heading);
                QVERIFY2(after, heading);
            }
        }
    }

    void deleteWindowLooksAsDescribed() {
        writeRecords(defaultStore(), {makeRecord(true, "ABC", startGenes())});
        trigger("mnuZELload");
        list()->setCurrentRow(0);
        trigger("mnuCRDel");
        QWidget* w = confirmation();
        QCOMPARE(w->windowTitle(), QStringLiteral("DELETE A STORED ZELOID"));
        QCOMPARE(w->size(), twipsSize(9450, 2130));
        QCOMPARE(w->windowModality(), Qt::NonModal);
        QCOMPARE(w->palette().color(QPalette::Window), QColor(192, 0, 0));
        QCOMPARE(w->palette().color(QPalette::WindowText), QColor(Qt::white));
        const std::vector<std::tuple<const char*, QString, QRect>> labels{
            {"lblFMD1", "Record No.", twipsRect(240, 240, 1695, 255)},
            {"lblFMD2", "1", twipsRect(1800, 240, 1215, 255)},
            {"lblFMD3", "VAVIVOR", twipsRect(3720, 240, 3855, 255)},
            {"lblFMD5", "Description", twipsRect(240, 720, 1335, 255)},
            {"lblFMD6", "ABC                 ", twipsRect(1800, 720, 5295, 375)},
            {"Label1", "Mutations?", twipsRect(240, 1200, 1455, 375)},
            {"Label4", "True", twipsRect(1800, 1200, 2175, 495)},
            {"lblFMD13", "Click 'DELETE' to remove the record", twipsRect(7200, 480, 2055, 615)}};
        for (const auto& [name, text, place] : labels) {
            const QLabel* label = w->findChild<QLabel*>(QLatin1String(name));
            QVERIFY2(label != nullptr, name);
            QCOMPARE(label->text(), text);
            QCOMPARE(label->geometry(), place);
        }
        QCOMPARE(control<QPushButton>("cmdFMDdel")->text(), QStringLiteral("DELETE"));
        QCOMPARE(control<QPushButton>("cmdFMDdel")->geometry(), twipsRect(7680, 1080, 1095, 375));
        QCOMPARE(control<QPushButton>("cmdFMDcancel")->text(), QStringLiteral("CANCEL"));
        QCOMPARE(control<QPushButton>("cmdFMDcancel")->geometry(),
                 twipsRect(7680, 1560, 1095, 375));
    }

    void changeThenDeleteAStorageFile() {
        dialogs().files = {path("other.zlr")};
        trigger("mnuZELchng");
        QCOMPARE(window().state().store.currentStore, path("other.zlr"));
        QVERIFY(QFileInfo::exists(m_folder->filePath("other.zlr")));
        QVERIFY(!control<QAction>("mnuZELload")->isEnabled());
        QCOMPARE(m_choice->entries, (std::vector<std::string>{defaultStore(), path("other.zlr")}));
        QCOMPARE(fileText(path("str-data.txt")),
                 formatStoreList(2, 2, {"\\def-store.zld", path("other.zlr")}));

        press("cmdZELRdraw");
        save("kept");
        QVERIFY(control<QAction>("mnuZELload")->isEnabled());
        QCOMPARE(fileBytes(path("other.zlr")).size(), qsizetype{960});
        QCOMPARE(fileBytes(defaultStore()).size(), qsizetype{0});

        dialogs().files = {defaultStore(), path("other.zlr")};
        dialogs().yesNoAnswers = {true};
        trigger("mnuZELdel");
        QCOMPARE(messages(), (std::vector<std::string>{
                                 "This is the DEFAULT file and it has to remain.",
                                 "You are about to delete the CURRENT storage file!\nThe DEFAULT "
                                 "will be selected if you continue."}));
        QVERIFY(!QFileInfo::exists(m_folder->filePath("other.zlr")));
        QCOMPARE(window().state().store.currentStore, defaultStore());
        QVERIFY(!control<QAction>("mnuZELload")->isEnabled());
        QCOMPARE(m_choice->entries, std::vector<std::string>{defaultStore()});
        QCOMPARE(fileText(path("str-data.txt")), formatStoreList(1, 1, {"\\def-store.zld"}));
    }

    void theCatalogueIsNotRefilledBySavingOrChanging() {
        trigger("mnuZELload");
        QCOMPARE(list()->count(), 0);
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
