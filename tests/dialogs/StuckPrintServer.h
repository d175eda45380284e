#pragma once
// A print server that takes connections and never answers, as a hung print system does:
// a socket of the test's own that listens and is never read. While the object lives, every
// client in this process asks it.

#include <QByteArray>
#include <QString>

class StuckPrintServer {
public:
    StuckPrintServer();
    ~StuckPrintServer();

    StuckPrintServer(const StuckPrintServer&) = delete;
    StuckPrintServer& operator=(const StuckPrintServer&) = delete;

    bool Ready() const { return socket >= 0; }

private:
    QString folder;
    QByteArray previousServer;
    int socket = -1;
};
