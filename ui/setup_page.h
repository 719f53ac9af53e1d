// SetupPage: the Setup page of the workflow. For a symmetrical crossword it shows the stock grids of a size
// as thumbnails to choose from, the user's own grids ("My Grids") and the grid designer; for a freeform one
// it offers the grid sizes. Both kinds have a tab for the imported word list, whose controls the main
// window puts into them.
#pragma once

#include "core/design/grid_design.h"
#include "core/grid/stock_grids.h"

#include <QWidget>

#include <vector>

class QFrame;
class QListWidget;
class QPushButton;
class QScrollBar;
class QStackedWidget;
class QTabWidget;

namespace qm::ui {

class GridDesignerPanel;
class MainWindow;
class MyGridsPanel;
class PanelStatusBar;
class StockGridPreview;

/// The Setup page (objectName TabSheetSetup): the symmetrical setup (stock grid sizes, thumbnails,
/// "External Word List") and the freeform setup (grid sizes, "Word List"), one of them on show, and the
/// Back and Next buttons, which it reports by signals. It changes the crossword of the main window's state
/// when a size or a stock grid is chosen.
class SetupPage : public QWidget {
    Q_OBJECT
public:
    explicit SetupPage(MainWindow& window);

    /// The tabs the imported word list's controls are built into (freeform and symmetrical setup).
    QWidget* WordListTab() const { return builtInTab_; }
    QWidget* ExternalWordListTab() const { return externalWordListTab_; }
    /// Shows the setup of one kind of crossword.
    void ShowSymmetricSetup();
    void ShowFreeformSetup();
    /// The first tab of each kind's setup, as at start.
    void ShowFirstTabs();
    void EnableNext(bool enabled);
    /// Lists the sizes of the stock grids of the state and selects 15 x 15 in both size lists.
    void ListGridSizes();
    /// Shows the stock grids of the size selected in StockGridListBox as thumbnails, with a blank grid.
    void ShowStockGridsOfSize();
    /// Selects a freeform grid size without acting on it (a loaded crossword has its size already).
    void SelectFreeformSizeQuietly(int gridSize);
    /// The size lists, the thumbnails, My Grids and the designer: what a run pauses on this page.
    std::vector<QWidget*> GridChoosers() const;

    /// True while the grid to fill is the one in the designer (its tab chosen, not the stock grids', in
    /// the setup of a symmetrical crossword).
    bool Designing() const;
    GridDesignerPanel& Designer() const { return *designer_; }
    MyGridsPanel& MyGrids() const { return *myGrids_; }
    /// What the right side shows while designing: the designer's view and its status line.
    QWidget* DesignerPage() const;

signals:
    void backChosen();
    void nextChosen();

private:
    QWidget* BuildSymmetricSetup();
    QWidget* BuildStockGridsTab();
    QWidget* BuildFreeformSetup();
    void ConnectThumbnails();
    /// Gives the scroll bar the range and page of the thumbnail layout (without scrolling them).
    void ApplyLayoutToScrollBar();
    void RedrawStockGridPreviews();

    void OnStockGridSizeClicked();
    /// True while the last row of the size list, My Grids, is the chosen one.
    bool MyGridsRowChosen() const;
    /// My Grids in place of the stock thumbnails (and their status bar), or the thumbnails again.
    void ShowMyGrids(bool show);
    void OnThumbnailsResized();
    /// A click on the thumbnails: chooses the stock grid under the mouse and analyses it.
    void OnThumbnailClicked(QPoint at);
    void OnFreeformSizeClicked();

    /// "Design...": the designer with a copy of the chosen stock grid, or a blank grid of the size on show.
    void OnDesignClicked();
    /// Opens a design in the designer (asking first when the one there has unsaved changes).
    void OpenInDesigner(const GridDesign& design);
    void OnSymmetricTabChanged();
    /// Makes the designer's grid (or the stock grid) the one to fill: the right side, Next and Start follow.
    void SetDesigning(bool designing);
    void OnCanFillChanged(bool canFill);
    void OnSaveToMyGrids();

    MainWindow& window_;
    /// The thumbnails of the size on show, as laid out for PreviewImg.
    PreviewLayout previewLayout_;
    /// The row of StockGridListBox whose grids are on show.
    int shownStockSizeRow_ = -1;

    QStackedWidget* setupKinds_ = nullptr;
    QWidget* symmetricSetup_ = nullptr;
    QWidget* freeformSetup_ = nullptr;
    QTabWidget* symmetricSetupTabs_ = nullptr;
    QWidget* stockGridsTab_ = nullptr;
    QWidget* externalWordListTab_ = nullptr;
    QWidget* testTab_ = nullptr;
    QListWidget* stockGridSizes_ = nullptr;
    StockGridPreview* stockGridThumbnails_ = nullptr;
    QScrollBar* thumbnailScrollBar_ = nullptr;
    PanelStatusBar* stockGridStatus_ = nullptr;
    /// The thumbnails of the size on show, or My Grids.
    QStackedWidget* stockGridChoices_ = nullptr;
    QFrame* thumbnailFrame_ = nullptr;  ///< the thumbnails and their scroll bar
    QPushButton* designButton_ = nullptr;
    MyGridsPanel* myGrids_ = nullptr;
    GridDesignerPanel* designer_ = nullptr;
    bool designing_ = false;
    QTabWidget* freeformSetupTabs_ = nullptr;
    QWidget* builtInTab_ = nullptr;
    QListWidget* freeformGridSizes_ = nullptr;
    QPushButton* setupNextButton_ = nullptr;
    QPushButton* setupBackButton_ = nullptr;
};

}  // namespace qm::ui
