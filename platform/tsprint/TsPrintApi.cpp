// The exported functions: the print system asked through a bounded connection, the page
// printed through the toolkit's printer.

#include "TsPrintApi.h"

#include "PrintService.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <cups/cups.h>

#include <algorithm>
#include <cstring>
#include <mutex>

namespace {

constexpr double UnitsPerInch = 600;
constexpr double UnitsPerPoint = UnitsPerInch / 72;

// One job at a time: a call that is given up on may still wait inside the print system.
std::mutex jobs;

void Copy(const QString& text, char* target, int size) {
    if (target == nullptr || size <= 0)
        return;
    QByteArray bytes = text.toUtf8();
    // Cut at a character boundary, never inside a UTF-8 sequence.
    int length = std::min<int>(bytes.size(), size - 1);
    while (length > 0 && length < bytes.size() && (bytes[length] & 0xC0) == 0x80)
        --length;
    std::memcpy(target, bytes.constData(), static_cast<std::size_t>(length));
    target[length] = '\0';
}

void Prepare(QPrinter& printer) {
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);
    printer.setCopyCount(1);
}

} // namespace

extern "C" {

int tsPrintDefaultSheet(TsPrintSheet* sheet, int answerMilliseconds) {
    const std::lock_guard<std::mutex> one(jobs);
    PrintService service(answerMilliseconds);
    const QString name = service.DefaultPrinter();
    if (service.NoAnswer())
        return TsPrintNoAnswer;
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (name.isEmpty() || info.isNull())
        return TsPrintNoPrinter;
    QPrinter printer(info, QPrinter::HighResolution);
    Prepare(printer);
    const QPageLayout layout = printer.pageLayout();
    const QRectF paper = layout.fullRect(QPageLayout::Point);
    const QRectF printable = layout.paintRect(QPageLayout::Point);
    Copy(name, sheet->printer, sizeof sheet->printer);
    sheet->paperWidth = paper.width() * UnitsPerPoint;
    sheet->paperHeight = paper.height() * UnitsPerPoint;
    sheet->printableLeft = printable.left() * UnitsPerPoint;
    sheet->printableTop = printable.top() * UnitsPerPoint;
    sheet->printableWidth = printable.width() * UnitsPerPoint;
    sheet->printableHeight = printable.height() * UnitsPerPoint;
    return TsPrintDone;
}

int tsPrintPage(const TsPrintSheet* sheet, const char* title, TsPrintDrawFunction draw,
                void* context, int answerMilliseconds, const std::atomic<bool>* abandoned,
                char* reason, int reasonSize) {
    const std::lock_guard<std::mutex> one(jobs);
    const QString name = QString::fromUtf8(sheet->printer);
    {
        PrintService service(answerMilliseconds);
        const QString refusal = service.Refusal(name);
        if (service.NoAnswer())
            return TsPrintNoAnswer;
        if (!refusal.isEmpty()) {
            Copy(refusal, reason, reasonSize);
            return TsPrintRefused;
        }
    }
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull())
        return TsPrintNoPrinter;
    QPrinter printer(info, QPrinter::HighResolution);
    Prepare(printer);
    printer.setDocName(QString::fromUtf8(title));
    QPainter painter;
    if (!painter.begin(&printer)) {
        Copy(QStringLiteral("Der Druck konnte nicht begonnen werden."), reason, reasonSize);
        return TsPrintRefused;
    }
    // The page is laid out in 1/600 inch; the printer's own resolution scales it.
    const double scale = printer.resolution() / UnitsPerInch;
    painter.scale(scale, scale);
    draw(&painter, context);
    if (abandoned != nullptr && abandoned->load()) {
        printer.abort();
        painter.end();
        return TsPrintNoAnswer;
    }
    painter.end();
    // The job went to the print system as the painter ended; its answer is the last one.
    if (cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE) {
        Copy(QString::fromUtf8(cupsLastErrorString()), reason, reasonSize);
        return TsPrintRefused;
    }
    return TsPrintDone;
}

} // extern "C"
