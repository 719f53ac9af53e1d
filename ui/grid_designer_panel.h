// GridDesignerPanel: the controls of the grid designer on the Setup page of a symmetrical crossword (its
// "Designer" tab) and the designer's page on the right: the editing view with the checks' status line
// under it. A new blank grid of a size, the symmetry kept when blocks are toggled, whether squares in one
// word only are allowed, undo and redo, and a grid opened from or saved to a grid text file.
//
// Calls in: SetupPage (opens designs, asks whether the design can be filled, and what the fill checks).
// Calls out: DesignerView (the edits), core/design (grid text), UserDialogs (files, messages).
#pragma once

#include "core/anyfill/grid_survey.h"
#include "core/design/grid_design.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace qm::ui {

class DesignerView;
class UserDialogs;

/// The largest grid text file the designer opens.
constexpr qint64 MaxGridTextFileBytes = 64 * 1024;

class GridDesignerPanel : public QWidget {
    Q_OBJECT
public:
    explicit GridDesignerPanel(UserDialogs& dialogs, QWidget* parent = nullptr);

    /// What the right side shows while designing (objectName "GridDesignerPage"): the view and the
    /// status line of its checks.
    QWidget* DesignerPage() const { return designerPage_; }
    DesignerView& View() const { return *view_; }
    /// Starts designing this grid: the symmetry combo follows it, the undo history starts afresh.
    void OpenDesign(const GridDesign& design);
    /// OpenDesign, once the user agrees when the grid in the designer has changes not yet saved; false
    /// when they keep it.
    bool ReplaceDesign(const GridDesign& design);
    const GridDesign& Design() const;
    /// How strictly the checks and the fill treat the design (the "unchecked squares" box).
    GridCheckOptions CheckOptions() const;
    bool CanFill() const;
    /// The size the "New Blank Grid" button makes.
    void SetBlankSize(int size);

signals:
    /// Whether the design can be filled changed.
    void canFillChanged(bool canFill);
    /// "Save to My Grids" was clicked.
    void saveToMyGridsChosen();
    /// "Stock Grids" was clicked: back to the stock grids.
    void stockGridsChosen();

private:
    QWidget* BuildDesignerPage();
    QWidget* BuildFileButtons();
    void OnNewBlankClicked();
    void OnSymmetryChosen();
    void OnOpenFileClicked();
    void OnSaveFileClicked();

    UserDialogs& dialogs_;
    QWidget* designerPage_ = nullptr;
    DesignerView* view_ = nullptr;
    QLabel* checksStatus_ = nullptr;
    QLabel* problemStatus_ = nullptr;
    QSpinBox* sizeSpin_ = nullptr;
    QComboBox* symmetryCombo_ = nullptr;
    QCheckBox* uncheckedCheck_ = nullptr;
};

}  // namespace qm::ui
