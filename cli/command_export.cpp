// quillmere-cli export: loads a crossword file and writes one of the Output page's outputs.
#include "cli/cli.h"
#include "cli/gui_session.h"

#include "core/files/crossword_file.h"
#include "core/files/ipuz_format.h"
#include "core/files/puz_format.h"
#include "core/output/clipboard_text.h"
#include "core/output/html_writer.h"
#include "core/output/output_options.h"
#include "core/output/rtf_writer.h"
#include "core/output/web_page.h"
#include "core/util/failure.h"
#include "core/util/file_io.h"
#include "core/words/import.h"
#include "render/output_fonts.h"
#include "render/page_devices.h"

#include <optional>
#include <ostream>

namespace qm::cli {
namespace {

std::string OneLineMessage(std::string text)
{
    for (char& ch : text)
        if (ch == '\r') ch = '\n';
    return text;
}

/// A text option: UTF-8 on the command line, Windows-1252 in the program (as the window's texts are).
std::optional<std::string> TextOption(Context& ctx, const std::string& name)
{
    auto text = ctx.Option(name);
    if (text) *text = Utf8ToWindows1252(*text);
    return text;
}

int Run(Context& ctx)
{
    const auto mode = ctx.IntOption("--mode", 0, OutputModeCount - 1);
    const auto format = ctx.Option("--format");
    const auto out = ctx.Option("--out");
    const auto title = TextOption(ctx, "--title");
    const bool noTitle = ctx.Flag("--no-title");
    const bool noExtras = ctx.Flag("--no-extras");
    const auto font = ctx.Option("--font");
    const auto blocking = ctx.IntOption("--blocking", 0, BlockingStyleCount - 1);
    const auto gridMM = ctx.IntOption("--grid-mm", MinGridMM, MaxGridMM);
    const auto author = TextOption(ctx, "--author");
    const bool nameLine = ctx.Flag("--name-line");
    const bool wordBank = ctx.Flag("--word-bank");
    const bool fitWidth = ctx.Flag("--fit-width");
    const bool answersHeading = ctx.Flag("--answers-heading");
    const bool classSheet = nameLine || wordBank || fitWidth || answersHeading;
    const std::string path = ctx.Positionals(1, 1)[0];
    if (!out) throw UsageError("--out is required");
    if (!format || (*format != "text" && *format != "rtf" && *format != "html" && *format != "pdf" && *format != "ipuz" &&
                    *format != "puz" && *format != "web"))
        throw UsageError("--format must be text, rtf, html, pdf, ipuz, puz or web");
    QuillmereState& state = ctx.state;
    if (*format == "web") {
        if (mode || noExtras || font || blocking || gridMM || classSheet)
            throw UsageError("--mode, --no-extras, --font, --blocking, --grid-mm and the class sheet options are for text, "
                             "rtf, html and pdf");
        // The page to solve holds the crossword with its title (as the Output page shows it) and author.
        const LoadResult loaded = LoadCrosswordFile(state, path, nullptr);
        if (!loaded.Notice.empty()) ctx.out << loaded.Notice << "\n";
        if (title) state.Output.Title = *title;
        if (noTitle) state.Output.TitleChecked = false;
        WriteWebPageFile(*out, state, author.value_or(""));
        ctx.out << "wrote " << *out << "\n";
        return 0;
    }
    if (*format == "ipuz" || *format == "puz") {
        if (mode || noTitle || noExtras || font || blocking || gridMM || classSheet)
            throw UsageError("--mode, --no-title, --no-extras, --font, --blocking, --grid-mm and the class sheet options are "
                             "for text, rtf, html and pdf");
        // The interchange files hold the crossword itself, not a page: no mode, font or layout.
        const LoadResult loaded = LoadCrosswordFile(state, path, nullptr);
        if (!loaded.Notice.empty()) ctx.out << loaded.Notice << "\n";
        if (title) state.Output.Title = *title;
        const std::string writtenAuthor = author.value_or(DefaultInterchangeAuthor);
        if (*format == "ipuz")
            WriteIpuzFile(*out, state, writtenAuthor);
        else
            WritePuzFile(*out, state, writtenAuthor);
        ctx.out << "wrote " << *out << "\n";
        return 0;
    }
    if (author) throw UsageError("--author is for --format ipuz, puz and web");
    if (!mode) throw UsageError("--mode is required");
    // The class sheet options shape the printed page, which the PDF file is.
    if (classSheet && *format != "pdf")
        throw UsageError("--name-line, --word-bank, --fit-width and --answers-heading are for --format pdf");

    EnsureGuiSession();
    const LoadResult loaded = LoadCrosswordFile(state, path, [](const std::string& name) { return render::FindInstalledFont(name); });
    if (!loaded.Notice.empty()) ctx.out << loaded.Notice << "\n";
    OutputOptions& options = state.Output;
    options.Mode = OutputModeOf(*mode);
    if (title) options.Title = *title;
    if (noTitle) options.TitleChecked = false;
    if (noExtras) options.ExtrasChecked = false;
    if (font) options.FontName = render::FindInstalledFont(*font).value_or(*font);
    if (blocking) options.Blocking = *blocking;
    if (gridMM) options.GridMM = *gridMM;
    options.NameLine = nameLine;
    options.WordBank = wordBank;
    options.FitWidth = fitWidth;
    options.AnswersHeading = answersHeading;

    if (*format == "text") {
        const ClipboardExport text = ClipboardTextForMode(options.Mode, state.Xw, ClueListCount(state.Fills, state.Xw));
        if (!text.HasText) throw Failure(OneLineMessage(text.Message));
        WriteFileSafely(*out, text.Text);
    } else if (*format == "rtf") {
        WriteRtfFile(*out, state, options.Mode, render::FontTableEntry(options.FontName));
    } else if (*format == "html") {
        WriteHtmlFile(*out, state, options.Mode);
    } else {
        const int pages = render::WritePdfFile(*out, state, options.Mode);
        ctx.out << "wrote " << *out << " (" << pages << (pages == 1 ? " page" : " pages") << ")\n";
        return 0;
    }
    ctx.out << "wrote " << *out << "\n";
    return 0;
}

const Registration reg{
    {"export",
     "FILE --mode 0..6 --format text|rtf|html|pdf --out PATH [--title T] [--no-title] [--no-extras] [--font NAME] "
     "[--blocking 0..8] [--grid-mm 60..180] [--name-line] [--word-bank] [--fit-width] [--answers-heading] | FILE --format "
     "ipuz|puz --out PATH [--title T] [--author NAME] | FILE --format web --out PATH [--title T] [--no-title] [--author NAME]",
     "load a crossword file (.xwd, .ipuz or .puz) and write what the Output page writes: the clipboard text (modes 2, "
     "4, 6), an RTF or HTML file, or the printed page as PDF, with title, font and blocking from the file unless "
     "overridden, on as many pages as the clues need (the PDF's page count is printed); the class sheet options of the "
     "PDF: a name and date line, a word bank under the clues of the pupils' sheet (modes 0, 4), the grid as wide as the "
     "page, the heading \"Answers\" on a sheet with the solution (modes 1, 2); or the crossword as an ipuz or Across Lite "
     ".puz file (author \"Quillmere\" unless given); or a web page to solve in a browser: one HTML file with the answers "
     "hidden, by the author when one is given",
     &Run}};

}  // namespace
}  // namespace qm::cli
