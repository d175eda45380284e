#include "Random.h"

#include <chrono>

namespace {
std::mt19937 engine{5489u};
bool seedFixed = false;
} // namespace

namespace Random {

void Randomize() {
    if (seedFixed)
        return;
    engine.seed(
        static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
}

void FixSeed(std::uint32_t seed) {
    engine.seed(seed);
    seedFixed = true;
}

int Next(int range) {
    if (range <= 0)
        return 0;
    return std::uniform_int_distribution<int>(0, range - 1)(engine);
}

std::mt19937& Engine() {
    return engine;
}

} // namespace Random
