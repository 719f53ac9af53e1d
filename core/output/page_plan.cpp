// The layout of the clue area page by page: clue columns, answer paragraphs, the alphabetical list and the word bank.
#include "core/output/page_plan.h"

#include "core/output/clipboard_text.h"
#include "core/output/page_texts.h"
#include "core/state.h"
#include "core/util/failure.h"
#include "core/util/text.h"

#include <algorithm>

namespace qm {

namespace {

int Points(double size) { return static_cast<int>(RoundHalfEven(size)); }

/// One column of texts that flows from page to page under its heading.
struct Flow {
    int HeadingX = 0;
    std::string Heading;
    int Page = 0;            ///< the page the next text goes on
    int Y = 0;               ///< where the next text goes
    int PreviousHeight = 0;  ///< height of the text placed last on this page (the line height after a heading)
    bool HeadingPlaced = false;  ///< on this page
    bool FreshPage = false;      ///< a continuation page that holds nothing of this column yet
    bool PlacedAny = false;      ///< on any page
};

class Planner {
public:
    Planner(PageCanvas& canvas, PageDevice device, OutputMode mode, const QuillmereState& state)
        : canvas_(canvas), device_(device), mode_(mode), xw_(state.Xw), options_(state.Output),
          px_(ScaleLayout(PageLayoutMM(options_, mode), canvas.PageWidthPixels() / A4WidthMM)),
          sizes_(PageFontSizesFor(device, options_, xw_.GridSize, mode))
    {
        plan_.PixelsPerMM = canvas.PageWidthPixels() / A4WidthMM;
        plan_.Pages.emplace_back();
    }

    PagePlan Plan()
    {
        if (device_ == PageDevice::Screen && xw_.WordSlotCount == 0) return plan_;
        canvas_.SetFont(options_.FontName, Points(sizes_.Clue), false, false);
        h_ = canvas_.LineHeight();
        if (ModeShowsClues(mode_)) {
            Flow across = StartFlow(px_.AcrossX - px_.NumberIndent, "Across");
            Flow down = StartFlow(px_.DownX - px_.NumberIndent, "Down");
            PlaceClues(across, true, px_.AcrossX);
            PlaceClues(down, false, px_.DownX);
            if (options_.WordBank && ModeIsPupilsSheet(mode_)) PlaceWordBank(across, down);
        } else if (mode_ == OutputMode::AnswerListOnly) {
            PlaceAnswerParagraphs();
        } else if (mode_ == OutputMode::AnswerClueListAlpha) {
            PlaceAlphabeticalList();
        }
        return plan_;
    }

private:
    unsigned Wrapping() const { return device_ == PageDevice::Printer ? TextWordWrap : 0u; }
    int HeadingAdvance() const { return static_cast<int>(RoundHalfEven(1.5 * h_)); }

    Flow StartFlow(int headingX, std::string heading) const
    {
        Flow f;
        f.HeadingX = headingX;
        f.Heading = std::move(heading);
        f.Y = px_.ClueTop;
        f.PreviousHeight = h_;
        return f;
    }

    void Add(int page, PlannedStyle style, const PixelRect& box, std::string value)
    {
        plan_.Pages[static_cast<std::size_t>(page)].Texts.push_back({style, box, std::move(value)});
    }

    void NextPage(Flow& f) const
    {
        ++f.Page;
        f.Y = px_.ContinuedTop;
        f.PreviousHeight = h_;
        f.HeadingPlaced = false;
        f.FreshPage = true;
    }

    /// Makes room for a text of the given height: the next page when this one cannot hold it (with
    /// the heading, when the heading is still to come), then the heading if this page has none yet.
    /// A text taller than a whole clue area stays on the page it starts, the only case that cannot fit.
    void MakeRoom(Flow& f, int height)
    {
        const int heading = f.HeadingPlaced ? 0 : HeadingAdvance();
        if (f.Y + heading + height > px_.ClueBottom && !f.FreshPage) NextPage(f);
        if (static_cast<std::size_t>(f.Page) >= plan_.Pages.size()) plan_.Pages.resize(static_cast<std::size_t>(f.Page) + 1);
        if (!f.HeadingPlaced) {
            Add(f.Page, PlannedStyle::Heading, {f.HeadingX, f.Y, f.HeadingX, f.Y},
                f.PlacedAny ? f.Heading + " (continued)" : f.Heading);
            f.Y += HeadingAdvance();
            f.PreviousHeight = h_;
            f.HeadingPlaced = true;
        }
    }

    /// Records that a text of that height now ends the column.
    static void Advance(Flow& f, int height, int advance)
    {
        f.PreviousHeight = height;
        f.Y += advance;
        f.PlacedAny = true;
        f.FreshPage = false;
    }

    void PlaceClues(Flow& f, bool across, int x)
    {
        for (int i = 1; i <= xw_.WordSlotCount; ++i) {
            const WordSlot& s = xw_.Slot(i);
            if (s.Dir != across) continue;
            std::string text = PageClueText(s);
            const int measured = canvas_.TextHeight(px_.ClueColWidth, text, TextLeft | Wrapping());
            const int height = std::max(h_, measured);
            MakeRoom(f, height);
            Add(f.Page, PlannedStyle::Plain, {x - px_.NumberIndent, f.Y, x - px_.NumberIndent, f.Y}, std::to_string(s.Clue));
            Add(f.Page, PlannedStyle::Line, {x, f.Y, x + px_.ClueColWidth, f.Y + std::max(3 * f.PreviousHeight, measured)},
                std::move(text));
            Advance(f, height, height);
        }
        if (!f.PlacedAny) MakeRoom(f, 0);  // the heading of a direction without words
    }

    void PlaceAnswerParagraphs()
    {
        Flow f = StartFlow(px_.ListLeft, "Answers");
        const int width = px_.ListRight - px_.ListLeft;
        for (const bool across : {true, false}) {
            std::string text = AnswerParagraph(xw_, xw_.WordSlotCount, across, across ? "Across" : "Down");
            const int measured = canvas_.TextHeight(width, text, TextWordWrap);
            MakeRoom(f, measured);
            Add(f.Page, PlannedStyle::Paragraph, {px_.ListLeft, f.Y, px_.ListRight, f.Y + std::max(5 * f.PreviousHeight, measured)},
                std::move(text));
            Advance(f, measured, h_ + measured);  // one empty line between the paragraphs
        }
    }

    void PlaceAlphabeticalList()
    {
        Flow f = StartFlow(px_.ListLeft, "Answers (alphabetical) and Clues");
        const int width = px_.ListRight - px_.ListLeft;
        for (const int i : AlphabeticalSlots(xw_, xw_.WordSlotCount)) {
            std::string text = AnswerClueLine(xw_.Slot(i));
            const int measured = canvas_.TextHeight(width, text, TextLeft | Wrapping());
            const int height = std::max(h_, measured);
            MakeRoom(f, height);
            Add(f.Page, PlannedStyle::Line, {px_.ListLeft, f.Y, px_.ListRight, f.Y + std::max(3 * f.PreviousHeight, measured)},
                std::move(text));
            Advance(f, height, height);
        }
        if (!f.PlacedAny) MakeRoom(f, 0);
    }

    /// The answers in columns as wide as the widest answer, filled down each column in turn, from
    /// one empty line under the lower clue column of the last page.
    void PlaceWordBank(const Flow& across, const Flow& down)
    {
        std::vector<std::string> words;
        for (const int i : AlphabeticalSlots(xw_, xw_.WordSlotCount)) words.push_back(xw_.Slot(i).DisplayTxt.str());
        if (words.empty()) return;
        const Flow& last = across.Page > down.Page ? across : down;
        Flow f = StartFlow(px_.ListLeft, "Word bank");
        f.Page = last.Page;
        f.Y = (across.Page == down.Page ? std::max(across.Y, down.Y) : last.Y) + h_;
        int widest = 0;
        for (const std::string& w : words) widest = std::max(widest, canvas_.TextWidth(w));
        const int width = px_.ListRight - px_.ListLeft;
        const int gap = px_.NumberIndent;
        const int columns = std::clamp((width + gap) / std::max(1, widest + gap), 1, MaxWordBankColumns);
        const int pitch = width / columns;
        std::size_t next = 0;
        while (next < words.size()) {
            MakeRoom(f, h_);
            const int rowsThatFit = std::max(1, (px_.ClueBottom - f.Y) / h_);
            const std::size_t take = std::min(words.size() - next, static_cast<std::size_t>(columns * rowsThatFit));
            const int rows = static_cast<int>((take + static_cast<std::size_t>(columns) - 1) / static_cast<std::size_t>(columns));
            for (std::size_t k = 0; k < take; ++k) {
                const int column = static_cast<int>(k) / rows;
                const int row = static_cast<int>(k) % rows;
                const int x = px_.ListLeft + column * pitch;
                const int y = f.Y + row * h_;
                Add(f.Page, PlannedStyle::Plain, {x, y, x, y}, words[next + k]);
            }
            next += take;
            Advance(f, h_, rows * h_);
            if (next < words.size()) NextPage(f);
        }
    }

    PageCanvas& canvas_;
    PageDevice device_;
    OutputMode mode_;
    const Crossword& xw_;
    const OutputOptions& options_;
    PageLayout px_;
    PageFontSizes sizes_;
    int h_ = 0;  ///< line height of the clue font
    PagePlan plan_;
};

}  // namespace

void CheckPageInputs(OutputMode mode, const QuillmereState& state)
{
    OutputOptions checked = state.Output;
    checked.Mode = mode;
    CheckOutputOptions(checked);
    Check(state.Xw.GridSize >= 1 && state.Xw.GridSize == state.Xw.Squares.Size(), "The grid does not match its size");
}

PagePlan PlanPages(PageCanvas& measure, PageDevice device, OutputMode mode, const QuillmereState& state)
{
    CheckPageInputs(mode, state);
    return Planner(measure, device, mode, state).Plan();
}

}  // namespace qm
