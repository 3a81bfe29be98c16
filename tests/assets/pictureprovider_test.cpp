// pictureprovider_test.cpp: the cache and the carried pictures show only what drawing would; a
// damaged, stale or foreign file is passed over and the cache written anew.
#include "pictureprovider.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <cmath>
#include <functional>

#include "artwork.h"

namespace varn {
namespace {

constexpr qreal kRatio = 2.0;
constexpr qreal kScale = 1.75;
const QStringList kPictures = {artwork::patternPath(5), artwork::picturePath("paper.png"),
                               artwork::picturePath("icon.svg")};

// Asks for every picture; each must show the pixels that drawing gives, an opaque one without
// its alpha channel. Returns how many were drawn.
int askForAll(PictureProvider& provider, qreal ratio = kRatio, qreal scale = kScale) {
    for (const QString& path : kPictures) {
        const QImage image = provider.picture(path, ratio, scale);
        const QImage drawn = artwork::render(path, ratio, scale);
        EXPECT_EQ(image.hasAlphaChannel(), path.endsWith("icon.svg")) << path.toStdString();
        EXPECT_TRUE(image.convertToFormat(drawn.format()) == drawn &&
                    image.devicePixelRatio() == ratio)
            << path.toStdString();
    }
    return provider.drawnCount();
}

void changeByte(const QString& path, qint64 offset) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const qint64 place = offset < 0 ? file.size() + offset : offset;
    file.seek(place);
    const char byte = char(file.read(1).at(0) ^ 0x10);
    file.seek(place);
    file.write(&byte, 1);
}

void replaceWith(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

struct Damage {
    const char* name;
    std::function<void(const QString& file)> apply;
    int drawn;  // how many pictures a start on the damaged file draws
};

const Damage kDamages[] = {
    {"None", [](const QString&) {}, 0},
    {"LastPictureChanged", [](const QString& file) { changeByte(file, -1); }, 1},
    {"IndexChanged", [](const QString& file) { changeByte(file, 40); }, 3},
    {"OtherFormatVersion", [](const QString& file) { changeByte(file, 8); }, 3},
    {"CutInThePixels", [](const QString& file) { QFile::resize(file, QFile(file).size() - 1); }, 1},
    {"CutInTheIndex", [](const QString& file) { QFile::resize(file, 30); }, 3},
    {"Empty", [](const QString& file) { replaceWith(file, {}); }, 3},
    {"OtherBytes", [](const QString& file) { replaceWith(file, "VARNPICS but not a cache"); }, 3},
    {"FromOtherSources",
     [](const QString& file) {
         // pictures-SCALE-RATIO.cache
         const QStringList parts = QFileInfo(file).completeBaseName().split(QLatin1Char('-'));
         PictureProvider older(QFileInfo(file).path(), QStringLiteral("older sources"));
         askForAll(older, parts.value(2).toDouble(), parts.value(1).toDouble());
     },
     3},
    {"Unreadable",
     [](const QString& file) {
         QFile::remove(file);
         QDir().mkpath(file);
     },
     3},
};

// The damage befalls either the cache, which a game writes as it goes, or a compressed file
// among those the game carries, which it only reads; a carried file drawn at ratio 1 serves
// every ratio and scale of the same product.
class PictureCacheTest : public testing::TestWithParam<std::tuple<Damage, bool>> {};

TEST_P(PictureCacheTest, ShowsOnlyWhatDrawingGivesAndRebuildsTheFile) {
    const auto& [damage, carried] = GetParam();
    const QTemporaryDir home;
    const QString cache = home.path() + QStringLiteral("/cache/varn");
    const QString shipped = carried ? home.path() + QStringLiteral("/carried") : QString();
    const QString folder = carried ? shipped : cache;
    {
        PictureProvider first(folder, {}, QString());
        if (carried) first.compressFiles();
        EXPECT_EQ(carried ? askForAll(first, 1, kRatio * kScale) : askForAll(first),
                  kPictures.size());
        // The file is written soon after the last picture, while the game runs on.
        for (int wait = 0; wait < 500 && QDir(folder).isEmpty(); ++wait) {
            QCoreApplication::processEvents();
            QThread::msleep(10);
        }
        ASSERT_FALSE(QDir(folder).isEmpty());
    }
    const QStringList files = QDir(folder).entryList(QDir::Files);
    ASSERT_EQ(files.size(), 1);
    damage.apply(folder + QLatin1Char('/') + files.first());
    {
        PictureProvider damaged(cache, {}, shipped);
        // Drawing ahead draws only what no file holds unharmed.
        damaged.drawAhead(kPictures, kRatio, kScale);
        EXPECT_EQ(askForAll(damaged), damage.drawn);
    }
    if (QFileInfo(folder + QLatin1Char('/') + files.first()).isDir()) return;
    PictureProvider later(cache, {}, shipped);
    EXPECT_EQ(askForAll(later), 0);
}

// The files drawn when the game was built hold every picture of the window, at each of their
// sizes, as drawing gives it at pixel ratio 1, and at ratio 2 for half the scale.
TEST(PictureProviderTest, CarriedPicturesAreWhatDrawingGives) {
    const QStringList files =
        QDir(QStringLiteral(VARN_PREDRAWN_DIR)).entryList({QStringLiteral("*.cache")});
    ASSERT_GE(files.size(), 2);
    QStringList names = QDir(artwork::picturePath({})).entryList(QDir::Files);
    names.removeAll(QStringLiteral("wood.png"));
    for (const QString& file : files) {
        // pictures-SCALE-1.cache
        const qreal size = file.section(QLatin1Char('-'), 1, 1).toDouble();
        const QTemporaryDir home;
        PictureProvider carried(home.path(), {}, QStringLiteral(VARN_PREDRAWN_DIR));
        for (const qreal ratio : {1.0, 2.0}) {
            if (ratio > 1 && std::fmod(size, 1.0) != 0) continue;
            for (const QString& name : names) {
                const QString path = artwork::picturePath(name);
                const QImage image = carried.picture(path, ratio, size / ratio);
                const QImage drawn = artwork::render(path, ratio, size / ratio);
                EXPECT_TRUE(image.convertToFormat(drawn.format()) == drawn &&
                            image.devicePixelRatio() == ratio)
                    << file.toStdString() << " " << name.toStdString() << " ratio " << ratio;
            }
        }
        EXPECT_EQ(carried.drawnCount(), 0) << file.toStdString();
    }
}

TEST(PictureProviderTest, DrawsAheadOnAThreadWhatIsAskedForMeanwhileOnlyOnce) {
    const QTemporaryDir home;
    PictureProvider provider(home.path());
    provider.drawAhead(kPictures, kRatio, kScale);
    EXPECT_EQ(askForAll(provider), kPictures.size());
}

INSTANTIATE_TEST_SUITE_P(Damages, PictureCacheTest,
                         testing::Combine(testing::ValuesIn(kDamages), testing::Bool()),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) ? "InACarriedFile" : "InTheCache");
                         });

}  // namespace
}  // namespace varn
