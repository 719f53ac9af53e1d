// The HTML export: the crossword as a simple web page (grid table, clue tables, answer lists).
#pragma once

#include "core/output/output_options.h"

#include <string>

namespace qm {

struct QuillmereState;

/// The width of a grid cell, 100 / gridSize with two decimals, as a quoted percentage ("6.67%").
std::string CellWidthAttr(int gridSize);

/// The whole page for a mode, in CR LF lines. Crossword texts are written as they are.
std::string HtmlDocument(const QuillmereState& state, OutputMode mode);

/// Writes HtmlDocument to a file (safely: a failure never leaves a partial file).
void WriteHtmlFile(const std::string& path, const QuillmereState& state, OutputMode mode);

}  // namespace qm
