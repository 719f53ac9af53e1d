// PagePreview: the picture of the printed page shown on the Output page (PageImage on OutputPagePnl).
#pragma once

#include <QImage>
#include <QWidget>

namespace qm::ui {

/// Shows the page as the renderer drew it for the screen, centred in its parent panel; the window
/// redraws the picture whenever an output option changes or the Output page is entered. A widget of
/// the panel may be kept beside the picture, right of it and level with its foot (the page buttons).
class PagePreview : public QWidget {
    Q_OBJECT
public:
    explicit PagePreview(QWidget* parent = nullptr);

    /// Takes a newly drawn page and sizes the widget to it.
    void SetPicture(QImage picture);
    const QImage& Picture() const { return picture_; }
    /// How many pages have been drawn into it.
    int Pictures() const { return pictures_; }
    /// Keeps a widget of the same panel in the margin right of the picture, level with its foot.
    void KeepBeside(QWidget* widget);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Centre();

    QImage picture_;
    int pictures_ = 0;
    QWidget* beside_ = nullptr;
};

}  // namespace qm::ui
