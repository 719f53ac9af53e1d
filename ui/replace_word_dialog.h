// ReplaceWordDialog: the "Replace Word" dialog, listing the dictionary words that fit the selected word.
#pragma once

#include "core/clues/clue_editing.h"
#include "ui/row_list.h"

#include <QDialog>

#include <vector>

class QLabel;
class QPushButton;

namespace qm::ui {

/// A small tool window (not modal) beside the main window: the words (WordsListBox) and two footer
/// lines (FooterPnlA, FooterPnlB). A click on a word reports its row; the Clues page puts the word into
/// the crossword and closes the dialog.
class ReplaceWordDialog : public QDialog {
    Q_OBJECT
public:
    explicit ReplaceWordDialog(QWidget* parent = nullptr);

    /// Fills the list and the footer and shows the dialog beside the given window.
    void ShowAlternatives(std::vector<ReplacementChoice> rows, const QString& footerA, const QString& footerB, QWidget* beside);

signals:
    /// A word was clicked.
    void wordChosen(const qm::ReplacementChoice& choice);

private:
    RowList<ReplacementChoice> words_;
    QLabel* footerA_ = nullptr;
    QLabel* footerB_ = nullptr;
};

}  // namespace qm::ui
