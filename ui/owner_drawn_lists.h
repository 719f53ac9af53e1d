// Owner-drawn lists: the painters of the typed-row lists (fills, clues, replacement words, category
// words), the line painter of the plain lists (sizes, themes, seed words) and the column header.
#pragma once

#include "core/clues/clue_editing.h"
#include "core/fills/fill_list.h"
#include "core/grid/grid.h"
#include "core/words/category_browse.h"
#include "ui/row_list.h"

#include <QListWidget>
#include <QStringList>
#include <QStyledItemDelegate>
#include <QVector>

#include <functional>

namespace qm::ui {

/// One column of a fills list: its caption and width in pixels, and the field of a row it shows,
/// right-aligned.
struct FillColumn {
    QString Caption;
    int Width = 40;
    std::function<QString(const FillRow&)> Field;
};

/// Paints one line: the rectangle, the whole line (the item's text), whether it is selected.
using LinePainter = std::function<void(QPainter&, const QRect&, const QString&, bool, const QPalette&)>;

/// A delegate that paints every row with a LinePainter, with rows of a fixed height.
class LineDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    LineDelegate(LinePainter painter, int rowHeight, QObject* parent = nullptr);
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    LinePainter painter_;
    int rowHeight_;
};

/// The background of an owner-drawn row: the selected-row colour, else the window colour; returns the
/// text colour to use on it.
QColor FillRowBackground(QPainter& p, const QRect& rect, bool selected, const QPalette& palette);

/// The focus rectangle of a selected row.
void DrawRowFocus(QPainter& p, const QRect& rect);

/// The row height of the imported-list lists (ThemeCombo, SeedListBox).
constexpr int ImportedListItemHeight = 16;
/// ThemeComboDrawItem and SeedListBoxDrawItem: the item on the window colour, or on the selected-row
/// colour with a focus rectangle; a list that is switched off (active answers false) shows its items in
/// silver, unselected.
LinePainter ImportedListItemPainter(std::function<bool()> active);
/// DimensionListBoxDrawItem: the size lists (StockGridListBox, FreeformDimensionListBox).
LinePainter DimensionListPainter();
/// FillsListBoxDrawItem: the fills lists, the given columns of each row.
RowPainter<FillRow> FillsListPainter(QVector<FillColumn> columns);
/// ADListBoxDrawItem: the Across and Down lists (clue number at 2 pixels, answer at 30).
RowPainter<ClueRow> ClueListPainter();
/// WordsListBoxDrawItem of the "Replace Word" dialog: the replacement words, the current one in bold.
RowPainter<ReplacementChoice> ReplacementListPainter();
/// WordsListBoxDrawItem of the category page: length headers on silver, words without their clue index.
RowPainter<CategoryListRow> CategoryWordsPainter();

/// Puts a line delegate on a list and gives the list the fixed row height.
void MakeOwnerDrawn(QListWidget* list, LinePainter painter, int rowHeight);

/// Replaces the items of a list with lines; no item is selected afterwards.
void SetLines(QListWidget* list, const QStringList& lines);
/// The item texts of a list.
QStringList Lines(const QListWidget* list);

/// The captions of a fills list's columns above it. Its text() is the captions joined by blanks; each
/// caption is painted over its column.
class ColumnHeader : public QWidget {
    Q_OBJECT
public:
    ColumnHeader(QVector<FillColumn> columns, QWidget* parent = nullptr);
    QString text() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QVector<FillColumn> columns_;
};

/// The check list of subject categories (CategoryListBoxDrawItem): a check box and the name, with the
/// selected-row colours.
class CheckListDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit CheckListDelegate(int rowHeight, QObject* parent = nullptr);
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int rowHeight_;
};

}  // namespace qm::ui
