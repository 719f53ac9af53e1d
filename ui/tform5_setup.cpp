// TForm5, Setup page: the stock grids of a size as thumbnails (symmetrical), the freeform size and word
// list sources, and the Next/Back buttons.
#include "ui/tform5.h"

#include "ui/form_building.h"
#include "ui/main_string_grid.h"
#include "ui/owner_drawn_lists.h"
#include "ui/panel_status_bar.h"
#include "ui/stock_grid_preview.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>

namespace qm::ui {

namespace {
/// Item height of the owner-drawn size lists.
constexpr int SizeItemHeight = 16;
constexpr int SizeListWidth = 76;
}  // namespace

QWidget* TForm5::BuildSetupPage()
{
    auto* page = Named<QWidget>("TabSheetSetup");
    auto* col = new QVBoxLayout(page);
    col->setContentsMargins(4, 4, 4, 4);
    col->setSpacing(6);

    PageControlSetup = Named<QStackedWidget>("PageControlSetup", page);
    TabSheetSymmetric = BuildSymmetricSetup();
    TabSheetFreeForm = BuildFreeformSetup();
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

QWidget* TForm5::BuildSymmetricSetup()
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
    return page;
}

QWidget* TForm5::BuildFreeformSetup()
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

void TForm5::FreeformDimensionListBoxClick()
{
    QListWidgetItem* item = FreeformDimensionListBox->currentItem();
    if (!item || state_.RunActive) return;
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
    RepaintGrid();
}

}  // namespace qm::ui
