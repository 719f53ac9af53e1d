// CluesPage: the Clues page of the workflow. The Across and Down lists of the crossword on display, the
// clue of the selected word to read and edit, word replacement (symmetrical crosswords) and the removal of
// an answer (freeform crosswords).
#pragma once

#include "core/clues/clue_editing.h"
#include "ui/row_list.h"

#include <QWidget>

#include <functional>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace qm::ui {

class MainWindow;
class PanelStatusBar;

/// The Clues page (objectName TabSheetClues): the Across and Down tabs with their lists and clue memos,
/// "Replace Word..." and "Add This Grid", and the clue status bar. What is typed into a memo is kept in
/// the slot it shows when the memo loses the focus, the selection moves or the page is left.
class CluesPage : public QWidget {
    Q_OBJECT
public:
    explicit CluesPage(MainWindow& window);

    /// Entering the page selects the word of the list on show; leaving it keeps the clue edits and
    /// gives the grid its usual colours.
    void OnEntered();
    void OnLeft();
    /// Keeps what was typed into the clue memos in the slots they show.
    void CommitClueEdits();
    /// Fills the Across and Down lists from the slots (ListSlots) and the clue status bar.
    void ShowSlotLists();
    /// Empties the lists and memos and shows the Across tab (no fill on display).
    void Clear();
    /// True when either list has a row.
    bool HasRows() const;
    /// The tools of a symmetrical crossword (replace a word) or of a freeform one (remove an answer, add the grid).
    void ShowReplaceTools(bool replacing);
    void EnableReplaceWord(bool enabled);
    void EnableAddThisGrid(bool enabled);
    QPushButton* ReplaceWordButton() const { return replaceWordButton_; }
    QPushButton* AddThisGridButton() const { return addThisGridButton_; }
    /// The clue memos, read-only while a run works.
    std::vector<QPlainTextEdit*> ClueMemos() const;
    /// A click on the grid while the page is on show: selects the word under it (and offers
    /// replacements on a right click).
    void OnGridClicked(int col, int row, Qt::MouseButton button);
    /// A word chosen in the "Replace Word" dialog: puts it into the crossword when it still fits.
    void OnReplacementChosen(const ReplacementChoice& choice);
    /// The Delete key on the page (freeform): removes the selected answer unless a memo has the focus.
    /// True when the key was used up.
    bool OnDeleteKey();
    /// A memo that loses the focus keeps its edit.
    void OnFocusLost(const QObject* watched);
    /// Mirrors the crossword (flip) and shows the lists again with the selected answer kept on the other tab.
    void ShowFlipped(const std::function<void()>& flip);
    /// Gives the page's panels their colours.
    void SetPanelColours();

private:
    QWidget* BuildClueTab(bool across);
    QLayout* BuildButtons();
    RowList<ClueRow>& ClueList(bool across);
    QPlainTextEdit* ClueMemo(bool across) const;
    QLabel* CluePanel(bool across) const;
    bool AcrossOnShow() const;
    /// Highlights the word selected in the list of one direction and shows its clue.
    void SelectClueWord(bool across);
    void ClueMemoExit(bool across);
    void OnListMouseUp(bool across, Qt::MouseButton button);
    /// Opens the "Replace Word" dialog for slot k.
    void FindAlternatives(int slot);
    void DeleteSelectedAnswer();

    MainWindow& window_;
    /// The slot whose clue each memo shows (0 none): edits are kept there.
    int acrossMemoSlot_ = 0;
    int downMemoSlot_ = 0;
    QLabel* cluesHeaderPanel_ = nullptr;
    QTabWidget* clueTabs_ = nullptr;
    QWidget* acrossTab_ = nullptr;
    QWidget* downTab_ = nullptr;
    QFrame* acrossPanel_ = nullptr;
    QFrame* downPanel_ = nullptr;
    RowList<ClueRow> acrossClues_;  ///< AcrossListBox
    RowList<ClueRow> downClues_;    ///< DownListBox
    QLabel* acrossHint_ = nullptr;
    QLabel* downHint_ = nullptr;
    QLabel* acrossCluePanel_ = nullptr;
    QLabel* downCluePanel_ = nullptr;
    QPlainTextEdit* acrossClueEdit_ = nullptr;
    QPlainTextEdit* downClueEdit_ = nullptr;
    PanelStatusBar* clueStatus_ = nullptr;
    QPushButton* replaceWordButton_ = nullptr;
    QPushButton* addThisGridButton_ = nullptr;
};

}  // namespace qm::ui
