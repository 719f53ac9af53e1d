// MainWindow, Home page: the three start buttons, help, exit and the web-page label.
#include "ui/main_window.h"

#include "ui/form_building.h"
#include "ui/panel_status_bar.h"
#include "ui/url_label.h"

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

QWidget* MainWindow::BuildHomePage()
{
    auto* page = Named<QWidget>("TabsheetHome");
    auto* outer = new QVBoxLayout(page);
    outer->setContentsMargins(4, 4, 4, 4);
    HomePanel = Named<QFrame>("HomePanel", page);
    outer->addWidget(HomePanel);

    auto* col = new QVBoxLayout(HomePanel);
    col->setContentsMargins(24, 24, 24, 16);
    col->setSpacing(14);
    auto* title = new QLabel("Quillmere", HomePanel);
    QFont big = title->font();
    big.setPixelSize(28);
    big.setBold(true);
    title->setFont(big);
    col->addWidget(title);
    col->addWidget(new QLabel("Crossword construction", HomePanel));
    col->addSpacing(18);

    SymmetricBitBtn = Named<QPushButton>("SymmetricBitBtn", "New Symmetrical Crossword", HomePanel);
    FreeformBitBtn = Named<QPushButton>("FreeformBitBtn", "New Freeform Crossword", HomePanel);
    LoadFileBitBtn = Named<QPushButton>("LoadFileBitBtn", "Load from Disk", HomePanel);
    for (QPushButton* b : {SymmetricBitBtn, FreeformBitBtn, LoadFileBitBtn}) {
        b->setMinimumHeight(44);
        col->addWidget(b);
    }
    col->addStretch(1);

    auto* buttons = new QHBoxLayout;
    HelpBtn = Named<QPushButton>("HelpBtn", "&Help", HomePanel);
    ExitBtn = Named<QPushButton>("ExitBtn", "&E&xit", HomePanel);
    buttons->addWidget(HelpBtn);
    buttons->addStretch(1);
    buttons->addWidget(ExitBtn);
    col->addLayout(buttons);
    URLLabel = new UrlLabel(MakerWebPage, HomePanel);
    col->addWidget(URLLabel, 0, Qt::AlignHCenter);

    connect(SymmetricBitBtn, &QPushButton::clicked, this, [this] { SymmetricBitBtnClick(); });
    connect(FreeformBitBtn, &QPushButton::clicked, this, [this] { FreeformBitBtnClick(); });
    connect(LoadFileBitBtn, &QPushButton::clicked, this, [this] { LoadFileBitBtnClick(); });
    connect(HelpBtn, &QPushButton::clicked, this, [this] { HelpBtnClick(); });
    connect(ExitBtn, &QPushButton::clicked, this, [this] { ExitBtnClick(); });
    connect(URLLabel, &UrlLabel::clicked, this, [this] { URLLabelClick(); });
    return page;
}

void MainWindow::SymmetricBitBtnClick()
{
    state_.FillSource = FillSourceKind::Dictionary;
    CountSelection();
    ShowWorkflowTabs(true);

    // The stock grid is chosen afresh: the slots of an earlier choice do not belong to the blank grid.
    EmptySymmFills();
    SymmFillStatusPnl->clear();
    ProgressMemo->clear();
    ShowStockGridsOfSize();
    NextBtn1->setEnabled(false);
    ClearGrid(state_.Xw.Squares, true);
    RepaintGrid();
    SymmRepeatsEdit->setText("10");

    PageControlSetup->setCurrentWidget(TabSheetSymmetric);
    PageControlGenerate->setCurrentWidget(TabSheetGenSymmetric);
    PageControlSymmGen->setCurrentWidget(TabSheetSymmMain);
    PageControlLeft->setCurrentWidget(TabSheetSetup);

    ReplaceWordBtn->show();
    AddToListOfGridsBtn->hide();
    ClueLabA2->setText("To replace, right-click (or use the button below)");
    ClueLabD2->setText("To replace, right-click (or use the button below)");

    SymmFillsStatusBar->setPanelText(0, "Dictionary: " + DictionaryStatsStatusBar->panelText(0));
    state_.CurrentFileName = "untitled";
    state_.LoadedFromFile = false;
    state_.CrosswordDate = Today();  // a new crossword is made today, whatever file was loaded before
    SetCaption();
}

void MainWindow::FreeformBitBtnClick()
{
    state_.FillSource = FillSourceKind::Freeform;
    ShowWorkflowTabs(true);

    ClearListOfGrids(state_.Fills);
    state_.ClueEdits.Clear();
    state_.Freeform.FreeFillsList.Clear();
    freeformFills_.Clear();
    FreeFillStatusPnl->clear();
    FreeImproveBtn->setEnabled(false);
    ResetFillDisplay();
    ClearGrid(state_.Xw.Squares, true);
    RepaintGrid();

    // Next waits for the word list the freeform crossword is made from (one imported before will do).
    NextBtn1->setEnabled(!state_.Imported.Empty());
    PageControlSetup->setCurrentWidget(TabSheetFreeForm);
    PageControlGenerate->setCurrentWidget(TabSheetGenFreeForm);
    PageControlFreeGen->setCurrentWidget(TabSheetFreeMain);
    PageControlLeft->setCurrentWidget(TabSheetSetup);

    ReplaceWordBtn->hide();
    AddToListOfGridsBtn->show();
    ClueLabA2->setText("To remove, press 'Delete' (or use the button below)");
    ClueLabD2->setText("To remove, press 'Delete' (or use the button below)");

    state_.CurrentFileName = "untitled";
    state_.LoadedFromFile = false;
    state_.CrosswordDate = Today();  // a new crossword is made today, whatever file was loaded before
    SetCaption();
}

void MainWindow::LoadFileBitBtnClick()
{
    PageControlLeft->setCurrentWidget(TabSheetFile);
    LoadCrosswordFile();
}

void MainWindow::OpenCrosswordFileAtStart(const QString& path)
{
    PageControlLeft->setCurrentWidget(TabSheetFile);
    OpenCrosswordFile(path);
    // A file that could not be read leaves the window as it started, at Home.
    if (!state_.LoadedFromFile) PageControlLeft->setCurrentWidget(TabsheetHome);
}

}  // namespace qm::ui
