// The search behind RunAnyFill: candidate sets, their narrowing, the choice of slots and words, dead
// ends with backjumping, and restarts. See any_fill.h for how it works as a whole.
#pragma once

#include "core/anyfill/any_fill.h"
#include "core/util/index.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace qm {

class FillSearch {
public:
    /// Sets up the candidate sets of the grid's slots from the words and the placed letters and narrows
    /// them once. Refuses a grid whose slots leave the squares.
    FillSearch(const AnyGrid& grid, const FillWords& words, Lcg& random);

    enum class Outcome { Filled, NoFill, Interrupted };

    /// Searches on for a fill different from every fill in `made` until one is found (Filled, the fill
    /// in `fill`), the search is exhausted (NoFill) or interrupt() says to stop (Interrupted; asked
    /// after every few placements).
    Outcome Next(const std::vector<AnyFill>& made, AnyFill& fill, const std::function<bool()>& interrupt);

    /// What the proof of NoFill ended on: the slot (1-based) and whether the slot's own placed letters
    /// already ruled out every word (no crossing word took part).
    int ProofSlot() const { return proofSlot_; }
    bool ProofByPatternAlone() const { return proofByPattern_; }
    /// The placed letters of a slot as a pattern, '?' for the open squares.
    std::string Pattern(int slot) const;
    /// Slots (1-based) that caused the most dead ends, worst first, at most `count`.
    std::vector<int> WorstSlots(int count) const;

    std::int64_t Placements() const { return placements_; }
    std::int64_t DeadEnds() const { return deadEnds_; }
    int Restarts() const { return restarts_; }
    int SlotsFilled() const { return static_cast<int>(frames_.size()); }
    int MostSlotsFilled() const { return mostFilled_; }
    /// Slots the search places words in (slots whose every letter was placed by the constructor are not).
    int SearchedSlots() const { return static_cast<int>(vars_.size()); }

private:
    /// Decision levels taking part in a narrowing: bit k for the placement of level k (1..160).
    struct LevelSet {
        std::array<std::uint64_t, 3> Bits{};
        void Add(int level) { Bits[level >> 6] |= std::uint64_t{1} << (level & 63); }
        void Remove(int level) { Bits[level >> 6] &= ~(std::uint64_t{1} << (level & 63)); }
        void Merge(const LevelSet& o)
        {
            for (std::size_t i = 0; i < Bits.size(); ++i) Bits[i] |= o.Bits[i];
        }
        bool Empty() const { return (Bits[0] | Bits[1] | Bits[2]) == 0; }
        int Highest() const;
    };
    /// One slot the search fills.
    struct Var {
        int Slot = 0;                 ///< 1-based slot of the grid
        int Length = 0;
        std::size_t Offset = 0;       ///< of its candidate set in sets_
        IntVector<int> Cells;         ///< square of each letter
        IntVector<int> Other;         ///< crossing var at each letter, -1 none
        IntVector<int> OtherPos;      ///< letter of the crossing var there
        std::vector<int> Crossed;     ///< letters with a crossing var
        std::size_t Residues = 0;     ///< of its letters' last-found blocks in residues_ (26 per letter)
    };
    struct Frame {
        int Var = 0;
        int Word = 0;
        std::uint64_t Id = 0;
        std::size_t Trail = 0;
        std::size_t TrailData = 0;
        std::size_t CellTrail = 0;
    };
    struct Saved {
        int Var = 0;
        int Lo = 0;
        int Hi = 0;
        int Count = 0;
        LevelSet Culprits;
        std::size_t Data = 0;
    };
    struct SavedCell {
        int Cell = 0;
        std::uint32_t Mask = 0;
    };

    /// Room the candidate sets and the letters' last-found blocks take, counted while the vars are made.
    struct TableSizes {
        std::size_t SetBlocks = 0;
        std::size_t Residues = 0;
    };
    /// The constructor's steps, in order.
    void ReadSquares();
    /// The squares of a slot, by number; refuses a slot that leaves the grid, is too long or runs into a block.
    IntVector<int> SlotCells(const WordSlot& s) const;
    /// One var per slot with an open square, linked to its crossing vars; the words of whole slots in fixedWords_.
    TableSizes MakeVars();
    void CheckPlacedWordsDiffer() const;
    void MakeTables(const TableSizes& sizes);
    /// Each var's candidates from its placed letters, without the words placed whole; returns the first
    /// var left without candidates, or -1.
    int FirstCandidates();

    std::uint64_t* Set(int v) { return sets_.data() + vars_[v].Offset; }
    const std::uint64_t* Set(int v) const { return sets_.data() + vars_[v].Offset; }
    int Level() const { return static_cast<int>(frames_.size()); }
    void Save(int v);
    void SaveCell(int cell);
    /// Recounts a var's candidates and narrows its block range; returns the count.
    int Recount(int v);
    /// Removes candidate w from var v; the level set explains why. Returns false on a dead end.
    bool RemoveWord(int v, int w, const LevelSet& why);
    /// Narrows until nothing changes; returns the var left without candidates, or -1.
    int Propagate();
    /// Letters possible at each crossed letter of var s (within the squares' masks).
    void Supports(int s, std::array<std::uint32_t, MaxAnyWordLength>& supports);
    /// Removes from var t the candidates with one of the letters at position q; returns false on a dead end.
    bool Narrow(int t, int q, std::uint32_t removed, const LevelSet& why);
    int ChooseVar();
    int ChooseWord(int v);
    /// Places word w in var v at a new level; returns the var left without candidates, or -1.
    int Place(int v, int w);
    void Undo(int level);
    /// Backjumps from a dead end explained by `why`; false when it proves that nothing is left.
    bool Backjump(LevelSet why, int deadVar);
    void Restart();
    void ReadFill(AnyFill& fill) const;

    const AnyGrid& grid_;
    const FillWords& words_;
    Lcg& random_;
    IntVector<Var> vars_;
    std::vector<std::uint64_t> sets_;
    IntVector<int> lo_, hi_, count_;  ///< per var: its candidates' first and end block, their count
    IntVector<LevelSet> culprits_;         ///< per var: the levels that narrowed it
    IntVector<int> placed_;                ///< word placed in each var, -1 none
    IntVector<std::uint64_t> savedIn_;     ///< frame id a var was last saved in
    IntVector<std::uint32_t> masks_;       ///< letters possible in each square
    std::vector<std::uint16_t> residues_;  ///< per var, letter position and letter: the block a candidate was last found in
    IntVector<std::uint64_t> cellSavedIn_;
    IntVector<double> weight_;             ///< dead ends each var has caused
    IntVector<int> deadEndsOf_;
    IntVector<std::string> fixedWords_;  ///< words of the slots placed whole, by slot (else empty)
    IntVector<Frame> frames_;
    std::vector<Saved> trail_;
    std::vector<std::uint64_t> trailData_;
    std::vector<SavedCell> cellTrail_;
    std::vector<int> queue_;
    IntVector<char> queued_;
    std::uint64_t nextFrameId_ = 1;
    std::int64_t placements_ = 0;
    std::int64_t deadEnds_ = 0;
    std::int64_t deadEndsSinceRestart_ = 0;
    std::int64_t restartLimit_ = 0;
    int restarts_ = 0;
    int mostFilled_ = 0;
    int proofSlot_ = 0;
    bool proofByPattern_ = false;
    bool exhausted_ = false;  ///< the level-0 sets are already contradictory
};

}  // namespace qm
