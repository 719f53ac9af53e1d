// quillmere-cli show: loads a crossword file and prints its grid, its clue list and its counts.
#include "cli/cli.h"

#include "core/files/crossword_file.h"
#include "core/output/clipboard_text.h"

#include <ostream>

namespace qm::cli {
namespace {

/// The clipboard texts end their lines with CR LF; a terminal wants LF.
std::string TerminalLines(std::string text)
{
    std::string out;
    for (const char ch : text)
        if (ch != '\r') out += ch;
    return out;
}

int Run(Context& ctx)
{
    const std::string path = ctx.Positionals(1, 1)[0];
    const LoadResult loaded = LoadCrosswordFile(ctx.state, path, nullptr);
    if (!loaded.Notice.empty()) ctx.out << loaded.Notice << "\n";
    const Crossword& xw = ctx.state.Xw;
    ctx.out << TerminalLines(GridText(xw.Squares)) << "\n";
    ctx.out << TerminalLines(ClueListText(xw, ClueListCount(ctx.state.Fills, xw))) << "\n";
    ctx.out << "letters " << loaded.Letters << " words " << loaded.Words << " interlocks " << loaded.Interlocks << " area "
            << loaded.Area << " score " << loaded.Score << "\n";
    return 0;
}

const Registration reg{{"show", "FILE", "load a crossword file (.xwd, .ipuz or .puz); print its grid, its clue list and its counts", &Run}};

}  // namespace
}  // namespace qm::cli
