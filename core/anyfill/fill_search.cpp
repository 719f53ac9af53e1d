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
        if (Bits[static_cast<std::size_t>(i)] != 0) return i * 64 + 63 - std::countl_zero(Bits[static_cast<std::size_t>(i)]);
    return 0;
}

FillSearch::FillSearch(const AnyGrid& grid, const FillWords& words, Lcg& random) : grid_(grid), words_(words), random_(random)
{
    const Crossword& xw = grid.Xw;
    const int n = xw.Squares.Size();
    const int slotCount = xw.WordSlotCount;
    Check(slotCount >= 1 && slotCount <= MaxWordSlots, "The grid has no words to fill");
    masks_.assign(static_cast<std::size_t>(n * n), 0);
    cellSavedIn_.assign(masks_.size(), 0);
    for (int row = 1; row <= n; ++row)
        for (int col = 1; col <= n; ++col) {
            const char c = xw.Squares(col, row).Letter;
            masks_[static_cast<std::size_t>((row - 1) * n + col - 1)] =
                c == '#' ? 0 : (c >= 'A' && c <= 'Z') ? 1u << (c - 'A') : AllLetters;
        }
    fixedWords_.assign(static_cast<std::size_t>(slotCount), std::string());

    // Which var holds each letter of each square (at most an across and a down one).
    std::vector<std::array<std::pair<int, int>, 2>> holders(masks_.size(), {std::pair{-1, 0}, std::pair{-1, 0}});
    std::size_t offset = 0;
    std::size_t residueCount = 0;
    for (int i = 1; i <= slotCount; ++i) {
        const WordSlot& s = xw.Slot(i);
        const int L = s.NumLett;
        const int lastCol = s.Dir ? s.Col + L - 1 : s.Col;
        const int lastRow = s.Dir ? s.Row : s.Row + L - 1;
        Check(L >= 1 && xw.Squares.Inside(s.Col, s.Row) && xw.Squares.Inside(lastCol, lastRow),
              [&] { return SlotName(s) + " does not fit in the grid"; });
        Check(L <= MaxAnyWordLength, [&] {
            return SlotName(s) + " has " + std::to_string(L) + " letters; a word has at most " + std::to_string(MaxAnyWordLength);
        });
        std::vector<int> cells;
        std::string text;
        for (int k = 0; k < L; ++k) {
            const int col = s.Dir ? s.Col + k : s.Col;
            const int row = s.Dir ? s.Row : s.Row + k;
            const int cell = (row - 1) * n + col - 1;
            Check(masks_[static_cast<std::size_t>(cell)] != 0, [&] { return SlotName(s) + " runs into a block"; });
            cells.push_back(cell);
            const char c = xw.Squares(col, row).Letter;
            if (c >= 'A' && c <= 'Z') text += c;
        }
        if (static_cast<int>(text.size()) == L) {
            fixedWords_[static_cast<std::size_t>(i - 1)] = text;
            continue;
        }
        Var v;
        v.Slot = i;
        v.Length = L;
        v.Offset = offset;
        v.Residues = residueCount;
        residueCount += static_cast<std::size_t>(L) * 26;
        offset += L >= MinAnyWordLength ? words.Blocks(L) : 0;
        v.Cells = cells;
        v.Other.assign(static_cast<std::size_t>(L), -1);
        v.OtherPos.assign(static_cast<std::size_t>(L), 0);
        const int id = static_cast<int>(vars_.size());
        for (int k = 0; k < L; ++k) {
            auto& h = holders[static_cast<std::size_t>(cells[static_cast<std::size_t>(k)])];
            (h[0].first < 0 ? h[0] : h[1]) = {id, k};
        }
        vars_.push_back(std::move(v));
    }
    for (int i = 0; i < slotCount; ++i)
        for (int j = 0; j < i; ++j)
            Check(fixedWords_[static_cast<std::size_t>(i)].empty() || fixedWords_[static_cast<std::size_t>(i)] != fixedWords_[static_cast<std::size_t>(j)], [&] {
                return "The word " + fixedWords_[static_cast<std::size_t>(i)] + " is placed in both " + SlotName(xw.Slot(j + 1)) +
                       " and " + SlotName(xw.Slot(i + 1)) + "; a fill uses a word once";
            });
    for (const auto& h : holders)
        if (h[0].first >= 0 && h[1].first >= 0)
            for (int side = 0; side < 2; ++side) {
                Var& v = vars_[static_cast<std::size_t>(h[side].first)];
                v.Other[static_cast<std::size_t>(h[side].second)] = h[1 - side].first;
                v.OtherPos[static_cast<std::size_t>(h[side].second)] = h[1 - side].second;
            }

    // A word placed whole is taken: no other slot may use it.
    std::vector<std::pair<int, int>> fixedCandidates;
    for (const std::string& fixed : fixedWords_) {
        const int w = fixed.empty() ? -1 : words.Find(static_cast<int>(fixed.size()), fixed);
        if (w >= 0) fixedCandidates.emplace_back(static_cast<int>(fixed.size()), w);
    }
    const std::size_t count = vars_.size();
    sets_.assign(offset, 0);
    residues_.assign(residueCount, 0);
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
    int empty = -1;
    for (int v = 0; v < static_cast<int>(count); ++v) {
        Var& var = vars_[static_cast<std::size_t>(v)];
        for (int k = 0; k < var.Length; ++k)
            if (var.Other[static_cast<std::size_t>(k)] >= 0) var.Crossed.push_back(k);
        const int L = var.Length;
        if (L < MinAnyWordLength || words.Count(L) == 0) {
            if (empty < 0) empty = v;
            continue;
        }
        std::uint64_t* d = Set(v);
        const int total = words.Count(L);
        const int blocks = static_cast<int>(words.Blocks(L));
        for (int b = 0; b < blocks; ++b) d[b] = ~std::uint64_t{0};
        if (total % 64 != 0) d[blocks - 1] = (std::uint64_t{1} << (total % 64)) - 1;
        for (int k = 0; k < L; ++k) {
            const std::uint32_t m = masks_[static_cast<std::size_t>(var.Cells[static_cast<std::size_t>(k)])];
            if (m == AllLetters) continue;
            const std::uint64_t* letters = words.LetterSet(L, k, std::countr_zero(m));
            for (int b = 0; b < blocks; ++b) d[b] &= letters[b];
        }
        for (const auto& [length, w] : fixedCandidates)
            if (length == L) d[w >> 6] &= ~(std::uint64_t{1} << (w & 63));
        lo_[static_cast<std::size_t>(v)] = 0;
        hi_[static_cast<std::size_t>(v)] = blocks;
        if (Recount(v) == 0 && empty < 0) empty = v;
    }
    if (empty >= 0) {
        exhausted_ = true;
        proofByPattern_ = true;
        proofSlot_ = vars_[static_cast<std::size_t>(empty)].Slot;
        return;
    }
    for (int v = 0; v < static_cast<int>(count); ++v) {
        queue_.push_back(v);
        queued_[static_cast<std::size_t>(v)] = 1;
    }
    const int dead = Propagate();
    if (dead >= 0) {
        exhausted_ = true;
        proofSlot_ = vars_[static_cast<std::size_t>(dead)].Slot;
    }
}

void FillSearch::Save(int v)
{
    if (frames_.empty()) return;
    const std::uint64_t id = frames_.back().Id;
    const auto i = static_cast<std::size_t>(v);
    if (savedIn_[i] == id) return;
    savedIn_[i] = id;
    trail_.push_back({v, lo_[i], hi_[i], count_[i], culprits_[i], trailData_.size()});
    const std::uint64_t* d = Set(v);
    trailData_.insert(trailData_.end(), d + lo_[i], d + hi_[i]);
}

void FillSearch::SaveCell(int cell)
{
    if (frames_.empty()) return;
    const std::uint64_t id = frames_.back().Id;
    const auto i = static_cast<std::size_t>(cell);
    if (cellSavedIn_[i] == id) return;
    cellSavedIn_[i] = id;
    cellTrail_.push_back({cell, masks_[i]});
}

int FillSearch::Recount(int v)
{
    const auto i = static_cast<std::size_t>(v);
    const std::uint64_t* d = Set(v);
    int lo = lo_[i];
    int hi = hi_[i];
    while (lo < hi && d[lo] == 0) ++lo;
    while (hi > lo && d[hi - 1] == 0) --hi;
    const int n = CountBits(d, lo, hi);
    lo_[i] = lo;
    hi_[i] = hi;
    count_[i] = n;
    return n;
}

bool FillSearch::RemoveWord(int v, int w, const LevelSet& why)
{
    const auto i = static_cast<std::size_t>(v);
    std::uint64_t* d = Set(v);
    const std::uint64_t bit = std::uint64_t{1} << (w & 63);
    if ((d[w >> 6] & bit) == 0) return true;
    Save(v);
    d[w >> 6] &= ~bit;
    culprits_[i].Merge(why);
    if (Recount(v) == 0) return false;
    if (!queued_[i]) {
        queued_[i] = 1;
        queue_.push_back(v);
    }
    return true;
}

void FillSearch::Supports(int s, std::array<std::uint32_t, MaxAnyWordLength>& supports)
{
    const Var& var = vars_[static_cast<std::size_t>(s)];
    const auto i = static_cast<std::size_t>(s);
    const std::uint64_t* d = Set(s);
    const int lo = lo_[i];
    const int hi = hi_[i];
    // Only squares that still allow more than one letter and whose crossing slot is open can lose
    // letters; a square down to one letter keeps it while the slot has candidates.
    std::array<int, MaxAnyWordLength> open{};
    int opened = 0;
    for (int p : var.Crossed) {
        const std::uint32_t mask = masks_[static_cast<std::size_t>(var.Cells[static_cast<std::size_t>(p)])];
        if (placed_[static_cast<std::size_t>(var.Other[static_cast<std::size_t>(p)])] >= 0 || (mask & (mask - 1)) == 0) {
            supports[static_cast<std::size_t>(p)] = mask;
            continue;
        }
        supports[static_cast<std::size_t>(p)] = 0;
        open[static_cast<std::size_t>(opened++)] = p;
    }
    if (opened == 0) return;
    // A few candidates are read letter by letter; otherwise each letter still possible is looked for
    // in its bitset, first in the block where it was last found (it is usually still there).
    if (count_[i] <= 3 * (hi - lo)) {
        for (int b = lo; b < hi; ++b)
            for (std::uint64_t m = d[b]; m != 0; m &= m - 1) {
                const char* text = words_.Text(var.Length, b * 64 + std::countr_zero(m)).data();
                for (int k = 0; k < opened; ++k) {
                    const int p = open[static_cast<std::size_t>(k)];
                    supports[static_cast<std::size_t>(p)] |= 1u << (text[p] - 'A');
                }
            }
        return;
    }
    for (int k = 0; k < opened; ++k) {
        const int p = open[static_cast<std::size_t>(k)];
        std::uint16_t* residues = residues_.data() + var.Residues + static_cast<std::size_t>(p) * 26;
        for (std::uint32_t m = masks_[static_cast<std::size_t>(var.Cells[static_cast<std::size_t>(p)])]; m != 0; m &= m - 1) {
            const int c = std::countr_zero(m);
            const std::uint64_t* letters = words_.LetterSet(var.Length, p, c);
            const int r = residues[c];
            if (r >= lo && r < hi && (d[r] & letters[r])) {
                supports[static_cast<std::size_t>(p)] |= 1u << c;
                continue;
            }
            for (int b = lo; b < hi; ++b)
                if (d[b] & letters[b]) {
                    supports[static_cast<std::size_t>(p)] |= 1u << c;
                    residues[c] = static_cast<std::uint16_t>(b);
                    break;
                }
        }
    }
}

bool FillSearch::Narrow(int t, int q, std::uint32_t removed, const LevelSet& why)
{
    const auto i = static_cast<std::size_t>(t);
    const Var& var = vars_[i];
    Save(t);
    std::uint64_t* d = Set(t);
    const int lo = lo_[i];
    const int hi = hi_[i];
    const std::uint32_t kept = masks_[static_cast<std::size_t>(var.Cells[static_cast<std::size_t>(q)])];
    if (std::popcount(removed) <= std::popcount(kept)) {
        for (std::uint32_t m = removed; m != 0; m &= m - 1) {
            const std::uint64_t* letters = words_.LetterSet(var.Length, q, std::countr_zero(m));
            for (int b = lo; b < hi; ++b) d[b] &= ~letters[b];
        }
    } else {
        std::array<const std::uint64_t*, 26> sets{};
        int k = 0;
        for (std::uint32_t m = kept; m != 0; m &= m - 1) sets[static_cast<std::size_t>(k++)] = words_.LetterSet(var.Length, q, std::countr_zero(m));
        for (int b = lo; b < hi; ++b) {
            std::uint64_t any = 0;
            for (int j = 0; j < k; ++j) any |= sets[static_cast<std::size_t>(j)][b];
            d[b] &= any;
        }
    }
    const int before = count_[i];
    if (Recount(t) == before) return true;
    culprits_[i].Merge(why);
    if (count_[i] == 0) return false;
    if (!queued_[i]) {
        queued_[i] = 1;
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
        queued_[static_cast<std::size_t>(s)] = 0;
        Supports(s, supports);
        const Var& var = vars_[static_cast<std::size_t>(s)];
        for (int p : var.Crossed) {
            const int t = var.Other[static_cast<std::size_t>(p)];
            if (placed_[static_cast<std::size_t>(t)] >= 0) continue;
            const auto cell = static_cast<std::size_t>(var.Cells[static_cast<std::size_t>(p)]);
            const std::uint32_t mask = masks_[cell];
            const std::uint32_t kept = supports[static_cast<std::size_t>(p)] & mask;
            if (kept == mask) continue;
            SaveCell(static_cast<int>(cell));
            masks_[cell] = kept;
            if (!Narrow(t, var.OtherPos[static_cast<std::size_t>(p)], mask & ~kept, culprits_[static_cast<std::size_t>(s)]))
                return t;
        }
    }
    queue_.clear();
    return -1;
}

int FillSearch::ChooseVar()
{
    int best = -1;
    double bestKey = 0;
    for (int v = 0; v < static_cast<int>(vars_.size()); ++v) {
        const auto i = static_cast<std::size_t>(v);
        if (placed_[i] >= 0) continue;
        if (count_[i] == 1) return v;
        // Fewest candidates for the dead ends the slot has caused; a tie goes to the slot with more crossings.
        const double key = static_cast<double>(count_[i]) / (1.0 + weight_[i]) -
                           0.001 * static_cast<double>(vars_[i].Crossed.size());
        if (best < 0 || key < bestKey) {
            best = v;
            bestKey = key;
        }
    }
    return best;
}

int FillSearch::ChooseWord(int v)
{
    const auto i = static_cast<std::size_t>(v);
    const Var& var = vars_[i];
    const std::uint64_t* d = Set(v);
    const int lo = lo_[i];
    const int hi = hi_[i];
    if (count_[i] == 1) return NthBit(d, lo, hi, hi * 64, 0);
    int limit = hi * 64;
    int n = count_[i];
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
            tried[static_cast<std::size_t>(k)] = w;
            continue;
        }
        tried[static_cast<std::size_t>(k)] = w;
        double score = 0;
        for (int p : var.Crossed) {
            const int t = var.Other[static_cast<std::size_t>(p)];
            const auto ti = static_cast<std::size_t>(t);
            if (placed_[ti] >= 0) continue;
            const std::uint64_t* dt = Set(t);
            const std::uint64_t* letters =
                words_.LetterSet(vars_[ti].Length, var.OtherPos[static_cast<std::size_t>(p)], words_.Letter(var.Length, w, p) - 'A');
            const int left = CountCommonBits(dt, letters, lo_[ti], hi_[ti]);
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
    const auto i = static_cast<std::size_t>(v);
    Save(v);
    std::uint64_t* d = Set(v);
    for (int b = lo_[i]; b < hi_[i]; ++b) d[b] = 0;
    d[w >> 6] = std::uint64_t{1} << (w & 63);
    lo_[i] = w >> 6;
    hi_[i] = lo_[i] + 1;
    count_[i] = 1;
    culprits_[i].Add(Level());
    placed_[i] = w;
    if (!queued_[i]) {
        queued_[i] = 1;
        queue_.push_back(v);
    }
    LevelSet why;
    why.Add(Level());
    const int L = vars_[i].Length;
    for (int y = 0; y < static_cast<int>(vars_.size()); ++y)
        if (y != v && vars_[static_cast<std::size_t>(y)].Length == L && placed_[static_cast<std::size_t>(y)] < 0 &&
            !RemoveWord(y, w, why))
            return y;
    return Propagate();
}

void FillSearch::Undo(int level)
{
    for (int v : queue_) queued_[static_cast<std::size_t>(v)] = 0;
    queue_.clear();
    while (Level() > level) {
        const Frame f = frames_.back();
        while (trail_.size() > f.Trail) {
            const Saved& s = trail_.back();
            const auto i = static_cast<std::size_t>(s.Var);
            std::copy(trailData_.begin() + static_cast<std::ptrdiff_t>(s.Data), trailData_.end(), Set(s.Var) + s.Lo);
            trailData_.resize(s.Data);
            lo_[i] = s.Lo;
            hi_[i] = s.Hi;
            count_[i] = s.Count;
            culprits_[i] = s.Culprits;
            trail_.pop_back();
        }
        while (cellTrail_.size() > f.CellTrail) {
            masks_[static_cast<std::size_t>(cellTrail_.back().Cell)] = cellTrail_.back().Mask;
            cellTrail_.pop_back();
        }
        placed_[static_cast<std::size_t>(f.Var)] = -1;
        frames_.pop_back();
    }
}

bool FillSearch::Backjump(LevelSet why, int deadVar)
{
    for (;;) {
        ++deadEnds_;
        ++deadEndsSinceRestart_;
        weight_[static_cast<std::size_t>(deadVar)] += 1;
        ++deadEndsOf_[static_cast<std::size_t>(deadVar)];
        if (why.Empty()) {
            proofSlot_ = vars_[static_cast<std::size_t>(deadVar)].Slot;
            return false;
        }
        const int h = why.Highest();
        const Frame f = frames_[static_cast<std::size_t>(h - 1)];
        Undo(h - 1);
        why.Remove(h);
        // The placement of level h cannot stand with the levels left in why: it is ruled out there.
        if (!RemoveWord(f.Var, f.Word, why)) {
            deadVar = f.Var;
            why = culprits_[static_cast<std::size_t>(f.Var)];
            continue;
        }
        const int dead = Propagate();
        if (dead < 0) return true;
        deadVar = dead;
        why = culprits_[static_cast<std::size_t>(dead)];
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
        const std::string& fixed = fixedWords_[static_cast<std::size_t>(s)];
        if (fixed.empty()) continue;
        fill.Words[static_cast<std::size_t>(s)] = fixed;
        const int w = words_.Find(static_cast<int>(fixed.size()), fixed);
        if (w >= 0) fill.Origins[static_cast<std::size_t>(s)] = words_.Origin(static_cast<int>(fixed.size()), w);
    }
    for (std::size_t v = 0; v < vars_.size(); ++v) {
        const auto s = static_cast<std::size_t>(vars_[v].Slot - 1);
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
                proofSlot_ = vars_.empty() ? 1 : vars_[static_cast<std::size_t>(last)].Slot;
                return Outcome::NoFill;
            }
            continue;
        }
        const int dead = Place(v, ChooseWord(v));
        if (dead >= 0 && !Backjump(culprits_[static_cast<std::size_t>(dead)], dead)) {
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
        return deadEndsOf_[static_cast<std::size_t>(a)] > deadEndsOf_[static_cast<std::size_t>(b)];
    });
    std::vector<int> slots;
    for (int v : order) {
        if (static_cast<int>(slots.size()) == count || deadEndsOf_[static_cast<std::size_t>(v)] == 0) break;
        slots.push_back(vars_[static_cast<std::size_t>(v)].Slot);
    }
    if (slots.empty() && !vars_.empty()) {
        // No dead end yet: the open slot with the fewest candidates is the one the search is held by.
        int best = -1;
        for (int v = 0; v < static_cast<int>(vars_.size()); ++v)
            if (placed_[static_cast<std::size_t>(v)] < 0 && (best < 0 || count_[static_cast<std::size_t>(v)] < count_[static_cast<std::size_t>(best)]))
                best = v;
        if (best >= 0) slots.push_back(vars_[static_cast<std::size_t>(best)].Slot);
    }
    return slots;
}

}  // namespace qm
