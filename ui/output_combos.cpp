// Owner drawing of the font and blocking style lists: picture, name and the program's selection colour.
#include "ui/output_combos.h"

#include "core/grid/colours.h"
#include "ui/colour.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QIcon>
#include <QPainter>
#include <QStyledItemDelegate>

namespace qm::ui {

namespace {

class ImageItemDelegate : public QStyledItemDelegate {
public:
    ImageItemDelegate(QPoint imageAt, QPoint textAt, int itemHeight, QObject* parent)
        : QStyledItemDelegate(parent), imageAt_(imageAt), textAt_(textAt), itemHeight_(itemHeight)
    {
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const bool selected = option.state & QStyle::State_Selected;
        const QRect r = option.rect;
        painter->save();
        painter->fillRect(r, selected ? ToQColor(ColourSelectedRow) : option.palette.color(QPalette::Base));
        const QIcon icon = index.data(Qt::DecorationRole).value<QIcon>();
        if (!icon.isNull()) {
            const QPixmap picture = icon.pixmap(icon.availableSizes().value(0, QSize(16, 16)));
            painter->drawPixmap(r.topLeft() + imageAt_, picture);
        }
        painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->setFont(option.font);
        const QRect textBox(r.left() + textAt_.x(), r.top() + textAt_.y(), r.width() - textAt_.x(), r.height() - textAt_.y());
        painter->drawText(textBox, Qt::AlignLeft | Qt::AlignVCenter, index.data(Qt::DisplayRole).toString());
        if (selected) {
            painter->setPen(QPen(option.palette.color(QPalette::HighlightedText), 1, Qt::DotLine));
            painter->drawRect(r.adjusted(0, 0, -1, -1));
        }
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width() + textAt_.x(), itemHeight_};
    }

private:
    QPoint imageAt_;
    QPoint textAt_;
    int itemHeight_;
};

}  // namespace

void MakeImageItemCombo(QComboBox* combo, QPoint imageAt, QPoint textAt, int itemHeight)
{
    combo->setItemDelegate(new ImageItemDelegate(imageAt, textAt, itemHeight, combo));
}

QImage TrueTypeMark()
{
    QImage mark(14, 12, QImage::Format_ARGB32);
    mark.fill(Qt::transparent);
    QPainter painter(&mark);
    QFont font("DejaVu Serif");
    font.setPixelSize(10);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawText(QRect(0, 0, 10, 11), Qt::AlignCenter, "T");
    painter.setPen(Qt::black);
    painter.drawText(QRect(4, 1, 10, 11), Qt::AlignCenter, "T");
    return mark;
}

}  // namespace qm::ui
