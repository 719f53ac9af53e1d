// TForm5: the main window. It owns the program's state and binds the workflow pages to the core.
#pragma once

#include "core/state.h"
#include "ui/user_dialogs.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>

class QLabel;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QTabWidget;
class QFrame;

namespace qm::ui {

class HelpWindow;
class MainStringGrid;
class PanelStatusBar;
class UrlLabel;

/// How the window starts: where WORD.LST is looked for, and the random generator's clock.
struct StartupOptions {
    QStringList DataDirs;                          ///< folders searched for WORD.LST, in order
    std::optional<std::uint32_t> SimulatedSeed;    ///< reproducible random numbers (tests)
};

/// The folders searched for WORD.LST by default: the working directory, then the program's folder.
QStringList DefaultDataDirs();

class TForm5 : public QWidget {
    Q_OBJECT
public:
    explicit TForm5(StartupOptions options = {}, std::unique_ptr<UserDialogs> dialogs = nullptr,
                    QWidget* parent = nullptr);
    ~TForm5() override;

    QuillmereState& State() { return state_; }
    UserDialogs& Dialogs() { return *dialogs_; }

    // Application shell
    void FormShow();
    void HelpBtnClick();
    void URLLabelClick();
    void ExitBtnClick();
    void ShowWorkflowTabs(bool visible);

    // Grid display
    void LayOutMainGrid();
    void ShowFillStatus(int words, int letters, int interlocks);
    void ResetFillDisplay();
    void ClearGridBtnClick();
    void MirrorBtnClick();
    /// Fills the Across and Down lists from the slots (ListSlots) and the clue status bar.
    void ShowSlotLists();
    void RepaintGrid();

    /// The web page the Home page's label opens.
    static const char* const MakerWebPage;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void BuildPages();
    QWidget* BuildHomePage();
    QWidget* BuildGridPage();
    QWidget* BuildCluesPage();
    /// Runs an operation; a Failure or any other exception ends it with a message box.
    void Guard(const std::function<void()>& operation);
    void Report(const std::exception& e);
    void SetCaption();

    StartupOptions options_;
    std::unique_ptr<UserDialogs> dialogs_;
    QuillmereState state_;

    // Left: the workflow pages
    QTabWidget* PageControlLeft = nullptr;
    QWidget* TabsheetHome = nullptr;
    QWidget* TabSheetSetup = nullptr;
    QWidget* TabSheetGenerate = nullptr;
    QWidget* TabSheetClues = nullptr;
    QWidget* TabSheetHidden = nullptr;
    QWidget* TabSheetFile = nullptr;
    QWidget* TabSheetPrint = nullptr;

    // Home page
    QFrame* HomePanel = nullptr;
    QPushButton* SymmetricBitBtn = nullptr;
    QPushButton* FreeformBitBtn = nullptr;
    QPushButton* LoadFileBitBtn = nullptr;
    QPushButton* HelpBtn = nullptr;
    QPushButton* ExitBtn = nullptr;
    UrlLabel* URLLabel = nullptr;
    HelpWindow* Help = nullptr;

    // Right: grid page, output preview, subject categories
    QStackedWidget* PageControlRight = nullptr;
    QWidget* _TabGrid = nullptr;
    QWidget* _TabPrint = nullptr;
    QWidget* _TabWordSel = nullptr;
    QLabel* HeaderPnl = nullptr;
    QFrame* GridPanel = nullptr;
    MainStringGrid* MainStringGridView = nullptr;
    PanelStatusBar* MainStatusBar = nullptr;
    QPushButton* ClearGridBtn = nullptr;
    QPushButton* MirrorBtn = nullptr;

    // Clues page
    QTabWidget* CluePageControl = nullptr;
    QWidget* AcrossTabSheet = nullptr;
    QWidget* DownTabSheet = nullptr;
    QListWidget* AcrossListBox = nullptr;
    QListWidget* DownListBox = nullptr;
    PanelStatusBar* ClueStatusBar = nullptr;

    friend class TForm5Test;
};

}  // namespace qm::ui
