// FreeformGeneratePage: the freeform kind of the Generate page. Its Fill Options tab (seed word, word
// lengths, duplicates, ranking), its Main tab (Quick Fill, runs of ranked fills with their list, Improve)
// and its Word Usage tab.
#pragma once

#include "core/fills/fill_list.h"
#include "ui/row_list.h"
#include "ui/run_controller.h"

#include <QWidget>

#include <cstdint>
#include <vector>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QVBoxLayout;

namespace qm {
struct FillsOfWordRow;
struct FreeformRunCallbacks;
struct ImportStatus;
struct ShownFill;
}  // namespace qm

namespace qm::ui {

class ColumnHeader;
class MainWindow;
class PanelStatusBar;
class SeedAndLengthOptions;
class WordUsageTab;

/// The freeform Generate page (objectName TabSheetGenFreeForm) with its tabs (PageControlFreeGen). Runs,
/// Quick Fill and Improve go through the window's RunController; the fills list (FreeFillsListBox) shows
/// the freeform fills best first, and a click on a line shows that fill.
class FreeformGeneratePage : public QWidget {
    Q_OBJECT
public:
    explicit FreeformGeneratePage(MainWindow& window);

    // What the other pages ask of it
    /// Shows the Main tab (a new freeform crossword, a loaded file, "Add This Grid").
    void ShowMainTab();
    /// Empties the fills list with the store behind it; Improve has nothing to work on.
    void EmptyFills();
    void ClearFillsHint();
    /// Quick Fill and Start: on when the imported list allows a fill.
    void EnableFillButtons(bool enabled);
    /// A loaded crossword file is the one fill of the list, selected; a run cannot start from it.
    void ShowLoadedFill(const FillRow& row);
    /// The progress bars go back to empty (the display of a fill was reset).
    void ResetProgress();
    /// The grid was cleared: no fill is selected and Improve has nothing to work on.
    void OnGridCleared();
    /// The imported list changed: the seed words, and its word count in the fills' status bar.
    void ShowImportedList(const qm::ImportStatus& status);
    /// The word length settings of the imported list (an import for a symmetrical crossword resets them).
    void ShowLengthOptions();
    /// Closes "Grid Nos." (the window closes).
    void CloseFillsOfWordDialog();
    /// The controls a freeform run pauses that the page owns.
    std::vector<QWidget*> PausedByRuns() const;

    // Handlers
    void OnQuickFillClicked();
    void OnStartClicked();
    void OnStopClicked();
    void OnImproveClicked();
    void OnFillsListMouseUp(Qt::MouseButton button);
    /// A line of the fills list was chosen: shows its fill.
    void OnFillChosen();
    /// "Add This Grid" on the Clues page: the fill on display joins the list.
    void OnAddThisGridChosen();
    /// A line of "Grid Nos." was chosen: shows the fill with the word highlighted.
    void OnFillOfWordChosen(const qm::FillsOfWordRow& use);
    /// A seed word was selected (the Setup page asks again after a new freeform size).
    void OnSeedListClicked();
    /// The tabs or the workflow page changed: the Word Usage tab, when on show, shows the stores as they are now.
    void OnTabChanged();
    void OnWorkflowPageChanged();

private:
    void BuildTabs();
    void BuildFillOptionsTab();
    void BuildRankingOptions(QVBoxLayout* options);
    void BuildMainTab();
    void BuildRunRow(QVBoxLayout* mainCol);
    void BuildFillsList(QVBoxLayout* mainCol);
    void ConnectMainTab();

    /// Reads the fill options (duplicates, probability and, when asked, the ranking) into the freeform state.
    void ReadOptions(bool ranking);
    /// What the freeform run, Quick Fill and Improve report to the window.
    qm::FreeformRunCallbacks Callbacks();
    /// The fills list made to show the lines of the freeform fill list.
    void ShowFillsLines();
    /// Selects the line of fill n in the fills list (the last line when no other matches).
    void SelectFillLine(int n);
    /// Shows a freeform fill that the core put into the crossword, with its line selected.
    void DisplayFill(const qm::ShownFill& shown);
    /// What a freeform run or Improve pauses (Improve also the fills list), and its buttons.
    RunControls RunPauses(bool improving) const;

    MainWindow& window_;
    /// Improve is working on the fill on display: other fills are not shown until it ends.
    bool improving_ = false;

    QTabWidget* tabs_ = nullptr;
    QWidget* fillOptionsTab_ = nullptr;
    QWidget* mainTab_ = nullptr;
    WordUsageTab* wordUsageTab_ = nullptr;
    QFrame* fillOptionsPanel_ = nullptr;
    QFrame* mainPanel_ = nullptr;
    QFrame* quickFillPanel_ = nullptr;
    // Fill Options: seed word, word lengths, duplicates, ranking
    SeedAndLengthOptions* seedAndLength_ = nullptr;
    QCheckBox* allowDuplicatesCheck_ = nullptr;
    QCheckBox* modifyProbabilityCheck_ = nullptr;
    QRadioButton* rankByScoreRadio_ = nullptr;
    QRadioButton* rankByLettersRadio_ = nullptr;
    QRadioButton* rankByWordsRadio_ = nullptr;
    QRadioButton* rankByInterlocksRadio_ = nullptr;
    // Main: Quick Fill and Multiple Fills
    QPushButton* quickFillButton_ = nullptr;
    QProgressBar* quickFillProgress_ = nullptr;
    QLineEdit* fillCountEdit_ = nullptr;
    QPushButton* startButton_ = nullptr;
    QPushButton* stopButton_ = nullptr;
    QPushButton* improveButton_ = nullptr;
    QProgressBar* fillsProgress_ = nullptr;
    // The fills list (FreeFillsListBox), best first, with its column captions, hint and status bar
    RowList<FillRow> fills_;
    ColumnHeader* fillsHeader_ = nullptr;
    QLabel* fillsHint_ = nullptr;
    PanelStatusBar* fillsStatus_ = nullptr;
};

}  // namespace qm::ui
