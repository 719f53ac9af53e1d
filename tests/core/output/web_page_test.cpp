// The web page to solve: what it carries (grid, words, enumerations, hidden answers, storage key),
// crossword texts that reach it only escaped, what it refuses, and its size for a full 21 x 21.
#include "core/output/web_page.h"
#include "core/state.h"
#include "core/util/failure.h"
#include "core/util/file_io.h"
#include "tests/support/crossword_fixture.h"
#include "tests/support/fixtures.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <nlohmann/json.hpp>

namespace qm {
namespace {

/// STARE / L#L#A / ADEPT / T#R#E / EATEN: slots 1 STARE (1A, shown "STA RE"), 2 SLATE (1D),
/// 3 ALERT (2D), 4 EATEN (3D), 5 ADEPT (4A, shown "AD-EPT"), 6 EATEN (5A).
QuillmereState FiveByFive()
{
    QuillmereState state;
    test::ShowAsFill(state, test::CrosswordOfLetters({"STARE", "L#L#A", "ADEPT", "T#R#E", "EATEN"}));
    Crossword& xw = state.Xw;
    const char* clues[] = {"Look fixedly", "Roofing stone", "On the lookout", "Consumed", "Skilled", "Had dinner"};
    for (int i = 1; i <= 6; ++i) xw.Slot(i).ClueTxt = clues[i - 1];
    xw.Slot(1).DisplayTxt = "STA RE";
    xw.Slot(1).EnumTxt = "3,2";
    xw.Slot(5).DisplayTxt = "AD-EPT";
    xw.Slot(5).EnumTxt = "2,3";
    state.Output.Title = "Five";
    return state;
}

/// The puzzle's data as the page's script reads it.
nlohmann::json PageData(const std::string& page)
{
    const std::string open = R"(<script type="application/json" id="puzzle-data">)";
    const std::size_t start = page.find(open);
    EXPECT_NE(start, std::string::npos);
    const std::size_t end = page.find("</script>", start);
    return nlohmann::json::parse(page.substr(start + open.size(), end - start - open.size()));
}

std::size_t Count(const std::string& text, const std::string& part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

TEST(WebPage, CarriesTheGridTheWordsInClueOrderAndTheEnumerationsAsShown)
{
    const WebPagePuzzle puzzle = WebPagePuzzleOf(FiveByFive(), "A. Setter");
    EXPECT_EQ(puzzle.Size, 5);
    EXPECT_EQ(puzzle.Squares, "......#.#.......#.#......");
    EXPECT_EQ(puzzle.Answer, "STARELLAADEPTTREEATEN");
    EXPECT_EQ(puzzle.Title, "Five");
    EXPECT_EQ(puzzle.Author, "A. Setter");
    struct Expected {
        int number;
        bool across;
        int row, col;
        const char* clue;
        const char* enumeration;
    };
    const Expected expected[] = {
        {1, true, 1, 1, "Look fixedly", "3,2"}, {4, true, 3, 1, "Skilled", "2-3"},     {5, true, 5, 1, "Had dinner", "5"},
        {1, false, 1, 1, "Roofing stone", "5"}, {2, false, 1, 3, "On the lookout", "5"}, {3, false, 1, 5, "Consumed", "5"},
    };
    ASSERT_EQ(puzzle.Words.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const WebPageWord& w = puzzle.Words[i];
        const Expected& e = expected[i];
        EXPECT_EQ(w.Number, e.number) << i;
        EXPECT_EQ(w.Across, e.across) << i;
        EXPECT_EQ(w.Row, e.row) << i;
        EXPECT_EQ(w.Col, e.col) << i;
        EXPECT_EQ(w.Length, 5) << i;
        EXPECT_EQ(w.Clue, e.clue) << i;
        EXPECT_EQ(w.Enumeration, e.enumeration) << i;
    }

    // The page's data says the same.
    const nlohmann::json data = PageData(WebPageDocument(FiveByFive(), "A. Setter"));
    EXPECT_EQ(data["size"], 5);
    EXPECT_EQ(data["squares"], puzzle.Squares);
    EXPECT_EQ(data["words"][1]["enumeration"], "2-3");
    EXPECT_EQ(data["words"][1]["direction"], "across");
    EXPECT_EQ(data["words"][3]["direction"], "down");
    EXPECT_EQ(data["storageKey"], WebPageStorageKey(puzzle));
}

TEST(WebPage, AnswersAreNotInPlainSight)
{
    const std::string page = WebPageDocument(FiveByFive());
    for (const char* answer : {"STARE", "SLATE", "ALERT", "EATEN", "ADEPT", "STARELLA"})
        EXPECT_EQ(page.find(answer), std::string::npos) << answer;
    const nlohmann::json data = PageData(page);
    const std::string hidden = data["hidden"];
    EXPECT_EQ(hidden, HideAnswerLetters("STARELLAADEPTTREEATEN", data["salt"].get<std::uint32_t>()));
    EXPECT_EQ(hidden.size(), 21u);
    EXPECT_EQ(hidden.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), std::string::npos);
    // The same letters come out differently at every place and under every salt.
    EXPECT_NE(HideAnswerLetters("AAAAAAAAAA", 1), "AAAAAAAAAA");
    EXPECT_EQ(HideAnswerLetters("AAAAAAAAAA", 1).find("AAAA"), std::string::npos);
    EXPECT_NE(HideAnswerLetters("STARE", 1), HideAnswerLetters("STARE", 2));
    // The same crossword gives the same bytes.
    EXPECT_TRUE(WebPageDocument(FiveByFive()) == page);
}

TEST(WebPage, StorageKeyFollowsGridAndAnswersOnly)
{
    const std::string key = WebPageStorageKey(WebPagePuzzleOf(FiveByFive(), ""));
    EXPECT_EQ(key.rfind(WebPageStoragePrefix, 0), 0u);
    EXPECT_EQ(key.size(), std::string(WebPageStoragePrefix).size() + 16);
    QuillmereState reclued = FiveByFive();
    reclued.Xw.Slot(2).ClueTxt = "Grey rock";
    reclued.Output.Title = "Renamed";
    EXPECT_EQ(WebPageStorageKey(WebPagePuzzleOf(reclued, "Someone")), key);
    QuillmereState other;
    test::ShowAsFill(other, test::CrosswordOfLetters({"STARE", "L#L#A", "ADEPT", "T#R#E", "EATER"}));
    EXPECT_NE(WebPageStorageKey(WebPagePuzzleOf(other, "")), key);
}

TEST(WebPage, CrosswordTextsReachThePageOnlyEscaped)
{
    struct Case {
        const char* name;
        std::string title;
        std::string clue;
        std::string author;
        std::string titleInPage;  ///< as <title> and <h1> hold it
        std::string clueInData;   ///< as the script reads it (UTF-8)
    };
    const Case cases[] = {
        {"script end", "</script><script>alert(1)</script>", "</script><script>alert(2)</script>", "</SCRIPT>",
         "&lt;/script&gt;&lt;script&gt;alert(1)&lt;/script&gt;", "</script><script>alert(2)</script>"},
        {"element with a handler", "<img src=x onerror=alert(1)>", "<img src=x onerror=\"alert(2)\">", "<b onclick='x'>",
         "&lt;img src=x onerror=alert(1)&gt;", "<img src=x onerror=\"alert(2)\">"},
        {"comment and quotes", "A \"B\" & 'C'", "<!-- & --> {{data}}", "O'Neil & Co", "A &quot;B&quot; &amp; &#39;C&#39;",
         "<!-- & --> {{data}}"},
        {"Windows-1252 letters", "Caf\xE9 \x80", "Na\xEFve \x93quoted\x94", "Z\xFC", "Caf\xC3\xA9 \xE2\x82\xAC",
         "Na\xC3\xAFve \xE2\x80\x9Cquoted\xE2\x80\x9D"},
    };
    for (const Case& c : cases) {
        QuillmereState state = FiveByFive();
        state.Output.Title = c.title;
        state.Xw.Slot(1).ClueTxt = c.clue;
        const std::string page = WebPageDocument(state, c.author);
        EXPECT_EQ(Count(page, "<script"), 2u) << c.name;
        EXPECT_EQ(Count(page, "</script>"), 2u) << c.name;
        EXPECT_EQ(Count(page, "<!--"), 1u) << c.name;  // the page's own first line
        EXPECT_EQ(page.find("<img"), std::string::npos) << c.name;
        EXPECT_EQ(page.find("<b "), std::string::npos) << c.name;
        EXPECT_NE(page.find("<title>" + c.titleInPage + "</title>"), std::string::npos) << c.name;
        EXPECT_NE(page.find("<h1>" + c.titleInPage + "</h1>"), std::string::npos) << c.name;
        EXPECT_EQ(PageData(page)["words"][0]["clue"], c.clueInData) << c.name;
        // The data block is plain ASCII: what is not becomes \u escapes.
        const std::size_t open = page.find(R"(id="puzzle-data">)");
        const std::string block = page.substr(open, page.find("</script>", open) - open);
        EXPECT_EQ(std::count_if(block.begin(), block.end(), [](char ch) { return static_cast<unsigned char>(ch) >= 0x80; }), 0)
            << c.name;
    }
}

TEST(WebPage, TitleAndAuthorFollowTheOptions)
{
    struct Case {
        const char* name;
        bool checked;
        std::string title;
        std::string author;
        std::string heading;
        std::string byline;
    };
    const Case cases[] = {
        {"title and author", true, "Five", "A. Setter", "<h1>Five</h1>", "<p class=\"byline\">by A. Setter</p>"},
        {"title left out", false, "Five", "", "<h1>Crossword</h1>", ""},
        {"empty title", true, "", "", "<h1>Crossword</h1>", ""},
    };
    for (const Case& c : cases) {
        QuillmereState state = FiveByFive();
        state.Output.Title = c.title;
        state.Output.TitleChecked = c.checked;
        const std::string page = WebPageDocument(state, c.author);
        EXPECT_NE(page.find(c.heading), std::string::npos) << c.name;
        if (c.byline.empty()) EXPECT_EQ(page.find("class=\"byline\""), std::string::npos) << c.name;
        else EXPECT_NE(page.find(c.byline), std::string::npos) << c.name;
    }
}

TEST(WebPage, NeedsEveryAnswerAndWordsThatAgree)
{
    struct Case {
        const char* name;
        void (*spoil)(QuillmereState&);
        const char* message;
    };
    const Case cases[] = {
        {"no words", [](QuillmereState& s) { s.Xw.WordSlotCount = 0; }, "There is no filled crossword to make a web page of yet."},
        {"a word without its answer", [](QuillmereState& s) { s.Xw.Slot(3).WordTxt = ""; },
         "There is no filled crossword to make a web page of yet."},
        {"two answers disagree", [](QuillmereState& s) { s.Xw.Slot(2).WordTxt = "PLATE"; },
         "The answer PLATE (1 down) clashes with another at row 1, column 1."},
        {"an answer leaves the grid", [](QuillmereState& s) { s.Xw.Slot(6).Col = 2; }, "The answer EATEN (5 across) does not fit the grid."},
        {"not a letter", [](QuillmereState& s) { s.Xw.Slot(4).WordTxt = "EAT3N"; },
         "The answer EAT3N (3 down) holds a character that is not a letter."},
    };
    for (const Case& c : cases) {
        QuillmereState state = FiveByFive();
        c.spoil(state);
        try {
            WebPageDocument(state);
            ADD_FAILURE() << c.name << ": no failure";
        } catch (const Failure& e) {
            EXPECT_EQ(std::string(e.what()).substr(0, std::string(c.message).size()), c.message) << c.name;
        }
    }
}

TEST(WebPage, AFull21By21WithLongCluesStaysUnder150KB)
{
    // A block at every third row and column crossing: 126 words, every clue as long as a clue can be.
    std::vector<std::string> rows;
    for (int r = 0; r < 21; ++r) {
        std::string row;
        for (int c = 0; c < 21; ++c) row += (r % 3 == 2 && c % 3 == 2) ? '#' : static_cast<char>('A' + (r * 7 + c * 3) % 26);
        rows.push_back(row);
    }
    QuillmereState state;
    test::ShowAsFill(state, test::CrosswordOfLetters(rows));
    ASSERT_EQ(state.Xw.WordSlotCount, 126);
    for (int i = 1; i <= state.Xw.WordSlotCount; ++i)
        state.Xw.Slot(i).ClueTxt = std::string(decltype(WordSlot::ClueTxt)::Capacity, 'x');
    const std::string page = WebPageDocument(state, "A. Setter");
    RecordProperty("bytes", static_cast<int>(page.size()));
    EXPECT_LE(page.size(), 150u * 1024u);
}

TEST(WebPage, WritesTheFileOrSaysWhyNot)
{
    test::TempDir dir;
    const QuillmereState state = FiveByFive();
    WriteWebPageFile(dir.File("five.html"), state, "A. Setter");
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(dir.File("five.html"), bytes));
    EXPECT_TRUE(bytes == WebPageDocument(state, "A. Setter"));
    EXPECT_THROW(WriteWebPageFile(dir.File("missing/five.html"), state), Failure);
}

}  // namespace
}  // namespace qm
