#include "breeding/breeding_wiring.h"
#include "mainwindow/window_layout.h"
#include "platform/fonts.h"
#include "storage/storage_wiring.h"
#include "storage_fakes.h"
#include "support/window_rig.h"

#include <QListWidget>
#include <QMainWindow>
#include <memory>

namespace vavivor {

// The catalogue with loading and deleting through the real main window and storage windows,
// on scripted dialogs.
class StorageWindowTest : public QObject {
    Q_OBJECT

private:
    FakeStoreChoice m_choice;
    std::unique_ptr<WindowRig> m_rig;
    int m_prints = 0;

    ZelMain& window() { return m_rig->window; }
    ScriptedDialogs& dialogs() { return m_rig->platform.dialogs; }
    std::string defaultStore() const { return m_rig->path("def-store.zld"); }
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

    void loadAndDeleteThroughTheCatalogue() {
        QCOMPARE(m_choice.entries, std::vector<std::string>{defaultStore()});
        press("cmdZELRdraw");
        save("first");
        press("cmdZELMdraw");
        const MutantTable chain = window().state().genome.cellPos;
        save("second");
        window().state().genome.cellPos = {};

        // A double click loads the sequence.
        trigger("mnuZELload");
        QVERIFY(QTest::qWaitForWindowExposed(catalogue()));
        const QPoint centre = list()->visualItemRect(list()->item(1)).center();
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, centre);
        QVERIFY(!catalogue()->isVisible());
        QCOMPARE(window().state().genome.cellPos, chain);
        QCOMPARE(caption("Label3"), QStringLiteral(" 2"));

        // The confirmation for the single figure, over the catalogue: CANCEL, then DELETE.
        trigger("mnuZELload");
        deleteRow(0);
        QMainWindow* cat = catalogue();
        QVERIFY(confirmation()->isVisible() && cat->isVisible());
        QCOMPARE(caption("lblFMD6"), QStringLiteral("first               "));
        QCOMPARE(caption("Label4", confirmation()), QStringLiteral("False"));
        // Laid out as designed, whatever the layouts ask for.
        QCOMPARE(cat->windowTitle(), QStringLiteral("STORED DATA CATALOGUE"));
        QCOMPARE(cat->centralWidget()->size(), twipsSize(7125, 4245));
        QCOMPARE(list()->geometry(), twipsRect(120, 1440, 6855, 2340));
        QCOMPARE(confirmation()->windowTitle(), QStringLiteral("DELETE A STORED ZELOID"));
        QCOMPARE(confirmation()->size(), twipsSize(9450, 2130));
        QCOMPARE(confirmation()->palette().color(QPalette::Window), QColor(192, 0, 0));
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

        // Record 2 goes too; as record 1 went first, Load/Delete stays enabled.
        deleteRow(0);
        press("cmdFMDdel");
        QCOMPARE(list()->count(), 0);
        QVERIFY(loadEnabled());
        save("third");
        QVERIFY2(list()->count() == 0, "the catalogue shows the file as at its last filling");
        cat->close();
        trigger("mnuZELload");
        QVERIFY2(cat->isVisible(), "shown again after its close box");
        QCOMPARE(list()->count(), 1);
        // Saved into record 1 and deleted from the top down, Load/Delete is disabled.
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
};

} // namespace vavivor

QTEST_MAIN(vavivor::StorageWindowTest)
#include "storage_window_test.moc"
