// MainWindow, freeform Generate page: the fill options, Quick Fill, runs of ranked fills with their list,
// Improve, and "Add This Grid" from the Clues page.
#include "ui/main_window.h"

#include "core/fills/fill_list.h"
#include "core/fills/fill_store.h"
#include "core/freeform/freeform_run.h"
#include "ui/form_building.h"
#include "ui/main_string_grid.h"
#include "ui/owner_drawn_lists.h"
#include "ui/panel_status_bar.h"
#include "ui/stock_grid_preview.h"

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
    // Fill Options
    auto* options = new QVBoxLayout(TabsheetFreeOptionsPnl);
    options->setContentsMargins(8, 8, 8, 6);
    options->setSpacing(6);
    options->addWidget(BuildSeedAndLengthOptions(TabsheetFreeOptionsPnl));
    DupCheckBox = Named<QCheckBox>("DupCheckBox", " Allow duplicates", TabsheetFreeOptionsPnl);
    AlterProbCheckBox = Named<QCheckBox>("AlterProbCheckBox", " Modify probability of selection", TabsheetFreeOptionsPnl);
    AlterProbCheckBox->setChecked(true);
    options->addWidget(DupCheckBox);
    options->addWidget(AlterProbCheckBox);
    auto* ranking = Named<QGroupBox>("RankingGroup", "Ranking method", TabsheetFreeOptionsPnl);
    auto* rankCol = new QVBoxLayout(ranking);
    rankCol->setSpacing(1);
    MaxScoreRadio = Named<QRadioButton>("MaxScoreRadio", "  According to weighted average (default)", ranking);
    MaxLettersRadio = Named<QRadioButton>("MaxLettersRadio", "  According to letter count", ranking);
    MaxWordsRadio = Named<QRadioButton>("MaxWordsRadio", "  According to word count", ranking);
    MaxILocksRadio = Named<QRadioButton>("MaxILocksRadio", "  According to number of interlocks", ranking);
    MaxScoreRadio->setChecked(true);
    for (QRadioButton* r : {MaxScoreRadio, MaxLettersRadio, MaxWordsRadio, MaxILocksRadio}) rankCol->addWidget(r);
    options->addWidget(ranking);
    options->addStretch(1);

    // Main: Quick Fill above the run of Multiple Fills
    auto* quick = new QHBoxLayout(QuickFillPanel);
    quick->setContentsMargins(4, 4, 4, 4);
    quick->setSpacing(6);
    quick->addWidget(new QLabel("Quick Fill (one fill):", QuickFillPanel));
    FreeQuickFillBtn = Named<QPushButton>("FreeQuickFillBtn", "&Go !", QuickFillPanel);
    FreeQuickFillBtn->setEnabled(false);
    quick->addWidget(FreeQuickFillBtn);
    ProgressBarFreeQuick = Named<QProgressBar>("ProgressBarFreeQuick", QuickFillPanel);
    quick->addWidget(ProgressBarFreeQuick, 1);

    auto* mainCol = qobject_cast<QVBoxLayout*>(TabsheetFreeMainPnl->layout());
    delete mainCol->takeAt(mainCol->count() - 1);  // the list takes the room left
    mainCol->setContentsMargins(6, 6, 6, 4);
    mainCol->setSpacing(4);
    auto* run = new QHBoxLayout;
    run->setSpacing(6);
    auto* repeatsLab = new QLabel("Fills:", TabsheetFreeMainPnl);
    FreeRepeatsEdit = Named<QLineEdit>("FreeRepeatsEdit", "100", TabsheetFreeMainPnl);
    FreeRepeatsEdit->setMaxLength(4);
    FreeRepeatsEdit->setFixedWidth(48);
    repeatsLab->setBuddy(FreeRepeatsEdit);
    FreeStartBtn = Named<QPushButton>("FreeStartBtn", "&Start", TabsheetFreeMainPnl);
    FreeStopBtn = Named<QPushButton>("FreeStopBtn", "S&top", TabsheetFreeMainPnl);
    FreeImproveBtn = Named<QPushButton>("FreeImproveBtn", "&Improve", TabsheetFreeMainPnl);
    for (QPushButton* b : {FreeStartBtn, FreeStopBtn, FreeImproveBtn}) b->setEnabled(false);
    run->addWidget(repeatsLab);
    run->addWidget(FreeRepeatsEdit);
    run->addStretch(1);
    run->addWidget(FreeStartBtn);
    run->addWidget(FreeStopBtn);
    run->addWidget(FreeImproveBtn);
    mainCol->addLayout(run);
    ProgressBarFreeMult = Named<QProgressBar>("ProgressBarFreeMult", TabsheetFreeMainPnl);
    for (QProgressBar* b : {ProgressBarFreeQuick, ProgressBarFreeMult}) {
        b->setTextVisible(false);
        b->setFixedHeight(12);
        b->setValue(0);
    }
    mainCol->addWidget(ProgressBarFreeMult);
    FreeFillsHeaderPnl = new ColumnHeader(FreeFillsColumns(), TabsheetFreeMainPnl);
    FreeFillsHeaderPnl->setObjectName("FreeFillsHeaderPnl");
    mainCol->addWidget(FreeFillsHeaderPnl);
    freeformFills_ = RowList<FillRow>("FreeFillsListBox", FillsListPainter(FreeFillsColumns()), 17, TabsheetFreeMainPnl);
    mainCol->addWidget(freeformFills_.View(), 1);
    FreeFillStatusPnl = Named<QLabel>("FreeFillStatusPnl", TabsheetFreeMainPnl);
    FreeFillStatusPnl->setAlignment(Qt::AlignCenter);
    FreeFillStatusPnl->setFrameShape(QFrame::StyledPanel);
    FreeFillStatusPnl->setFixedHeight(FreeFillStatusPnl->fontMetrics().height() + 6);
    mainCol->addWidget(FreeFillStatusPnl);
    FreeFillsStatusBar = new PanelStatusBar({80, 70, 80, 0}, TabsheetFreeMainPnl);
    FreeFillsStatusBar->setObjectName("FreeFillsStatusBar");
    mainCol->addWidget(FreeFillsStatusBar);

    connect(FreeQuickFillBtn, &QPushButton::clicked, this, [this] { FreeQuickFillBtnClick(); });
    connect(FreeStartBtn, &QPushButton::clicked, this, [this] { FreeStartBtnClick(); });
    connect(FreeStopBtn, &QPushButton::clicked, this, [this] { FreeStopBtnClick(); });
    connect(FreeImproveBtn, &QPushButton::clicked, this, [this] { FreeImproveBtnClick(); });
    connect(FreeRepeatsEdit, &QLineEdit::returnPressed, this, [this] { FreeRepeatsEditKeyPress(); });
    connect(freeformFills_.View(), &RowListView::rowClicked, this, [this] { FreeFillsListBoxClick(); });
    connect(freeformFills_.View(), &RowListView::currentRowChanged, this, [this] { FreeFillsListBoxClick(); });
    WatchMouseUp(freeformFills_.View()->viewport(), [this](Qt::MouseButton b) { FreeFillsListBoxMouseUp(b); });
}

// ---------------------------------------------------------------------------------------------
// Helpers

SeedWordChoice MainWindow::SeedChoice() const
{
    if (RandomWordsRadio->isChecked()) return SeedWordChoice::RandomWord;
    if (SeedWordRadio->isChecked()) return SeedWordChoice::SelectedWord;
    return SeedWordChoice::GridWords;
}

void MainWindow::ReadFreeformOptions(bool ranking)
{
    FreeformOptions& o = state_.Freeform.Options;
    o.AllowDuplicates = DupCheckBox->isChecked();
    o.ModifyProbability = AlterProbCheckBox->isChecked();
    if (!ranking) return;
    o.Ranking = MaxLettersRadio->isChecked()  ? RankingMethod::Letters
                : MaxWordsRadio->isChecked()  ? RankingMethod::Words
                : MaxILocksRadio->isChecked() ? RankingMethod::Interlocks
                                              : RankingMethod::Score;
}

FreeformRunCallbacks MainWindow::FreeformCallbacks()
{
    FreeformRunCallbacks c;
    c.Engine.QuickProgress = [this](int placed) { ProgressBarFreeQuick->setValue(placed); };
    c.Engine.Message = [this](const std::string& m) { dialogs_->Information(this, ToQ(m)); };
    c.FillListed = [this](const FreeformRunProgress& p) {
        const FillList& list = state_.Freeform.FreeFillsList;
        const int position = FindFillRow(list, p.Listed);
        if (position >= 0) {
            const QSignalBlocker block(freeformFills_.View());
            freeformFills_.Insert(position, list.At(position));
        }
        ProgressBarFreeMult->setValue(p.Listed);
        FreeFillsStatusBar->setPanelText(1, ToQ(p.CountText));
        FreeFillsStatusBar->setPanelText(2, ToQ(p.AverageText));
    };
    c.AttemptDone = [this](const std::string& reuse) { FreeFillsStatusBar->setPanelText(3, ToQ(reuse)); };
    c.ProcessMessages = [] { QCoreApplication::processEvents(); };
    c.ImproveProgress = [this](int attempt) { ProgressBarFreeMult->setValue(attempt); };
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

void MainWindow::SetFreeRunControls(bool running)
{
    if (running) {
        pausedDuringRun_.clear();
        std::vector<QWidget*> paused{FreeStartBtn, FreeImproveBtn, FreeQuickFillBtn, FreeRepeatsEdit, SymmetricBitBtn, FreeformBitBtn,
                                     LoadFileBitBtn, FreeformDimensionListBox, StockGridListBox, PreviewImg, ThemeCombo, ClipboardBtn,
                                     LoadWordListBtn, ClearWordListBtn, ExternalWordListFileBtnB, RandomWordsRadio, SeedWordRadio,
                                     SeedListBox, OptLengthSpinEdit, DeviationSpinEdit, DupCheckBox, AlterProbCheckBox, MaxScoreRadio,
                                     MaxLettersRadio, MaxWordsRadio, MaxILocksRadio, ClearGridBtn, MirrorBtn, AddToListOfGridsBtn,
                                     SymmStartBtn};
        // Improve works on the fill on display: no other fill may be shown meanwhile.
        if (improving_) paused.push_back(freeformFills_.View());
        for (QWidget* w : paused) {
            pausedDuringRun_.push_back({w, w->isEnabled()});
            w->setEnabled(false);
        }
    } else {
        for (const auto& [w, enabled] : pausedDuringRun_)
            if (w) w->setEnabled(enabled);
        pausedDuringRun_.clear();
    }
    FreeStopBtn->setEnabled(running);
    FreeStartBtn->repaint();
    FreeStopBtn->repaint();
    AcrossClueMemo->setReadOnly(running);
    DownClueMemo->setReadOnly(running);
}

// ---------------------------------------------------------------------------------------------
// Quick Fill, runs and Improve

void MainWindow::FreeQuickFillBtnClick()
{
    if (state_.RunInProgress() || !FreeQuickFillBtn->isEnabled()) return;
    CommitClueEdits();
    ReadFreeformOptions(true);
    OverrideCursor hourglass(Qt::WaitCursor);
    ProgressBarFreeQuick->setRange(0, state_.Xw.GridSize * 3);
    ProgressBarFreeQuick->setValue(0);
    FreeFillStatusPnl->clear();
    FreeFillsStatusBar->setPanelText(2, {});
    ProgressBarFreeMult->setMaximum(1);
    ProgressBarFreeMult->setValue(0);

    FreeformRunCallbacks callbacks = FreeformCallbacks();
    // One fill: listed at the end, and no messages are taken in between.
    callbacks.FillListed = [this](const FreeformRunProgress& p) { ProgressBarFreeMult->setValue(p.Listed); };
    callbacks.ProcessMessages = nullptr;
    const std::vector<std::string> linesBefore = state_.Freeform.FreeFillsList.Texts();
    const int storedBefore = state_.Fills.StoredWordCount;
    std::optional<FreeformRunOutcome> outcome;
    {
        PaintFreeze freeze(MainStringGridView);
        Guard([&] { outcome = QuickFill(state_, SeedChoice(), SeedListBox->currentRow(), callbacks); });
    }
    if (outcome || state_.Freeform.FreeFillsList.Texts() != linesBefore || state_.Fills.StoredWordCount != storedBefore) {
        // The fills listed before are gone (their clue edits with them).
        state_.ClueEdits.Clear();
        ShowFreeFillsLines();
        ResetFillDisplay();
    }
    if (outcome) {
        if (outcome->Shown) DisplayFreeformFill(*outcome->Shown);
        ProgressBarFreeQuick->setValue(ProgressBarFreeQuick->maximum());
        FreeImproveBtn->setEnabled(outcome->Shown.has_value());
        for (const std::string& note : outcome->Run.Notes) dialogs_->Information(this, ToQ(note));
    }
    RepaintGrid();
}

void MainWindow::FreeStartBtnClick()
{
    if (state_.RunInProgress() || !FreeStartBtn->isEnabled()) return;
    CommitClueEdits();
    FreeformRunRequest request;
    request.Fills = ParseFreeRepeats(FromQ(FreeRepeatsEdit->text()));
    FreeRepeatsEdit->setText(QString::number(request.Fills));
    request.Seed = SeedChoice();
    request.SelectedSeed = SeedListBox->currentRow();
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
    SetFreeRunControls(true);
    FreeFillStatusPnl->setText("Click on any row to select a fill");
    ProgressBarFreeMult->setMaximum(request.Fills);
    ProgressBarFreeMult->setValue(0);
    std::optional<FreeformRunOutcome> outcome;
    {
        PaintFreeze freeze(MainStringGridView);
        Guard([&] { outcome = StartFreeformRun(state_, request, callbacks); });
    }
    SetFreeRunControls(false);
    FreeFillsStatusBar->setPanelText(1, {});
    if (started) ShowFreeFillsLines();
    if (outcome) {
        FreeFillsStatusBar->setPanelText(3, ToQ(outcome->ElapsedText));
        if (outcome->Shown) {
            DisplayFreeformFill(*outcome->Shown);
            FreeImproveBtn->setEnabled(true);
            if (PageControlLeft->currentWidget() == TabSheetGenerate && PageControlGenerate->currentWidget() == TabSheetGenFreeForm &&
                PageControlFreeGen->currentWidget() == TabSheetFreeMain)
                freeformFills_.View()->setFocus();
        }
        for (const std::string& note : outcome->Run.Notes) dialogs_->Information(this, ToQ(note));
    } else if (started) {
        ResetFillDisplay();
    }
    RepaintGrid();
    if (closeAfterRun_) close();
}

void MainWindow::FreeRepeatsEditKeyPress() { FreeStartBtnClick(); }

void MainWindow::FreeStopBtnClick()
{
    // The run or Improve ends after its current attempt, and then gives its buttons back.
    state_.Run = RunState::StopRequested;
    FreeStopBtn->setEnabled(false);
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
    SetFreeRunControls(true);
    FreeFillStatusPnl->setText("Searching for higher score...");
    FreeFillStatusPnl->repaint();
    ProgressBarFreeMult->setRange(0, MaxImproveAttempts);
    ProgressBarFreeMult->setValue(0);
    FreeformAddResult result;
    {
        PaintFreeze freeze(MainStringGridView);
        Guard([&] { result = ImproveFill(state_, row, FreeformCallbacks()); });
    }
    improving_ = false;
    SetFreeRunControls(false);
    if (result.ListFull) {
        dialogs_->Information(this, ToQ(result.Message));
        FreeImproveBtn->setEnabled(false);
        FreeFillStatusPnl->clear();
    } else {
        FreeFillStatusPnl->setText(ToQ(result.Message));
    }
    if (result.Added) ShowFreeFillsLines();
    if (result.Shown) DisplayFreeformFill(*result.Shown);
    RepaintGrid();
    if (closeAfterRun_) close();
}

void MainWindow::FreeFillsListBoxMouseUp(Qt::MouseButton button)
{
    if (button == Qt::RightButton && !state_.RunInProgress() && FreeImproveBtn->isEnabled()) FreeImproveBtnClick();
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
    FreeFillStatusPnl->setText("Click on any row to select another fill");
    SymmFillStatusPnl->setText("Click on any row to select another fill");
    if (!state_.RunInProgress()) FreeImproveBtn->setEnabled(shown);
    if (!MainStringGridView->updatesEnabled()) {
        // The grid is frozen during a run; the chosen fill is painted once.
        MainStringGridView->setUpdatesEnabled(true);
        MainStringGridView->repaint();
        MainStringGridView->setUpdatesEnabled(false);
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
        AddToListOfGridsBtn->setEnabled(false);
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
        FreeImproveBtn->setEnabled(true);
        FreeFillStatusPnl->setText("Click on any row to select another fill");
    }
    PageControlLeft->setCurrentWidget(TabSheetGenerate);
    PageControlFreeGen->setCurrentWidget(TabSheetFreeMain);
}

}  // namespace qm::ui
