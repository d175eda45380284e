#pragma once
// The program's binding to the separate motif library libtsmotive.so, linked at load time.

#include <QImage>

// Number of motifs N (1..30), the same at every call.
extern "C" int tsMotiveCount();
// id k (1..N): motif k at full size; id 100 + k: its thumbnail, 100 pixels high.
extern "C" void LoadMotiv(QImage* picture, int id);
