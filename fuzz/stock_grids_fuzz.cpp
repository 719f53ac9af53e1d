// Fuzz target: the GRIDSRES reader and the fill sequence analysis of every grid it accepts. Any bytes
// either load or fail with a message; every loaded grid is analysed or refused with a message, and an
// accepted analysis has a consistent slot table.
#include "core/grid/stock_grids.h"
#include "core/symmetric/analysis.h"
#include "core/util/failure.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto lib = std::make_unique<qm::StockGridLibrary>();
    try {
        qm::LoadStockGrids(*lib, std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const qm::Failure&) {
        return 0;
    }
    if (lib->GridCount > qm::MaxStockGrids) std::abort();
    // The window analyses one grid per click and the grids of a resource do not depend on one another,
    // so one grid is analysed per input, picked by its last byte (analysing every grid of a full
    // library would take most of a second per input under the sanitizers).
    auto xw = std::make_unique<qm::Crossword>();
    if (lib->GridCount > 0) {
        const int k = 1 + data[size - 1] % lib->GridCount;
        try {
            qm::ChooseStockGrid(*lib, k, *xw);
        } catch (const qm::Failure&) {
            return 0;
        }
        if (xw->WordSlotCount > qm::MaxWordSlots) std::abort();
        for (int i = 1; i <= xw->WordSlotCount; ++i) {
            const qm::WordSlot& s = xw->Slot(i);
            if (s.Seq != i || s.DepNum < 0 || s.DepNum > qm::MaxSlotDeps) std::abort();
            for (int d = 0; d < s.DepNum; ++d)
                if (s.Deps[static_cast<std::size_t>(d)].DepSlot >= i || s.Deps[static_cast<std::size_t>(d)].PosHere > s.NumLett)
                    std::abort();
        }
    }
    return 0;
}
