#include "platform/PictureFile.h"

#include "platform/AppError.h"
#include "platform/BmpHeader.h"
#include "platform/FileNames.h"
#include "platform/JpegCodec.h"
#include "platform/PictureLimits.h"
#include "platform/PictureReaderProcess.h"
#include "platform/RegularFile.h"
#include "platform/WmfPlayer.h"
#include "platform/picturereader/PictureReply.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QMutex>
#include <array>

namespace {

using Kind = PictureFile::Kind;

// Metafiles are read whole; real ones are a few hundred kilobytes at most. A JPEG of the
// largest accepted size stays far below its limit, as does a picture for Qt's readers
// (PictureReply::MaximumFileBytes).
constexpr qint64 MaximumMetafileBytes = 64 * 1024 * 1024;
constexpr qint64 MaximumJpegBytes = 512 * 1024 * 1024;

struct KindName {
    Kind kind;
    const char* extension;
};

constexpr std::array<KindName, 10> KindNames{{
    {Kind::Bitmap, "bmp"},
    {Kind::Jpeg, "jpg"},
    {Kind::Jpeg, "jpeg"},
    {Kind::Metafile, "wmf"},
    {Kind::Png, "png"},
    {Kind::WebP, "webp"},
    {Kind::Tiff, "tif"},
    {Kind::Tiff, "tiff"},
    {Kind::Gif, "gif"},
    {Kind::Bitmap, nullptr},
}};

QString Shown(const QString& fileName) {
    return QDir::toNativeSeparators(FileNames::Displayed(fileName));
}

[[noreturn]] void ThrowUnreadable(const QString& fileName, const QString& reason) {
    QString message =
        QStringLiteral("Die Datei %1 kann nicht als Bild gelesen werden.").arg(Shown(fileName));
    if (!reason.isEmpty())
        message += QLatin1Char(' ') + reason;
    throw AppError(message);
}

void CheckLimits(const QString& fileName, QSize size) {
    if (!PictureLimits::IsAcceptable(size.width(), size.height()))
        ThrowUnreadable(fileName, PictureLimits::TooLargeMessage(size.width(), size.height()));
}

template <typename Work> auto NamingFile(const QString& fileName, Work&& work) {
    try {
        return work();
    } catch (const AppError& error) {
        ThrowUnreadable(fileName, error.Message());
    }
}

// ---- BMP ---------------------------------------------------------------------------------

// Our own reading of the header comes first, so that no size beyond our limits reaches Qt's
// reader and no file without a BMP signature gets any further.
BmpHeader ReadBitmapHeader(RegularFile& file) {
    const auto header = BmpHeader::Parse(file.ReadAt(0, BmpHeader::BytesNeeded));
    if (!header)
        ThrowUnreadable(file.Path(), QStringLiteral("Die Daten sind kein gültiges BMP-Bild."));
    CheckLimits(file.Path(), header->Size());
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
void CheckBitmapComplete(const RegularFile& file, const BmpHeader& header) {
    const auto required = header.RequiredFileSize();
    if (required && *required > file.Size())
        ThrowUnreadable(file.Path(), QStringLiteral("Die BMP-Daten sind unvollständig."));
}

QSize BitmapReadSize(RegularFile& file) {
    const BmpHeader header = ReadBitmapHeader(file);
    const auto device = file.Device();
    QImageReader reader(device.get(), "bmp");
    // Asked by name only: a reader that may guess would first load every image plugin.
    reader.setAutoDetectImageFormat(false);
    return BitmapSize(reader, header, file.Path());
}

QImage BitmapLoad(RegularFile& file) {
    const BmpHeader header = ReadBitmapHeader(file);
    CheckBitmapComplete(file, header);
    const auto device = file.Device();
    QImageReader reader(device.get(), "bmp");
    reader.setAutoDetectImageFormat(false);
    const QSize size = BitmapSize(reader, header, file.Path());
    QImage image = reader.read();
    if (image.isNull() || image.size() != size)
        ThrowUnreadable(file.Path(), QStringLiteral("Die BMP-Daten sind beschädigt."));
    return image.convertToFormat(QImage::Format_RGB888);
}

// ---- JPEG --------------------------------------------------------------------------------

QSize JpegReadSize(RegularFile& file) {
    const auto device = file.Device();
    const QSize size = NamingFile(file.Path(), [&] { return JpegCodec::ReadSize(*device); });
    CheckLimits(file.Path(), size);
    return size;
}

QImage JpegLoad(RegularFile& file, QSize minimumSize) {
    // The header first: a hostile size is refused before a large file is read.
    JpegReadSize(file);
    const QByteArray data = file.ReadAll(MaximumJpegBytes);
    return NamingFile(file.Path(), [&] { return JpegCodec::Decode(data, minimumSize); });
}

// ---- WMF ---------------------------------------------------------------------------------

QSize MetafileReadSize(RegularFile& file) {
    const QByteArray data = file.ReadAll(MaximumMetafileBytes);
    return NamingFile(file.Path(), [&] { return WmfPlayer::ReadSize(data); });
}

QImage MetafileLoad(RegularFile& file, QSize minimumSize) {
    const QByteArray data = file.ReadAll(MaximumMetafileBytes);
    return NamingFile(file.Path(), [&] {
        const WmfPlayer player(data);
        return minimumSize.width() > 0 && minimumSize.height() > 0 ? player.Render(minimumSize)
                                                                   : player.Render();
    });
}

// ---- Qt's readers: PNG, WebP, TIFF, GIF ------------------------------------------------

// These kinds are decoded by system libraries through Qt's plug-ins, which a hostile file
// can crash or keep busy: the picture reader does it in a process of its own, and
// everything the game takes from it is checked (see PictureReaderProcess).

const char* ReaderFormat(Kind kind) {
    switch (kind) {
    case Kind::Png:
        return "png";
    case Kind::WebP:
        return "webp";
    case Kind::Tiff:
        return "tiff";
    case Kind::Gif:
        return "gif";
    case Kind::Bitmap:
    case Kind::Jpeg:
    case Kind::Metafile:
        break;
    }
    return "";
}

QString FormatName(Kind kind) {
    return QString::fromLatin1(ReaderFormat(kind)).toUpper();
}

// The reader's complete answer; any other ends in the message that fits it.
PictureReply AskReader(RegularFile& file, Kind kind, PictureReply question) {
    if (file.Size() > PictureReply::MaximumFileBytes)
        ThrowUnreadable(file.Path(), QStringLiteral("Die Datei ist zu groß."));
    const QString program = PictureReaderProcess::Program();
    if (program.isEmpty())
        ThrowUnreadable(file.Path(), QStringLiteral("Der Bildleser %1 ist nicht vorhanden.")
                                         .arg(PictureReaderProcess::ProgramName()));
    const PictureReply reply =
        PictureReaderProcess::Run(program, file, ReaderFormat(kind), std::move(question));
    switch (reply.Current()) {
    case PictureReply::State::Size:
    case PictureReply::State::Picture:
        return reply;
    case PictureReply::State::NotThisKind:
        ThrowUnreadable(
            file.Path(),
            QStringLiteral("Die Daten sind kein gültiges %1-Bild.").arg(FormatName(kind)));
    case PictureReply::State::TooLarge:
        CheckLimits(file.Path(), reply.Header());
        break;
    case PictureReply::State::Incomplete:
    case PictureReply::State::Broken:
        break;
    }
    ThrowUnreadable(file.Path(), QStringLiteral("Die %1-Daten sind beschädigt oder "
                                                "unvollständig.")
                                     .arg(FormatName(kind)));
}

// The size the reader last told, for the file as it was then: the chooser's preview, the
// size checks and the board ask for the same file's size again and again, and each question
// would start the reader anew.
struct KeptSize {
    QString fileName;
    Kind kind = Kind::Bitmap;
    RegularFile::Identity identity;
    QSize size;
};

QMutex keptSizeLock;
KeptSize keptSize;

void KeepSize(const RegularFile& file, Kind kind, QSize size) {
    const QMutexLocker lock(&keptSizeLock);
    keptSize = {file.Path(), kind, file.Id(), size};
}

QSize ReaderReadSize(RegularFile& file, Kind kind) {
    {
        const QMutexLocker lock(&keptSizeLock);
        if (keptSize.size.isValid() && keptSize.fileName == file.Path() && keptSize.kind == kind &&
            keptSize.identity == file.Id())
            return keptSize.size;
    }
    const QSize size = AskReader(file, kind, PictureReply::ForSize()).Header();
    KeepSize(file, kind, size);
    return size;
}

QImage ReaderLoad(RegularFile& file, Kind kind, QSize minimumSize) {
    const PictureReply reply = AskReader(file, kind, PictureReply::ForPicture(minimumSize));
    KeepSize(file, kind, reply.Header());
    return reply.Pixels();
}

// ---- The last picture loaded -------------------------------------------------------------

struct KeptPicture {
    QString fileName;
    Kind kind = Kind::Bitmap;
    QSize minimumSize;
    RegularFile::Identity identity;
    QImage picture;
};

QMutex keptLock;
KeptPicture kept;

// The last file that could not be loaded, with its message: the preview and the check
// before opening ask for the same file again and again.
struct KeptFailure {
    QString fileName;
    Kind kind = Kind::Bitmap;
    RegularFile::Identity identity;
    QString message;
};
KeptFailure keptFailure;

void ThrowIfFailedBefore(const QString& fileName, Kind kind,
                         const RegularFile::Identity& identity) {
    QString message;
    {
        const QMutexLocker lock(&keptLock);
        if (keptFailure.message.isEmpty() || keptFailure.fileName != fileName ||
            keptFailure.kind != kind || !(keptFailure.identity == identity))
            return;
        message = keptFailure.message;
    }
    throw AppError(message);
}

void KeepFailure(const QString& fileName, Kind kind, const RegularFile::Identity& identity,
                 const QString& message) {
    const QMutexLocker lock(&keptLock);
    keptFailure = {fileName, kind, identity, message};
}

std::optional<QImage> Kept(const QString& fileName, Kind kind, QSize minimumSize,
                           const RegularFile::Identity& identity) {
    const QMutexLocker lock(&keptLock);
    if (kept.picture.isNull() || kept.fileName != fileName || kept.kind != kind ||
        kept.minimumSize != minimumSize || !(kept.identity == identity))
        return std::nullopt;
    return kept.picture;
}

// Pictures the size of a board or a few times it; a huge bitmap is not held on to.
constexpr qsizetype MaximumKeptBytes = 64 * 1024 * 1024;

void Keep(const QString& fileName, Kind kind, QSize minimumSize,
          const RegularFile::Identity& identity, const QImage& picture) {
    const QMutexLocker lock(&keptLock);
    if (picture.sizeInBytes() > MaximumKeptBytes) {
        kept = {};
        return;
    }
    kept = {fileName, kind, minimumSize, identity, picture};
}

QImage Decoded(RegularFile& file, Kind kind, QSize minimumSize);

} // namespace

std::optional<PictureFile::Kind> PictureFile::KindByExtension(const QString& fileName) {
    const QString name = QFileInfo(fileName).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return std::nullopt;
    const QString suffix = name.mid(dot + 1).toLower();
    for (const KindName& known : KindNames)
        if (known.extension && suffix == QLatin1String(known.extension))
            return known.kind;
    return std::nullopt;
}

QStringList PictureFile::Extensions() {
    QStringList extensions;
    for (const KindName& known : KindNames)
        if (known.extension)
            extensions << QString::fromLatin1(known.extension);
    return extensions;
}

PictureFile::Kind PictureFile::KindOf(const QString& fileName, Kind fallback) {
    return KindByExtension(fileName).value_or(fallback);
}

QSize PictureFile::ReadSize(const QString& fileName, Kind kind) {
    RegularFile file(fileName);
    switch (kind) {
    case Kind::Jpeg:
        return JpegReadSize(file);
    case Kind::Metafile:
        return MetafileReadSize(file);
    case Kind::Bitmap:
        return BitmapReadSize(file);
    case Kind::Png:
    case Kind::WebP:
    case Kind::Tiff:
    case Kind::Gif:
        break;
    }
    return ReaderReadSize(file, kind);
}

QImage PictureFile::Load(const QString& fileName, Kind kind, QSize minimumSize) {
    RegularFile file(fileName);
    if (auto picture = Kept(fileName, kind, minimumSize, file.Id()))
        return *picture;
    ThrowIfFailedBefore(fileName, kind, file.Id());
    try {
        QImage picture = Decoded(file, kind, minimumSize);
        Keep(fileName, kind, minimumSize, file.Id(), picture);
        return picture;
    } catch (const AppError& error) {
        KeepFailure(fileName, kind, file.Id(), error.Message());
        throw;
    }
}

void PictureFile::ForgetLastPicture() {
    {
        const QMutexLocker lock(&keptSizeLock);
        keptSize = {};
    }
    const QMutexLocker lock(&keptLock);
    kept = {};
    keptFailure = {};
}

namespace {

QImage Decoded(RegularFile& file, Kind kind, QSize minimumSize) {
    QImage picture;
    switch (kind) {
    case Kind::Jpeg:
        picture = JpegLoad(file, minimumSize);
        break;
    case Kind::Metafile:
        picture = MetafileLoad(file, minimumSize);
        break;
    case Kind::Bitmap:
        picture = BitmapLoad(file);
        break;
    case Kind::Png:
    case Kind::WebP:
    case Kind::Tiff:
    case Kind::Gif:
        picture = ReaderLoad(file, kind, minimumSize);
        break;
    }
    return picture;
}

} // namespace
