// MainWindow, freeform Generate page: the fill options, Quick Fill, runs of ranked fills with their list,
// Improve, and "Add This Grid" from the Clues page.
#include "ui/main_window.h"

#include "core/fills/fill_list.h"
#include "core/fills/fill_store.h"
#include "core/freeform/freeform_run.h"
#include "ui/clues_page.h"
#include "ui/form_building.h"
#include "ui/home_page.h"
#include "ui/main_string_grid.h"
#include "ui/owner_drawn_lists.h"
#include "ui/panel_status_bar.h"
#include "ui/setup_page.h"
#include "ui/symmetric_generate_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>

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

}  // namespace

void MainWindow::BuildFreeformGenerateTabs()
{
    BuildFreeformFillOptionsTab();
    BuildFreeformMainTab();
}

void MainWindow::BuildFreeformFillOptionsTab()
{
    auto* options = new QVBoxLayout(freeformFillOptionsPanel_);
    options->setContentsMargins(8, 8, 8, 6);
    options->setSpacing(6);
    options->addWidget(BuildSeedAndLengthOptions(freeformFillOptionsPanel_));
    allowDuplicatesCheck_ = Named<QCheckBox>("DupCheckBox", " Allow duplicates", freeformFillOptionsPanel_);
    modifyProbabilityCheck_ = Named<QCheckBox>("AlterProbCheckBox", " Modify probability of selection", freeformFillOptionsPanel_);
    modifyProbabilityCheck_->setChecked(true);
    options->addWidget(allowDuplicatesCheck_);
    options->addWidget(modifyProbabilityCheck_);
    auto* ranking = Named<QGroupBox>("RankingGroup", "Ranking method", freeformFillOptionsPanel_);
    auto* rankCol = new QVBoxLayout(ranking);
    rankCol->setSpacing(1);
    rankByScoreRadio_ = Named<QRadioButton>("MaxScoreRadio", "  According to weighted average (default)", ranking);
    rankByLettersRadio_ = Named<QRadioButton>("MaxLettersRadio", "  According to letter count", ranking);
    rankByWordsRadio_ = Named<QRadioButton>("MaxWordsRadio", "  According to word count", ranking);
    rankByInterlocksRadio_ = Named<QRadioButton>("MaxILocksRadio", "  According to number of interlocks", ranking);
    rankByScoreRadio_->setChecked(true);
    for (QRadioButton* r : {rankByScoreRadio_, rankByLettersRadio_, rankByWordsRadio_, rankByInterlocksRadio_}) rankCol->addWidget(r);
    options->addWidget(ranking);
    options->addStretch(1);
}

void MainWindow::BuildFreeformMainTab()
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

    auto* mainCol = qobject_cast<QVBoxLayout*>(freeformMainPanel_->layout());
    delete mainCol->takeAt(mainCol->count() - 1);  // the list takes the room left
    mainCol->setContentsMargins(6, 6, 6, 4);
    mainCol->setSpacing(4);
    auto* run = new QHBoxLayout;
    run->setSpacing(6);
    auto* repeatsLab = new QLabel("Fills:", freeformMainPanel_);
    freeformFillCountEdit_ = Named<QLineEdit>("FreeRepeatsEdit", "100", freeformMainPanel_);
    freeformFillCountEdit_->setMaxLength(4);
    freeformFillCountEdit_->setFixedWidth(48);
    repeatsLab->setBuddy(freeformFillCountEdit_);
    freeformStartButton_ = Named<QPushButton>("FreeStartBtn", "&Start", freeformMainPanel_);
    freeformStopButton_ = Named<QPushButton>("FreeStopBtn", "S&top", freeformMainPanel_);
    improveButton_ = Named<QPushButton>("FreeImproveBtn", "&Improve", freeformMainPanel_);
    for (QPushButton* b : {freeformStartButton_, freeformStopButton_, improveButton_}) b->setEnabled(false);
    run->addWidget(repeatsLab);
    run->addWidget(freeformFillCountEdit_);
    run->addStretch(1);
    run->addWidget(freeformStartButton_);
    run->addWidget(freeformStopButton_);
    run->addWidget(improveButton_);
    mainCol->addLayout(run);
    freeformFillsProgress_ = Named<QProgressBar>("ProgressBarFreeMult", freeformMainPanel_);
    for (QProgressBar* b : {quickFillProgress_, freeformFillsProgress_}) {
        b->setTextVisible(false);
        b->setFixedHeight(12);
        b->setValue(0);
    }
    mainCol->addWidget(freeformFillsProgress_);
    freeformFillsHeader_ = new ColumnHeader(FreeFillsColumns(), freeformMainPanel_);
    freeformFillsHeader_->setObjectName("FreeFillsHeaderPnl");
    mainCol->addWidget(freeformFillsHeader_);
    freeformFills_ = RowList<FillRow>("FreeFillsListBox", FillsListPainter(FreeFillsColumns()), 17, freeformMainPanel_);
    mainCol->addWidget(freeformFills_.View(), 1);
    freeformFillsHint_ = Named<QLabel>("FreeFillStatusPnl", freeformMainPanel_);
    freeformFillsHint_->setAlignment(Qt::AlignCenter);
    freeformFillsHint_->setFrameShape(QFrame::StyledPanel);
    freeformFillsHint_->setFixedHeight(freeformFillsHint_->fontMetrics().height() + 6);
    mainCol->addWidget(freeformFillsHint_);
    freeformFillsStatus_ = new PanelStatusBar({80, 70, 80, 0}, freeformMainPanel_);
    freeformFillsStatus_->setObjectName("FreeFillsStatusBar");
    mainCol->addWidget(freeformFillsStatus_);
    ConnectFreeformMainTab();
}

void MainWindow::ConnectFreeformMainTab()
{
    connect(quickFillButton_, &QPushButton::clicked, this, [this] { FreeQuickFillBtnClick(); });
    connect(freeformStartButton_, &QPushButton::clicked, this, [this] { FreeStartBtnClick(); });
    connect(freeformStopButton_, &QPushButton::clicked, this, [this] { FreeStopBtnClick(); });
    connect(improveButton_, &QPushButton::clicked, this, [this] { FreeImproveBtnClick(); });
    connect(freeformFillCountEdit_, &QLineEdit::returnPressed, this, [this] { FreeRepeatsEditKeyPress(); });
    connect(freeformFills_.View(), &RowListView::rowClicked, this, [this] { FreeFillsListBoxClick(); });
    connect(freeformFills_.View(), &RowListView::currentRowChanged, this, [this] { FreeFillsListBoxClick(); });
    WatchMouseUp(freeformFills_.View()->viewport(), [this](Qt::MouseButton b) { FreeFillsListBoxMouseUp(b); });
}

// ---------------------------------------------------------------------------------------------
// Helpers

SeedWordChoice MainWindow::SeedChoice() const
{
    if (randomWordsRadio_->isChecked()) return SeedWordChoice::RandomWord;
    if (seedWordRadio_->isChecked()) return SeedWordChoice::SelectedWord;
    return SeedWordChoice::GridWords;
}

void MainWindow::ReadFreeformOptions(bool ranking)
{
    FreeformOptions& o = state_.Freeform.Options;
    o.AllowDuplicates = allowDuplicatesCheck_->isChecked();
    o.ModifyProbability = modifyProbabilityCheck_->isChecked();
    if (!ranking) return;
    o.Ranking = rankByLettersRadio_->isChecked()  ? RankingMethod::Letters
                : rankByWordsRadio_->isChecked()  ? RankingMethod::Words
                : rankByInterlocksRadio_->isChecked() ? RankingMethod::Interlocks
                                              : RankingMethod::Score;
}

FreeformRunCallbacks MainWindow::FreeformCallbacks()
{
    FreeformRunCallbacks c;
    c.Engine.QuickProgress = [this](int placed) { quickFillProgress_->setValue(placed); };
    c.Engine.Message = [this](const std::string& m) { dialogs_->Information(this, ToQ(m)); };
    c.FillListed = [this](const FreeformRunProgress& p) {
        const FillList& list = state_.Freeform.FreeFillsList;
        const int position = FindFillRow(list, p.Listed);
        if (position >= 0) {
            const QSignalBlocker block(freeformFills_.View());
            freeformFills_.Insert(position, list.At(position));
        }
        freeformFillsProgress_->setValue(p.Listed);
        freeformFillsStatus_->setPanelText(1, ToQ(p.CountText));
        freeformFillsStatus_->setPanelText(2, ToQ(p.AverageText));
    };
    c.AttemptDone = [this](const std::string& reuse) { freeformFillsStatus_->setPanelText(3, ToQ(reuse)); };
    c.ProcessMessages = [] { QCoreApplication::processEvents(); };
    c.ImproveProgress = [this](int attempt) { freeformFillsProgress_->setValue(attempt); };
    return c;
}

void MainWindow::ShowFreeFillsLines()
{
    const QSignalBlocker block(freeformFills_.View());
    freeformFills_.SetRows(state_.Freeform.FreeFillsList.Rows);
}

void MainWindow::SelectFillLine(int n)
{
    const QSignalBlocker block(freeformFills_.View());
    freeformFills_.View()->setCurrentRow(FindFillRow(state_.Freeform.FreeFillsList, n));
}

void MainWindow::DisplayFreeformFill(const ShownFill& shown)
{
    SelectFillLine(shown.Fill);
    ResetFillDisplay();
    DisplayShownFill(shown);
}

RunControls MainWindow::FreeformRunControls(bool improving) const
{
    RunControls controls;
    controls.Paused = homePage_->StartButtons();
    const std::vector<QWidget*> gridChoosers = setupPage_->GridChoosers();
    controls.Paused.insert(controls.Paused.end(), gridChoosers.begin(), gridChoosers.end());
    controls.Paused.insert(controls.Paused.end(),
                           {improveButton_, quickFillButton_, freeformFillCountEdit_, builtInListCombo_, pasteListButton_, loadListButton_,
                            clearListButton_, loadExternalListButton_, randomWordsRadio_, seedWordRadio_, seedWords_, optimalLengthSpin_,
                            lengthVariationSpin_, allowDuplicatesCheck_, modifyProbabilityCheck_, rankByScoreRadio_, rankByLettersRadio_,
                            rankByWordsRadio_, rankByInterlocksRadio_, clearGridButton_, mirrorButton_, cluesPage_->AddThisGridButton(), symmetricGenerate_->StartButton()});
    // Improve works on the fill on display: no other fill may be shown meanwhile.
    if (improving) controls.Paused.push_back(freeformFills_.View());
    controls.Start = freeformStartButton_;
    controls.StartOnAfterRun = false;
    controls.Stop = freeformStopButton_;
    controls.ReadOnly = cluesPage_->ClueMemos();
    return controls;
}

// ---------------------------------------------------------------------------------------------
// Quick Fill, runs and Improve

void MainWindow::FreeQuickFillBtnClick()
{
    if (state_.RunInProgress() || !quickFillButton_->isEnabled()) return;
    CommitClueEdits();
    ReadFreeformOptions(true);
    OverrideCursor hourglass(Qt::WaitCursor);
    quickFillProgress_->setRange(0, state_.Xw.GridSize * 3);
    quickFillProgress_->setValue(0);
    freeformFillsHint_->clear();
    freeformFillsStatus_->setPanelText(2, {});
    freeformFillsProgress_->setMaximum(1);
    freeformFillsProgress_->setValue(0);

    FreeformRunCallbacks callbacks = FreeformCallbacks();
    // One fill: listed at the end, and no messages are taken in between.
    callbacks.FillListed = [this](const FreeformRunProgress& p) { freeformFillsProgress_->setValue(p.Listed); };
    callbacks.ProcessMessages = nullptr;
    const std::vector<std::string> linesBefore = state_.Freeform.FreeFillsList.Texts();
    const int storedBefore = state_.Fills.StoredWordCount;
    std::optional<FreeformRunOutcome> outcome;
    {
        PaintFreeze freeze(gridView_);
        Guard([&] { outcome = QuickFill(state_, SeedChoice(), seedWords_->currentRow(), callbacks); });
    }
    if (outcome || state_.Freeform.FreeFillsList.Texts() != linesBefore || state_.Fills.StoredWordCount != storedBefore) {
        // The fills listed before are gone (their clue edits with them).
        state_.ClueEdits.Clear();
        ShowFreeFillsLines();
        ResetFillDisplay();
    }
    if (outcome) {
        if (outcome->Shown) DisplayFreeformFill(*outcome->Shown);
        quickFillProgress_->setValue(quickFillProgress_->maximum());
        improveButton_->setEnabled(outcome->Shown.has_value());
        for (const std::string& note : outcome->Run.Notes) dialogs_->Information(this, ToQ(note));
    }
    RepaintGrid();
}

void MainWindow::FreeStartBtnClick()
{
    if (state_.RunInProgress() || !freeformStartButton_->isEnabled()) return;
    CommitClueEdits();
    FreeformRunRequest request;
    request.Fills = ParseFreeRepeats(FromQ(freeformFillCountEdit_->text()));
    freeformFillCountEdit_->setText(QString::number(request.Fills));
    request.Seed = SeedChoice();
    request.SelectedSeed = seedWords_->currentRow();
    ReadFreeformOptions(true);

    FreeformRunCallbacks callbacks = FreeformCallbacks();
    // The fills shown so far make way once the run has passed its checks and made its first fill.
    bool started = false;
    auto begin = [this, &started] {
        if (started) return;
        started = true;
        state_.ClueEdits.Clear();
        ResetFillDisplay();
        const QSignalBlocker block(freeformFills_.View());
        freeformFills_.Clear();
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
    freeformFillsHint_->setText("Click on any row to select a fill");
    freeformFillsProgress_->setMaximum(request.Fills);
    freeformFillsProgress_->setValue(0);
    std::optional<FreeformRunOutcome> outcome;
    runs_.Run(FreeformRunControls(false), gridView_, [&] { outcome = StartFreeformRun(state_, request, callbacks); });
    freeformFillsStatus_->setPanelText(1, {});
    if (started) ShowFreeFillsLines();
    if (outcome) {
        freeformFillsStatus_->setPanelText(3, ToQ(outcome->ElapsedText));
        if (outcome->Shown) {
            DisplayFreeformFill(*outcome->Shown);
            improveButton_->setEnabled(true);
            if (workflowTabs_->currentWidget() == generatePage_ && generateKinds_->currentWidget() == freeformGenerate_ &&
                freeformGenerateTabs_->currentWidget() == freeformMainTab_)
                freeformFills_.View()->setFocus();
        }
        for (const std::string& note : outcome->Run.Notes) dialogs_->Information(this, ToQ(note));
    } else if (started) {
        ResetFillDisplay();
    }
    RepaintGrid();
    runs_.CloseWindowIfAsked();
}

void MainWindow::FreeRepeatsEditKeyPress() { FreeStartBtnClick(); }

void MainWindow::FreeStopBtnClick()
{
    // The run or Improve ends after its current attempt, and then gives its buttons back.
    runs_.RequestStop(freeformStopButton_);
}

void MainWindow::FreeImproveBtnClick()
{
    const int row = freeformFills_.View()->currentRow();
    if (state_.RunInProgress() || row < 0) return;
    CommitClueEdits();
    ReadFreeformOptions(false);
    OverrideCursor busy(Qt::BusyCursor);
    // Improve is not a run, but like one it keeps the crossword to itself until it ends (the core marks
    // it as a run while it works).
    improving_ = true;
    freeformFillsHint_->setText("Searching for higher score...");
    freeformFillsHint_->repaint();
    freeformFillsProgress_->setRange(0, MaxImproveAttempts);
    freeformFillsProgress_->setValue(0);
    FreeformAddResult result;
    runs_.Run(FreeformRunControls(true), gridView_, [&] { result = ImproveFill(state_, row, FreeformCallbacks()); });
    improving_ = false;
    if (result.ListFull) {
        dialogs_->Information(this, ToQ(result.Message));
        improveButton_->setEnabled(false);
        freeformFillsHint_->clear();
    } else {
        freeformFillsHint_->setText(ToQ(result.Message));
    }
    if (result.Added) ShowFreeFillsLines();
    if (result.Shown) DisplayFreeformFill(*result.Shown);
    RepaintGrid();
    runs_.CloseWindowIfAsked();
}

void MainWindow::FreeFillsListBoxMouseUp(Qt::MouseButton button)
{
    if (button == Qt::RightButton && !state_.RunInProgress() && improveButton_->isEnabled()) FreeImproveBtnClick();
}

void MainWindow::FreeFillsListBoxClick()
{
    const FillRow* row = freeformFills_.Current();
    if (!row || improving_) return;
    CommitClueEdits();
    const int n = row->Fill;
    bool shown = false;
    Guard([&] {
        OverrideCursor hourglass(Qt::WaitCursor);
        const ShownFill fill = ShowFreeformFill(state_, n);
        ResetFillDisplay();
        DisplayShownFill(fill);
        shown = true;
    });
    freeformFillsHint_->setText("Click on any row to select another fill");
    symmetricGenerate_->ShowAnotherFillHint();
    if (!state_.RunInProgress()) improveButton_->setEnabled(shown);
    if (!gridView_->updatesEnabled()) {
        // The grid is frozen during a run; the chosen fill is painted once.
        gridView_->setUpdatesEnabled(true);
        gridView_->repaint();
        gridView_->setUpdatesEnabled(false);
    }
}

// ---------------------------------------------------------------------------------------------
// Add This Grid (Clues page)

void MainWindow::AddToListOfGridsBtnClick()
{
    if (state_.RunInProgress()) return;
    CommitClueEdits();
    // The clues as the user left them go with the grid.
    const Crossword& xw = state_.Xw;
    std::vector<WordSlot> edited(xw.WordSlots.begin() + 1, xw.WordSlots.begin() + 1 + xw.WordSlotCount);
    FreeformAddResult result;
    Guard([&] { result = AddThisGrid(state_, freeformFills_.View()->currentRow()); });
    if (result.ListFull) {
        dialogs_->Information(this, ToQ(result.Message));
        cluesPage_->EnableAddThisGrid(false);
    }
    if (result.Added && result.Shown) {
        const int n = result.Shown->Fill;
        for (int k = 1; k <= state_.Xw.WordSlotCount; ++k) {
            const WordSlot& now = state_.Xw.Slot(k);
            for (const WordSlot& before : edited)
                if (before.Row == now.Row && before.Col == now.Col && before.Dir == now.Dir && before.WordTxt.view() == now.WordTxt.view() &&
                    before.ClueTxt.view() != now.ClueTxt.view())
                    state_.ClueEdits.Keep(n, before);
        }
        ShowFreeFillsLines();
        DisplayFreeformFill(*result.Shown);
        improveButton_->setEnabled(true);
        freeformFillsHint_->setText("Click on any row to select another fill");
    }
    workflowTabs_->setCurrentWidget(generatePage_);
    freeformGenerateTabs_->setCurrentWidget(freeformMainTab_);
}

void MainWindow::EmptyFreeformFills()
{
    state_.Freeform.FreeFillsList.Clear();
    freeformFills_.Clear();
    improveButton_->setEnabled(false);
}

}  // namespace qm::ui
