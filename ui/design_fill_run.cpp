// SymmetricGeneratePage: the run of fills of the grid in the designer. Start makes it instead of the stock
// grid's run while the Setup page is designing; the fills are listed in the page's fills list and shown,
// clued, saved and put out as a stock grid's fills are.
#include "ui/symmetric_generate_page.h"

#include "core/design/design_fill.h"
#include "core/symmetric/symmetric_run.h"
#include "ui/clues_page.h"
#include "ui/designer_view.h"
#include "ui/form_building.h"
#include "ui/grid_designer_panel.h"
#include "ui/main_string_grid.h"
#include "ui/main_window.h"
#include "ui/panel_status_bar.h"
#include "ui/replace_word_dialog.h"
#include "ui/setup_page.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSignalBlocker>

#include <algorithm>
#include <optional>

namespace qm::ui {

namespace {

/// One line of the progress log for where a run stands.
QString ProgressLine(const AnyFillProgress& p)
{
    return QString("%1 fills, %2 words tried, %3 dead ends, %4 restarts, %5 s")
        .arg(p.FillsMade)
        .arg(p.Placements)
        .arg(p.DeadEnds)
        .arg(p.Restarts)
        .arg(p.Seconds, 0, 'f', 1);
}

}  // namespace

void SymmetricGeneratePage::RunDesignedGridFills()
{
    bool isNumber = false;
    const int fills = fillCountEdit_->text().trimmed().toInt(&isNumber);
    if (!isNumber) {
        window_.Dialogs().Error(&window_, "'" + fillCountEdit_->text() + "' is not a valid integer value");
        return;
    }
    window_.CommitClueEdits();
    MainStringGrid& grid = window_.GridView();
    grid.SetPainter(GridPainter::Normal);
    OverrideCursor busy(Qt::BusyCursor);
    window_.ReplaceDialog().close();

    const GridDesignerPanel& designer = window_.Setup().Designer();
    AnyFillRequest request;
    request.Fills = fills;
    AnyFillCallbacks callbacks;
    // The engine has accepted the grid: the fills shown so far make way for the new ones.
    callbacks.Started = [this, fills, &designer] {
        window_.ResetFillDisplay();
        fills_.Clear();
        window_.State().ClueEdits.Clear();
        fillsHint_->setText("Click on any row to select a fill");
        attemptsProgress_->setRange(0, std::max(fills, 1));
        slotsProgress_->setRange(0, std::max(designer.View().Report().Words, 1));
        progressLog_->clear();
    };
    callbacks.Progress = [this, fills](const AnyFillProgress& p) {
        attemptsProgress_->setValue(std::min(p.FillsMade, attemptsProgress_->maximum()));
        slotsProgress_->setValue(std::min(p.MostSlotsFilled, slotsProgress_->maximum()));
        fillsStatus_->setPanelText(1, QString("%1/%2").arg(p.FillsMade).arg(fills));
        QCoreApplication::processEvents();
    };
    const auto listed = [this](const FillRow& row, int position) {
        const QSignalBlocker block(fills_.View());
        fills_.Insert(position, row);
    };
    std::optional<AnyRunResult> run;
    QuillmereState& state = window_.State();
    window_.Runs().Run(RunPauses(), &grid, [&] {
        run = RunDesignFills(state, state.SymmFillsList, designer.Design(), designer.CheckOptions(), request, callbacks, listed);
    });
    fillsStatus_->setPanelText(1, {});
    if (run) ShowDesignRunEnd(*run);
    window_.RepaintGrid();
    window_.Runs().CloseWindowIfAsked();
}

void SymmetricGeneratePage::ShowDesignRunEnd(const AnyRunResult& run)
{
    progressLog_->appendPlainText(ProgressLine(run.Run.Totals));
    fillsStatus_->setPanelText(2, ToQ(RunTimeText(run.Run.Totals.Seconds)));
    if (!run.Run.Message.empty()) {
        progressLog_->appendPlainText(QString::fromStdString(run.Run.Message));
        // Stop was the user's own doing; anything else that cut the run short is said.
        if (run.Run.End != AnyFillEnd::Stopped) window_.Dialogs().Information(&window_, QString::fromStdString(run.Run.Message));
    }
    if (!run.Shown) return;
    {
        const QSignalBlocker block(fills_.View());
        fills_.View()->setCurrentRow(0);
    }
    window_.ResetFillDisplay();
    window_.DisplayShownFill(*run.Shown);
    if (window_.ShowingGenerateKind(this) && tabs_->currentWidget() == mainTab_) fills_.View()->setFocus();
}

}  // namespace qm::ui
