// MainWindow, navigation: which workflow tabs show, Next and Back, page changes and the keyboard shortcuts.
#include "ui/main_window.h"

#include "ui/output_page.h"

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
    connect(PageControlLeft, &QTabWidget::currentChanged, this, [this] { PageControlLeftChange(); });
    connect(PageControlSymmGen, &QTabWidget::currentChanged, this, [this] { PageControlSymmGenChange(); });
    connect(NextBtn1, &QPushButton::clicked, this, [this] { NextBtn1Click(); });
    connect(BackBtn1, &QPushButton::clicked, this, [this] { BackBtn1Click(); });
    connect(NextBtn2, &QPushButton::clicked, this, [this] { NextBtn2Click(); });
    connect(BackBtn2, &QPushButton::clicked, this, [this] { BackBtn2Click(); });
}

void MainWindow::ShowWorkflowTabs(bool visible)
{
    for (QWidget* page : {TabSheetSetup, TabSheetGenerate, TabSheetClues, static_cast<QWidget*>(outputPage_)})
        PageControlLeft->setTabVisible(PageControlLeft->indexOf(page), visible);
}

void MainWindow::NextBtn1Click()
{
    PageControlLeft->setCurrentWidget(TabSheetGenerate);
    ShowSymmGenDescription();
}

void MainWindow::BackBtn1Click() { PageControlLeft->setCurrentWidget(TabsheetHome); }

void MainWindow::NextBtn2Click() { PageControlLeft->setCurrentWidget(TabSheetClues); }

void MainWindow::BackBtn2Click() { PageControlLeft->setCurrentWidget(TabSheetSetup); }

void MainWindow::PageControlLeftChange()
{
    QWidget* page = PageControlLeft->currentWidget();
    if (previousLeftPage_ == TabSheetClues && page != TabSheetClues) TabSheetCluesExit();
    previousLeftPage_ = page;

    if (page == TabSheetGenerate) ShowSymmGenDescription();
    if (page == outputPage_) {
        PageControlRight->setCurrentWidget(outputPage_->PreviewPage());
        outputPage_->OnEntered();
    } else {
        PageControlRight->setCurrentWidget(GridPage);
    }
    if (page == TabSheetClues) TabSheetCluesEnter();
}

void MainWindow::PageControlSymmGenChange()
{
    if (PageControlSymmGen->currentWidget() != TabSheetSymmMain) return;
    ShowSymmGenDescription();
    WordCategBtn->setText("Subject Categories >>");
    PageControlRight->setCurrentWidget(GridPage);
}

void MainWindow::ShowSymmGenDescription()
{
    switch (state_.FillSource) {
    case FillSourceKind::Dictionary:
        MultipleFillsLab->setText("Create random fills from the internal dictionary.");
        break;
    case FillSourceKind::Hybrid:
        MultipleFillsLab->setText("Create random fills from the imported word list, backed up by the internal dictionary.");
        break;
    default:
        MultipleFillsLab->setText("Create random fills from the imported word list.");
        break;
    }
}

bool MainWindow::FormKeyDown(int key, Qt::KeyboardModifiers shift)
{
    const bool ctrl = shift & Qt::ControlModifier;
    if (key == Qt::Key_F1) HelpBtnClick();
    if (key == Qt::Key_F5 && ctrl) {
        PageControlLeft->setCurrentWidget(TabSheetHidden);
        return true;
    }
    if (key == Qt::Key_F12 && ctrl && state_.FillSource == FillSourceKind::Freeform) {
        ThemeCombo->clear();
        for (const NamedTheme& t : ShortcutThemes) ThemeCombo->addItem(t.Name, QString(t.Resource));
        ThemeCombo->setCurrentIndex(-1);
        return true;
    }
    if (key == Qt::Key_Delete && state_.FillSource == FillSourceKind::Freeform && CluesPageShowing()) {
        const bool across = CluePageControl->currentWidget() == AcrossTabSheet;
        if (!ClueMemo(across)->hasFocus()) {
            DeleteSelectedAnswer();
            return true;
        }
    }
    return key == Qt::Key_F1;
}

}  // namespace qm::ui
