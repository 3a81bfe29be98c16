// pictureprovider.cpp: pictures from the cache when it holds them unharmed, drawn otherwise.
#include "pictureprovider.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMutexLocker>
#include <QSet>
#include <QSysInfo>
#include <QThread>
#include <algorithm>
#include <cmath>
#include <utility>

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
    qreal devicePixelRatio = 1;
    QString path;
    QString key;
    std::unique_ptr<PictureFile> file;  // read on first use
    PictureFile* shipped = nullptr;     // the same pixels, among the game's own files
    QHash<QString, QImage> pictures;
    QSet<QString> drawing;  // on some thread just now
    // Made ahead of the first frame, each handed out once; a null one was handed out already.
    QHash<QString, QImage> standIns;
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

// Beside the program in its build tree, and in the data folder where it is installed, found from
// the program's own folder so that an installation can move as a whole. They are files rather
// than resources: a start reads the few pages it needs, and none of them stays mapped.
QString PictureProvider::shippedFolder() {
    const QString here = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    for (const QString& folder :
         {here + QStringLiteral("predrawn"), here + QStringLiteral(VARN_CARRIED_DIR)}) {
        if (QFileInfo(folder).isDir()) return folder;
    }
    return {};
}

QString PictureProvider::fileName(qreal devicePixelRatio, qreal scale) {
    return QStringLiteral("pictures-%1-%2.cache").arg(scale).arg(devicePixelRatio);
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
        sheet->devicePixelRatio = devicePixelRatio;
        sheet->path = m_folder + QLatin1Char('/') + fileName(devicePixelRatio, scale);
        sheet->key = key(devicePixelRatio, scale);
        sheet->file = std::make_unique<PictureFile>(sheet->path, sheet->key);
        sheet->shipped = carried(devicePixelRatio * scale);
    }
    return *sheet;
}

// The carried file of pictures `size` times their nominal size, as drawn at pixel ratio 1.
PictureFile* PictureProvider::carried(qreal size) {
    if (m_shipped.isEmpty()) return nullptr;
    std::unique_ptr<PictureFile>& file = m_carried[size];
    if (!file) {
        file = std::make_unique<PictureFile>(m_shipped + QLatin1Char('/') + fileName(1, size),
                                             key(1, size));
    }
    return file.get();
}

// The carried file whose pictures are the least larger than `size`, or else the largest.
PictureFile* PictureProvider::nearestCarried(qreal size) {
    if (m_carriedSizes.empty() && !m_shipped.isEmpty()) {
        // Matched by hand: a name filter would load the regular expression engine for it.
        const QStringList files = QDir(m_shipped).entryList(QDir::Files, QDir::NoSort);
        for (const QString& name : files) {
            if (name.startsWith(QStringLiteral("pictures-")) &&
                name.endsWith(QStringLiteral("-1.cache")))
                m_carriedSizes.push_back(name.section(QLatin1Char('-'), 1, 1).toDouble());
        }
        std::sort(m_carriedSizes.begin(), m_carriedSizes.end());
    }
    if (m_carriedSizes.empty()) return nullptr;
    const auto larger = std::lower_bound(m_carriedSizes.begin(), m_carriedSizes.end(), size);
    return carried(larger == m_carriedSizes.end() ? m_carriedSizes.back() : *larger);
}

QImage PictureProvider::heldLocked(Sheet& sheet, const QString& path) {
    if (const QImage held = sheet.pictures.value(path); !held.isNull()) return held;
    for (PictureFile* file : {sheet.file.get(), sheet.shipped}) {
        if (!file) continue;
        if (QImage read = file->read(path); !read.isNull()) {
            read.setDevicePixelRatio(sheet.devicePixelRatio);
            return sheet.pictures[path] = read;
        }
    }
    return {};
}

QImage PictureProvider::held(const QString& path, qreal devicePixelRatio, qreal scale) {
    QMutexLocker lock(&m_mutex);
    return heldLocked(sheet(devicePixelRatio, scale), path);
}

// The carried file at the pictures' nominal size gives the size that drawing would round to. A
// stand-in shows for a few frames only. From a larger file it is shown as it is, with a pixel
// ratio that gives it the drawn picture's size, and the painter shrinks it as it paints; from a
// smaller one, which a painter does not enlarge that way, it is scaled without smoothing.
QImage PictureProvider::standIn(const QString& path, qreal devicePixelRatio, qreal scale) {
    QMutexLocker lock(&m_mutex);
    QImage& made = sheet(devicePixelRatio, scale).standIns[path];
    if (!made.isNull()) return std::exchange(made, QImage());
    return standInLocked(path, devicePixelRatio, scale);
}

QImage PictureProvider::standInLocked(const QString& path, qreal devicePixelRatio, qreal scale) {
    const qreal size = devicePixelRatio * scale;
    PictureFile* nominal = carried(1);
    PictureFile* nearest = nearestCarried(size);
    if (!nominal || !nearest) return {};
    const QSize actual = nominal->sizeOf(path);
    QImage image = nearest->read(path);
    if (actual.isEmpty() || image.isNull()) return {};
    const QSize drawn(int(std::lround(actual.width() * size)),
                      int(std::lround(actual.height() * size)));
    if (image.width() >= drawn.width() && image.height() >= drawn.height()) {
        image.setDevicePixelRatio(devicePixelRatio * image.width() / drawn.width());
        return image;
    }
    image = image.scaled(drawn, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

// Two threads that want the same picture draw it once: the later one waits for it.
QImage PictureProvider::picture(const QString& path, qreal devicePixelRatio, qreal scale) {
    QMutexLocker lock(&m_mutex);
    Sheet& pictures = sheet(devicePixelRatio, scale);
    while (pictures.drawing.contains(path))
        m_drawn.wait(&m_mutex);
    if (const QImage held = heldLocked(pictures, path); !held.isNull()) return held;
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
        // The first frame is out: a stand-in that nobody asked for never will be.
        for (auto& [place, sheet] : m_sheets)
            sheet->standIns.clear();
        const Sheet& pictures = sheet(devicePixelRatio, scale);
        paths.removeIf([&pictures](const QString& path) {
            return pictures.pictures.contains(path) || pictures.file->holds(path) ||
                   (pictures.shipped && pictures.shipped->holds(path));
        });
    }
    if (paths.isEmpty()) {
        QMetaObject::invokeMethod(this, &PictureProvider::drawnAhead, Qt::QueuedConnection);
        return;
    }
    m_stopAhead = false;
    m_ahead = std::thread([this, paths = std::move(paths), devicePixelRatio, scale] {
        for (const QString& path : paths) {
            if (m_stopAhead) return;
            picture(path, devicePixelRatio, scale);
        }
        QMetaObject::invokeMethod(this, &PictureProvider::drawnAhead, Qt::QueuedConnection);
    });
}

void PictureProvider::readAhead(QStringList paths, qreal devicePixelRatio, qreal scale) {
    stopDrawingAhead();
    m_stopAhead = false;
    m_ahead = std::thread([this, paths = std::move(paths), devicePixelRatio, scale] {
        for (const QString& path : paths) {
            if (m_stopAhead) return;
            QMutexLocker lock(&m_mutex);
            Sheet& pictures = sheet(devicePixelRatio, scale);
            if (pictures.file->holds(path) || (pictures.shipped && pictures.shipped->holds(path))) {
                heldLocked(pictures, path);
            } else if (!pictures.standIns.contains(path)) {
                pictures.standIns.insert(path, standInLocked(path, devicePixelRatio, scale));
            }
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
