// MainWindow, Generate page: the dictionary options, the fill options and the run of symmetrical fills with
// its list; the freeform generator's tabs.
#include "ui/main_window.h"

#include "core/grid/grid.h"
#include "core/grid/stock_grids.h"
#include "core/symmetric/analysis.h"
#include "core/symmetric/symmetric_run.h"
#include "core/words/selection.h"
#include "ui/count_table.h"
#include "ui/form_building.h"
#include "ui/main_string_grid.h"
#include "ui/owner_drawn_lists.h"
#include "ui/panel_status_bar.h"
#include "ui/replace_word_dialog.h"
#include "ui/stock_grid_preview.h"

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

/// Rows of the table of words per length: the header and lengths 3..20.
constexpr int DictionaryGridRows = 19;
constexpr int DictionaryGridRowHeight = 14;

/// The columns of the symmetrical fills list.
QVector<FillColumn> SymmFillsColumns()
{
    return {{"Fill", 30, [](const FillRow& r) { return QString::number(r.Fill); }},
            {"Letters", 48, [](const FillRow& r) { return QString::number(r.Letters); }},
            {"Words", 44, [](const FillRow& r) { return QString::number(r.Words); }},
            {"Iterations", 66, [](const FillRow& r) { return QString::number(r.Iterations); }},
            {"Imported", 60, [](const FillRow& r) { return QString::number(r.Imported); }}};
}

QLabel* SmallLabel(const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    QFont f = l->font();
    f.setPixelSize(12);
    l->setFont(f);
    return l;
}

}  // namespace

QWidget* MainWindow::BuildGeneratePage()
{
    auto* page = Named<QWidget>("TabSheetGenerate");
    auto* col = new QVBoxLayout(page);
    col->setContentsMargins(4, 4, 4, 4);
    col->setSpacing(6);

    GenerateHeaderPanel = Named<QLabel>("GenerateHeaderPanel", page);
    GenerateHeaderPanel->setFrameShape(QFrame::StyledPanel);
    GenerateHeaderPanel->setWordWrap(true);
    // The layout inside keeps the text off the frame; margins on the panel as well would double
    // them and, with a two-line text, leave the Dictionary Options tab too little height.
    auto* header = new QVBoxLayout(GenerateHeaderPanel);
    header->setContentsMargins(6, 4, 6, 4);
    MultipleFillsLab = Named<QLabel>("MultipleFillsLab", GenerateHeaderPanel);
    MultipleFillsLab->setWordWrap(true);
    MultipleFillsLab->setMinimumHeight(2 * MultipleFillsLab->fontMetrics().height());
    header->addWidget(MultipleFillsLab);
    col->addWidget(GenerateHeaderPanel);

    PageControlGenerate = Named<QStackedWidget>("PageControlGenerate", page);
    TabSheetGenSymmetric = Named<QWidget>("TabSheetGenSymmetric");
    auto* symm = new QVBoxLayout(TabSheetGenSymmetric);
    symm->setContentsMargins(0, 0, 0, 0);
    PageControlSymmGen = Named<QTabWidget>("PageControlSymmGen", TabSheetGenSymmetric);
    TabSheetSymmDictionary = BuildSymmDictionaryOptions();
    TabSheetSymmOptions = BuildSymmFillOptions();
    TabSheetSymmMain = BuildSymmMain();
    PageControlSymmGen->addTab(TabSheetSymmDictionary, " Dictionary Options ");
    PageControlSymmGen->addTab(TabSheetSymmOptions, " Fill Options ");
    PageControlSymmGen->addTab(TabSheetSymmMain, " Main ");
    symm->addWidget(PageControlSymmGen);
    TabSheetGenFreeForm = BuildFreeformGenerate();
    BuildFreeformGenerateTabs();
    PageControlGenerate->addWidget(TabSheetGenSymmetric);
    PageControlGenerate->addWidget(TabSheetGenFreeForm);
    col->addWidget(PageControlGenerate, 1);

    auto* buttons = new QHBoxLayout;
    BackBtn2 = Named<QPushButton>("BackBtn2", "< &Back", page);
    NextBtn2 = Named<QPushButton>("NextBtn2", "&Next >", page);
    NextBtn2->setEnabled(false);
    buttons->addStretch(1);
    buttons->addWidget(BackBtn2);
    buttons->addWidget(NextBtn2);
    col->addLayout(buttons);
    return page;
}

QWidget* MainWindow::BuildSymmDictionaryOptions()
{
    auto* page = Named<QWidget>("TabSheetSymmDictionary");
    auto* outer = new QVBoxLayout(page);
    outer->setContentsMargins(0, 0, 0, 0);
    MultiSymmDictPnl = Named<QFrame>("MultiSymmDictPnl", page);
    outer->addWidget(MultiSymmDictPnl);
    auto* col = new QVBoxLayout(MultiSymmDictPnl);
    col->setContentsMargins(8, 4, 8, 4);
    col->setSpacing(1);

    DefaultDictionaryBtn = Named<QPushButton>("DefaultDictionaryBtn", "Default", MultiSymmDictPnl);
    DefaultDictionaryBtn->setEnabled(false);
    WordCategBtn = Named<QPushButton>("WordCategBtn", "Subject Categories >>", MultiSymmDictPnl);

    auto* sources = new QGridLayout;
    sources->setSpacing(0);
    DictionaryRadio = Named<QRadioButton>("DictionaryRadio", "Use Internal Dictionary :", MultiSymmDictPnl);
    DictionaryRadio->setChecked(true);
    ImportedWordRadio = Named<QRadioButton>("ImportedWordRadio", "Use External Word List Only", MultiSymmDictPnl);
    ImportedWordRadio->setEnabled(false);
    ImportedWordCheck = Named<QCheckBox>("ImportedWordCheck", " Also Use Imported Words", MultiSymmDictPnl);
    ImportedWordCheck->setEnabled(false);
    ImportedWordCheck->setContentsMargins(20, 0, 0, 0);
    sources->addWidget(DictionaryRadio, 0, 0);
    sources->addWidget(WordCategBtn, 0, 1, Qt::AlignRight);
    sources->addWidget(ImportedWordCheck, 1, 0, 1, 2);
    sources->addWidget(ImportedWordRadio, 2, 0, 1, 2);
    col->addLayout(sources);
    col->addSpacing(2);

    auto* typesHeader = new QHBoxLayout;
    WordTypeLab = Named<QLabel>("WordTypeLab", "Parts of speech:", MultiSymmDictPnl);
    typesHeader->addWidget(WordTypeLab);
    typesHeader->addStretch(1);
    typesHeader->addWidget(DefaultDictionaryBtn);
    col->addLayout(typesHeader);
    auto* types = new QGridLayout;
    types->setContentsMargins(12, 0, 0, 0);
    types->setHorizontalSpacing(10);
    types->setVerticalSpacing(0);
    POSNounCommonCheck = Named<QCheckBox>("POSNounCommonCheck", "  Common Nouns", MultiSymmDictPnl);
    POSNounProperCheck = Named<QCheckBox>("POSNounProperCheck", "  Proper Nouns", MultiSymmDictPnl);
    POSOtherCheck = Named<QCheckBox>("POSOtherCheck", "  All other parts of speech", MultiSymmDictPnl);
    POSInitialsCheck = Named<QCheckBox>("POSInitialsCheck", "  Initials / Abbreviations", MultiSymmDictPnl);
    types->addWidget(POSNounCommonCheck, 0, 0);
    types->addWidget(POSNounProperCheck, 1, 0);
    types->addWidget(POSOtherCheck, 0, 1);
    types->addWidget(POSInitialsCheck, 1, 1);
    for (QCheckBox* c : {POSNounCommonCheck, POSNounProperCheck, POSOtherCheck, POSInitialsCheck}) c->setChecked(true);
    col->addLayout(types);
    col->addSpacing(2);

    FreqLab = Named<QLabel>("FreqLab", "Frequency in Dictionary", MultiSymmDictPnl);
    col->addWidget(FreqLab);
    auto* rarity = new QHBoxLayout;
    rarity->setSpacing(6);
    auto* includeLab = SmallLabel("Include\nall words", MultiSymmDictPnl);
    includeLab->setObjectName("TrackLabInclude");
    TrackBarRare = Named<QSlider>("TrackBarRare", Qt::Horizontal, MultiSymmDictPnl);
    TrackBarRare->setRange(0, 20);
    TrackBarRare->setPageStep(5);
    TrackBarRare->setTickPosition(QSlider::TicksBelow);
    TrackBarRare->setTickInterval(1);
    auto* suppressLab = SmallLabel("Suppress\nrarer words", MultiSymmDictPnl);
    suppressLab->setObjectName("TrackLabSuppress");
    suppressLab->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    rarity->addWidget(includeLab);
    rarity->addWidget(TrackBarRare, 1);
    rarity->addWidget(suppressLab);
    TrackBarLabels = {includeLab, suppressLab};
    col->addLayout(rarity);
    col->addSpacing(2);

    DictionaryStringGrid = new CountTable(DictionaryGridRows, 3, MultiSymmDictPnl);
    DictionaryStringGrid->setObjectName("DictionaryStringGrid");
    col->addWidget(DictionaryStringGrid);
    DictionaryStatsStatusBar = new PanelStatusBar({0}, MultiSymmDictPnl);
    DictionaryStatsStatusBar->setObjectName("DictionaryStatsStatusBar");
    col->addWidget(DictionaryStatsStatusBar);
    col->addStretch(1);

    connect(WordCategBtn, &QPushButton::clicked, this, [this] { WordCategBtnClick(); });
    connect(DictionaryRadio, &QRadioButton::clicked, this, [this] { DictionaryRadioClick(); });
    connect(ImportedWordRadio, &QRadioButton::clicked, this, [this] { ImportedWordRadioClick(); });
    for (QCheckBox* c : {POSNounCommonCheck, POSNounProperCheck, POSOtherCheck, POSInitialsCheck, ImportedWordCheck})
        connect(c, &QCheckBox::clicked, this, [this] { POSCheckClick(); });
    connect(TrackBarRare, &QSlider::valueChanged, this, [this] { TrackBarRareChange(); });
    connect(DefaultDictionaryBtn, &QPushButton::clicked, this, [this] { DefaultDictionaryBtnClick(); });
    connect(DictionaryStringGrid, &CountTable::lastColumnResized, this, [this] { CountSelection(); });
    return page;
}

void MainWindow::InitDictionaryGrid()
{
    QFont f("Calibri");
    f.setPointSize(8);
    DictionaryStringGrid->setFont(f);
    DictionaryStringGrid->setRowCount(DictionaryGridRows);
    DictionaryStringGrid->verticalHeader()->setMinimumSectionSize(DictionaryGridRowHeight);
    DictionaryStringGrid->verticalHeader()->setDefaultSectionSize(DictionaryGridRowHeight);
    DictionaryStringGrid->setFixedHeight(DictionaryGridRows * DictionaryGridRowHeight + 2 * DictionaryStringGrid->frameWidth() + 1);
    DictionaryStringGrid->SetFixedColumns({60, 50});
    DictionaryStringGrid->SetCell(0, 0, "Length");
    DictionaryStringGrid->SetCell(1, 0, "Words");
    DictionaryStringGrid->SetCell(2, 0, "");
}

QWidget* MainWindow::BuildSymmFillOptions()
{
    auto* page = Named<QWidget>("TabSheetSymmOptions");
    auto* col = new QVBoxLayout(page);
    col->setContentsMargins(10, 10, 10, 10);
    col->setSpacing(8);
    auto* row = new QHBoxLayout;
    auto* label = new QLabel("Maximum iterations per fill attempt:", page);
    IterationsEdit = Named<QLineEdit>("IterationsEdit", "5000", page);
    IterationsEdit->setFixedWidth(70);
    IterationsEdit->setMaxLength(7);
    label->setBuddy(IterationsEdit);
    row->addWidget(label);
    row->addWidget(IterationsEdit);
    row->addStretch(1);
    col->addLayout(row);
    auto* note = new QLabel("An attempt that has not filled the grid after this many steps is given up, "
                            "and the run goes on with the next attempt.",
                            page);
    note->setWordWrap(true);
    col->addWidget(note);
    col->addSpacing(6);
    SymmProgressCheck = Named<QCheckBox>("SymmProgressCheck", "  Show the progress of each fill attempt", page);
    col->addWidget(SymmProgressCheck);
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
    MultiSymmMainPnl = Named<QFrame>("MultiSymmMainPnl", page);
    outer->addWidget(MultiSymmMainPnl);
    auto* col = new QVBoxLayout(MultiSymmMainPnl);
    col->setContentsMargins(6, 6, 6, 4);
    col->setSpacing(4);

    auto* run = new QHBoxLayout;
    run->setSpacing(6);
    auto* repeatsLab = new QLabel("Number of fills:", MultiSymmMainPnl);
    SymmRepeatsEdit = Named<QLineEdit>("SymmRepeatsEdit", "10", MultiSymmMainPnl);
    SymmRepeatsEdit->setMaxLength(4);
    SymmRepeatsEdit->setFixedWidth(48);
    repeatsLab->setBuddy(SymmRepeatsEdit);
    SymmStartBtn = Named<QPushButton>("SymmStartBtn", "&Start", MultiSymmMainPnl);
    SymmStartBtn->setEnabled(false);
    SymmStopBtn = Named<QPushButton>("SymmStopBtn", "S&top", MultiSymmMainPnl);
    SymmStopBtn->setEnabled(false);
    run->addWidget(repeatsLab);
    run->addWidget(SymmRepeatsEdit);
    run->addStretch(1);
    run->addWidget(SymmStartBtn);
    run->addWidget(SymmStopBtn);
    col->addLayout(run);

    auto* bars = new QGridLayout;
    bars->setHorizontalSpacing(6);
    bars->setVerticalSpacing(2);
    ProgressBarSymmMult = Named<QProgressBar>("ProgressBarSymmMult", MultiSymmMainPnl);
    ProgressBarSymmQuick = Named<QProgressBar>("ProgressBarSymmQuick", MultiSymmMainPnl);
    for (QProgressBar* b : {ProgressBarSymmMult, ProgressBarSymmQuick}) {
        b->setTextVisible(false);
        b->setFixedHeight(12);
        b->setValue(0);
    }
    bars->addWidget(SmallLabel("Attempts", MultiSymmMainPnl), 0, 0);
    bars->addWidget(ProgressBarSymmMult, 0, 1);
    bars->addWidget(SmallLabel("This fill", MultiSymmMainPnl), 1, 0);
    bars->addWidget(ProgressBarSymmQuick, 1, 1);
    col->addLayout(bars);

    MultFillsPanel = Named<QFrame>("MultFillsPanel", MultiSymmMainPnl);
    auto* list = new QVBoxLayout(MultFillsPanel);
    list->setContentsMargins(0, 2, 0, 0);
    list->setSpacing(1);
    SymmFillsHeaderPnl = new ColumnHeader(SymmFillsColumns(), MultFillsPanel);
    SymmFillsHeaderPnl->setObjectName("SymmFillsHeaderPnl");
    list->addWidget(SymmFillsHeaderPnl);
    symmetricFills_ = RowList<FillRow>("SymmFillsListBox", FillsListPainter(SymmFillsColumns()), 17, MultFillsPanel);
    list->addWidget(symmetricFills_.View(), 1);
    SymmFillStatusPnl = Named<QLabel>("SymmFillStatusPnl", MultFillsPanel);
    SymmFillStatusPnl->setAlignment(Qt::AlignCenter);
    SymmFillStatusPnl->setFrameShape(QFrame::StyledPanel);
    SymmFillStatusPnl->setFixedHeight(SymmFillStatusPnl->fontMetrics().height() + 6);
    list->addWidget(SymmFillStatusPnl);
    col->addWidget(MultFillsPanel, 3);

    ProgressMemo = Named<QPlainTextEdit>("ProgressMemo", MultiSymmMainPnl);
    ProgressMemo->setReadOnly(true);
    ProgressMemo->setFixedHeight(96);
    col->addWidget(ProgressMemo);

    SymmFillsStatusBar = new PanelStatusBar({150, 90, 0}, MultiSymmMainPnl);
    SymmFillsStatusBar->setObjectName("SymmFillsStatusBar");
    col->addWidget(SymmFillsStatusBar);

    connect(SymmStartBtn, &QPushButton::clicked, this, [this] { SymmStartBtnClick(); });
    connect(SymmStopBtn, &QPushButton::clicked, this, [this] { SymmStopBtnClick(); });
    connect(SymmRepeatsEdit, &QLineEdit::returnPressed, this, [this] { SymmRepeatsEditKeyPress(); });
    connect(symmetricFills_.View(), &RowListView::rowClicked, this, [this] { FillsListBoxClick(); });
    connect(symmetricFills_.View(), &RowListView::currentRowChanged, this, [this] { FillsListBoxClick(); });
    return page;
}

QWidget* MainWindow::BuildFreeformGenerate()
{
    auto* page = Named<QWidget>("TabSheetGenFreeForm");
    auto* col = new QVBoxLayout(page);
    col->setContentsMargins(0, 0, 0, 0);
    PageControlFreeGen = Named<QTabWidget>("PageControlFreeGen", page);

    auto tab = [this](const char* name, const char* panelName, QFrame*& panel) {
        QWidget* sheet = Named<QWidget>(name);
        auto* l = new QVBoxLayout(sheet);
        l->setContentsMargins(0, 0, 0, 0);
        panel = Named<QFrame>(panelName, sheet);
        SetPanelColour(panel, ColourButtonFace);
        l->addWidget(panel);
        return sheet;
    };
    TabSheetFreeOptions = tab("TabSheetFreeOptions", "TabsheetFreeOptionsPnl", TabsheetFreeOptionsPnl);
    TabSheetFreeMain = tab("TabSheetFreeMain", "TabsheetFreeMainPnl", TabsheetFreeMainPnl);
    auto* mainCol = new QVBoxLayout(TabsheetFreeMainPnl);
    QuickFillPanel = Named<QFrame>("QuickFillPanel", TabsheetFreeMainPnl);
    SetPanelColour(QuickFillPanel, ColourButtonFace);
    mainCol->addWidget(QuickFillPanel);
    mainCol->addStretch(1);
    TabSheetUsage = tab("TabSheetUsage", "WordUsagePanel", WordUsagePanel);
    BuildWordUsagePanel();
    PageControlFreeGen->addTab(TabSheetFreeOptions, "Fill Options");
    PageControlFreeGen->addTab(TabSheetFreeMain, "Main");
    PageControlFreeGen->addTab(TabSheetUsage, "Word Usage");
    col->addWidget(PageControlFreeGen);
    return page;
}

// ---------------------------------------------------------------------------------------------
// Dictionary options

SelectionOptions MainWindow::ReadSelectionOptions() const
{
    SelectionOptions o;
    o.POSOther = POSOtherCheck->isChecked();
    o.POSNounCommon = POSNounCommonCheck->isChecked();
    o.POSNounProper = POSNounProperCheck->isChecked();
    o.POSInitials = POSInitialsCheck->isChecked();
    o.AllOther = AllOtherCheck->isChecked();
    for (int i = 0; i < CategoryCount && i < CategoryListBox->count(); ++i)
        o.Categories[static_cast<std::size_t>(i)] = CategoryListBox->item(i)->checkState() == Qt::Checked;
    o.RarityThreshold = TrackBarRare->value();
    return o;
}

void MainWindow::BuildSelectionMasks()
{
    Guard([this] {
        DefaultDictionaryBtn->setEnabled(qm::BuildSelectionMasks(state_.Selection, ReadSelectionOptions(), state_.DictSelectionDirty));
    });
}

void MainWindow::CountSelection()
{
    Guard([this] {
        const SelectionCounts counts = qm::CountSelection(state_.Dict, state_.BitPatterns, state_.Selection, state_.FillSource,
                                                          state_.Imported, DictionaryStringGrid->columnWidth(2));
        DictionaryStringGrid->SetCell(0, 0, "Length");
        DictionaryStringGrid->SetCell(1, 0, "Words");
        DictionaryStringGrid->SetCell(2, 0, "");
        for (const SelectionRow& r : counts.Rows) {
            const int row = r.Length - 2;
            if (row < 1 || row >= DictionaryStringGrid->rowCount()) continue;
            DictionaryStringGrid->SetCell(0, row, ToQ(r.LengthText));
            DictionaryStringGrid->SetCell(1, row, ToQ(r.CountText));
            DictionaryStringGrid->SetCell(2, row, ToQ(r.BarText));
        }
        DictionaryStringGrid->viewport()->update();
        DictionaryStatsStatusBar->setPanelText(0, ToQ(counts.WordsText));
        SymmFillsStatusBar->setPanelText(0, ToQ(counts.DictionaryText));
    });
}

void MainWindow::SetDictionaryControls(bool enabled)
{
    for (QWidget* w : std::initializer_list<QWidget*>{WordTypeLab, POSNounCommonCheck, POSNounProperCheck, POSOtherCheck,
                                                      POSInitialsCheck, ImportedWordCheck, WordCategBtn, FreqLab, TrackBarRare,
                                                      DefaultDictionaryBtn})
        w->setEnabled(enabled);
    for (QLabel* l : TrackBarLabels) l->setEnabled(enabled);
    DictionaryStringGrid->setVisible(enabled);
}

void MainWindow::DictionaryRadioClick()
{
    state_.FillSource = ImportedWordCheck->isChecked() ? FillSourceKind::Hybrid : FillSourceKind::Dictionary;
    SetDictionaryControls(true);
    BuildSelectionMasks();
    CountSelection();
    ShowSymmGenDescription();
}

void MainWindow::ImportedWordRadioClick()
{
    state_.FillSource = FillSourceKind::ImportedOnly;
    SetDictionaryControls(false);
    CountSelection();
    ShowSymmGenDescription();
}

void MainWindow::POSCheckClick()
{
    state_.FillSource = ImportedWordCheck->isChecked() ? FillSourceKind::Hybrid : FillSourceKind::Dictionary;
    BuildSelectionMasks();
    CountSelection();
    ShowSymmGenDescription();
}

void MainWindow::TrackBarRareChange()
{
    BuildSelectionMasks();
    CountSelection();
    state_.DictSelectionDirty = true;
}

void MainWindow::DefaultDictionaryBtnClick()
{
    for (QCheckBox* c : {POSNounCommonCheck, POSNounProperCheck, POSOtherCheck, POSInitialsCheck}) {
        const QSignalBlocker block(c);
        c->setChecked(true);
    }
    TrackBarRare->setValue(0);
    BuildSelectionMasks();
    CountSelection();
}

// ---------------------------------------------------------------------------------------------
// The run of symmetrical fills

void MainWindow::SymmStartBtnClick()
{
    if (state_.RunInProgress() || !SymmStartBtn->isEnabled()) return;
    if (state_.DictSelectionDirty) {
        SymmFillsStatusBar->setPanelText(1, "Reading dictionary...");
        SymmFillsStatusBar->repaint();
        ApplySelection(state_.Dict, state_.BitPatterns, state_.Selection, state_.DictSelectionDirty);
    }
    StartSymmetricRun();
}

void MainWindow::SymmRepeatsEditKeyPress()
{
    // Enter starts the run as the Start button does (with a fresh selection, and not during a run).
    SymmStartBtnClick();
}

void MainWindow::SymmStopBtnClick()
{
    state_.Run = RunState::StopRequested;
    SymmStopBtn->setEnabled(false);
}

void MainWindow::StartSymmetricRun()
{
    if (state_.RunInProgress()) return;
    bool isNumber = false;
    const int iterations = IterationsEdit->text().trimmed().toInt(&isNumber);
    if (!isNumber) {
        dialogs_->Error(this, "'" + IterationsEdit->text() + "' is not a valid integer value");
        return;
    }
    CommitClueEdits();
    RunSettings settings;
    settings.Fill.MaxIterations = iterations;
    settings.Fill.ShowProgress = SymmProgressCheck->isChecked();
    settings.Fill.KeepStepLog = LogFileCheck->isChecked();

    RunCallbacks callbacks;
    // The run has passed its checks: the fills shown so far make way for the new ones.
    callbacks.ClearMemo = [this] {
        ResetFillDisplay();
        symmetricFills_.Clear();
        state_.ClueEdits.Clear();
        SymmFillStatusPnl->setText("Click on any row to select a fill");
        ProgressBarSymmQuick->setRange(0, std::max(state_.Xw.WordSlotCount, 1));
        ProgressBarSymmQuick->setValue(0);
        ProgressMemo->clear();
    };
    callbacks.Fill.AddMemoLine = [this](const std::string& line) { ProgressMemo->appendPlainText(ToQ(line)); };
    callbacks.Fill.SetProgress = [this](int slot) {
        ProgressBarSymmQuick->setValue(slot);
        ProgressBarSymmQuick->repaint();
    };
    callbacks.Fill.Repaint = [this] { MainStringGridView->repaint(); };
    callbacks.Fill.ShowFillStatus = [this](int words, int letters, int interlocks) { ShowFillStatus(words, letters, interlocks); };
    callbacks.AttemptStarted = [this](int attempt, int repeats) {
        ProgressBarSymmMult->setMaximum(repeats);
        ProgressBarSymmMult->setValue(attempt);
        SymmFillsStatusBar->setPanelText(1, QString("%1/%2").arg(attempt).arg(repeats));
    };
    callbacks.FillListed = [this](const FillRow& row, int position) {
        const QSignalBlocker block(symmetricFills_.View());
        symmetricFills_.Insert(position, row);
    };
    callbacks.ProcessMessages = [] { QCoreApplication::processEvents(); };
    if (DlgCheck->isChecked())
        callbacks.Fill.Diagnostic = [this](const std::string& text) {
            MainStringGridView->repaint();
            dialogs_->Information(this, ToQ(text));
        };
    // Every attempt is painted by the normal painter, whatever diagnostic view was on.
    MainStringGridView->SetPainter(GridPainter::Normal);

    // The stock grid's pattern, should the grid have been cleared since it was chosen.
    if (state_.Stock.SelectedStockGrid > 0) Guard([this] { LoadStockGrid(state_.Stock, state_.Stock.SelectedStockGrid, state_.Xw.Squares); });

    OverrideCursor busy(Qt::BusyCursor);
    SetRunControls(true);
    std::optional<StartedRun> run;
    {
        // Unless each step is to be seen, the grid keeps showing what it showed until a fill is chosen.
        std::optional<PaintFreeze> freeze;
        if (!settings.Fill.ShowProgress) freeze.emplace(MainStringGridView);
        Guard([&] { run = qm::StartSymmetricRun(state_, state_.SymmFillsList, FromQ(SymmRepeatsEdit->text()), settings, callbacks); });
    }
    SetRunControls(false);
    SymmFillsStatusBar->setPanelText(1, {});
    if (run) {
        SymmRepeatsEdit->setText(ToQ(run->RepeatsText));
        SymmFillsStatusBar->setPanelText(2, ToQ(run->TimeText));
        if (run->Result.Shown) {
            {
                const QSignalBlocker block(symmetricFills_.View());
                symmetricFills_.View()->setCurrentRow(0);
            }
            ResetFillDisplay();
            DisplayShownFill(*run->Result.Shown);
            if (PageControlLeft->currentWidget() == TabSheetGenerate && PageControlGenerate->currentWidget() == TabSheetGenSymmetric &&
                PageControlSymmGen->currentWidget() == TabSheetSymmMain)
                symmetricFills_.View()->setFocus();
        }
    }
    RepaintGrid();
    if (closeAfterRun_) close();
}

void MainWindow::SetRunControls(bool running)
{
    SymmStartBtn->setEnabled(!running);
    SymmStopBtn->setEnabled(running);
    SymmStartBtn->repaint();
    SymmStopBtn->repaint();
    // What would change the grid, the word stores or the fill source under the run waits for its end.
    if (running) {
        pausedDuringRun_.clear();
        for (QWidget* w : std::initializer_list<QWidget*>{SymmetricBitBtn, FreeformBitBtn, LoadFileBitBtn, StockGridListBox, PreviewImg,
                                                          FreeformDimensionListBox, IterationsEdit, SymmRepeatsEdit, DictionaryRadio,
                                                          ImportedWordRadio, ImportedWordCheck, ClearGridBtn, ReplaceWordBtn}) {
            pausedDuringRun_.push_back({w, w->isEnabled()});
            w->setEnabled(false);
        }
        WordsDlg->close();
    } else {
        for (const auto& [w, enabled] : pausedDuringRun_)
            if (w) w->setEnabled(enabled);
        pausedDuringRun_.clear();
    }
    // A fill shown during a run can be read but not edited: the run still works in the crossword.
    AcrossClueMemo->setReadOnly(running);
    DownClueMemo->setReadOnly(running);
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
    SymmFillStatusPnl->setText("Click on any row to select another fill");
    if (!MainStringGridView->updatesEnabled()) {
        // The grid is frozen during a run; the chosen fill is painted once.
        MainStringGridView->setUpdatesEnabled(true);
        MainStringGridView->repaint();
        MainStringGridView->setUpdatesEnabled(false);
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
    if (CluesPageShowing()) TabSheetCluesEnter();
}

}  // namespace qm::ui
