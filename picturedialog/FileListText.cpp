#include "picturedialog/FileListText.h"

namespace FileListText {

namespace {

// The format without its unquoted zone fields ("t", "tt", ...) and the spaces around them.
QString WithoutZone(const QString& format) {
    QString result;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
        } else if (!quoted && c == QLatin1Char('t')) {
            while (result.endsWith(QLatin1Char(' ')))
                result.chop(1);
            while (i + 1 < format.size() &&
                   (format.at(i + 1) == QLatin1Char('t') || format.at(i + 1) == QLatin1Char(' ')))
                ++i;
            continue;
        }
        result += c;
    }
    return result.trimmed();
}

} // namespace

QString FormatFileSize(qint64 bytes, const QLocale& locale) {
    static constexpr struct {
        qint64 unit;
        const char* name;
    } units[] = {{qint64(1) << 30, " GB"}, {qint64(1) << 20, " MB"}, {qint64(1) << 10, " KB"}};
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    for (const auto& unit : units) {
        if (bytes / unit.unit >= 1)
            return plain.toString(static_cast<double>(bytes) / static_cast<double>(unit.unit), 'f',
                                  2) +
                   QLatin1String(unit.name);
    }
    return QString::number(bytes) + QStringLiteral(" Byte");
}

QString FormatModified(const QDateTime& modified, const QLocale& locale) {
    // The long time format of some locales ends in the zone ("HH:mm:ss t"); the column has
    // room for hours, minutes and seconds only.
    const QString timeFormat = WithoutZone(locale.timeFormat(QLocale::LongFormat));
    const QDateTime local = modified.toLocalTime();
    return locale.toString(local.date(), QLocale::ShortFormat) + QStringLiteral("  ") +
           locale.toString(local.time(), timeFormat);
}

} // namespace FileListText
