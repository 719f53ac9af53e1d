// The two-column grid of imported words and clues.
#include "ui/theme_word_grid.h"

#include "core/words/imported_list.h"
#include "ui/form_building.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

#include <algorithm>

namespace qm::ui {

namespace {

constexpr int WordColumnWidth = 130;
constexpr int ClueColumnWidth = 300;
constexpr int RowHeight = 16;

/// Paints a cell's text 2 pixels in from its left edge, clipped to the cell.
class ThemeCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        p->save();
        p->setClipRect(option.rect);
        p->fillRect(option.rect, option.palette.color(QPalette::Base));
        p->setPen(option.palette.color(QPalette::Text));
        p->setFont(option.font);
        p->drawText(option.rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                    index.data().toString());
        p->restore();
    }
};

}  // namespace

ThemeWordModel::ThemeWordModel(const ImportedList& list, QObject* parent) : QAbstractTableModel(parent), list_(list) {}

int ThemeWordModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int ThemeWordModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QVariant ThemeWordModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rows_) return {};
    const auto row = static_cast<std::size_t>(index.row());
    const auto& texts = index.column() == 0 ? list_.ThemeWords : list_.ThemeClues;
    return row < texts.size() ? ToQ(texts[row]) : QString();
}

void ThemeWordModel::SetRowCount(int rows)
{
    beginResetModel();
    rows_ = std::clamp(rows, 0, static_cast<int>(list_.ThemeWords.size()));
    endResetModel();
}

ThemeWordGrid::ThemeWordGrid(const ImportedList& list, QWidget* parent) : QTableView(parent), model_(new ThemeWordModel(list, this))
{
    setModel(model_);
    setItemDelegate(new ThemeCellDelegate(this));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(10);
    setColumnWidth(0, WordColumnWidth);
    setColumnWidth(1, ClueColumnWidth);
    verticalHeader()->setMinimumSectionSize(RowHeight);
    verticalHeader()->setDefaultSectionSize(RowHeight);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFocusPolicy(Qt::NoFocus);
    SetCalibri(this, 9);
}

void ThemeWordGrid::SetRowCount(int rows)
{
    model_->SetRowCount(rows);
    setColumnWidth(0, WordColumnWidth);
    setColumnWidth(1, ClueColumnWidth);
}

int ThemeWordGrid::RowCount() const { return model_->rowCount(); }

QString ThemeWordGrid::Cell(int col, int row) const { return model_->data(model_->index(row, col)).toString(); }

}  // namespace qm::ui
