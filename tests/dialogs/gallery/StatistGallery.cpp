// Developer gallery: renders the settings dialog, the statistics window (with a fresh
// result marked), its deletion dialog and its print preview, as a player sees them, into
// PNG files.
//   statist_gallery <output folder>

#include "GalleryShot.h"
#include "dialogs/TFormConfig.h"
#include "dialogs/TFormStatist.h"
#include "dialogs/TFormStatistDelete.h"
#include "dialogs/TFormStatistPrintView.h"
#include "game/VarUnit.h"
#include "storage/Settings.h"
#include "storage/Statistics.h"
#include "widgets/WDCheckBox.h"

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <cstdio>

namespace {

QString folder;
bool ok = true;

void Save(QWidget* window, const QString& name) {
    ok = GalleryShot::Save(window, folder, name) && ok;
}

void FillLists() {
    const char* names[] = {"Marlene", "Jonas", "Ida",        "Friedrich", "Lotte",
                           "Anton",   "Greta", "Konstantin", "Mia",       "Paul"};
    for (int size = 1; size <= 6; ++size) {
        const int entries = size == 6 ? 3 : 10 - size;
        for (int k = 0; k < entries; ++k) {
            const int seconds = 20 + size * 45 + k * 17 + (k * k * 7) % 13;
            AddResult(size, QString::fromUtf8(names[(k + size) % 10]),
                      QStringLiteral("%1:%2:%3")
                          .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
                          .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
                          .arg(seconds % 60, 2, 10, QLatin1Char('0')));
        }
    }
    PuzzleSolved = {0, 12, 9, 14, 5, 2, 1};
    PuzzleSolvedTotal = 43;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: statist_gallery <output folder>\n");
        return 2;
    }
    folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    // The preview shows its standard sheet, whatever printers the machine has.
    qputenv("CUPS_SERVER", (folder + "/no-print-server").toLocal8Bit());

    Volume = 65;
    Music = false;
    TFormConfig config;
    config.show();
    app.processEvents();
    Save(&config, QStringLiteral("config"));
    config.hide();

    FillLists();
    PlayerName = QStringLiteral("Lotte");
    GameSize = 3;
    LastResultTime = Result(3, 2).Time();
    PlayerName = Result(3, 2).Name();
    ResultJustAdded = true;
    TFormStatist statist;
    statist.show();
    app.processEvents();
    Save(&statist, QStringLiteral("statist"));
    statist.hide();
    ResultJustAdded = false;

    PlayMode = ModeMemory;
    StatisticsFileName = StatisticsFileNameFor(folder + "/", ModeMemory);
    ResetStatistics();
    statist.show();
    app.processEvents();
    Save(&statist, QStringLiteral("statist_memory_empty"));
    statist.hide();
    PlayMode = ModeStandard;
    StatisticsFileName = StatisticsFileNameFor(folder + "/", ModeStandard);
    FillLists();

    TFormStatistDelete erase;
    erase.show();
    erase.btnCheckAllClick();
    erase.CheckBox[4]->SetChecked(false);
    erase.Timer1Timer();
    app.processEvents();
    Save(&erase, QStringLiteral("statist_delete"));
    erase.hide();

    TFormStatistPrintView preview;
    FormStatistPrintView = &preview;
    QTimer::singleShot(0, [&preview] {
        Save(&preview, QStringLiteral("statist_preview"));
        preview.reject();
    });
    statist.show();
    statist.ShowPrintPreview();
    return ok ? 0 : 1;
}
