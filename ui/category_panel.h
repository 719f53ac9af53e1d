// CategoryPanel: the subject categories on the right, with the category check list, the words of the
// category selected and the clue of the word clicked.
#pragma once

#include "core/words/category_browse.h"
#include "ui/row_list.h"

#include <QWidget>

class QCheckBox;
class QFrame;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace qm {
struct SelectionOptions;
}  // namespace qm

namespace qm::ui {

class MainWindow;
class PanelStatusBar;

/// The subject categories page (objectName _TabWordSel) of the window's right-hand side. Its choices
/// feed the word selection: a changed choice has the window rebuild the selection masks and recount.
class CategoryPanel : public QWidget {
    Q_OBJECT
public:
    explicit CategoryPanel(MainWindow& window);

    /// The categories checked and "Include all Non-Categorized Words", for the word selection.
    void ReadChoices(qm::SelectionOptions& options) const;
    /// Gives the page's three panels their colour.
    void SetPanelColours();

    /// "<< Close Dialogue": the grid is shown on the right again.
    void OnCloseClicked();
    /// Another category selected: its words, by length.
    void OnCategoryChosen();
    /// A category's check box changed: the selection is recounted and a checked category selected.
    void OnCategoryChecked(int row);
    void OnAllOtherWordsClicked();
    /// "Switch All Subjects OFF/ON": every category unchecked, or every one checked.
    void OnSwitchAllClicked();
    /// "No's. per category": the number of words of every category.
    void OnNumbersClicked();
    /// A word clicked: its clue below the list.
    void OnWordChosen();

private:
    /// Lists the nouns of the category selected in CategoryListBox, by length.
    void ShowCategoryWords();

    MainWindow& window_;
    /// The checked state the next "Switch All Subjects" click gives every category.
    bool switchAllTarget_ = false;
    QFrame* topPanel_ = nullptr;
    QFrame* mainPanel_ = nullptr;
    QFrame* bottomPanel_ = nullptr;
    QListWidget* categoryList_ = nullptr;
    RowList<CategoryListRow> categoryWords_;  ///< WordsListBox
    QPlainTextEdit* categoryClue_ = nullptr;
    PanelStatusBar* categoryStatus_ = nullptr;
    QCheckBox* allOtherWordsCheck_ = nullptr;
    QPushButton* switchAllButton_ = nullptr;
    QPushButton* numbersButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};

}  // namespace qm::ui
