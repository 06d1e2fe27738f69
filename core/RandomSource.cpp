// The program's random source: seeded from the system, stirred by the clock.
#include "core/RandomSource.h"

#include <chrono>

SystemRandom::SystemRandom() {
    std::random_device device;
    std::seed_seq seq{device(), device(), device(), device()};
    engine_.seed(seq);
}

void SystemRandom::reseed() {
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    const auto mixed = engine_() ^ static_cast<std::uint64_t>(now);
    std::seed_seq seq{static_cast<std::uint32_t>(mixed), static_cast<std::uint32_t>(mixed >> 32),
                      static_cast<std::uint32_t>(engine_())};
    engine_.seed(seq);
}

int SystemRandom::below(int n) {
    if (n <= 1)
        return 0;
    std::uniform_int_distribution<int> dist(0, n - 1);
    return dist(engine_);
}
