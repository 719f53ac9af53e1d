// Writing and reading .puz crossword files: the header and its checksums, the grids, the texts.
#include "core/files/puz_format.h"

#include "core/output/export_file.h"
#include "core/state.h"
#include "core/util/failure.h"
#include "core/util/text.h"

#include <array>
#include <optional>
#include <vector>

namespace qm {

namespace {

constexpr std::size_t ChecksumAt = 0x00;
constexpr std::size_t MagicAt = 0x02;
constexpr std::size_t CibChecksumAt = 0x0E;
constexpr std::size_t MaskedLowAt = 0x10;
constexpr std::size_t MaskedHighAt = 0x14;
constexpr std::size_t VersionAt = 0x18;
constexpr std::size_t WidthAt = 0x2C;
constexpr std::size_t HeightAt = 0x2D;
constexpr std::size_t ClueCountAt = 0x2E;
constexpr std::size_t BitmaskAt = 0x30;
constexpr std::size_t ScrambledTagAt = 0x32;
constexpr std::size_t CibLength = 8;
/// The masked checksums are XORed with these bytes, "ICHEATED".
constexpr std::string_view ChecksumMask = "ICHEATED";
constexpr char PuzBlock = '.';
constexpr char PuzEmpty = '-';

std::uint16_t Short(std::string_view bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) | (static_cast<unsigned char>(bytes[at + 1]) << 8));
}

void PutShort(std::string& bytes, std::size_t at, std::uint16_t value)
{
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>(value >> 8);
}

std::string Hex(std::uint16_t value) { return Format("0x%04X", value); }

std::string SquareName(int row, int col) { return "row " + std::to_string(row) + ", column " + std::to_string(col); }

/// Where the parts of a file lie; the texts without their NULs.
struct PuzParts {
    int Width = 0;
    int Height = 0;
    std::string_view Solution;
    std::string_view Player;
    std::string_view Title;
    std::string_view Author;
    std::string_view Copyright;
    std::vector<std::string_view> Clues;
    std::string_view Notes;
    std::size_t End = 0;  ///< offset after the NUL of the notes
    bool NotesInChecksum = true;
};

/// Finds the parts of a file from its header; on failure returns nullopt and says why in problem.
std::optional<PuzParts> LocateParts(std::string_view bytes, std::string& problem)
{
    if (bytes.size() < PuzHeaderSize) {
        problem = "it is " + std::to_string(bytes.size()) + " bytes long, shorter than the " + std::to_string(PuzHeaderSize) +
                  "-byte header of a .puz file";
        return std::nullopt;
    }
    PuzParts parts;
    parts.Width = static_cast<unsigned char>(bytes[WidthAt]);
    parts.Height = static_cast<unsigned char>(bytes[HeightAt]);
    const std::size_t squares = static_cast<std::size_t>(parts.Width) * static_cast<std::size_t>(parts.Height);
    if (bytes.size() < PuzHeaderSize + 2 * squares) {
        problem = "its sizes disagree with its length: a " + std::to_string(parts.Width) + " x " + std::to_string(parts.Height) +
                  " grid needs " + std::to_string(PuzHeaderSize + 2 * squares) + " bytes before its texts, but the file has " +
                  std::to_string(bytes.size());
        return std::nullopt;
    }
    parts.Solution = bytes.substr(PuzHeaderSize, squares);
    parts.Player = bytes.substr(PuzHeaderSize + squares, squares);
    std::size_t pos = PuzHeaderSize + 2 * squares;
    const int clueCount = Short(bytes, ClueCountAt);
    const auto next = [&](std::string_view& text, const std::string& what) {
        const std::size_t end = bytes.find('\0', pos);
        if (end == std::string_view::npos) {
            problem = "its sizes disagree with its length: the file ends within " + what;
            return false;
        }
        text = bytes.substr(pos, end - pos);
        pos = end + 1;
        return true;
    };
    if (!next(parts.Title, "its title") || !next(parts.Author, "its author") || !next(parts.Copyright, "its copyright line"))
        return std::nullopt;
    parts.Clues.resize(static_cast<std::size_t>(clueCount));
    for (int i = 0; i < clueCount; ++i)
        if (!next(parts.Clues[i],
                  "clue " + std::to_string(i + 1) + " of the " + std::to_string(clueCount) + " its header counts"))
            return std::nullopt;
    if (!next(parts.Notes, "its notes")) return std::nullopt;
    parts.End = pos;
    // Version 1.3 of the format added the notes to the checksums.
    const std::string_view version = bytes.substr(VersionAt, 3);
    parts.NotesInChecksum = !(version.size() == 3 && version[0] == '1' && version[1] == '.' && version[2] >= '0' && version[2] < '3');
    return parts;
}

/// The checksums a file's header should hold: the file's, the CIB's, and the eight masked bytes.
struct PuzChecksums {
    std::uint16_t File = 0;
    std::uint16_t Cib = 0;
    std::array<char, 8> Masked{};
};

std::uint16_t TextChecksum(const PuzParts& parts, std::uint16_t sum)
{
    const auto withNul = [&](std::string_view text) {
        if (!text.empty()) sum = PuzChecksum(std::string_view(text.data(), text.size() + 1), sum);
    };
    withNul(parts.Title);
    withNul(parts.Author);
    withNul(parts.Copyright);
    for (const std::string_view clue : parts.Clues) sum = PuzChecksum(clue, sum);
    if (parts.NotesInChecksum) withNul(parts.Notes);
    return sum;
}

PuzChecksums ComputeChecksums(std::string_view bytes, const PuzParts& parts)
{
    PuzChecksums sums;
    sums.Cib = PuzChecksum(bytes.substr(WidthAt, CibLength));
    std::uint16_t file = PuzChecksum(parts.Solution, sums.Cib);
    file = PuzChecksum(parts.Player, file);
    sums.File = TextChecksum(parts, file);
    const std::array<std::uint16_t, 4> four = {sums.Cib, PuzChecksum(parts.Solution), PuzChecksum(parts.Player), TextChecksum(parts, 0)};
    for (std::size_t i = 0; i < 4; ++i) {
        sums.Masked[i] = static_cast<char>(ChecksumMask[i] ^ (four[i] & 0xFF));
        sums.Masked[i + 4] = static_cast<char>(ChecksumMask[i + 4] ^ (four[i] >> 8));
    }
    return sums;
}

/// The plain form of the Windows-1252 characters 0x80..0x9F that Latin-1 lacks ("" where the code
/// page defines none).
constexpr std::array<const char*, 32> PlainForms = {
    "EUR", "",  ",", "f", "\"", "...", "+", "+", "^", "%", "S", "<", "OE", "", "Z", "",
    "",    "'", "'", "\"", "\"", "*", "-", "-", "~", "(TM)", "s", ">", "oe", "", "z", "Y",
};

/// A square's letter in a read grid: upper case, '#' for a block; nullopt for anything else.
std::optional<char> SquareLetter(char ch)
{
    if (ch == PuzBlock) return '#';
    if (ch >= 'a' && ch <= 'z') return static_cast<char>(ch - 'a' + 'A');
    if (ch >= 'A' && ch <= 'Z') return ch;
    return std::nullopt;
}

/// The extra sections after the notes: rebus squares are refused; circles, the solver's marks,
/// entries and timer and unknown sections are dropped with a notice.
void ReadExtraSections(std::string_view bytes, std::size_t pos, std::size_t squares, std::vector<std::string>& notices)
{
    while (bytes.size() - pos >= 8) {
        const std::string_view name = bytes.substr(pos, 4);
        bool named = true;
        for (const char ch : name) named = named && ch >= 'A' && ch <= 'Z';
        if (!named) break;
        const std::size_t length = Short(bytes, pos + 4);
        Check(bytes.size() - pos - 8 >= length + 1,
              [&] { return "its sizes disagree with its length: its extra section " + std::string(name) + " runs past the end of the file"; });
        const std::string_view data = bytes.substr(pos + 8, length);
        Check(PuzChecksum(data) == Short(bytes, pos + 6), [&] {
            return "the checksum of its extra section " + std::string(name) + " is wrong (" + Hex(Short(bytes, pos + 6)) +
                   " where its data give " + Hex(PuzChecksum(data)) + "); the file may be damaged";
        });
        if (name == "GRBS") {
            Check(length == squares, "its rebus section GRBS does not have one byte per square");
            for (std::size_t i = 0; i < length; ++i)
                Check(data[i] == 0, [&] {
                    return "it has rebus squares (several letters in one square, the first at " +
                           SquareName(static_cast<int>(i / static_cast<std::size_t>(bytes[WidthAt])) + 1,
                                      static_cast<int>(i % static_cast<std::size_t>(bytes[WidthAt])) + 1) +
                           "); a square of the crossword holds one letter";
                });
        } else if (name == "GEXT") {
            Check(length == squares, "its square flags section GEXT does not have one byte per square");
            for (const char flags : data) {
                if (static_cast<unsigned char>(flags) & 0x80) AddNotice(notices, "the circles were dropped");
                if (static_cast<unsigned char>(flags) & 0x70) AddNotice(notices, "the solver's marks were dropped");
            }
        } else if (name == "LTIM") {
            AddNotice(notices, "the solver's timer was dropped");
        } else if (name == "RUSR") {
            AddNotice(notices, "the solver's entries were dropped");
        } else if (name != "RTBL") {  // a rebus table without rebus squares holds nothing
            AddNotice(notices, "the extra section " + std::string(name) + " was dropped");
        }
        pos += 8 + length + 1;
    }
    if (pos < bytes.size()) AddNotice(notices, std::to_string(bytes.size() - pos) + " bytes after the last section were not read");
}

/// A clue's text, and its enumeration when it ends in one that fits the answer, such as " (3,5)".
ReadClue SplitClue(std::string_view text, std::string_view answer)
{
    ReadClue clue;
    clue.Clue = std::string(text);
    const std::size_t open = text.rfind(" (");
    if (text.empty() || text.back() != ')' || open == std::string_view::npos) return clue;
    const std::string_view inside = text.substr(open + 2, text.size() - open - 3);
    if (!ReadEnumeration(inside, answer)) return clue;
    clue.Clue = std::string(text.substr(0, open));
    clue.Enumeration = std::string(inside);
    return clue;
}

}  // namespace

std::uint16_t PuzChecksum(std::string_view bytes, std::uint16_t start)
{
    std::uint16_t sum = start;
    for (const char ch : bytes) {
        sum = static_cast<std::uint16_t>((sum & 1) ? (sum >> 1) + 0x8000 : sum >> 1);
        sum = static_cast<std::uint16_t>(sum + static_cast<unsigned char>(ch));
    }
    return sum;
}

std::string PuzText(std::string_view text, std::size_t limit)
{
    std::string out;
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte < 0x20)
            out += ' ';
        else if (byte >= 0x80 && byte <= 0x9F)
            out += *PlainForms[byte - 0x80] ? PlainForms[byte - 0x80] : "?";
        else
            out += ch;
    }
    if (out.size() > limit) out.resize(limit);
    return out;
}

std::string PuzFileBytes(const QuillmereState& state, const std::string& author)
{
    const InterchangeCrossword xw = InterchangeView(state, "a .puz");
    const int n = xw.Grid.Size;
    std::string bytes(PuzHeaderSize, '\0');
    bytes.replace(MagicAt, PuzMagic.size(), PuzMagic);
    bytes.replace(VersionAt, PuzVersion.size(), PuzVersion);
    bytes[WidthAt] = static_cast<char>(n);
    bytes[HeightAt] = static_cast<char>(n);
    PutShort(bytes, ClueCountAt, static_cast<std::uint16_t>(xw.Clues.size()));
    PutShort(bytes, BitmaskAt, 1);
    PutShort(bytes, ScrambledTagAt, 0);
    for (const char square : xw.Grid.Squares) bytes += square == '#' ? PuzBlock : square;
    for (const char square : xw.Grid.Squares) bytes += square == '#' ? PuzBlock : PuzEmpty;
    const auto text = [&](const std::string& t) { bytes += t + '\0'; };
    text(PuzText(xw.Title));
    text(PuzText(author));
    text("");  // copyright
    for (const InterchangeClue& c : xw.Clues) {
        const std::string enumeration = c.Enumeration.empty() ? "" : " (" + c.Enumeration + ")";
        text(PuzText(c.Clue, PuzMaxTextLength - enumeration.size()) + enumeration);
    }
    text("");  // notes
    const bool found = RecomputePuzChecksums(bytes);
    Check(found, RangeError);
    return bytes;
}

void WritePuzFile(const std::string& path, const QuillmereState& state, const std::string& author)
{
    WriteExportFile(path, PuzFileBytes(state, author));
}

bool RecomputePuzChecksums(std::string& bytes)
{
    std::string problem;
    const std::optional<PuzParts> parts = LocateParts(bytes, problem);
    if (!parts) return false;
    const PuzChecksums sums = ComputeChecksums(bytes, *parts);
    PutShort(bytes, ChecksumAt, sums.File);
    PutShort(bytes, CibChecksumAt, sums.Cib);
    for (std::size_t i = 0; i < 8; ++i) bytes[MaskedLowAt + i] = sums.Masked[i];
    // The extra sections after the notes carry a checksum each.
    std::size_t pos = parts->End;
    while (bytes.size() - pos >= 8) {
        const std::size_t length = Short(bytes, pos + 4);
        if (bytes.size() - pos - 8 < length + 1) break;  // the data and its NUL must be there
        PutShort(bytes, pos + 6, PuzChecksum(std::string_view(bytes).substr(pos + 8, length)));
        pos += 8 + length + 1;
    }
    return true;
}

XwdContents ParsePuz(std::string_view bytes)
{
    Check(bytes.size() >= PuzHeaderSize, [&] {
        return "it is " + std::to_string(bytes.size()) + " bytes long, shorter than the " + std::to_string(PuzHeaderSize) +
               "-byte header of a .puz file";
    });
    Check(bytes.substr(MagicAt, PuzMagic.size()) == PuzMagic, "it lacks the mark \"ACROSS&DOWN\" at offset 2, so it is not a .puz file");
    Check(Short(bytes, ScrambledTagAt) == 0, "its solution is scrambled (locked); it needs unscrambling first, in a program that has its key");
    const int width = static_cast<unsigned char>(bytes[WidthAt]);
    const int height = static_cast<unsigned char>(bytes[HeightAt]);
    CheckInterchangeGridSize(width, height);
    std::string problem;
    const std::optional<PuzParts> located = LocateParts(bytes, problem);
    Check(located.has_value(), problem);
    const PuzParts& parts = *located;

    const PuzChecksums sums = ComputeChecksums(bytes, parts);
    const auto checksum = [&](const char* what, std::uint16_t given, std::uint16_t computed) {
        Check(given == computed, [&] {
            return std::string("its ") + what + " is wrong (" + Hex(given) + " where its contents give " + Hex(computed) +
                   "); the file may be damaged";
        });
    };
    checksum("file checksum", Short(bytes, ChecksumAt), sums.File);
    checksum("CIB checksum", Short(bytes, CibChecksumAt), sums.Cib);
    for (std::size_t i = 0; i < 8; ++i)
        Check(bytes[MaskedLowAt + i] == sums.Masked[i], [&] {
            return "its masked checksums are wrong (byte " + Format("0x%02zX", MaskedLowAt + i) + "); the file may be damaged";
        });

    ReadInterchange in;
    const int n = width;
    in.Grid.Size = n;
    for (std::size_t i = 0; i < parts.Solution.size(); ++i) {
        const int row = static_cast<int>(i) / n + 1;
        const int col = static_cast<int>(i) % n + 1;
        const std::optional<char> letter = SquareLetter(parts.Solution[i]);
        Check(letter.has_value(), [&] {
            return "the square at " + SquareName(row, col) + " holds \"" + std::string(1, parts.Solution[i]) +
                   "\"; a square holds a letter A to Z or a block";
        });
        in.Grid.Squares += *letter;
        const char entry = parts.Player[i];
        Check((entry == PuzBlock) == (*letter == '#'), [&] {
            return "its solver's grid and its solution disagree about the block at " + SquareName(row, col);
        });
        if (entry != PuzBlock && entry != PuzEmpty) AddNotice(in.Notices, "the solver's entries were dropped");
    }
    ReadExtraSections(bytes, parts.End, parts.Solution.size(), in.Notices);

    const GridNumbering numbering = NumberGrid(in.Grid);
    Check(parts.Clues.size() == numbering.Words.size(), [&] {
        return "it has " + std::to_string(parts.Clues.size()) + " clues, but by its blocks its grid has " +
               std::to_string(numbering.Words.size()) + " words";
    });
    for (std::size_t i = 0; i < numbering.Words.size(); ++i) {
        const GridWord& w = numbering.Words[i];
        std::string answer;
        for (int k = 0; k < w.Length; ++k) answer += in.Grid.At(w.Across ? w.Row : w.Row + k, w.Across ? w.Col + k : w.Col);
        ReadClue clue = SplitClue(parts.Clues[i], answer);
        clue.Number = w.Number;
        clue.Across = w.Across;
        in.Clues.push_back(std::move(clue));
    }
    in.Title = std::string(parts.Title);
    if (!parts.Author.empty() && parts.Author != DefaultInterchangeAuthor)
        AddNotice(in.Notices, "the author \"" + OneLine(parts.Author) + "\" was dropped");
    if (!parts.Copyright.empty()) AddNotice(in.Notices, "the copyright line was dropped");
    if (!parts.Notes.empty()) AddNotice(in.Notices, "the notes were dropped");
    return ContentsOfInterchange(std::move(in));
}

}  // namespace qm
