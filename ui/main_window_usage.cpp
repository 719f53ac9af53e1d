// MainWindow, the Word Usage tab of the freeform Generate page: how often each imported word was used in the
// stored fills, and the "Grid Nos." window that shows the fills using a word.
#include "ui/main_window.h"

#include "core/freeform/freeform_run.h"
#include "core/stats/word_usage.h"
#include "ui/fills_of_word_dialog.h"
#include "ui/form_building.h"
#include "ui/main_string_grid.h"
#include "ui/word_usage_grid.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>

namespace qm::ui {

void MainWindow::BuildWordUsagePanel()
{
    auto* col = new QVBoxLayout(wordUsagePanel_);
    col->setContentsMargins(6, 6, 6, 6);
    col->setSpacing(4);
    auto* radios = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    alphabeticalRadio_ = Named<QRadioButton>("AlphaRadio", "  List - alphabetical", wordUsagePanel_);
    rankedRadio_ = Named<QRadioButton>("RankedRadio", "  List - ranked", wordUsagePanel_);
    groupedRadio_ = Named<QRadioButton>("GroupedRadio", "  List - grouped by word length", wordUsagePanel_);
    summaryRadio_ = Named<QRadioButton>("SummarisedRadio", "  Word length summary", wordUsagePanel_);
    alphabeticalRadio_->setChecked(true);
    left->addWidget(alphabeticalRadio_);
    left->addWidget(rankedRadio_);
    right->addWidget(groupedRadio_);
    right->addWidget(summaryRadio_);
    radios->addLayout(left);
    radios->addLayout(right);
    radios->addStretch(1);
    col->addLayout(radios);

    wordUsageTable_ = Named<WordUsageGrid>("WordUsageStringGrid", wordUsagePanel_);
    SetCalibri(wordUsageTable_, 9);
    wordUsageTable_->verticalHeader()->setDefaultSectionSize(wordUsageTable_->fontMetrics().height() + 4);
    col->addWidget(wordUsageTable_, 1);

    connect(freeformGenerateTabs_, &QTabWidget::currentChanged, this, [this] { PageControlFreeGenChange(); });
    // Coming back to the Generate page with the Word Usage tab on top shows the stores as they are now.
    connect(workflowTabs_, &QTabWidget::currentChanged, this, [this] { RefreshWordUsageIfShown(); });
    connect(alphabeticalRadio_, &QRadioButton::clicked, this, [this] { AlphaRadioClick(); });
    connect(rankedRadio_, &QRadioButton::clicked, this, [this] { RankedRadioClick(); });
    connect(groupedRadio_, &QRadioButton::clicked, this, [this] { GroupedRadioClick(); });
    connect(summaryRadio_, &QRadioButton::clicked, this, [this] { SummarisedRadioClick(); });
    connect(wordUsageTable_, &WordUsageGrid::mouseUp, this, [this](QPoint at) { WordUsageStringGridMouseUp(at); });
}

UsageTableKind MainWindow::CheckedUsageTable() const
{
    if (alphabeticalRadio_->isChecked()) return UsageTableKind::Alphabetical;
    if (rankedRadio_->isChecked()) return UsageTableKind::Ranked;
    if (groupedRadio_->isChecked()) return UsageTableKind::Grouped;
    return UsageTableKind::Summary;
}

void MainWindow::PageControlFreeGenChange()
{
    if (freeformGenerateTabs_->currentWidget() == wordUsageTab_) ShowWordUsage(CheckedUsageTable());
}

void MainWindow::RefreshWordUsageIfShown()
{
    if (workflowTabs_->currentWidget() == generatePage_ && generateKinds_->currentWidget() == freeformGenerate_ &&
        freeformGenerateTabs_->currentWidget() == wordUsageTab_)
        ShowWordUsage(CheckedUsageTable());
}

void MainWindow::AlphaRadioClick() { ShowWordUsage(UsageTableKind::Alphabetical); }
void MainWindow::RankedRadioClick() { ShowWordUsage(UsageTableKind::Ranked); }
void MainWindow::GroupedRadioClick() { ShowWordUsage(UsageTableKind::Grouped); }
void MainWindow::SummarisedRadioClick() { ShowWordUsage(UsageTableKind::Summary); }

void MainWindow::ShowWordUsage(UsageTableKind kind)
{
    Guard([&] { wordUsageTable_->SetTable(BuildUsageTable(kind, state_.Imported, state_.Fills)); });
}

void MainWindow::WordUsageStringGridMouseUp(QPoint at)
{
    if (wordUsageTable_->Table().Kind == UsageTableKind::Summary) return;
    const QModelIndex cell = wordUsageTable_->indexAt(at);
    if (!cell.isValid() || cell.column() != 0) return;
    const UsageRow* row = wordUsageTable_->RowAt(cell.row());
    if (!row || row->Of != UsageRow::Kind::Word) return;

    std::vector<FillsOfWordRow> uses;
    Guard([&] { uses = FillsOfWord(row->Word, state_.Imported, state_.Fills); });
    const bool any = !uses.empty();
    fillsOfWordDialog_->SetRows(std::move(uses));
    const QPoint grid = wordUsageTable_->mapTo(this, QPoint(0, 0));
    fillsOfWordDialog_->move(frameGeometry().left() + wordUsageTable_->columnWidth(0), frameGeometry().top() + grid.y());
    if (any) {
        fillsOfWordDialog_->show();
        fillsOfWordDialog_->raise();
    }
}

void MainWindow::GridsListBoxClick(const FillsOfWordRow& use)
{
    const int fill = use.Fill;
    const int row = use.Row;
    const int col = use.Col;
    const int length = use.Length;
    // The lines name freeform fills; they wait while a run rewrites the stores.
    if (state_.FillSource != FillSourceKind::Freeform || state_.RunInProgress()) return;
    if (fill < 1 || fill > state_.Fills.GridsMax || length < 1) return;
    CommitClueEdits();
    Guard([&] {
        OverrideCursor hourglass(Qt::WaitCursor);
        ResetFillDisplay();
        const ShownFill shown = ShowFreeformFill(state_, fill);
        // The fills list shows which fill this is.
        if (shown.SelectedRow >= 0 && shown.SelectedRow < freeformFills_.Count()) {
            const QSignalBlocker block(freeformFills_.View());
            freeformFills_.View()->setCurrentRow(shown.SelectedRow);
        }
        DisplayShownFill(shown);
        // The word's squares (a down word is stored with its row and column negated), when the fill
        // still holds a word there: lines listed before a later run may name another fill's words.
        const bool across = row > 0 && col > 0;
        const int r0 = std::abs(row);
        const int c0 = std::abs(col);
        const Crossword& xw = state_.Xw;
        bool holdsWord = false;
        for (int k = 1; k <= xw.WordSlotCount; ++k) {
            const WordSlot& s = xw.Slot(k);
            if (s.Row == r0 && s.Col == c0 && s.Dir == across && static_cast<int>(s.WordTxt.size()) == length) holdsWord = true;
        }
        Grid& squares = state_.Xw.Squares;
        for (int i = 0; holdsWord && i < length; ++i) {
            const int c = across ? c0 + i : c0;
            const int r = across ? r0 : r0 + i;
            if (squares.Inside(c, r)) squares(c, r).CellColour = ColourSelectedWord;
        }
    });
    RepaintGrid();
}

}  // namespace qm::ui
