// Freeform runs: Quick Fill, runs of scored and ranked fills, Improve, Add This Grid and the fill list.
//
// Calls in: the window's Generate page handlers and quillmere-cli freeform / usage.
// Calls out: the placement engine and the scoring (placement.h, scoring.h), the fill stores
// (fill_store.h), the clue lookup (clue_store.h) and the callbacks below; never the window.
#pragma once

#include "core/fills/fill_list.h"
#include "core/fills/shown_fill.h"
#include "core/freeform/placement.h"
#include "core/freeform/scoring.h"
#include "core/grid/display.h"
#include "core/grid/grid.h"
#include "core/state.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qm {

/// Fills one run makes at most (the list holds MaxFillRecords, so Improve and Add This Grid can add more).
constexpr int MaxFreeformRunFills = 3000;
/// Fills of a run that are listed whatever their score; later ones must beat the running average.
constexpr int AcceptedWithoutAverage = 25;
/// Attempts of one ImproveAttempts call.
constexpr int MaxImproveAttempts = 500;

/// Where the seed word of each fill comes from (the seed word radio buttons).
enum class SeedWordChoice : std::uint8_t {
    RandomWord,    ///< RandomWordsRadio: a random word of 6..GridSize characters for each fill
    SelectedWord,  ///< SeedWordRadio: the selected item of SeedListBox for every fill
    GridWords,     ///< neither: the words of the crossword on display
};

/// A row of the freeform fills list for a fill with these counts (the rank key is the count or score the
/// ranking method picks).
FillRow FreeformFillRow(std::int32_t rankKey, std::int32_t seedPosition, std::int32_t fill, char origin,
                        const FillCounts& counts, std::int32_t score);

/// Chooses the size of the freeform grid (FreeformDimensionListBox, 8..30): the grid is made anew,
/// empty, and the fill list is emptied. A size outside 8..30 throws Failure and changes nothing.
void ChooseFreeformSize(QuillmereState& state, std::int32_t size);

/// The number of fills asked for in FreeRepeatsEdit: 1 when not a number, limited to 1..3000.
std::int32_t ParseFreeRepeats(std::string_view text);

/// Progress of a run, after each listed fill.
struct FreeformRunProgress {
    std::int32_t Listed = 0;     ///< k: fills listed so far (ProgressBarFreeMult position)
    std::int32_t Fills = 0;      ///< N
    std::int32_t Average = 0;    ///< integer average of the listed scores
    std::int64_t Attempts = 0;   ///< fills built so far, listed or not
    std::string CountText;       ///< FreeFillsStatusBar panel 1: "k/N"
    std::string AverageText;     ///< panel 2: "Av.=" average
};

/// What a run, Quick Fill or Improve tells the window while it works.
struct FreeformRunCallbacks {
    FreeformEngineCallbacks Engine;                              ///< Quick Fill progress and messages
    std::function<void(const FreeformRunProgress&)> FillListed;  ///< a fill was stored and listed
    /// After every attempt: FreeFillsStatusBar panel 3, the re-use probability "%0.4f" (0 in the fresh phase).
    std::function<void(const std::string&)> AttemptDone;
    /// Lets the window process its messages; Stop sets QuillmereState::Run to StopRequested here.
    std::function<void()> ProcessMessages;
    /// Improve: the attempt number of ImproveAttempts (ProgressBarFreeMult, maximum 500).
    std::function<void(int)> ImproveProgress;
};

/// What a run is asked to do.
struct FreeformRunRequest {
    std::int32_t Fills = 100;                   ///< N, 1..3000
    SeedWordChoice Seed = SeedWordChoice::RandomWord;
    std::int32_t SelectedSeed = 0;              ///< the selected item of SeedListBox (SelectedWord)
    std::optional<std::int64_t> MaxAttempts;    ///< stop after this many fills built (the command line's limit)
};

/// What RunFreeformFills did.
struct FreeformRunResult {
    std::int32_t Listed = 0;              ///< fills listed: the new GridsMax
    std::int64_t Attempts = 0;            ///< fills built
    std::int32_t Average = 0;
    bool Stopped = false;                 ///< Stop was pressed
    bool AttemptLimitReached = false;
    std::vector<std::string> Notes;       ///< remarks for the user (a seed word fallback)
};

/// The run loop itself: fresh fills for the first 40%, then fills regrown from one of the best fifth
/// with rising probability; after 25 listed fills only fills above the running average are kept.
/// Works on the prepared state within the caller's run (see StartFreeformRun and QuickFill): it makes
/// fills while state.Run is Running.
FreeformRunResult RunFreeformFills(QuillmereState& state, const FreeformRunRequest& request, bool quick,
                                   const FreeformRunCallbacks& callbacks);

/// Shows fill n of the freeform list: slots restored from the store with their clues, sorted and
/// numbered, words written into the cleared grid, unused squares blocked, squares numbered.
ShownFill ShowFreeformFill(QuillmereState& state, std::int32_t n);

/// The result of Quick Fill or of a run of Multiple Fills.
struct FreeformRunOutcome {
    FreeformRunResult Run;
    std::optional<ShownFill> Shown;    ///< the first fill of the list, shown (none when nothing was listed)
    double ElapsedSeconds = 0.0;
    std::string ElapsedText;           ///< FreeFillsStatusBar panel 3 after a run: "%-3.2f secs."
};

/// Quick Fill: one fill from a plain seed word, stored as fill 1 and shown.
FreeformRunOutcome QuickFill(QuillmereState& state, SeedWordChoice seed, std::int32_t selectedSeed,
                             const FreeformRunCallbacks& callbacks);

/// A run of Multiple Fills: the list and the stores are replaced by request.Fills listed fills
/// (fewer after Stop or the attempt limit); the best is shown. Throws Failure before changing anything
/// when the list is empty, the grid size is not 8..30, N is outside 1..3000 or the seed word does not fit.
FreeformRunOutcome StartFreeformRun(QuillmereState& state, const FreeformRunRequest& request,
                                    const FreeformRunCallbacks& callbacks);

/// Loosens and regrows the fill on display until its score reaches target, at most 500 times or
/// until Stop is pressed; returns the score of the last attempt. Works within the caller's run.
std::int32_t ImproveAttempts(QuillmereState& state, std::int32_t target, const FreeformRunCallbacks& callbacks,
                             FillCounts* lastCounts = nullptr);

/// What Improve and Add This Grid report.
struct FreeformAddResult {
    bool Added = false;                  ///< a fill was stored and listed
    std::string Message;                 ///< FreeFillStatusPnl text, or the information message when full
    bool ListFull = false;               ///< "No more ..." : the button is to be disabled
    std::optional<ShownFill> Shown;      ///< the fill shown afterwards
};

/// Improve the fill on display, whose row of the fills list is selectedRow: a higher score is searched
/// for, else an equal one; a result is stored and listed with the marker "x".
FreeformAddResult ImproveFill(QuillmereState& state, std::int32_t selectedRow, const FreeformRunCallbacks& callbacks);

/// Add This Grid: stores the crossword on display (as the user edited it) as a new fill with the
/// marker "e". When the list is full nothing is stored.
FreeformAddResult AddThisGrid(QuillmereState& state, std::int32_t selectedRow);

/// The diagnostic listing of ListOfGrids: "GridsMax= ", the header, one line per record and the
/// number of lines of the symmetric fills list.
std::vector<std::string> ListOfGridsListing(const FillStore& store, std::int32_t symmFillsCount);

}  // namespace qm
