// $00BBGGRR to QColor, with the system colours resolved through the palette.
#include "ui/colour.h"

namespace qm::ui {

QColor ToQColor(Colour colour, const QPalette& palette)
{
    switch (colour) {
    case ColourWindow: return palette.color(QPalette::Base);
    case ColourWindowText: return palette.color(QPalette::Text);
    case ColourHighlightText: return palette.color(QPalette::HighlightedText);
    case ColourButtonFace: return palette.color(QPalette::Button);
    default: break;
    }
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

}  // namespace qm::ui
