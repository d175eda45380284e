#include "GameClock.h"

#include "VarUnit.h"

namespace GameClock {

void Reset() {
    ClockHours = 0;
    ClockMinutes = 0;
    ClockSeconds = 0;
}

void Tick() {
    if (ClockHours >= MaxHours && ClockMinutes >= 59 && ClockSeconds >= 59)
        return;
    if (ClockSeconds < 59) {
        ++ClockSeconds;
        return;
    }
    ClockSeconds = 0;
    if (ClockMinutes < 59) {
        ++ClockMinutes;
        return;
    }
    ClockMinutes = 0;
    ++ClockHours;
}

QString Text() {
    return QStringLiteral("%1:%2:%3")
        .arg(ClockHours, 2, 10, QLatin1Char('0'))
        .arg(ClockMinutes, 2, 10, QLatin1Char('0'))
        .arg(ClockSeconds, 2, 10, QLatin1Char('0'));
}

} // namespace GameClock
