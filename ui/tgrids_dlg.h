// TGridsDlg: the "Grid Nos." window, listing the stored fills that use a word.
#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QListWidget;
class QPushButton;

namespace qm::ui {

/// A small tool window (not modal) beside the main window. Its lines ("%4d%3d%3d%2d": fill, row,
/// column, length; row and column negative for a down word) are painted as "Fill n"; a click on one
/// reports the line, and the main window shows that fill with the word highlighted.
class TGridsDlg : public QDialog {
    Q_OBJECT
public:
    explicit TGridsDlg(QWidget* parent = nullptr);

    /// Replaces the lines of GridsListBox; no line is selected afterwards.
    void SetGridLines(const QStringList& lines);

    QLabel* Panel1 = nullptr;
    QListWidget* GridsListBox = nullptr;
    QPushButton* CloseBtn = nullptr;

signals:
    /// GridsListBoxClick: the line clicked.
    void gridChosen(const QString& line);

private:
    void CloseBtnClick();
};

/// The fill number of a "Grid Nos." line (characters 1-4), 0 when they are not a number.
int GridLineFill(const QString& line);

}  // namespace qm::ui
