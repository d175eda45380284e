#pragma once
// A throw-away home folder for the whole test process, so no test ever touches the real one.

#include <QString>

namespace TestHome {

// Creates the folder and points HOME, XDG_CONFIG_HOME, XDG_DOCUMENTS_DIR and
// XDG_RUNTIME_DIR into it. Call before the QApplication exists.
void Install();

// The folder Install() created.
QString Path();

} // namespace TestHome
