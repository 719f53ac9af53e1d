// MainWindow, Setup page: the stock grids of a size as thumbnails (symmetrical), the freeform size and word
// list sources, and the Next/Back buttons.
#include "ui/main_window.h"

#include "core/grid/stock_grids.h"
#include "core/symmetric/analysis.h"
#include "core/words/import.h"
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

    PageControlSetup = Named<QStackedWidget>("PageControlSetup", page);
    TabSheetSymmetric = BuildSymmetricSetup();
    TabSheetFreeForm = BuildFreeformSetup();
    BuildImportedListControls();
    PageControlSetup->addWidget(TabSheetSymmetric);
    PageControlSetup->addWidget(TabSheetFreeForm);
    col->addWidget(PageControlSetup, 1);

    auto* buttons = new QHBoxLayout;
    BackBtn1 = Named<QPushButton>("BackBtn1", "< &Back", page);
    NextBtn1 = Named<QPushButton>("NextBtn1", "&Next >", page);
    NextBtn1->setEnabled(false);
    buttons->addStretch(1);
    buttons->addWidget(BackBtn1);
    buttons->addWidget(NextBtn1);
    col->addLayout(buttons);
    return page;
}

QWidget* MainWindow::BuildSymmetricSetup()
{
    auto* page = Named<QWidget>("TabSheetSymmetric");
    auto* col = new QVBoxLayout(page);
    col->setContentsMargins(0, 0, 0, 0);
    PageControlSymmetric = Named<QTabWidget>("PageControlSymmetric", page);
    col->addWidget(PageControlSymmetric);

    TabSheetGrids = Named<QWidget>("TabSheetGrids");
    auto* grids = new QVBoxLayout(TabSheetGrids);
    grids->setContentsMargins(4, 6, 4, 4);
    grids->setSpacing(4);
    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    StockGridListBox = Named<QListWidget>("StockGridListBox", TabSheetGrids);
    StockGridListBox->setFixedWidth(SizeListWidth);
    MakeOwnerDrawn(StockGridListBox, DimensionListPainter(), SizeItemHeight);
    row->addWidget(StockGridListBox, 0, Qt::AlignTop);
    StockGridListBox->setFixedHeight(13 * SizeItemHeight + 4);

    auto* previewFrame = new QFrame(TabSheetGrids);
    previewFrame->setFrameShape(QFrame::StyledPanel);
    auto* previewRow = new QHBoxLayout(previewFrame);
    previewRow->setContentsMargins(1, 1, 1, 1);
    previewRow->setSpacing(0);
    PreviewImg = new StockGridPreview(previewFrame);
    previewRow->addWidget(PreviewImg, 1);
    PreviewScrollBar = Named<QScrollBar>("PreviewScrollBar", Qt::Vertical, previewFrame);
    PreviewScrollBar->setEnabled(false);
    previewRow->addWidget(PreviewScrollBar);
    row->addWidget(previewFrame, 1);
    grids->addLayout(row, 1);

    StockGridStatusBar = new PanelStatusBar({150, 0}, TabSheetGrids);
    StockGridStatusBar->setObjectName("StockGridStatusBar");
    grids->addWidget(StockGridStatusBar);

    TabSheetExternalList = Named<QWidget>("TabSheetExternalList");
    new QVBoxLayout(TabSheetExternalList);
    TabSheetTestStuff = Named<QWidget>("TabSheetTestStuff");

    PageControlSymmetric->addTab(TabSheetGrids, "  Stock Grids  ");
    PageControlSymmetric->addTab(TabSheetExternalList, "  External Word List  ");
    PageControlSymmetric->addTab(TabSheetTestStuff, "  Test Stuff  ");
    PageControlSymmetric->setTabVisible(PageControlSymmetric->indexOf(TabSheetTestStuff), false);

    connect(StockGridListBox, &QListWidget::itemClicked, this, [this] { StockGridListBoxClick(); });
    connect(PreviewScrollBar, &QScrollBar::valueChanged, this, [this](int pos) { PreviewScrollBarScroll(pos); });
    connect(PreviewImg, &StockGridPreview::mouseUp, this, [this](QPoint at, Qt::MouseButton) { PreviewImgMouseUp(at.x(), at.y()); });
    connect(PreviewImg, &StockGridPreview::wheelSteps, this, [this](int steps) {
        if (PreviewScrollBar->isEnabled()) PreviewScrollBar->setValue(PreviewScrollBar->value() + steps * PreviewScrollBar->singleStep());
    });
    // The thumbnails are laid out for the preview's width, known once the page has its size.
    connect(PreviewImg, &StockGridPreview::resized, this, [this] {
        if (previewLayout_.Size == 0) return;
        const int scroll = PreviewScrollBar->value();
        previewLayout_ = LayOutStockGridPreview(state_.Stock, previewLayout_.Size, PreviewImg->width(), PreviewImg->height());
        const QSignalBlocker block(PreviewScrollBar);
        PreviewScrollBar->setRange(0, previewLayout_.ScrollEnabled ? previewLayout_.ScrollMax : 0);
        PreviewScrollBar->setPageStep(previewLayout_.ScrollLargeChange);
        PreviewScrollBar->setEnabled(previewLayout_.ScrollEnabled);
        PreviewScrollBar->setValue(std::min(scroll, PreviewScrollBar->maximum()));
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
    FreeformDimensionListBox = Named<QListWidget>("FreeformDimensionListBox", page);
    FreeformDimensionListBox->setFixedWidth(SizeListWidth);
    MakeOwnerDrawn(FreeformDimensionListBox, DimensionListPainter(), SizeItemHeight);
    for (int n = 8; n <= 30; ++n) FreeformDimensionListBox->addItem(QString("%1 x %2").arg(n).arg(n));
    sizes->addWidget(FreeformDimensionListBox, 1);
    row->addLayout(sizes);

    PageControlThemed = Named<QTabWidget>("PageControlThemed", page);
    TabSheetBuiltIn = Named<QWidget>("TabSheetBuiltIn");
    new QVBoxLayout(TabSheetBuiltIn);
    PageControlThemed->addTab(TabSheetBuiltIn, "Word List");
    row->addWidget(PageControlThemed, 1);

    connect(FreeformDimensionListBox, &QListWidget::itemClicked, this, [this] { FreeformDimensionListBoxClick(); });
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
    const int row = StockGridListBox->currentRow();
    if (row == shownStockSizeRow_) return;
    if (!MayDiscardSymmFills("stock grid size")) {
        // The fills stay, and so does the size they were made for.
        const QSignalBlocker block(StockGridListBox);
        StockGridListBox->setCurrentRow(shownStockSizeRow_);
        return;
    }
    PageControlSymmetric->setCurrentWidget(TabSheetGrids);
    ShowStockGridsOfSize();
    NextBtn1->setEnabled(false);
}

void MainWindow::ShowStockGridsOfSize()
{
    const QListWidgetItem* item = StockGridListBox->currentItem();
    if (!item || !item->text().contains('x')) return;
    const int n = item->text().left(2).trimmed().toInt();
    shownStockSizeRow_ = StockGridListBox->currentRow();
    state_.Xw.GridSize = n;
    InitGrid(state_.Xw);
    ResetCellColours(state_.Xw.Squares);
    state_.Xw.WordSlotCount = 0;
    state_.Xw.ShowCellNumbers = false;
    LayOutMainGrid();
    RepaintGrid();

    previewLayout_ = LayOutStockGridPreview(state_.Stock, n, PreviewImg->width(), PreviewImg->height());
    const int count = previewLayout_.Last - previewLayout_.First + 1;
    StockGridStatusBar->setPanelText(0, ToQ(StockGridDimensionsText(n)));
    StockGridStatusBar->setPanelText(1, ToQ(StockGridCountText(std::max(count, 0))));
    {
        const QSignalBlocker block(PreviewScrollBar);
        PreviewScrollBar->setRange(0, previewLayout_.ScrollEnabled ? previewLayout_.ScrollMax : 0);
        PreviewScrollBar->setPageStep(previewLayout_.ScrollLargeChange);
        PreviewScrollBar->setSingleStep(std::max(8, previewLayout_.RowPitch / 4));
        PreviewScrollBar->setValue(0);
        PreviewScrollBar->setEnabled(previewLayout_.ScrollEnabled);
    }
    state_.Stock.SelectedStockGrid = 0;
    RedrawStockGridPreviews();
    SymmStartBtn->setEnabled(false);
    FillSeqBtn->setEnabled(false);
}

void MainWindow::RedrawStockGridPreviews()
{
    std::vector<StockThumbnail> thumbnails;
    const auto placements = PlaceStockGridPreviews(state_.Stock, previewLayout_, PreviewScrollBar->value(),
                                                   PreviewImg->height(), PreviewImg->CaptionHeight());
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
    PreviewImg->SetThumbnails(std::move(thumbnails));
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
        Form4->SetLines(memo);
        ShowFillStatus(state_.Xw.WordSlotCount, OpenSquareCount(state_.Xw.Squares), 0);
        NextBtn1->setEnabled(true);
        SymmStartBtn->setEnabled(true);
        FillSeqBtn->setEnabled(true);
    });
    RedrawStockGridPreviews();
    RepaintGrid();
    if (state_.Stock.SelectedStockGrid > 0)
        StockGridStatusBar->setPanelText(1, ToQ(StockGridPositionText(state_.Stock, state_.Stock.SelectedStockGrid)));
}

void MainWindow::FreeformDimensionListBoxClick()
{
    QListWidgetItem* item = FreeformDimensionListBox->currentItem();
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
    FreeImproveBtn->setEnabled(false);
    RepaintGrid();
    // A selected seed word may not fit the new size.
    SeedListBoxClick();
}

}  // namespace qm::ui
