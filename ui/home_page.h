// HomePage: the first page of the workflow, with the three ways to start and help, exit and the web page.
#pragma once

#include <QWidget>

#include <vector>

class QFrame;
class QPushButton;

namespace qm::ui {

class UrlLabel;

/// The Home page (objectName TabsheetHome). It only reports which button was chosen; the main window
/// starts the crossword, opens help or closes.
class HomePage : public QWidget {
    Q_OBJECT
public:
    /// webPage: the address the label at the bottom opens.
    explicit HomePage(const char* webPage);

    /// The three start buttons, which a run of fills pauses.
    std::vector<QWidget*> StartButtons() const;
    /// Gives the page's panel its colour.
    void SetPanelColours();

signals:
    void newSymmetricalChosen();
    void newFreeformChosen();
    void loadFromDiskChosen();
    void helpChosen();
    void exitChosen();
    void webPageChosen();

private:
    QFrame* panel_ = nullptr;
    QPushButton* newSymmetricalButton_ = nullptr;
    QPushButton* newFreeformButton_ = nullptr;
    QPushButton* loadFromDiskButton_ = nullptr;
    QPushButton* helpButton_ = nullptr;
    QPushButton* exitButton_ = nullptr;
    UrlLabel* webPageLabel_ = nullptr;
};

}  // namespace qm::ui
