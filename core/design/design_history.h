// The undo history of a design without a window: the edits made, undone and redone in order. The
// window keeps its own (a QUndoStack of commands wrapping the same edits) with the same limit.
#pragma once

#include "core/design/grid_design.h"

#include <cstddef>
#include <deque>
#include <string>

namespace qm {

/// Edits the history keeps; beyond them the oldest is forgotten (it can no longer be undone).
constexpr int MaxDesignUndoSteps = 1000;

class DesignHistory {
public:
    /// Makes the edit on the design and keeps it as the latest step; the steps undone before are
    /// dropped. An edit that changes no square only moves the cursor and is not kept. Failure (nothing
    /// changed, nothing kept) when the edit does not fit the design.
    void Do(GridDesign& design, const DesignEdit& edit);

    bool CanUndo() const { return done_ > 0; }
    bool CanRedo() const { return done_ < edits_.size(); }
    /// The labels of the steps Undo and Redo would take; empty when there is none.
    std::string UndoLabel() const { return CanUndo() ? edits_[done_ - 1].Label : std::string(); }
    std::string RedoLabel() const { return CanRedo() ? edits_[done_].Label : std::string(); }

    /// Takes back the latest step done; false when there is none.
    bool Undo(GridDesign& design);
    /// Makes the latest step undone again; false when there is none.
    bool Redo(GridDesign& design);
    /// Forgets every step (a new design).
    void Clear();
    /// Steps kept, done and undone.
    std::size_t Steps() const { return edits_.size(); }

private:
    std::deque<DesignEdit> edits_;
    std::size_t done_ = 0;  ///< edits_[0 .. done_-1] are done, the rest undone
};

}  // namespace qm
