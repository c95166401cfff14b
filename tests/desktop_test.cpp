#include "mainwindow/wiring.h"
#include "platform/fonts.h"
#include "storage_fakes.h"
#include "support/user_input.h"
#include "support/window_rig.h"

#include <QApplication>
#include <QListWidget>
#include <QWhatsThis>

namespace vavivor {

namespace {

// The whole program on scripted services, shown and active, in an empty program folder.
struct Program : WindowRig {
    Program() : WindowRig(wireProgram) { activate(&window); }

    static void activate(QWidget* w) {
        w->show();
        w->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), w);
    }
    static void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    }
    QString focused() const {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
};

} // namespace

// The program as a desktop user drives it: keys and context help.
class DesktopTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { registerFontSubstitutions(); }
    void cleanup() { QWhatsThis::leaveWhatsThisMode(); }

    // Enter, Tab, the arrows on the picture and Ctrl+S: a whole breeding step and a save.
    void breedAndSaveWithoutTheMouse() {
        Program p;
        p.find("cmdZELMdraw")->setFocus();
        Program::key(Qt::Key_Return);
        const MutantTable chain = p.window.state().genome.cellPos;
        Program::key(Qt::Key_Tab); // REVIEW MUTATIONS has appeared
        Program::key(Qt::Key_Tab);
        QCOMPARE(p.focused(), QStringLiteral("pibZELMpica"));
        Program::key(Qt::Key_Right); // from the middle cell, 12, to cell 13
        Program::key(Qt::Key_Return);
        QCOMPARE(p.window.state().genome.genePos, chain[13]);
        Program::key(Qt::Key_Escape);
        QCOMPARE(p.window.state().genome.genePos, chain[0]);

        p.platform.dialogs.texts.emplace_back("by keys");
        Program::key(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(p.caption("statusText"), QStringLiteral("Saved as record 1 in def-store.zld."));
    }

    void catalogueRunsOnArrowsEnterAndDelete() {
        Program p;
        writeRecords(p.path("def-store.zld"),
                     {makeRecord(false, "first"), makeRecord(false, "second")});
        Program::key(Qt::Key_L, Qt::ControlModifier);
        auto* catalogue = p.find("frmZelStrCat");
        auto* list = p.find<QListWidget>("lstZELCat");
        Program::activate(catalogue); // what the window manager does with a new window
        QCOMPARE(p.focused(), QStringLiteral("lstZELCat"));
        Program::key(Qt::Key_Down);
        QCOMPARE(list->currentRow(), 0);
        Program::key(Qt::Key_Delete);
        auto* confirmation = p.find("frmZelDelete");
        QCOMPARE(p.caption("lblFMD2", confirmation), QStringLiteral("1"));
        Program::activate(confirmation);
        QCOMPARE(p.focused(), QStringLiteral("cmdFMDcancel"));
        Program::key(Qt::Key_Escape);
        QVERIFY(!confirmation->isVisible());
        QCOMPARE(list->count(), 2);
    }

    // Shift+F1, then a click on a control: the help opens on its topic, and the click goes no
    // further.
    void contextHelpOpensTheControlsTopic() {
        Program p;
        QTest::keyClick(&p.window, Qt::Key_F1, Qt::ShiftModifier);
        QVERIFY(QWhatsThis::inWhatsThisMode());
        userClick(p.find("cmdZELRdraw"));
        QVERIFY(!QWhatsThis::inWhatsThisMode());
        QCOMPARE(p.platform.help.topics, std::vector<int>{40});
        QCOMPARE(p.items(0), std::size_t{8}); // the empty grid
    }
};

} // namespace vavivor

QTEST_MAIN(vavivor::DesktopTest)
#include "desktop_test.moc"
