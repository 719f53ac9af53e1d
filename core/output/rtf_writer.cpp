// The RTF document: header, font and colour tables, page set-up, then the tables of the chosen items.
#include "core/output/rtf_writer.h"

#include "core/output/clipboard_text.h"
#include "core/output/export_file.h"
#include "core/output/output_options.h"
#include "core/output/page_texts.h"
#include "core/state.h"
#include "core/util/index.h"
#include "core/util/text.h"

#include <algorithm>
#include <vector>

namespace qm {

const std::string_view RtfListNumbering =
    "{\\*\\pnseclvl1\\pnucrm\\pnstart1\\pnindent720\\pnhang{\\pntxta .}}"
    "{\\*\\pnseclvl2\\pnucltr\\pnstart1\\pnindent720\\pnhang{\\pntxta .}}"
    "{\\*\\pnseclvl3\\pndec\\pnstart1\\pnindent720\\pnhang{\\pntxta .}}"
    "{\\*\\pnseclvl4\\pnlcltr\\pnstart1\\pnindent720\\pnhang{\\pntxta )}}"
    "{\\*\\pnseclvl5\\pndec\\pnstart1\\pnindent720\\pnhang{\\pntxtb (}{\\pntxta )}}"
    "{\\*\\pnseclvl6\\pnlcltr\\pnstart1\\pnindent720\\pnhang{\\pntxtb (}{\\pntxta )}}"
    "{\\*\\pnseclvl7\\pnlcrm\\pnstart1\\pnindent720\\pnhang{\\pntxtb (}{\\pntxta )}}"
    "{\\*\\pnseclvl8\\pnlcltr\\pnstart1\\pnindent720\\pnhang{\\pntxtb (}{\\pntxta )}}"
    "{\\*\\pnseclvl9\\pnlcrm\\pnstart1\\pnindent720\\pnhang{\\pntxtb (}{\\pntxta )}}";

namespace {

constexpr std::string_view RtfHeader = "{\\rtf1\\ansi\\ansicpg1252\\uc1 \\deff0\\deflang1033\\deflangfe1033";
constexpr std::string_view RtfBuiltInFonts =
    "{\\fonttbl{\\f0\\froman\\fcharset0\\fprq2{\\*\\panose 02020603050405020304}Times New Roman;}"
    "{\\f1\\fswiss\\fcharset0\\fprq2{\\*\\panose 020b0604020202020204}Arial;}";
constexpr std::string_view RtfColourTable =
    "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red0\\green255\\blue255;\\red0\\green255\\blue0;"
    "\\red255\\green0\\blue255;\\red255\\green0\\blue0;\\red255\\green255\\blue0;\\red255\\green255\\blue255;"
    "\\red0\\green0\\blue128;\\red0\\green128\\blue128;\\red0\\green128\\blue0;\\red128\\green0\\blue128;"
    "\\red128\\green0\\blue0;\\red128\\green128\\blue0;\\red128\\green128\\blue128;\\red192\\green192\\blue192;}";
constexpr std::string_view RtfSection =
    "\\paperw11906\\paperh16838 \\widowctrl\\ftnbj\\aenddoc\\hyphcaps0\\formshade\\viewkind1\\viewscale100"
    "\\pgbrdrhead\\pgbrdrfoot \\fet0\\sectd \\linex0\\headery709\\footery709\\colsx709\\endnhere\\sectdefaultcl";
constexpr std::string_view RtfTableBorders =
    "\\trleft-108\\trbrdrt\\brdrs\\brdrw10 \\trbrdrl\\brdrs\\brdrw10 \\trbrdrb\\brdrs\\brdrw10 "
    "\\trbrdrr\\brdrs\\brdrw10 \\trbrdrh\\brdrs\\brdrw10 \\trbrdrv\\brdrs\\brdrw10";
constexpr std::string_view RtfCellPara = "\\pard \\widctlpar\\intbl\\adjustright {";
constexpr std::string_view BorderTop = "\\clbrdrt\\brdrs\\brdrw10 ";
constexpr std::string_view BorderLeft = "\\clbrdrl\\brdrs\\brdrw10 ";
constexpr std::string_view BorderBottom = "\\clbrdrb\\brdrs\\brdrw10 ";
constexpr std::string_view BorderRight = "\\clbrdrr\\brdrs\\brdrw10 ";

std::string RtfFontSize(double points) { return "\\fs" + std::to_string(RoundHalfEven(2 * points)); }
std::string RtfRaise(double points) { return "\\up" + std::to_string(RoundHalfEven(2 * points)); }

/// Crossword texts go into the document as they are, except the three characters that RTF
/// reserves; unescaped they would end groups early and break the document.
std::string RtfText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char ch : text) {
        if (ch == '\\' || ch == '{' || ch == '}') out += '\\';
        out += ch;
    }
    return out;
}

class RtfBuilder {
public:
    RtfBuilder(const QuillmereState& state, OutputMode mode, std::string_view fontTableEntry)
        : state_(state), xw_(state.Xw), options_(state.Output), mode_(mode), fontTableEntry_(fontTableEntry),
          fontRef_(RtfFontRef(options_.FontName)), count_(ClueListCount(state.Fills, state.Xw))
    {
    }

    std::string Build()
    {
        out_ += RtfHeader;
        FontTable();
        out_ += RtfColourTable;
        out_ += RtfSection;
        out_ += RtfListNumbering;
        if (options_.ExtrasChecked) Extras();
        if (options_.TitleShown()) out_ += "{" + fontRef_ + "\\fs28\\qc " + RtfText(options_.Title) + " \\par}\\pard {\\fs24 \\par }";
        if (ModeShowsGrid(mode_)) GridRows();
        if (ModeShowsClues(mode_)) ClueTable();
        if (mode_ == OutputMode::AnswerListOnly) Answers();
        if (mode_ == OutputMode::AnswerClueListAlpha) AlphabeticalList();
        out_ += "\\pard \\widctlpar\\adjustright {" + fontRef_ + "\\par }}";
        return std::move(out_);
    }

private:
    std::string RowCentred() const { return "\\trowd \\trqc \\trgaph108" + std::string(RtfTableBorders); }
    std::string RowLeft() const { return "\\trowd \\trgaph108" + std::string(RtfTableBorders); }
    std::string RowEnd() const { return "}\\pard \\widctlpar\\intbl\\adjustright{" + fontRef_ + " \\row }"; }

    void FontTable()
    {
        out_ += RtfBuiltInFonts;
        if (fontRef_ == "\\f66") {
            if (!fontTableEntry_.empty())
                out_ += fontTableEntry_;
            else
                out_ += "{\\f66\\froman\\fcharset0\\fprq2{\\*\\panose 00000000000000000000}" + RtfText(options_.FontName) + ";}";
        }
        out_ += "}";
    }

    void Extras()
    {
        for (const ExtrasLine& line : BuildExtrasTexts(state_)) {
            out_ += RowCentred() + "\\cellx4207\\cellx8414";
            out_ += std::string(RtfCellPara) + fontRef_ + RtfFontSize(8) + " " + RtfText(line.Left) + "\\cell }";
            out_ += "\\pard \\qr\\widctlpar\\intbl\\adjustright {" + fontRef_ + RtfFontSize(8) + " " + RtfText(line.Right) +
                    "\\cell }";
            out_ += "\\pard \\widctlpar\\intbl\\adjustright{" + fontRef_ + " \\row }";
        }
        out_ += "\\pard \\widctlpar\\adjustright {\\par }";
    }

    void GridRows()
    {
        const int n = xw_.GridSize;
        const int twips = CellTwips(options_.GridMM, n);
        const double letterSize = 12.0 * (static_cast<double>(options_.GridMM) / StartGridMM) * (15.0 / n);
        const std::string shading = At(BlockingStyles, options_.Blocking).RtfShading;
        auto isLetter = [](char ch) { return ch >= 'A' && ch <= 'Z'; };
        for (int r = 1; r <= n; ++r) {
            out_ += "\\trowd \\trqc\\trrh" + std::to_string(-twips) + std::string(RtfTableBorders) + " ";
            for (int c = 1; c <= n; ++c) {
                const std::string x = std::to_string(c * twips - 110);
                if (isLetter(xw_.Squares(c, r).Letter)) {
                    out_ += "\\clvertalc" + std::string(BorderTop) + std::string(BorderLeft) + std::string(BorderBottom) +
                            std::string(BorderRight) + "\\cellx" + x;
                } else {
                    if (r == 1)
                        out_ += "\\clvertalc" + std::string(BorderTop);
                    else if (r == n)
                        out_ += BorderBottom;
                    if (c == 1)
                        out_ += BorderLeft;
                    else if (c == n)
                        out_ += BorderRight;
                    out_ += shading + " \\cellx" + x;
                }
            }
            out_ += RtfFontSize(letterSize) + "\\lang2057\\cgrid";
            for (int c = 1; c <= n; ++c) {
                const GridCell& cell = xw_.Squares(c, r);
                const std::string letter = ModeShowsLetters(mode_) ? std::string(1, cell.Letter) : " ";
                if (!isLetter(cell.Letter)) {
                    out_ += std::string(RtfCellPara) + fontRef_ + " \\cell }";
                } else if (cell.CellNumber > 0) {
                    out_ += "\\pard\\ql\\widctlpar\\intbl\\adjustright {" + fontRef_ + RtfFontSize(0.5 * letterSize) +
                            RtfRaise(0.75 * letterSize) + " " + Format("%2d", cell.CellNumber) + "}{" + fontRef_ +
                            (ModeShowsLetters(mode_) ? " " + letter + "\\cell }" : " \\cell }");
                } else {
                    out_ += "\\pard\\qc\\widctlpar\\intbl\\adjustright {" + fontRef_ + " " + letter + "\\cell }";
                }
            }
            out_ += std::string(RtfCellPara) + fontRef_ + " \\row }";
        }
    }

    std::string ClueCells(const WordSlot* s) const
    {
        if (!s) return " \\cell \\cell ";
        return std::to_string(s->Clue) + "\\cell " + RtfText(s->ClueTxt.view()) + " (" + RtfText(s->EnumTxt.view()) + ")\\cell ";
    }

    void ClueTable()
    {
        out_ += "\\pard \\widctlpar\\adjustright {\\par }";
        std::vector<const WordSlot*> across;
        std::vector<const WordSlot*> down;
        for (int i = 1; i <= count_; ++i) (xw_.Slot(i).Dir ? across : down).push_back(&xw_.Slot(i));
        const std::size_t rows = std::max(across.size(), down.size());
        for (std::size_t k = 0; k <= rows; ++k) {
            out_ += RowCentred() + "\\cellx500\\cellx4600\\cellx5100\\cellx9200";
            if (k == 0) {
                out_ += "\\pard \\widctlpar\\intbl\\adjustright {\\b" + fontRef_ + RtfFontSize(10) + "\\ul " +
                        "\\cell Across\\cell \\cell Down\\cell ";
            } else {
                out_ += std::string(RtfCellPara) + fontRef_ + RtfFontSize(9) + " ";
                out_ += ClueCells(k <= across.size() ? across[k - 1] : nullptr);
                out_ += ClueCells(k <= down.size() ? down[k - 1] : nullptr);
            }
            out_ += RowEnd();
        }
    }

    /// A one-cell table row: the heading in bold underlined type, or a line of text.
    void ListRow(bool heading, const std::string& text)
    {
        out_ += RowLeft() + "\\cellx9200\\pard \\widctlpar\\intbl\\adjustright ";
        out_ += heading ? "{\\b" + fontRef_ + "\\fs18\\ul " : "{" + fontRef_ + "\\fs16 ";
        out_ += RtfText(text) + "\\cell " + RowEnd();
    }

    void Answers()
    {
        ListRow(true, "Answers");
        ListRow(false, AnswerParagraph(xw_, xw_.WordSlotCount, true, "Across"));
        ListRow(false, AnswerParagraph(xw_, xw_.WordSlotCount, false, "Down"));
    }

    void AlphabeticalList()
    {
        ListRow(true, "Answers (alphabetical) and Clues");
        for (const int i : AlphabeticalSlots(xw_, count_)) ListRow(false, AnswerClueLine(xw_.Slot(i)));
    }

    const QuillmereState& state_;
    const Crossword& xw_;
    const OutputOptions& options_;
    OutputMode mode_;
    std::string_view fontTableEntry_;
    std::string fontRef_;
    int count_;
    std::string out_;
};

}  // namespace

std::string RtfFontRef(std::string_view fontName)
{
    if (fontName == "Times New Roman") return "\\f0";
    if (fontName == "Arial") return "\\f1";
    return "\\f66";
}

int CellTwips(int gridMM, int gridSize)
{
    return static_cast<int>(RoundHalfEven(static_cast<double>(gridMM) / gridSize / 25.4 * 72 * 20));
}

std::string FontTableEntryText(std::string_view fontName, const std::array<std::uint8_t, 10>& panose,
                               std::uint8_t pitchAndFamily)
{
    static const char* const families[] = {"\\fnil", "\\froman", "\\fswiss", "\\fmodern", "\\fscript", "\\fdecor"};
    const int family = pitchAndFamily >> 4;
    std::string entry = "{\\f66";
    entry += (family >= 1 && family <= 5) ? families[family] : families[0];
    entry += "\\fcharset0";
    entry += (pitchAndFamily & 1) ? "\\fprq2" : "\\fprq1";
    entry += "{\\*\\panose ";
    for (const std::uint8_t b : panose) entry += Format("%2.2x", b);
    entry += '}';
    entry += RtfText(fontName);
    entry += ";}";
    return entry;
}

std::uint8_t FontPitchAndFamily(const std::array<std::uint8_t, 10>& panose, std::uint8_t ibmClass, bool fixedPitch)
{
    enum : std::uint8_t { DontCare = 0, Roman = 1, Swiss = 2, Modern = 3, Script = 4, Decorative = 5 };
    std::uint8_t family = DontCare;
    const std::uint8_t kind = panose[0];
    const std::uint8_t serif = panose[1];
    const std::uint8_t proportion = panose[3];
    if (kind == 3) {
        family = Script;
    } else if (kind == 4 || kind == 5) {
        family = Decorative;
    } else if (kind == 2 && proportion == 9) {
        family = Modern;
    } else if (kind == 2 && serif >= 2 && serif <= 10) {
        family = Roman;
    } else if (kind == 2 && serif >= 11 && serif <= 15) {
        family = Swiss;
    } else if ((ibmClass >= 1 && ibmClass <= 5) || ibmClass == 7) {
        family = Roman;
    } else if (ibmClass == 8) {
        family = Swiss;
    } else if (ibmClass == 10) {
        family = Script;
    } else if (ibmClass == 9 || ibmClass == 12) {
        family = Decorative;
    }
    if (fixedPitch && family != Script && family != Decorative) family = Modern;
    return static_cast<std::uint8_t>((family << 4) | (fixedPitch ? 0 : 1));
}

std::string RtfDocument(const QuillmereState& state, OutputMode mode, std::string_view fontTableEntry)
{
    OutputOptions checked = state.Output;
    checked.Mode = mode;
    CheckOutputOptions(checked);
    return RtfBuilder(state, mode, fontTableEntry).Build();
}

void WriteRtfFile(const std::string& path, const QuillmereState& state, OutputMode mode, std::string_view fontTableEntry)
{
    WriteExportFile(path, RtfDocument(state, mode, fontTableEntry));
}

}  // namespace qm
