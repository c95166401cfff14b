// The help lookup and the help window of a program installed in `BIN_FOLDER`, as that program
// runs them: the collection must be found beside the installed program, never in a build
// folder, and must open on its first page and on a topic.
//   installed_help_check BIN_FOLDER
#include "platform/help_window.h"
#include "platform/program_folder.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: installed_help_check BIN_FOLDER\n");
        return 2;
    }
    const std::string bin = argv[1];
    const QTemporaryDir data; // the user's data folder, which holds no help
    const std::string found = vavivor::helpFilePathFor(data.path().toStdString(), bin);
    const std::string expected =
        QDir::cleanPath(QString::fromStdString(bin + "/../share/vavivor/ZelHelp.qhc"))
            .toStdString();
    if (found != expected) {
        std::fprintf(stderr, "the installed program looks for its help at %s, not %s\n",
                     found.c_str(), expected.c_str());
        return 1;
    }
    vavivor::HelpWindow help(QString::fromStdString(found));
    if (!help.isUsable() || !help.showTopic(10) || help.currentPage().isEmpty()) {
        std::fprintf(stderr, "the installed help does not open: %s\n", qPrintable(help.error()));
        return 1;
    }
    std::printf("help: %s opens on %s\n", found.c_str(), qPrintable(help.currentPage().toString()));
    return 0;
}
