// RunState: whether a run of fills has the crossword, and whether Stop has asked it to end.
#pragma once

#include <cstdint>

namespace qm {

/// One state for a run of fills (symmetrical or freeform), Quick Fill and Improve.
enum class RunState : std::uint8_t {
    Idle,           ///< no run: the window may change the crossword and the stores
    Running,        ///< a run works in the crossword; it looks at this state between attempts
    StopRequested,  ///< Stop was pressed: the run ends after its current attempt
};

/// Marks a run for as long as it lives: Running from the start, Idle again however the run ends.
class RunScope {
public:
    explicit RunScope(RunState& run) : run_(run) { run_ = RunState::Running; }
    ~RunScope() { run_ = RunState::Idle; }
    RunScope(const RunScope&) = delete;
    RunScope& operator=(const RunScope&) = delete;

private:
    RunState& run_;
};

}  // namespace qm
