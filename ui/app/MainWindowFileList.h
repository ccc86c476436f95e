#pragma once
// The models behind the main window's source file list.

#include <QAbstractProxyModel>
#include <QPersistentModelIndex>
#include <QSortFilterProxyModel>

namespace tessella::app {

// The file list's view of its folder: files only, names only. The file model keeps showing a
// subfolder that was once opened among its parent's entries, whatever its filter says.
class FilesOnlyModel final : public QSortFilterProxyModel {
  public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void setFolder(const QModelIndex& folder);

  protected:
    bool filterAcceptsColumn(int column, const QModelIndex&) const override { return column == 0; }
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override;

  private:
    QPersistentModelIndex folder_;
};

// The entries of one folder of a tree model as a flat list: its rows at the top level. The
// accessibility layer reads a list's rows from the top of its model, whatever folder the view
// shows, so a list rooted deep in a tree exposed only the tree's first row.
class FolderRowsModel final : public QAbstractProxyModel {
  public:
    explicit FolderRowsModel(QObject* parent = nullptr) : QAbstractProxyModel(parent) {}

    void setSourceModel(QAbstractItemModel* source) override;
    // Lists the rows of folder (an index of the source model).
    void setFolder(const QModelIndex& folder);
    QModelIndex folder() const { return folder_; }

    QModelIndex mapToSource(const QModelIndex& proxy) const override;
    QModelIndex mapFromSource(const QModelIndex& source) const override;
    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex&) const override { return {}; }
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    // The folder's entries load on demand.
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

  private:
    QPersistentModelIndex folder_;
    // Across a layout change of the source: the proxy's persistent indexes and their sources.
    QModelIndexList layoutProxy_;
    QList<QPersistentModelIndex> layoutSource_;
};

}  // namespace tessella::app
