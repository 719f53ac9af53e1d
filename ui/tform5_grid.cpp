// TForm5, grid page: layout and repainting of the main grid, the fill status line, clearing and flipping.
#include "ui/tform5.h"

#include "core/grid/display.h"
#include "core/grid/mirror.h"
#include "ui/main_string_grid.h"
#include "ui/panel_status_bar.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

namespace qm::ui {

void TForm5::LayOutMainGrid()
{
    MainStringGridView->LayOut();
    const int n = state_.Xw.Squares.Size();
    HeaderPnl->setText(QString("Dimensions: %1 x %2").arg(n).arg(n));
}

void TForm5::RepaintGrid() { MainStringGridView->update(); }

void TForm5::ShowFillStatus(int words, int letters, int interlocks)
{
    const auto texts = MakeFillStatus(words, letters, interlocks, state_.Xw.GridSize, state_.ImportedFillShown,
                                      static_cast<int>(state_.Imported.ThemeWords.size()));
    MainStatusBar->setPanelText(0, QString::fromStdString(texts.Words));
    MainStatusBar->setPanelText(1, QString::fromStdString(texts.Letters));
    MainStatusBar->setPanelText(2, QString::fromStdString(texts.Density));
    if (texts.Interlocks) MainStatusBar->setPanelText(3, QString::fromStdString(*texts.Interlocks));
    if (!UsesDictionary(state_.FillSource)) MirrorBtn->setEnabled(true);
    ClearGridBtn->setEnabled(true);
    QApplication::restoreOverrideCursor();
}

void TForm5::ResetFillDisplay()
{
    CluePageControl->setCurrentWidget(AcrossTabSheet);
    state_.Xw.ShowCellNumbers = false;
    AcrossListBox->clear();
    DownListBox->clear();
    if (!UsesDictionary(state_.FillSource)) MirrorBtn->setEnabled(false);
    ClearGridBtn->setEnabled(false);
    MainStatusBar->clearPanels();
    MainStatusBar->repaint();
}

void TForm5::ShowSlotLists()
{
    const SlotLists lists = ListSlots(state_.Xw);
    AcrossListBox->clear();
    DownListBox->clear();
    for (const auto& line : lists.Across) AcrossListBox->addItem(QString::fromStdString(line));
    for (const auto& line : lists.Down) DownListBox->addItem(QString::fromStdString(line));
    ClueStatusBar->setPanelText(0, QString("Across: %1").arg(lists.Across.size()));
    ClueStatusBar->setPanelText(1, QString("Down: %1").arg(lists.Down.size()));
    if (AcrossListBox->count() > 0) AcrossListBox->setCurrentRow(0);
    if (DownListBox->count() > 0) DownListBox->setCurrentRow(0);
}

void TForm5::ClearGridBtnClick()
{
    ResetFillDisplay();
    state_.Xw.ShowCellNumbers = false;
    state_.Fills.CurrentFill = 0;
    InitGrid(state_.Xw);
    ResetCellColours(state_.Xw.Squares);
    RepaintGrid();
}

void TForm5::MirrorBtnClick()
{
    Guard([this] {
        QListWidget* shown = CluePageControl->currentWidget() == DownTabSheet ? DownListBox : AcrossListBox;
        QString remembered;
        if (shown->currentItem()) remembered = shown->currentItem()->text().mid(16, 30);
        FlipAcrossDown(state_.Xw, state_.FillSource);
        CluePageControl->setUpdatesEnabled(false);
        CluePageControl->setCurrentWidget(shown == AcrossListBox ? DownTabSheet : AcrossTabSheet);
        ShowSlotLists();
        QListWidget* now = shown == AcrossListBox ? DownListBox : AcrossListBox;
        int select = now->count() - 1;
        for (int i = 0; i + 1 < now->count(); ++i)
            if (now->item(i)->text().mid(16, 30) == remembered) {
                select = i;
                break;
            }
        if (select >= 0) now->setCurrentRow(select);
        CluePageControl->setUpdatesEnabled(true);
        const FillRecord& r = state_.Fills.Record(state_.Fills.CurrentFill);
        ShowFillStatus(r.WrdCount, r.LttCount, r.ILockCount);
        RepaintGrid();
    });
}

}  // namespace qm::ui
