// quillmere-wordlst: turns a table of words (words.tsv) into the binary dictionary file WORD.LST.
//
// Input: one word per line, TEXT<TAB>Rarity<TAB>WordType<TAB>WordBreaks<TAB>CategPattern<TAB>ClueIndex,
// TEXT being 3..20 letters A..Z. The words are grouped by length and sorted alphabetically.
#include "core/util/failure.h"
#include "core/util/file_io.h"
#include "core/util/text.h"
#include "core/words/dictionary.h"

#include <algorithm>
#include <cstdint>
#include <iostream>
#include <string>

namespace {

std::uint32_t Field(const std::string& text, std::uint32_t max, std::size_t line, const char* name)
{
    std::int32_t v = 0;
    if (!qm::TryParseInt(text, v) || v < 0 || static_cast<std::uint32_t>(v) > max)
        throw qm::Failure("line " + std::to_string(line) + ": bad " + name + " \"" + text + "\"");
    return static_cast<std::uint32_t>(v);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: quillmere-wordlst WORDS.TSV WORD.LST\n";
        return 2;
    }
    try {
        std::string table;
        if (!qm::ReadWholeFile(argv[1], table)) throw qm::Failure(std::string("cannot read ") + argv[1]);
        std::array<std::vector<qm::DictWord>, qm::MaxWordLength + 1> words;
        std::size_t lineNo = 0;
        for (const std::string& line : qm::Split(table, "\n")) {
            ++lineNo;
            if (line.empty()) continue;
            const auto f = qm::Split(line, "\t");
            if (f.size() != 6) throw qm::Failure("line " + std::to_string(lineNo) + ": expected 6 fields");
            qm::DictWord w;
            w.Text = f[0];
            const auto len = w.Text.size();
            if (len < qm::MinWordLength || len > qm::MaxWordLength ||
                w.Text.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ") != std::string::npos)
                throw qm::Failure("line " + std::to_string(lineNo) + ": \"" + w.Text + "\" is not 3..20 letters A..Z");
            w.Rarity = static_cast<std::uint16_t>(Field(f[1], 0xFFFF, lineNo, "rarity"));
            w.WordType = static_cast<std::uint8_t>(Field(f[2], 0xFF, lineNo, "word type"));
            w.WordBreaks = Field(f[3], 0x7FFFFFFF, lineNo, "word breaks");
            w.CategPattern = static_cast<std::uint16_t>(Field(f[4], 300, lineNo, "category pattern"));
            w.ClueIndex = static_cast<std::uint16_t>(Field(f[5], 0xFFFF, lineNo, "clue index"));
            words[len].push_back(std::move(w));
        }
        for (auto& list : words) {
            std::stable_sort(list.begin(), list.end(), [](const auto& a, const auto& b) { return a.Text < b.Text; });
            for (std::size_t i = 1; i < list.size(); ++i)
                if (list[i].Text == list[i - 1].Text) throw qm::Failure("\"" + list[i].Text + "\" is listed twice");
        }
        qm::WriteFileSafely(argv[2], qm::WriteDictionary(words));
    } catch (const std::exception& e) {
        std::cerr << "quillmere-wordlst: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
