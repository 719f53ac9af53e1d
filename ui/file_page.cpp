// FilePage: saving the crossword on display as a crossword file, and the button that loads one.
#include "ui/file_page.h"

#include "core/files/crossword_file.h"
#include "core/grid/grid.h"
#include "core/state.h"
#include "ui/form_building.h"
#include "ui/main_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qm::ui {

namespace {

/// The folder the save dialog opens in: the program's own.
QString ProgramFolder() { return QCoreApplication::applicationDirPath(); }

}  // namespace

FilePage::FilePage(MainWindow& window) : window_(window)
{
    setObjectName("TabSheetFile");
    auto* col = new QVBoxLayout(this);
    col->setContentsMargins(4, 4, 4, 4);
    panel_ = Named<QFrame>("FilePanel", this);
    col->addWidget(panel_);

    auto* panel = new QVBoxLayout(panel_);
    panel->setContentsMargins(24, 24, 24, 24);
    panel->setSpacing(10);
    auto* saveText = new QLabel("Save the crossword on screen, with its clues, title, font and blocking style, "
                                "as a crossword file (.xwd).",
                                panel_);
    saveText->setWordWrap(true);
    panel->addWidget(saveText);
    saveButton_ = Named<QPushButton>("SaveBtn", "&Save...", panel_);
    saveButton_->setEnabled(false);
    panel->addWidget(saveButton_, 0, Qt::AlignLeft);
    panel->addSpacing(24);
    auto* reloadText = new QLabel("Load a crossword file. It replaces the crossword on screen and becomes the one fill "
                                  "of a freeform crossword.",
                                  panel_);
    reloadText->setWordWrap(true);
    panel->addWidget(reloadText);
    reloadButton_ = Named<QPushButton>("ReloadBtn", "&Reload...", panel_);
    panel->addWidget(reloadButton_, 0, Qt::AlignLeft);
    panel->addStretch(1);
    for (QPushButton* b : {saveButton_, reloadButton_}) b->setMinimumWidth(120);

    connect(saveButton_, &QPushButton::clicked, this, [this] { OnSaveClicked(); });
    connect(reloadButton_, &QPushButton::clicked, this, &FilePage::reloadChosen);
}

void FilePage::EnableSave(bool enabled) { saveButton_->setEnabled(enabled); }

void FilePage::SetPanelColours() { SetPanelColour(panel_, ColourButtonFace); }

void FilePage::OnSaveClicked()
{
    QuillmereState& state = window_.State();
    UserDialogs& dialogs = window_.Dialogs();
    if (state.RunInProgress() || !saveButton_->isEnabled()) return;
    if (!HasEveryAnswer(state.Xw)) {
        dialogs.Information(&window_, NothingToSaveMessage);
        return;
    }
    const QString proposed = QDir(ProgramFolder()).filePath(ToQ(ProposedSaveName(state)));
    const QString path = dialogs.ChooseSaveFile(&window_, proposed, DialogFilter(CrosswordSaveFilter), CrosswordFileExtension);
    if (path.isEmpty()) return;
    const std::string file = path.toLocal8Bit().toStdString();
    if (SaveWouldOverwrite(file) && !dialogs.AskYesNo(&window_, OverwriteQuestion, false)) return;
    window_.CommitClueEdits();
    // The file name changes only once the file has been written.
    window_.Guard([&] {
        OverrideCursor hourglass(Qt::WaitCursor);
        SaveCrosswordFile(state, file);
        window_.SetCaption();
    });
}

}  // namespace qm::ui
