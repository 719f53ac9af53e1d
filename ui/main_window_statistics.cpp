// MainWindow, the hidden Statistics page (reached with Ctrl+F5): the developer's diagnostics, and the
// diagnostics window DiagnosticsWindow they write into.
#include "ui/main_window.h"

#include "core/freeform/freeform_run.h"
#include "core/freeform/scoring.h"
#include "core/symmetric/fill_engine.h"
#include "core/words/import.h"
#include "ui/diagnostics_window.h"
#include "ui/form_building.h"
#include "ui/main_string_grid.h"
#include "ui/panel_status_bar.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qm::ui {

namespace {

QStringList ToLines(const std::vector<std::string>& lines)
{
    QStringList out;
    for (const std::string& l : lines) out << ToQ(l);
    return out;
}

}  // namespace

QWidget* MainWindow::BuildStatisticsPage()
{
    auto* page = Named<QWidget>("TabSheetHidden");
    auto* col = new QVBoxLayout(page);
    col->setContentsMargins(8, 8, 8, 8);
    col->setSpacing(6);
    auto* title = new QLabel("Statistics and diagnostics", page);
    QFont f = title->font();
    f.setBold(true);
    title->setFont(f);
    col->addWidget(title);

    auto* symmetric = new QGroupBox("Symmetrical fills", page);
    auto* symm = new QGridLayout(symmetric);
    FillSeqBtn = Named<QPushButton>("FillSeqBtn", "Fill Sequence Forward", symmetric);
    FillSeqBtn->setEnabled(false);
    WordArrBtn = Named<QPushButton>("WordArrBtn", "Display Word Array", symmetric);
    MainWordArrayBtn = Named<QPushButton>("MainWordArrayBtn", "MainWordArray", symmetric);
    LogFileCheck = Named<QCheckBox>("LogFileCheck", "Write progress.log", symmetric);
    DlgCheck = Named<QCheckBox>("DlgCheck", "Show each pick", symmetric);
    symm->addWidget(FillSeqBtn, 0, 0);
    symm->addWidget(WordArrBtn, 0, 1);
    symm->addWidget(MainWordArrayBtn, 1, 0);
    symm->addWidget(LogFileCheck, 2, 0);
    symm->addWidget(DlgCheck, 2, 1);
    col->addWidget(symmetric);

    auto* freeform = new QGroupBox("Freeform fills", page);
    auto* free = new QGridLayout(freeform);
    RawDataCheckBox = Named<QCheckBox>("RawDataCheckBox", "Display Raw Data", freeform);
    InterlockCheckBox = Named<QCheckBox>("InterlockCheckBox", "Display Interlock Area", freeform);
    WrdCntCheckBox = Named<QCheckBox>("WrdCntCheckBox", "Display WrdCnt", freeform);
    KnockOutSingleInterlockWordsButton = Named<QPushButton>("Button9", "Knock out single interlock words", freeform);
    InterlockStatusLabel = Named<QLabel>("Label54", freeform);
    PopulateTightInterlockListButton = Named<QPushButton>("Button8", "Populate Tight Interlock List (&& display below)", freeform);
    ListOfGridsBtn = Named<QPushButton>("ListOfGridsBtn", "ListOfGrids", freeform);
    free->addWidget(RawDataCheckBox, 0, 0);
    free->addWidget(InterlockCheckBox, 1, 0);
    free->addWidget(WrdCntCheckBox, 2, 0);
    free->addWidget(ListOfGridsBtn, 0, 1);
    free->addWidget(InterlockStatusLabel, 1, 1);
    free->addWidget(KnockOutSingleInterlockWordsButton, 3, 0, 1, 2);
    free->addWidget(PopulateTightInterlockListButton, 4, 0, 1, 2);
    col->addWidget(freeform);

    TightInterlockListing = Named<QPlainTextEdit>("Memo1", page);
    TightInterlockListing->setReadOnly(true);
    TightInterlockListing->setLineWrapMode(QPlainTextEdit::NoWrap);
    TightInterlockListing->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    col->addWidget(TightInterlockListing, 1);

    connect(FillSeqBtn, &QPushButton::clicked, this, [this] { FillSeqBtnClick(); });
    connect(WordArrBtn, &QPushButton::clicked, this, [this] { WordArrBtnClick(); });
    connect(MainWordArrayBtn, &QPushButton::clicked, this, [this] { MainWordArrayBtnClick(); });
    connect(RawDataCheckBox, &QCheckBox::clicked, this, [this] { RawDataCheckBoxClick(); });
    connect(InterlockCheckBox, &QCheckBox::clicked, this, [this] { InterlockAreaBoxClick(); });
    connect(WrdCntCheckBox, &QCheckBox::clicked, this, [this] { WrdCntCheckBoxClick(); });
    connect(KnockOutSingleInterlockWordsButton, &QPushButton::clicked, this, [this] { OnKnockOutSingleInterlockWords(); });
    connect(PopulateTightInterlockListButton, &QPushButton::clicked, this, [this] { OnPopulateTightInterlockList(); });
    connect(ListOfGridsBtn, &QPushButton::clicked, this, [this] { ListOfGridsBtnClick(); });
    return page;
}

void MainWindow::SetDiagnosticPainter(bool checked, GridPainter painter)
{
    MainStringGridView->SetPainter(checked ? painter : GridPainter::Normal);
    RepaintGrid();
}

void MainWindow::RawDataCheckBoxClick() { SetDiagnosticPainter(RawDataCheckBox->isChecked(), GridPainter::RawData); }

void MainWindow::InterlockAreaBoxClick()
{
    if (InterlockCheckBox->isChecked()) {
        const std::int32_t area = InterlockArea(state_.Xw.Squares);
        InterlockCheckBox->setText(QString("Display Interlocks (%1)").arg(area));
    } else {
        InterlockCheckBox->setText("Display Interlocks");
    }
    SetDiagnosticPainter(InterlockCheckBox->isChecked(), GridPainter::InterlockArea);
}

void MainWindow::WrdCntCheckBoxClick()
{
    SetDiagnosticPainter(WrdCntCheckBox->isChecked(), GridPainter::InterlockFlagging);
    ShowInterlockSquares();
}

void MainWindow::ShowInterlockSquares()
{
    MainStatusBar->setPanelText(4, QString("%1 interlock squares").arg(CountInterlockSquares(state_.Xw.Squares)));
}

void MainWindow::OnKnockOutSingleInterlockWords()
{
    // Knocking out words rewrites a freeform grid; a stock grid's blocks would be lost.
    if (state_.FillSource != FillSourceKind::Freeform || state_.Xw.WordSlotCount == 0 || state_.RunInProgress()) {
        dialogs_->Information(this, "Words are knocked out of a freeform crossword on display.");
        return;
    }
    CommitClueEdits();
    for (const std::string& line : CrossingsListing(state_.Xw)) TightInterlockListing->appendPlainText(ToQ(line));
    InterlockStatusLabel->setText("start");
    Guard([this] {
        KnockOutSingleInterlockWords(state_.Xw, state_.Imported, state_.Freeform.Options.AllowDuplicates);
        ShowSlotLists();
    });
    RepaintGrid();
}

void MainWindow::OnPopulateTightInterlockList()
{
    const std::vector<std::string> listing = BuildTightInterlocks(state_.Imported, true);
    TightInterlockListing->setPlainText(ToLines(listing).join('\n'));
    PageControlLeft->setCurrentWidget(TabSheetHidden);
}

void MainWindow::FillSeqBtnClick()
{
    MainStringGridView->SetPainter(GridPainter::FillSequenceFwrd);
    RepaintGrid();
}

void MainWindow::WordArrBtnClick()
{
    if (Form4->isVisible())
        Form4->hide();
    else
        Form4->show();
}

void MainWindow::MainWordArrayBtnClick()
{
    Form4->SetLines(ToLines(MainWordArrayLines(state_.Xw)));
    Form4->show();
}

void MainWindow::ListOfGridsBtnClick()
{
    Form4->SetLines(ToLines(ListOfGridsListing(state_.Fills, symmetricFills_.Count())));
    Form4->show();
}

}  // namespace qm::ui
