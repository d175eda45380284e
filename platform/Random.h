#pragma once
// The program's single source of randomness; tests fix its seed.

#include <cstdint>
#include <random>

namespace Random {

// Seeds the generator from the clock (what a game start does).
void Randomize();

// Seeds the generator with a fixed value; later Randomize() calls are ignored so that a
// test's seed survives the game's own reseeding.
void FixSeed(std::uint32_t seed);

// Uniform in 0 .. range-1; 0 when range <= 0.
int Next(int range);

std::mt19937& Engine();

} // namespace Random
