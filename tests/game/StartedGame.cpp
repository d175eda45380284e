#include "StartedGame.h"

#include "TestHome.h"
#include "game/VarUnit.h"
#include "platform/TessalyApplication.h"
#include "storage/Settings.h"
#include "storage/Statistics.h"

#include <QDir>

void StartedGame::SetUp() {
    ResetSettings();
    ResetStatistics();
    QDir(TestHome::Path() + "/.config").removeRecursively();
    QDir(TestHome::Path() + "/Documents").removeRecursively();
    folder = TestHome::Path() + '/' + pictures + '/';
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    form = std::make_unique<TFormPuzzle>();
    ASSERT_TRUE(form->FormCreate());
    form->show();
    changeMode = std::make_unique<TFormChangeMode>();
    FormChangeMode = changeMode.get();
    TessalyApplication::SetErrorSink([this](const QString& message) { errors << message; });
}

void StartedGame::TearDown() {
    TessalyApplication::SetErrorSink(nullptr);
    FormChangeMode = nullptr;
    changeMode.reset();
    form.reset();
}
