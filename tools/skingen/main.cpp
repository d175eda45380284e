// skingen: paints every skin bitmap of the skinned controls into a folder as 24-bit BMP
// files. Usage: skingen <folder>   (normally <repo>/resources/skin)

#include "tools/paint/Paint.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cstdio>
#include <functional>

using namespace Paint;

namespace {

enum class Look { Norm, Move, Down, Disable };

const Look allLooks[] = {Look::Norm, Look::Move, Look::Down, Look::Disable};

QString LookName(Look look) {
    switch (look) {
    case Look::Norm:
        return QStringLiteral("NORM");
    case Look::Move:
        return QStringLiteral("MOVE");
    case Look::Down:
        return QStringLiteral("DOWN");
    case Look::Disable:
        return QStringLiteral("DISABLE");
    }
    return {};
}

QString outputFolder;
int written = 0;

void Save(const QString& name, const QImage& image) {
    SaveInto(image, outputFolder, name, "BMP");
    ++written;
}

struct WoodTones {
    QColor dark;
    QColor light;
    QColor rim;
};

WoodTones TonesOf(Look look) {
    switch (look) {
    case Look::Norm:
        return {QColor(92, 58, 29), MidWood, Brass};
    case Look::Move:
        return {QColor(112, 72, 37), LightWood, Highlight};
    case Look::Down:
        return {DeepShadow, DarkWood, QColor(150, 118, 52)};
    case Look::Disable:
        return {QColor(92, 84, 74), QColor(118, 108, 96), QColor(140, 130, 114)};
    }
    return {};
}

// A rounded wooden plate with a dark outline and a brass rim: the body of every button.
QImage Plate(QSize size, Look look, double radius, int seed) {
    const WoodTones tones = TonesOf(look);
    QImage canvas = Canvas(size);
    const QRectF outer(0, 0, size.width(), size.height());
    QLinearGradient rimShade(outer.topLeft(), outer.bottomLeft());
    const bool down = look == Look::Down;
    rimShade.setColorAt(0, down ? tones.rim.darker(140) : tones.rim.lighter(115));
    rimShade.setColorAt(1, down ? tones.rim : tones.rim.darker(150));
    RimmedPlate(canvas, outer, radius, rimShade, 2, tones.dark, tones.light, seed, down);
    return canvas;
}

void PushButtons() {
    const struct {
        QSize size;
        QString suffix;
        double radius;
    } styles[] = {{{84, 26}, "", 6}, {{110, 32}, "2", 7}, {{100, 80}, "3", 9}};
    for (const auto& style : styles) {
        for (Look look : allLooks)
            Save("WOB_" + LookName(look) + style.suffix,
                 Keyed(Plate(style.size, look, style.radius, 3)));
    }
}

QColor GlyphColour(Look look) {
    switch (look) {
    case Look::Norm:
        return TextLight;
    case Look::Move:
        return QColor(251, 247, 230);
    case Look::Down:
        return QColor(208, 190, 119);
    case Look::Disable:
        return QColor(150, 138, 120);
    }
    return TextLight;
}

// Small square buttons (caption bar, bar arrows) with a glyph drawn on top.
QImage GlyphButton(QSize size, Look look, const QColor& background,
                   const std::function<void(QPainter&, const QColor&)>& glyph) {
    QImage canvas = Plate(size, look, 3.5, 7);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    if (look == Look::Down)
        painter.translate(0.5, 1);
    // A dark under-stroke keeps the glyph readable on every shade of wood.
    painter.save();
    painter.translate(0.6, 0.8);
    glyph(painter, QColor(30, 16, 6, 170));
    painter.restore();
    glyph(painter, GlyphColour(look));
    painter.end();
    return Over(canvas, background);
}

void WindowButtons() {
    const auto minimise = [](QPainter& p, const QColor& c) {
        p.fillRect(QRectF(5.5, 12, 9, 2.5), c);
    };
    const auto close = [](QPainter& p, const QColor& c) {
        p.setPen(QPen(c, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(6, 6), QPointF(14, 14));
        p.drawLine(QPointF(14, 6), QPointF(6, 14));
    };
    for (Look look : allLooks) {
        Save("WDW_MIN_" + LookName(look), GlyphButton({20, 20}, look, DarkWood, minimise));
        Save("WDW_CLOSE_" + LookName(look), GlyphButton({20, 20}, look, DarkWood, close));
    }
}

void ToolButtons() {
    for (Look look : allLooks)
        Save("WTB_" + LookName(look), Keyed(Plate({30, 30}, look, 6, 11)));
}

void HorBar() {
    // The track: a groove cut into dark wood, stretched sideways, so every column is equal.
    QImage bar = Picture({489, 16}, QImage::Format_RGB888);
    const QColor rows[16] = {DeepShadow,         QColor(60, 38, 19), DarkWood,
                             DarkWood,           QColor(82, 52, 26), QColor(82, 52, 26),
                             DeepShadow,         QColor(30, 17, 8),  QColor(30, 17, 8),
                             QColor(98, 63, 33), QColor(82, 52, 26), QColor(82, 52, 26),
                             DarkWood,           DarkWood,           MidWood,
                             DeepShadow};
    for (int y = 0; y < bar.height(); ++y)
        for (int x = 0; x < bar.width(); ++x)
            bar.setPixelColor(x, y, rows[std::clamp(DesignPixel(Design(y)), 0, 15)]);
    Save("WHB_BAR", bar);

    const auto thumb = [](bool focused) {
        QImage canvas = Canvas({20, 12});
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath outline;
        outline.addRoundedRect(QRectF(0, 0, 20, 12), 3.5, 3.5);
        painter.fillPath(outline, focused ? TextLight : DeepShadow);
        QPainterPath body;
        body.addRoundedRect(QRectF(1, 1, 18, 10), 2.5, 2.5);
        QLinearGradient shade(0, 1, 0, 11);
        const QColor top = focused ? QColor(250, 214, 140) : Highlight;
        const QColor middle = focused ? QColor(226, 186, 92) : Brass;
        const QColor bottom = focused ? QColor(170, 128, 50) : QColor(138, 104, 40);
        shade.setColorAt(0, top);
        shade.setColorAt(0.5, middle);
        shade.setColorAt(1, bottom);
        painter.fillPath(body, shade);
        for (int x : {7, 10, 13}) {
            painter.fillRect(QRectF(x, 3, 1, 6), QColor(90, 62, 20));
            painter.fillRect(QRectF(x + 1, 3, 1, 6), QColor(246, 222, 160));
        }
        painter.end();
        return Keyed(canvas);
    };
    Save("WHB_POS", thumb(false));
    Save("WHB_FOCUS", thumb(true));

    const auto arrow = [](bool left) {
        return [left](QPainter& p, const QColor& c) {
            QPolygonF triangle;
            if (left)
                triangle << QPointF(4.5, 8) << QPointF(10.5, 4) << QPointF(10.5, 12);
            else
                triangle << QPointF(11.5, 8) << QPointF(5.5, 4) << QPointF(5.5, 12);
            p.setPen(Qt::NoPen);
            p.setBrush(c);
            p.drawPolygon(triangle);
        };
    };
    for (Look look : allLooks) {
        Save("WHB_LPOINT" + LookName(look), GlyphButton({16, 16}, look, DarkWood, arrow(true)));
        Save("WHB_RPOINT" + LookName(look), GlyphButton({16, 16}, look, DarkWood, arrow(false)));
    }
}

void Panel() {
    Save("WOP_TEX", WoodGrain(QColor(146, 100, 54), QColor(178, 128, 72), 5).Tile({80, 80}));

    // One profile from the outer edge inwards; sampled by nearest pixel, a frame of
    // width 3 shows dark wood, brass, dark wood.
    const QColor profile[10] = {DeepShadow, DarkWood,  MidWood, Brass,
                                Highlight,  Brass,     MidWood, QColor(98, 62, 31),
                                DarkWood,   DeepShadow};
    const auto piece = [&](const std::function<int(int, int)>& depth) {
        QImage image = Picture({10, 10}, QImage::Format_RGB888);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixelColor(x, y,
                                    profile[depth(std::clamp(DesignPixel(Design(x)), 0, 9),
                                                  std::clamp(DesignPixel(Design(y)), 0, 9))]);
        return image;
    };
    Save("WOP_LOB", piece([](int x, int y) { return std::min(x, y); }));
    Save("WOP_ROB", piece([](int x, int y) { return std::min(9 - x, y); }));
    Save("WOP_LUN", piece([](int x, int y) { return std::min(x, 9 - y); }));
    Save("WOP_RUN", piece([](int x, int y) { return std::min(9 - x, 9 - y); }));
    Save("WOP_OBE", piece([](int, int y) { return y; }));
    Save("WOP_UNT", piece([](int, int y) { return 9 - y; }));
    Save("WOP_LIN", piece([](int x, int) { return x; }));
    Save("WOP_REC", piece([](int x, int) { return 9 - x; }));

    // The title plate: dark wood so that the light title reads well.
    QImage title = Canvas({100, 20});
    RimmedPlate(title, QRectF(0, 0, 100, 20), 5, Brass, 2.5, DeepShadow, DarkWood, 9);
    Save("WOP_TIT", Over(title, DarkWood));
}

void ScrollBox() {
    Save("WSB_BACK", WoodGrain(QColor(84, 53, 27), QColor(118, 77, 41), 13).Tile({405, 123}));
}

// The edit field: an inset groove; drawn once wide and cut into the two ends and the
// middle, so the pieces always fit together.
void Edit() {
    const QColor around(150, 104, 55);
    for (bool focused : {false, true}) {
        QImage canvas = Canvas({40, 26});
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath outline;
        outline.addRoundedRect(QRectF(0, 0, 40, 26), 5, 5);
        painter.fillPath(outline, focused ? Highlight : MidWood);
        QPainterPath border;
        border.addRoundedRect(QRectF(1, 1, 38, 24), 4, 4);
        painter.fillPath(border, focused ? Brass : DeepShadow);
        QPainterPath inside;
        inside.addRoundedRect(QRectF(2, 2, 36, 22), 3, 3);
        QLinearGradient fill(0, 2, 0, 24);
        const QColor base = focused ? QColor(104, 68, 35) : QColor(70, 44, 22);
        fill.setColorAt(0, base.darker(160));
        fill.setColorAt(0.25, base);
        fill.setColorAt(1, base.lighter(110));
        painter.fillPath(inside, fill);
        painter.end();
        const QImage whole = Over(canvas, around);
        const QString name = focused ? "WDE_FOCUS" : "WDE_NORM";
        Save(name + "_LEFT", Cut(whole, QRect(0, 0, 8, 26)));
        Save(name + "_RIGHT", Cut(whole, QRect(32, 0, 8, 26)));
        Save(name, Stretched(Cut(whole, QRect(16, 0, 8, 26)), QSize(184, 26)));
    }
}

void CheckBox() {
    const QColor around(150, 104, 55);
    for (bool checked : {false, true}) {
        for (bool hover : {false, true}) {
            QImage canvas = Canvas({16, 16});
            QPainter painter(&canvas);
            painter.setRenderHint(QPainter::Antialiasing);
            QPainterPath outline;
            outline.addRoundedRect(QRectF(0, 0, 16, 16), 3.5, 3.5);
            painter.fillPath(outline, hover ? Highlight : DeepShadow);
            QPainterPath rim;
            rim.addRoundedRect(QRectF(1, 1, 14, 14), 2.5, 2.5);
            painter.fillPath(rim, hover ? Brass : QColor(150, 118, 52));
            QPainterPath inside;
            inside.addRoundedRect(QRectF(2.5, 2.5, 11, 11), 1.5, 1.5);
            QLinearGradient fill(0, 2, 0, 14);
            fill.setColorAt(0, DeepShadow);
            fill.setColorAt(1, hover ? QColor(98, 62, 31) : DarkWood);
            painter.fillPath(inside, fill);
            if (checked) {
                painter.setPen(QPen(hover ? QColor(251, 247, 230) : TextLight, 2.2, Qt::SolidLine,
                                    Qt::RoundCap, Qt::RoundJoin));
                painter.drawPolyline(QPolygonF()
                                     << QPointF(4.5, 8.2) << QPointF(7, 11) << QPointF(11.8, 4.6));
            }
            painter.end();
            const QString name =
                QString("WCB_") + (checked ? "TRUE" : "FALSE") + (hover ? "_MOVE" : "");
            Save(name, Over(canvas, around));
        }
    }
}

// Background of the notice and question boxes: a wooden frame, a parchment field for
// the text and the buttons, and a plate at the top centre for the caption.
void MessageBack() {
    QImage canvas = Frame({280, 140}, 17);
    Parchment(canvas, QRectF(9, 30, 262, 101), 21);
    {
        // Brass nails in the top corners of the frame.
        QPainter painter(&canvas);
        Nail(painter, QPointF(16, 15));
        Nail(painter, QPointF(264, 15));
    }
    RimmedPlate(canvas, QRectF(76, 3, 128, 22), 5, Brass, 2.5, DeepShadow, QColor(84, 53, 27), 23);
    Save("WMSG_BACK", Over(canvas, DarkWood));
}

} // namespace

int main(int argc, char** argv) {
    return RunGenerator(argc, argv, "skingen <output folder>", [](const QString& folder) {
        outputFolder = folder;
        PushButtons();
        WindowButtons();
        ToolButtons();
        HorBar();
        Panel();
        ScrollBox();
        Edit();
        CheckBox();
        MessageBack();
        std::printf("%d skin bitmaps written to %s\n", written, qPrintable(folder));
    });
}
