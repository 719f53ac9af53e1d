// TForm5, Generate page: the dictionary options, the fill options and the run of symmetrical fills with
// its list; the freeform generator's tabs.
#include "ui/tform5.h"

#include "ui/count_table.h"
#include "ui/form_building.h"
#include "ui/owner_drawn_lists.h"
#include "ui/panel_status_bar.h"

#include <QButtonGroup>
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
#include <QSlider>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>

namespace qm::ui {

namespace {

/// Rows of the table of words per length: the header and lengths 3..20.
constexpr int DictionaryGridRows = 19;
constexpr int DictionaryGridRowHeight = 14;

/// The columns of the symmetrical fills list, read from its lines ("%4d%6d%4d%1s%5d%7d%8d%7d").
QVector<LineColumn> SymmFillsColumns()
{
    return {{"Fill", 11, 14, 30}, {"Letters", 16, 20, 48}, {"Words", 21, 27, 44}, {"Iterations", 28, 35, 66}, {"Imported", 36, 42, 60}};
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

QWidget* TForm5::BuildGeneratePage()
{
    auto* page = Named<QWidget>("TabSheetGenerate");
    auto* col = new QVBoxLayout(page);
    col->setContentsMargins(4, 4, 4, 4);
    col->setSpacing(6);

    GenerateHeaderPanel = Named<QLabel>("GenerateHeaderPanel", page);
    GenerateHeaderPanel->setFrameShape(QFrame::StyledPanel);
    GenerateHeaderPanel->setWordWrap(true);
    GenerateHeaderPanel->setContentsMargins(6, 4, 6, 4);
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

QWidget* TForm5::BuildSymmDictionaryOptions()
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
    col->addSpacing(4);

    DictionaryStringGrid = new CountTable(DictionaryGridRows, 3, MultiSymmDictPnl);
    DictionaryStringGrid->setObjectName("DictionaryStringGrid");
    col->addWidget(DictionaryStringGrid);
    DictionaryStatsStatusBar = new PanelStatusBar({0}, MultiSymmDictPnl);
    DictionaryStatsStatusBar->setObjectName("DictionaryStatsStatusBar");
    col->addWidget(DictionaryStatsStatusBar);
    col->addStretch(1);

    connect(WordCategBtn, &QPushButton::clicked, this, [this] { WordCategBtnClick(); });
    return page;
}

void TForm5::InitDictionaryGrid()
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

QWidget* TForm5::BuildSymmFillOptions()
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

QWidget* TForm5::BuildSymmMain()
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
    SymmFillsListBox = Named<QListWidget>("SymmFillsListBox", MultFillsPanel);
    MakeOwnerDrawn(SymmFillsListBox, FillsListPainter(SymmFillsColumns()), 17);
    list->addWidget(SymmFillsListBox, 1);
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
    return page;
}

QWidget* TForm5::BuildFreeformGenerate()
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
    PageControlFreeGen->addTab(TabSheetFreeOptions, "Fill Options");
    PageControlFreeGen->addTab(TabSheetFreeMain, "Main");
    PageControlFreeGen->addTab(TabSheetUsage, "Word Usage");
    col->addWidget(PageControlFreeGen);
    return page;
}

}  // namespace qm::ui
