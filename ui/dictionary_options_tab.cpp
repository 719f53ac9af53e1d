// DictionaryOptionsTab: which dictionary words a symmetrical fill may use (sources, parts of speech,
// rarity, subject categories) and the table of words per length.
#include "ui/dictionary_options_tab.h"

#include "core/state.h"
#include "core/words/selection.h"
#include "ui/category_panel.h"
#include "ui/count_table.h"
#include "ui/form_building.h"
#include "ui/main_window.h"
#include "ui/panel_status_bar.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

namespace qm::ui {

namespace {

/// Rows of the table of words per length: the header and lengths 3..20.
constexpr int DictionaryGridRows = 19;
constexpr int DictionaryGridRowHeight = 14;

}  // namespace

DictionaryOptionsTab::DictionaryOptionsTab(MainWindow& window) : window_(window)
{
    setObjectName("TabSheetSymmDictionary");
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    dictionaryOptionsPanel_ = Named<QFrame>("MultiSymmDictPnl", this);
    outer->addWidget(dictionaryOptionsPanel_);
    auto* col = new QVBoxLayout(dictionaryOptionsPanel_);
    col->setContentsMargins(8, 4, 8, 4);
    col->setSpacing(1);

    defaultDictionaryButton_ = Named<QPushButton>("DefaultDictionaryBtn", "Default", dictionaryOptionsPanel_);
    defaultDictionaryButton_->setEnabled(false);
    subjectCategoriesButton_ = Named<QPushButton>("WordCategBtn", "Subject Categories >>", dictionaryOptionsPanel_);

    auto* sources = new QGridLayout;
    sources->setSpacing(0);
    useDictionaryRadio_ = Named<QRadioButton>("DictionaryRadio", "Use Internal Dictionary :", dictionaryOptionsPanel_);
    useDictionaryRadio_->setChecked(true);
    importedListOnlyRadio_ = Named<QRadioButton>("ImportedWordRadio", "Use External Word List Only", dictionaryOptionsPanel_);
    importedListOnlyRadio_->setEnabled(false);
    alsoImportedListCheck_ = Named<QCheckBox>("ImportedWordCheck", " Also Use Imported Words", dictionaryOptionsPanel_);
    alsoImportedListCheck_->setEnabled(false);
    alsoImportedListCheck_->setContentsMargins(20, 0, 0, 0);
    sources->addWidget(useDictionaryRadio_, 0, 0);
    sources->addWidget(subjectCategoriesButton_, 0, 1, Qt::AlignRight);
    sources->addWidget(alsoImportedListCheck_, 1, 0, 1, 2);
    sources->addWidget(importedListOnlyRadio_, 2, 0, 1, 2);
    col->addLayout(sources);
    col->addSpacing(2);

    AddWordFilters(col);
    wordsPerLengthTable_ = new CountTable(DictionaryGridRows, 3, dictionaryOptionsPanel_);
    wordsPerLengthTable_->setObjectName("DictionaryStringGrid");
    col->addWidget(wordsPerLengthTable_);
    dictionaryStatus_ = new PanelStatusBar({0}, dictionaryOptionsPanel_);
    dictionaryStatus_->setObjectName("DictionaryStatsStatusBar");
    col->addWidget(dictionaryStatus_);
    col->addStretch(1);

    ConnectControls();
}

void DictionaryOptionsTab::AddWordFilters(QVBoxLayout* col)
{
    auto* typesHeader = new QHBoxLayout;
    partsOfSpeechLabel_ = Named<QLabel>("WordTypeLab", "Parts of speech:", dictionaryOptionsPanel_);
    typesHeader->addWidget(partsOfSpeechLabel_);
    typesHeader->addStretch(1);
    typesHeader->addWidget(defaultDictionaryButton_);
    col->addLayout(typesHeader);
    auto* types = new QGridLayout;
    types->setContentsMargins(12, 0, 0, 0);
    types->setHorizontalSpacing(10);
    types->setVerticalSpacing(0);
    commonNounsCheck_ = Named<QCheckBox>("POSNounCommonCheck", "  Common Nouns", dictionaryOptionsPanel_);
    properNounsCheck_ = Named<QCheckBox>("POSNounProperCheck", "  Proper Nouns", dictionaryOptionsPanel_);
    otherPartsOfSpeechCheck_ = Named<QCheckBox>("POSOtherCheck", "  All other parts of speech", dictionaryOptionsPanel_);
    initialsCheck_ = Named<QCheckBox>("POSInitialsCheck", "  Initials / Abbreviations", dictionaryOptionsPanel_);
    types->addWidget(commonNounsCheck_, 0, 0);
    types->addWidget(properNounsCheck_, 1, 0);
    types->addWidget(otherPartsOfSpeechCheck_, 0, 1);
    types->addWidget(initialsCheck_, 1, 1);
    for (QCheckBox* c : {commonNounsCheck_, properNounsCheck_, otherPartsOfSpeechCheck_, initialsCheck_}) c->setChecked(true);
    col->addLayout(types);
    col->addSpacing(2);

    frequencyLabel_ = Named<QLabel>("FreqLab", "Frequency in Dictionary", dictionaryOptionsPanel_);
    col->addWidget(frequencyLabel_);
    auto* rarity = new QHBoxLayout;
    rarity->setSpacing(6);
    auto* includeLab = SmallLabel("Include\nall words", dictionaryOptionsPanel_);
    includeLab->setObjectName("TrackLabInclude");
    raritySlider_ = Named<QSlider>("TrackBarRare", Qt::Horizontal, dictionaryOptionsPanel_);
    raritySlider_->setRange(0, 20);
    raritySlider_->setPageStep(5);
    raritySlider_->setTickPosition(QSlider::TicksBelow);
    raritySlider_->setTickInterval(1);
    auto* suppressLab = SmallLabel("Suppress\nrarer words", dictionaryOptionsPanel_);
    suppressLab->setObjectName("TrackLabSuppress");
    suppressLab->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    rarity->addWidget(includeLab);
    rarity->addWidget(raritySlider_, 1);
    rarity->addWidget(suppressLab);
    rarityLabels_ = {includeLab, suppressLab};
    col->addLayout(rarity);
    col->addSpacing(2);
}

void DictionaryOptionsTab::ConnectControls()
{
    connect(subjectCategoriesButton_, &QPushButton::clicked, this, [this] { window_.ShowCategoriesOnRight(); });
    connect(useDictionaryRadio_, &QRadioButton::clicked, this, [this] { OnDictionaryChosen(); });
    connect(importedListOnlyRadio_, &QRadioButton::clicked, this, [this] { OnImportedListOnlyChosen(); });
    for (QCheckBox* c : {commonNounsCheck_, properNounsCheck_, otherPartsOfSpeechCheck_, initialsCheck_, alsoImportedListCheck_})
        connect(c, &QCheckBox::clicked, this, [this] { OnWordFilterClicked(); });
    connect(raritySlider_, &QSlider::valueChanged, this, [this] { OnRarityChanged(); });
    connect(defaultDictionaryButton_, &QPushButton::clicked, this, [this] { OnDefaultClicked(); });
    connect(wordsPerLengthTable_, &CountTable::lastColumnResized, this, [this] { CountSelection(); });
}

void DictionaryOptionsTab::InitWordsPerLengthTable()
{
    QFont f("Calibri");
    f.setPointSize(8);
    wordsPerLengthTable_->setFont(f);
    wordsPerLengthTable_->setRowCount(DictionaryGridRows);
    wordsPerLengthTable_->verticalHeader()->setMinimumSectionSize(DictionaryGridRowHeight);
    wordsPerLengthTable_->verticalHeader()->setDefaultSectionSize(DictionaryGridRowHeight);
    wordsPerLengthTable_->setFixedHeight(DictionaryGridRows * DictionaryGridRowHeight + 2 * wordsPerLengthTable_->frameWidth() + 1);
    wordsPerLengthTable_->SetFixedColumns({60, 50});
    wordsPerLengthTable_->SetCell(0, 0, "Length");
    wordsPerLengthTable_->SetCell(1, 0, "Words");
    wordsPerLengthTable_->SetCell(2, 0, "");
}


// ---------------------------------------------------------------------------------------------
// Dictionary options

void DictionaryOptionsTab::SetPanelColours() { SetPanelColour(dictionaryOptionsPanel_, ColourButtonFace); }

QString DictionaryOptionsTab::WordsText() const { return dictionaryStatus_->panelText(0); }

std::vector<QWidget*> DictionaryOptionsTab::SourceChoices() const { return {useDictionaryRadio_, importedListOnlyRadio_, alsoImportedListCheck_}; }

void DictionaryOptionsTab::ResetCategoriesCaption() { subjectCategoriesButton_->setText("Subject Categories >>"); }

void DictionaryOptionsTab::OfferImportedList()
{
    importedListOnlyRadio_->setEnabled(true);
    alsoImportedListCheck_->setEnabled(true);
    if (!alsoImportedListCheck_->isChecked()) {
        alsoImportedListCheck_->setChecked(true);
        if (useDictionaryRadio_->isChecked()) OnWordFilterClicked();
    }
}

SelectionOptions DictionaryOptionsTab::ReadSelectionOptions() const
{
    SelectionOptions o;
    o.POSOther = otherPartsOfSpeechCheck_->isChecked();
    o.POSNounCommon = commonNounsCheck_->isChecked();
    o.POSNounProper = properNounsCheck_->isChecked();
    o.POSInitials = initialsCheck_->isChecked();
    window_.Categories().ReadChoices(o);
    o.RarityThreshold = raritySlider_->value();
    return o;
}

void DictionaryOptionsTab::BuildSelectionMasks()
{
    window_.Guard([this] {
        QuillmereState& state = window_.State();
        defaultDictionaryButton_->setEnabled(qm::BuildSelectionMasks(state.Selection, ReadSelectionOptions(), state.DictSelectionDirty));
    });
}

void DictionaryOptionsTab::CountSelection()
{
    window_.Guard([this] {
        QuillmereState& state = window_.State();
        const SelectionCounts counts = qm::CountSelection(state.Dict, state.BitPatterns, state.Selection, state.FillSource,
                                                          state.Imported, wordsPerLengthTable_->columnWidth(2));
        wordsPerLengthTable_->SetCell(0, 0, "Length");
        wordsPerLengthTable_->SetCell(1, 0, "Words");
        wordsPerLengthTable_->SetCell(2, 0, "");
        for (const SelectionRow& r : counts.Rows) {
            const int row = r.Length - 2;
            if (row < 1 || row >= wordsPerLengthTable_->rowCount()) continue;
            wordsPerLengthTable_->SetCell(0, row, ToQ(r.LengthText));
            wordsPerLengthTable_->SetCell(1, row, ToQ(r.CountText));
            wordsPerLengthTable_->SetCell(2, row, ToQ(r.BarText));
        }
        wordsPerLengthTable_->viewport()->update();
        dictionaryStatus_->setPanelText(0, ToQ(counts.WordsText));
        emit wordsCounted(ToQ(counts.DictionaryText));
    });
}

void DictionaryOptionsTab::SetDictionaryControls(bool enabled)
{
    for (QWidget* w : std::initializer_list<QWidget*>{partsOfSpeechLabel_, commonNounsCheck_, properNounsCheck_, otherPartsOfSpeechCheck_,
                                                      initialsCheck_, alsoImportedListCheck_, subjectCategoriesButton_, frequencyLabel_, raritySlider_,
                                                      defaultDictionaryButton_})
        w->setEnabled(enabled);
    for (QLabel* l : rarityLabels_) l->setEnabled(enabled);
    wordsPerLengthTable_->setVisible(enabled);
}

void DictionaryOptionsTab::OnDictionaryChosen()
{
    window_.State().FillSource = alsoImportedListCheck_->isChecked() ? FillSourceKind::Hybrid : FillSourceKind::Dictionary;
    SetDictionaryControls(true);
    BuildSelectionMasks();
    CountSelection();
    emit fillSourceChosen();
}

void DictionaryOptionsTab::OnImportedListOnlyChosen()
{
    window_.State().FillSource = FillSourceKind::ImportedOnly;
    SetDictionaryControls(false);
    CountSelection();
    emit fillSourceChosen();
}

void DictionaryOptionsTab::OnWordFilterClicked()
{
    window_.State().FillSource = alsoImportedListCheck_->isChecked() ? FillSourceKind::Hybrid : FillSourceKind::Dictionary;
    BuildSelectionMasks();
    CountSelection();
    emit fillSourceChosen();
}

void DictionaryOptionsTab::OnRarityChanged()
{
    BuildSelectionMasks();
    CountSelection();
    window_.State().DictSelectionDirty = true;
}

void DictionaryOptionsTab::OnDefaultClicked()
{
    for (QCheckBox* c : {commonNounsCheck_, properNounsCheck_, otherPartsOfSpeechCheck_, initialsCheck_}) {
        const QSignalBlocker block(c);
        c->setChecked(true);
    }
    raritySlider_->setValue(0);
    BuildSelectionMasks();
    CountSelection();
}

}  // namespace qm::ui
