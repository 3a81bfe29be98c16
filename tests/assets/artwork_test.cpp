// artwork_test.cpp: every picture drawn crisply at its size, the ordinary pieces told apart
// without colour, and the committed raster files what their sources draw today.
#include "artwork.h"
#include "textures.h"

#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace varn {
namespace {

using artwork::patternPath;
using artwork::picturePath;
using artwork::render;

void forEachPixel(const QImage& image, const std::function<void(int, int)>& visit) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            visit(x, y);
    }
}

int countColours(const QImage& image) {
    std::set<QRgb> colours;
    forEachPixel(image, [&](int x, int y) { colours.insert(image.pixel(x, y)); });
    return static_cast<int>(colours.size());
}

int countOpaque(const QImage& image) {
    int opaque = 0;
    forEachPixel(image, [&](int x, int y) { opaque += qAlpha(image.pixel(x, y)) == 255 ? 1 : 0; });
    return opaque;
}

double meanGreyDifference(const QImage& a, const QImage& b) {
    double sum = 0.0;
    forEachPixel(
        a, [&](int x, int y) { sum += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))); });
    return sum / (a.width() * a.height());
}

// The figure of a piece: every pixel that stands out from its ground, the colour that most of
// the border holds. Anti-aliased edges of a faint detail stay ground.
std::vector<bool> silhouette(const QImage& piece) {
    std::map<QRgb, int> border;
    forEachPixel(piece, [&](int x, int y) {
        if (x == 0 || y == 0 || x == piece.width() - 1 || y == piece.height() - 1)
            ++border[piece.pixel(x, y)];
    });
    const QRgb ground = std::max_element(border.begin(), border.end(), [](auto& a, auto& b) {
                            return a.second < b.second;
                        })->first;
    std::vector<bool> figure;
    forEachPixel(piece, [&](int x, int y) {
        const QRgb c = piece.pixel(x, y);
        figure.push_back(
            std::max({std::abs(qRed(c) - qRed(ground)), std::abs(qGreen(c) - qGreen(ground)),
                      std::abs(qBlue(c) - qBlue(ground))}) > 48);
    });
    return figure;
}

// The share of two figures' union that only one of them covers: 0 for one shape.
double shapeDifference(const std::vector<bool>& a, const std::vector<bool>& b) {
    int either = 0;
    int onlyOne = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        either += (a[i] || b[i]) ? 1 : 0;
        onlyOne += (a[i] != b[i]) ? 1 : 0;
    }
    return either == 0 ? 0.0 : double(onlyOne) / either;
}

struct Picture {
    const char* name;
    QSize size;
    bool opaque;  // covers its whole rectangle: pieces, button faces and textures do
};

const Picture kPictures[] = {
    {"pattern-0.svg", {32, 32}, true},     {"pattern-1.svg", {32, 32}, true},
    {"pattern-2.svg", {32, 32}, true},     {"pattern-3.svg", {32, 32}, true},
    {"pattern-4.svg", {32, 32}, true},     {"pattern-5.svg", {32, 32}, true},
    {"pattern-6.svg", {30, 30}, true},     {"pattern-7.svg", {32, 32}, true},
    {"pattern-8.svg", {32, 32}, true},     {"pattern-10.svg", {32, 32}, true},
    {"pattern-11.svg", {32, 32}, true},    {"pattern-12.svg", {32, 32}, true},
    {"pattern-13.svg", {32, 32}, true},    {"pattern-14.svg", {32, 32}, true},
    {"button-mirror.svg", {40, 32}, true}, {"button-left.svg", {40, 32}, true},
    {"button-right.svg", {40, 32}, true},  {"wood.png", {325, 325}, true},
    {"paper.png", {161, 46}, true},        {"icon.svg", {32, 32}, false},
    {"pointer.svg", {32, 32}, false},
};

// What Qt's SVG renderer cannot draw it reports as a warning; collected here, they fail a test.
QStringList warnings;
void collectWarning(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtDebugMsg && type != QtInfoMsg) warnings.append(message);
}

void expectDrawnCrisply(const Picture& picture) {
    SCOPED_TRACE(picture.name);
    const QString path = picturePath(QString::fromLatin1(picture.name));
    const QImage image = render(path);
    ASSERT_EQ(image.size(), picture.size);
    EXPECT_EQ(artwork::nominalSize(path), picture.size);
    EXPECT_EQ(image.devicePixelRatio(), 1.0);
    const int area = picture.size.width() * picture.size.height();
    EXPECT_GE(countOpaque(image), picture.opaque ? area : area / 4);
    if (std::string(picture.name) == "pattern-6.svg") {
        // The empty cell is plain mid grey: the window draws the cell's frame to match.
        EXPECT_EQ(countColours(image), 1);
        EXPECT_EQ(image.pixel(0, 0), qRgb(128, 128, 128));
    } else {
        EXPECT_GE(countColours(image), 8) << "a drawing, not a flat colour";
    }
    // Dense screens get more pixels at the same logical size.
    const QImage dense = render(path, 2.0);
    EXPECT_EQ(dense.size(), picture.size * 2);
    EXPECT_EQ(dense.deviceIndependentSize(), QSizeF(picture.size));
}

TEST(Artwork, EveryPictureIsDrawnCrisplyAtItsSize) {
    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collectWarning);
    for (const Picture& picture : kPictures)
        expectDrawnCrisply(picture);
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join(u'\n').toStdString();
    // Drawn anew rather than blown up: a blown-up picture has no more colours than its original.
    EXPECT_GT(countColours(render(patternPath(3), 2.0)), countColours(render(patternPath(3))));
    EXPECT_TRUE(render(picturePath(QStringLiteral("pattern-9.svg"))).isNull());
    EXPECT_TRUE(artwork::nominalSize(picturePath(QStringLiteral("nothing.png"))).isEmpty());
    EXPECT_TRUE(render(patternPath(3), 0.0).isNull());
    qInstallMessageHandler(previous);
}

// Equal shapes in different colours would pass the grey test on their grounds alone, so the
// figures must differ too.
TEST(Artwork, OrdinaryPiecesDifferInGreyAndInShape) {
    std::vector<QImage> pieces;
    for (int kind = 0; kind < 5; ++kind)
        pieces.push_back(render(patternPath(kind)));
    EXPECT_EQ(meanGreyDifference(pieces[0], pieces[0]), 0.0);
    EXPECT_EQ(shapeDifference(silhouette(pieces[0]), silhouette(pieces[0])), 0.0);
    double grey = 255.0;
    double shape = 1.0;
    for (std::size_t a = 0; a < pieces.size(); ++a) {
        for (std::size_t b = a + 1; b < pieces.size(); ++b) {
            const double g = meanGreyDifference(pieces[a], pieces[b]);
            const double s = shapeDifference(silhouette(pieces[a]), silhouette(pieces[b]));
            EXPECT_GE(g, 20.0) << "pieces " << a << " and " << b << ", grey levels a pixel";
            EXPECT_GE(s, 0.25) << "pieces " << a << " and " << b << ", share of the figures";
            grey = std::min(grey, g);
            shape = std::min(shape, s);
        }
    }
    std::printf("smallest difference of two ordinary pieces: %.1f grey levels, %.2f of the shape\n",
                grey, shape);
}

struct Generated {
    const char* name;
    QImage committed;
    QImage drawn;
    int largest;    // the largest difference of a channel
    int differing;  // how many pixels may differ at all
};

void expectSameDrawing(const Generated& file) {
    SCOPED_TRACE(file.name);
    ASSERT_EQ(file.committed.size(), file.drawn.size());
    // Compared premultiplied, so that the colour of a transparent pixel does not count.
    const QImage a = file.committed.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage b = file.drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int largest = 0;
    int differing = 0;
    forEachPixel(a, [&](int x, int y) {
        const QRgb p = a.pixel(x, y);
        const QRgb q = b.pixel(x, y);
        const int difference =
            std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                      std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
        largest = std::max(largest, difference);
        differing += difference > 0 ? 1 : 0;
    });
    EXPECT_LE(largest, file.largest);
    EXPECT_LE(differing, file.differing);
}

TEST(Artwork, CommittedRasterFilesAreWhatTheirSourcesDrawToday) {
    auto icon = [](int size) {
        QImage drawn = render(picturePath(QStringLiteral("icon.svg")), size / 32.0);
        drawn.setDevicePixelRatio(1.0);
        return drawn;
    };
    const QString desktop = QStringLiteral(VARN_ASSETS_DIR "/desktop/");
    // The texture generator quantises to a few shades; another maths library may move a rare
    // pixel by one shade, never more.
    const Generated files[] = {
        {"wood", QImage(picturePath(QStringLiteral("wood.png"))), textures::woodTexture(), 8,
         325 * 325 / 200},
        {"paper", QImage(picturePath(QStringLiteral("paper.png"))), textures::paperTexture(), 8,
         161 * 46 / 200},
        {"icon 32", QImage(desktop + QStringLiteral("varn-32.png")), icon(32), 2, 32 * 32},
        {"icon 64", QImage(desktop + QStringLiteral("varn-64.png")), icon(64), 2, 64 * 64},
    };
    for (const Generated& file : files)
        expectSameDrawing(file);
}

}  // namespace
}  // namespace varn
