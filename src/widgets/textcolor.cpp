#include "textcolor.h"

#include <algorithm>
#include <cmath>

namespace kelvane {

namespace {

constexpr double kReadableContrast = 4.5;

// One channel of 0 to 255, as the light it gives on a standard (sRGB) screen.
double Linear(int channel) {
    const double value = channel / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double Luminance(const Rgb& color) {
    return 0.2126 * Linear(color.red) + 0.7152 * Linear(color.green) + 0.0722 * Linear(color.blue);
}

}  // namespace

double ContrastRatio(const Rgb& a, const Rgb& b) {
    const double first = Luminance(a) + 0.05;
    const double second = Luminance(b) + 0.05;
    return std::max(first, second) / std::min(first, second);
}

Rgb TextColor(const std::optional<Rgb>& described, const Rgb& background, const Rgb& systemText) {
    if (described && ContrastRatio(*described, background) >= kReadableContrast) {
        return *described;
    }
    return systemText;
}

}  // namespace kelvane
