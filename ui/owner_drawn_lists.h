// Owner-drawn lists: list widgets whose item texts are the program's fixed-layout lines, painted by
// delegates that show only the parts of a line the list is meant to show.
#pragma once

#include <QListWidget>
#include <QStringList>
#include <QStyledItemDelegate>
#include <QVector>

#include <functional>

namespace qm::ui {

/// One column of a list of fixed-layout lines: characters First..Last (1-based) of each line, drawn
/// right-aligned in a column Width pixels wide under a caption.
struct LineColumn {
    QString Caption;
    int First = 1;
    int Last = 1;
    int Width = 40;
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

/// DimensionListBoxDrawItem: the size lists (StockGridListBox, FreeformDimensionListBox).
LinePainter DimensionListPainter();
/// FillsListBoxDrawItem: the fills lists, from the fill number on, in the given columns.
LinePainter FillsListPainter(QVector<LineColumn> columns);
/// ADListBoxDrawItem: the Across and Down lists (clue number at 2 pixels, answer at 30).
LinePainter ClueListPainter();
/// WordsListBoxDrawItem of TWordsDlg: the replacement words, the current one in bold.
LinePainter ReplacementListPainter();
/// WordsListBoxDrawItem of the category page: length headers on silver, words with their clue index hidden.
LinePainter CategoryWordsPainter();

/// Puts a line delegate on a list and gives the list the fixed row height.
void MakeOwnerDrawn(QListWidget* list, LinePainter painter, int rowHeight);

/// Replaces the items of a list with lines; no item is selected afterwards.
void SetLines(QListWidget* list, const QStringList& lines);
/// The item texts of a list.
QStringList Lines(const QListWidget* list);

/// The captions of a list's columns above it (the header label of a fills list). Its text() is the
/// captions joined by blanks; each caption is painted over its column.
class ColumnHeader : public QWidget {
    Q_OBJECT
public:
    ColumnHeader(QVector<LineColumn> columns, QWidget* parent = nullptr);
    QString text() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QVector<LineColumn> columns_;
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
