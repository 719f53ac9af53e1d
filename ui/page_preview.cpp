// PagePreview: paints the page picture the renderer drew for the screen.
#include "ui/page_preview.h"

#include <QEvent>
#include <QPainter>

#include <algorithm>

namespace qm::ui {

PagePreview::PagePreview(QWidget* parent) : QWidget(parent)
{
    setObjectName("PageImage");
    if (parent) parent->installEventFilter(this);
}

void PagePreview::SetPicture(QImage picture)
{
    picture_ = std::move(picture);
    ++pictures_;
    resize(picture_.size());
    Centre();
    update();
}

void PagePreview::KeepBeside(QWidget* widget)
{
    beside_ = widget;
    Centre();
}

void PagePreview::Centre()
{
    const QWidget* panel = parentWidget();
    if (!panel) return;
    move((panel->width() - width()) / 2, (panel->height() - height()) / 2);
    if (beside_) {
        const int margin = panel->width() - geometry().right() - 1;
        beside_->move(geometry().right() + 1 + std::max(0, (margin - beside_->width()) / 2), geometry().bottom() + 1 - beside_->height());
    }
}

bool PagePreview::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize) Centre();
    return QWidget::eventFilter(watched, event);
}

void PagePreview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!picture_.isNull()) painter.drawImage(0, 0, picture_);
}

}  // namespace qm::ui
