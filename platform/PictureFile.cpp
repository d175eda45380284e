#include "platform/PictureFile.h"

#include "platform/AppError.h"
#include "platform/BmpHeader.h"
#include "platform/JpegCodec.h"
#include "platform/PictureLimits.h"
#include "platform/WmfPlayer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {

// Metafiles are read whole; real ones are a few hundred kilobytes at most. A JPEG of the
// largest accepted size stays far below its limit.
constexpr qint64 MaximumMetafileBytes = 64 * 1024 * 1024;
constexpr qint64 MaximumJpegBytes = 512 * 1024 * 1024;

QString Shown(const QString& fileName) {
    return QDir::toNativeSeparators(fileName);
}

[[noreturn]] void ThrowUnreadable(const QString& fileName, const QString& reason) {
    QString message =
        QStringLiteral("Die Datei %1 kann nicht als Bild gelesen werden.").arg(Shown(fileName));
    if (!reason.isEmpty())
        message += QLatin1Char(' ') + reason;
    throw AppError(message);
}

void Open(QFile& file) {
    if (!file.exists())
        throw AppError(
            QStringLiteral("Die Datei %1 wurde nicht gefunden.").arg(Shown(file.fileName())));
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(
            QStringLiteral("Die Datei %1 kann nicht geöffnet werden.").arg(Shown(file.fileName())));
}

QByteArray ReadAll(QFile& file, qint64 limit) {
    if (file.size() > limit)
        ThrowUnreadable(file.fileName(), QStringLiteral("Die Datei ist zu groß."));
    QByteArray data = file.readAll();
    if (data.isEmpty())
        ThrowUnreadable(file.fileName(), QStringLiteral("Die Datei ist leer."));
    return data;
}

// Our own reading of the header comes first, so that no size beyond our limits reaches Qt's
// reader and no file without a BMP signature gets any further.
BmpHeader ReadBitmapHeader(QFile& file) {
    const auto header = BmpHeader::Parse(file.peek(BmpHeader::BytesNeeded));
    if (!header)
        ThrowUnreadable(file.fileName(), QStringLiteral("Die Daten sind kein gültiges BMP-Bild."));
    const QSize size = header->Size();
    if (!PictureLimits::IsAcceptable(size.width(), size.height()))
        ThrowUnreadable(file.fileName(),
                        PictureLimits::TooLargeMessage(size.width(), size.height()));
    return *header;
}

// Qt's BMP reader is used strictly as a BMP reader, so that a file of another kind behind
// a ".bmp" name does not slip past our own decoders and their limits. The size is our own
// header's: Qt reports the height of a top-down file as negative.
QSize BitmapSize(QImageReader& reader, const BmpHeader& header, const QString& fileName) {
    reader.setAutoDetectImageFormat(false);
    if (!reader.canRead())
        ThrowUnreadable(fileName, QStringLiteral("Die Daten sind kein gültiges BMP-Bild."));
    return header.Size();
}

// Qt's reader returns a picture even when the pixel rows of an uncompressed BMP stop short,
// filling the rest with whatever it finds; the player gets an error instead.
void CheckBitmapComplete(const QFile& file, const BmpHeader& header) {
    const auto required = header.RequiredFileSize();
    if (required && *required > file.size())
        ThrowUnreadable(file.fileName(), QStringLiteral("Die BMP-Daten sind unvollständig."));
}

template <typename Work> auto NamingFile(const QString& fileName, Work&& work) {
    try {
        return work();
    } catch (const AppError& error) {
        ThrowUnreadable(fileName, error.Message());
    }
}

QSize JpegSize(QFile& file) {
    const QSize size = NamingFile(file.fileName(), [&] { return JpegCodec::ReadSize(file); });
    if (!PictureLimits::IsAcceptable(size.width(), size.height()))
        ThrowUnreadable(file.fileName(),
                        PictureLimits::TooLargeMessage(size.width(), size.height()));
    return size;
}

} // namespace

PictureFile::Kind PictureFile::KindOf(const QString& fileName, Kind fallback) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("bmp"))
        return Kind::Bitmap;
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return Kind::Jpeg;
    if (suffix == QLatin1String("wmf"))
        return Kind::Metafile;
    return fallback;
}

QSize PictureFile::ReadSize(const QString& fileName, Kind kind) {
    QFile file(fileName);
    Open(file);
    switch (kind) {
    case Kind::Jpeg:
        return JpegSize(file);
    case Kind::Metafile: {
        const QByteArray data = ReadAll(file, MaximumMetafileBytes);
        return NamingFile(fileName, [&] { return WmfPlayer::ReadSize(data); });
    }
    case Kind::Bitmap:
        break;
    }
    const BmpHeader header = ReadBitmapHeader(file);
    QImageReader reader(&file, "bmp");
    return BitmapSize(reader, header, fileName);
}

QImage PictureFile::Load(const QString& fileName, Kind kind, QSize minimumSize) {
    QFile file(fileName);
    Open(file);
    switch (kind) {
    case Kind::Jpeg: {
        // The header first: a hostile size is refused before a large file is read.
        JpegSize(file);
        file.seek(0);
        const QByteArray data = ReadAll(file, MaximumJpegBytes);
        return NamingFile(fileName, [&] { return JpegCodec::Decode(data, minimumSize); });
    }
    case Kind::Metafile: {
        const QByteArray data = ReadAll(file, MaximumMetafileBytes);
        return NamingFile(fileName, [&] {
            const WmfPlayer player(data);
            return minimumSize.width() > 0 && minimumSize.height() > 0 ? player.Render(minimumSize)
                                                                       : player.Render();
        });
    }
    case Kind::Bitmap:
        break;
    }
    const BmpHeader header = ReadBitmapHeader(file);
    CheckBitmapComplete(file, header);
    QImageReader reader(&file, "bmp");
    const QSize size = BitmapSize(reader, header, fileName);
    QImage image = reader.read();
    if (image.isNull() || image.size() != size)
        ThrowUnreadable(fileName, QStringLiteral("Die BMP-Daten sind beschädigt."));
    return image.convertToFormat(QImage::Format_RGB888);
}
