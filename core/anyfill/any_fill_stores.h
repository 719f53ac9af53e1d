// Fills of a grid of any pattern (a designed grid, or a stock grid filled by this engine) kept in the
// program's fill stores and shown as the symmetrical runs keep and show theirs: the words in the word
// store, one fill record each, a row in the fills list, and the crossword on display rebuilt from them.
// So the clue editing, word replacement, word usage, saving, printing and export that read those
// stores work on these fills unchanged.
//
// Calls in: the window's Generate page for a designed grid (RunAnyFills, through ShowFill), the command
// line's fill-grid --out (ShowOnlyAnyFill), tests.
// Calls out: RunAnyFill with the caller's callbacks.
#pragma once

#include "core/anyfill/any_fill.h"
#include "core/freeform/freeform_run.h"
#include "core/state.h"
#include "core/fills/fill_list.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace qm {

/// Keeps a fill of the grid in state.Fills: its words appended to the word store in the grid's slot
/// order (a word placed whole that no store holds is kept with reference 0 and read back from the grid's
/// letters), the next fill record (letters, words) and its row in list (as a symmetrical fill's row,
/// with 0 iterations). Returns the fill's number. Failure, the stores unchanged, when they are full.
int StoreAnyFill(QuillmereState& state, FillList& list, const AnyGrid& grid, const AnyFill& fill);

/// Fill n of the stores as the engine made it, read back for the grid. Failure when the stores hold no
/// fill n or it does not belong to the grid.
AnyFill StoredAnyFill(const QuillmereState& state, const AnyGrid& grid, int n);

/// Shows stored fill n: the crossword on display becomes the grid with the fill's words, shown forms,
/// enumerations and clues (clueOf gives a dictionary word's clue), written into the squares as a
/// stock grid's fill is (slot references, colours); CurrentFill becomes n. Failure, nothing changed,
/// when there is no such fill.
ShownFill ShowAnyFill(QuillmereState& state, const AnyGrid& grid, int n, const ClueLookup& clueOf);

/// The same with the clues of state.Clues.
ShownFill ShowAnyFill(QuillmereState& state, const AnyGrid& grid, int n);

/// Makes one fill the crossword on display as the only fill of the stores (the fills list holds its
/// row): what a crossword file is saved from.
ShownFill ShowOnlyAnyFill(QuillmereState& state, const AnyGrid& grid, const AnyFill& fill, const ClueLookup& clueOf);

struct AnyRunResult {
    AnyFillResult Run;               ///< the engine's verdict, message and totals (its Fills as made)
    std::optional<ShownFill> Shown;  ///< the first listed fill, shown at the end when there is one
};

/// A run of fills for the window: once the engine has accepted the grid and the request, the stores and
/// the list are emptied and the grid becomes state.AnyFillGrid; each fill is stored and listed as it is
/// made (fillListed gets its row and position) and the first listed fill is shown at the end. The words
/// come from state.FillSource (the dictionary as selected, the imported list, or both). Stop comes from
/// callbacks.StopRequested or state.Run no longer Running. A refusal before the run (a symmetrical source not
/// chosen, a request outside the limits, a word placed twice) changes nothing.
AnyRunResult RunAnyFills(QuillmereState& state, FillList& list, std::shared_ptr<const AnyGrid> grid, const AnyFillRequest& request,
                         const AnyFillCallbacks& callbacks = {},
                         const std::function<void(const FillRow& row, int position)>& fillListed = {});

}  // namespace qm
