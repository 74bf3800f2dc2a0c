// The seed of a random test: MARBIX_SEED from the environment when given,
// else the test's own fixed one (1 unless it names another), so that every
// run is the same. Printed, so that a failure can be replayed with MARBIX_SEED=<seed>.
#pragma once

#include <cstdlib>
#include <iostream>
#include <string>

#include <gtest/gtest.h>

inline unsigned TestSeed(unsigned fixed = 1) {
    unsigned seed = fixed;
    if (const char* given = std::getenv("MARBIX_SEED"); given && *given) {
        char* end = nullptr;
        const unsigned long value = std::strtoul(given, &end, 10);
        if (*end != '\0') ADD_FAILURE() << "MARBIX_SEED is not a number: " << given;
        seed = static_cast<unsigned>(value);
    }
    std::cout << "seed " << seed << " (replay with MARBIX_SEED=" << seed << ")\n";
    ::testing::Test::RecordProperty("seed", std::to_string(seed));
    return seed;
}
