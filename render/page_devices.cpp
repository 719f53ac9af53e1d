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

namespace qm::render {

namespace {

/// 96 pixels per inch, the screen resolution the preview's font sizes are chosen for.
constexpr int ScreenDotsPerMeter = 3780;

void DrawOnPagedDevice(QPagedPaintDevice& device, const QuillmereState& state, OutputMode mode)
{
    const double width = device.pageLayout().fullRectPixels(device.logicalDpiX()).width();
    QPainter painter;
    if (!painter.begin(&device)) throw Failure("The printer could not be started.");
    QtPageCanvas canvas(painter, width);
    try {
        RenderPage(canvas, PageDevice::Printer, mode, state);
    } catch (...) {
        painter.end();
        throw;
    }
    painter.end();
}

}  // namespace

QImage RenderPreviewImage(const QuillmereState& state, OutputMode mode, int widthPixels)
{
    const int height = static_cast<int>(RoundHalfEven(static_cast<double>(A4HeightMM) * widthPixels / A4WidthMM));
    QImage image(widthPixels, height, QImage::Format_RGB32);
    image.setDotsPerMeterX(ScreenDotsPerMeter);
    image.setDotsPerMeterY(ScreenDotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    QtPageCanvas canvas(painter, widthPixels);
    RenderPage(canvas, PageDevice::Screen, mode, state);
    return image;
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

void PrintPage(QPagedPaintDevice& device, const QuillmereState& state, OutputMode mode) { DrawOnPagedDevice(device, state, mode); }

QByteArray PdfDocument(const QuillmereState& state, OutputMode mode)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(PdfResolution);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer.setTitle(QString::fromLatin1(state.Output.Title.c_str()));
        writer.setCreator(PrintJobTitle);
        DrawOnPagedDevice(writer, state, mode);
    }
    buffer.close();
    return bytes;
}

void WritePdfFile(const std::string& path, const QuillmereState& state, OutputMode mode)
{
    const QByteArray bytes = PdfDocument(state, mode);
    WriteFileSafely(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace qm::render
