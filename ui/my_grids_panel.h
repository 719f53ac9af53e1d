// MyGridsPanel: "My Grids" on the Setup page of a symmetrical crossword (the last row of the stock grid
// sizes shows it in place of the thumbnails): the grids the user kept,
// with their thumbnails, and the buttons that open, rename and delete them; it also saves the design
// under a name the user gives ("Save to My Grids"). A damaged library file is reported once and left as
// it is; a change refused or not saved is reported as it happens.
//
// Calls in: SetupPage. Calls out: MyGridsModel (the library file), UserDialogs.
#pragma once

#include "core/design/grid_design.h"

#include <QWidget>

#include <string>

class QListView;

namespace qm::ui {

class MyGridsModel;
class UserDialogs;

class MyGridsPanel : public QWidget {
    Q_OBJECT
public:
    MyGridsPanel(UserDialogs& dialogs, std::string libraryPath, QWidget* parent = nullptr);

    MyGridsModel& Model() const { return *model_; }
    /// The list of grids (objectName "MyGridsListView").
    QListView* List() const { return list_; }
    /// Tells the user, the first time only, that the library file could not be read.
    void ReportProblemOnce();
    /// Asks for a name and keeps the design under it; a grid already kept under that name (in any case)
    /// is replaced only when the user agrees. True when the design was saved.
    bool SaveDesign(const GridDesign& design);

signals:
    /// Open was chosen for a grid: the design kept under its name.
    void openChosen(const qm::GridDesign& design);

private:
    /// The selected row, or -1 (after telling the user to choose a grid).
    int ChosenRow();
    void SelectRow(int row);
    void OnOpenClicked();
    void OnRenameClicked();
    void OnDeleteClicked();

    UserDialogs& dialogs_;
    MyGridsModel* model_ = nullptr;
    QListView* list_ = nullptr;
    bool problemReported_ = false;
};

}  // namespace qm::ui
