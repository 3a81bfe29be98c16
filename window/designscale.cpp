// designscale.cpp: twips to pixels at one scale, and the scales the window steps through.
#include "designscale.h"

#include <algorithm>
#include <cmath>

#include "designtable.h"

namespace varn {

namespace {

constexpr double kFineSteps = 64.0;
constexpr double kQuarters = 4.0;
// Keeps a factor that is a step, but off by a rounding error, on that step.
constexpr double kSlack = 1e-6;

double twipsPerPixel() {
    return designTable().twipsPerPixel;
}

}  // namespace

DesignScale::DesignScale(double factor)
    : m_factor(std::isfinite(factor) ? std::max(factor, 1.0) : 1.0) {}

int DesignScale::toPixels(int twips) const {
    return static_cast<int>(std::lround(twips * m_factor / twipsPerPixel()));
}

QRect DesignScale::toPixels(const QRect& twips) const {
    const int left = toPixels(twips.x());
    const int top = toPixels(twips.y());
    return QRect(left, top, toPixels(twips.x() + twips.width()) - left,
                 toPixels(twips.y() + twips.height()) - top);
}

QSize DesignScale::designSize() const {
    const auto whole = [this](int twips) {
        return static_cast<int>(std::ceil(twips * m_factor / twipsPerPixel() - kSlack));
    };
    const QSize design = designTable().twips;
    return {whole(design.width()), whole(design.height())};
}

DesignScale DesignScale::fitting(QSize inside) {
    const QSize design = designTable().twips;
    const double across = double(inside.width()) * twipsPerPixel() / design.width();
    const double down = double(inside.height()) * twipsPerPixel() / design.height();
    return DesignScale(std::floor(std::min(across, down) * kFineSteps + kSlack) / kFineSteps);
}

double DesignScale::zoomedIn(double factor) {
    return std::floor(factor * kQuarters + kSlack) / kQuarters + 1 / kQuarters;
}

double DesignScale::zoomedOut(double factor) {
    return std::max(1.0, std::ceil(factor * kQuarters - kSlack) / kQuarters - 1 / kQuarters);
}

double DesignScale::firstStart(QSize available, int menuHeight) {
    double factor = 1.0;
    while (true) {
        const QSize next = DesignScale(zoomedIn(factor)).designSize();
        if (4 * next.width() > 3 * available.width() ||
            4 * (next.height() + menuHeight) > 3 * available.height()) {
            return factor;
        }
        factor = zoomedIn(factor);
    }
}

}  // namespace varn
