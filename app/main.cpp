// Start-up: one copy per user, then the main window and the event loop.

#include "dialogs/TFormChangeMode.h"
#include "dialogs/TFormConfig.h"
#include "dialogs/TFormGreat.h"
#include "dialogs/TFormStatist.h"
#include "dialogs/TFormStatistDelete.h"
#include "dialogs/TFormStatistPrintView.h"
#include "dialogs/TInfoForm.h"
#include "game/OpenWith.h"
#include "game/TFormPuzzle.h"
#include "picturedialog/TOpenDialogForm.h"
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
        WDMessage(QStringLiteral("Information"),
                  QStringLiteral("Das Programm wurde bereits gestartet!"));
        return 0;
    }

    // The windows are created once and live until the end, in this order.
    TFormPuzzle formPuzzle;
    if (!formPuzzle.FormCreate())
        return 1;
    // Runs after every dialog below is gone (the favorites are written) and before the main
    // window releases the sound output, which may wait for a server that does not answer.
    const auto unlock = qScopeGuard([&instanceLock] { instanceLock.Release(); });
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
    OpenWith::OpenWhenRunning(formPuzzle, QApplication::arguments());
    return app.exec();
}
