// The preview image, printer and PDF back ends of the page renderer.
#include "render/page_devices.h"

#include "core/state.h"
#include "core/util/failure.h"
#include "core/util/file_io.h"
#include "core/util/text.h"
#include "render/qt_page_canvas.h"

#include <QBuffer>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace qm::render {

namespace {

/// 96 pixels per inch, the screen resolution the preview's font sizes are chosen for.
constexpr int ScreenDotsPerMeter = 3780;

/// Draws every page, laid out with the device's own measures; returns how many.
int DrawOnPagedDevice(QPagedPaintDevice& device, const QuillmereState& state, OutputMode mode)
{
    const double width = device.pageLayout().fullRectPixels(device.logicalDpiX()).width();
    QPainter painter;
    if (!painter.begin(&device)) throw Failure("The printer could not be started.");
    QtPageCanvas canvas(painter, width);
    int pages = 0;
    try {
        const PagePlan plan = PlanPages(canvas, PageDevice::Printer, mode, state);
        for (; pages < static_cast<int>(plan.Pages.size()); ++pages) {
            if (pages > 0 && !device.newPage()) throw Failure("The printer could not start a new page.");
            RenderPage(canvas, PageDevice::Printer, mode, state, plan, pages);
        }
    } catch (...) {
        painter.end();
        throw;
    }
    painter.end();
    return pages;
}

/// Sets a PDF writer to the printout's A4 portrait page at PdfResolution.
void SetUpPdfWriter(QPdfWriter& writer, const QuillmereState& state)
{
    writer.setResolution(PdfResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    writer.setTitle(QString::fromLatin1(state.Output.Title.c_str()));
    writer.setCreator(PrintJobTitle);
}

/// The PDF document and how many pages it has.
QByteArray PdfPages(const QuillmereState& state, OutputMode mode, int& pages)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        SetUpPdfWriter(writer, state);
        pages = DrawOnPagedDevice(writer, state, mode);
    }
    buffer.close();
    return bytes;
}

}  // namespace

PagePlan PdfPagePlan(const QuillmereState& state, OutputMode mode)
{
    // Measured on a PDF writer like the file's, whose page is never finished: its fonts are the file's.
    QBuffer scratch;
    scratch.open(QIODevice::WriteOnly);
    QPdfWriter writer(&scratch);
    SetUpPdfWriter(writer, state);
    QPainter painter;
    if (!painter.begin(&writer)) throw Failure("The page could not be measured.");
    QtPageCanvas canvas(painter, writer.pageLayout().fullRectPixels(writer.logicalDpiX()).width());
    try {
        PagePlan plan = PlanPages(canvas, PageDevice::Printer, mode, state);
        painter.end();
        return plan;
    } catch (...) {
        painter.end();
        throw;
    }
}

int PrintedPageCount(const QuillmereState& state, OutputMode mode) { return static_cast<int>(PdfPagePlan(state, mode).Pages.size()); }

PreviewPage RenderPreviewPage(const QuillmereState& state, OutputMode mode, int page, int widthPixels)
{
    const PagePlan plan = PdfPagePlan(state, mode);
    PreviewPage preview;
    preview.Pages = static_cast<int>(plan.Pages.size());
    preview.Page = std::clamp(page, 0, preview.Pages - 1);
    const int height = static_cast<int>(RoundHalfEven(static_cast<double>(A4HeightMM) * widthPixels / A4WidthMM));
    preview.Picture = QImage(widthPixels, height, QImage::Format_RGB32);
    preview.Picture.setDotsPerMeterX(ScreenDotsPerMeter);
    preview.Picture.setDotsPerMeterY(ScreenDotsPerMeter);
    preview.Picture.fill(Qt::white);
    QPainter painter(&preview.Picture);
    QtPageCanvas canvas(painter, widthPixels);
    RenderPage(canvas, PageDevice::Screen, mode, state, plan, preview.Page);
    return preview;
}

QImage RenderPreviewImage(const QuillmereState& state, OutputMode mode, int widthPixels, int page)
{
    return RenderPreviewPage(state, mode, page, widthPixels).Picture;
}

QImage BlockingSwatch(int index, int sizePixels)
{
    Check(index >= 0 && index < BlockingStyleCount, "Blocking style " + std::to_string(index) + " does not exist");
    QImage image(sizePixels, sizePixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QtPageCanvas canvas(painter, sizePixels);
    const BlockingStyle& style = BlockingStyles[static_cast<std::size_t>(index)];
    const PixelRect square{0, 0, sizePixels, sizePixels};
    if (index > 0)
        canvas.Rectangle(square, 0x000000, 1, style.Brush, style.Fill);
    else
        canvas.Rectangle(square, 0xFFFFFF, 1, BrushStyle::Solid, style.Fill);
    return image;
}

void PrintPages(QPagedPaintDevice& device, const QuillmereState& state, OutputMode mode) { DrawOnPagedDevice(device, state, mode); }

QByteArray PdfDocument(const QuillmereState& state, OutputMode mode)
{
    int pages = 0;
    return PdfPages(state, mode, pages);
}

int WritePdfFile(const std::string& path, const QuillmereState& state, OutputMode mode)
{
    int pages = 0;
    const QByteArray bytes = PdfPages(state, mode, pages);
    WriteFileSafely(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    return pages;
}

}  // namespace qm::render
