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

    categoryTopPanel_ = Named<QFrame>("SubjectTopPnl", page);
    auto* top = new QHBoxLayout(categoryTopPanel_);
    top->setContentsMargins(8, 6, 8, 6);
    top->setSpacing(8);
    allOtherWordsCheck_ = Named<QCheckBox>("AllOtherCheck", "  Include all Non-Categorized Words", categoryTopPanel_);
    allOtherWordsCheck_->setChecked(true);
    closeCategoriesButton_ = Named<QPushButton>("SubjectCloseBtn", "<< Close Dialogue", categoryTopPanel_);
    top->addWidget(allOtherWordsCheck_);
    top->addStretch(1);
    top->addWidget(closeCategoriesButton_);
    col->addWidget(categoryTopPanel_);

    categoryMainPanel_ = Named<QFrame>("SubjectMainPnl", page);
    auto* main = new QHBoxLayout(categoryMainPanel_);
    main->setContentsMargins(8, 6, 8, 6);
    main->setSpacing(8);
    auto* left = new QVBoxLayout;
    left->setSpacing(4);
    left->addWidget(new QLabel("Subject categories", categoryMainPanel_));
    categoryList_ = Named<QListWidget>("CategoryListBox", categoryMainPanel_);
    categoryList_->setItemDelegate(new CheckListDelegate(18, categoryList_));
    categoryList_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (std::string_view name : CategoryNames) {
        auto* item = new QListWidgetItem(ToQ(name), categoryList_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    left->addWidget(categoryList_, 1);
    auto* leftButtons = new QHBoxLayout;
    switchAllButton_ = Named<QPushButton>("SwitchAllBtn", "Switch All Subjects OFF", categoryMainPanel_);
    numbersButton_ = Named<QPushButton>("NumbersBtn", "No's. per category", categoryMainPanel_);
    leftButtons->addWidget(switchAllButton_);
    leftButtons->addWidget(numbersButton_);
    left->addLayout(leftButtons);
    main->addLayout(left, 5);

    auto* right = new QVBoxLayout;
    right->setSpacing(4);
    right->addWidget(new QLabel("Words of the category", categoryMainPanel_));
    categoryWords_ = RowList<CategoryListRow>("WordsListBox", CategoryWordsPainter(), 17, categoryMainPanel_);
    right->addWidget(categoryWords_.View(), 1);
    categoryClue_ = Named<QPlainTextEdit>("CategoryClueMemo", categoryMainPanel_);
    categoryClue_->setReadOnly(true);
    categoryClue_->setFixedHeight(64);
    right->addWidget(categoryClue_);
    main->addLayout(right, 4);
    col->addWidget(categoryMainPanel_, 1);

    categoryBottomPanel_ = Named<QFrame>("SubjectBottPnl", page);
    auto* bottom = new QVBoxLayout(categoryBottomPanel_);
    bottom->setContentsMargins(2, 2, 2, 2);
    categoryStatus_ = new PanelStatusBar({250, 40, 0}, categoryBottomPanel_);
    categoryStatus_->setObjectName("CategStatusBar");
    bottom->addWidget(categoryStatus_);
    col->addWidget(categoryBottomPanel_);

    connect(closeCategoriesButton_, &QPushButton::clicked, this, [this] { SubjectCloseBtnClick(); });
    connect(categoryList_, &QListWidget::currentRowChanged, this, [this] { CategoryListBoxClick(); });
    connect(categoryList_, &QListWidget::itemChanged, this,
            [this](QListWidgetItem* item) { CategoryListBoxClickCheck(categoryList_->row(item)); });
    connect(allOtherWordsCheck_, &QCheckBox::clicked, this, [this] { AllOtherCheckClick(); });
    connect(switchAllButton_, &QPushButton::clicked, this, [this] { SwitchAllBtnClick(); });
    connect(numbersButton_, &QPushButton::clicked, this, [this] { NumbersBtnClick(); });
    connect(categoryWords_.View(), &RowListView::rowClicked, this, [this] { WordsListBoxClick(); });
    connect(categoryWords_.View(), &RowListView::currentRowChanged, this, [this] { WordsListBoxClick(); });
    return page;
}

void MainWindow::WordCategBtnClick() { rightPages_->setCurrentWidget(categoryPage_); }

void MainWindow::SubjectCloseBtnClick() { rightPages_->setCurrentWidget(gridPage_); }

void MainWindow::ReadCategoryChoices(SelectionOptions& options) const
{
    options.AllOther = allOtherWordsCheck_->isChecked();
    for (int i = 0; i < CategoryCount && i < categoryList_->count(); ++i)
        options.Categories[static_cast<std::size_t>(i)] = categoryList_->item(i)->checkState() == Qt::Checked;
}

void MainWindow::CategoryListBoxClick()
{
    BuildSelectionMasks();
    ShowCategoryWords();
}

void MainWindow::ShowCategoryWords()
{
    BuildSelectionMasks();
    const int row = categoryList_->currentRow();
    if (row < 0) {
        categoryWords_.Clear();
        categoryStatus_->setPanelText(0, {});
    } else {
        int count = 0;
        categoryWords_.SetRows(CategoryWordRows(state_.Dict, state_.BitPatterns, row + 1, count));
        categoryStatus_->setPanelText(0, QString("%1/%2. %3: %4 words")
                                            .arg(row + 1)
                                            .arg(categoryList_->count())
                                            .arg(categoryList_->item(row)->text())
                                            .arg(count));
    }
    categoryStatus_->setPanelText(2, "Click on a word to display current clue");
    categoryClue_->clear();
}

void MainWindow::WordsListBoxClick()
{
    const CategoryListRow* row = categoryWords_.Current();
    const int clue = row && row->Of == CategoryListRow::Kind::Word ? row->ClueIndex : 0;
    if (clue > 0 && static_cast<std::size_t>(clue) < state_.Clues.size())
        categoryClue_->setPlainText(ToQ(state_.Clues[static_cast<std::size_t>(clue)]));
    else
        categoryClue_->clear();
}

void MainWindow::CategoryListBoxClickCheck(int row)
{
    QListWidgetItem* item = categoryList_->item(row);
    if (!item) return;
    BuildSelectionMasks();
    CountSelection();
    const QSignalBlocker block(categoryList_);
    if (item->checkState() == Qt::Checked) categoryList_->setCurrentRow(row);
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
        const QSignalBlocker block(categoryList_);
        for (int i = 0; i < categoryList_->count(); ++i) {
            categoryList_->item(i)->setCheckState(switchAllTarget_ ? Qt::Checked : Qt::Unchecked);
            if (!switchAllTarget_) categoryList_->item(i)->setSelected(false);
        }
    }
    categoryList_->viewport()->update();
    BuildSelectionMasks();
    CountSelection();
    switchAllTarget_ = !switchAllTarget_;
    if (!switchAllTarget_) {
        switchAllButton_->setText("Switch All Subjects OFF");
    } else {
        switchAllButton_->setText("Switch All Subjects ON");
        categoryWords_.Clear();
        categoryClue_->clear();
    }
}

void MainWindow::NumbersBtnClick()
{
    categoryWords_.SetRows(CategoryCountRows(state_.Dict, state_.BitPatterns));
}

}  // namespace qm::ui
