// PageCanvas: the drawing interface the page renderer draws through (preview image, printer, PDF file).
#pragma once

#include "core/grid/colours.h"
#include "core/output/output_options.h"

#include <string>
#include <string_view>

namespace qm {

/// A rectangle in device pixels; like the platform's own rectangles, Right and Bottom lie just
/// outside it.
struct PixelRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

/// How DrawText places a text in its box. Texts are always clipped to the box.
enum TextFlags : unsigned {
    TextLeft = 0,
    TextRight = 1u << 0,
    TextHCenter = 1u << 1,
    TextVCenter = 1u << 2,  ///< centred vertically (single line); otherwise from the top
    TextWordWrap = 1u << 3, ///< broken into lines at blanks; otherwise one line
};

/// Where a page is drawn. The core's RenderPage draws every page through this interface, and the
/// window layer implements it once per device (preview image, printer, PDF file), so the three
/// can never draw different pages. Text measures come from the device's own font metrics.
class PageCanvas {
public:
    virtual ~PageCanvas() = default;

    /// Width of the whole physical page in device pixels (the page is A4 portrait, 210 mm wide).
    virtual double PageWidthPixels() const = 0;

    /// Selects the font for the following texts; the size is in points at the device's resolution.
    virtual void SetFont(const std::string& family, int points, bool bold, bool underline) = 0;

    /// Height in pixels of one line of the current font.
    virtual int LineHeight() = 0;

    /// Draws a text (single-byte, Windows-1252) in a box, clipped to it; returns the height in
    /// pixels of the text as laid out (one line height unless it wrapped).
    virtual int DrawText(const PixelRect& box, std::string_view text, unsigned flags) = 0;

    /// Height in pixels that DrawText would give the text in a box of that width, without drawing
    /// it: how the page's layout learns where the next text goes and whether a page holds it.
    virtual int TextHeight(int width, std::string_view text, unsigned flags) = 0;

    /// Width in pixels of the text on one line in the current font.
    virtual int TextWidth(std::string_view text) = 0;

    /// Draws a text with its top left corner at (x, y), unclipped.
    virtual void TextOut(int x, int y, std::string_view text) = 0;

    /// Draws a rectangle: outlined with a pen of the given colour and width, and filled with the
    /// brush unless it is Clear (a hatch draws its lines in the brush colour).
    virtual void Rectangle(const PixelRect& r, Colour pen, int penWidth, BrushStyle brush, Colour brushColour) = 0;
};

}  // namespace qm
