// pictureprovider.cpp: pictures from the cache when it holds them unharmed, drawn otherwise.
#include "pictureprovider.h"

#include <QDir>
#include <QMutexLocker>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>

#include "artwork.h"
#include "picturefile.h"

namespace varn {

namespace {

// Raised when the pictures are drawn differently in a way that neither the digest of their
// sources nor the Qt version shows.
constexpr int kDrawingVersion = 1;
// Long enough for the pictures of a start-up or a new scale to come in one batch.
constexpr int kWriteDelayMs = 250;

}  // namespace

struct PictureProvider::Sheet {
    QString path;
    QString key;
    std::unique_ptr<PictureFile> file;  // read on first use
    QHash<QString, QImage> pictures;
    bool drawnSinceWritten = false;
};

PictureProvider::PictureProvider(QString folder, QString drawing, QObject* parent)
    : QObject(parent),
      m_folder(std::move(folder)),
      m_drawing(drawing.isEmpty() ? QStringLiteral(VARN_PICTURE_SOURCES) : std::move(drawing)) {
    m_writeTimer.setSingleShot(true);
    m_writeTimer.setInterval(kWriteDelayMs);
    connect(&m_writeTimer, &QTimer::timeout, this, &PictureProvider::write);
}

// A game that ends before the timer runs still keeps what it drew.
PictureProvider::~PictureProvider() {
    write();
}

QString PictureProvider::defaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/varn");
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
        sheet->path = QStringLiteral("%1/pictures-%2-%3.cache")
                          .arg(m_folder)
                          .arg(scale)
                          .arg(devicePixelRatio);
        sheet->key = key(devicePixelRatio, scale);
        sheet->file = std::make_unique<PictureFile>(sheet->path, sheet->key);
    }
    return *sheet;
}

QImage PictureProvider::picture(const QString& path, qreal devicePixelRatio, qreal scale) {
    QMutexLocker lock(&m_mutex);
    Sheet& pictures = sheet(devicePixelRatio, scale);
    QImage& image = pictures.pictures[path];
    if (!image.isNull()) return image;
    image = pictures.file->read(path);
    if (!image.isNull()) return image;
    image = artwork::render(path, devicePixelRatio, scale);
    ++m_drawn;
    pictures.drawnSinceWritten = true;
    // The timer belongs to the provider's thread.
    QMetaObject::invokeMethod(&m_writeTimer, qOverload<>(&QTimer::start));
    return image;
}

int PictureProvider::drawnCount() const {
    QMutexLocker lock(&m_mutex);
    return m_drawn;
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
    PictureFile::write(sheet.path, sheet.key, sheet.pictures);
    sheet.drawnSinceWritten = false;
}

}  // namespace varn
