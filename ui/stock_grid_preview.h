// StockGridPreview: the PreviewImg of the Setup page, the stock grids of one size as grey thumbnails.
#pragma once

#include <QWidget>

#include <array>
#include <cstdint>
#include <vector>

namespace qm::ui {

/// One thumbnail as the preview draws it: 6 pixels per square, the stored upper half of the pattern
/// (row masks, bit c = column c blocked) and its 180-degree rotated partner.
struct StockThumbnail {
    int Left = 0;                            ///< PreviewLeft
    int Top = 0;                             ///< PreviewTop (already scrolled)
    int Size = 0;                            ///< N
    std::array<std::int32_t, 15> RowMasks{};  ///< rows 1..(N+1) div 2
    int Ordinal = 0;                         ///< position among the grids of its size, from 1
    int WhiteCount = 0;                      ///< open squares, shown as "  n letters"
    bool Selected = false;                   ///< drawn in black instead of grey
};

/// Pixels per square of a thumbnail.
constexpr int ThumbPixelsPerSquare = 6;

/// Paints the thumbnails it is given on white; a released mouse button is reported with its position,
/// so that the window can hit-test it against the stock grids.
class StockGridPreview : public QWidget {
    Q_OBJECT
public:
    explicit StockGridPreview(QWidget* parent = nullptr);

    void SetThumbnails(std::vector<StockThumbnail> thumbnails);
    const std::vector<StockThumbnail>& Thumbnails() const { return thumbnails_; }

    /// The height of a caption line under a thumbnail (the text height of "X" + 1).
    int CaptionHeight() const;

signals:
    void mouseUp(QPoint position, Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::vector<StockThumbnail> thumbnails_;
};

}  // namespace qm::ui
