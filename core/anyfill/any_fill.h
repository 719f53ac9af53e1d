// The fill engine for grids of any pattern: fills every slot of a checked grid from the candidate words,
// or proves that no fill exists.
//
// Calls in: the command line's fill-grid and fill --engine any (and the window's grid designer); tests
// and the benchmark.
// Calls out: the random generator it is given (reseeded once per run), the caller's callbacks for each
// fill made, for progress and for Stop. It never calls the window.
//
// How it searches: every slot holds the set of candidates still possible for it (a bitset over the
// words of its length) and every open square the letters still possible there. Placing a word narrows
// the squares it crosses, which narrows the crossing slots, and so on until nothing changes (arc
// consistency); a slot left without candidates is a dead end. The next slot is the one with the fewest
// candidates for the dead ends it has caused; its word is the best of a few sampled candidates, the
// commoner ones sampled more often, scored by the candidates it leaves its crossing slots. A dead end
// jumps back to the latest placement that took part in it (conflict-directed backjumping), and the
// search restarts now and then with what it has learnt about the slots, so that one bad early choice
// does not hold it. When the search has nowhere left to jump back to, no fill exists.
#pragma once

#include "core/anyfill/any_grid.h"
#include "core/anyfill/fill_words.h"
#include "core/util/lcg.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qm {

struct Dictionary;
struct ImportedList;

/// Fills one run may make.
constexpr int MaxAnyFills = 3000;
/// The time limit of a run unless the caller gives another, in seconds.
constexpr double DefaultAnyFillSeconds = 60;

struct AnyFillRequest {
    int Fills = 1;                                    ///< different fills wanted, 1..MaxAnyFills
    double TimeLimitSeconds = DefaultAnyFillSeconds;  ///< for the whole run, above 0
};

/// One fill: the word of every slot of the grid, index = slot - 1.
struct AnyFill {
    std::vector<std::string> Words;
    /// Where each word came from; a word the constructor placed whole that no store holds has none.
    std::vector<std::optional<WordOrigin>> Origins;
};

/// Where a run stands, for a progress display.
struct AnyFillProgress {
    int FillsMade = 0;
    std::int64_t Placements = 0;  ///< words tried in slots
    std::int64_t DeadEnds = 0;    ///< placements that left some slot without candidates
    int Restarts = 0;
    int SlotsFilled = 0;          ///< slots holding a word now
    int MostSlotsFilled = 0;      ///< the most at any time of the current fill
    double Seconds = 0;
};

struct AnyFillCallbacks {
    std::function<void(const AnyFill&)> FillMade;                 ///< each fill as it is made
    std::function<void(const AnyFillProgress&)> Progress;         ///< about ten times a second, and at the end
    std::function<bool()> StopRequested;                          ///< asked every few placements; true ends the run
};

enum class AnyFillEnd {
    AllMade,   ///< every fill asked for was made
    NoFill,    ///< proved: no (further) fill exists with these words
    TimeUp,    ///< the time limit ended the run
    Stopped,   ///< Stop ended the run
};

struct AnyFillResult {
    std::vector<AnyFill> Fills;
    AnyFillEnd End = AnyFillEnd::AllMade;
    /// NoFill: the slot the proof ended on; TimeUp and Stopped: the slots that caused the most dead
    /// ends, worst first (at most three). Slot numbers are 1-based.
    std::vector<int> Slots;
    std::string Message;  ///< what to tell the user when not every fill was made; empty otherwise
    AnyFillProgress Totals;
};

/// Makes up to request.Fills different fills of the grid from the words (each fill uses a word once
/// at most; letters and whole words the constructor placed stay). Reseeds random first, so a run from
/// a simulated seed clock is reproducible. Refuses, before it starts, a request outside its limits or
/// a grid whose slots do not match its squares, with a clear message.
AnyFillResult RunAnyFill(const AnyGrid& grid, const FillWords& words, const AnyFillRequest& request, Lcg& random,
                         const AnyFillCallbacks& callbacks = {});

/// The clue line of a dictionary word's ClueIndex.
using ClueLookup = std::function<std::string(int clueIndex)>;

/// The grid with a fill in place: every slot's word, its shown form, enumeration and clue (from the
/// store it came from; a placed word no store holds gets no clue), the letters in the squares, the
/// squares numbered.
Crossword FilledCrossword(const AnyGrid& grid, const AnyFill& fill, const Dictionary& dict, const ImportedList& imported,
                          const ClueLookup& clueOf);
/// The same with the clues of the clue list.
Crossword FilledCrossword(const AnyGrid& grid, const AnyFill& fill, const Dictionary& dict, const ImportedList& imported,
                          const std::vector<std::string>& clues);

}  // namespace qm
