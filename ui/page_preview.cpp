// PagePreview: paints the page picture the renderer drew for the screen.
#include "ui/page_preview.h"

#include <QPainter>

namespace qm::ui {

PagePreview::PagePreview(QWidget* parent) : QWidget(parent) { setObjectName("PageImage"); }

void PagePreview::SetPicture(QImage picture)
{
    picture_ = std::move(picture);
    ++pictures_;
    resize(picture_.size());
    update();
}

void PagePreview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!picture_.isNull()) painter.drawImage(0, 0, picture_);
}

}  // namespace qm::ui
