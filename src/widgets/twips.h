#pragma once

namespace kelvane {

// Places and sizes as the window descriptions give them: in twips, 1/1440 inch.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct TwipsPoint {
    int x = 0;
    int y = 0;
};

// A place on the screen in pixels.
struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const PixelRect&) const = default;
};

// Whether two rectangles of one unit, twips or pixels, share some area.
template <typename Rect>
bool Overlap(const Rect& a, const Rect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

// Twips to pixels at `dpi` dots per inch, rounded to the nearest pixel (halves away from zero):
// 15 twips are one pixel at 96 dpi, 10 at 144.
int TwipsToPixels(int twips, int dpi);

// A font's size in points (1/72 inch, 20 twips) to its height in pixels at `dpi`, rounded as
// twips are: 8.25 points are 11 pixels at 96 dpi and 17 at 144.
int PointsToPixels(double points, int dpi);

// Each edge is converted on its own, so that rounding never adds up along a row of controls:
// the width is the right edge's pixel less the left edge's.
PixelRect TwipsToPixels(const TwipsRect& place, int dpi);

}  // namespace kelvane
