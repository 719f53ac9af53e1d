// The dictionary selection options shared by the commands that fill grids from the dictionary.
#include "cli/selection_options.h"

#include "core/util/text.h"

namespace qm::cli {

SelectionOptions SelectionFromArguments(Context& ctx)
{
    SelectionOptions options;
    if (const auto rarity = ctx.IntOption("--rarity", 0, MaxRarityThreshold)) options.RarityThreshold = *rarity;
    if (const auto types = ctx.IntOption("--types", 1, 15)) {
        options.POSOther = (*types & 1) != 0;
        options.POSNounCommon = (*types & 2) != 0;
        options.POSNounProper = (*types & 4) != 0;
        options.POSInitials = (*types & 8) != 0;
    }
    if (const auto categories = ctx.Option("--categories")) {
        if (*categories == "none") {
            options.Categories.fill(false);
        } else if (*categories != "all") {
            options.Categories.fill(false);
            for (const std::string& item : Split(*categories, ",")) {
                std::int32_t bit = 0;
                if (!TryParseInt(item, bit) || bit < 1 || bit > CategoryCount)
                    throw UsageError("--categories takes all, none or category numbers 1.." + std::to_string(CategoryCount) +
                                     " separated by commas");
                options.Categories[static_cast<std::size_t>(bit - 1)] = true;
            }
        }
    }
    if (ctx.Flag("--no-uncategorised")) options.AllOther = false;
    return options;
}

}  // namespace qm::cli
