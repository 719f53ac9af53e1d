// QuillmereState: everything the program holds for its whole run, owned by the main window (or the CLI).
#pragma once

#include "core/clues/clue_store.h"
#include "core/clues/edited_clues.h"
#include "core/fills/fill_list.h"
#include "core/fills/fill_store.h"
#include "core/fills/run_state.h"
#include "core/freeform/freeform_state.h"
#include "core/grid/fill_source.h"
#include "core/grid/grid.h"
#include "core/grid/stock_grids.h"
#include "core/output/output_options.h"
#include "core/symmetric/word_index.h"
#include "core/util/date.h"
#include "core/util/lcg.h"
#include "core/words/categories.h"
#include "core/words/dictionary.h"
#include "core/words/imported_list.h"
#include "core/words/selection.h"

#include <cstdint>
#include <memory>
#include <string>

namespace qm {

struct AnyGrid;

/// The one state of the program: the word stores, the crossword on display, the fill stores and the
/// process-wide values. Operations are free functions over its parts; the window reads controls,
/// calls them, and refreshes controls.
struct QuillmereState {
    FillSourceKind FillSource = FillSourceKind::None;
    std::uint8_t ImportedFillShown = 0;       ///< 1 generated freeform fills shown, 2 a loaded file
    std::string CurrentFileName = "untitled";  ///< name (no folder) of the crossword file
    Date CrosswordDate = Today();              ///< printed on the outputs
    bool PrinterAvailable = true;              ///< printing to PDF always counts as a printer
    bool DictSelectionDirty = true;            ///< the selection must be recomputed before a run
    bool LoadedFromFile = false;               ///< the crossword on display came from a file
    RunState Run = RunState::Idle;             ///< a run of fills, and whether Stop asked it to end

    Lcg Random;
    Dictionary Dict;
    WordBitPatterns BitPatterns{};
    ImportedList Imported;
    ClueList Clues = ClueList(1);
    EditedClues ClueEdits;           ///< clues the user edited in the generated fills
    Crossword Xw;
    FillStore Fills;
    FreeformState Freeform;
    StockGridLibrary Stock;          ///< the stock grids, the chosen one and the preview state
    DictionarySelection Selection;   ///< the word-type and category masks and the rarity threshold
    FillList SymmFillsList;          ///< rows of the symmetrical fills list
    /// The grid of the user's own (or stock grid filled by the engine for any grid) that the fills of
    /// SymmFillsList belong to; none when they belong to the chosen stock grid.
    std::shared_ptr<const AnyGrid> AnyFillGrid;
    WordIndex SymmetricIndex;        ///< the fill engine's word index, kept from one run to the next
    OutputOptions Output;            ///< the Output page's options (title, font and blocking travel in .xwd files)

    /// A run of fills, Quick Fill or Improve works in the crossword (Stop may have been pressed).
    bool RunInProgress() const { return Run != RunState::Idle; }
};

}  // namespace qm
