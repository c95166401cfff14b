#pragma once

#include "core/program_state.h"
#include "core/services.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace vavivor {

inline constexpr const char* kSeedTitle = "DRAW MUTATIONS";

// A seed as the user types it: a whole number 0..4294967295, blanks around it allowed.
std::optional<std::uint32_t> parseSeed(std::string_view text);

// Shift+click on DRAW MUTATIONS: asks for a seed and draws the chain that seed gives, exactly
// as a click would draw it. A bad number is refused with a message and asked for again;
// Cancel draws nothing.
void breedMutationsFromChosenSeed(ProgramState& state, Services& services);

} // namespace vavivor
