#include "tools/skingen/Paint.h"

#include <algorithm>
#include <cmath>

namespace skingen {

Rgb ToRgb(Pixel p) { return {float(skin::PixelR(p)), float(skin::PixelG(p)), float(skin::PixelB(p))}; }

Pixel ToPixel(Rgb c) {
    auto ch = [](float v) { return int(std::lround(std::clamp(v, 0.0f, 255.0f))); };
    return skin::MakePixel(ch(c.r), ch(c.g), ch(c.b));
}

Pixel Hex(unsigned rgb) { return skin::MakePixel(int(rgb >> 16) & 255, int(rgb >> 8) & 255, int(rgb) & 255); }

Pixel Mix(Pixel a, Pixel b, float t) {
    Rgb x = ToRgb(a), y = ToRgb(b);
    return ToPixel({x.r + (y.r - x.r) * t, x.g + (y.g - x.g) * t, x.b + (y.b - x.b) * t});
}

Pixel Lighter(Pixel p, float t) { return Mix(p, Hex(0xFFFFFF), t); }
Pixel Darker(Pixel p, float t) { return Mix(p, Hex(0x000000), t); }

float SdRoundRect(float x, float y, float x0, float y0, float x1, float y1, float radius) {
    float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    float hx = (x1 - x0) / 2 - radius, hy = (y1 - y0) / 2 - radius;
    float qx = std::abs(x - cx) - hx, qy = std::abs(y - cy) - hy;
    float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
    return outside + std::min(std::max(qx, qy), 0.0f) - radius;
}

float SdCircle(float x, float y, float cx, float cy, float radius) { return std::hypot(x - cx, y - cy) - radius; }

float SdSegment(float x, float y, float ax, float ay, float bx, float by, float halfWidth) {
    float px = x - ax, py = y - ay, dx = bx - ax, dy = by - ay;
    float len2 = dx * dx + dy * dy;
    float h = len2 > 0 ? std::clamp((px * dx + py * dy) / len2, 0.0f, 1.0f) : 0.0f;
    return std::hypot(px - dx * h, py - dy * h) - halfWidth;
}

void Painter::Blend(int x, int y, Pixel colour, float coverage) {
    if (coverage <= 0 || x < 0 || y < 0 || x >= s_.Width() || y >= s_.Height()) return;
    coverage = std::min(coverage, 1.0f);
    Pixel under = s_.At(x, y);
    if (under == skin::kMagenta) {
        if (coverage < 0.5f) return;  // never a pink fringe: the edge stays transparent
        under = edgeBg_;
    }
    s_.Set(x, y, Mix(under, colour, coverage));
}

void Painter::Shape(const std::function<float(float, float)>& sd, const std::function<Pixel(int, int)>& colour, int x0,
                    int y0, int x1, int y1) {
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, s_.Width());
    y1 = std::min(y1, s_.Height());
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            float d = sd(float(x) + 0.5f, float(y) + 0.5f);
            float cov = std::clamp(0.5f - d, 0.0f, 1.0f);
            if (cov > 0) Blend(x, y, colour(x, y), cov);
        }
}

void Painter::Shape(const std::function<float(float, float)>& sd, Pixel colour, int x0, int y0, int x1, int y1) {
    Shape(
        sd, [colour](int, int) { return colour; }, x0, y0, x1, y1);
}

void Painter::RoundFill(float x0, float y0, float x1, float y1, float radius, Pixel top, Pixel bottom) {
    float h = std::max(y1 - y0 - 1, 1.0f);
    Shape([=](float x, float y) { return SdRoundRect(x, y, x0, y0, x1, y1, radius); },
          [=](int, int y) { return Mix(top, bottom, std::clamp((float(y) - y0) / h, 0.0f, 1.0f)); }, int(x0) - 1,
          int(y0) - 1, int(x1) + 1, int(y1) + 1);
}

void Painter::RoundRect(float x0, float y0, float x1, float y1, float radius, Pixel border, Pixel top, Pixel bottom) {
    RoundFill(x0, y0, x1, y1, radius, border, border);
    RoundFill(x0 + 1, y0 + 1, x1 - 1, y1 - 1, std::max(radius - 1, 0.0f), top, bottom);
}

void Painter::Line(float ax, float ay, float bx, float by, float width, Pixel colour) {
    float hw = width / 2;
    Shape([=](float x, float y) { return SdSegment(x, y, ax, ay, bx, by, hw); }, colour,
          int(std::min(ax, bx) - width - 1), int(std::min(ay, by) - width - 1), int(std::max(ax, bx) + width + 2),
          int(std::max(ay, by) + width + 2));
}

void Painter::Disc(float cx, float cy, float radius, Pixel colour) {
    Shape([=](float x, float y) { return SdCircle(x, y, cx, cy, radius); }, colour, int(cx - radius - 2),
          int(cy - radius - 2), int(cx + radius + 3), int(cy + radius + 3));
}

void Painter::Gradient(int x0, int y0, int x1, int y1, Pixel top, Pixel bottom) {
    float h = std::max(float(y1 - y0 - 1), 1.0f);
    for (int y = std::max(y0, 0); y < std::min(y1, s_.Height()); ++y) {
        Pixel c = Mix(top, bottom, float(y - y0) / h);
        for (int x = std::max(x0, 0); x < std::min(x1, s_.Width()); ++x) s_.Set(x, y, c);
    }
}

void Painter::Rect(int x0, int y0, int x1, int y1, Pixel colour) { Gradient(x0, y0, x1, y1, colour, colour); }

void DrawChevron(Painter& p, float cx, float cy, float size, Chevron dir, Pixel colour, float width) {
    float a = size / 2, b = size / 4;
    switch (dir) {
    case Chevron::Down:
        p.Line(cx - a, cy - b, cx, cy + b, width, colour);
        p.Line(cx, cy + b, cx + a, cy - b, width, colour);
        break;
    case Chevron::Up:
        p.Line(cx - a, cy + b, cx, cy - b, width, colour);
        p.Line(cx, cy - b, cx + a, cy + b, width, colour);
        break;
    case Chevron::Left:
        p.Line(cx + b, cy - a, cx - b, cy, width, colour);
        p.Line(cx - b, cy, cx + b, cy + a, width, colour);
        break;
    case Chevron::Right:
        p.Line(cx - b, cy - a, cx + b, cy, width, colour);
        p.Line(cx + b, cy, cx - b, cy + a, width, colour);
        break;
    }
}

void DrawTriangle(Painter& p, float cx, float cy, float size, Chevron dir, Pixel colour) {
    // Three half-planes of a triangle, as a distance bound.
    float a = size / 2, b = size / 4;
    float ax, ay, bx, by, qx, qy;  // base ends and tip
    switch (dir) {
    case Chevron::Down:
        ax = cx - a;
        ay = cy - b;
        bx = cx + a;
        by = cy - b;
        qx = cx;
        qy = cy + b;
        break;
    case Chevron::Up:
        ax = cx - a;
        ay = cy + b;
        bx = cx + a;
        by = cy + b;
        qx = cx;
        qy = cy - b;
        break;
    case Chevron::Left:
        ax = cx + b;
        ay = cy - a;
        bx = cx + b;
        by = cy + a;
        qx = cx - b;
        qy = cy;
        break;
    default:
        ax = cx - b;
        ay = cy - a;
        bx = cx - b;
        by = cy + a;
        qx = cx + b;
        qy = cy;
        break;
    }
    auto edge = [](float x, float y, float x0, float y0, float x1, float y1, float ox, float oy) {
        // Distance from the line through (x0,y0)-(x1,y1), positive on the side away from (ox, oy).
        float nx = y1 - y0, ny = x0 - x1;
        float len = std::hypot(nx, ny);
        nx /= len;
        ny /= len;
        float side = (ox - x0) * nx + (oy - y0) * ny;
        if (side > 0) {
            nx = -nx;
            ny = -ny;
        }
        return (x - x0) * nx + (y - y0) * ny;
    };
    p.Shape(
        [=](float x, float y) {
            return std::max({edge(x, y, ax, ay, bx, by, qx, qy), edge(x, y, bx, by, qx, qy, ax, ay),
                             edge(x, y, qx, qy, ax, ay, bx, by)});
        },
        colour, int(cx - a - 2), int(cy - a - 2), int(cx + a + 3), int(cy + a + 3));
}

}  // namespace skingen
