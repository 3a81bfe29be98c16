// generatetextures.cpp: writes the two panel textures as the PNG files the resources hold.
//   varn-generate-textures OUTDIR    writes OUTDIR/wood.png (325 by 325) and OUTDIR/paper.png
//                                    (161 by 46); the same pictures on every run.
#include "textures.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

namespace {

bool save(const QImage& image, const QDir& dir, const char* name) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    if (image.save(path, "PNG", 0)) return true;
    std::fprintf(stderr, "varn-generate-textures: could not write %s\n", qPrintable(path));
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: varn-generate-textures OUTDIR\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    const bool ok = save(varn::textures::woodTexture(), dir, "wood.png") &&
                    save(varn::textures::paperTexture(), dir, "paper.png");
    return ok ? 0 : 1;
}
