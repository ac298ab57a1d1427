#pragma once

#include <cstdint>
#include <random>

// A uniform random number in [0, 1) that can be re-seeded. The game draws through
// this seam, so a test can fix the draw.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual void reseed(int seed) = 0;
    virtual double next() = 0; // uniform in [0, 1)
};

// The program's own source: a Mersenne twister. The same seed gives the same
// numbers, so two draws within the same second of the clock agree.
class TwisterSource : public RandomSource
{
public:
    void reseed(int seed) override { m_engine.seed(static_cast<std::mt19937::result_type>(seed)); }
    double next() override;

protected:
    std::mt19937 m_engine{0};
};

// A source that follows one fixed seed instead of the clock: the draws are the
// same on every machine and every start, one after the other. `stream` keeps two
// kinds of draw apart, so the one does not shift the other.
class FixedSeedSource : public TwisterSource
{
public:
    FixedSeedSource(std::uint32_t seed, std::uint32_t stream);
    void reseed(int) override {} // the clock's seconds are not used
};
