#include "cli_options.h"
#include "commands.h"

#include <QGuiApplication>
#include <cstdlib>
#include <iostream>

int main(int argc, char** argv) {
    // Headless: text and pictures need a GUI application, never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    using namespace vavivor::cli;

    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    const ParseResult parsed = parseCommandLine(arguments);
    if (parsed.help) {
        std::cout << usageText();
        return kExitOk;
    }
    if (!parsed.options) {
        std::cerr << "vavivor-cli: " << parsed.error << "\n";
        return kExitUsage;
    }
    const Command* command = findCommand(parsed.options->command);
    return command->run(*parsed.options, std::cout, std::cerr);
}
