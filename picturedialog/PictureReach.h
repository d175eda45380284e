#pragma once
// Whether a favorite's picture can be reached now, and when it cannot, whether it is gone
// for good or only out of reach, on a volume that is not plugged in or mounted.

#include <QString>

class PictureReach {
public:
    enum class State {
        Present,     // a picture file is there
        Gone,        // its folder is there, the file is not: deleted or renamed
        Unreachable, // its folder is not there, cannot be read, or is an empty mount point
    };

    // A link that points nowhere is judged by what it points at, so a link to a picture on
    // an unplugged stick is unreachable, not gone.
    static State Of(const QString& path);

    // The notice for a favorite whose picture cannot be reached; names the picture.
    static QString UnreachableText(const QString& path);
};
