#pragma once
// The program's embedded artwork, skins, cursors and sounds, looked up by the names and
// numbers the windows use ("JPG" 100, "WOB_NORM", "CUR_101", "MP3_101").

#include <QByteArray>
#include <QCursor>
#include <QImage>
#include <QString>

namespace ArtResources {

// Artwork of type "JPG" by number, decoded to 24-bit colour. Throws AppError if the
// program does not carry that number.
QImage LoadJpg(int number);

// A skin bitmap ("WOB_NORM", "WTB_DOWN", ...) or a tool bar glyph ("TB_OPEN"); a null
// image when the program carries no bitmap of that name. Loaded once, then cached.
QImage LoadSkin(const QString& name);

// A piece of the window artwork ("TOP", "LEFT", "RIGHT", "BOTTOM", ...); null if missing.
QImage LoadArt(const QString& name);

// The program's icon at size x size pixels ("ICON_16" ... "ICON_256"), with its
// transparency; null if the program carries no icon of that size.
QImage LoadIcon(int size);

// Cursor "CUR_101" or "CUR_102" with its hot spot at the top-left corner.
QCursor LoadCursor(const QString& name);

// The bytes of a sound ("MP3_101" ... "MP3_110"); empty if missing. They stay valid and
// in the same place for the life of the process.
QByteArray LoadMp3(const QString& name);

} // namespace ArtResources
