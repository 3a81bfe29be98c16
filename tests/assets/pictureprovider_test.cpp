// pictureprovider_test.cpp: the picture cache shows only what drawing would: a file that is
// damaged, stale, unreadable or of another format is passed over, and written anew.
#include "pictureprovider.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
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
int askForAll(PictureProvider& provider) {
    for (const QString& path : kPictures) {
        const QImage image = provider.picture(path, kRatio, kScale);
        const QImage drawn = artwork::render(path, kRatio, kScale);
        EXPECT_EQ(image.hasAlphaChannel(), path.endsWith("icon.svg")) << path.toStdString();
        EXPECT_TRUE(image.convertToFormat(drawn.format()) == drawn &&
                    image.devicePixelRatio() == kRatio)
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
         PictureProvider older(QFileInfo(file).path(), QStringLiteral("older sources"));
         askForAll(older);
     },
     3},
    {"Unreadable",
     [](const QString& file) {
         QFile::remove(file);
         QDir().mkpath(file);
     },
     3},
};

class PictureCacheTest : public testing::TestWithParam<Damage> {};

TEST_P(PictureCacheTest, ShowsOnlyWhatDrawingGivesAndRebuildsTheFile) {
    const QTemporaryDir home;
    const QString folder = home.path() + QStringLiteral("/cache/varn");
    {
        PictureProvider first(folder);
        EXPECT_EQ(askForAll(first), kPictures.size());
        // The file is written soon after the last picture, while the game runs on.
        for (int wait = 0; wait < 500 && QDir(folder).isEmpty(); ++wait) {
            QCoreApplication::processEvents();
            QThread::msleep(10);
        }
        ASSERT_FALSE(QDir(folder).isEmpty());
    }
    const QStringList files = QDir(folder).entryList(QDir::Files);
    ASSERT_EQ(files.size(), 1);
    GetParam().apply(folder + QLatin1Char('/') + files.first());
    {
        PictureProvider damaged(folder);
        EXPECT_EQ(askForAll(damaged), GetParam().drawn);
    }
    if (QFileInfo(folder + QLatin1Char('/') + files.first()).isDir()) return;
    PictureProvider later(folder);
    EXPECT_EQ(askForAll(later), 0);
}

TEST(PictureProviderTest, DrawsAheadOnAThreadWhatIsAskedForMeanwhileOnlyOnce) {
    const QTemporaryDir home;
    PictureProvider provider(home.path());
    provider.drawAhead(kPictures, kRatio, kScale);
    EXPECT_EQ(askForAll(provider), kPictures.size());
}

INSTANTIATE_TEST_SUITE_P(Damages, PictureCacheTest, testing::ValuesIn(kDamages),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace varn
