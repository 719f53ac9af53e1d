// The grid designer's view: painting, keys and clicks as core edits, the undo commands, the checks.
#include "ui/designer_view.h"

#include "core/design/design_edits.h"
#include "core/design/design_history.h"
#include "core/util/failure.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QUndoCommand>

#include <algorithm>

namespace qm::ui {

/// One core edit on the undo stack: redo applies it, undo reverts it, both exactly as the core does.
class DesignEditCommand : public QUndoCommand {
public:
    /// The edit has already been made on the view's design (so a refusal never reaches the stack);
    /// the stack's first redo only refreshes the view.
    DesignEditCommand(DesignerView& view, DesignEdit edit)
        : QUndoCommand(QString::fromStdString(edit.Label)), view_(view), edit_(std::move(edit))
    {
    }

    void redo() override
    {
        if (done_) view_.design_.Apply(edit_);
        done_ = true;
        view_.Changed();
    }

    void undo() override
    {
        view_.design_.Revert(edit_);
        view_.Changed();
    }

private:
    DesignerView& view_;
    DesignEdit edit_;
    bool done_ = false;  ///< false until the first redo, which finds the edit made
};

namespace {

const QColor BlockColour(Qt::black);
const QColor OpenColour(Qt::white);
const QColor SlotColour(0xC8, 0xE0, 0xFF);    // the cursor's word
const QColor CursorColour(0xFF, 0xE0, 0x60);  // the cursor's square
const QColor StopsTint(0xE0, 0x20, 0x20, 110);
const QColor AllowedTint(0xF0, 0x90, 0x20, 70);

/// The word that Return's line places: its letters (blanks, hyphens and apostrophes kept for the core
/// to drop) without blanks at the ends.
std::string WordText(const QString& word) { return word.trimmed().toStdString(); }

}  // namespace

DesignerView::DesignerView(QWidget* parent) : QWidget(parent)
{
    setObjectName("GridDesignerView");
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(120, 120);
    undo_.setUndoLimit(MaxDesignUndoSteps);
    wordLine_ = new QLineEdit(this);
    wordLine_->setObjectName("ThemeWordLine");
    wordLine_->hide();
    wordLine_->installEventFilter(this);
    SetDesign(GridDesign(15));
}

void DesignerView::SetDesign(const GridDesign& design)
{
    CloseWordLine();
    undo_.clear();
    design_ = design;
    Changed();
    emit cursorChanged();
}

void DesignerView::SetSymmetry(DesignSymmetry symmetry) { design_.SetSymmetry(symmetry); }

void DesignerView::SetAllowUnchecked(bool allow)
{
    options_.AllowUnchecked = allow;
    Changed();
}

QString DesignerView::ChecksText() const
{
    QString text = QString::fromStdString(report_.Counts);
    for (const DesignFinding& f : report_.Findings) text += "; " + QString::fromStdString(f.Message);
    if (report_.CanFill) text += report_.Findings.empty() ? "; ready to fill" : "; can be filled";
    return text;
}

SquareFlag DesignerView::FlagAt(int row, int col) const
{
    const int n = design_.Size();
    if (row < 1 || row > n || col < 1 || col > n) return SquareFlag::None;
    return flags_[static_cast<std::size_t>((row - 1) * n + col - 1)];
}

void DesignerView::Changed()
{
    const bool could = report_.CanFill;
    const bool first = flags_.empty();
    report_ = CheckDesign(design_, options_);
    const int n = design_.Size();
    flags_.assign(static_cast<std::size_t>(n * n), SquareFlag::None);
    for (const DesignFinding& f : report_.Findings)
        for (const SquarePos& p : f.Squares) {
            SquareFlag& flag = flags_[static_cast<std::size_t>((p.Row - 1) * n + p.Col - 1)];
            if (f.StopsFill) flag = SquareFlag::Stops;
            else if (flag == SquareFlag::None) flag = SquareFlag::Allowed;
        }
    update();
    emit checksChanged(ChecksText());
    if (first || could != report_.CanFill) emit canFillChanged(report_.CanFill);
}

template <typename MakeEdit>
bool DesignerView::Edit(MakeEdit&& make)
{
    try {
        DesignEdit edit = make();
        if (!edit.ChangesSquares()) {
            MoveCursor(edit.CursorAfter);
            return true;
        }
        design_.Apply(edit);
        undo_.push(new DesignEditCommand(*this, std::move(edit)));
        emit cursorChanged();
        return true;
    } catch (const Failure& e) {
        emit problem(QString::fromUtf8(e.what()));
        return false;
    }
}

void DesignerView::MoveCursor(const DesignCursor& cursor)
{
    if (cursor == design_.Cursor()) return;
    design_.SetCursor(cursor);
    update();
    emit cursorChanged();
}

bool DesignerView::PlaceThemeWord(const QString& word)
{
    const std::string text = WordText(word);
    return Edit([&] { return PlaceWord(design_, text); });
}

void DesignerView::OpenWordLine()
{
    const auto slot = design_.SelectedSlot();
    if (!slot) {
        emit problem("Put the cursor in a word to type a whole word into it");
        return;
    }
    const QRect first = SquareRect(slot->Row, slot->Col);
    const QRect last = slot->Across ? SquareRect(slot->Row, slot->Col + slot->Length - 1) : SquareRect(slot->Row + slot->Length - 1, slot->Col);
    // Across: over the word; down: a line as wide as the word is long, at the word's first square.
    QRect place = slot->Across ? first.united(last) : QRect(first.topLeft(), QSize(first.width() * slot->Length, first.height()));
    place.setWidth(std::max(place.width(), 8 * fontMetrics().averageCharWidth()));
    if (place.right() > width()) place.moveRight(width() - 1);
    if (place.left() < 0) place.moveLeft(0);
    wordLine_->setGeometry(place);
    wordLine_->setPlaceholderText(QString::fromStdString(DesignSlotName(*slot)) + ", " + QString::number(slot->Length) + " letters");
    wordLine_->clear();
    wordLine_->show();
    wordLine_->setFocus();
}

void DesignerView::PlaceWordLine()
{
    // A refused word stays in the line to be mended.
    if (PlaceThemeWord(wordLine_->text())) CloseWordLine();
}

void DesignerView::CloseWordLine()
{
    if (!wordLine_->isVisible()) return;
    wordLine_->hide();
    wordLine_->clear();
    setFocus();
}

int DesignerView::SquareSide() const { return std::max(4, (std::min(width(), height()) - 1) / design_.Size()); }

QRect DesignerView::SquareRect(int row, int col) const
{
    const int side = SquareSide();
    return QRect((col - 1) * side, (row - 1) * side, side, side);
}

bool DesignerView::SquareAt(QPoint point, int& row, int& col) const
{
    const int side = SquareSide();
    if (point.x() < 0 || point.y() < 0) return false;
    row = point.y() / side + 1;
    col = point.x() / side + 1;
    return design_.Inside(row, col);
}

QSize DesignerView::sizeHint() const { return QSize(481, 481); }

bool DesignerView::event(QEvent* event)
{
    // Tab moves between the words of the grid, not to the next control.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            const bool backwards = key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
            MoveCursor(NextSlotCursor(design_, backwards));
            return true;
        }
    }
    return QWidget::event(event);
}

bool DesignerView::eventFilter(QObject* watched, QEvent* event)
{
    // The line's own keys: Return places the word, Escape closes the line. Both stop here, so that
    // the view never sees them (a Return passed on would open the line afresh).
    if (watched == wordLine_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            PlaceWordLine();
            return true;
        }
        if (key == Qt::Key_Escape) {
            CloseWordLine();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void DesignerView::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const bool ctrl = mods & Qt::ControlModifier;
    if (event->matches(QKeySequence::Undo)) {
        undo_.undo();
        emit cursorChanged();
        return;
    }
    if (event->matches(QKeySequence::Redo) || (ctrl && key == Qt::Key_Z && (mods & Qt::ShiftModifier)) || (ctrl && key == Qt::Key_Y)) {
        undo_.redo();
        emit cursorChanged();
        return;
    }
    if (ctrl || (mods & Qt::AltModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    const DesignCursor at = design_.Cursor();
    switch (key) {
    case Qt::Key_Space: Edit([&] { return ToggleBlock(design_, at.Row, at.Col); }); return;
    case Qt::Key_Backspace: Edit([&] { return Backspace(design_); }); return;
    case Qt::Key_Delete: Edit([&] { return DeleteLetter(design_); }); return;
    case Qt::Key_Left: MoveCursor(ArrowMove(design_, Arrow::Left)); return;
    case Qt::Key_Right: MoveCursor(ArrowMove(design_, Arrow::Right)); return;
    case Qt::Key_Up: MoveCursor(ArrowMove(design_, Arrow::Up)); return;
    case Qt::Key_Down: MoveCursor(ArrowMove(design_, Arrow::Down)); return;
    case Qt::Key_Return:
    case Qt::Key_Enter: OpenWordLine(); return;
    default: break;
    }
    const QString text = event->text();
    if (text.size() == 1 && text[0].isLetter() && text[0].unicode() < 0x80) {
        const char letter = static_cast<char>(text[0].toLatin1());
        Edit([&] { return TypeLetter(design_, letter); });
        return;
    }
    QWidget::keyPressEvent(event);
}

void DesignerView::mousePressEvent(QMouseEvent* event)
{
    setFocus();
    CloseWordLine();
    int row = 0;
    int col = 0;
    if (!SquareAt(event->position().toPoint(), row, col)) return;
    const DesignCursor& cursor = design_.Cursor();
    if (event->button() == Qt::RightButton || (row == cursor.Row && col == cursor.Col)) {
        MoveCursor(ClickCursor(design_, row, col));
        return;
    }
    if (event->button() == Qt::LeftButton) Edit([&] { return ToggleBlock(design_, row, col); });
}

void DesignerView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    CloseWordLine();
}

void DesignerView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    const int n = design_.Size();
    const int side = SquareSide();
    const DesignCursor& cursor = design_.Cursor();
    std::vector<char> inSlot(static_cast<std::size_t>(n * n), 0);
    if (const auto slot = design_.SelectedSlot())
        for (const SquarePos& q : SlotSquares(*slot)) inSlot[static_cast<std::size_t>((q.Row - 1) * n + q.Col - 1)] = 1;

    QFont letterFont = font();
    letterFont.setPixelSize(std::max(6, side * 3 / 5));
    letterFont.setBold(true);
    QFont numberFont = font();
    numberFont.setPixelSize(std::max(5, side / 4));

    for (int row = 1; row <= n; ++row)
        for (int col = 1; col <= n; ++col) {
            const QRect r = SquareRect(row, col);
            const char c = design_.At(row, col);
            const bool isCursor = row == cursor.Row && col == cursor.Col;
            QColor base = c == '#' ? BlockColour : OpenColour;
            if (inSlot[static_cast<std::size_t>((row - 1) * n + col - 1)]) base = SlotColour;
            if (isCursor) base = c == '#' ? CursorColour.darker(250) : CursorColour;
            p.fillRect(r, base);
            const SquareFlag flag = FlagAt(row, col);
            if (flag != SquareFlag::None) p.fillRect(r, flag == SquareFlag::Stops ? StopsTint : AllowedTint);
            if (c >= 'A' && c <= 'Z') {
                p.setPen(Qt::black);
                p.setFont(letterFont);
                p.drawText(r.adjusted(0, side / 6, 0, 0), Qt::AlignCenter, QString(QChar(c)));
            }
        }
    // Clue numbers of the words as the crossword will number them.
    p.setFont(numberFont);
    p.setPen(Qt::black);
    int lastNumber = 0;
    for (const DesignSlot& s : design_.Slots()) {
        if (s.Number == lastNumber) continue;
        lastNumber = s.Number;
        p.drawText(SquareRect(s.Row, s.Col).adjusted(2, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop, QString::number(s.Number));
    }
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
    for (int i = 0; i <= n; ++i) {
        p.drawLine(0, i * side, n * side, i * side);
        p.drawLine(i * side, 0, i * side, n * side);
    }
    // The cursor's direction: a small arrow in its square.
    const QRect r = SquareRect(cursor.Row, cursor.Col);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::black);
    const int a = std::max(2, side / 8);
    const QPoint tip = cursor.Across ? QPoint(r.right() - 1, r.center().y()) : QPoint(r.center().x(), r.bottom() - 1);
    const QPoint b1 = tip + QPoint(-a, -a);
    const QPoint b2 = cursor.Across ? tip + QPoint(-a, a) : tip + QPoint(a, -a);
    const QPoint arrow[3] = {tip, b1, b2};
    p.drawPolygon(arrow, 3);
}

}  // namespace qm::ui
