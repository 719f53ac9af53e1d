// The My grids list: rows from the library, thumbnails, and the changes made through the library.
#include "ui/designer_my_grids.h"

#include "core/grid/stock_grids.h"
#include "core/util/failure.h"

#include <QPainter>

namespace qm::ui {

QImage GridThumbnail(const GridDesign& design, bool selected)
{
    const int px = ThumbPixelsPerSquare;
    const int n = design.Size();
    const int side = n * px;
    QImage image(side + 1, side + 1, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    const QColor colour = selected ? QColor(Qt::black) : QColor(0x80, 0x80, 0x80);
    p.setPen(QPen(colour, 1));
    p.setBrush(Qt::white);
    p.drawRect(0, 0, side, side);
    for (int i = 1; i < n; ++i) {
        p.drawLine(0, px * i, side, px * i);
        p.drawLine(px * i, 0, px * i, side);
    }
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c)
            if (design.IsBlock(r, c)) p.fillRect(px * (c - 1), px * (r - 1), px, px, colour);
    return image;
}

MyGridsModel::MyGridsModel(std::string path, QObject* parent) : QAbstractListModel(parent), library_(std::move(path))
{
    library_.Load();
}

void MyGridsModel::Reload()
{
    beginResetModel();
    library_.Load();
    endResetModel();
}

int MyGridsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(library_.Grids().size());
}

QVariant MyGridsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= rowCount()) return {};
    const LibraryGrid& grid = library_.Grids()[static_cast<std::size_t>(index.row())];
    const int n = grid.Design.Size();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return QString::fromStdString(grid.Name);
    case Qt::DecorationRole: return GridThumbnail(grid.Design);
    case Qt::ToolTipRole: {
        const std::string_view symmetry = SymmetryName(grid.Design.Symmetry());
        return QString("%1 x %1, symmetry %2").arg(n).arg(QString::fromUtf8(symmetry.data(), static_cast<qsizetype>(symmetry.size())));
    }
    case SizeRole: return n;
    default: return {};
    }
}

Qt::ItemFlags MyGridsModel::flags(const QModelIndex& index) const
{
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool MyGridsModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole) return false;
    return RenameGrid(index.row(), value.toString());
}

const GridDesign& MyGridsModel::DesignAt(int row) const
{
    Check(row >= 0 && row < rowCount(), "There is no such grid in My grids");
    return library_.Grids()[static_cast<std::size_t>(row)].Design;
}

template <typename ChangeFn>
bool MyGridsModel::Change(ChangeFn&& change)
{
    // The library reads the file again before a change, so the rows may change beyond the one touched.
    beginResetModel();
    bool done = true;
    QString message;
    try {
        change();
    } catch (const Failure& e) {
        done = false;
        message = QString::fromUtf8(e.what());
    }
    endResetModel();
    if (!done) emit failed(message);
    return done;
}

int MyGridsModel::AddGrid(const QString& name, const GridDesign& design)
{
    const std::string text = name.toStdString();
    if (!Change([&] { library_.Add(text, design); })) return -1;
    return library_.Find(text);
}

bool MyGridsModel::ReplaceGrid(int row, const GridDesign& design)
{
    return Change([&] { library_.Replace(row, design); });
}

bool MyGridsModel::RenameGrid(int row, const QString& name)
{
    const std::string text = name.toStdString();
    return Change([&] { library_.Rename(row, text); });
}

bool MyGridsModel::DeleteGrid(int row)
{
    return Change([&] { library_.Remove(row); });
}

}  // namespace qm::ui
