// The page renderer: extras block, title, grid, clue columns, answer paragraphs and the alphabetical list.
#include "core/output/render_page.h"

#include "core/output/clipboard_text.h"
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

    void Render()
    {
        if (device_ == PageDevice::Screen) {
            canvas_.Rectangle({0, 0, px_.PageWidth, px_.PageHeight}, Black, 1, BrushStyle::Solid, White);
            if (xw_.WordSlotCount == 0) return;
        }
        if (options_.ExtrasChecked) DrawExtras();
        if (options_.TitleShown()) DrawTitle();
        if (ModeShowsGrid(mode_)) DrawGrid();
        if (ModeShowsClues(mode_)) {
            SetFont(sizes_.Clue);
            DrawClueColumn(true, px_.AcrossX, "Across");
            DrawClueColumn(false, px_.DownX, "Down");
        } else if (mode_ == OutputMode::AnswerListOnly) {
            DrawAnswerParagraphs();
        } else if (mode_ == OutputMode::AnswerClueListAlpha) {
            DrawAlphabeticalList();
        }
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

    /// Writes a heading in bold underlined type at the clue top; returns the line height h.
    int DrawHeading(int x, const std::string& text)
    {
        SetFont(sizes_.Clue);
        const int h = canvas_.LineHeight();
        y_ = px_.ClueTop;
        SetFont(sizes_.Clue, true, true);
        canvas_.TextOut(x, y_, text);
        SetFont(sizes_.Clue);
        y_ += static_cast<int>(RoundHalfEven(1.5 * h));
        return h;
    }

    void DrawClueColumn(bool across, int x, const std::string& heading)
    {
        const int h = DrawHeading(x - px_.NumberIndent, heading);
        int lineHeight = h;
        for (int i = 1; i <= xw_.WordSlotCount; ++i) {
            const WordSlot& s = xw_.Slot(i);
            if (s.Dir != across) continue;
            canvas_.TextOut(x - px_.NumberIndent, y_, std::to_string(s.Clue));
            const int drawn =
                canvas_.DrawText({x, y_, x + px_.ClueColWidth, y_ + 3 * lineHeight}, PageClueText(s), TextLeft | Wrapping());
            lineHeight = std::max(h, drawn);
            y_ += lineHeight;
        }
    }

    void DrawAnswerParagraphs()
    {
        const int h = DrawHeading(px_.ListLeft, "Answers");
        int previous = h;
        for (const bool across : {true, false}) {
            const std::string text = AnswerParagraph(xw_, xw_.WordSlotCount, across, across ? "Across" : "Down");
            const int drawn = canvas_.DrawText({px_.ListLeft, y_, px_.ListRight, y_ + 5 * previous}, text, TextWordWrap);
            y_ += h + drawn;
            previous = drawn;
        }
    }

    void DrawAlphabeticalList()
    {
        const int h = DrawHeading(px_.ListLeft, "Answers (alphabetical) and Clues");
        int lineHeight = h;
        for (const int i : AlphabeticalSlots(xw_, xw_.WordSlotCount)) {
            const int drawn = canvas_.DrawText({px_.ListLeft, y_, px_.ListRight, y_ + 3 * lineHeight},
                                               AnswerClueLine(xw_.Slot(i)), TextLeft | Wrapping());
            lineHeight = std::max(h, drawn);
            y_ += lineHeight;
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
    int y_ = 0;  ///< the text cursor of the clue area
};

}  // namespace

void RenderPage(PageCanvas& canvas, PageDevice device, OutputMode mode, const QuillmereState& state)
{
    OutputOptions checked = state.Output;
    checked.Mode = mode;
    CheckOutputOptions(checked);
    Check(state.Xw.GridSize >= 1 && state.Xw.GridSize == state.Xw.Squares.Size(), "The grid does not match its size");
    PageRenderer(canvas, device, mode, state).Render();
}

}  // namespace qm
