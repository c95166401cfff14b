// A first hour with the program, step by step through the fully wired main window: each step
// checks what the person would see on screen, in the storage files and on paper (PDF). The
// steps build on each other and run in the order they are declared.
#include "mainwindow/wiring.h"
#include "platform/fonts.h"
#include "platform/qt_printer_page.h"
#include "support/pdf_text.h"
#include "support/window_rig.h"

#include <QCheckBox>
#include <QFile>
#include <QListWidget>
#include <QRegularExpression>
#include <QStatusBar>
#include <memory>

namespace vavivor {

namespace {

// The editor positions of cell k of a chain whose mutant j moves gene (j - 1) mod 8 by `step`.
GeneSet chainCell(GeneSet genes, int k, int step) {
    for (int j = 1; j <= k; ++j) {
        auto& position = genes[static_cast<std::size_t>((j - 1) % kGeneCount)];
        position = clampPos(position, step);
    }
    return genes;
}

// The text of a PDF as pdftotext lays it out, each page ended by a form feed.
QString pdfText(const QString& pdf) {
    return pdfToolOutput(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, "-"});
}

// Expects `text` to be one page holding every one of `lines`.
void expectPage(const QString& text, const QStringList& lines) {
    QCOMPARE(text.count(QLatin1Char('\f')), 1);
    for (const QString& line : lines) {
        QVERIFY2(text.contains(line), qPrintable(line));
    }
}

// The Qt printer writing every document to one PDF file, which it replaces; a copy of each
// document is kept in the order they were printed.
class KeptPdfPrinter : public QtPrinterPage {
public:
    explicit KeptPdfPrinter(const QString& pdf) : QtPrinterPage(pdf), m_pdf(pdf) {}

    bool endDoc() override {
        static int count = 0;
        const bool ok = QtPrinterPage::endDoc();
        const QString copy = m_pdf + "-" + QString::number(++count);
        if (ok && QFile::copy(m_pdf, copy)) {
            documents << copy;
        }
        return ok;
    }

    QStringList documents;

private:
    QString m_pdf;
};

const GeneSet kFives = startGenes();
const GeneSet kPicked = chainCell(kFives, 13, +1); // cell 13 of the first chain
// Both saved records begin with the picked figure: the catalogue lists its genes.
const QString kPickedGenes = QStringLiteral("\t7  7  7  7  7  6  6  6  ");

} // namespace

class FirstHourTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_pdfs;
    KeptPdfPrinter m_printer{m_pdfs.filePath("printer.pdf")};
    std::unique_ptr<WindowRig> m_rig;

    MainWindow& window() { return m_rig->window; }
    bool shown(const char* name) { return m_rig->find(name)->isVisible(); }
    // The positions printed beside the gene names ("5,  7") on the page of a full-screen figure.
    static GeneSet printedGenes(const QString& text) {
        GeneSet genes{};
        auto it = QRegularExpression(QStringLiteral("(\\d),\\s")).globalMatch(text);
        for (auto& position : genes) {
            position = static_cast<std::int16_t>(it.hasNext() ? it.next().captured(1).toInt() : 0);
        }
        return genes;
    }
    // DRAW MUTATIONS with a scripted chain: mutant j moves gene (j - 1) mod 8 by `step`.
    void drawMutations(int step) {
        for (int j = 1; j < kCellCount; ++j) {
            m_rig->platform.random.numbers.push_back(((j - 1) % kGeneCount + 0.5) / kGeneCount);
            m_rig->platform.random.numbers.push_back(step > 0 ? 0.75 : 0.25);
        }
        m_rig->press("cmdZELMdraw");
    }

    // The picture area in view; its pixels as painted on screen.
    PictureArea* area() { return window().pictureArea(window().state().screen.curPic); }
    // Cell k of the grid, rows from the top.
    QRect cellRect(int k) {
        const double side = area()->width() / 5.0;
        return QRectF(k % 5 * side, k / 5 * side, side, side).toRect();
    }
    template <typename Test> int pixels(const QRect& rect, Test test) {
        const QImage image = area()->grab().toImage();
        int count = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            for (int x = rect.left(); x <= rect.right(); ++x) {
                count += test(image.pixelColor(x, y)) ? 1 : 0;
            }
        }
        return count;
    }
    // Dark pixels inside a cell, away from the grid lines: the figure and its label.
    int ink(int k) {
        return pixels(cellRect(k).adjusted(4, 4, -4, -4),
                      [](const QColor& c) { return qGray(c.rgb()) < 128 && c.red() < 128; });
    }
    int red(const QRect& rect) {
        return pixels(
            rect, [](const QColor& c) { return c.red() > 200 && c.green() < 80 && c.blue() < 80; });
    }
    void click(int k) { userClick(area(), Qt::LeftButton, {}, cellRect(k).center()); }

    QStringList catalogueRows() {
        QStringList rows;
        for (const QListWidgetItem* item :
             m_rig->find<QListWidget>("lstZELCat")->findItems(QString(), Qt::MatchContains)) {
            rows << item->text();
        }
        return rows;
    }
    void selectRow(int row) {
        auto* list = m_rig->find<QListWidget>("lstZELCat");
        userClick(list->viewport(), Qt::LeftButton, {},
                  list->visualItemRect(list->item(row)).center());
    }

private slots:
    void initTestCase() {
        registerFontSubstitutions();
        m_rig = std::make_unique<WindowRig>(m_printer, wireProgram);
        QVERIFY(QTest::qWaitForWindowExposed(&window()));
    }

    void startsWithAnEmptyGridAndEveryGeneAtFive() {
        QCOMPARE(m_rig->editorGenes(), kFives);
        QCOMPARE(ink(12), 0);
        QVERIFY(pixels(area()->rect(), [](const QColor& c) { return c == Qt::black; }) >
                4 * area()->width());
    }

    void drawMutationsBreedsAChainFromTheEditor() {
        drawMutations(+1);
        for (int k = 0; k < kCellCount; ++k) {
            QVERIFY2(ink(k) > 50, qPrintable(QString::number(k)));
        }
        QCOMPARE(m_rig->editorGenes(), kFives);
    }

    void aLeftClickPicksAMutant() {
        click(13);
        QCOMPARE(m_rig->editorGenes(), kPicked);
        QCOMPARE(m_rig->caption("lblGeneV_0"), QStringLiteral("9"));
        const QRect frame = cellRect(13).adjusted(-2, -2, 2, 2);
        QVERIFY(red(frame) > 200);
        QCOMPARE(red(area()->rect()), red(frame));
    }

    void drawMutationsAgainBreedsFromThePickAndIsSaved() {
        drawMutations(-1);
        QCOMPARE(red(area()->rect()), 0);
        QCOMPARE(window().state().genome.cellPos[24], chainCell(kPicked, 24, -1));
        QCOMPARE(m_rig->editorGenes(), kPicked);

        m_rig->platform.dialogs.texts.emplace_back("first chain");
        m_rig->trigger("mnuZELsave");
    }

    void drawRelatives() {
        m_rig->press("cmdZELRdraw");
        // Sixteen relatives round the central figure; the ring between them stays empty.
        QVERIFY(ink(0) > 50 && ink(12) > 50 && ink(24) > 50 && ink(6) == 0 && ink(18) == 0);
    }

    void savedFiguresAreListedInTheCatalogue() {
        m_rig->platform.dialogs.texts.emplace_back("my tree"); // the central figure
        m_rig->trigger("mnuZELsave");
        m_rig->trigger("mnuZELload");
        QVERIFY(shown("frmZelStrCat"));
        QCOMPARE(catalogueRows(), QStringList({"  1M\tfirst chain         " + kPickedGenes,
                                               "  2R\tmy tree             " + kPickedGenes}));
    }

    void loadingTheTreeRedrawsItsRelatives() {
        selectRow(1);
        m_rig->trigger("mnuCRLoad");
        QVERIFY(!shown("frmZelStrCat"));
        QCOMPARE(m_rig->caption("Label3"), QStringLiteral(" 2"));
        QVERIFY(ink(12) > 50 && ink(6) == 0);
    }

    void aFullScreenRunWithAutoPrintPrintsEveryFigure() {
        m_rig->press("cmdZELscreen");
        QVERIFY(shown("lblZel1"));
        userClick(m_rig->find<QCheckBox>("ckbZel1"));
        m_printer.documents.clear();
        drawMutations(-1);

        QCOMPARE(m_printer.documents.size(), kCellCount);
        QCOMPARE(m_rig->platform.printDialogs.choicesAsked, 0);
        for (int k = 0; k < kCellCount; ++k) {
            const QString text = pdfText(m_printer.documents[k]);
            expectPage(text, {QStringLiteral("VAVIVOR"), QStringLiteral("Mutated Zeloid")});
            QCOMPARE(printedGenes(text), chainCell(kPicked, k, -1));
        }
        QVERIFY(window().statusBar()->currentMessage().startsWith(QStringLiteral("Printed to")));
    }

    void theCatalogueIsPrinted() {
        m_printer.documents.clear();
        m_rig->trigger("mnuZELload");
        m_rig->trigger("mnuCatPrint");
        QVERIFY(shown("frmZelStrSel"));
        m_rig->press("cmdZelAll");

        QCOMPARE(m_printer.documents.size(), 1);
        // Laid out words, each run of blanks one blank.
        const QString text = pdfText(m_printer.documents[0]).replace(QRegularExpression(" +"), " ");
        expectPage(text, {"VAVIVOR CATALOGUE",
                          "File: " + QString::fromStdString(m_rig->path("def-store.zld")),
                          "1 first chain, (a sequence of mutations)",
                          "2 my tree, (a single Zeloid)", "Genes: 7 7 7 7 7 6 6 6", "Page 1"});
    }
};

} // namespace vavivor

QTEST_MAIN(vavivor::FirstHourTest)
#include "first_hour_test.moc"
