// Reading and writing the binary dictionary file WORD.LST.
#include "core/words/dictionary.h"

#include "core/util/failure.h"
#include "core/util/file_io.h"
#include "core/util/index.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <filesystem>

namespace qm {

std::int32_t Dictionary::Count(int length) const
{
    if (length < MinWordLength || length > MaxWordLength) return 0;
    return At(WordCounts, length).DictCount;
}

std::vector<DictWord>& Dictionary::WordsOf(int length) { return At(MainWordArray, length); }
const std::vector<DictWord>& Dictionary::WordsOf(int length) const { return At(MainWordArray, length); }
DictWord& Dictionary::Word(int length, int i) { return At(WordsOf(length), i); }
const DictWord& Dictionary::Word(int length, int i) const { return At(WordsOf(length), i); }

LetterRange Dictionary::StartsOf(int length, char initial) const
{
    if (initial < 'A' || initial > 'Z' || length < 0 || length > MaxWordLength) return {};
    return At(At(LetterStarts, length), initial - 'A');
}

namespace {

class ByteReader {
public:
    explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

    void Need(std::size_t n) const
    {
        if (bytes_.size() - pos_ < n) throw Failure("Read beyond end of file");
    }
    std::uint32_t U(std::size_t n)
    {
        Need(n);
        std::uint32_t v = 0;
        for (std::size_t i = 0; i < n; ++i)
            v |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes_[pos_ + i])) << (8 * i);
        pos_ += n;
        return v;
    }
    std::string_view Take(std::size_t n)
    {
        Need(n);
        auto out = bytes_.substr(pos_, n);
        pos_ += n;
        return out;
    }

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

bool IsLetter(char c) { return c >= 'A' && c <= 'Z'; }

void PutU(std::string& out, std::uint32_t v, std::size_t n)
{
    for (std::size_t i = 0; i < n; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFFu);
}

}  // namespace

void LoadDictionary(Dictionary& dict, std::string_view bytes)
{
    Dictionary loaded;
    ByteReader in(bytes);
    for (int L = MinWordLength; L <= MaxWordLength; ++L) {
        const auto count = static_cast<std::int32_t>(in.U(4));
        if (count > MaxWordsPerLength)
            throw Failure("word number (" + std::to_string(count) + ") exceeds array dimensions for wlen=" + std::to_string(L));
        if (count < 0)
            throw Failure("WORD.LST is damaged: the word count of length " + std::to_string(L) + " is negative (" +
                          std::to_string(count) + ")");
        // A truncated file is reported before anything is allocated for it.
        in.Need(static_cast<std::size_t>(count) * static_cast<std::size_t>(L + 12));
        loaded.WordCounts[L].DictCount = count;
        auto& words = loaded.MainWordArray[L];
        words.resize(static_cast<std::size_t>(count) + 2);
        words.back().Text.assign(static_cast<std::size_t>(L), ' ');
        auto& starts = loaded.LetterStarts[L];
        char current = ' ';
        for (std::int32_t i = 1; i <= count; ++i) {
            DictWord& w = At(words, i);
            const auto stored = in.U(1);
            w.Text = std::string(in.Take(static_cast<std::size_t>(L)));
            w.Rarity = static_cast<std::uint16_t>(in.U(2));
            w.WordType = static_cast<std::uint8_t>(in.U(1));
            w.WordBreaks = in.U(4);
            w.CategPattern = static_cast<std::uint16_t>(in.U(2));
            w.ClueIndex = static_cast<std::uint16_t>(in.U(2));
            const char initial = w.Text[0];
            if (initial != current) {
                if (!IsLetter(initial)) throw Failure("Assertion failure");
                if (i > 1) starts[current - 'A'].Last = i - 1;
                current = initial;
                starts[current - 'A'].First = i;
            }
            // The grid reserves blanks and '#', so a word of anything but letters would corrupt it.
            if (stored != static_cast<std::uint32_t>(L) || w.Text.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ") != std::string::npos)
                throw Failure("WORD.LST is damaged: word " + std::to_string(i) + " of length " + std::to_string(L) +
                              " is not " + std::to_string(L) + " letters A..Z");
        }
        if (count > 0) starts[current - 'A'].Last = count;
    }
    // Selected counts and imported counts belong to other stores and survive a reload.
    for (int L = 0; L <= 30; ++L) {
        loaded.WordCounts[L].SelectedCount = dict.WordCounts[L].SelectedCount;
        if (L < MinWordLength || L > MaxWordLength) loaded.WordCounts[L].ImportedCount = dict.WordCounts[L].ImportedCount;
    }
    loaded.Version = NewDictionaryVersion();
    dict = std::move(loaded);
}

std::uint64_t NewDictionaryVersion()
{
    static std::atomic<std::uint64_t> counter{0};
    return ++counter;
}

void LoadDictionaryFile(Dictionary& dict, const std::string& path)
{
    const MappedFile file(path);
    if (!file.Ok()) throw Failure("File not found\n\n" + path);
    LoadDictionary(dict, file.Bytes());
}

std::vector<std::string> StandardDictionaryFolders(const std::string& workingFolder, const std::string& programFolder)
{
    std::vector<std::string> folders{workingFolder, programFolder};
    if (!programFolder.empty())
        folders.push_back((std::filesystem::path(programFolder) / InstalledDataFolder).lexically_normal().string());
    return folders;
}

std::string LoadDictionaryFromDirs(Dictionary& dict, const std::vector<std::string>& dirs)
{
    const auto path = LocateFile(DictionaryFileName, dirs);
    if (!path) {
        std::string searched;
        std::vector<std::string> named;
        for (const auto& d : dirs) {
            if (d.empty() || std::find(named.begin(), named.end(), d) != named.end()) continue;
            named.push_back(d);
            searched += "\n  " + d;
        }
        throw Failure(std::string("File not found\n\n") + DictionaryFileName + " was looked for in:" + searched);
    }
    LoadDictionaryFile(dict, *path);
    return *path;
}

std::string WriteDictionary(const std::array<std::vector<DictWord>, MaxWordLength + 1>& words)
{
    std::string out;
    for (int L = MinWordLength; L <= MaxWordLength; ++L) {
        const auto& list = At(words, L);
        if (list.size() > static_cast<std::size_t>(MaxWordsPerLength))
            throw Failure("word number (" + std::to_string(list.size()) + ") exceeds array dimensions for wlen=" + std::to_string(L));
        PutU(out, static_cast<std::uint32_t>(list.size()), 4);
        for (const DictWord& w : list) {
            if (w.Text.size() != static_cast<std::size_t>(L))
                throw Failure("The word \"" + w.Text + "\" is filed under length " + std::to_string(L));
            PutU(out, static_cast<std::uint32_t>(L), 1);
            out += w.Text;
            PutU(out, w.Rarity, 2);
            PutU(out, w.WordType, 1);
            PutU(out, w.WordBreaks, 4);
            PutU(out, w.CategPattern, 2);
            PutU(out, w.ClueIndex, 2);
        }
    }
    return out;
}

}  // namespace qm
