// Pictures out of the program, through the wired main window on scripted dialogs: File > Export
// Picture, the catalogue's pictures and filter, and Shift+click on DRAW MUTATIONS.
#include "app/wiring.h"
#include "core/figure_picture.h"
#include "core/random_source.h"
#include "mainwindow/zel_main.h"
#include "platform/fonts.h"
#include "platform/picture_area.h"
#include "platform/picture_export.h"
#include "storage/catalogue.h"
#include "storage/zel_str_cat.h"
#include "storage_fakes.h"
#include "support/drawn_figures.h"
#include "support/scripted_services.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <memory>

namespace vavivor {

namespace {

// The polylines drawn in black in an SVG drawing (each line of a picture is one).
int svgBlackLines(const QString& path) {
    int lines = 0;
    for (const QString& group : QString::fromUtf8(fileBytes(path.toStdString())).split("<g ")) {
        if (group.left(group.indexOf('>')).contains(R"(stroke="#000000")")) {
            lines += static_cast<int>(group.count("<polyline"));
        }
    }
    return lines;
}

// The genes of record i of a long file: every record's first figure differs.
GeneSet numberedGenes(int i) {
    GeneSet genes{};
    for (auto& position : genes) {
        position = static_cast<std::int16_t>(1 + i % 9);
        i /= 9;
    }
    return genes;
}

// The wired program in an empty program folder, on the program's own generator, so that seeds
// mean what they say.
struct Rig {
    Rig() {
        wireProgram(window);
        window.setProgramFolder(folder.path().toStdString());
        window.startUp();
        window.show();
    }

    QTemporaryDir folder;
    ScriptedPlatform platform;
    TwisterRandom random;
    ZelMain window{PlatformServices{platform.dialogs, platform.printDialogs, platform.printer,
                                    platform.help, random, platform.clock}};
};

} // namespace

class PicturesOutWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Rig> m_rig;

    ZelMain& window() { return m_rig->window; }
    ScriptedDialogs& dialogs() { return m_rig->platform.dialogs; }
    template <typename T> T* control(const char* name) {
        T* found = window().findChild<T*>(QLatin1String(name));
        if (found == nullptr) {
            qFatal("no control %s", name);
        }
        return found;
    }
    void press(const char* button, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton, modifiers);
    }
    QListWidget* list() { return control<QListWidget>("lstZELCat"); }
    QString status() { return control<QLabel>("statusText")->text(); }
    void openCatalogue(const std::vector<StorageRecord>& records) {
        writeRecords(window().state().store.currentStore, records);
        control<QAction>("mnuZELload")->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(control<ZelStrCat>("frmZelStrCat")));
    }
    // The record numbers of the lines in view.
    QList<int> listedRecords() {
        QList<int> numbers;
        for (int row = 0; row < list()->count(); ++row) {
            if (!list()->item(row)->isHidden()) {
                numbers << list()->item(row)->text().left(3).trimmed().toInt();
            }
        }
        return numbers;
    }

private slots:
    void initTestCase() { registerFontSubstitutions(); }

    void init() {
        m_rig = std::make_unique<Rig>();
        QVERIFY(QTest::qWaitForWindowActive(&window()));
    }

    void cleanup() { m_rig.reset(); }

    // Ctrl+E saves the screen as it stands, a pick's red frame included; after a full-screen
    // run, the last figure drawn. Both formats write whichever picture is chosen.
    void exportSavesThePictureAsShown_data() {
        QTest::addColumn<bool>("fullScreen");
        QTest::addColumn<QString>("name");
        QTest::newRow("grid, svg") << false << "screen.svg";
        QTest::newRow("grid, png") << false << "screen.PNG";
        QTest::newRow("full screen, svg") << true << "figure.svg";
    }
    void exportSavesThePictureAsShown() {
        QFETCH(bool, fullScreen);
        QFETCH(QString, name);
        PictureArea* area = window().pictureArea(0);
        if (fullScreen) {
            press("cmdZELscreen");
        }
        press("cmdZELMdraw");
        if (!fullScreen) {
            QTest::mouseClick(area, Qt::LeftButton, {}, area->rect().center());
        }
        QCOMPARE(area->picture().empty(), fullScreen);
        const Picture shown =
            fullScreen ? figurePicture(window().state().genome.cellPos[24]) : area->picture();
        QCOMPARE(std::ranges::any_of(shown.items(), [](const auto& i) { return i.colour == kRed; }),
                 !fullScreen);

        const QString file = m_rig->folder.filePath(name);
        dialogs().files.emplace_back(file.toStdString());
        dialogs().numbers.emplace_back(2 * 656);
        QTest::keyClick(&window(), Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(dialogs().messages(), std::vector<std::string>{});
        QCOMPARE(status(), "Picture saved as " + file);
        if (name.endsWith(QLatin1String(".svg"))) {
            QVERIFY(QSvgRenderer(file).isValid());
            QCOMPARE(svgBlackLines(file), static_cast<int>(blackLines(shown).size()));
        } else {
            QCOMPARE(QImage(file).convertToFormat(QImage::Format_RGB32),
                     renderPicture(shown, 2 * 656, true));
        }
    }

    // Nothing is written without a picture, a known extension and a size; a failed write
    // names the file and the reason.
    void exportRefusesAndReports_data() {
        QTest::addColumn<bool>("fullScreen");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("fileDialogs");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty area") << true << "a.svg" << 0 << "The picture area is empty";
        QTest::newRow("other extension, then cancel")
            << false << "a.jpg" << 2 << "Please end the name %1/a.jpg";
        QTest::newRow("no folder")
            << false << "missing/a.svg" << 1 << "Could not write %1/missing/a.svg: ";
        QTest::newRow("size cancelled") << false << "a.png" << 1 << "";
    }
    void exportRefusesAndReports() {
        QFETCH(bool, fullScreen);
        QFETCH(QString, file);
        QFETCH(int, fileDialogs);
        QFETCH(QString, message);
        if (fullScreen) {
            press("cmdZELscreen");
        }
        const QString folder = m_rig->folder.path();
        dialogs().files.emplace_back(QDir(folder).filePath(file).toStdString());
        dialogs().numbers.emplace_back(std::nullopt);
        control<QAction>("mnuZELexport")->trigger();

        const std::vector<std::string> shown = dialogs().messages();
        QCOMPARE(shown.size(), std::size_t{message.isEmpty() ? 0U : 1U});
        QVERIFY(message.isEmpty() ||
                QString::fromStdString(shown[0]).contains(message.replace("%1", folder)));
        QCOMPARE(std::count_if(dialogs().shown.begin(), dialogs().shown.end(),
                               [](const auto& s) { return s.kind == "picture"; }),
                 fileDialogs);
        QCOMPARE(QDir(folder).entryList({"a.*"}, QDir::Files), QStringList());
    }

    // The seed in the status bar, typed after Shift+click, draws the chain of its run again; a
    // bad number is refused.
    void theSeedOfARunRedrawsItsChain() {
        press("cmdZELMdraw");
        const MutantTable chain = window().state().genome.cellPos;
        const QString seed = status().mid(5);
        QCOMPARE(status(), "Seed " + seed);
        press("cmdZELMdraw");
        QVERIFY(status() != "Seed " + seed);
        dialogs().texts = {std::string("4294967296"), std::string("-1"),
                           (" " + seed + " ").toStdString()};
        press("cmdZELMdraw", Qt::ShiftModifier);
        QCOMPARE(dialogs().messages().size(), std::size_t{2});
        QCOMPARE(status(), "Seed " + seed);
        QVERIFY(window().state().genome.cellPos == chain);
    }

    // The filter narrows the list to the descriptions that hold its text, and stays when the
    // catalogue is opened again; Load acts on the line under the cursor.
    void filterNarrowsTheList_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<int>>("records");
        QTest::newRow("empty") << "" << QList<int>{1, 3, 4, 5};
        QTest::newRow("lower case") << "tree" << QList<int>{1, 3};
        QTest::newRow("capitals") << "TREE O" << QList<int>{3};
        QTest::newRow("accent") << "écl" << QList<int>{5};
        QTest::newRow("only the description") << "5" << QList<int>{4};
        QTest::newRow("deleted records stay out") << "pine" << QList<int>{};
    }
    void filterNarrowsTheList() {
        QFETCH(QString, typed);
        QFETCH(QList<int>, records);
        const GeneSet fives{5, 5, 5, 5, 5, 5, 5, 5};
        openCatalogue({makeRecord(false, "Oak tree", fives), makeRecord(false, "pine", fives, true),
                       makeRecord(true, "Tree of LIFE", fives), makeRecord(false, "bush 5", fives),
                       makeRecord(false, "Éclair", fives)});
        list()->setCurrentRow(0);
        control<QLineEdit>("txtCatFilter")->setText(typed);
        QCOMPARE(listedRecords(), records);
        QCOMPARE(list()->count(), 4);

        // Record 1 was selected: a line that the filter hides is no longer selected.
        control<QAction>("mnuCRLoad")->trigger();
        if (records.contains(1)) {
            QCOMPARE(control<QLabel>("Label3")->text(), QStringLiteral(" 1"));
            control<QAction>("mnuZELload")->trigger();
            QCOMPARE(listedRecords(), records);
        } else {
            QCOMPARE(dialogs().messages(), std::vector<std::string>{kSelectFirst});
        }
        if (!records.isEmpty()) {
            list()->setCurrentRow(QList<int>{1, 3, 4, 5}.indexOf(records.last()));
            control<QAction>("mnuCRLoad")->trigger();
            QCOMPARE(control<QLabel>("Label3")->text(), " " + QString::number(records.last()));
        }
    }

    // Each line in view shows its record's first figure; pictures are made only for lines
    // that come into view.
    void picturesShowTheFirstFigureOfLinesInView() {
        std::vector<StorageRecord> file;
        for (int i = 0; i < 3000; ++i) {
            file.push_back(makeRecord(i % 2 == 0, "r", numberedGenes(i)));
        }
        openCatalogue(file);
        auto* catalogue = control<ZelStrCat>("frmZelStrCat");
        const int lineHeight = list()->visualItemRect(list()->item(0)).height();
        const int inView = list()->viewport()->height() / lineHeight + 1;
        list()->viewport()->grab();
        QVERIFY(catalogue->thumbnailsMade() > 0);
        QVERIFY(catalogue->thumbnailsMade() <= inView);

        list()->scrollToBottom();
        const QImage shown =
            list()->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY(catalogue->thumbnailsMade() <= 2 * inView);
        for (const int row : {2999, 2998}) {
            const QRect line = list()->visualItemRect(list()->item(row));
            const QImage expected = ZelStrCat::figureThumbnail(numberedGenes(row), 36);
            bool found = false;
            for (int x = 0; x + 36 <= shown.width() && !found; ++x) {
                found = shown.copy(x, line.top() + (lineHeight - 36) / 2, 36, 36) == expected;
            }
            QVERIFY2(found, qPrintable(QString::number(row)));
        }
    }
};

} // namespace vavivor

QTEST_MAIN(vavivor::PicturesOutWindowTest)
#include "pictures_out_window_test.moc"
