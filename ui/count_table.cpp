// The count table's painting: header row, count cells and the bars.
#include "ui/count_table.h"

#include "core/grid/colours.h"
#include "ui/colour.h"

#include <QHeaderView>
#include <QPainter>

namespace qm::ui {

namespace {

class CountTableDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QString text = index.data(Qt::DisplayRole).toString();
        const QRect r = option.rect;
        p->save();
        if (index.column() == 2 && index.row() > 0 && !text.isEmpty()) {
            p->fillRect(r, ToQColor(ColourWindow, option.palette));
            const int width = text.toInt();
            if (width > 0) p->fillRect(QRect(r.left(), r.top(), width, r.height()), ToQColor(ColourBar));
        } else {
            const bool fixed = index.row() == 0;
            p->fillRect(r, fixed ? ToQColor(ColourSilver) : ToQColor(ColourWindow, option.palette));
            QFont f = option.font;
            f.setBold(fixed);
            p->setFont(f);
            p->setPen(ToQColor(ColourWindowText, option.palette));
            p->drawText(r, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, " " + text);
        }
        p->restore();
    }
};

}  // namespace

CountTable::CountTable(int rows, int columns, QWidget* parent) : QTableWidget(rows, columns, parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setItemDelegate(new CountTableDelegate(this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setShowGrid(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void CountTable::SetFixedColumns(const QList<int>& widths)
{
    fixedWidths_ = widths;
    FitLastColumn();
}

void CountTable::FitLastColumn()
{
    int used = 0;
    for (int c = 0; c < fixedWidths_.size() && c < columnCount() - 1; ++c) {
        setColumnWidth(c, fixedWidths_[c]);
        used += fixedWidths_[c];
    }
    const int last = std::max(0, viewport()->width() - used - 1);
    if (columnCount() > 0 && columnWidth(columnCount() - 1) != last) {
        setColumnWidth(columnCount() - 1, last);
        emit lastColumnResized();
    }
}

void CountTable::resizeEvent(QResizeEvent* event)
{
    QTableWidget::resizeEvent(event);
    FitLastColumn();
}

QString CountTable::Cell(int col, int row) const
{
    const QTableWidgetItem* it = item(row, col);
    return it ? it->text() : QString();
}

void CountTable::SetCell(int col, int row, const QString& text)
{
    QTableWidgetItem* it = item(row, col);
    if (!it) setItem(row, col, it = new QTableWidgetItem);
    it->setText(text);
}

}  // namespace qm::ui
