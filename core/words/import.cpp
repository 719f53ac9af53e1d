// Importing word lists: normalisation, line parsing, the three imports, the index and the tight interlocks.
#include "core/words/import.h"

#include "core/util/failure.h"
#include "core/util/file_io.h"
#include "core/util/index.h"
#include "core/util/text.h"
#include "core/words/word_breaks.h"

#include <algorithm>
#include <atomic>

namespace qm {

namespace {

bool IsLetter(char c) { return c >= 'A' && c <= 'Z'; }

std::uint64_t NextIndexVersion()
{
    static std::atomic<std::uint64_t> counter{0};
    return ++counter;
}

/// Replaces each occurrence of from by to in one left-to-right pass (what is put in is not looked at again).
std::string ReplaceOnePass(std::string_view text, std::string_view from, std::string_view to)
{
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        if (text.compare(i, from.size(), from) == 0) {
            out += to;
            i += from.size();
        } else {
            out += text[i++];
        }
    }
    return out;
}

/// A new, empty list that keeps the freeform settings of the old one.
ImportedList EmptyListLike(const ImportedList& old)
{
    ImportedList fresh;
    fresh.OptimalWordLength = old.OptimalWordLength;
    fresh.LengthVariation = old.LengthVariation;
    ClearImportedList(fresh);
    return fresh;
}

void AppendEntry(ImportedList& list, std::string word, std::string clue)
{
    list.ThemeWords.push_back(std::move(word));
    list.ThemeClues.push_back(std::move(clue));
    list.ThemeWordCount = static_cast<std::int32_t>(list.ThemeWords.size());
}

}  // namespace

std::string TruncationMessage() { return "Theme word list truncated at " + std::to_string(MaxImportedLines) + " words"; }

const std::array<ThemeCategory, 4> ThemeCategoryTable = {{
    {"Animals", 2},
    {"Archaeology", 3},
    {"Food", 23},
    {"Gardening", 24},
}};

std::optional<int> FindThemeCategory(std::string_view name)
{
    for (const auto& t : ThemeCategoryTable)
        if (CompareTextCI(t.Name, name) == 0) return t.Bit;
    return std::nullopt;
}

std::string NormaliseImportWord(std::string_view text)
{
    std::string s = UpperAscii(Trim(text));
    int letters = 0;
    for (char c : s) letters += IsLetter(c);
    if (letters < 2) return {};

    std::string cleaned;
    cleaned.reserve(s.size());
    for (char c : s) {
        if (c == '\'') continue;
        cleaned += (IsLetter(c) || c == ' ' || c == '-') ? c : ' ';
    }
    // One pass each, as the rules say: a run of four blanks becomes two.
    s = Trim(ReplaceOnePass(cleaned, "  ", " "));
    s = Trim(ReplaceOnePass(s, "- ", "-"));

    int blanks = 0;
    for (char c : s) blanks += c == ' ';
    s = s.substr(0, static_cast<std::size_t>(blanks) + NormalisedLetterChars);
    if (blanks >= MaxImportedBlanks) return {};
    return s;
}

void ParseImportLine(ImportedList& list, std::string_view line)
{
    const std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos) {
        std::string word = NormaliseImportWord(line).substr(0, MaxImportedWordChars);
        if (word.size() >= 2) AppendEntry(list, std::move(word), {});
        list.ThemeWordCount = static_cast<std::int32_t>(list.ThemeWords.size());
        return;
    }
    std::string word = NormaliseImportWord(line.substr(0, tab)).substr(0, MaxImportedWordChars);
    if (word.size() >= 2) {
        std::string clue;
        const std::size_t colon = line.find(':');
        if (colon != std::string_view::npos)
            clue = colon > tab ? Trim(line.substr(tab + 1, colon - tab - 1)) : std::string();
        else
            clue = Trim(line.substr(tab + 1, MaxImportedClueChars));
        AppendEntry(list, std::move(word), std::move(clue));
    }
    list.ThemeWordCount = static_cast<std::int32_t>(list.ThemeWords.size());
}

void ClearImportedList(ImportedList& list)
{
    list.ThemeWords.clear();
    list.ThemeClues.clear();
    list.ThemeWordCount = 0;
    list.ThemeIndex.assign(MinImportedLength + 1, {});
    list.MaxLen = 2;
    list.TightInterlocksList.clear();
    list.IndexVersion = NextIndexVersion();
}

IndexedWord IndexWord(std::string_view word)
{
    const std::string_view text = word.substr(0, MaxIndexedWordChars);
    IndexedWord out;
    std::uint32_t breaks = 0;
    unsigned part = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of(" -", start);
        if (end == std::string_view::npos) end = text.size();
        if (end > start) {
            const unsigned shift = 6 * part++;
            if (shift < 32) breaks |= static_cast<std::uint32_t>(end - start) << shift;
            out.Text.append(text.substr(start, end - start));
        }
        start = end + 1;
    }
    out.WordBreaks = static_cast<std::int32_t>(breaks);
    return out;
}

void BuildThemeIndex(ImportedList& list)
{
    std::vector<std::vector<ThemeEntry>> index(MaxImportedLength + 1);
    for (std::size_t i = 0; i < list.ThemeWords.size(); ++i) {
        IndexedWord w = IndexWord(list.ThemeWords[i]);
        const auto L = static_cast<int>(w.Text.size());
        if (L < MinImportedLength || L > MaxImportedLength) continue;
        ThemeEntry e;
        e.Text = std::move(w.Text);
        e.ThemeRef = static_cast<std::int32_t>(i);
        e.WordBreaks = w.WordBreaks;
        At(index, L).push_back(std::move(e));
    }
    int maxLen = MaxImportedLength;
    while (maxLen > MinImportedLength && At(index, maxLen).empty()) --maxLen;
    index.resize(static_cast<std::size_t>(maxLen) + 1);
    list.ThemeIndex = std::move(index);
    list.MaxLen = maxLen;
    list.IndexVersion = NextIndexVersion();
}

std::vector<std::string> BuildTightInterlocks(ImportedList& list, bool show)
{
    bool begins[26][26] = {};
    bool ends[26][26] = {};
    std::vector<std::string> firstPairs;
    std::vector<std::string> lastPairs;
    for (int L = 4; L <= list.MaxLen; ++L)
        for (const ThemeEntry& e : list.EntriesOf(L)) {
            const std::string& t = e.Text;
            if (t.size() < 4) continue;
            const char a = t[0], b = t[1], y = t[t.size() - 2], z = t[t.size() - 1];
            if (!IsLetter(a) || !IsLetter(b) || !IsLetter(y) || !IsLetter(z)) continue;
            begins[a - 'A'][b - 'A'] = true;
            ends[y - 'A'][z - 'A'] = true;
            if (show) {
                firstPairs.push_back({a, b});
                lastPairs.push_back({y, z});
            }
        }
    list.TightInterlocksList.clear();
    for (int x = 0; x < 26; ++x)
        for (int y = 0; y < 26; ++y) {
            std::string joins;
            for (int z = 0; z < 26; ++z)
                if (ends[y][z] && begins[z][x]) joins += static_cast<char>('A' + z);
            if (joins.size() >= 2)
                list.TightInterlocksList.push_back(std::string{static_cast<char>('A' + x), ':', static_cast<char>('A' + y), ':'} + joins);
        }
    std::vector<std::string> listing;
    if (show) {
        const std::string rule = "---------------";
        listing = std::move(firstPairs);
        listing.push_back(rule);
        listing.insert(listing.end(), lastPairs.begin(), lastPairs.end());
        listing.push_back(rule);
        listing.insert(listing.end(), list.TightInterlocksList.begin(), list.TightInterlocksList.end());
    }
    return listing;
}

ImportStatus MakeImportStatus(const ImportedList& list)
{
    ImportStatus status;
    status.WordsText = Format(" %s words", FormatHashThousands(list.ThemeWordCount).c_str());
    status.FreeFillsWordsText = Format(" %d words", list.ThemeWordCount);
    int minLen = 0;
    for (int L = MinImportedLength; L <= list.MaxLen; ++L)
        if (!list.EntriesOf(L).empty()) {
            minLen = L;
            break;
        }
    if (minLen > 0) {
        status.LengthsText = " word lengths: " + std::to_string(minLen) + " to " + std::to_string(list.MaxLen);
        status.EnableGeneration = minLen < list.MaxLen;
    }
    return status;
}

std::int32_t ParseLengthVariation(std::string_view text)
{
    std::int32_t value = 0;
    if (!TryParseInt(Trim(text), value)) return 200;
    return std::clamp(value, 0, 500);
}

// ---- Text decoding ------------------------------------------------------------------------------

namespace {

/// Windows-1252 characters 0x80..0x9F; 0 where the code page leaves the byte undefined.
constexpr char32_t Cp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178,
};

char ToWindows1252(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    for (int i = 0; i < 32; ++i)
        if (Cp1252High[i] == cp) return static_cast<char>(0x80 + i);
    return '?';
}

/// Decodes one UTF-8 sequence at i; false when the bytes there are not valid UTF-8.
bool NextUtf8(std::string_view s, std::size_t& i, char32_t& cp)
{
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80) {
        cp = b0;
        ++i;
        return true;
    }
    int extra = 0;
    char32_t min = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        extra = 1;
        cp = b0 & 0x1Fu;
        min = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        extra = 2;
        cp = b0 & 0x0Fu;
        min = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        extra = 3;
        cp = b0 & 0x07u;
        min = 0x10000;
    } else {
        return false;
    }
    if (i + static_cast<std::size_t>(extra) >= s.size()) return false;
    for (int k = 1; k <= extra; ++k) {
        const auto b = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
        if ((b & 0xC0u) != 0x80u) return false;
        cp = (cp << 6) | (b & 0x3Fu);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += static_cast<std::size_t>(extra) + 1;
    return true;
}

bool IsValidUtf8(std::string_view s)
{
    std::size_t i = 0;
    char32_t cp = 0;
    while (i < s.size())
        if (!NextUtf8(s, i, cp)) return false;
    return true;
}

/// Control characters that a text file may hold: TAB, line ends, form feeds and the old end-of-file mark.
bool IsTextControl(unsigned char c) { return c == 0x09 || c == 0x0A || c == 0x0B || c == 0x0C || c == 0x0D || c == 0x1A; }

}  // namespace

std::string Utf8ToWindows1252(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        char32_t cp = 0;
        if (!NextUtf8(utf8, i, cp)) {
            out += '?';
            ++i;
            continue;
        }
        if (cp == 0xFEFF) continue;  // a byte-order mark carries no character
        out += ToWindows1252(cp);
    }
    return out;
}

std::string Windows1252ToUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        char32_t cp = byte;
        if (byte >= 0x80 && byte <= 0x9F) cp = Cp1252High[byte - 0x80] != 0 ? Cp1252High[byte - 0x80] : U'?';
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

std::string DecodeImportText(std::string_view bytes, std::string_view what)
{
    const std::string name(what);
    if (bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF")
        throw Failure(name + " is UTF-16 text, which cannot be imported; save it as UTF-8 or ANSI text");
    if (bytes.find('\0') != std::string_view::npos) throw Failure(name + " is not a text file (it contains NUL bytes)");
    const bool bom = bytes.substr(0, 3) == "\xEF\xBB\xBF";
    if (bom) bytes.remove_prefix(3);
    for (char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if ((u < 0x20 && !IsTextControl(u)) || u == 0x7F)
            throw Failure(name + " is not a text file (it contains the control character " + std::to_string(u) + ")");
    }
    if (IsValidUtf8(bytes)) {
        bool ascii = true;
        for (char c : bytes) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
        return ascii ? std::string(bytes) : Utf8ToWindows1252(bytes);
    }
    if (bom) throw Failure(name + " is not valid UTF-8 text");
    for (char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x80 && u <= 0x9F && Cp1252High[u - 0x80] == 0)
            throw Failure(name + " is neither UTF-8 nor Windows-1252 text (it contains the byte " + std::to_string(u) + ")");
    }
    return std::string(bytes);
}

// ---- The imports ---------------------------------------------------------------------------------

ImportOutcome ImportWordListBytes(ImportedList& list, std::string_view bytes, std::string_view name,
                                  FillSourceKind source, int gridSize)
{
    const std::string text = DecodeImportText(bytes, name);
    ImportedList fresh = EmptyListLike(list);
    ImportOutcome outcome;

    std::size_t pos = 0;
    int lines = 0;
    while (pos < text.size()) {
        if (lines == MaxImportedLines) {
            outcome.Message = TruncationMessage();
            break;
        }
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string::npos) end = text.size();
        ParseImportLine(fresh, Trim(std::string_view(text).substr(pos, end - pos)));
        ++lines;
        // A line ends at CR LF, LF or CR alone.
        pos = end + 1;
        if (end < text.size() && text[end] == '\r' && pos < text.size() && text[pos] == '\n') ++pos;
    }
    BuildThemeIndex(fresh);

    if (source == FillSourceKind::Freeform) {
        BuildTightInterlocks(fresh, false);
        outcome.Status = MakeImportStatus(fresh);
    } else if (!fresh.Empty()) {
        outcome.Status = MakeImportStatus(fresh);
        fresh.OptimalWordLength = static_cast<std::int32_t>(RoundHalfEven(0.6 * gridSize));
        fresh.LengthVariation = 400;
        outcome.SettingsReset = true;
    }
    list = std::move(fresh);
    return outcome;
}

ImportOutcome ImportWordListFile(ImportedList& list, const std::string& path, FillSourceKind source, int gridSize)
{
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) throw Failure("The file \"" + path + "\" cannot be read");
    return ImportWordListBytes(list, bytes, "The file \"" + FileNameOf(path) + "\"", source, gridSize);
}

ImportOutcome ImportClipboardText(ImportedList& list, const std::optional<std::string>& text)
{
    ClearImportedList(list);
    ImportOutcome outcome;
    if (!text) {
        outcome.Message = NoClipboardDataMessage;
        return outcome;
    }
    const std::string_view all(*text);
    std::size_t start = 0;
    int pieces = 0;
    while (true) {
        const std::size_t end = all.find("\r\n", start);
        if (end == std::string_view::npos) break;
        if (++pieces <= MaxImportedLines) ParseImportLine(list, Trim(all.substr(start, end - start)));
        start = end + 2;
    }
    const std::string_view tail = all.substr(start, MaxClipboardTailChars);
    if (!tail.empty()) ParseImportLine(list, Trim(tail));
    BuildThemeIndex(list);
    BuildTightInterlocks(list, false);
    outcome.Status = MakeImportStatus(list);
    return outcome;
}

ImportOutcome ImportTheme(ImportedList& list, int categoryBit, const Dictionary& dict, const WordBitPatterns& patterns,
                          const ClueList& clues)
{
    Check(categoryBit >= 0 && categoryBit < 64, "There is no category bit " + std::to_string(categoryBit));
    const std::int64_t mask = static_cast<std::int64_t>(std::uint64_t{1} << categoryBit);
    std::vector<std::string> lines;
    for (int L = MinWordLength; L <= MaxWordLength; ++L)
        for (int i = 1; i <= dict.Count(L); ++i) {
            const DictWord& w = dict.Word(L, i);
            Check(w.CategPattern < MaxBitPatterns, RangeError);
            if ((patterns[w.CategPattern] & mask) == 0) continue;
            std::string line = DecodeWordBreaks(w.Text, w.WordBreaks).DisplayTxt;
            line += '\t';
            if (w.ClueIndex != 0) line += ClueLine(clues, w.ClueIndex);
            lines.push_back(std::move(line));
        }
    SortTextsCI(lines);

    ImportedList fresh = EmptyListLike(list);
    for (const std::string& line : lines) {
        const std::size_t tab = line.find('\t');
        AppendEntry(fresh, line.substr(0, tab), line.substr(tab + 1, MaxImportedClueChars));
    }
    BuildThemeIndex(fresh);
    BuildTightInterlocks(fresh, false);
    ImportOutcome outcome;
    outcome.Status = MakeImportStatus(fresh);
    list = std::move(fresh);
    return outcome;
}

}  // namespace qm
