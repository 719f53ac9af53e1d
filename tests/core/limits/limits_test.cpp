// Store limits and damaged input, walked through the operations the window calls: each is refused with
// its message and leaves the whole program state as it was; failed saves never harm the file there.
#include "core/files/crossword_file.h"
#include "core/files/xwd_format.h"
#include "core/freeform/freeform_run.h"
#include "core/output/export_file.h"
#include "core/state.h"
#include "core/symmetric/analysis.h"
#include "core/symmetric/symmetric_run.h"
#include "core/util/failure.h"
#include "core/util/file_io.h"
#include "core/words/categories.h"
#include "core/words/import.h"
#include "tests/core/freeform/freeform_fixtures.h"
#include "tests/support/fixtures.h"
#include "tests/support/symmetric_fixtures.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <map>
#include <sstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace qm {
namespace {

std::string Digest(const std::string& text) { return std::to_string(std::hash<std::string>{}(text)); }

/// Everything the program holds, section by section, as digests that differ whenever a stored value does.
std::map<std::string, std::string> Snapshot(const QuillmereState& s)
{
    std::map<std::string, std::string> out;
    std::ostringstream d;
    for (int L = MinWordLength; L <= MaxWordLength; ++L) {
        d << L << ':' << s.Dict.Count(L) << ';';
        for (const DictWord& w : s.Dict.MainWordArray[static_cast<std::size_t>(L)])
            d << w.Text << ',' << w.Selected << ',' << w.ClueIndex << ',' << w.CategPattern << w.InUse << ';';
    }
    d << s.Dict.Version;
    out["dictionary"] = Digest(d.str());

    std::ostringstream c;
    for (std::int64_t p : s.BitPatterns) c << p << ',';
    out["categories"] = Digest(c.str());

    std::ostringstream i;
    const ImportedList& imp = s.Imported;
    for (std::size_t k = 0; k < imp.ThemeWords.size(); ++k) i << imp.ThemeWords[k] << '\t' << imp.ThemeClues[k] << '\n';
    i << imp.ThemeWordCount << ' ' << imp.MaxLen << ' ' << imp.OptimalWordLength << ' ' << imp.LengthVariation << ' '
      << imp.IndexVersion << ' ' << imp.ThemeIndex.size() << ' ' << imp.TightInterlocksList.size();
    out["imported"] = Digest(i.str());

    std::ostringstream cl;
    for (const std::string& line : s.Clues) cl << line << '\n';
    out["clues"] = Digest(cl.str());

    std::ostringstream g;
    g << s.Stock.GridCount << ' ' << s.Stock.SelectedStockGrid << ';';
    for (int k = 1; k <= s.Stock.GridCount; ++k) {
        const StockGrid& sg = s.Stock.StockGrids[static_cast<std::size_t>(k)];
        g << sg.Size << ',' << sg.WhiteCount;
        for (std::int32_t m : sg.RowMasks) g << ',' << m;
        g << ';';
    }
    out["stock grids"] = Digest(g.str());

    std::ostringstream x;
    const Crossword& xw = s.Xw;
    x << xw.GridSize << ' ' << xw.WordSlotCount << ';';
    for (int k = 1; k <= xw.WordSlotCount; ++k) {
        const WordSlot& w = xw.Slot(k);
        x << w.Row << ',' << w.Col << ',' << w.Dir << ',' << w.Clue << ',' << w.WordTxt.str() << ','
          << w.ClueTxt.str() << ',' << w.Seq << ',' << w.DepNum << ',' << w.DictOrThemeRef << ';';
    }
    for (const std::string& row : test::GridRows(xw.Squares)) x << row << '/';
    for (int r = 1; r <= xw.Squares.Size(); ++r)
        for (int col = 1; col <= xw.Squares.Size(); ++col) x << xw.Squares(col, r).CellNumber << ',';
    out["crossword"] = Digest(x.str());

    std::ostringstream f;
    const FillStore& st = s.Fills;
    f << st.GridsMax << ' ' << st.CurrentFill << ' ' << st.StoredWordCount << ';';
    for (int k = 0; k <= MaxFillRecords; ++k) {
        const FillRecord& r = st.Record(k);
        f << r.LttCount << ',' << r.WrdCount << ',' << r.LastWrd << ',' << r.ILockCount << ',' << r.ILockArea << ','
          << r.Iterations << ';';
    }
    for (int k = 1; k <= st.StoredWordCount; ++k) {
        const StoredWord& w = st.Words[static_cast<std::size_t>(k)];
        f << int{w.Row} << ',' << int{w.Col} << ',' << int{w.NumLett} << ',' << w.DictOrThemeRef << ',' << int{w.FromDict} << ';';
    }
    out["fill stores"] = Digest(f.str());

    std::ostringstream l;
    for (const std::string& line : s.SymmFillsList.Texts()) l << line << '\n';
    l << '|';
    for (const std::string& line : s.Freeform.FreeFillsList.Texts()) l << line << '\n';
    out["fill lists"] = Digest(l.str());

    std::ostringstream p;
    p << static_cast<int>(s.FillSource) << ' ' << s.CurrentFileName << ' ' << s.LoadedFromFile << ' '
      << static_cast<int>(s.Run) << ' ' << int{s.ImportedFillShown} << ' ' << s.Output.Title << ' ' << s.Output.FontName << ' '
      << s.Output.GridMM;
    out["process values"] = Digest(p.str());
    return out;
}

/// A state with something in every store: the committed stock grids, a small dictionary, category
/// patterns, clues, an imported list and a freeform fill on display as fill 1 of its list.
std::unique_ptr<QuillmereState> BusyState()
{
    auto state = test::FillState(test::SmallAlphabetWords(4, 60, 8, 5), 5);
    LoadStockGrids(state->Stock, test::CommittedStockGrids());
    state->Imported = test::ListOf(test::MadeUpWords(200, 21));
    state->Xw.GridSize = 13;
    InitGrid(state->Xw);
    state->FillSource = FillSourceKind::Freeform;
    QuickFill(*state, SeedWordChoice::RandomWord, 0, {});
    state->CurrentFileName = "kept.xwd";
    return state;
}

std::string Int32s(std::initializer_list<std::int32_t> values)
{
    std::string bytes;
    for (std::int32_t v : values)
        for (int b = 0; b < 4; ++b) bytes += static_cast<char>((static_cast<std::uint32_t>(v) >> (8 * b)) & 0xFF);
    return bytes;
}

/// A WORD.LST image holding `count` words of length 3 (a count above the writer's limit is patched in).
std::string ThreeLetterWords(int count)
{
    std::vector<DictWord> words;
    for (int k = 0; k < std::min(count, MaxWordsPerLength); ++k) {
        std::string t = "AAA";
        t[1] = static_cast<char>('A' + k / 26 % 26);
        t[2] = static_cast<char>('A' + k % 26);
        t[0] = static_cast<char>('A' + k / 676);
        words.push_back(test::Word(t));
    }
    std::string bytes = test::DictionaryBytes(words);
    if (count > MaxWordsPerLength) {
        const std::string n = Int32s({count});
        bytes.replace(0, 4, n);
        bytes.insert(4 + static_cast<std::size_t>(MaxWordsPerLength) * 15, std::string(1, '\3') + "ZZZ" + std::string(11, '\0'));
    }
    return bytes;
}

/// A stock grid resource of `count` 7 x 7 grids.
std::string SevenBySevenGrids(int count)
{
    std::string bytes = Int32s({7, count});
    for (int k = 0; k < count; ++k) bytes += Int32s({37, 0x40, 0x14, 0x40, 0x6C});
    return bytes;
}

/// A 29 x 29 stock grid blocked along every fourth row and column from the third: far more than 160
/// three-letter words.
std::string CrowdedGrid()
{
    std::int32_t lines = 0;
    for (int c = 3; c <= 29; c += 4) lines |= 1 << c;
    std::string bytes = Int32s({29, 1, 29 * 29});
    for (int r = 1; r <= 15; ++r) bytes += Int32s({r % 4 == 3 ? 0x3FFFFFFE : lines});
    return bytes;
}

std::string XwdWith161Words()
{
    std::string text = "Title=T\r\nFont=Arial\r\nBlocking=3\r\nDimension=30\r\nWord Count=161\r\nLetter Count=3\r\n";
    for (int k = 0; k < 161; ++k) text += "  1A:  1  1:CAT\x04" "3\x05" "clue\r\n";
    return text;
}

std::string Lines(int count)
{
    std::string text;
    text.reserve(static_cast<std::size_t>(count) * 6);
    for (int k = 0; k < count; ++k) text += "WORD\r\n";
    return text;
}

struct Refusal {
    const char* name;
    std::function<void(QuillmereState&, const test::TempDir&)> act;
    std::string message;
    bool exact;  ///< the whole message (the program's own assertion texts), else a part of it
};

std::vector<Refusal> Refusals()
{
    const auto importBytes = [](std::string bytes) {
        return [bytes](QuillmereState& s, const test::TempDir&) {
            ImportWordListBytes(s.Imported, bytes, "words.txt", FillSourceKind::Freeform, 13);
        };
    };
    const auto loadXwd = [](std::string bytes) {
        return [bytes](QuillmereState& s, const test::TempDir& dir) {
            test::WriteFile(dir.File("bad.xwd"), bytes);
            LoadCrosswordFile(s, dir.File("bad.xwd"), nullptr);
        };
    };
    return {
        // Store limits.
        {"9151 dictionary words of one length",
         [](QuillmereState& s, const test::TempDir&) { LoadDictionary(s.Dict, ThreeLetterWords(9151)); },
         "word number (9151) exceeds array dimensions for wlen=3", true},
        {"281 stock grids", [](QuillmereState& s, const test::TempDir&) { LoadStockGrids(s.Stock, SevenBySevenGrids(281)); },
         "Grid number exceeds StockGrids array", true},
        {"301 category bit patterns",
         [](QuillmereState& s, const test::TempDir&) { LoadWordBitPatterns(s.BitPatterns, std::string(301 * 8, '\1')); },
         "number of bit patterns in resource exceeds WordBitPatterns array dimensions", true},
        {"a stock grid with more than 160 words",
         [](QuillmereState& s, const test::TempDir&) {
             StockGridLibrary crowded;
             LoadStockGrids(crowded, CrowdedGrid());
             ChooseStockGrid(crowded, 1, s.Xw);
         },
         "more than 160 words", false},
        {"a crossword file with 161 words", loadXwd(XwdWith161Words()), "at most 160 words", false},
        {"a full fill word store",
         [](QuillmereState& s, const test::TempDir&) {
             const auto count = s.Fills.StoredWordCount;
             s.Fills.Words.resize(MaxStoredWords + 1);
             s.Fills.StoredWordCount = MaxStoredWords - 1;
             try {
                 AddThisGrid(s, 0);
             } catch (...) {
                 s.Fills.StoredWordCount = count;
                 s.Fills.Words.resize(static_cast<std::size_t>(count) + 1);
                 throw;
             }
         },
         "The fill word store is full: it holds at most 483200 words", true},
        {"a symmetrical run of 3001 fills",
         [](QuillmereState& s, const test::TempDir&) {
             RunSettings settings;
             settings.Repeats = MaxRepeats + 1;
             RunSymmetricFills(s, s.SymmFillsList, settings, {});
         },
         "A run makes 1 to 3000 attempts, not 3001", true},
        {"a symmetrical run with no iterations",
         [](QuillmereState& s, const test::TempDir&) {
             RunSettings settings;
             settings.Fill.MaxIterations = 0;
             RunSymmetricFills(s, s.SymmFillsList, settings, {});
         },
         "The number of iterations must be at least 1 (it is 0)", true},
        {"a freeform run of 3001 fills",
         [](QuillmereState& s, const test::TempDir&) {
             FreeformRunRequest request;
             request.Fills = MaxFreeformRunFills + 1;
             StartFreeformRun(s, request, {});
         },
         "A run makes 1 to 3000 fills", true},

        // Damaged dictionaries.
        {"dictionary ends inside a word",
         [](QuillmereState& s, const test::TempDir&) { LoadDictionary(s.Dict, ThreeLetterWords(5).substr(0, 30)); },
         "Read beyond end of file", true},
        {"dictionary word with a non-letter initial",
         [](QuillmereState& s, const test::TempDir&) { LoadDictionary(s.Dict, test::DictionaryBytes({test::Word("1AB")})); },
         "Assertion failure", true},
        {"dictionary with a negative count",
         [](QuillmereState& s, const test::TempDir&) { LoadDictionary(s.Dict, Int32s({-4})); }, "is negative", false},
        {"dictionary file missing",
         [](QuillmereState& s, const test::TempDir& dir) { LoadDictionaryFromDirs(s.Dict, {dir.File("nowhere")}); },
         "File not found", false},

        // Damaged built-in resources.
        {"stock grids cut short",
         [](QuillmereState& s, const test::TempDir&) { LoadStockGrids(s.Stock, SevenBySevenGrids(2).substr(0, 30)); },
         "truncated", false},
        {"stock grid size 31", [](QuillmereState& s, const test::TempDir&) { LoadStockGrids(s.Stock, Int32s({31, 0})); },
         "sizes must be 6 to 29", false},
        {"category patterns of 12 bytes",
         [](QuillmereState& s, const test::TempDir&) { LoadWordBitPatterns(s.BitPatterns, std::string(12, '\1')); },
         "The category data is damaged: it ends in the middle of a value", true},
        {"a clue list shorter than the dictionary's clue numbers",
         [](QuillmereState&, const test::TempDir&) {
             // Showing a fill of dictionary words whose clue lines are missing.
             auto symmetric = test::FillState(test::SmallAlphabetWords(3, 120, 9, 9), 3);
             LoadStockGrids(symmetric->Stock, test::CommittedStockGrids());
             ChooseStockGrid(symmetric->Stock, StockGridsOfSize(symmetric->Stock, 7).First, symmetric->Xw);
             RunSettings settings;
             settings.Repeats = 3;
             settings.Fill.MaxIterations = 2000;
             RunSymmetricFills(*symmetric, symmetric->SymmFillsList, settings, {});
             if (symmetric->SymmFillsList.Count() == 0) throw std::logic_error("no fill to show");
             symmetric->Clues = LoadClueList("\r\nonly one clue\r\n");
             const auto before = Snapshot(*symmetric);
             try {
                 ShowFill(*symmetric, symmetric->SymmFillsList.At(0).Fill);
             } catch (const Failure&) {
                 if (Snapshot(*symmetric) != before) throw std::logic_error("the refused fill changed the state");
                 throw;
             }
         },
         "List index out of bounds", false},

        // Damaged word lists.
        {"word list with NUL bytes", importBytes(std::string("CAT\0DOG", 7)), "words.txt is not a text file (it contains NUL bytes)",
         true},
        {"word list in UTF-16", importBytes(std::string("\xFF\xFE" "C\0A\0T\0", 8)), "UTF-16", false},
        {"word list with a control character", importBytes("CAT\x01\r\nDOG\r\n"), "control character 1", false},
        {"word list marked UTF-8 that is not", importBytes("\xEF\xBB\xBF" "CAF\xE9\r\n"), "not valid UTF-8", false},
        {"word list with a byte Windows-1252 lacks", importBytes("CAF\x81\r\n"), "the byte 129", false},
        {"word list that is a folder",
         [](QuillmereState& s, const test::TempDir& dir) {
             ImportWordListFile(s.Imported, dir.Path().string(), FillSourceKind::Freeform, 13);
         },
         "cannot be read", false},

        // Damaged crossword files.
        {"crossword file of binary data", loadXwd(std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)), "binary data", false},
        {"crossword file cut inside its header", loadXwd("Title=T\r\nFont=Arial\r\n"), "six header lines", false},
        {"crossword file whose answers clash",
         loadXwd("Title=T\r\nFont=Arial\r\nBlocking=3\r\nDimension=8\r\nWord Count=2\r\nLetter Count=5\r\n"
                 "  1A:  1  1:CAT\x04" "3\x05" "c\r\n  1D:  1  1:DOG\x04" "3\x05" "c\r\n"),
         "clashes", false},
    };
}

TEST(Limits, EveryRefusalNamesItsCauseAndLeavesTheStateAsItWas)
{
    for (const Refusal& r : Refusals()) {
        SCOPED_TRACE(r.name);
        auto state = BusyState();
        ASSERT_GT(state->Fills.GridsMax, 0);
        test::TempDir dir;
        const auto before = Snapshot(*state);
        try {
            r.act(*state, dir);
            ADD_FAILURE() << "accepted";
        } catch (const Failure& e) {
            if (r.exact) EXPECT_EQ(std::string(e.what()), r.message);
            else EXPECT_NE(std::string(e.what()).find(r.message), std::string::npos) << e.what();
        }
        EXPECT_EQ(Snapshot(*state), before);
    }
}

TEST(Limits, EachStoreTakesExactlyItsLimit)
{
    QuillmereState state;
    LoadDictionary(state.Dict, ThreeLetterWords(MaxWordsPerLength));
    EXPECT_EQ(state.Dict.Count(3), 9150);
    LoadStockGrids(state.Stock, SevenBySevenGrids(MaxStockGrids));
    EXPECT_EQ(state.Stock.GridCount, 280);
    LoadWordBitPatterns(state.BitPatterns, std::string(300 * 8, '\1'));
    EXPECT_EQ(state.BitPatterns[299], 0x0101010101010101);
    EXPECT_EQ(state.BitPatterns[300], 0);

    // A file of 500,001 lines keeps its first 500,000 and says so; the clipboard skips the extra piece
    // silently and still reads the text after its last line break.
    const ImportOutcome file = ImportWordListBytes(state.Imported, Lines(MaxImportedLines + 1), "big.txt", FillSourceKind::Freeform, 15);
    EXPECT_EQ(file.Message, "Theme word list truncated at 500000 words");
    EXPECT_EQ(state.Imported.ThemeWordCount, 500000);
    const ImportOutcome clip = ImportClipboardText(state.Imported, Lines(MaxImportedLines + 1) + "LAST");
    EXPECT_FALSE(clip.Message.has_value());
    EXPECT_EQ(state.Imported.ThemeWordCount, 500001);
    EXPECT_EQ(state.Imported.ThemeWords[499999], "WORD");
    EXPECT_EQ(state.Imported.ThemeWords.back(), "LAST");
}

TEST(Limits, AddingGridsFillsTheListToExactly3020)
{
    auto state = BusyState();
    const int words = state->Xw.WordSlotCount;
    ASSERT_GT(words, 0);
    for (int n = 2; n <= MaxFillRecords; ++n) ASSERT_TRUE(AddThisGrid(*state, 0).Added) << n;
    EXPECT_EQ(state->Fills.GridsMax, MaxFillRecords);
    EXPECT_EQ(state->Freeform.FreeFillsList.Count(), MaxFillRecords);
    EXPECT_EQ(state->Fills.StoredWordCount, MaxFillRecords * words);
    EXPECT_EQ(state->Fills.Record(MaxFillRecords).LastWrd, state->Fills.StoredWordCount);

    const auto before = Snapshot(*state);
    const FreeformAddResult add = AddThisGrid(*state, 0);
    EXPECT_TRUE(add.ListFull);
    EXPECT_EQ(add.Message, "No more grids available");
    const FreeformAddResult improve = ImproveFill(*state, 0, {});
    EXPECT_TRUE(improve.ListFull);
    EXPECT_EQ(improve.Message, "No more attempts available");
    EXPECT_EQ(Snapshot(*state), before);
}

// ---------------------------------------------------------------------------------------------
// Failed saves

enum class Obstacle { ReadOnlyFolder, FullDisk, VanishedFolder };

struct SaveKind {
    const char* name;
    std::function<void(QuillmereState&, const std::string&)> save;
};

const SaveKind SaveKinds[] = {
    {"crossword file", [](QuillmereState& s, const std::string& path) { SaveCrosswordFile(s, path); }},
    {"export", [](QuillmereState& s, const std::string& path) { WriteExportFile(path, std::string(100000, 'x') + s.Output.Title); }},
};

/// Runs the save in a child process (so that a changed user or file size limit stays there) and
/// reports what it saw: 0 the save failed with a message and the state is unchanged, otherwise a
/// number saying what went wrong.
int SaveInChild(const SaveKind& kind, Obstacle obstacle, const std::string& folder, const std::string& path)
{
    // Everything the save needs from the checkout (the stock grids) is read before the child gives up
    // its rights: the checkout may sit in a folder that only its owner can enter.
    auto state = BusyState();
    const auto before = Snapshot(*state);
    const pid_t pid = ::fork();
    if (pid != 0) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
    }
    if (obstacle == Obstacle::ReadOnlyFolder) {
        std::filesystem::permissions(folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec |
                                                 std::filesystem::perms::others_read | std::filesystem::perms::others_exec);
        // The superuser writes anywhere; a read-only folder means something only to an ordinary user.
        if (::geteuid() == 0 && ::setuid(65534) != 0) ::_exit(90);
    } else if (obstacle == Obstacle::FullDisk) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit small{};
        ::getrlimit(RLIMIT_FSIZE, &small);
        small.rlim_cur = 64;
        if (::setrlimit(RLIMIT_FSIZE, &small) != 0) ::_exit(91);
    }
    int code = 0;
    try {
        kind.save(*state, path);
        code = 1;  // the save claimed success
    } catch (const Failure& e) {
        if (std::string(e.what()).empty()) code = 2;
    } catch (...) {
        code = 3;
    }
    if (code == 0 && Snapshot(*state) != before) code = 4;
    ::_exit(code);
}

TEST(Limits, AFailedSaveNeverHarmsTheFileAlreadyThere)
{
    const std::string good = "the crossword saved yesterday\r\n";
    for (const SaveKind& kind : SaveKinds) {
        for (Obstacle obstacle : {Obstacle::ReadOnlyFolder, Obstacle::FullDisk, Obstacle::VanishedFolder}) {
            SCOPED_TRACE(std::string(kind.name) + " " + std::to_string(static_cast<int>(obstacle)));
            test::TempDir dir;
            const std::string folder = dir.File("puzzles");
            std::filesystem::create_directories(folder);
            const std::string path = folder + "/weekend.xwd";
            test::WriteFile(path, good);
            std::string target = path;
            if (obstacle == Obstacle::VanishedFolder) {
                // The folder chosen in the dialog is removed (with its file) before the save.
                target = dir.File("gone/weekend.xwd");
            }
            EXPECT_EQ(SaveInChild(kind, obstacle, folder, target), 0);
            std::filesystem::permissions(folder, std::filesystem::perms::owner_all, std::filesystem::perm_options::add);
            std::string bytes;
            ASSERT_TRUE(ReadWholeFile(path, bytes));
            EXPECT_EQ(bytes, good);
            int files = 0;
            for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder)) ++files;
            EXPECT_EQ(files, 1) << "a temporary file was left behind";
            EXPECT_FALSE(std::filesystem::exists(dir.File("gone")));
        }
    }
}

}  // namespace
}  // namespace qm
