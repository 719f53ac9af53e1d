// TWordsDlg: the "Replace Word" dialog, listing the dictionary words that fit the selected word.
#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QListWidget;
class QPushButton;

namespace qm::ui {

/// A small tool window (not modal) beside the main window. A click on a word reports its line; the
/// main window puts the word into the crossword and closes the dialog.
class TWordsDlg : public QDialog {
    Q_OBJECT
public:
    explicit TWordsDlg(QWidget* parent = nullptr);

    /// Fills the list and the footer and shows the dialog beside the given window.
    void ShowAlternatives(const QStringList& lines, const QString& footerA, const QString& footerB, QWidget* beside);

    QListWidget* WordsListBox = nullptr;
    QLabel* FooterPnlA = nullptr;
    QLabel* FooterPnlB = nullptr;
    QPushButton* CloseBtn = nullptr;

signals:
    /// WordsListBoxClick: the line of the word clicked.
    void wordChosen(const QString& line);

private:
    void CloseBtnClick();
};

}  // namespace qm::ui
