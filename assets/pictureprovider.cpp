// pictureprovider.cpp: pictures from the cache when it holds them unharmed, drawn otherwise.
#include "pictureprovider.h"

#include <QDir>
#include <QMutexLocker>
#include <QSet>
#include <QSysInfo>
#include <QThread>

#include "artwork.h"
#include "picturefile.h"
#include "xdgfolder.h"

namespace varn {

namespace {

// Raised when the pictures are drawn differently in a way that neither the digest of their
// sources nor the Qt version shows.
constexpr int kDrawingVersion = 1;
// Long enough for the pictures of a start-up or a new scale to come in one batch.
constexpr int kWriteDelayMs = 250;

// A picture that covers all its pixels is painted as a copy, without blending, and is drawn
// the same either way.
QImage withoutUnusedAlpha(QImage image) {
    if (image.format() != QImage::Format_ARGB32_Premultiplied) return image;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) != 255) return image;
        }
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

struct PictureProvider::Sheet {
    QString path;
    QString key;
    std::unique_ptr<PictureFile> file;     // read on first use
    std::unique_ptr<PictureFile> shipped;  // the same, among the game's own files
    QHash<QString, QImage> pictures;
    QSet<QString> drawing;  // on some thread just now
    bool drawnSinceWritten = false;
};

PictureProvider::PictureProvider(QString folder, QString drawing, QString shipped, QObject* parent)
    : QObject(parent),
      m_folder(std::move(folder)),
      m_drawing(drawing.isEmpty() ? QStringLiteral(VARN_PICTURE_SOURCES) : std::move(drawing)),
      m_shipped(std::move(shipped)) {
    m_writeTimer.setSingleShot(true);
    m_writeTimer.setInterval(kWriteDelayMs);
    connect(&m_writeTimer, &QTimer::timeout, this, &PictureProvider::write);
}

// A game that ends before the timer runs still keeps what it drew.
PictureProvider::~PictureProvider() {
    stopDrawingAhead();
    write();
}

QString PictureProvider::defaultFolder() {
    return QString::fromStdString(xdgFolder("XDG_CACHE_HOME", ".cache") + "/varn");
}

QString PictureProvider::key(qreal devicePixelRatio, qreal scale) const {
    return QStringLiteral("drawing %1.%2 qt %3 %4 ratio %5 scale %6")
        .arg(m_drawing)
        .arg(kDrawingVersion)
        .arg(QString::fromLatin1(qVersion()), QSysInfo::buildAbi())
        .arg(devicePixelRatio)
        .arg(scale);
}

PictureProvider::Sheet& PictureProvider::sheet(qreal devicePixelRatio, qreal scale) {
    std::unique_ptr<Sheet>& sheet = m_sheets[{devicePixelRatio, scale}];
    if (!sheet) {
        sheet = std::make_unique<Sheet>();
        const QString name =
            QStringLiteral("pictures-%1-%2.cache").arg(scale).arg(devicePixelRatio);
        sheet->path = m_folder + QLatin1Char('/') + name;
        sheet->key = key(devicePixelRatio, scale);
        sheet->file = std::make_unique<PictureFile>(sheet->path, sheet->key);
        if (!m_shipped.isEmpty())
            sheet->shipped =
                std::make_unique<PictureFile>(m_shipped + QLatin1Char('/') + name, sheet->key);
    }
    return *sheet;
}

// Two threads that want the same picture draw it once: the later one waits for it.
QImage PictureProvider::picture(const QString& path, qreal devicePixelRatio, qreal scale) {
    QMutexLocker lock(&m_mutex);
    Sheet& pictures = sheet(devicePixelRatio, scale);
    while (pictures.drawing.contains(path))
        m_drawn.wait(&m_mutex);
    if (const QImage held = pictures.pictures.value(path); !held.isNull()) return held;
    for (PictureFile* file : {pictures.file.get(), pictures.shipped.get()}) {
        if (!file) continue;
        if (const QImage read = file->read(path); !read.isNull())
            return pictures.pictures[path] = read;
    }
    pictures.drawing.insert(path);
    lock.unlock();
    const QImage drawn = withoutUnusedAlpha(artwork::render(path, devicePixelRatio, scale));
    lock.relock();
    pictures.drawing.remove(path);
    pictures.pictures.insert(path, drawn);
    pictures.drawnSinceWritten = true;
    ++m_drawnCount;
    m_drawn.wakeAll();
    // The timer belongs to the provider's thread.
    QMetaObject::invokeMethod(&m_writeTimer, qOverload<>(&QTimer::start));
    return drawn;
}

void PictureProvider::drawAhead(QStringList paths, qreal devicePixelRatio, qreal scale) {
    stopDrawingAhead();
    {
        QMutexLocker lock(&m_mutex);
        const Sheet& pictures = sheet(devicePixelRatio, scale);
        paths.removeIf([&pictures](const QString& path) {
            return pictures.pictures.contains(path) || pictures.file->holds(path) ||
                   (pictures.shipped && pictures.shipped->holds(path));
        });
    }
    if (paths.isEmpty()) return;
    m_stopAhead = false;
    m_ahead = std::thread([this, paths = std::move(paths), devicePixelRatio, scale] {
        for (const QString& path : paths) {
            if (m_stopAhead) return;
            picture(path, devicePixelRatio, scale);
        }
    });
}

void PictureProvider::stopDrawingAhead() {
    m_stopAhead = true;
    if (m_ahead.joinable()) m_ahead.join();
}

int PictureProvider::drawnCount() const {
    QMutexLocker lock(&m_mutex);
    return m_drawnCount;
}

void PictureProvider::write() {
    QMutexLocker lock(&m_mutex);
    for (auto& [place, sheet] : m_sheets) {
        if (sheet->drawnSinceWritten) writeSheet(*sheet);
    }
}

// The file is written whole, with the pictures that it held and were not asked for yet.
void PictureProvider::writeSheet(Sheet& sheet) {
    for (const QString& name : sheet.file->names()) {
        QImage& image = sheet.pictures[name];
        if (image.isNull()) image = sheet.file->read(name);
    }
    sheet.pictures.removeIf([](const auto& picture) { return picture.value().isNull(); });
    QDir().mkpath(m_folder);
    PictureFile::write(sheet.path, sheet.key, sheet.pictures, m_compressed);
    sheet.drawnSinceWritten = false;
}

}  // namespace varn
