// FilePage: the File page of the workflow, saving the crossword on display and loading one back.
#pragma once

#include <QWidget>

class QFrame;
class QPushButton;

namespace qm::ui {

class MainWindow;

/// The File page (objectName TabSheetFile): "Save..." writes the crossword on display as a crossword
/// file; "Reload..." asks the main window to load one (the window's load also serves the Home page).
class FilePage : public QWidget {
    Q_OBJECT
public:
    explicit FilePage(MainWindow& window);

    /// Save is on only while a crossword can be put out.
    void EnableSave(bool enabled);
    /// Gives the page's panel its colour.
    void SetPanelColours();

signals:
    void reloadChosen();

private:
    void OnSaveClicked();

    MainWindow& window_;
    QFrame* panel_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* reloadButton_ = nullptr;
};

}  // namespace qm::ui
