// TForm5, subject categories: the right-hand category page with the category check list and its words.
#include "ui/tform5.h"

#include "core/words/categories.h"
#include "ui/form_building.h"
#include "ui/owner_drawn_lists.h"
#include "ui/panel_status_bar.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace qm::ui {

QWidget* TForm5::BuildCategoryPage()
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
    WordsListBox = Named<QListWidget>("WordsListBox", SubjectMainPnl);
    MakeOwnerDrawn(WordsListBox, CategoryWordsPainter(), 17);
    right->addWidget(WordsListBox, 1);
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
    return page;
}

void TForm5::WordCategBtnClick() { PageControlRight->setCurrentWidget(_TabWordSel); }

void TForm5::SubjectCloseBtnClick() { PageControlRight->setCurrentWidget(_TabGrid); }

}  // namespace qm::ui
