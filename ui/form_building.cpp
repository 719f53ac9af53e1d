// The shared helpers of the page builders.
#include "ui/form_building.h"

#include "ui/colour.h"

#include <QPalette>

namespace qm::ui {

void SetPanelColour(QWidget* w, Colour colour)
{
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, ToQColor(colour, p));
    w->setPalette(p);
}

void SetCalibri(QWidget* w, int pointSize, bool bold)
{
    QFont f("Calibri");
    f.setPointSize(pointSize);
    f.setBold(bold);
    w->setFont(f);
}

}  // namespace qm::ui
