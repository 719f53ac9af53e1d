// MainWindow: the main window. It owns the program's state and binds the workflow pages to the core.
#pragma once

#include "core/clues/clue_editing.h"
#include "core/state.h"
#include "core/stats/word_usage.h"
#include "core/words/category_browse.h"
#include "ui/row_list.h"
#include "ui/run_controller.h"
#include "ui/user_dialogs.h"

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpinBox;
class QStackedWidget;
class QTabWidget;
class QTableWidget;
class QVBoxLayout;


namespace qm {
struct ShownFill;
struct SelectionOptions;
}  // namespace qm

namespace qm::ui {

class CategoryPanel;
class CluesPage;
class ColumnHeader;
class CountTable;
class HelpWindow;
class FilePage;
class FreeformGeneratePage;
class HomePage;
class ImportedListControls;
class MainStringGrid;
class OutputPage;
class PagePreview;
class PanelStatusBar;
class SetupPage;
class SymmetricGeneratePage;
class DiagnosticsPage;
class DiagnosticsWindow;
class ReplaceWordDialog;
enum class GridPainter;
class UrlLabel;

/// How the window starts: where WORD.LST is looked for, and the random generator's clock.
struct StartupOptions {
    QStringList DataDirs;                          ///< folders searched for WORD.LST, in order
    std::optional<std::uint32_t> SimulatedSeed;    ///< reproducible random numbers (tests)
};

/// The folders searched for WORD.LST by default: the working directory, the program's folder, then
/// the installed data folder beside it (StandardDictionaryFolders).
QStringList DefaultDataDirs();

/// The main window: the workflow pages on the left (PageControlLeft), the grid, the output preview and
/// the subject categories on the right (PageControlRight). Its implementation is split by page:
/// main_window.cpp (construction, start-up, shell), main_window_home.cpp, main_window_navigation.cpp,
/// main_window_generate.cpp (the Generate page's header and kinds), main_window_grid.cpp and
/// main_window_file.cpp. The Home, Setup, Clues, Statistics, File and Output pages, both kinds of Generate
/// page and the subject categories are classes of their own (HomePage, SetupPage, SymmetricGeneratePage,
/// FreeformGeneratePage, CluesPage, DiagnosticsPage, FilePage, OutputPage, CategoryPanel); the imported
/// list's controls are ImportedListControls; runs go through RunController.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(StartupOptions options = {}, std::unique_ptr<UserDialogs> dialogs = nullptr,
                    QWidget* parent = nullptr);
    ~MainWindow() override;

    QuillmereState& State() { return state_; }
    UserDialogs& Dialogs() { return *dialogs_; }
    /// Runs an operation; a Failure or any other exception ends it with a message box.
    void Guard(const std::function<void()>& operation);
    /// The window's title: the program and the crossword's file name.
    void SetCaption();
    /// The grid on the right, and the status bar below it.
    MainStringGrid& GridView() { return *gridView_; }
    PanelStatusBar& StatusBar() { return *gridStatus_; }
    /// The separate window the developer's diagnostics write into.
    DiagnosticsWindow& DumpWindow() { return *dumpWindow_; }
    /// Shows one of the workflow pages.
    void ShowPage(QWidget* page);

    // Application shell (main_window.cpp)
    /// The window is on screen: the start-up's busy cursor goes.
    void OnShown();
    /// Help (Home page's button, F1): the help window at its contents.
    void OnHelpChosen();
    /// The Home page's web-page label: opens MakerWebPage in the browser.
    void OnWebPageChosen();
    void OnExitChosen();

    // Starting a crossword (main_window_home.cpp): the Home page's buttons
    /// "New Symmetrical Crossword": no fills, a blank grid, the Setup page with the stock grids.
    void OnNewSymmetricalChosen();
    /// "New Freeform Crossword": no fills, a blank grid, the Setup page with the grid sizes.
    void OnNewFreeformChosen();
    /// "Load from Disk": the File page and the open dialog for a crossword file.
    void OnLoadFromDiskChosen();
    /// Opens a crossword file given on the command line as "Load from Disk" would once its file is
    /// chosen: the File page with the crossword on display, or the usual message and the window at Home.
    void OpenCrosswordFileAtStart(const QString& path);

    // Navigation (main_window_navigation.cpp)
    void ShowWorkflowTabs(bool visible);
    /// Next and Back of the Setup page (its signals) and of the Generate page (its buttons).
    void OnSetupNextChosen();
    void OnSetupBackChosen();
    void OnGenerateNextClicked();
    void OnGenerateBackClicked();
    /// Another workflow page on show: the page left and the page entered are told, and the right-hand
    /// side shows the output preview (Output page) or the grid.
    void OnWorkflowPageChanged();
    /// The window's keyboard shortcuts; true when the key was used up.
    bool OnKeyPressed(int key, Qt::KeyboardModifiers shift);

    // What the Setup page asks of the other pages
    /// The Output page (the Setup page puts its grid size track bar at a new freeform size).
    OutputPage& Output() { return *outputPage_; }
    /// The symmetrical Generate page (the Setup page asks it whether its fills may go, and turns Start on).
    SymmetricGeneratePage& SymmetricGenerate() { return *symmetricGenerate_; }
    /// Empties the freeform fills list with the store behind it; Improve has nothing to work on.
    void EmptyFreeformFills();
    /// Puts a page on the right (the grid designer's), or the grid when page is null.
    void ShowRightPage(QWidget* page);
    /// The Setup page (the symmetrical Start fills the designer's grid while it is designing).
    SetupPage& Setup() { return *setupPage_; }

    // What the symmetrical Generate page (SymmetricGeneratePage) asks of the window
    /// Starts, stops and ends the runs of both kinds.
    RunController& Runs() { return runs_; }
    /// The Statistics page: the diagnostics a run writes or shows.
    DiagnosticsPage& Diagnostics() { return *diagnosticsPage_; }
    /// The Clues page: what a run pauses there.
    CluesPage& Clues() { return *cluesPage_; }
    /// The Home page's start buttons and the Setup page's grid choosers: what every run pauses there.
    std::vector<QWidget*> CrosswordChoosers() const;
    QPushButton* ClearGridButton() const { return clearGridButton_; }
    /// True when the Generate page is on show with that kind (symmetrical or freeform) in it.
    bool ShowingGenerateKind(const QWidget* kind) const;
    /// The grid page on the right (rather than the output preview or the subject categories).
    void ShowGridOnRight();
    /// Shows a fill that the core has put into the crossword: lists, status and kept clue edits.
    void DisplayShownFill(const qm::ShownFill& shown);

    // The dictionary options (DictionaryOptionsTab, on the symmetrical Generate page), for the category
    // panel, the Home page and the start
    /// Rebuilds the selection masks from the dictionary options (and the Default button's state).
    void BuildSelectionMasks();
    /// Recounts the words per length and shows them in DictionaryStringGrid and the status bars.
    void CountSelection();

    // The subject categories on the right (CategoryPanel)
    /// Shows the subject categories on the right (the dictionary options' button).
    void ShowCategoriesOnRight();
    /// Their choices, for the word selection.
    CategoryPanel& Categories() { return *categoryPanel_; }

    // The Clues page (CluesPage): what the other pages ask of it, and what it asks of the window
    /// Keeps what was typed into the clue memos in the slots they show.
    void CommitClueEdits();
    /// The "Replace Word" dialog the Clues page opens.
    ReplaceWordDialog& ReplaceDialog() { return *replaceWordDialog_; }
    /// True when that workflow page is the one on show.
    bool Showing(const QWidget* page) const;

    // Grid page (main_window_grid.cpp)
    void LayOutMainGrid();
    void ShowFillStatus(int words, int letters, int interlocks);
    void ResetFillDisplay();
    /// "Clear Grid": the fill on show goes and no fill is chosen in the fills lists.
    void OnClearGridClicked();
    /// "Flip Across/Down": the fill on show is mirrored, its across answers becoming down answers.
    void OnMirrorClicked();
    /// Fills the Across and Down lists from the slots (ListSlots) and the clue status bar.
    void ShowSlotLists();
    void RepaintGrid();

    // The imported list's controls on the Setup page (ImportedListControls)
    /// Checks again whether the selected seed word fits the grid (the Setup page, after a new freeform
    /// size), which turns the freeform fill buttons on or off.
    void RecheckSeedWordFits();

    // Freeform Generate page (FreeformGeneratePage): what it asks of the window
    FreeformGeneratePage& FreeformGenerate() { return *freeformGenerate_; }
    QTabWidget* WorkflowPages() const { return workflowTabs_; }
    QWidget* GeneratePage() const { return generatePage_; }
    /// What a freeform run pauses on the other pages.
    std::vector<QWidget*> PausedByFreeformRuns() const;
    /// A line of "Grid Nos." was chosen: shows the fill of the line with the word highlighted.
    void ShowFillOfWord(const FillsOfWordRow& use);

    // Loading a crossword file (main_window_file.cpp), from the Home and File pages
    /// Asks for a crossword file and makes it the crossword on display, as the one freeform fill.
    void LoadCrosswordFile();
    void OpenCrosswordFile(const QString& path);

    /// Enables (or disables) everything that puts a crossword out: the File page's Save and the
    /// Output page's options, print and export buttons.
    void EnableOutputControls(bool enabled);

    /// The web page the Home page's label opens.
    static const char* const MakerWebPage;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void BuildPages();
    QWidget* BuildGeneratePage();
    QWidget* BuildGridPage();
    void ConnectNavigation();
    void SetPanelColours();

    void Report(const std::exception& e);

    StartupOptions options_;
    std::unique_ptr<UserDialogs> dialogs_;
    QuillmereState state_;
    QWidget* previousLeftPage_ = nullptr;
    /// Starts, stops and ends the runs of both kinds.
    RunController runs_{*this};

    // Secondary windows
    HelpWindow* helpWindow_ = nullptr;
    DiagnosticsWindow* dumpWindow_ = nullptr;  ///< where the diagnostics write their dumps
    ReplaceWordDialog* replaceWordDialog_ = nullptr;

    // Left: the workflow pages
    QTabWidget* workflowTabs_ = nullptr;
    HomePage* homePage_ = nullptr;
    SetupPage* setupPage_ = nullptr;
    ImportedListControls* importedList_ = nullptr;  ///< on the Setup page's two word list tabs
    QWidget* generatePage_ = nullptr;
    CluesPage* cluesPage_ = nullptr;
    DiagnosticsPage* diagnosticsPage_ = nullptr;
    FilePage* filePage_ = nullptr;
    OutputPage* outputPage_ = nullptr;

    // Generate page
    QLabel* generateHeaderPanel_ = nullptr;
    QStackedWidget* generateKinds_ = nullptr;
    SymmetricGeneratePage* symmetricGenerate_ = nullptr;
    FreeformGeneratePage* freeformGenerate_ = nullptr;
    QPushButton* generateNextButton_ = nullptr;
    QPushButton* generateBackButton_ = nullptr;

    // Right: grid page, output preview, subject categories
    QStackedWidget* rightPages_ = nullptr;
    QWidget* gridPage_ = nullptr;
    CategoryPanel* categoryPanel_ = nullptr;
    QLabel* gridHeaderPanel_ = nullptr;
    QFrame* gridPanel_ = nullptr;
    MainStringGrid* gridView_ = nullptr;
    PanelStatusBar* gridStatus_ = nullptr;
    QPushButton* clearGridButton_ = nullptr;
    QPushButton* mirrorButton_ = nullptr;

    friend class MainWindowTest;
};

}  // namespace qm::ui
