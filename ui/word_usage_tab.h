// WordUsageTab: the Word Usage tab of the freeform Generate page. How often each imported word was used in
// the stored fills, and the "Grid Nos." window that lists the fills using a word.
#pragma once

#include "core/stats/word_usage.h"

#include <QWidget>

class QFrame;
class QRadioButton;

namespace qm::ui {

class FillsOfWordDialog;
class MainWindow;
class WordUsageGrid;

/// The Word Usage tab (objectName TabSheetUsage, its panel WordUsagePanel): four radio buttons choose
/// the table (alphabetical, ranked, grouped by length, length summary); a click on a word opens
/// "Grid Nos." with the fills that use it, and a line chosen there is reported by fillOfWordChosen.
class WordUsageTab : public QWidget {
    Q_OBJECT
public:
    explicit WordUsageTab(MainWindow& window);

    /// Builds the table of the checked radio button from the fill word store.
    void ShowCheckedTable();
    /// Builds one word usage table from the fill word store into WordUsageStringGrid.
    void ShowTable(qm::UsageTableKind kind);
    /// Closes "Grid Nos." (the window closes).
    void CloseFillsOfWordDialog();
    /// A click on the word usage table (viewport point): a word opens "Grid Nos." with its fills.
    void OnTableMouseUp(QPoint at);

    /// The word's squares highlighted in the fill on display, when it still holds that word there.
    void HighlightWord(const qm::FillsOfWordRow& use);

signals:
    /// A line of "Grid Nos." was chosen: the fill to show, with the word to highlight in it.
    void fillOfWordChosen(const qm::FillsOfWordRow& use);

private:
    void BuildPanel();
    /// The table of the checked radio button (alphabetical, ranked, grouped, otherwise the summary).
    qm::UsageTableKind CheckedTable() const;

    MainWindow& window_;
    QFrame* panel_ = nullptr;
    QRadioButton* alphabeticalRadio_ = nullptr;
    QRadioButton* rankedRadio_ = nullptr;
    QRadioButton* groupedRadio_ = nullptr;
    QRadioButton* summaryRadio_ = nullptr;
    WordUsageGrid* table_ = nullptr;
    FillsOfWordDialog* fillsOfWordDialog_ = nullptr;
};

}  // namespace qm::ui
