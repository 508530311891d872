#pragma once
// A text sink with fixed glyph cells (6 x 10 per character, lines split at "\r\n") that
// paints each drawn caption as a solid block and records what it was asked.
#include <algorithm>
#include <vector>

#include "skin/controls/painters/ButtonFace.h"

namespace skin::test {

class FakeTextSink : public ITextSink {
public:
    struct Drawn {
        Rect rect;
        std::u16string text;
        std::uint32_t flags;
        Color colour;
    };
    TextExtent Measure(std::u16string_view text, std::uint32_t) const override { return Extent(text); }
    TextExtent MeasureIn(std::u16string_view text, std::uint32_t, int) const override { return Extent(text); }
    void Draw(Surface& canvas, const Rect& rect, std::u16string_view text, std::uint32_t flags, Color colour) override {
        drawn.push_back({rect, std::u16string(text), flags, colour});
        Fill(canvas, rect, ColorToPixel(colour));
    }
    void DrawFocusRect(Surface&, const Rect& rect) override { focus.push_back(rect); }

    static TextExtent Extent(std::u16string_view text) {
        if (text.empty()) return {0, 10};
        int lines = 1, longest = 0, run = 0;
        for (size_t i = 0; i < text.size(); ++i) {
            if (text.substr(i, 2) == u"\r\n") {
                ++lines, ++i, longest = std::max(longest, run), run = 0;
                continue;
            }
            ++run;
        }
        return {6 * std::max(longest, run), 10 * lines};
    }

    std::vector<Drawn> drawn;
    std::vector<Rect> focus;
};

}  // namespace skin::test
