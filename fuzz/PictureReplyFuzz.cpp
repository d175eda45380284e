// The game's reading of the picture reader's answer, with anything a broken or hostile
// reader could send: the first two bytes choose the question (the size alone, or the
// pixels at a minimum size) and how the answer is cut into pieces, the rest is the answer.
// A complete answer always holds what was asked for and no more; nothing else is ever
// taken as one.

#include "FuzzSupport.h"
#include "platform/PictureLimits.h"
#include "platform/picturereader/PictureReply.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    const uint8_t question = data[0];
    const qsizetype pieceBytes = 1 + data[1] * 64;
    data += 2;
    size -= 2;
    const bool sizeOnly = (question & 0x80) != 0;
    const QSize minimumSize((question & 0x0F) * 40 - 40, ((question >> 4) & 0x07) * 60 - 60);
    PictureReply reply = sizeOnly ? PictureReply::ForSize() : PictureReply::ForPicture(minimumSize);
    const char* bytes = reinterpret_cast<const char*>(data);
    for (qsizetype at = 0; at < static_cast<qsizetype>(size); at += pieceBytes)
        reply.Take(bytes + at, std::min<qsizetype>(pieceBytes, static_cast<qsizetype>(size) - at));
    reply.End();

    using State = PictureReply::State;
    const QSize header = reply.Header();
    switch (reply.Current()) {
    case State::Incomplete:
        FuzzSupport::Check(false, "an ended answer is still incomplete");
        break;
    case State::Broken:
    case State::NotThisKind:
        break;
    case State::TooLarge:
        FuzzSupport::Check(!PictureLimits::IsAcceptable(header.width(), header.height()),
                           "an acceptable size counted as too large");
        break;
    case State::Size:
        FuzzSupport::Check(sizeOnly, "a size answered to a question for pixels");
        FuzzSupport::Check(PictureLimits::IsAcceptable(header.width(), header.height()),
                           "size beyond the limits");
        FuzzSupport::Check(static_cast<qsizetype>(size) == PictureReply::PreludeBytes,
                           "bytes after the size taken");
        break;
    case State::Picture: {
        FuzzSupport::Check(!sizeOnly, "pixels answered to a question for the size");
        FuzzSupport::Check(PictureLimits::IsAcceptable(header.width(), header.height()),
                           "size beyond the limits");
        const QImage& pixels = reply.Pixels();
        FuzzSupport::Check(pixels.format() == QImage::Format_RGB888, "pixels not RGB888");
        FuzzSupport::Check(pixels.size() == PictureReply::PixelSize(header, minimumSize),
                           "pixels not of the size asked for");
        FuzzSupport::Check(pixels.width() <= header.width() && pixels.height() <= header.height(),
                           "pixels larger than the picture");
        FuzzSupport::Check(static_cast<qint64>(size) ==
                               PictureReply::PreludeBytes +
                                   qint64(pixels.width()) * pixels.height() * 3,
                           "answer not of its own length");
        break;
    }
    }
    return 0;
}
