// pixels.cpp: measurements on rendered pictures that the artwork tests compare.
#include "pixels.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>

namespace varn::pixels {

int countColours(const QImage& image) {
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    }
    return static_cast<int>(colours.size());
}

int countOpaque(const QImage& image) {
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            opaque += qAlpha(image.pixel(x, y)) == 255 ? 1 : 0;
    }
    return opaque;
}

QImage greyscale(const QImage& image) {
    QImage grey(image.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < image.height(); ++y) {
        uchar* line = grey.scanLine(y);
        for (int x = 0; x < image.width(); ++x)
            line[x] = static_cast<uchar>(qGray(image.pixel(x, y)));
    }
    return grey;
}

double meanGreyDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size() || a.isNull()) return 0.0;
    double sum = 0.0;
    for (int y = 0; y < a.height(); ++y) {
        const uchar* lineA = a.constScanLine(y);
        const uchar* lineB = b.constScanLine(y);
        for (int x = 0; x < a.width(); ++x)
            sum += std::abs(lineA[x] - lineB[x]);
    }
    return sum / (a.width() * a.height());
}

int largestChannelDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return 256;
    const QImage pa = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage pb = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int largest = 0;
    for (int y = 0; y < pa.height(); ++y) {
        const auto* lineA = reinterpret_cast<const QRgb*>(pa.constScanLine(y));
        const auto* lineB = reinterpret_cast<const QRgb*>(pb.constScanLine(y));
        for (int x = 0; x < pa.width(); ++x) {
            largest = std::max({largest, std::abs(qRed(lineA[x]) - qRed(lineB[x])),
                                std::abs(qGreen(lineA[x]) - qGreen(lineB[x])),
                                std::abs(qBlue(lineA[x]) - qBlue(lineB[x])),
                                std::abs(qAlpha(lineA[x]) - qAlpha(lineB[x]))});
        }
    }
    return largest;
}

namespace {

QRgb groundColour(const QImage& piece) {
    std::map<QRgb, int> border;
    const int right = piece.width() - 1;
    const int bottom = piece.height() - 1;
    for (int x = 0; x <= right; ++x) {
        ++border[piece.pixel(x, 0)];
        ++border[piece.pixel(x, bottom)];
    }
    for (int y = 0; y <= bottom; ++y) {
        ++border[piece.pixel(0, y)];
        ++border[piece.pixel(right, y)];
    }
    return std::max_element(border.begin(), border.end(),
                            [](const auto& a, const auto& b) { return a.second < b.second; })
        ->first;
}

}  // namespace

std::vector<bool> silhouette(const QImage& piece) {
    // A pixel belongs to the figure when one channel differs from the ground by more than this;
    // anti-aliased edges of a faint detail stay ground.
    constexpr int kStandsOut = 48;
    const QRgb ground = groundColour(piece);
    std::vector<bool> figure;
    for (int y = 0; y < piece.height(); ++y) {
        for (int x = 0; x < piece.width(); ++x) {
            const QRgb c = piece.pixel(x, y);
            const int distance =
                std::max({std::abs(qRed(c) - qRed(ground)), std::abs(qGreen(c) - qGreen(ground)),
                          std::abs(qBlue(c) - qBlue(ground))});
            figure.push_back(distance > kStandsOut);
        }
    }
    return figure;
}

double shapeDifference(const std::vector<bool>& a, const std::vector<bool>& b) {
    int either = 0;
    int onlyOne = 0;
    for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i) {
        either += (a[i] || b[i]) ? 1 : 0;
        onlyOne += (a[i] != b[i]) ? 1 : 0;
    }
    return either == 0 ? 0.0 : double(onlyOne) / either;
}

}  // namespace varn::pixels
