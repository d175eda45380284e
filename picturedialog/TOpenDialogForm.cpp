#include "picturedialog/TOpenDialogForm.h"

#include "game/PictureCrop.h"
#include "game/VarUnit.h"
#include "picturedialog/BackgroundListing.h"
#include "picturedialog/FavoriteThumbnail.h"
#include "picturedialog/FolderPath.h"
#include "picturedialog/MotifLibrary.h"
#include "picturedialog/MotifThumbnails.h"
#include "picturedialog/PictureFileModel.h"
#include "picturedialog/PictureListing.h"
#include "picturedialog/PictureReach.h"
#include "picturedialog/PictureSizeCheck.h"
#include "picturedialog/TSectionLabel.h"
#include "picturedialog/TShapeFrame.h"
#include "picturedialog/TThumbImage.h"
#include "platform/AppError.h"
#include "platform/AppFolders.h"
#include "platform/ArtResources.h"
#include "platform/ArtScale.h"
#include "platform/FileNames.h"
#include "platform/PictureFile.h"
#include "platform/RegularFile.h"
#include "platform/TessalyApplication.h"
#include "storage/Settings.h"
#include "widgets/DialogKeys.h"
#include "widgets/FormLabels.h"
#include "widgets/FormStyle.h"
#include "widgets/WDButton.h"
#include "widgets/WDCheckBox.h"
#include "widgets/WDConfirmDialog.h"
#include "widgets/WDHorBar.h"
#include "widgets/WDMessageDialog.h"
#include "widgets/WDPanel.h"
#include "widgets/WDScrollBox.h"
#include "widgets/WDSkin.h"
#include "widgets/WDWinButton.h"
#include "widgets/WindowDrag.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QStyle>
#include <QTableView>
#include <QTreeWidget>
#include <algorithm>
#include <optional>

namespace {

const QColor ListText(0x2F, 0x24, 0x0D);
const QColor ListBack(0xFA, 0xF4, 0xE2);

constexpr int StripLeft = 4;
constexpr int StripTop = 4;
constexpr int StripGap = 5;
constexpr int StripMargin = 4;
constexpr int FrameGrowth = 2;
constexpr int DragThreshold = 5;
constexpr QSize PreviewBox(140, 105);

// Data roles of the tree's nodes.
constexpr int VolumeRole = Qt::UserRole;      // bool: a top node, one per volume
constexpr int OwnIconRole = Qt::UserRole + 1; // int: a mount point's volume icon, or -1

// The hourglass for as long as it lives, also when an error leaves early.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

QString ListStyle() {
    return QStringLiteral(
               "QTreeView, QTableView { background: %1; color: %2; border: 1px solid #8C6A3A;"
               " selection-background-color: #7A5226; selection-color: %1;"
               " gridline-color: #D9C9A0; outline: 0; }"
               "QTreeView::item:hover, QTableView::item:hover { color: #A0561A; }"
               "QTreeView::item:selected, QTableView::item:selected { background: #7A5226;"
               " color: %1; }")
        .arg(ListBack.name(), ListText.name());
}

// A menu icon: a keyed skin bitmap, transparent where its corner colour is.
QIcon MenuIcon(const QString& name) {
    const QImage icon = WDSkin::LoadKeyed(name);
    return icon.isNull() ? QIcon() : QIcon(QPixmap::fromImage(icon));
}

} // namespace

TOpenDialogForm::TOpenDialogForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), store(FavoritesDir) {
    setWindowTitle(QStringLiteral("Bilddatei öffnen"));
    setModal(true);
    setFixedSize(720, 640);
    QFont formFont(QStringLiteral("Tahoma"));
    formFont.setPixelSize(11);
    setFont(formFont);
    // Until the background is painted nothing behind it may show.
    QPalette back = palette();
    back.setColor(QPalette::Window, QColor(0x5C, 0x3A, 0x1D));
    setPalette(back);
    DialogKeys::Install(this);
}

void TOpenDialogForm::CreateControls() {
    ImageBack = new QLabel(this);
    ImageBack->setGeometry(0, 0, 720, 640);

    lbWinTitle = new QLabel(QStringLiteral("Motiv wählen"), this);
    lbWinTitle->setGeometry(274, 5, 169, 19);
    lbWinTitle->setAlignment(Qt::AlignCenter);
    lbWinTitle->setFont(TimesPixels(16, true));
    SetTextColour(lbWinTitle, WDSkin::TextLight);

    wbClose = new TWDWinButton(this);
    wbClose->move(692, 2);
    wbClose->SetButtonType(TButtonType::btClose);
    wbClose->setToolTip(QStringLiteral("Schließen"));
    connect(wbClose, &TWDWinButton::OnClick, this, &TOpenDialogForm::btnCancelClick);

    CreateFolderPanel();
    CreateFilePanel();
    CreatePreviewPanel();
    CreateFavoritesPanel();
    CreateMotifPanel();
    CreatePopups();

    WindowDrag::Install(ImageBack);
    WindowDrag::Install(lbWinTitle);
}

TWDPanel* TOpenDialogForm::CreatePanel(const QRect& geometry) {
    auto* panel = new TWDPanel(this);
    panel->setGeometry(geometry);
    panel->SetBroad(3);
    panel->SetColour(TColour::cTextur);
    panel->SetTitleShow(false);
    return panel;
}

QLabel* TOpenDialogForm::CreateSectionLabel(QWidget* panel, const QString& text) {
    auto* label = new TSectionLabel(text, panel, TimesPixels(13, true));
    label->setGeometry(6, 1, 300, 17);
    return label;
}

void TOpenDialogForm::CreateFolderPanel() {
    WDPanel1 = CreatePanel(QRect(26, 32, 297, 261));
    LabelDirectory = CreateSectionLabel(WDPanel1, QStringLiteral("Verzeichnis"));
    TreeView1 = new QTreeWidget(WDPanel1);
    TreeView1->setGeometry(7, 18, 284, 235);
    TreeView1->setHeaderHidden(true);
    TreeView1->setColumnCount(1);
    TreeView1->setIndentation(19);
    TreeView1->setFont(TimesPixels(13));
    TreeView1->setIconSize(QSize(16, 16));
    TreeView1->setMouseTracking(true); // hot tracking
    TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TreeView1->setSortingEnabled(false);
    connect(TreeView1, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* node) { TreeView1Change(node); });
    connect(TreeView1, &QTreeWidget::itemExpanded, this, &TOpenDialogForm::TreeView1Expanding);
    connect(TreeView1, &QTreeWidget::itemCollapsed, this, &TOpenDialogForm::TreeView1Collapsed);
}

void TOpenDialogForm::CreateFilePanel() {
    WDPanel2 = CreatePanel(QRect(330, 32, 361, 117));
    LabelFiles = CreateSectionLabel(WDPanel2, QStringLiteral("Dateien"));
    // The column titles are pictures above the list; its own headers are hidden.
    Image3 = new QLabel(WDPanel2);
    Image3->setGeometry(8, 18, 121, 17);
    Image4 = new QLabel(WDPanel2);
    Image4->setGeometry(130, 18, 80, 17);
    Image5 = new QLabel(WDPanel2);
    Image5->setGeometry(211, 18, 142, 17);

    fileModel = new PictureFileModel(this);
    fileListing = new BackgroundListing(
        [this](const QString& folder, std::vector<PictureEntry> entries) {
            ShowListedFiles(folder, std::move(entries));
        },
        this);
    ListView1 = new QTableView(WDPanel2);
    ListView1->setGeometry(8, 36, 345, 73);
    ListView1->setModel(fileModel);
    ListView1->horizontalHeader()->hide();
    ListView1->verticalHeader()->hide();
    ListView1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    ListView1->verticalHeader()->setDefaultSectionSize(17);
    ListView1->setColumnWidth(0, 120);
    ListView1->setColumnWidth(1, 80);
    ListView1->setColumnWidth(2, 120);
    ListView1->setShowGrid(true);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setWordWrap(false);
    // A long name keeps its start and its extension; the row's tooltip shows all of it.
    ListView1->setTextElideMode(Qt::ElideMiddle);
    ListView1->setIconSize(QSize(16, 16));
    ListView1->setFont(TimesPixels(13));
    ListView1->setMouseTracking(true);
    ListView1->setAutoScroll(false);
    connect(ListView1->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TOpenDialogForm::ListView1Change);
    connect(ListView1, &QTableView::doubleClicked, this, &TOpenDialogForm::btnOKClick);
    // The popup is requested through the event filter, the mouse's on the viewport and
    // the keyboard's on the list.
    ListView1->installEventFilter(this);
    ListView1->viewport()->installEventFilter(this);
    LabelUnreadable =
        new QLabel(QStringLiteral("Der Ordner kann nicht gelesen werden."), ListView1->viewport());
    LabelUnreadable->setAlignment(Qt::AlignCenter);
    LabelUnreadable->setStyleSheet(QStringLiteral("color: %1;").arg(ListText.name()));
    LabelUnreadable->hide();
}

void TOpenDialogForm::CreatePreviewPanel() {
    WDPanel5 = CreatePanel(QRect(330, 156, 361, 137));
    LabelView = CreateSectionLabel(WDPanel5, QStringLiteral("Vorschau"));
    Image2 = new QLabel(WDPanel5);
    Image2->setGeometry(8, 19, 145, 110);
    Image1 = new QLabel(WDPanel5);
    Image1->setGeometry(QRect(QPoint(11, 21), PreviewBox));
    Image1->setAlignment(Qt::AlignCenter);

    CheckBoxView = new TWDCheckBox(WDPanel5);
    CheckBoxView->move(169, 25);
    Label2 = new TSectionLabel(QStringLiteral("Bildvorschau"), WDPanel5, TimesPixels(13));
    Label2->setGeometry(188, 24, 100, 17);

    btnOK = new TWDButton(WDPanel5);
    btnOK->move(261, 63);
    btnOK->SetCaption(QStringLiteral("Öffnen"));
    connect(btnOK, &TWDButton::OnClick, this, &TOpenDialogForm::btnOKClick);
    btnCancel = new TWDButton(WDPanel5);
    btnCancel->move(261, 95);
    btnCancel->SetCaption(QStringLiteral("Abbrechen"));
    btnCancel->SetCancel(true);
    connect(btnCancel, &TWDButton::OnClick, this, &TOpenDialogForm::btnCancelClick);
    for (TWDButton* button : {btnOK, btnCancel}) {
        button->SetStyle(TStyle::s84x26);
        button->SetTextBold(true);
        button->SetTextSize(10);
    }
}

TWDScrollBox* TOpenDialogForm::CreateStrip(QWidget* panel, TShapeFrame*& frame, QWidget*& endMarker,
                                           TWDHorBar*& bar) {
    auto* strip = new TWDScrollBox(panel);
    strip->setGeometry(8, 18, 649, 113);
    strip->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    strip->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* content = new QWidget;
    content->resize(strip->size());
    strip->setWidget(content);
    frame = new TShapeFrame(content);
    endMarker = new QWidget(content);
    endMarker->resize(4, 100);
    endMarker->hide();

    bar = new TWDHorBar(panel);
    bar->move(8, 132);
    bar->SetBarWidth(649);
    bar->SetMin(0);
    bar->SetMax(100);
    bar->SetPosition(0);
    bar->SetStep(20);
    bar->SetTrack(10);
    bar->SetWheelScroll(true);
    bar->SetKeyScroll(true);
    return strip;
}

void TOpenDialogForm::CreateFavoritesPanel() {
    WDPanel4 = CreatePanel(QRect(26, 298, 665, 156));
    LabelFavorite = CreateSectionLabel(WDPanel4, QStringLiteral("Favoriten"));
    ScrollBoxFavorite = CreateStrip(WDPanel4, ShapeFavorite, ShapeFavoriteDummy, WDFavoriteBar);
    connect(WDFavoriteBar, &TWDHorBar::OnChange, this, &TOpenDialogForm::WDFavoriteBarChange);
}

void TOpenDialogForm::CreateMotifPanel() {
    WDPanel3 = CreatePanel(QRect(26, 460, 665, 156));
    LabelMotive = CreateSectionLabel(WDPanel3, QStringLiteral("Motive"));
    ScrollBoxThumbs = CreateStrip(WDPanel3, ShapeThumb, ShapeThumbDummy, WDThumbsBar);
    connect(WDThumbsBar, &TWDHorBar::OnChange, this, &TOpenDialogForm::WDThumbsBarChange);
}

void TOpenDialogForm::CreatePopups() {
    PopupFiles = new QMenu(this);
    mPopFilesOpen = PopupFiles->addAction(QStringLiteral("Als Puzzle-Motiv öffnen"));
    mPopFilesDrag = PopupFiles->addAction(QStringLiteral("In die Favoriten aufnehmen"));
    connect(mPopFilesOpen, &QAction::triggered, this, &TOpenDialogForm::mPopFilesOpenClick);
    connect(mPopFilesDrag, &QAction::triggered, this, &TOpenDialogForm::mPopFilesDragClick);

    PopupFavorite = new QMenu(this);
    popDelete = PopupFavorite->addAction(QStringLiteral("Entfernen"));
    popDeleteAll = PopupFavorite->addAction(QStringLiteral("Alle entfernen"));
    connect(popDelete, &QAction::triggered, this, &TOpenDialogForm::popDeleteClick);
    connect(popDeleteAll, &QAction::triggered, this, &TOpenDialogForm::popDeleteAllClick);
}

TThumbImage* TOpenDialogForm::CreateSlot(QWidget* strip, int tag) {
    auto* slot = new TThumbImage(static_cast<TWDScrollBox*>(strip)->widget());
    slot->hide();
    slot->SetTag(tag);
    return slot;
}

// Everything but the contents of the tree and the strips, which wait for the first showing.
void TOpenDialogForm::FormCreate() {
    MakeLabelsTransparent(this);
    btnOK->SetEnabled(false);
    TreeInitializing = true;

    motifCount = std::clamp(tsMotiveCount(), 0, MotifSlotCount);
    for (int k = 1; k <= motifCount; ++k) {
        TThumbImage* slot = CreateSlot(ScrollBoxThumbs, k);
        connect(slot, &TThumbImage::OnClick, this, &TOpenDialogForm::mThumbOnClick);
        connect(slot, &TThumbImage::OnEnter, this, &TOpenDialogForm::mThumbOnEnter);
        connect(slot, &TThumbImage::OnLeave, this, &TOpenDialogForm::mThumbOnLeave);
        MotifThumbs[static_cast<std::size_t>(k)] = slot;
    }

    for (int i = 0; i < FavoritesList::Capacity; ++i) {
        TThumbImage* slot = CreateSlot(ScrollBoxFavorite, i);
        connect(slot, &TThumbImage::OnClick, this, &TOpenDialogForm::mFavoriteOnClick);
        connect(slot, &TThumbImage::OnEnter, this, &TOpenDialogForm::mFavoriteOnEnter);
        connect(slot, &TThumbImage::OnLeave, this, &TOpenDialogForm::mFavoriteOnLeave);
        connect(slot, &TThumbImage::OnPopup, this, [this](TThumbImage* at, QPoint position) {
            popupSlot = at;
            PopupFavorite->exec(position);
        });
        FavoriteThumbs[static_cast<std::size_t>(i)] = slot;
    }
}

void TOpenDialogForm::Prepare() {
    if (prepared)
        return;
    prepared = true;
    // The strip's thumbnails are decoded meanwhile, on a thread of their own.
    motifThumbnails =
        std::make_unique<MotifThumbnails>(std::clamp(tsMotiveCount(), 0, MotifSlotCount));
    CreateControls();
    FormCreate();
    PaintArtwork();
    FillDriveList();
    FillMotifStrip();
    LoadFavorites();
    ShowFavorites();
}

// Favorite.dat is read, and the list cleaned, when the favorites are first needed: at the
// first showing, or at the end if the chooser was never shown.
void TOpenDialogForm::LoadFavorites() {
    if (favoritesLoaded)
        return;
    favoritesLoaded = true;
    try {
        favorites = store.Load();
    } catch (const AppError& error) {
        favoritesReadable = false;
        TessalyApplication::ShowError(error.Message());
    }
}

// The pictures, icons and colours of the window; decoding and styling them would cost the
// program's start-up time, so they wait for the first showing like the strips do.
void TOpenDialogForm::PaintArtwork() {
    const auto art = [](const char* name) {
        return QPixmap::fromImage(ArtResources::LoadArt(QLatin1String(name)));
    };
    ImageBack->setPixmap(art("OPENDIALOG_BACK"));
    Image3->setPixmap(art("OPENDIALOG_HEAD_NAME"));
    Image4->setPixmap(art("OPENDIALOG_HEAD_SIZE"));
    Image5->setPixmap(art("OPENDIALOG_HEAD_DATE"));
    Image2->setPixmap(art("OPENDIALOG_FRAME"));
    TreeView1->setStyleSheet(ListStyle());
    ListView1->setStyleSheet(ListStyle());
    const QStyle* style = QApplication::style();
    ImageListTree = {
        style->standardIcon(QStyle::SP_DirClosedIcon), style->standardIcon(QStyle::SP_DriveHDIcon),
        style->standardIcon(QStyle::SP_DriveCDIcon),   style->standardIcon(QStyle::SP_DriveNetIcon),
        style->standardIcon(QStyle::SP_DriveFDIcon),   style->standardIcon(QStyle::SP_DirOpenIcon)};
    mPopFilesOpen->setIcon(MenuIcon(QStringLiteral("OD_OPEN")));
    mPopFilesDrag->setIcon(MenuIcon(QStringLiteral("OD_FAVORITE")));
    popDelete->setIcon(MenuIcon(QStringLiteral("OD_REMOVE")));
    popDeleteAll->setIcon(MenuIcon(QStringLiteral("OD_REMOVEALL")));
}

void TOpenDialogForm::SaveFavorites() {
    LoadFavorites();
    if (favoritesReadable)
        store.Save(favorites);
}

// ---- Showing and closing ---------------------------------------------------------------

// The controls are made before the window first becomes visible, so that they show with it.
void TOpenDialogForm::setVisible(bool visible) {
    if (visible)
        Prepare();
    QDialog::setVisible(visible);
}

// A window restored after minimising is shown again by the window system; that is no new
// showing, so the player's unsaved choices and the window's place stay.
void TOpenDialogForm::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TOpenDialogForm::FormShow() {
    Prepare();
    if (TreeInitializing) {
        const QString start =
            QFileInfo(LastFolder).isDir() ? LastFolder : AppFolders::PicturesDir();
        WalkToFolder(start);
    }
    TreeInitializing = false;
    ChooserResult = 0;
    CheckBoxView->SetChecked(PreviewEnabled);
    CentreOnDesktop(this);
}

// Selects and opens the nodes of the folder's path one after the other, as far as the tree
// has them; the folder reached last is listed.
void TOpenDialogForm::WalkToFolder(const QString& folder) {
    QStringList components = FolderPath::WalkComponents(QFileInfo(folder).absoluteFilePath());
    if (components.isEmpty())
        components = {QStringLiteral("/")};
    QTreeWidgetItem* reached = nullptr;
    for (const QString& component : components) {
        QTreeWidgetItem* node = SelectPathComponent(reached, component);
        if (!node)
            break;
        reached = node;
    }
    if (!reached)
        return;
    const QString path = NodePath(reached);
    ShowFolderFiles(path);
    LastFolder = path;
}

// The node for `part` among the children of `below` (the top nodes for none), selected,
// opened and scrolled into view; none when the tree has no such folder. The files are
// listed once the walk has ended.
QTreeWidgetItem* TOpenDialogForm::SelectPathComponent(QTreeWidgetItem* below, const QString& part) {
    const int count = below ? below->childCount() : TreeView1->topLevelItemCount();
    for (int i = 0; i < count; ++i) {
        QTreeWidgetItem* node = below ? below->child(i) : TreeView1->topLevelItem(i);
        if (node->text(0) != part)
            continue;
        TreeInitializing = false;
        {
            const QSignalBlocker quiet(TreeView1);
            TreeView1->setCurrentItem(node);
        }
        node->setExpanded(true);
        TreeView1->scrollToItem(node);
        return node;
    }
    return nullptr;
}

void TOpenDialogForm::FormClose() {
    PreviewEnabled = CheckBoxView->Checked();
}

void TOpenDialogForm::done(int result) {
    FormClose();
    QDialog::done(result);
}

void TOpenDialogForm::FormKeyDown(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TOpenDialogForm::keyPressEvent(QKeyEvent* event) {
    FormKeyDown(event);
}

void TOpenDialogForm::btnCancelClick() {
    close();
}

// ---- The folder tree ---------------------------------------------------------------------

QIcon TOpenDialogForm::VolumeIcon(MountedVolumes::Kind kind) const {
    switch (kind) {
    case MountedVolumes::Kind::Optical:
        return ImageListTree[IconOptical];
    case MountedVolumes::Kind::Network:
        return ImageListTree[IconNetwork];
    case MountedVolumes::Kind::Removable:
        return ImageListTree[IconRemovable];
    case MountedVolumes::Kind::Disk:
        break;
    }
    return ImageListTree[IconDisk];
}

bool TOpenDialogForm::IsVolumeNode(const QTreeWidgetItem* node) const {
    return node->data(0, VolumeRole).toBool() || node->data(0, OwnIconRole).toInt() >= 0;
}

void TOpenDialogForm::FillDriveList() {
    const QSignalBlocker quiet(TreeView1);
    TreeView1->clear();
    volumes = MountedVolumes::Current();
    for (const MountedVolumes::Volume& volume : volumes) {
        auto* node = new QTreeWidgetItem(TreeView1, {volume.mountPath});
        node->setIcon(0, VolumeIcon(volume.kind));
        node->setData(0, VolumeRole, true);
        node->setData(0, OwnIconRole, static_cast<int>(volume.kind));
        // Subfolders are read when the node is opened; until then it offers to open.
        node->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    }
}

void TOpenDialogForm::TreeView1Expanding(QTreeWidgetItem* node) {
    TreeView1->setUpdatesEnabled(false);
    FillFolderNode(node);
    if (node->parent() && !IsVolumeNode(node))
        node->setIcon(0, ImageListTree[IconOpenFolder]);
    TreeView1->setUpdatesEnabled(true);
}

void TOpenDialogForm::TreeView1Collapsed(QTreeWidgetItem* node) {
    if (node->parent() && !IsVolumeNode(node))
        node->setIcon(0, ImageListTree[IconFolder]);
}

// Reads the node's subfolders again. Folders that are still there keep their nodes (closed,
// so that they are read again when opened), so the selection stays where it was.
void TOpenDialogForm::FillFolderNode(QTreeWidgetItem* node) {
    const QString path = NodePath(node);
    const QStringList names = PictureListing::FolderNames(path);

    QHash<QString, QTreeWidgetItem*> existing;
    for (int i = 0; i < node->childCount(); ++i)
        existing.insert(node->child(i)->text(0), node->child(i));

    const QSignalBlocker quiet(TreeView1);
    QTreeWidgetItem* current = TreeView1->currentItem();
    node->takeChildren();
    QList<QTreeWidgetItem*> children;
    for (const QString& name : names) {
        QTreeWidgetItem* child = existing.take(name);
        if (!child) {
            child = new QTreeWidgetItem(QStringList{name});
            child->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
            // A folder where a volume is mounted shows that volume's icon.
            const int ownIcon = MountedVolumes::KindMountedAt(volumes, path + name);
            child->setData(0, OwnIconRole, ownIcon);
            child->setIcon(0, ownIcon >= 0 ? VolumeIcon(static_cast<MountedVolumes::Kind>(ownIcon))
                                           : ImageListTree[IconFolder]);
        }
        children << child;
    }
    // A folder that has gone takes its nodes with it; if the selection was among them, the
    // list keeps showing what it showed.
    for (QTreeWidgetItem* gone : std::as_const(existing)) {
        for (QTreeWidgetItem* up = current; up; up = up->parent())
            if (up == gone) {
                current = nullptr;
                break;
            }
        delete gone;
    }
    node->addChildren(children);
    for (QTreeWidgetItem* child : std::as_const(children)) {
        child->setExpanded(false);
        if (!IsVolumeNode(child))
            child->setIcon(0, ImageListTree[IconFolder]);
    }
    node->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
    if (current)
        TreeView1->setCurrentItem(current);
}

QString TOpenDialogForm::NodePath(const QTreeWidgetItem* node) const {
    QStringList texts;
    for (const QTreeWidgetItem* up = node; up; up = up->parent())
        texts.prepend(up->text(0));
    return FolderPath::NodePath(texts);
}

QTreeWidgetItem* TOpenDialogForm::SelectedNode() const {
    return TreeView1->currentItem();
}

void TOpenDialogForm::TreeView1Change(QTreeWidgetItem* node) {
    if (TreeInitializing || !node)
        return;
    const QString path = NodePath(node);
    ShowFolderFiles(path);
    LastFolder = path;
}

// ---- The file list and the preview -------------------------------------------------------

void TOpenDialogForm::ShowFolderFiles(const QString& path) {
    FilePaths.clear();
    fileModel->Clear();
    Image1->clear();
    btnOK->SetEnabled(false);
    const WaitCursor wait;
    ListPictureFiles(FolderPath::WithSlash(path));
}

// A large folder is read on a thread: the window shows at once and the rows follow, with
// the count in the caption once they are all there.
void TOpenDialogForm::ListPictureFiles(const QString& folder) {
    LabelFiles->setText(QStringLiteral("Dateien"));
    fileListing->Start(folder);
    if (fileListing->Busy())
        ListView1->viewport()->setCursor(Qt::BusyCursor);
}

// The rows of the folder chosen last. If the chooser was closed before they came, they are
// still its folder's rows, the ones the next showing shows.
void TOpenDialogForm::ShowListedFiles(const QString& folder, std::vector<PictureEntry> entries) {
    ListView1->viewport()->unsetCursor();
    FilePaths.clear();
    FilePaths.reserve(static_cast<qsizetype>(entries.size()));
    for (const PictureEntry& entry : entries)
        FilePaths << folder + entry.name;
    fileModel->SetEntries(std::move(entries));
    LabelFiles->setText(QStringLiteral("Dateien (%1)").arg(FilePaths.size()));
    LabelUnreadable->setGeometry(ListView1->viewport()->rect());
    LabelUnreadable->setVisible(!PictureListing::CanRead(folder));
}

bool TOpenDialogForm::ListingFiles() const {
    return fileListing && fileListing->Busy();
}

int TOpenDialogForm::SelectedRow() const {
    const QModelIndexList rows = ListView1->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void TOpenDialogForm::ListView1Change() {
    const int row = SelectedRow();
    if (row < 0) {
        btnOK->SetEnabled(false);
        return;
    }
    ShowPreview(FilePaths[row]);
    btnOK->SetEnabled(true);
}

// The picture shrunk into the preview, decoded at the smallest scale that fills it. A file
// that cannot be read leaves the preview empty; the check box takes effect at the next
// selection.
void TOpenDialogForm::ShowPreview(const QString& path) {
    Image1->clear();
    if (!CheckBoxView->Checked() || !RegularFile::IsRegular(path))
        return;
    const std::optional<PictureFile::Kind> kind = PictureSizeCheck::KindByExtension(path);
    if (!kind)
        return;
    try {
        const QSize size = PictureFile::ReadSize(path, *kind);
        const QSize fitted = size.scaled(PreviewBox, Qt::KeepAspectRatio);
        const qreal ratio = ArtResources::Ratio();
        const QImage picture = PictureFile::Load(path, *kind, ArtScale::DeviceSize(fitted, ratio));
        QImage shown = ArtScale::ToScreen(picture, fitted, ratio);
        PictureCrop::DarkenCutAway(shown, size);
        Image1->setPixmap(QPixmap::fromImage(shown));
    } catch (const std::exception&) {
        Image1->clear();
    }
}

void TOpenDialogForm::btnOKClick() {
    const int row = SelectedRow();
    if (row < 0)
        return;
    ChosenFile = FilePaths[row];
    if (!PassesOpenCheck(ChosenFile))
        return;
    ChooserResult = 1;
    accept();
}

// A file that cannot be read as a picture is reported in the program's error box, and the
// chooser stays open.
bool TOpenDialogForm::PassesSizeCheck(const QString& path) {
    try {
        return PictureSizeCheck::CheckMinimumSize(path);
    } catch (const AppError& error) {
        TessalyApplication::ShowError(error.Message());
        return false;
    }
}

// The picture is decoded before the chooser closes, so that an error in its data is shown
// while the player can still choose another; the board then finds it decoded.
bool TOpenDialogForm::PassesOpenCheck(const QString& path) {
    if (!PassesSizeCheck(path))
        return false;
    try {
        const WaitCursor wait;
        PictureSizeCheck::TryDecode(path);
        return true;
    } catch (const AppError& error) {
        TessalyApplication::ShowError(error.Message());
        return false;
    }
}

void TOpenDialogForm::PopupFilesPopup(QPoint globalPosition) {
    const bool oneRow = SelectedRow() >= 0;
    mPopFilesOpen->setEnabled(oneRow);
    mPopFilesDrag->setEnabled(oneRow);
    PopupFiles->exec(globalPosition);
}

void TOpenDialogForm::mPopFilesOpenClick() {
    btnOKClick();
}

void TOpenDialogForm::mPopFilesDragClick() {
    AddToFavorites();
}

bool TOpenDialogForm::eventFilter(QObject* watched, QEvent* event) {
    // The popup opens where the window system says the pointer is. A position inside the
    // list mapped to the screen depends on where the toolkit believes the window stands,
    // which a window manager or compositor need not have told it.
    if ((watched == ListView1 || watched == ListView1->viewport()) &&
        event->type() == QEvent::ContextMenu) {
        PopupFilesPopup(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    if (watched == ListView1->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease:
            return ListMouseEvent(static_cast<QMouseEvent*>(event));
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// The left button drags a row towards the favorites once the pointer has moved 5 pixels.
// While the button is held the selection stays on the row it was pressed on.
bool TOpenDialogForm::ListMouseEvent(QMouseEvent* event) {
    const QPoint global = event->globalPosition().toPoint();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (event->button() == Qt::LeftButton) {
            dragArmed = true;
            dragging = false;
            dragStart = global;
        }
        return false;
    case QEvent::MouseMove:
        if (!dragArmed || !(event->buttons() & Qt::LeftButton))
            return false;
        if (!dragging && (global - dragStart).manhattanLength() >= DragThreshold)
            dragging = true;
        if (dragging)
            ListView1->viewport()->setCursor(mFavoriteDragOver(ListView1) && IsOverFavorites(global)
                                                 ? Qt::DragCopyCursor
                                                 : Qt::ForbiddenCursor);
        return true;
    case QEvent::MouseButtonRelease: {
        if (event->button() != Qt::LeftButton)
            return false;
        const bool dropped = dragging && IsOverFavorites(global);
        const bool wasDragging = dragging;
        dragArmed = false;
        dragging = false;
        ListView1->viewport()->unsetCursor();
        if (dropped)
            mFavoriteDragDrop(ListView1);
        return wasDragging;
    }
    default:
        return false;
    }
}

bool TOpenDialogForm::IsOverFavorites(QPoint globalPosition) const {
    return ScrollBoxFavorite->rect().contains(ScrollBoxFavorite->mapFromGlobal(globalPosition));
}

// ---- The motif strip ---------------------------------------------------------------------

void TOpenDialogForm::FillMotifStrip() {
    // The first filling takes the thumbnails decoded while the window was built.
    std::vector<QImage> decoded;
    if (motifThumbnails)
        decoded = motifThumbnails->Take();
    motifThumbnails.reset();
    int x = StripLeft;
    for (int k = 1; k <= motifCount; ++k) {
        TThumbImage* slot = MotifThumbs[static_cast<std::size_t>(k)];
        QImage thumbnail;
        if (static_cast<std::size_t>(k) <= decoded.size())
            thumbnail = decoded[static_cast<std::size_t>(k - 1)];
        else
            thumbnail = MotifLibrary::Thumbnail(k);
        slot->SetPicture(thumbnail);
        slot->move(x, StripTop);
        slot->show();
        x += slot->width() + StripGap;
    }
    if (motifCount > 0)
        PlaceEndMarker(ShapeThumbDummy, MotifThumbs[static_cast<std::size_t>(motifCount)]);
    LabelMotive->setText(QStringLiteral("Motive (%1)").arg(motifCount));
    ResetMotifBar();
}

void TOpenDialogForm::PlaceEndMarker(QWidget* marker, const TThumbImage* last) {
    marker->move(last->x() + last->width(), StripTop);
}

void TOpenDialogForm::ResetMotifBar() {
    int overflow = 0;
    if (motifCount > 0) {
        const TThumbImage* last = MotifThumbs[static_cast<std::size_t>(motifCount)];
        overflow = std::max(0, last->x() + last->width() - ScrollBoxThumbs->width() + StripMargin);
    }
    lastThumbsPosition = 0;
    WDThumbsBar->SetMin(0);
    WDThumbsBar->SetMax(overflow);
    WDThumbsBar->SetPosition(0);
}

void TOpenDialogForm::mThumbOnEnter(TThumbImage* slot) {
    ShapeThumb->setGeometry(
        slot->geometry().adjusted(-FrameGrowth, -FrameGrowth, FrameGrowth, FrameGrowth));
    ShapeThumb->show();
    ShapeThumb->lower();
}

void TOpenDialogForm::mThumbOnLeave(TThumbImage*) {
    ShapeThumb->hide();
}

void TOpenDialogForm::mThumbOnClick(TThumbImage* slot) {
    MotifNumber = slot->Tag();
    ChooserResult = 2;
    accept();
}

// The strip follows its bar pixel for pixel, however the bar moved (a step, a page, a jump
// or a dragged thumb), so that the bar's start always shows the strip's start.
void TOpenDialogForm::ScrollStrip(TWDScrollBox* strip, TWDHorBar* bar, int& lastPosition) {
    const int position = bar->Position();
    if (position == lastPosition)
        return;
    strip->ScrollBy(lastPosition - position, 0);
    lastPosition = position;
}

void TOpenDialogForm::WDThumbsBarChange() {
    ScrollStrip(ScrollBoxThumbs, WDThumbsBar, lastThumbsPosition);
}

// ---- The favorites -----------------------------------------------------------------------

QImage TOpenDialogForm::LoadThumbnail(int index) const {
    return FavoriteThumbnail::Load(store, favorites.At(index));
}

void TOpenDialogForm::ShowFavorites() {
    for (TThumbImage* slot : FavoriteThumbs) {
        slot->ClearPicture();
        slot->hide();
    }
    if (favorites.IsEmpty()) {
        LabelFavorite->setText(QStringLiteral("Favoriten (0)"));
        ResetFavoriteBar();
        return;
    }
    const WaitCursor wait;
    int x = StripLeft;
    for (int i = 0; i < favorites.Count(); ++i) {
        TThumbImage* slot = FavoriteThumbs[static_cast<std::size_t>(i)];
        slot->SetPicture(LoadThumbnail(i));
        slot->move(x, StripTop);
        slot->show();
        x += slot->width() + StripGap;
        slot->setToolTip(FileNames::Displayed(QFileInfo(favorites.At(i).path).fileName()));
    }
    PlaceEndMarker(ShapeFavoriteDummy,
                   FavoriteThumbs[static_cast<std::size_t>(favorites.Count() - 1)]);
    LabelFavorite->setText(QStringLiteral("Favoriten (%1)").arg(favorites.Count()));
    ResetFavoriteBar();
}

void TOpenDialogForm::AddToFavorites() {
    if (favorites.Count() >= FavoritesList::Capacity) {
        WDMessage(QStringLiteral("Information"),
                  QStringLiteral("In den Favoriten können nur %1 Bilder aufgenommen werden.")
                      .arg(FavoritesList::Capacity));
        return;
    }
    const int row = SelectedRow();
    if (row < 0)
        return;
    const QString path = FilePaths[row];
    switch (favorites.CheckAdd(path)) {
    case FavoritesList::Refusal::Duplicate:
        WDMessage(QStringLiteral("Information"),
                  QStringLiteral("Dieses Bild ist bereits in den Favoriten vorhanden!"));
        return;
    case FavoritesList::Refusal::Unstorable:
        WDMessage(QStringLiteral("Information"),
                  QStringLiteral("Der Name dieses Bildes enthält einen Zeilenumbruch und kann "
                                 "nicht in den Favoriten gespeichert werden."));
        return;
    case FavoritesList::Refusal::Full:
    case FavoritesList::Refusal::None:
        break;
    }
    if (!PassesSizeCheck(path))
        return;
    // The thumbnail comes first: a picture that cannot be read is not added at all.
    const QString thumbnail = favorites.FreeThumbnailName(path);
    try {
        const WaitCursor wait;
        store.MakeThumbnail(path, thumbnail, ArtResources::Ratio());
    } catch (const AppError& error) {
        TessalyApplication::ShowError(error.Message());
        return;
    }
    favorites.Append(path, thumbnail);
    AppendFavorite();
}

void TOpenDialogForm::AppendFavorite() {
    const auto hidden = std::find_if(FavoriteThumbs.begin(), FavoriteThumbs.end(),
                                     [](const TThumbImage* slot) { return slot->isHidden(); });
    if (hidden == FavoriteThumbs.end())
        return;
    const int i = static_cast<int>(hidden - FavoriteThumbs.begin());
    if (i >= favorites.Count())
        return;
    const WaitCursor wait;
    TThumbImage* slot = *hidden;
    slot->SetPicture(LoadThumbnail(i));
    const TThumbImage* before = i > 0 ? FavoriteThumbs[static_cast<std::size_t>(i - 1)] : nullptr;
    slot->move(before ? before->x() + before->width() + StripGap : StripLeft, StripTop);
    slot->show();
    slot->setToolTip(FileNames::Displayed(QFileInfo(favorites.At(i).path).fileName()));
    PlaceEndMarker(ShapeFavoriteDummy, slot);
    LabelFavorite->setText(QStringLiteral("Favoriten (%1)").arg(favorites.Count()));
    ResetFavoriteBar();
}

void TOpenDialogForm::ResetFavoriteBar() {
    const TThumbImage* first = FavoriteThumbs[0];
    if (!first->isHidden() && first->x() != StripLeft)
        ScrollBoxFavorite->ScrollBy(StripLeft - first->x(), 0);
    int overflow = 1;
    if (!favorites.IsEmpty()) {
        const TThumbImage* last = FavoriteThumbs[static_cast<std::size_t>(
            std::min(favorites.Count(), FavoritesList::Capacity) - 1)];
        overflow =
            std::max(1, last->x() + last->width() - ScrollBoxFavorite->width() + StripMargin);
    }
    lastFavoritePosition = 1;
    WDFavoriteBar->SetMin(1);
    WDFavoriteBar->SetMax(overflow);
    WDFavoriteBar->SetPosition(1);
}

void TOpenDialogForm::WDFavoriteBarChange() {
    ScrollStrip(ScrollBoxFavorite, WDFavoriteBar, lastFavoritePosition);
}

void TOpenDialogForm::mFavoriteOnEnter(TThumbImage* slot) {
    ShapeFavorite->setGeometry(
        slot->geometry().adjusted(-FrameGrowth, -FrameGrowth, FrameGrowth, FrameGrowth));
    ShapeFavorite->show();
    ShapeFavorite->lower();
}

void TOpenDialogForm::mFavoriteOnLeave(TThumbImage*) {
    ShapeFavorite->hide();
}

void TOpenDialogForm::mFavoriteOnClick(TThumbImage* slot) {
    if (slot->Tag() >= favorites.Count())
        return;
    const QString path = favorites.At(slot->Tag()).path;
    if (!RegularFile::IsRegular(path)) {
        if (PictureReach::Of(path) == PictureReach::State::Unreachable)
            WDMessage(QStringLiteral("Information"), PictureReach::UnreachableText(path));
        return;
    }
    if (!PassesOpenCheck(path))
        return;
    ChosenFile = path;
    ChooserResult = 1;
    accept();
}

bool TOpenDialogForm::mFavoriteDragOver(QObject* source) const {
    return qobject_cast<QAbstractItemView*>(source) != nullptr;
}

void TOpenDialogForm::mFavoriteDragDrop(QObject* source) {
    if (mFavoriteDragOver(source))
        AddToFavorites();
}

void TOpenDialogForm::popDeleteClick() {
    if (!popupSlot || popupSlot->Tag() >= favorites.Count())
        return;
    if (!WDConfirm(QStringLiteral("Abfrage"),
                   QStringLiteral("Soll das Bild aus den Favoriten entfernt werden?"),
                   QStringLiteral("Ja"), QStringLiteral("Nein")))
        return;
    const int index = popupSlot->Tag();
    store.DeleteThumbnail(favorites.At(index).thumbnail);
    favorites.RemoveAt(index);
    ShowFavorites();
}

void TOpenDialogForm::popDeleteAllClick() {
    if (!WDConfirm(QStringLiteral("Abfrage"),
                   QStringLiteral("Sollen alle Bilder aus den Favoriten entfernt werden?"),
                   QStringLiteral("Ja"), QStringLiteral("Nein")))
        return;
    for (int i = 0; i < favorites.Count(); ++i)
        store.DeleteThumbnail(favorites.At(i).thumbnail);
    favorites.Clear();
    ShowFavorites();
}
