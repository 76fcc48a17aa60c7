#include "twips.h"

#include <cmath>
#include <cstdint>

namespace kelvane {

namespace {

constexpr std::int64_t kTwipsPerInch = 1440;

}  // namespace

int TwipsToPixels(int twips, int dpi) {
    const std::int64_t scaled = std::int64_t{twips} * dpi;
    const std::int64_t half = kTwipsPerInch / 2;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / kTwipsPerInch
                                        : -((-scaled + half) / kTwipsPerInch));
}

int PointsToPixels(double points, int dpi) {
    return TwipsToPixels(static_cast<int>(std::lround(points * 20)), dpi);
}

PixelRect TwipsToPixels(const TwipsRect& place, int dpi) {
    const int left = TwipsToPixels(place.left, dpi);
    const int top = TwipsToPixels(place.top, dpi);
    return {left, top, TwipsToPixels(place.left + place.width, dpi) - left,
            TwipsToPixels(place.top + place.height, dpi) - top};
}

}  // namespace kelvane
