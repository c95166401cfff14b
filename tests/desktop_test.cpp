#include "app/wiring.h"
#include "mainwindow/about_window.h"
#include "mainwindow/zel_main.h"
#include "platform/fonts.h"
#include "platform/help_window.h"
#include "platform/picture_area.h"
#include "platform/program_folder.h"
#include "printing/print_choice_dialog.h"
#include "printing/store_selection_window.h"
#include "storage/zel_delete.h"
#include "storage/zel_str_cat.h"
#include "support/scripted_services.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QWhatsThis>
#include <functional>
#include <map>

namespace vavivor {

namespace {

// The whole program on scripted services, shown and active, in an empty program folder.
struct Program {
    Program() {
        wireProgram(window);
        window.setProgramFolder(folder.path().toStdString());
        window.startUp();
        activate(&window);
    }

    template <typename T = QWidget> T* find(const QString& name, QObject* in = nullptr) {
        T* found = (in != nullptr ? in : &window)->findChild<T*>(name);
        if (found == nullptr) {
            qFatal("no control %s", qPrintable(name));
        }
        return found;
    }
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
    QString status() { return find<QLabel>("statusText")->text(); }
    void save(const char* description) {
        platform.dialogs.texts.emplace_back(description);
        find<QAction>("mnuZELsave")->trigger();
    }

    QTemporaryDir folder;
    ScriptedPlatform platform;
    ZelMain window{platform.services()};
};

} // namespace

// The program as a desktop user drives it: shortcuts and keys, tooltips, context help and the
// status bar.
class DesktopTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { registerFontSubstitutions(); }
    void cleanup() { QWhatsThis::leaveWhatsThisMode(); }

    void menuShortcutsTriggerTheirItems_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("keys");
        QTest::newRow("print") << "mnuZELprint"
                               << "Ctrl+P";
        QTest::newRow("save") << "mnuZELsave"
                              << "Ctrl+S";
        QTest::newRow("load") << "mnuZELload"
                              << "Ctrl+L";
        QTest::newRow("close") << "mnuZELclose"
                               << "Ctrl+Q";
        QTest::newRow("contents") << "mnuZ_Hcont"
                                  << "F1";
    }

    void menuShortcutsTriggerTheirItems() {
        QFETCH(QString, item);
        QFETCH(QString, keys);
        Program p;
        auto* action = p.find<QAction>(item);
        action->setEnabled(true);
        // Only the shortcut is under test, not what the item does (Close would end the run).
        QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
        QSignalSpy triggered(action, &QAction::triggered);
        QTest::keySequence(QApplication::focusWidget(), QKeySequence(keys));
        QCOMPARE(triggered.count(), 1);
    }

    // A position box takes the focus for its arrows; Up and Down then do what the arrows do.
    void positionBoxesStepAsTheArrowsDo_data() {
        QTest::addColumn<int>("gene");
        QTest::addColumn<QString>("written");
        QTest::addColumn<int>("steps"); // positive: up, negative: down
        QTest::newRow("up past 9") << 0 << "7" << 4;
        QTest::newRow("down past 1") << 4 << "3" << -5;
    }

    void positionBoxesStepAsTheArrowsDo() {
        QFETCH(int, gene);
        QFETCH(QString, written);
        QFETCH(int, steps);
        Program p;
        const QString i = QString::number(gene);
        auto* box = p.find<QLabel>("lblGR_" + i);
        const auto captions = [&] {
            return box->text() + " " + p.find<QLabel>("lblGeneV_" + i)->text();
        };
        p.window.setGeneCaption(gene, written.toStdString());
        auto* arrow = p.find<QToolButton>(steps > 0 ? "up" : "down", p.find("udGene_" + i));
        for (int n = 0; n < std::abs(steps); ++n) {
            QTest::mouseClick(arrow, Qt::LeftButton);
        }
        const QString byArrows = captions();

        p.window.setGeneCaption(gene, written.toStdString());
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(p.focused(), "udGene_" + i);
        QCOMPARE(box->backgroundRole(), QPalette::Highlight);
        for (int n = 0; n < std::abs(steps); ++n) {
            Program::key(steps > 0 ? Qt::Key_Up : Qt::Key_Down);
        }
        QCOMPARE(captions(), byArrows);
    }

    // Tab, Enter, the arrows on the picture and the shortcuts: a whole breeding step and a save.
    void breedAndSaveWithoutTheMouse() {
        Program p;
        p.find("udGene_0")->setFocus();
        QStringList order;
        for (int n = 0; n < 12; ++n) {
            Program::key(Qt::Key_Tab);
            order << p.focused();
        }
        QCOMPARE(order, QStringList({"udGene_1", "udGene_2", "udGene_3", "udGene_4", "udGene_5",
                                     "udGene_6", "udGene_7", "cmdZELscreen", "cmdZELNalt",
                                     "cmdZELRdraw", "cmdZELMdraw", "pibZELMpica"}));
        p.find("cmdZELMdraw")->setFocus();
        Program::key(Qt::Key_Return);
        const MutantTable chain = p.window.state().genome.cellPos;
        QCOMPARE(p.window.state().breeding.sequenceShown, true);
        Program::key(Qt::Key_Tab); // REVIEW MUTATIONS has appeared
        Program::key(Qt::Key_Tab);
        QCOMPARE(p.focused(), QStringLiteral("pibZELMpica"));
        Program::key(Qt::Key_Right); // from the middle cell, 12, to cell 13
        Program::key(Qt::Key_Return);
        QCOMPARE(p.window.state().genome.genePos, chain[13]);
        QCOMPARE(p.find<QLabel>("lblGR_0")->text().toInt(), chain[13][0]);
        Program::key(Qt::Key_Escape);
        QCOMPARE(p.window.state().genome.genePos, chain[0]);

        p.platform.dialogs.texts.emplace_back("by keys");
        Program::key(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(p.status(), QStringLiteral("Saved as record 1 in def-store.zld."));
    }

    void catalogueRunsOnArrowsEnterAndDelete() {
        Program p;
        p.find<QPushButton>("cmdZELRdraw")->click();
        p.save("first");
        p.save("second");
        Program::key(Qt::Key_L, Qt::ControlModifier);
        auto* catalogue = p.find("frmZelStrCat");
        auto* list = p.find<QListWidget>("lstZELCat");
        Program::activate(catalogue); // what the window manager does with a new window
        QCOMPARE(p.focused(), QStringLiteral("lstZELCat"));
        Program::key(Qt::Key_Down);
        QCOMPARE(list->selectedItems().size(), 1);
        QCOMPARE(list->currentRow(), 0);
        Program::key(Qt::Key_Delete);
        auto* confirmation = p.find("frmZelDelete");
        QVERIFY(confirmation->isVisible());
        QCOMPARE(p.find<QLabel>("lblFMD2", confirmation)->text(), QStringLiteral("1"));
        Program::activate(confirmation);
        QCOMPARE(p.focused(), QStringLiteral("cmdFMDcancel"));
        Program::key(Qt::Key_Escape);
        QVERIFY(!confirmation->isVisible());
        QCOMPARE(p.window.state().store.nextRecord, 3);

        Program::activate(catalogue);
        list->setFocus();
        Program::key(Qt::Key_Down);
        Program::key(Qt::Key_Return);
        QVERIFY(!catalogue->isVisible());
        QCOMPARE(p.find<QLabel>("Label3")->text(), QStringLiteral(" 2"));
    }

    // Every visible control of every window says what it is for.
    void everyControlHasATooltip() {
        Program p;
        p.find<QPushButton>("cmdZELRdraw")->click();
        p.save("tips");
        p.find<QAction>("mnuZELload")->trigger();
        p.find<QListWidget>("lstZELCat")->setCurrentRow(0);
        p.find<QAction>("mnuCRDel")->trigger();
        p.find<QAction>("mnuCatPrint")->trigger();
        AboutWindow about(&p.window);
        PrintChoiceDialog choice(&p.window);
        HelpWindow help(QStringLiteral(VAVIVOR_HELP_COLLECTION));
        for (QWidget* w : {static_cast<QWidget*>(&about), static_cast<QWidget*>(&choice),
                           static_cast<QWidget*>(&help)}) {
            w->show();
        }

        QStringList windows;
        QStringList silent;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (!window->isVisible() || window->objectName().isEmpty()) {
                continue;
            }
            windows << window->objectName();
            for (QWidget* control : window->findChildren<QWidget*>()) {
                const QString name = control->objectName();
                const QString kind = QLatin1String(control->metaObject()->className());
                if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) ||
                    name.startsWith(QLatin1String("_q_")) || !control->isVisible() ||
                    control->isWindow() || kind == "QWidget" || kind == "QFrame") {
                    continue;
                }
                QWidget* holder = control;
                while (holder->toolTip().isEmpty() && holder != window) {
                    holder = holder->parentWidget();
                }
                if (holder->toolTip().isEmpty()) {
                    silent << window->objectName() + "/" + name;
                }
            }
            for (QAction* item : window->findChildren<QAction*>(QRegularExpression("^mnu"))) {
                // Without a tooltip of its own, an item's tooltip is its text.
                if (item->toolTip() == QString(item->text()).remove('&').remove("...")) {
                    silent << item->objectName();
                }
            }
        }
        windows.sort();
        QCOMPARE(windows, QStringList({"frmAbout", "frmZelDelete", "frmZelDia1", "frmZelMain",
                                       "frmZelStrCat", "frmZelStrSel", "helpWindow"}));
        silent.removeDuplicates();
        QVERIFY2(silent.isEmpty(), qPrintable(silent.join(", ")));
    }

    // Shift+F1, then a click on the control: the help opens on its topic.
    void contextHelpOpensTheControlsTopic_data() {
        QTest::addColumn<QString>("window"); // a window made for the test, or the main window
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("topic");
        QTest::newRow("button") << ""
                                << "cmdZELMdraw" << 50;
        QTest::newRow("gene arrow") << ""
                                    << "up" << 100;
        QTest::newRow("Auto-Print label") << ""
                                          << "lblZel1" << 10;
        QTest::newRow("picture") << ""
                                 << "pibZELMpica" << 300;
        QTest::newRow("delete") << "frmZelDelete"
                                << "cmdFMDdel" << 70;
        QTest::newRow("description") << "frmZelDelete"
                                     << "lblFMD6" << 130;
        QTest::newRow("continue") << "frmZelDia1"
                                  << "cmdZELDcont" << 82;
        QTest::newRow("files") << "frmZelStrSel"
                               << "lstZel" << 210;
        QTest::newRow("records") << "frmZelStrCat"
                                 << "lstZELCat" << 200;
    }

    void contextHelpOpensTheControlsTopic() {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(int, topic);
        Program p;
        const std::map<QString, std::function<QWidget*()>> make{
            {"", [&]() -> QWidget* { return &p.window; }},
            {"frmZelDelete", [&]() -> QWidget* { return new ZelDelete(&p.window); }},
            {"frmZelDia1", [&]() -> QWidget* { return new PrintChoiceDialog(&p.window); }},
            {"frmZelStrSel", [&]() -> QWidget* { return new StoreSelectionWindow(&p.window); }},
            {"frmZelStrCat", [&]() -> QWidget* { return new ZelStrCat(&p.window); }},
        };
        QWidget* shown = make.at(window)();
        Program::activate(shown);
        p.find("ckbZel1")->show();
        p.find("lblZel1")->show();
        QTest::keyClick(shown, Qt::Key_F1, Qt::ShiftModifier);
        QVERIFY(QWhatsThis::inWhatsThisMode());
        QTest::mouseClick(p.find(control, shown), Qt::LeftButton);
        QVERIFY(!QWhatsThis::inWhatsThisMode());
        QCOMPARE(p.platform.help.topics, std::vector<int>{topic});
        QCOMPARE(p.platform.help.paths.back(), helpFilePath(p.folder.path().toStdString()));
    }

    // Menu items: Shift+F1 on the highlighted item, or a click on it in What's This mode.
    void contextHelpOnMenuItems() {
        Program p;
        // Away from the pointer, which would choose the item under it.
        QCursor::setPos(p.window.mapToGlobal(QPoint(5, 5)));
        auto* file = p.find<QMenu>("mnuZELfile");
        file->popup(p.window.mapToGlobal(QPoint(300, 200)));
        QVERIFY(QTest::qWaitForWindowExposed(file));
        auto* change = p.find<QAction>("mnuZELchng");
        for (qsizetype n = 0; n < file->actions().size() && file->activeAction() != change; ++n) {
            QTest::keyClick(file, Qt::Key_Down);
        }
        QCOMPARE(file->activeAction(), change);
        QTest::keyClick(file, Qt::Key_F1, Qt::ShiftModifier);
        QVERIFY(!file->isVisible());

        auto* about = p.find<QAction>("mnuZ_Habout");
        QObject::disconnect(about, &QAction::triggered, nullptr, nullptr); // About is modal
        QSignalSpy opened(about, &QAction::triggered);
        Program::key(Qt::Key_F1, Qt::ShiftModifier);
        auto* help = p.find<QMenu>("mnuZ_help");
        help->popup(p.window.mapToGlobal(QPoint(300, 200)));
        QVERIFY(QTest::qWaitForWindowExposed(help));
        QTest::mouseClick(help, Qt::LeftButton, {}, help->actionGeometry(about).center());
        QVERIFY(!help->isVisible());
        QCOMPARE(opened.count(), 0); // asked about, not opened

        // An item on the menu bar itself: Print Catalogue.
        auto* catalogue = new ZelStrCat(&p.window);
        Program::activate(catalogue);
        QSignalSpy printed(catalogue, &ZelStrCat::printRequested);
        QTest::keyClick(catalogue, Qt::Key_F1, Qt::ShiftModifier);
        QMenuBar* bar = catalogue->menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(p.find<QAction>("mnuCatPrint")).center());
        QCOMPARE(printed.count(), 0);
        QCOMPARE(p.platform.help.topics, std::vector<int>({408, 428, 440}));
    }

    // Without the mouse: Shift+F1, then Enter asks about the control with the focus; the Enter
    // goes no further.
    void contextHelpOnTheFocusedControl() {
        Program p;
        p.find("cmdZELRdraw")->setFocus();
        Program::key(Qt::Key_F1, Qt::ShiftModifier);
        QVERIFY(QWhatsThis::inWhatsThisMode());
        Program::key(Qt::Key_Return);
        QVERIFY(!QWhatsThis::inWhatsThisMode());
        QCOMPARE(p.platform.help.topics, std::vector<int>{40});
        QCOMPARE(p.window.pictureArea(0)->picture().items().size(), std::size_t{8}); // the grid
    }

    // Change and Delete Storage file say which file is now in use; the note stays after a
    // menu's hint has come and gone.
    void statusBarSaysWhichStorageFile() {
        Program p;
        const QString other = p.folder.filePath("other.zlr");
        p.platform.dialogs.files.emplace_back(other.toStdString());
        p.find<QAction>("mnuZELchng")->trigger();
        QStatusTipEvent hint(QStringLiteral("a menu's hint"));
        QApplication::sendEvent(&p.window, &hint);
        QStatusTipEvent gone{QString()};
        QApplication::sendEvent(&p.window, &gone);
        QVERIFY(p.find("statusText")->isVisible());
        QCOMPARE(p.status(), "Storage file: " + other);

        p.platform.dialogs.files.emplace_back(other.toStdString());
        p.platform.dialogs.yesNoAnswers.push_back(true);
        p.find<QAction>("mnuZELdel")->trigger();
        QCOMPARE(p.status(), "Storage file: " + p.folder.filePath("def-store.zld"));
    }
};

} // namespace vavivor

QTEST_MAIN(vavivor::DesktopTest)
#include "desktop_test.moc"
