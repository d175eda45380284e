#pragma once
// The program's embedded artwork, skins, cursors and sounds, looked up by the names and
// numbers the windows use ("JPG" 100, "WOB_NORM", "CUR_101", "MP3_101").
//
// This is the one place that decides how a picture meets the screen: the artwork comes in
// sets painted for 100 %, 200 % and 300 %, and each picture is handed out from the set
// for the screen's device pixel ratio, carrying that ratio, so that it draws at its design
// size in logical pixels and sharp in device pixels. Fractional ratios take the next
// larger set, scaled down once and kept. The larger sets are never decoded on a screen
// at 100 %.

#include <QByteArray>
#include <QCursor>
#include <QImage>
#include <QString>

namespace ArtResources {

// The device pixel ratio the artwork is handed out for: the highest of the screens (1
// before the application exists), unless a test set one with SetRatio.
qreal Ratio();
// Hands out every picture loaded from now on for `ratio`; 0 goes back to the screens'.
void SetRatio(qreal ratio);

// Makes the pictures of set 2 or 3 (NAME@2x, NAME@3x) reachable under ":/"; until then a
// program at 100 % has not touched them. False when the program carries no such set.
bool CarrySet(int set);

// Artwork of type "JPG" by number, decoded to 24-bit colour. Throws AppError if the
// program does not carry that number.
QImage LoadJpg(int number);

// A skin bitmap ("WOB_NORM", "WTB_DOWN", ...) or a tool bar glyph ("TB_OPEN"); a null
// image when the program carries no bitmap of that name. Loaded once, then cached.
QImage LoadSkin(const QString& name);

// A piece of the window artwork ("TOP", "LEFT", "RIGHT", "BOTTOM", ...); null if missing.
QImage LoadArt(const QString& name);

// The program's icon at size x size pixels (one size drawn for that many device pixels) ("ICON_16"
// ... "ICON_256"), with its transparency; null if the program carries no icon of that size.
QImage LoadIcon(int size);

// Cursor "CUR_101" or "CUR_102" with its hot spot at the top-left corner.
QCursor LoadCursor(const QString& name);

// The bytes of a sound ("MP3_101" ... "MP3_110"); empty if missing. They stay valid and
// in the same place for the life of the process.
QByteArray LoadMp3(const QString& name);

} // namespace ArtResources
