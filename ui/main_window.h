// MainWindow: the main window. It owns the program's state and binds the workflow pages to the core.
#pragma once

#include "core/clues/clue_editing.h"
#include "core/state.h"
#include "core/stats/word_usage.h"
#include "core/words/category_browse.h"
#include "ui/row_list.h"
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
class QScrollBar;
class QSlider;
class QSpinBox;
class QStackedWidget;
class QTabWidget;
class QTableWidget;


namespace qm {
struct FreeformRunCallbacks;
struct ImportOutcome;
struct ShownFill;
enum class SeedWordChoice : std::uint8_t;
struct SelectionOptions;
enum class UsageTableKind : std::uint8_t;
}  // namespace qm

namespace qm::ui {

class ColumnHeader;
class CountTable;
class HelpWindow;
class MainStringGrid;
class OutputPage;
class PagePreview;
class PanelStatusBar;
class StockGridPreview;
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
/// main_window_setup.cpp, main_window_generate.cpp, main_window_import.cpp, main_window_freeform.cpp, main_window_usage.cpp,
/// main_window_categories.cpp, main_window_clues.cpp, main_window_grid.cpp, main_window_file.cpp, main_window_output.cpp and
/// main_window_statistics.cpp.
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

    // Application shell (main_window.cpp)
    void FormShow();
    void HelpBtnClick();
    void URLLabelClick();
    void ExitBtnClick();

    // Home page (main_window_home.cpp)
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

    // Setup page (main_window_setup.cpp)
    void StockGridListBoxClick();
    /// Shows the stock grids of the size selected in StockGridListBox as thumbnails, with a blank grid.
    void ShowStockGridsOfSize();
    void PreviewScrollBarScroll(int scrollPos);
    /// A click on the thumbnails: chooses the stock grid under the mouse and analyses it.
    void PreviewImgMouseUp(int x, int y);
    void FreeformDimensionListBoxClick();

    // Generate page: dictionary options and the run of symmetrical fills (main_window_generate.cpp)
    void DictionaryRadioClick();
    void ImportedWordRadioClick();
    void POSCheckClick();
    void TrackBarRareChange();
    void DefaultDictionaryBtnClick();
    void SetDictionaryControls(bool enabled);
    /// Rebuilds the selection masks from the controls (and the Default button's state).
    void BuildSelectionMasks();
    /// Recounts the words per length and shows them in DictionaryStringGrid and the status bars.
    void CountSelection();
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

    // Clues page (main_window_clues.cpp)
    void TabSheetCluesEnter();
    void TabSheetCluesExit();
    void CluePageControlChange();
    void AcrossListBoxClick();
    void DownListBoxClick();
    void AcrossListBoxMouseUp(Qt::MouseButton button);
    void DownListBoxMouseUp(Qt::MouseButton button);
    void AcrossClueMemoExit();
    void DownClueMemoExit();
    void MainStringGridMouseUp(int col, int row, Qt::MouseButton button);
    void ReplaceWordBtnClick();
    /// SelectClueWord: highlights the word selected in the list of one direction and shows its clue.
    void SelectClueWord(bool across);
    /// Opens the "Replace Word" dialog for slot k.
    void FindAlternatives(int slot);
    /// WordsListBoxClick of the "Replace Word" dialog: puts the chosen word into the crossword.
    void WordsDlgWordsListBoxClick(const ReplacementChoice& choice);
    /// Keeps what was typed into the clue memos in the slots they show.
    void CommitClueEdits();

    // Grid page (main_window_grid.cpp)
    void LayOutMainGrid();
    void ShowFillStatus(int words, int letters, int interlocks);
    void ResetFillDisplay();
    void ClearGridBtnClick();
    void MirrorBtnClick();
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

    // File page (main_window_file.cpp)
    void SaveBtnClick();
    void ReloadBtnClick();
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
    QWidget* BuildHomePage();
    QWidget* BuildSetupPage();
    QWidget* BuildSymmetricSetup();
    QWidget* BuildFreeformSetup();
    QWidget* BuildGeneratePage();
    QWidget* BuildSymmDictionaryOptions();
    QWidget* BuildSymmFillOptions();
    QWidget* BuildSymmMain();
    QWidget* BuildFreeformGenerate();
    QWidget* BuildCluesPage();
    QWidget* BuildClueTab(bool across);
    QWidget* BuildStatisticsPage();
    QWidget* BuildFilePage();
    QWidget* BuildGridPage();
    QWidget* BuildCategoryPage();
    void ConnectNavigation();
    void SetPanelColours();
    void InitDictionaryGrid();

    void Report(const std::exception& e);
    void SetCaption();
    RowList<ClueRow>& ClueList(bool across);
    QPlainTextEdit* ClueMemo(bool across) const;
    QLabel* CluePanel(bool across) const;
    bool CluesPageShowing() const;
    void ListBoxMouseUp(bool across, Qt::MouseButton button);
    void ClueMemoExit(bool across);
    void DeleteSelectedAnswer();
    qm::SelectionOptions ReadSelectionOptions() const;
    void RedrawStockGridPreviews();
    /// Empties the symmetrical fills list with the stores behind it.
    void EmptySymmFills();
    /// Asks whether the listed fills may go ("You've created n grid fills. ..."); true when they may.
    bool MayDiscardSymmFills(const QString& what);
    /// Shows a fill that the core has put into the crossword: lists, status and kept clue edits.
    void DisplayShownFill(const qm::ShownFill& shown);
    /// Enables or disables what must not act while a run of fills is going on.
    void SetRunControls(bool running);

    StartupOptions options_;
    std::unique_ptr<UserDialogs> dialogs_;
    QuillmereState state_;
    QWidget* previousLeftPage_ = nullptr;
    /// The slot whose clue each memo shows (0 none): edits are kept there.
    int acrossMemoSlot_ = 0;
    int downMemoSlot_ = 0;
    /// The checked state the next "Switch All Subjects" click gives every category.
    bool SwitchAllTarget = false;
    /// The thumbnails of the size on show, as laid out for PreviewImg.
    PreviewLayout previewLayout_;
    /// The row of StockGridListBox whose grids are on show.
    int shownStockSizeRow_ = -1;
    /// The window was asked to close during a run: it closes when the run has stopped.
    bool closeAfterRun_ = false;
    /// The controls disabled for a run, with their state before it.
    std::vector<std::pair<QPointer<QWidget>, bool>> pausedDuringRun_;

    // Secondary windows
    HelpWindow* Help = nullptr;
    DiagnosticsWindow* Form4 = nullptr;
    ReplaceWordDialog* WordsDlg = nullptr;

    // Left: the workflow pages
    QTabWidget* PageControlLeft = nullptr;
    QWidget* TabsheetHome = nullptr;
    QWidget* TabSheetSetup = nullptr;
    QWidget* TabSheetGenerate = nullptr;
    QWidget* TabSheetClues = nullptr;
    QWidget* TabSheetHidden = nullptr;
    QWidget* TabSheetFile = nullptr;
    OutputPage* outputPage_ = nullptr;

    // Home page
    QFrame* HomePanel = nullptr;
    QPushButton* SymmetricBitBtn = nullptr;
    QPushButton* FreeformBitBtn = nullptr;
    QPushButton* LoadFileBitBtn = nullptr;
    QPushButton* HelpBtn = nullptr;
    QPushButton* ExitBtn = nullptr;
    UrlLabel* URLLabel = nullptr;

    // Setup page
    QStackedWidget* PageControlSetup = nullptr;
    QWidget* TabSheetSymmetric = nullptr;
    QWidget* TabSheetFreeForm = nullptr;
    QTabWidget* PageControlSymmetric = nullptr;
    QWidget* TabSheetGrids = nullptr;
    QWidget* TabSheetExternalList = nullptr;
    QWidget* TabSheetTestStuff = nullptr;
    QListWidget* StockGridListBox = nullptr;
    StockGridPreview* PreviewImg = nullptr;
    QScrollBar* PreviewScrollBar = nullptr;
    PanelStatusBar* StockGridStatusBar = nullptr;
    QTabWidget* PageControlThemed = nullptr;
    QWidget* TabSheetBuiltIn = nullptr;
    QListWidget* FreeformDimensionListBox = nullptr;
    QPushButton* NextBtn1 = nullptr;
    QPushButton* BackBtn1 = nullptr;

    // Generate page
    QLabel* GenerateHeaderPanel = nullptr;
    QStackedWidget* PageControlGenerate = nullptr;
    QWidget* TabSheetGenSymmetric = nullptr;
    QWidget* TabSheetGenFreeForm = nullptr;
    QTabWidget* PageControlSymmGen = nullptr;
    QWidget* TabSheetSymmDictionary = nullptr;
    QWidget* TabSheetSymmOptions = nullptr;
    QWidget* TabSheetSymmMain = nullptr;
    // " Dictionary Options "
    QFrame* MultiSymmDictPnl = nullptr;
    QRadioButton* DictionaryRadio = nullptr;
    QRadioButton* ImportedWordRadio = nullptr;
    QCheckBox* ImportedWordCheck = nullptr;
    QLabel* WordTypeLab = nullptr;
    QCheckBox* POSNounCommonCheck = nullptr;
    QCheckBox* POSNounProperCheck = nullptr;
    QCheckBox* POSOtherCheck = nullptr;
    QCheckBox* POSInitialsCheck = nullptr;
    QLabel* FreqLab = nullptr;
    QSlider* TrackBarRare = nullptr;
    QList<QLabel*> TrackBarLabels;
    QPushButton* DefaultDictionaryBtn = nullptr;
    QPushButton* WordCategBtn = nullptr;
    CountTable* DictionaryStringGrid = nullptr;
    PanelStatusBar* DictionaryStatsStatusBar = nullptr;
    // " Fill Options "
    QLineEdit* IterationsEdit = nullptr;
    QCheckBox* SymmProgressCheck = nullptr;
    // " Main "
    QFrame* MultiSymmMainPnl = nullptr;
    QLabel* MultipleFillsLab = nullptr;
    QLineEdit* SymmRepeatsEdit = nullptr;
    QPushButton* SymmStartBtn = nullptr;
    QPushButton* SymmStopBtn = nullptr;
    QProgressBar* ProgressBarSymmMult = nullptr;
    QProgressBar* ProgressBarSymmQuick = nullptr;
    QFrame* MultFillsPanel = nullptr;
    ColumnHeader* SymmFillsHeaderPnl = nullptr;
    RowList<FillRow> symmetricFills_;  ///< SymmFillsListBox
    QLabel* SymmFillStatusPnl = nullptr;
    QPlainTextEdit* ProgressMemo = nullptr;
    PanelStatusBar* SymmFillsStatusBar = nullptr;
    // Freeform
    QTabWidget* PageControlFreeGen = nullptr;
    QWidget* TabSheetFreeOptions = nullptr;
    QWidget* TabSheetFreeMain = nullptr;
    QWidget* TabSheetUsage = nullptr;
    QFrame* TabsheetFreeOptionsPnl = nullptr;
    QFrame* TabsheetFreeMainPnl = nullptr;
    QFrame* QuickFillPanel = nullptr;
    QFrame* WordUsagePanel = nullptr;
    /// The freeform fills, best first (built with the freeform Main tab).
    RowList<FillRow> freeformFills_;  ///< FreeFillsListBox

    // Imported word list and freeform Generate page (main_window_import.cpp, main_window_freeform.cpp)
    /// Fills the word list tab of the freeform setup page and the "External Word List" tab.
    void BuildImportedListControls();
    /// The seed word group and the optimal length and variation settings (on the Fill Options tab).
    QWidget* BuildSeedAndLengthOptions(QWidget* parent);
    /// Fills the "Fill Options" and "Main" tabs of the freeform Generate page.
    void BuildFreeformGenerateTabs();
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
    /// Enables or disables what must not act while freeform fills are made or improved.
    void SetFreeRunControls(bool running);
    /// Improve is working on the fill on display: other fills are not shown until it ends.
    bool improving_ = false;
    // Word list sources (freeform setup page)
    QComboBox* ThemeCombo = nullptr;
    QPushButton* ClipboardBtn = nullptr;
    QPushButton* LoadWordListBtn = nullptr;
    QPushButton* ClearWordListBtn = nullptr;
    QLabel* FreeClueLab = nullptr;
    ThemeWordGrid* FreeformThemeDrawGrid = nullptr;
    PanelStatusBar* ThemeListStatusBar = nullptr;
    // "  External Word List  " (symmetrical setup page)
    QPushButton* ExternalWordListFileBtnB = nullptr;
    QLabel* HybClueLab = nullptr;
    ThemeWordGrid* SymmetricThemeDrawGrid = nullptr;
    PanelStatusBar* WordListStatusBar = nullptr;
    // Fill Options: seed word, word lengths, duplicates, ranking
    QRadioButton* RandomWordsRadio = nullptr;
    QRadioButton* SeedWordRadio = nullptr;
    QRadioButton* GridRadio = nullptr;
    QListWidget* SeedListBox = nullptr;
    QSpinBox* OptLengthSpinEdit = nullptr;
    QSpinBox* DeviationSpinEdit = nullptr;
    QCheckBox* DupCheckBox = nullptr;
    QCheckBox* AlterProbCheckBox = nullptr;
    QRadioButton* MaxScoreRadio = nullptr;
    QRadioButton* MaxLettersRadio = nullptr;
    QRadioButton* MaxWordsRadio = nullptr;
    QRadioButton* MaxILocksRadio = nullptr;
    // Main: Quick Fill and Multiple Fills
    QPushButton* FreeQuickFillBtn = nullptr;
    QProgressBar* ProgressBarFreeQuick = nullptr;
    QLineEdit* FreeRepeatsEdit = nullptr;
    QPushButton* FreeStartBtn = nullptr;
    QPushButton* FreeStopBtn = nullptr;
    QPushButton* FreeImproveBtn = nullptr;
    QProgressBar* ProgressBarFreeMult = nullptr;
    ColumnHeader* FreeFillsHeaderPnl = nullptr;
    QLabel* FreeFillStatusPnl = nullptr;
    PanelStatusBar* FreeFillsStatusBar = nullptr;
    // Clues page
    QPushButton* AddToListOfGridsBtn = nullptr;
    QPushButton* NextBtn2 = nullptr;
    QPushButton* BackBtn2 = nullptr;

    // Clues page
    QLabel* CluesHeaderPanel = nullptr;
    QTabWidget* CluePageControl = nullptr;
    QWidget* AcrossTabSheet = nullptr;
    QWidget* DownTabSheet = nullptr;
    QFrame* AcrossPanel = nullptr;
    QFrame* DownPanel = nullptr;
    RowList<ClueRow> acrossClues_;  ///< AcrossListBox
    RowList<ClueRow> downClues_;    ///< DownListBox
    QLabel* ClueLabA2 = nullptr;
    QLabel* ClueLabD2 = nullptr;
    QLabel* AcrossCluePnl = nullptr;
    QLabel* DownCluePnl = nullptr;
    QPlainTextEdit* AcrossClueMemo = nullptr;
    QPlainTextEdit* DownClueMemo = nullptr;
    PanelStatusBar* ClueStatusBar = nullptr;
    QPushButton* ReplaceWordBtn = nullptr;

    // File page
    QFrame* FilePanel = nullptr;
    QPushButton* SaveBtn = nullptr;
    QPushButton* ReloadBtn = nullptr;

    // Right: grid page, output preview, subject categories
    QStackedWidget* PageControlRight = nullptr;
    QWidget* GridPage = nullptr;
    QWidget* CategoryPage = nullptr;
    QLabel* HeaderPnl = nullptr;
    QFrame* GridPanel = nullptr;
    MainStringGrid* MainStringGridView = nullptr;
    PanelStatusBar* MainStatusBar = nullptr;
    QPushButton* ClearGridBtn = nullptr;
    QPushButton* MirrorBtn = nullptr;
    QFrame* SubjectTopPnl = nullptr;
    QFrame* SubjectMainPnl = nullptr;
    QFrame* SubjectBottPnl = nullptr;
    QListWidget* CategoryListBox = nullptr;
    RowList<CategoryListRow> categoryWords_;  ///< WordsListBox of the category page
    QPlainTextEdit* CategoryClueMemo = nullptr;
    PanelStatusBar* CategStatusBar = nullptr;
    QCheckBox* AllOtherCheck = nullptr;
    QPushButton* SwitchAllBtn = nullptr;
    QPushButton* NumbersBtn = nullptr;
    QPushButton* SubjectCloseBtn = nullptr;

    // Word usage and diagnostics (main_window_usage.cpp, main_window_statistics.cpp)
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
    void OnPopulateTightInterlockList();
    void OnKnockOutSingleInterlockWords();
    void InterlockAreaBoxClick();
    void WrdCntCheckBoxClick();
    void RawDataCheckBoxClick();
    void FillSeqBtnClick();
    void WordArrBtnClick();
    void MainWordArrayBtnClick();
    void ListOfGridsBtnClick();

private:
    void BuildWordUsagePanel();
    /// The table of the checked radio button (alphabetical, ranked, grouped, otherwise the summary).
    qm::UsageTableKind CheckedUsageTable() const;
    /// Rebuilds the usage table when its tab is the one on show.
    void RefreshWordUsageIfShown();
    /// The grid's painter after a diagnostic check box changed: the view of the last box checked.
    void SetDiagnosticPainter(bool checked, GridPainter painter);
    void ShowInterlockSquares();

    FillsOfWordDialog* GridsDlg = nullptr;
    // Word Usage tab
    QRadioButton* AlphaRadio = nullptr;
    QRadioButton* RankedRadio = nullptr;
    QRadioButton* GroupedRadio = nullptr;
    QRadioButton* SummarisedRadio = nullptr;
    WordUsageGrid* WordUsageStringGrid = nullptr;
    // Statistics page
    QPlainTextEdit* TightInterlockListing = nullptr;
    QLabel* InterlockStatusLabel = nullptr;
    QPushButton* PopulateTightInterlockListButton = nullptr;
    QPushButton* KnockOutSingleInterlockWordsButton = nullptr;
    QCheckBox* RawDataCheckBox = nullptr;
    QCheckBox* InterlockCheckBox = nullptr;
    QCheckBox* WrdCntCheckBox = nullptr;
    QPushButton* FillSeqBtn = nullptr;
    QPushButton* WordArrBtn = nullptr;
    QPushButton* MainWordArrayBtn = nullptr;
    QPushButton* ListOfGridsBtn = nullptr;
    QCheckBox* LogFileCheck = nullptr;
    QCheckBox* DlgCheck = nullptr;

    friend class MainWindowTest;
};

}  // namespace qm::ui
