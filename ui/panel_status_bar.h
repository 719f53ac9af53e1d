// PanelStatusBar: a status bar of fixed-width text panels, addressed by panel number.
#pragma once

#include <QFrame>
#include <QList>

class QLabel;

namespace qm::ui {

/// A row of sunken text panels; panel widths in pixels, the last one 0 = takes the rest.
class PanelStatusBar : public QFrame {
    Q_OBJECT
public:
    PanelStatusBar(const QList<int>& widths, QWidget* parent = nullptr);

    void setPanelText(int panel, const QString& text);
    QString panelText(int panel) const;
    int panelCount() const { return static_cast<int>(panels_.size()); }
    void clearPanels();

private:
    QList<QLabel*> panels_;
};

}  // namespace qm::ui
