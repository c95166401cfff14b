// Pictures out of the program, through the wired main window on scripted dialogs: File > Export
// Picture and Export Lineage, the catalogue's filter, and Shift+click on DRAW MUTATIONS.
#include "core/figure_picture.h"
#include "mainwindow/wiring.h"
#include "platform/fonts.h"
#include "platform/picture_export.h"
#include "storage/catalogue.h"
#include "storage_fakes.h"
#include "support/user_input.h"
#include "support/window_rig.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <algorithm>
#include <memory>
#include <optional>

namespace vavivor {

namespace {

// The wired program, shown, in an empty program folder.
struct Rig : WindowRig {
    Rig() : WindowRig(wireProgram) { window.show(); }

    QListWidget* list() { return find<QListWidget>("lstZELCat"); }
    void openCatalogue(const std::vector<StorageRecord>& records) {
        writeRecords(window.state().store.currentStore, records);
        trigger("mnuZELload");
        QVERIFY(QTest::qWaitForWindowExposed(find("frmZelStrCat")));
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
};

} // namespace

class PicturesOutWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Rig> m_rig;

private slots:
    void initTestCase() { registerFontSubstitutions(); }

    void init() {
        m_rig = std::make_unique<Rig>();
        QVERIFY(QTest::qWaitForWindowActive(&m_rig->window));
    }

    void cleanup() { m_rig.reset(); }

    // Ctrl+E saves the screen as it stands, a pick's red frame included; after a full-screen
    // run, the last figure drawn (of the relatives, G8 -1). Nothing is written without a picture, a
    // known extension and a size; a failed write names the file and the reason.
    void exportSavesThePictureAsShown_data() {
        QTest::addColumn<bool>("fullScreen");
        QTest::addColumn<bool>("draw"); // and give a size
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("fileDialogs");
        QTest::addColumn<QString>("message");
        QTest::newRow("grid") << false << true << "screen.PNG" << 1 << "";
        QTest::newRow("full screen") << true << true << "figure.png" << 1 << "";
        QTest::newRow("empty area") << true << false << "a.svg" << 0 << "The picture area is empty";
        QTest::newRow("other extension, then cancel")
            << false << false << "a.jpg" << 2 << "Please end the name %1/a.jpg";
    }
    void exportSavesThePictureAsShown() {
        QFETCH(bool, fullScreen);
        QFETCH(bool, draw);
        QFETCH(QString, name);
        QFETCH(int, fileDialogs);
        QFETCH(QString, message);
        Rig& r = *m_rig;
        PictureArea* area = r.window.pictureArea(0);
        if (fullScreen) {
            r.press("cmdZELscreen");
        }
        if (draw) {
            r.press(fullScreen ? "cmdZELRdraw" : "cmdZELMdraw");
            userClick(area, Qt::LeftButton, {}, area->rect().center()); // a pick
        }
        const QString folder = r.folder.path();
        const QString file = QDir(folder).filePath(name);
        ScriptedDialogs& dialogs = r.platform.dialogs;
        dialogs.files.emplace_back(file.toStdString());
        dialogs.numbers.emplace_back(draw ? std::optional<int>(2 * 656) : std::nullopt);
        QTest::keyClick(&r.window, Qt::Key_E, Qt::ControlModifier);

        const std::vector<std::string> shown = dialogs.messages();
        QCOMPARE(shown.size(), std::size_t{message.isEmpty() ? 0U : 1U});
        QVERIFY(message.isEmpty() ||
                QString::fromStdString(shown[0]).contains(message.replace("%1", folder)));
        QCOMPARE(std::count_if(dialogs.shown.begin(), dialogs.shown.end(),
                               [](const auto& s) { return s.kind == "picture"; }),
                 fileDialogs);
        if (!draw) {
            QCOMPARE(QDir(folder).entryList({"a.*"}, QDir::Files), QStringList());
            return;
        }
        QCOMPARE(r.caption("statusText"), "Picture saved as " + file);
        const Picture picture =
            fullScreen ? figurePicture(GeneSet{5, 5, 5, 5, 5, 5, 5, 4}, "G8 -1") : area->picture();
        QCOMPARE(QImage(file).convertToFormat(QImage::Format_RGB32),
                 renderPicture(picture, 2 * 656, true));
    }

    // File > Export Lineage: nothing before the first screen; after a pick and a second screen,
    // the two steps of the lineage as a GIF.
    void exportLineageWritesTheWayToTheCurrentScreen() {
        Rig& r = *m_rig;
        ScriptedDialogs& dialogs = r.platform.dialogs;
        r.trigger("mnuZELexportLineage");
        QCOMPARE(dialogs.shown.size(), std::size_t{1});
        QVERIFY(dialogs.shown.back().kind == "message");

        r.press("cmdZELRdraw");
        PictureArea* area = r.window.pictureArea(0);
        userClick(area, Qt::LeftButton, {}, QPoint(area->width() / 10, area->height() / 10));
        r.press("cmdZELRdraw");
        const QString gif = QDir(r.folder.path()).filePath("lineage.gif");
        dialogs.files = {gif.toStdString()};
        r.trigger("mnuZELexportLineage");
        QCOMPARE(dialogs.messages().size(), std::size_t{1});
        QCOMPARE(QImageReader(gif).imageCount(), 2);
    }

    // Shift+click on DRAW MUTATIONS asks for a seed, refuses what is none, and draws the chain
    // of the seed typed, which the status bar then shows.
    void aTypedSeedDrawsItsChain() {
        Rig& r = *m_rig;
        r.platform.dialogs.texts = {"4294967296", "-1", " 4294967295 "};
        userClick(r.find<QPushButton>("cmdZELMdraw"), Qt::LeftButton, Qt::ShiftModifier);
        QCOMPARE(r.platform.dialogs.messages().size(), std::size_t{2});
        QCOMPARE(r.platform.random.seed, 4294967295U);
        QCOMPARE(r.caption("statusText"), QStringLiteral("Seed 4294967295"));
    }

    // The filter narrows the list to the descriptions that hold its text, and says so when none
    // does.
    void filterNarrowsTheList_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<int>>("records");
        QTest::newRow("lower case") << "tree" << QList<int>{1, 3};
        QTest::newRow("accent") << "écl" << QList<int>{5};
        QTest::newRow("deleted records stay out") << "pine" << QList<int>{};
    }
    void filterNarrowsTheList() {
        QFETCH(QString, typed);
        QFETCH(QList<int>, records);
        Rig& r = *m_rig;
        const GeneSet fives = startGenes();
        r.openCatalogue({makeRecord(false, "Oak tree", fives),
                         makeRecord(false, "pine", fives, true),
                         makeRecord(true, "Tree of LIFE", fives),
                         makeRecord(false, "bush 5", fives), makeRecord(false, "Éclair", fives)});
        r.list()->setCurrentRow(0);
        r.find<QLineEdit>("txtCatFilter")->setText(typed);
        QCOMPARE(r.listedRecords(), records);
        auto* none = r.find<QLabel>("lblCatNone");
        QCOMPARE(none->isVisible(), records.isEmpty());

        // Record 1 was selected: a line that the filter hides is no longer selected.
        r.trigger("mnuCRLoad");
        if (records.contains(1)) {
            QCOMPARE(r.caption("Label3"), QStringLiteral(" 1"));
        } else {
            QCOMPARE(r.platform.dialogs.messages(), std::vector<std::string>{kSelectFirst});
        }
    }
};

} // namespace vavivor

QTEST_MAIN(vavivor::PicturesOutWindowTest)
#include "pictures_out_window_test.moc"
