// The build's picture packer: decodes the pictures a manifest names, each exactly as the
// program would decode it, and writes them into one pack the program embeds.
//
//   tessaly_packer PACK MANIFEST
//
// Each line of the manifest reads "raw|zstd RESOURCE-PATH FILE": the picture the program
// looks up as RESOURCE-PATH, from FILE, stored as it is (raw) or compressed (zstd).

#include "PackWriter.h"
#include "picturedialog/tsmotive/MotifDecode.h"
#include "platform/AppError.h"
#include "platform/ArtDecode.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <cstdio>

namespace {

int Fail(const QString& message) {
    std::fprintf(stderr, "tessaly_packer: %s\n", qPrintable(message));
    return 1;
}

QImage Decode(const QString& path, const QByteArray& bytes) {
    if (path.startsWith(QLatin1String(":/tsmotive/")))
        return MotifDecode::Decode(bytes);
    return ArtDecode::Decode(path, bytes);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return Fail(QStringLiteral("usage: tessaly_packer PACK MANIFEST"));
    QFile manifest(QString::fromLocal8Bit(argv[2]));
    if (!manifest.open(QIODevice::ReadOnly | QIODevice::Text))
        return Fail(QStringLiteral("cannot read %1").arg(manifest.fileName()));

    PackWriter writer;
    while (!manifest.atEnd()) {
        const QString line = QString::fromUtf8(manifest.readLine()).trimmed();
        if (line.isEmpty())
            continue;
        const QStringList fields = line.split(QLatin1Char(' '));
        if (fields.size() != 3 ||
            (fields[0] != QLatin1String("raw") && fields[0] != QLatin1String("zstd")))
            return Fail(QStringLiteral("bad manifest line: %1").arg(line));
        QFile file(fields[2]);
        if (!file.open(QIODevice::ReadOnly))
            return Fail(QStringLiteral("cannot read %1").arg(fields[2]));
        QImage picture;
        try {
            picture = Decode(fields[1], file.readAll());
        } catch (const AppError& error) {
            return Fail(QStringLiteral("%1: %2").arg(fields[2], error.Message()));
        }
        if (picture.isNull())
            return Fail(QStringLiteral("%1 is no picture").arg(fields[2]));
        if (!writer.Add(fields[1], picture, fields[0] == QLatin1String("zstd")))
            return Fail(writer.Error());
    }

    QSaveFile pack(QString::fromLocal8Bit(argv[1]));
    if (!pack.open(QIODevice::WriteOnly) || pack.write(writer.Finish()) < 0 || !pack.commit())
        return Fail(QStringLiteral("cannot write %1").arg(pack.fileName()));
    return 0;
}
