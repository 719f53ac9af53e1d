// MainWindow, Setup page: the stock grids of a size as thumbnails (symmetrical), the freeform size and word
// list sources, and the Next/Back buttons.
#include "ui/main_window.h"

#include "core/grid/stock_grids.h"
#include "core/symmetric/analysis.h"
#include "core/words/import.h"
#include "ui/diagnostics_page.h"
#include "ui/diagnostics_window.h"
#include "ui/form_building.h"
#include "ui/main_string_grid.h"
#include "ui/output_page.h"
#include "ui/owner_drawn_lists.h"
#include "ui/panel_status_bar.h"
#include "ui/stock_grid_preview.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>

namespace qm::ui {

namespace {
/// Item height of the owner-drawn size lists.
constexpr int SizeItemHeight = 16;
constexpr int SizeListWidth = 76;
}  // namespace

QWidget* MainWindow::BuildSetupPage()
{
    auto* page = Named<QWidget>("TabSheetSetup");
    auto* col = new QVBoxLayout(page);
    col->setContentsMargins(4, 4, 4, 4);
    col->setSpacing(6);

    setupKinds_ = Named<QStackedWidget>("PageControlSetup", page);
    symmetricSetup_ = BuildSymmetricSetup();
    freeformSetup_ = BuildFreeformSetup();
    BuildImportedListControls();
    setupKinds_->addWidget(symmetricSetup_);
    setupKinds_->addWidget(freeformSetup_);
    col->addWidget(setupKinds_, 1);

    auto* buttons = new QHBoxLayout;
    setupBackButton_ = Named<QPushButton>("BackBtn1", "< &Back", page);
    setupNextButton_ = Named<QPushButton>("NextBtn1", "&Next >", page);
    setupNextButton_->setEnabled(false);
    buttons->addStretch(1);
    buttons->addWidget(setupBackButton_);
    buttons->addWidget(setupNextButton_);
    col->addLayout(buttons);
    return page;
}

QWidget* MainWindow::BuildSymmetricSetup()
{
    auto* page = Named<QWidget>("TabSheetSymmetric");
    auto* col = new QVBoxLayout(page);
    col->setContentsMargins(0, 0, 0, 0);
    symmetricSetupTabs_ = Named<QTabWidget>("PageControlSymmetric", page);
    col->addWidget(symmetricSetupTabs_);

    stockGridsTab_ = Named<QWidget>("TabSheetGrids");
    auto* grids = new QVBoxLayout(stockGridsTab_);
    grids->setContentsMargins(4, 6, 4, 4);
    grids->setSpacing(4);
    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    stockGridSizes_ = Named<QListWidget>("StockGridListBox", stockGridsTab_);
    stockGridSizes_->setFixedWidth(SizeListWidth);
    MakeOwnerDrawn(stockGridSizes_, DimensionListPainter(), SizeItemHeight);
    row->addWidget(stockGridSizes_, 0, Qt::AlignTop);
    stockGridSizes_->setFixedHeight(13 * SizeItemHeight + 4);

    auto* previewFrame = new QFrame(stockGridsTab_);
    previewFrame->setFrameShape(QFrame::StyledPanel);
    auto* previewRow = new QHBoxLayout(previewFrame);
    previewRow->setContentsMargins(1, 1, 1, 1);
    previewRow->setSpacing(0);
    stockGridThumbnails_ = new StockGridPreview(previewFrame);
    previewRow->addWidget(stockGridThumbnails_, 1);
    thumbnailScrollBar_ = Named<QScrollBar>("PreviewScrollBar", Qt::Vertical, previewFrame);
    thumbnailScrollBar_->setEnabled(false);
    previewRow->addWidget(thumbnailScrollBar_);
    row->addWidget(previewFrame, 1);
    grids->addLayout(row, 1);

    stockGridStatus_ = new PanelStatusBar({150, 0}, stockGridsTab_);
    stockGridStatus_->setObjectName("StockGridStatusBar");
    grids->addWidget(stockGridStatus_);

    externalWordListTab_ = Named<QWidget>("TabSheetExternalList");
    new QVBoxLayout(externalWordListTab_);
    testTab_ = Named<QWidget>("TabSheetTestStuff");

    symmetricSetupTabs_->addTab(stockGridsTab_, "  Stock Grids  ");
    symmetricSetupTabs_->addTab(externalWordListTab_, "  External Word List  ");
    symmetricSetupTabs_->addTab(testTab_, "  Test Stuff  ");
    symmetricSetupTabs_->setTabVisible(symmetricSetupTabs_->indexOf(testTab_), false);

    connect(stockGridSizes_, &QListWidget::itemClicked, this, [this] { StockGridListBoxClick(); });
    connect(thumbnailScrollBar_, &QScrollBar::valueChanged, this, [this](int pos) { PreviewScrollBarScroll(pos); });
    connect(stockGridThumbnails_, &StockGridPreview::mouseUp, this, [this](QPoint at, Qt::MouseButton) { PreviewImgMouseUp(at.x(), at.y()); });
    connect(stockGridThumbnails_, &StockGridPreview::wheelSteps, this, [this](int steps) {
        if (thumbnailScrollBar_->isEnabled()) thumbnailScrollBar_->setValue(thumbnailScrollBar_->value() + steps * thumbnailScrollBar_->singleStep());
    });
    // The thumbnails are laid out for the preview's width, known once the page has its size.
    connect(stockGridThumbnails_, &StockGridPreview::resized, this, [this] {
        if (previewLayout_.Size == 0) return;
        const int scroll = thumbnailScrollBar_->value();
        previewLayout_ = LayOutStockGridPreview(state_.Stock, previewLayout_.Size, stockGridThumbnails_->width(), stockGridThumbnails_->height());
        const QSignalBlocker block(thumbnailScrollBar_);
        thumbnailScrollBar_->setRange(0, previewLayout_.ScrollEnabled ? previewLayout_.ScrollMax : 0);
        thumbnailScrollBar_->setPageStep(previewLayout_.ScrollLargeChange);
        thumbnailScrollBar_->setEnabled(previewLayout_.ScrollEnabled);
        thumbnailScrollBar_->setValue(std::min(scroll, thumbnailScrollBar_->maximum()));
        RedrawStockGridPreviews();
    });
    return page;
}

QWidget* MainWindow::BuildFreeformSetup()
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

    connect(freeformGridSizes_, &QListWidget::itemClicked, this, [this] { FreeformDimensionListBoxClick(); });
    return page;
}

void MainWindow::EmptySymmFills()
{
    symmetricFills_.Clear();
    state_.SymmFillsList.Clear();
    ClearListOfGrids(state_.Fills);
    state_.ClueEdits.Clear();
    ResetFillDisplay();
}

bool MainWindow::MayDiscardSymmFills(const QString& what)
{
    if (symmetricFills_.Count() == 0) return true;
    const QString question = QString("You've created %1 grid fills.\nIf you select a new %2 these will be lost.\nOK?")
                                 .arg(symmetricFills_.Count())
                                 .arg(what);
    if (!dialogs_->AskYesNo(this, question, true)) return false;
    EmptySymmFills();
    return true;
}

void MainWindow::StockGridListBoxClick()
{
    if (state_.RunInProgress()) return;
    const int row = stockGridSizes_->currentRow();
    if (row == shownStockSizeRow_) return;
    if (!MayDiscardSymmFills("stock grid size")) {
        // The fills stay, and so does the size they were made for.
        const QSignalBlocker block(stockGridSizes_);
        stockGridSizes_->setCurrentRow(shownStockSizeRow_);
        return;
    }
    symmetricSetupTabs_->setCurrentWidget(stockGridsTab_);
    ShowStockGridsOfSize();
    setupNextButton_->setEnabled(false);
}

void MainWindow::ShowStockGridsOfSize()
{
    const QListWidgetItem* item = stockGridSizes_->currentItem();
    if (!item || !item->text().contains('x')) return;
    const int n = item->text().left(2).trimmed().toInt();
    shownStockSizeRow_ = stockGridSizes_->currentRow();
    state_.Xw.GridSize = n;
    InitGrid(state_.Xw);
    ResetCellColours(state_.Xw.Squares);
    state_.Xw.WordSlotCount = 0;
    state_.Xw.ShowCellNumbers = false;
    LayOutMainGrid();
    RepaintGrid();

    previewLayout_ = LayOutStockGridPreview(state_.Stock, n, stockGridThumbnails_->width(), stockGridThumbnails_->height());
    const int count = previewLayout_.Last - previewLayout_.First + 1;
    stockGridStatus_->setPanelText(0, ToQ(StockGridDimensionsText(n)));
    stockGridStatus_->setPanelText(1, ToQ(StockGridCountText(std::max(count, 0))));
    {
        const QSignalBlocker block(thumbnailScrollBar_);
        thumbnailScrollBar_->setRange(0, previewLayout_.ScrollEnabled ? previewLayout_.ScrollMax : 0);
        thumbnailScrollBar_->setPageStep(previewLayout_.ScrollLargeChange);
        thumbnailScrollBar_->setSingleStep(std::max(8, previewLayout_.RowPitch / 4));
        thumbnailScrollBar_->setValue(0);
        thumbnailScrollBar_->setEnabled(previewLayout_.ScrollEnabled);
    }
    state_.Stock.SelectedStockGrid = 0;
    RedrawStockGridPreviews();
    symmetricStartButton_->setEnabled(false);
    diagnosticsPage_->EnableFillSequence(false);
}

void MainWindow::RedrawStockGridPreviews()
{
    std::vector<StockThumbnail> thumbnails;
    const auto placements = PlaceStockGridPreviews(state_.Stock, previewLayout_, thumbnailScrollBar_->value(),
                                                   stockGridThumbnails_->height(), stockGridThumbnails_->CaptionHeight());
    for (const ThumbnailPlacement& p : placements) {
        if (!p.Visible) continue;
        const StockGrid& g = StockGridAt(state_.Stock, p.Grid);
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

void MainWindow::PreviewScrollBarScroll(int) { RedrawStockGridPreviews(); }

void MainWindow::PreviewImgMouseUp(int x, int y)
{
    if (state_.RunInProgress() || previewLayout_.Size == 0) return;
    const int k = HitStockGrid(state_.Stock, previewLayout_, x, y);
    // The imported words are indexed afresh for the grid a hybrid crossword is made on.
    if (state_.FillSource == FillSourceKind::Hybrid) BuildThemeIndex(state_.Imported);
    if (k == 0 || !MayDiscardSymmFills("stock grid")) return;
    Guard([&] {
        OverrideCursor hourglass(Qt::WaitCursor);
        ResetFillDisplay();
        state_.Xw.GridSize = StockGridAt(state_.Stock, k).Size;
        InitGrid(state_.Xw);
        LoadStockGrid(state_.Stock, k, state_.Xw.Squares);
        state_.Stock.SelectedStockGrid = k;
        const SlotTableDump dump = AnalyseStockGrid(state_.Xw);
        QStringList memo{"ORIGINAL SEQUENCE:"};
        for (const std::string& line : dump.OriginalSequence) memo << ToQ(line);
        memo << "FILLING SEQUENCE:";
        for (const std::string& line : dump.FillingSequence) memo << ToQ(line);
        dumpWindow_->SetLines(memo);
        ShowFillStatus(state_.Xw.WordSlotCount, OpenSquareCount(state_.Xw.Squares), 0);
        setupNextButton_->setEnabled(true);
        symmetricStartButton_->setEnabled(true);
        diagnosticsPage_->EnableFillSequence(true);
    });
    RedrawStockGridPreviews();
    RepaintGrid();
    if (state_.Stock.SelectedStockGrid > 0)
        stockGridStatus_->setPanelText(1, ToQ(StockGridPositionText(state_.Stock, state_.Stock.SelectedStockGrid)));
}

void MainWindow::FreeformDimensionListBoxClick()
{
    QListWidgetItem* item = freeformGridSizes_->currentItem();
    if (!item || state_.RunInProgress()) return;
    const int n = item->text().left(2).trimmed().toInt();
    if (n < 8 || n > 30) return;
    state_.Xw.GridSize = n;
    InitGrid(state_.Xw);
    ResetCellColours(state_.Xw.Squares);
    state_.Xw.WordSlotCount = 0;
    ResetFillDisplay();
    LayOutMainGrid();
    ClearListOfGrids(state_.Fills);
    state_.ClueEdits.Clear();
    outputPage_->MoveGridSizeQuietly(n);
    state_.Freeform.FreeFillsList.Clear();
    freeformFills_.Clear();
    improveButton_->setEnabled(false);
    RepaintGrid();
    // A selected seed word may not fit the new size.
    SeedListBoxClick();
}

}  // namespace qm::ui
