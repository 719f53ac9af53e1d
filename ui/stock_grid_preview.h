// StockGridPreview: the PreviewImg of the Setup page, the stock grids of one size as grey thumbnails.
#pragma once

#include "core/grid/stock_grids.h"

#include <QString>
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
    std::array<std::int32_t, MaxStockGridRows> RowMasks{};  ///< rows 1..(N+1) div 2
    QString Ordinal;                         ///< "k.": position among the grids of its size
    QString Letters;                         ///< "  n letters", right-aligned under the thumbnail
    bool Selected = false;                   ///< drawn in black instead of grey
};

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
    /// The wheel turned over the preview: steps to scroll (positive = down).
    void wheelSteps(int steps);
    void resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    std::vector<StockThumbnail> thumbnails_;
};

}  // namespace qm::ui
