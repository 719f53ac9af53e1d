// Conversion of the program's $00BBGGRR colour values (and system colours) to QColor.
#pragma once

#include "core/grid/colours.h"

#include <QColor>
#include <QPalette>

namespace qm::ui {

/// A $00BBGGRR value as a QColor (blue in the high byte, red in the low byte); the system colours
/// are taken from the palette.
QColor ToQColor(Colour colour, const QPalette& palette = QPalette());

}  // namespace qm::ui
