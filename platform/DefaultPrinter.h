#pragma once
// Printing one page on the system's default printer, without a printer dialog: the page
// is portrait and drawn in units of 1/600 inch, so it comes out the same size on every
// printer whatever its resolution.

#include <QString>
#include <functional>

class QPainter;

namespace DefaultPrinter {

// Units of the painter that PrintPage hands to its drawing, per inch.
inline constexpr int UnitsPerInch = 600;

// The name of the default printer; empty when none is set up.
QString Name();

// Prints the page `draw` paints as the document `title`. Throws AppError with a German
// message, and prints nothing, when no default printer is set up or the print system
// refuses the job (its own reason then follows in the message).
void PrintPage(const QString& title, const std::function<void(QPainter&)>& draw);

} // namespace DefaultPrinter
