// The "Grid Nos." window: its list of fills, the hint above it and the close button.
#include "ui/fills_of_word_dialog.h"

#include "ui/form_building.h"
#include "ui/owner_drawn_lists.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace qm::ui {

namespace {

/// GridsListBoxDrawItem: "Fill " and the fill number, with the colours of the fills lists.
RowPainter<FillsOfWordRow> GridLinePainter()
{
    return [](QPainter& p, const QRect& rect, const FillsOfWordRow& use, bool selected, const QPalette& palette) {
        p.setPen(FillRowBackground(p, rect, selected, palette));
        const QRect text(rect.left() + 2, rect.top(), rect.width() - 2, rect.height());
        p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, "Fill " + QString::number(use.Fill));
        if (selected) DrawRowFocus(p, rect);
    };
}

}  // namespace

FillsOfWordDialog::FillsOfWordDialog(QWidget* parent) : QDialog(parent, Qt::Tool)
{
    setObjectName("GridsDlg");
    setWindowTitle("Grid Nos.");
    setModal(false);
    setFixedSize(150, 300);

    auto* col = new QVBoxLayout(this);
    col->setContentsMargins(6, 6, 6, 6);
    col->setSpacing(4);
    auto* hint = Named<QLabel>("Panel1", "Click to display a fill", this);
    hint->setAlignment(Qt::AlignCenter);
    hint->setFrameShape(QFrame::StyledPanel);
    col->addWidget(hint);
    uses_ = RowList<FillsOfWordRow>("GridsListBox", GridLinePainter(), 18, this);
    col->addWidget(uses_.View(), 1);
    QPushButton* closeButton = AddCloseButtonRow(this, col);

    connect(uses_.View(), &RowListView::rowClicked, this,
            [this](int row) { emit gridChosen(uses_.Rows().at(static_cast<std::size_t>(row))); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
}

void FillsOfWordDialog::SetRows(std::vector<FillsOfWordRow> rows) { uses_.SetRows(std::move(rows)); }

}  // namespace qm::ui
