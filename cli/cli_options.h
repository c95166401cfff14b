#pragma once

#include "core/genome.h"

#include <QStringList>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vavivor::cli {

enum class Layout { Cell, Full };

// A command line, parsed and checked against what its command accepts.
struct CliOptions {
    std::string command;
    std::optional<GeneSet> genes;
    Layout layout = Layout::Cell;
    std::string format;
    std::string output; // empty: standard output
    std::optional<std::uint32_t> seed;
    int size = 0; // PNG size in pixels; 0: the command's default
    bool all = false;
    std::vector<std::string> arguments; // positional arguments after the command
};

struct ParseResult {
    std::optional<CliOptions> options; // set when the command line is good
    bool help = false;                 // --help was asked for
    bool version = false;              // --version was asked for
    std::string error;                 // one line, when the command line is bad
};

// Parses the arguments after the program name.
ParseResult parseCommandLine(const QStringList& arguments);

// The text of --help.
std::string usageText();

// A bash completion script for vavivor-cli, written from the same tables that parse the
// command line: the commands, each command's options and formats, and files where a command
// takes them. The build installs it.
std::string bashCompletionScript();

} // namespace vavivor::cli
