#include "commands.h"

#include <algorithm>

namespace vavivor::cli {

std::span<const Command> commands() {
    static const std::vector<Command> table{
        {"render",
         "render --genes P1,...,P8 [--layout cell|full] [--format segments|svg|png] [--size N] "
         "[-o FILE]",
         "draws one figure as a grid cell or the full screen draws it",
         {Option::Genes, Option::Layout, Option::Format, Option::Output, Option::Size},
         {Option::Genes},
         {"segments", "svg", "png"},
         0,
         0,
         runRender},
        {"print-catalogue",
         "print-catalogue (--all | FILE...) -o OUT.pdf",
         "the catalogue print of storage files, or of every file of the storage list, as PDF",
         {Option::All, Option::Output},
         {Option::Output},
         {},
         0,
         -1,
         runPrintCatalogue},
        {"mutations",
         "mutations --genes P1,...,P8 --seed N [--layout cell|full] "
         "[--format genes|segments|svg|png] [--size N] [-o FILE]",
         "the Draw Mutations screen: the central figure and a chain of 24 mutants from seed N",
         {Option::Genes, Option::Seed, Option::Layout, Option::Format, Option::Output,
          Option::Size},
         {Option::Genes, Option::Seed},
         {"genes", "segments", "svg", "png"},
         0,
         0,
         runMutations},
        {"relatives",
         "relatives --genes P1,...,P8 [--layout cell|full] [--format genes|segments|svg|png] "
         "[--size N] [-o FILE]",
         "the Draw Relatives screen: the central figure and its 16 single-gene relatives",
         {Option::Genes, Option::Layout, Option::Format, Option::Output, Option::Size},
         {Option::Genes},
         {"genes", "segments", "svg", "png"},
         0,
         0,
         runRelatives},
        {"catalogue",
         "catalogue FILE",
         "the catalogue lines of a storage file, one per live record, as the catalogue lists them",
         {},
         {},
         {},
         1,
         1,
         runCatalogue},
        {"export",
         "export FILE RECORD [--layout cell|full] [--format genes|svg|png] [--size N] [-o OUT]",
         "the screen that loading record RECORD of storage file FILE draws",
         {Option::Layout, Option::Format, Option::Output, Option::Size},
         {},
         {"genes", "svg", "png"},
         2,
         2,
         runExport},
        {"lineage",
         "lineage RUNFILE [--format genes|gif|pdf] [-o OUT]",
         "the lineage of a kept run's current screen: its steps from the first screen, as lines, "
         "an animated GIF or a PDF sheet",
         {Option::Format, Option::Output},
         {},
         {"genes", "gif", "pdf"},
         1,
         1,
         runLineage},
        {"icon",
         "icon [--genes P1,...,P8] [--format svg|png] [--size N] -o FILE",
         "a figure (the program's icon without --genes) alone on a white card, as an icon",
         {Option::Genes, Option::Format, Option::Output, Option::Size},
         {Option::Output},
         {"svg", "png"},
         0,
         0,
         runIcon},
    };
    return table;
}

const Command* findCommand(const std::string& name) {
    const auto all = commands();
    const auto found =
        std::find_if(all.begin(), all.end(), [&](const Command& c) { return c.name == name; });
    return found == all.end() ? nullptr : &*found;
}

} // namespace vavivor::cli
