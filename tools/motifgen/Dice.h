#pragma once
// Random numbers for painting, drawn from the program's seedable generator so that every
// motif comes out the same on each run.

#include <QColor>

namespace Dice {

// Uniform in [low, high).
double Uniform(double low, double high);

// Uniform in low..high, both included.
int Between(int low, int high);

// True with the given probability.
bool Chance(double probability);

// A normally distributed value.
double Gauss(double mean, double deviation);

// The colour with hue, saturation and value each shifted by up to the given amounts.
QColor Vary(const QColor& colour, double hue, double saturation, double value);

} // namespace Dice
