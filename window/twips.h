// twips.h: the window's design measures in twips, 1/1440 inch, with 15 to a screen pixel.
#pragma once

#include <QRect>

namespace varn {

inline constexpr int kTwipsPerPixel = 15;

constexpr int toPixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}
constexpr int toTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

inline QRect twipRect(int left, int top, int width, int height) {
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

}  // namespace varn
