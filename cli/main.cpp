#include "cli_options.h"
#include "commands.h"
#include "core/write_all.h"
#include "output_files.h"

#include <QGuiApplication>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <sstream>
#include <unistd.h>

namespace {

using namespace vavivor::cli;

// Qt's own warnings ("QStandardPaths: XDG_RUNTIME_DIR not set", "libpng error: Write Error")
// are not for the user: every failure is one line of ours that names the file and the cause.
void quietQtMessages(QtMsgType type, const QMessageLogContext& /*context*/,
                     const QString& message) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "vavivor-cli: %s\n", message.simplified().toLocal8Bit().constData());
    }
}

// The lines of the program's other layers begin a sentence ("Could not open the storage file");
// on the command line they follow "vavivor-cli: " in lower case.
std::string lowerCaseLines(std::string text) {
    const std::string prefix = "vavivor-cli: ";
    for (std::size_t at = text.find(prefix); at != std::string::npos;
         at = text.find(prefix, at + 1)) {
        text = lowerCaseStart(std::move(text), at + prefix.size());
    }
    return text;
}

// Whether standard output was open when the program started. A closed one is taken by
// /dev/null at once, so that no file the program opens later gets its number.
bool standardOutputOpen = true;

void holdClosedStandardStreams() {
    for (const int fd : {STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
            standardOutputOpen = standardOutputOpen && fd != STDOUT_FILENO;
            const int null = ::open("/dev/null", O_WRONLY);
            if (null >= 0 && null != fd) {
                ::dup2(null, fd);
                ::close(null);
            }
        }
    }
}

// Writes all of `text` to standard output; 0, or the reason it could not.
int writeStandardOutput(const std::string& text) {
    if (!standardOutputOpen && !text.empty()) {
        return EBADF;
    }
    int error = 0;
    vavivor::writeAll(STDOUT_FILENO, text.data(), text.size(), &error);
    return error;
}

// Ends the program: standard output must take all the command wrote (a full disk, a closed
// standard output), and standard error gets the command's line, or else why standard output failed.
int finish(int status, const std::string& output, const std::string& errors) {
    const int error = writeStandardOutput(output);
    std::string message = lowerCaseLines(errors);
    if (error != 0) {
        if (message.empty()) {
            message = "vavivor-cli: could not write to standard output: " +
                      lowerCaseStart(std::strerror(error)) + "\n";
        }
        if (status == kExitOk) {
            status = kExitFailure;
        }
    }
    std::cerr << message << std::flush;
    return status;
}

} // namespace

int main(int argc, char** argv) {
    holdClosedStandardStreams();
    qInstallMessageHandler(quietQtMessages);
    // Headless: text and pictures need a GUI application, never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);

    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    const ParseResult parsed = parseCommandLine(arguments);
    if (parsed.help) {
        return finish(kExitOk, usageText(), {});
    }
    if (parsed.version) {
        return finish(kExitOk, std::string("vavivor-cli ") + VAVIVOR_VERSION + "\n", {});
    }
    if (!parsed.options) {
        return finish(kExitUsage, {}, "vavivor-cli: " + parsed.error + "\n");
    }
    // Both streams are written when the command is done, to see that standard output took it.
    std::ostringstream output;
    std::ostringstream errors;
    const Command* command = findCommand(parsed.options->command);
    const int status = command->run(*parsed.options, output, errors);
    return finish(status, output.str(), errors.str());
}
