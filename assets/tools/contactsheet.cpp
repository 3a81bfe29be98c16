// contactsheet.cpp: lays every picture out on one sheet to judge the artwork by eye.
//   varn-contact-sheet OUT.png
// Each picture appears twice: drawn at ratio 1 and blown up four times pixel by pixel (what a
// normal screen shows), and drawn at ratio 4 (a dense screen). Below them come the five ordinary
// pieces in grey, as a colour-blind player may see them, and a sample board at twice its size.
#include "artwork.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>

#include <cstdio>

namespace {

constexpr int kZoom = 4;
constexpr int kGap = 12;

// Every vector picture among the resources, whose list lives in the build alone: the pieces
// in the order of their codes, the five ordinary kinds first, then the others.
QStringList picturePaths() {
    QStringList paths;
    for (int code = 0; code <= 14; ++code) {
        if (QFile::exists(varn::artwork::patternPath(code)))
            paths.append(varn::artwork::patternPath(code));
    }
    for (const QString& name : QDir(QStringLiteral(":/pictures")).entryList({"*.svg"})) {
        if (!name.startsWith(QLatin1String("pattern-")))
            paths.append(varn::artwork::picturePath(name));
    }
    return paths;
}

QImage blownUp(const QImage& image) {
    return image.scaled(image.size() * kZoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QImage grey(const QImage& image) {
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            const int g = qGray(line[x]);
            line[x] = qRgba(g, g, g, qAlpha(line[x]));
        }
    }
    return result;
}

// Draws `images` left to right from `top`; returns the bottom of the row.
int drawRow(QPainter& painter, int top, const QList<QImage>& images) {
    int x = kGap;
    int bottom = top;
    for (const QImage& image : images) {
        painter.drawImage(QPoint(x, top), image);
        const QSize logical = image.deviceIndependentSize().toSize();
        x += logical.width() + kGap;
        bottom = std::max(bottom, top + logical.height());
    }
    return bottom + kGap;
}

QImage sampleBoard() {
    const int codes[] = {0, 1, 2, 3, 4, 0, 1, 2, 3, 4, 5, 11, 12, 13, 14, 6, 7, 8, 10};
    QImage board(QSize(320, 320), QImage::Format_ARGB32_Premultiplied);
    board.fill(QColor(255, 255, 192));
    QPainter painter(&board);
    std::uint32_t seed = 5u;
    for (int cell = 0; cell < 100; ++cell) {
        seed = seed * 1664525u + 1013904223u;
        const int pick = static_cast<int>((seed >> 8) % 100);
        const int code = pick < 90 ? codes[pick % 5] : codes[5 + pick % 14];
        painter.drawImage(QPoint(32 * (cell % 10), 32 * (cell / 10)),
                          varn::artwork::render(varn::artwork::patternPath(code)));
    }
    return board.scaled(board.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// Draws every picture, the grey pieces, the sample board and the textures on `sheet` from the
// top; returns the bottom of what was drawn.
int drawSheet(QImage& sheet) {
    QPainter painter(&sheet);
    QList<QImage> normal, dense, figures;
    for (const QString& path : picturePaths()) {
        normal.append(blownUp(varn::artwork::render(path)));
        QImage sharp = varn::artwork::render(path, kZoom);
        sharp.setDevicePixelRatio(1.0);  // lay it out pixel for pixel, not at its logical size
        dense.append(sharp);
        if (normal.size() <= 5) figures.append(grey(normal.last()));
    }
    int top = kGap;
    for (int first = 0; first < normal.size(); first += 7) {
        top = drawRow(painter, top, normal.mid(first, 7));
        top = drawRow(painter, top, dense.mid(first, 7));
    }
    top = drawRow(painter, top, figures);
    top = drawRow(painter, top, {sampleBoard()});
    const QImage wood = varn::artwork::render(varn::artwork::picturePath("wood.png"));
    const QImage paper = varn::artwork::render(varn::artwork::picturePath("paper.png"));
    return drawRow(painter, top, {wood, blownUp(paper)});
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: varn-contact-sheet OUT.png\n");
        return 2;
    }
    QImage sheet(QSize(1100, 2400), QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(0, 192, 192));
    const int bottom = drawSheet(sheet);
    sheet = sheet.copy(0, 0, sheet.width(), bottom);
    if (!sheet.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "varn-contact-sheet: could not write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
