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
    // The next reseed() uses `seed` once instead of a new one, so that a chain can be drawn
    // again from its seed.
    virtual void useSeed(std::uint32_t seed) = 0;
    // The seed of the last reseed(), for the user to note.
    [[nodiscard]] virtual std::uint32_t lastSeed() const = 0;
};

// The program's generator: a Mersenne twister. reseed() takes a seed from the clock unless a
// seed was fixed for the next run with useSeed().
class TwisterRandom : public RandomSource {
public:
    void reseed() override;
    double next() override;

    void useSeed(std::uint32_t seed) override { m_fixedSeed = seed, m_hasFixedSeed = true; }
    [[nodiscard]] std::uint32_t lastSeed() const override { return m_lastSeed; }

private:
    std::mt19937 m_engine;
    std::uint32_t m_lastSeed = 0;
    std::uint32_t m_fixedSeed = 0;
    bool m_hasFixedSeed = false;
};

} // namespace vavivor
