// TWordsDlg: the "Replace Word" dialog, listing the dictionary words that fit the selected word.
#pragma once

#include "core/clues/clue_editing.h"
#include "ui/row_list.h"

#include <QDialog>

#include <vector>

class QLabel;
class QPushButton;

namespace qm::ui {

/// A small tool window (not modal) beside the main window. A click on a word reports its line; the
/// main window puts the word into the crossword and closes the dialog.
class TWordsDlg : public QDialog {
    Q_OBJECT
public:
    explicit TWordsDlg(QWidget* parent = nullptr);

    /// Fills the list and the footer and shows the dialog beside the given window.
    void ShowAlternatives(std::vector<ReplacementChoice> rows, const QString& footerA, const QString& footerB, QWidget* beside);

    RowList<ReplacementChoice> WordsListBox;
    QLabel* FooterPnlA = nullptr;
    QLabel* FooterPnlB = nullptr;
    QPushButton* CloseBtn = nullptr;

signals:
    /// WordsListBoxClick: the row of the word clicked.
    void wordChosen(const qm::ReplacementChoice& choice);

private:
    void CloseBtnClick();
};

}  // namespace qm::ui
