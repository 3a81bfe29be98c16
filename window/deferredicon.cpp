// deferredicon.cpp: an icon made on its first use.
#include "deferredicon.h"

namespace varn {

const QIcon& DeferredIcon::icon() {
    if (!m_made) {
        m_icon = m_make();
        m_made = true;
    }
    return m_icon;
}

void DeferredIcon::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                         QIcon::State state) {
    icon().paint(painter, rect, Qt::AlignCenter, mode, state);
}

QPixmap DeferredIcon::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    return icon().pixmap(size, mode, state);
}

QSize DeferredIcon::actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    return icon().actualSize(size, mode, state);
}

QList<QSize> DeferredIcon::availableSizes(QIcon::Mode mode, QIcon::State state) {
    return icon().availableSizes(mode, state);
}

}  // namespace varn
