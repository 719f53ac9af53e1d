// The search of a fill of any grid: candidate sets and square letters narrowed to consistency, the
// choice of slot and word, dead ends with conflict-directed backjumping, and restarts.
#include "core/anyfill/fill_search.h"

#include "core/util/failure.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <numeric>

namespace qm {

namespace {

constexpr std::uint32_t AllLetters = (1u << 26) - 1;
/// Candidates sampled for each placement; the best of them by the candidates it leaves is placed.
constexpr int WordSamples = 6;
/// Dead ends of the first restart interval; later intervals follow the Luby sequence.
constexpr std::int64_t RestartUnit = 256;

/// The Luby sequence 1, 1, 2, 1, 1, 2, 4, 1, ... (i from 1): 2^(k-1) at i = 2^k - 1, else the
/// value at i - (2^(k-1) - 1) for the k with 2^(k-1) <= i < 2^k - 1.
std::int64_t Luby(std::int64_t i)
{
    for (;;) {
        int k = 1;
        while ((std::int64_t{1} << k) - 1 < i) ++k;
        if ((std::int64_t{1} << k) - 1 == i) return std::int64_t{1} << (k - 1);
        i -= (std::int64_t{1} << (k - 1)) - 1;
    }
}

// Counting the bits of candidate sets is the engine's commonest step; where the processor has a
// population count instruction it is used (chosen when the program starts), else the portable count.
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define QM_POPCOUNT_CLONES __attribute__((target_clones("popcnt", "default")))
#else
#define QM_POPCOUNT_CLONES
#endif

/// Set bits of d[lo..hi).
QM_POPCOUNT_CLONES int CountBits(const std::uint64_t* d, int lo, int hi)
{
    int n = 0;
    for (int b = lo; b < hi; ++b) n += std::popcount(d[b]);
    return n;
}

/// Set bits of (a & b)[lo..hi).
QM_POPCOUNT_CLONES int CountCommonBits(const std::uint64_t* a, const std::uint64_t* b, int lo, int hi)
{
    int n = 0;
    for (int k = lo; k < hi; ++k) n += std::popcount(a[k] & b[k]);
    return n;
}

/// Index of the r-th (0-based) set bit of d among the bits below limit in blocks lo..hi-1.
int NthBit(const std::uint64_t* d, int lo, int hi, int limit, int r)
{
    for (int b = lo; b < hi; ++b) {
        std::uint64_t m = d[b];
        if (b * 64 + 64 > limit) m &= limit <= b * 64 ? 0 : (std::uint64_t{1} << (limit - b * 64)) - 1;
        const int n = std::popcount(m);
        if (r < n) {
            for (int k = 0; k < r; ++k) m &= m - 1;
            return b * 64 + std::countr_zero(m);
        }
        r -= n;
    }
    return -1;
}

int CountBelow(const std::uint64_t* d, int lo, int hi, int limit)
{
    int n = 0;
    for (int b = lo; b < hi && b * 64 < limit; ++b) {
        std::uint64_t m = d[b];
        if (b * 64 + 64 > limit) m &= (std::uint64_t{1} << (limit - b * 64)) - 1;
        n += std::popcount(m);
    }
    return n;
}

}  // namespace

int FillSearch::LevelSet::Highest() const
{
    for (int i = static_cast<int>(Bits.size()) - 1; i >= 0; --i)
        if (Bits[i] != 0) return i * 64 + 63 - std::countl_zero(Bits[i]);
    return 0;
}

FillSearch::FillSearch(const AnyGrid& grid, const FillWords& words, Lcg& random) : grid_(grid), words_(words), random_(random)
{
    const int slotCount = grid.Xw.WordSlotCount;
    Check(slotCount >= 1 && slotCount <= MaxWordSlots, "The grid has no words to fill");
    ReadSquares();
    const TableSizes sizes = MakeVars();
    CheckPlacedWordsDiffer();
    MakeTables(sizes);
    const int empty = FirstCandidates();
    if (empty >= 0) {
        exhausted_ = true;
        proofByPattern_ = true;
        proofSlot_ = vars_[empty].Slot;
        return;
    }
    for (int v = 0; v < vars_.Size(); ++v) {
        queue_.push_back(v);
        queued_[v] = 1;
    }
    const int dead = Propagate();
    if (dead >= 0) {
        exhausted_ = true;
        proofSlot_ = vars_[dead].Slot;
    }
}

void FillSearch::ReadSquares()
{
    const Crossword& xw = grid_.Xw;
    const int n = xw.Squares.Size();
    masks_.assign(static_cast<std::size_t>(n * n), 0);
    cellSavedIn_.assign(masks_.size(), 0);
    for (int row = 1; row <= n; ++row)
        for (int col = 1; col <= n; ++col) {
            const char c = xw.Squares(col, row).Letter;
            masks_[(row - 1) * n + col - 1] = c == '#' ? 0 : (c >= 'A' && c <= 'Z') ? 1u << (c - 'A') : AllLetters;
        }
}

IntVector<int> FillSearch::SlotCells(const WordSlot& s) const
{
    const Crossword& xw = grid_.Xw;
    const int n = xw.Squares.Size();
    const int L = s.NumLett;
    const int lastCol = s.Dir ? s.Col + L - 1 : s.Col;
    const int lastRow = s.Dir ? s.Row : s.Row + L - 1;
    Check(L >= 1 && xw.Squares.Inside(s.Col, s.Row) && xw.Squares.Inside(lastCol, lastRow),
          [&] { return SlotName(s) + " does not fit in the grid"; });
    Check(L <= MaxAnyWordLength, [&] {
        return SlotName(s) + " has " + std::to_string(L) + " letters; a word has at most " + std::to_string(MaxAnyWordLength);
    });
    IntVector<int> cells;
    for (int k = 0; k < L; ++k) {
        const int col = s.Dir ? s.Col + k : s.Col;
        const int row = s.Dir ? s.Row : s.Row + k;
        const int cell = (row - 1) * n + col - 1;
        Check(masks_[cell] != 0, [&] { return SlotName(s) + " runs into a block"; });
        cells.push_back(cell);
    }
    return cells;
}

FillSearch::TableSizes FillSearch::MakeVars()
{
    const Crossword& xw = grid_.Xw;
    fixedWords_.assign(static_cast<std::size_t>(xw.WordSlotCount), std::string());
    // Which var holds each letter of each square (at most an across and a down one).
    IntVector<std::array<std::pair<int, int>, 2>> holders(masks_.size(), {std::pair{-1, 0}, std::pair{-1, 0}});
    TableSizes sizes;
    for (int i = 1; i <= xw.WordSlotCount; ++i) {
        const WordSlot& s = xw.Slot(i);
        IntVector<int> cells = SlotCells(s);
        const std::string pattern = Pattern(i);
        if (pattern.find('?') == std::string::npos) {
            fixedWords_[i - 1] = pattern;
            continue;
        }
        const int L = s.NumLett;
        Var v;
        v.Slot = i;
        v.Length = L;
        v.Offset = sizes.SetBlocks;
        v.Residues = sizes.Residues;
        sizes.Residues += static_cast<std::size_t>(L) * 26;
        sizes.SetBlocks += L >= MinAnyWordLength ? words_.Blocks(L) : 0;
        v.Cells = std::move(cells);
        v.Other.assign(static_cast<std::size_t>(L), -1);
        v.OtherPos.assign(static_cast<std::size_t>(L), 0);
        const int id = vars_.Size();
        for (int k = 0; k < L; ++k) {
            auto& h = holders[v.Cells[k]];
            (h[0].first < 0 ? h[0] : h[1]) = {id, k};
        }
        vars_.push_back(std::move(v));
    }
    for (const auto& h : holders)
        if (h[0].first >= 0 && h[1].first >= 0)
            for (int side = 0; side < 2; ++side) {
                Var& v = vars_[h[side].first];
                v.Other[h[side].second] = h[1 - side].first;
                v.OtherPos[h[side].second] = h[1 - side].second;
            }
    for (Var& var : vars_)
        for (int k = 0; k < var.Length; ++k)
            if (var.Other[k] >= 0) var.Crossed.push_back(k);
    return sizes;
}

void FillSearch::CheckPlacedWordsDiffer() const
{
    const Crossword& xw = grid_.Xw;
    for (int i = 0; i < xw.WordSlotCount; ++i)
        for (int j = 0; j < i; ++j)
            Check(fixedWords_[i].empty() || fixedWords_[i] != fixedWords_[j], [&] {
                return "The word " + fixedWords_[i] + " is placed in both " + SlotName(xw.Slot(j + 1)) + " and " +
                       SlotName(xw.Slot(i + 1)) + "; a fill uses a word once";
            });
}

void FillSearch::MakeTables(const TableSizes& sizes)
{
    const std::size_t count = vars_.size();
    sets_.assign(sizes.SetBlocks, 0);
    residues_.assign(sizes.Residues, 0);
    lo_.assign(count, 0);
    hi_.assign(count, 0);
    count_.assign(count, 0);
    culprits_.assign(count, LevelSet{});
    placed_.assign(count, -1);
    savedIn_.assign(count, 0);
    weight_.assign(count, 0);
    deadEndsOf_.assign(count, 0);
    queued_.assign(count, 0);
    restartLimit_ = RestartUnit;
}

int FillSearch::FirstCandidates()
{
    // A word placed whole is taken: no other slot may use it.
    std::vector<std::pair<int, int>> fixedCandidates;
    for (const std::string& fixed : fixedWords_) {
        const int w = fixed.empty() ? -1 : words_.Find(static_cast<int>(fixed.size()), fixed);
        if (w >= 0) fixedCandidates.emplace_back(static_cast<int>(fixed.size()), w);
    }
    int empty = -1;
    for (int v = 0; v < vars_.Size(); ++v) {
        const Var& var = vars_[v];
        const int L = var.Length;
        if (L < MinAnyWordLength || words_.Count(L) == 0) {
            if (empty < 0) empty = v;
            continue;
        }
        std::uint64_t* d = Set(v);
        const int total = words_.Count(L);
        const int blocks = static_cast<int>(words_.Blocks(L));
        for (int b = 0; b < blocks; ++b) d[b] = ~std::uint64_t{0};
        if (total % 64 != 0) d[blocks - 1] = (std::uint64_t{1} << (total % 64)) - 1;
        for (int k = 0; k < L; ++k) {
            const std::uint32_t m = masks_[var.Cells[k]];
            if (m == AllLetters) continue;
            const std::uint64_t* letters = words_.LetterSet(L, k, std::countr_zero(m));
            for (int b = 0; b < blocks; ++b) d[b] &= letters[b];
        }
        for (const auto& [length, w] : fixedCandidates)
            if (length == L) d[w >> 6] &= ~(std::uint64_t{1} << (w & 63));
        lo_[v] = 0;
        hi_[v] = blocks;
        if (Recount(v) == 0 && empty < 0) empty = v;
    }
    return empty;
}

void FillSearch::Save(int v)
{
    if (frames_.empty()) return;
    const std::uint64_t id = frames_.back().Id;
    if (savedIn_[v] == id) return;
    savedIn_[v] = id;
    trail_.push_back({v, lo_[v], hi_[v], count_[v], culprits_[v], trailData_.size()});
    const std::uint64_t* d = Set(v);
    trailData_.insert(trailData_.end(), d + lo_[v], d + hi_[v]);
}

void FillSearch::SaveCell(int cell)
{
    if (frames_.empty()) return;
    const std::uint64_t id = frames_.back().Id;
    if (cellSavedIn_[cell] == id) return;
    cellSavedIn_[cell] = id;
    cellTrail_.push_back({cell, masks_[cell]});
}

int FillSearch::Recount(int v)
{
    const std::uint64_t* d = Set(v);
    int lo = lo_[v];
    int hi = hi_[v];
    while (lo < hi && d[lo] == 0) ++lo;
    while (hi > lo && d[hi - 1] == 0) --hi;
    const int n = CountBits(d, lo, hi);
    lo_[v] = lo;
    hi_[v] = hi;
    count_[v] = n;
    return n;
}

bool FillSearch::RemoveWord(int v, int w, const LevelSet& why)
{
    std::uint64_t* d = Set(v);
    const std::uint64_t bit = std::uint64_t{1} << (w & 63);
    if ((d[w >> 6] & bit) == 0) return true;
    Save(v);
    d[w >> 6] &= ~bit;
    culprits_[v].Merge(why);
    if (Recount(v) == 0) return false;
    if (!queued_[v]) {
        queued_[v] = 1;
        queue_.push_back(v);
    }
    return true;
}

void FillSearch::Supports(int s, std::array<std::uint32_t, MaxAnyWordLength>& supports)
{
    const Var& var = vars_[s];
    const std::uint64_t* d = Set(s);
    const int lo = lo_[s];
    const int hi = hi_[s];
    // Only squares that still allow more than one letter and whose crossing slot is open can lose
    // letters; a square down to one letter keeps it while the slot has candidates.
    std::array<int, MaxAnyWordLength> open{};
    int opened = 0;
    for (int p : var.Crossed) {
        const std::uint32_t mask = masks_[var.Cells[p]];
        if (placed_[var.Other[p]] >= 0 || (mask & (mask - 1)) == 0) {
            supports[p] = mask;
            continue;
        }
        supports[p] = 0;
        open[opened++] = p;
    }
    if (opened == 0) return;
    // A few candidates are read letter by letter; otherwise each letter still possible is looked for
    // in its bitset, first in the block where it was last found (it is usually still there).
    if (count_[s] <= 3 * (hi - lo)) {
        for (int b = lo; b < hi; ++b)
            for (std::uint64_t m = d[b]; m != 0; m &= m - 1) {
                const char* text = words_.Text(var.Length, b * 64 + std::countr_zero(m)).data();
                for (int k = 0; k < opened; ++k) {
                    const int p = open[k];
                    supports[p] |= 1u << (text[p] - 'A');
                }
            }
        return;
    }
    for (int k = 0; k < opened; ++k) {
        const int p = open[k];
        std::uint16_t* residues = residues_.data() + var.Residues + static_cast<std::size_t>(p) * 26;
        for (std::uint32_t m = masks_[var.Cells[p]]; m != 0; m &= m - 1) {
            const int c = std::countr_zero(m);
            const std::uint64_t* letters = words_.LetterSet(var.Length, p, c);
            const int r = residues[c];
            if (r >= lo && r < hi && (d[r] & letters[r])) {
                supports[p] |= 1u << c;
                continue;
            }
            for (int b = lo; b < hi; ++b)
                if (d[b] & letters[b]) {
                    supports[p] |= 1u << c;
                    residues[c] = static_cast<std::uint16_t>(b);
                    break;
                }
        }
    }
}

bool FillSearch::Narrow(int t, int q, std::uint32_t removed, const LevelSet& why)
{
    const Var& var = vars_[t];
    Save(t);
    std::uint64_t* d = Set(t);
    const int lo = lo_[t];
    const int hi = hi_[t];
    const std::uint32_t kept = masks_[var.Cells[q]];
    if (std::popcount(removed) <= std::popcount(kept)) {
        for (std::uint32_t m = removed; m != 0; m &= m - 1) {
            const std::uint64_t* letters = words_.LetterSet(var.Length, q, std::countr_zero(m));
            for (int b = lo; b < hi; ++b) d[b] &= ~letters[b];
        }
    } else {
        std::array<const std::uint64_t*, 26> sets{};
        int k = 0;
        for (std::uint32_t m = kept; m != 0; m &= m - 1) sets[k++] = words_.LetterSet(var.Length, q, std::countr_zero(m));
        for (int b = lo; b < hi; ++b) {
            std::uint64_t any = 0;
            for (int j = 0; j < k; ++j) any |= sets[j][b];
            d[b] &= any;
        }
    }
    const int before = count_[t];
    if (Recount(t) == before) return true;
    culprits_[t].Merge(why);
    if (count_[t] == 0) return false;
    if (!queued_[t]) {
        queued_[t] = 1;
        queue_.push_back(t);
    }
    return true;
}

int FillSearch::Propagate()
{
    std::array<std::uint32_t, MaxAnyWordLength> supports{};
    // First in, first out: a slot narrowed again while it waits is looked at once for all of it.
    for (std::size_t head = 0; head < queue_.size(); ++head) {
        const int s = queue_[head];
        queued_[s] = 0;
        Supports(s, supports);
        const Var& var = vars_[s];
        for (int p : var.Crossed) {
            const int t = var.Other[p];
            if (placed_[t] >= 0) continue;
            const int cell = var.Cells[p];
            const std::uint32_t mask = masks_[cell];
            const std::uint32_t kept = supports[p] & mask;
            if (kept == mask) continue;
            SaveCell(cell);
            masks_[cell] = kept;
            if (!Narrow(t, var.OtherPos[p], mask & ~kept, culprits_[s])) return t;
        }
    }
    queue_.clear();
    return -1;
}

int FillSearch::ChooseVar()
{
    int best = -1;
    double bestKey = 0;
    for (int v = 0; v < vars_.Size(); ++v) {
        if (placed_[v] >= 0) continue;
        if (count_[v] == 1) return v;
        // Fewest candidates for the dead ends the slot has caused; a tie goes to the slot with more crossings.
        const double key = static_cast<double>(count_[v]) / (1.0 + weight_[v]) -
                           0.001 * static_cast<double>(vars_[v].Crossed.size());
        if (best < 0 || key < bestKey) {
            best = v;
            bestKey = key;
        }
    }
    return best;
}

int FillSearch::ChooseWord(int v)
{
    const Var& var = vars_[v];
    const std::uint64_t* d = Set(v);
    const int lo = lo_[v];
    const int hi = hi_[v];
    if (count_[v] == 1) return NthBit(d, lo, hi, hi * 64, 0);
    int limit = hi * 64;
    int n = count_[v];
    const int preferred = words_.PreferredCount(var.Length);
    if (preferred > 0) {
        const int inPreferred = CountBelow(d, lo, hi, preferred);
        if (inPreferred > 0) {
            limit = preferred;
            n = inPreferred;
        }
    }
    int best = -1;
    double bestScore = 0;
    std::array<int, WordSamples> tried{};
    const int samples = std::min(n, WordSamples);
    for (int k = 0; k < samples; ++k) {
        // Earlier candidates (the commoner ones) are sampled more often.
        const double u = random_.RandomReal();
        const int w = NthBit(d, lo, hi, limit, static_cast<int>(u * u * n));
        if (std::find(tried.begin(), tried.begin() + k, w) != tried.begin() + k) {
            tried[k] = w;
            continue;
        }
        tried[k] = w;
        double score = 0;
        for (int p : var.Crossed) {
            const int t = var.Other[p];
            if (placed_[t] >= 0) continue;
            const std::uint64_t* dt = Set(t);
            const std::uint64_t* letters =
                words_.LetterSet(vars_[t].Length, var.OtherPos[p], words_.Letter(var.Length, w, p) - 'A');
            const int left = CountCommonBits(dt, letters, lo_[t], hi_[t]);
            score += std::log(1.0 + left);
        }
        if (best < 0 || score > bestScore) {
            best = w;
            bestScore = score;
        }
    }
    return best;
}

int FillSearch::Place(int v, int w)
{
    frames_.push_back({v, w, nextFrameId_++, trail_.size(), trailData_.size(), cellTrail_.size()});
    ++placements_;
    mostFilled_ = std::max(mostFilled_, Level());
    Save(v);
    std::uint64_t* d = Set(v);
    for (int b = lo_[v]; b < hi_[v]; ++b) d[b] = 0;
    d[w >> 6] = std::uint64_t{1} << (w & 63);
    lo_[v] = w >> 6;
    hi_[v] = lo_[v] + 1;
    count_[v] = 1;
    culprits_[v].Add(Level());
    placed_[v] = w;
    if (!queued_[v]) {
        queued_[v] = 1;
        queue_.push_back(v);
    }
    LevelSet why;
    why.Add(Level());
    const int L = vars_[v].Length;
    for (int y = 0; y < vars_.Size(); ++y)
        if (y != v && vars_[y].Length == L && placed_[y] < 0 && !RemoveWord(y, w, why)) return y;
    return Propagate();
}

void FillSearch::Undo(int level)
{
    for (int v : queue_) queued_[v] = 0;
    queue_.clear();
    while (Level() > level) {
        const Frame f = frames_.back();
        while (trail_.size() > f.Trail) {
            const Saved& s = trail_.back();
            std::copy(trailData_.begin() + static_cast<std::ptrdiff_t>(s.Data), trailData_.end(), Set(s.Var) + s.Lo);
            trailData_.resize(s.Data);
            lo_[s.Var] = s.Lo;
            hi_[s.Var] = s.Hi;
            count_[s.Var] = s.Count;
            culprits_[s.Var] = s.Culprits;
            trail_.pop_back();
        }
        while (cellTrail_.size() > f.CellTrail) {
            masks_[cellTrail_.back().Cell] = cellTrail_.back().Mask;
            cellTrail_.pop_back();
        }
        placed_[f.Var] = -1;
        frames_.pop_back();
    }
}

bool FillSearch::Backjump(LevelSet why, int deadVar)
{
    for (;;) {
        ++deadEnds_;
        ++deadEndsSinceRestart_;
        weight_[deadVar] += 1;
        ++deadEndsOf_[deadVar];
        if (why.Empty()) {
            proofSlot_ = vars_[deadVar].Slot;
            return false;
        }
        const int h = why.Highest();
        const Frame f = frames_[h - 1];
        Undo(h - 1);
        why.Remove(h);
        // The placement of level h cannot stand with the levels left in why: it is ruled out there.
        if (!RemoveWord(f.Var, f.Word, why)) {
            deadVar = f.Var;
            why = culprits_[f.Var];
            continue;
        }
        const int dead = Propagate();
        if (dead < 0) return true;
        deadVar = dead;
        why = culprits_[dead];
    }
}

void FillSearch::Restart()
{
    Undo(0);
    ++restarts_;
    deadEndsSinceRestart_ = 0;
    restartLimit_ = RestartUnit * Luby(restarts_ + 1);
}

void FillSearch::ReadFill(AnyFill& fill) const
{
    const int slotCount = grid_.Xw.WordSlotCount;
    fill.Words.assign(static_cast<std::size_t>(slotCount), std::string());
    fill.Origins.assign(static_cast<std::size_t>(slotCount), std::nullopt);
    for (int s = 0; s < slotCount; ++s) {
        const std::string& fixed = fixedWords_[s];
        if (fixed.empty()) continue;
        fill.Words[s] = fixed;
        const int w = words_.Find(static_cast<int>(fixed.size()), fixed);
        if (w >= 0) fill.Origins[s] = words_.Origin(static_cast<int>(fixed.size()), w);
    }
    for (int v = 0; v < vars_.Size(); ++v) {
        const int s = vars_[v].Slot - 1;
        fill.Words[s] = std::string(words_.Text(vars_[v].Length, placed_[v]));
        fill.Origins[s] = words_.Origin(vars_[v].Length, placed_[v]);
    }
}

FillSearch::Outcome FillSearch::Next(const std::vector<AnyFill>& made, AnyFill& fill, const std::function<bool()>& interrupt)
{
    if (exhausted_) return Outcome::NoFill;
    if (Level() > 0 || !made.empty()) Restart();
    for (std::int64_t step = 0;; ++step) {
        if ((step & 15) == 0 && interrupt && interrupt()) return Outcome::Interrupted;
        if (deadEndsSinceRestart_ >= restartLimit_) Restart();
        const int v = ChooseVar();
        if (v < 0) {
            ReadFill(fill);
            if (std::none_of(made.begin(), made.end(), [&](const AnyFill& f) { return f.Words == fill.Words; }))
                return Outcome::Filled;
            // The same fill again: every placement of it took part.
            LevelSet all;
            for (int k = 1; k <= Level(); ++k) all.Add(k);
            const int last = Level() > 0 ? frames_.back().Var : 0;
            if (Level() == 0 || !Backjump(all, last)) {
                exhausted_ = true;
                proofSlot_ = vars_.empty() ? 1 : vars_[last].Slot;
                return Outcome::NoFill;
            }
            continue;
        }
        const int dead = Place(v, ChooseWord(v));
        if (dead >= 0 && !Backjump(culprits_[dead], dead)) {
            exhausted_ = true;
            return Outcome::NoFill;
        }
    }
}

std::string FillSearch::Pattern(int slot) const
{
    const Crossword& xw = grid_.Xw;
    const WordSlot& s = xw.Slot(slot);
    std::string pattern;
    for (int k = 0; k < s.NumLett; ++k) {
        const char c = s.Dir ? xw.Squares(s.Col + k, s.Row).Letter : xw.Squares(s.Col, s.Row + k).Letter;
        pattern += (c >= 'A' && c <= 'Z') ? c : '?';
    }
    return pattern;
}

std::vector<int> FillSearch::WorstSlots(int count) const
{
    std::vector<int> order(vars_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return deadEndsOf_[a] > deadEndsOf_[b];
    });
    std::vector<int> slots;
    for (int v : order) {
        if (static_cast<int>(slots.size()) == count || deadEndsOf_[v] == 0) break;
        slots.push_back(vars_[v].Slot);
    }
    if (slots.empty() && !vars_.empty()) {
        // No dead end yet: the open slot with the fewest candidates is the one the search is held by.
        int best = -1;
        for (int v = 0; v < vars_.Size(); ++v)
            if (placed_[v] < 0 && (best < 0 || count_[v] < count_[best]))
                best = v;
        if (best >= 0) slots.push_back(vars_[best].Slot);
    }
    return slots;
}

}  // namespace qm
