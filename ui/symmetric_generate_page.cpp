// SymmetricGeneratePage: the fill options and the run of symmetrical fills with its list and log; the
// " Dictionary Options " tab is DictionaryOptionsTab (dictionary_options_tab.cpp).
#include "ui/symmetric_generate_page.h"

#include "core/grid/grid.h"
#include "core/grid/stock_grids.h"
#include "core/symmetric/symmetric_run.h"
#include "core/words/selection.h"
#include "ui/clues_page.h"
#include "ui/diagnostics_page.h"
#include "ui/dictionary_options_tab.h"
#include "ui/form_building.h"
#include "ui/main_string_grid.h"
#include "ui/main_window.h"
#include "ui/owner_drawn_lists.h"
#include "ui/panel_status_bar.h"
#include "ui/replace_word_dialog.h"
#include "ui/setup_page.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

namespace qm::ui {

namespace {

/// The columns of the fills list.
QVector<FillColumn> FillsColumns()
{
    return {{"Fill", 30, [](const FillRow& r) { return QString::number(r.Fill); }},
            {"Letters", 48, [](const FillRow& r) { return QString::number(r.Letters); }},
            {"Words", 44, [](const FillRow& r) { return QString::number(r.Words); }},
            {"Iterations", 66, [](const FillRow& r) { return QString::number(r.Iterations); }},
            {"Imported", 60, [](const FillRow& r) { return QString::number(r.Imported); }}};
}

const char* const ChooseFillHint = "Click on any row to select a fill";
const char* const ChooseAnotherFillHint = "Click on any row to select another fill";

}  // namespace

SymmetricGeneratePage::SymmetricGeneratePage(MainWindow& window, QLabel* description)
    : window_(window), description_(description)
{
    setObjectName("TabSheetGenSymmetric");
    auto* col = new QVBoxLayout(this);
    col->setContentsMargins(0, 0, 0, 0);
    tabs_ = Named<QTabWidget>("PageControlSymmGen", this);
    dictionaryOptions_ = new DictionaryOptionsTab(window_);
    fillOptionsTab_ = BuildFillOptionsTab();
    mainTab_ = BuildMainTab();
    tabs_->addTab(dictionaryOptions_, " Dictionary Options ");
    tabs_->addTab(fillOptionsTab_, " Fill Options ");
    tabs_->addTab(mainTab_, " Main ");
    col->addWidget(tabs_);

    connect(dictionaryOptions_, &DictionaryOptionsTab::fillSourceChosen, this, [this] { ShowDescription(); });
    connect(dictionaryOptions_, &DictionaryOptionsTab::wordsCounted, this,
            [this](const QString& text) { fillsStatus_->setPanelText(0, text); });
    connect(tabs_, &QTabWidget::currentChanged, this, [this] { OnTabChanged(); });
}

QWidget* SymmetricGeneratePage::BuildFillOptionsTab()
{
    auto* page = Named<QWidget>("TabSheetSymmOptions");
    auto* col = new QVBoxLayout(page);
    col->setContentsMargins(10, 10, 10, 10);
    col->setSpacing(8);
    auto* row = new QHBoxLayout;
    auto* label = new QLabel("Maximum iterations per fill attempt:", page);
    iterationsEdit_ = Named<QLineEdit>("IterationsEdit", "5000", page);
    iterationsEdit_->setFixedWidth(70);
    iterationsEdit_->setMaxLength(7);
    label->setBuddy(iterationsEdit_);
    row->addWidget(label);
    row->addWidget(iterationsEdit_);
    row->addStretch(1);
    col->addLayout(row);
    auto* note = new QLabel("An attempt that has not filled the grid after this many steps is given up, "
                            "and the run goes on with the next attempt.",
                            page);
    note->setWordWrap(true);
    col->addWidget(note);
    col->addSpacing(6);
    showProgressCheck_ = Named<QCheckBox>("SymmProgressCheck", "  Show the progress of each fill attempt", page);
    col->addWidget(showProgressCheck_);
    auto* slow = new QLabel("Paints every step in the grid: much slower.", page);
    slow->setWordWrap(true);
    slow->setContentsMargins(22, 0, 0, 0);
    col->addWidget(slow);
    col->addStretch(1);
    return page;
}

QWidget* SymmetricGeneratePage::BuildMainTab()
{
    auto* page = Named<QWidget>("TabSheetSymmMain");
    auto* outer = new QVBoxLayout(page);
    outer->setContentsMargins(0, 0, 0, 0);
    mainPanel_ = Named<QFrame>("MultiSymmMainPnl", page);
    outer->addWidget(mainPanel_);
    auto* col = new QVBoxLayout(mainPanel_);
    col->setContentsMargins(6, 6, 6, 4);
    col->setSpacing(4);

    auto* run = new QHBoxLayout;
    run->setSpacing(6);
    auto* repeatsLab = new QLabel("Number of fills:", mainPanel_);
    fillCountEdit_ = Named<QLineEdit>("SymmRepeatsEdit", "10", mainPanel_);
    fillCountEdit_->setMaxLength(4);
    fillCountEdit_->setFixedWidth(48);
    repeatsLab->setBuddy(fillCountEdit_);
    startButton_ = Named<QPushButton>("SymmStartBtn", "&Start", mainPanel_);
    startButton_->setEnabled(false);
    stopButton_ = Named<QPushButton>("SymmStopBtn", "S&top", mainPanel_);
    stopButton_->setEnabled(false);
    run->addWidget(repeatsLab);
    run->addWidget(fillCountEdit_);
    run->addStretch(1);
    run->addWidget(startButton_);
    run->addWidget(stopButton_);
    col->addLayout(run);

    auto* bars = new QGridLayout;
    bars->setHorizontalSpacing(6);
    bars->setVerticalSpacing(2);
    attemptsProgress_ = Named<QProgressBar>("ProgressBarSymmMult", mainPanel_);
    slotsProgress_ = Named<QProgressBar>("ProgressBarSymmQuick", mainPanel_);
    for (QProgressBar* b : {attemptsProgress_, slotsProgress_}) {
        b->setTextVisible(false);
        b->setFixedHeight(12);
        b->setValue(0);
    }
    bars->addWidget(SmallLabel("Attempts", mainPanel_), 0, 0);
    bars->addWidget(attemptsProgress_, 0, 1);
    bars->addWidget(SmallLabel("This fill", mainPanel_), 1, 0);
    bars->addWidget(slotsProgress_, 1, 1);
    col->addLayout(bars);

    BuildFillsList(col);

    progressLog_ = Named<QPlainTextEdit>("ProgressMemo", mainPanel_);
    progressLog_->setReadOnly(true);
    progressLog_->setFixedHeight(96);
    col->addWidget(progressLog_);

    fillsStatus_ = new PanelStatusBar({150, 90, 0}, mainPanel_);
    fillsStatus_->setObjectName("SymmFillsStatusBar");
    col->addWidget(fillsStatus_);
    ConnectMainTab();
    return page;
}

void SymmetricGeneratePage::BuildFillsList(QVBoxLayout* col)
{
    fillsPanel_ = Named<QFrame>("MultFillsPanel", mainPanel_);
    auto* list = new QVBoxLayout(fillsPanel_);
    list->setContentsMargins(0, 2, 0, 0);
    list->setSpacing(1);
    fillsHeader_ = new ColumnHeader(FillsColumns(), fillsPanel_);
    fillsHeader_->setObjectName("SymmFillsHeaderPnl");
    list->addWidget(fillsHeader_);
    fills_ = RowList<FillRow>("SymmFillsListBox", FillsListPainter(FillsColumns()), 17, fillsPanel_);
    list->addWidget(fills_.View(), 1);
    fillsHint_ = FillsHintPanel("SymmFillStatusPnl", fillsPanel_);
    list->addWidget(fillsHint_);
    col->addWidget(fillsPanel_, 3);
}

void SymmetricGeneratePage::ConnectMainTab()
{
    connect(startButton_, &QPushButton::clicked, this, [this] { OnStartClicked(); });
    connect(stopButton_, &QPushButton::clicked, this, [this] { OnStopClicked(); });
    connect(fillCountEdit_, &QLineEdit::returnPressed, this, [this] { OnFillCountEntered(); });
    connect(fills_.View(), &RowListView::rowClicked, this, [this] { OnFillClicked(); });
    connect(fills_.View(), &RowListView::currentRowChanged, this, [this] { OnFillClicked(); });
}

void SymmetricGeneratePage::SetPanelColours()
{
    for (QWidget* w : std::initializer_list<QWidget*>{fillsPanel_, mainPanel_}) SetPanelColour(w, ColourButtonFace);
    dictionaryOptions_->SetPanelColours();
}

// ---------------------------------------------------------------------------------------------
// What the other pages ask of this one

bool SymmetricGeneratePage::MayDiscardFills(const QString& what)
{
    if (fills_.Count() == 0) return true;
    const QString question = QString("You've created %1 grid fills.\nIf you select a new %2 these will be lost.\nOK?")
                                 .arg(fills_.Count())
                                 .arg(what);
    if (!window_.Dialogs().AskYesNo(&window_, question, true)) return false;
    EmptyFills();
    return true;
}

void SymmetricGeneratePage::EmptyFills()
{
    QuillmereState& state = window_.State();
    fills_.Clear();
    state.SymmFillsList.Clear();
    ClearListOfGrids(state.Fills);
    state.ClueEdits.Clear();
    window_.ResetFillDisplay();
}

void SymmetricGeneratePage::StartAfresh()
{
    EmptyFills();
    fillsHint_->clear();
    progressLog_->clear();
    fillCountEdit_->setText("10");
}

void SymmetricGeneratePage::ClearFillsList()
{
    fills_.Clear();
    fillsHint_->clear();
}

void SymmetricGeneratePage::EnableStart(bool enabled)
{
    startButton_->setEnabled(enabled);
    // The fill sequence is one of a stock grid: none while a designed grid is the one to fill.
    window_.Diagnostics().EnableFillSequence(enabled && !window_.Setup().Designing());
}

void SymmetricGeneratePage::ShowAnotherFillHint() { fillsHint_->setText(ChooseAnotherFillHint); }

void SymmetricGeneratePage::OnGridCleared()
{
    slotsProgress_->setValue(0);
    fillsStatus_->setPanelText(0, {});
    fillsStatus_->setPanelText(1, {});
    fills_.View()->clearSelection();
    fillsHint_->setText(ChooseFillHint);
}

void SymmetricGeneratePage::ResetAttemptsProgress() { attemptsProgress_->setValue(0); }

void SymmetricGeneratePage::ShowMainTab() { tabs_->setCurrentWidget(mainTab_); }

void SymmetricGeneratePage::ShowDescription()
{
    switch (window_.State().FillSource) {
    case FillSourceKind::Dictionary:
        description_->setText("Create random fills from the internal dictionary.");
        break;
    case FillSourceKind::Hybrid:
        description_->setText("Create random fills from the imported word list, backed up by the internal dictionary.");
        break;
    default:
        description_->setText("Create random fills from the imported word list.");
        break;
    }
}

void SymmetricGeneratePage::ShowDictionaryInStatus()
{
    fillsStatus_->setPanelText(0, "Dictionary: " + dictionaryOptions_->WordsText());
}

// ---------------------------------------------------------------------------------------------
// Handlers

void SymmetricGeneratePage::OnTabChanged()
{
    if (tabs_->currentWidget() != mainTab_) return;
    ShowDescription();
    dictionaryOptions_->ResetCategoriesCaption();
    window_.ShowGridOnRight();
}

void SymmetricGeneratePage::OnStartClicked()
{
    QuillmereState& state = window_.State();
    if (state.RunInProgress() || !startButton_->isEnabled()) return;
    if (state.DictSelectionDirty) {
        fillsStatus_->setPanelText(1, "Reading dictionary...");
        fillsStatus_->repaint();
        ApplySelection(state.Dict, state.BitPatterns, state.Selection, state.DictSelectionDirty);
    }
    RunFills();
}

// Enter starts the run as the Start button does (with a fresh selection, and not during a run).
void SymmetricGeneratePage::OnFillCountEntered() { OnStartClicked(); }

void SymmetricGeneratePage::OnStopClicked() { window_.Runs().RequestStop(stopButton_); }

void SymmetricGeneratePage::OnFillClicked()
{
    const FillRow* row = fills_.Current();
    if (!row) return;
    window_.CommitClueEdits();
    const int fill = row->Fill;
    window_.Guard([&] {
        OverrideCursor hourglass(Qt::WaitCursor);
        window_.ResetFillDisplay();
        const ShownFill shown = qm::ShowFill(window_.State(), fill);
        window_.DisplayShownFill(shown);
    });
    fillsHint_->setText(ChooseAnotherFillHint);
    window_.GridView().PaintWhileFrozen();  // the chosen fill, also during a run
}

// ---------------------------------------------------------------------------------------------
// The run

void SymmetricGeneratePage::RunFills()
{
    QuillmereState& state = window_.State();
    if (state.RunInProgress()) return;
    if (window_.Setup().Designing()) {
        RunDesignedGridFills();
        return;
    }
    bool isNumber = false;
    const int iterations = iterationsEdit_->text().trimmed().toInt(&isNumber);
    if (!isNumber) {
        window_.Dialogs().Error(&window_, "'" + iterationsEdit_->text() + "' is not a valid integer value");
        return;
    }
    window_.CommitClueEdits();
    RunSettings settings;
    settings.Fill.MaxIterations = iterations;
    settings.Fill.ShowProgress = showProgressCheck_->isChecked();
    settings.Fill.KeepStepLog = window_.Diagnostics().KeepStepLog();
    const RunCallbacks callbacks = RunReports();
    MainStringGrid& grid = window_.GridView();
    // Every attempt is painted by the normal painter, whatever diagnostic view was on.
    grid.SetPainter(GridPainter::Normal);

    // The stock grid's pattern, should the grid have been cleared since it was chosen.
    if (state.Stock.SelectedStockGrid > 0) window_.Guard([&state] { LoadStockGrid(state.Stock, state.Stock.SelectedStockGrid, state.Xw.Squares); });

    OverrideCursor busy(Qt::BusyCursor);
    // A word chosen in "Replace Word" would change the grid under the run.
    window_.ReplaceDialog().close();
    std::optional<StartedRun> run;
    // Unless each step is to be seen, the grid keeps showing what it showed until a fill is chosen.
    window_.Runs().Run(RunPauses(), settings.Fill.ShowProgress ? nullptr : &grid, [&] {
        run = qm::StartSymmetricRun(state, state.SymmFillsList, FromQ(fillCountEdit_->text()), settings, callbacks);
    });
    fillsStatus_->setPanelText(1, {});
    if (run) {
        fillCountEdit_->setText(ToQ(run->RepeatsText));
        fillsStatus_->setPanelText(2, ToQ(run->TimeText));
        if (run->Result.Shown) {
            {
                const QSignalBlocker block(fills_.View());
                fills_.View()->setCurrentRow(0);
            }
            window_.ResetFillDisplay();
            window_.DisplayShownFill(*run->Result.Shown);
            if (window_.ShowingGenerateKind(this) && tabs_->currentWidget() == mainTab_) fills_.View()->setFocus();
        }
    }
    window_.RepaintGrid();
    window_.Runs().CloseWindowIfAsked();
}

RunCallbacks SymmetricGeneratePage::RunReports()
{
    RunCallbacks callbacks;
    // The run has passed its checks: the fills shown so far make way for the new ones.
    callbacks.ClearMemo = [this] {
        QuillmereState& state = window_.State();
        window_.ResetFillDisplay();
        fills_.Clear();
        state.ClueEdits.Clear();
        fillsHint_->setText(ChooseFillHint);
        slotsProgress_->setRange(0, std::max(state.Xw.WordSlotCount, 1));
        slotsProgress_->setValue(0);
        progressLog_->clear();
    };
    callbacks.Fill.AddMemoLine = [this](const std::string& line) { progressLog_->appendPlainText(ToQ(line)); };
    callbacks.Fill.SetProgress = [this](int slot) {
        slotsProgress_->setValue(slot);
        slotsProgress_->repaint();
    };
    callbacks.Fill.Repaint = [this] { window_.GridView().repaint(); };
    callbacks.Fill.ShowFillStatus = [this](int words, int letters, int interlocks) { window_.ShowFillStatus(words, letters, interlocks); };
    callbacks.AttemptStarted = [this](int attempt, int repeats) {
        attemptsProgress_->setMaximum(repeats);
        attemptsProgress_->setValue(attempt);
        fillsStatus_->setPanelText(1, QString("%1/%2").arg(attempt).arg(repeats));
    };
    callbacks.FillListed = [this](const FillRow& row, int position) {
        const QSignalBlocker block(fills_.View());
        fills_.Insert(position, row);
    };
    callbacks.ProcessMessages = [] { QCoreApplication::processEvents(); };
    if (window_.Diagnostics().ShowEachPick())
        callbacks.Fill.Diagnostic = [this](const std::string& text) {
            window_.GridView().repaint();
            window_.Dialogs().Information(&window_, ToQ(text));
        };
    return callbacks;
}

RunControls SymmetricGeneratePage::RunPauses() const
{
    RunControls controls;
    controls.Paused = window_.CrosswordChoosers();
    const std::vector<QWidget*> sourceChoices = dictionaryOptions_->SourceChoices();
    controls.Paused.insert(controls.Paused.end(), {iterationsEdit_, fillCountEdit_});
    controls.Paused.insert(controls.Paused.end(), sourceChoices.begin(), sourceChoices.end());
    controls.Paused.insert(controls.Paused.end(), {window_.ClearGridButton(), window_.Clues().ReplaceWordButton()});
    controls.Start = startButton_;
    controls.Stop = stopButton_;
    controls.ReadOnly = window_.Clues().ClueMemos();
    return controls;
}

}  // namespace qm::ui
