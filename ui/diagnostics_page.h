// DiagnosticsPage: the hidden Statistics page of the workflow (reached with Ctrl+F5), the developer's
// diagnostics of both generators.
#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace qm::ui {

class MainWindow;
enum class GridPainter;

/// The hidden Statistics page (objectName TabSheetHidden): diagnostic views of the grid, the dumps it
/// writes into the diagnostics window, the two settings the symmetrical run reads, and the tight
/// interlock listing of a freeform crossword.
class DiagnosticsPage : public QWidget {
    Q_OBJECT
public:
    explicit DiagnosticsPage(MainWindow& window);

    /// "Write progress.log": the symmetrical run keeps a log of its steps.
    bool KeepStepLog() const;
    /// "Show each pick": the symmetrical run shows a message at each pick.
    bool ShowEachPick() const;
    /// "Fill Sequence Forward" is on once a stock grid has been analysed.
    void EnableFillSequence(bool enabled);
    /// The grid could not count the words of a square.
    void OnWordCountUndefined();

private:
    void ConnectControls();
    /// The grid's painter after a diagnostic check box changed: the view of the last box checked.
    void SetDiagnosticPainter(bool checked, GridPainter painter);
    void ShowInterlockSquares();

    void OnFillSequenceClicked();
    void OnWordArrayClicked();
    void OnMainWordArrayClicked();
    void OnListOfGridsClicked();
    void OnRawDataToggled();
    void OnInterlockAreaToggled();
    void OnWordCountToggled();
    void OnKnockOutSingleInterlockWords();
    void OnPopulateTightInterlockList();

    MainWindow& window_;
    QPushButton* fillSequenceButton_ = nullptr;
    QPushButton* wordArrayButton_ = nullptr;
    QPushButton* mainWordArrayButton_ = nullptr;
    QCheckBox* keepStepLogCheck_ = nullptr;
    QCheckBox* showEachPickCheck_ = nullptr;
    QCheckBox* rawDataCheck_ = nullptr;
    QCheckBox* interlockAreaCheck_ = nullptr;
    QCheckBox* wordCountCheck_ = nullptr;
    QPushButton* knockOutSingleInterlockWordsButton_ = nullptr;
    QLabel* interlockStatusLabel_ = nullptr;
    QPushButton* populateTightInterlockListButton_ = nullptr;
    QPushButton* listOfGridsButton_ = nullptr;
    QPlainTextEdit* tightInterlockListing_ = nullptr;
};

}  // namespace qm::ui
