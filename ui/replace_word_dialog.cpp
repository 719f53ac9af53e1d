// The "Replace Word" dialog: the list of fitting words, its footer and the close button.
#include "ui/replace_word_dialog.h"

#include "ui/form_building.h"
#include "ui/owner_drawn_lists.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace qm::ui {

ReplaceWordDialog::ReplaceWordDialog(QWidget* parent) : QDialog(parent, Qt::Tool)
{
    setObjectName("WordsDlg");
    setWindowTitle("Replace Word");
    setModal(false);
    setFixedSize(230, 400);

    auto* col = new QVBoxLayout(this);
    col->setContentsMargins(6, 6, 6, 6);
    col->setSpacing(4);
    words_ = RowList<ReplacementChoice>("WordsListBox", ReplacementListPainter(), 18, this);
    col->addWidget(words_.View(), 1);

    footerA_ = Named<QLabel>("FooterPnlA", this);
    footerB_ = Named<QLabel>("FooterPnlB", this);
    for (QLabel* l : {footerA_, footerB_}) {
        l->setAlignment(Qt::AlignCenter);
        col->addWidget(l);
    }
    QPushButton* closeButton = AddCloseButtonRow(this, col);

    connect(words_.View(), &RowListView::rowClicked, this,
            [this](int row) { emit wordChosen(words_.Rows().at(static_cast<std::size_t>(row))); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
}

void ReplaceWordDialog::ShowAlternatives(std::vector<ReplacementChoice> rows, const QString& footerA, const QString& footerB, QWidget* beside)
{
    words_.SetRows(std::move(rows));
    footerA_->setText(footerA);
    footerB_->setText(footerB);
    if (beside) {
        const QRect frame = beside->frameGeometry();
        QPoint at(frame.right() + 8, frame.top() + 60);
        if (const QScreen* screen = beside->screen()) {
            const QRect avail = screen->availableGeometry();
            if (at.x() + width() > avail.right()) at.setX(frame.right() - width() - 20);
            at.setY(std::min(at.y(), avail.bottom() - height()));
        }
        move(at);
    }
    show();
    raise();
    // The word now in the slot is brought into view among its alternatives.
    for (int i = 0; i < words_.Count(); ++i)
        if (words_.Rows()[static_cast<std::size_t>(i)].Current) {
            words_.View()->scrollTo(words_.View()->model()->index(i, 0), QAbstractItemView::PositionAtCenter);
            break;
        }
}

}  // namespace qm::ui
