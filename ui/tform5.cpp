// TForm5: construction of the window, the start-up sequence, the Home page and the shell handlers.
#include "ui/tform5.h"

#include "core/util/failure.h"
#include "resources/builtin_resources.h"
#include "ui/help_window.h"
#include "ui/main_string_grid.h"
#include "ui/panel_status_bar.h"
#include "ui/url_label.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace qm::ui {

const char* const TForm5::MakerWebPage = "https://quillmere.example.org";

namespace {

constexpr int ClientWidth = 982;
constexpr int ClientHeight = 681;
constexpr int LeftWidth = ClientWidth - 597;

template <typename T, typename... Args>
T* Named(const char* name, Args&&... args)
{
    T* w = new T(std::forward<Args>(args)...);
    w->setObjectName(name);
    return w;
}

void SetPanelColour(QWidget* w, Colour colour)
{
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, IsSystemColour(colour) ? p.color(QPalette::Button)
                                                        : QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)));
    w->setPalette(p);
}

}  // namespace

QStringList DefaultDataDirs()
{
    return {QDir::currentPath(), QCoreApplication::applicationDirPath()};
}

TForm5::TForm5(StartupOptions options, std::unique_ptr<UserDialogs> dialogs, QWidget* parent)
    : QWidget(parent), options_(std::move(options)), dialogs_(dialogs ? std::move(dialogs) : std::make_unique<StandardDialogs>())
{
    setObjectName("Form5");
    if (options_.DataDirs.isEmpty()) options_.DataDirs = DefaultDataDirs();
    if (options_.SimulatedSeed) state_.Random.SetClock(SimulatedSeedClock(*options_.SimulatedSeed));
    BuildPages();
    FormCreate();
}

TForm5::~TForm5() = default;

void TForm5::Report(const std::exception& e) { dialogs_->Error(this, QString::fromLocal8Bit(e.what())); }

void TForm5::Guard(const std::function<void()>& operation)
{
    try {
        operation();
    } catch (const std::exception& e) {
        QApplication::restoreOverrideCursor();
        Report(e);
    }
}

void TForm5::SetCaption() { setWindowTitle(QString::fromStdString("Quillmere [" + state_.CurrentFileName + "]")); }

// ---------------------------------------------------------------------------------------------
// Pages

void TForm5::BuildPages()
{
    setFixedSize(ClientWidth, ClientHeight);
    QFont font("Calibri");
    font.setPixelSize(15);
    setFont(font);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);

    PageControlLeft = Named<QTabWidget>("PageControlLeft", this);
    PageControlLeft->setFixedWidth(LeftWidth);
    TabsheetHome = BuildHomePage();
    TabSheetSetup = Named<QWidget>("TabSheetSetup");
    TabSheetGenerate = Named<QWidget>("TabSheetGenerate");
    TabSheetClues = BuildCluesPage();
    TabSheetHidden = Named<QWidget>("TabSheetHidden");
    TabSheetFile = Named<QWidget>("TabSheetFile");
    TabSheetPrint = Named<QWidget>("TabSheetPrint");
    PageControlLeft->addTab(TabsheetHome, "Home");
    PageControlLeft->addTab(TabSheetSetup, "Setup");
    PageControlLeft->addTab(TabSheetGenerate, "Generate");
    PageControlLeft->addTab(TabSheetClues, "Clues");
    PageControlLeft->addTab(TabSheetHidden, "Statistics");
    PageControlLeft->addTab(TabSheetFile, "File");
    PageControlLeft->addTab(TabSheetPrint, "Output");
    row->addWidget(PageControlLeft);

    PageControlRight = Named<QStackedWidget>("PageControlRight", this);
    _TabGrid = BuildGridPage();
    _TabPrint = Named<QWidget>("_TabPrint");
    _TabWordSel = Named<QWidget>("_TabWordSel");
    PageControlRight->addWidget(_TabGrid);
    PageControlRight->addWidget(_TabPrint);
    PageControlRight->addWidget(_TabWordSel);
    row->addWidget(PageControlRight, 1);
}

QWidget* TForm5::BuildHomePage()
{
    auto* page = Named<QWidget>("TabsheetHome");
    auto* outer = new QVBoxLayout(page);
    HomePanel = Named<QFrame>("HomePanel", page);
    SetPanelColour(HomePanel, ColourPanelGrey);
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

    connect(HelpBtn, &QPushButton::clicked, this, [this] { HelpBtnClick(); });
    connect(ExitBtn, &QPushButton::clicked, this, [this] { ExitBtnClick(); });
    connect(URLLabel, &UrlLabel::clicked, this, [this] { URLLabelClick(); });
    return page;
}

QWidget* TForm5::BuildGridPage()
{
    auto* page = Named<QWidget>("_TabGrid");
    auto* col = new QVBoxLayout(page);
    col->setContentsMargins(2, 2, 2, 0);
    col->setSpacing(2);
    HeaderPnl = Named<QLabel>("HeaderPnl", page);
    HeaderPnl->setAlignment(Qt::AlignCenter);
    HeaderPnl->setFixedHeight(24);
    SetPanelColour(HeaderPnl, ColourPanelGrey);
    col->addWidget(HeaderPnl);

    GridPanel = Named<QFrame>("GridPanel", page);
    SetPanelColour(GridPanel, ColourPanelGrey);
    GridPanel->setFixedSize(GridPanelWidth, GridPanelWidth);
    MainStringGridView = new MainStringGrid(state_.Xw, GridPanel);
    MainStringGridView->setGeometry(0, 0, GridPanelWidth, GridPanelWidth);
    col->addWidget(GridPanel, 0, Qt::AlignHCenter);

    auto* buttons = new QHBoxLayout;
    ClearGridBtn = Named<QPushButton>("ClearGridBtn", "&Clear Grid", page);
    MirrorBtn = Named<QPushButton>("MirrorBtn", "Flip Across/Down", page);
    buttons->addStretch(1);
    buttons->addWidget(ClearGridBtn);
    buttons->addWidget(MirrorBtn);
    col->addLayout(buttons);
    col->addStretch(1);

    MainStatusBar = new PanelStatusBar({160, 100, 110, 100, 100}, page);
    MainStatusBar->setObjectName("MainStatusBar");
    col->addWidget(MainStatusBar);

    connect(ClearGridBtn, &QPushButton::clicked, this, [this] { ClearGridBtnClick(); });
    connect(MirrorBtn, &QPushButton::clicked, this, [this] { MirrorBtnClick(); });
    return page;
}

QWidget* TForm5::BuildCluesPage()
{
    auto* page = Named<QWidget>("TabSheetClues");
    auto* col = new QVBoxLayout(page);
    CluePageControl = Named<QTabWidget>("CluePageControl", page);
    AcrossTabSheet = Named<QWidget>("AcrossTabSheet");
    DownTabSheet = Named<QWidget>("DownTabSheet");
    AcrossListBox = Named<QListWidget>("AcrossListBox", AcrossTabSheet);
    DownListBox = Named<QListWidget>("DownListBox", DownTabSheet);
    for (auto [tab, list] : {std::pair{AcrossTabSheet, AcrossListBox}, std::pair{DownTabSheet, DownListBox}}) {
        auto* l = new QVBoxLayout(tab);
        l->addWidget(list);
    }
    CluePageControl->addTab(AcrossTabSheet, "Across");
    CluePageControl->addTab(DownTabSheet, "Down");
    col->addWidget(CluePageControl, 1);
    ClueStatusBar = new PanelStatusBar({120, 0}, page);
    ClueStatusBar->setObjectName("ClueStatusBar");
    col->addWidget(ClueStatusBar);
    return page;
}

// ---------------------------------------------------------------------------------------------
// Start-up and shell

void TForm5::FormCreate()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    state_.FillSource = FillSourceKind::None;
    state_.ImportedFillShown = 0;
    state_.CrosswordDate = Today();
    state_.DictSelectionDirty = true;

    Guard([this] {
        if (const auto bytes = ReadBuiltInResource("CATEGRES")) LoadWordBitPatterns(state_.BitPatterns, *bytes);
    });
    Guard([this] {
        std::vector<std::string> dirs;
        for (const QString& d : options_.DataDirs) dirs.push_back(d.toStdString());
        LoadDictionaryFromDirs(state_.Dict, dirs);
    });

    state_.Xw.GridSize = 15;
    InitGrid(state_.Xw);
    ResetCellColours(state_.Xw.Squares);
    LayOutMainGrid();
    ClearListOfGrids(state_.Fills);

    Guard([this] {
        if (const auto bytes = ReadBuiltInResource("CLUESRES")) state_.Clues = LoadClueList(*bytes);
    });
    ResetFillDisplay();
    ClearFillRecord(state_.Fills, 0);

    state_.CurrentFileName = "untitled";
    setWindowTitle("Quillmere");
    PageControlLeft->setCurrentWidget(TabsheetHome);
    PageControlRight->setCurrentWidget(_TabGrid);
    state_.PrinterAvailable = true;
    state_.RunActive = false;
    ShowWorkflowTabs(false);
    PageControlLeft->setTabVisible(PageControlLeft->indexOf(TabSheetHidden), false);
    QApplication::restoreOverrideCursor();
}

void TForm5::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    FormShow();
}

void TForm5::FormShow() { QApplication::restoreOverrideCursor(); }

void TForm5::closeEvent(QCloseEvent* event)
{
    if (Help) Help->close();
    QWidget::closeEvent(event);
}

void TForm5::HelpBtnClick()
{
    if (!Help) Help = new HelpWindow(this);
    Help->ShowContents();
}

void TForm5::URLLabelClick() { QDesktopServices::openUrl(QUrl(MakerWebPage)); }

void TForm5::ExitBtnClick() { close(); }

void TForm5::ShowWorkflowTabs(bool visible)
{
    for (QWidget* page : {TabSheetSetup, TabSheetGenerate, TabSheetClues, TabSheetPrint})
        PageControlLeft->setTabVisible(PageControlLeft->indexOf(page), visible);
}

}  // namespace qm::ui
