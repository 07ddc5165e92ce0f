#pragma once

#include "randomsource.h"

#include <random>

// A 64-bit Mersenne Twister seeded once from the clock and the system's
// entropy, so draws within one game never repeat a sequence.
class SystemRandomSource final : public RandomSource
{
public:
    SystemRandomSource();

    double uniform() override;

private:
    std::mt19937_64 m_engine;
};
