// HTML export: the whole page for modes 0, 2, 5 and 6, built here from the rules, and its edge cases.
#include "core/output/html_writer.h"
#include "core/util/failure.h"
#include "core/util/file_io.h"
#include "tests/support/tiny_crossword.h"
#include "tests/support/fixtures.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

const std::string Plain = R"(<table border="0" cellspacing="0" cellpadding="0">)";

std::string Lines(std::initializer_list<std::string> lines)
{
    std::string out;
    for (const std::string& l : lines) out += l + "\r\n";
    return out;
}

std::string Start(bool extras = true)
{
    std::string out = Lines({"<html>", "<head>", "  <title>Quillmere Crossword File</title>", "</head>", "<body>"});
    if (extras)
        out += Lines({R"(<div align="center">)", R"(<table width="100%" border="0" cellspacing="0" cellpadding="0">)",
                      R"(<tr><td>Filename: tiny.xwd</td><td align="right">3x3 squares</td></tr>)",
                      R"(<tr><td>Created: 7 Mar 2024</td><td align="right">6 words</td></tr>)",
                      R"(<tr><td>with 'Quillmere'</td><td align="right">7 letters</td></tr>)", "</table>", "<p></p>", "</div>"});
    return out + Lines({R"(<div align="center">)", "<h3>Tiny</h3>", "<p></p>", "</div>"});
}

const std::string End = Lines({"</body>", "</html>"});

/// #AT / ODE / WE# with squares numbered 1, 2 (row 1), 3 (row 2) and 4 (row 3); a third of the width each.
std::string Grid(bool letters)
{
    const std::string gray = R"(<td bgcolor="gray">&nbsp;</td>)";
    auto numbered = [&](int n, char letter) {
        const std::string number = R"(<font size="-1" color="red"><sup>)" + std::to_string(n) + "</sup></font>";
        if (letters) return R"(<td width="33.33%" align="center" valign="bottom">)" + number + letter + "</td>";
        return R"(<td width="33.33%" valign="bottom">)" + number + "&nbsp;&nbsp;</td>";
    };
    auto plain = [&](char letter) {
        if (letters) return R"(<td width="33.33%" align="center" valign="bottom">)" + std::string(1, letter) + "</td>";
        return std::string("<td>&nbsp;&nbsp;</td>");
    };
    return Lines({R"(<div align="center">)", R"(<table border="1" cellspacing="0" cellpadding="2" bordercolor="gray">)"}) +
           "<tr>\r\n" + gray + numbered(1, 'A') + numbered(2, 'T') + "</tr>" +  //
           "<tr>\r\n" + numbered(3, 'O') + plain('D') + plain('E') + "</tr>" +  //
           "<tr>\r\n" + numbered(4, 'W') + plain('E') + gray + "</tr>" + Lines({"</table>", "</div>"});
}

std::string ClueRow(int number, const std::string& clue)
{
    return R"(<tr><td valign="top">)" + std::to_string(number) + "</td><td>&nbsp;&nbsp;</td><td>" + clue + "</td></tr>";
}

std::string ClueLists()
{
    return Lines({"<p></p>", Plain, R"(<tr><td valign="top">)", Plain, "<tr><td></td><td></td><td><b><u>Across</u></b></td></tr>"}) +
           ClueRow(1, "Located (2)") + ClueRow(3, "Poem (2,1)") + ClueRow(4, "Us (2)") +
           Lines({"</table>", R"(</td><td>&nbsp;&nbsp;</td><td valign="top">)", Plain,
                  "<tr><td></td><td></td><td><b><u>Down</u></b></td></tr>"}) +
           ClueRow(1, "Drink (3)") + ClueRow(2, "Do re mi & <so> (2)") + ClueRow(3, "Ouch (2)") +
           Lines({"</table>", "</td></tr></table>"});
}

TEST(HtmlWriter, WholePageForModes0256)
{
    const QuillmereState state = test::TinyCrosswordState();
    EXPECT_EQ(HtmlDocument(state, OutputMode::EmptyGridAndClues), Start() + Grid(false) + ClueLists() + End);
    EXPECT_EQ(HtmlDocument(state, OutputMode::CompletedGridOnly), Start() + Grid(true) + End);
    EXPECT_EQ(HtmlDocument(state, OutputMode::AnswerListOnly), Start() + Lines({"<p></p>", Plain}) + "<tr><td><b><u>Answers</u></b></td></tr>" +
                                          "<tr><td><u>Across</u>:  1-At,  3-Od E,  4-We</td></tr>" +
                                          "<tr><td><u>Down</u>:  1-Ade,  2-Te,  3-Ow</td></tr>" + Lines({"</table>"}) + End);
    EXPECT_EQ(HtmlDocument(state, OutputMode::AnswerClueListAlpha), Start() + Lines({"<p></p>", Plain}) +
                                          "<tr><td><b><u>Answers (alphabetical) and Clues</u></b></td></tr>" +
                                          "<tr><td>ADE - Drink  (1D)</td></tr><tr><td>AT - Located  (1A)</td></tr>" +
                                          "<tr><td>OD E - Poem  (3A)</td></tr><tr><td>OW - Ouch  (3D)</td></tr>" +
                                          "<tr><td>TE - Do re mi & <so>  (2D)</td></tr><tr><td>WE - Us  (4A)</td></tr>" +
                                          Lines({"</table>"}) + End);
}

TEST(HtmlWriter, BlockingStyleHasNoEffectAndTitleFollowsBody)
{
    QuillmereState state = test::TinyCrosswordState();
    state.Output.ExtrasChecked = false;
    const std::string grey = HtmlDocument(state, OutputMode::EmptyGridOnly);
    EXPECT_EQ(grey, Start(false) + Grid(false) + End);
    state.Output.Blocking = 0;
    state.Output.FontName = "Times New Roman";
    EXPECT_EQ(HtmlDocument(state, OutputMode::EmptyGridOnly), grey);
    state.Output.TitleChecked = false;
    EXPECT_EQ(HtmlDocument(state, OutputMode::EmptyGridOnly).find("<h3>"), std::string::npos);
    state.Output.TitleChecked = true;
    state.Output.Title.clear();
    EXPECT_EQ(HtmlDocument(state, OutputMode::EmptyGridOnly).find("<h3>"), std::string::npos);
}

TEST(HtmlWriter, CellWidthHasTwoDecimals)
{
    EXPECT_EQ(CellWidthAttr(15), "\"6.67%\"");
    EXPECT_EQ(CellWidthAttr(8), "\"12.50%\"");
    EXPECT_EQ(CellWidthAttr(30), "\"3.33%\"");
}

TEST(HtmlWriter, WritesTheFileOrSaysWhyNot)
{
    test::TempDir dir;
    const QuillmereState state = test::TinyCrosswordState();
    WriteHtmlFile(dir.File("000001.htm"), state, OutputMode::AnswerClueListAlpha);
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(dir.File("000001.htm"), bytes));
    EXPECT_EQ(bytes, HtmlDocument(state, OutputMode::AnswerClueListAlpha));
    EXPECT_THROW(WriteHtmlFile(dir.File("missing/x.htm"), state, OutputMode::AnswerClueListAlpha), Failure);
}

}  // namespace
}  // namespace qm
