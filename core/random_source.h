#pragma once

#include <cstdint>
#include <random>

namespace vavivor {

// Uniform numbers in [0, 1) for the mutation generator.
class RandomSource {
public:
    virtual ~RandomSource() = default;

    // A new seed for the run that starts now.
    virtual void reseed() = 0;
    virtual double next() = 0;
};

// The program's generator: a Mersenne twister. reseed() takes a seed from the clock unless a
// seed was fixed for the next run with useSeed().
class TwisterRandom : public RandomSource {
public:
    void reseed() override;
    double next() override;

    // The next reseed() uses `seed` once instead of the clock.
    void useSeed(std::uint32_t seed) { m_fixedSeed = seed, m_hasFixedSeed = true; }
    [[nodiscard]] std::uint32_t lastSeed() const { return m_lastSeed; }

private:
    std::mt19937 m_engine;
    std::uint32_t m_lastSeed = 0;
    std::uint32_t m_fixedSeed = 0;
    bool m_hasFixedSeed = false;
};

} // namespace vavivor
