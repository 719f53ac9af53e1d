// Painting of the main grid: blocked squares, letters, clue numbers and the diagnostic views.
#include "ui/main_string_grid.h"

#include "ui/colour.h"

#include <QMouseEvent>
#include <QPainter>

namespace qm::ui {

namespace {
constexpr int LineWidth = 1;
const QColor GridLineColour(0x80, 0x80, 0x80);
}  // namespace

MainStringGrid::MainStringGrid(const Crossword& crossword, QWidget* parent) : QWidget(parent), xw_(crossword)
{
    setObjectName("MainStringGrid");
    setMinimumSize(GridPanelWidth, GridPanelWidth);
    LayOut();
}

void MainStringGrid::LayOut()
{
    layout_ = LayOutMainGrid(xw_.Squares.Size(), width() > 0 ? std::max(width(), GridPanelWidth) : GridPanelWidth, LineWidth);
    update();
}

void MainStringGrid::SetPainter(GridPainter painter)
{
    painter_ = painter;
    update();
}

void MainStringGrid::PaintWhileFrozen()
{
    if (updatesEnabled()) return;
    setUpdatesEnabled(true);
    repaint();
    setUpdatesEnabled(false);
}

QRect MainStringGrid::SquareRect(int col, int row) const
{
    const int pitch = layout_.CellPixels + LineWidth;
    return {layout_.BorderWidth + 1 + (col - 1) * pitch, layout_.BorderWidth + 1 + (row - 1) * pitch, layout_.CellPixels,
            layout_.CellPixels};
}

bool MainStringGrid::SquareAt(QPoint point, int& col, int& row) const
{
    const int pitch = layout_.CellPixels + LineWidth;
    const int x = point.x() - layout_.BorderWidth - 1;
    const int y = point.y() - layout_.BorderWidth - 1;
    if (x < 0 || y < 0) return false;
    col = x / pitch + 1;
    row = y / pitch + 1;
    return col >= 1 && row >= 1 && col <= xw_.Squares.Size() && row <= xw_.Squares.Size();
}

void MainStringGrid::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const int n = xw_.Squares.Size();
    const int side = n * (layout_.CellPixels + LineWidth) + LineWidth;
    p.fillRect(QRect(layout_.BorderWidth, layout_.BorderWidth, side, side), GridLineColour);
    for (int row = 1; row <= n; ++row)
        for (int col = 1; col <= n; ++col) DrawCell(p, col, row, SquareRect(col, row));
}

void MainStringGrid::DrawBlocked(QPainter& p, QRect rect)
{
    p.fillRect(rect.adjusted(-1, -1, 1, 1), ToQColor(ColourBlockedSquare, palette()));
}

void MainStringGrid::DrawText(QPainter& p, QRect rect, const QString& text, int pointSize, bool bold, Qt::Alignment align)
{
    QFont f("Arial");
    f.setPointSize(std::max(pointSize, 1));
    f.setBold(bold);
    p.setFont(f);
    p.drawText(rect, static_cast<int>(align), text);
}

void MainStringGrid::DrawCell(QPainter& p, int col, int row, QRect rect)
{
    const GridCell& cell = xw_.Squares(col, row);
    const QColor window = ToQColor(ColourWindow, palette());
    const QColor text = ToQColor(ColourWindowText, palette());
    switch (painter_) {
    case GridPainter::Normal:
        if (cell.Letter == '#') {
            DrawBlocked(p, rect);
            return;
        }
        p.fillRect(rect, ToQColor(cell.CellColour, palette()));
        p.setPen(text);
        DrawText(p, rect.translated(2, 2), QString(QChar::fromLatin1(cell.Letter)), layout_.LetterFontSize, true,
                 Qt::AlignHCenter | Qt::AlignTop);
        if (xw_.ShowCellNumbers && cell.CellNumber >= 1) {
            p.setPen(ToQColor(ColourClueNumber));
            DrawText(p, rect.translated(0, -1), QString::number(cell.CellNumber), layout_.NumberFontSize, false,
                     Qt::AlignLeft | Qt::AlignTop);
        }
        return;
    case GridPainter::RawData:
        p.fillRect(rect, window);
        p.setPen(text);
        DrawText(p, rect, QString(QChar::fromLatin1(cell.Letter ? cell.Letter : ' ')), layout_.LetterFontSize, true,
                 Qt::AlignCenter);
        return;
    case GridPainter::InterlockArea:
        if (cell.AreaMark == '#') {
            DrawBlocked(p, rect);
            return;
        }
        p.fillRect(rect, window);
        p.setPen(text);
        if (cell.AreaMark == 'X')
            DrawText(p, rect, QString::number(cell.SlotRef), layout_.LetterFontSize - 3, false, Qt::AlignCenter);
        else
            DrawText(p, rect, QString(QChar::fromLatin1(cell.AreaMark ? cell.AreaMark : ' ')), layout_.LetterFontSize, true,
                     Qt::AlignCenter);
        return;
    case GridPainter::InterlockFlagging:
        if (cell.WrdCnt == 0) {
            DrawBlocked(p, rect);
            return;
        }
        p.fillRect(rect, window);
        if (cell.WrdCnt <= 2) {
            p.setPen(text);
            DrawText(p, rect, QString::number(cell.WrdCnt), layout_.LetterFontSize, true, Qt::AlignCenter);
        } else {
            emit undefinedWordCount();
        }
        return;
    case GridPainter::FillSequenceFwrd:
    case GridPainter::FillSequenceBack: {
        if (cell.Letter == '#') {
            p.fillRect(rect.adjusted(-1, -1, 1, 1), Qt::black);
            return;
        }
        p.fillRect(rect, Qt::white);
        p.setPen(Qt::black);
        const int value = painter_ == GridPainter::FillSequenceFwrd ? cell.SeqMark : cell.FirstSlot;
        QFont f("Arial");
        f.setPointSize(10);
        p.setFont(f);
        p.drawText(rect.adjusted(5, 3, 0, 0), Qt::AlignLeft | Qt::AlignTop, QString::number(value));
        return;
    }
    }
}

void MainStringGrid::mouseReleaseEvent(QMouseEvent* event)
{
    int col = 0;
    int row = 0;
    if (SquareAt(event->position().toPoint(), col, row)) emit squareMouseUp(col, row, event->button());
    QWidget::mouseReleaseEvent(event);
}

}  // namespace qm::ui
