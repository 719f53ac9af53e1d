// HomePage: the three start buttons, help, exit and the web-page label.
#include "ui/home_page.h"

#include "ui/form_building.h"
#include "ui/url_label.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qm::ui {

HomePage::HomePage(const char* webPage)
{
    setObjectName("TabsheetHome");
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);
    panel_ = Named<QFrame>("HomePanel", this);
    outer->addWidget(panel_);

    auto* col = new QVBoxLayout(panel_);
    col->setContentsMargins(24, 24, 24, 16);
    col->setSpacing(14);
    auto* title = new QLabel("Quillmere", panel_);
    QFont big = title->font();
    big.setPixelSize(28);
    big.setBold(true);
    title->setFont(big);
    col->addWidget(title);
    col->addWidget(new QLabel("Crossword construction", panel_));
    col->addSpacing(18);

    newSymmetricalButton_ = Named<QPushButton>("SymmetricBitBtn", "New Symmetrical Crossword", panel_);
    newFreeformButton_ = Named<QPushButton>("FreeformBitBtn", "New Freeform Crossword", panel_);
    loadFromDiskButton_ = Named<QPushButton>("LoadFileBitBtn", "Load from Disk", panel_);
    for (QPushButton* b : {newSymmetricalButton_, newFreeformButton_, loadFromDiskButton_}) {
        b->setMinimumHeight(44);
        col->addWidget(b);
    }
    col->addStretch(1);

    auto* buttons = new QHBoxLayout;
    helpButton_ = Named<QPushButton>("HelpBtn", "&Help", panel_);
    exitButton_ = Named<QPushButton>("ExitBtn", "&E&xit", panel_);
    buttons->addWidget(helpButton_);
    buttons->addStretch(1);
    buttons->addWidget(exitButton_);
    col->addLayout(buttons);
    webPageLabel_ = new UrlLabel(webPage, panel_);
    col->addWidget(webPageLabel_, 0, Qt::AlignHCenter);

    connect(newSymmetricalButton_, &QPushButton::clicked, this, &HomePage::newSymmetricalChosen);
    connect(newFreeformButton_, &QPushButton::clicked, this, &HomePage::newFreeformChosen);
    connect(loadFromDiskButton_, &QPushButton::clicked, this, &HomePage::loadFromDiskChosen);
    connect(helpButton_, &QPushButton::clicked, this, &HomePage::helpChosen);
    connect(exitButton_, &QPushButton::clicked, this, &HomePage::exitChosen);
    connect(webPageLabel_, &UrlLabel::clicked, this, &HomePage::webPageChosen);
}

std::vector<QWidget*> HomePage::StartButtons() const { return {newSymmetricalButton_, newFreeformButton_, loadFromDiskButton_}; }

void HomePage::SetPanelColours() { SetPanelColour(panel_, ColourPanelGrey); }

}  // namespace qm::ui
