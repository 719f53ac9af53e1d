// The word usage table: its model, its painting and its column layout.
#include "ui/word_usage_grid.h"

#include "core/grid/colours.h"
#include "ui/colour.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>

#include <cmath>

namespace qm::ui {

namespace {
constexpr int UsageColumns = 4;
/// How far a group header reaches past its first cell.
constexpr int HeaderWidening = 200;
}  // namespace

// ---------------------------------------------------------------------------------------------
// Model

void WordUsageModel::SetTable(UsageTable table)
{
    beginResetModel();
    table_ = std::move(table);
    endResetModel();
}

const UsageRow* WordUsageModel::RowAt(int row) const
{
    if (row < 0 || row >= static_cast<int>(table_.Rows.size())) return nullptr;
    return &table_.Rows[static_cast<std::size_t>(row)];
}

QString WordUsageModel::Cell(int col, int row) const
{
    const UsageRow* r = RowAt(row);
    if (!r || col < 0 || col >= UsageColumns) return {};
    const std::string text = r->Cell(col);
    return QString::fromLatin1(text.data(), static_cast<int>(text.size()));
}

int WordUsageModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : std::max(table_.RowCount, static_cast<int>(table_.Rows.size()));
}

int WordUsageModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : UsageColumns; }

QVariant WordUsageModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    return Cell(index.column(), index.row());
}

// ---------------------------------------------------------------------------------------------
// Painting

WordUsageDelegate::WordUsageDelegate(const WordUsageModel& model, QObject* parent) : QStyledItemDelegate(parent), model_(model) {}

void WordUsageDelegate::paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const int col = index.column();
    const int row = index.row();
    const QString text = model_.Cell(col, row);
    const UsageRow* usage = model_.RowAt(row);
    QRect r = option.rect;
    p->save();
    if (usage && usage->Of == UsageRow::Kind::LengthHeader) {
        // A group header: grey over the whole row, its text bold without the "*" of its cell.
        r.setRight(r.right() + HeaderWidening);
        p->setClipRect(option.rect);
        p->fillRect(r, ToQColor(ColourSilver));
        QFont f = option.font;
        f.setBold(true);
        p->setFont(f);
        p->setPen(ToQColor(ColourWindowText, option.palette));
        p->drawText(r, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, QString(" Words of Length %1").arg(usage->Length, 2));
    } else if (col == 0 && !text.isEmpty()) {
        const bool chosen = (option.state & QStyle::State_Selected) && (option.state & QStyle::State_HasFocus);
        p->fillRect(r, chosen ? ToQColor(ColourSelectedRow) : ToQColor(ColourWindow, option.palette));
        p->setFont(option.font);
        p->setPen(chosen ? ToQColor(ColourHighlightText, option.palette) : ToQColor(ColourWindowText, option.palette));
        p->drawText(r, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, " " + text);
    } else if (col == 2 && usage) {
        p->setClipRect(r);  // the summary's total outgrows the largest length
        p->fillRect(r, ToQColor(ColourWindow, option.palette));
        const int maxUsage = model_.Table().MaxUsage;
        const auto count = usage->Count;
        if (maxUsage > 0 && count > 0) {
            const double ratio = static_cast<double>(count) / maxUsage;
            const int width = static_cast<int>(std::nearbyint(r.width() * ratio));
            p->fillRect(QRect(r.left(), r.top(), width, r.height()), ToQColor(ColourBar));
        }
    } else {
        p->restore();
        QStyleOptionViewItem plain = option;
        plain.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
        QStyledItemDelegate::paint(p, plain, index);
        return;
    }
    p->restore();
}

// ---------------------------------------------------------------------------------------------
// The grid

WordUsageGrid::WordUsageGrid(QWidget* parent) : QTableView(parent), model_(this)
{
    setModel(&model_);
    setItemDelegate(new WordUsageDelegate(model_, this));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(0);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setWordWrap(false);
    setShowGrid(true);
}

void WordUsageGrid::SetColumnWidths(UsageTableKind kind)
{
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    QList<int> widths;
    if (kind == UsageTableKind::Summary)
        widths = {64, 40, std::max(0, viewport()->width() - 64 - 40 - 44 - 1), 44};
    else
        widths = {120, 30, std::max(0, width() - 150 - scrollBar - 7), 0};
    for (int c = 0; c < UsageColumns; ++c) setColumnWidth(c, widths[c]);
}

void WordUsageGrid::SetTable(UsageTable table)
{
    const UsageTableKind kind = table.Kind;
    clearSpans();
    model_.SetTable(std::move(table));
    SetColumnWidths(kind);
    const auto& rows = model_.Table().Rows;
    for (int row = 0; row < static_cast<int>(rows.size()); ++row)
        if (rows[static_cast<std::size_t>(row)].Of == UsageRow::Kind::LengthHeader) setSpan(row, 0, 1, UsageColumns);
    viewport()->update();
}

void WordUsageGrid::Clear()
{
    clearSpans();
    model_.SetTable({});
}

void WordUsageGrid::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    SetColumnWidths(model_.Table().Kind);
}

void WordUsageGrid::mouseReleaseEvent(QMouseEvent* event)
{
    QTableView::mouseReleaseEvent(event);
    emit mouseUp(event->position().toPoint());
}

}  // namespace qm::ui
