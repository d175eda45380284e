#include "ExitSave.h"

#include "platform/AppError.h"
#include "platform/TessalyApplication.h"
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

bool SaveForQuit(std::initializer_list<std::function<void()>> saves) {
    bool allSaved = true;
    for (const auto& save : saves)
        allSaved = Saved(save) && allSaved;
    if (allSaved)
        return true;
    return WDConfirm(
        QStringLiteral("Beenden"),
        QStringLiteral("Die Daten konnten nicht gespeichert werden. Trotzdem beenden?"),
        QStringLiteral("Ja"), QStringLiteral("Nein"));
}

} // namespace ExitSave
