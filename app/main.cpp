// Start-up: one copy per user, then the main window and the event loop.

#include "dialogs/TFormChangeMode.h"
#include "dialogs/TFormConfig.h"
#include "dialogs/TFormGreat.h"
#include "dialogs/TFormStatist.h"
#include "dialogs/TFormStatistDelete.h"
#include "dialogs/TFormStatistPrintView.h"
#include "dialogs/TInfoForm.h"
#include "game/OpenWith.h"
#include "game/PictureHandOver.h"
#include "game/TFormPuzzle.h"
#include "picturedialog/TOpenDialogForm.h"
#include "platform/FileNames.h"
#include "platform/InstanceChannel.h"
#include "platform/InstanceLock.h"
#include "platform/Startup.h"
#include "platform/TessalyApplication.h"
#include "sound/Bass_Dynamic.h"
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

    // The windows are created once and live until the end, in this order.
    TFormPuzzle formPuzzle;
    if (!formPuzzle.FormCreate())
        return 1;
    TFormGreat formGreat;
    FormGreat = &formGreat;
    TInfoForm infoForm;
    InfoForm = &infoForm;
    TFormConfig formConfig;
    FormConfig = &formConfig;
    TFormStatist formStatist;
    FormStatist = &formStatist;
    TFormChangeMode formChangeMode;
    FormChangeMode = &formChangeMode;
    TFormStatistDelete formStatistDelete;
    FormStatistDelete = &formStatistDelete;
    TFormStatistPrintView formStatistPrintView;
    FormStatistPrintView = &formStatistPrintView;
    TOpenDialogForm openDialogForm;
    OpenDialogForm = &openDialogForm;

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
