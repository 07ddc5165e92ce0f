#pragma once

#include "randomsource.h"

#include <cstdint>
#include <random>

// A 64-bit Mersenne Twister. The program seeds it once, from the clock and the
// system's entropy, so no two runs or games repeat a sequence; a fixed seed
// gives the same draws on every run.
class SystemRandomSource final : public RandomSource
{
public:
    SystemRandomSource();
    explicit SystemRandomSource(std::uint64_t seed) : m_engine(seed) {}

    double uniform() override;

private:
    std::mt19937_64 m_engine;
};
