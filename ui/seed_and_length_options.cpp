// SeedAndLengthOptions: the seed word group and the word length settings of the freeform Fill Options tab.
#include "ui/seed_and_length_options.h"

#include "core/freeform/freeform_run.h"
#include "core/state.h"
#include "core/words/import.h"
#include "ui/form_building.h"
#include "ui/owner_drawn_lists.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace qm::ui {

SeedAndLengthOptions::SeedAndLengthOptions(QuillmereState& state, QWidget* parent) : QWidget(parent), state_(state)
{
    auto* col = new QVBoxLayout(this);
    col->setContentsMargins(0, 0, 0, 0);
    col->setSpacing(4);

    auto* seedRow = new QHBoxLayout;
    auto* radios = new QVBoxLayout;
    radios->setSpacing(2);
    radios->addWidget(new QLabel("Seed word:", this));
    randomWordsRadio_ = Named<QRadioButton>("RandomWordsRadio", "  Random word", this);
    seedWordRadio_ = Named<QRadioButton>("SeedWordRadio", "  Selected word (right)", this);
    gridSeedRadio_ = Named<QRadioButton>("GridRadio", "  Start with grid fill", this);
    randomWordsRadio_->setChecked(true);
    gridSeedRadio_->setEnabled(false);
    for (QRadioButton* r : {randomWordsRadio_, seedWordRadio_, gridSeedRadio_}) radios->addWidget(r);
    radios->addStretch(1);
    seedRow->addLayout(radios);
    seedWords_ = Named<QListWidget>("SeedListBox", this);
    MakeOwnerDrawn(seedWords_, ImportedListItemPainter([this] { return seedWordRadio_->isChecked(); }), ImportedListItemHeight);
    seedWords_->setEnabled(false);
    seedWords_->setFixedHeight(6 * ImportedListItemHeight + 4);
    seedRow->addWidget(seedWords_, 1);
    col->addLayout(seedRow);

    auto* lengths = new QGridLayout;
    lengths->setHorizontalSpacing(8);
    lengths->setVerticalSpacing(0);
    auto* optLab = new QLabel("Optimal word length", this);
    auto* optNote = new QLabel("(normally 60% of crossword dimension,\nbut can be altered up or down).", this);
    optimalLengthSpin_ = Named<QSpinBox>("OptLengthSpinEdit", this);
    optimalLengthSpin_->setRange(3, 12);
    optimalLengthSpin_->setValue(state_.Imported.OptimalWordLength);
    optLab->setBuddy(optimalLengthSpin_);
    auto* devLab = new QLabel("Variation   (0 - 500, default 400)", this);
    lengthVariationSpin_ = Named<QSpinBox>("DeviationSpinEdit", this);
    lengthVariationSpin_->setRange(0, 500);
    lengthVariationSpin_->setSingleStep(10);
    lengthVariationSpin_->setValue(state_.Imported.LengthVariation);
    devLab->setBuddy(lengthVariationSpin_);
    lengths->addWidget(optLab, 0, 0);
    lengths->addWidget(optimalLengthSpin_, 0, 1);
    lengths->addWidget(optNote, 1, 0, 1, 2);
    lengths->addWidget(devLab, 2, 0);
    lengths->addWidget(lengthVariationSpin_, 2, 1);
    lengths->setColumnStretch(0, 1);
    col->addLayout(lengths);

    connect(randomWordsRadio_, &QRadioButton::clicked, this, [this] { OnRandomWordChosen(); });
    connect(seedWordRadio_, &QRadioButton::clicked, this, [this] { OnSeedWordChosen(); });
    connect(seedWords_, &QListWidget::itemClicked, this, [this] { OnSeedListClicked(); });
    connect(seedWords_, &QListWidget::currentRowChanged, this, [this] { OnSeedListClicked(); });
    connect(optimalLengthSpin_, &QSpinBox::valueChanged, this, [this] { OnOptimalLengthChanged(); });
    // Every edit of the text counts, also one that leaves no number (the spin box itself waits for one).
    connect(lengthVariationSpin_, &QSpinBox::valueChanged, this, [this] { OnLengthVariationChanged(); });
    connect(lengthVariationSpin_->findChild<QLineEdit*>(), &QLineEdit::textChanged, this, [this] { OnLengthVariationChanged(); });
}

SeedWordChoice SeedAndLengthOptions::Choice() const
{
    if (randomWordsRadio_->isChecked()) return SeedWordChoice::RandomWord;
    if (seedWordRadio_->isChecked()) return SeedWordChoice::SelectedWord;
    return SeedWordChoice::GridWords;
}

int SeedAndLengthOptions::SelectedSeed() const { return seedWords_->currentRow(); }

void SeedAndLengthOptions::ShowSeedWords(const ImportedList& list)
{
    seedWords_->clear();
    QStringList words;
    words.reserve(static_cast<int>(list.ThemeWords.size()));
    for (const std::string& w : list.ThemeWords) words << ToQ(w);
    seedWords_->addItems(words);
    randomWordsRadio_->setChecked(true);
    seedWords_->setEnabled(false);
}

void SeedAndLengthOptions::ShowLengthOptions()
{
    optimalLengthSpin_->setValue(state_.Imported.OptimalWordLength);
    lengthVariationSpin_->setValue(state_.Imported.LengthVariation);
}

std::vector<QWidget*> SeedAndLengthOptions::PausedByRuns() const
{
    return {randomWordsRadio_, seedWordRadio_, seedWords_, optimalLengthSpin_, lengthVariationSpin_};
}

// ---------------------------------------------------------------------------------------------
// Handlers

void SeedAndLengthOptions::OnSeedWordChosen()
{
    seedWords_->setEnabled(true);
    if (seedWords_->currentRow() < 0 && seedWords_->count() > 0) seedWords_->setCurrentRow(0);
    seedWords_->viewport()->update();
    OnSeedListClicked();
}

void SeedAndLengthOptions::OnRandomWordChosen()
{
    seedWords_->setEnabled(false);
    seedWords_->viewport()->update();
    // A seed word too long for the grid no longer stands in the way.
    if (MakeImportStatus(state_.Imported).EnableGeneration) emit fillButtonsAllowed(true);
}

void SeedAndLengthOptions::OnSeedListClicked()
{
    const QuillmereState& state = state_;
    const int row = seedWords_->currentRow();
    if (!seedWordRadio_->isChecked() || row < 0 || static_cast<std::size_t>(row) >= state.Imported.ThemeWords.size()) return;
    const bool fits = static_cast<int>(state.Imported.ThemeWords[static_cast<std::size_t>(row)].size()) <= state.Xw.GridSize;
    emit fillButtonsAllowed(fits);
}

void SeedAndLengthOptions::OnOptimalLengthChanged() { state_.Imported.OptimalWordLength = optimalLengthSpin_->value(); }

void SeedAndLengthOptions::OnLengthVariationChanged()
{
    state_.Imported.LengthVariation = ParseLengthVariation(FromQ(lengthVariationSpin_->text()));
}

}  // namespace qm::ui
