#pragma once
// The running program's door for a second start: a local socket in the user's runtime
// folder, open to the user alone, through which a second start hands over the picture it
// was given instead of ending with nothing. Plain sockets of the system, watched by the
// event loop: the door costs no library of its own at start-up.

#include <QObject>
#include <QString>
#include <memory>
#include <vector>

class QSocketNotifier;

class InstanceChannel : public QObject {
    Q_OBJECT

public:
    explicit InstanceChannel(QObject* parent = nullptr);
    // Closes every connection and removes the socket it made.
    ~InstanceChannel() override;

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
    struct Connection;

    void Accept();
    void Read(Connection* connection);
    void Drop(Connection* connection);

    int listener = -1;
    QByteArray listening; // the socket's path while it is ours
    QSocketNotifier* incoming = nullptr;
    std::vector<std::unique_ptr<Connection>> connections;
    std::vector<std::unique_ptr<Connection>> closing; // answered, deleted from the event loop
};
