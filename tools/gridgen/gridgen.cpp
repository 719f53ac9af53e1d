// quillmere-gridgen: makes the stock grids (GRIDSRES) and proves each one with the real fill engine.
//
//   quillmere-gridgen --data DIR --out GRIDSRES --report REPORT.md [--seed S] [--only SIZE] [--keep GRIDSRES] [--verbose]
//
// With --keep the grids of an existing GRIDSRES are proved again, in their order: each one that still
// passes keeps its place, and each one that does not is replaced by a new grid of the same size.
//
// DIR holds the dictionary WORD.LST and the built-in resources CLUESRES and CATEGRES. Every grid is
// British in style: words run in alternate rows and columns (a lattice of blocked squares where two
// spacer lines meet), extra blocks break the lines into words of 3 or more letters, so about half
// of each word's letters are checked by a crossing word. A grid is kept only when it is 180-degree
// symmetric, every open square lies in a word of 3..20 letters, all words are connected through
// crossings, the fill sequence analysis accepts it, and the engine fills it at 5000 iterations in at
// least 16 of 20 seeded attempts (the run a user gets from "quillmere-cli --seed S fill SIZE K --fills 20").
#include "core/grid/stock_grids.h"
#include "core/state.h"
#include "core/symmetric/analysis.h"
#include "core/symmetric/symmetric_run.h"
#include "core/util/failure.h"
#include "core/util/file_io.h"
#include "core/util/text.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

using qm::Format;

/// The groups the program carries: size and number of grids.
struct Group {
    int Size;
    int Count;
};
constexpr Group Groups[] = {{7, 3},   {9, 11},  {11, 33}, {12, 7},  {13, 95}, {15, 98}, {17, 3},
                            {19, 12}, {21, 3},  {23, 4},  {25, 4},  {27, 2},  {29, 4}};

constexpr int Attempts = 20;
constexpr int RequiredFills = 16;  // 80% of 20
constexpr int Iterations = qm::DefaultMaxIterations;

/// A square pattern, 1-based; squares outside count as blocked.
struct Pattern {
    int N = 0;
    std::vector<char> Block;

    explicit Pattern(int n = 0) : N(n), Block(static_cast<std::size_t>(n * n), 0) {}
    bool Blocked(int r, int c) const
    {
        return r < 1 || c < 1 || r > N || c > N || Block[static_cast<std::size_t>((r - 1) * N + (c - 1))] != 0;
    }
    void SetPair(int r, int c, bool blocked)
    {
        Block[static_cast<std::size_t>((r - 1) * N + (c - 1))] = blocked;
        Block[static_cast<std::size_t>((N - r) * N + (N - c))] = blocked;
    }
    int WhiteCount() const { return N * N - static_cast<int>(std::count(Block.begin(), Block.end(), 1)); }
    bool operator<(const Pattern& o) const { return std::tie(N, Block) < std::tie(o.N, o.Block); }
};

struct Run {
    int Row, Col;
    bool Across;
    int Length;
};

/// Maximal runs of two or more open squares.
std::vector<Run> Runs(const Pattern& p)
{
    std::vector<Run> runs;
    for (int r = 1; r <= p.N; ++r)
        for (int c = 1; c <= p.N; ++c) {
            if (p.Blocked(r, c)) continue;
            if (p.Blocked(r, c - 1) && !p.Blocked(r, c + 1)) {
                int len = 1;
                while (!p.Blocked(r, c + len)) ++len;
                runs.push_back({r, c, true, len});
            }
            if (p.Blocked(r - 1, c) && !p.Blocked(r + 1, c)) {
                int len = 1;
                while (!p.Blocked(r + len, c)) ++len;
                runs.push_back({r, c, false, len});
            }
        }
    return runs;
}

qm::StockGrid ToStockGrid(const Pattern& p)
{
    qm::StockGrid g;
    g.Size = p.N;
    g.WhiteCount = p.WhiteCount();
    for (int r = 1; r <= (p.N + 1) / 2; ++r)
        for (int c = 1; c <= p.N; ++c)
            if (p.Blocked(r, c)) g.RowMasks[static_cast<std::size_t>(r - 1)] |= static_cast<std::int32_t>(1u << c);
    return g;
}

Pattern FromStockGrid(const qm::StockGrid& g)
{
    Pattern p(g.Size);
    for (int r = 1; r <= (g.Size + 1) / 2; ++r)
        for (int c = 1; c <= g.Size; ++c)
            if (qm::StockSquareBlocked(g, c, r)) p.SetPair(r, c, true);
    return p;
}

Pattern FromMasks(int n, std::initializer_list<std::int32_t> masks)
{
    Pattern p(n);
    int r = 1;
    for (std::int32_t m : masks) {
        for (int c = 1; c <= n; ++c)
            if ((static_cast<std::uint32_t>(m) >> c) & 1u) p.SetPair(r, c, true);
        ++r;
    }
    return p;
}

/// Why a pattern is not a good stock grid, or "" when it is. Checks the structure only (the fill
/// test comes after).
std::string Problem(const Pattern& p)
{
    const int n = p.N;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c)
            if (p.Blocked(r, c) != p.Blocked(n + 1 - r, n + 1 - c)) return "not symmetric";
    const auto runs = Runs(p);
    std::vector<int> across(static_cast<std::size_t>(n * n), -1), down(static_cast<std::size_t>(n * n), -1);
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const Run& w = runs[i];
        if (w.Length < 3 || w.Length > qm::MaxWordLength) return "a word of " + std::to_string(w.Length) + " letters";
        for (int k = 0; k < w.Length; ++k) {
            const int r = w.Across ? w.Row : w.Row + k;
            const int c = w.Across ? w.Col + k : w.Col;
            (w.Across ? across : down)[static_cast<std::size_t>((r - 1) * n + (c - 1))] = static_cast<int>(i);
        }
    }
    if (runs.size() > static_cast<std::size_t>(qm::MaxWordSlots)) return "too many words";
    int white = 0;
    int unchecked = 0;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) {
            if (p.Blocked(r, c)) continue;
            ++white;
            const std::size_t at = static_cast<std::size_t>((r - 1) * n + (c - 1));
            if (across[at] < 0 && down[at] < 0) return "a square in no word";
            if (across[at] < 0 || down[at] < 0) ++unchecked;
            if (r < n && c < n && !p.Blocked(r + 1, c) && !p.Blocked(r, c + 1) && !p.Blocked(r + 1, c + 1))
                return "a 2 x 2 block of open squares";
        }
    // British style: every word has at least a third of its letters checked; a good share unchecked.
    for (const Run& w : runs) {
        int checked = 0;
        for (int k = 0; k < w.Length; ++k) {
            const int r = w.Across ? w.Row : w.Row + k;
            const int c = w.Across ? w.Col + k : w.Col;
            const std::size_t at = static_cast<std::size_t>((r - 1) * n + (c - 1));
            checked += across[at] >= 0 && down[at] >= 0;
        }
        if (checked * 3 < w.Length) return "a word with under a third of its letters checked";
    }
    if (unchecked * 5 < white) return "too few unchecked squares";
    // Connected through crossings.
    std::vector<int> group(runs.size(), -1);
    std::vector<std::size_t> todo{0};
    group[0] = 0;
    while (!todo.empty()) {
        const std::size_t i = todo.back();
        todo.pop_back();
        const Run& w = runs[i];
        for (int k = 0; k < w.Length; ++k) {
            const int r = w.Across ? w.Row : w.Row + k;
            const int c = w.Across ? w.Col + k : w.Col;
            const int other = (w.Across ? down : across)[static_cast<std::size_t>((r - 1) * n + (c - 1))];
            if (other >= 0 && group[static_cast<std::size_t>(other)] < 0) {
                group[static_cast<std::size_t>(other)] = 0;
                todo.push_back(static_cast<std::size_t>(other));
            }
        }
    }
    if (std::count(group.begin(), group.end(), -1) != 0) return "words not connected";
    // The fill sequence analysis must accept it (slots, islands, dependencies).
    try {
        auto xw = std::make_unique<qm::Crossword>();
        xw->GridSize = n;
        qm::InitGrid(*xw);
        for (int r = 1; r <= n; ++r)
            for (int c = 1; c <= n; ++c) xw->Squares(c, r).Letter = p.Blocked(r, c) ? '#' : ' ';
        qm::AnalyseStockGrid(*xw);
        if (xw->WordSlotCount != static_cast<int>(runs.size())) return "the analysis finds other words";
        int islands = 0;
        for (int r = 1; r <= n; ++r)
            for (int c = 1; c <= n; ++c) islands = std::max<int>(islands, xw->Squares(c, r).IslandNo);
        if (islands > qm::MaxIslands) return "too many islands";
    } catch (const qm::Failure& e) {
        return std::string("analysis: ") + e.what();
    }
    return "";
}

/// No two-letter word and no open square outside every word: what each added block must keep.
bool Sound(const Pattern& p)
{
    const int n = p.N;
    std::vector<char> covered(static_cast<std::size_t>(n * n), 0);
    for (const Run& w : Runs(p)) {
        if (w.Length == 2) return false;
        for (int k = 0; k < w.Length; ++k) {
            const int r = w.Across ? w.Row : w.Row + k;
            const int c = w.Across ? w.Col + k : w.Col;
            covered[static_cast<std::size_t>((r - 1) * n + (c - 1))] = 1;
        }
    }
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c)
            if (!p.Blocked(r, c) && !covered[static_cast<std::size_t>((r - 1) * n + (c - 1))]) return false;
    return true;
}

/// Word lines of a lattice: for odd sizes alternate lines starting with the first or the second line;
/// for even sizes alternate from the first line to the middle and mirror the rest (so the two middle
/// lines are both spacers).
std::vector<bool> WordLines(int n, int phase)
{
    std::vector<bool> word(static_cast<std::size_t>(n + 1), false);
    for (int i = 1; i <= n; ++i) {
        const int j = (n % 2 == 0 && i > n / 2) ? n + 1 - i : i;
        word[static_cast<std::size_t>(i)] = ((j + phase) % 2) == 1;
    }
    return word;
}

struct Shape {
    int MaxLength;     ///< longest word
    double MeanLength; ///< splitting stops when the mean word length is at most this
};

Shape ShapeFor(int n, qm::Lcg& rng)
{
    const int longest = std::min({n, 15, qm::MaxWordLength});
    const double low = n <= 9 ? 4.0 : n <= 13 ? 5.0 : 6.0;
    const double high = n <= 9 ? 6.5 : n <= 13 ? 7.5 : 8.5;
    return {longest, low + (high - low) * rng.RandomReal()};
}

/// One random candidate of size n.
Pattern Candidate(int n, qm::Lcg& rng)
{
    Pattern p(n);
    const int rowPhase = n % 2 == 1 ? rng.Random(2) : 0;
    const int colPhase = n % 2 == 1 ? rng.Random(2) : 0;
    const auto rows = WordLines(n, rowPhase);
    const auto cols = WordLines(n, colPhase);
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c)
            if (!rows[static_cast<std::size_t>(r)] && !cols[static_cast<std::size_t>(c)]) p.SetPair(r, c, true);
    const Shape shape = ShapeFor(n, rng);
    for (int step = 0; step < 400; ++step) {
        const auto runs = Runs(p);
        double total = 0;
        std::vector<const Run*> tooLong;
        for (const Run& w : runs) {
            total += w.Length;
            if (w.Length > shape.MaxLength) tooLong.push_back(&w);
        }
        const double mean = runs.empty() ? 0 : total / static_cast<double>(runs.size());
        if (tooLong.empty() && mean <= shape.MeanLength) break;
        // Break a word that is too long, else a random word weighted by its length beyond 6.
        const Run* w = nullptr;
        if (!tooLong.empty()) {
            w = tooLong[static_cast<std::size_t>(rng.Random(static_cast<std::int32_t>(tooLong.size())))];
        } else {
            double weight = 0;
            for (const Run& x : runs) weight += std::max(0, x.Length - 6) * std::max(0, x.Length - 6);
            if (weight == 0) break;
            double pick = rng.RandomReal() * weight;
            for (const Run& x : runs) {
                pick -= std::max(0, x.Length - 6) * std::max(0, x.Length - 6);
                if (pick < 0) {
                    w = &x;
                    break;
                }
            }
            if (!w) w = &runs.back();
        }
        const int k = rng.Random(w->Length);
        const int r = w->Across ? w->Row : w->Row + k;
        const int c = w->Across ? w->Col + k : w->Col;
        Pattern trial = p;
        trial.SetPair(r, c, true);
        if (Sound(trial)) p = trial;  // else another square is tried on the next step
    }
    return p;
}

struct FillResult {
    int Fills = 0;
    int MedianIterations = 0;
    int Slots = 0;
};

/// The run a user gets from "quillmere-cli --seed S fill N K --fills 20" on this grid.
FillResult TestFill(qm::QuillmereState& state, const Pattern& p, std::uint32_t seed)
{
    qm::LoadStockGrids(state.Stock, qm::WriteStockGrids({ToStockGrid(p)}));
    qm::ChooseStockGrid(state.Stock, 1, state.Xw);
    state.Random.SetClock(qm::SimulatedSeedClock(seed));
    qm::RunSettings settings;
    settings.Repeats = Attempts;
    settings.Fill.MaxIterations = Iterations;
    const qm::RunResult run = qm::RunSymmetricFills(state, state.SymmFillsList, settings, {});
    FillResult out;
    out.Fills = run.FillCount;
    out.Slots = state.Xw.WordSlotCount;
    std::vector<int> its;
    for (int f = 1; f <= run.FillCount; ++f) its.push_back(state.Fills.Record(f).Iterations);
    std::sort(its.begin(), its.end());
    if (!its.empty())
        out.MedianIterations = its.size() % 2 ? its[its.size() / 2] : (its[its.size() / 2 - 1] + its[its.size() / 2]) / 2;
    return out;
}

std::string Arg(int argc, char** argv, const std::string& name, const std::string& fallback = "")
{
    for (int i = 1; i + 1 < argc; ++i)
        if (argv[i] == name) return argv[i + 1];
    return fallback;
}

bool HasFlag(int argc, char** argv, const std::string& name)
{
    for (int i = 1; i < argc; ++i)
        if (argv[i] == name) return true;
    return false;
}

std::string ReadFileOrFail(const std::string& path)
{
    std::string bytes;
    if (!qm::ReadWholeFile(path, bytes)) throw qm::Failure("cannot read " + path);
    return bytes;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string data = Arg(argc, argv, "--data");
    const std::string out = Arg(argc, argv, "--out");
    const std::string report = Arg(argc, argv, "--report");
    if (data.empty() || out.empty() || report.empty()) {
        std::cerr << "usage: quillmere-gridgen --data DIR --out GRIDSRES --report REPORT.md [--seed S] [--only SIZE] "
                     "[--keep GRIDSRES] [--verbose]\n";
        return 2;
    }
    const auto seed = static_cast<std::uint32_t>(std::stoul(Arg(argc, argv, "--seed", "1")));
    const int only = std::stoi(Arg(argc, argv, "--only", "0"));
    const bool verbose = HasFlag(argc, argv, "--verbose");
    const std::string keepFile = Arg(argc, argv, "--keep");
    try {
        auto state = std::make_unique<qm::QuillmereState>();
        const std::filesystem::path dir(data);
        const std::string dictionaryBytes = ReadFileOrFail((dir / "WORD.LST").string());
        qm::LoadDictionary(state->Dict, dictionaryBytes);
        std::uint32_t checksum = 2166136261u;  // FNV-1a, to tell which dictionary the report was made with
        for (char c : dictionaryBytes) checksum = (checksum ^ static_cast<unsigned char>(c)) * 16777619u;
        std::int64_t dictionaryWords = 0;
        for (int L = qm::MinWordLength; L <= qm::MaxWordLength; ++L) dictionaryWords += state->Dict.Count(L);
        qm::LoadWordBitPatterns(state->BitPatterns, ReadFileOrFail((dir / "CATEGRES").string()));
        state->Clues = qm::LoadClueList(ReadFileOrFail((dir / "CLUESRES").string()));
        state->FillSource = qm::FillSourceKind::Dictionary;
        qm::BuildSelectionMasks(state->Selection, qm::SelectionOptions{}, state->DictSelectionDirty);
        qm::ApplySelection(state->Dict, state->BitPatterns, state->Selection, state->DictSelectionDirty);

        // The two records every copy of the program starts its 7 x 7 and 9 x 9 groups with.
        const Pattern first7 = FromMasks(7, {0x40, 0x14, 0x40, 0x6C});
        const Pattern first9 = FromMasks(9, {0x280, 0x36, 0x280, 0x2AA, 0x0});

        // The grids to prove again (--keep), by size.
        std::vector<std::vector<Pattern>> previous(qm::MaxStockGridSize + 1);
        if (!keepFile.empty()) {
            auto library = std::make_unique<qm::StockGridLibrary>();
            qm::LoadStockGrids(*library, ReadFileOrFail(keepFile));
            for (int k = 1; k <= library->GridCount; ++k) {
                const qm::StockGrid& g = qm::StockGridAt(*library, k);
                previous[static_cast<std::size_t>(g.Size)].push_back(FromStockGrid(g));
            }
        }

        qm::Lcg rng;
        rng.SetSeed(seed);
        std::vector<qm::StockGrid> grids;
        const bool keeping = !keepFile.empty();
        std::string table = std::string("| Grid | Size | Slots | White | Fills of 20 | Success | Median iterations |") +
                            (keeping ? " Grid is |\n" : "\n") + "|---:|---:|---:|---:|---:|---:|---:|" + (keeping ? "---|\n" : "\n");
        std::string summary = "| Size | Grids | Slots | Lowest success | Median of the medians | Highest median |\n"
                              "|---:|---:|---:|---:|---:|---:|\n";
        int tried = 0;
        int rejectedShape = 0;
        int rejectedFill = 0;
        int keptGrids = 0;
        std::string replaced;
        const auto started = std::chrono::steady_clock::now();
        for (const Group& group : Groups) {
            if (only != 0 && group.Size != only) continue;
            std::set<Pattern> seen;
            const std::vector<Pattern>& old = previous[static_cast<std::size_t>(group.Size)];
            seen.insert(old.begin(), old.end());  // a new grid never repeats one of the old ones
            std::vector<Pattern> fixed;
            if (group.Size == 7) fixed.push_back(first7);
            if (group.Size == 9) fixed.push_back(first9);
            if (keeping && !fixed.empty() && (old.empty() || old.front().Block != fixed.front().Block))
                throw qm::Failure(keepFile + " does not begin its " + std::to_string(group.Size) + " x " +
                                  std::to_string(group.Size) + " grids with the quoted one");
            std::size_t nextOld = 0;
            int kept = 0;
            std::vector<int> slots;
            std::vector<int> medians;
            int lowestFills = Attempts;
            while (kept < group.Count) {
                const bool isFixed = static_cast<std::size_t>(kept) < fixed.size();
                // The old grid of this place is tried first; once it fails, new candidates until one passes.
                const bool isOld = keeping && nextOld == static_cast<std::size_t>(kept) && nextOld < old.size();
                const Pattern p = isOld ? old[nextOld++] : isFixed ? fixed[static_cast<std::size_t>(kept)] : Candidate(group.Size, rng);
                ++tried;
                if (!isOld && seen.count(p)) continue;
                seen.insert(p);
                const std::string why = Problem(p);
                if (!why.empty()) {
                    ++rejectedShape;
                    if (isOld)
                        replaced += Format("%s%d x %d no. %d (%s)", replaced.empty() ? "" : ", ", group.Size, group.Size, kept + 1,
                                           why.c_str());
                    if (isFixed) throw qm::Failure("the quoted " + std::to_string(group.Size) + " x " + std::to_string(group.Size) + " grid: " + why);
                    if (verbose) std::cerr << group.Size << ": rejected (" << why << ")\n";
                    continue;
                }
                const FillResult fill = TestFill(*state, p, seed);
                if (verbose)
                    std::cerr << group.Size << ": " << fill.Slots << " slots, " << fill.Fills << "/20, median "
                              << fill.MedianIterations << (fill.Fills >= RequiredFills ? "  kept" : "") << "\n";
                if (fill.Fills < RequiredFills) {
                    ++rejectedFill;
                    if (isFixed) throw qm::Failure("the quoted " + std::to_string(group.Size) + " x " + std::to_string(group.Size) + " grid does not fill");
                    if (isOld)
                        replaced += Format("%s%d x %d no. %d (%d of 20)", replaced.empty() ? "" : ", ", group.Size, group.Size,
                                           kept + 1, fill.Fills);
                    continue;
                }
                ++kept;
                keptGrids += isOld;
                grids.push_back(ToStockGrid(p));
                slots.push_back(fill.Slots);
                medians.push_back(fill.MedianIterations);
                lowestFills = std::min(lowestFills, fill.Fills);
                table += Format("| %d x %d no. %d | %d | %d | %d | %d | %d%% | %d |", group.Size, group.Size, kept, group.Size,
                                fill.Slots, p.WhiteCount(), fill.Fills, fill.Fills * 100 / Attempts, fill.MedianIterations) +
                         (keeping ? (isOld ? " kept |\n" : " new |\n") : "\n");
            }
            std::cerr << group.Size << " x " << group.Size << ": " << kept << " grids\n";
            if (kept > 0) {
                std::sort(medians.begin(), medians.end());
                summary += Format("| %d x %d | %d | %d-%d | %d%% | %d | %d |\n", group.Size, group.Size, kept,
                                  *std::min_element(slots.begin(), slots.end()), *std::max_element(slots.begin(), slots.end()),
                                  lowestFills * 100 / Attempts, medians[medians.size() / 2], medians.back());
            }
        }
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        qm::WriteFileSafely(out, qm::WriteStockGrids(grids));
        std::string text = "# Stock grids\n\nMade by `quillmere-gridgen --seed " + std::to_string(seed) +
                           (keeping ? " --keep GRIDSRES" : "") + "` with the built-in dictionary (" + std::to_string(dictionaryWords) + " words; WORD.LST of " +
                           std::to_string(dictionaryBytes.size()) + Format(" bytes, FNV-1a %08x", checksum) +
                           ") and its default selection (every word type and category, rarity 0).\n"
                           "Each grid was filled " + std::to_string(Attempts) + " times at " + std::to_string(Iterations) +
                           " iterations, the run `quillmere-cli --seed " + std::to_string(seed) +
                           " fill SIZE K --fills 20`; a grid is kept when at least " + std::to_string(RequiredFills) +
                           " attempts succeed. Median iterations are over the successful attempts.\n\n" +
                           (keeping ? Format("The grids of the previous GRIDSRES were proved again (`--keep`): %d kept their place; "
                                             "%d failed and were replaced by new grids of the same size%s.\n\n",
                                             keptGrids, static_cast<int>(grids.size()) - keptGrids,
                                             replaced.empty() ? "" : (": " + replaced).c_str())
                                    : std::string()) +
                           Format("Candidates tried: %d; rejected for their shape: %d; rejected by the fill test: %d; %.0f s.\n\n",
                                  tried, rejectedShape, rejectedFill, seconds) +
                           "## By size\n\n" + summary + "\n## Every grid\n\n" + table;
        qm::WriteFileSafely(report, text);
        std::cerr << grids.size() << " grids written to " << out << "\n";
    } catch (const std::exception& e) {
        std::cerr << "quillmere-gridgen: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
