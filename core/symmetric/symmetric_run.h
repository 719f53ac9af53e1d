// Runs of symmetrical fills: the attempts of one run into the fill stores and the fills list, and
// showing a stored fill (symmetrical or freeform) in the grid with its clues.
#pragma once

#include "core/fills/fill_list.h"
#include "core/fills/shown_fill.h"
#include "core/grid/grid.h"
#include "core/state.h"
#include "core/symmetric/fill_engine.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace qm {

/// Attempts one run may make.
constexpr int MaxRepeats = 3000;

/// How the engine picks its words: through the bitset index (the program) or by the plain scans
/// (the reference the index is measured and checked against).
enum class PickMethod { Indexed, Scan };

struct RunSettings {
    int Repeats = 10;                 ///< attempts, 1..3000
    FillSettings Fill;                ///< iterations, progress, step log
    PickMethod Method = PickMethod::Indexed;
};

/// What a run reports; every callback may be empty.
struct RunCallbacks {
    FillCallbacks Fill;                                        ///< passed to every attempt
    std::function<void()> ClearMemo;                           ///< empty the progress memo
    std::function<void(int attempt, int repeats)> AttemptStarted;  ///< the run's progress bar and "i/Repeats"
    std::function<void(const FillRow& row, int position)> FillListed;  ///< a row added to the list
    std::function<void()> ProcessMessages;  ///< between attempts: where Stop (RunState::StopRequested) arrives
};

struct RunResult {
    int FillCount = 0;               ///< fills stored (also GridsMax)
    int Attempts = 0;                ///< attempts made (fewer than Repeats after Stop)
    std::optional<ShownFill> Shown;  ///< the first listed fill, shown at the end when there is one
};

/// Makes up to settings.Repeats attempts on the analysed grid (FillSource 1..3), storing each complete
/// fill in state.Fills and listing its row in list (ranked by its imported words). The slots are put back into filling
/// order before every attempt, so a fill shown between attempts does not change the run. Stops early
/// when ProcessMessages sets state.Run to StopRequested. Refuses, before changing anything, repeats outside
/// 1..3000, an iteration limit below 1, or a grid that has not been analysed.
RunResult RunSymmetricFills(QuillmereState& state, FillList& list, const RunSettings& settings,
                            const RunCallbacks& callbacks);

/// The repeats of a run from the text of the repeats box: its number (1 if it is not a number) within
/// 1..3000.
int RepeatsFromText(std::string_view text);

/// "%-3.2f secs." of the run's time.
std::string RunTimeText(double seconds);

struct StartedRun {
    int Repeats = 0;
    std::string RepeatsText;  ///< to write back into the repeats box
    RunResult Result;
    double Seconds = 0;
    std::string TimeText;     ///< "%-3.2f secs."
};

/// The Start button's run: repeats from the text, the run, and its timing.
StartedRun StartSymmetricRun(QuillmereState& state, FillList& list, std::string_view repeatsText, RunSettings settings,
                             const RunCallbacks& callbacks);

/// Shows stored fill n of a symmetrical source: the stock grid is rebuilt and keeps its clue numbers,
/// the slots get their words and clues (LookUpSlotWord), are sorted by position and numbered, and in
/// the hybrid source the imported words are light yellow; SelectedRow is the fill's row of
/// SymmFillsList. A fill of a grid of any pattern (state.AnyFillGrid) is shown by ShowAnyFill, a
/// freeform fill by ShowFreeformFill. Fails with a clear message, the crossword unchanged, when there
/// is no such stored fill or the source is not a symmetrical one.
ShownFill ShowFill(QuillmereState& state, int n);

/// What the window shows of stored fill n once the crossword on display holds it (a stock grid's
/// fill or a designed grid's): its fills list row, clue lists, counts and status texts.
ShownFill ShownStoredFill(const QuillmereState& state, int n);

}  // namespace qm
