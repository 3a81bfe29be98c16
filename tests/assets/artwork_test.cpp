// artwork_test.cpp: every picture is among the resources, at its size, drawn, and crisp.
#include "artwork.h"
#include "pixels.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace varn {
namespace {

using artwork::nominalSize;
using artwork::picturePath;
using artwork::render;

struct Picture {
    const char* name;
    QSize size;
    bool opaque;  // covers its whole rectangle: pieces, button faces and textures do
};

const std::array<Picture, 21> kPictures = {{
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
}};

QString pathOf(const Picture& picture) {
    return picturePath(QString::fromLatin1(picture.name));
}

// What Qt's SVG renderer cannot draw it reports as a warning; collected here, they fail a test.
QStringList& warnings() {
    static QStringList collected;
    return collected;
}

void collectWarning(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtDebugMsg && type != QtInfoMsg) warnings().append(message);
}

TEST(Artwork, EveryPictureIsAResourceOfItsOwnSize) {
    for (const Picture& picture : kPictures) {
        SCOPED_TRACE(picture.name);
        EXPECT_EQ(nominalSize(pathOf(picture)), picture.size);
        const QImage image = render(pathOf(picture));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), picture.size);
        EXPECT_EQ(image.devicePixelRatio(), 1.0);
    }
}

TEST(Artwork, NoPictureIsBlank) {
    for (const Picture& picture : kPictures) {
        SCOPED_TRACE(picture.name);
        const QImage image = render(pathOf(picture));
        EXPECT_GT(pixels::countOpaque(image), image.width() * image.height() / 4);
    }
}

TEST(Artwork, EveryPictureButTheEmptyPieceIsADrawingNotAFlatColour) {
    for (const Picture& picture : kPictures) {
        if (std::string(picture.name) == "pattern-6.svg") continue;
        SCOPED_TRACE(picture.name);
        EXPECT_GE(pixels::countColours(render(pathOf(picture))), 8);
    }
}

TEST(Artwork, PiecesButtonsAndTexturesCoverTheirWholeRectangle) {
    for (const Picture& picture : kPictures) {
        if (!picture.opaque) continue;
        SCOPED_TRACE(picture.name);
        const QImage image = render(pathOf(picture));
        EXPECT_EQ(pixels::countOpaque(image), image.width() * image.height());
    }
}

TEST(Artwork, IconIsARoundDiscWithTransparentCorners) {
    const QImage icon = render(picturePath(QStringLiteral("icon.svg")));
    for (const QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)}) {
        EXPECT_EQ(qAlpha(icon.pixel(corner)), 0) << corner.x() << "," << corner.y();
    }
    EXPECT_EQ(qAlpha(icon.pixel(16, 1)), 255);
    EXPECT_EQ(qAlpha(icon.pixel(16, 16)), 255);
}

TEST(Artwork, QtDrawsEveryVectorPictureWithoutComplaint) {
    warnings().clear();
    const QtMessageHandler previous = qInstallMessageHandler(collectWarning);
    for (const Picture& picture : kPictures) {
        if (pathOf(picture).endsWith(QLatin1String(".svg"))) render(pathOf(picture), 3.0);
    }
    qInstallMessageHandler(previous);
    EXPECT_TRUE(warnings().isEmpty()) << warnings().join(u'\n').toStdString();
}

TEST(Artwork, DenseScreensGetMorePixelsAtTheSameLogicalSize) {
    for (const Picture& picture : kPictures) {
        if (!pathOf(picture).endsWith(QLatin1String(".svg"))) continue;
        SCOPED_TRACE(picture.name);
        const QImage dense = render(pathOf(picture), 2.0);
        EXPECT_EQ(dense.size(), picture.size * 2);
        EXPECT_EQ(dense.devicePixelRatio(), 2.0);
        EXPECT_EQ(dense.deviceIndependentSize(), QSizeF(picture.size));
    }
    // Drawn anew rather than blown up: a blown-up picture has no more colours than its original.
    const QImage normal = render(artwork::patternPath(3));
    EXPECT_GT(pixels::countColours(render(artwork::patternPath(3), 2.0)),
              pixels::countColours(normal));
}

TEST(Artwork, TexturesAreScaledForDenseScreens) {
    const QImage wood = render(picturePath(QStringLiteral("wood.png")), 2.0);
    EXPECT_EQ(wood.size(), QSize(650, 650));
    EXPECT_EQ(wood.deviceIndependentSize(), QSizeF(325, 325));
}

TEST(Artwork, PatternPathsNameTheResources) {
    EXPECT_EQ(artwork::patternPath(0), QStringLiteral(":/pictures/pattern-0.svg"));
    EXPECT_EQ(artwork::patternPath(14), QStringLiteral(":/pictures/pattern-14.svg"));
}

TEST(Artwork, MissingPictureGivesANullImage) {
    const QtMessageHandler previous = qInstallMessageHandler(collectWarning);
    EXPECT_TRUE(render(picturePath(QStringLiteral("pattern-9.svg"))).isNull());
    EXPECT_TRUE(nominalSize(picturePath(QStringLiteral("pattern-9.svg"))).isEmpty());
    EXPECT_TRUE(render(picturePath(QStringLiteral("nothing.png"))).isNull());
    EXPECT_TRUE(render(artwork::patternPath(3), 0.0).isNull());
    qInstallMessageHandler(previous);
}

}  // namespace
}  // namespace varn
