#pragma once
// The podium picture of the statistics window: three carved steps with brass numerals
// under a spotlight, the winner's cup on the highest, medals on the other two.

#include <QImage>

namespace Podium {

// The 199 × 199 picture.
QImage Paint();

} // namespace Podium
