// Page measures in millimetres and pixels, and the font sizes of the screen preview and the printer.
#include "core/output/page_layout.h"

#include "core/util/text.h"

#include <algorithm>

namespace qm {

PageLayout PageLayoutMM(const OutputOptions& options, OutputMode mode)
{
    PageLayout p;
    p.PageWidth = A4WidthMM;
    p.PageHeight = A4HeightMM;
    p.Margin = 10;
    p.TopMargin = 10;
    p.ExtrasHeight = options.ExtrasChecked ? 12 : 0;
    p.TitleTop = p.TopMargin + p.ExtrasHeight;
    p.RightEdge = p.PageWidth - p.Margin;
    p.GridMM = ModeShowsGrid(mode) ? PrintedGridMM(options) : 0;
    p.GridInset = (p.PageWidth - 2 * p.Margin - p.GridMM) / 2;
    p.GridLeft = p.Margin + p.GridInset;
    p.TitleHeight = options.TitleShown() ? 12 : 0;
    p.NameLineTop = p.TitleTop + p.TitleHeight;
    p.NameLineHeight = options.NameLine ? 10 : 0;
    p.AnswersTop = p.NameLineTop + p.NameLineHeight;
    p.AnswersHeight = options.AnswersHeading && ModeShowsLetters(mode) ? 10 : 0;
    p.GridTop = p.AnswersTop + p.AnswersHeight;
    p.GridGap = ModeShowsGrid(mode) ? 6 : 2;
    p.ClueTop = p.GridTop + p.GridMM + p.GridGap;
    p.NumberIndent = 7;
    p.ColumnGap = 12;
    p.ClueColWidth = (p.PageWidth - 2 * p.Margin - 2 * p.NumberIndent - p.ColumnGap) / 2;
    p.AcrossX = p.Margin + p.NumberIndent;
    p.DownX = 2 * p.NumberIndent + p.Margin + p.ClueColWidth + p.ColumnGap;
    p.ListLeft = p.Margin;
    p.ListRight = p.PageWidth - p.Margin;
    p.ContinuedTop = p.TitleTop + p.TitleHeight + 2;
    p.ClueBottom = p.PageHeight - p.Margin;
    return p;
}

PageLayout ScaleLayout(const PageLayout& mm, double pixelsPerMM)
{
    auto px = [&](int v) { return static_cast<int>(RoundHalfEven(v * pixelsPerMM)); };
    PageLayout p;
    p.PageWidth = px(mm.PageWidth);
    p.PageHeight = px(mm.PageHeight);
    p.Margin = px(mm.Margin);
    p.TopMargin = px(mm.TopMargin);
    p.ExtrasHeight = px(mm.ExtrasHeight);
    p.TitleTop = px(mm.TitleTop);
    p.RightEdge = px(mm.RightEdge);
    p.GridInset = px(mm.GridInset);
    p.GridMM = px(mm.GridMM);
    p.GridLeft = px(mm.GridLeft);
    p.TitleHeight = px(mm.TitleHeight);
    p.NameLineTop = px(mm.NameLineTop);
    p.NameLineHeight = px(mm.NameLineHeight);
    p.AnswersTop = px(mm.AnswersTop);
    p.AnswersHeight = px(mm.AnswersHeight);
    p.GridTop = px(mm.GridTop);
    p.GridGap = px(mm.GridGap);
    p.ClueTop = px(mm.ClueTop);
    p.ClueColWidth = px(mm.ClueColWidth);
    p.NumberIndent = px(mm.NumberIndent);
    p.ColumnGap = px(mm.ColumnGap);
    p.AcrossX = px(mm.AcrossX);
    p.DownX = px(mm.DownX);
    p.ListLeft = px(mm.ListLeft);
    p.ListRight = px(mm.ListRight);
    p.ContinuedTop = px(mm.ContinuedTop);
    p.ClueBottom = px(mm.ClueBottom);
    return p;
}

PageFontSizes PageFontSizesFor(PageDevice device, const OutputOptions& options, int gridSize, OutputMode mode)
{
    const double r = (static_cast<double>(PrintedGridMM(options)) / StartGridMM) * (15.0 / gridSize);
    PageFontSizes s;
    if (device == PageDevice::Screen) {
        s.Title = 9;
        s.Extras = 5;
        s.Letter = 7 * r;
        s.Number = 0;
        s.Clue = 5;
        s.Sheet = 6;
    } else {
        const bool emptyGrid = mode == OutputMode::EmptyGridAndClues || mode == OutputMode::EmptyGridOnly;
        s.Title = 14;
        s.Extras = 8;
        s.Letter = 12 * r;
        s.Number = std::max(5.0, emptyGrid ? 7 * r : 5.4 * r);
        s.Clue = 9;
        s.Sheet = 11;
    }
    return s;
}

}  // namespace qm
