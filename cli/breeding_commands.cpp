#include "breeding/draw_mutations.h"
#include "breeding/relatives.h"
#include "commands.h"
#include "screen_output.h"
#include "windowless_screen.h"

namespace vavivor::cli {

int runMutations(const CliOptions& options, std::ostream& out, std::ostream& err) {
    WindowlessScreen screen(options.layout);
    screen.setEditor(*options.genes);
    screen.useSeed(*options.seed);
    return writeScreen(screen.run(cmdZELMdraw_Click), options, out, err);
}

int runRelatives(const CliOptions& options, std::ostream& out, std::ostream& err) {
    WindowlessScreen screen(options.layout);
    screen.setEditor(*options.genes);
    return writeScreen(screen.run(cmdZELRdraw_Click), options, out, err);
}

} // namespace vavivor::cli
