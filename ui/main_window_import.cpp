// MainWindow, imported word lists: the word list sources of the freeform setup page, the "External Word
// List" tab of the symmetrical setup page, the two theme-word grids and the seed word and word length
// options that go with the list.
#include "ui/main_window.h"

#include "core/util/failure.h"
#include "core/words/import.h"
#include "ui/colour.h"
#include "ui/dictionary_options_tab.h"
#include "ui/form_building.h"
#include "ui/owner_drawn_lists.h"
#include "ui/panel_status_bar.h"
#include "ui/setup_page.h"
#include "ui/symmetric_generate_page.h"
#include "ui/theme_word_grid.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace qm::ui {

namespace {

constexpr int ThemeItemHeight = 16;
/// Where the clue column of a theme-word grid starts (its word column is 130 pixels wide).
constexpr int ClueCaptionLeft = 130 + 2;
const char* const WordListFilter = "Word lists (*.txt);;All files (*)";

/// ThemeComboDrawItem and SeedListBoxDrawItem: the item on the window colour, or on the selected-row
/// colour with a focus rectangle; a list that is switched off shows its items in silver, unselected.
LinePainter ThemeItemPainter(std::function<bool()> active)
{
    return [active = std::move(active)](QPainter& p, const QRect& rect, const QString& line, bool selected, const QPalette& palette) {
        const bool on = !active || active();
        const QColor text = FillRowBackground(p, rect, selected && on, palette);
        p.setPen(on ? text : ToQColor(ColourSilver));
        p.drawText(rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, line);
        if (selected && on) DrawRowFocus(p, rect);
    };
}

/// The captions over a theme-word grid: "Word" over column 0, the clue label over column 1.
QWidget* GridCaptions(QLabel*& clueLabel, const char* clueName, QWidget* parent)
{
    auto* row = new QWidget(parent);
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(2, 0, 0, 0);
    line->setSpacing(0);
    auto* word = new QLabel("Word", row);
    word->setFixedWidth(ClueCaptionLeft - 2);
    clueLabel = Named<QLabel>(clueName, "Clue", row);
    line->addWidget(word);
    line->addWidget(clueLabel, 1);
    return row;
}

}  // namespace

void MainWindow::BuildImportedListControls()
{
    QWidget* page = setupPage_->WordListTab();
    auto* col = qobject_cast<QVBoxLayout*>(page->layout());
    col->setContentsMargins(6, 6, 6, 4);
    col->setSpacing(5);

    auto* theme = new QHBoxLayout;
    auto* themeLab = new QLabel("&Theme:", page);
    builtInListCombo_ = Named<QComboBox>("ThemeCombo", page);
    builtInListCombo_->setItemDelegate(new LineDelegate(ThemeItemPainter({}), ThemeItemHeight, builtInListCombo_));
    for (const ThemeCategory& t : ThemeCategoryTable) builtInListCombo_->addItem(ToQ(t.Name));
    builtInListCombo_->setCurrentIndex(-1);
    builtInListCombo_->setPlaceholderText("Choose a theme");
    themeLab->setBuddy(builtInListCombo_);
    theme->addWidget(themeLab);
    theme->addWidget(builtInListCombo_, 1);
    col->addLayout(theme);

    auto* buttons = new QHBoxLayout;
    pasteListButton_ = Named<QPushButton>("ClipboardBtn", "&Paste from Clipboard", page);
    loadListButton_ = Named<QPushButton>("LoadWordListBtn", "&Open...", page);
    buttons->addWidget(pasteListButton_);
    buttons->addWidget(loadListButton_);
    col->addLayout(buttons);
    auto* hint = new QLabel("One word or phrase a line, with its clue after a TAB.", page);
    hint->setWordWrap(true);
    col->addWidget(hint);

    col->addWidget(GridCaptions(freeformListHint_, "FreeClueLab", page));
    freeformImportedList_ = new ThemeWordGrid(state_.Imported, page);
    freeformImportedList_->setObjectName("FreeformThemeDrawGrid");
    col->addWidget(freeformImportedList_, 1);
    freeformImportedListStatus_ = new PanelStatusBar({100, 0}, page);
    freeformImportedListStatus_->setObjectName("ThemeListStatusBar");
    col->addWidget(freeformImportedListStatus_);
    auto* clear = new QHBoxLayout;
    clearListButton_ = Named<QPushButton>("ClearWordListBtn", "Clea&r List", page);
    clear->addStretch(1);
    clear->addWidget(clearListButton_);
    col->addLayout(clear);

    connect(builtInListCombo_, &QComboBox::activated, this, [this] { ThemeComboChange(); });
    connect(pasteListButton_, &QPushButton::clicked, this, [this] { ClipboardBtnClick(); });
    connect(loadListButton_, &QPushButton::clicked, this, [this] { LoadWordlistBtnClick(); });
    connect(clearListButton_, &QPushButton::clicked, this, [this] { ClearWordListBtn1Click(); });

    QWidget* externalWordListTab_ = setupPage_->ExternalWordListTab();
    col = qobject_cast<QVBoxLayout*>(externalWordListTab_->layout());
    col->setContentsMargins(6, 6, 6, 4);
    col->setSpacing(5);
    auto* externalHint = new QLabel("Import a word list (one word or phrase a line, with its clue after a TAB) to fill the grid "
                            "from it alone or together with the dictionary (Generate page, Dictionary Options).",
                            externalWordListTab_);
    externalHint->setWordWrap(true);
    col->addWidget(externalHint);
    auto* openRow = new QHBoxLayout;
    loadExternalListButton_ = Named<QPushButton>("ExternalWordListFileBtnB", "&Open...", externalWordListTab_);
    openRow->addWidget(loadExternalListButton_);
    openRow->addStretch(1);
    col->addLayout(openRow);
    col->addWidget(GridCaptions(externalListHint_, "HybClueLab", externalWordListTab_));
    symmetricImportedList_ = new ThemeWordGrid(state_.Imported, externalWordListTab_);
    symmetricImportedList_->setObjectName("SymmetricThemeDrawGrid");
    col->addWidget(symmetricImportedList_, 1);
    symmetricImportedListStatus_ = new PanelStatusBar({100, 0}, externalWordListTab_);
    symmetricImportedListStatus_->setObjectName("WordListStatusBar");
    col->addWidget(symmetricImportedListStatus_);
    connect(loadExternalListButton_, &QPushButton::clicked, this, [this] { LoadWordlistBtnClick(); });
}

QWidget* MainWindow::BuildSeedAndLengthOptions(QWidget* parent)
{
    auto* box = new QWidget(parent);
    auto* col = new QVBoxLayout(box);
    col->setContentsMargins(0, 0, 0, 0);
    col->setSpacing(4);

    auto* seedRow = new QHBoxLayout;
    auto* radios = new QVBoxLayout;
    radios->setSpacing(2);
    radios->addWidget(new QLabel("Seed word:", box));
    randomWordsRadio_ = Named<QRadioButton>("RandomWordsRadio", "  Random word", box);
    seedWordRadio_ = Named<QRadioButton>("SeedWordRadio", "  Selected word (right)", box);
    gridSeedRadio_ = Named<QRadioButton>("GridRadio", "  Start with grid fill", box);
    randomWordsRadio_->setChecked(true);
    gridSeedRadio_->setEnabled(false);
    for (QRadioButton* r : {randomWordsRadio_, seedWordRadio_, gridSeedRadio_}) radios->addWidget(r);
    radios->addStretch(1);
    seedRow->addLayout(radios);
    seedWords_ = Named<QListWidget>("SeedListBox", box);
    MakeOwnerDrawn(seedWords_, ThemeItemPainter([this] { return seedWordRadio_->isChecked(); }), ThemeItemHeight);
    seedWords_->setEnabled(false);
    seedWords_->setFixedHeight(6 * ThemeItemHeight + 4);
    seedRow->addWidget(seedWords_, 1);
    col->addLayout(seedRow);

    auto* lengths = new QGridLayout;
    lengths->setHorizontalSpacing(8);
    lengths->setVerticalSpacing(0);
    auto* optLab = new QLabel("Optimal word length", box);
    auto* optNote = new QLabel("(normally 60% of crossword dimension,\nbut can be altered up or down).", box);
    optimalLengthSpin_ = Named<QSpinBox>("OptLengthSpinEdit", box);
    optimalLengthSpin_->setRange(3, 12);
    optimalLengthSpin_->setValue(state_.Imported.OptimalWordLength);
    optLab->setBuddy(optimalLengthSpin_);
    auto* devLab = new QLabel("Variation   (0 - 500, default 400)", box);
    lengthVariationSpin_ = Named<QSpinBox>("DeviationSpinEdit", box);
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

    connect(randomWordsRadio_, &QRadioButton::clicked, this, [this] { RandomWordsRadioClick(); });
    connect(seedWordRadio_, &QRadioButton::clicked, this, [this] { SeedWordRadioClick(); });
    connect(seedWords_, &QListWidget::itemClicked, this, [this] { SeedListBoxClick(); });
    connect(seedWords_, &QListWidget::currentRowChanged, this, [this] { SeedListBoxClick(); });
    connect(optimalLengthSpin_, &QSpinBox::valueChanged, this, [this] { OptLengthSpinEditChange(); });
    // Every edit of the text counts, also one that leaves no number (the spin box itself waits for one).
    connect(lengthVariationSpin_, &QSpinBox::valueChanged, this, [this] { DeviationSpinEditChange(); });
    connect(lengthVariationSpin_->findChild<QLineEdit*>(), &QLineEdit::textChanged, this, [this] { DeviationSpinEditChange(); });
    return box;
}

// ---------------------------------------------------------------------------------------------
// Imports

void MainWindow::ThemeComboChange()
{
    if (state_.RunInProgress() || builtInListCombo_->currentIndex() < 0) return;
    const QString name = builtInListCombo_->currentText();
    const std::optional<int> bit = FindThemeCategory(FromQ(name));
    if (!bit) {
        // The shortcut's themes name lists that the program does not carry.
        dialogs_->Information(this, "The theme \"" + name + "\" is not available; the word list is unchanged.");
        return;
    }
    Guard([&] {
        OverrideCursor hourglass(Qt::WaitCursor);
        ShowImportOutcome(ImportTheme(state_.Imported, *bit, state_.Dict, state_.BitPatterns, state_.Clues));
    });
}

void MainWindow::ClipboardBtnClick()
{
    if (state_.RunInProgress()) return;
    const QMimeData* clip = QApplication::clipboard()->mimeData();
    if (!clip || !clip->hasText() || clip->text().isEmpty()) {
        // Nothing to import: the list imported before stays.
        dialogs_->Information(this, NoClipboardDataMessage);
        return;
    }
    quickFillButton_->setEnabled(false);
    freeformStartButton_->setEnabled(false);
    const std::string text = Utf8ToWindows1252(clip->text().toStdString());
    Guard([&] {
        OverrideCursor hourglass(Qt::WaitCursor);
        ShowImportOutcome(ImportClipboardText(state_.Imported, text));
    });
}

void MainWindow::LoadWordlistBtnClick()
{
    if (state_.RunInProgress()) return;
    const QString file = dialogs_->ChooseOpenFile(this, QCoreApplication::applicationDirPath(), WordListFilter);
    if (file.isEmpty()) return;
    // A file that cannot be read or is no text is refused before the list changes.
    Guard([&] {
        OverrideCursor hourglass(Qt::WaitCursor);
        ShowImportOutcome(ImportWordListFile(state_.Imported, QFile::encodeName(file).toStdString(), state_.FillSource,
                                             state_.Xw.GridSize));
    });
}

void MainWindow::ClearWordListBtn1Click()
{
    if (state_.RunInProgress()) return;
    ClearImportedList(state_.Imported);
    ShowFreeformList();
    quickFillButton_->setEnabled(false);
    freeformStartButton_->setEnabled(false);
}

void MainWindow::ShowImportOutcome(const ImportOutcome& outcome)
{
    if (outcome.Message) dialogs_->Information(this, ToQ(*outcome.Message));
    ShowFreeformList();
    if (outcome.Status && outcome.Status->EnableGeneration) {
        quickFillButton_->setEnabled(true);
        freeformStartButton_->setEnabled(true);
    }
    if (outcome.SettingsReset) {
        // A list for a symmetrical crossword: its own length settings, and the dictionary options offer it.
        optimalLengthSpin_->setValue(state_.Imported.OptimalWordLength);
        lengthVariationSpin_->setValue(state_.Imported.LengthVariation);
        symmetricGenerate_->DictionaryOptions().OfferImportedList();
    }
}

void MainWindow::ShowFreeformList()
{
    // Both grids show the one list, whichever page imported it.
    const ImportedList& list = state_.Imported;
    freeformImportedList_->SetRowCount(list.ThemeWordCount);
    symmetricImportedList_->SetRowCount(list.ThemeWordCount);
    seedWords_->clear();
    QStringList words;
    words.reserve(static_cast<int>(list.ThemeWords.size()));
    for (const std::string& w : list.ThemeWords) words << ToQ(w);
    seedWords_->addItems(words);
    randomWordsRadio_->setChecked(true);
    seedWords_->setEnabled(false);

    const ImportStatus status = MakeImportStatus(list);
    for (PanelStatusBar* bar : {freeformImportedListStatus_, symmetricImportedListStatus_}) {
        bar->setPanelText(0, ToQ(status.WordsText));
        if (status.LengthsText) bar->setPanelText(1, ToQ(*status.LengthsText));
        else bar->setPanelText(1, {});
    }
    freeformFillsStatus_->setPanelText(0, ToQ(status.FreeFillsWordsText));
    if (state_.FillSource == FillSourceKind::Freeform) setupPage_->EnableNext(!list.Empty());
}

// ---------------------------------------------------------------------------------------------
// Seed word and word lengths

void MainWindow::SeedWordRadioClick()
{
    seedWords_->setEnabled(true);
    if (seedWords_->currentRow() < 0 && seedWords_->count() > 0) seedWords_->setCurrentRow(0);
    seedWords_->viewport()->update();
    SeedListBoxClick();
}

void MainWindow::RandomWordsRadioClick()
{
    seedWords_->setEnabled(false);
    seedWords_->viewport()->update();
    // A seed word too long for the grid no longer stands in the way.
    if (MakeImportStatus(state_.Imported).EnableGeneration) {
        quickFillButton_->setEnabled(true);
        freeformStartButton_->setEnabled(true);
    }
}

void MainWindow::SeedListBoxClick()
{
    const int row = seedWords_->currentRow();
    if (!seedWordRadio_->isChecked() || row < 0 || static_cast<std::size_t>(row) >= state_.Imported.ThemeWords.size()) return;
    const bool fits = static_cast<int>(state_.Imported.ThemeWords[static_cast<std::size_t>(row)].size()) <= state_.Xw.GridSize;
    quickFillButton_->setEnabled(fits);
    freeformStartButton_->setEnabled(fits);
}

void MainWindow::OptLengthSpinEditChange() { state_.Imported.OptimalWordLength = optimalLengthSpin_->value(); }

void MainWindow::DeviationSpinEditChange()
{
    state_.Imported.LengthVariation = ParseLengthVariation(FromQ(lengthVariationSpin_->text()));
}

}  // namespace qm::ui
