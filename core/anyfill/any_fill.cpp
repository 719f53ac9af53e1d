// A run of fills of any grid: the limits, the clock, Stop, the verdict and its message, and the filled crossword.
#include "core/anyfill/any_fill.h"

#include "core/anyfill/fill_search.h"
#include "core/clues/clue_store.h"
#include "core/util/failure.h"
#include "core/util/text.h"
#include "core/words/dictionary.h"
#include "core/words/imported_list.h"
#include "core/words/word_breaks.h"

#include <chrono>
#include <cmath>
#include <memory>

namespace qm {

namespace {

using Clock = std::chrono::steady_clock;

/// Seconds between progress reports.
constexpr double ProgressInterval = 0.1;

std::string SlotList(const AnyGrid& grid, const std::vector<int>& slots)
{
    std::string text;
    for (std::size_t i = 0; i < slots.size(); ++i) {
        if (i > 0) text += i + 1 == slots.size() ? " and " : ", ";
        text += SlotName(grid.Xw.Slot(slots[i]));
    }
    return text;
}

std::string NoFillMessage(const AnyGrid& grid, const FillSearch& search, const FillWords& words, bool further)
{
    const int slot = search.ProofSlot();
    const WordSlot& s = grid.Xw.Slot(slot);
    const std::string name = SlotName(s);
    if (further) return "No further fill exists: every other way of filling the grid runs out at " + name + ".";
    if (search.ProofByPatternAlone()) {
        if (s.NumLett < MinAnyWordLength || s.NumLett > MaxAnyWordLength || words.Count(s.NumLett) == 0)
            return "No fill exists: the words hold none of " + std::to_string(s.NumLett) + " letters, for " + name + ".";
        return "No fill exists: no word fits " + name + " (" + search.Pattern(slot) + ").";
    }
    if (search.Placements() == 0)
        return "No fill exists: no word fits " + name + " with the words its crossing slots allow.";
    return "No fill exists: every way of filling the grid was tried; the last to run out was " + name + ".";
}

}  // namespace

AnyFillResult RunAnyFill(const AnyGrid& grid, const FillWords& words, const AnyFillRequest& request, Lcg& random,
                         const AnyFillCallbacks& callbacks)
{
    Check(request.Fills >= 1 && request.Fills <= MaxAnyFills, [&] {
        return "A run makes 1 to " + std::to_string(MaxAnyFills) + " fills, not " + std::to_string(request.Fills);
    });
    Check(request.TimeLimitSeconds > 0 && std::isfinite(request.TimeLimitSeconds), "The time limit must be above 0 seconds");
    const Clock::time_point started = Clock::now();
    random.Reseed();
    FillSearch search(grid, words, random);
    if (callbacks.Started) callbacks.Started();

    AnyFillResult result;
    auto seconds = [&] { return std::chrono::duration<double>(Clock::now() - started).count(); };
    auto totals = [&] {
        AnyFillProgress p;
        p.FillsMade = static_cast<int>(result.Fills.size());
        p.Placements = search.Placements();
        p.DeadEnds = search.DeadEnds();
        p.Restarts = search.Restarts();
        p.SlotsFilled = search.SlotsFilled();
        p.MostSlotsFilled = search.MostSlotsFilled();
        p.Seconds = seconds();
        return p;
    };
    bool stopped = false;
    double nextReport = ProgressInterval;
    const auto interrupt = [&] {
        const double now = seconds();
        if (now >= request.TimeLimitSeconds) return true;
        if (now >= nextReport) {
            nextReport = now + ProgressInterval;
            if (callbacks.Progress) callbacks.Progress(totals());
        }
        stopped = callbacks.StopRequested && callbacks.StopRequested();
        return stopped;
    };

    while (static_cast<int>(result.Fills.size()) < request.Fills) {
        AnyFill fill;
        const FillSearch::Outcome outcome = search.Next(result.Fills, fill, interrupt);
        if (outcome == FillSearch::Outcome::Filled) {
            result.Fills.push_back(fill);
            if (callbacks.FillMade) callbacks.FillMade(result.Fills.back());
            continue;
        }
        if (outcome == FillSearch::Outcome::NoFill) {
            result.End = AnyFillEnd::NoFill;
            result.Slots = {search.ProofSlot()};
            result.Message = NoFillMessage(grid, search, words, !result.Fills.empty());
        } else {
            result.End = stopped ? AnyFillEnd::Stopped : AnyFillEnd::TimeUp;
            result.Slots = search.WorstSlots(3);
            const std::string made = result.Fills.empty() ? "no fill was made" : std::to_string(result.Fills.size()) + " of " +
                                                                                    std::to_string(request.Fills) + " fills were made";
            result.Message = std::string(stopped ? "Stopped" : "The time ran out") + Format(" after %.1f s; ", seconds()) + made +
                             (result.Slots.empty() ? std::string(".") : "; held up most by " + SlotList(grid, result.Slots) + ".");
        }
        break;
    }
    result.Totals = totals();
    if (callbacks.Progress) callbacks.Progress(result.Totals);
    return result;
}

Crossword FilledCrossword(const AnyGrid& grid, const AnyFill& fill, const Dictionary& dict, const ImportedList& imported,
                          const ClueLookup& clueOf)
{
    Check(static_cast<int>(fill.Words.size()) == grid.Xw.WordSlotCount && fill.Origins.size() == fill.Words.size(),
          "The fill does not belong to this grid");
    auto xw = std::make_unique<Crossword>(grid.Xw);
    for (int i = 1; i <= xw->WordSlotCount; ++i) {
        WordSlot& s = xw->Slot(i);
        const auto& word = fill.Words[i - 1];
        const auto& origin = fill.Origins[i - 1];
        Check(static_cast<int>(word.size()) == s.NumLett, [&] { return "The fill's word for " + SlotName(s) + " does not fit it"; });
        s.FromDict = origin && origin->FromDict;
        s.DictOrThemeRef = origin ? origin->Ref : 0;
        s.ThemeRef = 0;
        if (origin && !origin->FromDict) {
            LookUpSlotWord(s, FillSourceKind::Hybrid, dict, imported, {});
        } else if (origin) {
            Check(s.DictOrThemeRef >= 1 && s.DictOrThemeRef <= dict.Count(s.NumLett), RangeError);
            const DictWord& w = dict.Word(s.NumLett, s.DictOrThemeRef);
            const DecodedWordBreaks shown = DecodeWordBreaks(w.Text, w.WordBreaks);
            s.WordTxt = w.Text;
            s.DisplayTxt = shown.DisplayTxt;
            s.EnumTxt = shown.EnumTxt;
            s.ClueTxt = clueOf(w.ClueIndex);
        } else {
            s.WordTxt = word;
            s.DisplayTxt = word;
            s.EnumTxt = std::to_string(s.NumLett);
            s.ClueTxt.clear();
        }
        for (int k = 1; k <= s.NumLett; ++k) xw->SquareOf(s, k).Letter = word[k - 1];
    }
    return *xw;
}

Crossword FilledCrossword(const AnyGrid& grid, const AnyFill& fill, const Dictionary& dict, const ImportedList& imported,
                          const std::vector<std::string>& clues)
{
    return FilledCrossword(grid, fill, dict, imported, [&clues](int i) { return ClueLine(clues, i); });
}

}  // namespace qm
