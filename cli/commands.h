#pragma once

#include "cli_options.h"

#include <iosfwd>
#include <span>
#include <string>
#include <vector>

namespace vavivor::cli {

enum class Option { Genes, Layout, Format, Output, Seed, Size, All };

// Exit statuses of the command-line program.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1; // a file or record could not be read or written
inline constexpr int kExitUsage = 2;   // the command line was bad

struct Command {
    std::string name;
    std::string synopsis;             // for --help, after "vavivor-cli "
    std::string description;          // one line for --help
    std::vector<Option> options;      // the options it accepts
    std::vector<Option> required;     // the options it needs
    std::vector<std::string> formats; // allowed --format values, the first is the default
    int minArguments = 0;             // positional arguments after the command
    int maxArguments = 0;             // -1: any number
    int (*run)(const CliOptions& options, std::ostream& out, std::ostream& err) = nullptr;
};

std::span<const Command> commands();
const Command* findCommand(const std::string& name);

int runRender(const CliOptions& options, std::ostream& out, std::ostream& err);
int runPrintCatalogue(const CliOptions& options, std::ostream& out, std::ostream& err);
// The catalogue print of `files` as one document in the PDF file `pdf`. A file that cannot be
// read is one line on `err` and nothing is written. Returns an exit status.
int printCatalogueFiles(const std::vector<std::string>& files, const std::string& pdf,
                        std::ostream& err);
int runMutations(const CliOptions& options, std::ostream& out, std::ostream& err);
int runRelatives(const CliOptions& options, std::ostream& out, std::ostream& err);
int runCatalogue(const CliOptions& options, std::ostream& out, std::ostream& err);
int runExport(const CliOptions& options, std::ostream& out, std::ostream& err);
int runLineage(const CliOptions& options, std::ostream& out, std::ostream& err);
int runIcon(const CliOptions& options, std::ostream& out, std::ostream& err);

} // namespace vavivor::cli
