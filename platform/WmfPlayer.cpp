#include "platform/WmfPlayer.h"

#include "platform/AppError.h"
#include "platform/PictureLimits.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QRegion>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <set>
#include <utility>
#include <vector>

// Record parameters are stored little-endian and, for most drawing records, in the
// reverse order of the drawing call's arguments (bottom, right, top, left).

namespace {

constexpr quint32 PlaceableKey = 0x9AC6CDD7;
constexpr qsizetype PlaceableHeaderSize = 22;
constexpr qsizetype StandardHeaderSize = 18;
constexpr qsizetype RecordHeaderSize = 6;

// Saved device contexts and clip rectangles cost memory and time per record; real
// pictures use a handful.
constexpr qsizetype MaximumSavedStates = 1024;
constexpr int MaximumClipRects = 4096;
constexpr qsizetype MaximumObjects = 65535;
constexpr int MaximumFontPixels = 4096;

// Drawing work is estimated before each record is drawn, in nanoseconds of Qt's raster
// engine with antialiasing on a typical desktop machine, and a picture may cost at most
// WorkBudget: a small hostile file then ends in an error within about half a second instead
// of keeping the program busy for minutes. The estimates err on the high side.
constexpr double WorkBudget = 300e6;
// Reading and dispatching a record; a record that draws costs DrawCallCost more for the
// painter's work around every call.
constexpr double RecordCost = 400;
constexpr double DrawCallCost = 1600;
// A device pixel filled with a solid colour, and with a pattern or a scaled bitmap.
constexpr double SolidPixelCost = 1;
constexpr double PatternPixelCost = 6;
// A device pixel of a thin (cosmetic) line.
constexpr double LinePixelCost = 40;
// Filling a shape costs EdgeRowCost * cells^1.5, where cells adds up the pixel cells that the
// antialiasing rasteriser visits along each edge (a row for each row and a column for each
// column it crosses inside the picture, plus one per edge): the rasteriser keeps the cells of
// a row sorted, so many edges crossing the same rows cost far more than their number. A
// zigzag of 500 corners over 1000 rows takes seconds; a round outline of as many corners
// takes milliseconds.
constexpr double EdgeRowCost = 45;
// A pixel of a glyph's square, and a byte of an embedded bitmap to decode.
constexpr double GlyphPixelCost = 8;
constexpr double BitmapByteCost = 2;
constexpr double BitmapPixelCost = 4;
// A rectangle of the clip region, each time the region changes.
constexpr double ClipRectCost = 50;

namespace Function {
enum : quint16 {
    Eof = 0x0000,
    SaveDC = 0x001E,
    RealizePalette = 0x0035,
    SetPalEntries = 0x0037,
    CreatePalette = 0x00F7,
    SetBkMode = 0x0102,
    SetMapMode = 0x0103,
    SetRop2 = 0x0104,
    SetRelAbs = 0x0105,
    SetPolyFillMode = 0x0106,
    SetStretchBltMode = 0x0107,
    SetTextCharExtra = 0x0108,
    RestoreDC = 0x0127,
    SelectClipRegion = 0x012C,
    SelectObject = 0x012D,
    SetTextAlign = 0x012E,
    DibCreatePatternBrush = 0x0142,
    DeleteObject = 0x01F0,
    CreatePatternBrush = 0x01F9,
    SetBkColor = 0x0201,
    SetTextColor = 0x0209,
    SetWindowOrg = 0x020B,
    SetWindowExt = 0x020C,
    SetViewportOrg = 0x020D,
    SetViewportExt = 0x020E,
    OffsetWindowOrg = 0x020F,
    OffsetViewportOrg = 0x0211,
    LineTo = 0x0213,
    MoveTo = 0x0214,
    SelectPalette = 0x0234,
    CreatePenIndirect = 0x02FA,
    CreateFontIndirect = 0x02FB,
    CreateBrushIndirect = 0x02FC,
    Polygon = 0x0324,
    Polyline = 0x0325,
    ScaleWindowExt = 0x0410,
    ScaleViewportExt = 0x0412,
    ExcludeClipRect = 0x0415,
    IntersectClipRect = 0x0416,
    Ellipse = 0x0418,
    Rectangle = 0x041B,
    SetPixel = 0x041F,
    TextOut = 0x0521,
    PolyPolygon = 0x0538,
    RoundRect = 0x061C,
    PatBlt = 0x061D,
    CreateRegion = 0x06FF,
    Arc = 0x0817,
    Pie = 0x081A,
    Chord = 0x0830,
    DibBitBlt = 0x0940,
    ExtTextOut = 0x0A32,
    DibStretchBlt = 0x0B41,
    SetDIBitsToDevice = 0x0D33,
    StretchDIB = 0x0F43,
};
} // namespace Function

[[noreturn]] void Malformed(const QString& detail) {
    throw AppError(QStringLiteral("Die WMF-Daten sind beschädigt: %1").arg(detail));
}

// Little-endian reads that never leave [data, data + size).
class Reader {
public:
    Reader(const uchar* data, qsizetype size) : data(data), size(size) {}

    qsizetype Remaining() const { return size - offset; }

    const uchar* Take(qsizetype count) {
        if (count < 0 || count > Remaining())
            Malformed(QStringLiteral("ein Datensatz ist kürzer als sein Inhalt."));
        const uchar* at = data + offset;
        offset += count;
        return at;
    }
    quint16 U16() {
        const uchar* p = Take(2);
        return static_cast<quint16>(p[0] | (p[1] << 8));
    }
    qint16 I16() { return static_cast<qint16>(U16()); }
    quint32 U32() {
        const quint32 low = U16();
        return low | (static_cast<quint32>(U16()) << 16);
    }
    QColor Color() {
        const uchar* p = Take(4);
        return QColor(p[0], p[1], p[2]);
    }
    QPointF PointYX() // y first, as most records store it
    {
        const qint16 y = I16();
        return QPointF(I16(), y);
    }
    QPointF PointXY() {
        const qint16 x = I16();
        return QPointF(x, I16());
    }
    QRectF RectBRTL() // bottom, right, top, left
    {
        const qint16 bottom = I16();
        const qint16 right = I16();
        const qint16 top = I16();
        const qint16 left = I16();
        return QRectF(QPointF(left, top), QPointF(right, bottom)).normalized();
    }

private:
    const uchar* data;
    qsizetype size;
    qsizetype offset = 0;
};

struct Record {
    quint16 function;
    const uchar* params;
    qsizetype size; // bytes of parameters
};

struct Header {
    bool placeable = false;
    QRectF bounds;
    int inch = 0;
    int objectCount = 0;
    qsizetype recordsOffset = 0;
};

Header ReadHeader(const QByteArray& data) {
    const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
    Reader reader(bytes, data.size());
    Header header;
    if (data.size() >= 4 && Reader(bytes, 4).U32() == PlaceableKey) {
        if (data.size() < PlaceableHeaderSize + StandardHeaderSize)
            Malformed(QStringLiteral("der Dateikopf ist unvollständig."));
        reader.Take(4 + 2); // key, handle
        const qint16 left = reader.I16();
        const qint16 top = reader.I16();
        const qint16 right = reader.I16();
        const qint16 bottom = reader.I16();
        header.inch = reader.U16();
        reader.Take(4 + 2); // reserved, checksum
        header.placeable = true;
        header.bounds = QRectF(QPointF(left, top), QPointF(right, bottom));
        if (header.inch == 0)
            Malformed(QStringLiteral("der Dateikopf nennt keine Auflösung."));
    }
    if (reader.Remaining() < StandardHeaderSize)
        throw AppError(QStringLiteral("Die Daten sind kein gültiges WMF-Bild."));
    const quint16 type = reader.U16();
    const quint16 headerWords = reader.U16();
    if ((type != 1 && type != 2) || headerWords != StandardHeaderSize / 2)
        throw AppError(QStringLiteral("Die Daten sind kein gültiges WMF-Bild."));
    reader.U16(); // version
    reader.U32(); // size in words: often wrong in the wild, the records decide
    header.objectCount = reader.U16();
    reader.U32(); // largest record
    reader.U16(); // unused
    header.recordsOffset = data.size() - reader.Remaining();
    return header;
}

// Walks the record chain; the callback sees each record up to the end-of-file record.
// Every record must fit the data and be at least a record header long, so the walk
// always moves forward and ends.
template <typename Visit>
void ForEachRecord(const QByteArray& data, qsizetype offset, Visit&& visit) {
    const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
    while (data.size() - offset >= RecordHeaderSize) {
        Reader reader(bytes + offset, RecordHeaderSize);
        const quint32 words = reader.U32();
        const quint16 function = reader.U16();
        if (words < RecordHeaderSize / 2)
            Malformed(QStringLiteral("ein Datensatz hat eine ungültige Länge."));
        if (words > static_cast<quint64>(data.size() - offset) / 2)
            Malformed(QStringLiteral("ein Datensatz reicht über das Dateiende hinaus."));
        const qsizetype length = static_cast<qsizetype>(words) * 2;
        if (function == Function::Eof)
            return;
        if (!visit(Record{function, bytes + offset + RecordHeaderSize, length - RecordHeaderSize}))
            return;
        offset += length;
    }
}

QSize SizeOf(const QByteArray& data, const Header& header) {
    double width = 0;
    double height = 0;
    if (header.placeable) {
        width = std::abs(header.bounds.width()) * 96.0 / header.inch;
        height = std::abs(header.bounds.height()) * 96.0 / header.inch;
    } else {
        ForEachRecord(data, header.recordsOffset, [&](const Record& record) {
            if (record.function != Function::SetWindowExt)
                return true;
            const QPointF extent = Reader(record.params, record.size).PointYX();
            width = std::abs(extent.x());
            height = std::abs(extent.y());
            return false;
        });
    }
    const qint64 w = std::llround(width);
    const qint64 h = std::llround(height);
    if (w <= 0 || h <= 0)
        throw AppError(QStringLiteral("Das WMF-Bild nennt keine Bildgröße."));
    if (!PictureLimits::IsAcceptable(w, h))
        throw AppError(PictureLimits::TooLargeMessage(w, h));
    return QSize(static_cast<int>(w), static_cast<int>(h));
}

// Windows code page 1252: Latin-1 except for the printable characters in 0x80 ... 0x9F.
QString DecodeAnsi(const uchar* text, qsizetype length) {
    static const char16_t high[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QString result;
    result.reserve(length);
    for (qsizetype i = 0; i < length; ++i) {
        const uchar c = text[i];
        result += (c >= 0x80 && c < 0xA0) ? QChar(high[c - 0x80]) : QChar(c);
    }
    return result;
}

// A device-independent bitmap as stored in a record: header, colour table, pixels. Qt's
// BMP reader decodes it once we put a file header in front. Returns a null image for
// kinds we do not draw (palette-indexed colours, embedded JPEG/PNG). The cost of decoding is
// charged once the header is known to be sound, before anything is allocated.
QImage DecodeDib(Reader& reader, const std::function<void(double)>& charge) {
    const qsizetype available = reader.Remaining();
    const uchar* dib = reader.Take(available);
    Reader header(dib, available);
    const quint32 headerSize = header.U32();
    qint64 width = 0;
    qint64 height = 0;
    int bitCount = 0;
    quint32 compression = 0;
    qint64 colours = 0;
    qint64 entrySize = 4;
    if (headerSize == 12) {
        width = header.U16();
        height = header.U16();
        header.U16();
        bitCount = header.U16();
        entrySize = 3;
    } else if (headerSize >= 40 && headerSize <= 1024) {
        width = static_cast<qint32>(header.U32());
        height = static_cast<qint32>(header.U32());
        header.U16();
        bitCount = header.U16();
        compression = header.U32();
        header.Take(12); // image size, resolution
        colours = header.U32();
    } else {
        Malformed(QStringLiteral("ein eingebettetes Bild hat einen unbekannten Kopf."));
    }
    height = std::abs(height);
    // No bitmap inside a picture needs more pixels than the whole picture is drawn with.
    if (width <= 0 || height <= 0 || width * height > WmfPlayer::MaximumRenderPixels)
        Malformed(QStringLiteral("ein eingebettetes Bild hat eine ungültige Größe."));
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 &&
        bitCount != 32)
        Malformed(QStringLiteral("ein eingebettetes Bild hat eine ungültige Farbtiefe."));
    if (colours == 0 && bitCount <= 8)
        colours = qint64(1) << bitCount;
    if (colours > 256)
        Malformed(QStringLiteral("ein eingebettetes Bild hat eine zu große Farbtabelle."));
    qint64 tableSize = colours * entrySize;
    if (compression == 3 && headerSize == 40)
        tableSize += 12; // the three colour masks follow the header
    const qint64 pixelOffset = headerSize + tableSize;
    if (pixelOffset > available)
        Malformed(QStringLiteral("ein eingebettetes Bild ist unvollständig."));

    // The pixel data must be there before Qt allocates the picture, or a short record could
    // demand a large allocation again and again.
    const qint64 pixelBytes = available - pixelOffset;
    if (compression == 0 || compression == 3) {
        const qint64 stride = ((width * bitCount + 31) / 32) * 4;
        if (stride * height > pixelBytes)
            Malformed(QStringLiteral("ein eingebettetes Bild ist unvollständig."));
    } else if (compression == 1 || compression == 2) {
        if (width * height > 256 * pixelBytes + 65536)
            Malformed(QStringLiteral("ein eingebettetes Bild ist unvollständig."));
    } else {
        return {};
    }

    charge(BitmapByteCost * static_cast<double>(available) +
           BitmapPixelCost * static_cast<double>(width * height));
    QByteArray file;
    file.reserve(14 + available);
    const auto put32 = [&file](quint32 value) {
        for (int i = 0; i < 4; ++i)
            file.append(static_cast<char>((value >> (8 * i)) & 0xFF));
    };
    file.append("BM", 2);
    put32(static_cast<quint32>(14 + available));
    put32(0);
    put32(static_cast<quint32>(14 + pixelOffset));
    file.append(reinterpret_cast<const char*>(dib), available);
    QImage image = QImage::fromData(file, "BMP");
    if (image.isNull())
        Malformed(QStringLiteral("ein eingebettetes Bild kann nicht gelesen werden."));
    return image;
}

struct LogFont {
    int height = 0;
    int escapement = 0;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    QString face;
};

struct GdiObject {
    enum class Type { Pen, Brush, Font, Other } type = Type::Other;
    QPen pen;
    QBrush brush;
    LogFont font;
};

// The drawing state GDI keeps in a device context; SaveDC/RestoreDC copy it whole.
struct DeviceState {
    QPen pen{QColor(Qt::black), 0};
    QBrush brush{Qt::white};
    LogFont font;
    QColor textColor = Qt::black;
    QColor backgroundColor = Qt::white;
    bool opaqueBackground = true;
    Qt::FillRule fillRule = Qt::OddEvenFill;
    quint16 textAlign = 0;
    bool smoothStretch = false; // HALFTONE; the other modes pick pixels
    int mapMode = 8;            // anisotropic: the window is mapped onto the picture's frame
    QPointF windowOrigin;
    QSizeF windowExtent{1, 1};
    QPointF viewportOrigin;
    QSizeF viewportExtent{1, 1};
    QPointF position;
    QRegion clip; // device pixels
};

class Playback {
public:
    Playback(QPainter& painter, const Header& header, QSize pixelSize, const QRectF& target)
        : painter(painter) {
        device = QTransform::fromTranslate(target.left(), target.top());
        device.scale(target.width() / pixelSize.width(), target.height() / pixelSize.height());
        objects.resize(static_cast<size_t>(header.objectCount));
        for (size_t i = 0; i < objects.size(); ++i)
            freeSlots.insert(i);
        frame = target;
        if (header.placeable) {
            state.windowOrigin = header.bounds.topLeft();
            state.windowExtent = header.bounds.size();
        } else {
            state.windowExtent = pixelSize;
        }
        state.viewportExtent = pixelSize;
        state.clip = QRegion(device.mapRect(QRectF(QPointF(0, 0), pixelSize)).toAlignedRect());
        ApplyState();
    }

    void Run(const QByteArray& data, qsizetype offset) {
        ForEachRecord(data, offset, [this](const Record& record) {
            Charge(RecordCost);
            Reader reader(record.params, record.size);
            Execute(record.function, reader, record.size);
            return true;
        });
    }

private:
    QPainter& painter;
    QTransform device; // picture pixels -> painter coordinates
    DeviceState state;
    std::vector<DeviceState> saved;
    std::vector<std::optional<GdiObject>> objects;
    std::set<size_t> freeSlots; // GDI fills the lowest free slot first
    QRectF frame;               // the target, in painter coordinates
    double budget = WorkBudget;

    void Charge(double nanoseconds) {
        budget -= std::isfinite(nanoseconds) ? nanoseconds : budget + 1;
        if (budget < 0)
            throw AppError(QStringLiteral("Das WMF-Bild ist zu aufwendig, um es zu zeichnen."));
    }

    void ChargeDrawing(double nanoseconds) { Charge(DrawCallCost + nanoseconds); }

    double PixelCost() const {
        const Qt::BrushStyle style = state.brush.style();
        return style == Qt::SolidPattern || style == Qt::NoBrush ? SolidPixelCost
                                                                 : PatternPixelCost;
    }

    // The device pixels of a logical rectangle that lie in the picture.
    double PaintedArea(const QRectF& logical) const {
        const QRectF painted = painter.worldTransform().mapRect(logical).intersected(frame);
        return painted.width() * painted.height();
    }

    // The extent of the range a to b that lies within low ... high.
    static double Within(double a, double b, double low, double high) {
        return std::max(0.0, std::min(std::max(a, b), high) - std::max(std::min(a, b), low));
    }

    // The rows of the picture that the device line from y0 to y1 crosses, plus one.
    double RowsCrossed(double y0, double y1) const {
        return Within(y0, y1, frame.top(), frame.bottom()) + 1;
    }

    // The pixel cells of the picture that the rasteriser visits along an edge: one per row
    // and one per column it crosses inside the picture, plus one.
    double CellsCrossed(const QLineF& line) const {
        return Within(line.y1(), line.y2(), frame.top(), frame.bottom()) +
               Within(line.x1(), line.x2(), frame.left(), frame.right()) + 1;
    }

    static double FillCost(double rows, double area, double pixelCost) {
        return EdgeRowCost * std::pow(rows, 1.5) + pixelCost * area;
    }

    double PenWidth() const {
        const QTransform world = painter.worldTransform();
        return state.pen.isCosmetic()
                   ? 1.0
                   : std::max(1.0, state.pen.widthF() * std::hypot(world.m11(), world.m12()));
    }

    // The line of a pen along the segments: a thin pen is drawn pixel by pixel along the
    // line, a wide one is filled as the outline around it.
    double StrokeCost(const std::vector<QLineF>& segments) const {
        if (state.pen.style() == Qt::NoPen || segments.empty())
            return 0;
        const double width = PenWidth();
        const double longest = 2 * (frame.width() + frame.height());
        double length = 0;
        double rows = 0;
        for (const QLineF& line : segments) {
            length += std::min(line.length(), longest); // clipped to the picture
            rows += 2 * (CellsCrossed(line) + 2 * width);
        }
        if (state.pen.isCosmetic() || width <= 1)
            return LinePixelCost * length;
        return FillCost(rows, std::min(length * width, frame.width() * frame.height()),
                        SolidPixelCost);
    }

    std::vector<QLineF> DeviceSegments(const QPointF* points, size_t count, bool closed) const {
        std::vector<QLineF> segments;
        if (count == 0)
            return segments;
        const QTransform world = painter.worldTransform();
        const size_t last = closed ? count : count - 1;
        segments.reserve(last);
        for (size_t i = 0; i < last; ++i)
            segments.emplace_back(world.map(points[i]), world.map(points[(i + 1) % count]));
        return segments;
    }

    // A polygon or a set of them filled in one go, and its outline.
    void ChargePolygons(const std::vector<std::vector<QLineF>>& outlines) {
        double rows = 0;
        QRectF bounds;
        double stroke = 0;
        for (const std::vector<QLineF>& outline : outlines) {
            for (const QLineF& line : outline) {
                rows += CellsCrossed(line);
                bounds |= QRectF(line.p1(), line.p2()).normalized();
            }
            stroke += StrokeCost(outline);
        }
        double fill = 0;
        if (state.brush.style() != Qt::NoBrush) {
            const QRectF painted = bounds.intersected(frame);
            fill = FillCost(rows, painted.width() * painted.height(), PixelCost());
        }
        ChargeDrawing(fill + stroke);
    }

    void ChargePolyline(const QPointF* points, size_t count) {
        ChargeDrawing(StrokeCost(DeviceSegments(points, count, false)));
    }

    // Rectangles, ellipses and arcs: two edges per row and the area inside, with the
    // outline as four lines around the box.
    void ChargeShape(const QRectF& logical, bool filled) {
        const QRectF device = painter.worldTransform().mapRect(logical.normalized());
        double fill = 0;
        if (filled && state.brush.style() != Qt::NoBrush)
            fill = FillCost(2 * RowsCrossed(device.top(), device.bottom()) + 64,
                            PaintedArea(logical.normalized()), PixelCost());
        const std::vector<QLineF> box = {QLineF(device.topLeft(), device.topRight()),
                                         QLineF(device.topRight(), device.bottomRight()),
                                         QLineF(device.bottomRight(), device.bottomLeft()),
                                         QLineF(device.bottomLeft(), device.topLeft())};
        ChargeDrawing(fill + StrokeCost(box));
    }

    // A bitmap drawn into a logical rectangle, after its bytes were decoded.
    void ChargeBitmap(qsizetype bytes, double deviceArea) {
        const double area = std::min(std::abs(deviceArea), frame.width() * frame.height());
        ChargeDrawing(BitmapByteCost * static_cast<double>(bytes) + PatternPixelCost * area);
    }

    QTransform Mapping() const {
        double sx = 1;
        double sy = 1;
        const auto metric = [&](double unitsPerInch) {
            sx = 96.0 / unitsPerInch;
            sy = -sx;
        };
        switch (state.mapMode) {
        case 2:
            metric(254);
            break;
        case 3:
            metric(2540);
            break;
        case 4:
            metric(100);
            break;
        case 5:
            metric(1000);
            break;
        case 6:
            metric(1440);
            break;
        case 7:
        case 8:
            if (state.windowExtent.width() != 0)
                sx = state.viewportExtent.width() / state.windowExtent.width();
            if (state.windowExtent.height() != 0)
                sy = state.viewportExtent.height() / state.windowExtent.height();
            if (state.mapMode == 7) {
                const double both = std::min(std::abs(sx), std::abs(sy));
                sx = std::copysign(both, sx);
                sy = std::copysign(both, sy);
            }
            break;
        default:
            break;
        }
        // Repeated scaling records can drive the extents to zero or infinity; keep the
        // mapping finite so that painting and the work limit stay meaningful.
        const auto tame = [](double scale) {
            if (!std::isfinite(scale) || scale == 0)
                return 1.0;
            return std::copysign(std::clamp(std::abs(scale), 1e-6, 1e6), scale);
        };
        sx = tame(sx);
        sy = tame(sy);
        return QTransform(sx, 0, 0, sy, state.viewportOrigin.x() - state.windowOrigin.x() * sx,
                          state.viewportOrigin.y() - state.windowOrigin.y() * sy);
    }

    void ApplyState() {
        painter.setWorldTransform(QTransform());
        painter.setClipRegion(state.clip);
        painter.setWorldTransform(Mapping() * device);
        painter.setPen(state.pen);
        painter.setBrush(state.brush);
        painter.setBackground(state.backgroundColor);
        painter.setBackgroundMode(state.opaqueBackground ? Qt::OpaqueMode : Qt::TransparentMode);
    }

    void UpdateMapping() { painter.setWorldTransform(Mapping() * device); }

    void AddObject(GdiObject object) {
        if (!freeSlots.empty()) {
            objects[*freeSlots.begin()] = std::move(object);
            freeSlots.erase(freeSlots.begin());
        } else if (objects.size() < static_cast<size_t>(MaximumObjects)) {
            objects.push_back(std::move(object)); // the header's count was too small
        } else {
            Malformed(QStringLiteral("die Datei legt zu viele Zeichenobjekte an."));
        }
    }

    std::optional<GdiObject>* ObjectAt(quint16 index) {
        if (index >= objects.size())
            return nullptr;
        return &objects[index];
    }

    void SelectObject(quint16 index) {
        std::optional<GdiObject>* slot = ObjectAt(index);
        if (!slot || !slot->has_value())
            return; // GDI ignores a selection of a missing object as well
        const GdiObject& object = **slot;
        switch (object.type) {
        case GdiObject::Type::Pen:
            state.pen = object.pen;
            painter.setPen(state.pen);
            break;
        case GdiObject::Type::Brush:
            state.brush = object.brush;
            painter.setBrush(state.brush);
            break;
        case GdiObject::Type::Font:
            state.font = object.font;
            break;
        case GdiObject::Type::Other:
            break;
        }
    }

    static QPen MakePen(Reader& reader) {
        const quint16 style = reader.U16();
        const qint16 width = reader.I16();
        reader.I16(); // height of the width point: unused
        const QColor colour = reader.Color();
        const int kind = style & 0x0F;
        if (kind == 5)
            return QPen(Qt::NoPen);
        QPen pen(colour);
        // Styled lines exist only one pixel wide; wider pens draw solid.
        const int logicalWidth = std::abs(static_cast<int>(width));
        pen.setWidthF(logicalWidth);
        pen.setCosmetic(logicalWidth <= 1);
        if (logicalWidth <= 1) {
            pen.setWidth(1);
            static const Qt::PenStyle dashes[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine,
                                                  Qt::DashDotLine, Qt::DashDotDotLine};
            if (kind >= 1 && kind <= 4)
                pen.setStyle(dashes[kind]);
        }
        switch (style & 0x0F00) {
        case 0x0100:
            pen.setCapStyle(Qt::SquareCap);
            break;
        case 0x0200:
            pen.setCapStyle(Qt::FlatCap);
            break;
        default:
            pen.setCapStyle(Qt::RoundCap);
            break;
        }
        switch (style & 0xF000) {
        case 0x1000:
            pen.setJoinStyle(Qt::BevelJoin);
            break;
        case 0x2000:
            pen.setJoinStyle(Qt::MiterJoin);
            break;
        default:
            pen.setJoinStyle(Qt::RoundJoin);
            break;
        }
        return pen;
    }

    static QBrush MakeBrush(Reader& reader) {
        const quint16 style = reader.U16();
        const QColor colour = reader.Color();
        const quint16 hatch = reader.U16();
        switch (style) {
        case 1:
            return QBrush(Qt::NoBrush);
        case 2: {
            static const Qt::BrushStyle hatches[] = {Qt::HorPattern,   Qt::VerPattern,
                                                     Qt::FDiagPattern, Qt::BDiagPattern,
                                                     Qt::CrossPattern, Qt::DiagCrossPattern};
            return QBrush(colour, hatch < 6 ? hatches[hatch] : Qt::SolidPattern);
        }
        default:
            return QBrush(colour);
        }
    }

    static LogFont MakeFont(Reader& reader) {
        LogFont font;
        font.height = reader.I16();
        reader.I16(); // width: Qt chooses the natural width
        font.escapement = reader.I16();
        reader.I16(); // orientation
        font.weight = reader.I16();
        const uchar* flags = reader.Take(8);
        font.italic = flags[0] != 0;
        font.underline = flags[1] != 0;
        font.strikeOut = flags[2] != 0;
        const qsizetype faceLength = std::min<qsizetype>(32, reader.Remaining());
        const uchar* face = reader.Take(faceLength);
        const qsizetype length = std::find(face, face + faceLength, 0) - face;
        font.face = DecodeAnsi(face, length);
        return font;
    }

    void DrawShape(const QPainterPath& path) { painter.drawPath(path); }

    void DrawArc(quint16 function, Reader& reader) {
        const QPointF end = reader.PointYX();
        const QPointF start = reader.PointYX();
        const QRectF box = reader.RectBRTL();
        if (box.width() <= 0 || box.height() <= 0)
            return;
        const QPointF centre = box.center();
        const auto angle = [&](QPointF p) {
            return std::atan2(-(p.y() - centre.y()) / box.height(),
                              (p.x() - centre.x()) / box.width()) *
                   180.0 / M_PI;
        };
        const double from = angle(start);
        double span = angle(end) - from;
        while (span <= 0)
            span += 360; // counter-clockwise; equal points make a full ellipse
        QPainterPath path;
        if (function == Function::Pie) {
            path.moveTo(centre);
            path.arcTo(box, from, span);
            path.closeSubpath();
        } else {
            path.arcMoveTo(box, from);
            path.arcTo(box, from, span);
            if (function == Function::Chord)
                path.closeSubpath();
        }
        ChargeShape(box, function != Function::Arc);
        if (function == Function::Arc) {
            painter.strokePath(path, state.pen);
            return;
        }
        path.setFillRule(state.fillRule);
        DrawShape(path);
    }

    std::vector<QPointF> ReadPoints(Reader& reader, qsizetype count) {
        if (count < 0 || count * 4 > reader.Remaining())
            Malformed(QStringLiteral("eine Punktliste ist länger als ihr Datensatz."));
        std::vector<QPointF> points(static_cast<size_t>(count));
        for (QPointF& point : points)
            point = reader.PointXY();
        return points;
    }

    void DrawPolyPolygon(Reader& reader) {
        const qsizetype polygons = reader.U16();
        if (polygons * 2 > reader.Remaining())
            Malformed(QStringLiteral("eine Punktliste ist länger als ihr Datensatz."));
        std::vector<qsizetype> counts(static_cast<size_t>(polygons));
        qsizetype total = 0;
        for (qsizetype& count : counts) {
            count = reader.U16();
            total += count;
        }
        const std::vector<QPointF> points = ReadPoints(reader, total);
        QPainterPath path;
        path.setFillRule(state.fillRule);
        std::vector<std::vector<QLineF>> outlines;
        auto next = points.begin();
        for (qsizetype count : counts) {
            if (count > 0)
                outlines.push_back(DeviceSegments(&*next, static_cast<size_t>(count), true));
            next += count;
        }
        ChargePolygons(outlines);
        next = points.begin();
        for (qsizetype count : counts) {
            if (count > 0) {
                path.addPolygon(QPolygonF(QList<QPointF>(next, next + count)));
                path.closeSubpath();
            }
            next += count;
        }
        DrawShape(path);
    }

    // Text is laid out in device pixels so that it stays upright and readable under
    // mirrored or metric mappings.
    void DrawText(QPointF origin, const QString& text, const std::vector<qint16>& advances,
                  std::optional<QRectF> opaqueRect, std::optional<QRectF> clipRect) {
        const QTransform world = painter.worldTransform();
        const double scaleX = std::hypot(world.m11(), world.m12());
        const double scaleY = std::hypot(world.m21(), world.m22());
        QFont font;
        if (!state.font.face.isEmpty())
            font.setFamily(state.font.face);
        double pixels = state.font.height == 0 ? 16.0 : std::abs(state.font.height) * scaleY;
        if (state.font.height > 0)
            pixels *= 0.85; // a positive height counts the cell, not the character
        font.setPixelSize(std::clamp(static_cast<int>(std::lround(pixels)), 1, MaximumFontPixels));
        if (state.font.weight > 0)
            font.setWeight(static_cast<QFont::Weight>(std::clamp(state.font.weight, 100, 900)));
        font.setItalic(state.font.italic);
        font.setUnderline(state.font.underline);
        font.setStrikeOut(state.font.strikeOut);
        const QFontMetricsF metrics(font);
        ChargeDrawing(GlyphPixelCost * font.pixelSize() * font.pixelSize() *
                      static_cast<double>(text.size()));
        if (opaqueRect)
            Charge(SolidPixelCost * PaintedArea(*opaqueRect));

        painter.save();
        if (opaqueRect)
            painter.fillRect(*opaqueRect, state.backgroundColor);
        if (clipRect)
            painter.setClipRect(*clipRect, Qt::IntersectClip);
        const bool updatePosition = state.textAlign & 1;
        const QPointF anchor = world.map(updatePosition ? state.position : origin);
        painter.setWorldTransform(QTransform());
        painter.translate(anchor);
        painter.rotate(-state.font.escapement / 10.0);
        painter.setFont(font);

        double width = 0;
        std::vector<double> offsets;
        if (!advances.empty()) {
            for (qsizetype i = 0; i < text.size(); ++i) {
                offsets.push_back(width);
                width += (i < static_cast<qsizetype>(advances.size()) ? advances[i] : 0) * scaleX;
            }
        } else {
            width = metrics.horizontalAdvance(text);
        }
        double x = 0;
        switch (state.textAlign & 6) {
        case 2:
            x = -width;
            break;
        case 6:
            x = -width / 2;
            break;
        default:
            break;
        }
        double baseline = metrics.ascent();
        switch (state.textAlign & 24) {
        case 8:
            baseline = -metrics.descent();
            break;
        case 24:
            baseline = 0;
            break;
        default:
            break;
        }
        if (state.opaqueBackground && !opaqueRect)
            painter.fillRect(QRectF(x, baseline - metrics.ascent(), width, metrics.height()),
                             state.backgroundColor);
        painter.setPen(state.textColor);
        if (offsets.empty()) {
            painter.drawText(QPointF(x, baseline), text);
        } else {
            for (qsizetype i = 0; i < text.size(); ++i)
                painter.drawText(QPointF(x + offsets[i], baseline), QString(text[i]));
        }
        painter.restore();
        if (updatePosition && scaleX > 0)
            state.position.rx() += width / scaleX;
    }

    void TextOut(Reader& reader) {
        const qsizetype length = reader.I16();
        if (length < 0)
            Malformed(QStringLiteral("ein Text hat eine negative Länge."));
        const uchar* text = reader.Take(length + (length & 1));
        const QPointF origin = reader.PointYX();
        DrawText(origin, DecodeAnsi(text, length), {}, std::nullopt, std::nullopt);
    }

    void ExtTextOut(Reader& reader) {
        const QPointF origin = reader.PointYX();
        const qsizetype length = reader.I16();
        const quint16 options = reader.U16();
        if (length < 0)
            Malformed(QStringLiteral("ein Text hat eine negative Länge."));
        std::optional<QRectF> rect;
        if (options & 0x0006) {
            const qint16 left = reader.I16();
            const qint16 top = reader.I16();
            const qint16 right = reader.I16();
            const qint16 bottom = reader.I16();
            rect = QRectF(QPointF(left, top), QPointF(right, bottom)).normalized();
        }
        const uchar* text = reader.Take(length + (length & 1));
        std::vector<qint16> advances;
        if (reader.Remaining() >= length * 2) {
            advances.resize(static_cast<size_t>(length));
            for (qint16& advance : advances)
                advance = reader.I16();
        }
        const std::optional<QRectF> opaque = (options & 0x0002) ? rect : std::nullopt;
        const std::optional<QRectF> clip = (options & 0x0004) ? rect : std::nullopt;
        DrawText(origin, DecodeAnsi(text, length), advances, opaque, clip);
    }

    static QPainter::CompositionMode ModeFor(quint32 rasterOperation) {
        switch (rasterOperation) {
        case 0x008800C6:
            return QPainter::RasterOp_SourceAndDestination;
        case 0x00EE0086:
            return QPainter::RasterOp_SourceOrDestination;
        case 0x00660046:
            return QPainter::RasterOp_SourceXorDestination;
        default:
            return QPainter::CompositionMode_SourceOver;
        }
    }

    // A raster operation without a source: black, white, inverted or the brush.
    void FillWithoutSource(quint32 rasterOperation, const QRectF& rect) {
        painter.save();
        painter.setPen(Qt::NoPen);
        switch (rasterOperation) {
        case 0x00000042:
            painter.setBrush(Qt::black);
            break;
        case 0x00FF0062:
            painter.setBrush(Qt::white);
            break;
        case 0x00550009:
            painter.setCompositionMode(QPainter::RasterOp_NotDestination);
            painter.setBrush(Qt::white);
            break;
        case 0x00AA0029:
            painter.restore();
            return; // leaves the destination alone
        default:
            break;
        }
        const QRectF device = painter.worldTransform().mapRect(rect);
        ChargeDrawing(FillCost(2 * RowsCrossed(device.top(), device.bottom()), PaintedArea(rect),
                               PixelCost()));
        painter.drawRect(rect);
        painter.restore();
    }

    // source is in the bitmap's pixels with the top row at y = 0.
    void DrawBitmap(const QImage& image, QRectF source, const QRectF& destination,
                    quint32 rasterOperation) {
        if (image.isNull() || source.width() == 0 || source.height() == 0)
            return;
        ChargeBitmap(0, PaintedArea(destination.normalized()));
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform, state.smoothStretch);
        painter.setCompositionMode(ModeFor(rasterOperation));
        painter.translate(destination.topLeft());
        painter.scale(destination.width() / source.width(), destination.height() / source.height());
        const QRectF normalized = source.normalized();
        painter.drawImage(QRectF(QPointF(0, 0), normalized.size()), image, normalized);
        painter.restore();
    }

    static QRectF SourceRect(double x, double y, double width, double height) {
        return QRectF(x, y, width, height);
    }

    void StretchDib(Reader& reader) {
        const quint32 rop = reader.U32();
        const quint16 colourUsage = reader.U16();
        const double sourceHeight = reader.I16();
        const double sourceWidth = reader.I16();
        const double sourceY = reader.I16();
        const double sourceX = reader.I16();
        const double height = reader.I16();
        const double width = reader.I16();
        const QPointF at = reader.PointYX();
        const QImage image = DecodeDib(reader, [this](double cost) { Charge(cost); });
        if (colourUsage != 0)
            return; // palette indices: no palette to look them up in
        // The source rectangle counts rows from the bottom of the bitmap.
        const double top = image.height() - sourceY - sourceHeight;
        DrawBitmap(image, SourceRect(sourceX, top, sourceWidth, sourceHeight),
                   QRectF(at, QSizeF(width, height)), rop);
    }

    void StretchBlt(Reader& reader, qsizetype size, bool stretched) {
        const quint32 rop = reader.U32();
        double sourceHeight = 0;
        double sourceWidth = 0;
        if (stretched) {
            sourceHeight = reader.I16();
            sourceWidth = reader.I16();
        }
        const double sourceY = reader.I16();
        const double sourceX = reader.I16();
        const qsizetype bare = stretched ? 4 + 9 * 2 : 4 + 7 * 2;
        if (size == bare)
            reader.I16(); // the variant without a bitmap carries a reserved word here
        const double height = reader.I16();
        const double width = reader.I16();
        const QPointF at = reader.PointYX();
        const QRectF destination(at, QSizeF(width, height));
        if (!stretched) {
            sourceWidth = width;
            sourceHeight = height;
        }
        if (size == bare) {
            FillWithoutSource(rop, destination.normalized());
            return;
        }
        const QImage image = DecodeDib(reader, [this](double cost) { Charge(cost); });
        DrawBitmap(image, SourceRect(sourceX, sourceY, sourceWidth, sourceHeight), destination,
                   rop);
    }

    void SetDIBitsToDevice(Reader& reader) {
        const quint16 colourUsage = reader.U16();
        reader.U16(); // scan count
        reader.U16(); // first scan
        const double sourceY = reader.I16();
        const double sourceX = reader.I16();
        const double height = reader.I16();
        const double width = reader.I16();
        const QPointF at = reader.PointYX();
        const QImage image = DecodeDib(reader, [this](double cost) { Charge(cost); });
        if (colourUsage != 0 || image.isNull())
            return;
        // The size is in device pixels: draw at the mapped corner without stretching.
        const QTransform world = painter.worldTransform();
        const double top = image.height() - sourceY - height;
        ChargeBitmap(0, width * height * device.m11() * device.m22());
        painter.save();
        painter.setWorldTransform(QTransform());
        const QPointF corner = world.map(at);
        painter.translate(corner);
        painter.scale(device.m11(), device.m22());
        painter.drawImage(QPointF(0, 0), image, SourceRect(sourceX, top, width, height));
        painter.restore();
    }

    void ChangeClip(const QRectF& logical, bool exclude) {
        if (state.clip.rectCount() > MaximumClipRects)
            return; // a pathological file: keep the clip as it is rather than crawl
        Charge(ClipRectCost * state.clip.rectCount());
        const QRect rect = painter.worldTransform().mapRect(logical).toAlignedRect();
        state.clip = exclude ? state.clip.subtracted(rect) : state.clip.intersected(rect);
        const QTransform world = painter.worldTransform();
        painter.setWorldTransform(QTransform());
        painter.setClipRegion(state.clip);
        painter.setWorldTransform(world);
    }

    void RestoreState(qint16 which) {
        qsizetype keep;
        if (which < 0)
            keep = static_cast<qsizetype>(saved.size()) + which;
        else
            keep = which - 1;
        if (which == 0 || keep < 0 || keep >= static_cast<qsizetype>(saved.size()))
            return; // GDI refuses such a restore and changes nothing
        state = saved[static_cast<size_t>(keep)];
        saved.resize(static_cast<size_t>(keep));
        ApplyState();
    }

    void Execute(quint16 function, Reader& reader, qsizetype size) {
        switch (function) {
        case Function::SaveDC:
            if (static_cast<qsizetype>(saved.size()) >= MaximumSavedStates)
                Malformed(QStringLiteral("die Zeichenzustände sind zu tief verschachtelt."));
            saved.push_back(state);
            break;
        case Function::RestoreDC:
            RestoreState(reader.I16());
            break;
        case Function::SetBkColor:
            state.backgroundColor = reader.Color();
            painter.setBackground(state.backgroundColor);
            break;
        case Function::SetTextColor:
            state.textColor = reader.Color();
            break;
        case Function::SetBkMode:
            state.opaqueBackground = reader.U16() == 2;
            painter.setBackgroundMode(state.opaqueBackground ? Qt::OpaqueMode
                                                             : Qt::TransparentMode);
            break;
        case Function::SetPolyFillMode:
            state.fillRule = reader.U16() == 2 ? Qt::WindingFill : Qt::OddEvenFill;
            break;
        case Function::SetStretchBltMode:
            state.smoothStretch = reader.U16() == 4;
            break;
        case Function::SetTextAlign:
            state.textAlign = reader.U16();
            break;
        case Function::SetMapMode:
            state.mapMode = reader.U16();
            UpdateMapping();
            break;
        case Function::SetWindowOrg:
            state.windowOrigin = reader.PointYX();
            UpdateMapping();
            break;
        case Function::SetWindowExt: {
            const QPointF extent = reader.PointYX();
            state.windowExtent = QSizeF(extent.x(), extent.y());
            UpdateMapping();
            break;
        }
        case Function::SetViewportOrg:
            state.viewportOrigin = reader.PointYX();
            UpdateMapping();
            break;
        case Function::SetViewportExt: {
            const QPointF extent = reader.PointYX();
            state.viewportExtent = QSizeF(extent.x(), extent.y());
            UpdateMapping();
            break;
        }
        case Function::OffsetWindowOrg:
            state.windowOrigin += reader.PointYX();
            UpdateMapping();
            break;
        case Function::OffsetViewportOrg:
            state.viewportOrigin += reader.PointYX();
            UpdateMapping();
            break;
        case Function::ScaleWindowExt:
        case Function::ScaleViewportExt: {
            const double yDenominator = reader.I16();
            const double yNumerator = reader.I16();
            const double xDenominator = reader.I16();
            const double xNumerator = reader.I16();
            if (xDenominator == 0 || yDenominator == 0)
                break;
            QSizeF& extent =
                function == Function::ScaleWindowExt ? state.windowExtent : state.viewportExtent;
            extent = QSizeF(extent.width() * xNumerator / xDenominator,
                            extent.height() * yNumerator / yDenominator);
            UpdateMapping();
            break;
        }
        case Function::CreatePenIndirect: {
            GdiObject object{GdiObject::Type::Pen, MakePen(reader), {}, {}};
            AddObject(std::move(object));
            break;
        }
        case Function::CreateBrushIndirect: {
            GdiObject object{GdiObject::Type::Brush, {}, MakeBrush(reader), {}};
            AddObject(std::move(object));
            break;
        }
        case Function::CreateFontIndirect: {
            GdiObject object{GdiObject::Type::Font, {}, {}, MakeFont(reader)};
            AddObject(std::move(object));
            break;
        }
        case Function::DibCreatePatternBrush: {
            const quint16 style = reader.U16();
            const quint16 colourUsage = reader.U16();
            GdiObject object{GdiObject::Type::Brush, {}, QBrush(Qt::gray), {}};
            if (style == 5 && colourUsage == 0) {
                const QImage pattern = DecodeDib(reader, [this](double cost) { Charge(cost); });
                if (!pattern.isNull())
                    object.brush = QBrush(pattern);
            }
            AddObject(std::move(object));
            break;
        }
        case Function::CreatePatternBrush:
            AddObject(GdiObject{GdiObject::Type::Brush, {}, QBrush(Qt::gray), {}});
            break;
        case Function::CreatePalette:
        case Function::CreateRegion:
            AddObject(GdiObject{});
            break;
        case Function::SelectObject:
            SelectObject(reader.U16());
            break;
        case Function::DeleteObject: {
            const quint16 index = reader.U16();
            std::optional<GdiObject>* slot = ObjectAt(index);
            if (slot && slot->has_value()) {
                slot->reset();
                freeSlots.insert(index);
            }
            break;
        }
        case Function::MoveTo:
            state.position = reader.PointYX();
            break;
        case Function::LineTo: {
            const QPointF to = reader.PointYX();
            const QPointF line[2] = {state.position, to};
            ChargePolyline(line, 2);
            painter.drawLine(state.position, to);
            state.position = to;
            break;
        }
        case Function::Polyline: {
            const std::vector<QPointF> points = ReadPoints(reader, reader.U16());
            ChargePolyline(points.data(), points.size());
            painter.drawPolyline(points.data(), static_cast<int>(points.size()));
            break;
        }
        case Function::Polygon: {
            const std::vector<QPointF> points = ReadPoints(reader, reader.U16());
            ChargePolygons({DeviceSegments(points.data(), points.size(), true)});
            painter.drawPolygon(points.data(), static_cast<int>(points.size()), state.fillRule);
            break;
        }
        case Function::PolyPolygon:
            DrawPolyPolygon(reader);
            break;
        case Function::Rectangle: {
            const QRectF rect = reader.RectBRTL();
            ChargeShape(rect, true);
            painter.drawRect(rect);
            break;
        }
        case Function::RoundRect: {
            const double cornerHeight = reader.I16();
            const double cornerWidth = reader.I16();
            const QRectF rect = reader.RectBRTL();
            ChargeShape(rect, true);
            painter.drawRoundedRect(rect, std::abs(cornerWidth) / 2, std::abs(cornerHeight) / 2);
            break;
        }
        case Function::Ellipse: {
            const QRectF rect = reader.RectBRTL();
            ChargeShape(rect, true);
            painter.drawEllipse(rect);
            break;
        }
        case Function::Arc:
        case Function::Pie:
        case Function::Chord:
            DrawArc(function, reader);
            break;
        case Function::SetPixel: {
            ChargeDrawing(SolidPixelCost);
            const QColor colour = reader.Color();
            const QPointF at = painter.worldTransform().map(reader.PointYX());
            painter.save();
            painter.setWorldTransform(QTransform());
            painter.fillRect(QRectF(std::floor(at.x()), std::floor(at.y()), 1, 1), colour);
            painter.restore();
            break;
        }
        case Function::TextOut:
            TextOut(reader);
            break;
        case Function::ExtTextOut:
            ExtTextOut(reader);
            break;
        case Function::PatBlt: {
            const quint32 rop = reader.U32();
            const double height = reader.I16();
            const double width = reader.I16();
            const QPointF at = reader.PointYX();
            FillWithoutSource(rop, QRectF(at, QSizeF(width, height)).normalized());
            break;
        }
        case Function::StretchDIB:
            StretchDib(reader);
            break;
        case Function::DibStretchBlt:
            StretchBlt(reader, size, true);
            break;
        case Function::DibBitBlt:
            StretchBlt(reader, size, false);
            break;
        case Function::SetDIBitsToDevice:
            SetDIBitsToDevice(reader);
            break;
        case Function::IntersectClipRect:
            ChangeClip(reader.RectBRTL(), false);
            break;
        case Function::ExcludeClipRect:
            ChangeClip(reader.RectBRTL(), true);
            break;
        default:
            break; // palettes, regions, escapes and drawing modes we do not reproduce
        }
    }
};

} // namespace

WmfPlayer::WmfPlayer(QByteArray data) : bytes(std::move(data)) {
    const Header header = ReadHeader(bytes);
    pixelSize = SizeOf(bytes, header);
    // Walk the chain once so that a broken record is reported before anything is drawn.
    ForEachRecord(bytes, header.recordsOffset, [](const Record&) { return true; });
}

QSize WmfPlayer::ReadSize(const QByteArray& data) {
    return SizeOf(data, ReadHeader(data));
}

void WmfPlayer::Play(QPainter& painter, const QRectF& target) const {
    const Header header = ReadHeader(bytes);
    painter.save();
    try {
        Playback playback(painter, header, pixelSize, target);
        playback.Run(bytes, header.recordsOffset);
    } catch (...) {
        painter.restore();
        throw;
    }
    painter.restore();
}

QImage WmfPlayer::Render(QSize size) const {
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        throw AppError(QStringLiteral("Für das WMF-Bild reicht der Arbeitsspeicher nicht."));
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        Play(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    return image.convertToFormat(QImage::Format_RGB888);
}

QImage WmfPlayer::Render() const {
    const double pixels = double(pixelSize.width()) * pixelSize.height();
    if (pixels <= MaximumRenderPixels)
        return Render(pixelSize);
    const double shrink = std::sqrt(MaximumRenderPixels / pixels);
    return Render(QSize(std::max(1, static_cast<int>(pixelSize.width() * shrink)),
                        std::max(1, static_cast<int>(pixelSize.height() * shrink))));
}
