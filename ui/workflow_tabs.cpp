// The workflow page control and its tab bar.
#include "ui/workflow_tabs.h"

#include <QStyleOptionTab>
#include <QStylePainter>

namespace qm::ui {

void HiddenPageTabBar::paintEvent(QPaintEvent* event)
{
    const int current = currentIndex();
    if (current < 0 || isTabVisible(current)) {
        QTabBar::paintEvent(event);
        return;
    }
    QStylePainter p(this);
    for (int i = 0; i < count(); ++i) {
        if (!isTabVisible(i)) continue;
        QStyleOptionTab tab;
        initStyleOption(&tab, i);
        tab.state &= ~QStyle::State_Selected;
        p.drawControl(QStyle::CE_TabBarTab, tab);
    }
}

WorkflowTabs::WorkflowTabs(QWidget* parent) : QTabWidget(parent) { setTabBar(new HiddenPageTabBar(this)); }

}  // namespace qm::ui
