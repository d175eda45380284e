// Start-up: one copy per user, then the main window and the event loop.

#include "dialogs/TFormChangeMode.h"
#include "dialogs/TFormGreat.h"
#include "dialogs/TInfoForm.h"
#include "game/TFormPuzzle.h"
#include "picturedialog/TOpenDialogForm.h"
#include "platform/InstanceLock.h"
#include "platform/Startup.h"
#include "platform/TessalyApplication.h"
#include "widgets/WDMessageDialog.h"

int main(int argc, char** argv) {
    Startup::PrepareEnvironment();
    TessalyApplication app(argc, argv);
    Startup::PrepareApplication(app);

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
    TFormGreat formGreat;
    FormGreat = &formGreat;
    TInfoForm infoForm;
    InfoForm = &infoForm;
    TFormChangeMode formChangeMode;
    FormChangeMode = &formChangeMode;
    TOpenDialogForm openDialogForm;
    OpenDialogForm = &openDialogForm;

    formPuzzle.show();
    return app.exec();
}
