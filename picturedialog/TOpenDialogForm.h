#pragma once
// The picture chooser: a folder tree and a file list with a preview, the strip of the
// player's favorites and the strip of the ready-made motifs. It leaves the choice in
// ChooserResult, ChosenFile and MotifNumber for the main window to act on.

#include "picturedialog/FavoritesList.h"
#include "picturedialog/FavoritesStore.h"
#include "picturedialog/MotifThumbnails.h"
#include "platform/MountedVolumes.h"
#include "widgets/OnDemandWindow.h"

#include <QDialog>
#include <QIcon>
#include <QPoint>
#include <QStringList>
#include <array>
#include <memory>
#include <vector>

class BackgroundListing;
struct PictureEntry;
class PictureFileModel;
class QAction;
class QLabel;
class QMenu;
class QTableView;
class QTreeWidget;
class QTreeWidgetItem;
class TShapeFrame;
class TThumbImage;
class TWDButton;
class TWDCheckBox;
class TWDHorBar;
class TWDPanel;
class TWDScrollBox;
class TWDWinButton;

// What the last showing of the chooser chose: 0 nothing, 1 the picture file ChosenFile,
// 2 the motif MotifNumber. Set to 0 whenever the chooser is shown.
inline int ChooserResult = 0;
inline QString ChosenFile;

class TOpenDialogForm : public QDialog {
    Q_OBJECT

public:
    static constexpr int MotifSlotCount = 30;

    // The chooser keeps its favorites in FavoritesDir. Its controls and artwork, the tree,
    // the strips and the favorites are made when it is first shown, so that creating it at
    // start-up costs next to nothing.
    explicit TOpenDialogForm(QWidget* parent = nullptr);

    // Makes the controls and fills the tree and the strips, as the first showing does;
    // further calls do nothing. The components below exist from then on.
    void Prepare();

    // Writes Favorite.dat; the main window calls it when the player has confirmed the
    // end. Raises an AppError naming the file when it cannot be written.
    void SaveFavorites();

    // The favorites as far as they have been read (all of them once the chooser was shown).
    const FavoritesList& Favorites() const { return favorites; }

    void setVisible(bool visible) override;

    // The row selected in the file list, or -1.
    int SelectedRow() const;
    // The folder node whose files are listed, or none.
    QTreeWidgetItem* SelectedNode() const;
    // Whether the rows of a large folder are still being read; they follow by themselves.
    bool ListingFiles() const;

    // Handlers, named as in the window's layout.
    void FormShow();
    void FormClose();
    void FormKeyDown(QKeyEvent* event);
    void TreeView1Change(QTreeWidgetItem* node);
    void TreeView1Expanding(QTreeWidgetItem* node);
    void TreeView1Collapsed(QTreeWidgetItem* node);
    void ListView1Change();
    void btnOKClick();
    void btnCancelClick();
    void PopupFilesPopup(QPoint globalPosition);
    void mPopFilesOpenClick();
    void mPopFilesDragClick();
    void mThumbOnClick(TThumbImage* slot);
    void mThumbOnEnter(TThumbImage* slot);
    void mThumbOnLeave(TThumbImage* slot);
    void WDThumbsBarChange();
    void mFavoriteOnClick(TThumbImage* slot);
    void mFavoriteOnEnter(TThumbImage* slot);
    void mFavoriteOnLeave(TThumbImage* slot);
    // Only a row of the file list can be dropped on the favorites.
    bool mFavoriteDragOver(QObject* source) const;
    void mFavoriteDragDrop(QObject* source);
    void popDeleteClick();
    void popDeleteAllClick();
    void WDFavoriteBarChange();

    // Operations.
    void FillDriveList();
    void FillFolderNode(QTreeWidgetItem* node);
    QString NodePath(const QTreeWidgetItem* node) const;
    void ShowFolderFiles(const QString& path);
    void ListPictureFiles(const QString& folder);
    void ShowPreview(const QString& path);
    void FillMotifStrip();
    void ResetMotifBar();
    void ShowFavorites();
    void AddToFavorites();
    void AppendFavorite();
    void ResetFavoriteBar();

    // Components, named as in the window's layout.
    QLabel* ImageBack = nullptr;
    QLabel* lbWinTitle = nullptr;
    TWDWinButton* wbClose = nullptr;
    TWDPanel* WDPanel1 = nullptr;
    QLabel* LabelDirectory = nullptr;
    QTreeWidget* TreeView1 = nullptr;
    TWDPanel* WDPanel2 = nullptr;
    QLabel* LabelFiles = nullptr;
    QLabel* Image3 = nullptr;
    QLabel* Image4 = nullptr;
    QLabel* Image5 = nullptr;
    QTableView* ListView1 = nullptr;
    QLabel* LabelUnreadable = nullptr; // over the empty list when the folder cannot be read
    TWDPanel* WDPanel5 = nullptr;
    QLabel* LabelView = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* Image1 = nullptr;
    TWDCheckBox* CheckBoxView = nullptr;
    QLabel* Label2 = nullptr;
    TWDButton* btnOK = nullptr;
    TWDButton* btnCancel = nullptr;
    TWDPanel* WDPanel4 = nullptr;
    QLabel* LabelFavorite = nullptr;
    TWDScrollBox* ScrollBoxFavorite = nullptr;
    TShapeFrame* ShapeFavorite = nullptr;
    QWidget* ShapeFavoriteDummy = nullptr;
    TWDHorBar* WDFavoriteBar = nullptr;
    TWDPanel* WDPanel3 = nullptr;
    QLabel* LabelMotive = nullptr;
    TWDScrollBox* ScrollBoxThumbs = nullptr;
    TShapeFrame* ShapeThumb = nullptr;
    QWidget* ShapeThumbDummy = nullptr;
    TWDHorBar* WDThumbsBar = nullptr;
    QMenu* PopupFiles = nullptr;
    QAction* mPopFilesOpen = nullptr;
    QAction* mPopFilesDrag = nullptr;
    QMenu* PopupFavorite = nullptr;
    QAction* popDelete = nullptr;
    QAction* popDeleteAll = nullptr;

    // Slots 1..N of the motifs (entry 0 is never used) and 0..29 of the favorites.
    std::array<TThumbImage*, MotifSlotCount + 1> MotifThumbs{};
    std::array<TThumbImage*, FavoritesList::Capacity> FavoriteThumbs{};
    int MotifCount() const { return motifCount; }

    // Full path of each row of the file list, in row order.
    QStringList FilePaths;

    // True until the first showing has walked to the remembered folder; meanwhile a change
    // of the tree's selection lists no files.
    bool TreeInitializing = true;

    // The tree's icons: closed folder, disk, optical drive, network, removable, open folder.
    enum TreeIcon { IconFolder, IconDisk, IconOptical, IconNetwork, IconRemovable, IconOpenFolder };
    std::array<QIcon, 6> ImageListTree;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void CreateFolderPanel();
    void CreateFilePanel();
    void CreatePreviewPanel();
    void CreateFavoritesPanel();
    void CreateMotifPanel();
    void CreatePopups();
    TWDPanel* CreatePanel(const QRect& geometry);
    QLabel* CreateSectionLabel(QWidget* panel, const QString& text);
    TWDScrollBox* CreateStrip(QWidget* panel, TShapeFrame*& frame, QWidget*& endMarker,
                              TWDHorBar*& bar);
    TThumbImage* CreateSlot(QWidget* strip, int tag);
    void CreateControls();
    void PaintArtwork();
    void LoadFavorites();
    void WalkToFolder(const QString& folder);
    QTreeWidgetItem* SelectPathComponent(QTreeWidgetItem* below, const QString& part);
    QIcon VolumeIcon(MountedVolumes::Kind kind) const;
    bool IsVolumeNode(const QTreeWidgetItem* node) const;
    QImage LoadThumbnail(int index) const;
    void PlaceEndMarker(QWidget* marker, const TThumbImage* last);
    void ScrollStrip(TWDScrollBox* strip, TWDHorBar* bar, int& lastPosition);
    bool IsOverFavorites(QPoint globalPosition) const;
    bool PassesSizeCheck(const QString& path);
    bool PassesOpenCheck(const QString& path);
    bool ListMouseEvent(QMouseEvent* event);
    void ShowListedFiles(const QString& folder, std::vector<PictureEntry> entries);

    PictureFileModel* fileModel = nullptr;
    BackgroundListing* fileListing = nullptr;
    std::unique_ptr<MotifThumbnails> motifThumbnails;
    FavoritesStore store;
    FavoritesList favorites;
    bool favoritesLoaded = false;
    // A Favorite.dat that could not be read is not overwritten at the end.
    bool favoritesReadable = true;
    int motifCount = 0;
    bool prepared = false;
    int lastThumbsPosition = 0;
    int lastFavoritePosition = 1;
    TThumbImage* popupSlot = nullptr;
    std::vector<MountedVolumes::Volume> volumes;

    // A row of the file list dragged with the left button: armed by the press, a drag once
    // the pointer has moved 5 pixels.
    bool dragArmed = false;
    bool dragging = false;
    QPoint dragStart;
};

// The one picture chooser of the program, made when it is first needed.
inline OnDemandWindow<TOpenDialogForm> OpenDialogForm;
