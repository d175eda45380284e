// Metafiles drawn at a fixed size (as the board and the preview draw them) and at their own
// size: an AppError or a picture of the size asked for, within the drawing budget.

#include "FuzzSupport.h"
#include "platform/AppError.h"
#include "platform/WmfPlayer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzSupport::EnsureApplication();
    const QByteArray bytes = FuzzSupport::Bytes(data, size);
    try {
        const WmfPlayer player(bytes);
        FuzzSupport::Check(WmfPlayer::ReadSize(bytes) == player.PixelSize(),
                           "size probe differs from the player's size");
        try {
            FuzzSupport::Check(player.Render(QSize(160, 120)).size() == QSize(160, 120),
                               "picture not drawn at the size asked for");
        } catch (const AppError&) {
        }
        const QImage own = player.Render();
        FuzzSupport::Check(qint64(own.width()) * own.height() <= WmfPlayer::MaximumRenderPixels,
                           "own-size picture larger than allowed");
    } catch (const AppError&) {
    }
    return 0;
}
