#pragma once
// Small anti-aliased painting on the skin raster, for drawing skin images. Shapes are
// given as signed distance functions; a pixel is covered by how far its centre lies
// inside the shape (one pixel of soft edge).
//
// Magenta is the skins' transparent colour, so an edge must never blend into it: over a
// magenta pixel a shape paints only where it covers at least half the pixel, and then
// blends with `Painter::EdgeBackground` (the colour the image will be seen on) instead.
#include <functional>

#include "skin/platform/Surface.h"

namespace skingen {

using skin::Pixel;
using skin::Surface;

struct Rgb {
    float r = 0, g = 0, b = 0;
};
Rgb ToRgb(Pixel p);
Pixel ToPixel(Rgb c);
Pixel Hex(unsigned rgb);               // 0xRRGGBB
Pixel Mix(Pixel a, Pixel b, float t);  // t = 0: a, t = 1: b
Pixel Lighter(Pixel p, float t);       // towards white
Pixel Darker(Pixel p, float t);        // towards black

// Signed distances (negative inside).
float SdRoundRect(float x, float y, float x0, float y0, float x1, float y1, float radius);
float SdCircle(float x, float y, float cx, float cy, float radius);
float SdSegment(float x, float y, float ax, float ay, float bx, float by, float halfWidth);

class Painter {
public:
    explicit Painter(Surface& target, Pixel edgeBackground) : s_(target), edgeBg_(edgeBackground) {}

    // Fills the shape; colour may vary with the pixel (gradients).
    void Shape(const std::function<float(float, float)>& sd, const std::function<Pixel(int, int)>& colour, int x0,
               int y0, int x1, int y1);
    void Shape(const std::function<float(float, float)>& sd, Pixel colour, int x0, int y0, int x1, int y1);

    // A rounded rectangle [x0, x1) x [y0, y1) with a 1-pixel border and a vertical
    // gradient fill from top to bottom.
    void RoundRect(float x0, float y0, float x1, float y1, float radius, Pixel border, Pixel top, Pixel bottom);
    void RoundFill(float x0, float y0, float x1, float y1, float radius, Pixel top, Pixel bottom);
    void Line(float ax, float ay, float bx, float by, float width, Pixel colour);
    void Disc(float cx, float cy, float radius, Pixel colour);
    // A plain vertical gradient over a rectangle, opaque, no edges.
    void Gradient(int x0, int y0, int x1, int y1, Pixel top, Pixel bottom);
    void Rect(int x0, int y0, int x1, int y1, Pixel colour);

    Pixel EdgeBackground() const { return edgeBg_; }
    void SetEdgeBackground(Pixel p) { edgeBg_ = p; }

private:
    void Blend(int x, int y, Pixel colour, float coverage);
    Surface& s_;
    Pixel edgeBg_;
};

// Glyphs drawn with lines, centred at (cx, cy) in a box of the given size.
enum class Chevron { Left, Right, Up, Down };
void DrawChevron(Painter& p, float cx, float cy, float size, Chevron dir, Pixel colour, float width = 1.6f);
// A triangle arrow (filled), pointing in dir.
void DrawTriangle(Painter& p, float cx, float cy, float size, Chevron dir, Pixel colour);

}  // namespace skingen
