// quillmere-cli clue: shows one dictionary word with its enumeration, rarity, word types, categories and clue.
#include "cli/cli.h"

#include "core/clues/clue_store.h"
#include "core/util/text.h"
#include "core/words/word_breaks.h"

#include <cctype>
#include <ostream>

namespace qm::cli {
namespace {

constexpr std::array<const char*, 4> TypeNames = {"other", "common noun", "proper noun", "initials"};

int Run(Context& ctx)
{
    const auto args = ctx.Positionals(1, 1);
    std::string text;
    for (const char c : args[0])
        if (std::isalpha(static_cast<unsigned char>(c))) text += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    ctx.LoadBuiltInCategories();
    ctx.LoadBuiltInClues();
    ctx.LoadDictionary();
    const int length = static_cast<int>(text.size());
    if (length >= MinWordLength && length <= MaxWordLength) {
        for (const DictWord& w : ctx.state.Dict.MainWordArray[static_cast<std::size_t>(length)]) {
            if (w.Text != text) continue;
            const DecodedWordBreaks shown = DecodeWordBreaks(w.Text, w.WordBreaks);
            ctx.out << shown.DisplayTxt << " (" << shown.EnumTxt << ")\n";
            ctx.out << "rarity: " << w.Rarity << "\n";
            std::string types;
            for (std::size_t b = 0; b < TypeNames.size(); ++b)
                if (w.WordType & (1u << b)) types += (types.empty() ? "" : ", ") + std::string(TypeNames[b]);
            ctx.out << "types: " << types << "\n";
            std::string categories;
            const std::int64_t pattern = w.CategPattern < ctx.state.BitPatterns.size() ? ctx.state.BitPatterns[w.CategPattern] : 0;
            for (int bit = 1; bit <= CategoryCount; ++bit)
                if (pattern & (std::int64_t{1} << bit))
                    categories += (categories.empty() ? "" : ", ") + std::string(CategoryNames[static_cast<std::size_t>(bit - 1)]);
            ctx.out << "categories: " << (categories.empty() ? "none" : categories) << "\n";
            ctx.out << "clue " << w.ClueIndex << ": " << ClueLine(ctx.state.Clues, w.ClueIndex) << "\n";
            return 0;
        }
    }
    ctx.err << "quillmere-cli: \"" << args[0] << "\" is not in the dictionary\n";
    return 1;
}

const Registration reg{{"clue", "WORD",
                        "show a dictionary word: display text, enumeration, rarity, word types, categories and clue",
                        &Run}};

}  // namespace
}  // namespace qm::cli
