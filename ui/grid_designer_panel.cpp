// GridDesignerPanel: the designer's controls on the Setup page and its view with the checks' status line.
#include "ui/grid_designer_panel.h"

#include "core/util/failure.h"
#include "core/util/file_io.h"
#include "ui/designer_view.h"
#include "ui/form_building.h"
#include "ui/user_dialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <array>
#include <string>
#include <utility>

namespace qm::ui {

namespace {

constexpr const char* GridTextFilter = "Grid text files (*.txt);;All files (*)";

struct SymmetryChoice {
    DesignSymmetry Symmetry;
    const char* Caption;
};
constexpr std::array<SymmetryChoice, 4> SymmetryChoices{{
    {DesignSymmetry::Rotation, "Rotation (180 degrees)"},
    {DesignSymmetry::None, "None"},
    {DesignSymmetry::Mirror, "Left-right mirror"},
    {DesignSymmetry::Both, "Rotation and mirror"},
}};

constexpr const char* KeysHelp =
    "Click a square, or press Space, to put in or take out a block (with its symmetrical partners). "
    "Type letters along the word; Backspace and Delete clear. Arrows and Tab move; clicking the cursor's "
    "square turns across/down. Return opens a line to type a whole theme word into the selected word.";

/// A tool button for an undo stack's action, without the action's own shortcut: the view handles
/// Ctrl+Z and Ctrl+Shift+Z itself while it has the focus.
QToolButton* UndoButton(QAction* action, const char* name, const QString& tip, QWidget* parent)
{
    action->setShortcut({});
    action->setToolTip(tip);
    auto* button = Named<QToolButton>(name, parent);
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return button;
}

}  // namespace

GridDesignerPanel::GridDesignerPanel(UserDialogs& dialogs, QWidget* parent) : QWidget(parent), dialogs_(dialogs)
{
    setObjectName("TabSheetDesigner");
    designerPage_ = BuildDesignerPage();

    auto* col = new QVBoxLayout(this);
    col->setContentsMargins(6, 8, 6, 6);
    col->setSpacing(6);
    auto* form = new QGridLayout;
    form->addWidget(new QLabel("Size", this), 0, 0);
    sizeSpin_ = Named<QSpinBox>("DesignSizeSpin", this);
    sizeSpin_->setRange(MinAnyGridSize, MaxAnyGridSize);
    sizeSpin_->setValue(15);
    sizeSpin_->setSuffix(" squares");
    form->addWidget(sizeSpin_, 0, 1);
    auto* blank = Named<QPushButton>("DesignBlankBtn", "&New Blank Grid", this);
    form->addWidget(blank, 0, 2);
    form->addWidget(new QLabel("Symmetry", this), 1, 0);
    symmetryCombo_ = Named<QComboBox>("DesignSymmetryCombo", this);
    for (const SymmetryChoice& c : SymmetryChoices) symmetryCombo_->addItem(c.Caption, static_cast<int>(c.Symmetry));
    form->addWidget(symmetryCombo_, 1, 1, 1, 2);
    col->addLayout(form);

    uncheckedCheck_ = Named<QCheckBox>("DesignUncheckedCheck", "Allow squares in one word only (British style)", this);
    col->addWidget(uncheckedCheck_);

    auto* undoRow = new QHBoxLayout;
    undoRow->addWidget(UndoButton(view_->UndoStack()->createUndoAction(this, "&Undo"), "DesignUndoBtn", "Undo (Ctrl+Z)", this));
    undoRow->addWidget(UndoButton(view_->UndoStack()->createRedoAction(this, "&Redo"), "DesignRedoBtn", "Redo (Ctrl+Shift+Z)", this));
    undoRow->addStretch(1);
    col->addLayout(undoRow);

    auto* help = new QLabel(KeysHelp, this);
    help->setWordWrap(true);
    col->addWidget(help);
    col->addWidget(BuildFileButtons());
    col->addStretch(1);
    auto* back = Named<QPushButton>("DesignStockGridsBtn", "Back to &Stock Grids", this);
    col->addWidget(back, 0, Qt::AlignLeft);

    connect(blank, &QPushButton::clicked, this, [this] { OnNewBlankClicked(); });
    connect(symmetryCombo_, &QComboBox::activated, this, [this] { OnSymmetryChosen(); });
    connect(uncheckedCheck_, &QCheckBox::toggled, this, [this](bool allow) { view_->SetAllowUnchecked(allow); });
    connect(back, &QPushButton::clicked, this, &GridDesignerPanel::stockGridsChosen);
}

QWidget* GridDesignerPanel::BuildDesignerPage()
{
    auto* page = Named<QWidget>("GridDesignerPage");
    auto* col = new QVBoxLayout(page);
    col->setContentsMargins(4, 4, 4, 4);
    col->setSpacing(4);
    view_ = new DesignerView(page);
    col->addWidget(view_, 1);
    checksStatus_ = Named<QLabel>("DesignChecksStatus", page);
    checksStatus_->setWordWrap(true);
    checksStatus_->setFrameShape(QFrame::StyledPanel);
    checksStatus_->setText(view_->ChecksText());
    col->addWidget(checksStatus_);
    problemStatus_ = Named<QLabel>("DesignProblemStatus", page);
    problemStatus_->setWordWrap(true);
    problemStatus_->setStyleSheet("color: #B00000;");
    col->addWidget(problemStatus_);

    connect(view_, &DesignerView::checksChanged, this, [this](const QString& text) {
        checksStatus_->setText(text);
        problemStatus_->clear();
    });
    connect(view_, &DesignerView::problem, problemStatus_, &QLabel::setText);
    connect(view_, &DesignerView::canFillChanged, this, &GridDesignerPanel::canFillChanged);
    return page;
}

QWidget* GridDesignerPanel::BuildFileButtons()
{
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 6, 0, 0);
    auto* save = Named<QPushButton>("SaveToMyGridsBtn", "Save to &My Grids...", box);
    auto* open = Named<QPushButton>("OpenGridFileBtn", "&Open Grid File...", box);
    auto* saveFile = Named<QPushButton>("SaveGridFileBtn", "Save &Grid File...", box);
    grid->addWidget(save, 0, 0, 1, 2);
    grid->addWidget(open, 1, 0);
    grid->addWidget(saveFile, 1, 1);
    connect(save, &QPushButton::clicked, this, &GridDesignerPanel::saveToMyGridsChosen);
    connect(open, &QPushButton::clicked, this, [this] { OnOpenFileClicked(); });
    connect(saveFile, &QPushButton::clicked, this, [this] { OnSaveFileClicked(); });
    return box;
}

void GridDesignerPanel::OpenDesign(const GridDesign& design)
{
    view_->SetDesign(design);
    const QSignalBlocker block(symmetryCombo_);
    symmetryCombo_->setCurrentIndex(symmetryCombo_->findData(static_cast<int>(design.Symmetry())));
    sizeSpin_->setValue(design.Size());
}

bool GridDesignerPanel::ReplaceDesign(const GridDesign& design)
{
    if (!view_->UndoStack()->isClean() &&
        !dialogs_.AskYesNo(this, "The grid in the designer has changes that are not saved.\nReplace it?", true))
        return false;
    OpenDesign(design);
    return true;
}

const GridDesign& GridDesignerPanel::Design() const { return view_->Design(); }

GridCheckOptions GridDesignerPanel::CheckOptions() const
{
    GridCheckOptions options;
    options.AllowUnchecked = uncheckedCheck_->isChecked();
    return options;
}

bool GridDesignerPanel::CanFill() const { return view_->CanFill(); }

void GridDesignerPanel::SetBlankSize(int size) { sizeSpin_->setValue(size); }

void GridDesignerPanel::OnNewBlankClicked()
{
    GridDesign design(sizeSpin_->value());
    design.SetSymmetry(static_cast<DesignSymmetry>(symmetryCombo_->currentData().toInt()));
    if (ReplaceDesign(design)) view_->setFocus();
}

void GridDesignerPanel::OnSymmetryChosen()
{
    view_->SetSymmetry(static_cast<DesignSymmetry>(symmetryCombo_->currentData().toInt()));
    view_->setFocus();
}

void GridDesignerPanel::OnOpenFileClicked()
{
    const QString path = dialogs_.ChooseOpenFile(this, {}, GridTextFilter);
    if (path.isEmpty()) return;
    try {
        if (QFileInfo(path).size() > MaxGridTextFileBytes)
            throw Failure(QString("%1 is too big for a grid text file (more than %2 KB)").arg(path).arg(MaxGridTextFileBytes / 1024).toStdString());
        std::string bytes;
        if (!ReadWholeFile(path.toStdString(), bytes)) throw Failure("Cannot read " + path.toStdString());
        ReplaceDesign(DesignFromGridText(bytes));
    } catch (const Failure& e) {
        dialogs_.Error(this, QString::fromUtf8(e.what()));
    }
}

void GridDesignerPanel::OnSaveFileClicked()
{
    const QString path = dialogs_.ChooseSaveFile(this, "grid.txt", GridTextFilter, "txt");
    if (path.isEmpty()) return;
    try {
        WriteFileSafely(path.toStdString(), DesignGridText(view_->Design()));
        view_->UndoStack()->setClean();
    } catch (const Failure& e) {
        dialogs_.Error(this, QString::fromUtf8(e.what()));
    }
}

}  // namespace qm::ui
