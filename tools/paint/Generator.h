#pragma once
// The frame of a generator's main(): a GUI application without a screen (fonts and
// painting need one), the output folder from the single argument, and errors reported as
// a line on stderr and exit code 1.

#include <QString>
#include <functional>

namespace Paint {

// Runs `paint` with the output folder (created if missing) once for every scale (1, 2, 3;
// see Pixels.h), so each picture is written at all three; returns main()'s exit code:
// 0, 1 when `paint` threw, 2 with `usage` printed when the argument is missing.
int RunGenerator(int argc, char** argv, const char* usage,
                 const std::function<void(const QString& folder)>& paint);

} // namespace Paint
