// quillmere-cli dictionary: loads WORD.LST and prints, per length, the word count and the letter index.
#include "cli/cli.h"

#include "core/util/text.h"

#include <ostream>

namespace qm::cli {
namespace {

int Run(Context& ctx)
{
    ctx.Positionals(0, 0);
    ctx.LoadDictionary();
    const Dictionary& d = ctx.state.Dict;
    std::int64_t total = 0;
    for (int L = MinWordLength; L <= MaxWordLength; ++L) {
        ctx.out << Format("%2d letters: %5d words", L, d.Count(L));
        total += d.Count(L);
        for (int c = 0; c < 26; ++c) {
            const LetterRange& r = d.LetterStarts[static_cast<std::size_t>(L)][static_cast<std::size_t>(c)];
            if (r.First != 0 || r.Last != 0) ctx.out << Format("  %c %d-%d", 'A' + c, r.First, r.Last);
        }
        ctx.out << "\n";
    }
    ctx.out << "total " << total << " words\n";
    return 0;
}

const Registration reg{{"dictionary", "", "load WORD.LST; per length: the word count and the (First-Last) range of each initial letter", &Run}};

}  // namespace
}  // namespace qm::cli
