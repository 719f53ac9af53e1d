// MainWindow, Generate page: its shared header, the two kinds it stacks (SymmetricGeneratePage and the
// freeform generator's tabs) and Back/Next; what the symmetrical page asks of the window.
#include "ui/main_window.h"

#include "core/symmetric/analysis.h"
#include "core/symmetric/symmetric_run.h"
#include "ui/clues_page.h"
#include "ui/dictionary_options_tab.h"
#include "ui/form_building.h"
#include "ui/freeform_generate_page.h"
#include "ui/home_page.h"
#include "ui/setup_page.h"
#include "ui/symmetric_generate_page.h"

#include <QLabel>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>

namespace qm::ui {

QWidget* MainWindow::BuildGeneratePage()
{
    auto* page = Named<QWidget>("TabSheetGenerate");
    auto* col = new QVBoxLayout(page);
    col->setContentsMargins(4, 4, 4, 4);
    col->setSpacing(6);

    generateHeaderPanel_ = Named<QLabel>("GenerateHeaderPanel", page);
    generateHeaderPanel_->setFrameShape(QFrame::StyledPanel);
    generateHeaderPanel_->setWordWrap(true);
    // The layout inside keeps the text off the frame; margins on the panel as well would double
    // them and, with a two-line text, leave the Dictionary Options tab too little height.
    auto* header = new QVBoxLayout(generateHeaderPanel_);
    header->setContentsMargins(6, 4, 6, 4);
    auto* description = Named<QLabel>("MultipleFillsLab", generateHeaderPanel_);
    description->setWordWrap(true);
    description->setMinimumHeight(2 * description->fontMetrics().height());
    header->addWidget(description);
    col->addWidget(generateHeaderPanel_);

    generateKinds_ = Named<QStackedWidget>("PageControlGenerate", page);
    symmetricGenerate_ = new SymmetricGeneratePage(*this, description);
    freeformGenerate_ = new FreeformGeneratePage(*this);
    generateKinds_->addWidget(symmetricGenerate_);
    generateKinds_->addWidget(freeformGenerate_);
    col->addWidget(generateKinds_, 1);

    const BackNextButtons backNext = AddBackNextRow(page, col, "BackBtn2", "NextBtn2");
    generateBackButton_ = backNext.Back;
    generateNextButton_ = backNext.Next;
    return page;
}

void MainWindow::DisplayShownFill(const ShownFill& shown)
{
    // A symmetrical fill keeps the clue numbers of its stock grid, also after the grid was cleared; a
    // freeform fill is numbered from its letters (clearing the display hid its numbers).
    if (state_.AnyFillGrid) LayOutMainGrid();  // a designed grid's size may not be the one laid out
    if (state_.FillSource != FillSourceKind::Freeform) PutClueNumbers(state_.Xw);
    else NumberLetterSquares(state_.Xw);
    state_.ClueEdits.Apply(shown.Fill, state_.Xw);
    ShowSlotLists();
    ShowFillStatus(shown.Counts.Words, shown.Counts.Letters, shown.Counts.Interlocks);
    RepaintGrid();
    if (Showing(cluesPage_)) cluesPage_->OnEntered();
}

std::vector<QWidget*> MainWindow::CrosswordChoosers() const
{
    std::vector<QWidget*> choosers = homePage_->StartButtons();
    const std::vector<QWidget*> gridChoosers = setupPage_->GridChoosers();
    choosers.insert(choosers.end(), gridChoosers.begin(), gridChoosers.end());
    return choosers;
}

bool MainWindow::ShowingGenerateKind(const QWidget* kind) const
{
    return Showing(generatePage_) && generateKinds_->currentWidget() == kind;
}

void MainWindow::BuildSelectionMasks() { symmetricGenerate_->DictionaryOptions().BuildSelectionMasks(); }

void MainWindow::CountSelection() { symmetricGenerate_->DictionaryOptions().CountSelection(); }

}  // namespace qm::ui
