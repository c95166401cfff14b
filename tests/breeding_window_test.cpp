#include "breeding/breeding_wiring.h"
#include "mainwindow/zel_main.h"
#include "platform/picture_area.h"
#include "support/drawn_figures.h"
#include "support/scripted_services.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace vavivor {

// The breeding screens and the pick through the real main window, on scripted services.
class BreedingWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ScriptedPlatform> m_platform;
    std::unique_ptr<ZelMain> m_window;
    QTemporaryDir m_folder;

    ZelMain& window() { return *m_window; }
    ScriptedPlatform& platform() { return *m_platform; }

    template <typename T> T* control(const char* name) {
        T* found = m_window->findChild<T*>(QLatin1String(name));
        if (found == nullptr) {
            qFatal("no control %s", name);
        }
        return found;
    }
    void press(const char* button) {
        QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
    }
    // The pixel of a point in user units of picture area `index`.
    QPoint pixelOf(int index, double x, double y) {
        const PictureArea* area = m_window->pictureArea(index);
        return {static_cast<int>(x / 1000.0 * area->width()),
                static_cast<int>((1000.0 - y) / 1000.0 * area->height())};
    }
    void clickCell(int column, int row, Qt::MouseButton button = Qt::LeftButton,
                   Qt::KeyboardModifiers modifiers = {}, int index = 0) {
        QTest::mouseClick(m_window->pictureArea(index), button, modifiers,
                          pixelOf(index, 200.0 * column + 100, 200.0 * row + 100));
    }
    GeneSet editorGenes() {
        GeneSet genes{};
        for (int g = 0; g < kGeneCount; ++g) {
            const std::string name = "lblGR_" + std::to_string(g);
            genes[g] = static_cast<std::int16_t>(control<QLabel>(name.c_str())->text().toInt());
        }
        return genes;
    }
    void scriptDraws() {
        for (int k = 0; k < 24; ++k) {
            platform().random.numbers.push_back(((k * 3) % 8 + 0.5) / 8.0);
            platform().random.numbers.push_back(k % 2 == 0 ? 0.7 : 0.3);
        }
    }
    std::size_t rectanglesOn(int index) {
        std::size_t count = 0;
        for (const auto& item : m_window->pictureArea(index)->picture().items()) {
            count += item.kind == PictureItem::Kind::Rectangle ? 1 : 0;
        }
        return count;
    }

private slots:
    void init() {
        m_platform = std::make_unique<ScriptedPlatform>();
        m_window = std::make_unique<ZelMain>(m_platform->services());
        m_window->setProgramFolder(m_folder.path().toStdString());
        connectBreeding(*m_window);
        m_window->startUp();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void cleanup() {
        m_window.reset();
        m_platform.reset();
    }

    void drawMutationsFillsTheGridAndTheControls() {
        scriptDraws();
        QVERIFY(!control<QAction>("mnuZELsave")->isEnabled());
        QVERIFY(!control<QPushButton>("cmdZELMrep")->isVisibleTo(&window()));
        press("cmdZELMdraw");

        const auto figures = drawnFigures(window().pictureArea(0)->picture());
        QCOMPARE(figures.size(), std::size_t{25});
        QCOMPARE(figures[0].label, std::string("Orig."));
        QCOMPARE(figures[24].number, std::string(" 24"));
        QCOMPARE(platform().random.reseeds, 1);
        QCOMPARE(platform().random.draws, 48);
        QVERIFY(control<QAction>("mnuZELsave")->isEnabled());
        QVERIFY(control<QPushButton>("cmdZELMrep")->isVisibleTo(&window()));
        QVERIFY(!control<QLabel>("Label2")->isVisibleTo(&window()));
        QVERIFY(!control<QLabel>("Label3")->isVisibleTo(&window()));
        QCOMPARE(editorGenes(), startGenes());

        press("cmdZELRdraw");
        QCOMPARE(drawnFigures(window().pictureArea(0)->picture()).size(), std::size_t{17});
        QVERIFY(!control<QPushButton>("cmdZELMrep")->isVisibleTo(&window()));
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
        scriptDraws();
        press("cmdZELscreen");
        auto* box = control<QCheckBox>("ckbZel1");
        QVERIFY(box->isVisibleTo(&window()));
        box->setChecked(autoPrint);
        if (button == "cmdZELMrep") {
            // The review prints as the last Draw Mutations run read the box.
            press("cmdZELMdraw");
            platform().printDialogs.choicesAsked = 0;
            platform().printer.documents = 0;
            box->setChecked(!autoPrint);
        }
        press(button.toLatin1().constData());
        QCOMPARE(platform().printDialogs.choicesAsked, autoPrint ? 0 : figures);
        QCOMPARE(platform().printer.documents, autoPrint ? figures : 0);
        QVERIFY(window().pictureArea(0)->picture().empty());
    }

    void pickingLoadsTheEditorAndTheNextRunBreedsFromIt() {
        scriptDraws();
        press("cmdZELMdraw");
        const MutantTable table = window().state().genome.cellPos;
        clickCell(2, 3); // cell 7
        QCOMPARE(editorGenes(), table[7]);
        QCOMPARE(rectanglesOn(0), std::size_t{1});
        const auto& frame = window().pictureArea(0)->picture().items().back();
        QCOMPARE(frame.colour, kRed);
        QCOMPARE(frame.x1, 400.0);
        QCOMPARE(frame.y1, 600.0);
        const std::string value = control<QLabel>("lblGeneV_0")->text().toStdString();
        QCOMPARE(value, std::to_string(table[7][0] + 2));

        clickCell(0, 0, Qt::RightButton);
        QCOMPARE(editorGenes(), startGenes());
        QCOMPARE(rectanglesOn(0), std::size_t{2});

        clickCell(2, 3);
        QCOMPARE(editorGenes(), table[7]);
        scriptDraws();
        press("cmdZELMdraw");
        QCOMPARE(window().state().genome.centralPos, table[7]);
        QCOMPARE(window().state().genome.cellPos[0], table[7]);
    }

    void ignoredClicks_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Shift") << int(Qt::LeftButton) << int(Qt::ShiftModifier);
        QTest::newRow("Ctrl") << int(Qt::LeftButton) << int(Qt::ControlModifier);
        QTest::newRow("Alt") << int(Qt::LeftButton) << int(Qt::AltModifier);
        QTest::newRow("Ctrl, right") << int(Qt::RightButton) << int(Qt::ControlModifier);
        QTest::newRow("middle") << int(Qt::MiddleButton) << 0;
    }

    void ignoredClicks() {
        QFETCH(int, button);
        QFETCH(int, modifiers);
        scriptDraws();
        press("cmdZELMdraw");
        clickCell(1, 1);
        const GeneSet picked = editorGenes();
        clickCell(3, 3, static_cast<Qt::MouseButton>(button),
                  static_cast<Qt::KeyboardModifiers>(modifiers));
        QCOMPARE(editorGenes(), picked);
        QCOMPARE(rectanglesOn(0), std::size_t{1});
    }

    void fullScreenAndTheAlternativeAreaIgnoreTheMouse() {
        scriptDraws();
        press("cmdZELMdraw");
        press("cmdZELscreen");
        clickCell(1, 1);
        QCOMPARE(editorGenes(), startGenes());
        QCOMPARE(rectanglesOn(0), std::size_t{0});
        press("cmdZELscreen");

        press("cmdZELNalt");
        QVERIFY(window().pictureArea(1)->isVisible());
        scriptDraws();
        press("cmdZELMdraw");
        QCOMPARE(drawnFigures(window().pictureArea(1)->picture()).size(), std::size_t{25});
        clickCell(1, 1, Qt::LeftButton, {}, 1);
        clickCell(1, 1, Qt::RightButton, {}, 1);
        QCOMPARE(editorGenes(), startGenes());
        QCOMPARE(rectanglesOn(1), std::size_t{0});
        QVERIFY(window().state().selection.noSelection);
    }

    void topPixelRowSelectsNothing() {
        scriptDraws();
        press("cmdZELMdraw");
        QTest::mouseClick(window().pictureArea(0), Qt::LeftButton, {}, QPoint(100, 0));
        QCOMPARE(rectanglesOn(0), std::size_t{0});
        QTest::mouseClick(window().pictureArea(0), Qt::LeftButton, {}, QPoint(100, 1));
        QCOMPARE(rectanglesOn(0), std::size_t{1});
    }
};

} // namespace vavivor

QTEST_MAIN(vavivor::BreedingWindowTest)
#include "breeding_window_test.moc"
