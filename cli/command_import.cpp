// quillmere-cli import: imports a word list and prints it, its index, its tight interlocks and status texts.
#include "cli/cli.h"
#include "cli/freeform_options.h"

#include "core/words/import.h"

#include <ostream>

namespace qm::cli {
namespace {

int Run(Context& ctx)
{
    const auto theme = ctx.Option("--theme");
    const auto files = ctx.Positionals(theme ? 0 : 1, theme ? 0 : 1);
    ImportWordList(ctx, theme ? std::nullopt : std::optional<std::string>(files[0]), theme);

    const ImportedList& list = ctx.state.Imported;
    ctx.out << "ThemeWordCount " << list.ThemeWordCount << "\n";
    for (std::size_t i = 0; i < list.ThemeWords.size(); ++i) ctx.out << list.ThemeWords[i] << "\t" << list.ThemeClues[i] << "\n";
    ctx.out << "ThemeIndex (MaxLen " << list.MaxLen << "): L, index, Text, ThemeRef, WordBreaks\n";
    for (int L = MinImportedLength; L <= list.MaxLen; ++L) {
        const auto& entries = list.EntriesOf(L);
        for (std::size_t i = 0; i < entries.size(); ++i)
            ctx.out << L << "\t" << i << "\t" << entries[i].Text << "\t" << entries[i].ThemeRef << "\t" << entries[i].WordBreaks << "\n";
    }
    ctx.out << "TightInterlocksList (" << list.TightInterlocksList.size() << ")\n";
    for (const auto& entry : list.TightInterlocksList) ctx.out << entry << "\n";
    const ImportStatus status = MakeImportStatus(list);
    ctx.out << "ThemeListStatusBar: \"" << status.WordsText << "\" \"" << status.LengthsText.value_or("") << "\"\n";
    ctx.out << "FreeFillsStatusBar: \"" << status.FreeFillsWordsText << "\"\n";
    ctx.out << "Quick Fill and Start: " << (status.EnableGeneration ? "enabled" : "unchanged") << "\n";
    return 0;
}

const Registration reg{{"import", "FILE | --theme NAME",
                        "import a word list for a freeform crossword; print its words and clues, its index by letter "
                        "count, its tight interlocks and its status texts",
                        &Run}};

}  // namespace
}  // namespace qm::cli
