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
// the place of its pixels and their CRC-32. A file is only ever read through its checksums and
// written whole, so that what it shows is what was written.
class PictureFile {
  public:
    // Reads the index of the file at `path` when its key is `key`; any other file, damaged,
    // unreadable or missing, holds nothing.
    PictureFile(const QString& path, const QString& key);

    // The picture stored as `name`; a null image when there is none or its pixels are damaged.
    QImage read(const QString& name);
    QStringList names() const { return m_index.keys(); }

    // Writes `pictures` under `key` to a new file that then replaces the one at `path`; false
    // when that cannot be done, and the old file is left as it was.
    static bool write(const QString& path, const QString& key,
                      const QHash<QString, QImage>& pictures);

  private:
    struct Entry {
        qint32 width = 0;
        qint32 height = 0;
        qint32 bytesPerLine = 0;
        qint32 format = 0;
        double devicePixelRatio = 1;
        quint64 offset = 0;  // from the end of the index
        quint64 length = 0;
        quint32 crc = 0;
    };
    bool readIndex(const QString& key);
    static QByteArray indexOf(const QString& key, const QHash<QString, QImage>& pictures);

    QFile m_file;
    qint64 m_pixelsStart = 0;
    QHash<QString, Entry> m_index;
};

}  // namespace varn
