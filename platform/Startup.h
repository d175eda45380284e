#pragma once
// Settings of the process that make the program look the same on every screen: sizes in
// pixels of a 100 % screen, scaled by the desktop's own scale factor, points at 96 dpi of
// those pixels, German texts and the two font families the windows ask for.

class QApplication;

namespace Startup {

// Before the QApplication exists: the desktop's scale (QT_SCALE_FACTOR,
// QT_SCREEN_SCALE_FACTORS, Xft.dpi, the compositor's scale) is taken as it is, fractional
// factors included.
void PrepareEnvironment();

// After the QApplication exists: title, icon, font substitutes, Qt's German texts.
void PrepareApplication(QApplication& app);

} // namespace Startup
