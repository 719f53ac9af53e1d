// Writing an export (RTF or HTML) to disk safely, and the names the export dialogs propose.
#pragma once

#include <string>
#include <string_view>

namespace qm {

/// The name the RTF and HTML save dialogs propose.
inline constexpr const char* ProposedExportName = "000001";
inline constexpr const char* RtfFileFilter = "Rich Text Files (*.rtf)|*.rtf";
inline constexpr const char* HtmlFileFilter = "HTML Files (*.htm)|*.htm";

/// The first line of the message when an export cannot be written.
inline constexpr const char* ExportCreateError = "Error creating file:\rMay be in use";

/// Writes an export through a temporary file renamed over the target, so a failure never leaves a
/// partial file; a failure throws Failure with ExportCreateError followed by the reason.
void WriteExportFile(const std::string& path, std::string_view bytes);

}  // namespace qm
