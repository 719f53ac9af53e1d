// ImportedListControls: the controls of the imported list on the Setup page. The freeform word list tab
// (built-in list, paste, open, clear) and the symmetrical "External Word List" tab, each with its
// theme-word grid and status bar.
#pragma once

#include <QObject>

#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QWidget;

namespace qm {
struct ImportOutcome;
}  // namespace qm

namespace qm::ui {

class MainWindow;
class PanelStatusBar;
class SetupPage;
class ThemeWordGrid;

/// Builds its controls into the Setup page's two word list tabs. Both theme-word grids show the one
/// imported list, whichever tab imported it; after an import the freeform Generate page's seed list and
/// fill buttons follow the list, and a list for a symmetrical crossword is offered by symmetricListImported.
class ImportedListControls : public QObject {
    Q_OBJECT
public:
    ImportedListControls(MainWindow& window, SetupPage& setup);

    /// Shows the imported list in the theme-word grids, the seed list and the status bars.
    void ShowList();
    /// The built-in list combo box (Ctrl+F12 puts the shortcut's lists into it).
    QComboBox* BuiltInListCombo() const { return builtInListCombo_; }
    /// The controls a freeform run pauses.
    std::vector<QWidget*> PausedByRuns() const;

    void OnBuiltInListChosen();
    void OnPasteClicked();
    /// Imports a text file chosen in the open dialog (LoadWordListBtn and ExternalWordListFileBtnB).
    void OnOpenClicked();
    void OnClearClicked();

signals:
    /// An import for a symmetrical crossword reset the list's settings: the dictionary options offer it.
    void symmetricListImported();

private:
    void BuildFreeformTab();
    void BuildExternalTab();
    /// Shows what an import did: its message, its status texts and the list in the grids.
    void ShowImportOutcome(const qm::ImportOutcome& outcome);

    MainWindow& window_;
    SetupPage& setup_;
    // The freeform word list tab
    QComboBox* builtInListCombo_ = nullptr;
    QPushButton* pasteListButton_ = nullptr;
    QPushButton* loadListButton_ = nullptr;
    QPushButton* clearListButton_ = nullptr;
    QLabel* freeformClueCaption_ = nullptr;
    ThemeWordGrid* freeformImportedList_ = nullptr;
    PanelStatusBar* freeformImportedListStatus_ = nullptr;
    // "  External Word List  " (symmetrical setup page)
    QPushButton* loadExternalListButton_ = nullptr;
    QLabel* externalClueCaption_ = nullptr;
    ThemeWordGrid* symmetricImportedList_ = nullptr;
    PanelStatusBar* symmetricImportedListStatus_ = nullptr;
};

}  // namespace qm::ui
