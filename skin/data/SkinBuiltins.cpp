#include "skin/data/SkinBuiltins.h"

#include <string_view>

namespace skin {

namespace {

constexpr Pixel L = MakePixel(0xC0, 0xC0, 0xC0);  // light grey
constexpr Pixel D = MakePixel(0x80, 0x80, 0x80);  // dark grey
constexpr Pixel W = MakePixel(0xFF, 0xFF, 0xFF);

Pixel FromLetter(char c) {
    switch (c) {
    case 'L': return L;
    case 'D': return D;
    default: return W;
    }
}

Surface FromRows(std::initializer_list<std::string_view> rows) {
    const int h = static_cast<int>(rows.size());
    const int w = static_cast<int>(rows.begin()->size());
    Surface s(w, h);
    int y = 0;
    for (std::string_view row : rows) {
        for (int x = 0; x < w; ++x) s.Set(x, y, FromLetter(row[static_cast<size_t>(x)]));
        ++y;
    }
    return s;
}

// 16 x 16 glyphs, '#' black, anything else white.
constexpr std::string_view Glyphs[MenuGlyphCount][16] = {
    {
        // restore: two overlapping windows
        "................",
        "................",
        ".....#######....",
        ".....#######....",
        ".....#.....#....",
        "...#######.#....",
        "...#######.#....",
        "...#.....###....",
        "...#.....#......",
        "...#.....#......",
        "...#######......",
        "................",
        "................",
        "................",
        "................",
        "................",
    },
    {
        // maximise: one window
        "................",
        "................",
        "...#########....",
        "...#########....",
        "...#.......#....",
        "...#.......#....",
        "...#.......#....",
        "...#.......#....",
        "...#.......#....",
        "...#.......#....",
        "...#########....",
        "................",
        "................",
        "................",
        "................",
        "................",
    },
    {
        // minimise: a bar at the bottom
        "................",
        "................",
        "................",
        "................",
        "................",
        "................",
        "................",
        "................",
        "................",
        "....######......",
        "....######......",
        "................",
        "................",
        "................",
        "................",
        "................",
    },
    {
        // close: a cross
        "................",
        "................",
        "................",
        "....##....##....",
        ".....##..##.....",
        "......####......",
        ".......##.......",
        "......####......",
        ".....##..##.....",
        "....##....##....",
        "................",
        "................",
        "................",
        "................",
        "................",
        "................",
    },
};

}  // namespace

Surface BuiltinTrackImage() {
    return FromRows({
        "LLDDDDDDDDDDDDWW",
        "LLWWWWWWWWWWWWWW",
        "DLWWWWWWWWWWWWWW",
        "LLWWWWWWWWWWWWWW",
    });
}

Surface BuiltinTrackVertImage() {
    return FromRows({
        "LLDL",
        "LLLL",
        "DWWW",
        "DWWW",
        "DWWW",
        "DWWW",
        "DWWW",
        "DWWW",
        "DWWW",
        "DWWW",
        "DWWW",
        "DWWW",
        "DWWW",
        "DWWW",
        "WWWW",
        "WWWW",
    });
}

Surface BuildMenuGlyphs() {
    Surface s(MenuGlyphSize * MenuGlyphCount, MenuGlyphSize, MakePixel(255, 255, 255));
    for (int g = 0; g < MenuGlyphCount; ++g)
        for (int y = 0; y < MenuGlyphSize; ++y)
            for (int x = 0; x < MenuGlyphSize; ++x)
                if (Glyphs[g][y][static_cast<size_t>(x)] == '#') s.Set(g * MenuGlyphSize + x, y, MakePixel(0, 0, 0));
    return s;
}

}  // namespace skin
