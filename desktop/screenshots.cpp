// Draws the screenshots of the AppStream metainfo at build time: the main window with the
// mutation grid and with the relatives screen, and the catalogue of a storage file, on the
// offscreen platform with the program's own windows.
//   vavivor_screenshots OUTPUT_FOLDER
#include "mainwindow/wiring.h"
#include "platform/fonts.h"
#include "storage/record_io.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>

using namespace vavivor;

namespace {

// A few figures of the kind a first hour with the program keeps.
bool writeStore(const QString& path) {
    const struct {
        const char* description;
        GeneSet genes;
    } kept[] = {
        {"Bushy tree", {9, 3, 5, 5, 7, 5, 5, 4}},   {"Fern", {8, 2, 6, 4, 6, 7, 3, 5}},
        {"Candelabra", {7, 7, 3, 3, 5, 5, 5, 6}},   {"Seaweed", {9, 4, 6, 6, 8, 4, 6, 3}},
        {"Start figure", {5, 5, 5, 5, 5, 5, 5, 5}}, {"Antlers", {6, 8, 2, 7, 6, 6, 4, 5}},
    };
    QByteArray bytes;
    for (const auto& figure : kept) {
        StorageRecord record;
        record.description = *encodeDescription(figure.description);
        for (int g = 0; g < kGeneCount; ++g) {
            record.cell(0, g) = figure.genes[g];
        }
        const RecordBytes encoded = encodeRecord(record);
        bytes.append(reinterpret_cast<const char*>(encoded.data()),
                     static_cast<qsizetype>(encoded.size()));
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool save(QWidget* widget, const QString& path) {
    QApplication::processEvents();
    if (widget == nullptr || !widget->grab().save(path, "PNG")) {
        std::fprintf(stderr, "vavivor_screenshots: could not write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: vavivor_screenshots OUTPUT_FOLDER\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/Vavivor-XXXXXX"));
    if (!folder.isValid() || !writeStore(folder.filePath(QStringLiteral("def-store.zld")))) {
        std::fprintf(stderr, "vavivor_screenshots: no temporary storage file\n");
        return 1;
    }
    registerFontSubstitutions();
    useWindowFace();
    QtProgram program;
    MainWindow& window = program.window;
    window.setProgramFolder(folder.path().toStdString());
    window.startUp();
    window.show();

    program.random.useSeed(11); // the same grid at every build
    window.commands().drawMutations->click();
    bool ok = save(&window, out + "/mutations.png");
    window.commands().drawRelatives->click();
    ok = save(&window, out + "/relatives.png") && ok;
    window.commands().loadDelete->trigger();
    ok = save(window.findChild<QWidget*>(QStringLiteral("frmZelStrCat")), out + "/catalogue.png") &&
         ok;
    return ok ? 0 : 1;
}
