// RenderPage: draws the printed page (extras, title, grid, clues or answer lists) on any PageCanvas.
#pragma once

#include "core/output/page_canvas.h"
#include "core/output/page_layout.h"

namespace qm {

struct QuillmereState;

/// Preview width in pixels; the page shown is 615 pixels high.
constexpr int PreviewWidthPixels = 435;

/// Pen width of the grid's lines: 1 pixel on the preview, 3 on the printer.
constexpr int PenWidthFor(PageDevice device) { return device == PageDevice::Screen ? 1 : 3; }

/// Draws the page of the given mode (0..6) for the crossword and output options in the state. On
/// the preview the page is first painted white with a black border, and nothing more is drawn
/// while the crossword has no words. The output options are checked first (Failure when out of range).
void RenderPage(PageCanvas& canvas, PageDevice device, OutputMode mode, const QuillmereState& state);

}  // namespace qm
