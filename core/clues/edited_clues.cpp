// Keeping and bringing back the clues edited in generated fills.
#include "core/clues/edited_clues.h"

namespace qm {

void EditedClues::Keep(int fill, const WordSlot& s)
{
    if (fill < 1) return;
    clues_[KeyOf(fill, s)] = Edit{s.WordTxt.str(), s.ClueTxt.str()};
}

void EditedClues::Forget(int fill, const WordSlot& s) { clues_.erase(KeyOf(fill, s)); }

void EditedClues::Apply(int fill, Crossword& xw) const
{
    for (int i = 1; i <= xw.WordSlotCount; ++i) {
        WordSlot& s = xw.Slot(i);
        const auto it = clues_.find(KeyOf(fill, s));
        if (it != clues_.end() && it->second.Word == s.WordTxt.view()) s.ClueTxt = it->second.ClueTxt;
    }
}

}  // namespace qm
