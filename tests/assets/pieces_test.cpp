// pieces_test.cpp: the five ordinary pieces can be told apart without colour, and the empty
// piece and the pointer are what the window relies on.
#include "artwork.h"
#include "pixels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace varn {
namespace {

using artwork::patternPath;
using artwork::render;

constexpr int kOrdinaryKinds = 5;

TEST(Pieces, OrdinaryPiecesDifferInGreyByAtLeastTwentyLevelsAPixel) {
    double smallest = 255.0;
    for (int a = 0; a < kOrdinaryKinds; ++a) {
        const QImage greyA = pixels::greyscale(render(patternPath(a)));
        ASSERT_EQ(greyA.size(), QSize(32, 32));
        for (int b = a + 1; b < kOrdinaryKinds; ++b) {
            const double difference =
                pixels::meanGreyDifference(greyA, pixels::greyscale(render(patternPath(b))));
            EXPECT_GE(difference, 20.0) << "pieces " << a << " and " << b;
            smallest = std::min(smallest, difference);
        }
    }
    std::printf("smallest mean grey difference of two ordinary pieces: %.1f levels\n", smallest);
    RecordProperty("smallest_grey_difference", std::to_string(smallest));
}

// Equal shapes in different colours would pass the grey test on their grounds alone; the
// figures themselves must differ too.
TEST(Pieces, OrdinaryPiecesHaveDistinctSilhouettes) {
    double smallest = 1.0;
    for (int a = 0; a < kOrdinaryKinds; ++a) {
        const std::vector<bool> shapeA = pixels::silhouette(render(patternPath(a)));
        for (int b = a + 1; b < kOrdinaryKinds; ++b) {
            const double difference =
                pixels::shapeDifference(shapeA, pixels::silhouette(render(patternPath(b))));
            EXPECT_GE(difference, 0.25) << "pieces " << a << " and " << b;
            smallest = std::min(smallest, difference);
        }
    }
    std::printf("smallest share of two silhouettes that only one covers: %.2f\n", smallest);
}

TEST(Pieces, SilhouetteMeasureSeesASmallShift) {
    // The measure itself: a figure against itself is 0, against a copy moved by a few pixels it
    // is well above 0.
    const QImage fish = render(patternPath(0));
    const QImage moved = fish.copy(-4, 0, 32, 32);  // shifted right, new pixels transparent
    QImage padded = moved;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 4; ++x)
            padded.setPixel(x, y, fish.pixel(0, 16));
    }
    EXPECT_EQ(pixels::shapeDifference(pixels::silhouette(fish), pixels::silhouette(fish)), 0.0);
    EXPECT_GT(pixels::shapeDifference(pixels::silhouette(fish), pixels::silhouette(padded)), 0.2);
}

TEST(Pieces, EmptyPieceIsAPlainMidGreySquareOfThirtyPixels) {
    const QImage empty = render(patternPath(6));
    ASSERT_EQ(empty.size(), QSize(30, 30));
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 30; ++x) {
            ASSERT_EQ(empty.pixel(x, y), qRgb(128, 128, 128)) << "at " << x << "," << y;
        }
    }
}

TEST(Pointer, HotSpotAtTheTopLeftPixelIsOnTheHand) {
    const QString path = artwork::picturePath(QStringLiteral("pointer.svg"));
    EXPECT_EQ(qAlpha(render(path).pixel(0, 0)), 255);
    EXPECT_EQ(qAlpha(render(path, 2.0).pixel(0, 0)), 255);
}

TEST(Pointer, IsBlackAndWhiteOnTransparency) {
    const QImage pointer = render(artwork::picturePath(QStringLiteral("pointer.svg")));
    int transparent = 0;
    for (int y = 0; y < pointer.height(); ++y) {
        for (int x = 0; x < pointer.width(); ++x) {
            const QRgb pixel = pointer.pixel(x, y);
            EXPECT_TRUE(qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel))
                << "coloured at " << x << "," << y;
            transparent += qAlpha(pixel) == 0 ? 1 : 0;
        }
    }
    // A hand, not a tile: the far corners stay see-through.
    EXPECT_GT(transparent, 32 * 32 / 3);
    EXPECT_EQ(qAlpha(pointer.pixel(31, 0)), 0);
    EXPECT_EQ(qAlpha(pointer.pixel(0, 31)), 0);
}

}  // namespace
}  // namespace varn
