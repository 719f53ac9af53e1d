// The page renderer: extras block, title, class sheet lines, grid, and the clue area as the page plan lays it out.
#include "core/output/render_page.h"

#include "core/output/clipboard_text.h"
#include "core/output/page_plan.h"
#include "core/output/page_texts.h"
#include "core/state.h"
#include "core/util/failure.h"
#include "core/util/index.h"
#include "core/util/text.h"

#include <algorithm>

namespace qm {

namespace {

constexpr Colour Black = 0x00000000;
constexpr Colour White = 0x00FFFFFF;

int Points(double size) { return static_cast<int>(RoundHalfEven(size)); }

class PageRenderer {
public:
    PageRenderer(PageCanvas& canvas, PageDevice device, OutputMode mode, const QuillmereState& state)
        : canvas_(canvas), device_(device), mode_(mode), state_(state), xw_(state.Xw), options_(state.Output),
          mm_(PageLayoutMM(options_, mode)), px_(ScaleLayout(mm_, canvas.PageWidthPixels() / A4WidthMM)),
          sizes_(PageFontSizesFor(device, options_, xw_.GridSize, mode)), pen_(PenWidthFor(device))
    {
    }

    void Render(const PagePlan& plan, int page)
    {
        if (device_ == PageDevice::Screen) {
            canvas_.Rectangle({0, 0, px_.PageWidth, px_.PageHeight}, Black, 1, BrushStyle::Solid, White);
            if (xw_.WordSlotCount == 0) return;
        }
        if (options_.ExtrasChecked) DrawExtras();
        if (options_.TitleShown()) DrawTitle();
        if (page == 0) {
            if (options_.NameLine) DrawNameLine();
            if (px_.AnswersHeight > 0) DrawAnswersHeading();
            if (ModeShowsGrid(mode_)) DrawGrid();
        }
        DrawClueArea(plan, page);
    }

private:
    void SetFont(double size, bool bold = false, bool underline = false)
    {
        canvas_.SetFont(options_.FontName, Points(size), bold, underline);
    }

    unsigned Wrapping() const { return device_ == PageDevice::Printer ? TextWordWrap : 0u; }

    void DrawExtras()
    {
        SetFont(sizes_.Extras);
        const int h = canvas_.LineHeight();
        const ExtrasTexts extras = BuildExtrasTexts(state_);
        for (int k = 0; k < 3; ++k) {
            const PixelRect box{px_.Margin, px_.TopMargin + k * h, px_.RightEdge, px_.TitleTop + h};
            canvas_.DrawText(box, At(extras, k).Left, TextLeft);
            canvas_.DrawText(box, At(extras, k).Right, TextRight);
        }
    }

    void DrawTitle()
    {
        SetFont(sizes_.Title);
        const int h = canvas_.LineHeight();
        canvas_.DrawText({px_.Margin, px_.TitleTop, px_.RightEdge, px_.TitleTop + 2 * h}, options_.Title, TextHCenter);
    }

    void DrawNameLine()
    {
        SetFont(sizes_.Sheet);
        canvas_.DrawText({px_.Margin, px_.NameLineTop, px_.RightEdge, px_.NameLineTop + px_.NameLineHeight}, NameLineText, TextLeft);
    }

    void DrawAnswersHeading()
    {
        SetFont(sizes_.Sheet, true);
        canvas_.DrawText({px_.Margin, px_.AnswersTop, px_.RightEdge, px_.AnswersTop + px_.AnswersHeight}, AnswersHeadingText,
                         TextHCenter);
    }

    void DrawGrid()
    {
        const int n = xw_.GridSize;
        const BlockingStyle& style = At(BlockingStyles, options_.Blocking);
        const int left = px_.GridLeft;
        const int top = px_.GridTop;
        const int size = px_.GridMM;
        if (options_.Blocking > 0)
            canvas_.Rectangle({left, top, left + size, top + size}, style.Fill, pen_, style.Brush, style.Fill);
        SetFont(sizes_.Letter);
        const int d = static_cast<int>(RoundHalfEven(size * 0.05 / n));
        auto edge = [&](int origin, int k) { return origin + static_cast<int>(RoundHalfEven(static_cast<double>(k) / n * size)); };
        for (int r = 1; r <= n; ++r) {
            const int y1 = edge(top, r - 1);
            const int y2 = edge(top, r);
            for (int c = 1; c <= n; ++c) {
                const GridCell& cell = xw_.Squares(c, r);
                if (cell.Letter < 'A' || cell.Letter > 'Z') continue;
                const int x1 = edge(left, c - 1);
                const int x2 = edge(left, c);
                const PixelRect square{x1 - 1, y1 - 1, x2, y2};
                canvas_.Rectangle(square, Black, pen_, BrushStyle::Solid, White);
                if (cell.CellNumber > 0 && sizes_.Number > 0.01) {
                    SetFont(sizes_.Number);
                    canvas_.DrawText(square, Format(" %d", cell.CellNumber), TextLeft);
                    SetFont(sizes_.Letter);
                }
                if (ModeShowsLetters(mode_)) {
                    const PixelRect moved{square.Left + d, square.Top + d, square.Right + d, square.Bottom + d};
                    canvas_.DrawText(moved, std::string(1, cell.Letter), TextHCenter | TextVCenter);
                }
            }
        }
        if (options_.Blocking > 0)
            canvas_.Rectangle({left - 1, top - 1, left + size, top + size}, Black, pen_, BrushStyle::Clear, White);
    }

    /// The page's share of the plan, moved from the plan's pixels to this device's (the same pixels
    /// when the plan was measured on this device).
    void DrawClueArea(const PagePlan& plan, int page)
    {
        const double scale = (canvas_.PageWidthPixels() / A4WidthMM) / plan.PixelsPerMM;
        auto at = [scale](int v) { return static_cast<int>(RoundHalfEven(v * scale)); };
        SetFont(sizes_.Clue);
        for (const PlannedText& t : plan.Pages[static_cast<std::size_t>(page)].Texts) {
            const PixelRect box{at(t.Box.Left), at(t.Box.Top), at(t.Box.Right), at(t.Box.Bottom)};
            switch (t.Style) {
            case PlannedStyle::Heading:
                SetFont(sizes_.Clue, true, true);
                canvas_.TextOut(box.Left, box.Top, t.Value);
                SetFont(sizes_.Clue);
                break;
            case PlannedStyle::Plain: canvas_.TextOut(box.Left, box.Top, t.Value); break;
            case PlannedStyle::Line: canvas_.DrawText(box, t.Value, TextLeft | Wrapping()); break;
            case PlannedStyle::Paragraph: canvas_.DrawText(box, t.Value, TextWordWrap); break;
            }
        }
    }

    PageCanvas& canvas_;
    PageDevice device_;
    OutputMode mode_;
    const QuillmereState& state_;
    const Crossword& xw_;
    const OutputOptions& options_;
    PageLayout mm_;
    PageLayout px_;
    PageFontSizes sizes_;
    int pen_;
};

}  // namespace

void RenderPage(PageCanvas& canvas, PageDevice device, OutputMode mode, const QuillmereState& state, const PagePlan& plan, int page)
{
    CheckPageInputs(mode, state);
    Check(page >= 0 && static_cast<std::size_t>(page) < plan.Pages.size() && plan.PixelsPerMM > 0,
          "Page " + std::to_string(page + 1) + " is not among the " + std::to_string(plan.Pages.size()) + " pages laid out");
    PageRenderer(canvas, device, mode, state).Render(plan, page);
}

void RenderPage(PageCanvas& canvas, PageDevice device, OutputMode mode, const QuillmereState& state)
{
    RenderPage(canvas, device, mode, state, PlanPages(canvas, device, mode, state), 0);
}

}  // namespace qm
