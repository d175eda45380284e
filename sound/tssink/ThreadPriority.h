#pragma once
// Asks for a higher scheduling priority for the calling thread, so that the mix is computed
// in time while other programs keep every core busy. Best effort: without permission the
// thread simply runs as before.

namespace ThreadPriority {

enum class Raised { No, Nice, RealTime };

// Tries, in this order: round-robin real-time scheduling where the process may use it
// (privileges or a real-time limit), the desktop's real-time kit over the system bus, and a
// lower nice value within the process's limit. Takes at most about a second.
Raised RaiseCurrentThread();

} // namespace ThreadPriority
