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

/// The pages of the printout as the PDF file lays them out, with the PDF file's own font measures:
/// the pages the preview shows.
PagePlan PdfPagePlan(const QuillmereState& state, OutputMode mode);

/// How many pages the PDF file of the mode has (the printer's pages, unless its fonts measure
/// otherwise).
int PrintedPageCount(const QuillmereState& state, OutputMode mode);

/// One page of the preview, and how many there are.
struct PreviewPage {
    QImage Picture;
    int Page = 0;   ///< the page drawn, from 0: the one asked for, held to the pages there are
    int Pages = 1;  ///< the pages of the PDF file
};

/// A page of the preview: a white A4 page widthPixels wide (615 pixels high at the usual 435) with a
/// black border, fonts at the screen's 96 pixels per inch, drawn for "screen" in the given mode;
/// its clue area holds what that page of the PDF file holds, in the same places.
PreviewPage RenderPreviewPage(const QuillmereState& state, OutputMode mode, int page, int widthPixels = PreviewWidthPixels);

/// The picture of RenderPreviewPage alone.
QImage RenderPreviewImage(const QuillmereState& state, OutputMode mode, int widthPixels = PreviewWidthPixels, int page = 0);

/// A small picture of blocking style index (0..8) as the page draws it, for the style list's items:
/// the style's fill in a black outline (white without one for "White (no frame)").
QImage BlockingSwatch(int index, int sizePixels = 16);

/// Prints the pages of the given mode on a printer (a QPrinter set up by the print dialog, portrait,
/// with PrintJobTitle as its document name) or any other paged device, drawn for "printer" from the
/// device's origin and laid out with the device's own font measures: as many pages as the clues
/// need. Throws Failure when the device cannot be started.
void PrintPages(QPagedPaintDevice& device, const QuillmereState& state, OutputMode mode);

/// The printed pages as an A4 portrait PDF document (one page when the clues fit on one).
QByteArray PdfDocument(const QuillmereState& state, OutputMode mode);

/// Writes PdfDocument to a file (safely: a failure never leaves a partial file); returns its pages.
int WritePdfFile(const std::string& path, const QuillmereState& state, OutputMode mode);

}  // namespace qm::render
