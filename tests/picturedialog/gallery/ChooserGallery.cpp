// Developer gallery: renders the picture chooser as a player sees it, with a folder of
// pictures listed, one of them previewed, three favorites and the hover frame on a motif,
// into PNG files.
//   chooser_gallery <output folder>

#include "game/VarUnit.h"
#include "picturedialog/TOpenDialogForm.h"
#include "picturedialog/TThumbImage.h"
#include "platform/Startup.h"
#include "storage/Settings.h"
#include "widgets/WDCheckBox.h"
#include "widgets/WDPanel.h"
#include "widgets/WDStyle.h"

#include "GalleryShot.h"

#include <QApplication>
#include <QDir>
#include <QItemSelectionModel>
#include <QMenu>
#include <QPainter>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>
#include <cstdio>

namespace {

QImage Landscape(QSize size, int seed) {
    QImage picture(size, QImage::Format_RGB888);
    QPainter painter(&picture);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor::fromHsv((200 + seed * 37) % 360, 120, 230));
    sky.setColorAt(1, QColor::fromHsv((40 + seed * 53) % 360, 90, 250));
    painter.fillRect(picture.rect(), sky);
    painter.setPen(Qt::NoPen);
    for (int hill = 0; hill < 3; ++hill) {
        painter.setBrush(QColor::fromHsv((90 + seed * 20 + hill * 25) % 360, 150, 140 - hill * 30));
        QPolygon shape;
        for (int x = 0; x <= size.width(); x += 20)
            shape << QPoint(x, int(size.height() * (0.55 + 0.12 * hill) +
                                   30 * std::sin(x * 0.01 + seed + hill)));
        shape << QPoint(size.width(), size.height()) << QPoint(0, size.height());
        painter.drawPolygon(shape);
    }
    return picture;
}

using GalleryShot::Save;

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LC_ALL", "de_DE.UTF-8");
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    Startup::PrepareEnvironment();
    QApplication app(argc, argv);
    Startup::PrepareApplication(app);
    TWDStyle::Install();
    if (argc != 2) {
        std::fprintf(stderr, "usage: chooser_gallery <output folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);

    const QString pictures = home.path() + QStringLiteral("/Bilder/Urlaub 2024/");
    QDir().mkpath(pictures);
    QDir().mkpath(home.path() + QStringLiteral("/Bilder/Familie"));
    QDir().mkpath(home.path() + QStringLiteral("/Dokumente"));
    const char* names[] = {"Almwiese.jpg",      "Bergsee.jpg",
                           "Dünen am Meer.jpg", "Hafen.bmp",
                           "Leuchtturm.jpg",    "Sonnenuntergang am Meer bei Nacht.jpg"};
    int seed = 0;
    for (const char* name : names) {
        const QString path = pictures + QString::fromUtf8(name);
        Landscape(QSize(800 + seed * 40, 600), seed)
            .save(path, path.endsWith("bmp") ? "BMP" : "JPG");
        ++seed;
    }
    // A panorama too wide for the board: its preview shows the strips that would be cut.
    Landscape(QSize(1800, 900), seed).save(pictures + QStringLiteral("Panorama.jpg"), "JPG");
    FavoritesDir = home.path() + QStringLiteral("/Favoriten/");
    QDir().mkpath(FavoritesDir);
    LastFolder = pictures;
    PreviewEnabled = true;

    TOpenDialogForm chooser;
    bool ok = true;
    QTimer::singleShot(0, [&] {
        ok = Save(&chooser, folder, QStringLiteral("chooser_empty_favorites"));
        for (int row : {0, 2, 4}) {
            chooser.ListView1->selectionModel()->select(chooser.ListView1->model()->index(row, 0),
                                                        QItemSelectionModel::ClearAndSelect |
                                                            QItemSelectionModel::Rows);
            chooser.AddToFavorites();
        }
        chooser.ListView1->selectionModel()->select(chooser.ListView1->model()->index(1, 0),
                                                    QItemSelectionModel::ClearAndSelect |
                                                        QItemSelectionModel::Rows);
        chooser.mThumbOnEnter(chooser.MotifThumbs[2]);
        chooser.mFavoriteOnEnter(chooser.FavoriteThumbs[1]);
        ok = Save(&chooser, folder, QStringLiteral("chooser")) && ok;
        chooser.ListView1->selectionModel()->select(chooser.ListView1->model()->index(5, 0),
                                                    QItemSelectionModel::ClearAndSelect |
                                                        QItemSelectionModel::Rows);
        ok = Save(chooser.WDPanel5, folder, QStringLiteral("chooser_wide_preview")) && ok;
        for (QMenu* menu : {chooser.PopupFiles, chooser.PopupFavorite}) {
            menu->ensurePolished();
            menu->adjustSize();
        }
        ok = Save(chooser.PopupFiles, folder, QStringLiteral("chooser_popup_files")) && ok;
        ok = Save(chooser.PopupFavorite, folder, QStringLiteral("chooser_popup_favorite")) && ok;
        chooser.reject();
    });
    chooser.exec();
    return ok ? 0 : 1;
}
