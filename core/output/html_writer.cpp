// The HTML page: head, extras table, title, grid table, clue tables, answers and the alphabetical list.
#include "core/output/html_writer.h"

#include "core/output/clipboard_text.h"
#include "core/output/export_file.h"
#include "core/output/output_options.h"
#include "core/output/page_texts.h"
#include "core/state.h"

#include <charconv>

namespace qm {

namespace {

constexpr const char* HtmlPlainTable = "<table border=\"0\" cellspacing=\"0\" cellpadding=\"0\">";

class HtmlBuilder {
public:
    HtmlBuilder(const QuillmereState& state, OutputMode mode)
        : state_(state), xw_(state.Xw), options_(state.Output), mode_(mode), count_(ClueListCount(state.Fills, state.Xw))
    {
    }

    std::string Build()
    {
        for (const char* l : {"<html>", "<head>", "  <title>Quillmere Crossword File</title>", "</head>", "<body>"}) Line(l);
        if (options_.ExtrasChecked) Extras();
        if (options_.TitleShown()) {
            Line("<div align=\"center\">");
            Line("<h3>" + options_.Title + "</h3>");
            Line("<p></p>");
            Line("</div>");
        }
        if (ModeShowsGrid(mode_)) GridTable();
        if (ModeShowsClues(mode_)) ClueTables();
        if (mode_ == OutputMode::AnswerListOnly) Answers();
        if (mode_ == OutputMode::AnswerClueListAlpha) AlphabeticalList();
        Line("</body>");
        Line("</html>");
        return std::move(out_);
    }

private:
    void Line(const std::string& text) { out_ += text + "\r\n"; }
    void Piece(const std::string& text) { out_ += text; }

    void Extras()
    {
        Line("<div align=\"center\">");
        Line("<table width=\"100%\" border=\"0\" cellspacing=\"0\" cellpadding=\"0\">");
        for (const ExtrasLine& line : BuildExtrasTexts(state_))
            Line("<tr><td>" + line.Left + "</td><td align=\"right\">" + line.Right + "</td></tr>");
        Line("</table>");
        Line("<p></p>");
        Line("</div>");
    }

    void GridTable()
    {
        const int n = xw_.GridSize;
        const std::string width = CellWidthAttr(n);
        const bool letters = ModeShowsLetters(mode_);
        Line("<div align=\"center\">");
        Line("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" bordercolor=\"gray\">");
        for (int r = 1; r <= n; ++r) {
            Line("<tr>");
            for (int c = 1; c <= n; ++c) {
                const GridCell& cell = xw_.Squares(c, r);
                const std::string letter(1, cell.Letter);
                if (cell.Letter < 'A' || cell.Letter > 'Z') {
                    Piece("<td bgcolor=\"gray\">&nbsp;</td>");
                } else if (cell.CellNumber > 0) {
                    const std::string number =
                        "<font size=\"-1\" color=\"red\"><sup>" + std::to_string(cell.CellNumber) + "</sup></font>";
                    if (letters)
                        Piece("<td width=" + width + " align=\"center\" valign=\"bottom\">" + number + letter + "</td>");
                    else
                        Piece("<td width=" + width + " valign=\"bottom\">" + number + "&nbsp;&nbsp;</td>");
                } else if (letters) {
                    Piece("<td width=" + width + " align=\"center\" valign=\"bottom\">" + letter + "</td>");
                } else {
                    Piece("<td>&nbsp;&nbsp;</td>");
                }
            }
            Piece("</tr>");
        }
        Line("</table>");
        Line("</div>");
    }

    void ClueRows(bool across)
    {
        for (int i = 1; i <= count_; ++i) {
            const WordSlot& s = xw_.Slot(i);
            if (s.Dir != across) continue;
            Piece("<tr><td valign=\"top\">" + std::to_string(s.Clue) + "</td>");
            Piece("<td>&nbsp;&nbsp;</td>");
            Piece("<td>" + s.ClueTxt.str() + " (" + s.EnumTxt.str() + ")</td></tr>");
        }
    }

    void ClueTables()
    {
        Line("<p></p>");
        Line(HtmlPlainTable);
        Line("<tr><td valign=\"top\">");
        Line(HtmlPlainTable);
        Line("<tr><td></td><td></td><td><b><u>Across</u></b></td></tr>");
        ClueRows(true);
        Line("</table>");
        Line("</td><td>&nbsp;&nbsp;</td><td valign=\"top\">");
        Line(HtmlPlainTable);
        Line("<tr><td></td><td></td><td><b><u>Down</u></b></td></tr>");
        ClueRows(false);
        Line("</table>");
        Line("</td></tr></table>");
    }

    void Answers()
    {
        Line("<p></p>");
        Line(HtmlPlainTable);
        Piece("<tr><td><b><u>Answers</u></b></td></tr>");
        Piece("<tr><td>" + AnswerParagraph(xw_, xw_.WordSlotCount, true, "<u>Across</u>") + "</td></tr>");
        Piece("<tr><td>" + AnswerParagraph(xw_, xw_.WordSlotCount, false, "<u>Down</u>") + "</td></tr>");
        Line("</table>");
    }

    void AlphabeticalList()
    {
        Line("<p></p>");
        Line(HtmlPlainTable);
        Piece("<tr><td><b><u>Answers (alphabetical) and Clues</u></b></td></tr>");
        for (const int i : AlphabeticalSlots(xw_, count_)) Piece("<tr><td>" + AnswerClueLine(xw_.Slot(i)) + "</td></tr>");
        Line("</table>");
    }

    const QuillmereState& state_;
    const Crossword& xw_;
    const OutputOptions& options_;
    OutputMode mode_;
    int count_;
    std::string out_;
};

}  // namespace

std::string CellWidthAttr(int gridSize)
{
    // Always a full stop: a percentage with a decimal comma is not valid HTML.
    char digits[32];
    const auto result = std::to_chars(digits, digits + sizeof digits, 100.0 / gridSize, std::chars_format::fixed, 2);
    std::string attr = "\"";
    attr.append(digits, result.ptr);
    return attr + "%\"";
}

std::string HtmlDocument(const QuillmereState& state, OutputMode mode)
{
    OutputOptions checked = state.Output;
    checked.Mode = mode;
    CheckOutputOptions(checked);
    return HtmlBuilder(state, mode).Build();
}

void WriteHtmlFile(const std::string& path, const QuillmereState& state, OutputMode mode)
{
    WriteExportFile(path, HtmlDocument(state, mode));
}

}  // namespace qm
