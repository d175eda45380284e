#pragma once
// The main window as the program starts it, in a home folder without settings or best
// times, for tests that drive the statistics and settings windows through it.

#include "TestHome.h"
#include "game/TFormPuzzle.h"
#include "storage/Settings.h"
#include "storage/Statistics.h"

#include <QDir>
#include <memory>

inline std::unique_ptr<TFormPuzzle> FreshMainWindow() {
    ResetSettings();
    ResetStatistics();
    QDir(TestHome::Path() + "/.config").removeRecursively();
    QDir(TestHome::Path() + "/Documents").removeRecursively();
    auto window = std::make_unique<TFormPuzzle>();
    if (!window->FormCreate())
        return nullptr;
    window->show();
    return window;
}
