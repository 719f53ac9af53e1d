// Reads built-in resources from the Qt resource system.
#include "resources/builtin_resources.h"

#include <QFile>
#include <QString>

namespace qm {

std::optional<std::string> ReadBuiltInResource(std::string_view name)
{
    QFile file(QStringLiteral(":/data/") + QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace qm
