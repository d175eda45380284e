#include "TestHome.h"

#include <QDir>
#include <cstdlib>
#include <string>

namespace {
QString homePath;
}

namespace TestHome {

void Install() {
    char pattern[] = "/tmp/tessaly-test-XXXXXX";
    const char* dir = mkdtemp(pattern);
    if (!dir)
        std::abort();
    homePath = QString::fromLocal8Bit(dir);
    const std::string home = dir;
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home + "/.config").c_str(), 1);
    setenv("XDG_DOCUMENTS_DIR", (home + "/Documents").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (home + "/runtime").c_str(), 1);
    // No test reaches the machine's print system: one without a print server of its own
    // finds none, as on a machine without printing.
    setenv("CUPS_SERVER", (home + "/runtime/no-print-server").c_str(), 1);
    unsetenv("PRINTER");
    unsetenv("LPDEST");
    QDir().mkpath(homePath + "/runtime");
    QFile::setPermissions(homePath + "/runtime",
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

QString Path() {
    return homePath;
}

} // namespace TestHome
