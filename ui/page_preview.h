// PagePreview: the picture of the printed page shown on the Output page (PageImage on OutputPagePnl).
#pragma once

#include <QImage>
#include <QWidget>

namespace qm::ui {

/// Shows the page as the renderer drew it for the screen, centred in its parent panel; the window
/// redraws the picture whenever an output option changes or the Output page is entered.
class PagePreview : public QWidget {
    Q_OBJECT
public:
    explicit PagePreview(QWidget* parent = nullptr);

    /// Takes a newly drawn page and sizes the widget to it.
    void SetPicture(QImage picture);
    const QImage& Picture() const { return picture_; }
    /// How many pages have been drawn into it.
    int Pictures() const { return pictures_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Centre();

    QImage picture_;
    int pictures_ = 0;
};

}  // namespace qm::ui
