// The seed of a random test: MARBIX_SEED when set, so that a failure can be
// replayed, else a fresh one; printed either way.
#pragma once

#include <cstdlib>
#include <iostream>
#include <random>
#include <string>

inline unsigned TestSeed() {
    const char* given = std::getenv("MARBIX_SEED");
    const unsigned seed =
        given && *given ? static_cast<unsigned>(std::stoul(given)) : std::random_device()();
    std::cout << "random seed " << seed << " (replay with MARBIX_SEED=" << seed << ")\n";
    return seed;
}
