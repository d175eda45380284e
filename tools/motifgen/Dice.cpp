#include "Dice.h"

#include "platform/Random.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace Dice {

double Uniform(double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(Random::Engine());
}

int Between(int low, int high) {
    return low + Random::Next(high - low + 1);
}

bool Chance(double probability) {
    return Uniform(0.0, 1.0) < probability;
}

double Gauss(double mean, double deviation) {
    return std::normal_distribution<double>(mean, deviation)(Random::Engine());
}

QColor Vary(const QColor& colour, double hue, double saturation, double value) {
    float h = 0, s = 0, v = 0;
    colour.getHsvF(&h, &s, &v);
    double newHue = (h < 0 ? 0.0 : h) + Uniform(-hue, hue);
    newHue -= std::floor(newHue);
    const double newSaturation = std::clamp(s + Uniform(-saturation, saturation), 0.0, 1.0);
    const double newValue = std::clamp(v + Uniform(-value, value), 0.0, 1.0);
    return QColor::fromHsvF(static_cast<float>(newHue), static_cast<float>(newSaturation),
                            static_cast<float>(newValue));
}

} // namespace Dice
