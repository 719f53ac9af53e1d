// MainWindow, File page: saving the crossword on display as a .xwd file and loading one back.
#include "ui/main_window.h"

#include "core/files/crossword_file.h"
#include "core/grid/grid.h"
#include "ui/form_building.h"
#include "ui/output_page.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>

namespace qm::ui {

namespace {

/// The folder the file dialogs open in: the program's own.
QString ProgramFolder() { return QCoreApplication::applicationDirPath(); }

}  // namespace

QWidget* MainWindow::BuildFilePage()
{
    auto* page = Named<QWidget>("TabSheetFile");
    auto* col = new QVBoxLayout(page);
    col->setContentsMargins(4, 4, 4, 4);
    FilePanel = Named<QFrame>("FilePanel", page);
    col->addWidget(FilePanel);

    auto* panel = new QVBoxLayout(FilePanel);
    panel->setContentsMargins(24, 24, 24, 24);
    panel->setSpacing(10);
    auto* saveText = new QLabel("Save the crossword on screen, with its clues, title, font and blocking style, "
                                "as a crossword file (.xwd).",
                                FilePanel);
    saveText->setWordWrap(true);
    panel->addWidget(saveText);
    SaveBtn = Named<QPushButton>("SaveBtn", "&Save...", FilePanel);
    SaveBtn->setEnabled(false);
    panel->addWidget(SaveBtn, 0, Qt::AlignLeft);
    panel->addSpacing(24);
    auto* reloadText = new QLabel("Load a crossword file. It replaces the crossword on screen and becomes the one fill "
                                  "of a freeform crossword.",
                                  FilePanel);
    reloadText->setWordWrap(true);
    panel->addWidget(reloadText);
    ReloadBtn = Named<QPushButton>("ReloadBtn", "&Reload...", FilePanel);
    panel->addWidget(ReloadBtn, 0, Qt::AlignLeft);
    panel->addStretch(1);
    for (QPushButton* b : {SaveBtn, ReloadBtn}) b->setMinimumWidth(120);

    connect(SaveBtn, &QPushButton::clicked, this, [this] { SaveBtnClick(); });
    connect(ReloadBtn, &QPushButton::clicked, this, [this] { ReloadBtnClick(); });
    return page;
}

void MainWindow::SaveBtnClick()
{
    if (state_.RunInProgress() || !SaveBtn->isEnabled()) return;
    if (!HasEveryAnswer(state_.Xw)) {
        dialogs_->Information(this, NothingToSaveMessage);
        return;
    }
    const QString proposed = QDir(ProgramFolder()).filePath(ToQ(ProposedSaveName(state_)));
    const QString path = dialogs_->ChooseSaveFile(this, proposed, DialogFilter(CrosswordSaveFilter), CrosswordFileExtension);
    if (path.isEmpty()) return;
    const std::string file = path.toLocal8Bit().toStdString();
    if (SaveWouldOverwrite(file) && !dialogs_->AskYesNo(this, OverwriteQuestion, false)) return;
    CommitClueEdits();
    // The file name changes only once the file has been written.
    Guard([&] {
        OverrideCursor hourglass(Qt::WaitCursor);
        SaveCrosswordFile(state_, file);
        SetCaption();
    });
}

void MainWindow::EnableOutputControls(bool enabled)
{
    SaveBtn->setEnabled(enabled);
    outputPage_->EnableOutput(enabled);
}

void MainWindow::ReloadBtnClick() { LoadCrosswordFile(); }

void MainWindow::LoadCrosswordFile()
{
    if (state_.RunInProgress()) return;
    const QString path = dialogs_->ChooseOpenFile(this, ProgramFolder(), DialogFilter(CrosswordOpenFilter));
    if (!path.isEmpty()) OpenCrosswordFile(path);
}

void MainWindow::OpenCrosswordFile(const QString& path)
{
    CommitClueEdits();
    Guard([&] {
        OverrideCursor hourglass(Qt::WaitCursor);
        // The file is read and checked completely before anything on screen changes.
        const LoadedCrosswordFile file = ReadCrosswordFile(path.toLocal8Bit().toStdString());
        const FontLookup findFont = [this](const std::string& name) { return outputPage_->InstalledFont(name); };
        const LoadResult loaded = ApplyCrosswordFile(state_, file, findFont);
        state_.ClueEdits.Clear();  // the fills they were kept for are gone

        // From here on the crossword behaves like a freeform fill.
        PageControlSetup->setCurrentWidget(TabSheetFreeForm);
        PageControlGenerate->setCurrentWidget(TabSheetGenFreeForm);
        PageControlFreeGen->setCurrentWidget(TabSheetFreeMain);
        ReplaceWordBtn->hide();
        AddToListOfGridsBtn->show();
        ClueLabA2->setText("To remove, press 'Delete' (or use the button below)");
        ClueLabD2->setText("To remove, press 'Delete' (or use the button below)");
        {
            const QSignalBlocker block(FreeformDimensionListBox);
            FreeformDimensionListBox->setCurrentRow(state_.Xw.GridSize - 8);
        }
        NextBtn1->setEnabled(true);  // its answers are the imported word list now
        symmetricFills_.Clear();
        SymmFillStatusPnl->clear();
        outputPage_->ShowOptions();
        ShowFreeformList();  // the file's answers are the imported list now

        LayOutMainGrid();
        ResetFillDisplay();
        NumberLetterSquares(state_.Xw);  // clearing the display hid the numbers
        ShowSlotLists();
        SetCaption();
        FreeStartBtn->setEnabled(false);
        {
            const QSignalBlocker block(freeformFills_.View());
            freeformFills_.SetRows({loaded.Row});
            freeformFills_.View()->setCurrentRow(0);
        }
        ShowFillStatus(loaded.Words, loaded.Letters, loaded.Interlocks);
        ShowWorkflowTabs(true);
        RepaintGrid();
        if (PageControlLeft->currentWidget() == outputPage_) outputPage_->OnEntered();
    });
}

}  // namespace qm::ui
