// OutputPage: the Output page of the workflow (output options, print and exports) and the page preview
// it draws on the right-hand side of the window.
#pragma once

#include "core/output/output_options.h"

#include <QList>
#include <QWidget>

#include <optional>
#include <string>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QToolButton;

namespace qm {
struct QuillmereState;
}

namespace qm::ui {

class MainWindow;
class PagePreview;
class PanelStatusBar;

/// The Output page (objectName TabSheetPrint): the "Items to Display" buttons, the grid's printed size,
/// font, blocking style, title and extras, the class sheet options, and the print and export buttons.
/// It also owns the preview page (objectName _TabPrint) that the main window shows on its right while
/// this page is on show: one printed page at a time, with buttons to the others when there are more.
/// It reads and writes the output options of the main window's state and nothing else.
class OutputPage : public QWidget {
    Q_OBJECT
public:
    explicit OutputPage(MainWindow& window);

    /// The page preview, for the right-hand side of the window.
    QWidget* PreviewPage() const { return previewPage_; }
    /// The output mode of the checked "Items to Display" button.
    OutputMode CheckedMode() const;
    /// Entering the page: the size status, the track bar and the preview.
    void OnEntered();
    /// Enables (or disables) the options, print and export buttons; they stay off without a printer.
    void EnableOutput(bool enabled);
    /// Shows the output options of the state (after a load) without redrawing for each of them.
    void ShowOptions();
    /// Puts the track bar at the default size of a grid size without redrawing the preview.
    void MoveGridSizeQuietly(int gridSize);
    /// The installed font of that name as the font list spells it; none when it is not installed.
    std::optional<std::string> InstalledFont(const std::string& name) const;
    /// Gives the page's panels their colours.
    void SetPanelColours();

private:
    QGroupBox* BuildModeButtons();
    QFrame* BuildStylePanel();
    QLayout* BuildGridSizeColumn(QWidget* panel);
    QLayout* BuildTextOptions(QWidget* panel);
    QGroupBox* BuildClassSheetOptions(QWidget* panel);
    QLayout* BuildOutputButtons();
    void BuildPreviewPage();
    void FillFontList();
    void ConnectControls();

    /// Draws the page of the preview on show (the first after entering the page) for an output mode.
    void RenderPreview(OutputMode mode);
    void RefreshPreview();
    /// "Page n of m" and the buttons to the other pages; hidden while the printout is one page.
    void ShowPreviewPageButtons();
    void OnPreviousPageClicked();
    void OnNextPageClicked();

    void OnGridSizeChanged();
    void OnDefaultGridSizeClicked();
    void OnFontChosen();
    void OnBlockingChosen();
    void OnTitleEdited();
    void OnTitleToggled();
    void OnExtrasToggled();
    void OnClassSheetToggled();
    void OnPrintClicked();
    void OnTextToClipboardClicked();
    void OnRtfFileClicked();
    void OnHtmlFileClicked();
    void OnIpuzFileChosen();
    void OnPuzFileChosen();
    void OnWebPageClicked();
    /// Asks for the file and writes the crossword in an interchange format with write(path, state).
    void WriteInterchangeFile(const QPushButton* button, const char* filter, const char* extension,
                              void (*write)(const std::string&, const QuillmereState&, const std::string&));

    MainWindow& window_;
    QLabel* headerPanel_ = nullptr;
    QGroupBox* itemsToDisplayGroup_ = nullptr;
    QList<QRadioButton*> modeButtons_;  ///< in the order of their modes
    QFrame* stylePanel_ = nullptr;
    QSlider* gridSizeSlider_ = nullptr;
    PanelStatusBar* gridSizeStatus_ = nullptr;
    QPushButton* defaultGridSizeButton_ = nullptr;
    QComboBox* fontCombo_ = nullptr;
    QLabel* fontLabel_ = nullptr;  ///< hidden: the chosen font's name, also when it is not installed
    QComboBox* blockingCombo_ = nullptr;
    QLineEdit* titleEdit_ = nullptr;
    QCheckBox* titleCheck_ = nullptr;
    QCheckBox* extrasCheck_ = nullptr;
    QGroupBox* classSheetGroup_ = nullptr;
    QCheckBox* nameLineCheck_ = nullptr;
    QCheckBox* wordBankCheck_ = nullptr;
    QCheckBox* fitWidthCheck_ = nullptr;
    QCheckBox* answersHeadingCheck_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* textToClipboardButton_ = nullptr;
    QPushButton* rtfFileButton_ = nullptr;
    QPushButton* htmlFileButton_ = nullptr;
    QPushButton* ipuzFileButton_ = nullptr;
    QPushButton* puzFileButton_ = nullptr;
    QPushButton* webPageButton_ = nullptr;  ///< "Web Page to Solve...": needs no printer
    QWidget* previewPage_ = nullptr;
    QFrame* previewPanel_ = nullptr;
    PagePreview* preview_ = nullptr;
    QWidget* previewPageButtons_ = nullptr;  ///< the row of the two buttons and the page number
    QToolButton* previousPageButton_ = nullptr;
    QToolButton* nextPageButton_ = nullptr;
    QLabel* previewPageLabel_ = nullptr;
    int shownPreviewPage_ = 0;  ///< from 0
    int previewPageCount_ = 1;
};

}  // namespace qm::ui
