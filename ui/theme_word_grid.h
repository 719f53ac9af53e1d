// ThemeWordGrid: the two-column list of the imported words and their clues (the theme-word grids).
#pragma once

#include <QAbstractTableModel>
#include <QTableView>

namespace qm {
struct ImportedList;
}

namespace qm::ui {

/// The rows of a theme-word grid: word i in column 0 and its clue in column 1, read straight from the
/// imported list. The row count is set by the window (0 until a list has been imported).
class ThemeWordModel : public QAbstractTableModel {
    Q_OBJECT
public:
    ThemeWordModel(const ImportedList& list, QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    /// Shows the first rows of the list (no more than it holds).
    void SetRowCount(int rows);

private:
    const ImportedList& list_;
    int rows_ = 0;
};

/// The grid itself: no headers, column 0 130 pixels and column 1 300 pixels wide, each text 2 pixels
/// in from its cell's left edge and clipped to the cell, Calibri 9 pt on the window colour.
class ThemeWordGrid : public QTableView {
    Q_OBJECT
public:
    ThemeWordGrid(const ImportedList& list, QWidget* parent = nullptr);
    void SetRowCount(int rows);
    int RowCount() const;
    /// The text of a cell, as painted.
    QString Cell(int col, int row) const;

private:
    ThemeWordModel* model_;
};

}  // namespace qm::ui
