// Fixtures of the freeform tests: word lists, hand-built fills and grids, and the placement rule check.
#pragma once

#include "core/freeform/placement.h"
#include "core/util/lcg.h"
#include "core/words/import.h"
#include "tests/support/fixtures.h"

#include <set>
#include <string>
#include <vector>

namespace qm::test {

/// An imported list made of lines (as a file gives them), indexed, with its tight interlocks.
inline ImportedList ListOf(const std::vector<std::string>& lines)
{
    ImportedList list;
    for (const auto& line : lines) ParseImportLine(list, line);
    BuildThemeIndex(list);
    BuildTightInterlocks(list, false);
    return list;
}

/// count distinct made-up words of 2..maxLength letters with English-like letter frequencies.
inline std::vector<std::string> MadeUpWords(int count, std::uint32_t seed, int maxLength = 11)
{
    static const std::string letters =
        "EEEEEEEEEEEETTTTTTTTTAAAAAAAAOOOOOOOIIIIIIINNNNNNNSSSSSSRRRRRRHHHHHLLLLDDDDCCCUUUMMMFFPPGGWWYYBVKXJQZ";
    Lcg random;
    random.SetSeed(seed);
    std::set<std::string> seen;
    std::vector<std::string> words;
    while (static_cast<int>(words.size()) < count) {
        const int length = 2 + random.Random(maxLength - 1);
        std::string w;
        for (int i = 0; i < length; ++i) w += letters[static_cast<std::size_t>(random.Random(static_cast<int>(letters.size())))];
        if (seen.insert(w).second) words.push_back(w);
    }
    return words;
}

/// Puts a word into the slots and the grid as the engine writes it (word ends blocked).
inline int Place(Crossword& xw, int row, int col, bool across, const std::string& word)
{
    const int k = AddSlot(xw, row, col, across, word);
    xw.Slot(k).FromDict = false;
    if (across)
        WriteFreeAcross(xw.Squares, col, row, word);
    else
        WriteFreeDown(xw.Squares, col, row, word);
    return k;
}

/// A grid from rows of text: '.' open, '#' blocked, letters.
inline Grid GridFromRows(const std::vector<std::string>& rows)
{
    Grid g(static_cast<int>(rows.size()));
    for (int r = 1; r <= g.Size(); ++r)
        for (int c = 1; c <= g.Size(); ++c) {
            const char ch = rows[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c - 1)];
            g(c, r).Letter = ch == '.' ? ' ' : ch;
        }
    return g;
}

/// What breaks the freeform placement rules in a fill: every run of two or more letters in a row
/// (column) must be exactly one across (down) word, every word must match the grid and have no
/// letter just before or after it, and when there are several words every word must cross another.
inline std::vector<std::string> PlacementRuleBreaches(const Crossword& xw)
{
    std::vector<std::string> breaches;
    const Grid& g = xw.Squares;
    const int n = g.Size();
    const auto letter = [&](int c, int r) { return g.Inside(c, r) && g(c, r).Letter >= 'A' && g(c, r).Letter <= 'Z'; };
    std::vector<std::vector<int>> cover(static_cast<std::size_t>(n + 2), std::vector<int>(static_cast<std::size_t>(n + 2), 0));
    for (int k = 1; k <= xw.WordSlotCount; ++k) {
        const WordSlot& s = xw.Slot(k);
        const int len = static_cast<int>(s.WordTxt.size());
        const int dc = s.Dir ? 1 : 0;
        const int dr = s.Dir ? 0 : 1;
        for (int i = 0; i < len; ++i) {
            const int c = s.Col + i * dc, r = s.Row + i * dr;
            if (!g.Inside(c, r) || g(c, r).Letter != s.WordTxt[static_cast<std::size_t>(i)])
                breaches.push_back("word " + s.WordTxt.str() + " does not match the grid");
            else
                ++cover[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)];
        }
        if (letter(s.Col - dc, s.Row - dr) || letter(s.Col + len * dc, s.Row + len * dr))
            breaches.push_back("word " + s.WordTxt.str() + " touches another end to end");
        if (xw.WordSlotCount > 1) {
            int crossings = 0;
            for (int i = 0; i < len; ++i) {
                const int c = s.Col + i * dc, r = s.Row + i * dr;
                crossings += letter(c - dr, r - dc) || letter(c + dr, r + dc);
            }
            if (crossings == 0) breaches.push_back("word " + s.WordTxt.str() + " crosses nothing");
        }
    }
    for (int pass = 0; pass < 2; ++pass) {
        const bool across = pass == 0;
        for (int line = 1; line <= n; ++line)
            for (int i = 1; i <= n; ++i) {
                const int c = across ? i : line, r = across ? line : i;
                const int pc = across ? i - 1 : line, pr = across ? line : i - 1;
                if (!letter(c, r) || letter(pc, pr)) continue;
                int len = 0;
                while (letter(across ? i + len : line, across ? line : i + len)) ++len;
                if (len < 2) continue;
                int words = 0;
                for (int k = 1; k <= xw.WordSlotCount; ++k) {
                    const WordSlot& s = xw.Slot(k);
                    if (s.Dir == across && s.Col == c && s.Row == r && static_cast<int>(s.WordTxt.size()) == len) ++words;
                }
                if (words != 1)
                    breaches.push_back(std::string(across ? "row " : "column ") + std::to_string(line) +
                                       ": letters side by side that are not one word");
            }
    }
    for (int c = 1; c <= n; ++c)
        for (int r = 1; r <= n; ++r)
            if (letter(c, r) && cover[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)] == 0)
                breaches.push_back("a letter of no word");
    return breaches;
}

}  // namespace qm::test
