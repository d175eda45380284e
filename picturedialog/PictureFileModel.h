#pragma once
// The rows of the chooser's file list: name with the file type's icon, size and last
// change, formatted for the player's locale when a row is drawn, so that a folder of
// thousands of pictures is listed at once.

#include "picturedialog/PictureListing.h"
#include "platform/FileTypeIcons.h"

#include <QAbstractTableModel>
#include <QLocale>
#include <vector>

class PictureFileModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit PictureFileModel(QObject* parent = nullptr);

    void SetEntries(std::vector<PictureEntry> entries);
    void Clear();
    const PictureEntry& Entry(int row) const { return entries.at(static_cast<std::size_t>(row)); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    std::vector<PictureEntry> entries;
    QLocale locale;
    mutable FileTypeIcons icons;
};
