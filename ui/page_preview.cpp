// PagePreview: paints the page picture the renderer drew for the screen.
#include "ui/page_preview.h"

#include <QEvent>
#include <QPainter>

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

void PagePreview::Centre()
{
    if (const QWidget* panel = parentWidget()) move((panel->width() - width()) / 2, (panel->height() - height()) / 2);
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
