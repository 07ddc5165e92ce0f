#include "systemrandomsource.h"

#include <chrono>

SystemRandomSource::SystemRandomSource()
{
    std::random_device entropy;
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seed{std::uint64_t(ticks), std::uint64_t(ticks) >> 32,
                       std::uint64_t(entropy()), std::uint64_t(entropy()),
                       std::uint64_t(entropy()), std::uint64_t(entropy())};
    m_engine.seed(seed);
}

double SystemRandomSource::uniform()
{
    // The top 53 bits give every double in [0, 1) on a grid of 2^-53.
    return double(m_engine() >> 11) * 0x1.0p-53;
}
