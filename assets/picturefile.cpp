// picturefile.cpp: reading a cache file only through its checksums, and writing it whole.
#include "picturefile.h"

#include <zlib.h>
#include <zstd.h>
#include <QDataStream>
#include <QSaveFile>

#include <cstring>
#include <memory>

#include "crc32.h"

namespace varn {

namespace {

constexpr char kMagic[8] = {'V', 'A', 'R', 'N', 'P', 'I', 'C', 'S'};
constexpr quint32 kFormatVersion = 3;
constexpr qsizetype kPrefixLength = sizeof kMagic + 3 * sizeof(quint32);
// An index longer than this is damage, not a cache of the game's few dozen pictures.
constexpr quint32 kLongestIndex = 64 * 1024;
// Nor is a picture larger than this, many times the largest the game draws (the design's window
// in full screen on a screen of 8K), which a damaged index would have the game allocate.
constexpr quint64 kLargestPicture = 256 << 20;
constexpr QDataStream::Version kStreamVersion = QDataStream::Qt_6_0;

quint32 crcOf(const uchar* bytes, quint64 length) {
    return crc32({bytes, std::size_t(length)});
}

struct Prefix {
    quint32 version = 0;
    quint32 indexLength = 0;
    quint32 indexCrc = 0;
};

QByteArray prefixBytes(const Prefix& prefix) {
    QByteArray bytes(kMagic, sizeof kMagic);
    for (const quint32 field : {prefix.version, prefix.indexLength, prefix.indexCrc})
        bytes.append(reinterpret_cast<const char*>(&field), sizeof field);
    return bytes;
}

bool readPrefix(const QByteArray& bytes, Prefix& prefix) {
    if (bytes.size() != kPrefixLength || !bytes.startsWith(QByteArray(kMagic, sizeof kMagic)))
        return false;
    std::memcpy(&prefix, bytes.constData() + sizeof kMagic, sizeof prefix);
    return prefix.version == kFormatVersion && prefix.indexLength <= kLongestIndex;
}

}  // namespace

PictureFile::PictureFile(const QString& path, const QString& key) : m_file(path) {
    if (!m_file.open(QIODevice::ReadOnly) || !readIndex(key)) {
        m_index.clear();
        m_file.close();
    }
}

bool PictureFile::readIndex(const QString& key) {
    Prefix prefix;
    if (!readPrefix(m_file.read(kPrefixLength), prefix)) return false;
    const QByteArray index = m_file.read(prefix.indexLength);
    if (index.size() != qsizetype(prefix.indexLength) ||
        crcOf(reinterpret_cast<const uchar*>(index.constData()), quint64(index.size())) !=
            prefix.indexCrc) {
        return false;
    }
    m_pixelsStart = kPrefixLength + index.size();
    QDataStream stream(index);
    stream.setVersion(kStreamVersion);
    QString storedKey;
    quint32 count = 0;
    stream >> storedKey >> count;
    if (storedKey != key) return false;
    for (quint32 i = 0; i < count && stream.status() == QDataStream::Ok; ++i) {
        QString name;
        Entry entry;
        stream >> name >> entry.width >> entry.height >> entry.bytesPerLine >> entry.format >>
            entry.devicePixelRatio >> entry.offset >> entry.stored >> entry.length >> entry.crc;
        m_index.insert(name, entry);
    }
    return stream.status() == QDataStream::Ok && stream.atEnd();
}

QImage PictureFile::read(const QString& name) {
    const auto found = m_index.constFind(name);
    if (found == m_index.constEnd()) return {};
    const Entry& entry = *found;
    // A ratio that no screen has (NaN among them) would scale every drawing of the picture.
    if (entry.format <= QImage::Format_Invalid || entry.format >= QImage::NImageFormats ||
        !(entry.devicePixelRatio > 0 && entry.devicePixelRatio <= 64) || entry.width <= 0 ||
        entry.height <= 0 || entry.length > kLargestPicture ||
        quint64(entry.width) * quint64(entry.height) > kLargestPicture ||
        entry.stored > quint64(m_file.size()))
        return {};
    QImage image(entry.width, entry.height, QImage::Format(entry.format));
    if (image.isNull() || image.bytesPerLine() != entry.bytesPerLine ||
        quint64(image.sizeInBytes()) != entry.length || !readPixels(entry, image) ||
        (entry.stored == entry.length && crcOf(image.constBits(), entry.length) != entry.crc)) {
        return {};
    }
    image.setDevicePixelRatio(entry.devicePixelRatio);
    return image;
}

QSize PictureFile::sizeOf(const QString& name) const {
    const Entry entry = m_index.value(name);
    return QSize(entry.width, entry.height);
}

// Compressed pixels carry zstd's own checksum of what they unpack to, which decompressing checks.
bool PictureFile::readPixels(const Entry& entry, QImage& image) {
    if (entry.stored > entry.length || !m_file.seek(m_pixelsStart + qint64(entry.offset)))
        return false;
    if (entry.stored == entry.length) {
        return m_file.read(reinterpret_cast<char*>(image.bits()), qint64(entry.length)) ==
               qint64(entry.length);
    }
    const QByteArray stored = m_file.read(qint64(entry.stored));
    return stored.size() == qsizetype(entry.stored) &&
           ZSTD_decompress(image.bits(), entry.length, stored.constData(), entry.stored) ==
               entry.length;
}

// The index of `pictures`, their pixels as `stored` laid end to end in the order of the hash;
// an empty entry of `stored` stands for the raw pixels.
QByteArray PictureFile::indexOf(const QString& key, const QHash<QString, QImage>& pictures,
                                const QList<QByteArray>& stored) {
    QByteArray index;
    QDataStream stream(&index, QIODevice::WriteOnly);
    stream.setVersion(kStreamVersion);
    stream << key << quint32(pictures.size());
    quint64 offset = 0;
    qsizetype i = 0;
    for (auto it = pictures.cbegin(); it != pictures.cend(); ++it, ++i) {
        const QImage& image = it.value();
        const auto length = quint64(image.sizeInBytes());
        const quint64 kept = stored[i].isEmpty() ? length : quint64(stored[i].size());
        stream << it.key() << qint32(image.width()) << qint32(image.height())
               << qint32(image.bytesPerLine()) << qint32(image.format()) << image.devicePixelRatio()
               << offset << kept << length << crcOf(image.constBits(), length);
        offset += kept;
    }
    return index;
}

// zstd's output with its checksum, kept only where it is shorter than the pixels. zstd unpacks
// several times faster than zlib, which a start that reads large pictures feels.
QByteArray PictureFile::compressedPixels(const QImage& image) {
    const auto length = std::size_t(image.sizeInBytes());
    QByteArray bytes(qsizetype(ZSTD_compressBound(length)), Qt::Uninitialized);
    const std::unique_ptr<ZSTD_CCtx, decltype(&ZSTD_freeCCtx)> context(ZSTD_createCCtx(),
                                                                       ZSTD_freeCCtx);
    ZSTD_CCtx_setParameter(context.get(), ZSTD_c_compressionLevel, ZSTD_maxCLevel());
    ZSTD_CCtx_setParameter(context.get(), ZSTD_c_checksumFlag, 1);
    const std::size_t kept = ZSTD_compress2(context.get(), bytes.data(), std::size_t(bytes.size()),
                                            image.constBits(), length);
    if (ZSTD_isError(kept) || kept >= length) return {};
    bytes.truncate(qsizetype(kept));
    return bytes;
}

bool PictureFile::write(const QString& path, const QString& key,
                        const QHash<QString, QImage>& pictures, bool compressed) {
    QList<QByteArray> stored;
    for (const QImage& image : pictures)
        stored.append(compressed ? compressedPixels(image) : QByteArray());
    const QByteArray index = indexOf(key, pictures, stored);
    const Prefix prefix{
        kFormatVersion, quint32(index.size()),
        crcOf(reinterpret_cast<const uchar*>(index.constData()), quint64(index.size()))};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(prefixBytes(prefix));
    file.write(index);
    qsizetype i = 0;
    for (const QImage& image : pictures) {
        if (stored[i].isEmpty())
            file.write(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
        else
            file.write(stored[i]);
        ++i;
    }
    return file.commit();
}

}  // namespace varn
