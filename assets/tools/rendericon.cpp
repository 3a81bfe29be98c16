// rendericon.cpp: renders the SVG icon to the PNG sizes the desktop's icon theme wants.
//   varn-render-icon ICON.svg SIZE OUT.png
#include "artwork.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: varn-render-icon ICON.svg SIZE OUT.png\n");
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    const int size = QString::fromLocal8Bit(argv[2]).toInt();
    const QSize nominal = varn::artwork::nominalSize(source);
    if (size <= 0 || nominal.isEmpty() || nominal.width() != nominal.height()) {
        std::fprintf(stderr, "varn-render-icon: need a square SVG and a size above 0\n");
        return 1;
    }
    QImage image = varn::artwork::render(source, qreal(size) / nominal.width());
    image.setDevicePixelRatio(1.0);
    if (image.size() != QSize(size, size) || !image.save(QString::fromLocal8Bit(argv[3]))) {
        std::fprintf(stderr, "varn-render-icon: could not write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
