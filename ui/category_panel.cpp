// CategoryPanel: the right-hand category page with the category check list and its words.
#include "ui/category_panel.h"

#include "core/clues/clue_store.h"
#include "core/util/text.h"
#include "core/words/categories.h"
#include "core/words/category_browse.h"
#include "core/words/selection.h"
#include "ui/form_building.h"
#include "ui/main_window.h"
#include "ui/owner_drawn_lists.h"
#include "ui/panel_status_bar.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace qm::ui {

CategoryPanel::CategoryPanel(MainWindow& window) : window_(window)
{
    setObjectName("_TabWordSel");
    auto* col = new QVBoxLayout(this);
    col->setContentsMargins(2, 2, 2, 2);
    col->setSpacing(2);

    topPanel_ = Named<QFrame>("SubjectTopPnl", this);
    auto* top = new QHBoxLayout(topPanel_);
    top->setContentsMargins(8, 6, 8, 6);
    top->setSpacing(8);
    allOtherWordsCheck_ = Named<QCheckBox>("AllOtherCheck", "  Include all Non-Categorized Words", topPanel_);
    allOtherWordsCheck_->setChecked(true);
    closeButton_ = Named<QPushButton>("SubjectCloseBtn", "<< Close Dialogue", topPanel_);
    top->addWidget(allOtherWordsCheck_);
    top->addStretch(1);
    top->addWidget(closeButton_);
    col->addWidget(topPanel_);

    mainPanel_ = Named<QFrame>("SubjectMainPnl", this);
    auto* main = new QHBoxLayout(mainPanel_);
    main->setContentsMargins(8, 6, 8, 6);
    main->setSpacing(8);
    auto* left = new QVBoxLayout;
    left->setSpacing(4);
    left->addWidget(new QLabel("Subject categories", mainPanel_));
    categoryList_ = Named<QListWidget>("CategoryListBox", mainPanel_);
    categoryList_->setItemDelegate(new CheckListDelegate(18, categoryList_));
    categoryList_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (std::string_view name : CategoryNames) {
        auto* item = new QListWidgetItem(ToQ(name), categoryList_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    left->addWidget(categoryList_, 1);
    auto* leftButtons = new QHBoxLayout;
    switchAllButton_ = Named<QPushButton>("SwitchAllBtn", "Switch All Subjects OFF", mainPanel_);
    numbersButton_ = Named<QPushButton>("NumbersBtn", "No's. per category", mainPanel_);
    leftButtons->addWidget(switchAllButton_);
    leftButtons->addWidget(numbersButton_);
    left->addLayout(leftButtons);
    main->addLayout(left, 5);

    auto* right = new QVBoxLayout;
    right->setSpacing(4);
    right->addWidget(new QLabel("Words of the category", mainPanel_));
    categoryWords_ = RowList<CategoryListRow>("WordsListBox", CategoryWordsPainter(), 17, mainPanel_);
    right->addWidget(categoryWords_.View(), 1);
    categoryClue_ = Named<QPlainTextEdit>("CategoryClueMemo", mainPanel_);
    categoryClue_->setReadOnly(true);
    categoryClue_->setFixedHeight(64);
    right->addWidget(categoryClue_);
    main->addLayout(right, 4);
    col->addWidget(mainPanel_, 1);

    bottomPanel_ = Named<QFrame>("SubjectBottPnl", this);
    auto* bottom = new QVBoxLayout(bottomPanel_);
    bottom->setContentsMargins(2, 2, 2, 2);
    categoryStatus_ = new PanelStatusBar({250, 40, 0}, bottomPanel_);
    categoryStatus_->setObjectName("CategStatusBar");
    bottom->addWidget(categoryStatus_);
    col->addWidget(bottomPanel_);

    connect(closeButton_, &QPushButton::clicked, this, [this] { OnCloseClicked(); });
    connect(categoryList_, &QListWidget::currentRowChanged, this, [this] { OnCategoryChosen(); });
    connect(categoryList_, &QListWidget::itemChanged, this,
            [this](QListWidgetItem* item) { OnCategoryChecked(categoryList_->row(item)); });
    connect(allOtherWordsCheck_, &QCheckBox::clicked, this, [this] { OnAllOtherWordsClicked(); });
    connect(switchAllButton_, &QPushButton::clicked, this, [this] { OnSwitchAllClicked(); });
    connect(numbersButton_, &QPushButton::clicked, this, [this] { OnNumbersClicked(); });
    connect(categoryWords_.View(), &RowListView::rowClicked, this, [this] { OnWordChosen(); });
    connect(categoryWords_.View(), &RowListView::currentRowChanged, this, [this] { OnWordChosen(); });
}

void CategoryPanel::SetPanelColours()
{
    for (QWidget* w : std::initializer_list<QWidget*>{topPanel_, mainPanel_, bottomPanel_}) SetPanelColour(w, ColourPanelGrey);
}

void CategoryPanel::OnCloseClicked() { window_.ShowGridOnRight(); }

void CategoryPanel::ReadChoices(SelectionOptions& options) const
{
    options.AllOther = allOtherWordsCheck_->isChecked();
    for (int i = 0; i < CategoryCount && i < categoryList_->count(); ++i)
        options.Categories[static_cast<std::size_t>(i)] = categoryList_->item(i)->checkState() == Qt::Checked;
}

void CategoryPanel::OnCategoryChosen()
{
    window_.BuildSelectionMasks();
    ShowCategoryWords();
}

void CategoryPanel::ShowCategoryWords()
{
    window_.BuildSelectionMasks();
    const int row = categoryList_->currentRow();
    if (row < 0) {
        categoryWords_.Clear();
        categoryStatus_->setPanelText(0, {});
    } else {
        int count = 0;
        const QuillmereState& state = window_.State();
        categoryWords_.SetRows(CategoryWordRows(state.Dict, state.BitPatterns, row + 1, count));
        categoryStatus_->setPanelText(0, QString("%1/%2. %3: %4 words")
                                            .arg(row + 1)
                                            .arg(categoryList_->count())
                                            .arg(categoryList_->item(row)->text())
                                            .arg(count));
    }
    categoryStatus_->setPanelText(2, "Click on a word to display current clue");
    categoryClue_->clear();
}

void CategoryPanel::OnWordChosen()
{
    const CategoryListRow* row = categoryWords_.Current();
    const int clue = row && row->Of == CategoryListRow::Kind::Word ? row->ClueIndex : 0;
    const std::vector<std::string>& clues = window_.State().Clues;
    if (clue > 0 && static_cast<std::size_t>(clue) < clues.size())
        categoryClue_->setPlainText(ToQ(clues[static_cast<std::size_t>(clue)]));
    else
        categoryClue_->clear();
}

void CategoryPanel::OnCategoryChecked(int row)
{
    QListWidgetItem* item = categoryList_->item(row);
    if (!item) return;
    window_.BuildSelectionMasks();
    window_.CountSelection();
    const QSignalBlocker block(categoryList_);
    if (item->checkState() == Qt::Checked) categoryList_->setCurrentRow(row);
    else item->setSelected(false);
    ShowCategoryWords();
}

void CategoryPanel::OnAllOtherWordsClicked()
{
    window_.BuildSelectionMasks();
    window_.CountSelection();
}

void CategoryPanel::OnSwitchAllClicked()
{
    {
        const QSignalBlocker block(categoryList_);
        for (int i = 0; i < categoryList_->count(); ++i) {
            categoryList_->item(i)->setCheckState(switchAllTarget_ ? Qt::Checked : Qt::Unchecked);
            if (!switchAllTarget_) categoryList_->item(i)->setSelected(false);
        }
    }
    categoryList_->viewport()->update();
    window_.BuildSelectionMasks();
    window_.CountSelection();
    switchAllTarget_ = !switchAllTarget_;
    if (!switchAllTarget_) {
        switchAllButton_->setText("Switch All Subjects OFF");
    } else {
        switchAllButton_->setText("Switch All Subjects ON");
        categoryWords_.Clear();
        categoryClue_->clear();
    }
}

void CategoryPanel::OnNumbersClicked()
{
    const QuillmereState& state = window_.State();
    categoryWords_.SetRows(CategoryCountRows(state.Dict, state.BitPatterns));
}

}  // namespace qm::ui
