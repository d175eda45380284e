#pragma once
// The running program's door for a second start: a local socket in the user's runtime
// folder, open to the user alone, through which a second start hands over the picture it
// was given instead of ending with nothing.

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

class InstanceChannel : public QObject {
    Q_OBJECT

public:
    explicit InstanceChannel(QObject* parent = nullptr);

    // Opens the socket; the caller holds the instance lock, so a socket left behind by a
    // copy that died is removed first. False when the socket cannot be made.
    bool Listen();

    // Hands `file` to the running copy and waits, at most `timeLimit` milliseconds, for it
    // to confirm; false when no copy answered. Meant for a second start, before it has
    // windows of its own.
    static bool Send(const QString& file, int timeLimit = 3000);

    // Where the socket lies: the user's runtime folder (XDG_RUNTIME_DIR).
    static QString SocketPath();

    // A longer message than this is no file name; the connection is dropped.
    static constexpr int MaxMessage = 16 * 1024;

signals:
    // A picture handed over by a second start, as the absolute path it sent.
    void PictureReceived(const QString& file);

private:
    void Accept();
    void Read(QLocalSocket* socket);

    QLocalServer* server;
};
