// A designed grid to the engine for any grid.
#include "core/design/design_fill.h"

#include <memory>

namespace qm {

AnyGrid AnyGridOfDesign(const GridDesign& design, const GridCheckOptions& options) { return AnalyseAnyGrid(design.Squares(), options); }

AnyRunResult RunDesignFills(QuillmereState& state, FillList& list, const GridDesign& design, const GridCheckOptions& options,
                            const AnyFillRequest& request, const AnyFillCallbacks& callbacks,
                            const std::function<void(const FillRow& row, int position)>& fillListed)
{
    auto grid = std::make_shared<const AnyGrid>(AnyGridOfDesign(design, options));
    return RunAnyFills(state, list, std::move(grid), request, callbacks, fillListed);
}

}  // namespace qm
