#include "commands.h"
#include "core/random_source.h"
#include "core/screen.h"
#include "screen_output.h"

namespace vavivor::cli {

int runMutations(const CliOptions& options, std::ostream& out, std::ostream& err) {
    // The window's generator, started as a Shift+click on DRAW MUTATIONS starts it.
    TwisterRandom random;
    random.useSeed(*options.seed);
    random.reseed();
    return writeScreen(mutationScreen(*options.genes, random), options, out, err);
}

int runRelatives(const CliOptions& options, std::ostream& out, std::ostream& err) {
    return writeScreen(relativesScreen(*options.genes), options, out, err);
}

} // namespace vavivor::cli
