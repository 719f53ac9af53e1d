// The design's undo history: steps done, undone and redone.
#include "core/design/design_history.h"

namespace qm {

void DesignHistory::Do(GridDesign& design, const DesignEdit& edit)
{
    if (!edit.ChangesSquares()) {
        design.SetCursor(edit.CursorAfter);
        return;
    }
    design.Apply(edit);
    edits_.erase(edits_.begin() + static_cast<std::ptrdiff_t>(done_), edits_.end());
    edits_.push_back(edit);
    if (edits_.size() > static_cast<std::size_t>(MaxDesignUndoSteps)) edits_.pop_front();
    done_ = edits_.size();
}

bool DesignHistory::Undo(GridDesign& design)
{
    if (!CanUndo()) return false;
    design.Revert(edits_[done_ - 1]);
    --done_;
    return true;
}

bool DesignHistory::Redo(GridDesign& design)
{
    if (!CanRedo()) return false;
    design.Apply(edits_[done_]);
    ++done_;
    return true;
}

void DesignHistory::Clear()
{
    edits_.clear();
    done_ = 0;
}

}  // namespace qm
