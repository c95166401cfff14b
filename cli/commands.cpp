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
