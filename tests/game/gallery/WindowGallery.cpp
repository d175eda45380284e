// Renders every window of the program in the states a player meets them into PNG files:
// the main window at start, with a photo, in a standard, a cascade and a memory game, and
// every dialog and box. The renders are deterministic, so two folders made by two builds
// can be compared pixel for pixel; run it with QT_SCALE_FACTOR set to see the windows at
// another screen scale.
//   window_gallery <output folder>

#include "GalleryShot.h"
#include "TestAudio.h"
#include "dialogs/TFormChangeMode.h"
#include "dialogs/TFormConfig.h"
#include "dialogs/TFormGreat.h"
#include "dialogs/TFormStatist.h"
#include "dialogs/TFormStatistDelete.h"
#include "dialogs/TFormStatistPrintView.h"
#include "dialogs/TInfoForm.h"
#include "game/TFormPuzzle.h"
#include "game/TPuzzleCrap.h"
#include "game/VarUnit.h"
#include "picturedialog/TOpenDialogForm.h"
#include "platform/Random.h"
#include "platform/Startup.h"
#include "platform/TessalyApplication.h"
#include "storage/Settings.h"
#include "storage/Statistics.h"
#include "widgets/WDCheckBox.h"
#include "widgets/WDConfirmDialog.h"
#include "widgets/WDMessageDialog.h"
#include "widgets/WDStyle.h"

#include <QDir>
#include <QFile>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>
#include <cstdio>

namespace {

QString folder;
bool ok = true;

void Save(QWidget* window, const QString& name) {
    QCoreApplication::processEvents();
    ok = GalleryShot::Save(window, folder, name) && ok;
}

// A photo-like picture with fine detail: sky, hills and a row of thin posts.
QImage Photo(QSize size, int seed) {
    QImage picture(size, QImage::Format_RGB888);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor::fromHsv((200 + seed * 37) % 360, 120, 230));
    sky.setColorAt(1, QColor::fromHsv((40 + seed * 53) % 360, 90, 250));
    painter.fillRect(picture.rect(), sky);
    painter.setPen(Qt::NoPen);
    for (int hill = 0; hill < 3; ++hill) {
        painter.setBrush(QColor::fromHsv((90 + seed * 20 + hill * 25) % 360, 150, 140 - hill * 30));
        QPolygonF shape;
        for (int x = 0; x <= size.width(); x += 10)
            shape << QPointF(x, size.height() * (0.55 + 0.12 * hill) +
                                    size.height() / 20.0 *
                                        std::sin(x * 6.0 / size.width() + seed + hill));
        shape << QPointF(size.width(), size.height()) << QPointF(0, size.height());
        painter.drawPolygon(shape);
    }
    painter.setPen(QPen(QColor(50, 30, 20), size.width() / 1500.0 + 0.5));
    for (int post = 0; post < 120; ++post) {
        const double x = size.width() * (post + 0.5) / 120;
        painter.drawLine(QPointF(x, size.height() * 0.8), QPointF(x, size.height() * 0.9));
    }
    return picture;
}

void FillLists() {
    const char* names[] = {"Marlene", "Jonas", "Ida",        "Friedrich", "Lotte",
                           "Anton",   "Greta", "Konstantin", "Mia",       "Paul"};
    for (int size = 1; size <= 6; ++size)
        for (int k = 0; k < 10 - size; ++k) {
            const int seconds = 20 + size * 45 + k * 17;
            AddResult(size, QString::fromUtf8(names[(k + size) % 10]),
                      QStringLiteral("%1:%2:%3")
                          .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
                          .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
                          .arg(seconds % 60, 2, 10, QLatin1Char('0')));
        }
}

void MainWindow(const QString& home) {
    TFormPuzzle window;
    window.FormCreate();
    window.move(0, 0);
    window.show();
    Save(&window, QStringLiteral("main_start"));

    Random::FixSeed(4711);
    PlayMode = ModeStandard;
    GameSize = 2;
    window.StartPuzzle();
    for (int k : {1, 2, 6, 11})
        window.PiecePlaced(Pieces[k]);
    window.TimerCounter->stop();
    Save(&window, QStringLiteral("main_standard"));

    Grid = true;
    PlayMode = ModeKaskade;
    GameSize = 3;
    window.StartPuzzle();
    window.TimerCounter->stop();
    Save(&window, QStringLiteral("main_kaskade_grid"));
    // The top piece lifted, as while it is dragged.
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Pieces[1], &press);
    Grid = false;

    PlayMode = ModeMemory;
    GameSize = 2;
    window.StartMemory();
    window.TimerCounter->stop();
    Pieces[1]->hide();
    Pieces[PieceCount]->hide();
    window.BrightenCard(2, 60);
    Save(&window, QStringLiteral("main_memory"));

    const QString photo = home + QStringLiteral("/Foto.jpg");
    Photo(QSize(2800, 2000), 3).save(photo, "JPG", 95);
    PictureFile = photo;
    PlayMode = ModeStandard;
    window.LoadPictureFile();
    Save(&window, QStringLiteral("main_photo"));
    GameSize = 1;
    window.StartPuzzle();
    window.TimerCounter->stop();
    window.PiecePlaced(Pieces[5]);
    Save(&window, QStringLiteral("main_photo_standard"));
    window.FreePieces();
}

void Dialogs() {
    TFormChangeMode changeMode;
    for (const std::uint8_t mode : {ModeStandard, ModeMemory}) {
        PlayMode = mode;
        changeMode.show();
        Save(&changeMode, mode == ModeMemory ? QStringLiteral("changemode_memory")
                                             : QStringLiteral("changemode_standard"));
        changeMode.hide();
    }
    PlayMode = ModeStandard;

    Volume = 65;
    TFormConfig config;
    config.show();
    Save(&config, QStringLiteral("config"));
    config.hide();

    FillLists();
    GameSize = 3;
    LastResultTime = Result(3, 2).Time();
    PlayerName = Result(3, 2).Name();
    ResultJustAdded = true;
    TFormStatist statist;
    statist.show();
    Save(&statist, QStringLiteral("statist"));
    statist.hide();
    ResultJustAdded = false;

    TFormStatistDelete erase;
    erase.show();
    erase.btnCheckAllClick();
    erase.CheckBox[4]->SetChecked(false);
    erase.Timer1Timer();
    Save(&erase, QStringLiteral("statist_delete"));
    erase.hide();

    TFormStatistPrintView preview;
    FormStatistPrintView = &preview;
    QTimer::singleShot(0, [&preview] {
        Save(&preview, QStringLiteral("statist_print_view"));
        preview.reject();
    });
    statist.show();
    statist.ShowPrintPreview();
    statist.hide();
    FormStatistPrintView = nullptr;

    PlayerName = QStringLiteral("Marlene");
    TFormGreat great;
    great.LabelText->setText(TFormGreat::PuzzleText(16));
    great.LabelTime->setText(QStringLiteral("00:02:05"));
    great.show();
    Save(&great, QStringLiteral("great"));
    great.hide();

    TInfoForm info;
    info.show();
    Save(&info, QStringLiteral("info"));
    info.hide();

    TWDMessageForm message;
    message.SetTexts(QStringLiteral("Information"),
                     QStringLiteral("Die Bildgröße sollte mindestens 400 x 500 Pixel betragen."));
    message.show();
    Save(&message, QStringLiteral("message"));
    message.hide();

    TWDConfirmForm confirm;
    confirm.SetTexts(QStringLiteral("Beenden"),
                     QStringLiteral("Möchten Sie Tessaly wirklich beenden?"));
    confirm.show();
    Save(&confirm, QStringLiteral("confirm"));
    confirm.hide();
}

void Chooser(const QString& home) {
    const QString pictures = home + QStringLiteral("/Bilder/Urlaub/");
    QDir().mkpath(pictures);
    const QDateTime when(QDate(2024, 7, 14), QTime(15, 30));
    const char* names[] = {"Almwiese.jpg", "Bergsee.jpg", "Hafen.bmp", "Leuchtturm.jpg"};
    int seed = 0;
    for (const char* name : names) {
        const QString path = pictures + QString::fromUtf8(name);
        Photo(QSize(800 + seed * 40, 600), seed).save(path, path.endsWith("bmp") ? "BMP" : "JPG");
        QFile file(path);
        file.open(QIODevice::ReadWrite);
        file.setFileTime(when.addDays(seed), QFileDevice::FileModificationTime);
        ++seed;
    }
    FavoritesDir = home + QStringLiteral("/Favoriten/");
    QDir().mkpath(FavoritesDir);
    LastFolder = pictures;
    PreviewEnabled = true;

    TOpenDialogForm chooser;
    QTimer::singleShot(0, [&] {
        for (int row : {0, 2}) {
            chooser.ListView1->selectionModel()->select(chooser.ListView1->model()->index(row, 0),
                                                        QItemSelectionModel::ClearAndSelect |
                                                            QItemSelectionModel::Rows);
            chooser.AddToFavorites();
        }
        chooser.ListView1->selectionModel()->select(chooser.ListView1->model()->index(1, 0),
                                                    QItemSelectionModel::ClearAndSelect |
                                                        QItemSelectionModel::Rows);
        chooser.mThumbOnEnter(chooser.MotifThumbs[2]);
        Save(&chooser, QStringLiteral("chooser"));
        chooser.reject();
    });
    chooser.exec();
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LC_ALL", "de_DE.UTF-8");
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home.path() + "/.local/share").toLocal8Bit());
    qputenv("XDG_DOCUMENTS_DIR", (home.path() + "/Documents").toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", home.path().toLocal8Bit());
    Startup::PrepareEnvironment();
    TessalyApplication app(argc, argv);
    Startup::PrepareApplication(app);
    TWDStyle::Install();
    if (argc != 2) {
        std::fprintf(stderr, "usage: window_gallery <output folder>\n");
        return 2;
    }
    folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    TestAudio::Open();
    ResetSettings();
    ResetStatistics();
    MainWindow(home.path());
    Dialogs();
    Chooser(home.path());
    TestAudio::Close();
    return ok ? 0 : 1;
}
