// pixels.h: measurements on rendered pictures that the artwork tests compare.
#pragma once

#include <QImage>

#include <vector>

namespace varn::pixels {

// How many different colours (alpha included) the image holds.
int countColours(const QImage& image);

// How many pixels are fully opaque.
int countOpaque(const QImage& image);

// The image in grey levels 0 to 255, by Qt's weighting of red, green and blue.
QImage greyscale(const QImage& image);

// Mean of the absolute differences of two grey images of one size, pixel by pixel.
double meanGreyDifference(const QImage& a, const QImage& b);

// The largest difference of any colour or alpha channel between two images of one size,
// compared premultiplied so that the colour of a transparent pixel does not count.
int largestChannelDifference(const QImage& a, const QImage& b);

// The figure of a piece, row by row: every pixel that stands out from its ground colour, the
// colour that most of the border holds.
std::vector<bool> silhouette(const QImage& piece);

// The share of two figures' union that only one of them covers: 0 for one shape, 1 for shapes
// that do not overlap at all.
double shapeDifference(const std::vector<bool>& a, const std::vector<bool>& b);

}  // namespace varn::pixels
