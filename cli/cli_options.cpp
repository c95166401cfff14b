#include "cli_options.h"

#include "commands.h"
#include "platform/picture_export.h"

#include <QCommandLineParser>
#include <algorithm>
#include <map>
#include <sstream>

namespace vavivor::cli {

namespace {

struct OptionSpec {
    Option id;
    QStringList names;
    QString valueName; // empty for a flag
};

const std::vector<OptionSpec>& optionSpecs() {
    static const std::vector<OptionSpec> specs{
        {Option::Genes, {"genes"}, "P1,...,P8"},
        {Option::Layout, {"layout"}, "cell|full"},
        {Option::Format, {"format"}, "FORMAT"},
        {Option::Output, {"o", "output"}, "FILE"},
        {Option::Seed, {"seed"}, "N"},
        {Option::Size, {"size"}, "N"},
        {Option::All, {"all"}, {}},
    };
    return specs;
}

QString displayName(const OptionSpec& spec) {
    return (spec.names.first().size() == 1 ? "-" : "--") + spec.names.first();
}

bool accepts(const Command& command, Option id) {
    return std::find(command.options.begin(), command.options.end(), id) != command.options.end();
}

std::optional<long long> wholeNumber(const QString& text, long long low, long long high) {
    bool ok = false;
    const long long value = text.toLongLong(&ok);
    if (!ok || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

// Fills one option's value into `options`; returns an error line or nothing.
std::string takeValue(Option id, const QString& value, const Command& command,
                      CliOptions& options) {
    switch (id) {
    case Option::Genes: {
        options.genes = parseGeneList(value.toStdString());
        if (!options.genes) {
            return "--genes needs eight positions 1..9 separated by commas, not '" +
                   value.toStdString() + "'";
        }
        return {};
    }
    case Option::Layout:
        if (value == "cell") {
            options.layout = Layout::Cell;
        } else if (value == "full") {
            options.layout = Layout::Full;
        } else {
            return "--layout is cell or full, not '" + value.toStdString() + "'";
        }
        return {};
    case Option::Format:
        options.format = value.toStdString();
        if (std::find(command.formats.begin(), command.formats.end(), options.format) ==
            command.formats.end()) {
            std::string allowed;
            for (const auto& f : command.formats) {
                allowed += (allowed.empty() ? "" : ", ") + f;
            }
            return command.name + " knows the formats " + allowed + ", not '" + options.format +
                   "'";
        }
        return {};
    case Option::Output:
        if (value.isEmpty()) {
            return "-o needs a file name";
        }
        options.output = value.toStdString();
        return {};
    case Option::Seed: {
        const auto seed = wholeNumber(value, 0, 4294967295LL);
        if (!seed) {
            return "--seed needs a whole number 0..4294967295, not '" + value.toStdString() + "'";
        }
        options.seed = static_cast<std::uint32_t>(*seed);
        return {};
    }
    case Option::Size: {
        const auto size = wholeNumber(value, kMinPicturePixels, kMaxPicturePixels);
        if (!size) {
            return "--size needs a whole number of pixels " + std::to_string(kMinPicturePixels) +
                   ".." + std::to_string(kMaxPicturePixels) + ", not '" + value.toStdString() + "'";
        }
        options.size = static_cast<int>(*size);
        return {};
    }
    case Option::All:
        options.all = true;
        return {};
    }
    return {};
}

} // namespace

ParseResult parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    std::map<Option, QCommandLineOption> parserOptions;
    for (const auto& spec : optionSpecs()) {
        const QCommandLineOption option = spec.valueName.isEmpty()
                                              ? QCommandLineOption(spec.names)
                                              : QCommandLineOption(spec.names, {}, spec.valueName);
        parser.addOption(option);
        parserOptions.emplace(spec.id, option);
    }
    const QCommandLineOption helpOption(QStringList{"h", "help"});
    parser.addOption(helpOption);
    const QCommandLineOption versionOption(QStringList{"version"});
    parser.addOption(versionOption);

    ParseResult result;
    if (!parser.parse(QStringList{"vavivor-cli"} + arguments)) {
        result.error = parser.errorText().toStdString();
        return result;
    }
    if (parser.isSet(helpOption)) {
        result.help = true;
        return result;
    }
    if (parser.isSet(versionOption)) {
        result.version = true;
        return result;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty()) {
        result.error = "no command given (try --help)";
        return result;
    }
    const Command* command = findCommand(positional.first().toStdString());
    if (command == nullptr) {
        result.error = "unknown command '" + positional.first().toStdString() + "' (try --help)";
        return result;
    }

    CliOptions options;
    options.command = command->name;
    options.format = command->formats.empty() ? std::string() : command->formats.front();
    for (const auto& spec : optionSpecs()) {
        const QCommandLineOption& option = parserOptions.at(spec.id);
        if (!parser.isSet(option)) {
            if (std::find(command->required.begin(), command->required.end(), spec.id) !=
                command->required.end()) {
                result.error = command->name + " needs " + displayName(spec).toStdString();
                return result;
            }
            continue;
        }
        if (!accepts(*command, spec.id)) {
            result.error = command->name + " does not take " + displayName(spec).toStdString();
            return result;
        }
        const QStringList values = parser.values(option);
        if (values.size() > 1) {
            result.error = displayName(spec).toStdString() + " is given more than once";
            return result;
        }
        const std::string error =
            takeValue(spec.id, values.isEmpty() ? QString() : values.first(), *command, options);
        if (!error.empty()) {
            result.error = error;
            return result;
        }
    }
    for (qsizetype i = 1; i < positional.size(); ++i) {
        options.arguments.push_back(positional[i].toStdString());
    }
    const auto count = static_cast<int>(options.arguments.size());
    if (count < command->minArguments ||
        (command->maxArguments >= 0 && count > command->maxArguments)) {
        result.error = "usage: vavivor-cli " + command->synopsis;
        return result;
    }
    if (options.output.empty() && (options.format == "png" || options.format == "svg" ||
                                   options.format == "gif" || options.format == "pdf")) {
        result.error = "--format " + options.format + " needs -o FILE";
        return result;
    }
    if (options.size != 0 && options.format != "png") {
        result.error = "--size goes with --format png";
        return result;
    }
    result.options = std::move(options);
    return result;
}

std::string usageText() {
    std::ostringstream text;
    text << "Usage: vavivor-cli COMMAND [OPTIONS]\n\n"
            "Draws Vavivor figures and reads storage files without a window.\n"
            "Gene positions are whole numbers 1..9 in gene order.\n\nCommands:\n";
    for (const Command& command : commands()) {
        text << "  vavivor-cli " << command.synopsis << "\n      " << command.description << "\n";
    }
    text << "\nOptions:\n"
            "  --genes P1,...,P8   the eight gene positions of the central figure\n"
            "  --layout cell|full  draw as a grid cell (default) or as the full screen\n"
            "  --format FORMAT     what to write (each command lists its formats; the first is\n"
            "                      the default)\n"
            "  -o FILE             write to FILE instead of standard output (needed for svg and\n"
            "                      png); a screen in the full layout writes one picture per\n"
            "                      figure in drawing order, numbered before the extension:\n"
            "                      -o fig.png writes fig-01.png, fig-02.png, ...\n"
            "  --seed N            the seed of the random chain, 0..4294967295; the window's\n"
            "                      status bar shows the seed of each DRAW MUTATIONS run\n"
            "  --size N            width and height of png output in pixels, 16..8192\n"
            "                      (default 1000); render, mutations, relatives and export\n"
            "  --all               every storage file of the storage list\n"
            "  -h, --help          this text\n"
            "  --version           the program's name and version\n\n"
            "lineage reads a run file, which the window keeps for every run in runs/ under\n"
            "its data folder (~/.local/share/Vavivor), and follows the run's current screen\n"
            "back to the first one. --format genes writes a line per step, first step first:\n"
            "STEP<TAB>HOW<TAB>P1 ... P8, where HOW says how the step's central figure was\n"
            "reached (start, the mutant's label such as G3 -1, picked from relatives, same\n"
            "central figure, record 7 of figures.zlr, set in the gene editor). gif is an\n"
            "animated GIF, 656 pixels square, a frame per step for 0.5 s, the last for 3 s,\n"
            "looping; pdf a sheet of twenty figures a page with their steps and genes (gif\n"
            "and pdf need -o OUT).\n\n"
            "No command writes over a file it reads. Exit status: 0 done, 1 a file, record\n"
            "or standard output could not be read or written, 2 a bad command line (also an\n"
            "output that is an input).\n";
    return text.str();
}

std::string bashCompletionScript() {
    std::ostringstream script;
    std::string names;
    for (const Command& command : commands()) {
        names += command.name + " ";
    }
    script << "# bash completion for vavivor-cli, written by the build from its option table\n"
              "_vavivor_cli() {\n"
              "    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}\n"
              "    local command='' word\n"
              "    for word in \"${COMP_WORDS[@]:1:COMP_CWORD-1}\"; do\n"
              "        case $word in -*) ;; *) command=$word; break ;; esac\n"
              "    done\n"
              "    COMPREPLY=()\n"
              "    if [[ -z $command ]]; then\n"
              "        COMPREPLY=($(compgen -W '"
           << names
           << "--help --version' -- \"$cur\"))\n"
              "        return\n"
              "    fi\n"
              "    local options='' formats='' files=0\n"
              "    case $command in\n";
    for (const Command& command : commands()) {
        std::string options;
        for (const OptionSpec& spec : optionSpecs()) {
            if (accepts(command, spec.id)) {
                options += displayName(spec).toStdString() + " ";
            }
        }
        std::string formats;
        for (const std::string& format : command.formats) {
            formats += (formats.empty() ? "" : " ") + format;
        }
        script << "    " << command.name << ") options='" << options << "--help' formats='"
               << formats << "' files=" << (command.maxArguments != 0 ? 1 : 0) << " ;;\n";
    }
    script << "    esac\n"
              "    case $prev in\n"
              "    -o | --output) compopt -o filenames; COMPREPLY=($(compgen -f -- \"$cur\")); "
              "return ;;\n"
              "    --format) COMPREPLY=($(compgen -W \"$formats\" -- \"$cur\")); return ;;\n"
              "    --layout) COMPREPLY=($(compgen -W 'cell full' -- \"$cur\")); return ;;\n"
              "    --genes | --seed | --size) return ;;\n"
              "    esac\n"
              "    if [[ $cur == -* || $files == 0 ]]; then\n"
              "        COMPREPLY=($(compgen -W \"$options\" -- \"$cur\"))\n"
              "    else\n"
              "        compopt -o filenames\n"
              "        COMPREPLY=($(compgen -f -- \"$cur\"))\n"
              "    fi\n"
              "}\n"
              "complete -F _vavivor_cli vavivor-cli\n";
    return script.str();
}

} // namespace vavivor::cli
