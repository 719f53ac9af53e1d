// FreeformGeneratePage: the freeform Generate page. Building its tabs, the seed word and word length
// options, Quick Fill, runs of ranked fills with their list, Improve, "Add This Grid" from the Clues page
// and the fills chosen in "Grid Nos.".
#include "ui/freeform_generate_page.h"

#include "core/fills/fill_list.h"
#include "core/fills/fill_store.h"
#include "core/freeform/freeform_run.h"
#include "core/words/import.h"
#include "ui/clues_page.h"
#include "ui/colour.h"
#include "ui/form_building.h"
#include "ui/main_string_grid.h"
#include "ui/main_window.h"
#include "ui/owner_drawn_lists.h"
#include "ui/panel_status_bar.h"
#include "ui/seed_and_length_options.h"
#include "ui/symmetric_generate_page.h"
#include "ui/word_usage_tab.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include <optional>

namespace qm::ui {

namespace {

/// The columns of the freeform fills list: the fill number with its origin marker, letters, words,
/// interlocks and score (the area only counts towards the score).
QVector<FillColumn> FreeFillsColumns()
{
    return {{"Fill", 30, [](const FillRow& r) { return QString::number(r.Fill); }},
            {"", 8, [](const FillRow& r) { return QString(QChar::fromLatin1(r.Origin)).trimmed(); }},
            {"Letters", 48, [](const FillRow& r) { return QString::number(r.Letters); }},
            {"Words", 44, [](const FillRow& r) { return QString::number(r.Words); }},
            {"Interlocks", 66, [](const FillRow& r) { return QString::number(r.Interlocks); }},
            {"Score", 44, [](const FillRow& r) { return QString::number(r.Score); }}};
}

/// A tab of the page: a sheet with one coloured panel that fills it.
QWidget* PanelSheet(const char* name, const char* panelName, QFrame*& panel)
{
    QWidget* sheet = Named<QWidget>(name);
    auto* l = new QVBoxLayout(sheet);
    l->setContentsMargins(0, 0, 0, 0);
    panel = Named<QFrame>(panelName, sheet);
    SetPanelColour(panel, ColourButtonFace);
    l->addWidget(panel);
    return sheet;
}

}  // namespace

FreeformGeneratePage::FreeformGeneratePage(MainWindow& window) : window_(window)
{
    setObjectName("TabSheetGenFreeForm");
    BuildTabs();
    BuildFillOptionsTab();
    BuildMainTab();
}

void FreeformGeneratePage::BuildTabs()
{
    auto* col = new QVBoxLayout(this);
    col->setContentsMargins(0, 0, 0, 0);
    tabs_ = Named<QTabWidget>("PageControlFreeGen", this);
    fillOptionsTab_ = PanelSheet("TabSheetFreeOptions", "TabsheetFreeOptionsPnl", fillOptionsPanel_);
    mainTab_ = PanelSheet("TabSheetFreeMain", "TabsheetFreeMainPnl", mainPanel_);
    auto* mainCol = new QVBoxLayout(mainPanel_);
    quickFillPanel_ = Named<QFrame>("QuickFillPanel", mainPanel_);
    SetPanelColour(quickFillPanel_, ColourButtonFace);
    mainCol->addWidget(quickFillPanel_);
    mainCol->addStretch(1);
    wordUsageTab_ = new WordUsageTab(window_);
    connect(wordUsageTab_, &WordUsageTab::fillOfWordChosen, this, [this](const FillsOfWordRow& use) { OnFillOfWordChosen(use); });
    connect(tabs_, &QTabWidget::currentChanged, this, [this] { OnTabChanged(); });
    // Coming back to the Generate page with the Word Usage tab on top shows the stores as they are now.
    connect(window_.WorkflowPages(), &QTabWidget::currentChanged, this, [this] { OnWorkflowPageChanged(); });
    tabs_->addTab(fillOptionsTab_, "Fill Options");
    tabs_->addTab(mainTab_, "Main");
    tabs_->addTab(wordUsageTab_, "Word Usage");
    col->addWidget(tabs_);
}

void FreeformGeneratePage::BuildFillOptionsTab()
{
    auto* options = new QVBoxLayout(fillOptionsPanel_);
    options->setContentsMargins(8, 8, 8, 6);
    options->setSpacing(6);
    seedAndLength_ = new SeedAndLengthOptions(window_.State(), fillOptionsPanel_);
    connect(seedAndLength_, &SeedAndLengthOptions::fillButtonsAllowed, this, [this](bool allowed) { EnableFillButtons(allowed); });
    options->addWidget(seedAndLength_);
    allowDuplicatesCheck_ = Named<QCheckBox>("DupCheckBox", " Allow duplicates", fillOptionsPanel_);
    modifyProbabilityCheck_ = Named<QCheckBox>("AlterProbCheckBox", " Modify probability of selection", fillOptionsPanel_);
    modifyProbabilityCheck_->setChecked(true);
    options->addWidget(allowDuplicatesCheck_);
    options->addWidget(modifyProbabilityCheck_);
    BuildRankingOptions(options);
    options->addStretch(1);
}

void FreeformGeneratePage::BuildRankingOptions(QVBoxLayout* options)
{
    auto* ranking = Named<QGroupBox>("RankingGroup", "Ranking method", fillOptionsPanel_);
    auto* rankCol = new QVBoxLayout(ranking);
    rankCol->setSpacing(1);
    rankByScoreRadio_ = Named<QRadioButton>("MaxScoreRadio", "  According to weighted average (default)", ranking);
    rankByLettersRadio_ = Named<QRadioButton>("MaxLettersRadio", "  According to letter count", ranking);
    rankByWordsRadio_ = Named<QRadioButton>("MaxWordsRadio", "  According to word count", ranking);
    rankByInterlocksRadio_ = Named<QRadioButton>("MaxILocksRadio", "  According to number of interlocks", ranking);
    rankByScoreRadio_->setChecked(true);
    for (QRadioButton* r : {rankByScoreRadio_, rankByLettersRadio_, rankByWordsRadio_, rankByInterlocksRadio_}) rankCol->addWidget(r);
    options->addWidget(ranking);
}

void FreeformGeneratePage::BuildMainTab()
{
    // Quick Fill above the run of Multiple Fills
    auto* quick = new QHBoxLayout(quickFillPanel_);
    quick->setContentsMargins(4, 4, 4, 4);
    quick->setSpacing(6);
    quick->addWidget(new QLabel("Quick Fill (one fill):", quickFillPanel_));
    quickFillButton_ = Named<QPushButton>("FreeQuickFillBtn", "&Go !", quickFillPanel_);
    quickFillButton_->setEnabled(false);
    quick->addWidget(quickFillButton_);
    quickFillProgress_ = Named<QProgressBar>("ProgressBarFreeQuick", quickFillPanel_);
    quick->addWidget(quickFillProgress_, 1);

    auto* mainCol = qobject_cast<QVBoxLayout*>(mainPanel_->layout());
    delete mainCol->takeAt(mainCol->count() - 1);  // the list takes the room left
    mainCol->setContentsMargins(6, 6, 6, 4);
    mainCol->setSpacing(4);
    BuildRunRow(mainCol);
    BuildFillsList(mainCol);
    ConnectMainTab();
}

void FreeformGeneratePage::BuildRunRow(QVBoxLayout* mainCol)
{
    auto* run = new QHBoxLayout;
    run->setSpacing(6);
    auto* repeatsLab = new QLabel("Fills:", mainPanel_);
    fillCountEdit_ = Named<QLineEdit>("FreeRepeatsEdit", "100", mainPanel_);
    fillCountEdit_->setMaxLength(4);
    fillCountEdit_->setFixedWidth(48);
    repeatsLab->setBuddy(fillCountEdit_);
    startButton_ = Named<QPushButton>("FreeStartBtn", "&Start", mainPanel_);
    stopButton_ = Named<QPushButton>("FreeStopBtn", "S&top", mainPanel_);
    improveButton_ = Named<QPushButton>("FreeImproveBtn", "&Improve", mainPanel_);
    for (QPushButton* b : {startButton_, stopButton_, improveButton_}) b->setEnabled(false);
    run->addWidget(repeatsLab);
    run->addWidget(fillCountEdit_);
    run->addStretch(1);
    run->addWidget(startButton_);
    run->addWidget(stopButton_);
    run->addWidget(improveButton_);
    mainCol->addLayout(run);
}

void FreeformGeneratePage::BuildFillsList(QVBoxLayout* mainCol)
{
    fillsProgress_ = Named<QProgressBar>("ProgressBarFreeMult", mainPanel_);
    for (QProgressBar* b : {quickFillProgress_, fillsProgress_}) {
        b->setTextVisible(false);
        b->setFixedHeight(12);
        b->setValue(0);
    }
    mainCol->addWidget(fillsProgress_);
    fillsHeader_ = new ColumnHeader(FreeFillsColumns(), mainPanel_);
    fillsHeader_->setObjectName("FreeFillsHeaderPnl");
    mainCol->addWidget(fillsHeader_);
    fills_ = RowList<FillRow>("FreeFillsListBox", FillsListPainter(FreeFillsColumns()), 17, mainPanel_);
    mainCol->addWidget(fills_.View(), 1);
    fillsHint_ = FillsHintPanel("FreeFillStatusPnl", mainPanel_);
    mainCol->addWidget(fillsHint_);
    fillsStatus_ = new PanelStatusBar({80, 70, 80, 0}, mainPanel_);
    fillsStatus_->setObjectName("FreeFillsStatusBar");
    mainCol->addWidget(fillsStatus_);
}

void FreeformGeneratePage::ConnectMainTab()
{
    connect(quickFillButton_, &QPushButton::clicked, this, [this] { OnQuickFillClicked(); });
    connect(startButton_, &QPushButton::clicked, this, [this] { OnStartClicked(); });
    connect(stopButton_, &QPushButton::clicked, this, [this] { OnStopClicked(); });
    connect(improveButton_, &QPushButton::clicked, this, [this] { OnImproveClicked(); });
    connect(fillCountEdit_, &QLineEdit::returnPressed, this, [this] { OnStartClicked(); });
    connect(fills_.View(), &RowListView::rowClicked, this, [this] { OnFillChosen(); });
    connect(fills_.View(), &RowListView::currentRowChanged, this, [this] { OnFillChosen(); });
    WatchMouseUp(fills_.View()->viewport(), [this](Qt::MouseButton b) { OnFillsListMouseUp(b); });
}

// ---------------------------------------------------------------------------------------------
// What the other pages ask of it

void FreeformGeneratePage::ShowMainTab() { tabs_->setCurrentWidget(mainTab_); }

void FreeformGeneratePage::EmptyFills()
{
    window_.State().Freeform.FreeFillsList.Clear();
    fills_.Clear();
    improveButton_->setEnabled(false);
}

void FreeformGeneratePage::ClearFillsHint() { fillsHint_->clear(); }

void FreeformGeneratePage::EnableFillButtons(bool enabled)
{
    quickFillButton_->setEnabled(enabled);
    startButton_->setEnabled(enabled);
}

void FreeformGeneratePage::ShowLoadedFill(const FillRow& row)
{
    startButton_->setEnabled(false);
    const QSignalBlocker block(fills_.View());
    fills_.SetRows({row});
    fills_.View()->setCurrentRow(0);
}

void FreeformGeneratePage::ResetProgress()
{
    for (QProgressBar* bar : {quickFillProgress_, fillsProgress_}) bar->setValue(0);
}

void FreeformGeneratePage::OnGridCleared()
{
    for (int panel = 0; panel < 4; ++panel) fillsStatus_->setPanelText(panel, {});
    {
        const QSignalBlocker block(fills_.View());
        fills_.View()->setCurrentRow(-1);
    }
    improveButton_->setEnabled(false);
    fillsHint_->setText("Click on any row to select a fill");
}

void FreeformGeneratePage::ShowImportedList(const ImportStatus& status)
{
    seedAndLength_->ShowSeedWords(window_.State().Imported);
    fillsStatus_->setPanelText(0, ToQ(status.FreeFillsWordsText));
}

void FreeformGeneratePage::ShowLengthOptions() { seedAndLength_->ShowLengthOptions(); }

void FreeformGeneratePage::OnSeedListClicked() { seedAndLength_->OnSeedListClicked(); }

std::vector<QWidget*> FreeformGeneratePage::PausedByRuns() const
{
    std::vector<QWidget*> paused = {improveButton_, quickFillButton_, fillCountEdit_};
    const std::vector<QWidget*> seedAndLength = seedAndLength_->PausedByRuns();
    paused.insert(paused.end(), seedAndLength.begin(), seedAndLength.end());
    paused.insert(paused.end(), {allowDuplicatesCheck_, modifyProbabilityCheck_, rankByScoreRadio_, rankByLettersRadio_, rankByWordsRadio_,
                                 rankByInterlocksRadio_});
    return paused;
}

// ---------------------------------------------------------------------------------------------
// Word Usage tab

void FreeformGeneratePage::CloseFillsOfWordDialog() { wordUsageTab_->CloseFillsOfWordDialog(); }

void FreeformGeneratePage::OnTabChanged()
{
    if (tabs_->currentWidget() == wordUsageTab_) wordUsageTab_->ShowCheckedTable();
}

void FreeformGeneratePage::OnWorkflowPageChanged()
{
    if (window_.ShowingGenerateKind(this) && tabs_->currentWidget() == wordUsageTab_) wordUsageTab_->ShowCheckedTable();
}

// ---------------------------------------------------------------------------------------------
// Helpers

void FreeformGeneratePage::ReadOptions(bool ranking)
{
    FreeformOptions& o = window_.State().Freeform.Options;
    o.AllowDuplicates = allowDuplicatesCheck_->isChecked();
    o.ModifyProbability = modifyProbabilityCheck_->isChecked();
    if (!ranking) return;
    o.Ranking = rankByLettersRadio_->isChecked()  ? RankingMethod::Letters
                : rankByWordsRadio_->isChecked()  ? RankingMethod::Words
                : rankByInterlocksRadio_->isChecked() ? RankingMethod::Interlocks
                                              : RankingMethod::Score;
}

FreeformRunCallbacks FreeformGeneratePage::Callbacks()
{
    FreeformRunCallbacks c;
    c.Engine.QuickProgress = [this](int placed) { quickFillProgress_->setValue(placed); };
    c.Engine.Message = [this](const std::string& m) { window_.Dialogs().Information(&window_, ToQ(m)); };
    c.FillListed = [this](const FreeformRunProgress& p) {
        const FillList& list = window_.State().Freeform.FreeFillsList;
        const int position = FindFillRow(list, p.Listed);
        if (position >= 0) {
            const QSignalBlocker block(fills_.View());
            fills_.Insert(position, list.At(position));
        }
        fillsProgress_->setValue(p.Listed);
        fillsStatus_->setPanelText(1, ToQ(p.CountText));
        fillsStatus_->setPanelText(2, ToQ(p.AverageText));
    };
    c.AttemptDone = [this](const std::string& reuse) { fillsStatus_->setPanelText(3, ToQ(reuse)); };
    c.ProcessMessages = [] { QCoreApplication::processEvents(); };
    c.ImproveProgress = [this](int attempt) { fillsProgress_->setValue(attempt); };
    return c;
}

void FreeformGeneratePage::ShowFillsLines()
{
    const QSignalBlocker block(fills_.View());
    fills_.SetRows(window_.State().Freeform.FreeFillsList.Rows);
}

void FreeformGeneratePage::SelectFillLine(int n)
{
    const QSignalBlocker block(fills_.View());
    fills_.View()->setCurrentRow(FindFillRow(window_.State().Freeform.FreeFillsList, n));
}

void FreeformGeneratePage::DisplayFill(const ShownFill& shown)
{
    SelectFillLine(shown.Fill);
    window_.ResetFillDisplay();
    window_.DisplayShownFill(shown);
}

RunControls FreeformGeneratePage::RunPauses(bool improving) const
{
    RunControls controls;
    controls.Paused = window_.PausedByFreeformRuns();
    const std::vector<QWidget*> own = PausedByRuns();
    controls.Paused.insert(controls.Paused.end(), own.begin(), own.end());
    // Improve works on the fill on display: no other fill may be shown meanwhile.
    if (improving) controls.Paused.push_back(fills_.View());
    controls.Start = startButton_;
    controls.StartOnAfterRun = false;
    controls.Stop = stopButton_;
    controls.ReadOnly = window_.Clues().ClueMemos();
    return controls;
}

// ---------------------------------------------------------------------------------------------
// Quick Fill, runs and Improve

void FreeformGeneratePage::OnQuickFillClicked()
{
    QuillmereState& state = window_.State();
    if (state.RunInProgress() || !quickFillButton_->isEnabled()) return;
    window_.CommitClueEdits();
    ReadOptions(true);
    OverrideCursor hourglass(Qt::WaitCursor);
    quickFillProgress_->setRange(0, state.Xw.GridSize * 3);
    quickFillProgress_->setValue(0);
    fillsHint_->clear();
    fillsStatus_->setPanelText(2, {});
    fillsProgress_->setMaximum(1);
    fillsProgress_->setValue(0);

    FreeformRunCallbacks callbacks = Callbacks();
    // One fill: listed at the end, and no messages are taken in between.
    callbacks.FillListed = [this](const FreeformRunProgress& p) { fillsProgress_->setValue(p.Listed); };
    callbacks.ProcessMessages = nullptr;
    const std::vector<std::string> linesBefore = state.Freeform.FreeFillsList.Texts();
    const int storedBefore = state.Fills.StoredWordCount;
    std::optional<FreeformRunOutcome> outcome;
    {
        PaintFreeze freeze(&window_.GridView());
        window_.Guard([&] { outcome = QuickFill(state, seedAndLength_->Choice(), seedAndLength_->SelectedSeed(), callbacks); });
    }
    if (outcome || state.Freeform.FreeFillsList.Texts() != linesBefore || state.Fills.StoredWordCount != storedBefore) {
        // The fills listed before are gone (their clue edits with them).
        state.ClueEdits.Clear();
        ShowFillsLines();
        window_.ResetFillDisplay();
    }
    if (outcome) {
        if (outcome->Shown) DisplayFill(*outcome->Shown);
        quickFillProgress_->setValue(quickFillProgress_->maximum());
        improveButton_->setEnabled(outcome->Shown.has_value());
        for (const std::string& note : outcome->Run.Notes) window_.Dialogs().Information(&window_, ToQ(note));
    }
    window_.RepaintGrid();
}

void FreeformGeneratePage::OnStartClicked()
{
    QuillmereState& state = window_.State();
    if (state.RunInProgress() || !startButton_->isEnabled()) return;
    window_.CommitClueEdits();
    FreeformRunRequest request;
    request.Fills = ParseFreeRepeats(FromQ(fillCountEdit_->text()));
    fillCountEdit_->setText(QString::number(request.Fills));
    request.Seed = seedAndLength_->Choice();
    request.SelectedSeed = seedAndLength_->SelectedSeed();
    ReadOptions(true);

    FreeformRunCallbacks callbacks = Callbacks();
    // The fills shown so far make way once the run has passed its checks and made its first fill.
    bool started = false;
    auto begin = [this, &started, &state] {
        if (started) return;
        started = true;
        state.ClueEdits.Clear();
        window_.ResetFillDisplay();
        const QSignalBlocker block(fills_.View());
        fills_.Clear();
    };
    callbacks.FillListed = [begin, listed = callbacks.FillListed](const FreeformRunProgress& p) {
        begin();
        listed(p);
    };
    callbacks.AttemptDone = [begin, done = callbacks.AttemptDone](const std::string& reuse) {
        begin();
        done(reuse);
    };

    OverrideCursor busy(Qt::BusyCursor);
    fillsHint_->setText("Click on any row to select a fill");
    fillsProgress_->setMaximum(request.Fills);
    fillsProgress_->setValue(0);
    std::optional<FreeformRunOutcome> outcome;
    window_.Runs().Run(RunPauses(false), &window_.GridView(), [&] { outcome = StartFreeformRun(state, request, callbacks); });
    fillsStatus_->setPanelText(1, {});
    if (started) ShowFillsLines();
    if (outcome) {
        fillsStatus_->setPanelText(3, ToQ(outcome->ElapsedText));
        if (outcome->Shown) {
            DisplayFill(*outcome->Shown);
            improveButton_->setEnabled(true);
            if (window_.ShowingGenerateKind(this) && tabs_->currentWidget() == mainTab_) fills_.View()->setFocus();
        }
        for (const std::string& note : outcome->Run.Notes) window_.Dialogs().Information(&window_, ToQ(note));
    } else if (started) {
        window_.ResetFillDisplay();
    }
    window_.RepaintGrid();
    window_.Runs().CloseWindowIfAsked();
}

void FreeformGeneratePage::OnStopClicked()
{
    // The run or Improve ends after its current attempt, and then gives its buttons back.
    window_.Runs().RequestStop(stopButton_);
}

void FreeformGeneratePage::OnImproveClicked()
{
    QuillmereState& state = window_.State();
    const int row = fills_.View()->currentRow();
    if (state.RunInProgress() || row < 0) return;
    window_.CommitClueEdits();
    ReadOptions(false);
    OverrideCursor busy(Qt::BusyCursor);
    // Improve is not a run, but like one it keeps the crossword to itself until it ends (the core marks
    // it as a run while it works).
    improving_ = true;
    fillsHint_->setText("Searching for higher score...");
    fillsHint_->repaint();
    fillsProgress_->setRange(0, MaxImproveAttempts);
    fillsProgress_->setValue(0);
    FreeformAddResult result;
    window_.Runs().Run(RunPauses(true), &window_.GridView(), [&] { result = ImproveFill(state, row, Callbacks()); });
    improving_ = false;
    if (result.ListFull) {
        window_.Dialogs().Information(&window_, ToQ(result.Message));
        improveButton_->setEnabled(false);
        fillsHint_->clear();
    } else {
        fillsHint_->setText(ToQ(result.Message));
    }
    if (result.Added) ShowFillsLines();
    if (result.Shown) DisplayFill(*result.Shown);
    window_.RepaintGrid();
    window_.Runs().CloseWindowIfAsked();
}

void FreeformGeneratePage::OnFillsListMouseUp(Qt::MouseButton button)
{
    if (button == Qt::RightButton && !window_.State().RunInProgress() && improveButton_->isEnabled()) OnImproveClicked();
}

void FreeformGeneratePage::OnFillChosen()
{
    const FillRow* row = fills_.Current();
    if (!row || improving_) return;
    window_.CommitClueEdits();
    const int n = row->Fill;
    bool shown = false;
    window_.Guard([&] {
        OverrideCursor hourglass(Qt::WaitCursor);
        const ShownFill fill = ShowFreeformFill(window_.State(), n);
        window_.ResetFillDisplay();
        window_.DisplayShownFill(fill);
        shown = true;
    });
    fillsHint_->setText("Click on any row to select another fill");
    window_.SymmetricGenerate().ShowAnotherFillHint();
    if (!window_.State().RunInProgress()) improveButton_->setEnabled(shown);
    window_.GridView().PaintWhileFrozen();  // the chosen fill, also during a run
}

// ---------------------------------------------------------------------------------------------
// Add This Grid (Clues page) and "Grid Nos." (Word Usage tab)

void FreeformGeneratePage::OnAddThisGridChosen()
{
    QuillmereState& state = window_.State();
    if (state.RunInProgress()) return;
    window_.CommitClueEdits();
    // The clues as the user left them go with the grid.
    const Crossword& xw = state.Xw;
    std::vector<WordSlot> edited(xw.WordSlots.begin() + 1, xw.WordSlots.begin() + 1 + xw.WordSlotCount);
    FreeformAddResult result;
    window_.Guard([&] { result = AddThisGrid(state, fills_.View()->currentRow()); });
    if (result.ListFull) {
        window_.Dialogs().Information(&window_, ToQ(result.Message));
        window_.Clues().EnableAddThisGrid(false);
    }
    if (result.Added && result.Shown) {
        const int n = result.Shown->Fill;
        for (int k = 1; k <= state.Xw.WordSlotCount; ++k) {
            const WordSlot& now = state.Xw.Slot(k);
            for (const WordSlot& before : edited)
                if (before.Row == now.Row && before.Col == now.Col && before.Dir == now.Dir && before.WordTxt.view() == now.WordTxt.view() &&
                    before.ClueTxt.view() != now.ClueTxt.view())
                    state.ClueEdits.Keep(n, before);
        }
        ShowFillsLines();
        DisplayFill(*result.Shown);
        improveButton_->setEnabled(true);
        fillsHint_->setText("Click on any row to select another fill");
    }
    window_.ShowPage(window_.GeneratePage());
    ShowMainTab();
}

void FreeformGeneratePage::OnFillOfWordChosen(const FillsOfWordRow& use)
{
    QuillmereState& state = window_.State();
    // The lines name freeform fills; they wait while a run rewrites the stores.
    if (state.FillSource != FillSourceKind::Freeform || state.RunInProgress()) return;
    if (use.Fill < 1 || use.Fill > state.Fills.GridsMax || use.Length < 1) return;
    window_.CommitClueEdits();
    window_.Guard([&] {
        OverrideCursor hourglass(Qt::WaitCursor);
        window_.ResetFillDisplay();
        const ShownFill shown = ShowFreeformFill(state, use.Fill);
        // The fills list shows which fill this is.
        if (shown.SelectedRow >= 0 && shown.SelectedRow < fills_.Count()) {
            const QSignalBlocker block(fills_.View());
            fills_.View()->setCurrentRow(shown.SelectedRow);
        }
        window_.DisplayShownFill(shown);
        wordUsageTab_->HighlightWord(use);
    });
    window_.RepaintGrid();
}

}  // namespace qm::ui
