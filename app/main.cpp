#include "mainwindow/wiring.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>

using namespace vavivor;

namespace {

// --version and --help are answered without a window (and without a screen); every other
// argument is left to Qt and the window as before.
bool answeredWithoutWindow(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{"h", "help"});
    const QCommandLineOption version(QStringList{"version"});
    parser.addOption(help);
    parser.addOption(version);
    parser.parse(arguments); // unknown arguments are not ours to refuse
    if (parser.isSet(version)) {
        std::printf("vavivor %s\n", VAVIVOR_VERSION);
    } else if (parser.isSet(help)) {
        std::printf("Usage: vavivor [--version | --help]\n\n"
                    "Opens the Vavivor window, where branching figures grow from eight genes and\n"
                    "are bred by selection. The program takes no other arguments; vavivor-cli\n"
                    "draws figures and reads storage files without a window.\n");
    } else {
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (answeredWithoutWindow(argc, argv)) {
        return std::fflush(stdout) == 0 && std::ferror(stdout) == 0 ? 0 : 1;
    }
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Vavivor"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VAVIVOR_VERSION));
    // Ties the window to its launcher (and the launcher's icon) on the desktop.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vavivor.Vavivor"));
    return runProgram();
}
