// CluesPage: the Across and Down lists, the selected word in the grid, clue editing, word replacement
// through the "Replace Word" dialog and the removal of an answer.
#include "ui/clues_page.h"

#include "core/clues/clue_editing.h"
#include "ui/form_building.h"
#include "ui/freeform_generate_page.h"
#include "ui/main_window.h"
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

#include <algorithm>

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

CluesPage::CluesPage(MainWindow& window) : window_(window)
{
    setObjectName("TabSheetClues");
    auto* col = new QVBoxLayout(this);
    col->setContentsMargins(4, 4, 4, 4);
    col->setSpacing(6);

    cluesHeaderPanel_ = Named<QLabel>("CluesHeaderPanel", "Click a word in a list or in the grid to read and edit its clue.", this);
    cluesHeaderPanel_->setWordWrap(true);
    cluesHeaderPanel_->setFrameShape(QFrame::StyledPanel);
    cluesHeaderPanel_->setContentsMargins(6, 4, 6, 4);
    col->addWidget(cluesHeaderPanel_);

    clueTabs_ = Named<QTabWidget>("CluePageControl", this);
    acrossTab_ = BuildClueTab(true);
    downTab_ = BuildClueTab(false);
    clueTabs_->addTab(acrossTab_, "Across");
    clueTabs_->addTab(downTab_, "Down");
    col->addWidget(clueTabs_, 1);
    col->addLayout(BuildButtons());

    clueStatus_ = new PanelStatusBar({120, 0}, this);
    clueStatus_->setObjectName("ClueStatusBar");
    col->addWidget(clueStatus_);

    connect(clueTabs_, &QTabWidget::currentChanged, this, [this] { SelectClueWord(AcrossOnShow()); });
}

QLayout* CluesPage::BuildButtons()
{
    auto* buttons = new QHBoxLayout;
    replaceWordButton_ = Named<QPushButton>("ReplaceWordBtn", "Replace Word...", this);
    replaceWordButton_->setEnabled(false);
    addThisGridButton_ = Named<QPushButton>("AddToListOfGridsBtn", "Add This Grid", this);
    addThisGridButton_->setEnabled(false);
    addThisGridButton_->hide();
    buttons->addStretch(1);
    buttons->addWidget(replaceWordButton_);
    buttons->addWidget(addThisGridButton_);
    connect(replaceWordButton_, &QPushButton::clicked, this, [this] { OnListMouseUp(AcrossOnShow(), Qt::RightButton); });
    connect(addThisGridButton_, &QPushButton::clicked, this, [this] { window_.FreeformGenerate().OnAddThisGridChosen(); });
    return buttons;
}

QWidget* CluesPage::BuildClueTab(bool across)
{
    auto* tab = Named<QWidget>(across ? "AcrossTabSheet" : "DownTabSheet");
    auto* outer = new QVBoxLayout(tab);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* panel = Named<QFrame>(across ? "AcrossPanel" : "DownPanel", tab);
    outer->addWidget(panel);
    auto* col = new QVBoxLayout(panel);
    col->setContentsMargins(6, 6, 6, 6);
    col->setSpacing(4);

    RowList<ClueRow>& clues = ClueList(across);
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

    auto select = [this, across] { SelectClueWord(across); };
    connect(list, &RowListView::currentRowChanged, this, select);
    connect(list, &RowListView::rowClicked, this, select);
    WatchMouseUp(list->viewport(), [this, across](Qt::MouseButton b) { OnListMouseUp(across, b); });
    return tab;
}

void CluesPage::SetPanelColours()
{
    for (QWidget* w : std::initializer_list<QWidget*>{acrossPanel_, downPanel_, acrossCluePanel_, downCluePanel_})
        SetPanelColour(w, ColourPanelGrey);
    SetPanelColour(cluesHeaderPanel_, ColourButtonFace);
}

RowList<ClueRow>& CluesPage::ClueList(bool across) { return across ? acrossClues_ : downClues_; }
QPlainTextEdit* CluesPage::ClueMemo(bool across) const { return across ? acrossClueEdit_ : downClueEdit_; }
QLabel* CluesPage::CluePanel(bool across) const { return across ? acrossCluePanel_ : downCluePanel_; }
bool CluesPage::AcrossOnShow() const { return clueTabs_->currentWidget() == acrossTab_; }
bool CluesPage::HasRows() const { return acrossClues_.Count() + downClues_.Count() > 0; }
std::vector<QPlainTextEdit*> CluesPage::ClueMemos() const { return {acrossClueEdit_, downClueEdit_}; }
void CluesPage::EnableReplaceWord(bool enabled) { replaceWordButton_->setEnabled(enabled); }
void CluesPage::EnableAddThisGrid(bool enabled) { addThisGridButton_->setEnabled(enabled); }

void CluesPage::ShowReplaceTools(bool replacing)
{
    replaceWordButton_->setVisible(replacing);
    addThisGridButton_->setVisible(!replacing);
    const QString hint = replacing ? "To replace, right-click (or use the button below)" : "To remove, press 'Delete' (or use the button below)";
    acrossHint_->setText(hint);
    downHint_->setText(hint);
}

void CluesPage::OnEntered() { SelectClueWord(AcrossOnShow()); }

void CluesPage::OnLeft()
{
    QuillmereState& state = window_.State();
    CommitClueEdits();
    ResetClueColours(state.Xw, state.FillSource);
    window_.RepaintGrid();
}

void CluesPage::SelectClueWord(bool across)
{
    QuillmereState& state = window_.State();
    // During a run the crossword is the run's working copy: the lists can be read, not followed.
    if (state.RunInProgress()) return;
    CommitClueEdits();
    const ClueRow* row = ClueList(across).Current();
    if (!row || row->Slot < 1 || row->Slot > state.Xw.WordSlotCount) {
        ResetClueColours(state.Xw, state.FillSource);
        window_.RepaintGrid();
        return;
    }
    HighlightClueWord(state.Xw, state.FillSource, row->Slot);
    CluePanel(across)->setText(ToQ(CluePanelCaption(*row)));
    ClueMemo(across)->setPlainText(ToQ(state.Xw.Slot(row->Slot).ClueTxt.view()));
    ClueMemo(across)->document()->setModified(false);
    (across ? acrossMemoSlot_ : downMemoSlot_) = row->Slot;
    window_.RepaintGrid();
}

void CluesPage::CommitClueEdits()
{
    ClueMemoExit(true);
    ClueMemoExit(false);
}

void CluesPage::ClueMemoExit(bool across)
{
    QuillmereState& state = window_.State();
    // Only what the user typed is kept: a memo that was not edited leaves the clue alone.
    QPlainTextEdit* memo = ClueMemo(across);
    const int slot = across ? acrossMemoSlot_ : downMemoSlot_;
    if (slot >= 1 && slot <= state.Xw.WordSlotCount && memo->document()->isModified() &&
        StoreEditedClue(state.Xw.Slot(slot), FromQ(memo->toPlainText())) && !state.LoadedFromFile)
        state.ClueEdits.Keep(state.Fills.CurrentFill, state.Xw.Slot(slot));
    memo->document()->setModified(false);
}

void CluesPage::OnFocusLost(const QObject* watched)
{
    if (watched == acrossClueEdit_) ClueMemoExit(true);
    else if (watched == downClueEdit_) ClueMemoExit(false);
}

void CluesPage::Clear()
{
    clueTabs_->setCurrentWidget(acrossTab_);
    acrossMemoSlot_ = downMemoSlot_ = 0;
    for (bool across : {true, false}) {
        ClueList(across).Clear();
        ClueMemo(across)->clear();
        CluePanel(across)->setText("Clue:");
    }
}

void CluesPage::ShowSlotLists()
{
    const SlotLists lists = ListSlots(window_.State().Xw);
    acrossMemoSlot_ = downMemoSlot_ = 0;
    for (bool across : {true, false}) {
        RowList<ClueRow>& list = ClueList(across);
        const QSignalBlocker block(list.View());
        ClueMemo(across)->clear();
        CluePanel(across)->setText("Clue:");
        list.SetRows(across ? lists.Across : lists.Down);
        if (list.Count() > 0) list.View()->setCurrentRow(0);
    }
    clueStatus_->setPanelText(0, QString("Across: %1").arg(lists.Across.size()));
    clueStatus_->setPanelText(1, QString("Down: %1").arg(lists.Down.size()));
}

void CluesPage::OnListMouseUp(bool across, Qt::MouseButton button)
{
    const QuillmereState& state = window_.State();
    if (button != Qt::RightButton || !UsesDictionary(state.FillSource) || state.RunInProgress()) return;
    if (const ClueRow* row = ClueList(across).Current()) FindAlternatives(row->Slot);
}

void CluesPage::OnGridClicked(int col, int row, Qt::MouseButton button)
{
    const QuillmereState& state = window_.State();
    if (!window_.Showing(this) || state.RunInProgress() || !state.Xw.Squares.Inside(col, row)) return;
    const int ref = state.Xw.Squares(col, row).SlotRef;
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
    if (button == Qt::RightButton && UsesDictionary(state.FillSource) && !state.RunInProgress()) {
        FindAlternatives(slot);
        SelectClueWord(across);
    }
}

void CluesPage::FindAlternatives(int slot)
{
    window_.Guard([&] {
        const QuillmereState& state = window_.State();
        const Alternatives alt = qm::FindAlternatives(state.Xw, slot, state.Dict);
        window_.ReplaceDialog().ShowAlternatives(alt.Rows, ToQ(alt.FooterA), ToQ(alt.FooterB), &window_);
    });
}

void CluesPage::OnReplacementChosen(const ReplacementChoice& choice)
{
    QuillmereState& state = window_.State();
    if (state.RunInProgress()) return;
    window_.Guard([&] {
        // The dialog may be older than the crossword on display: only a word that still fits is taken.
        if (choice.Slot < 1 || choice.Slot > state.Xw.WordSlotCount) return;
        const Alternatives alt = qm::FindAlternatives(state.Xw, choice.Slot, state.Dict);
        if (std::find(alt.Rows.begin(), alt.Rows.end(), choice) == alt.Rows.end()) return;
        CommitClueEdits();
        const bool across = state.Xw.Slot(choice.Slot).Dir;
        RowList<ClueRow>& list = ClueList(across);
        const int remembered = list.View()->currentRow();
        ReplaceSlotWord(state, choice);
        ShowSlotLists();
        if (remembered >= 0 && remembered < list.Count()) SelectRow(list, remembered);
        SelectClueWord(across);
        window_.RepaintGrid();
    });
    window_.ReplaceDialog().close();
}

bool CluesPage::OnDeleteKey()
{
    if (ClueMemo(AcrossOnShow())->hasFocus()) return false;
    DeleteSelectedAnswer();
    return true;
}

void CluesPage::DeleteSelectedAnswer()
{
    QuillmereState& state = window_.State();
    if (state.RunInProgress()) return;
    const bool across = AcrossOnShow();
    RowList<ClueRow>& list = ClueList(across);
    const ClueRow* row = list.Current();
    if (!row) return;
    const int slot = row->Slot;
    if (!window_.Dialogs().AskYesCancel(&window_, "Delete " + ToQ(row->Answer) + "?")) return;
    const int position = list.View()->currentRow();
    window_.Guard([&] {
        CommitClueEdits();
        RemoveSlot(state.Xw, slot, state.FillSource);
        ShowSlotLists();
        if (list.Count() > 0) SelectRow(list, std::min(position, list.Count() - 1));
        SelectClueWord(across);
        window_.ShowFillStatus(state.Xw.WordSlotCount, CountLetterSquares(state.Xw.Squares), 0);
        window_.RepaintGrid();
        addThisGridButton_->setEnabled(true);
    });
}

void CluesPage::ShowFlipped(const std::function<void()>& flip)
{
    CommitClueEdits();
    const bool wasAcross = clueTabs_->currentWidget() != downTab_;
    // The answer of the selected row, as far as the list compares answers: their first 30 characters.
    std::string remembered;
    if (const ClueRow* row = ClueList(wasAcross).Current()) remembered = row->Answer.substr(0, 30);
    flip();
    PaintFreeze freeze(clueTabs_);
    const bool nowAcross = !wasAcross;
    {
        const QSignalBlocker block(clueTabs_);
        clueTabs_->setCurrentWidget(nowAcross ? acrossTab_ : downTab_);
    }
    ShowSlotLists();
    RowList<ClueRow>& now = ClueList(nowAcross);
    int select = now.Count() - 1;
    for (int i = 0; i + 1 < now.Count(); ++i)
        if (now.Rows()[static_cast<std::size_t>(i)].Answer.substr(0, 30) == remembered) {
            select = i;
            break;
        }
    if (select >= 0) SelectRow(now, select);
    if (window_.Showing(this)) SelectClueWord(nowAcross);
}

}  // namespace qm::ui
