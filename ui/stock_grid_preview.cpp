// Painting of the stock grid thumbnails: frame, caption, grid lines and the blocked squares.
#include "ui/stock_grid_preview.h"

#include <QMouseEvent>
#include <QWheelEvent>
#include <QPainter>

namespace qm::ui {

namespace {

QFont CaptionFont()
{
    QFont f("Arial");
    f.setPointSize(7);
    return f;
}

void DrawThumbnail(QPainter& p, const StockThumbnail& t, int captionHeight)
{
    const int px = ThumbPixelsPerSquare;
    const int n = t.Size;
    const int side = n * px;
    const QColor colour = t.Selected ? QColor(Qt::black) : QColor(0x80, 0x80, 0x80);
    p.setPen(QPen(colour, 1));
    p.setBrush(Qt::white);
    p.drawRect(t.Left, t.Top, side, side);

    p.drawText(QRect(t.Left, t.Top + side + 1, side, captionHeight), Qt::AlignLeft | Qt::AlignTop, t.Ordinal);
    p.drawText(QRect(t.Left, t.Top + side + 1, side, captionHeight), Qt::AlignRight | Qt::AlignTop, t.Letters);

    for (int i = 1; i < n; ++i) {
        p.drawLine(t.Left, t.Top + px * i, t.Left + side, t.Top + px * i);
        p.drawLine(t.Left + px * i, t.Top, t.Left + px * i, t.Top + side);
    }
    for (int r = 1; r <= (n + 1) / 2 && r <= static_cast<int>(t.RowMasks.size()); ++r)
        for (int c = 1; c <= n; ++c) {
            if (!(t.RowMasks[static_cast<std::size_t>(r - 1)] & (1 << c))) continue;
            p.fillRect(t.Left + px * (c - 1), t.Top + px * (r - 1), px, px, colour);
            p.fillRect(t.Left + px * (n - c), t.Top + px * (n - r), px, px, colour);
        }
}

}  // namespace

StockGridPreview::StockGridPreview(QWidget* parent) : QWidget(parent)
{
    setObjectName("PreviewImg");
    setAutoFillBackground(false);
}

void StockGridPreview::SetThumbnails(std::vector<StockThumbnail> thumbnails)
{
    thumbnails_ = std::move(thumbnails);
    update();
}

int StockGridPreview::CaptionHeight() const { return QFontMetrics(CaptionFont()).height() + 1; }

void StockGridPreview::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setFont(CaptionFont());
    const int caption = CaptionHeight();
    for (const StockThumbnail& t : thumbnails_) DrawThumbnail(p, t, caption);
}

void StockGridPreview::mouseReleaseEvent(QMouseEvent* event)
{
    emit mouseUp(event->position().toPoint(), event->button());
    QWidget::mouseReleaseEvent(event);
}

void StockGridPreview::wheelEvent(QWheelEvent* event)
{
    const int steps = -event->angleDelta().y() / 120;
    if (steps != 0) emit wheelSteps(steps);
    event->accept();
}

void StockGridPreview::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    emit resized();
}

}  // namespace qm::ui
