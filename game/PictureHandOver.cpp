#include "PictureHandOver.h"

#include "OpenWith.h"
#include "TFormPuzzle.h"
#include "VarUnit.h"

#include <QApplication>
#include <QDialog>

namespace {

// How often a waiting picture looks again whether the way is free.
constexpr int RetryInterval = 50;

} // namespace

PictureHandOver::PictureHandOver(TFormPuzzle& window) : window(&window) {
    retry.setSingleShot(true);
    connect(&retry, &QTimer::timeout, this, &PictureHandOver::TryOpen);
}

void PictureHandOver::Receive(const QString& file) {
    pending = file;
    RaiseWindow();
    retry.start(0);
}

// The player asked for the game by opening a picture with it, so it shows itself, with the
// dialog that is open in front of it.
void PictureHandOver::RaiseWindow() {
    if (!window)
        return;
    if (window->isMinimized())
        window->showNormal();
    window->raise();
    window->activateWindow();
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
}

// Runs from the event loop, not inside a dialog's own handlers: each dialog closed lets the
// code that opened it finish before the next look, and the picture opens only once no
// dialog is left and no opening is under way.
void PictureHandOver::TryOpen() {
    if (!window || pending.isEmpty())
        return;
    if (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
        retry.start(RetryInterval);
        return;
    }
    if (QWidget* modal = QApplication::activeModalWidget()) {
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        retry.start(RetryInterval);
        return;
    }
    if (DialogOpen) {
        retry.start(RetryInterval);
        return;
    }
    const QString file = pending;
    pending.clear();
    OpenWith::Open(*window, file);
}
