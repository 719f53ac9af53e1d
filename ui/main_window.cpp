// MainWindow: construction of the window and its pages, the start-up sequence and the shell handlers.
#include "ui/main_window.h"

#include "core/util/failure.h"
#include "resources/builtin_resources.h"
#include "ui/category_panel.h"
#include "ui/clues_page.h"
#include "ui/diagnostics_page.h"
#include "ui/diagnostics_window.h"
#include "ui/dictionary_options_tab.h"
#include "ui/file_page.h"
#include "ui/form_building.h"
#include "ui/freeform_generate_page.h"
#include "ui/help_window.h"
#include "ui/home_page.h"
#include "ui/imported_list_controls.h"
#include "ui/main_string_grid.h"
#include "ui/output_page.h"
#include "ui/panel_status_bar.h"
#include "ui/replace_word_dialog.h"
#include "ui/setup_page.h"
#include "ui/symmetric_generate_page.h"
#include "ui/workflow_tabs.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabWidget>
#include <QUrl>

namespace qm::ui {

const char* const MainWindow::MakerWebPage = "https://quillmere.example.org";

namespace {

constexpr int ClientWidth = 982;
constexpr int ClientHeight = 681;
constexpr int RightWidth = 597;
constexpr int LeftWidth = ClientWidth - RightWidth;

}  // namespace

QStringList DefaultDataDirs()
{
    QStringList dirs;
    for (const std::string& d :
         StandardDictionaryFolders(QDir::currentPath().toStdString(), QCoreApplication::applicationDirPath().toStdString()))
        dirs << QString::fromStdString(d);
    return dirs;
}

MainWindow::MainWindow(StartupOptions options, std::unique_ptr<UserDialogs> dialogs, QWidget* parent)
    : QWidget(parent),
      options_(std::move(options)),
      dialogs_(dialogs ? std::move(dialogs) : std::make_unique<StandardDialogs>())
{
    setObjectName("Form5");
    if (options_.DataDirs.isEmpty()) options_.DataDirs = DefaultDataDirs();
    if (options_.SimulatedSeed) state_.Random.SetClock(SimulatedSeedClock(*options_.SimulatedSeed));
    BuildPages();
    connect(gridView_, &MainStringGrid::undefinedWordCount, this, [this] { diagnosticsPage_->OnWordCountUndefined(); });
    dumpWindow_ = new DiagnosticsWindow(this);
    replaceWordDialog_ = new ReplaceWordDialog(this);
    connect(replaceWordDialog_, &ReplaceWordDialog::wordChosen, this, [this](const ReplacementChoice& choice) { cluesPage_->OnReplacementChosen(choice); });
    FormCreate();
    // The window sees every key first (key preview).
    qApp->installEventFilter(this);
}

MainWindow::~MainWindow() { qApp->removeEventFilter(this); }

void MainWindow::Report(const std::exception& e) { dialogs_->Error(this, QString::fromLocal8Bit(e.what())); }

void MainWindow::Guard(const std::function<void()>& operation)
{
    try {
        operation();
    } catch (const std::exception& e) {
        Report(e);
    }
}

void MainWindow::ShowPage(QWidget* page) { workflowTabs_->setCurrentWidget(page); }

bool MainWindow::Showing(const QWidget* page) const { return workflowTabs_->currentWidget() == page; }

std::vector<QWidget*> MainWindow::PausedByFreeformRuns() const
{
    std::vector<QWidget*> paused = CrosswordChoosers();
    const std::vector<QWidget*> importedList = importedList_->PausedByRuns();
    paused.insert(paused.end(), importedList.begin(), importedList.end());
    paused.insert(paused.end(), {clearGridButton_, mirrorButton_, cluesPage_->AddThisGridButton(), symmetricGenerate_->StartButton()});
    return paused;
}

void MainWindow::EmptyFreeformFills() { freeformGenerate_->EmptyFills(); }

void MainWindow::RecheckSeedWordFits() { freeformGenerate_->OnSeedListClicked(); }

void MainWindow::ShowFillOfWord(const FillsOfWordRow& use) { freeformGenerate_->OnFillOfWordChosen(use); }

void MainWindow::SetCaption() { setWindowTitle(QString::fromStdString("Quillmere [" + state_.CurrentFileName + "]")); }

// ---------------------------------------------------------------------------------------------
// Pages

void MainWindow::BuildPages()
{
    setFixedSize(ClientWidth, ClientHeight);
    QFont font("Calibri");
    font.setPixelSize(15);
    setFont(font);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);

    workflowTabs_ = Named<WorkflowTabs>("PageControlLeft", this);
    workflowTabs_->setFixedWidth(LeftWidth);
    workflowTabs_->setDocumentMode(false);
    homePage_ = new HomePage(MakerWebPage);
    connect(homePage_, &HomePage::newSymmetricalChosen, this, [this] { OnNewSymmetricalChosen(); });
    connect(homePage_, &HomePage::newFreeformChosen, this, [this] { OnNewFreeformChosen(); });
    connect(homePage_, &HomePage::loadFromDiskChosen, this, [this] { OnLoadFromDiskChosen(); });
    connect(homePage_, &HomePage::helpChosen, this, [this] { OnHelpChosen(); });
    connect(homePage_, &HomePage::exitChosen, this, [this] { OnExitChosen(); });
    connect(homePage_, &HomePage::webPageChosen, this, [this] { OnWebPageChosen(); });
    setupPage_ = new SetupPage(*this);
    importedList_ = new ImportedListControls(*this, *setupPage_);
    connect(importedList_, &ImportedListControls::symmetricListImported, this, [this] { symmetricGenerate_->DictionaryOptions().OfferImportedList(); });
    generatePage_ = BuildGeneratePage();
    cluesPage_ = new CluesPage(*this);
    diagnosticsPage_ = new DiagnosticsPage(*this);
    filePage_ = new FilePage(*this);
    connect(filePage_, &FilePage::reloadChosen, this, [this] { LoadCrosswordFile(); });
    outputPage_ = new OutputPage(*this);
    workflowTabs_->addTab(homePage_, "Home");
    workflowTabs_->addTab(setupPage_, "Setup");
    workflowTabs_->addTab(generatePage_, "Generate");
    workflowTabs_->addTab(cluesPage_, "Clues");
    workflowTabs_->addTab(diagnosticsPage_, "Statistics");
    workflowTabs_->addTab(filePage_, "File");
    workflowTabs_->addTab(outputPage_, "Output");
    row->addWidget(workflowTabs_);

    // The right-hand side is switched by the program only, so it has no tabs.
    rightPages_ = Named<QStackedWidget>("PageControlRight", this);
    rightPages_->setFixedWidth(RightWidth);
    gridPage_ = BuildGridPage();
    categoryPanel_ = new CategoryPanel(*this);
    rightPages_->addWidget(gridPage_);
    rightPages_->addWidget(outputPage_->PreviewPage());
    rightPages_->addWidget(categoryPanel_);
    rightPages_->addWidget(setupPage_->DesignerPage());
    row->addWidget(rightPages_);

    ConnectNavigation();
}

void MainWindow::SetPanelColours()
{
    for (QWidget* w : std::initializer_list<QWidget*>{gridPanel_, gridHeaderPanel_})
        SetPanelColour(w, ColourPanelGrey);
    SetPanelColour(generateHeaderPanel_, ColourButtonFace);
    homePage_->SetPanelColours();
    categoryPanel_->SetPanelColours();
    symmetricGenerate_->SetPanelColours();
    cluesPage_->SetPanelColours();
    filePage_->SetPanelColours();
    outputPage_->SetPanelColours();
}

// ---------------------------------------------------------------------------------------------
// Start-up and shell

void MainWindow::FormCreate()
{
    OverrideCursor hourglass(Qt::WaitCursor);
    state_.FillSource = FillSourceKind::None;
    state_.ImportedFillShown = 0;
    state_.CrosswordDate = Today();
    state_.DictSelectionDirty = true;

    BuildSelectionMasks();
    Guard([this] {
        if (const auto bytes = ReadBuiltInResource("GRIDSRES")) LoadStockGrids(state_.Stock, *bytes);
    });
    Guard([this] {
        if (const auto bytes = ReadBuiltInResource("CATEGRES")) LoadWordBitPatterns(state_.BitPatterns, *bytes);
    });
    Guard([this] {
        std::vector<std::string> dirs;
        for (const QString& d : options_.DataDirs) dirs.push_back(d.toStdString());
        LoadDictionaryFromDirs(state_.Dict, dirs);
    });
    Guard([this] { ApplySelection(state_.Dict, state_.BitPatterns, state_.Selection, state_.DictSelectionDirty); });
    symmetricGenerate_->DictionaryOptions().InitWordsPerLengthTable();

    setupPage_->ListGridSizes();
    state_.Xw.GridSize = 15;
    InitGrid(state_.Xw);
    setupPage_->ShowStockGridsOfSize();

    InitGrid(state_.Xw);
    ResetCellColours(state_.Xw.Squares);
    LayOutMainGrid();
    ClearListOfGrids(state_.Fills);
    CountSelection();

    Guard([this] {
        if (const auto bytes = ReadBuiltInResource("CLUESRES")) state_.Clues = LoadClueList(*bytes);
    });
    ResetFillDisplay();
    ClearFillRecord(state_.Fills, 0);

    state_.CurrentFileName = "untitled";
    setWindowTitle("Quillmere");
    workflowTabs_->setCurrentWidget(homePage_);
    previousLeftPage_ = homePage_;
    setupPage_->ShowFirstTabs();
    symmetricGenerate_->ShowMainTab();
    rightPages_->setCurrentWidget(gridPage_);

    ShowWorkflowTabs(false);
    workflowTabs_->setTabVisible(workflowTabs_->indexOf(diagnosticsPage_), false);
    SetPanelColours();
}

void MainWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    OnShown();
}

void MainWindow::OnShown() { unsetCursor(); }

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (state_.RunInProgress()) {
        // The run is stopped first; the window closes as soon as it has ended.
        runs_.StopAndCloseAfterRun();
        event->ignore();
        return;
    }
    if (helpWindow_) helpWindow_->close();
    if (freeformGenerate_) freeformGenerate_->CloseFillsOfWordDialog();
    if (dumpWindow_) dumpWindow_->close();
    if (replaceWordDialog_) replaceWordDialog_->close();
    QWidget::closeEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        // The window looks at every key before the control it is meant for. A key that the window
        // uses is used up here; any other key goes on to the control (and its parents) untouched.
        auto* target = qobject_cast<QWidget*>(watched);
        if (target && target->window() == this) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (OnKeyPressed(key->key(), key->modifiers())) return true;
        }
    }
    if (event->type() == QEvent::FocusOut) cluesPage_->OnFocusLost(watched);
    return QWidget::eventFilter(watched, event);
}

void MainWindow::OnHelpChosen()
{
    if (!helpWindow_) helpWindow_ = new HelpWindow(this);
    helpWindow_->ShowContents();
}

void MainWindow::OnWebPageChosen() { QDesktopServices::openUrl(QUrl(MakerWebPage)); }

void MainWindow::OnExitChosen() { close(); }

}  // namespace qm::ui
