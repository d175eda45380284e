#pragma once
// The game clock on ClockHours, ClockMinutes and ClockSeconds: reset, one-second ticks and
// its "hh:nn:ss" text.

#include <QString>

namespace GameClock {

// The clock stands still at 99:59:59, the last time its 8-character text can hold.
inline constexpr int MaxHours = 99;

void Reset();
void Tick();
QString Text();

} // namespace GameClock
