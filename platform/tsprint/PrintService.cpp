#include "PrintService.h"

#include <cups/cups.h>

#include <cerrno>

PrintService::PrintService(int answerMilliseconds) {
    connection = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                              answerMilliseconds, nullptr);
    if (connection == nullptr) {
        // A socket nobody listens on is no print system; one that does not take the
        // connection in time is a print system that does not answer.
        timedOut = errno == ETIMEDOUT;
        return;
    }
    httpSetTimeout(connection, answerMilliseconds / 1000.0, &PrintService::GiveUp, this);
}

PrintService::~PrintService() {
    if (connection != nullptr)
        httpClose(connection);
}

int PrintService::GiveUp(http_t*, void* service) {
    static_cast<PrintService*>(service)->timedOut = true;
    return 0;
}

QString PrintService::DefaultPrinter() {
    if (connection == nullptr || timedOut)
        return {};
    // The player's own choice (PRINTER, LPDEST, lpoptions) first, then the server's default.
    cups_dest_t* destination = cupsGetNamedDest(connection, nullptr, nullptr);
    if (destination == nullptr)
        return {};
    const QString name = QString::fromUtf8(destination->name);
    cupsFreeDests(1, destination);
    return timedOut ? QString() : name;
}

QString PrintService::Refusal(const QString& printer) {
    if (connection == nullptr || timedOut)
        return {};
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0,
                     "/printers/%s", printer.toUtf8().constData());
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    static const char* const wanted[] = {"printer-is-accepting-jobs", "printer-state-message"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 2, nullptr,
                  wanted);
    ipp_t* response = cupsDoRequest(connection, request, "/");
    if (response == nullptr)
        return timedOut ? QString() : QString::fromUtf8(cupsLastErrorString());
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
