// Reads built-in resources from the Qt resource system.
#include "resources/builtin_resources.h"

#include <QFile>
#include <QResource>
#include <QString>

namespace qm {

std::optional<std::string> ReadBuiltInResource(std::string_view name)
{
    QFile file(QStringLiteral(":/data/") + QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

std::optional<std::string_view> BuiltInResourceView(std::string_view name)
{
    const QResource resource(QStringLiteral(":/data/") + QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression) return std::nullopt;
    return std::string_view(reinterpret_cast<const char*>(resource.data()), static_cast<std::size_t>(resource.size()));
}

}  // namespace qm
