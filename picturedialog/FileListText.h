#pragma once
// The texts of the picture chooser's file list: the size column (bytes, KB, MB or GB with
// two decimals) and the modification column (short date, two spaces, long time).

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace FileListText {

// Whole units decide (1023 bytes stay "1023 Byte", 1024 become "1,00 KB"); the printed
// value is the exact quotient with two decimals and the locale's decimal separator.
// Sizes are 64-bit, so files of 2 GiB and more show their true size.
QString FormatFileSize(qint64 bytes, const QLocale& locale);

// The date in the locale's short format and the time in its long format, without the
// time zone the long format may carry: "24.12.25  18:30:05" in German settings.
QString FormatModified(const QDateTime& modified, const QLocale& locale);

} // namespace FileListText
