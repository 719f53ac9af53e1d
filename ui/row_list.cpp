// The list widget of typed rows: its settings, its current row and the signals it passes on.
#include "ui/row_list.h"

#include <QItemSelectionModel>

namespace qm::ui {

RowListView::RowListView(QWidget* parent) : QListView(parent)
{
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Only some fields of a row are painted, so the width of its whole text means nothing.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) { emit rowClicked(index.row()); });
}

void RowListView::SetRowModel(QAbstractItemModel* rows)
{
    setModel(rows);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { emit currentRowChanged(current.row()); });
}

int RowListView::count() const { return model() ? model()->rowCount() : 0; }

int RowListView::currentRow() const { return currentIndex().row(); }

void RowListView::setCurrentRow(int row)
{
    selectionModel()->setCurrentIndex(model()->index(row, 0), QItemSelectionModel::ClearAndSelect);
}

void RowListView::ForgetCurrentRow() { selectionModel()->clear(); }

QString RowListView::Line(int row) const { return model()->index(row, 0).data().toString(); }

QStringList RowListView::Lines() const
{
    QStringList lines;
    for (int i = 0; i < count(); ++i) lines << Line(i);
    return lines;
}

}  // namespace qm::ui
