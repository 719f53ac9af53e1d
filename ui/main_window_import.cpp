// MainWindow, imported word lists: the word list sources of the freeform setup page, the "External Word
// List" tab of the symmetrical setup page, the two theme-word grids and the seed word and word length
// options that go with the list.
#include "ui/main_window.h"

#include "core/util/failure.h"
#include "core/words/import.h"
#include "ui/colour.h"
#include "ui/form_building.h"
#include "ui/owner_drawn_lists.h"
#include "ui/panel_status_bar.h"
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
    QWidget* page = TabSheetBuiltIn;
    auto* col = qobject_cast<QVBoxLayout*>(page->layout());
    col->setContentsMargins(6, 6, 6, 4);
    col->setSpacing(5);

    auto* theme = new QHBoxLayout;
    auto* themeLab = new QLabel("&Theme:", page);
    ThemeCombo = Named<QComboBox>("ThemeCombo", page);
    ThemeCombo->setItemDelegate(new LineDelegate(ThemeItemPainter({}), ThemeItemHeight, ThemeCombo));
    for (const ThemeCategory& t : ThemeCategoryTable) ThemeCombo->addItem(ToQ(t.Name));
    ThemeCombo->setCurrentIndex(-1);
    ThemeCombo->setPlaceholderText("Choose a theme");
    themeLab->setBuddy(ThemeCombo);
    theme->addWidget(themeLab);
    theme->addWidget(ThemeCombo, 1);
    col->addLayout(theme);

    auto* buttons = new QHBoxLayout;
    ClipboardBtn = Named<QPushButton>("ClipboardBtn", "&Paste from Clipboard", page);
    LoadWordListBtn = Named<QPushButton>("LoadWordListBtn", "&Open...", page);
    buttons->addWidget(ClipboardBtn);
    buttons->addWidget(LoadWordListBtn);
    col->addLayout(buttons);
    auto* hint = new QLabel("One word or phrase a line, with its clue after a TAB.", page);
    hint->setWordWrap(true);
    col->addWidget(hint);

    col->addWidget(GridCaptions(FreeClueLab, "FreeClueLab", page));
    FreeformThemeDrawGrid = new ThemeWordGrid(state_.Imported, page);
    FreeformThemeDrawGrid->setObjectName("FreeformThemeDrawGrid");
    col->addWidget(FreeformThemeDrawGrid, 1);
    ThemeListStatusBar = new PanelStatusBar({100, 0}, page);
    ThemeListStatusBar->setObjectName("ThemeListStatusBar");
    col->addWidget(ThemeListStatusBar);
    auto* clear = new QHBoxLayout;
    ClearWordListBtn = Named<QPushButton>("ClearWordListBtn", "Clea&r List", page);
    clear->addStretch(1);
    clear->addWidget(ClearWordListBtn);
    col->addLayout(clear);

    connect(ThemeCombo, &QComboBox::activated, this, [this] { ThemeComboChange(); });
    connect(ClipboardBtn, &QPushButton::clicked, this, [this] { ClipboardBtnClick(); });
    connect(LoadWordListBtn, &QPushButton::clicked, this, [this] { LoadWordlistBtnClick(); });
    connect(ClearWordListBtn, &QPushButton::clicked, this, [this] { ClearWordListBtn1Click(); });

    col = qobject_cast<QVBoxLayout*>(TabSheetExternalList->layout());
    col->setContentsMargins(6, 6, 6, 4);
    col->setSpacing(5);
    auto* externalHint = new QLabel("Import a word list (one word or phrase a line, with its clue after a TAB) to fill the grid "
                            "from it alone or together with the dictionary (Generate page, Dictionary Options).",
                            TabSheetExternalList);
    externalHint->setWordWrap(true);
    col->addWidget(externalHint);
    auto* openRow = new QHBoxLayout;
    ExternalWordListFileBtnB = Named<QPushButton>("ExternalWordListFileBtnB", "&Open...", TabSheetExternalList);
    openRow->addWidget(ExternalWordListFileBtnB);
    openRow->addStretch(1);
    col->addLayout(openRow);
    col->addWidget(GridCaptions(HybClueLab, "HybClueLab", TabSheetExternalList));
    SymmetricThemeDrawGrid = new ThemeWordGrid(state_.Imported, TabSheetExternalList);
    SymmetricThemeDrawGrid->setObjectName("SymmetricThemeDrawGrid");
    col->addWidget(SymmetricThemeDrawGrid, 1);
    WordListStatusBar = new PanelStatusBar({100, 0}, TabSheetExternalList);
    WordListStatusBar->setObjectName("WordListStatusBar");
    col->addWidget(WordListStatusBar);
    connect(ExternalWordListFileBtnB, &QPushButton::clicked, this, [this] { LoadWordlistBtnClick(); });
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
    RandomWordsRadio = Named<QRadioButton>("RandomWordsRadio", "  Random word", box);
    SeedWordRadio = Named<QRadioButton>("SeedWordRadio", "  Selected word (right)", box);
    GridRadio = Named<QRadioButton>("GridRadio", "  Start with grid fill", box);
    RandomWordsRadio->setChecked(true);
    GridRadio->setEnabled(false);
    for (QRadioButton* r : {RandomWordsRadio, SeedWordRadio, GridRadio}) radios->addWidget(r);
    radios->addStretch(1);
    seedRow->addLayout(radios);
    SeedListBox = Named<QListWidget>("SeedListBox", box);
    MakeOwnerDrawn(SeedListBox, ThemeItemPainter([this] { return SeedWordRadio->isChecked(); }), ThemeItemHeight);
    SeedListBox->setEnabled(false);
    SeedListBox->setFixedHeight(6 * ThemeItemHeight + 4);
    seedRow->addWidget(SeedListBox, 1);
    col->addLayout(seedRow);

    auto* lengths = new QGridLayout;
    lengths->setHorizontalSpacing(8);
    lengths->setVerticalSpacing(0);
    auto* optLab = new QLabel("Optimal word length", box);
    auto* optNote = new QLabel("(normally 60% of crossword dimension,\nbut can be altered up or down).", box);
    OptLengthSpinEdit = Named<QSpinBox>("OptLengthSpinEdit", box);
    OptLengthSpinEdit->setRange(3, 12);
    OptLengthSpinEdit->setValue(state_.Imported.OptimalWordLength);
    optLab->setBuddy(OptLengthSpinEdit);
    auto* devLab = new QLabel("Variation   (0 - 500, default 400)", box);
    DeviationSpinEdit = Named<QSpinBox>("DeviationSpinEdit", box);
    DeviationSpinEdit->setRange(0, 500);
    DeviationSpinEdit->setSingleStep(10);
    DeviationSpinEdit->setValue(state_.Imported.LengthVariation);
    devLab->setBuddy(DeviationSpinEdit);
    lengths->addWidget(optLab, 0, 0);
    lengths->addWidget(OptLengthSpinEdit, 0, 1);
    lengths->addWidget(optNote, 1, 0, 1, 2);
    lengths->addWidget(devLab, 2, 0);
    lengths->addWidget(DeviationSpinEdit, 2, 1);
    lengths->setColumnStretch(0, 1);
    col->addLayout(lengths);

    connect(RandomWordsRadio, &QRadioButton::clicked, this, [this] { RandomWordsRadioClick(); });
    connect(SeedWordRadio, &QRadioButton::clicked, this, [this] { SeedWordRadioClick(); });
    connect(SeedListBox, &QListWidget::itemClicked, this, [this] { SeedListBoxClick(); });
    connect(SeedListBox, &QListWidget::currentRowChanged, this, [this] { SeedListBoxClick(); });
    connect(OptLengthSpinEdit, &QSpinBox::valueChanged, this, [this] { OptLengthSpinEditChange(); });
    // Every edit of the text counts, also one that leaves no number (the spin box itself waits for one).
    connect(DeviationSpinEdit, &QSpinBox::valueChanged, this, [this] { DeviationSpinEditChange(); });
    connect(DeviationSpinEdit->findChild<QLineEdit*>(), &QLineEdit::textChanged, this, [this] { DeviationSpinEditChange(); });
    return box;
}

// ---------------------------------------------------------------------------------------------
// Imports

void MainWindow::ThemeComboChange()
{
    if (state_.RunInProgress() || ThemeCombo->currentIndex() < 0) return;
    const QString name = ThemeCombo->currentText();
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
    FreeQuickFillBtn->setEnabled(false);
    FreeStartBtn->setEnabled(false);
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
    FreeQuickFillBtn->setEnabled(false);
    FreeStartBtn->setEnabled(false);
}

void MainWindow::ShowImportOutcome(const ImportOutcome& outcome)
{
    if (outcome.Message) dialogs_->Information(this, ToQ(*outcome.Message));
    ShowFreeformList();
    if (outcome.Status && outcome.Status->EnableGeneration) {
        FreeQuickFillBtn->setEnabled(true);
        FreeStartBtn->setEnabled(true);
    }
    if (outcome.SettingsReset) {
        // A list for a symmetrical crossword: its own length settings, and the dictionary options offer it.
        OptLengthSpinEdit->setValue(state_.Imported.OptimalWordLength);
        DeviationSpinEdit->setValue(state_.Imported.LengthVariation);
        ImportedWordRadio->setEnabled(true);
        ImportedWordCheck->setEnabled(true);
        if (!ImportedWordCheck->isChecked()) {
            ImportedWordCheck->setChecked(true);
            if (DictionaryRadio->isChecked()) POSCheckClick();
        }
    }
}

void MainWindow::ShowFreeformList()
{
    // Both grids show the one list, whichever page imported it.
    const ImportedList& list = state_.Imported;
    FreeformThemeDrawGrid->SetRowCount(list.ThemeWordCount);
    SymmetricThemeDrawGrid->SetRowCount(list.ThemeWordCount);
    SeedListBox->clear();
    QStringList words;
    words.reserve(static_cast<int>(list.ThemeWords.size()));
    for (const std::string& w : list.ThemeWords) words << ToQ(w);
    SeedListBox->addItems(words);
    RandomWordsRadio->setChecked(true);
    SeedListBox->setEnabled(false);

    const ImportStatus status = MakeImportStatus(list);
    for (PanelStatusBar* bar : {ThemeListStatusBar, WordListStatusBar}) {
        bar->setPanelText(0, ToQ(status.WordsText));
        if (status.LengthsText) bar->setPanelText(1, ToQ(*status.LengthsText));
        else bar->setPanelText(1, {});
    }
    FreeFillsStatusBar->setPanelText(0, ToQ(status.FreeFillsWordsText));
    if (state_.FillSource == FillSourceKind::Freeform) NextBtn1->setEnabled(!list.Empty());
}

// ---------------------------------------------------------------------------------------------
// Seed word and word lengths

void MainWindow::SeedWordRadioClick()
{
    SeedListBox->setEnabled(true);
    if (SeedListBox->currentRow() < 0 && SeedListBox->count() > 0) SeedListBox->setCurrentRow(0);
    SeedListBox->viewport()->update();
    SeedListBoxClick();
}

void MainWindow::RandomWordsRadioClick()
{
    SeedListBox->setEnabled(false);
    SeedListBox->viewport()->update();
    // A seed word too long for the grid no longer stands in the way.
    if (MakeImportStatus(state_.Imported).EnableGeneration) {
        FreeQuickFillBtn->setEnabled(true);
        FreeStartBtn->setEnabled(true);
    }
}

void MainWindow::SeedListBoxClick()
{
    const int row = SeedListBox->currentRow();
    if (!SeedWordRadio->isChecked() || row < 0 || static_cast<std::size_t>(row) >= state_.Imported.ThemeWords.size()) return;
    const bool fits = static_cast<int>(state_.Imported.ThemeWords[static_cast<std::size_t>(row)].size()) <= state_.Xw.GridSize;
    FreeQuickFillBtn->setEnabled(fits);
    FreeStartBtn->setEnabled(fits);
}

void MainWindow::OptLengthSpinEditChange() { state_.Imported.OptimalWordLength = OptLengthSpinEdit->value(); }

void MainWindow::DeviationSpinEditChange()
{
    state_.Imported.LengthVariation = ParseLengthVariation(FromQ(DeviationSpinEdit->text()));
}

}  // namespace qm::ui
