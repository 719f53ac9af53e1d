// MainWindow, Home page: the three start buttons, help, exit and the web-page label.
#include "ui/main_window.h"

#include "ui/clues_page.h"
#include "ui/dictionary_options_tab.h"
#include "ui/file_page.h"
#include "ui/form_building.h"
#include "ui/freeform_generate_page.h"
#include "ui/home_page.h"
#include "ui/panel_status_bar.h"
#include "ui/setup_page.h"
#include "ui/symmetric_generate_page.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace qm::ui {

void MainWindow::OnNewSymmetricalChosen()
{
    state_.FillSource = FillSourceKind::Dictionary;
    CountSelection();
    ShowWorkflowTabs(true);

    // The stock grid is chosen afresh: the slots of an earlier choice do not belong to the blank grid.
    symmetricGenerate_->StartAfresh();
    setupPage_->ShowStockGridsOfSize();
    setupPage_->EnableNext(false);
    ClearGrid(state_.Xw.Squares, true);
    RepaintGrid();

    setupPage_->ShowSymmetricSetup();
    generateKinds_->setCurrentWidget(symmetricGenerate_);
    symmetricGenerate_->ShowMainTab();
    workflowTabs_->setCurrentWidget(setupPage_);

    cluesPage_->ShowReplaceTools(true);

    symmetricGenerate_->ShowDictionaryInStatus();
    state_.CurrentFileName = "untitled";
    state_.LoadedFromFile = false;
    state_.CrosswordDate = Today();  // a new crossword is made today, whatever file was loaded before
    SetCaption();
}

void MainWindow::OnNewFreeformChosen()
{
    state_.FillSource = FillSourceKind::Freeform;
    ShowWorkflowTabs(true);

    ClearListOfGrids(state_.Fills);
    state_.ClueEdits.Clear();
    EmptyFreeformFills();
    freeformGenerate_->ClearFillsHint();
    ResetFillDisplay();
    ClearGrid(state_.Xw.Squares, true);
    RepaintGrid();

    // Next waits for the word list the freeform crossword is made from (one imported before will do).
    setupPage_->EnableNext(!state_.Imported.Empty());
    setupPage_->ShowFreeformSetup();
    generateKinds_->setCurrentWidget(freeformGenerate_);
    freeformGenerate_->ShowMainTab();
    workflowTabs_->setCurrentWidget(setupPage_);

    cluesPage_->ShowReplaceTools(false);

    state_.CurrentFileName = "untitled";
    state_.LoadedFromFile = false;
    state_.CrosswordDate = Today();  // a new crossword is made today, whatever file was loaded before
    SetCaption();
}

void MainWindow::OnLoadFromDiskChosen()
{
    workflowTabs_->setCurrentWidget(filePage_);
    LoadCrosswordFile();
}

void MainWindow::OpenCrosswordFileAtStart(const QString& path)
{
    workflowTabs_->setCurrentWidget(filePage_);
    OpenCrosswordFile(path);
    // A file that could not be read leaves the window as it started, at Home.
    if (!state_.LoadedFromFile) workflowTabs_->setCurrentWidget(homePage_);
}

}  // namespace qm::ui
