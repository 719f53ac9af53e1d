// Fuzz target: the grid text reader of fill-grid, and the engine for any grid on every grid it accepts.
// Any bytes either give a checked grid or fail with a message; an accepted grid has consistent slots,
// reads back the same from its own text, and a short fill from a small word list either fills it with
// valid words or ends with a verdict.
#include "core/anyfill/any_fill.h"
#include "core/util/failure.h"
#include "core/words/dictionary.h"
#include "core/words/imported_list.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <set>
#include <string_view>

namespace {

/// Every word of three to five letters over A, B and C, selected.
const qm::Dictionary& Words()
{
    static const qm::Dictionary dict = [] {
        std::array<std::vector<qm::DictWord>, qm::MaxWordLength + 1> words;
        for (int L = 3; L <= 5; ++L) {
            int total = 1;
            for (int k = 0; k < L; ++k) total *= 3;
            for (int i = 0; i < total; ++i) {
                qm::DictWord w;
                for (int k = 0, v = i; k < L; ++k, v /= 3) w.Text += static_cast<char>('A' + v % 3);
                std::reverse(w.Text.begin(), w.Text.end());
                w.Rarity = static_cast<std::uint16_t>(1 + i % 20);
                words[static_cast<std::size_t>(L)].push_back(w);
            }
        }
        qm::Dictionary d;
        qm::LoadDictionary(d, qm::WriteDictionary(words));
        for (auto& list : d.MainWordArray)
            for (auto& w : list) w.Selected = !w.Text.empty() && w.Text[0] != ' ';
        return d;
    }();
    return dict;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    qm::GridCheckOptions options;
    options.AllowUnchecked = size % 2 == 1;
    std::unique_ptr<qm::AnyGrid> grid;
    try {
        grid = std::make_unique<qm::AnyGrid>(qm::ReadGridText(text, options));
    } catch (const qm::Failure&) {
        return 0;
    }
    const qm::Crossword& xw = grid->Xw;
    const int n = xw.GridSize;
    if (n < qm::MinAnyGridSize || n > qm::MaxAnyGridSize || xw.WordSlotCount < 1 || xw.WordSlotCount > qm::MaxWordSlots) std::abort();
    for (int i = 1; i <= xw.WordSlotCount; ++i) {
        const qm::WordSlot& s = xw.Slot(i);
        if (s.NumLett < qm::MinAnyWordLength || s.NumLett > qm::MaxAnyWordLength || s.Clue < 1) std::abort();
        if (i > 1 && xw.Slot(i - 1).RCTxt.view() > s.RCTxt.view()) std::abort();
        if (!xw.Squares.Inside(s.Dir ? s.Col + s.NumLett - 1 : s.Col, s.Dir ? s.Row : s.Row + s.NumLett - 1)) std::abort();
    }
    // Its own text reads back as the same grid.
    const std::string again = qm::GridTextOf(xw.Squares);
    const qm::AnyGrid reread = qm::ReadGridText(again, options);
    if (qm::GridTextOf(reread.Xw.Squares) != again || reread.Xw.WordSlotCount != xw.WordSlotCount) std::abort();

    // A short fill: any fill it makes agrees with the squares and uses a word once.
    const qm::ImportedList none;
    const qm::FillWords words(Words(), none, qm::FillSourceKind::Dictionary, qm::LengthsOf(xw));
    qm::Lcg random(qm::SimulatedSeedClock(static_cast<std::uint32_t>(size)));
    qm::AnyFillRequest request;
    request.TimeLimitSeconds = 0.02;
    qm::AnyFillResult result;
    try {
        result = qm::RunAnyFill(*grid, words, request, random);
    } catch (const qm::Failure&) {
        return 0;  // the same word placed whole twice
    }
    for (const qm::AnyFill& fill : result.Fills) {
        const qm::Crossword filled = qm::FilledCrossword(*grid, fill, Words(), none, std::vector<std::string>(1));
        std::set<std::string> used;
        for (int i = 1; i <= filled.WordSlotCount; ++i) {
            const qm::WordSlot& s = filled.Slot(i);
            if (!used.insert(s.WordTxt.str()).second) std::abort();
            for (int k = 1; k <= s.NumLett; ++k) {
                const char c = s.Dir ? filled.Squares(s.Col + k - 1, s.Row).Letter : filled.Squares(s.Col, s.Row + k - 1).Letter;
                if (c != s.WordTxt[static_cast<std::size_t>(k - 1)]) std::abort();
            }
        }
    }
    if (result.Fills.empty() && result.Message.empty()) std::abort();
    return 0;
}
