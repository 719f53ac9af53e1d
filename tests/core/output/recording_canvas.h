// RecordingCanvas: a PageCanvas for the page tests that records what is drawn, with simple known font metrics.
#pragma once

#include "core/output/page_canvas.h"

#include <algorithm>
#include <string>
#include <vector>

namespace qm::test {

/// Records what is drawn. Its font metrics are simple and known: a line is twice the point size
/// high, and a character is as wide as the point size.
class RecordingCanvas : public PageCanvas {
public:
    struct Text {
        PixelRect Box;  ///< TextOut: the point in Left / Top, the rest 0
        std::string Value;
        unsigned Flags = 0;
        int Points = 0;
        bool Bold = false;
        bool Underline = false;
        bool Out = false;  ///< drawn by TextOut
        int Height = 0;    ///< the height of the text as laid out, also where its box cuts it off
    };
    struct Rect {
        PixelRect Box;
        Colour Pen;
        int PenWidth;
        BrushStyle Brush;
        Colour Fill;
    };

    explicit RecordingCanvas(double width) : width_(width) {}

    double PageWidthPixels() const override { return width_; }
    void SetFont(const std::string& family, int points, bool bold, bool underline) override
    {
        Families.push_back(family);
        points_ = points;
        bold_ = bold;
        underline_ = underline;
    }
    int LineHeight() override { return 2 * points_; }
    int DrawText(const PixelRect& box, std::string_view text, unsigned flags) override
    {
        const int height = TextHeight(box.Right - box.Left, text, flags);
        Texts.push_back({box, std::string(text), flags, points_, bold_, underline_, false, height});
        return height;
    }
    int TextHeight(int width, std::string_view text, unsigned flags) override
    {
        if (!(flags & TextWordWrap)) return LineHeight();
        const int lines = std::max(1, (static_cast<int>(text.size()) * points_ + std::max(1, width) - 1) / std::max(1, width));
        return lines * LineHeight();
    }
    int TextWidth(std::string_view text) override { return static_cast<int>(text.size()) * points_; }
    void TextOut(int x, int y, std::string_view text) override
    {
        Texts.push_back({{x, y, 0, 0}, std::string(text), 0, points_, bold_, underline_, true, LineHeight()});
    }
    void Rectangle(const PixelRect& r, Colour pen, int penWidth, BrushStyle brush, Colour fill) override
    {
        Rects.push_back({r, pen, penWidth, brush, fill});
    }

    const Text* Find(const std::string& value) const
    {
        for (const Text& t : Texts)
            if (t.Value == value) return &t;
        return nullptr;
    }

    std::vector<Text> Texts;
    std::vector<Rect> Rects;
    std::vector<std::string> Families;

private:
    double width_;
    int points_ = 0;
    bool bold_ = false;
    bool underline_ = false;
};

}  // namespace qm::test
