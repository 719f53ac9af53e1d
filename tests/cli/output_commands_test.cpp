// quillmere-cli show and export: run the program and compare with what the window's buttons produce.
#include "core/files/crossword_file.h"
#include "core/files/ipuz_format.h"
#include "core/files/puz_format.h"
#include "core/output/clipboard_text.h"
#include "core/output/html_writer.h"
#include "core/output/page_texts.h"
#include "core/output/rtf_writer.h"
#include "core/output/web_page.h"
#include "core/state.h"
#include "core/util/file_io.h"
#include "tests/support/crossword_fixture.h"
#include "tests/support/fixtures.h"
#include "tests/support/run_program.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

class OutputCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        QuillmereState state;
        test::ShowAsFill(state, test::CrosswordOfLetters({"STAR#SPIN", "HERO#TAME", "ARMED#ODE", "DEN#BEGAN", "###DIE###",
                                                         "SNAKE#GEM", "ODE#TENOR", "LAIR#ROSE", "ELSE#SEAT"}));
        for (int i = 1; i <= state.Xw.WordSlotCount; ++i) state.Xw.Slot(i).ClueTxt = "Clue " + std::to_string(i);
        state.Output.Title = "Weekend Special";
        state.Output.Blocking = 5;
        file_ = dir_.File("sym.xwd");
        SaveCrosswordFile(state, file_);
    }

    static test::ProgramResult Run(const std::vector<std::string>& args) { return test::RunProgram("quillmere-cli", args); }

    /// The state the window would have after loading the file (fonts taken as written).
    QuillmereState Loaded() const
    {
        QuillmereState state;
        LoadCrosswordFile(state, file_, nullptr);
        return state;
    }

    /// words.txt: a word list with a clue each, for the freeform commands.
    void WriteWordList() const
    {
        std::string words;
        for (const char* w : {"stone", "notes", "tones", "onset", "toast", "taste", "state", "eats", "seat", "east", "neat",
                              "ante", "tern", "rent", "nest", "sent", "rose", "sore", "star", "rats", "arts", "treason",
                              "senator", "ornate", "orate", "ice cream"})
            words += std::string(w) + "\tclue of " + w + "\n";
        test::WriteFile(dir_.File("words.txt"), words);
    }

    std::string Read(const std::string& name) const
    {
        std::string bytes;
        EXPECT_TRUE(ReadWholeFile(dir_.File(name), bytes)) << name;
        return bytes;
    }

    test::TempDir dir_;
    std::string file_;
};

/// A text with every run of blanks and line ends made one blank.
std::string Collapsed(const std::string& text)
{
    std::string out;
    for (const char ch : text) {
        const bool blank = ch == ' ' || ch == '\n' || ch == '\f' || ch == '\r';
        if (!blank) out += ch;
        else if (!out.empty() && out.back() != ' ') out += ' ';
    }
    return out;
}

/// The text of one page of a PDF file in drawing order (pdftotext -raw), Collapsed: a clue wrapped over
/// lines reads as it was written. Empty when poppler-utils is missing.
std::string PdfPageText(const std::string& path, int page)
{
    if (!std::filesystem::exists("/usr/bin/pdftotext")) return {};
    const std::string n = std::to_string(page);
    return Collapsed(test::RunProgram("/usr/bin/pdftotext", {"-raw", "-f", n, "-l", n, path, "-"}).Out);
}

std::string WithoutCarriageReturns(std::string text)
{
    std::erase(text, '\r');
    return text;
}

TEST_F(OutputCommands, ShowPrintsGridCluesAndCounts)
{
    const auto run = Run({"show", file_});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const QuillmereState state = Loaded();
    const std::string grid = WithoutCarriageReturns(GridText(state.Xw.Squares));
    const std::string clues = WithoutCarriageReturns(ClueListText(state.Xw, state.Xw.WordSlotCount));
    EXPECT_EQ(run.Out.substr(0, grid.size()), grid);
    EXPECT_EQ(grid.substr(0, 18), "S\tT\tA\tR\t \tS\tP\tI\tN\n");
    EXPECT_NE(run.Out.find(clues), std::string::npos) << run.Out;
    const std::string last = run.Out.substr(run.Out.rfind('\n', run.Out.size() - 2) + 1);
    EXPECT_EQ(last.rfind("letters 67 words 36 interlocks ", 0), 0u) << last;
    EXPECT_NE(last.find(" area "), std::string::npos) << last;
    EXPECT_NE(last.find(" score "), std::string::npos) << last;
}

TEST_F(OutputCommands, ExportWritesWhatTheButtonsWrite)
{
    QuillmereState state = Loaded();
    ASSERT_EQ(Run({"export", file_, "--mode", "4", "--format", "text", "--out", dir_.File("clues.txt")}).ExitCode, 0);
    EXPECT_EQ(Read("clues.txt"), ClueListText(state.Xw, state.Xw.WordSlotCount));
    ASSERT_EQ(Run({"export", file_, "--mode", "2", "--format", "text", "--out", dir_.File("grid.txt")}).ExitCode, 0);
    EXPECT_EQ(Read("grid.txt"), GridText(state.Xw.Squares));

    // The file's title and blocking style, 7 mm a square (63 mm) and Arial, a built-in RTF font.
    ASSERT_EQ(Run({"export", file_, "--mode", "0", "--format", "rtf", "--out", dir_.File("page.rtf")}).ExitCode, 0);
    EXPECT_EQ(state.Output.GridMM, 63);
    EXPECT_EQ(Read("page.rtf"), RtfDocument(state, OutputMode::EmptyGridAndClues, ""));
    ASSERT_EQ(Run({"export", file_, "--mode", "6", "--format", "html", "--out", dir_.File("page.htm")}).ExitCode, 0);
    EXPECT_EQ(Read("page.htm"), HtmlDocument(state, OutputMode::AnswerClueListAlpha));

    const auto overridden = Run({"export", file_, "--mode", "1", "--format", "rtf", "--out", dir_.File("other.rtf"), "--title", "Other title",
                                   "--no-extras", "--blocking", "8", "--grid-mm", "90", "--font", "Times New Roman"});
    ASSERT_EQ(overridden.ExitCode, 0) << overridden.Err;
    state.Output.Title = "Other title";
    state.Output.ExtrasChecked = false;
    state.Output.Blocking = 8;
    state.Output.GridMM = 90;
    state.Output.FontName = "Times New Roman";
    EXPECT_EQ(Read("other.rtf"), RtfDocument(state, OutputMode::CompletedGridAndClues, ""));
    ASSERT_EQ(Run({"export", file_, "--mode", "3", "--format", "html", "--no-title", "--out", dir_.File("untitled.htm")}).ExitCode, 0);
    EXPECT_EQ(Read("untitled.htm").find("<h3>"), std::string::npos);

    ASSERT_EQ(Run({"export", file_, "--mode", "1", "--format", "pdf", "--out", dir_.File("page.pdf")}).ExitCode, 0);
    EXPECT_EQ(Read("page.pdf").rfind("%PDF-", 0), 0u);
}

std::vector<std::string> LinesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return lines;
}

TEST_F(OutputCommands, FreeformOutSavesTheShownFillAndShowLoadsItBack)
{
    WriteWordList();
    const std::string saved = dir_.File("fill.xwd");
    const auto made = Run({"--seed", "4", "freeform", "--list", dir_.File("words.txt"), "--size", "10", "--fills", "5",
                           "--out", saved});
    ASSERT_EQ(made.ExitCode, 0) << made.Err;
    EXPECT_NE(made.Out.find("saved " + saved), std::string::npos);

    const auto shown = Run({"show", saved});
    ASSERT_EQ(shown.ExitCode, 0) << shown.Err;
    // The grid, the clue list and the counts line of the fill on display come back from the file.
    const std::vector<std::string> fill = LinesOf(made.Out.substr(made.Out.find("\nFill ") + 1));
    const std::vector<std::string> loaded = LinesOf(shown.Out);
    const std::vector<std::string> gridAndClues(fill.begin() + 1, fill.end() - 2);  // after "Fill N", before the counts
    std::vector<std::string> loadedGridAndClues;
    for (const std::string& line : loaded)
        if (!line.empty() && line.rfind("letters ", 0) != 0) loadedGridAndClues.push_back(line);
    EXPECT_EQ(loadedGridAndClues, gridAndClues);
    EXPECT_EQ(loaded.back(), fill[fill.size() - 2]);  // the output ends with the line "saved FILE"

    EXPECT_EQ(Run({"freeform", "--list", dir_.File("words.txt"), "--size", "10", "--quick", "--out"}).ExitCode, 2);
}

TEST_F(OutputCommands, FillOutSavesTheShownSymmetricalFill)
{
    const std::string saved = dir_.File("symmetric.xwd");
    const auto made = Run({"--seed", "9", "fill", "9", "1", "--fills", "3", "--show", "2", "--out", saved});
    ASSERT_EQ(made.ExitCode, 0) << made.Err;
    EXPECT_NE(made.Out.find("saved " + saved), std::string::npos);
    const auto shown = Run({"show", saved});
    ASSERT_EQ(shown.ExitCode, 0) << shown.Err;
    // The grid and clues printed for fill 2 are those the file brings back, now as a freeform fill.
    const std::vector<std::string> printed = LinesOf(made.Out);
    std::vector<std::string> loaded;
    for (const std::string& line : LinesOf(shown.Out))
        if (!line.empty() && line.rfind("letters ", 0) != 0) loaded.push_back(line);
    ASSERT_GE(printed.size(), loaded.size() + 1);
    const std::vector<std::string> tail(printed.end() - static_cast<std::ptrdiff_t>(loaded.size()) - 1, printed.end() - 1);
    EXPECT_EQ(tail, loaded);
    QuillmereState state;
    LoadCrosswordFile(state, saved, nullptr);
    EXPECT_EQ(state.Xw.GridSize, 9);
    EXPECT_EQ(state.Output.GridMM, 63);
}

TEST_F(OutputCommands, ExportsAndShowsTheInterchangeFormats)
{
    const QuillmereState state = Loaded();
    const auto ipuz = Run({"export", file_, "--format", "ipuz", "--out", dir_.File("x.ipuz")});
    ASSERT_EQ(ipuz.ExitCode, 0) << ipuz.Err;
    EXPECT_EQ(ipuz.Out, "wrote " + dir_.File("x.ipuz") + "\n");
    EXPECT_EQ(Read("x.ipuz"), IpuzFileText(state));
    // An ipuz file exported again as .puz, with an author of its own.
    const auto puz = Run({"export", dir_.File("x.ipuz"), "--format", "puz", "--author", "A. Setter", "--out", dir_.File("x.puz")});
    ASSERT_EQ(puz.ExitCode, 0) << puz.Err;
    EXPECT_EQ(Read("x.puz"), PuzFileBytes(state, "A. Setter"));

    // show prints the same grid, clues and counts for the three files; the .puz's author is said to be dropped.
    const auto fromXwd = Run({"show", file_});
    const auto fromIpuz = Run({"show", dir_.File("x.ipuz")});
    const auto fromPuz = Run({"show", dir_.File("x.puz")});
    ASSERT_EQ(fromIpuz.ExitCode, 0) << fromIpuz.Err;
    ASSERT_EQ(fromPuz.ExitCode, 0) << fromPuz.Err;
    EXPECT_EQ(fromIpuz.Out, fromXwd.Out);
    const std::string notice = "Loaded x.puz, but the author \"A. Setter\" was dropped.\n";
    EXPECT_EQ(fromPuz.Out, notice + fromXwd.Out);

    // The page outputs read the interchange files as well.
    ASSERT_EQ(Run({"export", dir_.File("x.puz"), "--mode", "4", "--format", "text", "--out", dir_.File("clues.txt")}).ExitCode, 0);
    EXPECT_EQ(Read("clues.txt"), ClueListText(state.Xw, state.Xw.WordSlotCount));

    EXPECT_EQ(Run({"export", file_, "--format", "puz", "--mode", "1", "--out", dir_.File("y.puz")}).ExitCode, 2);
    EXPECT_EQ(Run({"export", file_, "--format", "rtf", "--mode", "1", "--author", "X", "--out", dir_.File("y.rtf")}).ExitCode, 2);
    EXPECT_FALSE(std::filesystem::exists(dir_.File("y.puz")));
}

TEST_F(OutputCommands, ExportsTheWebPageToSolve)
{
    struct Case {
        const char* name;
        std::vector<std::string> options;
        std::string title;
        bool titleShown;
        std::string author;
    };
    const Case cases[] = {
        {"as the file has it", {}, "Weekend Special", true, ""},
        {"title and author given", {"--title", "Sunday <Best>", "--author", "A. Setter"}, "Sunday <Best>", true, "A. Setter"},
        {"title left out", {"--no-title"}, "Weekend Special", false, ""},
        // The command line's UTF-8 becomes the program's Windows-1252, as the window's texts are.
        {"letters beyond ASCII", {"--title", "Caf\xC3\xA9 \xE2\x82\xAC", "--author", "Z\xC3\xBC"}, "Caf\xE9 \x80", true, "Z\xFC"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> args = {"export", file_, "--format", "web", "--out", dir_.File("x.html")};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const auto web = Run(args);
        ASSERT_EQ(web.ExitCode, 0) << web.Err;
        EXPECT_EQ(web.Out, "wrote " + dir_.File("x.html") + "\n");
        QuillmereState state = Loaded();
        state.Output.Title = c.title;
        state.Output.TitleChecked = c.titleShown;
        // (Compared as a whole: a page's difference would fill the log.)
        EXPECT_TRUE(Read("x.html") == WebPageDocument(state, c.author));
    }
    // The page options only; nothing half-written on a refusal.
    for (const char* option : {"--mode", "--font", "--blocking", "--grid-mm"}) {
        const std::string value = std::string(option) == "--font" ? "Arial" : "1";
        EXPECT_EQ(Run({"export", file_, "--format", "web", option, value, "--out", dir_.File("y.html")}).ExitCode, 2) << option;
    }
    EXPECT_EQ(Run({"export", file_, "--format", "web", "--no-extras", "--out", dir_.File("y.html")}).ExitCode, 2);
    EXPECT_FALSE(std::filesystem::exists(dir_.File("y.html")));
}

TEST_F(OutputCommands, CrosswordsTheProgramMakesGoThroughTheInterchangeFormats)
{
    WriteWordList();
    for (int seed = 1; seed <= 3; ++seed) {
        const std::string freeform = dir_.File("free" + std::to_string(seed) + ".xwd");
        const std::string symmetric = dir_.File("sym" + std::to_string(seed) + ".xwd");
        ASSERT_EQ(Run({"--seed", std::to_string(seed), "freeform", "--list", dir_.File("words.txt"), "--size", "10", "--fills", "3",
                       "--out", freeform}).ExitCode, 0);
        ASSERT_EQ(Run({"--seed", std::to_string(seed), "fill", "9", "1", "--fills", "1", "--out", symmetric}).ExitCode, 0);
        for (const std::string& file : {freeform, symmetric})
            for (const char* format : {"ipuz", "puz"}) {
                SCOPED_TRACE(file + " as " + format);
                const std::string out = file + "." + format;
                const auto exported = Run({"export", file, "--format", format, "--out", out});
                ASSERT_EQ(exported.ExitCode, 0) << exported.Err;
                const auto original = Run({"show", file});
                const auto through = Run({"show", out});
                ASSERT_EQ(through.ExitCode, 0) << through.Err;
                EXPECT_EQ(through.Out, original.Out);
            }
    }
}

TEST_F(OutputCommands, APdfOfA29By29StockFillHoldsAllItsCluesInEveryModeThatPrintsThem)
{
    const std::string fill = dir_.File("stock29.xwd");
    const auto made = Run({"--seed", "1", "fill", "29", "1", "--fills", "1", "--out", fill});
    ASSERT_EQ(made.ExitCode, 0) << made.Err;
    QuillmereState state;
    LoadCrosswordFile(state, fill, nullptr);
    ASSERT_EQ(state.Xw.GridSize, 29);
    ASSERT_GT(state.Xw.WordSlotCount, 80);
    const bool poppler = std::filesystem::exists("/usr/bin/pdfinfo") && std::filesystem::exists("/usr/bin/pdftotext");
    for (const int mode : {0, 1, 4, 6}) {
        SCOPED_TRACE("mode " + std::to_string(mode));
        const std::string pdf = dir_.File("stock29-" + std::to_string(mode) + ".pdf");
        const auto exported = Run({"export", fill, "--mode", std::to_string(mode), "--format", "pdf", "--out", pdf});
        ASSERT_EQ(exported.ExitCode, 0) << exported.Err;
        const std::size_t counted = exported.Out.rfind(" (");
        ASSERT_NE(counted, std::string::npos) << exported.Out;
        const int pages = std::stoi(exported.Out.substr(counted + 2));
        EXPECT_EQ(exported.Out, "wrote " + pdf + " (" + std::to_string(pages) + (pages == 1 ? " page" : " pages") + ")\n");
        // "Completed Grid & Clues": the grid and the clues that fit under it, the rest on a second page.
        if (mode == 1) {
            EXPECT_EQ(pages, 2);
        }
        if (!poppler) continue;
        const std::string info = test::RunProgram("/usr/bin/pdfinfo", {pdf}).Out;
        const std::size_t at = info.find("Pages:");
        ASSERT_NE(at, std::string::npos) << info;
        EXPECT_EQ(std::stoi(info.substr(at + 6)), pages) << info;
        std::vector<std::string> texts;
        for (int page = 1; page <= pages; ++page) texts.push_back(PdfPageText(pdf, page));
        for (int i = 1; i <= state.Xw.WordSlotCount; ++i) {
            const WordSlot& s = state.Xw.Slot(i);
            const std::string clue = Collapsed(mode == 6 ? AnswerClueLine(s) : PageClueText(s));
            ASSERT_FALSE(clue.empty()) << i;
            int holding = 0;
            for (const std::string& text : texts) holding += text.find(clue) != std::string::npos;
            EXPECT_EQ(holding, 1) << clue;
        }
        for (int page = 2; page <= pages; ++page) EXPECT_NE(texts[static_cast<std::size_t>(page - 1)].find("(continued)"), std::string::npos);
    }
}

TEST_F(OutputCommands, ExportPrintsTheClassSheetOptionsOnThePdfOnly)
{
    const QuillmereState state = Loaded();
    std::string bank = "Word bank";
    for (const int i : AlphabeticalSlots(state.Xw, state.Xw.WordSlotCount)) {
        bank += ' ';
        bank += state.Xw.Slot(i).DisplayTxt.view();
    }
    const std::string pupils = dir_.File("pupils.pdf");
    const auto sheet = Run({"export", file_, "--mode", "0", "--format", "pdf", "--name-line", "--word-bank", "--out", pupils});
    ASSERT_EQ(sheet.ExitCode, 0) << sheet.Err;
    EXPECT_EQ(sheet.Out, "wrote " + pupils + " (1 page)\n");
    // The grid as wide as the page leaves the clues too little room: they go on to a second page.
    const std::string wide = dir_.File("wide.pdf");
    const auto widened = Run({"export", file_, "--mode", "0", "--format", "pdf", "--name-line", "--word-bank", "--fit-width", "--out", wide});
    ASSERT_EQ(widened.ExitCode, 0) << widened.Err;
    EXPECT_EQ(widened.Out, "wrote " + wide + " (2 pages)\n");
    const std::string answers = dir_.File("answers.pdf");
    ASSERT_EQ(Run({"export", file_, "--mode", "1", "--format", "pdf", "--answers-heading", "--word-bank", "--out", answers}).ExitCode, 0);
    const std::string plain = dir_.File("plain.pdf");
    ASSERT_EQ(Run({"export", file_, "--mode", "0", "--format", "pdf", "--out", plain}).ExitCode, 0);
    const std::string pupilsText = PdfPageText(pupils, 1);
    if (pupilsText.empty()) GTEST_SKIP() << "poppler-utils is not installed";
    EXPECT_NE(pupilsText.find("Name: ___"), std::string::npos) << pupilsText;
    EXPECT_NE(pupilsText.find(bank), std::string::npos) << pupilsText;
    const std::string answersText = PdfPageText(answers, 1);
    EXPECT_NE(answersText.find("Weekend Special Answers"), std::string::npos) << answersText;
    EXPECT_EQ(answersText.find("Word bank"), std::string::npos) << answersText;  // the pupils' sheet's only
    const std::string plainText = PdfPageText(plain, 1);
    for (const char* absent : {"Name:", "Word bank", "Answers"}) EXPECT_EQ(plainText.find(absent), std::string::npos) << absent;

    // They shape the printed page: the other formats refuse them and write nothing.
    EXPECT_EQ(Run({"export", file_, "--mode", "0", "--format", "rtf", "--word-bank", "--out", dir_.File("x.rtf")}).ExitCode, 2);
    EXPECT_EQ(Run({"export", file_, "--format", "ipuz", "--name-line", "--out", dir_.File("x.ipuz")}).ExitCode, 2);
    EXPECT_FALSE(std::filesystem::exists(dir_.File("x.rtf")));
    EXPECT_FALSE(std::filesystem::exists(dir_.File("x.ipuz")));
}

TEST_F(OutputCommands, FailuresAreReported)
{
    const auto noText = Run({"export", file_, "--mode", "0", "--format", "text", "--out", dir_.File("x.txt")});
    EXPECT_EQ(noText.ExitCode, 1);
    EXPECT_NE(noText.Err.find("Select 'Completed Grid only ' or\n'Clue List only'' or\n'Answer/Clue list'"), std::string::npos)
        << noText.Err;
    EXPECT_FALSE(std::filesystem::exists(dir_.File("x.txt")));

    test::WriteFile(dir_.File("broken.xwd"), "Title=x\r\n");
    const auto broken = Run({"show", dir_.File("broken.xwd")});
    EXPECT_EQ(broken.ExitCode, 1);
    EXPECT_NE(broken.Err.find("Could not load"), std::string::npos) << broken.Err;

    EXPECT_EQ(Run({"export", file_, "--mode", "0", "--format", "doc", "--out", dir_.File("x.doc")}).ExitCode, 2);
    EXPECT_EQ(Run({"export", file_, "--mode", "9", "--format", "rtf", "--out", dir_.File("x.rtf")}).ExitCode, 2);
    EXPECT_EQ(Run({"export", file_, "--mode", "0", "--format", "rtf"}).ExitCode, 2);
    EXPECT_EQ(Run({"export", file_, "--mode", "0", "--format", "rtf", "--grid-mm", "200", "--out", dir_.File("x.rtf")}).ExitCode, 2);
}

}  // namespace
}  // namespace qm
