#pragma once
// The sound-server output lives in a module of its own, libtssink.so, beside the engine's
// library: Qt's audio sink and the libraries it brings (the multimedia and bus modules, the
// sound server's client) are mapped only when the game first makes a sound. The module
// exports one function, which makes a new output for the engine.

class AudioOutput;

// The exported function's name.
#define TSSINK_CREATE_OUTPUT "TsSinkCreateOutput"

// Returns a new output that the caller owns; it reaches the engine only through the
// MixSource given to its Start.
using TsSinkCreateOutputFunction = AudioOutput* (*)();
