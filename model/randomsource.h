#pragma once

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

private:
    std::mt19937 m_engine{0};
};
