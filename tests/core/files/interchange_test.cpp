// The interchange formats: ipuz and .puz bytes pinned for a small crossword (the .puz checksums
// worked out in the test a second way), files built by hand from the format notes, .xwd -> ipuz /
// .puz -> .xwd round trips, and a table of broken files that must change nothing.
#include "core/files/crossword_file.h"
#include "core/files/interchange.h"
#include "core/files/ipuz_format.h"
#include "core/files/puz_format.h"
#include "core/state.h"
#include "core/util/failure.h"
#include "core/util/file_io.h"
#include "tests/support/crossword_fixture.h"
#include "tests/support/fixtures.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>

namespace qm {
namespace {

using test::CrosswordOfLetters;

// ---- The small crossword both golden files hold ---------------------------------------------------
//   A O K     1 across AOK, "A-OK" (1-2);  1 down ALA, "A LA" (1,2);  2 down KID;  3 across AND
//   L # I
//   A N D

QuillmereState TinyCrossword()
{
    QuillmereState state;
    test::ShowAsFill(state, CrosswordOfLetters({"AOK", "L#I", "AND"}));
    Crossword& xw = state.Xw;
    EXPECT_EQ(xw.WordSlotCount, 4);
    const auto set = [&](int i, const char* word, const char* enumeration, const char* shown, const char* clue) {
        WordSlot& s = xw.Slot(i);
        EXPECT_EQ(s.WordTxt.str(), word);
        s.EnumTxt = enumeration;
        s.DisplayTxt = shown;
        s.ClueTxt = clue;
    };
    set(1, "AOK", "1,2", "A-OK", "Fine, it\x92s said");  // a Windows-1252 apostrophe
    set(2, "ALA", "1,2", "A LA", "Served in the style of, as a caf\xE9 might say");
    set(3, "KID", "3", "KID", "Young goat");
    set(4, "AND", "3", "AND", "Plus");
    state.Output.Title = "Tiny Test";
    state.CrosswordDate = Date{2023, 11, 14};
    return state;
}

TEST(IpuzFile, WriterBytesArePinned)
{
    const std::string expected = R"({
  "version": "http://ipuz.org/v2",
  "kind": ["http://ipuz.org/crossword#1"],
  "dimensions": {"width": 3, "height": 3},
  "puzzle": [
    [1, 0, 2],
    [0, "#", 0],
    [3, 0, 0]
  ],
  "solution": [
    ["A", "O", "K"],
    ["L", "#", "I"],
    ["A", "N", "D"]
  ],
  "clues": {
    "Across": [
      {"number": 1, "clue": "Fine, it)" "\xE2\x80\x99" R"(s said", "enumeration": "1-2"},
      {"number": 3, "clue": "Plus", "enumeration": "3"}
    ],
    "Down": [
      {"number": 1, "clue": "Served in the style of, as a caf)" "\xC3\xA9" R"( might say", "enumeration": "1,2"},
      {"number": 2, "clue": "Young goat", "enumeration": "3"}
    ]
  },
  "title": "Tiny Test",
  "author": "Quillmere",
  "date": "11/14/2023",
  "origin": "Quillmere"
}
)";
    EXPECT_EQ(IpuzFileText(TinyCrossword()), expected);
    QuillmereState state = TinyCrossword();
    state.Output.Title = "Say \"hi\"\\\x01";  // JSON escapes, done by the JSON library
    const std::string text = IpuzFileText(state, "A. N. Other");
    EXPECT_NE(text.find(R"("title": "Say \"hi\"\\\u0001",)"), std::string::npos) << text;
    EXPECT_NE(text.find(R"("author": "A. N. Other",)"), std::string::npos) << text;
}

// The format's checksum written out a second way: rotate right by one bit, then add the byte.
std::uint16_t SecondChecksum(const std::string& bytes, std::uint16_t sum = 0)
{
    for (const unsigned char byte : bytes) sum = static_cast<std::uint16_t>(((sum >> 1) | ((sum & 1u) << 15)) + byte);
    return sum;
}

std::string Le16(unsigned value) { return {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF)}; }

TEST(PuzFile, ChecksumStepsOfTheSmallCrossword)
{
    // The CIB (width 3, height 3, 4 clues, bitmask 1, not scrambled), one step per byte, worked by hand:
    // rotate the sum right one bit (bit 0 comes back as bit 15), then add the byte.
    const std::string cib("\x03\x03\x04\x00\x01\x00\x00\x00", 8);
    const std::uint16_t steps[8] = {0x0003, 0x8004, 0x4006, 0x2003, 0x9002, 0x4801, 0xA400, 0x5200};
    std::uint16_t sum = 0;
    for (std::size_t i = 0; i < cib.size(); ++i) {
        sum = PuzChecksum(cib.substr(i, 1), sum);
        EXPECT_EQ(sum, steps[i]) << "after byte " << i;
        EXPECT_EQ(SecondChecksum(cib.substr(0, i + 1)), steps[i]) << "after byte " << i;
    }
    // The solution row by row: "AOK", "L.I", "AND".
    const std::uint16_t solutionSteps[9] = {0x0041, 0x806F, 0xC082, 0x608D, 0xB074, 0x5883, 0xAC82, 0x568F, 0xAB8B};
    for (std::size_t i = 0; i < 9; ++i) EXPECT_EQ(PuzChecksum(std::string("AOKL.IAND").substr(0, i + 1)), solutionSteps[i]) << i;
}

TEST(PuzFile, WriterBytesArePinned)
{
    // Built from the format notes: header, solution, empty solver's grid, NUL-ended texts. The
    // checksums were computed outside the program (a separate script) and are checked here once more
    // with the test's own checksum.
    const std::string solution = "AOKL.IAND";
    const std::string player = "----.----";
    const std::vector<std::string> clues = {"Fine, it's said (1-2)", "Served in the style of, as a caf\xE9 might say (1,2)",
                                            "Young goat (3)", "Plus (3)"};
    const std::uint16_t fileSum = 0xFC53, cibSum = 0x5200, solutionSum = 0xAB8B, playerSum = 0xE359, textSum = 0x3EA4;
    std::string texts = std::string("Tiny Test") + '\0' + "Quillmere" + '\0' + '\0';
    for (const std::string& c : clues) texts += c + '\0';
    texts += '\0';

    std::string textOnly = "Tiny Test" + std::string(1, '\0') + "Quillmere" + std::string(1, '\0');
    for (const std::string& c : clues) textOnly += c;
    EXPECT_EQ(SecondChecksum(std::string("\x03\x03\x04\x00\x01\x00\x00\x00", 8)), cibSum);
    EXPECT_EQ(SecondChecksum(solution), solutionSum);
    EXPECT_EQ(SecondChecksum(player), playerSum);
    EXPECT_EQ(SecondChecksum(textOnly), textSum);
    EXPECT_EQ(SecondChecksum(textOnly, SecondChecksum(player, SecondChecksum(solution, cibSum))), fileSum);

    std::string expected = Le16(fileSum) + std::string("ACROSS&DOWN\0", 12) + Le16(cibSum);
    const std::uint16_t four[4] = {cibSum, solutionSum, playerSum, textSum};
    for (int i = 0; i < 4; ++i) expected += static_cast<char>("ICHEATED"[i] ^ (four[i] & 0xFF));
    for (int i = 0; i < 4; ++i) expected += static_cast<char>("ICHEATED"[i + 4] ^ (four[i] >> 8));
    expected += std::string("1.3\0", 4) + std::string(2, '\0') + Le16(0) + std::string(12, '\0');
    expected += std::string("\x03\x03", 2) + Le16(4) + Le16(1) + Le16(0);
    ASSERT_EQ(expected.size(), PuzHeaderSize);
    EXPECT_EQ(expected.substr(0x10, 8), std::string("\x49\xC8\x11\xE1\x13\xFF\xA6\x7A", 8));  // from the same script
    expected += solution + player + texts;

    EXPECT_EQ(PuzFileBytes(TinyCrossword()), expected);
}

// ---- Files built by hand from the format notes -------------------------------------------------------

/// A .puz file as the format notes describe it (author "Setter", no copyright), with every checksum
/// worked out by SecondChecksum.
std::string HandMadePuz(int width, int height, const std::string& solution, const std::string& player,
                        const std::vector<std::string>& clues, const std::string& title = "Hand made", const std::string& notes = "",
                        const std::string& extra = "")
{
    const std::string cib = std::string(1, static_cast<char>(width)) + static_cast<char>(height) +
                            Le16(static_cast<unsigned>(clues.size())) + Le16(1) + Le16(0);
    const std::string author = "Setter";
    // Title, author and notes count with their NUL when not empty; the clues without it.
    const auto texts = [&](std::uint16_t sum) {
        for (const std::string* t : {&title, &author})
            if (!t->empty()) sum = SecondChecksum(*t + '\0', sum);
        for (const std::string& c : clues) sum = SecondChecksum(c, sum);
        return notes.empty() ? sum : SecondChecksum(notes + '\0', sum);
    };
    const std::uint16_t cibSum = SecondChecksum(cib);
    const std::uint16_t four[4] = {cibSum, SecondChecksum(solution), SecondChecksum(player), texts(0)};
    const std::uint16_t fileSum = texts(SecondChecksum(player, SecondChecksum(solution, cibSum)));

    std::string bytes = Le16(fileSum) + std::string("ACROSS&DOWN\0", 12) + Le16(cibSum);
    for (int i = 0; i < 4; ++i) bytes += static_cast<char>("ICHEATED"[i] ^ (four[i] & 0xFF));
    for (int i = 0; i < 4; ++i) bytes += static_cast<char>("ICHEATED"[i + 4] ^ (four[i] >> 8));
    bytes += std::string("1.3\0", 4) + std::string(16, '\0') + cib + solution + player;
    bytes += title + '\0' + author + '\0' + '\0';
    for (const std::string& c : clues) bytes += c + '\0';
    return bytes + notes + '\0' + extra;
}

/// An extra section: name, data length, data checksum, data and its NUL.
std::string Section(const std::string& name, const std::string& data)
{
    return name + Le16(static_cast<unsigned>(data.size())) + Le16(SecondChecksum(data)) + data + '\0';
}

class InterchangeLoad : public ::testing::Test {
protected:
    LoadResult Load(const std::string& name, const std::string& bytes)
    {
        path_ = dir_.File(name);
        test::WriteFile(path_, bytes);
        return LoadCrosswordFile(state_, path_, nullptr);
    }

    test::TempDir dir_;
    std::string path_;
    QuillmereState state_;
};

TEST_F(InterchangeLoad, PuzBuiltByHandFromTheFormatNotes)
{
    // C A T S     Every run of two or more letters is a word, numbered by the blocks; in the standard
    // A # # O     order the clues are 1 across CATS, 1 down CARS, 2 down SOEN, 3 across RIDE.
    // R I D E
    // S # # N
    const std::string solution = "CATSA..ORIDES..N";
    std::string player = solution;
    for (char& ch : player) ch = ch == '.' ? '.' : '-';
    const LoadResult loaded = Load("hand.puz", HandMadePuz(4, 4, solution, player,
                                                            {"Pets", "Autos (4)", "Not a word, but a run (2,2)", "Travels on (4)"}));
    const Crossword& xw = state_.Xw;
    ASSERT_EQ(xw.WordSlotCount, 4);
    EXPECT_EQ(xw.GridSize, 4);
    EXPECT_EQ(test::GridRows(xw.Squares), (std::vector<std::string>{"CATS", "A##O", "RIDE", "S##N"}));
    const struct {
        int clue;
        bool across;
        const char* word;
        const char* enumeration;
        const char* shown;
        const char* clueText;
    } expected[] = {{1, true, "CATS", "4", "CATS", "Pets"},
                    {1, false, "CARS", "4", "CARS", "Autos"},
                    {2, false, "SOEN", "2,2", "SO EN", "Not a word, but a run"},
                    {3, true, "RIDE", "4", "RIDE", "Travels on"}};
    for (int i = 1; i <= 4; ++i) {
        const WordSlot& s = xw.Slot(i);
        const auto& e = expected[i - 1];
        EXPECT_EQ(s.Clue, e.clue) << i;
        EXPECT_EQ(s.Dir, e.across) << i;
        EXPECT_EQ(s.WordTxt.str(), e.word) << i;
        EXPECT_EQ(s.EnumTxt.str(), e.enumeration) << i;
        EXPECT_EQ(s.DisplayTxt.str(), e.shown) << i;
        EXPECT_EQ(s.ClueTxt.str(), e.clueText) << i;
    }
    EXPECT_EQ(state_.Output.Title, "Hand made");
    EXPECT_EQ(loaded.Notice, "Loaded hand.puz, but the author \"Setter\" was dropped.");
    EXPECT_EQ(loaded.Words, 4);
    EXPECT_EQ(loaded.Letters, 12);
    EXPECT_EQ(state_.CurrentFileName, "hand.puz");
    EXPECT_EQ(state_.Freeform.FreeFillsList.Rows.size(), 1u);
}

TEST_F(InterchangeLoad, PuzExtrasAreDroppedWithOneNotice)
{
    const std::string solution = "CATSA..ORIDES..N";
    const std::string player = "C---A..-----S..-";  // the solver has typed two letters
    std::string flags(16, '\0');
    flags[0] = '\x80';  // a circle
    const std::string extras = Section("LTIM", "42,1") + Section("GEXT", flags) + Section("GRBS", std::string(16, '\0'));
    const LoadResult loaded =
        Load("extras.puz", HandMadePuz(4, 4, solution, player, {"Pets", "Autos", "Run", "Travels on"}, "T", "Solve it fast", extras));
    EXPECT_EQ(loaded.Notice, "Loaded extras.puz, but the solver's entries were dropped; the solver's timer was dropped; "
                             "the circles were dropped; the author \"Setter\" was dropped; the notes were dropped.");
    EXPECT_EQ(state_.Xw.WordSlotCount, 4);
}

TEST_F(InterchangeLoad, IpuzBuiltByHandFromTheFormatNotes)
{
    // Clues in both forms the format allows ([number, clue] and objects), numbers as text, small
    // letters, an enumeration as a number, a circled square, null for squares outside the shape, and
    // the JSONP wrapper.
    const std::string json = R"(ipuz({
      "version": "http://ipuz.org/v2",
      "kind": ["http://ipuz.org/crossword#1", "http://ipuz.org/crossword/crypticcrossword#1"],
      "dimensions": {"width": 4, "height": 4},
      "empty": "0",
      "puzzle": [[{"cell": 1, "style": {"shapebg": "circle"}}, 0, 0, "2"],
                 [0, "#", "#", 0],
                 [3, 0, 0, 0],
                 [0, null, "#", 0]],
      "solution": [["c", "a", "t", "s"], ["A", "#", "#", "O"], ["R", "I", "D", "E"], ["S", null, "#", "N"]],
      "clues": {"Across": [[1, "Pets"], {"number": "3", "clue": "Travels on", "enumeration": 4}],
                "Down:Down clues": [{"number": 1, "clue": "Autos – or cabs", "enumeration": "4"},
                                    {"number": 2, "clue": "Two words", "enumeration": "2-2", "explanation": "why"}]},
      "title": "Hand made ✓",
      "notes": "Have fun"
    }))";
    const LoadResult loaded = Load("hand.ipuz", json);
    const Crossword& xw = state_.Xw;
    ASSERT_EQ(xw.WordSlotCount, 4);
    EXPECT_EQ(test::GridRows(xw.Squares), (std::vector<std::string>{"CATS", "A##O", "RIDE", "S##N"}));
    EXPECT_EQ(xw.Slot(1).ClueTxt.str(), "Pets");
    EXPECT_EQ(xw.Slot(2).ClueTxt.str(), "Autos \x96 or cabs");  // the en dash in Windows-1252
    EXPECT_EQ(xw.Slot(3).EnumTxt.str(), "2,2");
    EXPECT_EQ(xw.Slot(3).DisplayTxt.str(), "SO-EN");
    EXPECT_EQ(xw.Slot(4).Clue, 3);
    EXPECT_EQ(xw.Slot(4).EnumTxt.str(), "4");
    EXPECT_EQ(state_.Output.Title, "Hand made ?");
    EXPECT_EQ(loaded.Notice, "Loaded hand.ipuz, but the circles were dropped; squares outside the grid's shape became blocks; "
                             "clue explanations were dropped; the notes were dropped; characters outside Windows-1252 became \"?\".");
}

TEST_F(InterchangeLoad, InterchangeFilesKeepTheFontAndBlockingOnDisplay)
{
    state_.Output.FontName = "Liberation Serif";
    state_.Output.Blocking = 7;
    Load("tiny.ipuz", IpuzFileText(TinyCrossword()));
    EXPECT_EQ(state_.Output.FontName, "Liberation Serif");
    EXPECT_EQ(state_.Output.Blocking, 7);
    EXPECT_EQ(state_.Output.Title, "Tiny Test");
    EXPECT_EQ(state_.Output.GridMM, MinGridMM);  // 3 squares of 7 mm, held to the smallest grid
    Load("tiny.puz", PuzFileBytes(TinyCrossword()));
    EXPECT_EQ(state_.Output.FontName, "Liberation Serif");
    EXPECT_EQ(state_.Xw.Slot(1).DisplayTxt.str(), "A-OK");
    EXPECT_EQ(state_.Xw.Slot(1).ClueTxt.str(), "Fine, it's said");
}

// ---- Round trips through the files ---------------------------------------------------------------

const std::vector<std::string> SymmetricRows = {
    "STAR#SPIN", "HERO#TAME", "ARMED#ODE", "DEN#BEGAN", "###DIE###",
    "SNAKE#GEM", "ODE#TENOR", "LAIR#ROSE", "ELSE#SEAT",
};
const std::vector<std::string> FreeformRows = {
    "ICECREAM##", "#A####P###", "#T#DOGMA##", "#S####L###", "####HELLO#",
    "##########", "SUN#######", "####MOON##", "##########", "##########",
};
const std::vector<std::string> SmallestStockRows = {
    "STAR#AT", "HERO#TO", "ARMED#N", "#DEN#E#", "O#ANGER", "NA#BEAR", "EN#EDGE",
};

QuillmereState StateShowing(const std::vector<std::string>& rows)
{
    QuillmereState state;
    test::ShowAsFill(state, CrosswordOfLetters(rows));
    Crossword& xw = state.Xw;
    for (int i = 1; i <= xw.WordSlotCount; ++i)
        xw.Slot(i).ClueTxt = "Clue " + std::to_string(i) + ": a colon, blanks  and all, \"quotes\" & a caf\xE9";
    state.Output.Title = "Weekend Puzzle Special";
    state.Output.FontName = "Bitstream Vera Sans Mono";
    state.Output.Blocking = 6;
    return state;
}

std::string ReadBytes(const std::string& path)
{
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(path, bytes)) << path;
    return bytes;
}

/// .xwd -> load -> export -> load -> .xwd, all in the one state as the window does it (the
/// interchange files hold no font or blocking style, so the loaded file's stay on display).
std::string ThroughFormat(const std::string& xwdPath, const std::string& exportPath, const test::TempDir& dir)
{
    QuillmereState state;
    LoadCrosswordFile(state, xwdPath, nullptr);
    if (exportPath.ends_with(".ipuz"))
        WriteIpuzFile(exportPath, state);
    else
        WritePuzFile(exportPath, state);
    const LoadResult loaded = LoadCrosswordFile(state, exportPath, nullptr);
    EXPECT_EQ(loaded.Notice, "") << exportPath;
    const std::string again = dir.File("again.xwd");
    SaveCrosswordFile(state, again);
    return ReadBytes(again);
}

TEST(InterchangeRoundTrip, XwdThroughIpuzAndPuzIsByteIdentical)
{
    test::TempDir dir;
    for (const auto* rows : {&SymmetricRows, &FreeformRows, &SmallestStockRows}) {
        QuillmereState state = StateShowing(*rows);
        if (rows == &FreeformRows) {
            WordSlot& s = state.Xw.Slot(1);
            ASSERT_EQ(s.WordTxt.str(), "ICECREAM");
            s.EnumTxt = "3,5";
            s.DisplayTxt = "ICE CREAM";
        }
        // The longest clue a slot holds (200 characters): with its enumeration it stays within the
        // 500 a .puz text may have, so the .puz round trip cuts no clue either.
        state.Xw.Slot(2).ClueTxt = std::string(200, 'x');
        const std::string xwd = dir.File("start.xwd");
        SaveCrosswordFile(state, xwd);
        const std::string original = ReadBytes(xwd);
        EXPECT_EQ(ThroughFormat(xwd, dir.File("out.ipuz"), dir), original) << "ipuz, " << rows->size() << " rows";
        EXPECT_EQ(ThroughFormat(xwd, dir.File("out.puz"), dir), original) << ".puz, " << rows->size() << " rows";
    }
}

TEST(InterchangeRoundTrip, WordsSharingAStartSquareComeBackAcrossFirst)
{
    // A freeform fill may keep the down word of a square before its across word. Neither format
    // records that order, so the words come back in the standard order: the same crossword, with
    // those two word lines the other way round.
    test::TempDir dir;
    QuillmereState state = StateShowing(SymmetricRows);
    ASSERT_TRUE(state.Xw.Slot(1).Dir);
    ASSERT_FALSE(state.Xw.Slot(2).Dir);
    ASSERT_EQ(state.Xw.Slot(1).RCTxt, state.Xw.Slot(2).RCTxt);
    std::swap(state.Xw.Slot(1), state.Xw.Slot(2));
    const std::string xwd = dir.File("start.xwd");
    SaveCrosswordFile(state, xwd);
    const std::string original = ReadBytes(xwd);
    std::swap(state.Xw.Slot(1), state.Xw.Slot(2));
    const std::string standard = XwdFileText(state);
    ASSERT_NE(standard, original);
    EXPECT_EQ(ThroughFormat(xwd, dir.File("out.ipuz"), dir), standard);
    EXPECT_EQ(ThroughFormat(xwd, dir.File("out.puz"), dir), standard);
}

TEST(InterchangeRoundTrip, WhatThePuzFormatForcesIsSaid)
{
    // Latin-1 has no curly quotes or dashes: they come back plain. A title past 500 characters is cut
    // to 500. Nothing else changes.
    test::TempDir dir;
    QuillmereState state = StateShowing(SymmetricRows);
    state.Xw.Slot(1).ClueTxt = "\x93Quoted\x94 \x96 it\x92s \x85";
    state.Output.Title = std::string(600, 'T');
    const std::string xwd = dir.File("start.xwd");
    SaveCrosswordFile(state, xwd);
    const std::string through = ThroughFormat(xwd, dir.File("out.puz"), dir);
    state.Xw.Slot(1).ClueTxt = "\"Quoted\" - it's ...";
    state.Output.Title = std::string(500, 'T');
    EXPECT_EQ(through, XwdFileText(state));
    // ipuz holds them all.
    state = StateShowing(SymmetricRows);
    state.Xw.Slot(1).ClueTxt = "\x93Quoted\x94 \x96 it\x92s \x85";
    state.Output.Title = std::string(600, 'T');
    SaveCrosswordFile(state, xwd);
    EXPECT_EQ(ThroughFormat(xwd, dir.File("out.ipuz"), dir), ReadBytes(xwd));
}

TEST(PuzFile, TextsAreLatin1AndCutToTheirLimit)
{
    const struct {
        std::string text;
        std::size_t limit;
        std::string written;
    } cases[] = {
        {"caf\xE9 \xA3" "5", 500, "caf\xE9 \xA3" "5"},                          // Latin-1 as it is
        {"\x80 \x85 \x91x\x92 \x93y\x94 \x96 \x97 \x99 \x9C", 500, "EUR ... 'x' \"y\" - - (TM) oe"},  // plain forms
        {"\x81\x8D", 500, "??"},                                                 // bytes Windows-1252 leaves undefined
        {"two\r\nlines\ttab", 500, "two  lines tab"},                            // control characters as blanks
        {std::string(600, 'x'), PuzMaxTextLength, std::string(500, 'x')},
        {"\x85\x85", 4, "...."},
    };
    for (const auto& c : cases) EXPECT_EQ(PuzText(c.text, c.limit), c.written) << c.text;
}

TEST(InterchangeWriters, RefuseWhatTheFormatsCannotHold)
{
    // Two words side by side make runs of letters down that are no words of the crossword.
    Crossword xw;
    xw.GridSize = 5;
    InitGrid(xw);
    test::AddSlot(xw, 1, 1, true, "CAT");
    test::AddSlot(xw, 2, 1, true, "DOG");
    NumberSlots(xw);
    QuillmereState state;
    test::ShowAsFill(state, xw);
    for (const bool ipuz : {true, false}) {
        try {
            (void)(ipuz ? IpuzFileText(state) : PuzFileBytes(state));
            ADD_FAILURE() << "written";
        } catch (const Failure& e) {
            EXPECT_NE(std::string(e.what()).find(std::string("cannot be written as ") + (ipuz ? "an ipuz" : "a .puz") +
                                                 " file: the 2 letters down from row 1, column 1 are not one of its words"),
                      std::string::npos)
                << e.what();
        }
    }
    QuillmereState unfinished = StateShowing(SymmetricRows);
    unfinished.Xw.Slot(3).WordTxt = "";
    EXPECT_THROW(IpuzFileText(unfinished), Failure);
    EXPECT_THROW(PuzFileBytes(unfinished), Failure);
}

TEST(InterchangeWriters, ExportsAreWrittenSafely)
{
    test::TempDir dir;
    const QuillmereState state = TinyCrossword();
    WriteIpuzFile(dir.File("a.ipuz"), state);
    WritePuzFile(dir.File("a.puz"), state);
    EXPECT_EQ(ReadBytes(dir.File("a.ipuz")), IpuzFileText(state));
    EXPECT_EQ(ReadBytes(dir.File("a.puz")), PuzFileBytes(state));
    for (const char* name : {"missing/x.ipuz", "missing/x.puz"}) {
        try {
            if (std::string(name).ends_with(".ipuz"))
                WriteIpuzFile(dir.File(name), state);
            else
                WritePuzFile(dir.File(name), state);
            ADD_FAILURE() << name;
        } catch (const Failure& e) {
            EXPECT_NE(std::string(e.what()).find("Error creating file"), std::string::npos) << e.what();
        }
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 2);  // no temporary file left
}

TEST(Enumerations, WrittenWithTheirBreaksAndReadBack)
{
    const struct {
        const char* word;
        const char* enumeration;
        const char* shown;
        const char* written;
    } cases[] = {
        {"ICECREAM", "3,5", "ICE CREAM", "3,5"},  {"WELLBEING", "4,5", "WELL-BEING", "4-5"}, {"CAT", "3", "CAT", "3"},
        {"CAT", "", "CAT", ""},                   {"ICECREAM", "3,5", "ICECREAM", "3,5"},    // breaks not shown: as kept
        {"ABCDEFG", "1,2,1,3", "A BC-D EFG", "1,2-1,3"},
    };
    for (const auto& c : cases) {
        WordSlot s;
        s.WordTxt = c.word;
        s.EnumTxt = c.enumeration;
        s.DisplayTxt = c.shown;
        EXPECT_EQ(EnumerationWithBreaks(s), c.written) << c.word << " " << c.enumeration;
    }
    const struct {
        const char* text;
        const char* answer;
        const char* enumTxt;  ///< nullptr: not read
        const char* shown;
    } reads[] = {
        {"3,5", "ICECREAM", "3,5", "ICE CREAM"}, {"4-5", "WELLBEING", "4,5", "WELL-BEING"}, {" 3, 5 ", "ICECREAM", "3,5", "ICE CREAM"},
        {"8", "ICECREAM", "8", "ICECREAM"},       {"3,4", "ICECREAM", nullptr, ""},           {"3,,5", "ICECREAM", nullptr, ""},
        {"3;5", "ICECREAM", nullptr, ""},         {"0,8", "ICECREAM", nullptr, ""},           {"", "CAT", nullptr, ""},
        {"1,1,1,1,1,1,1", "ABCDEFG", nullptr, ""}, {"10,10,7,1,1,1", "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAA", nullptr, ""},
    };
    for (const auto& r : reads) {
        const auto read = ReadEnumeration(r.text, r.answer);
        ASSERT_EQ(read.has_value(), r.enumTxt != nullptr) << "\"" << r.text << "\"";
        if (!read) continue;
        EXPECT_EQ(read->EnumTxt, r.enumTxt);
        EXPECT_EQ(read->DisplayTxt, r.shown);
    }
}

// ---- Broken files: each refusal names the file and the problem and changes nothing ------------------

struct BrokenFile {
    const char* name;
    const char* file;
    std::string bytes;
    const char* problem;
};

std::string TinyPuz() { return PuzFileBytes(TinyCrossword()); }
std::string TinyIpuz() { return IpuzFileText(TinyCrossword()); }

/// The tiny .puz with one change and its checksums made right again, so only the change is wrong.
std::string PuzWith(const std::function<void(std::string&)>& change)
{
    std::string bytes = TinyPuz();
    change(bytes);
    RecomputePuzChecksums(bytes);
    return bytes;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to)
{
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

std::vector<BrokenFile> BrokenInterchangeFiles()
{
    std::string wrongChecksum = TinyPuz();
    wrongChecksum[PuzHeaderSize + 1] = 'X';  // a solution letter changed, the checksums not
    std::string wrongMagic = TinyPuz();
    wrongMagic[5] = 'X';
    const std::string big(31 * 31, 'A');
    std::string deep = "{\"version\": \"http://ipuz.org/v2\", \"x\": " + std::string(40, '[') + std::string(40, ']') + "}";
    return {
        // .puz
        {"short header", "a.puz", TinyPuz().substr(0, 40), "shorter than the 52-byte header"},
        {"wrong magic", "a.puz", wrongMagic, "lacks the mark \"ACROSS&DOWN\""},
        {"wrong checksum", "a.puz", wrongChecksum, "file checksum is wrong"},
        {"wrong CIB checksum", "a.puz", Replaced(TinyPuz(), std::string("\x00\x52", 2), std::string("\x01\x52", 2)), "CIB checksum is wrong"},
        {"grid larger than the file", "a.puz", PuzWith([](std::string& b) { b[0x2C] = b[0x2D] = 20; }), "sizes disagree with its length"},
        {"file cut within the clues", "a.puz", TinyPuz().substr(0, TinyPuz().size() - 9), "the file ends within clue 4 of the 4"},
        {"clue count one higher", "a.puz", PuzWith([](std::string& b) { b[0x2E] = 5; }), "ends within its notes"},
        {"clue count one lower", "a.puz", PuzWith([](std::string& b) { b[0x2E] = 3; }), "it has 3 clues, but by its blocks its grid has 4 words"},
        {"not square", "a.puz", PuzWith([](std::string& b) { b[0x2D] = 4; }), "the grid is 3 x 4; a crossword grid here is square"},
        {"31 x 31", "a.puz", PuzWith([&](std::string& b) { b[0x2C] = b[0x2D] = 31; b.insert(PuzHeaderSize, big + big); }),
         "the grid is 31 x 31; a crossword grid is 3 x 3 to 30 x 30"},
        {"scrambled", "a.puz", PuzWith([](std::string& b) { b[0x32] = 4; }), "scrambled (locked); it needs unscrambling"},
        {"a digit in the solution", "a.puz", PuzWith([](std::string& b) { b[PuzHeaderSize] = '7'; }), "holds \"7\""},
        {"blocks that disagree", "a.puz", PuzWith([](std::string& b) { b[PuzHeaderSize + 9 + 4] = '-'; }),
         "disagree about the block at row 2, column 2"},
        {"rebus square", "a.puz", PuzWith([](std::string& b) { b += Section("GRBS", std::string("\x00\x00\x00\x00\x00\x00\x00\x00\x02", 9)) + Section("RTBL", " 1:KID;"); }),
         "rebus squares (several letters in one square, the first at row 3, column 3)"},
        {"extra section cut short", "a.puz", TinyPuz() + "GEXT" + Le16(9) + Le16(0) + "ab", "extra section GEXT runs past the end"},
        // ipuz
        {"invalid JSON", "a.ipuz", "{\"version\": \"http://ipuz.org/v2\",", "it is not valid JSON (parse error"},
        {"not an ipuz", "a.ipuz", "{\"hello\": 1}", "no \"version\""},
        {"not a crossword", "a.ipuz", Replaced(TinyIpuz(), "http://ipuz.org/crossword#1", "http://ipuz.org/sudoku#1"), "not a crossword"},
        {"missing solution", "a.ipuz", Replaced(TinyIpuz(), "\"solution\"", "\"answers\""), "it has no \"solution\""},
        {"not square", "a.ipuz", Replaced(TinyIpuz(), "\"height\": 3", "\"height\": 4"), "the grid is 3 x 4"},
        {"31 x 31", "a.ipuz", Replaced(Replaced(TinyIpuz(), "\"height\": 3", "\"height\": 31"), "\"width\": 3", "\"width\": 31"),
         "the grid is 31 x 31; a crossword grid is 3 x 3 to 30 x 30"},
        {"row missing", "a.ipuz", Replaced(TinyIpuz(), "    [0, \"#\", 0],\n", ""), "its \"puzzle\" has 2 rows where \"dimensions\" give 3"},
        {"numbers that disagree with the blocks", "a.ipuz", Replaced(TinyIpuz(), "[3, 0, 0]", "[0, 3, 0]"),
         "the numbers disagree with the blocks: the square at row 3, column 1 shows no number, but by its blocks it starts word 3"},
        {"block in one grid only", "a.ipuz", Replaced(TinyIpuz(), "[\"L\", \"#\", \"I\"]", "[\"L\", \"E\", \"I\"]"),
         "row 2, column 2 is a block in the \"puzzle\" but a letter in the \"solution\""},
        {"rebus square", "a.ipuz", Replaced(TinyIpuz(), "\"K\"", "\"KI\""), "holds \"KI\" (a rebus)"},
        {"clue without its word", "a.ipuz", Replaced(TinyIpuz(), "{\"number\": 3, \"clue\": \"Plus\"", "{\"number\": 4, \"clue\": \"Plus\""),
         "the clue 4 across has no word"},
        {"word without its clue", "a.ipuz", Replaced(TinyIpuz(), ",\n      {\"number\": 3, \"clue\": \"Plus\", \"enumeration\": \"3\"}", ""),
         "the word 3 across (at row 3, column 1) has no clue"},
        {"two clues for one word", "a.ipuz", Replaced(TinyIpuz(), "{\"number\": 3, \"clue\": \"Plus\"", "{\"number\": 1, \"clue\": \"Plus\""),
         "there are two clues for 1 across"},
        {"diagonal clues", "a.ipuz", Replaced(TinyIpuz(), "\"Down\": [", "\"Diagonal\": ["), "clues in the direction \"Diagonal\""},
        {"nested too deeply", "a.ipuz", deep, "nests more than 32 levels"},
        {"binary in an ipuz", "a.ipuz", std::string("\x00\x01\x02", 3), "it is not valid JSON"},
    };
}

TEST(InterchangeBrokenFiles, LeaveEverythingAsItWas)
{
    test::TempDir dir;
    for (const BrokenFile& broken : BrokenInterchangeFiles()) {
        SCOPED_TRACE(broken.name);
        const std::string path = dir.File(broken.file);
        test::WriteFile(path, broken.bytes);
        QuillmereState state = StateShowing(SymmetricRows);
        state.CurrentFileName = "before.xwd";
        state.Imported.ThemeWords = {"CAT"};
        const std::string before = XwdFileText(state);
        test::ExpectLoadRefused(state, path, broken.problem);
        EXPECT_EQ(XwdFileText(state), before);
        EXPECT_EQ(state.CurrentFileName, "before.xwd");
        EXPECT_EQ(state.Imported.ThemeWords.size(), 1u);
        EXPECT_FALSE(state.LoadedFromFile);
    }
}

TEST(InterchangeFiles, FormatIsFoundByContentThenByName)
{
    EXPECT_EQ(CrosswordFileKindOf(TinyPuz(), "crossword.xwd"), CrosswordFileKind::Puz);
    EXPECT_EQ(CrosswordFileKindOf(TinyIpuz(), "crossword.txt"), CrosswordFileKind::Ipuz);
    EXPECT_EQ(CrosswordFileKindOf("\xEF\xBB\xBF  ipuz({})", "x"), CrosswordFileKind::Ipuz);
    EXPECT_EQ(CrosswordFileKindOf("garbage", "broken.PUZ"), CrosswordFileKind::Puz);
    EXPECT_EQ(CrosswordFileKindOf("garbage", "broken.ipuz"), CrosswordFileKind::Ipuz);
    EXPECT_EQ(CrosswordFileKindOf("Title=T\r\n", "crossword.puz.bak"), CrosswordFileKind::Xwd);
}

TEST(InterchangeFiles, AFileTooLargeIsRefusedUnread)
{
    test::TempDir dir;
    const std::string path = dir.File("huge.ipuz");
    {
        std::ofstream out(path, std::ios::binary);
        out.seekp(static_cast<std::streamoff>(MaxCrosswordFileBytes));
        out.put(' ');
    }
    QuillmereState state;
    try {
        LoadCrosswordFile(state, path, nullptr);
        FAIL() << "loaded";
    } catch (const Failure& e) {
        EXPECT_NE(std::string(e.what()).find("more than the 16 MB a crossword file may have"), std::string::npos) << e.what();
    }
}

}  // namespace
}  // namespace qm
