#pragma once
// A picture handed to the running game from outside (a second start of the program): the
// window comes to the front, whatever dialog is open closes as if cancelled (or, where it
// cannot be closed so, the picture waits until it is closed), and the picture then opens
// as a choice in the picture chooser would.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

class TFormPuzzle;

class PictureHandOver : public QObject {
    Q_OBJECT

public:
    explicit PictureHandOver(TFormPuzzle& window);

    // Takes over `file`; a picture still waiting is replaced by the newer one.
    void Receive(const QString& file);

    // The picture still waiting to be opened, or an empty string.
    QString Pending() const { return pending; }

private:
    void RaiseWindow();
    void TryOpen();

    QPointer<TFormPuzzle> window;
    QString pending;
    QTimer retry;
};
