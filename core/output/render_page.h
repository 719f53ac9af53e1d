// RenderPage: draws a printed page (extras, title, class sheet lines, grid, clues or answer lists) on any PageCanvas.
#pragma once

#include "core/output/page_canvas.h"
#include "core/output/page_layout.h"
#include "core/output/page_plan.h"

namespace qm {

struct QuillmereState;

/// Preview width in pixels; the page shown is 615 pixels high.
constexpr int PreviewWidthPixels = 435;

/// Pen width of the grid's lines: 1 pixel on the preview, 3 on the printer.
constexpr int PenWidthFor(PageDevice device) { return device == PageDevice::Screen ? 1 : 3; }

/// Draws page `page` (from 0) of the plan for the given mode (0..6), the crossword and the output
/// options in the state. Every page carries the extras block and the title as the options ask; the
/// first page then the name line, the heading "Answers" and the grid; each page its share of the
/// clue area as the plan laid it out (scaled when the plan was measured on another device). On the
/// preview the page is first painted white with a black border, and nothing more is drawn while the
/// crossword has no words. The output options are checked first (Failure when out of range, and
/// for a page the plan does not have).
void RenderPage(PageCanvas& canvas, PageDevice device, OutputMode mode, const QuillmereState& state, const PagePlan& plan,
                int page);

/// Draws the first page, laid out with the canvas's own measures: the whole page when the crossword
/// fits on one.
void RenderPage(PageCanvas& canvas, PageDevice device, OutputMode mode, const QuillmereState& state);

}  // namespace qm
