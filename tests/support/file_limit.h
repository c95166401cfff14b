#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace vavivor {

// Runs `act` in a child process whose files may not grow beyond `limit` bytes, as on a full
// disk: a write past the limit fails with "File too large". Returns what `act` returned.
std::string underFileSizeLimit(std::uint64_t limit, const std::function<std::string()>& act);

} // namespace vavivor
