// The owner-drawn items of the Output page's font and blocking style lists: a small picture and a name.
#pragma once

#include <QImage>
#include <QPoint>

class QComboBox;

namespace qm::ui {

/// Draws every item of a combo box list as its picture (the item's icon, if any) at imageAt and its
/// text at textAt, both relative to the item's top left corner, on the selection colour when the
/// item is selected.
void MakeImageItemCombo(QComboBox* combo, QPoint imageAt, QPoint textAt, int itemHeight);

/// The small mark that tells a TrueType font in the font list.
QImage TrueTypeMark();

}  // namespace qm::ui
