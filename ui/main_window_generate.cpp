// MainWindow, Generate page: the fill options and the run of symmetrical fills with its list; the freeform
// generator's tabs (the " Dictionary Options " tab is DictionaryOptionsTab, dictionary_options_tab.cpp).
#include "ui/main_window.h"

#include "core/grid/grid.h"
#include "core/grid/stock_grids.h"
#include "core/symmetric/analysis.h"
#include "core/symmetric/symmetric_run.h"
#include "core/words/selection.h"
#include "ui/clues_page.h"
#include "ui/count_table.h"
#include "ui/dictionary_options_tab.h"
#include "ui/diagnostics_page.h"
#include "ui/form_building.h"
#include "ui/freeform_generate_page.h"
#include "ui/home_page.h"
#include "ui/main_string_grid.h"
#include "ui/owner_drawn_lists.h"
#include "ui/panel_status_bar.h"
#include "ui/replace_word_dialog.h"
#include "ui/setup_page.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>

namespace qm::ui {

namespace {

/// The columns of the symmetrical fills list.
QVector<FillColumn> SymmFillsColumns()
{
    return {{"Fill", 30, [](const FillRow& r) { return QString::number(r.Fill); }},
            {"Letters", 48, [](const FillRow& r) { return QString::number(r.Letters); }},
            {"Words", 44, [](const FillRow& r) { return QString::number(r.Words); }},
            {"Iterations", 66, [](const FillRow& r) { return QString::number(r.Iterations); }},
            {"Imported", 60, [](const FillRow& r) { return QString::number(r.Imported); }}};
}


}  // namespace

QWidget* MainWindow::BuildGeneratePage()
{
    auto* page = Named<QWidget>("TabSheetGenerate");
    auto* col = new QVBoxLayout(page);
    col->setContentsMargins(4, 4, 4, 4);
    col->setSpacing(6);

    generateHeaderPanel_ = Named<QLabel>("GenerateHeaderPanel", page);
    generateHeaderPanel_->setFrameShape(QFrame::StyledPanel);
    generateHeaderPanel_->setWordWrap(true);
    // The layout inside keeps the text off the frame; margins on the panel as well would double
    // them and, with a two-line text, leave the Dictionary Options tab too little height.
    auto* header = new QVBoxLayout(generateHeaderPanel_);
    header->setContentsMargins(6, 4, 6, 4);
    generateDescription_ = Named<QLabel>("MultipleFillsLab", generateHeaderPanel_);
    generateDescription_->setWordWrap(true);
    generateDescription_->setMinimumHeight(2 * generateDescription_->fontMetrics().height());
    header->addWidget(generateDescription_);
    col->addWidget(generateHeaderPanel_);

    generateKinds_ = Named<QStackedWidget>("PageControlGenerate", page);
    symmetricGenerate_ = Named<QWidget>("TabSheetGenSymmetric");
    auto* symm = new QVBoxLayout(symmetricGenerate_);
    symm->setContentsMargins(0, 0, 0, 0);
    symmetricGenerateTabs_ = Named<QTabWidget>("PageControlSymmGen", symmetricGenerate_);
    dictionaryOptions_ = new DictionaryOptionsTab(*this);
    symmetricFillOptionsTab_ = BuildSymmFillOptions();
    symmetricMainTab_ = BuildSymmMain();
    symmetricGenerateTabs_->addTab(dictionaryOptions_, " Dictionary Options ");
    symmetricGenerateTabs_->addTab(symmetricFillOptionsTab_, " Fill Options ");
    symmetricGenerateTabs_->addTab(symmetricMainTab_, " Main ");
    symm->addWidget(symmetricGenerateTabs_);
    freeformGenerate_ = new FreeformGeneratePage(*this);
    generateKinds_->addWidget(symmetricGenerate_);
    generateKinds_->addWidget(freeformGenerate_);
    col->addWidget(generateKinds_, 1);

    const BackNextButtons backNext = AddBackNextRow(page, col, "BackBtn2", "NextBtn2");
    generateBackButton_ = backNext.Back;
    generateNextButton_ = backNext.Next;
    return page;
}

QWidget* MainWindow::BuildSymmFillOptions()
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

QWidget* MainWindow::BuildSymmMain()
{
    auto* page = Named<QWidget>("TabSheetSymmMain");
    auto* outer = new QVBoxLayout(page);
    outer->setContentsMargins(0, 0, 0, 0);
    symmetricMainPanel_ = Named<QFrame>("MultiSymmMainPnl", page);
    outer->addWidget(symmetricMainPanel_);
    auto* col = new QVBoxLayout(symmetricMainPanel_);
    col->setContentsMargins(6, 6, 6, 4);
    col->setSpacing(4);

    auto* run = new QHBoxLayout;
    run->setSpacing(6);
    auto* repeatsLab = new QLabel("Number of fills:", symmetricMainPanel_);
    symmetricFillCountEdit_ = Named<QLineEdit>("SymmRepeatsEdit", "10", symmetricMainPanel_);
    symmetricFillCountEdit_->setMaxLength(4);
    symmetricFillCountEdit_->setFixedWidth(48);
    repeatsLab->setBuddy(symmetricFillCountEdit_);
    symmetricStartButton_ = Named<QPushButton>("SymmStartBtn", "&Start", symmetricMainPanel_);
    symmetricStartButton_->setEnabled(false);
    symmetricStopButton_ = Named<QPushButton>("SymmStopBtn", "S&top", symmetricMainPanel_);
    symmetricStopButton_->setEnabled(false);
    run->addWidget(repeatsLab);
    run->addWidget(symmetricFillCountEdit_);
    run->addStretch(1);
    run->addWidget(symmetricStartButton_);
    run->addWidget(symmetricStopButton_);
    col->addLayout(run);

    auto* bars = new QGridLayout;
    bars->setHorizontalSpacing(6);
    bars->setVerticalSpacing(2);
    symmetricAttemptsProgress_ = Named<QProgressBar>("ProgressBarSymmMult", symmetricMainPanel_);
    symmetricSlotsProgress_ = Named<QProgressBar>("ProgressBarSymmQuick", symmetricMainPanel_);
    for (QProgressBar* b : {symmetricAttemptsProgress_, symmetricSlotsProgress_}) {
        b->setTextVisible(false);
        b->setFixedHeight(12);
        b->setValue(0);
    }
    bars->addWidget(SmallLabel("Attempts", symmetricMainPanel_), 0, 0);
    bars->addWidget(symmetricAttemptsProgress_, 0, 1);
    bars->addWidget(SmallLabel("This fill", symmetricMainPanel_), 1, 0);
    bars->addWidget(symmetricSlotsProgress_, 1, 1);
    col->addLayout(bars);

    symmetricFillsPanel_ = Named<QFrame>("MultFillsPanel", symmetricMainPanel_);
    auto* list = new QVBoxLayout(symmetricFillsPanel_);
    list->setContentsMargins(0, 2, 0, 0);
    list->setSpacing(1);
    symmetricFillsHeader_ = new ColumnHeader(SymmFillsColumns(), symmetricFillsPanel_);
    symmetricFillsHeader_->setObjectName("SymmFillsHeaderPnl");
    list->addWidget(symmetricFillsHeader_);
    symmetricFills_ = RowList<FillRow>("SymmFillsListBox", FillsListPainter(SymmFillsColumns()), 17, symmetricFillsPanel_);
    list->addWidget(symmetricFills_.View(), 1);
    symmetricFillsHint_ = Named<QLabel>("SymmFillStatusPnl", symmetricFillsPanel_);
    symmetricFillsHint_->setAlignment(Qt::AlignCenter);
    symmetricFillsHint_->setFrameShape(QFrame::StyledPanel);
    symmetricFillsHint_->setFixedHeight(symmetricFillsHint_->fontMetrics().height() + 6);
    list->addWidget(symmetricFillsHint_);
    col->addWidget(symmetricFillsPanel_, 3);

    progressLog_ = Named<QPlainTextEdit>("ProgressMemo", symmetricMainPanel_);
    progressLog_->setReadOnly(true);
    progressLog_->setFixedHeight(96);
    col->addWidget(progressLog_);

    symmetricFillsStatus_ = new PanelStatusBar({150, 90, 0}, symmetricMainPanel_);
    symmetricFillsStatus_->setObjectName("SymmFillsStatusBar");
    col->addWidget(symmetricFillsStatus_);

    connect(symmetricStartButton_, &QPushButton::clicked, this, [this] { SymmStartBtnClick(); });
    connect(symmetricStopButton_, &QPushButton::clicked, this, [this] { SymmStopBtnClick(); });
    connect(symmetricFillCountEdit_, &QLineEdit::returnPressed, this, [this] { SymmRepeatsEditKeyPress(); });
    connect(symmetricFills_.View(), &RowListView::rowClicked, this, [this] { FillsListBoxClick(); });
    connect(symmetricFills_.View(), &RowListView::currentRowChanged, this, [this] { FillsListBoxClick(); });
    return page;
}

// ---------------------------------------------------------------------------------------------
// The run of symmetrical fills

void MainWindow::SymmStartBtnClick()
{
    if (state_.RunInProgress() || !symmetricStartButton_->isEnabled()) return;
    if (state_.DictSelectionDirty) {
        symmetricFillsStatus_->setPanelText(1, "Reading dictionary...");
        symmetricFillsStatus_->repaint();
        ApplySelection(state_.Dict, state_.BitPatterns, state_.Selection, state_.DictSelectionDirty);
    }
    StartSymmetricRun();
}

void MainWindow::SymmRepeatsEditKeyPress()
{
    // Enter starts the run as the Start button does (with a fresh selection, and not during a run).
    SymmStartBtnClick();
}

void MainWindow::SymmStopBtnClick() { runs_.RequestStop(symmetricStopButton_); }

void MainWindow::StartSymmetricRun()
{
    if (state_.RunInProgress()) return;
    bool isNumber = false;
    const int iterations = iterationsEdit_->text().trimmed().toInt(&isNumber);
    if (!isNumber) {
        dialogs_->Error(this, "'" + iterationsEdit_->text() + "' is not a valid integer value");
        return;
    }
    CommitClueEdits();
    RunSettings settings;
    settings.Fill.MaxIterations = iterations;
    settings.Fill.ShowProgress = showProgressCheck_->isChecked();
    settings.Fill.KeepStepLog = diagnosticsPage_->KeepStepLog();
    const RunCallbacks callbacks = SymmetricRunCallbacks();
    // Every attempt is painted by the normal painter, whatever diagnostic view was on.
    gridView_->SetPainter(GridPainter::Normal);

    // The stock grid's pattern, should the grid have been cleared since it was chosen.
    if (state_.Stock.SelectedStockGrid > 0) Guard([this] { LoadStockGrid(state_.Stock, state_.Stock.SelectedStockGrid, state_.Xw.Squares); });

    OverrideCursor busy(Qt::BusyCursor);
    // A word chosen in "Replace Word" would change the grid under the run.
    replaceWordDialog_->close();
    std::optional<StartedRun> run;
    // Unless each step is to be seen, the grid keeps showing what it showed until a fill is chosen.
    runs_.Run(SymmetricRunControls(), settings.Fill.ShowProgress ? nullptr : gridView_, [&] {
        run = qm::StartSymmetricRun(state_, state_.SymmFillsList, FromQ(symmetricFillCountEdit_->text()), settings, callbacks);
    });
    symmetricFillsStatus_->setPanelText(1, {});
    if (run) {
        symmetricFillCountEdit_->setText(ToQ(run->RepeatsText));
        symmetricFillsStatus_->setPanelText(2, ToQ(run->TimeText));
        if (run->Result.Shown) {
            {
                const QSignalBlocker block(symmetricFills_.View());
                symmetricFills_.View()->setCurrentRow(0);
            }
            ResetFillDisplay();
            DisplayShownFill(*run->Result.Shown);
            if (workflowTabs_->currentWidget() == generatePage_ && generateKinds_->currentWidget() == symmetricGenerate_ &&
                symmetricGenerateTabs_->currentWidget() == symmetricMainTab_)
                symmetricFills_.View()->setFocus();
        }
    }
    RepaintGrid();
    runs_.CloseWindowIfAsked();
}

RunCallbacks MainWindow::SymmetricRunCallbacks()
{
    RunCallbacks callbacks;
    // The run has passed its checks: the fills shown so far make way for the new ones.
    callbacks.ClearMemo = [this] {
        ResetFillDisplay();
        symmetricFills_.Clear();
        state_.ClueEdits.Clear();
        symmetricFillsHint_->setText("Click on any row to select a fill");
        symmetricSlotsProgress_->setRange(0, std::max(state_.Xw.WordSlotCount, 1));
        symmetricSlotsProgress_->setValue(0);
        progressLog_->clear();
    };
    callbacks.Fill.AddMemoLine = [this](const std::string& line) { progressLog_->appendPlainText(ToQ(line)); };
    callbacks.Fill.SetProgress = [this](int slot) {
        symmetricSlotsProgress_->setValue(slot);
        symmetricSlotsProgress_->repaint();
    };
    callbacks.Fill.Repaint = [this] { gridView_->repaint(); };
    callbacks.Fill.ShowFillStatus = [this](int words, int letters, int interlocks) { ShowFillStatus(words, letters, interlocks); };
    callbacks.AttemptStarted = [this](int attempt, int repeats) {
        symmetricAttemptsProgress_->setMaximum(repeats);
        symmetricAttemptsProgress_->setValue(attempt);
        symmetricFillsStatus_->setPanelText(1, QString("%1/%2").arg(attempt).arg(repeats));
    };
    callbacks.FillListed = [this](const FillRow& row, int position) {
        const QSignalBlocker block(symmetricFills_.View());
        symmetricFills_.Insert(position, row);
    };
    callbacks.ProcessMessages = [] { QCoreApplication::processEvents(); };
    if (diagnosticsPage_->ShowEachPick())
        callbacks.Fill.Diagnostic = [this](const std::string& text) {
            gridView_->repaint();
            dialogs_->Information(this, ToQ(text));
        };
    return callbacks;
}

RunControls MainWindow::SymmetricRunControls() const
{
    RunControls controls;
    controls.Paused = homePage_->StartButtons();
    const std::vector<QWidget*> gridChoosers = setupPage_->GridChoosers();
    controls.Paused.insert(controls.Paused.end(), gridChoosers.begin(), gridChoosers.end());
    const std::vector<QWidget*> sourceChoices = dictionaryOptions_->SourceChoices();
    controls.Paused.insert(controls.Paused.end(), {iterationsEdit_, symmetricFillCountEdit_});
    controls.Paused.insert(controls.Paused.end(), sourceChoices.begin(), sourceChoices.end());
    controls.Paused.insert(controls.Paused.end(), {clearGridButton_, cluesPage_->ReplaceWordButton()});
    controls.Start = symmetricStartButton_;
    controls.Stop = symmetricStopButton_;
    controls.ReadOnly = cluesPage_->ClueMemos();
    return controls;
}

void MainWindow::FillsListBoxClick()
{
    const FillRow* row = symmetricFills_.Current();
    if (!row) return;
    CommitClueEdits();
    const int fill = row->Fill;
    Guard([&] {
        OverrideCursor hourglass(Qt::WaitCursor);
        ResetFillDisplay();
        const ShownFill shown = qm::ShowFill(state_, fill);
        DisplayShownFill(shown);
    });
    symmetricFillsHint_->setText("Click on any row to select another fill");
    if (!gridView_->updatesEnabled()) {
        // The grid is frozen during a run; the chosen fill is painted once.
        gridView_->setUpdatesEnabled(true);
        gridView_->repaint();
        gridView_->setUpdatesEnabled(false);
    }
}

void MainWindow::DisplayShownFill(const ShownFill& shown)
{
    // A symmetrical fill keeps the clue numbers of its stock grid, also after the grid was cleared; a
    // freeform fill is numbered from its letters (clearing the display hid its numbers).
    if (state_.FillSource != FillSourceKind::Freeform) PutClueNumbers(state_.Xw);
    else NumberLetterSquares(state_.Xw);
    state_.ClueEdits.Apply(shown.Fill, state_.Xw);
    ShowSlotLists();
    ShowFillStatus(shown.Counts.Words, shown.Counts.Letters, shown.Counts.Interlocks);
    RepaintGrid();
    if (Showing(cluesPage_)) cluesPage_->OnEntered();
}

void MainWindow::EmptySymmFills()
{
    symmetricFills_.Clear();
    state_.SymmFillsList.Clear();
    ClearListOfGrids(state_.Fills);
    state_.ClueEdits.Clear();
    ResetFillDisplay();
}

bool MainWindow::MayDiscardSymmFills(const QString& what)
{
    if (symmetricFills_.Count() == 0) return true;
    const QString question = QString("You've created %1 grid fills.\nIf you select a new %2 these will be lost.\nOK?")
                                 .arg(symmetricFills_.Count())
                                 .arg(what);
    if (!dialogs_->AskYesNo(this, question, true)) return false;
    EmptySymmFills();
    return true;
}

void MainWindow::BuildSelectionMasks() { dictionaryOptions_->BuildSelectionMasks(); }

void MainWindow::CountSelection() { dictionaryOptions_->CountSelection(); }

void MainWindow::ShowDictionaryInFillsStatus(const QString& text) { symmetricFillsStatus_->setPanelText(0, text); }

void MainWindow::EnableSymmetricStart(bool enabled)
{
    symmetricStartButton_->setEnabled(enabled);
    diagnosticsPage_->EnableFillSequence(enabled);
}

}  // namespace qm::ui
