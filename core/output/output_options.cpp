// The blocking styles table and the checks of the output options.
#include "core/output/output_options.h"

#include "core/util/failure.h"

#include <algorithm>

namespace qm {

const std::array<BlockingStyle, BlockingStyleCount> BlockingStyles = {{
    {"White (no frame)", 0x00FFFFFF, BrushStyle::Solid, "\\clshdng0"},
    {"Grey 10%", 0x00E0E0E0, BrushStyle::Solid, "\\clshdng1000"},
    {"Grey 20%", 0x00CFCFCF, BrushStyle::Solid, "\\clshdng2000"},
    {"Grey 30% (default)", 0x00AFAFAF, BrushStyle::Solid, "\\clshdng3000"},
    {"Grey 50%", 0x007F7F7F, BrushStyle::Solid, "\\clshdng5000"},
    {"Black", 0x00000000, BrushStyle::Solid, "\\clshdng10000"},
    {"Diagonal", 0x00000000, BrushStyle::BDiagonal, "\\clbgbdiag"},
    {"Crosshatch", 0x00000000, BrushStyle::Cross, "\\clbgcross"},
    {"Crosshatch diag.", 0x00000000, BrushStyle::DiagCross, "\\clbgdcross"},
}};

OutputMode OutputModeOf(int number)
{
    Check(number >= 0 && number < OutputModeCount,
          [&] { return "Output mode " + std::to_string(number) + " is outside 0.." + std::to_string(OutputModeCount - 1); });
    return static_cast<OutputMode>(number);
}

int PrintedGridMM(const OutputOptions& options) { return options.FitWidth ? FitWidthGridMM : options.GridMM; }

int DefaultGridMM(int gridSize) { return std::clamp(gridSize * GridMMPerSquare, MinGridMM, MaxGridMM); }

void CheckOutputOptions(const OutputOptions& options)
{
    OutputModeOf(static_cast<int>(options.Mode));
    Check(options.GridMM >= MinGridMM && options.GridMM <= MaxGridMM,
          "Grid size " + std::to_string(options.GridMM) + " mm is outside " + std::to_string(MinGridMM) + ".." +
              std::to_string(MaxGridMM) + " mm");
    Check(options.Blocking >= 0 && options.Blocking < BlockingStyleCount,
          "Blocking style " + std::to_string(options.Blocking) + " is outside 0.." + std::to_string(BlockingStyleCount - 1));
}

}  // namespace qm
