// Pictures out of the program, through the wired main window on scripted dialogs: File > Export
// Picture, the catalogue's pictures and filter, and Shift+click on DRAW MUTATIONS.
#include "app/wiring.h"
#include "cli/cli_options.h"
#include "cli/commands.h"
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
#include <QXmlStreamReader>
#include <memory>
#include <sstream>

namespace vavivor {

namespace {

// The polylines drawn in black in an SVG file (each line of a picture is one); -1 when the
// file does not parse.
int svgBlackLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return -1;
    }
    QXmlStreamReader svg(&file);
    QStringList strokes{QStringLiteral("none")}; // of the enclosing groups
    int lines = 0;
    while (!svg.atEnd()) {
        svg.readNext();
        if (svg.isEndElement() && svg.name() == QLatin1String("g")) {
            strokes.removeLast();
        } else if (svg.isStartElement() && svg.name() == QLatin1String("g")) {
            const QStringView stroke = svg.attributes().value(QLatin1String("stroke"));
            strokes << (stroke.isEmpty() ? strokes.last() : stroke.toString());
        } else if (svg.isStartElement() && svg.name() == QLatin1String("polyline")) {
            lines += strokes.last() == QLatin1String("#000000") ? 1 : 0;
        }
    }
    return svg.hasError() ? -1 : lines;
}

// The picture without its texts, which are hinted differently at each size.
Picture withoutTexts(const Picture& picture) {
    Picture lines;
    for (PictureItem item : picture.items()) {
        if (item.kind != PictureItem::Kind::Text) {
            item.scale = lines.scaleIndex(picture.scales()[item.scale]);
            lines.add(item);
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

} // namespace

class PicturesOutWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<ScriptedPlatform> m_platform;
    TwisterRandom m_random; // the program's own generator, so that seeds mean what they say
    std::unique_ptr<ZelMain> m_window;

    ZelMain& window() { return *m_window; }
    ScriptedDialogs& dialogs() { return m_platform->dialogs; }
    template <typename T> T* control(const char* name) {
        T* found = m_window->findChild<T*>(QLatin1String(name));
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
        m_folder = std::make_unique<QTemporaryDir>();
        m_platform = std::make_unique<ScriptedPlatform>();
        PlatformServices services = m_platform->services();
        m_window = std::make_unique<ZelMain>(
            PlatformServices{services.dialogs, services.printDialogs, services.printer,
                             services.help, m_random, services.clock});
        wireProgram(*m_window);
        m_window->setProgramFolder(m_folder->path().toStdString());
        m_window->startUp();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }

    void cleanup() {
        m_window.reset();
        m_platform.reset();
        m_folder.reset();
    }

    // Ctrl+E saves the screen as it stands, a pick's red frame included; after a full-screen
    // run, the last figure drawn.
    void exportSavesThePictureAsShown_data() {
        QTest::addColumn<bool>("fullScreen");
        QTest::addColumn<QString>("name");
        QTest::newRow("grid, svg") << false << "screen.svg";
        QTest::newRow("grid, png") << false << "screen.PNG";
        QTest::newRow("full screen, svg") << true << "figure.svg";
        QTest::newRow("full screen, png") << true << "figure.png";
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

        const QString file = m_folder->filePath(name);
        dialogs().files.emplace_back(file.toStdString());
        dialogs().numbers.emplace_back(2 * 656);
        QTest::keyClick(&window(), Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(dialogs().messages(), std::vector<std::string>{});
        QCOMPARE(status(), "Picture saved as " + file);

        if (name.endsWith(QLatin1String(".svg"))) {
            QVERIFY(QSvgRenderer(file).isValid());
            QCOMPARE(svgBlackLines(file), static_cast<int>(blackLines(shown).size()));
            return;
        }
        // Wherever the screen has ink, so has the PNG of twice its size, within a pixel.
        const QImage png(file);
        QCOMPARE(png.size(), QSize(2 * 656, 2 * 656));
        const QImage screen = renderPicture(withoutTexts(shown), 656, false);
        int red = 0;
        for (int y = 0; y < screen.height(); ++y) {
            for (int x = 0; x < screen.width(); ++x) {
                const QColor pixel = screen.pixelColor(x, y);
                const bool isRed = pixel == QColor(Qt::red);
                red += isRed ? 1 : 0;
                bool found = pixel == QColor(Qt::white);
                for (int d = 0; d < 16 && !found; ++d) {
                    const QColor there = png.pixelColor(std::clamp(2 * x + d % 4 - 1, 0, 1311),
                                                        std::clamp(2 * y + d / 4 - 1, 0, 1311));
                    // Any ink counts: a thin antialiased line may be faint at one spot.
                    found =
                        isRed ? there.red() > 200 && there.green() < 230 : there.lightness() < 250;
                }
                QVERIFY2(found, qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
            }
        }
        QCOMPARE(red > 0, !fullScreen);
    }

    // Nothing is written without a picture, a known extension and a size; a failed write
    // names the file and the reason.
    void exportRefusesAndReports_data() {
        QTest::addColumn<bool>("fullScreen");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("fileDialogs");
        QTest::newRow("empty area") << true << "a.svg"
                                    << "The picture area is empty" << 0;
        QTest::newRow("other extension, then cancel") << false << "a.jpg"
                                                      << "Please end the name %1/a.jpg" << 2;
        QTest::newRow("no folder") << false << "missing/a.svg"
                                   << "Could not write %1/missing/a.svg: " << 1;
        QTest::newRow("size cancelled") << false << "a.png"
                                        << "" << 1;
    }
    void exportRefusesAndReports() {
        QFETCH(bool, fullScreen);
        QFETCH(QString, file);
        QFETCH(QString, message);
        QFETCH(int, fileDialogs);
        if (fullScreen) {
            press("cmdZELscreen");
        }
        dialogs().files.emplace_back(m_folder->filePath(file).toStdString());
        dialogs().numbers.emplace_back(std::nullopt);
        control<QAction>("mnuZELexport")->trigger();

        const QString shown = QString::fromStdString(
            dialogs().messages().empty() ? std::string() : dialogs().messages().front());
        QCOMPARE(dialogs().messages().size(), std::size_t{message.isEmpty() ? 0U : 1U});
        QVERIFY2(shown.contains(message.replace(QLatin1String("%1"), m_folder->path())),
                 qPrintable(shown));
        QCOMPARE(static_cast<int>(std::count_if(dialogs().shown.begin(), dialogs().shown.end(),
                                                [](const auto& s) { return s.kind == "picture"; })),
                 fileDialogs);
        QCOMPARE(QDir(m_folder->path()).entryList({"a.*"}, QDir::Files), QStringList());
    }

    // The seed in the status bar gives the chain of its run to vavivor-cli and, typed after
    // Shift+click, to the window again; a bad number is refused.
    void theSeedOfARunRedrawsItsChain() {
        press("cmdZELMdraw");
        const MutantTable chain = window().state().genome.cellPos;
        const QString seed = status().mid(5);
        QCOMPARE(status(), "Seed " + seed);
        QString genes;
        for (const std::int16_t position : chain[0]) {
            genes += (genes.isEmpty() ? "" : ",") + QString::number(position);
        }
        std::ostringstream out;
        std::ostringstream err;
        const auto cliLine =
            cli::parseCommandLine({"mutations", "--genes", genes, "--seed", seed}).options;
        QCOMPARE(cli::runMutations(*cliLine, out, err), cli::kExitOk);
        std::istringstream lines(out.str());
        int k = 0;
        for (std::string line; std::getline(lines, line); ++k) {
            std::istringstream positions(line.substr(line.find('\t') + 1));
            GeneSet cell{};
            for (auto& position : cell) {
                positions >> position;
            }
            QVERIFY2(cell == chain[static_cast<std::size_t>(k)], line.c_str());
        }
        QCOMPARE(k, kCellCount);

        press("cmdZELMdraw");
        QVERIFY(status() != "Seed " + seed);
        dialogs().texts = {std::string("4294967296"), std::string("-1"),
                           " " + seed.toStdString() + " "};
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
            int last = list()->count() - 1;
            while (list()->item(last)->isHidden()) {
                --last;
            }
            list()->setCurrentRow(last);
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
