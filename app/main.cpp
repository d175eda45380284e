// Start-up: one copy per user, then the main window and the event loop.

#include "game/OpenWith.h"
#include "game/PictureHandOver.h"
#include "game/TFormPuzzle.h"
#include "platform/FileNames.h"
#include "platform/InstanceChannel.h"
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
        // A picture given to a second start goes to the game that runs; without one, or when
        // that game does not answer, the player is told that it runs already.
        const QString picture =
            OpenWith::PictureArgument(FileNames::FromNativeArguments(argc, argv));
        if (!picture.isEmpty() && InstanceChannel::Send(picture))
            return 0;
        WDMessage(QStringLiteral("Information"),
                  QStringLiteral("Das Programm wurde bereits gestartet!"));
        return 0;
    }

    // The main window is created first; each dialog is made when it is first needed and
    // lives until the end, so that what the player does not open costs nothing.
    TFormPuzzle formPuzzle;
    if (!formPuzzle.FormCreate())
        return 1;
    // Runs after every dialog below is gone (the favorites are written) and before the main
    // window releases the sound output, which may wait for a server that does not answer.
    const auto unlock = qScopeGuard([&instanceLock] { instanceLock.Release(); });
    const OnDemandWindows dialogs;

    formPuzzle.show();
    PictureHandOver handOver(formPuzzle);
    InstanceChannel channel;
    QObject::connect(&channel, &InstanceChannel::PictureReceived, &handOver,
                     &PictureHandOver::Receive);
    channel.Listen();
    // The application has taken its own options out of argv by now.
    OpenWith::OpenWhenRunning(formPuzzle, FileNames::FromNativeArguments(argc, argv));
    return app.exec();
}
