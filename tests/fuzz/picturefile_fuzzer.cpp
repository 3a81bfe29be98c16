// picturefile_fuzzer.cpp: the picture cache's reader, its index's checksum mended first so that
// every mutation reaches the index; the pictures it reads are written back and read alike.
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "crc32.h"
#include "picturefile.h"

namespace {

const QString kKey = QStringLiteral("fuzz");
constexpr std::size_t kPrefix = 8 + 3 * 4;  // magic, version, index length, index checksum

// The bytes with the checksum that their index would have.
QByteArray mended(const std::uint8_t* data, std::size_t size) {
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (size < kPrefix) return bytes;
    std::uint32_t length = 0;
    std::memcpy(&length, data + 12, sizeof length);
    if (length > size - kPrefix) return bytes;
    const std::uint32_t crc = varn::crc32({data + kPrefix, length});
    std::memcpy(bytes.data() + 16, &crc, sizeof crc);
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("pictures.cache"));
    const QString again = folder.filePath(QStringLiteral("again.cache"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
    file.write(mended(data, size));
    file.close();
    QHash<QString, QImage> pictures;
    {
        varn::PictureFile read(path, kKey);
        for (const QString& name : read.names()) {
            const QImage image = read.read(name);
            if (image.isNull()) continue;
            if (image.size() != read.sizeOf(name)) std::abort();
            pictures.insert(name, image);
        }
    }
    if (pictures.isEmpty()) return 0;
    if (!varn::PictureFile::write(again, kKey, pictures, size % 2 == 0)) std::abort();
    varn::PictureFile written(again, kKey);
    for (auto it = pictures.cbegin(); it != pictures.cend(); ++it) {
        const QImage back = written.read(it.key());
        if (back != it.value() || back.devicePixelRatio() != it.value().devicePixelRatio())
            std::abort();
    }
    return 0;
}
