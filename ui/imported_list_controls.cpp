// ImportedListControls: the word list sources of the freeform setup page, the "External Word List" tab of
// the symmetrical setup page and the two theme-word grids.
#include "ui/imported_list_controls.h"

#include "core/util/failure.h"
#include "core/words/import.h"
#include "ui/colour.h"
#include "ui/form_building.h"
#include "ui/freeform_generate_page.h"
#include "ui/main_window.h"
#include "ui/owner_drawn_lists.h"
#include "ui/panel_status_bar.h"
#include "ui/setup_page.h"
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

/// Where the clue column of a theme-word grid starts (its word column is 130 pixels wide).
constexpr int ClueCaptionLeft = 130 + 2;
const char* const WordListFilter = "Word lists (*.txt);;All files (*)";

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

ImportedListControls::ImportedListControls(MainWindow& window, SetupPage& setup) : QObject(&window), window_(window), setup_(setup)
{
    BuildFreeformTab();
    BuildExternalTab();
}

void ImportedListControls::BuildFreeformTab()
{
    QWidget* page = setup_.WordListTab();
    auto* col = qobject_cast<QVBoxLayout*>(page->layout());
    col->setContentsMargins(6, 6, 6, 4);
    col->setSpacing(5);

    auto* theme = new QHBoxLayout;
    auto* themeLab = new QLabel("&Theme:", page);
    builtInListCombo_ = Named<QComboBox>("ThemeCombo", page);
    builtInListCombo_->setItemDelegate(new LineDelegate(ImportedListItemPainter({}), ImportedListItemHeight, builtInListCombo_));
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

    col->addWidget(GridCaptions(freeformClueCaption_, "FreeClueLab", page));
    freeformImportedList_ = new ThemeWordGrid(window_.State().Imported, page);
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

    connect(builtInListCombo_, &QComboBox::activated, this, [this] { OnBuiltInListChosen(); });
    connect(pasteListButton_, &QPushButton::clicked, this, [this] { OnPasteClicked(); });
    connect(loadListButton_, &QPushButton::clicked, this, [this] { OnOpenClicked(); });
    connect(clearListButton_, &QPushButton::clicked, this, [this] { OnClearClicked(); });
}

void ImportedListControls::BuildExternalTab()
{
    QWidget* tab = setup_.ExternalWordListTab();
    auto* col = qobject_cast<QVBoxLayout*>(tab->layout());
    col->setContentsMargins(6, 6, 6, 4);
    col->setSpacing(5);
    auto* externalHint = new QLabel("Import a word list (one word or phrase a line, with its clue after a TAB) to fill the grid "
                            "from it alone or together with the dictionary (Generate page, Dictionary Options).",
                            tab);
    externalHint->setWordWrap(true);
    col->addWidget(externalHint);
    auto* openRow = new QHBoxLayout;
    loadExternalListButton_ = Named<QPushButton>("ExternalWordListFileBtnB", "&Open...", tab);
    openRow->addWidget(loadExternalListButton_);
    openRow->addStretch(1);
    col->addLayout(openRow);
    col->addWidget(GridCaptions(externalClueCaption_, "HybClueLab", tab));
    symmetricImportedList_ = new ThemeWordGrid(window_.State().Imported, tab);
    symmetricImportedList_->setObjectName("SymmetricThemeDrawGrid");
    col->addWidget(symmetricImportedList_, 1);
    symmetricImportedListStatus_ = new PanelStatusBar({100, 0}, tab);
    symmetricImportedListStatus_->setObjectName("WordListStatusBar");
    col->addWidget(symmetricImportedListStatus_);
    connect(loadExternalListButton_, &QPushButton::clicked, this, [this] { OnOpenClicked(); });
}

// ---------------------------------------------------------------------------------------------
// Imports

void ImportedListControls::OnBuiltInListChosen()
{
    QuillmereState& state = window_.State();
    if (state.RunInProgress() || builtInListCombo_->currentIndex() < 0) return;
    const QString name = builtInListCombo_->currentText();
    const std::optional<int> bit = FindThemeCategory(FromQ(name));
    if (!bit) {
        // The shortcut's themes name lists that the program does not carry.
        window_.Dialogs().Information(&window_, "The theme \"" + name + "\" is not available; the word list is unchanged.");
        return;
    }
    window_.Guard([&] {
        OverrideCursor hourglass(Qt::WaitCursor);
        ShowImportOutcome(ImportTheme(state.Imported, *bit, state.Dict, state.BitPatterns, state.Clues));
    });
}

void ImportedListControls::OnPasteClicked()
{
    if (window_.State().RunInProgress()) return;
    const QMimeData* clip = QApplication::clipboard()->mimeData();
    if (!clip || !clip->hasText() || clip->text().isEmpty()) {
        // Nothing to import: the list imported before stays.
        window_.Dialogs().Information(&window_, NoClipboardDataMessage);
        return;
    }
    window_.FreeformGenerate().EnableFillButtons(false);
    const std::string text = Utf8ToWindows1252(clip->text().toStdString());
    window_.Guard([&] {
        OverrideCursor hourglass(Qt::WaitCursor);
        ShowImportOutcome(ImportClipboardText(window_.State().Imported, text));
    });
}

void ImportedListControls::OnOpenClicked()
{
    QuillmereState& state = window_.State();
    if (state.RunInProgress()) return;
    const QString file = window_.Dialogs().ChooseOpenFile(&window_, QCoreApplication::applicationDirPath(), WordListFilter);
    if (file.isEmpty()) return;
    // A file that cannot be read or is no text is refused before the list changes.
    window_.Guard([&] {
        OverrideCursor hourglass(Qt::WaitCursor);
        ShowImportOutcome(ImportWordListFile(state.Imported, QFile::encodeName(file).toStdString(), state.FillSource, state.Xw.GridSize));
    });
}

void ImportedListControls::OnClearClicked()
{
    if (window_.State().RunInProgress()) return;
    ClearImportedList(window_.State().Imported);
    ShowList();
    window_.FreeformGenerate().EnableFillButtons(false);
}

std::vector<QWidget*> ImportedListControls::PausedByRuns() const
{
    return {builtInListCombo_, pasteListButton_, loadListButton_, clearListButton_, loadExternalListButton_};
}

void ImportedListControls::ShowImportOutcome(const ImportOutcome& outcome)
{
    if (outcome.Message) window_.Dialogs().Information(&window_, ToQ(*outcome.Message));
    ShowList();
    if (outcome.Status && outcome.Status->EnableGeneration) {
        window_.FreeformGenerate().EnableFillButtons(true);
    }
    if (outcome.SettingsReset) {
        // A list for a symmetrical crossword: its own length settings, and the dictionary options offer it.
        window_.FreeformGenerate().ShowLengthOptions();
        emit symmetricListImported();
    }
}

void ImportedListControls::ShowList()
{
    // Both grids show the one list, whichever page imported it.
    const QuillmereState& state = window_.State();
    const ImportedList& list = state.Imported;
    freeformImportedList_->SetRowCount(list.ThemeWordCount);
    symmetricImportedList_->SetRowCount(list.ThemeWordCount);
    const ImportStatus status = MakeImportStatus(list);
    window_.FreeformGenerate().ShowImportedList(status);
    for (PanelStatusBar* bar : {freeformImportedListStatus_, symmetricImportedListStatus_}) {
        bar->setPanelText(0, ToQ(status.WordsText));
        if (status.LengthsText) bar->setPanelText(1, ToQ(*status.LengthsText));
        else bar->setPanelText(1, {});
    }
    if (state.FillSource == FillSourceKind::Freeform) setup_.EnableNext(!list.Empty());
}

}  // namespace qm::ui
