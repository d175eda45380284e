#include "picturedialog/PictureFileModel.h"

#include "picturedialog/FileListText.h"
#include "platform/FileNames.h"

PictureFileModel::PictureFileModel(QObject* parent)
    : QAbstractTableModel(parent), locale(QLocale::system()) {}

void PictureFileModel::SetEntries(std::vector<PictureEntry> value) {
    beginResetModel();
    entries = std::move(value);
    endResetModel();
}

void PictureFileModel::Clear() {
    SetEntries({});
}

int PictureFileModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(entries.size());
}

int PictureFileModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 3;
}

QVariant PictureFileModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const PictureEntry& entry = Entry(index.row());
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case 0:
            return FileNames::Displayed(entry.name);
        case 1:
            return FileListText::FormatFileSize(entry.size, locale);
        case 2:
            return FileListText::FormatModified(entry.modified, locale);
        }
        break;
    case Qt::ToolTipRole:
        // A long name is shortened in the row; the whole of it shows over every column.
        return entry.name;
    case Qt::DecorationRole:
        if (index.column() == 0)
            return icons.IconFor(entry.name, entry.isFolder);
        break;
    case Qt::TextAlignmentRole:
        if (index.column() == 1)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    }
    return {};
}
