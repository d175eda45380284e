#pragma once
// Pictures made inside the tests: JPEGs in colour spaces our encoder does not write,
// hand-assembled metafiles, and files in a throw-away folder.

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>

#include <initializer_list>

namespace TestPictures {

enum class JpegSpace { Grey, Cmyk };

// A JPEG of the given size whose every pixel holds the same sample values (one value for
// grey, four for CMYK as Adobe's inverted convention stores them).
QByteArray SolidJpeg(JpegSpace space, int width, int height,
                     std::initializer_list<unsigned char> samples);

// A progressive colour JPEG of the picture.
QByteArray ProgressiveJpeg(const QImage& picture);

// A picture with detail everywhere: gradients and a checker pattern.
QImage Detailed(int width, int height);

// Writes data to a file of that name in a fresh folder of the test home; returns the path.
QString WriteFile(const QString& name, const QByteArray& data);

// Assembles a metafile record by record.
class WmfBuilder {
public:
    void Placeable(qint16 left, qint16 top, qint16 right, qint16 bottom, quint16 inch);
    void SetObjectCount(quint16 count) { objectCount = count; }
    // A record whose parameters are 16-bit words.
    void Add(quint16 function, std::initializer_list<int> words);
    // A record with raw parameter bytes (padded to a whole word).
    void AddBytes(quint16 function, QByteArray parameters);
    // Raw bytes appended to the record chain as they are.
    void AddRaw(const QByteArray& bytes) { records += bytes; }

    QByteArray Finish(bool endRecord = true) const;

    static int Low(QColor colour) { return colour.red() | (colour.green() << 8); }
    static int High(QColor colour) { return colour.blue(); }

private:
    bool placeable = false;
    qint16 bounds[4] = {};
    quint16 unitsPerInch = 0;
    quint16 objectCount = 8;
    QByteArray records;
};

// A bottom-up 24-bit device-independent bitmap (header and pixels) of the picture.
QByteArray Dib24(const QImage& picture);

// Little-endian helpers.
void Put16(QByteArray& bytes, int value);
void Put32(QByteArray& bytes, quint32 value);

} // namespace TestPictures
