// The painters of the owner-drawn lists and the delegate that runs them.
#include "ui/owner_drawn_lists.h"

#include "core/grid/colours.h"
#include "ui/colour.h"
#include "ui/form_building.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

namespace qm::ui {

namespace {

/// The left margin and the gap between columns of a column layout, in pixels.
constexpr int ColumnLeft = 2;
constexpr int ColumnGap = 6;

void DrawAt(QPainter& p, const QRect& rect, int left, const QString& text, Qt::Alignment align = Qt::AlignLeft)
{
    const QRect r(rect.left() + left, rect.top(), rect.width() - left, rect.height());
    p.drawText(r, static_cast<int>(align | Qt::AlignVCenter) | Qt::TextSingleLine, text);
}

}  // namespace

LineDelegate::LineDelegate(LinePainter painter, int rowHeight, QObject* parent)
    : QStyledItemDelegate(parent), painter_(std::move(painter)), rowHeight_(rowHeight)
{
}

void LineDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    painter->save();
    painter->setFont(option.font);
    painter->setClipRect(option.rect);
    const bool selected = option.state & QStyle::State_Selected;
    painter_(*painter, option.rect, index.data(Qt::DisplayRole).toString(), selected, option.palette);
    painter->restore();
}

QSize LineDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    return {QStyledItemDelegate::sizeHint(option, index).width(), rowHeight_};
}

QColor FillRowBackground(QPainter& p, const QRect& rect, bool selected, const QPalette& palette)
{
    p.fillRect(rect, selected ? ToQColor(ColourSelectedRow) : ToQColor(ColourWindow, palette));
    return selected ? ToQColor(ColourHighlightText, palette) : ToQColor(ColourWindowText, palette);
}

void DrawRowFocus(QPainter& p, const QRect& rect)
{
    QPen pen(Qt::DotLine);
    pen.setColor(Qt::white);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect.adjusted(0, 0, -1, -1));
}

LinePainter ImportedListItemPainter(std::function<bool()> active)
{
    return [active = std::move(active)](QPainter& p, const QRect& rect, const QString& line, bool selected, const QPalette& palette) {
        const bool on = !active || active();
        const QColor text = FillRowBackground(p, rect, selected && on, palette);
        p.setPen(on ? text : ToQColor(ColourSilver));
        p.drawText(rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, line);
        if (selected && on) DrawRowFocus(p, rect);
    };
}

LinePainter DimensionListPainter()
{
    return [](QPainter& p, const QRect& rect, const QString& line, bool selected, const QPalette& palette) {
        p.setPen(FillRowBackground(p, rect, selected, palette));
        DrawAt(p, rect, 2, line);
        if (selected) DrawRowFocus(p, rect);
    };
}

RowPainter<FillRow> FillsListPainter(QVector<FillColumn> columns)
{
    return [columns](QPainter& p, const QRect& rect, const FillRow& row, bool selected, const QPalette& palette) {
        p.setPen(FillRowBackground(p, rect, selected, palette));
        int left = ColumnLeft;
        for (const FillColumn& c : columns) {
            const QRect cell(rect.left() + left, rect.top(), c.Width, rect.height());
            p.drawText(cell, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, c.Field(row));
            left += c.Width + ColumnGap;
        }
        if (selected) DrawRowFocus(p, rect);
    };
}

RowPainter<ClueRow> ClueListPainter()
{
    return [](QPainter& p, const QRect& rect, const ClueRow& row, bool selected, const QPalette& palette) {
        p.setPen(FillRowBackground(p, rect, selected, palette));
        DrawAt(p, rect, 2, QString::asprintf("%3d :", row.Clue));
        DrawAt(p, rect, 30, ToQ(row.Answer));
        if (selected) DrawRowFocus(p, rect);
    };
}

RowPainter<ReplacementChoice> ReplacementListPainter()
{
    return [](QPainter& p, const QRect& rect, const ReplacementChoice& row, bool selected, const QPalette& palette) {
        p.setPen(FillRowBackground(p, rect, selected, palette));
        QFont f = p.font();
        f.setBold(row.Current);
        p.setFont(f);
        // The list's text column is 20 characters wide: a longer display text is cut there.
        DrawAt(p, rect, 2, ToQ(row.DisplayTxt).left(20));
    };
}

RowPainter<CategoryListRow> CategoryWordsPainter()
{
    return [](QPainter& p, const QRect& rect, const CategoryListRow& row, bool selected, const QPalette& palette) {
        switch (row.Of) {
        case CategoryListRow::Kind::LengthHeader:
            p.fillRect(rect, ToQColor(ColourSilver));
            p.setPen(ToQColor(ColourWindowText, palette));
            DrawAt(p, rect, 2, QString("Words of Length %1:").arg(row.Length));
            break;
        case CategoryListRow::Kind::Word:
            p.setPen(FillRowBackground(p, rect, selected, palette));
            DrawAt(p, rect, 6, ToQ(row.Words));
            break;
        case CategoryListRow::Kind::Plain:
            p.setPen(FillRowBackground(p, rect, selected, palette));
            DrawAt(p, rect, 2, ToQ(row.Words));
            break;
        }
        if (selected) DrawRowFocus(p, rect);
    };
}

void MakeOwnerDrawn(QListWidget* list, LinePainter painter, int rowHeight)
{
    list->setItemDelegate(new LineDelegate(std::move(painter), rowHeight, list));
    list->setUniformItemSizes(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    // Only part of a line is painted, so the width of the whole line means nothing.
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void SetLines(QListWidget* list, const QStringList& lines)
{
    list->clear();
    list->addItems(lines);
}

QStringList Lines(const QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

ColumnHeader::ColumnHeader(QVector<FillColumn> columns, QWidget* parent) : QWidget(parent), columns_(std::move(columns))
{
    setFixedHeight(fontMetrics().height() + 4);
}

QString ColumnHeader::text() const
{
    QStringList captions;
    for (const FillColumn& c : columns_)
        if (!c.Caption.isEmpty()) captions << c.Caption;
    return captions.join(' ');
}

void ColumnHeader::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    int left = ColumnLeft;
    for (const FillColumn& c : columns_) {
        p.drawText(QRect(left, 0, c.Width, height()), Qt::AlignRight | Qt::AlignVCenter, c.Caption);
        left += c.Width + ColumnGap;
    }
}

CheckListDelegate::CheckListDelegate(int rowHeight, QObject* parent) : QStyledItemDelegate(parent), rowHeight_(rowHeight) {}

void CheckListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    painter->save();
    const bool selected = option.state & QStyle::State_Selected;
    const QColor text = FillRowBackground(*painter, option.rect, selected, option.palette);

    QStyleOptionViewItem check = opt;
    check.rect = style->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &opt, widget);
    check.state = check.state & ~QStyle::State_HasFocus;
    check.state |= opt.checkState == Qt::Checked ? QStyle::State_On : QStyle::State_Off;
    style->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &check, painter, widget);

    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget);
    painter->setPen(text);
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, opt.text);
    painter->restore();
}

QSize CheckListDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    return {QStyledItemDelegate::sizeHint(option, index).width(), rowHeight_};
}

}  // namespace qm::ui
