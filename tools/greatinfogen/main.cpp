// greatinfogen: paints the background pictures of the congratulation window (GREAT_BACK,
// 320 x 220) and of the info window (INFO_BACK, 420 x 300). The places of the lettering
// follow the controls the windows put on top of them.

#include "tools/paint/Paint.h"

#include <QFontMetricsF>
#include <cstdio>

using namespace Paint;

namespace {

void Save(const char* name, const QImage& canvas, const QString& folder) {
    std::printf("%s\n", qPrintable(SaveInto(Over(canvas, DarkWood), folder, name, "PNG")));
}

// Baseline of a caption that sits beside a label of `labelFont` placed at `top`.
double BaselineBeside(const QFont& labelFont, int top) {
    return top + QFontMetricsF(labelFont).ascent();
}

// Baseline that centres text of `font` vertically on `centre`.
double BaselineCentred(const QFont& font, double centre) {
    const QFontMetricsF metrics(font);
    return centre + (metrics.ascent() - metrics.descent()) / 2;
}

void GreatBack(const QString& folder) {
    QImage canvas = Frame({320, 220}, 31);
    Plate(canvas, QRectF(12, 9, 296, 46), 43);
    Engraved(canvas, QStringLiteral("Herzlichen Glückwunsch!"), Times(23, true, true),
             QRectF(28, 9, 264, 44), Qt::AlignCenter, TextLight);
    Parchment(canvas, QRectF(10, 63, 300, 148), 47);

    // Captions left of the playing time (a 16 px label at 151, 100) and of the name field
    // (132, 128, 26 high).
    const QFont caption = Times(16, true);
    InkRightAt(canvas, QStringLiteral("Spielzeit:"), caption, 142,
               BaselineBeside(Times(16, false), 100), TextDark);
    InkRightAt(canvas, QStringLiteral("Name:"), caption, 123, BaselineCentred(caption, 141),
               TextDark);
    Rule(canvas, 30, 290, 160);
    // Two small pieces frame the result like a pair that has just been fitted.
    PieceEmblem(canvas, QRectF(24, 106, 34, 34));
    PieceEmblem(canvas, QRectF(262, 106, 34, 34), true);
    Save("GREAT_BACK", canvas, folder);
}

void InfoBack(const QString& folder) {
    QImage canvas = Frame({420, 300}, 37);
    PieceEmblem(canvas, QRectF(24, 14, 68, 68));
    Engraved(canvas, QStringLiteral("Tessaly"), Times(46, true), QRectF(108, 8, 296, 56),
             Qt::AlignLeft | Qt::AlignVCenter, TextLight);
    Engraved(canvas, QStringLiteral("Puzzle- und Memoryspiel"), Times(16, false, true),
             QRectF(111, 62, 290, 22), Qt::AlignLeft | Qt::AlignVCenter, Highlight);
    Engraved(canvas, QStringLiteral("Version 1.0"), Times(15, true), QRectF(111, 62, 286, 22),
             Qt::AlignRight | Qt::AlignVCenter, Brass);

    Parchment(canvas, QRectF(12, 98, 396, 190), 53);
    Ink(canvas, QStringLiteral("Haftungsausschluss"), Times(16, true), QRectF(26, 106, 368, 22),
        Qt::AlignLeft | Qt::AlignVCenter, TextDark);
    Ink(canvas,
        QStringLiteral("Die Benutzung dieses Programms geschieht auf eigene Gefahr. Der "
                       "Hersteller übernimmt keine Haftung für Schäden an Hard- und Software, "
                       "für Datenverluste oder sonstige Folgen, die aus der Benutzung "
                       "entstehen."),
        Times(14, false), QRectF(26, 130, 368, 76), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
        QColor(52, 33, 16));
    Rule(canvas, 24, 396, 228);

    // Captions left of the two links (15 px labels at 74, 241 and 82, 260).
    const QFont link = Times(15, false);
    const QFont caption = Times(15, true);
    InkRightAt(canvas, QStringLiteral("E-Mail:"), caption, 70, BaselineBeside(link, 241), TextDark);
    InkRightAt(canvas, QStringLiteral("Internet:"), caption, 78, BaselineBeside(link, 260),
               TextDark);
    Save("INFO_BACK", canvas, folder);
}

} // namespace

int main(int argc, char** argv) {
    return RunGenerator(argc, argv, "greatinfogen <output folder>", [](const QString& folder) {
        GreatBack(folder);
        InfoBack(folder);
    });
}
