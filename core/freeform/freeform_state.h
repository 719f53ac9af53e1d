// FreeformState: what the freeform generator keeps between operations (options, seed, fill list, bitsets).
#pragma once

#include "core/fills/fill_list.h"
#include "core/freeform/candidate_index.h"
#include "core/freeform/scoring.h"

#include <cstdint>
#include <string>

namespace qm {

/// How the growth finds the words that fit a span. Both visit the same words in the same order and
/// so make the same fills from the same seed; Plain is the straightforward scan kept as the reference.
enum class CandidateScan : std::uint8_t {
    Indexed,  ///< per-length letter bitsets
    Plain,    ///< every entry of the length is compared with the span's pattern
};

/// Options of the freeform generator, as the window's controls set them.
struct FreeformOptions {
    bool AllowDuplicates = false;    ///< DupCheckBox " Allow duplicates"
    bool ModifyProbability = true;   ///< AlterProbCheckBox " Modify probability of selection"
    RankingMethod Ranking = RankingMethod::Score;  ///< read at the start of each run
    CandidateScan Scan = CandidateScan::Indexed;
};

struct FreeformState {
    FreeformOptions Options;
    std::string SeedWord;           ///< the ThemeWords entry the current fill starts from
    std::int32_t SeedCol = 1;       ///< start square of a plain seed word
    std::int32_t SeedRow = 1;
    FillList FreeFillsList;         ///< the rows of the freeform fills list, best fill first
    CandidateIndex Index;           ///< derived from the imported list; rebuilt when the list changes
};

}  // namespace qm
