// pictureprovider.h: the game's pictures drawn at a scale, kept on disk so that a later start
// reads them instead of drawing them again.
#pragma once

#include <QHash>
#include <QImage>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QWaitCondition>
#include <atomic>
#include <map>
#include <memory>
#include <thread>
#include <vector>

namespace varn {

class PictureFile;

// Hands out pictures as artwork::render draws them; those that cover every pixel come as RGB32,
// which paints the same pixels faster. Each scale and pixel ratio has a file of its own in the
// cache folder. The files the game carries, drawn when it was built (shippedFolder()), are read
// when the cache holds nothing; they are kept by the pixel ratio times the scale, since drawing at
// ratio 2 and scale 1.5 gives the pixels of ratio 1 and scale 3, and one file serves both. A file
// carries a
// key (the digest of the pictures' sources and of the code that draws them, the Qt version, a
// drawing version, the pixel ratio and the scale) and a checksum for its index and for each
// picture. A file that is damaged, stale, unreadable or of another format is passed over: the
// pictures are drawn afresh and the file is written anew. Files are written whole under a new name
// and renamed over the old one, 250 ms after the last picture drawn, so a start-up is never slowed
// by the writing and a crash leaves the old file or the new one. Pictures may be asked for from any
// thread.
class PictureProvider : public QObject {
    Q_OBJECT

  public:
    // Keeps its files in `folder` and reads those in `shipped` too, where that is not empty.
    // `drawing` stands for how the pictures are drawn; by default the digest of their sources
    // and of the code that draws them, taken at build time.
    explicit PictureProvider(QString folder = defaultFolder(), QString drawing = {},
                             QString shipped = shippedFolder(), QObject* parent = nullptr);
    ~PictureProvider() override;

    // The picture at resource `path` as artwork::render draws it at `devicePixelRatio` and
    // `scale`; a null image when it cannot be drawn.
    QImage picture(const QString& path, qreal devicePixelRatio, qreal scale);
    // The same picture when it is at hand, in memory or in a file, without drawing it; a null
    // image otherwise.
    QImage held(const QString& path, qreal devicePixelRatio, qreal scale);
    // At once, a picture of the size that drawing gives (in device-independent pixels), from
    // the carried file of the nearest scale: it stands in while the picture is drawn. A null
    // image when the game carries no such picture.
    QImage standIn(const QString& path, qreal devicePixelRatio, qreal scale);

    // Draws those of `paths` that neither it nor its files hold yet on a thread of its own, in
    // their order, while the caller goes on; a picture asked for meanwhile is drawn once, by
    // either thread. Those in a file are read when they are asked for. A provider draws ahead
    // for one call at a time: a new call first ends the last one. Once every picture of a
    // call is at hand, drawnAhead() is emitted on the provider's thread.
    void drawAhead(QStringList paths, qreal devicePixelRatio, qreal scale);
    // Reads those of `paths` that the game carries on the same thread, while the caller goes
    // on, and makes the stand-ins of the others; it draws none, ends as drawing ahead does, and
    // emits nothing. Drawing ahead lets go of the stand-ins that nobody asked for.
    void readAhead(QStringList paths, qreal devicePixelRatio, qreal scale);

    // How many pictures this provider has drawn; the others came from the cache.
    int drawnCount() const;

    // Writes its files compressed from now on: smaller, and slower to write and read. For the
    // files the game carries, not for the cache of a running game.
    void compressFiles() { m_compressed = true; }

    // $XDG_CACHE_HOME/varn, or ~/.cache/varn where that is unset.
    static QString defaultFolder();
    // The folder of the pictures drawn when the game was built; empty where there is none.
    static QString shippedFolder();

  signals:
    void drawnAhead();

  private:
    struct Sheet;
    // Writes the file of every scale at which a picture has been drawn since it was read.
    void write();
    Sheet& sheet(qreal devicePixelRatio, qreal scale);
    QImage heldLocked(Sheet& sheet, const QString& path);
    PictureFile* carried(qreal size);
    PictureFile* nearestCarried(qreal size);
    QImage standInLocked(const QString& path, qreal devicePixelRatio, qreal scale);
    QString key(qreal devicePixelRatio, qreal scale) const;
    static QString fileName(qreal devicePixelRatio, qreal scale);
    void writeSheet(Sheet& sheet);
    void stopDrawingAhead();

    const QString m_folder;
    const QString m_drawing;
    const QString m_shipped;
    mutable QMutex m_mutex;
    QWaitCondition m_drawn;  // a picture has been drawn
    std::map<std::pair<qreal, qreal>, std::unique_ptr<Sheet>> m_sheets;
    std::map<qreal, std::unique_ptr<PictureFile>> m_carried;  // by ratio times scale
    std::vector<qreal> m_carriedSizes;                        // listed when first needed
    int m_drawnCount = 0;
    bool m_compressed = false;
    QTimer m_writeTimer;
    std::thread m_ahead;
    std::atomic<bool> m_stopAhead = false;
};

}  // namespace varn
