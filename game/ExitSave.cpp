#include "ExitSave.h"

#include "platform/AppError.h"
#include "platform/TessalyApplication.h"
#include "storage/Settings.h"
#include "storage/Statistics.h"
#include "widgets/WDConfirmDialog.h"

#include <functional>

namespace ExitSave {

namespace {

// Runs the save and shows its error; true when it went through.
bool Saved(const std::function<void()>& save) {
    try {
        save();
        return true;
    } catch (const AppError& error) {
        TessalyApplication::ShowError(error.Message());
        return false;
    }
}

} // namespace

bool SaveForQuit(const QString& iniFileName, const QString& statisticsFileName) {
    const bool settingsSaved = Saved([&] { SaveSettings(iniFileName); });
    const bool statisticsSaved = Saved([&] { SaveStatistics(statisticsFileName); });
    if (settingsSaved && statisticsSaved)
        return true;
    return WDConfirm(
        QStringLiteral("Beenden"),
        QStringLiteral("Die Daten konnten nicht gespeichert werden. Trotzdem beenden?"),
        QStringLiteral("Ja"), QStringLiteral("Nein"));
}

} // namespace ExitSave
