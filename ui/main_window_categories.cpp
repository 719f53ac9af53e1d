// MainWindow, subject categories: the right-hand category page with the category check list and its words.
#include "ui/main_window.h"

#include "core/clues/clue_store.h"
#include "core/util/text.h"
#include "core/words/categories.h"
#include "core/words/category_browse.h"
#include "core/words/selection.h"
#include "ui/form_building.h"
#include "ui/owner_drawn_lists.h"
#include "ui/panel_status_bar.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace qm::ui {

QWidget* MainWindow::BuildCategoryPage()
{
    auto* page = Named<QWidget>("_TabWordSel");
    auto* col = new QVBoxLayout(page);
    col->setContentsMargins(2, 2, 2, 2);
    col->setSpacing(2);

    SubjectTopPnl = Named<QFrame>("SubjectTopPnl", page);
    auto* top = new QHBoxLayout(SubjectTopPnl);
    top->setContentsMargins(8, 6, 8, 6);
    top->setSpacing(8);
    AllOtherCheck = Named<QCheckBox>("AllOtherCheck", "  Include all Non-Categorized Words", SubjectTopPnl);
    AllOtherCheck->setChecked(true);
    SubjectCloseBtn = Named<QPushButton>("SubjectCloseBtn", "<< Close Dialogue", SubjectTopPnl);
    top->addWidget(AllOtherCheck);
    top->addStretch(1);
    top->addWidget(SubjectCloseBtn);
    col->addWidget(SubjectTopPnl);

    SubjectMainPnl = Named<QFrame>("SubjectMainPnl", page);
    auto* main = new QHBoxLayout(SubjectMainPnl);
    main->setContentsMargins(8, 6, 8, 6);
    main->setSpacing(8);
    auto* left = new QVBoxLayout;
    left->setSpacing(4);
    left->addWidget(new QLabel("Subject categories", SubjectMainPnl));
    CategoryListBox = Named<QListWidget>("CategoryListBox", SubjectMainPnl);
    CategoryListBox->setItemDelegate(new CheckListDelegate(18, CategoryListBox));
    CategoryListBox->setSelectionMode(QAbstractItemView::SingleSelection);
    for (std::string_view name : CategoryNames) {
        auto* item = new QListWidgetItem(ToQ(name), CategoryListBox);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    left->addWidget(CategoryListBox, 1);
    auto* leftButtons = new QHBoxLayout;
    SwitchAllBtn = Named<QPushButton>("SwitchAllBtn", "Switch All Subjects OFF", SubjectMainPnl);
    NumbersBtn = Named<QPushButton>("NumbersBtn", "No's. per category", SubjectMainPnl);
    leftButtons->addWidget(SwitchAllBtn);
    leftButtons->addWidget(NumbersBtn);
    left->addLayout(leftButtons);
    main->addLayout(left, 5);

    auto* right = new QVBoxLayout;
    right->setSpacing(4);
    right->addWidget(new QLabel("Words of the category", SubjectMainPnl));
    categoryWords_ = RowList<CategoryListRow>("WordsListBox", CategoryWordsPainter(), 17, SubjectMainPnl);
    right->addWidget(categoryWords_.View(), 1);
    CategoryClueMemo = Named<QPlainTextEdit>("CategoryClueMemo", SubjectMainPnl);
    CategoryClueMemo->setReadOnly(true);
    CategoryClueMemo->setFixedHeight(64);
    right->addWidget(CategoryClueMemo);
    main->addLayout(right, 4);
    col->addWidget(SubjectMainPnl, 1);

    SubjectBottPnl = Named<QFrame>("SubjectBottPnl", page);
    auto* bottom = new QVBoxLayout(SubjectBottPnl);
    bottom->setContentsMargins(2, 2, 2, 2);
    CategStatusBar = new PanelStatusBar({250, 40, 0}, SubjectBottPnl);
    CategStatusBar->setObjectName("CategStatusBar");
    bottom->addWidget(CategStatusBar);
    col->addWidget(SubjectBottPnl);

    connect(SubjectCloseBtn, &QPushButton::clicked, this, [this] { SubjectCloseBtnClick(); });
    connect(CategoryListBox, &QListWidget::currentRowChanged, this, [this] { CategoryListBoxClick(); });
    connect(CategoryListBox, &QListWidget::itemChanged, this,
            [this](QListWidgetItem* item) { CategoryListBoxClickCheck(CategoryListBox->row(item)); });
    connect(AllOtherCheck, &QCheckBox::clicked, this, [this] { AllOtherCheckClick(); });
    connect(SwitchAllBtn, &QPushButton::clicked, this, [this] { SwitchAllBtnClick(); });
    connect(NumbersBtn, &QPushButton::clicked, this, [this] { NumbersBtnClick(); });
    connect(categoryWords_.View(), &RowListView::rowClicked, this, [this] { WordsListBoxClick(); });
    connect(categoryWords_.View(), &RowListView::currentRowChanged, this, [this] { WordsListBoxClick(); });
    return page;
}

void MainWindow::WordCategBtnClick() { PageControlRight->setCurrentWidget(CategoryPage); }

void MainWindow::SubjectCloseBtnClick() { PageControlRight->setCurrentWidget(GridPage); }

void MainWindow::CategoryListBoxClick()
{
    BuildSelectionMasks();
    ShowCategoryWords();
}

void MainWindow::ShowCategoryWords()
{
    BuildSelectionMasks();
    const int row = CategoryListBox->currentRow();
    if (row < 0) {
        categoryWords_.Clear();
        CategStatusBar->setPanelText(0, {});
    } else {
        int count = 0;
        categoryWords_.SetRows(CategoryWordRows(state_.Dict, state_.BitPatterns, row + 1, count));
        CategStatusBar->setPanelText(0, QString("%1/%2. %3: %4 words")
                                            .arg(row + 1)
                                            .arg(CategoryListBox->count())
                                            .arg(CategoryListBox->item(row)->text())
                                            .arg(count));
    }
    CategStatusBar->setPanelText(2, "Click on a word to display current clue");
    CategoryClueMemo->clear();
}

void MainWindow::WordsListBoxClick()
{
    const CategoryListRow* row = categoryWords_.Current();
    const int clue = row && row->Of == CategoryListRow::Kind::Word ? row->ClueIndex : 0;
    if (clue > 0 && static_cast<std::size_t>(clue) < state_.Clues.size())
        CategoryClueMemo->setPlainText(ToQ(state_.Clues[static_cast<std::size_t>(clue)]));
    else
        CategoryClueMemo->clear();
}

void MainWindow::CategoryListBoxClickCheck(int row)
{
    QListWidgetItem* item = CategoryListBox->item(row);
    if (!item) return;
    BuildSelectionMasks();
    CountSelection();
    const QSignalBlocker block(CategoryListBox);
    if (item->checkState() == Qt::Checked) CategoryListBox->setCurrentRow(row);
    else item->setSelected(false);
    ShowCategoryWords();
}

void MainWindow::AllOtherCheckClick()
{
    BuildSelectionMasks();
    CountSelection();
}

void MainWindow::SwitchAllBtnClick()
{
    {
        const QSignalBlocker block(CategoryListBox);
        for (int i = 0; i < CategoryListBox->count(); ++i) {
            CategoryListBox->item(i)->setCheckState(SwitchAllTarget ? Qt::Checked : Qt::Unchecked);
            if (!SwitchAllTarget) CategoryListBox->item(i)->setSelected(false);
        }
    }
    CategoryListBox->viewport()->update();
    BuildSelectionMasks();
    CountSelection();
    SwitchAllTarget = !SwitchAllTarget;
    if (!SwitchAllTarget) {
        SwitchAllBtn->setText("Switch All Subjects OFF");
    } else {
        SwitchAllBtn->setText("Switch All Subjects ON");
        categoryWords_.Clear();
        CategoryClueMemo->clear();
    }
}

void MainWindow::NumbersBtnClick()
{
    categoryWords_.SetRows(CategoryCountRows(state_.Dict, state_.BitPatterns));
}

}  // namespace qm::ui
