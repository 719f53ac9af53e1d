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
struct FreeformRunCallbacks;
struct ImportOutcome;
struct ShownFill;
enum class SeedWordChoice : std::uint8_t;
struct SelectionOptions;
enum class UsageTableKind : std::uint8_t;
}  // namespace qm

namespace qm::ui {

class CluesPage;
class ColumnHeader;
class CountTable;
class HelpWindow;
class FilePage;
class HomePage;
class MainStringGrid;
class OutputPage;
class PagePreview;
class PanelStatusBar;
class SetupPage;
class SymmetricGeneratePage;
class DiagnosticsPage;
class DiagnosticsWindow;
class FillsOfWordDialog;
class ThemeWordGrid;
class ReplaceWordDialog;
class WordUsageGrid;
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
/// main_window_generate.cpp (the Generate page's header and kinds), main_window_import.cpp,
/// main_window_freeform.cpp, main_window_usage.cpp, main_window_categories.cpp, main_window_grid.cpp and
/// main_window_file.cpp. The Home, Setup, Clues, Statistics, File and Output pages are classes of their
/// own (HomePage, SetupPage, SymmetricGeneratePage, CluesPage, DiagnosticsPage, FilePage, OutputPage); runs
/// go through RunController.
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
    /// The subject categories' choices (main_window_categories.cpp), for the word selection.
    void ReadCategoryChoices(qm::SelectionOptions& options) const;

    // Subject categories (main_window_categories.cpp)
    void WordCategBtnClick();
    void SubjectCloseBtnClick();
    void CategoryListBoxClick();
    void CategoryListBoxClickCheck(int row);
    void AllOtherCheckClick();
    void SwitchAllBtnClick();
    void NumbersBtnClick();
    /// Lists the nouns of the category selected in CategoryListBox, by length.
    void ShowCategoryWords();
    /// WordsListBoxClick of the category page: the clue of the clicked word.
    void WordsListBoxClick();

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

    // Imported word list (main_window_import.cpp)
    void ThemeComboChange();
    void ClipboardBtnClick();
    /// Imports a text file chosen in the open dialog (LoadWordListBtn and ExternalWordListFileBtnB).
    void LoadWordlistBtnClick();
    void ClearWordListBtn1Click();
    void SeedWordRadioClick();
    void RandomWordsRadioClick();
    void SeedListBoxClick();
    void OptLengthSpinEditChange();
    void DeviationSpinEditChange();
    /// Shows the imported list in the theme-word grids, the seed list and the status bars.
    void ShowFreeformList();

    // Freeform Generate page (main_window_freeform.cpp)
    void FreeQuickFillBtnClick();
    void FreeStartBtnClick();
    void FreeRepeatsEditKeyPress();
    void FreeStopBtnClick();
    void FreeImproveBtnClick();
    void FreeFillsListBoxMouseUp(Qt::MouseButton button);
    /// FillsListBoxClick of the freeform fills list: shows the fill of the selected line.
    void FreeFillsListBoxClick();
    void AddToListOfGridsBtnClick();
    /// Selects the line of fill n in FreeFillsListBox (the last line when no other matches).
    void SelectFillLine(int n);

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
    QWidget* BuildFreeformGenerate();
    QWidget* BuildGridPage();
    QWidget* BuildCategoryPage();
    void ConnectNavigation();
    void SetPanelColours();

    void Report(const std::exception& e);

    StartupOptions options_;
    std::unique_ptr<UserDialogs> dialogs_;
    QuillmereState state_;
    QWidget* previousLeftPage_ = nullptr;
    /// The checked state the next "Switch All Subjects" click gives every category.
    bool switchAllTarget_ = false;
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
    QWidget* generatePage_ = nullptr;
    CluesPage* cluesPage_ = nullptr;
    DiagnosticsPage* diagnosticsPage_ = nullptr;
    FilePage* filePage_ = nullptr;
    OutputPage* outputPage_ = nullptr;

    // Generate page
    QLabel* generateHeaderPanel_ = nullptr;
    QStackedWidget* generateKinds_ = nullptr;
    SymmetricGeneratePage* symmetricGenerate_ = nullptr;
    QWidget* freeformGenerate_ = nullptr;
    // Freeform
    QTabWidget* freeformGenerateTabs_ = nullptr;
    QWidget* freeformFillOptionsTab_ = nullptr;
    QWidget* freeformMainTab_ = nullptr;
    QWidget* wordUsageTab_ = nullptr;
    QFrame* freeformFillOptionsPanel_ = nullptr;
    QFrame* freeformMainPanel_ = nullptr;
    QFrame* quickFillPanel_ = nullptr;
    QFrame* wordUsagePanel_ = nullptr;
    /// The freeform fills, best first (built with the freeform Main tab).
    RowList<FillRow> freeformFills_;  ///< FreeFillsListBox

    // Imported word list and freeform Generate page (main_window_import.cpp, main_window_freeform.cpp)
    /// Fills the word list tab of the freeform setup page and the "External Word List" tab.
    void BuildImportedListControls();
    /// The seed word group and the optimal length and variation settings (on the Fill Options tab).
    QWidget* BuildSeedAndLengthOptions(QWidget* parent);
    /// Fills the "Fill Options" and "Main" tabs of the freeform Generate page.
    void BuildFreeformGenerateTabs();
    void BuildFreeformFillOptionsTab();
    void BuildFreeformMainTab();
    void ConnectFreeformMainTab();
    /// Shows what an import did: its message, its status texts and the list in the grids.
    void ShowImportOutcome(const qm::ImportOutcome& outcome);
    /// The seed kind the seed radio buttons choose.
    qm::SeedWordChoice SeedChoice() const;
    /// Reads the fill options (duplicates, probability and, when asked, the ranking) into the freeform state.
    void ReadFreeformOptions(bool ranking);
    /// What the freeform run, Quick Fill and Improve report to the window.
    qm::FreeformRunCallbacks FreeformCallbacks();
    /// FreeFillsListBox made to show the lines of the freeform fill list.
    void ShowFreeFillsLines();
    /// Shows a freeform fill that the core put into the crossword, with its line selected.
    void DisplayFreeformFill(const qm::ShownFill& shown);
    /// What a freeform run or Improve pauses (Improve also the fills list), and its buttons.
    RunControls FreeformRunControls(bool improving) const;
    /// Improve is working on the fill on display: other fills are not shown until it ends.
    bool improving_ = false;
    // Word list sources (freeform setup page)
    QComboBox* builtInListCombo_ = nullptr;
    QPushButton* pasteListButton_ = nullptr;
    QPushButton* loadListButton_ = nullptr;
    QPushButton* clearListButton_ = nullptr;
    QLabel* freeformListHint_ = nullptr;
    ThemeWordGrid* freeformImportedList_ = nullptr;
    PanelStatusBar* freeformImportedListStatus_ = nullptr;
    // "  External Word List  " (symmetrical setup page)
    QPushButton* loadExternalListButton_ = nullptr;
    QLabel* externalListHint_ = nullptr;
    ThemeWordGrid* symmetricImportedList_ = nullptr;
    PanelStatusBar* symmetricImportedListStatus_ = nullptr;
    // Fill Options: seed word, word lengths, duplicates, ranking
    QRadioButton* randomWordsRadio_ = nullptr;
    QRadioButton* seedWordRadio_ = nullptr;
    QRadioButton* gridSeedRadio_ = nullptr;
    QListWidget* seedWords_ = nullptr;
    QSpinBox* optimalLengthSpin_ = nullptr;
    QSpinBox* lengthVariationSpin_ = nullptr;
    QCheckBox* allowDuplicatesCheck_ = nullptr;
    QCheckBox* modifyProbabilityCheck_ = nullptr;
    QRadioButton* rankByScoreRadio_ = nullptr;
    QRadioButton* rankByLettersRadio_ = nullptr;
    QRadioButton* rankByWordsRadio_ = nullptr;
    QRadioButton* rankByInterlocksRadio_ = nullptr;
    // Main: Quick Fill and Multiple Fills
    QPushButton* quickFillButton_ = nullptr;
    QProgressBar* quickFillProgress_ = nullptr;
    QLineEdit* freeformFillCountEdit_ = nullptr;
    QPushButton* freeformStartButton_ = nullptr;
    QPushButton* freeformStopButton_ = nullptr;
    QPushButton* improveButton_ = nullptr;
    QProgressBar* freeformFillsProgress_ = nullptr;
    ColumnHeader* freeformFillsHeader_ = nullptr;
    QLabel* freeformFillsHint_ = nullptr;
    PanelStatusBar* freeformFillsStatus_ = nullptr;
    QPushButton* generateNextButton_ = nullptr;
    QPushButton* generateBackButton_ = nullptr;

    // Right: grid page, output preview, subject categories
    QStackedWidget* rightPages_ = nullptr;
    QWidget* gridPage_ = nullptr;
    QWidget* categoryPage_ = nullptr;
    QLabel* gridHeaderPanel_ = nullptr;
    QFrame* gridPanel_ = nullptr;
    MainStringGrid* gridView_ = nullptr;
    PanelStatusBar* gridStatus_ = nullptr;
    QPushButton* clearGridButton_ = nullptr;
    QPushButton* mirrorButton_ = nullptr;
    QFrame* categoryTopPanel_ = nullptr;
    QFrame* categoryMainPanel_ = nullptr;
    QFrame* categoryBottomPanel_ = nullptr;
    QListWidget* categoryList_ = nullptr;
    RowList<CategoryListRow> categoryWords_;  ///< WordsListBox of the category page
    QPlainTextEdit* categoryClue_ = nullptr;
    PanelStatusBar* categoryStatus_ = nullptr;
    QCheckBox* allOtherWordsCheck_ = nullptr;
    QPushButton* switchAllButton_ = nullptr;
    QPushButton* numbersButton_ = nullptr;
    QPushButton* closeCategoriesButton_ = nullptr;

    // Word usage (main_window_usage.cpp)
public:
    /// The freeform Generate page's tabs: the Word Usage tab builds the table of its checked radio button.
    void PageControlFreeGenChange();
    void AlphaRadioClick();
    void RankedRadioClick();
    void GroupedRadioClick();
    void SummarisedRadioClick();
    /// Builds one word usage table from the fill word store into WordUsageStringGrid.
    void ShowWordUsage(qm::UsageTableKind kind);
    /// A click on the word usage table (viewport point): a word opens "Grid Nos." with its fills.
    void WordUsageStringGridMouseUp(QPoint at);
    /// GridsListBoxClick of "Grid Nos.": shows the fill of the line with the word highlighted.
    void GridsListBoxClick(const FillsOfWordRow& use);

private:
    void BuildWordUsagePanel();
    /// The table of the checked radio button (alphabetical, ranked, grouped, otherwise the summary).
    qm::UsageTableKind CheckedUsageTable() const;
    /// Rebuilds the usage table when its tab is the one on show.
    void RefreshWordUsageIfShown();

    FillsOfWordDialog* fillsOfWordDialog_ = nullptr;
    // Word Usage tab
    QRadioButton* alphabeticalRadio_ = nullptr;
    QRadioButton* rankedRadio_ = nullptr;
    QRadioButton* groupedRadio_ = nullptr;
    QRadioButton* summaryRadio_ = nullptr;
    WordUsageGrid* wordUsageTable_ = nullptr;

    friend class MainWindowTest;
};

}  // namespace qm::ui
