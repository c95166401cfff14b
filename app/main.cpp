#include "mainwindow/wiring.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>

using namespace vavivor;

namespace {

struct CommandLine {
    QCommandLineParser parser;
    QCommandLineOption help{QStringList{"h", "help"}};
    QCommandLineOption version{QStringList{"version"}};

    CommandLine() {
        parser.addOption(help);
        parser.addOption(version);
        parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("a storage file"),
                                     QStringLiteral("[FILE]"));
    }
};

// --version and --help are answered without a window (and without a screen); Qt's own
// arguments (-platform, -style, ...) are still in argv here and not ours to refuse.
bool answeredWithoutWindow(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    CommandLine line;
    line.parser.parse(arguments);
    if (line.parser.isSet(line.version)) {
        std::printf("vavivor %s\n", VAVIVOR_VERSION);
    } else if (line.parser.isSet(line.help)) {
        std::printf(
            "Usage: vavivor [FILE] | --version | --help\n\n"
            "Opens the Vavivor window, where branching figures grow from eight genes and\n"
            "are bred by selection. With FILE, a storage file (normally FILE.zlr), that file\n"
            "becomes the current storage file, as File > Change Storage file makes it, and\n"
            "its catalogue opens; a file that cannot be used is named in a message and the\n"
            "program goes on with its usual storage file. vavivor-cli draws figures and reads\n"
            "storage files without a window.\n");
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

    // QApplication has taken its own arguments away; what is left is ours.
    CommandLine line;
    if (!line.parser.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "vavivor: %s (try --help)\n", qPrintable(line.parser.errorText()));
        return 2;
    }
    const QStringList files = line.parser.positionalArguments();
    if (files.size() > 1) {
        std::fprintf(stderr, "vavivor: one storage file at a time, not %lld (try --help)\n",
                     static_cast<long long>(files.size()));
        return 2;
    }
    return runProgram({}, files.isEmpty() ? std::string() : files.first().toStdString());
}
