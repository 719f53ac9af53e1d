// MainWindow, Clues page: the Across and Down lists, the selected word in the grid, clue editing, word
// replacement through the "Replace Word" dialog and the removal of an answer.
#include "ui/main_window.h"

#include "core/clues/clue_editing.h"
#include "ui/form_building.h"
#include "ui/main_string_grid.h"
#include "ui/owner_drawn_lists.h"
#include "ui/panel_status_bar.h"
#include "ui/replace_word_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextDocument>
#include <QTabWidget>
#include <QVBoxLayout>

namespace qm::ui {

namespace {

constexpr int ClueListRowHeight = 18;

/// Selects a row without running the list's click handler (as setting a selection in code does not).
void SelectRow(RowList<ClueRow>& list, int row)
{
    const QSignalBlocker block(list.View());
    list.View()->setCurrentRow(row);
}

}  // namespace

QWidget* MainWindow::BuildCluesPage()
{
    auto* page = Named<QWidget>("TabSheetClues");
    auto* col = new QVBoxLayout(page);
    col->setContentsMargins(4, 4, 4, 4);
    col->setSpacing(6);

    cluesHeaderPanel_ = Named<QLabel>("CluesHeaderPanel", "Click a word in a list or in the grid to read and edit its clue.", page);
    cluesHeaderPanel_->setWordWrap(true);
    cluesHeaderPanel_->setFrameShape(QFrame::StyledPanel);
    cluesHeaderPanel_->setContentsMargins(6, 4, 6, 4);
    col->addWidget(cluesHeaderPanel_);

    clueTabs_ = Named<QTabWidget>("CluePageControl", page);
    acrossTab_ = BuildClueTab(true);
    downTab_ = BuildClueTab(false);
    clueTabs_->addTab(acrossTab_, "Across");
    clueTabs_->addTab(downTab_, "Down");
    col->addWidget(clueTabs_, 1);

    auto* buttons = new QHBoxLayout;
    replaceWordButton_ = Named<QPushButton>("ReplaceWordBtn", "Replace Word...", page);
    replaceWordButton_->setEnabled(false);
    addThisGridButton_ = Named<QPushButton>("AddToListOfGridsBtn", "Add This Grid", page);
    addThisGridButton_->setEnabled(false);
    addThisGridButton_->hide();
    buttons->addStretch(1);
    buttons->addWidget(replaceWordButton_);
    buttons->addWidget(addThisGridButton_);
    col->addLayout(buttons);

    clueStatus_ = new PanelStatusBar({120, 0}, page);
    clueStatus_->setObjectName("ClueStatusBar");
    col->addWidget(clueStatus_);

    connect(clueTabs_, &QTabWidget::currentChanged, this, [this] { CluePageControlChange(); });
    connect(replaceWordButton_, &QPushButton::clicked, this, [this] { ReplaceWordBtnClick(); });
    connect(addThisGridButton_, &QPushButton::clicked, this, [this] { AddToListOfGridsBtnClick(); });
    return page;
}

QWidget* MainWindow::BuildClueTab(bool across)
{
    auto* tab = Named<QWidget>(across ? "AcrossTabSheet" : "DownTabSheet");
    auto* outer = new QVBoxLayout(tab);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* panel = Named<QFrame>(across ? "AcrossPanel" : "DownPanel", tab);
    outer->addWidget(panel);
    auto* col = new QVBoxLayout(panel);
    col->setContentsMargins(6, 6, 6, 6);
    col->setSpacing(4);

    RowList<ClueRow>& clues = across ? acrossClues_ : downClues_;
    clues = RowList<ClueRow>(across ? "AcrossListBox" : "DownListBox", ClueListPainter(), ClueListRowHeight, panel);
    RowListView* list = clues.View();
    col->addWidget(list, 1);
    auto* hint = Named<QLabel>(across ? "ClueLabA2" : "ClueLabD2", panel);
    QFont small = hint->font();
    small.setPixelSize(13);
    hint->setFont(small);
    col->addWidget(hint);
    auto* caption = Named<QLabel>(across ? "AcrossCluePnl" : "DownCluePnl", "Clue:", panel);
    caption->setFrameShape(QFrame::StyledPanel);
    caption->setContentsMargins(4, 2, 4, 2);
    col->addWidget(caption);
    auto* memo = Named<QPlainTextEdit>(across ? "AcrossClueMemo" : "DownClueMemo", panel);
    memo->setFixedHeight(86);
    col->addWidget(memo);

    (across ? acrossPanel_ : downPanel_) = panel;
    (across ? acrossHint_ : downHint_) = hint;
    (across ? acrossCluePanel_ : downCluePanel_) = caption;
    (across ? acrossClueEdit_ : downClueEdit_) = memo;

    auto select = [this, across] { across ? AcrossListBoxClick() : DownListBoxClick(); };
    connect(list, &RowListView::currentRowChanged, this, select);
    connect(list, &RowListView::rowClicked, this, select);
    WatchMouseUp(list->viewport(), [this, across](Qt::MouseButton b) {
        across ? AcrossListBoxMouseUp(b) : DownListBoxMouseUp(b);
    });
    return tab;
}

RowList<ClueRow>& MainWindow::ClueList(bool across) { return across ? acrossClues_ : downClues_; }
QPlainTextEdit* MainWindow::ClueMemo(bool across) const { return across ? acrossClueEdit_ : downClueEdit_; }
QLabel* MainWindow::CluePanel(bool across) const { return across ? acrossCluePanel_ : downCluePanel_; }
bool MainWindow::CluesPageShowing() const { return workflowTabs_->currentWidget() == cluesPage_; }

void MainWindow::TabSheetCluesEnter() { SelectClueWord(clueTabs_->currentWidget() == acrossTab_); }

void MainWindow::TabSheetCluesExit()
{
    CommitClueEdits();
    ResetClueColours(state_.Xw, state_.FillSource);
    RepaintGrid();
}

void MainWindow::CluePageControlChange() { SelectClueWord(clueTabs_->currentWidget() == acrossTab_); }

void MainWindow::AcrossListBoxClick() { SelectClueWord(true); }
void MainWindow::DownListBoxClick() { SelectClueWord(false); }

void MainWindow::SelectClueWord(bool across)
{
    // During a run the crossword is the run's working copy: the lists can be read, not followed.
    if (state_.RunInProgress()) return;
    CommitClueEdits();
    const ClueRow* row = ClueList(across).Current();
    if (!row || row->Slot < 1 || row->Slot > state_.Xw.WordSlotCount) {
        ResetClueColours(state_.Xw, state_.FillSource);
        RepaintGrid();
        return;
    }
    HighlightClueWord(state_.Xw, state_.FillSource, row->Slot);
    CluePanel(across)->setText(ToQ(CluePanelCaption(*row)));
    ClueMemo(across)->setPlainText(ToQ(state_.Xw.Slot(row->Slot).ClueTxt.view()));
    ClueMemo(across)->document()->setModified(false);
    (across ? acrossMemoSlot_ : downMemoSlot_) = row->Slot;
    RepaintGrid();
}

void MainWindow::CommitClueEdits()
{
    ClueMemoExit(true);
    ClueMemoExit(false);
}

void MainWindow::ClueMemoExit(bool across)
{
    // Only what the user typed is kept: a memo that was not edited leaves the clue alone.
    QPlainTextEdit* memo = ClueMemo(across);
    const int slot = across ? acrossMemoSlot_ : downMemoSlot_;
    if (slot >= 1 && slot <= state_.Xw.WordSlotCount && memo->document()->isModified() &&
        StoreEditedClue(state_.Xw.Slot(slot), FromQ(memo->toPlainText())) && !state_.LoadedFromFile)
        state_.ClueEdits.Keep(state_.Fills.CurrentFill, state_.Xw.Slot(slot));
    memo->document()->setModified(false);
}

void MainWindow::AcrossClueMemoExit() { ClueMemoExit(true); }
void MainWindow::DownClueMemoExit() { ClueMemoExit(false); }

void MainWindow::ListBoxMouseUp(bool across, Qt::MouseButton button)
{
    if (button != Qt::RightButton || !UsesDictionary(state_.FillSource) || state_.RunInProgress()) return;
    if (const ClueRow* row = ClueList(across).Current()) FindAlternatives(row->Slot);
}

void MainWindow::AcrossListBoxMouseUp(Qt::MouseButton button) { ListBoxMouseUp(true, button); }
void MainWindow::DownListBoxMouseUp(Qt::MouseButton button) { ListBoxMouseUp(false, button); }

void MainWindow::MainStringGridMouseUp(int col, int row, Qt::MouseButton button)
{
    if (!CluesPageShowing() || state_.RunInProgress() || !state_.Xw.Squares.Inside(col, row)) return;
    const int ref = state_.Xw.Squares(col, row).SlotRef;
    if (ref == 0) return;
    const bool across = ref > 0;
    const int slot = across ? ref : -ref;
    {
        const QSignalBlocker block(clueTabs_);
        clueTabs_->setCurrentWidget(across ? acrossTab_ : downTab_);
    }
    RowList<ClueRow>& list = ClueList(across);
    SelectRow(list, FindSlotRow(list.Rows(), slot));
    SelectClueWord(across);
    if (button == Qt::RightButton && UsesDictionary(state_.FillSource) && !state_.RunInProgress()) {
        FindAlternatives(slot);
        SelectClueWord(across);
    }
}

void MainWindow::ReplaceWordBtnClick()
{
    ListBoxMouseUp(clueTabs_->currentWidget() == acrossTab_, Qt::RightButton);
}

void MainWindow::FindAlternatives(int slot)
{
    Guard([&] {
        const Alternatives alt = qm::FindAlternatives(state_.Xw, slot, state_.Dict);
        replaceWordDialog_->ShowAlternatives(alt.Rows, ToQ(alt.FooterA), ToQ(alt.FooterB), this);
    });
}

void MainWindow::WordsDlgWordsListBoxClick(const ReplacementChoice& choice)
{
    if (state_.RunInProgress()) return;
    Guard([&] {
        // The dialog may be older than the crossword on display: only a word that still fits is taken.
        if (choice.Slot < 1 || choice.Slot > state_.Xw.WordSlotCount) return;
        const Alternatives alt = qm::FindAlternatives(state_.Xw, choice.Slot, state_.Dict);
        if (std::find(alt.Rows.begin(), alt.Rows.end(), choice) == alt.Rows.end()) return;
        CommitClueEdits();
        const bool across = state_.Xw.Slot(choice.Slot).Dir;
        RowList<ClueRow>& list = ClueList(across);
        const int remembered = list.View()->currentRow();
        ReplaceSlotWord(state_, choice);
        ShowSlotLists();
        if (remembered >= 0 && remembered < list.Count()) SelectRow(list, remembered);
        SelectClueWord(across);
        RepaintGrid();
    });
    replaceWordDialog_->close();
}

void MainWindow::DeleteSelectedAnswer()
{
    if (state_.RunInProgress()) return;
    const bool across = clueTabs_->currentWidget() == acrossTab_;
    RowList<ClueRow>& list = ClueList(across);
    const ClueRow* row = list.Current();
    if (!row) return;
    const int slot = row->Slot;
    if (!dialogs_->AskYesCancel(this, "Delete " + ToQ(row->Answer) + "?")) return;
    const int position = list.View()->currentRow();
    Guard([&] {
        CommitClueEdits();
        RemoveSlot(state_.Xw, slot, state_.FillSource);
        ShowSlotLists();
        if (list.Count() > 0) SelectRow(list, std::min(position, list.Count() - 1));
        SelectClueWord(across);
        ShowFillStatus(state_.Xw.WordSlotCount, CountLetterSquares(state_.Xw.Squares), 0);
        RepaintGrid();
        addThisGridButton_->setEnabled(true);
    });
}

}  // namespace qm::ui
