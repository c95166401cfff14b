#include "mutation_seed.h"

#include "core/dialogs.h"
#include "core/random_source.h"
#include "draw_mutations.h"

#include <charconv>

namespace vavivor {

std::optional<std::uint32_t> parseSeed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    std::uint32_t seed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return seed;
}

void breedMutationsFromChosenSeed(ProgramState& state, Services& services) {
    for (;;) {
        const auto typed = services.dialogs.askText(
            "Draw the chain of a seed. Type the seed, a whole number from 0 to 4294967295, as "
            "the status bar showed it after a run:",
            kSeedTitle);
        if (!typed) {
            return;
        }
        if (const auto seed = parseSeed(*typed)) {
            services.random.useSeed(*seed);
            breedMutations(state, services);
            return;
        }
        services.dialogs.message("\"" + *typed +
                                     "\" is not a seed. A seed is a whole number from 0 to "
                                     "4294967295, such as 1234567.",
                                 kSeedTitle);
    }
}

} // namespace vavivor
