// designpictures.cpp: pictures from the provider, with stand-ins until the first frame.
#include "designpictures.h"

#include <malloc.h>

#include <QApplication>

#include "artwork.h"
#include "designtable.h"
#include "pictureprovider.h"

namespace varn {

DesignPictures::DesignPictures(PictureProvider& provider, QObject* parent)
    : QObject(parent), m_provider(provider) {
    connect(&provider, &PictureProvider::drawnAhead, this, [this] {
        if (!m_standIns.isEmpty()) {
            m_standIns.clear();
            m_patterns.fill(QPixmap());
            emit refined();
        }
        // The pictures of a scale left behind, the stand-ins and what reading and drawing
        // needed for a while leave free pages all over the heap: they go back to the system.
        malloc_trim(0);
    });
}

// Before the first frame the pictures that the game carries are unpacked on the provider's
// thread while the window lays out its texts; after it, a new scale's pieces are drawn there.
void DesignPictures::setScale(double factor) {
    m_factor = factor;
    m_standIns.clear();
    m_patterns.fill(QPixmap());
    if (m_shown) {
        drawAhead(dealtPictures());
    } else {
        m_provider.readAhead(firstFramePictures(), qApp->devicePixelRatio(), m_factor);
    }
}

QPixmap DesignPictures::picture(const QString& path) {
    const qreal ratio = qApp->devicePixelRatio();
    QImage image;
    if (!m_shown) image = m_provider.held(path, ratio, m_factor);
    if (image.isNull() && !m_shown) {
        image = m_provider.standIn(path, ratio, m_factor);
        if (!image.isNull()) m_standIns.insert(path);
    }
    if (image.isNull()) image = m_provider.picture(path, ratio, m_factor);
    // The provider hands out a picture that covers every pixel as RGB32 already: looking for
    // alpha again would read every pixel of it.
    return QPixmap::fromImage(image, Qt::NoOpaqueDetection);
}

const QPixmap& DesignPictures::pattern(int index) {
    QPixmap& pattern = m_patterns[index];
    if (pattern.isNull()) pattern = picture(artwork::patternPath(index));
    return pattern;
}

// The stand-ins' pictures first, then the effects of a move, which only a move shows. The help
// panel's texture, the largest picture by far, waits until the panel first opens: most games
// never show it.
void DesignPictures::firstFrameShown() {
    m_shown = true;
    QStringList paths(m_standIns.cbegin(), m_standIns.cend());
    for (int index = 0; index < piece::PatternCount; ++index) {
        const QString path = artwork::patternPath(index);
        if (isPatternIndex(index) && !paths.contains(path)) paths.append(path);
    }
    drawAhead(paths);
}

QIcon DesignPictures::icon() {
    const QString path = artwork::picturePath(QStringLiteral("icon.svg"));
    QIcon icon;
    for (const qreal scale : {1.0, 2.0})
        icon.addPixmap(QPixmap::fromImage(m_provider.picture(path, 1.0, scale)));
    return icon;
}

void DesignPictures::drawAhead(const QStringList& paths) {
    m_provider.drawAhead(paths, qApp->devicePixelRatio(), m_factor);
}

// The pieces that a deal can show, then the window's own pictures.
QStringList DesignPictures::firstFramePictures() {
    QStringList paths = dealtPictures();
    for (const Control& control : designTable().controls) {
        const QString path = control.picture ? artwork::picturePath(control.picture) : QString();
        if (!path.isEmpty() && !paths.contains(path)) paths.append(path);
    }
    paths.append(artwork::picturePath(QStringLiteral("pointer.svg")));
    return paths;
}

// The pieces that a deal can show, in the order opposite to the window's own, so that the
// provider's thread and the window's meet in the middle.
QStringList DesignPictures::dealtPictures() {
    QStringList paths;
    for (int index = piece::PatternCount - 1; index >= 0; --index) {
        if (isBoardCode(index) && index != piece::Empty) paths.append(artwork::patternPath(index));
    }
    return paths;
}

}  // namespace varn
