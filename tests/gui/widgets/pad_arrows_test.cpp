// The PTZ pad's arrows, as the catalogue renders them, point away from the
// pad's centre along their own wedge: the four diagonals to their corners.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

#include "image_catalog.h"

namespace {

struct Pixel {
    double along;   // outwards along the wedge's direction
    double across;  // sideways from the wedge's axis through the pad's centre
};

// The pixels that `isArrow` picks in `image`, in the frame of `wedge` (0 up,
// clockwise in steps of 45 degrees).
std::vector<Pixel> ArrowPixels(const QImage& image, int wedge,
                               const std::function<bool(QRgb)>& isArrow) {
    const double angle = (-90.0 + 45.0 * wedge) * std::numbers::pi / 180.0;
    const double ux = std::cos(angle), uy = std::sin(angle);
    const double cx = image.width() / 2.0, cy = image.height() / 2.0;
    std::vector<Pixel> pixels;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (isArrow(image.pixel(x, y))) {
                const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
                pixels.push_back({dx * ux + dy * uy, -dx * uy + dy * ux});
            }
        }
    }
    return pixels;
}

double Width(const std::vector<Pixel>& pixels, double from, double to) {
    double lo = 1e9, hi = -1e9;
    for (const Pixel& p : pixels) {
        if (p.along >= from && p.along < to) {
            lo = std::min(lo, p.across);
            hi = std::max(hi, p.across);
        }
    }
    return hi > lo ? hi - lo : 0;
}

// An arrow that reads as pointing outward along its wedge is longer than it
// is wide, lies on the wedge's axis and is widest (its head) at the outer end.
void ExpectPointsOutward(const std::vector<Pixel>& pixels, int image) {
    ASSERT_GT(pixels.size(), 20u) << "image " << image << " has no arrow";
    double lo = 1e9, hi = -1e9, acrossSum = 0;
    for (const Pixel& p : pixels) {
        lo = std::min(lo, p.along);
        hi = std::max(hi, p.along);
        acrossSum += p.across;
    }
    const double mid = (lo + hi) / 2;
    const double width = Width(pixels, lo, hi + 1);
    EXPECT_GT(hi - lo, 1.25 * width) << "image " << image << ": as wide as long";
    EXPECT_LT(std::abs(acrossSum / pixels.size()), 1.0) << "image " << image << ": off its axis";
    EXPECT_GT(Width(pixels, mid, hi + 1), Width(pixels, lo, mid) + 3)
        << "image " << image << ": the head is not at the outer end";
}

}  // namespace

TEST(PadArrows, EveryArrowPointsAlongItsWedge) {
    const auto accent = [](QRgb c) {
        return qAlpha(c) > 200 && qBlue(c) > 180 && qRed(c) < 90 && qGreen(c) < 160;
    };
    const auto white = [](QRgb c) {
        return qAlpha(c) > 200 && qRed(c) > 235 && qGreen(c) > 235 && qBlue(c) > 235;
    };
    for (int wedge = 0; wedge < 8; ++wedge) {
        ExpectPointsOutward(ArrowPixels(vexo::RasterImageById(700 + wedge), wedge, accent),
                            700 + wedge);
        ExpectPointsOutward(ArrowPixels(vexo::RasterImageById(710 + wedge), wedge, white),
                            710 + wedge);
    }
}
