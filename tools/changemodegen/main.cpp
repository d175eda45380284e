// changemodegen: paints the artwork of the game start dialog into a folder as PNG files.
// Usage: changemodegen <folder>   (normally <repo>/resources/art)

#include "BackgroundPainter.h"
#include "IllustrationPainter.h"

#include "tools/paint/Generator.h"
#include "tools/paint/ImageFiles.h"

int main(int argc, char** argv) {
    return Paint::RunGenerator(argc, argv, "changemodegen <folder>", [](const QString& folder) {
        const IllustrationPainter illustrations;
        Paint::SaveInto(BackgroundPainter().Paint(), folder, "CHANGEMODE_BACK", "PNG");
        Paint::SaveInto(illustrations.Standard(), folder, "CHANGEMODE_STANDARD", "PNG");
        Paint::SaveInto(illustrations.Kaskade(), folder, "CHANGEMODE_KASKADE", "PNG");
        Paint::SaveInto(illustrations.Memory(), folder, "CHANGEMODE_MEMORY", "PNG");
    });
}
