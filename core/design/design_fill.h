// Filling a designed grid: the design checked and analysed as the engine for any grid takes it (its
// placed letters and whole words kept in every fill), and a run of fills into the program's stores.
#pragma once

#include "core/anyfill/any_fill_stores.h"
#include "core/design/grid_design.h"

#include <functional>
#include <string>

namespace qm {

/// The design as a grid to fill: its pattern checked as the fill checks it (Failure with the message
/// of the first problem, as CheckDesign's FillRefusal gives it), its slots found and numbered, its
/// placed letters in the squares.
AnyGrid AnyGridOfDesign(const GridDesign& design, const GridCheckOptions& options);

/// Fills the design with the words of state.FillSource as RunAnyFills does; the fills are kept, listed
/// and shown as a stock grid's are.
AnyRunResult RunDesignFills(QuillmereState& state, FillList& list, const GridDesign& design, const GridCheckOptions& options,
                            const AnyFillRequest& request, const AnyFillCallbacks& callbacks = {},
                            const std::function<void(const FillRow& row, int position)>& fillListed = {});

}  // namespace qm
