// SymmetricGeneratePage: the Generate page of a symmetrical crossword: which words a fill may use
// (DictionaryOptionsTab), the fill options, and the run of fills with its list of fills and progress log.
#pragma once

#include "core/fills/fill_list.h"
#include "ui/row_list.h"
#include "ui/run_controller.h"

#include <QString>
#include <QWidget>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QVBoxLayout;

namespace qm {
struct AnyRunResult;
struct RunCallbacks;
}

namespace qm::ui {

class ColumnHeader;
class DictionaryOptionsTab;
class MainWindow;
class PanelStatusBar;

/// The page (objectName TabSheetGenSymmetric), one of the two kinds the Generate page stacks: the tabs
/// " Dictionary Options ", " Fill Options " and " Main ". A run goes through the main window's
/// RunController; the fill it shows goes to the main window's grid and Clues page. The description line
/// it writes sits in the Generate page's header, which both kinds share.
class SymmetricGeneratePage : public QWidget {
    Q_OBJECT
public:
    SymmetricGeneratePage(MainWindow& window, QLabel* description);

    DictionaryOptionsTab& DictionaryOptions() { return *dictionaryOptions_; }
    /// The number of fills in the list.
    int FillCount() const { return fills_.Count(); }
    /// Asks whether the listed fills may go ("You've created n grid fills. ..."); true when they may
    /// (then they are gone, with the stores behind them).
    bool MayDiscardFills(const QString& what);
    /// Empties the fills list with the stores behind it and the fill on display.
    void EmptyFills();
    /// A new symmetrical crossword: no fills, no hint, an empty log and the usual number of fills.
    void StartAfresh();
    /// Empties the fills list and its hint, leaving the stores alone (a loaded crossword replaces them).
    void ClearFillsList();
    /// The Start button and the fill sequence diagnostics: on only while a stock grid is chosen.
    void EnableStart(bool enabled);
    /// The Start button, which a freeform run pauses as well.
    QPushButton* StartButton() const { return startButton_; }
    /// The hint below the list once a fill was chosen.
    void ShowAnotherFillHint();
    /// The grid was cleared: no fill is chosen and the run's status is gone.
    void OnGridCleared();
    /// Empties the attempts bar (a fill display being reset).
    void ResetAttemptsProgress();
    /// The " Main " tab, as at start and for a new crossword.
    void ShowMainTab();
    /// Describes in the Generate page's header what the fills are made from.
    void ShowDescription();
    /// The dictionary's word count in the status bar below the list.
    void ShowDictionaryInStatus();
    void SetPanelColours();

private:
    QWidget* BuildFillOptionsTab();
    QWidget* BuildMainTab();
    void BuildFillsList(QVBoxLayout* col);
    void ConnectMainTab();

    void OnStartClicked();
    void OnStopClicked();
    /// Enter in the number of fills starts the run as the Start button does.
    void OnFillCountEntered();
    /// A click on (or a move to) a line of the fills list: shows its fill.
    void OnFillClicked();
    void OnTabChanged();

    /// Runs the fills: reads the options, lets the run controller pause the window, lists the fills.
    void RunFills();
    /// The run of fills of the grid in the designer (design_fill_run.cpp), which Start makes while the
    /// Setup page is designing.
    void RunDesignedGridFills();
    /// What the page shows when a run of a designed grid's fills ends: its totals, its message, the first fill.
    void ShowDesignRunEnd(const qm::AnyRunResult& run);
    /// What the run reports to the page, the grid and the diagnostics.
    qm::RunCallbacks RunReports();
    /// What a run pauses, and its buttons.
    RunControls RunPauses() const;

    MainWindow& window_;
    QLabel* description_;
    QTabWidget* tabs_ = nullptr;
    DictionaryOptionsTab* dictionaryOptions_ = nullptr;
    QWidget* fillOptionsTab_ = nullptr;
    QWidget* mainTab_ = nullptr;
    // " Fill Options "
    QLineEdit* iterationsEdit_ = nullptr;
    QCheckBox* showProgressCheck_ = nullptr;
    // " Main "
    QFrame* mainPanel_ = nullptr;
    QLineEdit* fillCountEdit_ = nullptr;
    QPushButton* startButton_ = nullptr;
    QPushButton* stopButton_ = nullptr;
    QProgressBar* attemptsProgress_ = nullptr;
    QProgressBar* slotsProgress_ = nullptr;
    QFrame* fillsPanel_ = nullptr;
    ColumnHeader* fillsHeader_ = nullptr;
    RowList<FillRow> fills_;  ///< SymmFillsListBox
    QLabel* fillsHint_ = nullptr;
    QPlainTextEdit* progressLog_ = nullptr;
    PanelStatusBar* fillsStatus_ = nullptr;
};

}  // namespace qm::ui
