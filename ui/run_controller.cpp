// RunController: the start, stop and end of a run of fills, shared by the symmetrical and the freeform runs.
#include "ui/run_controller.h"

#include "core/state.h"
#include "ui/form_building.h"
#include "ui/main_window.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include <optional>

namespace qm::ui {

void RunController::Run(const RunControls& controls, QWidget* frozen, const std::function<void()>& work)
{
    Pause(controls);
    {
        std::optional<PaintFreeze> freeze;
        if (frozen) freeze.emplace(frozen);
        window_.Guard(work);
    }
    Resume(controls);
}

void RunController::Pause(const RunControls& controls)
{
    // What would change the grid, the word stores or the fill source under the run waits for its end.
    paused_.clear();
    std::vector<QWidget*> paused = controls.Paused;
    if (!controls.StartOnAfterRun) paused.insert(paused.begin(), controls.Start);
    for (QWidget* w : paused) {
        paused_.push_back({w, w->isEnabled()});
        w->setEnabled(false);
    }
    controls.Start->setEnabled(false);
    controls.Stop->setEnabled(true);
    controls.Start->repaint();
    controls.Stop->repaint();
    for (QPlainTextEdit* memo : controls.ReadOnly) memo->setReadOnly(true);
}

void RunController::Resume(const RunControls& controls)
{
    for (const auto& [w, enabled] : paused_)
        if (w) w->setEnabled(enabled);
    paused_.clear();
    if (controls.StartOnAfterRun) controls.Start->setEnabled(true);
    controls.Stop->setEnabled(false);
    controls.Start->repaint();
    controls.Stop->repaint();
    for (QPlainTextEdit* memo : controls.ReadOnly) memo->setReadOnly(false);
}

void RunController::RequestStop(QPushButton* stop)
{
    window_.State().Run = RunState::StopRequested;
    stop->setEnabled(false);
}

void RunController::StopAndCloseAfterRun()
{
    window_.State().Run = RunState::StopRequested;
    closeAfterRun_ = true;
}

void RunController::CloseWindowIfAsked()
{
    if (closeAfterRun_) window_.close();
}

}  // namespace qm::ui
