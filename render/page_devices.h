// The three places a page is drawn: the preview image, the printer and a PDF file.
#pragma once

#include "core/output/render_page.h"

#include <QByteArray>
#include <QImage>

#include <string>

class QPagedPaintDevice;

namespace qm {
struct QuillmereState;
}

namespace qm::render {

/// The print job's title.
inline constexpr const char* PrintJobTitle = "Quillmere";
/// Pixels per inch of the PDF file's page (a printer's usual resolution; pens are 3 pixels wide).
constexpr int PdfResolution = 300;

/// The page preview: a white A4 page widthPixels wide (615 pixels high at the usual 435) with a
/// black border, fonts at the screen's 96 pixels per inch, drawn for "screen" in the given mode.
QImage RenderPreviewImage(const QuillmereState& state, OutputMode mode, int widthPixels = PreviewWidthPixels);

/// A small picture of blocking style index (0..8) as the page draws it, for the style list's items:
/// the style's fill in a black outline (white without one for "White (no frame)").
QImage BlockingSwatch(int index, int sizePixels = 16);

/// Prints the page of the given mode on a printer (a QPrinter set up by the print dialog, portrait,
/// with PrintJobTitle as its document name) or any other paged device, drawn for "printer" from the
/// device's origin. Throws Failure when the device cannot be started.
void PrintPage(QPagedPaintDevice& device, const QuillmereState& state, OutputMode mode);

/// The printed page as a one-page A4 portrait PDF document.
QByteArray PdfDocument(const QuillmereState& state, OutputMode mode);

/// Writes PdfDocument to a file (safely: a failure never leaves a partial file).
void WritePdfFile(const std::string& path, const QuillmereState& state, OutputMode mode);

}  // namespace qm::render
