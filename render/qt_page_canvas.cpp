// The page's drawing interface on a QPainter: fonts, text boxes and the platform's rectangle rules.
#include "render/qt_page_canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace qm::render {

namespace {

QColor ToQColor(Colour c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

/// Crossword texts are single-byte; the program keeps them in Latin-1.
QString ToQString(std::string_view text) { return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())); }

Qt::BrushStyle ToQtBrush(BrushStyle style)
{
    switch (style) {
    case BrushStyle::Clear: return Qt::NoBrush;
    case BrushStyle::Solid: return Qt::SolidPattern;
    case BrushStyle::BDiagonal: return Qt::BDiagPattern;
    case BrushStyle::Cross: return Qt::CrossPattern;
    case BrushStyle::DiagCross: return Qt::DiagCrossPattern;
    }
    return Qt::NoBrush;
}

/// The platform's alignment for the page's text flags.
int Alignment(unsigned flags)
{
    int align = Qt::AlignLeft;
    if (flags & TextRight) align = Qt::AlignRight;
    if (flags & TextHCenter) align = Qt::AlignHCenter;
    align |= (flags & TextVCenter) ? Qt::AlignVCenter : Qt::AlignTop;
    align |= (flags & TextWordWrap) ? Qt::TextWordWrap : Qt::TextSingleLine;
    return align;
}

/// Tall enough for any text of the page: the measure of a text is never cut by its box.
constexpr int MeasureHeight = 1 << 24;

}  // namespace

QtPageCanvas::QtPageCanvas(QPainter& painter, double pageWidthPixels) : painter_(painter), pageWidth_(pageWidthPixels)
{
    painter_.setPen(Qt::black);
}

void QtPageCanvas::SetFont(const std::string& family, int points, bool bold, bool underline)
{
    QFont font(ToQString(family));
    font.setPointSize(std::max(1, points));
    font.setBold(bold);
    font.setUnderline(underline);
    painter_.setFont(font);
}

int QtPageCanvas::LineHeight() { return painter_.fontMetrics().height(); }

int QtPageCanvas::DrawText(const PixelRect& box, std::string_view text, unsigned flags)
{
    const QRect rect(box.Left, box.Top, box.Right - box.Left, box.Bottom - box.Top);
    QRect bounds;
    painter_.setPen(Qt::black);
    painter_.drawText(rect, Alignment(flags), ToQString(text), &bounds);  // clipped to rect, as the platform's boxes are
    return bounds.height();
}

int QtPageCanvas::TextHeight(int width, std::string_view text, unsigned flags)
{
    return painter_.boundingRect(QRect(0, 0, width, MeasureHeight), Alignment(flags & ~TextVCenter), ToQString(text)).height();
}

int QtPageCanvas::TextWidth(std::string_view text) { return painter_.fontMetrics().horizontalAdvance(ToQString(text)); }

void QtPageCanvas::TextOut(int x, int y, std::string_view text)
{
    painter_.setPen(Qt::black);
    painter_.drawText(QPoint(x, y + painter_.fontMetrics().ascent()), ToQString(text));
}

void QtPageCanvas::Rectangle(const PixelRect& r, Colour pen, int penWidth, BrushStyle brush, Colour brushColour)
{
    if (penWidth > 0)
        painter_.setPen(QPen(ToQColor(pen), penWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    else
        painter_.setPen(Qt::NoPen);
    painter_.setBrush(QBrush(ToQColor(brushColour), ToQtBrush(brush)));
    // A platform rectangle covers Left..Right-1 and Top..Bottom-1, its outline on the edge pixels.
    painter_.drawRect(QRect(r.Left, r.Top, r.Right - r.Left - 1, r.Bottom - r.Top - 1));
    painter_.setBrush(Qt::NoBrush);
}

}  // namespace qm::render
