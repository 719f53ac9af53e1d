// WordUsageTab: the Word Usage tab of the freeform Generate page and its "Grid Nos." window.
#include "ui/word_usage_tab.h"

#include "core/grid/colours.h"
#include "ui/colour.h"
#include "ui/fills_of_word_dialog.h"
#include "ui/form_building.h"
#include "ui/main_window.h"
#include "ui/word_usage_grid.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cstdlib>

namespace qm::ui {

WordUsageTab::WordUsageTab(MainWindow& window) : window_(window)
{
    setObjectName("TabSheetUsage");
    auto* sheet = new QVBoxLayout(this);
    sheet->setContentsMargins(0, 0, 0, 0);
    panel_ = Named<QFrame>("WordUsagePanel", this);
    SetPanelColour(panel_, ColourButtonFace);
    sheet->addWidget(panel_);
    BuildPanel();
    fillsOfWordDialog_ = new FillsOfWordDialog(&window_);
    connect(fillsOfWordDialog_, &FillsOfWordDialog::gridChosen, this, [this](const FillsOfWordRow& use) { emit fillOfWordChosen(use); });
}

void WordUsageTab::BuildPanel()
{
    auto* col = new QVBoxLayout(panel_);
    col->setContentsMargins(6, 6, 6, 6);
    col->setSpacing(4);
    auto* radios = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    alphabeticalRadio_ = Named<QRadioButton>("AlphaRadio", "  List - alphabetical", panel_);
    rankedRadio_ = Named<QRadioButton>("RankedRadio", "  List - ranked", panel_);
    groupedRadio_ = Named<QRadioButton>("GroupedRadio", "  List - grouped by word length", panel_);
    summaryRadio_ = Named<QRadioButton>("SummarisedRadio", "  Word length summary", panel_);
    alphabeticalRadio_->setChecked(true);
    left->addWidget(alphabeticalRadio_);
    left->addWidget(rankedRadio_);
    right->addWidget(groupedRadio_);
    right->addWidget(summaryRadio_);
    radios->addLayout(left);
    radios->addLayout(right);
    radios->addStretch(1);
    col->addLayout(radios);

    table_ = Named<WordUsageGrid>("WordUsageStringGrid", panel_);
    SetCalibri(table_, 9);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 4);
    col->addWidget(table_, 1);

    connect(alphabeticalRadio_, &QRadioButton::clicked, this, [this] { ShowTable(UsageTableKind::Alphabetical); });
    connect(rankedRadio_, &QRadioButton::clicked, this, [this] { ShowTable(UsageTableKind::Ranked); });
    connect(groupedRadio_, &QRadioButton::clicked, this, [this] { ShowTable(UsageTableKind::Grouped); });
    connect(summaryRadio_, &QRadioButton::clicked, this, [this] { ShowTable(UsageTableKind::Summary); });
    connect(table_, &WordUsageGrid::mouseUp, this, [this](QPoint at) { OnTableMouseUp(at); });
}

UsageTableKind WordUsageTab::CheckedTable() const
{
    if (alphabeticalRadio_->isChecked()) return UsageTableKind::Alphabetical;
    if (rankedRadio_->isChecked()) return UsageTableKind::Ranked;
    if (groupedRadio_->isChecked()) return UsageTableKind::Grouped;
    return UsageTableKind::Summary;
}

void WordUsageTab::ShowCheckedTable() { ShowTable(CheckedTable()); }

void WordUsageTab::ShowTable(UsageTableKind kind)
{
    const QuillmereState& state = window_.State();
    window_.Guard([&] { table_->SetTable(BuildUsageTable(kind, state.Imported, state.Fills)); });
}

void WordUsageTab::CloseFillsOfWordDialog() { fillsOfWordDialog_->close(); }

void WordUsageTab::OnTableMouseUp(QPoint at)
{
    if (table_->Table().Kind == UsageTableKind::Summary) return;
    const QModelIndex cell = table_->indexAt(at);
    if (!cell.isValid() || cell.column() != 0) return;
    const UsageRow* row = table_->RowAt(cell.row());
    if (!row || row->Of != UsageRow::Kind::Word) return;

    const QuillmereState& state = window_.State();
    std::vector<FillsOfWordRow> uses;
    window_.Guard([&] { uses = FillsOfWord(row->Word, state.Imported, state.Fills); });
    const bool any = !uses.empty();
    fillsOfWordDialog_->SetRows(std::move(uses));
    const QPoint grid = table_->mapTo(&window_, QPoint(0, 0));
    fillsOfWordDialog_->move(window_.frameGeometry().left() + table_->columnWidth(0), window_.frameGeometry().top() + grid.y());
    if (any) {
        fillsOfWordDialog_->show();
        fillsOfWordDialog_->raise();
    }
}

void WordUsageTab::HighlightWord(const FillsOfWordRow& use)
{
    // The word's squares (a down word is stored with its row and column negated), when the fill
    // still holds a word there: lines listed before a later run may name another fill's words.
    const bool across = use.Row > 0 && use.Col > 0;
    const int r0 = std::abs(use.Row);
    const int c0 = std::abs(use.Col);
    Crossword& xw = window_.State().Xw;
    bool holdsWord = false;
    for (int k = 1; k <= xw.WordSlotCount; ++k) {
        const WordSlot& s = xw.Slot(k);
        if (s.Row == r0 && s.Col == c0 && s.Dir == across && static_cast<int>(s.WordTxt.size()) == use.Length) holdsWord = true;
    }
    Grid& squares = xw.Squares;
    for (int i = 0; holdsWord && i < use.Length; ++i) {
        const int c = across ? c0 + i : c0;
        const int r = across ? r0 : r0 + i;
        if (squares.Inside(c, r)) squares(c, r).CellColour = ColourSelectedWord;
    }
}

}  // namespace qm::ui
