#pragma once
// Runs the picture reader, a small program of ours, on one picture file the game has opened,
// so that a system decoder that crashes, corrupts memory or never ends on a hostile file
// costs only that process: its answer is read strictly, and it is killed when it takes
// longer than the time limit.

#include "platform/picturereader/PictureReply.h"

#include <QString>
#include <chrono>

class RegularFile;

class PictureReaderProcess {
public:
    // The longest the reader may take for one file, from its start to its end: decoding the
    // largest accepted picture takes about a second.
    static constexpr std::chrono::milliseconds TimeLimit{5000};

    // The reader's file name, beside the program and in its installed library folder.
    static QString ProgramName();

    // The reader that runs: the one set by UseProgram, else the one beside the program,
    // else the installed one; empty when there is none.
    static QString Program();

    // Runs `program` instead of looking for the reader (tests and fuzz targets, whose own
    // programs lie elsewhere); an empty name looks for it again.
    static void UseProgram(const QString& program);

    // Hands the open file to `program`, to be read no further than its size, and asks it,
    // for a picture of Qt's reader `format` ("png", "webp", "tiff", "gif"), what `reply` was
    // made for. The reply comes back complete or broken: broken when the program cannot be
    // started, breaks the answer, ends without success or runs out of time.
    static PictureReply Run(const QString& program, const RegularFile& file, const char* format,
                            PictureReply reply);
};
