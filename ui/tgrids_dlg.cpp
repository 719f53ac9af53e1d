// The "Grid Nos." window: its list of fills, the hint above it and the close button.
#include "ui/tgrids_dlg.h"

#include "ui/form_building.h"
#include "ui/owner_drawn_lists.h"

#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace qm::ui {

namespace {

/// GridsListBoxDrawItem: "Fill " and the fill number, with the colours of the fills lists.
LinePainter GridLinePainter()
{
    return [](QPainter& p, const QRect& rect, const QString& line, bool selected, const QPalette& palette) {
        p.setPen(FillRowBackground(p, rect, selected, palette));
        const QRect text(rect.left() + 2, rect.top(), rect.width() - 2, rect.height());
        p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, "Fill " + QString::number(GridLineFill(line)));
        if (selected) DrawRowFocus(p, rect);
    };
}

}  // namespace

int GridLineFill(const QString& line) { return line.left(4).trimmed().toInt(); }

TGridsDlg::TGridsDlg(QWidget* parent) : QDialog(parent, Qt::Tool)
{
    setObjectName("GridsDlg");
    setWindowTitle("Grid Nos.");
    setModal(false);
    setFixedSize(150, 300);

    auto* col = new QVBoxLayout(this);
    col->setContentsMargins(6, 6, 6, 6);
    col->setSpacing(4);
    Panel1 = Named<QLabel>("Panel1", "Click to display a fill", this);
    Panel1->setAlignment(Qt::AlignCenter);
    Panel1->setFrameShape(QFrame::StyledPanel);
    col->addWidget(Panel1);
    GridsListBox = Named<QListWidget>("GridsListBox", this);
    MakeOwnerDrawn(GridsListBox, GridLinePainter(), 18);
    col->addWidget(GridsListBox, 1);
    CloseBtn = AddCloseButtonRow(this, col);

    connect(GridsListBox, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { emit gridChosen(item->text()); });
    connect(CloseBtn, &QPushButton::clicked, this, [this] { CloseBtnClick(); });
}

void TGridsDlg::SetGridLines(const QStringList& lines) { SetLines(GridsListBox, lines); }

void TGridsDlg::CloseBtnClick() { close(); }

}  // namespace qm::ui
