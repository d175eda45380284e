// artgen: draws Tessaly's artwork into the resources folder.
//   artgen <resources folder> [--preview <folder>]
// With --preview it also writes a contact sheet and two window mock-ups for inspection.

#include "tools/artgen/AppIcon.h"
#include "tools/artgen/BoardArt.h"
#include "tools/artgen/HandCursors.h"
#include "tools/artgen/MotifPainter.h"
#include "tools/artgen/PreviewSheet.h"
#include "tools/artgen/ToolGlyphs.h"
#include "tools/artgen/WindowChrome.h"
#include "tools/paint/ImageFiles.h"
#include "tools/paint/Pixels.h"
#include "tools/paint/WoodGrain.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>

#include <cstdio>
#include <stdexcept>

using Paint::Save;

namespace {

constexpr int JpegQuality = 90;

void WriteAll(const QDir& resources) {
    for (const char* sub : {"jpg", "art", "skin", "cursor"})
        if (!resources.mkpath(QLatin1String(sub)))
            throw std::runtime_error(std::string("cannot create folder ") + sub);
    const QString jpg = resources.filePath(QStringLiteral("jpg/%1.jpg"));

    Paint::WriteJpeg(BoardArt::Background(), jpg.arg(100), JpegQuality);
    for (int number = 1; number <= MotifPainter::Count; ++number)
        Paint::WriteJpeg(BoardArt::CardFace(number), jpg.arg(100 + number), JpegQuality);
    Paint::WriteJpeg(BoardArt::CardBack(), jpg.arg(200), JpegQuality);
    // The thin frame and grid pieces carry fine detail that must survive compression.
    for (int number = 301; number <= 308; ++number)
        Paint::WriteJpeg(BoardArt::FramePiece(number), jpg.arg(number), 95);
    Paint::WriteJpeg(BoardArt::GridLine(true), jpg.arg(309), 95);
    Paint::WriteJpeg(BoardArt::GridLine(false), jpg.arg(310), 95);

    const QImage frame = WindowChrome::Render();
    for (const char* name : {"TOP", "LEFT", "RIGHT", "BOTTOM"})
        Save(WindowChrome::Piece(frame, QLatin1String(name)).convertToFormat(QImage::Format_RGB888),
             resources.filePath(QStringLiteral("art/%1.png").arg(QLatin1String(name))), "PNG");

    for (const QString& name : ToolGlyphs::Names())
        Save(ToolGlyphs::Glyph(name), resources.filePath(QStringLiteral("skin/%1.bmp").arg(name)),
             "BMP");

    // The icon of the window and of the desktop's menu (installed from here, too). Each
    // size is drawn for its own pixel count, so the larger scales draw it at that many
    // pixels.
    for (int size : AppIcon::Sizes())
        Save(AppIcon::Render(size * Paint::Scale()),
             resources.filePath(QStringLiteral("art/ICON_%1.png").arg(size)), "PNG");

    // Dark wood that tiles without a seam: the ground of tooltips and of the framework's
    // message boxes.
    Save(Paint::WoodGrain(QColor(44, 27, 13), QColor(100, 64, 32), 51).Tile(QSize(256, 128)),
         resources.filePath(QStringLiteral("art/WOOD_DARK.png")), "PNG");

    Save(HandCursors::OpenHand().convertToFormat(QImage::Format_ARGB32),
         resources.filePath(QStringLiteral("cursor/CUR_101.png")), "PNG");
    Save(HandCursors::GraspingHand().convertToFormat(QImage::Format_ARGB32),
         resources.filePath(QStringLiteral("cursor/CUR_102.png")), "PNG");
}

void WritePreviews(const QDir& resources, const QDir& preview) {
    if (!preview.mkpath(QStringLiteral(".")))
        throw std::runtime_error("cannot create the preview folder");
    const PreviewSheet sheet(resources.absolutePath());
    Save(sheet.ContactSheet(), preview.filePath(QStringLiteral("contact-sheet.png")), "PNG");
    Save(sheet.PuzzleWindow(), preview.filePath(QStringLiteral("window-puzzle.png")), "PNG");
    Save(sheet.MemoryWindow(), preview.filePath(QStringLiteral("window-memory.png")), "PNG");
    // Details at three times their size: the top bar's two halves and a lower corner.
    const QImage window = sheet.PuzzleWindow();
    QImage zoom(1350, 3 * 250, QImage::Format_RGB32);
    QPainter painter(&zoom);
    painter.drawImage(QRect(0, 0, 1350, 240), window.copy(0, 0, 450, 80));
    painter.drawImage(QRect(0, 250, 1350, 240), window.copy(450, 0, 450, 80));
    painter.drawImage(QRect(0, 500, 1350, 240), window.copy(0, 620, 450, 80));
    painter.end();
    Save(zoom, preview.filePath(QStringLiteral("window-zoom.png")), "PNG");
    QImage hands(2 * 264, 264, QImage::Format_RGB32);
    hands.fill(QColor(110, 150, 110));
    painter.begin(&hands);
    painter.drawImage(QRect(4, 4, 256, 256), HandCursors::OpenHand());
    painter.drawImage(QRect(268, 4, 256, 256), HandCursors::GraspingHand());
    painter.end();
    Save(hands, preview.filePath(QStringLiteral("cursors.png")), "PNG");
}

} // namespace

int main(int argc, char** argv) {
    // Text is drawn into pictures only; no screen is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2 && !(args.size() == 4 && args[2] == QLatin1String("--preview"))) {
        std::fprintf(stderr, "usage: artgen <resources folder> [--preview <folder>]\n");
        return 2;
    }
    try {
        const QDir resources(args[1]);
        // Every picture for screens at 100 %, 200 % and 300 %, from the same drawing.
        for (int scale : {1, 2, 3}) {
            Paint::SetScale(scale);
            WriteAll(resources);
        }
        Paint::SetScale(1);
        if (args.size() == 4)
            WritePreviews(resources, QDir(args[3]));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "artgen: %s\n", error.what());
        return 1;
    }
    return 0;
}
