// A status bar of fixed-width text panels.
#include "ui/panel_status_bar.h"

#include <QHBoxLayout>
#include <QLabel>

namespace qm::ui {

PanelStatusBar::PanelStatusBar(const QList<int>& widths, QWidget* parent) : QFrame(parent)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(1, 1, 1, 1);
    row->setSpacing(2);
    for (int w : widths) {
        auto* panel = new QLabel(this);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setTextFormat(Qt::PlainText);
        // A fixed panel keeps its width; the last panel of width 0 takes what is left.
        if (w > 0)
            panel->setFixedWidth(w);
        else
            panel->setMinimumWidth(0);
        panel->setContentsMargins(2, 0, 2, 0);
        row->addWidget(panel, w > 0 ? 0 : 1);
        panels_.push_back(panel);
    }
    if (!widths.isEmpty() && widths.back() > 0) row->addStretch(1);
    setFixedHeight(fontMetrics().height() + 8);
}

void PanelStatusBar::setPanelText(int panel, const QString& text)
{
    if (panel >= 0 && panel < panels_.size()) panels_[panel]->setText(text);
}

QString PanelStatusBar::panelText(int panel) const
{
    return panel >= 0 && panel < panels_.size() ? panels_[panel]->text() : QString();
}

void PanelStatusBar::clearPanels()
{
    for (auto* p : panels_) p->clear();
}

}  // namespace qm::ui
