// artwork.cpp: resource paths of the pictures and their rendering at a screen's pixel ratio.
#include "artwork.h"

#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>

namespace varn::artwork {

namespace {

bool isVector(const QString& path) {
    return path.endsWith(QLatin1String(".svg"));
}

QSize scaled(QSize size, qreal ratio) {
    return QSize(static_cast<int>(std::lround(size.width() * ratio)),
                 static_cast<int>(std::lround(size.height() * ratio)));
}

QImage renderVector(const QString& path, qreal ratio, qreal scale) {
    QSvgRenderer renderer(path);
    if (!renderer.isValid()) return {};
    QImage image(scaled(renderer.defaultSize(), ratio * scale),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), image.size()));
    painter.end();
    image.setDevicePixelRatio(ratio);
    return image;
}

QImage renderRaster(const QString& path, qreal ratio, qreal scale) {
    QImage image(path);
    if (image.isNull()) return {};
    if (ratio * scale != 1.0) {
        image = image.scaled(scaled(image.size(), ratio * scale), Qt::IgnoreAspectRatio,
                             Qt::SmoothTransformation);
    }
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    return image;
}

}  // namespace

QString patternPath(int index) {
    return QStringLiteral(":/pictures/pattern-%1.svg").arg(index);
}

QString picturePath(const QString& fileName) {
    return QStringLiteral(":/pictures/") + fileName;
}

QSize nominalSize(const QString& path) {
    if (isVector(path)) {
        QSvgRenderer renderer(path);
        return renderer.isValid() ? renderer.defaultSize() : QSize();
    }
    QImageReader reader(path);
    return reader.size().isValid() ? reader.size() : QSize();
}

QImage render(const QString& path, qreal devicePixelRatio, qreal scale) {
    if (devicePixelRatio <= 0 || scale <= 0) return {};
    return isVector(path) ? renderVector(path, devicePixelRatio, scale)
                          : renderRaster(path, devicePixelRatio, scale);
}

}  // namespace varn::artwork
