// quillmere-cli usage: runs freeform fills from a word list and prints one of the word usage tables.
#include "cli/cli.h"
#include "cli/freeform_options.h"

#include "core/stats/word_usage.h"

#include <ostream>
#include <string>

namespace qm::cli {
namespace {

int Run(Context& ctx)
{
    const auto table = ctx.Option("--table");
    UsageTableKind kind = UsageTableKind::Alphabetical;
    if (table == "alpha")
        kind = UsageTableKind::Alphabetical;
    else if (table == "ranked")
        kind = UsageTableKind::Ranked;
    else if (table == "grouped")
        kind = UsageTableKind::Grouped;
    else if (table == "summary")
        kind = UsageTableKind::Summary;
    else
        throw UsageError("--table is alpha, ranked, grouped or summary");
    RunFreeformCommand(ctx);
    const UsageTable t = BuildUsageTable(kind, ctx.state.Imported, ctx.state.Fills);
    ctx.out << "MaxUsage " << t.MaxUsage << "\n";
    for (const UsageRow& row : t.Rows) {
        ctx.out << row.Cell(0) << "\t" << row.Cell(1);
        if (kind == UsageTableKind::Summary) ctx.out << "\t" << row.Cell(3);
        ctx.out << "\n";
    }
    return 0;
}

const Registration reg{{"usage", std::string(FreeformRunUsage) + " --table alpha|ranked|grouped|summary",
                        "run freeform fills and print how often each word of the list was used", &Run}};

}  // namespace
}  // namespace qm::cli
