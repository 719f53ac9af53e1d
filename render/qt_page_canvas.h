// QtPageCanvas: the page's drawing interface on a QPainter (preview image, printer or PDF writer).
#pragma once

#include "core/output/page_canvas.h"

class QPainter;

namespace qm::render {

/// Draws through a painter that is already active on its device. Fonts take their point sizes at
/// the device's resolution and every text measure comes from the device's font metrics, so one
/// renderer serves the preview image, the printer and the PDF file alike.
class QtPageCanvas final : public PageCanvas {
public:
    /// pageWidthPixels: the physical page's width in the device's pixels.
    QtPageCanvas(QPainter& painter, double pageWidthPixels);

    double PageWidthPixels() const override { return pageWidth_; }
    void SetFont(const std::string& family, int points, bool bold, bool underline) override;
    int LineHeight() override;
    int DrawText(const PixelRect& box, std::string_view text, unsigned flags) override;
    int TextHeight(int width, std::string_view text, unsigned flags) override;
    int TextWidth(std::string_view text) override;
    void TextOut(int x, int y, std::string_view text) override;
    void Rectangle(const PixelRect& r, Colour pen, int penWidth, BrushStyle brush, Colour brushColour) override;

private:
    QPainter& painter_;
    double pageWidth_;
};

}  // namespace qm::render
