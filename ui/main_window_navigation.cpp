// MainWindow, navigation: which workflow tabs show, Next and Back, page changes and the keyboard shortcuts.
#include "ui/main_window.h"

#include "ui/category_panel.h"
#include "ui/clues_page.h"
#include "ui/diagnostics_page.h"
#include "ui/symmetric_generate_page.h"
#include "ui/home_page.h"
#include "ui/imported_list_controls.h"
#include "ui/output_page.h"
#include "ui/setup_page.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>

namespace qm::ui {

namespace {

/// The themes that Ctrl+F12 offers in a freeform crossword, each with the name of its resource.
struct NamedTheme {
    const char* Name;
    const char* Resource;
};
constexpr NamedTheme ShortcutThemes[] = {
    {"Animals", "ANIMALRES"},      {"Archaeology", "ARCHRES"},  {"Fruits & Vegetables", "FRUITRES"},
    {"Genealogy", "FHISTRES"},     {"Movie Stars", "MOVIESRES"}, {"Rock Music", "MUSICRES"},
    {"Common Words", "COMMONRES"},
};

}  // namespace

void MainWindow::ConnectNavigation()
{
    connect(workflowTabs_, &QTabWidget::currentChanged, this, [this] { OnWorkflowPageChanged(); });
    connect(setupPage_, &SetupPage::nextChosen, this, [this] { OnSetupNextChosen(); });
    connect(setupPage_, &SetupPage::backChosen, this, [this] { OnSetupBackChosen(); });
    connect(generateNextButton_, &QPushButton::clicked, this, [this] { OnGenerateNextClicked(); });
    connect(generateBackButton_, &QPushButton::clicked, this, [this] { OnGenerateBackClicked(); });
}

void MainWindow::ShowWorkflowTabs(bool visible)
{
    for (QWidget* page : std::initializer_list<QWidget*>{setupPage_, generatePage_, cluesPage_, outputPage_})
        workflowTabs_->setTabVisible(workflowTabs_->indexOf(page), visible);
}

void MainWindow::OnSetupNextChosen()
{
    workflowTabs_->setCurrentWidget(generatePage_);
    symmetricGenerate_->ShowDescription();
}

void MainWindow::OnSetupBackChosen() { workflowTabs_->setCurrentWidget(homePage_); }

void MainWindow::OnGenerateNextClicked() { workflowTabs_->setCurrentWidget(cluesPage_); }

void MainWindow::OnGenerateBackClicked() { workflowTabs_->setCurrentWidget(setupPage_); }

void MainWindow::OnWorkflowPageChanged()
{
    QWidget* page = workflowTabs_->currentWidget();
    if (previousLeftPage_ == cluesPage_ && page != cluesPage_) cluesPage_->OnLeft();
    previousLeftPage_ = page;

    if (page == generatePage_) symmetricGenerate_->ShowDescription();
    if (page == outputPage_) {
        rightPages_->setCurrentWidget(outputPage_->PreviewPage());
        outputPage_->OnEntered();
    } else {
        ShowRightPage(page == setupPage_ && setupPage_->Designing() ? setupPage_->DesignerPage() : nullptr);
    }
    if (page == cluesPage_) cluesPage_->OnEntered();
}

void MainWindow::ShowGridOnRight() { rightPages_->setCurrentWidget(gridPage_); }

void MainWindow::ShowCategoriesOnRight() { rightPages_->setCurrentWidget(categoryPanel_); }

void MainWindow::ShowRightPage(QWidget* page) { rightPages_->setCurrentWidget(page ? page : gridPage_); }

bool MainWindow::OnKeyPressed(int key, Qt::KeyboardModifiers shift)
{
    const bool ctrl = shift & Qt::ControlModifier;
    if (key == Qt::Key_F1) OnHelpChosen();
    if (key == Qt::Key_F5 && ctrl) {
        workflowTabs_->setCurrentWidget(diagnosticsPage_);
        return true;
    }
    if (key == Qt::Key_F12 && ctrl && state_.FillSource == FillSourceKind::Freeform) {
        QComboBox* builtInLists = importedList_->BuiltInListCombo();
        builtInLists->clear();
        for (const NamedTheme& t : ShortcutThemes) builtInLists->addItem(t.Name, QString(t.Resource));
        builtInLists->setCurrentIndex(-1);
        return true;
    }
    if (key == Qt::Key_Delete && state_.FillSource == FillSourceKind::Freeform && Showing(cluesPage_) && cluesPage_->OnDeleteKey())
        return true;
    return key == Qt::Key_F1;
}

}  // namespace qm::ui
