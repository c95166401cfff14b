#include "breeding/breeding_wiring.h"
#include "breeding/history_wiring.h"
#include "mainwindow/family_tree_window.h"
#include "mainwindow/zel_main.h"
#include "platform/picture_area.h"
#include "support/drawn_figures.h"
#include "support/scripted_services.h"

#include <QAction>
#include <QGraphicsView>
#include <QMenuBar>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace vavivor {

// The Go menu, the mouse's back and forward buttons and the family tree through the real
// main window, on scripted services.
class HistoryWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ScriptedPlatform> m_platform;
    std::unique_ptr<ZelMain> m_window;
    QTemporaryDir m_folder;

    template <typename T> T* control(QObject& parent, const char* name) {
        T* found = parent.findChild<T*>(QLatin1String(name));
        if (found == nullptr) {
            qFatal("no control %s", name);
        }
        return found;
    }
    QAction* item(const char* name) { return control<QAction>(*m_window, name); }
    const HistoryState& history() { return m_window->state().history; }

    // M and R press DRAW MUTATIONS and DRAW RELATIVES, < and > choose Back and Forward in the
    // menu, [ and ] press the mouse's back and forward buttons over the picture.
    void run(const QString& script) {
        for (const QChar step : script) {
            switch (step.toLatin1()) {
            case 'M':
                QTest::mouseClick(control<QPushButton>(*m_window, "cmdZELMdraw"), Qt::LeftButton);
                break;
            case 'R':
                QTest::mouseClick(control<QPushButton>(*m_window, "cmdZELRdraw"), Qt::LeftButton);
                break;
            case '<':
                item("mnuZELback")->trigger();
                break;
            case '>':
                item("mnuZELforward")->trigger();
                break;
            case '[':
                QTest::mouseClick(m_window->pictureArea(0), Qt::BackButton);
                break;
            default:
                QTest::mouseClick(m_window->pictureArea(0), Qt::ForwardButton);
            }
        }
    }
    FamilyTreeWindow& openTree() {
        item("mnuZELtree")->trigger();
        auto* tree = control<FamilyTreeWindow>(*m_window, "frmZelTree");
        if (!QTest::qWaitForWindowExposed(tree)) {
            qFatal("the family tree did not show");
        }
        return *tree;
    }

private slots:
    void init() {
        m_platform = std::make_unique<ScriptedPlatform>();
        m_window = std::make_unique<ZelMain>(m_platform->services());
        m_window->setProgramFolder(m_folder.path().toStdString());
        connectBreeding(*m_window);
        connectHistory(*m_window);
        m_window->startUp();
        m_window->show();
    }

    void cleanup() {
        m_window.reset();
        m_platform.reset();
    }

    void theGoMenuStandsAfterFile() {
        QStringList titles;
        for (const QAction* menu : m_window->menuBar()->actions()) {
            titles << menu->text();
        }
        QCOMPARE(titles.indexOf("&Go"), titles.indexOf("&File") + 1);
    }

    void backAndForwardAreEnabledWhereThereIsAScreen_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("current");
        QTest::addColumn<bool>("back");
        QTest::addColumn<bool>("forward");
        QTest::newRow("start") << "" << -1 << false << false;
        QTest::newRow("first screen") << "M" << 0 << false << false;
        QTest::newRow("second screen") << "MR" << 1 << true << false;
        QTest::newRow("menu back") << "MR<" << 0 << false << true;
        QTest::newRow("mouse back") << "MR[" << 0 << false << true;
        QTest::newRow("mouse back at the first") << "MR[[" << 0 << false << true;
        QTest::newRow("mouse forward") << "MR[]" << 1 << true << false;
        QTest::newRow("branch") << "MR<R" << 2 << true << false;
        QTest::newRow("back to the branch point") << "MR<R<" << 0 << false << true;
    }

    void backAndForwardAreEnabledWhereThereIsAScreen() {
        QFETCH(QString, script);
        QFETCH(int, current);
        QFETCH(bool, back);
        QFETCH(bool, forward);
        run(script);
        QCOMPARE(history().current(), current);
        QCOMPARE(item("mnuZELback")->isEnabled(), back);
        QCOMPARE(item("mnuZELforward")->isEnabled(), forward);
    }

    void theFamilyTreeBranchesBelowAndAClickShowsTheScreen() {
        run("MR<M");
        FamilyTreeWindow& tree = openTree();
        // Screen 3 was bred from screen 1 after going back: a row of its own under screen 2.
        QCOMPARE(tree.nodeCentre(2).x(), tree.nodeCentre(1).x());
        QVERIFY(tree.nodeCentre(2).y() > tree.nodeCentre(1).y());
        QCOMPARE(tree.nodeCentre(0).y(), tree.nodeCentre(1).y());

        QWidget* viewport = control<QGraphicsView>(tree, "grvZelTree")->viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, tree.nodeCentre(1));
        QCOMPARE(history().current(), 1);
        QCOMPARE(drawnFigures(m_window->pictureArea(0)->picture()).size(), std::size_t{17});
        QTest::mouseClick(viewport, Qt::BackButton, {}, tree.nodeCentre(1));
        QCOMPARE(history().current(), 0);
        // Forward follows the screen picked in the tree, not the newest.
        item("mnuZELforward")->trigger();
        QCOMPARE(history().current(), 1);
    }

    void theFamilyTreeIsSavedAsSvg() {
        run("MRM");
        FamilyTreeWindow& tree = openTree();
        const QString path = m_folder.filePath("tree.svg");
        m_platform->dialogs.files.push_back(path.toStdString());
        control<QAction>(tree, "mnuTreeExport")->trigger();
        QVERIFY(QSvgRenderer(path).isValid());
        QVERIFY(m_platform->dialogs.messages().empty());

        m_platform->dialogs.files.push_back(m_folder.filePath("no/such/tree.svg").toStdString());
        control<QAction>(tree, "mnuTreeExport")->trigger();
        QCOMPARE(m_platform->dialogs.messages().size(), std::size_t{1});
        QVERIFY(m_platform->dialogs.messages().front().starts_with("Could not write"));
    }
};

} // namespace vavivor

QTEST_MAIN(vavivor::HistoryWindowTest)
#include "history_window_test.moc"
