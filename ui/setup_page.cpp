// SetupPage: the stock grids of a size as thumbnails (symmetrical), the freeform grid sizes, the tabs of the
// imported word list, and the Back/Next buttons.
#include "ui/setup_page.h"

#include "core/design/grid_library.h"
#include "core/grid/stock_grids.h"
#include "core/symmetric/analysis.h"
#include "core/words/import.h"
#include "ui/designer_my_grids.h"
#include "ui/designer_view.h"
#include "ui/diagnostics_window.h"
#include "ui/form_building.h"
#include "ui/grid_designer_panel.h"
#include "ui/main_window.h"
#include "ui/my_grids_panel.h"
#include "ui/output_page.h"
#include "ui/owner_drawn_lists.h"
#include "ui/panel_status_bar.h"
#include "ui/stock_grid_preview.h"
#include "ui/symmetric_generate_page.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace qm::ui {

namespace {
/// Item height of the owner-drawn size lists.
constexpr int SizeItemHeight = 16;
constexpr int SizeListWidth = 76;
/// The last row of the stock grid size list: the user's own grids.
const QString MyGridsRowText = QStringLiteral("My Grids");
}  // namespace

SetupPage::SetupPage(MainWindow& window) : window_(window)
{
    setObjectName("TabSheetSetup");
    auto* col = new QVBoxLayout(this);
    col->setContentsMargins(4, 4, 4, 4);
    col->setSpacing(6);

    setupKinds_ = Named<QStackedWidget>("PageControlSetup", this);
    symmetricSetup_ = BuildSymmetricSetup();
    freeformSetup_ = BuildFreeformSetup();
    setupKinds_->addWidget(symmetricSetup_);
    setupKinds_->addWidget(freeformSetup_);
    col->addWidget(setupKinds_, 1);

    const BackNextButtons backNext = AddBackNextRow(this, col, "BackBtn1", "NextBtn1");
    setupBackButton_ = backNext.Back;
    setupNextButton_ = backNext.Next;
    connect(setupNextButton_, &QPushButton::clicked, this, &SetupPage::nextChosen);
    connect(setupBackButton_, &QPushButton::clicked, this, &SetupPage::backChosen);
}

QWidget* SetupPage::BuildSymmetricSetup()
{
    auto* page = Named<QWidget>("TabSheetSymmetric");
    auto* col = new QVBoxLayout(page);
    col->setContentsMargins(0, 0, 0, 0);
    symmetricSetupTabs_ = Named<QTabWidget>("PageControlSymmetric", page);
    col->addWidget(symmetricSetupTabs_);

    stockGridsTab_ = BuildStockGridsTab();
    designer_ = new GridDesignerPanel(window_.Dialogs());
    externalWordListTab_ = Named<QWidget>("TabSheetExternalList");
    new QVBoxLayout(externalWordListTab_);
    testTab_ = Named<QWidget>("TabSheetTestStuff");

    symmetricSetupTabs_->addTab(stockGridsTab_, "  Stock Grids  ");
    symmetricSetupTabs_->addTab(designer_, "Designer");
    symmetricSetupTabs_->addTab(externalWordListTab_, "  External Word List  ");
    symmetricSetupTabs_->addTab(testTab_, "  Test Stuff  ");
    symmetricSetupTabs_->setTabVisible(symmetricSetupTabs_->indexOf(testTab_), false);
    ConnectThumbnails();
    connect(designButton_, &QPushButton::clicked, this, [this] { OnDesignClicked(); });
    connect(symmetricSetupTabs_, &QTabWidget::currentChanged, this, [this] { OnSymmetricTabChanged(); });
    connect(designer_, &GridDesignerPanel::canFillChanged, this, [this](bool canFill) { OnCanFillChanged(canFill); });
    connect(designer_, &GridDesignerPanel::saveToMyGridsChosen, this, [this] { OnSaveToMyGrids(); });
    connect(designer_, &GridDesignerPanel::stockGridsChosen, this, [this] { symmetricSetupTabs_->setCurrentWidget(stockGridsTab_); });
    connect(myGrids_, &MyGridsPanel::openChosen, this, [this](const GridDesign& design) { OpenInDesigner(design); });
    return page;
}

QWidget* SetupPage::BuildStockGridsTab()
{
    auto* tab = Named<QWidget>("TabSheetGrids");
    auto* grids = new QVBoxLayout(tab);
    grids->setContentsMargins(4, 6, 4, 4);
    grids->setSpacing(4);
    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    stockGridSizes_ = Named<QListWidget>("StockGridListBox", tab);
    stockGridSizes_->setFixedWidth(SizeListWidth);
    MakeOwnerDrawn(stockGridSizes_, DimensionListPainter(), SizeItemHeight);
    auto* sizeColumn = new QVBoxLayout;
    sizeColumn->addWidget(stockGridSizes_);
    stockGridSizes_->setFixedHeight(14 * SizeItemHeight + 4);  // the 13 stock sizes and My Grids
    designButton_ = Named<QPushButton>("DesignBtn", "&Design...", tab);
    designButton_->setFixedWidth(SizeListWidth);
    designButton_->setToolTip("Design a grid of your own: a copy of the chosen stock grid, or a blank grid of this size");
    sizeColumn->addWidget(designButton_);
    sizeColumn->addStretch(1);
    row->addLayout(sizeColumn);

    thumbnailFrame_ = new QFrame(tab);
    thumbnailFrame_->setFrameShape(QFrame::StyledPanel);
    auto* previewRow = new QHBoxLayout(thumbnailFrame_);
    previewRow->setContentsMargins(1, 1, 1, 1);
    previewRow->setSpacing(0);
    stockGridThumbnails_ = new StockGridPreview(thumbnailFrame_);
    previewRow->addWidget(stockGridThumbnails_, 1);
    thumbnailScrollBar_ = Named<QScrollBar>("PreviewScrollBar", Qt::Vertical, thumbnailFrame_);
    thumbnailScrollBar_->setEnabled(false);
    previewRow->addWidget(thumbnailScrollBar_);
    // The last row of the size list, "My Grids", shows the user's own grids in place of the thumbnails.
    myGrids_ = new MyGridsPanel(window_.Dialogs(), DefaultGridLibraryPath(), tab);
    stockGridChoices_ = new QStackedWidget(tab);
    stockGridChoices_->addWidget(thumbnailFrame_);
    stockGridChoices_->addWidget(myGrids_);
    row->addWidget(stockGridChoices_, 1);
    grids->addLayout(row, 1);

    stockGridStatus_ = new PanelStatusBar({150, 0}, tab);
    stockGridStatus_->setObjectName("StockGridStatusBar");
    grids->addWidget(stockGridStatus_);
    return tab;
}

void SetupPage::ConnectThumbnails()
{
    connect(stockGridSizes_, &QListWidget::itemClicked, this, [this] { OnStockGridSizeClicked(); });
    connect(thumbnailScrollBar_, &QScrollBar::valueChanged, this, [this] { RedrawStockGridPreviews(); });
    connect(stockGridThumbnails_, &StockGridPreview::mouseUp, this, [this](QPoint at, Qt::MouseButton) { OnThumbnailClicked(at); });
    connect(stockGridThumbnails_, &StockGridPreview::wheelSteps, this, [this](int steps) {
        if (thumbnailScrollBar_->isEnabled()) thumbnailScrollBar_->setValue(thumbnailScrollBar_->value() + steps * thumbnailScrollBar_->singleStep());
    });
    // The thumbnails are laid out for the preview's width, known once the page has its size.
    connect(stockGridThumbnails_, &StockGridPreview::resized, this, [this] { OnThumbnailsResized(); });
}

QWidget* SetupPage::BuildFreeformSetup()
{
    auto* page = Named<QWidget>("TabSheetFreeForm");
    auto* row = new QHBoxLayout(page);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);

    auto* sizes = new QVBoxLayout;
    auto* sizeLabel = new QLabel("Grid size", page);
    sizes->addWidget(sizeLabel);
    freeformGridSizes_ = Named<QListWidget>("FreeformDimensionListBox", page);
    freeformGridSizes_->setFixedWidth(SizeListWidth);
    MakeOwnerDrawn(freeformGridSizes_, DimensionListPainter(), SizeItemHeight);
    for (int n = 8; n <= 30; ++n) freeformGridSizes_->addItem(QString("%1 x %2").arg(n).arg(n));
    sizes->addWidget(freeformGridSizes_, 1);
    row->addLayout(sizes);

    freeformSetupTabs_ = Named<QTabWidget>("PageControlThemed", page);
    builtInTab_ = Named<QWidget>("TabSheetBuiltIn");
    new QVBoxLayout(builtInTab_);
    freeformSetupTabs_->addTab(builtInTab_, "Word List");
    row->addWidget(freeformSetupTabs_, 1);

    connect(freeformGridSizes_, &QListWidget::itemClicked, this, [this] { OnFreeformSizeClicked(); });
    return page;
}

void SetupPage::ShowSymmetricSetup()
{
    setupKinds_->setCurrentWidget(symmetricSetup_);
    symmetricSetupTabs_->setCurrentWidget(stockGridsTab_);
    myGrids_->ReportProblemOnce();
}

void SetupPage::ShowFreeformSetup()
{
    setupKinds_->setCurrentWidget(freeformSetup_);
    window_.ShowRightPage(nullptr);  // the designer belongs to the symmetrical setup
}

void SetupPage::ShowFirstTabs()
{
    freeformSetupTabs_->setCurrentWidget(builtInTab_);
    symmetricSetupTabs_->setCurrentWidget(stockGridsTab_);
}

void SetupPage::EnableNext(bool enabled) { setupNextButton_->setEnabled(enabled); }

void SetupPage::ListGridSizes()
{
    for (int n : StockGridSizes(window_.State().Stock)) stockGridSizes_->addItem(QString("%1 x %2").arg(n).arg(n));
    stockGridSizes_->addItem(MyGridsRowText);
    for (QListWidget* sizes : {stockGridSizes_, freeformGridSizes_}) {
        const QSignalBlocker block(sizes);
        int i = 0;
        while (i < sizes->count() - 1 && !sizes->item(i)->text().startsWith("15")) ++i;
        if (sizes->count() > 0) sizes->setCurrentRow(i);
    }
}

void SetupPage::SelectFreeformSizeQuietly(int gridSize)
{
    const QSignalBlocker block(freeformGridSizes_);
    freeformGridSizes_->setCurrentRow(gridSize - 8);
}

std::vector<QWidget*> SetupPage::GridChoosers() const
{
    return {stockGridSizes_, stockGridThumbnails_, freeformGridSizes_, symmetricSetupTabs_->tabBar(),
            designButton_,   myGrids_,             designer_,          designer_->DesignerPage()};
}

void SetupPage::OnStockGridSizeClicked()
{
    if (window_.State().RunInProgress()) return;
    const int row = stockGridSizes_->currentRow();
    // Looking at My Grids changes nothing: the size on show stays the one chosen, for the fills made.
    const bool myGrids = MyGridsRowChosen();
    ShowMyGrids(myGrids);
    if (myGrids || row == shownStockSizeRow_) return;
    if (!window_.SymmetricGenerate().MayDiscardFills("stock grid size")) {
        // The fills stay, and so does the size they were made for.
        const QSignalBlocker block(stockGridSizes_);
        stockGridSizes_->setCurrentRow(shownStockSizeRow_);
        return;
    }
    symmetricSetupTabs_->setCurrentWidget(stockGridsTab_);
    ShowStockGridsOfSize();
    setupNextButton_->setEnabled(false);
}

bool SetupPage::MyGridsRowChosen() const
{
    return stockGridSizes_->currentItem() && stockGridSizes_->currentItem()->text() == MyGridsRowText;
}

void SetupPage::ShowMyGrids(bool show)
{
    stockGridChoices_->setCurrentWidget(show ? static_cast<QWidget*>(myGrids_) : thumbnailFrame_);
    stockGridStatus_->setVisible(!show);
}

void SetupPage::ShowStockGridsOfSize()
{
    if (MyGridsRowChosen() && shownStockSizeRow_ >= 0) {
        // A new crossword starts at the stock grids of the size last on show.
        const QSignalBlocker block(stockGridSizes_);
        stockGridSizes_->setCurrentRow(shownStockSizeRow_);
        ShowMyGrids(false);
    }
    const QListWidgetItem* item = stockGridSizes_->currentItem();
    if (!item || !item->text().contains('x')) return;
    const int n = item->text().left(2).trimmed().toInt();
    shownStockSizeRow_ = stockGridSizes_->currentRow();
    QuillmereState& state = window_.State();
    state.Xw.GridSize = n;
    InitGrid(state.Xw);
    ResetCellColours(state.Xw.Squares);
    state.Xw.WordSlotCount = 0;
    state.Xw.ShowCellNumbers = false;
    window_.LayOutMainGrid();
    window_.RepaintGrid();

    previewLayout_ = LayOutStockGridPreview(state.Stock, n, stockGridThumbnails_->width(), stockGridThumbnails_->height());
    const int count = previewLayout_.Last - previewLayout_.First + 1;
    stockGridStatus_->setPanelText(0, ToQ(StockGridDimensionsText(n)));
    stockGridStatus_->setPanelText(1, ToQ(StockGridCountText(std::max(count, 0))));
    {
        const QSignalBlocker block(thumbnailScrollBar_);
        ApplyLayoutToScrollBar();
        thumbnailScrollBar_->setSingleStep(std::max(8, previewLayout_.RowPitch / 4));
        thumbnailScrollBar_->setValue(0);
        thumbnailScrollBar_->setEnabled(previewLayout_.ScrollEnabled);
    }
    state.Stock.SelectedStockGrid = 0;
    RedrawStockGridPreviews();
    window_.SymmetricGenerate().EnableStart(false);
}

void SetupPage::ApplyLayoutToScrollBar()
{
    thumbnailScrollBar_->setRange(0, previewLayout_.ScrollEnabled ? previewLayout_.ScrollMax : 0);
    thumbnailScrollBar_->setPageStep(previewLayout_.ScrollLargeChange);
}

void SetupPage::OnThumbnailsResized()
{
    if (previewLayout_.Size == 0) return;
    const int scroll = thumbnailScrollBar_->value();
    previewLayout_ = LayOutStockGridPreview(window_.State().Stock, previewLayout_.Size, stockGridThumbnails_->width(), stockGridThumbnails_->height());
    const QSignalBlocker block(thumbnailScrollBar_);
    ApplyLayoutToScrollBar();
    thumbnailScrollBar_->setEnabled(previewLayout_.ScrollEnabled);
    thumbnailScrollBar_->setValue(std::min(scroll, thumbnailScrollBar_->maximum()));
    RedrawStockGridPreviews();
}

void SetupPage::RedrawStockGridPreviews()
{
    StockGridLibrary& stock = window_.State().Stock;
    std::vector<StockThumbnail> thumbnails;
    const auto placements = PlaceStockGridPreviews(stock, previewLayout_, thumbnailScrollBar_->value(), stockGridThumbnails_->height(),
                                                   stockGridThumbnails_->CaptionHeight());
    for (const ThumbnailPlacement& p : placements) {
        if (!p.Visible) continue;
        const StockGrid& g = StockGridAt(stock, p.Grid);
        StockThumbnail t;
        t.Left = p.Left;
        t.Top = p.Top;
        t.Size = g.Size;
        t.RowMasks = g.RowMasks;
        t.Ordinal = ToQ(p.Ordinal);
        t.Letters = ToQ(p.Letters);
        t.Selected = p.Selected;
        thumbnails.push_back(t);
    }
    stockGridThumbnails_->SetThumbnails(std::move(thumbnails));
}

void SetupPage::OnThumbnailClicked(QPoint at)
{
    QuillmereState& state = window_.State();
    if (state.RunInProgress() || previewLayout_.Size == 0) return;
    const int k = HitStockGrid(state.Stock, previewLayout_, at.x(), at.y());
    // The imported words are indexed afresh for the grid a hybrid crossword is made on.
    if (state.FillSource == FillSourceKind::Hybrid) BuildThemeIndex(state.Imported);
    if (k == 0 || !window_.SymmetricGenerate().MayDiscardFills("stock grid")) return;
    window_.Guard([&] {
        OverrideCursor hourglass(Qt::WaitCursor);
        window_.ResetFillDisplay();
        state.Xw.GridSize = StockGridAt(state.Stock, k).Size;
        InitGrid(state.Xw);
        LoadStockGrid(state.Stock, k, state.Xw.Squares);
        state.Stock.SelectedStockGrid = k;
        const SlotTableDump dump = AnalyseStockGrid(state.Xw);
        QStringList memo{"ORIGINAL SEQUENCE:"};
        for (const std::string& line : dump.OriginalSequence) memo << ToQ(line);
        memo << "FILLING SEQUENCE:";
        for (const std::string& line : dump.FillingSequence) memo << ToQ(line);
        window_.DumpWindow().SetLines(memo);
        window_.ShowFillStatus(state.Xw.WordSlotCount, OpenSquareCount(state.Xw.Squares), 0);
        setupNextButton_->setEnabled(true);
        window_.SymmetricGenerate().EnableStart(true);
    });
    RedrawStockGridPreviews();
    window_.RepaintGrid();
    if (state.Stock.SelectedStockGrid > 0)
        stockGridStatus_->setPanelText(1, ToQ(StockGridPositionText(state.Stock, state.Stock.SelectedStockGrid)));
}

void SetupPage::OnFreeformSizeClicked()
{
    QListWidgetItem* item = freeformGridSizes_->currentItem();
    QuillmereState& state = window_.State();
    if (!item || state.RunInProgress()) return;
    const int n = item->text().left(2).trimmed().toInt();
    if (n < 8 || n > 30) return;
    state.Xw.GridSize = n;
    InitGrid(state.Xw);
    ResetCellColours(state.Xw.Squares);
    state.Xw.WordSlotCount = 0;
    window_.ResetFillDisplay();
    window_.LayOutMainGrid();
    ClearListOfGrids(state.Fills);
    state.ClueEdits.Clear();
    window_.Output().MoveGridSizeQuietly(n);
    window_.EmptyFreeformFills();
    window_.RepaintGrid();
    // A selected seed word may not fit the new size.
    window_.RecheckSeedWordFits();
}

// ---------------------------------------------------------------------------------------------
// The designer and My Grids

QWidget* SetupPage::DesignerPage() const { return designer_->DesignerPage(); }

bool SetupPage::Designing() const { return designing_ && setupKinds_->currentWidget() == symmetricSetup_; }

void SetupPage::OnDesignClicked()
{
    const QuillmereState& state = window_.State();
    if (state.RunInProgress()) return;
    const int k = state.Stock.SelectedStockGrid;
    const int size = previewLayout_.Size > 0 ? previewLayout_.Size : 15;
    window_.Guard([&] { OpenInDesigner(k > 0 ? DesignOfStockGrid(state.Stock, k) : GridDesign(size)); });
}

void SetupPage::OpenInDesigner(const GridDesign& design)
{
    if (!designer_->ReplaceDesign(design)) return;
    symmetricSetupTabs_->setCurrentWidget(designer_);
    designer_->View().setFocus();
}

void SetupPage::OnSymmetricTabChanged()
{
    QWidget* tab = symmetricSetupTabs_->currentWidget();
    if (tab == designer_ && !designing_) SetDesigning(true);
    if (tab != stockGridsTab_ || !designing_) return;
    if (!window_.SymmetricGenerate().MayDiscardFills("stock grid")) {
        // The fills of the designed grid stay, and so does the designer.
        const QSignalBlocker block(symmetricSetupTabs_);
        symmetricSetupTabs_->setCurrentWidget(designer_);
        return;
    }
    SetDesigning(false);
}

void SetupPage::SetDesigning(bool designing)
{
    designing_ = designing;
    window_.ShowRightPage(designing ? designer_->DesignerPage() : nullptr);
    // Back at the stock grids, one is chosen afresh (the grid on display may be a designed grid's fill).
    if (!designing) {
        ShowStockGridsOfSize();
        setupNextButton_->setEnabled(false);
    }
    OnCanFillChanged(designer_->CanFill());
}

void SetupPage::OnCanFillChanged(bool canFill)
{
    if (!designing_) return;
    setupNextButton_->setEnabled(canFill);
    window_.SymmetricGenerate().EnableStart(canFill);
}

void SetupPage::OnSaveToMyGrids()
{
    if (myGrids_->SaveDesign(designer_->Design())) designer_->View().UndoStack()->setClean();
}

}  // namespace qm::ui
