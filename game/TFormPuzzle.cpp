#include "TFormPuzzle.h"

#include "BoardGeometry.h"
#include "BoardPicture.h"
#include "ExitSave.h"
#include "GameClock.h"
#include "MemoryLayout.h"
#include "PictureCrop.h"
#include "PictureDrop.h"
#include "PictureTools.h"
#include "PiecePlacement.h"
#include "TImage.h"
#include "TPuzzleCrap.h"
#include "VarUnit.h"
#include "dialogs/TFormChangeMode.h"
#include "dialogs/TFormConfig.h"
#include "dialogs/TFormGreat.h"
#include "dialogs/TFormStatist.h"
#include "dialogs/THelpForm.h"
#include "dialogs/TInfoForm.h"
#include "picturedialog/MotifLibrary.h"
#include "picturedialog/PictureSizeCheck.h"
#include "picturedialog/TOpenDialogForm.h"
#include "platform/AppError.h"
#include "platform/AppFolders.h"
#include "platform/ArtResources.h"
#include "platform/HelpViewer.h"
#include "platform/ProgramFiles.h"
#include "platform/Random.h"
#include "platform/RegularFile.h"
#include "platform/TessalyApplication.h"
#include "platform/WindowMover.h"
#include "sound/SoundCues.h"
#include "storage/Settings.h"
#include "storage/Statistics.h"
#include "storage/StoredFile.h"
#include "widgets/DialogKeys.h"
#include "widgets/FormLabels.h"
#include "widgets/FormStyle.h"
#include "widgets/WDConfirmDialog.h"
#include "widgets/WDMessageDialog.h"
#include "widgets/WDTOBU.h"
#include "widgets/WDWinButton.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QScopeGuard>
#include <QScreen>
#include <QThread>
#include <algorithm>
#include <array>

namespace {

const QColor LightText(0xF0, 0xE1, 0xB3);

QLabel* CreateLabel(QWidget* parent, const QString& text, QRect geometry, int pixelSize, bool bold,
                    QColor colour, Qt::Alignment alignment) {
    auto* label = new QLabel(text, parent);
    label->setFont(TimesPixels(pixelSize, bold));
    SetTextColour(label, colour);
    label->setAlignment(alignment);
    label->setGeometry(geometry);
    label->setProperty("Tag", 0);
    return label;
}

TImage* CreateArtImage(QWidget* parent, const QString& art, QRect geometry) {
    auto* image = new TImage(parent);
    image->setGeometry(geometry);
    image->SetPicture(ArtResources::LoadArt(art));
    return image;
}

QWidget* CreatePanel(QWidget* parent, QRect geometry) {
    auto* panel = new QWidget(parent);
    panel->setGeometry(geometry);
    return panel;
}

} // namespace

TFormPuzzle::TFormPuzzle(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    setWindowTitle(QStringLiteral("Tessaly"));
    setFixedSize(900, 700);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    setFont(font);
    setFocusPolicy(Qt::StrongFocus);

    CreatePlayArea();
    CreateTopBar();
    CreateFrame();

    DialogKeys::Install(this);
    setAcceptDrops(true);

    TimerCounter = new QTimer(this);
    TimerCounter->setInterval(1000);
    connect(TimerCounter, &QTimer::timeout, this, &TFormPuzzle::TimerCounterTimer);

    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

TFormPuzzle::~TFormPuzzle() {
    FormDestroy();
    FreePieces();
}

void TFormPuzzle::FormDestroy() {
    ReleaseAudioOutput();
}

void TFormPuzzle::CreatePlayArea() {
    PanelBack = CreatePanel(this, QRect(18, 62, 864, 620));
    ImageBack = new TImage(PanelBack);
    ImageBack->setGeometry(0, 0, 870, 625);
    Image1 = new TImage(PanelBack);
    Image1->hide();
    Image2 = new TImage(PanelBack);
    Image2->setGeometry(10, 10, 120, 120);
    Image2->SetStretch(true);
    Image2->hide();
}

void TFormPuzzle::CreateTopBar() {
    PanelTop = CreatePanel(this, QRect(0, 0, 900, 62));
    ImageTop = CreateArtImage(PanelTop, QStringLiteral("TOP"), QRect(0, 0, 900, 62));

    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignTop;
    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
    Label3 = CreateLabel(PanelTop, QStringLiteral("Tessaly"), QRect(379, 21, 145, 31), 27, true,
                         QColor(0xDD, 0xA7, 0x6A), centred);
    Label4 = CreateLabel(PanelTop, QStringLiteral("Tessaly"), QRect(378, 20, 145, 31), 27, true,
                         QColor(0x72, 0x48, 0x1B), centred);
    lbTitelPlayMode =
        CreateLabel(PanelTop, QString(), QRect(552, 25, 105, 25), 21, true, LightText, centred);
    LabeModeTitle = CreateLabel(PanelTop, QStringLiteral("Teile:"), QRect(664, 30, 40, 17), 15,
                                false, LightText, Qt::AlignRight | Qt::AlignTop);
    StaticTextMode = CreateLabel(PanelTop, QStringLiteral("0"), QRect(714, 30, 30, 16), 15, true,
                                 LightText, centred);
    LabelTimeTitle = CreateLabel(PanelTop, QStringLiteral("Zeit:"), QRect(768, 30, 34, 17), 15,
                                 false, LightText, left);
    StaticTextTime = CreateLabel(PanelTop, QStringLiteral("00:00:00"), QRect(804, 30, 68, 16), 15,
                                 true, LightText, centred);

    mOpen = CreateToolButton(24, QStringLiteral("TB_OPEN"), QStringLiteral("Motiv öffnen (Alt+M)"),
                             static_cast<int>(TBHotKey::Alt_M), &TFormPuzzle::mOpenClick);
    mStart =
        CreateToolButton(54, QStringLiteral("TB_START"), QStringLiteral("Spiel starten (Alt+S)"),
                         static_cast<int>(TBHotKey::Alt_S), &TFormPuzzle::mStartClick);
    mTip = CreateToolButton(84, QStringLiteral("TB_TIP"), QStringLiteral("Tip (Alt+T)"),
                            static_cast<int>(TBHotKey::Alt_T), &TFormPuzzle::mTipClick);
    mPause = CreateToolButton(114, QStringLiteral("TB_PAUSE"), QStringLiteral("Pause (Alt+P)"),
                              static_cast<int>(TBHotKey::Alt_P), &TFormPuzzle::mPauseClick);
    mStatist = CreateToolButton(144, QStringLiteral("TB_STATIST"), QStringLiteral("Statistik (F2)"),
                                static_cast<int>(TBHotKey::None), &TFormPuzzle::mStatistClick);
    mConfig =
        CreateToolButton(174, QStringLiteral("TB_CONFIG"), QStringLiteral("Einstellungen (F3)"),
                         static_cast<int>(TBHotKey::None), &TFormPuzzle::mConfigClick);
    mInfo = CreateToolButton(204, QStringLiteral("TB_INFO"), QStringLiteral("Info (Alt+I)"),
                             static_cast<int>(TBHotKey::Alt_I), &TFormPuzzle::mInfoClick);
    mHelp = CreateToolButton(234, QStringLiteral("TB_HELP"), QStringLiteral("Hilfe (F1)"),
                             static_cast<int>(TBHotKey::None), &TFormPuzzle::mHelpClick);
    mClose = CreateToolButton(264, QStringLiteral("TB_CLOSE"), QStringLiteral("Beenden (Alt+B)"),
                              static_cast<int>(TBHotKey::Alt_B), &TFormPuzzle::mCloseClick);

    wbMinimize = new TWDWinButton(PanelTop);
    wbMinimize->SetButtonType(TButtonType::btMinimize);
    wbMinimize->setGeometry(852, 2, 20, 20);
    wbMinimize->setToolTip(QStringLiteral("Minimieren"));
    connect(wbMinimize, &TWDWinButton::OnClick, this, &TFormPuzzle::wbMinimizeClick);
    wbClose = new TWDWinButton(PanelTop);
    wbClose->SetButtonType(TButtonType::btClose);
    wbClose->setGeometry(872, 2, 20, 20);
    wbClose->setToolTip(QStringLiteral("Schließen"));
    connect(wbClose, &TWDWinButton::OnClick, this, &TFormPuzzle::mCloseClick);

    for (QWidget* mover :
         std::initializer_list<QWidget*>{ImageTop, lbTitelPlayMode, Label3, Label4})
        mover->installEventFilter(this);
}

TWDToBu* TFormPuzzle::CreateToolButton(int left, const QString& glyph, const QString& hint,
                                       int hotKey, void (TFormPuzzle::*handler)()) {
    auto* button = new TWDToBu(PanelTop);
    button->setGeometry(left, 22, 30, 30);
    button->setToolTip(hint);
    button->SetHotKey(static_cast<TBHotKey>(hotKey));
    button->SetPicIdle(ArtResources::LoadSkin(glyph));
    if (handler)
        connect(button, &TWDToBu::OnClick, this, handler);
    return button;
}

void TFormPuzzle::CreateFrame() {
    PanelLeft = CreatePanel(this, QRect(0, 62, 18, 620));
    ImageLeft = CreateArtImage(PanelLeft, QStringLiteral("LEFT"), QRect(0, 0, 18, 620));
    PanelRight = CreatePanel(this, QRect(882, 62, 18, 620));
    Image3 = CreateArtImage(PanelRight, QStringLiteral("RIGHT"), QRect(0, 0, 18, 620));
    PanelBottom = CreatePanel(this, QRect(0, 682, 900, 18));
    ImageBottom = CreateArtImage(PanelBottom, QStringLiteral("BOTTOM"), QRect(0, 0, 900, 18));
    for (QWidget* mover : std::initializer_list<QWidget*>{ImageLeft, Image3, ImageBottom})
        mover->installEventFilter(this);
}

bool TFormPuzzle::CreateFolder(const QString& folder, const QString& failure) {
    if (AppFolders::ForceFolder(folder))
        return true;
    QApplication::beep();
    QMessageBox::critical(nullptr, QStringLiteral("Tessaly"), failure);
    return false;
}

bool TFormPuzzle::FormCreate() {
    MakeLabelsTransparent(this);

    ProgramDir = AppFolders::ProgramDir();
    HelpFileName = ProgramFiles::HelpFile();
    if (!QFileInfo::exists(HelpFileName))
        QMessageBox::critical(nullptr, QStringLiteral("Tessaly"),
                              QStringLiteral("Die Hilfedatei wurde nicht gefunden!"));

    SettingsDir = AppFolders::SettingsDir();
    if (!CreateFolder(
            SettingsDir,
            QStringLiteral("Verzeichnis für Programmdaten konnte nicht angelegt werden!")))
        return false;
    DataDir = AppFolders::DataDir();
    if (!CreateFolder(DataDir,
                      QStringLiteral("Verzeichnis für Daten konnte nicht angelegt werden!")))
        return false;
    FavoritesDir = AppFolders::FavoritesDir(DataDir);
    if (!CreateFolder(
            FavoritesDir,
            QStringLiteral("Verzeichnis für die Favoriten konnte nicht angelegt werden!")))
        return false;
    FavoritesFileName = FavoritesDir + QStringLiteral("Favorite.dat");
    IniFileName = SettingsDir + QStringLiteral("tessaly.ini");
    // A save cut short by a kill leaves its temporary file behind; only one copy of the
    // program runs, so whatever of them lies there now is left over.
    for (const QString& folder : {SettingsDir, DataDir, FavoritesDir})
        StoredFile::RemoveLeftovers(folder);

    // A settings or statistics file that cannot be read is reported; the game then starts
    // with what could be read and the defaults.
    try {
        LoadSettings(IniFileName);
    } catch (const AppError& error) {
        TessalyApplication::ShowError(error.Message());
    }
    StatisticsFileName = StatisticsFileNameFor(DataDir, PlayMode);
    try {
        LoadStatistics(StatisticsFileName);
    } catch (const AppError& error) {
        TessalyApplication::ShowError(error.Message());
    }

    Image1->hide();
    Image2->hide();
    PaintBackground();

    PiecesCreated = false;
    TimerCounter->stop();
    ResetClock();
    mTip->SetEnabled(false);
    mPause->SetEnabled(false);
    DialogOpen = false;
    MotifNumber = 1;
    PictureIsMotif = true;
    ShowPlayMode();
    StaticTextMode->setText(QStringLiteral("0"));
    if (!StartAudioOutput(static_cast<std::uintptr_t>(winId())))
        return false;
    TipBlinking = false;

    LoadMotif(MotifNumber);
    return true;
}

void TFormPuzzle::ShowPlayMode() {
    lbTitelPlayMode->setText(PlayModeText(PlayMode));
    LabeModeTitle->setText(PlayMode == ModeMemory ? QStringLiteral("Paare:")
                                                  : QStringLiteral("Teile:"));
}

void TFormPuzzle::PaintBackground() {
    ImageBack->SetPicture(ArtResources::LoadJpg(100));
    ImageBack->setGeometry(0, 0, 870, 625);
    ImageBack->update();
}

void TFormPuzzle::DrawJpgResource(QImage& canvas, int x, int y, int number) {
    QPainter painter(&canvas);
    painter.drawImage(x, y, ArtResources::LoadJpg(number));
}

void TFormPuzzle::DrawFrame(TImage* image, bool repaint) {
    if (repaint)
        PaintBackground();
    const QRect bounds = image->geometry();
    const int l = bounds.left();
    const int t = bounds.top();
    const int w = bounds.width();
    const int h = bounds.height();
    const struct {
        int number;
        QRect target;
    } pieces[] = {
        {301, QRect(l - 10, t - 10, 10, 10)}, {302, QRect(l + w, t - 10, 10, 10)},
        {303, QRect(l - 10, t + h, 10, 10)},  {304, QRect(l + w, t + h, 10, 10)},
        {305, QRect(l, t - 10, w, 10)},       {306, QRect(l, t + h, w, 10)},
        {307, QRect(l - 10, t, 10, h)},       {308, QRect(l + w, t, 10, h)},
    };
    QPainter painter(&ImageBack->Canvas());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const auto& piece : pieces)
        painter.drawImage(piece.target, ArtResources::LoadJpg(piece.number));
    painter.end();
    ImageBack->update();
}

void TFormPuzzle::DrawGrid() {
    QImage& board = Image1->Canvas();
    const int n = GameSize + 2;
    const QSize size = BoardPicture::LogicalSize(board);
    const QSize cell = PlayMode == ModeMemory
                           ? QSize(MemoryLayout::CellSize, MemoryLayout::CellSize)
                           : QSize(size.width() / n, size.height() / n);
    const QImage vertical = ArtResources::LoadJpg(310);
    const QImage horizontal = ArtResources::LoadJpg(309);
    QPainter painter(&board);
    for (int x : BoardGeometry::GridLines(size.width(), cell.width()))
        painter.drawImage(QRect(x - 2, 0, 5, size.height()), vertical);
    for (int y : BoardGeometry::GridLines(size.height(), cell.height()))
        painter.drawImage(QRect(0, y - 2, size.width(), 5), horizontal);
    painter.end();
    Image1->update();
}

bool TFormPuzzle::CheckMinimumSize(const QString& file) {
    const QSize size = PictureFile::ReadSize(file, PictureFile::KindOf(file, lastPictureKind));
    return !PictureSizeCheck::PassesMinimumSize(size);
}

bool TFormPuzzle::CheckFormat(const QString& file, bool* centreOnly) {
    if (centreOnly)
        *centreOnly = false;
    const QSize size = PictureFile::ReadSize(file, PictureFile::KindOf(file, lastPictureKind));
    if (BoardGeometry::CheckPicture(size) != BoardGeometry::PictureVerdict::WrongFormat)
        return false;
    if (!WDConfirm(QStringLiteral("Information"),
                   QStringLiteral("Die Bildgröße entspricht nicht dem geforderten Format! Soll der "
                                  "mittlere Ausschnitt verwendet werden?"),
                   QStringLiteral("Ja"), QStringLiteral("Nein")))
        return true;
    if (centreOnly)
        *centreOnly = true;
    return false;
}

bool TFormPuzzle::LoadPictureFile() {
    if (RegularFile::TypeOf(PictureFile) == RegularFile::Type::Missing) {
        PictureIsMotif = false;
        return false;
    }
    // The picture is decoded before anything is cleared, so a file that cannot be read
    // leaves the board as it was.
    const PictureFile::Kind kind = PictureFile::KindOf(PictureFile, lastPictureKind);
    // Board and preview follow the file's own size; a large JPEG is decoded at a reduced
    // scale that still covers the board.
    const QSize size = PictureFile::ReadSize(PictureFile, kind);
    const QImage picture = PictureFile::Load(
        PictureFile, kind, BoardPicture::DeviceSize(BoardGeometry::DecodeSize(size)));
    lastPictureKind = kind;
    if (PictureCentreOnly)
        ShowBoard(PictureCrop::CutCentre(picture, size), PictureCrop::CentreSection(size).size());
    else
        ShowBoard(picture, size);
    DrawFrame(Image1, true);
    DrawFrame(Image2, false);
    PictureIsMotif = false;
    return true;
}

void TFormPuzzle::LoadMotif(int number) {
    QImage motif;
    LoadMotiv(&motif, MotifLibrary::IdAtScale(number, BoardPicture::Ratio()));
    if (motif.isNull())
        throw AppError(QStringLiteral("Das Motiv %1 ist nicht vorhanden.").arg(number));
    ShowBoard(motif, motif.size());
    DrawFrame(Image1, true);
    DrawFrame(Image2, false);
    PictureIsMotif = true;
}

// Puts a freshly loaded picture onto the board (scaled to height 500) and the preview,
// ending the game that was on the board.
void TFormPuzzle::ShowBoard(const QImage& picture, QSize pictureSize) {
    Image1->hide();
    Image1->ClearPicture();
    StaticTextTime->setText(QStringLiteral("00:00:00"));
    DoneCount = 0;
    FreePieces();

    const int width = BoardGeometry::BoardWidth(pictureSize);
    Image1->setGeometry(BoardGeometry::BoardRect(width));
    Image1->SetPicture(BoardPicture::Scaled(picture, QSize(width, BoardGeometry::BoardHeight)));
    Image1->show();

    const QSize preview = BoardGeometry::PreviewSize(pictureSize);
    Image2->setGeometry(QRect(QPoint(10, 10), preview));
    Image2->SetPicture(BoardPicture::Scaled(Image1->Picture(), preview));
    Image2->show();
}

void TFormPuzzle::CutPieces() {
    const int n = GameSize + 2;
    PieceCount = n * n;
    LabeModeTitle->setText(QStringLiteral("Teile:"));
    StaticTextMode->setText(QString::number(PieceCount));

    if (!PiecesCreated) {
        for (int k = 1; k <= PieceCount; ++k) {
            Pieces[k] = CreatePiece(k);
            CreateHomeSlot(k, k);
        }
        PiecesCreated = true;
        ++pieceGeneration;
    }

    Random::Randomize();
    const QImage& board = Image1->Picture();
    const QRect boardRect = Image1->geometry();
    const QSize boardSize = BoardPicture::LogicalSize(board);
    const QSize pieceSize = BoardGeometry::PieceSize(boardSize, n);
    const std::vector<QPoint> origins = BoardGeometry::PieceOrigins(boardSize, n);
    for (int k = 1; k <= PieceCount && k <= static_cast<int>(origins.size()); ++k) {
        const QPoint origin = origins[static_cast<std::size_t>(k - 1)];
        const QRect home(boardRect.topLeft() + origin, pieceSize);
        Pieces[k]->setGeometry(home);
        Pieces[k]->SetImageIdle(BoardPicture::Cut(board, QRect(origin, pieceSize)));
        HomeSlots[k]->setGeometry(home);
        HomeSlots[k]->show();
        if (PlayMode == ModeStandard) {
            const QPoint scattered = PiecePlacement::ScatteredPosition(pieceSize, boardRect.left());
            Pieces[k]->move(scattered - QPoint(1, 1));
            Pieces[k]->show();
            Pieces[k]->raise();
        }
    }

    // The board becomes a darkened copy of the table under it; placed pieces are painted
    // into it so that it fills up as the player works.
    QImage darkened =
        BoardPicture::Cut(ImageBack->Picture(), boardRect).convertToFormat(QImage::Format_RGB888);
    PictureTools::AdjustBrightness(darkened, -25);
    Image1->SetPicture(darkened);
    if (Grid)
        DrawGrid();
}

TPuzzleCrap* TFormPuzzle::CreatePiece(int tag) {
    auto* piece = new TPuzzleCrap(PanelBack);
    piece->SetTag(tag);
    piece->hide();
    piece->SetDraggable(true);
    connect(piece, &TPuzzleCrap::OnMouseDown, this, &TFormPuzzle::aPuzzleMouseDown);
    connect(piece, &TPuzzleCrap::OnMouseUp, this, &TFormPuzzle::aPuzzleMouseUp);
    connect(piece, &TPuzzleCrap::OnMouseMove, this, &TFormPuzzle::aPuzzleMouseMove);
    return piece;
}

// The invisible rectangle of a piece's home: it only serves to test drops against.
void TFormPuzzle::CreateHomeSlot(int k, int tag) {
    auto* slot = new QWidget(PanelBack);
    slot->setAttribute(Qt::WA_TransparentForMouseEvents);
    slot->setProperty("Tag", tag);
    slot->hide();
    HomeSlots[k] = slot;
}

void TFormPuzzle::FreePieces() {
    if (!PiecesCreated)
        return;
    // The pieces may be freed from within one of their own mouse handlers (the last piece
    // placed ends the game), so they are hidden and cut off now and deleted later.
    for (int k = 1; k <= PieceCount; ++k) {
        for (QWidget* widget : {static_cast<QWidget*>(Pieces[k]), HomeSlots[k]}) {
            widget->hide();
            widget->disconnect(this);
            widget->deleteLater();
        }
        Pieces[k] = nullptr;
        HomeSlots[k] = nullptr;
    }
    PiecesCreated = false;
}

void TFormPuzzle::closeEvent(QCloseEvent* event) {
    event->ignore();
    // While the player is asked, the clock stands and the music pauses, so that "Nein"
    // leaves the game exactly as it was. A file that cannot be written is reported and the
    // player decides whether to quit without it; the pieces are freed only at the end.
    bool quit = false;
    RunDialog([&] {
        quit = WDConfirm(QStringLiteral("Beenden"),
                         QStringLiteral("Möchten Sie Tessaly wirklich beenden?"),
                         QStringLiteral("Ja"), QStringLiteral("Nein")) &&
               ExitSave::SaveForQuit({[] { SaveSettings(IniFileName); },
                                      [] { SaveStatistics(StatisticsFileName); },
                                      [] {
                                          if (OpenDialogForm)
                                              OpenDialogForm->SaveFavorites();
                                      }});
    });
    if (!quit)
        return;
    FreePieces();
    event->accept();
}

void TFormPuzzle::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_F1:
        mHelpClick();
        break;
    case Qt::Key_F2:
        mStatistClick();
        break;
    case Qt::Key_F3:
        mConfigClick();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

// The top bar, the title and the frame pictures move the window, with any mouse button.
bool TFormPuzzle::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        WindowMover::StartMove(static_cast<QWidget*>(watched), mouse->globalPosition());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// A picture file dropped from the file manager opens as "open with" opens it.
void TFormPuzzle::dragEnterEvent(QDragEnterEvent* event) {
    if (PictureDrop::Accepts(event->mimeData()))
        event->acceptProposedAction();
}

void TFormPuzzle::dragMoveEvent(QDragMoveEvent* event) {
    if (PictureDrop::Accepts(event->mimeData()))
        event->acceptProposedAction();
}

void TFormPuzzle::dropEvent(QDropEvent* event) {
    if (!PictureDrop::Accepts(event->mimeData()))
        return;
    event->acceptProposedAction();
    PictureDrop::Open(*this, PictureDrop::FileOf(event->mimeData()));
}

void TFormPuzzle::mCloseClick() {
    close();
}

void TFormPuzzle::wbMinimizeClick() {
    showMinimized();
}

void TFormPuzzle::mHelpClick() {
    // Without a browser to show it, the help opens in a window of our own.
    HelpViewer::Show(HelpFileName, [window = QPointer<TFormPuzzle>(this)] {
        THelpForm::ShowHelp(HelpFileName, window);
    });
}

void TFormPuzzle::RunDialog(const std::function<void()>& showDialog) {
    DialogOpen = true;
    const bool musicWasPlaying = MusicPlaying();
    if (musicWasPlaying)
        StopMusic();
    showDialog();
    DialogOpen = false;
    if (musicWasPlaying) {
        NewMusicTrack = false;
        PlayMusic();
    }
}

void TFormPuzzle::mStatistClick() {
    RunDialog([] {
        if (FormStatist)
            FormStatist->exec();
    });
}

void TFormPuzzle::mConfigClick() {
    RunDialog([] {
        if (!FormConfig)
            return;
        FormConfig->exec();
        // Before the music resumes, so that it starts at the new volume.
        if (ConfigConfirmed)
            ApplyVolumeSetting();
    });
}

void TFormPuzzle::mInfoClick() {
    RunDialog([] {
        if (InfoForm)
            InfoForm->exec();
    });
}

// ---- A game from start to finish ----------------------------------------------------------

void TFormPuzzle::mOpenClick() {
    DialogOpen = true;
    const bool musicWasPlaying = MusicPlaying();
    if (musicWasPlaying)
        StopMusic();
    ChooserResult = 0;
    if (OpenDialogForm)
        OpenDialogForm->exec();
    DialogOpen = false;
    if (ChooserResult == 1) {
        OpenPictureFile(ChosenFile);
    } else if (ChooserResult == 2) {
        OpenMotif();
    } else if (musicWasPlaying) {
        NewMusicTrack = false;
        PlayMusic();
    }
}

void TFormPuzzle::OpenPictureFile(const QString& file) {
    DialogOpen = true;
    const auto leave = qScopeGuard([] { DialogOpen = false; });
    if (RegularFile::TypeOf(file) == RegularFile::Type::Missing)
        return;
    bool centreOnly = false;
    if (CheckMinimumSize(file) || CheckFormat(file, &centreOnly))
        return;
    PictureFile = file;
    PictureCentreOnly = centreOnly;
    LoadPictureFile();
    ShowNoGame();
    if (PlayMode == ModeMemory)
        PlayMode = ModeStandard;
    mStartClick();
}

void TFormPuzzle::OpenMotif() {
    LoadMotif(MotifNumber);
    ShowNoGame();
    if (PlayMode == ModeMemory)
        PlayMode = ModeStandard;
    mStartClick();
}

// The state "no game": clock at zero and standing, no tip, no pause.
void TFormPuzzle::ShowNoGame() {
    StaticTextMode->setText(QStringLiteral("0"));
    TimerCounter->stop();
    ResetClock();
    mTip->SetEnabled(false);
    mPause->SetDowned(false);
    mPause->SetEnabled(false);
}

void TFormPuzzle::mStartClick() {
    DialogOpen = true;
    const bool musicWasPlaying = MusicPlaying();
    if (musicWasPlaying)
        StopMusic();
    RunChangeMode();
    DialogOpen = false;
    if (!StartConfirmed) {
        if (musicWasPlaying) {
            NewMusicTrack = false;
            PlayMusic();
        }
        return;
    }
    // The lists in use so far are written before those of the chosen mode are read.
    SaveStatistics(StatisticsFileName);
    ShowPlayMode();
    StatisticsFileName = StatisticsFileNameFor(DataDir, PlayMode);
    LoadStatistics(StatisticsFileName);
    StaticTextMode->setText(QStringLiteral("0"));
    if (PlayMode == ModeMemory)
        StartMemory();
    else
        StartPuzzle();
}

void TFormPuzzle::StartPuzzle() {
    if (PictureIsMotif) {
        LoadMotif(MotifNumber);
    } else if (!LoadPictureFile()) {
        if (WDConfirm(QStringLiteral("Information"),
                      QStringLiteral("Es wurde noch keine Bild geöffnet.\nMöchten Sie jetzt ein "
                                     "Motiv wählen?"),
                      QStringLiteral("Ja"), QStringLiteral("Nein")))
            mOpenClick();
        return;
    }
    CutPieces();

    Random::Randomize();
    const QSize pieceSize = Pieces[1]->size();
    if (PlayMode == ModeKaskade) {
        int placed = 0;
        for (int k : PiecePlacement::StackOrder(PieceCount)) {
            ++placed;
            TPuzzleCrap* piece = Pieces[k];
            piece->move(PiecePlacement::StackPosition(placed, pieceSize.height()));
            piece->show();
            piece->raise();
            piece->SetHint(QString::number(placed));
            piece->setEnabled(placed == PieceCount);
        }
        ActiveStackNumber = PieceCount;
    } else {
        for (int i = 0; i < 100; ++i)
            Pieces[1 + Random::Next(PieceCount)]->raise();
    }
    StartGameRunning();
}

void TFormPuzzle::StartMemory() {
    Image2->hide();
    Image1->hide();
    Image1->ClearPicture();
    StaticTextTime->setText(QStringLiteral("00:00:00"));
    DoneCount = 0;
    TurnedCount = 0;
    FreePieces();

    const int pairs = MemoryLayout::PairsFor(GameSize);
    PieceCount = 2 * pairs;
    LabeModeTitle->setText(QStringLiteral("Paare:"));
    StaticTextMode->setText(QString::number(pairs));

    for (int k = 1; k <= PieceCount; ++k) {
        TPuzzleCrap* card = CreatePiece(0);
        card->SetDraggable(false);
        card->resize(MemoryLayout::CellSize, MemoryLayout::CellSize);
        Pieces[k] = card;
        ShowCardBack(k);
        CreateHomeSlot(k, 0);
    }
    PiecesCreated = true;
    ++pieceGeneration;

    const QSize boardSize = MemoryLayout::BoardFor(GameSize);
    const QRect boardRect(BoardGeometry::PlayAreaWidth - boardSize.width() -
                              BoardGeometry::BoardMargin,
                          BoardGeometry::BoardMargin, boardSize.width(), boardSize.height());
    Image1->setGeometry(boardRect);
    QImage board = BoardPicture::Blank(boardSize);

    Random::Randomize();
    const std::vector<int> motifs = MemoryLayout::DrawMotifs(pairs);
    for (int p = 1; p <= pairs; ++p)
        PairMotifs[static_cast<std::size_t>(p)] = motifs[static_cast<std::size_t>(p - 1)];

    // The first cells hold one card of every pair, the remaining cells their partners.
    QPainter painter(&board);
    QPoint cell(0, 0);
    for (int half = 0; half < 2; ++half) {
        Random::Randomize();
        for (int pair : MemoryLayout::DealOrder(pairs)) {
            const int k = half * pairs + pair;
            Pieces[k]->SetTag(k);
            Pieces[k]->SetHint(QString::number(pair));
            HomeSlots[k]->setProperty("Tag", k);
            painter.drawImage(
                cell, ArtResources::LoadJpg(100 + PairMotifs[static_cast<std::size_t>(pair)]));
            HomeSlots[k]->setGeometry(QRect(boardRect.topLeft() + cell,
                                            QSize(MemoryLayout::CellSize, MemoryLayout::CellSize)));
            HomeSlots[k]->show();
            cell.rx() += MemoryLayout::CellSize;
            if (cell.x() == boardSize.width())
                cell = QPoint(0, cell.y() + MemoryLayout::CellSize);
        }
    }
    painter.end();
    Image1->SetPicture(board);

    DrawFrame(Image1, true);
    if (Grid)
        DrawGrid();
    Image1->show();

    // Each card's first paint moves it 2 pixels right and down, exactly onto its cell.
    for (int k = 1; k <= PieceCount; ++k) {
        Pieces[k]->move(HomeSlots[k]->pos() - QPoint(2, 2));
        Pieces[k]->show();
        Pieces[k]->raise();
    }
    StartGameRunning();
}

void TFormPuzzle::ShowCardBack(int k) {
    Pieces[k]->SetImageIdle(ArtResources::LoadJpg(200));
}

void TFormPuzzle::BrightenCard(int k, int amount) {
    QImage picture = Pieces[k]->ImageIdle().convertToFormat(QImage::Format_RGB888);
    PictureTools::AdjustBrightness(picture, amount);
    Pieces[k]->SetImageIdle(picture);
}

// The last step of every game start: cue, clock, tool bar, music.
void TFormPuzzle::StartGameRunning() {
    PlaySoundStart();
    TipBlinking = false;
    ResetClock();
    TimerCounter->start();
    mPause->SetEnabled(true);
    mPause->SetDowned(false);
    mTip->SetEnabled(true);
    PlayMusic();
}

void TFormPuzzle::aPuzzleMouseDown(TPuzzleCrap* sender, Qt::MouseButton button,
                                   Qt::KeyboardModifiers, QPoint) {
    if (button == Qt::RightButton)
        return;
    if (mPause->Downed())
        ReleasePause();
    if (PlayMode == ModeMemory) {
        MemoryMouseDown(sender);
        return;
    }
    PlaySoundTake();
    if (PlayMode == ModeStandard)
        sender->raise();
}

void TFormPuzzle::aPuzzleMouseUp(TPuzzleCrap* sender, Qt::MouseButton button, Qt::KeyboardModifiers,
                                 QPoint) {
    if (mPause->Downed() || button == Qt::RightButton)
        return;
    if (PlayMode == ModeMemory) {
        MemoryMouseUp(sender);
        return;
    }
    if (IsCursorOver(HomeSlots[sender->Tag()])) {
        PiecePlaced(sender);
        return;
    }
    PlaySoundDrop();
    sender->move(PiecePlacement::PushIntoArea(sender->geometry(), PanelBack->size()));
}

// A card is turned up by hiding it: the motif painted into the board below shows.
void TFormPuzzle::MemoryMouseDown(TPuzzleCrap* card) {
    if (TurnedCount >= 2)
        return; // another button on another card while the second is still held
    ++TurnedCount;
    PlaySoundTurn();
    if (TurnedCount == 1)
        FirstCard = card->Tag();
    else if (TurnedCount == 2)
        SecondCard = card->Tag();
    card->hide();
}

void TFormPuzzle::MemoryMouseUp(TPuzzleCrap* card) {
    // The try ends with the release of its second card, not of any other card.
    if (TurnedCount != 2 || card->Tag() != SecondCard)
        return;
    TurnedCount = 0;
    if (Pieces[FirstCard]->Hint() != Pieces[SecondCard]->Hint()) {
        PlaySoundNoPair();
        Pieces[FirstCard]->show();
        Pieces[SecondCard]->show();
        return;
    }
    PairFound(card);
}

void TFormPuzzle::PairFound(TPuzzleCrap* card) {
    DoneCount += 2;
    PlaySoundFit();
    const int generation = pieceGeneration;
    BurstCard(card);
    // The burst let the player go on; if this game ended or another began meanwhile,
    // nothing of this pair is left to count.
    if (!PiecesCreated || generation != pieceGeneration)
        return;
    if (DoneCount == PieceCount) {
        FinishGame();
        return;
    }
    StaticTextMode->setText(QString::number((PieceCount - DoneCount) / 2));
}

// The card's back bursts into four quarters that fly apart diagonally and vanish.
void TFormPuzzle::BurstCard(TPuzzleCrap* card) {
    const QRect home = HomeSlots[card->Tag()]->geometry();
    const QImage back = BoardPicture::Scaled(ArtResources::LoadJpg(200), home.size());
    const QSize quarter(home.width() / 2, home.height() / 2);
    std::array<QPointer<TImage>, 4> quarters;
    const std::array<QPoint, 4> directions{QPoint(-1, -1), QPoint(1, -1), QPoint(-1, 1),
                                           QPoint(1, 1)};
    card->hide();
    for (std::size_t q = 0; q < 4; ++q) {
        const QPoint offset((q % 2) * quarter.width(), (q / 2) * quarter.height());
        auto* image = new TImage(PanelBack);
        image->setAttribute(Qt::WA_TransparentForMouseEvents);
        image->SetPicture(BoardPicture::Cut(back, QRect(offset, quarter)));
        image->setGeometry(QRect(home.topLeft() + offset, quarter));
        image->show();
        image->raise();
        quarters[q] = image;
    }
    const int step = home.width() / quarter.width();
    for (int round = 0; round <= 25 / step; ++round) {
        for (std::size_t q = 0; q < 4; ++q)
            if (quarters[q])
                quarters[q]->move(quarters[q]->pos() + directions[q] * step);
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QThread::msleep(8);
    }
    for (const QPointer<TImage>& image : quarters)
        delete image.data();
}

void TFormPuzzle::aPuzzleMouseMove(TPuzzleCrap*, Qt::KeyboardModifiers, QPoint) {}

// Whether the mouse pointer is over the control, its right and bottom edge included.
bool TFormPuzzle::IsCursorOver(QWidget* control) const {
    if (!control)
        return false;
    const QPoint pointer = control->mapFromGlobal(QCursor::pos());
    return pointer.x() >= 0 && pointer.x() <= control->width() && pointer.y() >= 0 &&
           pointer.y() <= control->height();
}

void TFormPuzzle::PiecePlaced(TPuzzleCrap* piece) {
    if (PlayMode == ModeKaskade) {
        const QString below = QString::number(piece->Hint().toInt() - 1);
        for (int k = 1; k <= PieceCount; ++k) {
            if (Pieces[k]->Hint() == below) {
                Pieces[k]->setEnabled(true);
                ActiveStackNumber = below.toInt();
                break;
            }
        }
    }
    piece->RestorePlain();
    // Placed pieces are painted into the board so that it fills up as the player works.
    const QRect home = HomeSlots[piece->Tag()]->geometry();
    BoardPicture::Paste(Image1->Canvas(), home.topLeft() - Image1->pos(), piece->ImagePlain(),
                        home.size());
    piece->hide();
    Image1->update();

    ++DoneCount;
    if (DoneCount < PieceCount) {
        PlaySoundFit();
        StaticTextMode->setText(QString::number(PieceCount - DoneCount));
        return;
    }
    FinishGame();
}

void TFormPuzzle::FinishGame() {
    QApplication::restoreOverrideCursor();
    TimerCounter->stop();
    mTip->SetEnabled(false);
    mPause->SetDowned(false);
    mPause->SetEnabled(false);
    StopAllSounds();
    PlaySoundSolved();
    CountSolvedGame(GameSize);
    // The congratulation below is a dialog of its own: the result goes into the list of
    // the size this game had, whatever happens while it is open.
    const int size = GameSize;
    const int pieces = PieceCount;
    FreePieces();
    StaticTextMode->setText(QStringLiteral("0"));

    const QString time = StaticTextTime->text();
    RunGreat(PlayMode == ModeMemory ? TFormGreat::MemoryText(pieces / 2)
                                    : TFormGreat::PuzzleText(pieces),
             time);
    if (!PlayerName.isEmpty()) {
        LastResultTime = time;
        AddResult(size, PlayerName, time);
        ResultJustAdded = true;
        if (Statist)
            ShowStatistWindow();
        ResultJustAdded = false;
    }
}

void TFormPuzzle::ShowStatistWindow() {
    if (FormStatist)
        FormStatist->exec();
}

// ---- Clock, pause and tip -----------------------------------------------------------------

void TFormPuzzle::ResetClock() {
    GameClock::Reset();
    StaticTextTime->setText(GameClock::Text());
}

void TFormPuzzle::TickClock() {
    GameClock::Tick();
    StaticTextTime->setText(GameClock::Text());
}

void TFormPuzzle::TimerCounterTimer() {
    const bool musicPlaying = MusicPlaying();
    if (mPause->Downed() || DialogOpen) {
        if (musicPlaying)
            StopMusic();
        return;
    }
    if (!musicPlaying) {
        NewMusicTrack = false;
        PlayMusic();
    }
    TickClock();
    if (TipBlinking && PiecesCreated) {
        for (int k : {TipCardA, TipCardB}) {
            if (k < 1 || k > PieceCount)
                continue;
            if (TipLit)
                ShowCardBack(k);
            else
                BrightenCard(k, 50);
        }
        TipLit = !TipLit;
    }
}

void TFormPuzzle::mPauseClick() {
    mPause->SetDowned(!mPause->Downed());
}

void TFormPuzzle::ReleasePause() {
    mPause->SetDowned(false);
}

void TFormPuzzle::mTipClick() {
    if (!PiecesCreated)
        return;
    mTip->SetEnabled(false);
    if (PlayMode == ModeMemory)
        MemoryTip();
    else
        PuzzleTip();
}

// Moves a piece home by itself and places it, at a cost of five seconds. False when the
// game ended while the piece was on its way.
bool TFormPuzzle::PuzzleTip() {
    TPuzzleCrap* piece = nullptr;
    if (PlayMode == ModeKaskade) {
        const QString active = QString::number(ActiveStackNumber);
        for (int k = 1; k <= PieceCount && !piece; ++k)
            if (Pieces[k]->Hint() == active)
                piece = Pieces[k];
    } else {
        Random::Randomize();
        while (!piece) {
            TPuzzleCrap* drawn = Pieces[1 + Random::Next(PieceCount)];
            if (!drawn->isHidden())
                piece = drawn;
        }
    }
    if (!piece)
        return false;
    if (mPause->Downed()) {
        TimerCounter->start();
        ReleasePause();
    }
    const int generation = pieceGeneration;
    QPointer<TPuzzleCrap> moving(piece);
    MovePieceHome(piece);
    // The animation let the player go on; if the game ended meanwhile, nothing is left to do.
    if (!moving || !PiecesCreated || generation != pieceGeneration || moving->isHidden())
        return false;
    ChargeTip();
    PiecePlaced(moving);
    return true;
}

// A face-down pair lights up and blinks until the game ends or another tip is taken.
void TFormPuzzle::MemoryTip() {
    if (TipBlinking && TipLit) {
        for (int k : {TipCardA, TipCardB})
            if (k >= 1 && k <= PieceCount && !Pieces[k]->isHidden())
                ShowCardBack(k);
    }
    // Only pairs whose two cards are both face down can be shown; the card turned up in
    // the current try has its partner still face down, but that is no pair to point at.
    std::vector<int> candidates;
    for (int k = 1; k <= PieceCount; ++k) {
        if (Pieces[k]->isHidden())
            continue;
        for (int other = 1; other <= PieceCount; ++other)
            if (other != k && !Pieces[other]->isHidden() &&
                Pieces[other]->Hint() == Pieces[k]->Hint()) {
                candidates.push_back(k);
                break;
            }
    }
    if (candidates.empty())
        return;
    Random::Randomize();
    int k = 0;
    while (k == 0) {
        const int drawn = 1 + Random::Next(PieceCount);
        if (std::find(candidates.begin(), candidates.end(), drawn) != candidates.end())
            k = drawn;
    }
    TipCardA = k;
    for (int other = 1; other <= PieceCount; ++other)
        if (other != k && !Pieces[other]->isHidden() &&
            Pieces[other]->Hint() == Pieces[k]->Hint()) {
            TipCardB = other;
            break;
        }
    if (mPause->Downed()) {
        TimerCounter->start();
        ReleasePause();
    }
    ChargeTip();
    BrightenCard(TipCardA, 60);
    BrightenCard(TipCardB, 60);
    TipLit = true;
    TipBlinking = true;
}

// A tip costs five seconds on the clock.
void TFormPuzzle::ChargeTip() {
    mTip->SetEnabled(true);
    TimerCounter->stop();
    for (int i = 0; i < 5; ++i)
        TickClock();
    TimerCounter->start();
}

// Moves the piece to its home slot in 2-pixel steps, first across, then down, letting the
// window repaint and react between the steps.
void TFormPuzzle::MovePieceHome(TPuzzleCrap* piece) {
    QPointer<TPuzzleCrap> moving(piece);
    const int generation = pieceGeneration;
    const QPoint home = HomeSlots[piece->Tag()]->pos();
    piece->raise();
    auto step = [&](int dx, int dy) {
        moving->move(moving->pos() + QPoint(dx, dy));
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QThread::usleep(700);
        return moving && PiecesCreated && generation == pieceGeneration;
    };
    while (moving->x() < home.x())
        if (!step(2, 0))
            return;
    while (moving->x() > home.x())
        if (!step(-2, 0))
            return;
    while (moving->y() < home.y())
        if (!step(0, 2))
            return;
    while (moving->y() > home.y())
        if (!step(0, -2))
            return;
}

void TFormPuzzle::RunChangeMode() {
    if (FormChangeMode)
        FormChangeMode->exec();
}

// The congratulation, where the player confirms the name the result is recorded under.
void TFormPuzzle::RunGreat(const QString& text, const QString& time) {
    if (!FormGreat)
        return;
    FormGreat->LabelText->setText(text);
    FormGreat->LabelTime->setText(time);
    FormGreat->exec();
}
