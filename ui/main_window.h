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
struct RunCallbacks;
struct ShownFill;
struct SelectionOptions;
}  // namespace qm

namespace qm::ui {

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
class DiagnosticsPage;
class DiagnosticsWindow;
class DictionaryOptionsTab;
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
/// main_window_generate.cpp, main_window_categories.cpp, main_window_grid.cpp and
/// main_window_file.cpp. The Home, Setup, Clues, Statistics, File and Output pages and the freeform
/// Generate page are classes of their own (HomePage, SetupPage, CluesPage, DiagnosticsPage, FilePage,
/// OutputPage, FreeformGeneratePage); the imported list's controls are ImportedListControls; runs go
/// through RunController.
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
    /// The number of lines in the symmetrical fills list.
    int SymmetricFillCount() const { return symmetricFills_.Count(); }
    /// Shows one of the workflow pages.
    void ShowPage(QWidget* page);

    // Application shell (main_window.cpp)
    void FormShow();
    void HelpBtnClick();
    void URLLabelClick();
    void ExitBtnClick();

    // Starting a crossword (main_window_home.cpp): the Home page's buttons
    void SymmetricBitBtnClick();
    void FreeformBitBtnClick();
    void LoadFileBitBtnClick();
    /// Opens a crossword file given on the command line as "Load from Disk" would once its file is
    /// chosen: the File page with the crossword on display, or the usual message and the window at Home.
    void OpenCrosswordFileAtStart(const QString& path);

    // Navigation (main_window_navigation.cpp)
    void ShowWorkflowTabs(bool visible);
    void NextBtn1Click();
    void BackBtn1Click();
    void NextBtn2Click();
    void BackBtn2Click();
    void PageControlLeftChange();
    void PageControlSymmGenChange();
    void ShowSymmGenDescription();
    /// The window's keyboard shortcuts; true when the key was used up.
    bool FormKeyDown(int key, Qt::KeyboardModifiers shift);

    // What the Setup page asks of the other pages
    /// The Output page (the Setup page puts its grid size track bar at a new freeform size).
    OutputPage& Output() { return *outputPage_; }
    /// Asks whether the listed fills may go ("You've created n grid fills. ..."); true when they may.
    bool MayDiscardSymmFills(const QString& what);
    /// The symmetrical Start button and the fill sequence diagnostics: on only while a stock grid is chosen.
    void EnableSymmetricStart(bool enabled);
    /// Empties the freeform fills list with the store behind it; Improve has nothing to work on.
    void EmptyFreeformFills();

    // Generate page: the run of symmetrical fills (main_window_generate.cpp); the dictionary options
    // are a tab of their own (DictionaryOptionsTab), reached through these
    /// Rebuilds the selection masks from the dictionary options (and the Default button's state).
    void BuildSelectionMasks();
    /// Recounts the words per length and shows them in DictionaryStringGrid and the status bars.
    void CountSelection();
    /// The subject categories' choices (main_window_categories.cpp), for the word selection.
    void ReadCategoryChoices(qm::SelectionOptions& options) const;
    /// The dictionary's word count in the symmetrical fills' status bar.
    void ShowDictionaryInFillsStatus(const QString& text);
    void SymmStartBtnClick();
    void SymmRepeatsEditKeyPress();
    void SymmStopBtnClick();
    void StartSymmetricRun();
    /// FillsListBoxClick of the symmetrical fills list: shows the fill of the selected line.
    void FillsListBoxClick();

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
    void ClearGridBtnClick();
    void MirrorBtnClick();
    /// Fills the Across and Down lists from the slots (ListSlots) and the clue status bar.
    void ShowSlotLists();
    void RepaintGrid();

    // The imported list's controls on the Setup page (ImportedListControls)
    /// A seed word was selected (the Setup page asks again after a new freeform size).
    void SeedListBoxClick();

    // Freeform Generate page (FreeformGeneratePage): what it asks of the window
    FreeformGeneratePage& FreeformGenerate() { return *freeformGenerate_; }
    CluesPage& Clues() { return *cluesPage_; }
    RunController& Runs() { return runs_; }
    QTabWidget* WorkflowPages() const { return workflowTabs_; }
    QWidget* GeneratePage() const { return generatePage_; }
    /// True when the Generate page is on show with that kind (symmetrical or freeform) on top.
    bool ShowingGenerateKind(const QWidget* kind) const;
    /// What a freeform run pauses on the other pages.
    std::vector<QWidget*> PausedByFreeformRuns() const;
    /// The hint under the symmetrical fills list.
    void ShowSymmetricFillsHint(const QString& text);
    /// Shows a fill that the core has put into the crossword: lists, status and kept clue edits.
    void DisplayShownFill(const qm::ShownFill& shown);
    /// A line of "Grid Nos." was chosen: shows the fill of the line with the word highlighted.
    void GridsListBoxClick(const FillsOfWordRow& use);

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
    QWidget* BuildSymmFillOptions();
    QWidget* BuildSymmMain();
    QWidget* BuildGridPage();
    QWidget* BuildCategoryPage();
    void ConnectNavigation();
    void SetPanelColours();

    void Report(const std::exception& e);
    /// Empties the symmetrical fills list with the stores behind it.
    void EmptySymmFills();
    /// What a symmetrical run pauses, and its buttons.
    RunControls SymmetricRunControls() const;
    /// What the symmetrical run reports to the window.
    qm::RunCallbacks SymmetricRunCallbacks();

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
    ImportedListControls* importedList_ = nullptr;  ///< on the Setup page's two word list tabs
    QWidget* generatePage_ = nullptr;
    CluesPage* cluesPage_ = nullptr;
    DiagnosticsPage* diagnosticsPage_ = nullptr;
    FilePage* filePage_ = nullptr;
    OutputPage* outputPage_ = nullptr;

    // Generate page
    QLabel* generateHeaderPanel_ = nullptr;
    QStackedWidget* generateKinds_ = nullptr;
    QWidget* symmetricGenerate_ = nullptr;
    FreeformGeneratePage* freeformGenerate_ = nullptr;
    QTabWidget* symmetricGenerateTabs_ = nullptr;
    DictionaryOptionsTab* dictionaryOptions_ = nullptr;
    QWidget* symmetricFillOptionsTab_ = nullptr;
    QWidget* symmetricMainTab_ = nullptr;
    // " Fill Options "
    QLineEdit* iterationsEdit_ = nullptr;
    QCheckBox* showProgressCheck_ = nullptr;
    // " Main "
    QFrame* symmetricMainPanel_ = nullptr;
    QLabel* generateDescription_ = nullptr;
    QLineEdit* symmetricFillCountEdit_ = nullptr;
    QPushButton* symmetricStartButton_ = nullptr;
    QPushButton* symmetricStopButton_ = nullptr;
    QProgressBar* symmetricAttemptsProgress_ = nullptr;
    QProgressBar* symmetricSlotsProgress_ = nullptr;
    QFrame* symmetricFillsPanel_ = nullptr;
    ColumnHeader* symmetricFillsHeader_ = nullptr;
    RowList<FillRow> symmetricFills_;  ///< SymmFillsListBox
    QLabel* symmetricFillsHint_ = nullptr;
    QPlainTextEdit* progressLog_ = nullptr;
    PanelStatusBar* symmetricFillsStatus_ = nullptr;
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

    friend class MainWindowTest;
};

}  // namespace qm::ui
