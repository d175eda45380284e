#pragma once
// Whether the desktop's sound server answers, asked before Qt is first asked to connect.
// Qt keeps one connection to the server for the whole process: when no server was there at
// its first try it never tries again, and while a server that accepts but never answers
// holds up its first try (about half a minute), the program cannot even end. So Qt is only
// let try once a server has answered here, within a short time.

#include <chrono>

namespace ServerProbe {

// Connects to the server as Qt will (the same address, found the same way) and lets go at
// once; true when it answered within `limit`.
bool Answers(std::chrono::milliseconds limit);

} // namespace ServerProbe
