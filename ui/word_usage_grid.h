// WordUsageGrid: the table of word usage (WordUsageStringGrid), with count bars and length group headers.
#pragma once

#include "core/stats/word_usage.h"

#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <QTableView>

namespace qm::ui {

/// The rows of one usage table as a four-column model; rows beyond the table's content are empty.
class WordUsageModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void SetTable(UsageTable table);
    const UsageTable& Table() const { return table_; }
    /// Row i of the table, or nullptr for a row beyond its content.
    const UsageRow* RowAt(int row) const;
    QString Cell(int col, int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    UsageTable table_;
};

/// WordUsageStringGridDrawCell: group headers bold on grey across the row, words with the selected-row
/// colours when selected and focused, a bar scaled by MaxUsage beside each count.
class WordUsageDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    WordUsageDelegate(const WordUsageModel& model, QObject* parent);
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    const WordUsageModel& model_;
};

/// The string grid of the Word Usage tab: no fixed rows or columns; column 0 word (or length), 1 count,
/// 2 bar, 3 the percentage of the summary (width 0 in the lists).
class WordUsageGrid : public QTableView {
    Q_OBJECT
public:
    explicit WordUsageGrid(QWidget* parent = nullptr);

    /// Shows a table: its rows, the column widths of its kind and the group headers across their rows.
    void SetTable(UsageTable table);
    /// Empties the grid (no imported list, or a new one).
    void Clear();
    const UsageTable& Table() const { return model_.Table(); }
    QString Cell(int col, int row) const { return model_.Cell(col, row); }
    const UsageRow* RowAt(int row) const { return model_.RowAt(row); }
    int RowCount() const { return model_.rowCount(); }
    /// Column widths: the lists 120, 30, the rest, 0; the summary 64, 40, the rest, 44.
    void SetColumnWidths(UsageTableKind kind);

signals:
    /// A mouse button was released at a point of the viewport.
    void mouseUp(QPoint at);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    WordUsageModel model_;
};

}  // namespace qm::ui
