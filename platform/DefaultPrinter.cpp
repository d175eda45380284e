#include "platform/DefaultPrinter.h"

#include "platform/AppError.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <cups/cups.h>

namespace DefaultPrinter {

namespace {

QString CupsReason() {
    return QString::fromUtf8(cupsLastErrorString());
}

// The print system's own word on whether the printer takes jobs; empty when it does.
QString RefusalOf(const QString& printer) {
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, printer.toUtf8().constData(), nullptr);
    if (dest == nullptr)
        return CupsReason();
    QString refusal;
    const char* accepting =
        cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    if (accepting != nullptr && QByteArray(accepting) == "false") {
        const char* message =
            cupsGetOption("printer-state-message", dest->num_options, dest->options);
        refusal = message != nullptr && *message != '\0'
                      ? QString::fromUtf8(message)
                      : QStringLiteral("Der Drucker nimmt keine Aufträge an.");
    }
    cupsFreeDests(1, dest);
    return refusal;
}

AppError Refused(const QString& printer, const QString& reason) {
    return AppError(
        QStringLiteral("Der Drucker „%1“ hat den Auftrag abgelehnt: %2").arg(printer, reason));
}

} // namespace

QString Name() {
    return QPrinterInfo::defaultPrinterName();
}

void PrintPage(const QString& title, const std::function<void(QPainter&)>& draw) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull() || info.printerName().isEmpty())
        throw AppError(QStringLiteral("Es ist kein Standarddrucker eingerichtet."));
    const QString printerName = info.printerName();
    if (const QString refusal = RefusalOf(printerName); !refusal.isEmpty())
        throw Refused(printerName, refusal);

    QPrinter printer(info, QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setDocName(title);
    printer.setCopyCount(1);
    QPainter painter;
    if (!painter.begin(&printer))
        throw Refused(printerName, QStringLiteral("Der Druck konnte nicht begonnen werden."));
    // The page is laid out in 1/600 inch; the printer's own resolution scales it.
    const double scale = printer.resolution() / double(UnitsPerInch);
    painter.scale(scale, scale);
    draw(painter);
    painter.end();
    // The job went to the print system as the painter ended; its answer is the last one.
    if (cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE)
        throw Refused(printerName, CupsReason());
}

} // namespace DefaultPrinter
