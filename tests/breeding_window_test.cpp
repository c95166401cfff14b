#include "breeding/breeding_wiring.h"
#include "support/drawn_figures.h"
#include "support/window_rig.h"

#include <QCheckBox>
#include <memory>

namespace vavivor {

// The wiring of the breeding screens and the pick to the real main window; the logic itself is
// tested on the logic rig.
class BreedingWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<WindowRig> m_rig;

    WindowRig& rig() { return *m_rig; }
    bool visible(const char* name) { return rig().find(name)->isVisibleTo(&rig().window); }
    void press(const char* button) {
        rig().platform.random.queueDraws(3);
        rig().press(button);
    }
    // Clicks the centre of cell (column, row from the bottom) of picture area `index`.
    void clickCell(int column, int row, Qt::MouseButton button = Qt::LeftButton, int index = 0) {
        PictureArea* area = rig().window.pictureArea(index);
        QTest::mouseClick(area, button, {},
                          QPoint((200 * column + 100) * area->width() / 1000,
                                 (900 - 200 * row) * area->height() / 1000));
    }

private slots:
    void init() {
        m_rig = std::make_unique<WindowRig>(connectBreeding);
        rig().window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&rig().window));
    }

    void cleanup() { m_rig.reset(); }

    void theButtonsDrawTheirScreensAndSetTheControls() {
        QVERIFY(!rig().find<QAction>("mnuZELsave")->isEnabled());
        press("cmdZELMdraw");
        QCOMPARE(drawnFigures(rig().window.pictureArea(0)->picture()).size(), std::size_t{25});
        QCOMPARE(rig().platform.random.draws, 48);
        QVERIFY(rig().find<QAction>("mnuZELsave")->isEnabled());
        QVERIFY(visible("cmdZELMrep"));
        QVERIFY(!visible("Label3"));
        press("cmdZELRdraw");
        QCOMPARE(drawnFigures(rig().window.pictureArea(0)->picture()).size(), std::size_t{17});
        QVERIFY(!visible("cmdZELMrep"));
    }

    void fullScreenRunsPauseOrPrintAfterEveryFigure_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("autoPrint");
        QTest::addColumn<int>("figures");
        QTest::newRow("mutations, pauses") << "cmdZELMdraw" << false << 25;
        QTest::newRow("mutations, pages") << "cmdZELMdraw" << true << 25;
        QTest::newRow("relatives, pauses") << "cmdZELRdraw" << false << 17;
        QTest::newRow("relatives, pages") << "cmdZELRdraw" << true << 17;
        QTest::newRow("review, pauses") << "cmdZELMrep" << false << 25;
        QTest::newRow("review, pages") << "cmdZELMrep" << true << 25;
    }

    void fullScreenRunsPauseOrPrintAfterEveryFigure() {
        QFETCH(QString, button);
        QFETCH(bool, autoPrint);
        QFETCH(int, figures);
        press("cmdZELscreen");
        auto* box = rig().find<QCheckBox>("ckbZel1");
        QVERIFY(visible("ckbZel1"));
        box->setChecked(autoPrint);
        if (button == "cmdZELMrep") {
            // The review prints as the last Draw Mutations run read the box.
            press("cmdZELMdraw");
            rig().platform.printDialogs.choicesAsked = 0;
            rig().platform.printer.documents = 0;
            box->setChecked(!autoPrint);
        }
        press(button.toLatin1().constData());
        QCOMPARE(rig().platform.printDialogs.choicesAsked, autoPrint ? 0 : figures);
        QCOMPARE(rig().platform.printer.documents, autoPrint ? figures : 0);
        QCOMPARE(rig().items(0), std::size_t{0});
    }

    void pickingLoadsTheEditorAndTheNextRunBreedsFromIt() {
        press("cmdZELMdraw");
        const MutantTable table = rig().window.state().genome.cellPos;
        clickCell(2, 3); // cell 7
        QCOMPARE(rig().editorGenes(), table[7]);
        QCOMPARE(rig().window.pictureArea(0)->picture().items().back().colour, kRed);
        QCOMPARE(rig().caption("lblGeneV_0").toStdString(), std::to_string(table[7][0] + 2));
        clickCell(0, 0, Qt::RightButton);
        QCOMPARE(rig().editorGenes(), startGenes());
        clickCell(2, 3);
        press("cmdZELMdraw");
        QCOMPARE(rig().window.state().genome.centralPos, table[7]);
        // The alternative area takes no picks.
        press("cmdZELNalt");
        press("cmdZELMdraw");
        clickCell(1, 1, Qt::LeftButton, 1);
        QVERIFY(rig().window.pictureArea(1)->picture().items().back().kind !=
                PictureItem::Kind::Rectangle);
        QCOMPARE(rig().editorGenes(), table[7]);
    }
};

} // namespace vavivor

QTEST_MAIN(vavivor::BreedingWindowTest)
#include "breeding_window_test.moc"
