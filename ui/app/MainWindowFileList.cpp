#include "ui/app/MainWindowFileList.h"

#include <QFileSystemModel>

namespace tessella::app {

void FilesOnlyModel::setFolder(const QModelIndex& folder) {
    folder_ = folder;
    invalidateFilter();
}

bool FilesOnlyModel::filterAcceptsRow(int row, const QModelIndex& parent) const {
    if (parent != folder_) return true;  // the folder itself and those above it
    const auto* files = static_cast<const QFileSystemModel*>(sourceModel());
    return !files->isDir(files->index(row, 0, parent));
}

void FolderRowsModel::setSourceModel(QAbstractItemModel* source) {
    beginResetModel();
    QAbstractProxyModel::setSourceModel(source);
    folder_ = QPersistentModelIndex();
    auto inFolder = [this](const QModelIndex& parent) { return parent == folder_; };
    connect(source, &QAbstractItemModel::rowsAboutToBeInserted, this,
            [this, inFolder](const QModelIndex& parent, int first, int last) {
                if (inFolder(parent)) beginInsertRows({}, first, last);
            });
    connect(source, &QAbstractItemModel::rowsInserted, this,
            [this, inFolder](const QModelIndex& parent) {
                if (inFolder(parent)) endInsertRows();
            });
    connect(source, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this, inFolder](const QModelIndex& parent, int first, int last) {
                if (inFolder(parent)) beginRemoveRows({}, first, last);
            });
    connect(source, &QAbstractItemModel::rowsRemoved, this,
            [this, inFolder](const QModelIndex& parent) {
                if (inFolder(parent)) endRemoveRows();
            });
    connect(source, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& topLeft, const QModelIndex& bottomRight,
                   const QList<int>& roles) {
                const QModelIndex from = mapFromSource(topLeft), to = mapFromSource(bottomRight);
                if (from.isValid() && to.isValid()) emit dataChanged(from, to, roles);
            });
    connect(source, &QAbstractItemModel::layoutAboutToBeChanged, this, [this] {
        emit layoutAboutToBeChanged();
        layoutProxy_ = persistentIndexList();
        layoutSource_.clear();
        for (const QModelIndex& i : std::as_const(layoutProxy_))
            layoutSource_ << QPersistentModelIndex(mapToSource(i));
    });
    connect(source, &QAbstractItemModel::layoutChanged, this, [this] {
        for (qsizetype i = 0; i < layoutProxy_.size(); ++i)
            changePersistentIndex(layoutProxy_[i], mapFromSource(layoutSource_[i]));
        layoutProxy_.clear();
        layoutSource_.clear();
        emit layoutChanged();
    });
    // Moves and column changes are rare here: the list starts again.
    auto begin = [this] { beginResetModel(); };
    auto end = [this] { endResetModel(); };
    connect(source, &QAbstractItemModel::rowsAboutToBeMoved, this, begin);
    connect(source, &QAbstractItemModel::rowsMoved, this, end);
    connect(source, &QAbstractItemModel::columnsAboutToBeInserted, this, begin);
    connect(source, &QAbstractItemModel::columnsInserted, this, end);
    connect(source, &QAbstractItemModel::columnsAboutToBeRemoved, this, begin);
    connect(source, &QAbstractItemModel::columnsRemoved, this, end);
    connect(source, &QAbstractItemModel::modelAboutToBeReset, this, begin);
    connect(source, &QAbstractItemModel::modelReset, this, end);
    endResetModel();
}

void FolderRowsModel::setFolder(const QModelIndex& folder) {
    if (folder == folder_) return;
    beginResetModel();
    folder_ = folder;
    endResetModel();
}

QModelIndex FolderRowsModel::mapToSource(const QModelIndex& proxy) const {
    if (!proxy.isValid() || !sourceModel() || !folder_.isValid()) return {};
    return sourceModel()->index(proxy.row(), proxy.column(), folder_);
}

QModelIndex FolderRowsModel::mapFromSource(const QModelIndex& source) const {
    if (!source.isValid() || !folder_.isValid() || source.parent() != folder_) return {};
    return createIndex(source.row(), source.column());
}

QModelIndex FolderRowsModel::index(int row, int column, const QModelIndex& parent) const {
    if (parent.isValid() || row < 0 || column < 0 || row >= rowCount() || column >= columnCount())
        return {};
    return createIndex(row, column);
}

int FolderRowsModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !sourceModel() || !folder_.isValid()) return 0;
    return sourceModel()->rowCount(folder_);
}

int FolderRowsModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid() || !sourceModel() || !folder_.isValid()) return 0;
    return sourceModel()->columnCount(folder_);
}

bool FolderRowsModel::hasChildren(const QModelIndex& parent) const {
    return !parent.isValid() && rowCount() > 0;
}

bool FolderRowsModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && sourceModel() && folder_.isValid() &&
           sourceModel()->canFetchMore(folder_);
}

void FolderRowsModel::fetchMore(const QModelIndex& parent) {
    if (canFetchMore(parent)) sourceModel()->fetchMore(folder_);
}

}  // namespace tessella::app
