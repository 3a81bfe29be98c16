// generatedfiles_test.cpp: the committed raster files are what their sources make today, so
// nobody ships a texture or an icon that the code in the tree no longer draws.
#include "artwork.h"
#include "pixels.h"
#include "textures.h"

#include <QImage>

#include <gtest/gtest.h>

namespace varn {
namespace {

const QString kAssets = QStringLiteral(VARN_ASSETS_DIR);

// Pixels whose colour differs by more than a rounding step in the last bit of a sine.
int countDiffering(const QImage& a, const QImage& b) {
    const QImage ra = a.convertToFormat(QImage::Format_RGB32);
    const QImage rb = b.convertToFormat(QImage::Format_RGB32);
    int differing = 0;
    for (int y = 0; y < ra.height(); ++y) {
        for (int x = 0; x < ra.width(); ++x)
            differing += ra.pixel(x, y) != rb.pixel(x, y) ? 1 : 0;
    }
    return differing;
}

void expectSameTexture(const QImage& committed, const QImage& generated) {
    ASSERT_EQ(committed.size(), generated.size());
    // The generator quantises to a few shades; another maths library may move a rare pixel
    // by one shade, never more.
    EXPECT_LE(countDiffering(committed, generated), committed.width() * committed.height() / 200);
    EXPECT_LE(pixels::largestChannelDifference(committed, generated), 8);
}

TEST(GeneratedFiles, WoodTextureIsWhatTheGeneratorDraws) {
    const QImage committed(artwork::picturePath(QStringLiteral("wood.png")));
    expectSameTexture(committed, textures::woodTexture());
}

TEST(GeneratedFiles, PaperTextureIsWhatTheGeneratorDraws) {
    const QImage committed(artwork::picturePath(QStringLiteral("paper.png")));
    expectSameTexture(committed, textures::paperTexture());
}

TEST(GeneratedFiles, DesktopIconsAreTheIconDrawnAtTheirSizes) {
    for (const int size : {32, 64}) {
        SCOPED_TRACE(size);
        const QImage committed(kAssets + QStringLiteral("/desktop/varn-%1.png").arg(size));
        ASSERT_EQ(committed.size(), QSize(size, size));
        QImage drawn =
            artwork::render(artwork::picturePath(QStringLiteral("icon.svg")), size / 32.0);
        drawn.setDevicePixelRatio(1.0);
        EXPECT_LE(pixels::largestChannelDifference(committed, drawn), 2);
    }
}

}  // namespace
}  // namespace varn
