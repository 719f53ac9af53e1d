// The designer's live checks, read from the survey the fill's own checks read.
#include "core/design/design_checks.h"

#include <algorithm>
#include <map>

namespace qm {

namespace {

std::string Count(std::size_t n, const char* one, const char* many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

void AddRunSquares(const SquareRun& run, std::vector<SquarePos>& squares)
{
    for (int k = 0; k < run.Length; ++k) squares.push_back(run.Across ? SquarePos{run.Row, run.Col + k} : SquarePos{run.Row + k, run.Col});
}

/// Sorted row by row, each square once.
std::vector<SquarePos> Tidy(std::vector<SquarePos> squares)
{
    std::sort(squares.begin(), squares.end());
    squares.erase(std::unique(squares.begin(), squares.end()), squares.end());
    return squares;
}

/// The words placed whole (every square a letter) that are placed in more than one slot; the message
/// is the one the fill gives for the first of them.
std::vector<DesignFinding> RepeatedWords(const GridDesign& design, std::string& refusal)
{
    std::map<std::string, std::vector<DesignSlot>> placed;
    std::vector<std::string> order;
    for (const DesignSlot& slot : design.Slots()) {
        if (slot.Length > MaxAnyWordLength) continue;
        std::string word;
        for (const SquarePos& p : SlotSquares(slot)) {
            const char c = design.At(p.Row, p.Col);
            if (c < 'A' || c > 'Z') break;
            word += c;
        }
        if (static_cast<int>(word.size()) != slot.Length) continue;
        auto& slots = placed[word];
        if (slots.size() == 1) order.push_back(word);
        slots.push_back(slot);
    }
    std::vector<DesignFinding> findings;
    for (const std::string& word : order) {
        const std::vector<DesignSlot>& slots = placed[word];
        DesignFinding f;
        f.Kind = DesignProblem::RepeatedWord;
        for (const DesignSlot& s : slots) {
            const auto squares = SlotSquares(s);
            f.Squares.insert(f.Squares.end(), squares.begin(), squares.end());
        }
        f.Squares = Tidy(std::move(f.Squares));
        f.Message = word + " placed " + (slots.size() == 2 ? std::string("twice") : std::to_string(slots.size()) + " times");
        if (refusal.empty())
            refusal = "The word " + word + " is placed in both " + DesignSlotName(slots[0]) + " and " + DesignSlotName(slots[1]) +
                      "; a fill uses a word once";
        findings.push_back(std::move(f));
    }
    return findings;
}

}  // namespace

DesignReport CheckDesign(const GridDesign& design, const GridCheckOptions& options)
{
    const GridSurvey s = SurveyGrid(design.Squares());
    DesignReport report;
    report.Words = s.Words;
    report.Blocks = s.Blocks;
    report.OpenSquares = s.OpenSquares;
    report.Letters = s.Letters;
    report.UncheckedSquares = static_cast<int>(s.Unchecked.size());
    report.Counts = Count(static_cast<std::size_t>(s.Words), "word", "words") + ", " +
                    Count(static_cast<std::size_t>(s.Blocks), "block", "blocks");

    auto add = [&report](DesignProblem kind, bool stops, std::vector<SquarePos> squares, std::string message) {
        report.Findings.push_back({kind, stops, Tidy(std::move(squares)), std::move(message)});
    };
    if (s.OpenSquares == 0) add(DesignProblem::NoOpenSquares, true, {}, "No open squares");
    if (s.AreaCount > 1) {
        std::vector<int> sizes(static_cast<std::size_t>(s.AreaCount) + 1, 0);
        for (const int area : s.Area) ++sizes[static_cast<std::size_t>(area)];
        sizes[0] = 0;
        const int largest = static_cast<int>(std::max_element(sizes.begin(), sizes.end()) - sizes.begin());
        std::vector<SquarePos> cutOff;
        for (int row = 1; row <= s.Size; ++row)
            for (int col = 1; col <= s.Size; ++col) {
                const int area = s.Area[s.At(row, col)];
                if (area != 0 && area != largest) cutOff.push_back({row, col});
            }
        add(DesignProblem::Apart, true, std::move(cutOff), "The grid falls into " + std::to_string(s.AreaCount) + " parts");
    }
    if (!s.NotInWord.empty())
        add(DesignProblem::NotInWord, true, s.NotInWord, Count(s.NotInWord.size(), "square", "squares") + " in no word");
    if (!s.ShortRuns.empty()) {
        std::vector<SquarePos> squares;
        for (const SquareRun& run : s.ShortRuns) AddRunSquares(run, squares);
        // Allowed unchecked squares may sit in a short run, as long as each is in a word the other way.
        const bool stops = !options.AllowUnchecked || std::any_of(squares.begin(), squares.end(), [&](const SquarePos& p) {
                               return std::binary_search(s.NotInWord.begin(), s.NotInWord.end(), p);
                           });
        add(DesignProblem::ShortRun, stops, std::move(squares), Count(s.ShortRuns.size(), "run", "runs") + " too short for a word");
    }
    if (!s.LongRuns.empty()) {
        std::vector<SquarePos> squares;
        for (const SquareRun& run : s.LongRuns) AddRunSquares(run, squares);
        add(DesignProblem::LongWord, true, std::move(squares),
            Count(s.LongRuns.size(), "word", "words") + " over " + std::to_string(MaxAnyWordLength) + " letters");
    }
    if (!s.Unchecked.empty())
        add(DesignProblem::Unchecked, !options.AllowUnchecked, s.Unchecked,
            Count(s.Unchecked.size(), "square", "squares") + " in only one word" + (options.AllowUnchecked ? " (allowed)" : ""));
    if (s.Words > MaxWordSlots)
        add(DesignProblem::TooManyWords, true, {},
            std::to_string(s.Words) + " words; a crossword holds at most " + std::to_string(MaxWordSlots));

    if (auto problem = FirstGridProblem(s, options)) report.FillRefusal = std::move(*problem);
    // Words placed twice matter once the pattern is right: the fill's numbering names their slots.
    std::string repeated;
    for (DesignFinding& f : RepeatedWords(design, repeated)) report.Findings.push_back(std::move(f));
    if (report.FillRefusal.empty()) report.FillRefusal = repeated;
    report.CanFill = report.FillRefusal.empty();
    return report;
}

}  // namespace qm
