// Renders the game start dialog once per mode, and with the pointer over a size button,
// into PNG files of a folder, to judge the artwork as a player sees it.
//   changemode_preview <output folder>

#include "dialogs/TFormChangeMode.h"
#include "storage/Settings.h"
#include "widgets/WDButton.h"

#include <QApplication>
#include <QEnterEvent>
#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: changemode_preview <folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    TFormChangeMode form;
    const char* const names[] = {"standard", "kaskade", "memory"};
    for (const std::uint8_t mode : {ModeStandard, ModeKaskade, ModeMemory}) {
        PlayMode = mode;
        form.show();
        form.grab().save(QStringLiteral("%1/changemode_%2.png").arg(folder, names[mode]));
        form.hide();
    }
    // The pointer resting on a size button shows its highlighted look.
    PlayMode = ModeStandard;
    form.show();
    QEnterEvent enter(QPointF(50, 40), QPointF(50, 40), QPointF(50, 40));
    QApplication::sendEvent(form.btnPuzzle[2], &enter);
    form.grab().save(folder + "/changemode_hover.png");
    return 0;
}
