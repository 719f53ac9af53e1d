// The Home page's web-page label with its hover colours.
#include "ui/url_label.h"

#include "ui/colour.h"

#include <QMouseEvent>

namespace qm::ui {

UrlLabel::UrlLabel(const QString& address, QWidget* parent) : QLabel(address, parent)
{
    setObjectName("URLLabel");
    setCursor(Qt::PointingHandCursor);
    SetColour(ColourLink);
}

void UrlLabel::SetColour(unsigned colour)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, ToQColor(colour));
    setPalette(p);
}

void UrlLabel::enterEvent(QEnterEvent* event)
{
    SetColour(ColourLinkHover);
    QLabel::enterEvent(event);
}

void UrlLabel::leaveEvent(QEvent* event)
{
    SetColour(ColourLink);
    QLabel::leaveEvent(event);
}

void UrlLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) emit clicked();
    QLabel::mouseReleaseEvent(event);
}

}  // namespace qm::ui
