// Start-up: one copy per user, then the main window and the event loop.

#include "game/OpenWith.h"
#include "game/TFormPuzzle.h"
#include "platform/InstanceLock.h"
#include "platform/Startup.h"
#include "platform/TessalyApplication.h"
#include "sound/Bass_Dynamic.h"
#include "widgets/OnDemandWindows.h"
#include "widgets/WDMessageDialog.h"
#include "widgets/WDStyle.h"

#include <QScopeGuard>

int main(int argc, char** argv) {
    // The audio engine is bound before anything else and unbound after every window.
    BindBass();
    const auto unbind = qScopeGuard(UnbindBass);
    Startup::PrepareEnvironment();
    TessalyApplication app(argc, argv);
    Startup::PrepareApplication(app);
    TWDStyle::Install();

    InstanceLock instanceLock;
    if (!instanceLock.Acquired()) {
        WDMessage(QStringLiteral("Information"),
                  QStringLiteral("Das Programm wurde bereits gestartet!"));
        return 0;
    }

    // The main window is created first; each dialog is made when it is first needed and
    // lives until the end, so that what the player does not open costs nothing.
    TFormPuzzle formPuzzle;
    if (!formPuzzle.FormCreate())
        return 1;
    const OnDemandWindows dialogs;

    formPuzzle.show();
    OpenWith::OpenWhenRunning(formPuzzle, QApplication::arguments());
    return app.exec();
}
