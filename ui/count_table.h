// CountTable: a string grid of counts per word length with a bar column (DictionaryStringGrid).
#pragma once

#include <QStyledItemDelegate>
#include <QTableWidget>

namespace qm::ui {

/// A table whose first row is a fixed (header) row and whose third column holds bar lengths in
/// pixels; painted as DictionaryStringGridDrawCell says: bars in the bar colour on the window colour,
/// the fixed row bold on silver, other cells a blank and their text at the cell's top left.
class CountTable : public QTableWidget {
    Q_OBJECT
public:
    CountTable(int rows, int columns, QWidget* parent = nullptr);

    /// Gives the first columns fixed widths; the last column takes the rest of the width less one pixel.
    void SetFixedColumns(const QList<int>& widths);

    /// The text of cell (col, row), as the program addresses string grids.
    QString Cell(int col, int row) const;
    void SetCell(int col, int row, const QString& text);

signals:
    /// The width of the last column changed (the bars are scaled to it).
    void lastColumnResized();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void FitLastColumn();
    QList<int> fixedWidths_;
};

}  // namespace qm::ui
