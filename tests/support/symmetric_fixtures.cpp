// Fixtures for the stock grid and symmetrical fill tests.
#include "tests/support/symmetric_fixtures.h"

#include "core/util/file_io.h"
#include "core/util/lcg.h"
#include "tests/support/fixtures.h"

#include <set>
#include <stdexcept>

namespace qm::test {

std::unique_ptr<Crossword> CrosswordFromRows(const std::vector<std::string>& rows)
{
    auto xw = std::make_unique<Crossword>();
    xw->GridSize = static_cast<int>(rows.size());
    InitGrid(*xw);
    for (int r = 1; r <= xw->GridSize; ++r)
        for (int c = 1; c <= xw->GridSize; ++c)
            xw->Squares(c, r).Letter = rows[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c - 1)] == '#' ? '#' : ' ';
    return xw;
}

StockGrid StockGridFromRows(const std::vector<std::string>& rows)
{
    StockGrid g;
    g.Size = static_cast<int>(rows.size());
    g.WhiteCount = 0;
    for (int r = 1; r <= g.Size; ++r)
        for (int c = 1; c <= g.Size; ++c) {
            const bool blocked = rows[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c - 1)] == '#';
            g.WhiteCount += !blocked;
            if (blocked && r <= (g.Size + 1) / 2) g.RowMasks[static_cast<std::size_t>(r - 1)] |= 1 << c;
        }
    return g;
}

std::string CommittedStockGrids()
{
    std::string bytes;
    if (!ReadWholeFile(std::string(QUILLMERE_SOURCE_DIR) + "/resources/GRIDSRES", bytes))
        throw std::runtime_error("resources/GRIDSRES is missing");
    return bytes;
}

std::vector<DictWord> SmallAlphabetWords(int letters, int perLength, int maxLength, std::uint32_t seed)
{
    Lcg rng;
    rng.SetSeed(seed);
    std::vector<DictWord> words;
    for (int L = MinWordLength; L <= maxLength; ++L) {
        std::set<std::string> texts;
        for (int tries = 0; static_cast<int>(texts.size()) < perLength && tries < perLength * 20; ++tries) {
            std::string t(static_cast<std::size_t>(L), 'A');
            for (char& ch : t) ch = static_cast<char>('A' + rng.Random(letters));
            texts.insert(t);
        }
        int clue = 1;
        for (const auto& t : texts) words.push_back(Word(t, 10, 2, 0, 0, static_cast<std::uint16_t>(clue++ % 50)));
    }
    return words;
}

std::unique_ptr<QuillmereState> FillState(const std::vector<DictWord>& words, std::uint32_t seed)
{
    auto state = std::make_unique<QuillmereState>();
    state->Dict = MakeDictionary(words);
    for (int k = 0; k <= CategoryCount; ++k) state->BitPatterns[static_cast<std::size_t>(k)] = std::int64_t{1} << k;
    BuildSelectionMasks(state->Selection, SelectionOptions{}, state->DictSelectionDirty);
    ApplySelection(state->Dict, state->BitPatterns, state->Selection, state->DictSelectionDirty);
    std::size_t clues = 1;
    for (const auto& w : words) clues = std::max<std::size_t>(clues, static_cast<std::size_t>(w.ClueIndex) + 1);
    state->Clues = ClueList(clues);
    for (std::size_t i = 1; i < clues; ++i) state->Clues[i] = "Clue " + std::to_string(i);
    state->FillSource = FillSourceKind::Dictionary;
    state->Random.SetClock(SimulatedSeedClock(seed));
    return state;
}

}  // namespace qm::test
