// MyGridsModel: the Setup page's "My grids" list over the user's grid library: each grid's name (which
// can be edited to rename it), its size and a thumbnail drawn as the stock grid previews are. Every
// change goes through the library, which reads the file again, makes the change and writes it whole
// and safely; the list is then read from the library again. A damaged file is reported once through
// Problem() and left untouched.
//
// Calls in: the Setup page (list, Rename, Delete, Save to My Grids), tests.
// Calls out: core/design/grid_library.
#pragma once

#include "core/design/grid_library.h"

#include <QAbstractListModel>
#include <QImage>
#include <QString>

namespace qm::ui {

/// A grid's thumbnail as the stock grid previews draw theirs: ThumbPixelsPerSquare pixels per square,
/// a frame and grid lines, blocks filled; black when selected, else grey.
QImage GridThumbnail(const GridDesign& design, bool selected = false);

class MyGridsModel : public QAbstractListModel {
    Q_OBJECT
public:
    /// Extra roles beside the name (DisplayRole, EditRole), the thumbnail (DecorationRole) and the
    /// size and symmetry (ToolTipRole).
    enum Role {
        SizeRole = Qt::UserRole + 1,  ///< the grid's size N of N x N
    };

    /// The library of this file, read at once.
    explicit MyGridsModel(std::string path, QObject* parent = nullptr);

    /// Reads the file again.
    void Reload();
    /// The message for a damaged or unreadable file; empty when it was read well.
    QString Problem() const { return QString::fromStdString(library_.Problem()); }
    const GridLibrary& Library() const { return library_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    /// EditRole renames the grid; false (the file as it was, failed() emitted) when the name is empty,
    /// too long, already used, or the file cannot be written or is damaged.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    /// The design kept in row i.
    const GridDesign& DesignAt(int row) const;
    /// Saves a design under a new name; the row it is listed at, or -1 (failed() emitted).
    int AddGrid(const QString& name, const GridDesign& design);
    /// Replaces the design kept in a row; false on failure (failed() emitted).
    bool ReplaceGrid(int row, const GridDesign& design);
    /// Renames a row; false on failure (failed() emitted).
    bool RenameGrid(int row, const QString& name);
    /// Deletes a row; false on failure (failed() emitted).
    bool DeleteGrid(int row);

signals:
    /// A change was refused or could not be saved: the message for the user. The file is as it was.
    void failed(const QString& message);

private:
    /// Makes a change through the library and lists the grids as the file now holds them.
    template <typename ChangeFn>
    bool Change(ChangeFn&& change);

    GridLibrary library_;
};

}  // namespace qm::ui
