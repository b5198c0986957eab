// Filter4.ini: any bytes in; the entries saved again must read back as the same entries,
// through the real file.
#include "core/filter_file.h"

#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir folder;
    const QString path = folder.filePath(filterfile::kFileName);
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    const QStringList entries = filterfile::parse(bytes);
    for (const QString& entry : entries) {
        if (!filterfile::unstorableReason(entry).isEmpty())
            std::abort();  // a read entry must always be storable again
    }
    const QByteArray saved = filterfile::serialize(entries);
    if (filterfile::parse(saved) != entries)
        std::abort();
    if (!filterfile::write(path, entries).error.isEmpty())
        std::abort();
    const filterfile::ReadResult read = filterfile::read(path);
    if (!read.error.isEmpty() || read.entries != entries)
        std::abort();
    // With CR LF line ends and a final one the bytes themselves come back.
    if (!bytes.contains('\n') && !bytes.contains('\r') && !bytes.isEmpty() && saved != bytes + "\r\n")
        std::abort();
    return 0;
}
