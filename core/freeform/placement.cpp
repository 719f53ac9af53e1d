// The freeform placement engine: seeds, the growth loop with its two candidate scans, and the helpers.
#include "core/freeform/placement.h"

#include "core/grid/pattern.h"
#include "core/util/failure.h"
#include "core/util/index.h"
#include "core/words/import.h"

#include <algorithm>
#include <array>
#include <bit>
#include <functional>
#include <optional>

namespace qm {

namespace {

bool IsLetter(char c) { return c >= 'A' && c <= 'Z'; }

int PositionTerm(int L, int positionWeight, int optimalLength)
{
    return L <= optimalLength ? positionWeight + L : positionWeight + (12 - L);
}

/// The weight of one candidate; kkt is K x K x t. One random number is drawn.
inline float WeightOf(double kkt, double variation, float selectWeight, Lcg& random)
{
    const auto m = static_cast<float>((random.RandomReal() * variation + 1.0) - variation / 2.0);
    return static_cast<float>(kkt * static_cast<double>(m) * static_cast<double>(selectWeight));
}

/// The best candidate of one direction in a pass.
struct Best {
    float Weight = 0.0f;
    bool Found = false;
    int L = 0;
    int Index = 0;
    int ThemeRef = 0;
    int Col = 0;
    int Row = 0;
};

/// Ties keep the earlier candidate.
inline void Offer(Best& best, float w, int L, int index, int themeRef, int col, int row)
{
    if (w > best.Weight) best = Best{w, true, L, index, themeRef, col, row};
}

void MarkPlaced(ThemeEntry& e, bool allowDuplicates)
{
    e.Used = true;
    if (!allowDuplicates) e.Available = false;
}

ThemeEntry& EntryAt(ImportedList& list, int L, int index) { return list.Entry(L, index); }

/// A new slot for a word of the imported list.
WordSlot& AppendSlot(Crossword& xw, int row, int col, bool across, const ThemeEntry& e, int L, int index)
{
    WordSlot& s = xw.Slot(xw.WordSlotCount + 1);
    s = WordSlot{};
    s.Row = row;
    s.Col = col;
    s.RCTxt = MakeRCTxt(row, col);
    s.Dir = across;
    s.ThemeRef = e.ThemeRef;
    s.WordTxt = e.Text;
    s.NumLett = L;
    s.DictOrThemeRef = index;
    s.FromDict = false;
    ++xw.WordSlotCount;
    return s;
}

// ---- The plain candidate scan: the rules as they are written, kept as the reference -----------------

class PlainScan {
public:
    PlainScan(const Grid& grid, const ImportedList& list, Lcg& random, int optimal, int variation)
        : grid_(grid), list_(list), random_(random), optimal_(optimal), variation_(variation) {}

    void StartPass() {}

    void Scan(int x, int y, bool across, int minLetters, int positionWeight, Best& best)
    {
        std::array<bool, MaxImportedLength + 1> fit{};
        for (int L = 2; L <= MaxImportedLength; ++L)
            fit[L] = across ? CanPlaceAcross(grid_, x, x + L - 1, y) : CanPlaceDown(grid_, x, y, y + L - 1);
        for (int L = minLetters; L <= list_.MaxLen; ++L) {
            if (L < 2 || !fit[L]) continue;
            const auto& entries = list_.EntriesOf(L);
            if (entries.empty()) continue;
            const std::string pattern = SpanPattern(grid_, x, y, L, across);
            const int K = KnownLetters(pattern);
            const double kkt = static_cast<double>(K) * K * PositionTerm(L, positionWeight, optimal_);
            for (std::size_t i = 0; i < entries.size(); ++i) {
                const ThemeEntry& e = entries[i];
                if (!e.Available || !MatchesPattern(e.Text, pattern)) continue;
                Offer(best, WeightOf(kkt, variation_, e.SelectWeight, random_), L, static_cast<int>(i), e.ThemeRef, x, y);
            }
        }
    }

private:
    const Grid& grid_;
    const ImportedList& list_;
    Lcg& random_;
    int optimal_;
    double variation_;
};

// ---- The indexed candidate scan: the same candidates in the same order, found through bitsets ----------

class IndexedScan {
public:
    IndexedScan(const Grid& grid, const ImportedList& list, const CandidateIndex& index, Lcg& random, int optimal,
                int variation)
        : grid_(grid), list_(list), index_(index), random_(random), optimal_(optimal), variation_(variation),
          n_(grid.Size()), stride_(grid.Size() + 2), cells_(static_cast<std::size_t>(stride_ * stride_))
    {
    }

    /// Copies the squares' letters into a flat array, row after row.
    void StartPass()
    {
        for (int row = 0; row <= n_ + 1; ++row)
            for (int col = 0; col <= n_ + 1; ++col) cells_[row * stride_ + col] = grid_(col, row).Letter;
    }

    /// Walks the span from its start square one square at a time. Each rule that refuses a span also
    /// refuses every longer one, except a letter just after the span's end, so the walk stops at the
    /// first such refusal; the fit of every length is the same as CanPlaceAcross/CanPlaceDown gives.
    void Scan(int x, int y, bool across, int minLetters, int positionWeight, Best& best)
    {
        const int along = across ? 1 : stride_;
        const int side = across ? stride_ : 1;
        const int first = across ? x : y;
        const int start = y * stride_ + x;
        if (IsLetter(Cell(start - along))) return;  // a letter just before the span
        std::array<int, MaxImportedLength> knownPos{};
        std::array<int, MaxImportedLength> knownLetter{};
        int known = 0;
        const int maxL = std::min({n_ - first + 1, MaxImportedLength, list_.MaxLen});
        for (int L = 1; L <= maxL; ++L) {
            const int p = start + (L - 1) * along;
            const char c = Cell(p);
            if (c == '#') return;
            if (IsLetter(c)) {
                if (L > 1 && IsLetter(Cell(p - along))) return;  // two adjacent letters in the span
                knownPos[known] = L - 1;
                knownLetter[known] = c - 'A';
                ++known;
            } else if (IsLetter(Cell(p - side)) || IsLetter(Cell(p + side))) {
                return;  // a letter beside an open square of the span
            }
            if (L < 2 || L < minLetters || known == 0 || IsLetter(Cell(p + along))) continue;
            const LengthBits& bits = index_.ByLength[L];
            if (bits.Count == 0) continue;
            const double kkt = static_cast<double>(known) * known * PositionTerm(L, positionWeight, optimal_);
            const auto& entries = list_.ThemeIndex[L];
            std::array<const std::uint64_t*, MaxImportedLength> sets{};
            for (int k = 0; k < known; ++k) sets[k] = bits.LetterSet(knownPos[k], knownLetter[k]);
            // The best of this length is kept in locals and offered once: the same choice as offering
            // each candidate, with less traffic through memory in the innermost loop.
            float bestWeight = best.Weight;
            int bestIndex = -1;
            const float* weights = bits.SelectWeight.data();
            for (std::size_t w = 0; w < bits.Words; ++w) {
                std::uint64_t m = bits.Available[w];
                for (int k = 0; k < known && m != 0; ++k) m &= sets[k][w];
                while (m != 0) {
                    const int i = static_cast<int>(w * 64 + static_cast<std::size_t>(std::countr_zero(m)));
                    m &= m - 1;
                    const float weight = WeightOf(kkt, variation_, weights[i], random_);
                    if (weight > bestWeight) {
                        bestWeight = weight;
                        bestIndex = i;
                    }
                }
            }
            if (bestIndex >= 0) Offer(best, bestWeight, L, bestIndex, entries[bestIndex].ThemeRef, x, y);
        }
    }

private:
    char Cell(int p) const { return cells_[p]; }

    const Grid& grid_;
    const ImportedList& list_;
    const CandidateIndex& index_;
    Lcg& random_;
    int optimal_;
    double variation_;
    int n_;
    int stride_;
    std::vector<char> cells_;
};

template <class Scanner>
GrowthResult Grow(FreeformContext& ctx, Scanner& scanner, CandidateIndex* index, int minLetters, GrowthBias bias,
                  int fillCount, bool quick, bool modifyWeights)
{
    Crossword& xw = ctx.Xw;
    Grid& grid = xw.Squares;
    const bool duplicates = ctx.Free.Options.AllowDuplicates;
    const double fade = 1.0 - 1.0 / std::max(fillCount, 1);
    GrowthResult result;
    while (true) {
        const LetterExtents ext = FindLetterExtents(grid);
        Best across;
        Best down;
        scanner.StartPass();
        for (int y = 1; y <= ext.MaxLetterRow; ++y)
            for (int x = 1; x <= ext.MaxLetterCol; ++x) {
                int acrossWeight = 1;
                int downWeight = 1;
                if (bias == GrowthBias::TopLeft) {
                    acrossWeight = ext.MaxLetterRow - y;
                    downWeight = ext.MaxLetterCol - x;
                } else if (bias == GrowthBias::BottomRight) {
                    acrossWeight = y;
                    downWeight = x;
                }
                scanner.Scan(x, y, true, minLetters, acrossWeight, across);
                scanner.Scan(x, y, false, minLetters, downWeight, down);
            }
        if (!across.Found && !down.Found) break;
        if (quick && ctx.Callbacks.QuickProgress) ctx.Callbacks.QuickProgress(result.Across + result.Down);
        const bool placeDown = down.Found && (!across.Found || result.Down - result.Across < 1);
        const Best& chosen = placeDown ? down : across;
        if (xw.WordSlotCount >= MaxWordSlots) {
            // The crossword holds no more words: the fill ends here, with the words it has.
            result.SlotLimitReached = true;
            break;
        }
        ThemeEntry& e = EntryAt(ctx.List, chosen.L, chosen.Index);
        if (placeDown) {
            WriteFreeDown(grid, chosen.Col, chosen.Row, e.Text);
            ++result.Down;
        } else {
            WriteFreeAcross(grid, chosen.Col, chosen.Row, e.Text);
            ++result.Across;
        }
        if (modifyWeights) e.SelectWeight = static_cast<float>(static_cast<double>(e.SelectWeight) * fade);
        MarkPlaced(e, duplicates);
        if (index) {
            LengthBits& bits = At(index->ByLength, chosen.L);
            At(bits.SelectWeight, chosen.Index) = e.SelectWeight;
            bits.SetAvailable(chosen.Index, e.Available);
        }
        AppendSlot(xw, chosen.Row, chosen.Col, !placeDown, e, chosen.L, chosen.Index);
    }
    return result;
}

/// FindWordByPair through the pair tables: the first entry at or after the random start, else the
/// first of the group, which is what the cyclic scan finds.
WordRef FindWordByPairIndexed(const ImportedList& list, const CandidateIndex& index, Lcg& random,
                              std::string_view pair, bool atStart)
{
    if (pair.size() != 2 || !IsLetter(pair[0]) || !IsLetter(pair[1])) return FindWordByPair(list, random, pair, atStart);
    const auto key = static_cast<std::size_t>((pair[0] - 'A') * 26 + (pair[1] - 'A'));
    for (int L = list.MaxLen; L >= 4; --L) {
        const int n = static_cast<int>(list.EntriesOf(L).size());
        if (n == 0) continue;
        const int start = random.Random(n);
        const LengthBits& bits = At(index.ByLength, L);
        const auto& starts = atStart ? bits.BeginStarts : bits.EndStarts;
        const auto& indexes = atStart ? bits.BeginIndexes : bits.EndIndexes;
        const auto from = indexes.begin() + starts[key];
        const auto to = indexes.begin() + starts[key + 1];
        if (from == to) continue;
        const auto at = std::lower_bound(from, to, start);
        return {L, at != to ? *at : *from};
    }
    return {};
}

std::string SeedErrorText(const ImportedList& list, int entry, const std::string& what)
{
    const std::string entryText =
        entry >= 0 && static_cast<std::size_t>(entry) < list.TightInterlocksList.size() ? list.TightInterlocksList[entry] : "";
    return "Exception in SeedInterlockedCrosswordInMemory.\nTightInterlocksList has " +
           std::to_string(list.TightInterlocksList.size()) + " entries.\nEntry=" + std::to_string(entry) +
           "\nTightInterlocksList[Entry]=" + entryText + "\n" + what;
}

}  // namespace

// ---- Seeds ---------------------------------------------------------------------------------------------

bool SeedFreeformFill(FreeformContext& ctx, SeedKind kind)
{
    if (kind != SeedKind::EarlierFill) ClearGrid(ctx.Xw.Squares, true);
    switch (kind) {
    case SeedKind::PlainWord:
        PlaceSeedWord(ctx);
        return false;
    case SeedKind::InterlockedAttempt:
        if (SeedInterlockedCrosswordInMemory(ctx)) return true;
        PlaceSeedWord(ctx);
        return false;
    case SeedKind::EarlierFill:
        return false;
    case SeedKind::GridWords:
        AdoptGridWords(ctx.Xw, ctx.List, ctx.Free.Options.AllowDuplicates);
        // The adopted words go into the cleared grid, so that growth crosses them.
        for (int k = 1; k <= ctx.Xw.WordSlotCount; ++k) {
            const WordSlot& s = ctx.Xw.Slot(k);
            if (s.Dir)
                WriteFreeAcross(ctx.Xw.Squares, s.Col, s.Row, s.WordTxt);
            else
                WriteFreeDown(ctx.Xw.Squares, s.Col, s.Row, s.WordTxt);
        }
        return false;
    }
    return false;
}

bool BuildFreeformFill(FreeformContext& ctx, SeedKind kind, int fillCount, bool quick)
{
    const bool interlocked = SeedFreeformFill(ctx, kind);
    const bool modify = ctx.Free.Options.ModifyProbability;
    GrowFreeformFill(ctx, 4, interlocked ? GrowthBias::BottomRight : GrowthBias::TopLeft, fillCount, quick, modify);
    GrowFreeformFill(ctx, 2, GrowthBias::None, fillCount, quick, modify);
    return interlocked;
}

void PlaceSeedWord(FreeformContext& ctx)
{
    Crossword& xw = ctx.Xw;
    ImportedList& list = ctx.List;
    const std::string& seed = ctx.Free.SeedWord;
    const IndexedWord letters = IndexWord(seed);
    const int L = static_cast<int>(letters.Text.size());
    const int n = xw.Squares.Size();
    Check(L >= 1 && ctx.Free.SeedCol >= 1 && ctx.Free.SeedRow >= 1 && ctx.Free.SeedRow <= n && ctx.Free.SeedCol + L - 1 <= n,
          "The seed word \"" + seed + "\" does not fit into the " + std::to_string(n) + " x " + std::to_string(n) + " grid");

    ResetWordFlags(list);
    const auto at = std::find(list.ThemeWords.begin(), list.ThemeWords.end(), seed);
    const int position = at == list.ThemeWords.end() ? -1 : static_cast<int>(at - list.ThemeWords.begin());
    int index = -1;
    const auto& entries = list.EntriesOf(L);
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].Text == letters.Text) {
            index = static_cast<int>(i);
            break;
        }
    WriteFreeAcross(xw.Squares, ctx.Free.SeedCol, ctx.Free.SeedRow, letters.Text);
    if (index < 0) {
        if (ctx.Callbacks.Message) ctx.Callbacks.Message(seed + " not found");
    } else {
        MarkPlaced(EntryAt(list, L, index), ctx.Free.Options.AllowDuplicates);
    }
    xw.WordSlotCount = 0;
    WordSlot& s = xw.Slot(1);
    s = WordSlot{};
    s.Row = ctx.Free.SeedRow;
    s.Col = ctx.Free.SeedCol;
    s.RCTxt = MakeRCTxt(s.Row, s.Col);
    s.Dir = true;
    s.ThemeRef = position;
    s.WordTxt = letters.Text;
    s.NumLett = L;
    s.DictOrThemeRef = index;  // -1 marks a word that is not in the index; the store refuses it
    s.FromDict = false;
    xw.WordSlotCount = 1;
}

namespace {

using PairFinder = std::function<WordRef(std::string_view pair, bool atStart)>;

/// Four words for a ring round one square from a tight interlock entry "X:Y:candidates": w1 ends in
/// Y Z1, w2 starts with Z2 X, w3 starts with Z1 X and w4 ends in Y Z2, for two different candidate
/// letters Z1, Z2. Nothing when one of them is missing.
std::optional<std::array<WordRef, 4>> RingWords(const std::string& entry, Lcg& random, const PairFinder& find)
{
    Check(entry.size() >= 3, "Too few letters");
    const char X = entry[0];
    const char Y = entry[2];
    const std::string candidates = entry.size() > 4 ? entry.substr(4, MaxTightCandidates) : std::string();
    const auto count = static_cast<std::int32_t>(candidates.size());
    Check(count >= 2, "Too few letters");
    int z1 = 0;
    int z2 = 1;
    if (count > 2) {
        z1 = random.Random(count);
        do z2 = random.Random(count);
        while (z2 == z1);
    }
    const char Z1 = At(candidates, z1);
    const char Z2 = At(candidates, z2);
    const std::array<WordRef, 4> words{find(std::string{Y, Z1}, false), find(std::string{Z2, X}, true),
                                       find(std::string{Z1, X}, true), find(std::string{Y, Z2}, false)};
    for (const WordRef& w : words)
        if (!w.Found()) return std::nullopt;
    return words;
}

/// Whatever found the words must give entries of the index of at least four letters.
void CheckRingWords(const ImportedList& list, const std::array<WordRef, 4>& words)
{
    for (const WordRef& w : words) {
        Check(w.L <= list.MaxLen, "wlen higher than range");
        Check(w.L >= 4, [&] { return "wlen lower than 4 (=" + std::to_string(w.L) + ")"; });
        const int high = static_cast<int>(list.EntriesOf(w.L).size()) - 1;
        Check(w.Index <= high, [&] { return "w=" + std::to_string(w.Index) + "  High=" + std::to_string(high); });
        Check(w.Index >= 0, "w lower than 0");
    }
}

/// Four different words whose ring fits the grid.
bool RingFits(const std::array<WordRef, 4>& w, int n)
{
    for (int i = 0; i < 4; ++i)
        for (int j = i + 1; j < 4; ++j)
            if (w[i].Index == w[j].Index) return false;
    return w[3].L + w[2].L - 2 <= n && w[0].L + w[1].L - 2 <= n;
}

/// Places the ring in the middle of the grid (at its edge when it spans the grid): w1 and w2 down, w3
/// and w4 across, as the only words of the crossword.
void PlaceRing(FreeformContext& ctx, const std::array<WordRef, 4>& words)
{
    const auto& [w1, w2, w3, w4] = words;
    ImportedList& list = ctx.List;
    const int n = ctx.Xw.Squares.Size();
    ResetWordFlags(list);
    for (const WordRef& w : words) MarkPlaced(EntryAt(list, w.L, w.Index), ctx.Free.Options.AllowDuplicates);
    const int H = w4.L + w3.L - 2;
    const int V = w1.L + w2.L - 2;
    const int c = H == n ? w4.L - 1 : w4.L + (n - H) / 2;
    const int start4 = H == n ? 1 : c - w4.L + 2;
    const int r = V == n ? w1.L - 1 : w1.L + (n - V) / 2 - 1;
    const int start1 = V == n ? 1 : r - w1.L + 2;
    Crossword& xw = ctx.Xw;
    xw.WordSlotCount = 0;
    const auto add = [&](const WordRef& w, int col, int row, bool across) {
        const ThemeEntry& placed = EntryAt(list, w.L, w.Index);
        AppendSlot(xw, row, col, across, placed, w.L, w.Index);
        if (across)
            WriteFreeAcross(xw.Squares, col, row, placed.Text);
        else
            WriteFreeDown(xw.Squares, col, row, placed.Text);
    };
    add(w1, c, start1, false);
    add(w2, c + 1, r, false);
    add(w3, c, r + 1, true);
    add(w4, start4, r, true);
}

}  // namespace

bool SeedInterlockedCrosswordInMemory(FreeformContext& ctx)
{
    ImportedList& list = ctx.List;
    const auto& tight = list.TightInterlocksList;
    if (tight.empty()) return false;
    const bool indexed = ctx.Free.Options.Scan == CandidateScan::Indexed;
    if (indexed) RefreshCandidateIndex(ctx.Free.Index, list);
    const PairFinder find = [&](std::string_view pair, bool atStart) {
        return indexed ? FindWordByPairIndexed(list, ctx.Free.Index, ctx.Random, pair, atStart)
                       : FindWordByPair(list, ctx.Random, pair, atStart);
    };
    int entry = -1;
    try {
        for (int attempt = 1; attempt <= InterlockedSeedAttempts; ++attempt) {
            entry = ctx.Random.Random(static_cast<std::int32_t>(tight.size()));
            const auto words = RingWords(At(tight, entry), ctx.Random, find);
            if (!words) continue;
            CheckRingWords(list, *words);
            if (!RingFits(*words, ctx.Xw.Squares.Size())) continue;
            PlaceRing(ctx, *words);
            return true;
        }
        return false;
    } catch (const std::exception& ex) {
        if (ctx.Callbacks.Message) ctx.Callbacks.Message(SeedErrorText(list, entry, ex.what()));
        return false;
    }
}

WordRef FindWordByPair(const ImportedList& list, Lcg& random, std::string_view pair, bool atStart)
{
    for (int L = list.MaxLen; L >= 4; --L) {
        const auto& entries = list.EntriesOf(L);
        if (entries.empty()) continue;
        const int n = static_cast<int>(entries.size());
        const int start = random.Random(n);
        for (int k = 0; k < n; ++k) {
            const int i = (start + k) % n;
            const std::string& t = entries[i].Text;
            if (t.size() < 2) continue;
            const std::string_view key = atStart ? std::string_view(t).substr(0, 2) : std::string_view(t).substr(t.size() - 2);
            if (key == pair) return {L, i};
        }
    }
    return {};
}

// ---- Growth --------------------------------------------------------------------------------------------

GrowthResult GrowFreeformFill(FreeformContext& ctx, int minLetters, GrowthBias bias, int fillCount, bool quick,
                              bool modifyWeights)
{
    const int optimal = ctx.List.OptimalWordLength;
    const int variation = ctx.List.LengthVariation;
    if (ctx.Free.Options.Scan == CandidateScan::Plain) {
        PlainScan scan(ctx.Xw.Squares, ctx.List, ctx.Random, optimal, variation);
        return Grow(ctx, scan, nullptr, minLetters, bias, fillCount, quick, modifyWeights);
    }
    CandidateIndex& index = ctx.Free.Index;
    RefreshCandidateIndex(index, ctx.List);
    SyncCandidateFlags(index, ctx.List);
    IndexedScan scan(ctx.Xw.Squares, ctx.List, index, ctx.Random, optimal, variation);
    return Grow(ctx, scan, &index, minLetters, bias, fillCount, quick, modifyWeights);
}

bool CanPlaceAcross(const Grid& grid, int col1, int col2, int row)
{
    const int n = grid.Size();
    if (col2 > n || col1 < 1 || col2 < col1 || row < 1 || row > n) return false;
    for (int c = col1; c < col2; ++c)
        if (IsLetter(grid(c, row).Letter) && IsLetter(grid(c + 1, row).Letter)) return false;
    for (int c = col1; c <= col2; ++c)
        if (grid(c, row).Letter == '#') return false;
    if ((col1 > 1 && IsLetter(grid(col1 - 1, row).Letter)) || (col2 < n && IsLetter(grid(col2 + 1, row).Letter))) return false;
    bool crossing = false;
    for (int c = col1; c <= col2; ++c) {
        const char here = grid(c, row).Letter;
        if (here != ' ') {
            crossing = true;
            continue;
        }
        if ((row > 1 && IsLetter(grid(c, row - 1).Letter)) || (row < n && IsLetter(grid(c, row + 1).Letter))) return false;
    }
    return crossing;
}

bool CanPlaceDown(const Grid& grid, int col, int row1, int row2)
{
    const int n = grid.Size();
    if (row2 > n || row1 < 1 || row2 < row1 || col < 1 || col > n) return false;
    for (int r = row1; r < row2; ++r)
        if (IsLetter(grid(col, r).Letter) && IsLetter(grid(col, r + 1).Letter)) return false;
    for (int r = row1; r <= row2; ++r)
        if (grid(col, r).Letter == '#') return false;
    if ((row1 > 1 && IsLetter(grid(col, row1 - 1).Letter)) || (row2 < n && IsLetter(grid(col, row2 + 1).Letter))) return false;
    bool crossing = false;
    for (int r = row1; r <= row2; ++r) {
        const char here = grid(col, r).Letter;
        if (here != ' ') {
            crossing = true;
            continue;
        }
        if ((col > 1 && IsLetter(grid(col - 1, r).Letter)) || (col < n && IsLetter(grid(col + 1, r).Letter))) return false;
    }
    return crossing;
}

std::string SpanPattern(const Grid& grid, int col, int row, int L, bool across)
{
    const int n = grid.Size();
    const int first = across ? col : row;
    const int length = std::min(first + L - 1, n) - first + 1;
    std::string pattern(static_cast<std::size_t>(std::max(length, 0)), '?');
    for (int i = 0; i < length; ++i) {
        const char c = across ? grid(col + i, row).Letter : grid(col, row + i).Letter;
        if (IsLetter(c)) pattern[i] = c;
    }
    return pattern;
}

float CandidateWeight(int K, int L, int positionWeight, float selectWeight, int optimalLength, int variation, Lcg& random)
{
    const double kkt = static_cast<double>(K) * K * PositionTerm(L, positionWeight, optimalLength);
    return WeightOf(kkt, variation, selectWeight, random);
}

void WriteFreeAcross(Grid& grid, int col, int row, std::string_view text)
{
    const int n = grid.Size();
    const int len = static_cast<int>(text.size());
    Check(col >= 1 && row >= 1 && row <= n && col + len - 1 <= n, RangeError);
    for (int i = 0; i < len; ++i) {
        GridCell& cell = grid(col + i, row);
        cell.Letter = At(text, i);
        ++cell.WrdCnt;
    }
    if (col + len <= n) grid(col + len, row).Letter = '#';
    if (col >= 2) grid(col - 1, row).Letter = '#';
}

void WriteFreeDown(Grid& grid, int col, int row, std::string_view text)
{
    const int n = grid.Size();
    const int len = static_cast<int>(text.size());
    Check(col >= 1 && row >= 1 && col <= n && row + len - 1 <= n, RangeError);
    for (int i = 0; i < len; ++i) {
        GridCell& cell = grid(col, row + i);
        cell.Letter = At(text, i);
        ++cell.WrdCnt;
    }
    if (row + len <= n) grid(col, row + len).Letter = '#';
    if (row >= 2) grid(col, row - 1).Letter = '#';
}

void WriteFreeSlots(Crossword& xw)
{
    for (int k = 1; k <= xw.WordSlotCount; ++k) {
        const WordSlot& s = xw.Slot(k);
        if (s.Dir)
            WriteFreeAcross(xw.Squares, s.Col, s.Row, s.WordTxt);
        else
            WriteFreeDown(xw.Squares, s.Col, s.Row, s.WordTxt);
    }
}

LetterExtents FindLetterExtents(const Grid& grid)
{
    LetterExtents ext;
    const int n = grid.Size();
    for (int c = 1; c <= n; ++c)
        for (int r = 1; r <= n; ++r)
            if (IsLetter(grid(c, r).Letter)) {
                ext.MaxLetterCol = std::max(ext.MaxLetterCol, c);
                ext.MaxLetterRow = std::max(ext.MaxLetterRow, r);
            }
    return ext;
}

void ResetWordFlags(ImportedList& list)
{
    for (auto& entries : list.ThemeIndex)
        for (ThemeEntry& e : entries) {
            e.Used = false;
            e.Available = true;
        }
}

void ResetSelectWeights(ImportedList& list)
{
    for (auto& entries : list.ThemeIndex)
        for (ThemeEntry& e : entries) e.SelectWeight = 1.0f;
}

void AdoptGridWords(Crossword& xw, ImportedList& list, bool allowDuplicates)
{
    for (int k = 1; k <= xw.WordSlotCount; ++k) {
        WordSlot& s = xw.Slot(k);
        s.ThemeRef = static_cast<std::int32_t>(list.ThemeWords.size());
        list.ThemeWords.push_back(s.DisplayTxt.str());
        list.ThemeClues.push_back(s.ClueTxt.str());
    }
    list.ThemeWordCount = static_cast<std::int32_t>(list.ThemeWords.size());
    BuildThemeIndex(list);
    ResetWordFlags(list);
    for (int k = 1; k <= xw.WordSlotCount; ++k) {
        WordSlot& s = xw.Slot(k);
        const int L = static_cast<int>(s.WordTxt.size());
        const auto& entries = list.EntriesOf(L);
        int first = -1;
        int own = -1;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (entries[i].Text != s.WordTxt.view()) continue;
            if (first < 0) first = static_cast<int>(i);
            if (entries[i].ThemeRef == s.ThemeRef) own = static_cast<int>(i);
        }
        if (first < 0) continue;
        MarkPlaced(EntryAt(list, L, first), allowDuplicates);
        // The slot refers to the entry made from it, so that its own clue comes back with it.
        const int ref = own >= 0 ? own : first;
        MarkPlaced(EntryAt(list, L, ref), allowDuplicates);
        s.NumLett = L;
        s.DictOrThemeRef = ref;
        s.FromDict = false;
    }
}

bool SeedWordFits(const ImportedList& list, int index, int gridSize)
{
    return index >= 0 && static_cast<std::size_t>(index) < list.ThemeWords.size() &&
           static_cast<int>(At(list.ThemeWords, index).size()) <= gridSize;
}

SeedWordPick ChooseRandomSeedWord(const ImportedList& list, int gridSize, Lcg& random)
{
    const auto& words = list.ThemeWords;
    Check(!words.empty(), "The imported word list is empty");
    const auto fits = [&](const std::string& w) {
        return static_cast<int>(w.size()) >= MinRandomSeedChars && static_cast<int>(w.size()) <= gridSize;
    };
    if (std::any_of(words.begin(), words.end(), fits)) {
        while (true) {
            const int p = random.Random(static_cast<std::int32_t>(words.size()));
            if (fits(At(words, p))) return {p, false};
        }
    }
    int best = -1;
    for (std::size_t i = 0; i < words.size(); ++i)
        if (static_cast<int>(words[i].size()) <= gridSize &&
            (best < 0 || words[i].size() > At(words, best).size()))
            best = static_cast<int>(i);
    Check(best >= 0, "No word of the imported list fits into a " + std::to_string(gridSize) + " x " +
                         std::to_string(gridSize) + " grid");
    return {best, true};
}

}  // namespace qm
