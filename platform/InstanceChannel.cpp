#include "InstanceChannel.h"

#include "FileNames.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

const QByteArray Received = QByteArrayLiteral("OK\n");

// The socket's address, or false when the path does not fit into one.
bool Address(const QByteArray& path, sockaddr_un& address) {
    address = sockaddr_un{};
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || std::size_t(path.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
    return true;
}

// Waits until `fd` is ready for `events` or the deadline passes.
bool WaitFor(int fd, short events, const QDeadlineTimer& deadline) {
    for (;;) {
        pollfd watched{fd, events, 0};
        const int ready = ::poll(&watched, 1, int(std::max<qint64>(0, deadline.remainingTime())));
        if (ready > 0)
            return true;
        if (ready == 0 || errno != EINTR)
            return false;
    }
}

// Closes a descriptor when it goes out of scope.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0)
            ::close(fd);
    }
};

} // namespace

struct InstanceChannel::Connection {
    int fd;
    QSocketNotifier notifier;
    QByteArray received;

    explicit Connection(int fd) : fd(fd), notifier(fd, QSocketNotifier::Read) {}
    ~Connection() {
        notifier.setEnabled(false);
        ::close(fd);
    }
};

InstanceChannel::InstanceChannel(QObject* parent) : QObject(parent) {}

InstanceChannel::~InstanceChannel() {
    connections.clear();
    closing.clear();
    if (listener < 0)
        return;
    delete incoming;
    ::close(listener);
    ::unlink(listening.constData());
}

QString InstanceChannel::SocketPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/tessaly.socket");
}

bool InstanceChannel::Listen() {
    if (listener >= 0)
        return true;
    const QByteArray path = FileNames::ToNative(SocketPath());
    sockaddr_un address;
    if (!Address(path, address))
        return false;
    Descriptor made{::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0)};
    if (made.fd < 0)
        return false;
    // A socket left behind by a copy that died (the caller holds the instance lock).
    ::unlink(path.constData());
    if (::bind(made.fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
        return false;
    // Only the user who runs the game may hand it pictures; a connection from anyone else
    // is also refused when it is accepted.
    if (::chmod(path.constData(), S_IRUSR | S_IWUSR) != 0 || ::listen(made.fd, 8) != 0) {
        ::unlink(path.constData());
        return false;
    }
    listener = made.fd;
    made.fd = -1;
    listening = path;
    incoming = new QSocketNotifier(listener, QSocketNotifier::Read, this);
    connect(incoming, &QSocketNotifier::activated, this, &InstanceChannel::Accept);
    return true;
}

void InstanceChannel::Accept() {
    for (;;) {
        const int fd = ::accept4(listener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        ucred peer{};
        socklen_t length = sizeof peer;
        if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &length) != 0 ||
            peer.uid != ::getuid()) {
            ::close(fd);
            continue;
        }
        connections.push_back(std::make_unique<Connection>(fd));
        Connection* connection = connections.back().get();
        connect(&connection->notifier, &QSocketNotifier::activated, this,
                [this, connection] { Read(connection); });
        Read(connection);
    }
}

// One line: the picture's path as the file system spells it. It is confirmed at once; what
// becomes of it is the game's affair.
void InstanceChannel::Read(Connection* connection) {
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::recv(connection->fd, buffer, sizeof buffer, 0);
        if (got > 0) {
            connection->received.append(buffer, qsizetype(got));
            const qsizetype end = connection->received.indexOf('\n');
            if (end >= 0 && end <= MaxMessage)
                break;
            if (connection->received.size() > MaxMessage)
                return Drop(connection);
            continue;
        }
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return;              // the rest comes later
        return Drop(connection); // ended or failed before a whole line
    }
    const QByteArray line = connection->received.left(connection->received.indexOf('\n'));
    ::send(connection->fd, Received.constData(), std::size_t(Received.size()), MSG_NOSIGNAL);
    Drop(connection);
    const QString file = FileNames::FromNative(line);
    if (!file.isEmpty() && QDir::isAbsolutePath(file))
        emit PictureReceived(file);
}

void InstanceChannel::Drop(Connection* connection) {
    const auto held = std::find_if(connections.begin(), connections.end(),
                                   [connection](const auto& c) { return c.get() == connection; });
    if (held == connections.end())
        return;
    // Not deleted here: its notifier may be the one that called. It goes once the event
    // loop is back.
    connection->notifier.setEnabled(false);
    closing.push_back(std::move(*held));
    connections.erase(held);
    QMetaObject::invokeMethod(
        this, [this] { closing.clear(); }, Qt::QueuedConnection);
}

bool InstanceChannel::Send(const QString& file, int timeLimit) {
    const QByteArray message = FileNames::ToNative(file) + '\n';
    if (message.count('\n') != 1 || message.size() > MaxMessage + 1)
        return false;
    sockaddr_un address;
    if (!Address(FileNames::ToNative(SocketPath()), address))
        return false;
    // The running copy may still be starting: its socket appears once its windows exist.
    const QDeadlineTimer deadline(timeLimit);
    Descriptor socket{-1};
    for (;;) {
        socket.fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (socket.fd < 0)
            return false;
        if (::connect(socket.fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
            break;
        ::close(socket.fd);
        socket.fd = -1;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(100);
    }
    for (qsizetype sent = 0; sent < message.size();) {
        if (!WaitFor(socket.fd, POLLOUT, deadline))
            return false;
        const ssize_t wrote = ::send(socket.fd, message.constData() + sent,
                                     std::size_t(message.size() - sent), MSG_NOSIGNAL);
        if (wrote < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
            return false;
        sent += std::max<ssize_t>(0, wrote);
    }
    QByteArray answer;
    while (!answer.endsWith('\n') && answer.size() <= Received.size()) {
        if (!WaitFor(socket.fd, POLLIN, deadline))
            return false;
        char buffer[16];
        const ssize_t got = ::recv(socket.fd, buffer, sizeof buffer, 0);
        if (got == 0)
            break;
        if (got < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
            return false;
        answer.append(buffer, qsizetype(std::max<ssize_t>(0, got)));
    }
    return answer == Received;
}
