// Developer gallery: renders the congratulation and the info window, as a player sees
// them, into PNG files for a look at the artwork with the controls on top.
//   greatinfo_gallery <output folder>

#include "dialogs/TFormGreat.h"
#include "dialogs/TInfoForm.h"
#include "dialogs/TVLMUrlLabel.h"
#include "storage/Settings.h"

#include "GalleryShot.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <cstdio>

namespace {

using GalleryShot::Save;

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: greatinfo_gallery <output folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);

    PlayerName = QStringLiteral("Marlene");
    TFormGreat great;
    great.LabelText->setText(TFormGreat::PuzzleText(16));
    great.LabelTime->setText(QStringLiteral("00:02:05"));
    great.show();
    app.processEvents();
    bool ok = Save(&great, folder, QStringLiteral("great"));
    great.LabelText->setText(TFormGreat::MemoryText(24));
    great.LabelTime->setText(QStringLiteral("01:12:47"));
    great.hide();
    great.show();
    app.processEvents();
    ok = Save(&great, folder, QStringLiteral("great_memory")) && ok;

    TInfoForm info;
    info.show();
    app.processEvents();
    // The mail link as it looks under the mouse.
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(info.VLMUrlLabel2, &move);
    ok = Save(&info, folder, QStringLiteral("info")) && ok;
    return ok ? 0 : 1;
}
