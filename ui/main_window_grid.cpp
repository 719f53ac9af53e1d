// MainWindow, grid page: layout and repainting of the main grid, the fill status line, clearing and flipping.
#include "ui/main_window.h"

#include "core/grid/display.h"
#include "core/grid/mirror.h"
#include "ui/clues_page.h"
#include "ui/form_building.h"
#include "ui/freeform_generate_page.h"
#include "ui/main_string_grid.h"
#include "ui/panel_status_bar.h"
#include "ui/replace_word_dialog.h"
#include "ui/symmetric_generate_page.h"

#include <QHBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

namespace qm::ui {

QWidget* MainWindow::BuildGridPage()
{
    auto* page = Named<QWidget>("_TabGrid");
    auto* col = new QVBoxLayout(page);
    col->setContentsMargins(2, 2, 2, 0);
    col->setSpacing(2);
    gridHeaderPanel_ = Named<QLabel>("HeaderPnl", page);
    gridHeaderPanel_->setAlignment(Qt::AlignCenter);
    gridHeaderPanel_->setFixedHeight(24);
    col->addWidget(gridHeaderPanel_);

    gridPanel_ = Named<QFrame>("GridPanel", page);
    gridPanel_->setFixedSize(GridPanelWidth, GridPanelWidth);
    gridView_ = new MainStringGrid(state_.Xw, gridPanel_);
    gridView_->setGeometry(0, 0, GridPanelWidth, GridPanelWidth);
    col->addWidget(gridPanel_, 0, Qt::AlignHCenter);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(4, 0, 4, 0);
    clearGridButton_ = Named<QPushButton>("ClearGridBtn", "&Clear Grid", page);
    mirrorButton_ = Named<QPushButton>("MirrorBtn", "Flip Across/Down", page);
    mirrorButton_->setEnabled(false);
    buttons->addStretch(1);
    buttons->addWidget(clearGridButton_);
    buttons->addWidget(mirrorButton_);
    col->addLayout(buttons);
    col->addStretch(1);

    gridStatus_ = new PanelStatusBar({160, 100, 110, 100, 100}, page);
    gridStatus_->setObjectName("MainStatusBar");
    col->addWidget(gridStatus_);

    connect(clearGridButton_, &QPushButton::clicked, this, [this] { OnClearGridClicked(); });
    connect(mirrorButton_, &QPushButton::clicked, this, [this] { OnMirrorClicked(); });
    connect(gridView_, &MainStringGrid::squareMouseUp, this,
            [this](int c, int r, Qt::MouseButton button) { cluesPage_->OnGridClicked(c, r, button); });
    return page;
}

void MainWindow::LayOutMainGrid()
{
    gridView_->LayOut();
    const int n = state_.Xw.Squares.Size();
    gridHeaderPanel_->setText(QString("Dimensions: %1 x %2").arg(n).arg(n));
}

void MainWindow::RepaintGrid() { gridView_->update(); }

void MainWindow::ShowFillStatus(int words, int letters, int interlocks)
{
    const auto texts = MakeFillStatus(words, letters, interlocks, state_.Xw.GridSize,
                                      StatusImportedFillShown(state_.FillSource, state_.ImportedFillShown),
                                      static_cast<int>(state_.Imported.ThemeWords.size()));
    gridStatus_->setPanelText(0, QString::fromStdString(texts.Words));
    gridStatus_->setPanelText(1, QString::fromStdString(texts.Letters));
    gridStatus_->setPanelText(2, QString::fromStdString(texts.Density));
    if (texts.Interlocks) gridStatus_->setPanelText(3, QString::fromStdString(*texts.Interlocks));
    if (UsesDictionary(state_.FillSource)) cluesPage_->EnableReplaceWord(!state_.RunInProgress());
    else mirrorButton_->setEnabled(true);
    clearGridButton_->setEnabled(!state_.RunInProgress());
    EnableOutputControls(true);
    // The clues of a shown fill can be reached with Next as well as with the tab.
    generateNextButton_->setEnabled(cluesPage_->HasRows());
    unsetCursor();
}

void MainWindow::ResetFillDisplay()
{
    cluesPage_->Clear();
    state_.Xw.ShowCellNumbers = false;
    if (UsesDictionary(state_.FillSource)) cluesPage_->EnableReplaceWord(false);
    else {
        mirrorButton_->setEnabled(false);
        cluesPage_->EnableAddThisGrid(false);
    }
    clearGridButton_->setEnabled(false);
    EnableOutputControls(false);
    generateNextButton_->setEnabled(false);
    replaceWordDialog_->close();
    symmetricGenerate_->ResetAttemptsProgress();
    freeformGenerate_->ResetProgress();
    gridStatus_->clearPanels();
    gridStatus_->repaint();
}

void MainWindow::ShowSlotLists() { cluesPage_->ShowSlotLists(); }

void MainWindow::CommitClueEdits() { cluesPage_->CommitClueEdits(); }

void MainWindow::OnClearGridClicked()
{
    if (state_.RunInProgress()) return;
    CommitClueEdits();
    ResetFillDisplay();
    state_.Xw.ShowCellNumbers = false;
    state_.Fills.CurrentFill = 0;
    InitGrid(state_.Xw);
    ResetCellColours(state_.Xw.Squares);
    RepaintGrid();
    symmetricGenerate_->OnGridCleared();
    freeformGenerate_->OnGridCleared();
}

void MainWindow::OnMirrorClicked()
{
    if (state_.RunInProgress()) return;
    Guard([this] {
        cluesPage_->ShowFlipped([this] { FlipAcrossDown(state_.Xw, state_.FillSource); });
        const FillRecord& r = state_.Fills.Record(state_.Fills.CurrentFill);
        ShowFillStatus(r.WrdCount, r.LttCount, r.ILockCount);
        RepaintGrid();
    });
}

}  // namespace qm::ui
