#pragma once
// Settings of the process that make the program look the same on every screen:
// 96 dpi, no scaling, German texts and the two font families the windows ask for.

class QApplication;

namespace Startup {

// Before the QApplication exists: fixes dpi and scaling through the environment.
void PrepareEnvironment();

// After the QApplication exists: title, icon, font substitutes, Qt's German texts.
void PrepareApplication(QApplication& app);

} // namespace Startup
