// The command line of vavivor-cli: the input split at NUL bytes into arguments.
#include "cli/cli_options.h"
#include "cli/commands.h"

#include <QString>
#include <cstdlib>
#include <string_view>

using namespace vavivor;

namespace {

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

QStringList arguments(std::string_view text) {
    QStringList list;
    while (true) {
        const auto end = text.find('\0');
        const std::string_view argument = text.substr(0, end);
        list.append(QString::fromUtf8(argument.data(), static_cast<qsizetype>(argument.size())));
        if (end == std::string_view::npos) {
            return list;
        }
        text.remove_prefix(end + 1);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const cli::ParseResult result =
        cli::parseCommandLine(size == 0 ? QStringList{} : arguments(text));
    // Exactly one outcome: options, help, or a one-line reason.
    check(int{result.options.has_value()} + int{result.help} + int{!result.error.empty()} == 1);
    // The reason quotes what was typed, so it holds a line break only when an argument did.
    check(text.find('\n') != std::string_view::npos ||
          result.error.find('\n') == std::string::npos);
    if (const auto& options = result.options) {
        const cli::Command* command = cli::findCommand(options->command);
        check(command != nullptr);
        const auto count = static_cast<int>(options->arguments.size());
        check(count >= command->minArguments &&
              (command->maxArguments < 0 || count <= command->maxArguments));
        if (options->genes) {
            for (const std::int16_t position : *options->genes) {
                check(position >= kGenePosMin && position <= kGenePosMax);
            }
        }
        check(options->size == 0 || (options->size >= 16 && options->size <= 8192));
    }
    return 0;
}
