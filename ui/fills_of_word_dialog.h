// FillsOfWordDialog: the "Grid Nos." window, listing the stored fills that use a word.
#pragma once

#include "core/stats/word_usage.h"
#include "ui/row_list.h"

#include <QDialog>

#include <vector>

class QLabel;
class QPushButton;

namespace qm::ui {

/// A small tool window (not modal) beside the main window. Its rows (the stored uses of a word) are
/// painted as "Fill n"; a click on one reports the row, and the main window shows that fill with the
/// word highlighted.
class FillsOfWordDialog : public QDialog {
    Q_OBJECT
public:
    explicit FillsOfWordDialog(QWidget* parent = nullptr);

    /// Replaces the rows of GridsListBox; no row is selected afterwards.
    void SetRows(std::vector<FillsOfWordRow> rows);

signals:
    /// A row was clicked: the main window shows that fill with the word marked.
    void gridChosen(const qm::FillsOfWordRow& use);

private:
    RowList<FillsOfWordRow> uses_;  ///< GridsListBox
};

}  // namespace qm::ui
