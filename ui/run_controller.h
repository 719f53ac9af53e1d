// RunController: the start, stop and end of a run of fills, shared by the symmetrical and the freeform runs.
#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>
#include <utility>
#include <vector>

class QPlainTextEdit;
class QPushButton;

namespace qm::ui {

class MainWindow;

/// What a run holds still while it works: the controls it pauses, its Start and Stop buttons and the
/// clue memos that become read-only (a fill shown during a run can be read but not edited).
struct RunControls {
    std::vector<QWidget*> Paused;          ///< disabled during the run, given back their own state after it
    QPushButton* Start = nullptr;          ///< off during the run
    bool StartOnAfterRun = true;           ///< Start is on after the run (else it gets its own state back)
    QPushButton* Stop = nullptr;           ///< on during the run only
    std::vector<QPlainTextEdit*> ReadOnly;  ///< read-only during the run
};

/// One run at a time, of either kind (a symmetrical run, a freeform run, Improve): the core marks the
/// state as running; this class pauses the window's controls around it, passes Stop on, and closes the
/// window after the run when it was asked to close meanwhile.
class RunController {
public:
    explicit RunController(MainWindow& window) : window_(window) {}

    /// Pauses the controls, runs the work (a failure ends it with a message box), and gives the controls
    /// back. The frozen widget, when given, is not repainted while the work goes on.
    void Run(const RunControls& controls, QWidget* frozen, const std::function<void()>& work);
    /// Stop: the run ends after its current attempt; its Stop button goes off at once.
    void RequestStop(QPushButton* stop);
    /// The window was asked to close during a run: the run is stopped and the window closes after it.
    void StopAndCloseAfterRun();
    /// Closes the window when it was asked to close during the run that has just ended.
    void CloseWindowIfAsked();

private:
    void Pause(const RunControls& controls);
    void Resume(const RunControls& controls);

    MainWindow& window_;
    bool closeAfterRun_ = false;
    /// The controls disabled for the run, with their state before it.
    std::vector<std::pair<QPointer<QWidget>, bool>> paused_;
};

}  // namespace qm::ui
