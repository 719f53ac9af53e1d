// DesignerView: the grid designer's editing view. It owns the design being drawn, paints it (blocks,
// letters, clue numbers, the cursor square and its word, the squares the live checks flag), turns keys
// and clicks into the core's edits, and keeps every edit on a QUndoStack whose commands make and take
// back exactly the core's edit.
//
// Keys: Space toggles the block at the cursor (with its symmetry partners); a letter is typed and the
// cursor moves on; Backspace and Delete clear; the arrows turn the direction or move; Tab and Shift+Tab
// go to the next or previous word; Return opens a line over the selected word where a whole word is
// typed and placed as a theme entry (Return places it, Escape closes the line); Ctrl+Z undoes,
// Ctrl+Shift+Z (and Ctrl+Y) redoes. Clicks: a left click toggles the block of a square (with its
// partners), or turns the direction on the cursor's own square; a right click only moves the cursor.
//
// Calls in: the Setup page's designer (its status bar reads ChecksText, Fill follows canFillChanged), tests.
// Calls out: core/design (edits, checks).
#pragma once

#include "core/design/design_checks.h"
#include "core/design/grid_design.h"

#include <QString>
#include <QUndoStack>
#include <QWidget>

#include <vector>

class QLineEdit;

namespace qm::ui {

/// How the checks mark a square.
enum class SquareFlag {
    None,
    Allowed,  ///< in a finding that does not stop the fill (allowed unchecked squares)
    Stops,    ///< in a finding that keeps the grid from being filled
};

class DesignerView : public QWidget {
    Q_OBJECT
public:
    explicit DesignerView(QWidget* parent = nullptr);

    /// Starts designing this grid (with its symmetry): the undo history is emptied and the checks run.
    void SetDesign(const GridDesign& design);
    const GridDesign& Design() const { return design_; }

    /// The symmetry blocks are toggled with from now on.
    void SetSymmetry(DesignSymmetry symmetry);
    /// Whether squares in one word only are allowed (British-style grids); the checks run again.
    void SetAllowUnchecked(bool allow);

    /// Every square-changing edit, undoable (Ctrl+Z) and redoable (Ctrl+Shift+Z).
    QUndoStack* UndoStack() { return &undo_; }

    /// The live checks of the design as it is now.
    const DesignReport& Report() const { return report_; }
    /// The status bar's text: the counts, then each finding's short message.
    QString ChecksText() const;
    bool CanFill() const { return report_.CanFill; }
    /// How the checks mark square (row, col).
    SquareFlag FlagAt(int row, int col) const;

    /// Places a whole word in the selected word as a theme entry (one undo step). False, nothing
    /// changed and problem() emitted with the reason, when it does not fit.
    bool PlaceThemeWord(const QString& word);
    /// Opens the line for typing a whole word over the selected word (what Return does).
    void OpenWordLine();
    /// The line a whole word is typed in; hidden when it is not in use.
    QLineEdit* WordLine() const { return wordLine_; }

    /// The rectangle square (row, col) is painted in.
    QRect SquareRect(int row, int col) const;
    /// The square under a point; false outside the grid.
    bool SquareAt(QPoint point, int& row, int& col) const;

    QSize sizeHint() const override;

signals:
    /// The checks ran again (after every edit, undo and redo): the status bar's new text.
    void checksChanged(const QString& text);
    /// Whether the grid can be filled changed.
    void canFillChanged(bool canFill);
    /// The cursor moved or turned.
    void cursorChanged();
    /// An edit was refused: the message for the user. Nothing changed.
    void problem(const QString& message);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class DesignEditCommand;

    /// Makes a core edit: squares changed go on the undo stack, a cursor move alone does not.
    /// A Failure from the core is reported through problem().
    template <typename MakeEdit>
    bool Edit(MakeEdit&& make);
    void MoveCursor(const DesignCursor& cursor);
    /// Runs the checks and repaints; called after the squares changed.
    void Changed();
    void CloseWordLine();
    void PlaceWordLine();
    int SquareSide() const;

    GridDesign design_{MinAnyGridSize};
    GridCheckOptions options_;
    DesignReport report_;
    std::vector<SquareFlag> flags_;  ///< per square, (row - 1) * size + col - 1
    QUndoStack undo_;
    QLineEdit* wordLine_ = nullptr;
};

}  // namespace qm::ui
