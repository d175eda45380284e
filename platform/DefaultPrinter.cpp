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
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0,
                     "/printers/%s", printer.toUtf8().constData());
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    static const char* const wanted[] = {"printer-is-accepting-jobs", "printer-state-message"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 2, nullptr,
                  wanted);
    ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
    if (response == nullptr)
        return CupsReason();
    QString refusal;
    ipp_attribute_t* accepting =
        ippFindAttribute(response, "printer-is-accepting-jobs", IPP_TAG_BOOLEAN);
    if (accepting != nullptr && !ippGetBoolean(accepting, 0)) {
        ipp_attribute_t* message =
            ippFindAttribute(response, "printer-state-message", IPP_TAG_TEXT);
        const char* text = message != nullptr ? ippGetString(message, 0, nullptr) : nullptr;
        refusal = text != nullptr && *text != '\0'
                      ? QString::fromUtf8(text)
                      : QStringLiteral("Der Drucker nimmt keine Aufträge an.");
    }
    ippDelete(response);
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
