#pragma once
// A print server of the test's own: cupsd with its own configuration, socket and spool
// in a temporary folder, optionally with a PDF printer as the default, stopped again when
// the object goes, when the server named before is the one asked again. The machine's own
// print system is never asked.

#include <QString>
#include <QStringList>

class PrivatePrinter {
public:
    // Starts the server; with `withPdfQueue` a PDF printer "TessalyPDF" is the default.
    explicit PrivatePrinter(bool withPdfQueue);
    ~PrivatePrinter();

    PrivatePrinter(const PrivatePrinter&) = delete;
    PrivatePrinter& operator=(const PrivatePrinter&) = delete;

    // True when the server runs (and the queue was set up, if asked for).
    bool Ready() const { return ready; }
    // What went wrong when not Ready.
    QString Problem() const { return problem; }

    // Stops the printer from accepting jobs, with `reason` as its message.
    bool Reject(const QString& reason);

    // Waits up to `seconds` for a PDF the printer wrote; its path, or empty.
    QString WaitForPdf(int seconds) const;

private:
    bool Run(const QString& program, const QStringList& arguments);
    bool Start();

    QString root;
    QByteArray previousServer;
    qint64 serverPid = 0;
    bool ready = false;
    QString problem;
};
