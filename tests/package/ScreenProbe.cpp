// Helper of the package test, run inside its X server:
//   screen_probe shot <window id> <out.png>  grabs the window, saves it and prints
//                                            "<width> <height> <bluish per cent of the play area>"
//   screen_probe jpeg <out.jpg> <width> <height>  writes a plain JPEG of that size
//   screen_probe png <out.png> <width> <height>   writes a plain PNG of that size

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <cstdio>

namespace {

// Share of the play area (inside the wooden frame) that is bluish: the motif's sky and
// water. The wooden background and frame have none.
double BluishPercent(const QImage& shot) {
    const QRect playArea(18, 62, 864, 620);
    int bluish = 0;
    int all = 0;
    for (int y = playArea.top(); y <= playArea.bottom() && y < shot.height(); ++y)
        for (int x = playArea.left(); x <= playArea.right() && x < shot.width(); ++x) {
            const QColor colour = shot.pixelColor(x, y);
            bluish += colour.blue() > colour.red() + 20;
            ++all;
        }
    return all ? 100.0 * bluish / all : 0.0;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args[1] == QLatin1String("shot")) {
        const QImage shot =
            QGuiApplication::primaryScreen()->grabWindow(args[2].toULongLong(nullptr, 0)).toImage();
        if (shot.isNull() || !shot.save(args[3]))
            return 1;
        std::printf("%d %d %.1f\n", shot.width(), shot.height(), BluishPercent(shot));
        return 0;
    }
    if (args.size() == 5 && (args[1] == QLatin1String("jpeg") || args[1] == QLatin1String("png"))) {
        QImage picture(args[3].toInt(), args[4].toInt(), QImage::Format_RGB888);
        picture.fill(QColor(60, 110, 170));
        return picture.save(args[2], args[1] == QLatin1String("png") ? "PNG" : "JPG") ? 0 : 1;
    }
    std::fprintf(stderr,
                 "usage: screen_probe shot <window id> <out.png> | jpeg|png <out> <w> <h>\n");
    return 2;
}
