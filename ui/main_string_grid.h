// MainStringGrid: the crossword on the grid page, painted square by square from the crossword model.
#pragma once

#include "core/grid/display.h"
#include "core/grid/grid.h"

#include <QWidget>

namespace qm::ui {

/// Which painter draws the squares: the normal one, or one of the diagnostic views.
enum class GridPainter {
    Normal,             ///< MainStringGridDrawCell
    RawData,            ///< MainStringGridRawDataDrawCell: the Letter character itself
    InterlockArea,      ///< InterlockAreaDrawCell: the area marks
    InterlockFlagging,  ///< InterlockFlaggingDrawCell: words through each square
    FillSequenceFwrd,   ///< FillSequenceFwrdDrawCell: filling order marks
    FillSequenceBack,   ///< FillSequenceBackDrawCell: first slot of each square
};

/// Paints a Crossword it does not own; the window lays it out for the grid size and repaints it
/// after every change of the model.
class MainStringGrid : public QWidget {
    Q_OBJECT
public:
    explicit MainStringGrid(const Crossword& crossword, QWidget* parent = nullptr);

    /// Sizes the squares and fonts for the current grid size (LayOutMainGrid).
    void LayOut();
    const MainGridLayout& Layout() const { return layout_; }

    void SetPainter(GridPainter painter);
    /// Paints the grid at once, also while a run keeps its updates off (they stay off).
    void PaintWhileFrozen();
    GridPainter Painter() const { return painter_; }

    /// The square (col, row) under a point of the widget; false outside the squares.
    bool SquareAt(QPoint point, int& col, int& row) const;
    /// The rectangle of square (col, row) in widget coordinates.
    QRect SquareRect(int col, int row) const;

signals:
    /// A mouse button was released over square (col, row).
    void squareMouseUp(int col, int row, Qt::MouseButton button);
    /// InterlockFlaggingDrawCell met a square whose word count is neither 0, 1 nor 2.
    void undefinedWordCount();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void DrawCell(QPainter& p, int col, int row, QRect rect);
    void DrawBlocked(QPainter& p, QRect rect);
    void DrawText(QPainter& p, QRect rect, const QString& text, int pointSize, bool bold, Qt::Alignment align);

    const Crossword& xw_;
    MainGridLayout layout_;
    GridPainter painter_ = GridPainter::Normal;
};

}  // namespace qm::ui
