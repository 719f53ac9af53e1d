// The "Replace Word" dialog: the list of fitting words, its footer and the close button.
#include "ui/twords_dlg.h"

#include "ui/form_building.h"
#include "ui/owner_drawn_lists.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace qm::ui {

TWordsDlg::TWordsDlg(QWidget* parent) : QDialog(parent, Qt::Tool)
{
    setObjectName("WordsDlg");
    setWindowTitle("Replace Word");
    setModal(false);
    setFixedSize(230, 400);

    auto* col = new QVBoxLayout(this);
    col->setContentsMargins(6, 6, 6, 6);
    col->setSpacing(4);
    WordsListBox = RowList<ReplacementChoice>("WordsListBox", ReplacementListPainter(), 18, this);
    col->addWidget(WordsListBox.View(), 1);

    FooterPnlA = Named<QLabel>("FooterPnlA", this);
    FooterPnlB = Named<QLabel>("FooterPnlB", this);
    for (QLabel* l : {FooterPnlA, FooterPnlB}) {
        l->setAlignment(Qt::AlignCenter);
        col->addWidget(l);
    }
    CloseBtn = AddCloseButtonRow(this, col);

    connect(WordsListBox.View(), &RowListView::rowClicked, this,
            [this](int row) { emit wordChosen(WordsListBox.Rows().at(static_cast<std::size_t>(row))); });
    connect(CloseBtn, &QPushButton::clicked, this, [this] { CloseBtnClick(); });
}

void TWordsDlg::ShowAlternatives(std::vector<ReplacementChoice> rows, const QString& footerA, const QString& footerB, QWidget* beside)
{
    WordsListBox.SetRows(std::move(rows));
    FooterPnlA->setText(footerA);
    FooterPnlB->setText(footerB);
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
    for (int i = 0; i < WordsListBox.Count(); ++i)
        if (WordsListBox.Rows()[static_cast<std::size_t>(i)].Current) {
            WordsListBox.View()->scrollTo(WordsListBox.View()->model()->index(i, 0), QAbstractItemView::PositionAtCenter);
            break;
        }
}

void TWordsDlg::CloseBtnClick() { close(); }

}  // namespace qm::ui
