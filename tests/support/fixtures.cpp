// Test fixtures: temporary folders, dictionaries from word lists, hand-built crosswords.
#include "tests/support/fixtures.h"

#include <algorithm>
#include <atomic>
#include <fstream>
#include <unistd.h>

namespace qm::test {

TempDir::TempDir()
{
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            ("quillmere-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

DictWord Word(const std::string& text, std::uint16_t rarity, std::uint8_t type, std::uint32_t breaks, std::uint16_t categ,
              std::uint16_t clue)
{
    DictWord w;
    w.Text = text;
    w.Rarity = rarity;
    w.WordType = type;
    w.WordBreaks = breaks ? breaks : static_cast<std::uint32_t>(text.size());
    w.CategPattern = categ;
    w.ClueIndex = clue;
    return w;
}

std::array<std::vector<DictWord>, MaxWordLength + 1> ByLength(const std::vector<DictWord>& words)
{
    std::array<std::vector<DictWord>, MaxWordLength + 1> out;
    for (const auto& w : words) out[w.Text.size()].push_back(w);
    for (auto& list : out)
        std::stable_sort(list.begin(), list.end(), [](const auto& a, const auto& b) { return a.Text < b.Text; });
    return out;
}

std::string DictionaryBytes(const std::vector<DictWord>& words) { return WriteDictionary(ByLength(words)); }

Dictionary MakeDictionary(const std::vector<DictWord>& words)
{
    Dictionary d;
    LoadDictionary(d, DictionaryBytes(words));
    return d;
}

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

int AddSlot(Crossword& xw, int row, int col, bool across, const std::string& word)
{
    const int k = ++xw.WordSlotCount;
    WordSlot& s = xw.Slot(k);
    s = WordSlot{};
    s.Row = row;
    s.Col = col;
    s.Dir = across;
    s.RCTxt = MakeRCTxt(row, col);
    s.NumLett = static_cast<int>(word.size());
    s.WordTxt = word;
    s.DisplayTxt = word;
    s.EnumTxt = std::to_string(word.size());
    return k;
}

std::vector<std::string> GridRows(const Grid& grid)
{
    std::vector<std::string> rows;
    for (int r = 1; r <= grid.Size(); ++r) {
        std::string line;
        for (int c = 1; c <= grid.Size(); ++c) line += grid(c, r).Letter;
        rows.push_back(line);
    }
    return rows;
}

}  // namespace qm::test
