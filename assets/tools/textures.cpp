// textures.cpp: the procedural panel textures, wood grain and flecked paper, pixel for pixel
// the same on every run.
#include "textures.h"

#include <QColor>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace varn::textures {

namespace {

// A repeatable pseudo-random value in [0, 1) for a lattice point; no library generator, so the
// pictures do not change with the standard library.
double lattice(int x, int y, std::uint32_t seed) {
    std::uint32_t h = seed ^ (static_cast<std::uint32_t>(x) * 0x8da6b343u) ^
                      (static_cast<std::uint32_t>(y) * 0xd8163841u);
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return (h & 0xffffffu) / double(0x1000000);
}

double smooth(double t) {
    return t * t * (3.0 - 2.0 * t);
}

// Value noise in [0, 1), smoothly interpolated between lattice points.
double valueNoise(double x, double y, std::uint32_t seed) {
    const int ix = static_cast<int>(std::floor(x));
    const int iy = static_cast<int>(std::floor(y));
    const double fx = smooth(x - ix);
    const double fy = smooth(y - iy);
    const double top = std::lerp(lattice(ix, iy, seed), lattice(ix + 1, iy, seed), fx);
    const double bottom = std::lerp(lattice(ix, iy + 1, seed), lattice(ix + 1, iy + 1, seed), fx);
    return std::lerp(top, bottom, fy);
}

// Three octaves of value noise, in [0, 1).
double fractalNoise(double x, double y, std::uint32_t seed) {
    double sum = 0.0;
    double weight = 0.5;
    for (int octave = 0; octave < 3; ++octave) {
        sum += weight * valueNoise(x, y, seed + octave * 101u);
        x *= 2.0;
        y *= 2.0;
        weight *= 0.5;
    }
    return sum / 0.875;
}

// An indexed picture whose palette runs evenly from `light` to `dark`; few colours keep the
// committed PNG small.
QImage rampImage(QSize size, QColor light, QColor dark, int levels) {
    QImage image(size, QImage::Format_Indexed8);
    QList<QRgb> palette;
    for (int i = 0; i < levels; ++i) {
        const double t = double(i) / (levels - 1);
        palette.append(
            qRgb(static_cast<int>(std::lround(std::lerp(light.red(), dark.red(), t))),
                 static_cast<int>(std::lround(std::lerp(light.green(), dark.green(), t))),
                 static_cast<int>(std::lround(std::lerp(light.blue(), dark.blue(), t)))));
    }
    image.setColorTable(palette);
    return image;
}

void setShade(QImage& image, int x, int y, double shade) {
    const int levels = static_cast<int>(image.colorCount());
    const int index = static_cast<int>(std::lround(std::clamp(shade, 0.0, 1.0) * (levels - 1)));
    image.setPixel(x, y, static_cast<uint>(index));
}

}  // namespace

// Pale yellow wood, its grain running across: growth rings bent by slow noise, and fine fibres.
QImage woodTexture() {
    QImage image = rampImage(QSize(325, 325), QColor(250, 238, 190), QColor(214, 178, 108), 24);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const double bend = 1.6 * fractalNoise(x / 170.0, y / 60.0, 7u);
            const double knot = fractalNoise(x / 60.0, y / 60.0, 31u);
            // Each growth ring darkens slowly and ends in a sharp late-wood line.
            const double phase = y / 12.0 + bend + 1.2 * knot;
            const double ring = std::pow(phase - std::floor(phase), 3.5);
            const double fibre = fractalNoise(x / 30.0, y / 1.6, 19u);
            const double band = fractalNoise(x / 400.0, y / 25.0, 43u);
            setShade(image, x, y, 0.6 * ring + 0.25 * fibre + 0.35 * band - 0.15);
        }
    }
    return image;
}

// White paper with faint grey flecks and a few short fibres.
QImage paperTexture() {
    QImage image = rampImage(QSize(161, 46), QColor(255, 255, 255), QColor(150, 150, 150), 16);
    image.fill(0);
    std::uint32_t seed = 1u;
    auto next = [&seed](int bound) {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<int>((seed >> 8) % static_cast<std::uint32_t>(bound));
    };
    for (int i = 0; i < 110; ++i) {
        const int x = next(image.width());
        const int y = next(image.height());
        setShade(image, x, y, 0.25 + next(40) / 100.0);
        if (next(3) == 0 && x + 1 < image.width()) setShade(image, x + 1, y, 0.2);
    }
    for (int i = 0; i < 14; ++i) {
        int x = next(image.width());
        int y = next(image.height());
        const int dx = next(2) == 0 ? 1 : -1;
        for (int step = 0; step < 4 + next(5); ++step) {
            if (x < 0 || x >= image.width() || y < 0 || y >= image.height()) break;
            setShade(image, x, y, 0.12);
            x += dx;
            if (next(3) == 0) y += next(2) == 0 ? 1 : -1;
        }
    }
    return image;
}

}  // namespace varn::textures
