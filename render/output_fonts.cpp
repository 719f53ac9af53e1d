// Installed fonts and the outline metrics of the output font (OS/2 and post tables) for the RTF export.
#include "render/output_fonts.h"

#include "core/output/rtf_writer.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QRawFont>

#include <array>

namespace qm::render {

namespace {

QString ToQString(const std::string& text) { return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())); }

/// The raw font of an installed family; invalid when the family is missing (Qt would substitute).
QRawFont RawFontOf(const std::string& name)
{
    if (!FindInstalledFont(name)) return {};
    QFont font(ToQString(name));
    font.setPointSize(12);
    return QRawFont::fromFont(font);
}

std::uint32_t BigEndian(const QByteArray& table, int offset, int bytes)
{
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i) value = (value << 8) | static_cast<std::uint8_t>(table[offset + i]);
    return value;
}

}  // namespace

std::vector<std::string> InstalledFontNames()
{
    std::vector<std::string> names;
    for (const QString& family : QFontDatabase::families()) names.push_back(family.toLatin1().toStdString());
    return names;
}

std::optional<std::string> FindInstalledFont(const std::string& name)
{
    const QString wanted = ToQString(name);
    for (const QString& family : QFontDatabase::families())
        if (family.compare(wanted, Qt::CaseInsensitive) == 0) return family.toLatin1().toStdString();
    return std::nullopt;
}

bool IsTrueTypeFont(const std::string& name)
{
    const QRawFont raw = RawFontOf(name);
    return raw.isValid() && !raw.fontTable("glyf").isEmpty();
}

std::string FontTableEntry(const std::string& name)
{
    const QRawFont raw = RawFontOf(name);
    if (!raw.isValid()) return {};
    // OS/2: sFamilyClass at offset 30 (class in its high byte), the ten PANOSE bytes at 32.
    const QByteArray os2 = raw.fontTable("OS/2");
    if (os2.size() < 42) return {};
    std::array<std::uint8_t, 10> panose{};
    for (int i = 0; i < 10; ++i) panose[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(os2[32 + i]);
    const auto ibmClass = static_cast<std::uint8_t>(os2[30]);
    // post: isFixedPitch at offset 12; PANOSE proportion 9 also means monospaced.
    const QByteArray post = raw.fontTable("post");
    const bool fixed = panose[3] == 9 || (post.size() >= 16 && BigEndian(post, 12, 4) != 0);
    return FontTableEntryText(name, panose, FontPitchAndFamily(panose, ibmClass, fixed));
}

}  // namespace qm::render
