// The Exif reader: any APP1 data gives one of the eight orientations, and turning a picture
// by it gives the size the orientation names.

#include "FuzzSupport.h"
#include "platform/ExifOrientation.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = FuzzSupport::Bytes(data, size);
    const int orientation = ExifOrientation::Read(bytes);
    FuzzSupport::Check(orientation >= 1 && orientation <= 8, "orientation outside 1 ... 8");
    // The same block behind the Exif signature, as a camera writes it.
    const int behindSignature = ExifOrientation::Read(QByteArray("Exif\0\0", 6) + bytes);
    FuzzSupport::Check(behindSignature >= 1 && behindSignature <= 8, "orientation outside 1 ... 8");
    const QImage stored(3, 2, QImage::Format_RGB888);
    const QImage shown = ExifOrientation::Apply(stored, behindSignature);
    FuzzSupport::Check(shown.size() == ExifOrientation::Oriented(stored.size(), behindSignature),
                       "turned picture not of the size the orientation names");
    return 0;
}
