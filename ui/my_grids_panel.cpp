// MyGridsPanel: the user's grids with thumbnails; open, rename, delete, and saving the design under a name.
#include "ui/my_grids_panel.h"

#include "core/design/grid_library.h"
#include "ui/designer_my_grids.h"
#include "ui/form_building.h"
#include "ui/user_dialogs.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace qm::ui {

namespace {
/// The room each grid has in the list: its thumbnail (a 30 x 30 grid's is scaled down) and its name.
const QSize ThumbnailBox(100, 100);
const QSize ItemBox(124, 150);
}  // namespace

MyGridsPanel::MyGridsPanel(UserDialogs& dialogs, std::string libraryPath, QWidget* parent) : QWidget(parent), dialogs_(dialogs)
{
    setObjectName("MyGridsPanel");
    model_ = new MyGridsModel(std::move(libraryPath), this);
    auto* col = new QVBoxLayout(this);
    col->setContentsMargins(0, 0, 0, 0);
    col->setSpacing(4);
    list_ = Named<QListView>("MyGridsListView", this);
    list_->setViewMode(QListView::IconMode);
    list_->setMovement(QListView::Static);
    list_->setResizeMode(QListView::Adjust);
    list_->setWrapping(true);
    list_->setIconSize(ThumbnailBox);
    list_->setGridSize(ItemBox);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::EditKeyPressed);
    list_->setModel(model_);
    col->addWidget(list_, 1);

    auto* row = new QHBoxLayout;
    auto* open = Named<QPushButton>("MyGridOpenBtn", "&Open", this);
    auto* rename = Named<QPushButton>("MyGridRenameBtn", "&Rename...", this);
    auto* remove = Named<QPushButton>("MyGridDeleteBtn", "&Delete", this);
    for (QPushButton* b : {open, rename, remove}) row->addWidget(b);
    row->addStretch(1);
    col->addLayout(row);
    auto* where = new QLabel(this);
    where->setWordWrap(true);
    where->setText("Kept in " + QString::fromStdString(model_->Library().Path()));
    col->addWidget(where);

    connect(open, &QPushButton::clicked, this, [this] { OnOpenClicked(); });
    connect(list_, &QListView::doubleClicked, this, [this] { OnOpenClicked(); });
    connect(rename, &QPushButton::clicked, this, [this] { OnRenameClicked(); });
    connect(remove, &QPushButton::clicked, this, [this] { OnDeleteClicked(); });
    connect(model_, &MyGridsModel::failed, this, [this](const QString& message) { dialogs_.Error(this, message); });
}

void MyGridsPanel::ReportProblemOnce()
{
    if (problemReported_ || model_->Problem().isEmpty()) return;
    problemReported_ = true;
    dialogs_.Warning(this, model_->Problem());
}

bool MyGridsPanel::SaveDesign(const GridDesign& design)
{
    const QString name = dialogs_.AskText(this, "Name of the grid in My Grids:", QString("Grid %1").arg(model_->rowCount() + 1)).trimmed();
    if (name.isEmpty()) return false;
    const int existing = model_->Library().Find(name.toStdString());
    if (existing >= 0) {
        const QString kept = model_->data(model_->index(existing), Qt::DisplayRole).toString();
        if (!dialogs_.AskYesNo(this, QString("My Grids has a grid called \"%1\" already.\nReplace it?").arg(kept), true)) return false;
        if (!model_->ReplaceGrid(existing, design)) return false;
        SelectRow(model_->Library().Find(kept.toStdString()));
        return true;
    }
    const int row = model_->AddGrid(name, design);
    SelectRow(row);
    return row >= 0;
}

int MyGridsPanel::ChosenRow()
{
    const QModelIndex current = list_->currentIndex();
    if (current.isValid()) return current.row();
    dialogs_.Information(this, "Choose a grid in My Grids first");
    return -1;
}

void MyGridsPanel::SelectRow(int row)
{
    if (row >= 0) list_->setCurrentIndex(model_->index(row));
}

void MyGridsPanel::OnOpenClicked()
{
    const int row = ChosenRow();
    if (row >= 0) emit openChosen(model_->DesignAt(row));
}

void MyGridsPanel::OnRenameClicked()
{
    const int row = ChosenRow();
    if (row < 0) return;
    const QString old = model_->data(model_->index(row), Qt::DisplayRole).toString();
    const QString name = dialogs_.AskText(this, QString("New name for \"%1\":").arg(old), old).trimmed();
    if (name.isEmpty() || name == old) return;
    if (model_->RenameGrid(row, name)) SelectRow(model_->Library().Find(name.toStdString()));
}

void MyGridsPanel::OnDeleteClicked()
{
    const int row = ChosenRow();
    if (row < 0) return;
    const QString name = model_->data(model_->index(row), Qt::DisplayRole).toString();
    if (!dialogs_.AskYesNo(this, QString("Delete \"%1\" from My Grids?").arg(name), true)) return;
    model_->DeleteGrid(row);
}

}  // namespace qm::ui
