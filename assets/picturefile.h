// picturefile.h: one file of the picture cache: a key, an index of pictures with their
// checksums, and the pictures' pixels.
#pragma once

#include <QFile>
#include <QHash>
#include <QImage>
#include <QString>

namespace varn {

// The file begins with "VARNPICS", the format's version, the index's length and its CRC-32;
// the index holds the key and, for each picture, its name, size, pixel format, pixel ratio,
// the place and length of its pixels as stored (raw, or compressed with zstd where the file was
// written so) and the CRC-32 of the raw pixels, which raw pixels are read through; compressed
// ones carry zstd's checksum. A file is only ever read through its checksums and written whole,
// so that what it shows is what was written.
class PictureFile {
  public:
    // Reads the index of the file at `path` when its key is `key`; any other file, damaged,
    // unreadable or missing, holds nothing.
    PictureFile(const QString& path, const QString& key);

    // The picture stored as `name`; a null image when there is none or its pixels are damaged.
    QImage read(const QString& name);
    QStringList names() const { return m_index.keys(); }
    bool holds(const QString& name) const { return m_index.contains(name); }
    // The size of the picture stored as `name`, from the index alone; empty when there is none.
    QSize sizeOf(const QString& name) const;

    // Writes `pictures` under `key` to a new file that then replaces the one at `path`; false
    // when that cannot be done, and the old file is left as it was. Compressed pixels take a
    // tenth of the room, and a few milliseconds more to write and to read.
    static bool write(const QString& path, const QString& key,
                      const QHash<QString, QImage>& pictures, bool compressed = false);

  private:
    struct Entry {
        qint32 width = 0;
        qint32 height = 0;
        qint32 bytesPerLine = 0;
        qint32 format = 0;
        double devicePixelRatio = 1;
        quint64 offset = 0;  // from the end of the index
        quint64 stored = 0;  // bytes in the file
        quint64 length = 0;  // bytes of the raw pixels
        quint32 crc = 0;
    };
    bool readIndex(const QString& key);
    bool readPixels(const Entry& entry, QImage& image);
    static QByteArray indexOf(const QString& key, const QHash<QString, QImage>& pictures,
                              const QList<QByteArray>& stored);
    static QByteArray compressedPixels(const QImage& image);

    QFile m_file;
    qint64 m_pixelsStart = 0;
    QHash<QString, Entry> m_index;
};

}  // namespace varn
