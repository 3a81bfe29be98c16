// screenpicture.cpp: pictures of the screen for the checks of the real program.
//   varn_screen_picture grab WINDOW_ID OUT.png   the X11 window's pixels
//   varn_screen_picture find SCREEN.png PART.png where PART lies in SCREEN: "X Y DIFFERENCES"
// A part is found where most of a grid of its pixels match; then every pixel is compared.
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

constexpr int kGrid = 24;
constexpr int kWorstSample = 4;

std::vector<QPoint> grid(QSize size) {
    std::vector<QPoint> points;
    for (int i = 0; i < kGrid; ++i) {
        for (int j = 0; j < kGrid; ++j)
            points.emplace_back(i * (size.width() - 1) / (kGrid - 1),
                                j * (size.height() - 1) / (kGrid - 1));
    }
    return points;
}

int mismatches(const QImage& screen, const QImage& part, QPoint at,
               const std::vector<QPoint>& points, int limit) {
    int count = 0;
    for (const QPoint& point : points) {
        count += screen.pixel(at + point) != part.pixel(point);
        if (count > limit) break;
    }
    return count;
}

std::optional<QPoint> place(const QImage& screen, const QImage& part) {
    const std::vector<QPoint> points = grid(part.size());
    std::optional<QPoint> best;
    int fewest = kWorstSample;
    for (int y = 0; y + part.height() <= screen.height(); ++y) {
        for (int x = 0; x + part.width() <= screen.width(); ++x) {
            const int count = mismatches(screen, part, {x, y}, points, fewest);
            if (count <= fewest && (!best || count < fewest)) best = QPoint(x, y);
            if (count < fewest) fewest = count;
        }
    }
    return best;
}

int find(const char* screenFile, const char* partFile) {
    const QImage screen =
        QImage(QString::fromLocal8Bit(screenFile)).convertToFormat(QImage::Format_RGB32);
    const QImage part =
        QImage(QString::fromLocal8Bit(partFile)).convertToFormat(QImage::Format_RGB32);
    if (screen.isNull() || part.isNull()) return 2;
    const std::optional<QPoint> at = place(screen, part);
    if (!at) {
        std::fputs("no place where the part's pixels match\n", stderr);
        return 1;
    }
    const std::vector<QPoint> every = [&part] {
        std::vector<QPoint> points;
        for (int y = 0; y < part.height(); ++y)
            for (int x = 0; x < part.width(); ++x)
                points.emplace_back(x, y);
        return points;
    }();
    std::printf("%d %d %d\n", at->x(), at->y(),
                mismatches(screen, part, *at, every, int(every.size())));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const QByteArray command = argc > 1 ? argv[1] : "";
    if (argc == 4 && command == "find") return find(argv[2], argv[3]);
    if (argc != 4 || command != "grab") {
        std::fputs("usage: varn_screen_picture grab WINDOW_ID OUT.png | find SCREEN.png PART.png\n",
                   stderr);
        return 2;
    }
    QGuiApplication app(argc, argv);
    const QPixmap window =
        QGuiApplication::primaryScreen()->grabWindow(WId(QByteArray(argv[2]).toULongLong()));
    return window.save(QString::fromLocal8Bit(argv[3])) ? 0 : 1;
}
