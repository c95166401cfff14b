#include "random_source.h"

#include <chrono>

namespace vavivor {

void TwisterRandom::reseed() {
    if (m_hasFixedSeed) {
        m_lastSeed = m_fixedSeed;
        m_hasFixedSeed = false;
    } else {
        const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
        std::seed_seq mix{static_cast<std::uint32_t>(ticks),
                          static_cast<std::uint32_t>(static_cast<std::uint64_t>(ticks) >> 32U)};
        std::uint32_t seed = 0;
        mix.generate(&seed, &seed + 1);
        m_lastSeed = seed;
    }
    m_engine.seed(m_lastSeed);
}

double TwisterRandom::next() {
    // 32 random bits over 2^32: exactly uniform on a grid in [0, 1), the same on every platform.
    return static_cast<double>(m_engine()) / 4294967296.0;
}

} // namespace vavivor
