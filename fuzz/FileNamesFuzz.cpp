// File names of any bytes: kept in a QString and turned back into exactly the same bytes,
// and shown without a single kept byte left in them.

#include "FuzzSupport.h"
#include "platform/FileNames.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = FuzzSupport::Bytes(data, size);
    const QString name = FileNames::FromNative(bytes);
    FuzzSupport::Check(FileNames::ToNative(name) == bytes, "name does not come back unchanged");
    const QString shown = FileNames::Displayed(name);
    FuzzSupport::Check(!FileNames::HasKeptBytes(shown), "shown name keeps bytes");
    FuzzSupport::Check(shown.size() == name.size(), "shown name of another length");
    return 0;
}
