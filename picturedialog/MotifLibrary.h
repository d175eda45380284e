#pragma once
// The program's binding to the separate motif library libtsmotive.so, linked at load time.

#include <QImage>

// Number of motifs N (1..30), the same at every call.
extern "C" int tsMotiveCount();
// id k (1..N): motif k at full size; id 100 + k: its thumbnail, 100 pixels high; id
// 200 + k and 300 + k: motif k painted for screens at 200 % and 300 % (twice and three
// times the pixels of its full size; the motif at full size where there is none).
extern "C" void LoadMotiv(QImage* picture, int id);

namespace MotifLibrary {

// The id of motif `number` in the set for a screen of `ratio` (the next larger set for a
// fractional ratio).
int IdAtScale(int number, qreal ratio);

// The thumbnail of motif `number` for the picture chooser's strip, 100 logical pixels high
// at the screen's ratio.
QImage Thumbnail(int number);

// The same for a screen of the given ratio; safe to call from any thread.
QImage Thumbnail(int number, qreal ratio);

} // namespace MotifLibrary
