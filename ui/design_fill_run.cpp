// MainWindow, Generate page: the run of fills of the grid in the designer. Start makes it instead of the
// stock grid's run while the Setup page is designing; the fills are listed in the symmetrical fills list
// and shown, clued, saved and put out as a stock grid's fills are.
#include "ui/main_window.h"

#include "core/design/design_fill.h"
#include "core/symmetric/symmetric_run.h"
#include "ui/designer_view.h"
#include "ui/form_building.h"
#include "ui/grid_designer_panel.h"
#include "ui/main_string_grid.h"
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

void MainWindow::StartDesignRun()
{
    bool isNumber = false;
    const int fills = symmetricFillCountEdit_->text().trimmed().toInt(&isNumber);
    if (!isNumber) {
        dialogs_->Error(this, "'" + symmetricFillCountEdit_->text() + "' is not a valid integer value");
        return;
    }
    CommitClueEdits();
    gridView_->SetPainter(GridPainter::Normal);
    OverrideCursor busy(Qt::BusyCursor);
    replaceWordDialog_->close();

    const GridDesignerPanel& designer = setupPage_->Designer();
    AnyFillRequest request;
    request.Fills = fills;
    AnyFillCallbacks callbacks;
    // The engine has accepted the grid: the fills shown so far make way for the new ones.
    callbacks.Started = [this, fills, &designer] {
        ResetFillDisplay();
        symmetricFills_.Clear();
        state_.ClueEdits.Clear();
        symmetricFillsHint_->setText("Click on any row to select a fill");
        symmetricAttemptsProgress_->setRange(0, std::max(fills, 1));
        symmetricSlotsProgress_->setRange(0, std::max(designer.View().Report().Words, 1));
        progressLog_->clear();
    };
    callbacks.Progress = [this, fills](const AnyFillProgress& p) {
        symmetricAttemptsProgress_->setValue(std::min(p.FillsMade, symmetricAttemptsProgress_->maximum()));
        symmetricSlotsProgress_->setValue(std::min(p.MostSlotsFilled, symmetricSlotsProgress_->maximum()));
        symmetricFillsStatus_->setPanelText(1, QString("%1/%2").arg(p.FillsMade).arg(fills));
        QCoreApplication::processEvents();
    };
    const auto listed = [this](const FillRow& row, int position) {
        const QSignalBlocker block(symmetricFills_.View());
        symmetricFills_.Insert(position, row);
    };
    std::optional<AnyRunResult> run;
    runs_.Run(SymmetricRunControls(), gridView_, [&] {
        run = RunDesignFills(state_, state_.SymmFillsList, designer.Design(), designer.CheckOptions(), request, callbacks, listed);
    });
    symmetricFillsStatus_->setPanelText(1, {});
    if (run) ShowDesignRunEnd(*run);
    RepaintGrid();
    runs_.CloseWindowIfAsked();
}

void MainWindow::ShowDesignRunEnd(const AnyRunResult& run)
{
    progressLog_->appendPlainText(ProgressLine(run.Run.Totals));
    symmetricFillsStatus_->setPanelText(2, ToQ(RunTimeText(run.Run.Totals.Seconds)));
    if (!run.Run.Message.empty()) {
        progressLog_->appendPlainText(QString::fromStdString(run.Run.Message));
        // Stop was the user's own doing; anything else that cut the run short is said.
        if (run.Run.End != AnyFillEnd::Stopped) dialogs_->Information(this, QString::fromStdString(run.Run.Message));
    }
    if (!run.Shown) return;
    {
        const QSignalBlocker block(symmetricFills_.View());
        symmetricFills_.View()->setCurrentRow(0);
    }
    ResetFillDisplay();
    DisplayShownFill(*run.Shown);
}

}  // namespace qm::ui
