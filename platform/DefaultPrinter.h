#pragma once
// Printing one page on the system's default printer, without a printer dialog. The printing
// module is opened when the player first prints, and the window waits for the print system
// only a few seconds at a time: a print server that does not answer is reported, never
// waited for. Pages are laid out in units of 1/600 inch on a portrait sheet.

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <functional>

class QPainter;

namespace DefaultPrinter {

// Units of a page, per inch.
inline constexpr int UnitsPerInch = 600;

// A printer and the sheet it prints on, portrait, in units of 1/600 inch.
struct Sheet {
    // Empty for a sheet no printer was asked about.
    QString printer;
    QSizeF paper;
    // The part of the paper the printer can print on, from the paper's top-left corner.
    QRectF printable;
};

// The default printer and its sheet. Throws AppError with a German message when there is no
// default printer, when the print system does not answer, or when the printing module
// cannot be loaded.
Sheet DefaultSheet();

// The sheet shown when no printer could be asked: A4, printable to its edges.
Sheet StandardSheet();

// Prints the page `draw` paints (unit 1/600 inch, origin at the paper's corner) on the
// sheet's printer as the document `title`. `draw` runs on a thread of its own, so it must
// only read what nothing else changes. Throws AppError with a German message, and prints
// nothing, when the print system does not answer or refuses the job (its own reason then
// follows in the message).
void PrintPage(const Sheet& sheet, const QString& title, std::function<void(QPainter&)> draw);

} // namespace DefaultPrinter
