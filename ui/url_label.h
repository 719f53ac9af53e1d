// UrlLabel: the web-page label of the Home page (blue, orange under the mouse, opens the page on click).
#pragma once

#include <QLabel>

namespace qm::ui {

class UrlLabel : public QLabel {
    Q_OBJECT
public:
    explicit UrlLabel(const QString& address, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void enterEvent(QEnterEvent* event) override;  // URLLabelMouseEnter
    void leaveEvent(QEvent* event) override;       // URLLabelMouseLeave
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void SetColour(unsigned colour);
};

}  // namespace qm::ui
