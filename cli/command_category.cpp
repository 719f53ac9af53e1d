// quillmere-cli category: lists the nouns of one subject category with their clue numbers.
#include "cli/cli.h"

#include "core/util/text.h"
#include "core/words/category_browse.h"

#include <ostream>

namespace qm::cli {
namespace {

int Run(Context& ctx)
{
    const auto args = ctx.Positionals(1, 1);
    std::int32_t bit = 0;
    if (!TryParseInt(args[0], bit) || bit < 0 || bit > CategoryCount)
        throw UsageError("the category is a bit number from 0 to " + std::to_string(CategoryCount));
    ctx.LoadBuiltInCategories();
    ctx.LoadDictionary();
    int count = 0;
    for (const CategoryListRow& row : CategoryWordRows(ctx.state.Dict, ctx.state.BitPatterns, bit, count))
        ctx.out << row.Text() << "\n";
    const std::string_view name = bit == 0 ? "No category" : CategoryNames[static_cast<std::size_t>(bit - 1)];
    ctx.out << bit << "/" << CategoryCount << ". " << name << ": " << count << " words\n";
    return 0;
}

const Registration reg{{"category", "N",
                        "list the common and proper nouns of category bit N (0..40) by length: clue number and word",
                        &Run}};

}  // namespace
}  // namespace qm::cli
