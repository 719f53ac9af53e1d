// Safe writing of the RTF and HTML exports.
#include "core/output/export_file.h"

#include "core/util/failure.h"
#include "core/util/file_io.h"

namespace qm {

void WriteExportFile(const std::string& path, std::string_view bytes)
{
    try {
        WriteFileSafely(path, bytes);
    } catch (const Failure& e) {
        throw Failure(std::string(ExportCreateError) + "\n\n" + e.what());
    }
}

}  // namespace qm
