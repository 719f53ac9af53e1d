// DiagnosticsPage: the developer's diagnostics, and the diagnostics window DiagnosticsWindow they write into.
#include "ui/diagnostics_page.h"

#include "core/freeform/freeform_run.h"
#include "core/freeform/scoring.h"
#include "core/symmetric/fill_engine.h"
#include "core/words/import.h"
#include "ui/diagnostics_window.h"
#include "ui/form_building.h"
#include "ui/main_string_grid.h"
#include "ui/main_window.h"
#include "ui/panel_status_bar.h"
#include "ui/symmetric_generate_page.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
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

DiagnosticsPage::DiagnosticsPage(MainWindow& window) : window_(window)
{
    setObjectName("TabSheetHidden");
    auto* col = new QVBoxLayout(this);
    col->setContentsMargins(8, 8, 8, 8);
    col->setSpacing(6);
    auto* title = new QLabel("Statistics and diagnostics", this);
    QFont f = title->font();
    f.setBold(true);
    title->setFont(f);
    col->addWidget(title);

    auto* symmetric = new QGroupBox("Symmetrical fills", this);
    auto* symm = new QGridLayout(symmetric);
    fillSequenceButton_ = Named<QPushButton>("FillSeqBtn", "Fill Sequence Forward", symmetric);
    fillSequenceButton_->setEnabled(false);
    wordArrayButton_ = Named<QPushButton>("WordArrBtn", "Display Word Array", symmetric);
    mainWordArrayButton_ = Named<QPushButton>("MainWordArrayBtn", "MainWordArray", symmetric);
    keepStepLogCheck_ = Named<QCheckBox>("LogFileCheck", "Write progress.log", symmetric);
    showEachPickCheck_ = Named<QCheckBox>("DlgCheck", "Show each pick", symmetric);
    symm->addWidget(fillSequenceButton_, 0, 0);
    symm->addWidget(wordArrayButton_, 0, 1);
    symm->addWidget(mainWordArrayButton_, 1, 0);
    symm->addWidget(keepStepLogCheck_, 2, 0);
    symm->addWidget(showEachPickCheck_, 2, 1);
    col->addWidget(symmetric);

    auto* freeform = new QGroupBox("Freeform fills", this);
    auto* free = new QGridLayout(freeform);
    rawDataCheck_ = Named<QCheckBox>("RawDataCheckBox", "Display Raw Data", freeform);
    interlockAreaCheck_ = Named<QCheckBox>("InterlockCheckBox", "Display Interlock Area", freeform);
    wordCountCheck_ = Named<QCheckBox>("WrdCntCheckBox", "Display WrdCnt", freeform);
    knockOutSingleInterlockWordsButton_ = Named<QPushButton>("Button9", "Knock out single interlock words", freeform);
    interlockStatusLabel_ = Named<QLabel>("Label54", freeform);
    populateTightInterlockListButton_ = Named<QPushButton>("Button8", "Populate Tight Interlock List (&& display below)", freeform);
    listOfGridsButton_ = Named<QPushButton>("ListOfGridsBtn", "ListOfGrids", freeform);
    free->addWidget(rawDataCheck_, 0, 0);
    free->addWidget(interlockAreaCheck_, 1, 0);
    free->addWidget(wordCountCheck_, 2, 0);
    free->addWidget(listOfGridsButton_, 0, 1);
    free->addWidget(interlockStatusLabel_, 1, 1);
    free->addWidget(knockOutSingleInterlockWordsButton_, 3, 0, 1, 2);
    free->addWidget(populateTightInterlockListButton_, 4, 0, 1, 2);
    col->addWidget(freeform);

    tightInterlockListing_ = Named<QPlainTextEdit>("Memo1", this);
    tightInterlockListing_->setReadOnly(true);
    tightInterlockListing_->setLineWrapMode(QPlainTextEdit::NoWrap);
    tightInterlockListing_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    col->addWidget(tightInterlockListing_, 1);
    ConnectControls();
}

void DiagnosticsPage::ConnectControls()
{
    connect(fillSequenceButton_, &QPushButton::clicked, this, [this] { OnFillSequenceClicked(); });
    connect(wordArrayButton_, &QPushButton::clicked, this, [this] { OnWordArrayClicked(); });
    connect(mainWordArrayButton_, &QPushButton::clicked, this, [this] { OnMainWordArrayClicked(); });
    connect(rawDataCheck_, &QCheckBox::clicked, this, [this] { OnRawDataToggled(); });
    connect(interlockAreaCheck_, &QCheckBox::clicked, this, [this] { OnInterlockAreaToggled(); });
    connect(wordCountCheck_, &QCheckBox::clicked, this, [this] { OnWordCountToggled(); });
    connect(knockOutSingleInterlockWordsButton_, &QPushButton::clicked, this, [this] { OnKnockOutSingleInterlockWords(); });
    connect(populateTightInterlockListButton_, &QPushButton::clicked, this, [this] { OnPopulateTightInterlockList(); });
    connect(listOfGridsButton_, &QPushButton::clicked, this, [this] { OnListOfGridsClicked(); });
}

bool DiagnosticsPage::KeepStepLog() const { return keepStepLogCheck_->isChecked(); }

bool DiagnosticsPage::ShowEachPick() const { return showEachPickCheck_->isChecked(); }

void DiagnosticsPage::EnableFillSequence(bool enabled) { fillSequenceButton_->setEnabled(enabled); }

void DiagnosticsPage::OnWordCountUndefined() { interlockStatusLabel_->setText("not defined"); }

void DiagnosticsPage::SetDiagnosticPainter(bool checked, GridPainter painter)
{
    window_.GridView().SetPainter(checked ? painter : GridPainter::Normal);
    window_.RepaintGrid();
}

void DiagnosticsPage::OnRawDataToggled() { SetDiagnosticPainter(rawDataCheck_->isChecked(), GridPainter::RawData); }

void DiagnosticsPage::OnInterlockAreaToggled()
{
    if (interlockAreaCheck_->isChecked()) {
        const std::int32_t area = InterlockArea(window_.State().Xw.Squares);
        interlockAreaCheck_->setText(QString("Display Interlocks (%1)").arg(area));
    } else {
        interlockAreaCheck_->setText("Display Interlocks");
    }
    SetDiagnosticPainter(interlockAreaCheck_->isChecked(), GridPainter::InterlockArea);
}

void DiagnosticsPage::OnWordCountToggled()
{
    SetDiagnosticPainter(wordCountCheck_->isChecked(), GridPainter::InterlockFlagging);
    ShowInterlockSquares();
}

void DiagnosticsPage::ShowInterlockSquares()
{
    window_.StatusBar().setPanelText(4, QString("%1 interlock squares").arg(CountInterlockSquares(window_.State().Xw.Squares)));
}

void DiagnosticsPage::OnKnockOutSingleInterlockWords()
{
    QuillmereState& state = window_.State();
    // Knocking out words rewrites a freeform grid; a stock grid's blocks would be lost.
    if (state.FillSource != FillSourceKind::Freeform || state.Xw.WordSlotCount == 0 || state.RunInProgress()) {
        window_.Dialogs().Information(&window_, "Words are knocked out of a freeform crossword on display.");
        return;
    }
    window_.CommitClueEdits();
    for (const std::string& line : CrossingsListing(state.Xw)) tightInterlockListing_->appendPlainText(ToQ(line));
    interlockStatusLabel_->setText("start");
    window_.Guard([&] {
        KnockOutSingleInterlockWords(state.Xw, state.Imported, state.Freeform.Options.AllowDuplicates);
        window_.ShowSlotLists();
    });
    window_.RepaintGrid();
}

void DiagnosticsPage::OnPopulateTightInterlockList()
{
    const std::vector<std::string> listing = BuildTightInterlocks(window_.State().Imported, true);
    tightInterlockListing_->setPlainText(ToLines(listing).join('\n'));
    window_.ShowPage(this);
}

void DiagnosticsPage::OnFillSequenceClicked()
{
    window_.GridView().SetPainter(GridPainter::FillSequenceFwrd);
    window_.RepaintGrid();
}

void DiagnosticsPage::OnWordArrayClicked()
{
    DiagnosticsWindow& dump = window_.DumpWindow();
    if (dump.isVisible())
        dump.hide();
    else
        dump.show();
}

void DiagnosticsPage::OnMainWordArrayClicked()
{
    window_.DumpWindow().SetLines(ToLines(MainWordArrayLines(window_.State().Xw)));
    window_.DumpWindow().show();
}

void DiagnosticsPage::OnListOfGridsClicked()
{
    window_.DumpWindow().SetLines(ToLines(ListOfGridsListing(window_.State().Fills, window_.SymmetricGenerate().FillCount())));
    window_.DumpWindow().show();
}

}  // namespace qm::ui
