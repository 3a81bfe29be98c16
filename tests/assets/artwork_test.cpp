// artwork_test.cpp: the game's pictures are all there, at their sizes, crisp, and readable in grey.
#include "artwork.h"

#include <QGuiApplication>
#include <QSvgRenderer>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <map>
#include <set>
#include <vector>
#include <string>

namespace {

using varn::artwork::nominalSize;
using varn::artwork::patternPath;
using varn::artwork::picturePath;
using varn::artwork::render;

struct Picture {
    const char* name;
    QSize size;
    bool opaque;  // covers its whole rectangle: pieces, button faces and textures
};

const std::array<Picture, 21> kPictures = {{
    {"pattern-0.svg", {32, 32}, true},    {"pattern-1.svg", {32, 32}, true},
    {"pattern-2.svg", {32, 32}, true},    {"pattern-3.svg", {32, 32}, true},
    {"pattern-4.svg", {32, 32}, true},    {"pattern-5.svg", {32, 32}, true},
    {"pattern-6.svg", {30, 30}, true},    {"pattern-7.svg", {32, 32}, true},
    {"pattern-8.svg", {32, 32}, true},    {"pattern-10.svg", {32, 32}, true},
    {"pattern-11.svg", {32, 32}, true},   {"pattern-12.svg", {32, 32}, true},
    {"pattern-13.svg", {32, 32}, true},   {"pattern-14.svg", {32, 32}, true},
    {"button-mirror.svg", {40, 32}, true}, {"button-left.svg", {40, 32}, true},
    {"button-right.svg", {40, 32}, true}, {"wood.png", {325, 325}, true},
    {"paper.png", {161, 46}, true},       {"icon.svg", {32, 32}, false},
    {"pointer.svg", {32, 32}, false},
}};

// Qt's SVG renderer reports what it cannot draw as warnings; collected here, they fail a test.
QStringList& svgWarnings() {
    static QStringList warnings;
    return warnings;
}

void collectWarnings(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtDebugMsg && type != QtInfoMsg) svgWarnings().append(message);
}

int countColours(const QImage& image) {
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
    }
    return static_cast<int>(colours.size());
}

int countOpaque(const QImage& image) {
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) opaque += qAlpha(image.pixel(x, y)) == 255;
    }
    return opaque;
}

// Mean of the absolute differences of two pictures' grey levels (0 to 255), pixel by pixel.
double meanGreyDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) sum += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
    }
    return sum / (a.width() * a.height());
}

TEST(Artwork, EveryPictureIsAResourceOfItsOwnSize) {
    for (const Picture& picture : kPictures) {
        SCOPED_TRACE(picture.name);
        const QString path = picturePath(QString::fromLatin1(picture.name));
        EXPECT_EQ(nominalSize(path), picture.size);
        const QImage image = render(path);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), picture.size);
        EXPECT_GT(countOpaque(image), image.width() * image.height() / 4) << "nearly blank";
    }
}

TEST(Artwork, EveryPictureButTheEmptyPieceIsADrawingNotAFlatColour) {
    for (const Picture& picture : kPictures) {
        if (std::string(picture.name) == "pattern-6.svg") continue;
        SCOPED_TRACE(picture.name);
        EXPECT_GE(countColours(render(picturePath(QString::fromLatin1(picture.name)))), 8);
    }
}

TEST(Artwork, PiecesButtonsAndTexturesCoverTheirWholeRectangle) {
    for (const Picture& picture : kPictures) {
        if (!picture.opaque) continue;
        SCOPED_TRACE(picture.name);
        const QImage image = render(picturePath(QString::fromLatin1(picture.name)));
        EXPECT_EQ(countOpaque(image), image.width() * image.height());
    }
}

TEST(Artwork, QtDrawsEveryVectorPictureWithoutComplaint) {
    svgWarnings().clear();
    const QtMessageHandler previous = qInstallMessageHandler(collectWarnings);
    for (const Picture& picture : kPictures) {
        const QString path = picturePath(QString::fromLatin1(picture.name));
        if (path.endsWith(QLatin1String(".svg"))) render(path, 3.0);
    }
    qInstallMessageHandler(previous);
    EXPECT_TRUE(svgWarnings().isEmpty()) << svgWarnings().join(u'\n').toStdString();
}

TEST(Artwork, DenseScreensGetMorePixelsAtTheSameLogicalSize) {
    const QImage normal = render(patternPath(3));
    const QImage dense = render(patternPath(3), 2.0);
    EXPECT_EQ(dense.size(), QSize(64, 64));
    EXPECT_EQ(dense.devicePixelRatio(), 2.0);
    EXPECT_EQ(dense.deviceIndependentSize(), QSizeF(32, 32));
    // Drawn anew, not blown up: a blown-up picture has no more colours than its original.
    EXPECT_GT(countColours(dense), countColours(normal));
}

TEST(Artwork, MissingPictureGivesANullImage) {
    const QtMessageHandler previous = qInstallMessageHandler(collectWarnings);
    EXPECT_TRUE(render(picturePath(QStringLiteral("no-such-picture.svg"))).isNull());
    EXPECT_TRUE(nominalSize(picturePath(QStringLiteral("no-such-picture.png"))).isEmpty());
    qInstallMessageHandler(previous);
}

TEST(Artwork, OrdinaryPiecesDifferInGreyByTwentyLevelsAPixel) {
    double smallest = 255;
    for (int a = 0; a < 5; ++a) {
        for (int b = a + 1; b < 5; ++b) {
            const double difference = meanGreyDifference(render(patternPath(a)), render(patternPath(b)));
            std::printf("pieces %d and %d: %.1f\n", a, b, difference);
            EXPECT_GE(difference, 20.0) << "pieces " << a << " and " << b;
            smallest = std::min(smallest, difference);
        }
    }
    RecordProperty("smallest_grey_difference", std::to_string(smallest));
}

// The figure of a piece: every pixel that stands out from the piece's ground colour, which is
// the colour of most of its border.
std::vector<bool> silhouette(const QImage& piece) {
    std::map<QRgb, int> border;
    for (int i = 0; i < 32; ++i) {
        ++border[piece.pixel(i, 0)];
        ++border[piece.pixel(i, 31)];
        ++border[piece.pixel(0, i)];
        ++border[piece.pixel(31, i)];
    }
    const QRgb ground = std::max_element(border.begin(), border.end(), [](auto& a, auto& b) {
                            return a.second < b.second;
                        })->first;
    std::vector<bool> figure;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb c = piece.pixel(x, y);
            const int distance = std::max({std::abs(qRed(c) - qRed(ground)),
                                           std::abs(qGreen(c) - qGreen(ground)),
                                           std::abs(qBlue(c) - qBlue(ground))});
            figure.push_back(distance > 48);
        }
    }
    return figure;
}

// The share of the two figures' union that only one of them covers: 0 for equal shapes.
double shapeDifference(const std::vector<bool>& a, const std::vector<bool>& b) {
    int either = 0;
    int onlyOne = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        either += a[i] || b[i];
        onlyOne += a[i] != b[i];
    }
    return either == 0 ? 0.0 : double(onlyOne) / either;
}

TEST(Artwork, OrdinaryPiecesHaveDistinctSilhouettes) {
    for (int a = 0; a < 5; ++a) {
        for (int b = a + 1; b < 5; ++b) {
            const double difference =
                shapeDifference(silhouette(render(patternPath(a))), silhouette(render(patternPath(b))));
            std::printf("shapes %d and %d: %.2f\n", a, b, difference);
        }
    }
}

TEST(Artwork, EmptyPieceIsAPlainMidGreySquare) {
    const QImage empty = render(patternPath(6));
    ASSERT_EQ(empty.size(), QSize(30, 30));
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 30; ++x) ASSERT_EQ(empty.pixel(x, y), qRgb(128, 128, 128)) << x << "," << y;
    }
}

TEST(Artwork, PointerHotSpotIsOnTheFingertip) {
    const QString path = picturePath(QStringLiteral("pointer.svg"));
    EXPECT_EQ(qAlpha(render(path).pixel(0, 0)), 255);
    EXPECT_EQ(qAlpha(render(path, 2.0).pixel(0, 0)), 255);
}

}  // namespace

int main(int argc, char** argv) {
    // Always headless, also when the test runner lists the tests at build time.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
