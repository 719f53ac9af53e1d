// MainWindow: loading a crossword file (from the Home and File pages), and what puts a crossword out.
#include "ui/main_window.h"

#include "core/files/crossword_file.h"
#include "core/grid/grid.h"
#include "ui/clues_page.h"
#include "ui/file_page.h"
#include "ui/form_building.h"
#include "ui/freeform_generate_page.h"
#include "ui/imported_list_controls.h"
#include "ui/output_page.h"
#include "ui/setup_page.h"
#include "ui/symmetric_generate_page.h"

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

void MainWindow::EnableOutputControls(bool enabled)
{
    filePage_->EnableSave(enabled);
    outputPage_->EnableOutput(enabled);
}

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
        setupPage_->ShowFreeformSetup();
        generateKinds_->setCurrentWidget(freeformGenerate_);
        freeformGenerate_->ShowMainTab();
        cluesPage_->ShowReplaceTools(false);
        setupPage_->SelectFreeformSizeQuietly(state_.Xw.GridSize);
        setupPage_->EnableNext(true);  // its answers are the imported word list now
        symmetricGenerate_->ClearFillsList();
        outputPage_->ShowOptions();
        importedList_->ShowList();  // the file's answers are the imported list now

        LayOutMainGrid();
        ResetFillDisplay();
        NumberLetterSquares(state_.Xw);  // clearing the display hid the numbers
        ShowSlotLists();
        SetCaption();
        freeformGenerate_->ShowLoadedFill(loaded.Row);
        ShowFillStatus(loaded.Words, loaded.Letters, loaded.Interlocks);
        ShowWorkflowTabs(true);
        RepaintGrid();
        if (workflowTabs_->currentWidget() == outputPage_) outputPage_->OnEntered();
        // What the file held that a crossword here cannot keep (circles, notes, a solver's timer...)
        // is said once the crossword is on screen.
        if (!loaded.Notice.empty()) dialogs_->Information(this, ToQ(loaded.Notice));
    });
}

}  // namespace qm::ui
