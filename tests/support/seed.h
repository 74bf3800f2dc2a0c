// The seed of a random test: MARBIX_SEED when it is set, to replay a failure,
// else a fresh one; printed either way, so that every failure can be replayed.
#pragma once

#include <cstdlib>
#include <iostream>
#include <random>

inline unsigned TestSeed() {
    const char* given = std::getenv("MARBIX_SEED");
    const unsigned seed =
        given && *given ? unsigned(std::strtoul(given, nullptr, 10)) : std::random_device{}();
    std::cout << "MARBIX_SEED=" << seed << std::endl;
    return seed;
}
