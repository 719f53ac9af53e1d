// RTF export: the whole document for modes 0, 2, 5 and 6, built here from the rules, and its pieces.
#include "core/output/rtf_writer.h"
#include "core/util/failure.h"
#include "core/util/file_io.h"
#include "tests/support/tiny_crossword.h"
#include "tests/support/fixtures.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

const std::string Header = R"({\rtf1\ansi\ansicpg1252\uc1 \deff0\deflang1033\deflangfe1033)";
const std::string Fonts =
    R"({\fonttbl{\f0\froman\fcharset0\fprq2{\*\panose 02020603050405020304}Times New Roman;})"
    R"({\f1\fswiss\fcharset0\fprq2{\*\panose 020b0604020202020204}Arial;})";
const std::string Colours =
    R"({\colortbl;\red0\green0\blue0;\red0\green0\blue255;\red0\green255\blue255;\red0\green255\blue0;)"
    R"(\red255\green0\blue255;\red255\green0\blue0;\red255\green255\blue0;\red255\green255\blue255;)"
    R"(\red0\green0\blue128;\red0\green128\blue128;\red0\green128\blue0;\red128\green0\blue128;)"
    R"(\red128\green0\blue0;\red128\green128\blue0;\red128\green128\blue128;\red192\green192\blue192;})";
const std::string Section =
    R"(\paperw11906\paperh16838 \widowctrl\ftnbj\aenddoc\hyphcaps0\formshade\viewkind1\viewscale100)"
    R"(\pgbrdrhead\pgbrdrfoot \fet0\sectd \linex0\headery709\footery709\colsx709\endnhere\sectdefaultcl)";
const std::string Borders = R"(\trleft-108\trbrdrt\brdrs\brdrw10 \trbrdrl\brdrs\brdrw10 \trbrdrb\brdrs\brdrw10 )"
                            R"(\trbrdrr\brdrs\brdrw10 \trbrdrh\brdrs\brdrw10 \trbrdrv\brdrs\brdrw10)";
const std::string RowCentred = R"(\trowd \trqc \trgaph108)" + Borders;
const std::string RowLeft = R"(\trowd \trgaph108)" + Borders;
const std::string RowEnd = R"(}\pard \widctlpar\intbl\adjustright{\f1 \row })";
const std::string CellPara = R"(\pard \widctlpar\intbl\adjustright {)";

/// Nine levels: the kind of number, then ". " or ")" after it, and "(" before it from level 5 on.
std::string ListNumbering()
{
    const char* kinds[] = {"pnucrm", "pnucltr", "pndec", "pnlcltr", "pndec", "pnlcltr", "pnlcrm", "pnlcltr", "pnlcrm"};
    std::string out;
    for (int level = 1; level <= 9; ++level) {
        out += R"({\*\pnseclvl)" + std::to_string(level) + "\\" + kinds[level - 1] + R"(\pnstart1\pnindent720\pnhang)";
        if (level <= 3)
            out += R"({\pntxta .}})";
        else if (level == 4)
            out += R"({\pntxta )}})";
        else
            out += R"({\pntxtb (}{\pntxta )}})";
    }
    return out;
}

std::string Start()
{
    std::string out = Header + Fonts + "}" + Colours + Section + ListNumbering();
    const std::pair<const char*, const char*> extras[] = {
        {"Filename: tiny.xwd", "3x3 squares"}, {"Created: 7 Mar 2024", "6 words"}, {"with 'Quillmere'", "7 letters"}};
    for (const auto& [left, right] : extras)
        out += RowCentred + R"(\cellx4207\cellx8414)" + CellPara + R"(\f1\fs16 )" + left + R"(\cell })" +
               R"(\pard \qr\widctlpar\intbl\adjustright {\f1\fs16 )" + right + R"(\cell })" +
               R"(\pard \widctlpar\intbl\adjustright{\f1 \row })";
    out += R"(\pard \widctlpar\adjustright {\par })";
    out += R"({\f1\fs28\qc Tiny \par}\pard {\fs24 \par })";
    return out;
}

const std::string End = R"(\pard \widctlpar\adjustright {\f1\par }})";

/// The grid at 60 mm for 3 squares: 1134 twips a square (60 / 3 / 25.4 x 1440 = 1133.9), letters
/// 12 x 60/105 x 15/3 = 34.29 points (\fs69), numbers half that (\fs34) raised three quarters (\up51).
std::string Grid(bool letters)
{
    const std::string all = R"(\clvertalc\clbrdrt\brdrs\brdrw10 \clbrdrl\brdrs\brdrw10 \clbrdrb\brdrs\brdrw10 \clbrdrr\brdrs\brdrw10 \cellx)";
    const std::string blank = CellPara + R"(\f1 \cell })";
    auto numbered = [&](int n, char letter) {
        return R"(\pard\ql\widctlpar\intbl\adjustright {\f1\fs34\up51  )" + std::to_string(n) + R"(}{\f1 )" +
               (letters ? std::string(1, letter) : std::string()) + R"(\cell })";
    };
    auto plain = [&](char letter) {
        return R"(\pard\qc\widctlpar\intbl\adjustright {\f1 )" + std::string(1, letters ? letter : ' ') + R"(\cell })";
    };
    const std::string rowStart = R"(\trowd \trqc\trrh-1134)" + Borders + " ";
    const std::string fonts = R"(\fs69\lang2057\cgrid)";
    const std::string rowEnd = CellPara + R"(\f1 \row })";
    return rowStart + R"(\clvertalc\clbrdrt\brdrs\brdrw10 \clbrdrl\brdrs\brdrw10 \clshdng3000 \cellx1024)" + all + "2158" +
           all + "3292" + fonts + blank + numbered(1, 'A') + numbered(2, 'T') + rowEnd +  // #AT
           rowStart + all + "1024" + all + "2158" + all + "3292" + fonts + numbered(3, 'O') + plain('D') + plain('E') +
           rowEnd +  // ODE
           rowStart + all + "1024" + all + "2158" + R"(\clbrdrb\brdrs\brdrw10 \clbrdrr\brdrs\brdrw10 \clshdng3000 \cellx3292)" +
           fonts + numbered(4, 'W') + plain('E') + blank + rowEnd;  // WE#
}

std::string ClueTable()
{
    const std::string cells = R"(\cellx500\cellx4600\cellx5100\cellx9200)";
    std::string out = R"(\pard \widctlpar\adjustright {\par })";
    out += RowCentred + cells + R"(\pard \widctlpar\intbl\adjustright {\b\f1\fs20\ul \cell Across\cell \cell Down\cell )" + RowEnd;
    const std::pair<const char*, const char*> rows[] = {
        {R"(1\cell Located (2)\cell )", R"(1\cell Drink (3)\cell )"},
        {R"(3\cell Poem (2,1)\cell )", R"(2\cell Do re mi & <so> (2)\cell )"},
        {R"(4\cell Us (2)\cell )", R"(3\cell Ouch (2)\cell )"},
    };
    for (const auto& [across, down] : rows) out += RowCentred + cells + CellPara + R"(\f1\fs18 )" + across + down + RowEnd;
    return out;
}

std::string ListRow(bool heading, const std::string& text)
{
    return RowLeft + R"(\cellx9200\pard \widctlpar\intbl\adjustright )" + (heading ? R"({\b\f1\fs18\ul )" : R"({\f1\fs16 )") +
           text + R"(\cell )" + RowEnd;
}

TEST(RtfWriter, ListNumberingIsTheNineLevelLiteral)
{
    EXPECT_EQ(RtfListNumbering.size(), 597u);
    EXPECT_EQ(RtfListNumbering, ListNumbering());
}

TEST(RtfWriter, WholeDocumentForModes0256)
{
    const QuillmereState state = test::TinyCrosswordState();
    EXPECT_EQ(RtfDocument(state, OutputMode::EmptyGridAndClues, ""), Start() + Grid(false) + ClueTable() + End);
    EXPECT_EQ(RtfDocument(state, OutputMode::CompletedGridOnly, ""), Start() + Grid(true) + End);
    EXPECT_EQ(RtfDocument(state, OutputMode::AnswerListOnly, ""), Start() + ListRow(true, "Answers") + ListRow(false, "Across:  1-At,  3-Od E,  4-We") +
                                             ListRow(false, "Down:  1-Ade,  2-Te,  3-Ow") + End);
    EXPECT_EQ(RtfDocument(state, OutputMode::AnswerClueListAlpha, ""),
              Start() + ListRow(true, "Answers (alphabetical) and Clues") + ListRow(false, "ADE - Drink  (1D)") +
                  ListRow(false, "AT - Located  (1A)") + ListRow(false, "OD E - Poem  (3A)") + ListRow(false, "OW - Ouch  (3D)") +
                  ListRow(false, "TE - Do re mi & <so>  (2D)") + ListRow(false, "WE - Us  (4A)") + End);
}

TEST(RtfWriter, FontReferencesAndTheFontTableEntry)
{
    QuillmereState state = test::TinyCrosswordState();
    state.Output.ExtrasChecked = false;
    state.Output.TitleChecked = false;
    state.Output.FontName = "Times New Roman";
    std::string doc = RtfDocument(state, OutputMode::ClueListOnly, "{ignored}");
    EXPECT_EQ(doc.substr(Header.size(), Fonts.size() + 1), Fonts + "}");
    EXPECT_NE(doc.find(R"({\f0\fs18 1\cell Located (2)\cell )"), std::string::npos);

    state.Output.FontName = "Liberation Serif";
    const std::string entry = R"({\f66\froman\fcharset0\fprq2{\*\panose 02020603050405020304}Liberation Serif;})";
    doc = RtfDocument(state, OutputMode::ClueListOnly, entry);
    EXPECT_EQ(doc.substr(Header.size(), Fonts.size() + entry.size() + 1), Fonts + entry + "}");
    EXPECT_NE(doc.find(R"(}\pard \widctlpar\intbl\adjustright{\f66 \row })"), std::string::npos);

    doc = RtfDocument(state, OutputMode::ClueListOnly, "");  // no outline metrics: an all-zero panose
    EXPECT_NE(doc.find(Fonts + R"({\f66\froman\fcharset0\fprq2{\*\panose 00000000000000000000}Liberation Serif;}})"),
              std::string::npos);

    EXPECT_EQ(FontTableEntryText("Liberation Serif", {2, 2, 6, 3, 5, 4, 5, 2, 3, 4}, 0x11), entry);
    EXPECT_EQ(FontTableEntryText("Mono", {2, 11, 6, 9, 3, 8, 4, 2, 2, 4}, 0x30),
              R"({\f66\fmodern\fcharset0\fprq1{\*\panose 020b0609030804020204}Mono;})");
    EXPECT_EQ(FontTableEntryText("Odd", {}, 0x71), R"({\f66\fnil\fcharset0\fprq2{\*\panose 00000000000000000000}Odd;})");
    EXPECT_EQ(FontTableEntryText("Sans", {}, 0x21).substr(0, 12), R"({\f66\fswiss)");
    EXPECT_EQ(FontTableEntryText("Hand", {}, 0x41).substr(0, 13), R"({\f66\fscript)");
    EXPECT_EQ(FontTableEntryText("Fancy", {}, 0x51).substr(0, 12), R"({\f66\fdecor)");
}

TEST(RtfWriter, PitchAndFamilyFromTheOs2Table)
{
    struct Case {
        const char* name;
        std::array<std::uint8_t, 10> panose;
        std::uint8_t ibmClass;
        bool fixed;
        std::uint8_t expected;
    };
    const Case cases[] = {
        {"serif text face", {2, 2, 6, 3, 5, 4, 5, 2, 3, 4}, 1, false, 0x11},
        {"sans text face", {2, 11, 6, 4, 2, 2, 2, 2, 2, 4}, 8, false, 0x21},
        {"monospaced by proportion", {2, 11, 6, 9, 3, 8, 4, 2, 2, 4}, 8, true, 0x30},
        {"hand written", {3, 1, 1, 1, 1, 1, 1, 1, 1, 1}, 10, false, 0x41},
        {"decorative", {4, 2, 7, 5, 4, 5, 2, 2, 4, 2}, 9, false, 0x51},
        {"no panose, IBM sans class", {}, 8, false, 0x21},
        {"no panose, IBM slab serif class", {}, 5, false, 0x11},
        {"nothing known", {}, 0, false, 0x01},
        {"nothing known but fixed pitch", {}, 0, true, 0x30},
    };
    for (const Case& c : cases) EXPECT_EQ(FontPitchAndFamily(c.panose, c.ibmClass, c.fixed), c.expected) << c.name;
}

TEST(RtfWriter, GridMeasuresShadingAndEdgeBorders)
{
    EXPECT_EQ(CellTwips(105, 15), 397);
    EXPECT_EQ(CellTwips(60, 3), 1134);
    QuillmereState state = test::TinyCrosswordState();
    state.Output.GridMM = 105;
    test::ShowAsFill(state, test::CrosswordOfLetters(std::vector<std::string>(15, "AB#CDEFGHIJKLMN")));
    const std::string doc = RtfDocument(state, OutputMode::EmptyGridOnly, "");
    EXPECT_NE(doc.find(R"(\cellx287\clvertalc)"), std::string::npos);
    EXPECT_NE(doc.find(R"(\cellx684)"), std::string::npos);
    EXPECT_NE(doc.find(R"(\cellx1081)"), std::string::npos);
    EXPECT_NE(doc.find(R"(\fs24\lang2057\cgrid)"), std::string::npos);  // 12 point letters at 7 mm a square

    const std::string shading[] = {R"(\clshdng0)", R"(\clshdng1000)", R"(\clshdng2000)", R"(\clshdng3000)", R"(\clshdng5000)",
                                   R"(\clshdng10000)", R"(\clbgbdiag)", R"(\clbgcross)", R"(\clbgdcross)"};
    for (int b = 0; b < 9; ++b) {
        state.Output.Blocking = b;
        const std::string styled = RtfDocument(state, OutputMode::EmptyGridOnly, "");
        // The blocked third square of the first row keeps the grid's top edge, even when unshaded.
        EXPECT_NE(styled.find(R"(\clvertalc\clbrdrt\brdrs\brdrw10 )" + shading[b] + R"( \cellx1081)"), std::string::npos) << b;
    }
}

TEST(RtfWriter, AcrossCluesOutnumberingDownLeaveEmptyCells)
{
    QuillmereState state;
    test::ShowAsFill(state, test::CrosswordOfLetters({"CAT", "###", "DOG"}));
    state.Xw.Slot(1).ClueTxt = "Pet";
    state.Xw.Slot(2).ClueTxt = "Hound";
    const std::string doc = RtfDocument(state, OutputMode::ClueListOnly, "");
    EXPECT_NE(doc.find(R"(\f1\fs18 1\cell Pet (3)\cell  \cell \cell )" + RowEnd), std::string::npos);
    EXPECT_NE(doc.find(R"(\f1\fs18 2\cell Hound (3)\cell  \cell \cell )" + RowEnd), std::string::npos);
}

TEST(RtfWriter, ReservedCharactersInTextsAreEscaped)
{
    QuillmereState state = test::TinyCrosswordState();
    state.Output.Title = R"(A {curly} \ title)";
    state.Xw.Slot(1).ClueTxt = "Set {x}";
    const std::string doc = RtfDocument(state, OutputMode::ClueListOnly, "");
    EXPECT_NE(doc.find(R"(\qc A \{curly\} \\ title \par})"), std::string::npos);
    EXPECT_NE(doc.find(R"(1\cell Set \{x\} (2)\cell )"), std::string::npos);
}

TEST(RtfWriter, WritesTheFileOrSaysWhyNot)
{
    test::TempDir dir;
    const QuillmereState state = test::TinyCrosswordState();
    WriteRtfFile(dir.File("000001.rtf"), state, OutputMode::EmptyGridAndClues, "");
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(dir.File("000001.rtf"), bytes));
    EXPECT_EQ(bytes, RtfDocument(state, OutputMode::EmptyGridAndClues, ""));
    try {
        WriteRtfFile(dir.File("no/such/folder.rtf"), state, OutputMode::EmptyGridAndClues, "");
        FAIL() << "wrote into a missing folder";
    } catch (const Failure& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Error creating file:\rMay be in use", 0), 0u) << e.what();
    }
    EXPECT_THROW(RtfDocument(state, OutputModeOf(7), ""), Failure);
}

}  // namespace
}  // namespace qm
