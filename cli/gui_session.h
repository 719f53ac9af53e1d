// GuiSession: the Qt application the font and page commands need, started without a display.
#pragma once

namespace qm::cli {

/// Fonts, the PDF writer and font metrics need a Qt application. One is started on the first
/// request, on the offscreen platform unless QT_QPA_PLATFORM says otherwise, and lives until exit.
void EnsureGuiSession();

}  // namespace qm::cli
