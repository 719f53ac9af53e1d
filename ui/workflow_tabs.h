// WorkflowTabs: the page control of the workflow pages, whose hidden pages can be shown by code.
#pragma once

#include <QTabBar>
#include <QTabWidget>

namespace qm::ui {

/// A tab bar that leaves the current tab undrawn while it is a hidden tab (a page reached by a
/// shortcut), instead of drawing it over the corner of the bar.
class HiddenPageTabBar : public QTabBar {
    Q_OBJECT
public:
    using QTabBar::QTabBar;

protected:
    void paintEvent(QPaintEvent* event) override;
};

/// PageControlLeft: a tab widget with the tab bar above.
class WorkflowTabs : public QTabWidget {
    Q_OBJECT
public:
    explicit WorkflowTabs(QWidget* parent = nullptr);
};

}  // namespace qm::ui
