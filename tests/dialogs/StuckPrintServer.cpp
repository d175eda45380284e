#include "StuckPrintServer.h"

#include <QDir>
#include <cstdlib>
#include <cstring>
#include <cups/cups.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

StuckPrintServer::StuckPrintServer() {
    char pattern[] = "/tmp/tessaly-stuck-XXXXXX";
    if (mkdtemp(pattern) == nullptr)
        return;
    folder = QString::fromLocal8Bit(pattern);
    const QByteArray path = (folder + "/cups.sock").toLocal8Bit();
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.constData(), sizeof address.sun_path - 1);
    socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
    // Connections wait in the backlog, taken by the system and never by anyone here.
    if (socket < 0 || ::bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(socket, 64) != 0) {
        if (socket >= 0)
            ::close(socket);
        socket = -1;
        return;
    }
    previousServer = qgetenv("CUPS_SERVER");
    qputenv("CUPS_SERVER", path);
    cupsSetServer(nullptr);
}

StuckPrintServer::~StuckPrintServer() {
    if (socket >= 0) {
        ::close(socket);
        if (previousServer.isEmpty())
            qunsetenv("CUPS_SERVER");
        else
            qputenv("CUPS_SERVER", previousServer);
        cupsSetServer(nullptr);
    }
    if (!folder.isEmpty())
        QDir(folder).removeRecursively();
}
