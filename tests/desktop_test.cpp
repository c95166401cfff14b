#include "app/wiring.h"
#include "mainwindow/about_window.h"
#include "platform/fonts.h"
#include "platform/help_window.h"
#include "platform/program_folder.h"
#include "printing/print_choice_dialog.h"
#include "printing/store_selection_window.h"
#include "storage/zel_delete.h"
#include "storage/zel_str_cat.h"
#include "support/window_rig.h"

#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStatusTipEvent>
#include <QToolButton>
#include <QWhatsThis>
#include <functional>
#include <map>

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
    QString status() { return caption("statusText"); }
    void save(const char* description) {
        platform.dialogs.texts.emplace_back(description);
        trigger("mnuZELsave");
    }
};

} // namespace

// The program as a desktop user drives it: shortcuts and keys, tooltips, context help and the
// status bar.
class DesktopTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { registerFontSubstitutions(); }
    void cleanup() { QWhatsThis::leaveWhatsThisMode(); }

    // Ctrl+S and Ctrl+L are used by the tests below.
    void menuShortcutsTriggerTheirItems() {
        Program p;
        for (const auto& [item, keys] : {std::pair{"mnuZELprint", "Ctrl+P"},
                                         {"mnuZELclose", "Ctrl+Q"},
                                         {"mnuZ_Hcont", "F1"}}) {
            auto* action = p.find<QAction>(item);
            action->setEnabled(true);
            // Only the shortcut is under test, not what the item does (Close would end the run).
            QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
            QSignalSpy triggered(action, &QAction::triggered);
            QTest::keySequence(QApplication::focusWidget(), QKeySequence(keys));
            QVERIFY2(triggered.count() == 1, item);
        }
    }

    // Up and Down on the arrows of a position box, which a click on the box gives the focus
    // (the box shows it), step as clicks on the arrows do: from the caption the program wrote,
    // and no further than 9 and 1.
    void positionBoxesStepByKeysAsByArrows() {
        Program p;
        for (const auto& [gene, written, up, position, value] :
             {std::tuple{0, "7", true, "9", "11"}, {2, "3", false, "1", "-70"}}) {
            const QString i = QString::number(gene);
            auto* box = p.find<QLabel>("lblGR_" + i);
            auto* arrow = p.find<QToolButton>(up ? "up" : "down", p.find("udGene_" + i));
            for (const bool byKeys : {false, true}) {
                p.window.setGeneCaption(gene, written);
                if (byKeys) {
                    QTest::mouseClick(box, Qt::LeftButton);
                    QCOMPARE(p.focused(), "udGene_" + i);
                    QCOMPARE(box->backgroundRole(), QPalette::Highlight);
                }
                for (int n = 0; n < 3; ++n) {
                    if (byKeys) {
                        Program::key(up ? Qt::Key_Up : Qt::Key_Down);
                    } else {
                        QTest::mouseClick(arrow, Qt::LeftButton);
                    }
                }
                QCOMPARE(box->text(), QLatin1String(position));
                QCOMPARE(p.caption("lblGeneV_" + i), QLatin1String(value));
            }
        }
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
        QCOMPARE(p.caption("lblGR_0").toInt(), chain[13][0]);
        Program::key(Qt::Key_Escape);
        QCOMPARE(p.window.state().genome.genePos, chain[0]);

        p.platform.dialogs.texts.emplace_back("by keys");
        Program::key(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(p.status(), QStringLiteral("Saved as record 1 in def-store.zld."));
    }

    void catalogueRunsOnArrowsEnterAndDelete() {
        Program p;
        p.press("cmdZELRdraw");
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
        QCOMPARE(p.caption("lblFMD2", confirmation), QStringLiteral("1"));
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
        QCOMPARE(p.caption("Label3"), QStringLiteral(" 2"));
    }

    // Every visible control of every window says what it is for.
    void everyControlHasATooltip() {
        Program p;
        p.press("cmdZELRdraw");
        p.save("tips");
        p.trigger("mnuZELload");
        p.find<QListWidget>("lstZELCat")->setCurrentRow(0);
        p.trigger("mnuCRDel");
        p.trigger("mnuCatPrint");
        AboutWindow about(&p.window);
        PrintChoiceDialog choice(&p.window);
        HelpWindow help(QStringLiteral(VAVIVOR_HELP_COLLECTION));
        for (QWidget* w : std::initializer_list<QWidget*>{&about, &choice, &help}) {
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

    // Shift+F1, then a click on the control, or Enter on the control with the focus: the help
    // opens on its topic, and the click or the Enter goes no further.
    void contextHelpOpensTheControlsTopic_data() {
        QTest::addColumn<QString>("window"); // a window made for the test, or the main window
        QTest::addColumn<int>("topic");
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("enter");
        QTest::newRow("button") << "" << 50 << "cmdZELMdraw" << false;
        QTest::newRow("button with the focus") << "" << 40 << "cmdZELRdraw" << true;
        QTest::newRow("gene arrow") << "" << 100 << "up" << false;
        QTest::newRow("Auto-Print label") << "" << 10 << "lblZel1" << false;
        QTest::newRow("picture") << "" << 300 << "pibZELMpica" << false;
        QTest::newRow("delete") << "frmZelDelete" << 70 << "cmdFMDdel" << false;
        QTest::newRow("description") << "frmZelDelete" << 130 << "lblFMD6" << false;
        QTest::newRow("continue") << "frmZelDia1" << 82 << "cmdZELDcont" << false;
        QTest::newRow("files") << "frmZelStrSel" << 210 << "lstZel" << false;
        QTest::newRow("records") << "frmZelStrCat" << 200 << "lstZELCat" << false;
    }

    void contextHelpOpensTheControlsTopic() {
        QFETCH(QString, window);
        QFETCH(int, topic);
        QFETCH(QString, control);
        QFETCH(bool, enter);
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
        p.find(control, shown)->setFocus();
        QTest::keyClick(shown, Qt::Key_F1, Qt::ShiftModifier);
        QVERIFY(QWhatsThis::inWhatsThisMode());
        if (enter) {
            Program::key(Qt::Key_Return);
        } else {
            QTest::mouseClick(p.find(control, shown), Qt::LeftButton);
        }
        QVERIFY(!QWhatsThis::inWhatsThisMode());
        QCOMPARE(p.platform.help.topics, std::vector<int>{topic});
        QCOMPARE(p.platform.help.paths.back(), helpFilePath(p.folder.path().toStdString()));
        QCOMPARE(p.items(0), std::size_t{8}); // the empty grid
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
    // Change and Delete Storage file say which file is now in use; the note stays after a
    // menu's hint has come and gone.
    void statusBarSaysWhichStorageFile() {
        Program p;
        const QString other = p.folder.filePath("other.zlr");
        p.platform.dialogs.files.emplace_back(other.toStdString());
        p.trigger("mnuZELchng");
        QStatusTipEvent hint(QStringLiteral("a menu's hint"));
        QApplication::sendEvent(&p.window, &hint);
        QStatusTipEvent gone{QString()};
        QApplication::sendEvent(&p.window, &gone);
        QVERIFY(p.find("statusText")->isVisible());
        QCOMPARE(p.status(), "Storage file: " + other);

        p.platform.dialogs.files.emplace_back(other.toStdString());
        p.platform.dialogs.yesNoAnswers.push_back(true);
        p.trigger("mnuZELdel");
        QCOMPARE(p.status(), "Storage file: " + p.folder.filePath("def-store.zld"));
    }
};

} // namespace vavivor

QTEST_MAIN(vavivor::DesktopTest)
#include "desktop_test.moc"
