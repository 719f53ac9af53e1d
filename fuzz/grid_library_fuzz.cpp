// Fuzz target: the reader of the My grids file, and the designer's live checks on every grid it accepts.
// Any bytes either give a library of named, checked grids or fail with a message; an accepted library
// is written back to a text that reads as the same grids and writes the same text again, and the live
// checks give a verdict on each grid that agrees with the fill's own analysis.
#include "core/anyfill/any_grid.h"
#include "core/design/design_checks.h"
#include "core/design/grid_library.h"
#include "core/util/failure.h"
#include "core/util/text.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<qm::LibraryGrid> grids;
    try {
        grids = qm::ReadGridLibrary(text);
    } catch (const qm::Failure& e) {
        if (std::string_view(e.what()).empty()) std::abort();  // a refusal always says why
        return 0;
    }
    if (grids.size() > static_cast<std::size_t>(qm::MaxLibraryGrids)) std::abort();
    for (std::size_t i = 0; i < grids.size(); ++i) {
        const qm::LibraryGrid& g = grids[i];
        if (qm::CheckedGridName(g.Name) != g.Name) std::abort();
        for (std::size_t j = 0; j < i; ++j)
            if (qm::CompareTextCI(grids[j].Name, g.Name) == 0) std::abort();
        const int n = g.Design.Size();
        if (n < qm::MinAnyGridSize || n > qm::MaxAnyGridSize) std::abort();
        for (int r = 1; r <= n; ++r)
            for (int c = 1; c <= n; ++c) {
                const char square = g.Design.At(r, c);
                if (square != '#' && square != ' ' && (square < 'A' || square > 'Z')) std::abort();
            }
    }

    // Written and read back: the same grids, and the same text again.
    const std::string written = qm::WriteGridLibrary(grids);
    const std::vector<qm::LibraryGrid> again = qm::ReadGridLibrary(written);
    if (again.size() != grids.size()) std::abort();
    for (std::size_t i = 0; i < grids.size(); ++i) {
        if (again[i].Name != grids[i].Name || again[i].Design.Symmetry() != grids[i].Design.Symmetry() ||
            qm::DesignGridText(again[i].Design) != qm::DesignGridText(grids[i].Design))
            std::abort();
    }
    if (qm::WriteGridLibrary(again) != written) std::abort();

    // The live checks on the first few grids: their verdict is the fill's unless a word is placed twice,
    // which only the fill engine refuses.
    for (std::size_t i = 0; i < grids.size() && i < 4; ++i) {
        const qm::GridCheckOptions options{size % 2 == 1};
        const qm::DesignReport report = qm::CheckDesign(grids[i].Design, options);
        std::string thrown;
        try {
            (void)qm::AnalyseAnyGrid(grids[i].Design.Squares(), options);
        } catch (const qm::Failure& e) {
            thrown = e.what();
            if (thrown.empty()) std::abort();
        }
        bool repeated = false;
        bool stops = false;
        for (const qm::DesignFinding& f : report.Findings) {
            repeated = repeated || f.Kind == qm::DesignProblem::RepeatedWord;
            stops = stops || f.StopsFill;
        }
        if ((!repeated || !thrown.empty()) && report.FillRefusal != thrown) std::abort();
        if (report.CanFill != !stops || report.CanFill != report.FillRefusal.empty()) std::abort();
    }
    return 0;
}
