// predraw.cpp: draws the game's pictures at the scales a first start picks, into files that the
// game carries, so that a first start reads its pictures instead of drawing them.
//   varn-predraw OUT_DIR [--without PICTURE]... RATIO:SCALE...
// The files are the picture cache's own, keyed as the game keys its cache: a game built with
// other pictures or drawing code, or run on another Qt, passes them over and draws.
#include <QDir>
#include <QGuiApplication>

#include <cstdio>

#include "artwork.h"
#include "pictureprovider.h"

namespace {

bool draw(varn::PictureProvider& pictures, const QStringList& names, const QString& place) {
    const QStringList parts = place.split(QLatin1Char(':'));
    bool ratioOk = false, scaleOk = false;
    const qreal ratio = parts.value(0).toDouble(&ratioOk);
    const qreal scale = parts.value(1).toDouble(&scaleOk);
    if (parts.size() != 2 || !ratioOk || !scaleOk || ratio <= 0 || scale < 1) return false;
    for (const QString& name : names) {
        if (pictures.picture(varn::artwork::picturePath(name), ratio, scale).isNull()) return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    QStringList names = QDir(varn::artwork::picturePath({})).entryList(QDir::Files);
    while (arguments.size() > 2 && arguments[1] == QLatin1String("--without")) {
        names.removeAll(arguments[2]);
        arguments.remove(1, 2);
    }
    if (arguments.size() < 2) {
        std::fprintf(stderr, "usage: varn-predraw OUT_DIR [--without PICTURE]... RATIO:SCALE...\n");
        return 2;
    }
    QDir(arguments[0]).removeRecursively();
    {
        varn::PictureProvider pictures(arguments[0], {}, QString());
        pictures.compressFiles();
        for (const QString& place : arguments.mid(1)) {
            if (!draw(pictures, names, place)) {
                std::fprintf(stderr, "varn-predraw: cannot draw at %s\n", qPrintable(place));
                return 1;
            }
        }
    }  // the provider writes its files as it ends
    return 0;
}
