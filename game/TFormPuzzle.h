#pragma once
// The main window: the top bar with title, counters and tool bar, the wooden frame, and
// the play area with the board, the preview and the pieces of the current game.

#include "platform/PictureFile.h"

#include <QTimer>
#include <QWidget>
#include <functional>

class QLabel;
class TImage;
class TPuzzleCrap;
class TWDToBu;
class TWDWinButton;

class TFormPuzzle : public QWidget {
    Q_OBJECT
public:
    explicit TFormPuzzle(QWidget* parent = nullptr);
    ~TFormPuzzle() override;

    // Start-up of the window: folders, stored data, background, game state. False when
    // the program has to end (a folder could not be created; the reason was shown).
    bool FormCreate();
    // End of the window: the audio output is released.
    void FormDestroy();

    // The play area and its pictures.
    void PaintBackground();
    void DrawFrame(TImage* image, bool repaint);
    void DrawGrid();
    void DrawJpgResource(QImage& canvas, int x, int y, int number);

    // Loading a picture onto board and preview.
    bool LoadPictureFile();
    void LoadMotif(int number);
    // True when the file is refused (the reason was shown to the player). A picture too wide
    // for the board is offered cut to its centre; CheckFormat leaves in `centreOnly` whether
    // the player took that offer.
    bool CheckMinimumSize(const QString& file);
    bool CheckFormat(const QString& file, bool* centreOnly = nullptr);
    // The board shows only the centre section of PictureFile (the player chose it).
    bool PictureCentreOnly = false;

    // Cuts the board's picture into GameSize + 2 squared pieces, each placed on its home
    // rectangle, and darkens the board.
    void CutPieces();
    void FreePieces();

    // A game from start to finish.
    void mOpenClick();
    void OpenPictureFile(const QString& file);
    void OpenMotif();
    void mStartClick();
    void StartPuzzle();
    void StartMemory();
    void aPuzzleMouseDown(TPuzzleCrap* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift,
                          QPoint position);
    void aPuzzleMouseUp(TPuzzleCrap* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift,
                        QPoint position);
    void aPuzzleMouseMove(TPuzzleCrap* sender, Qt::KeyboardModifiers shift, QPoint position);
    bool IsCursorOver(QWidget* control) const;
    void PiecePlaced(TPuzzleCrap* piece);
    void PairFound(TPuzzleCrap* card);
    void BurstCard(TPuzzleCrap* card);
    void ShowCardBack(int k);
    void BrightenCard(int k, int amount);
    void FinishGame();

    // Clock, pause and tip.
    void ResetClock();
    void TickClock();
    void TimerCounterTimer();
    void mPauseClick();
    void mTipClick();

    // Tool bar and caption bar.
    void mCloseClick();
    void mHelpClick();
    void mStatistClick();
    void mConfigClick();
    void mInfoClick();
    void wbMinimizeClick();

    // Components, named as in the window's layout.
    QWidget* PanelBack = nullptr;
    TImage* ImageBack = nullptr;
    TImage* Image1 = nullptr;
    TImage* Image2 = nullptr;
    QWidget* PanelTop = nullptr;
    TImage* ImageTop = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* lbTitelPlayMode = nullptr;
    QLabel* LabeModeTitle = nullptr;
    QLabel* StaticTextMode = nullptr;
    QLabel* LabelTimeTitle = nullptr;
    QLabel* StaticTextTime = nullptr;
    TWDToBu* mOpen = nullptr;
    TWDToBu* mStart = nullptr;
    TWDToBu* mTip = nullptr;
    TWDToBu* mPause = nullptr;
    TWDToBu* mStatist = nullptr;
    TWDToBu* mConfig = nullptr;
    TWDToBu* mInfo = nullptr;
    TWDToBu* mHelp = nullptr;
    TWDToBu* mClose = nullptr;
    TWDWinButton* wbMinimize = nullptr;
    TWDWinButton* wbClose = nullptr;
    QWidget* PanelLeft = nullptr;
    TImage* ImageLeft = nullptr;
    QWidget* PanelRight = nullptr;
    TImage* Image3 = nullptr;
    QWidget* PanelBottom = nullptr;
    TImage* ImageBottom = nullptr;
    QTimer* TimerCounter = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateTopBar();
    void CreateFrame();
    void CreatePlayArea();
    TWDToBu* CreateToolButton(int left, const QString& glyph, const QString& hint, int hotKey,
                              void (TFormPuzzle::*handler)());
    bool CreateFolder(const QString& folder, const QString& failure);
    void ShowBoard(const QImage& picture, QSize pictureSize);
    void ShowPlayMode();
    void ShowNoGame();
    void StartGameRunning();
    void ReleasePause();
    void MovePieceHome(TPuzzleCrap* piece);
    TPuzzleCrap* CreatePiece(int tag);
    void CreateHomeSlot(int k, int tag);
    void MemoryMouseDown(TPuzzleCrap* card);
    void MemoryMouseUp(TPuzzleCrap* card);
    void MemoryTip();
    bool PuzzleTip();
    void ChargeTip();
    void ShowStatistWindow();
    void RunChangeMode();
    void RunGreat(const QString& text, const QString& time);
    // Shows a modal dialog with the clock standing and the music paused meanwhile.
    void RunDialog(const std::function<void()>& showDialog);

    PictureFile::Kind lastPictureKind = PictureFile::Kind::Bitmap;
    // Counts the sets of pieces created, so that a running tip notices when its piece
    // belongs to a game that has ended meanwhile.
    int pieceGeneration = 0;
};
