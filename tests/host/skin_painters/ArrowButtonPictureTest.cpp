// The picker's drop-down button: the face colour under the arrow cell the state picks.
#include <gtest/gtest.h>

#include "skin/controls/painters/ArrowButtonPicture.h"
#include "skin/data/SkinObjects.h"

namespace skin {
namespace {

constexpr Pixel kFace = 0xC0C0C0;

// A strip of `frames` cells 4 pixels wide, cell k filled with colour 0x10 * (k + 1).
void Strip(TDataSkinObject& o, int frames) {
    o.Map = Surface(4 * frames, 4);
    for (int k = 0; k < frames; ++k) Fill(o.Map, {4 * k, 0, 4 * k + 4, 4}, static_cast<Pixel>(0x10 * (k + 1)));
    o.Frame = frames;
}

TEST(ArrowButtonPicture, StateCellsAndShortStrips) {
    TDataSkinObject four, one, none, noFrames;
    Strip(four, 4);
    Strip(one, 1);
    Strip(noFrames, 1);
    noFrames.Frame = 0;
    struct Case {
        const char* what;
        const TDataSkinObject* arrow;
        bool hot;
        Pixel want;
    } cases[] = {
        {"normal: the first cell", &four, false, 0x10}, {"hot: the fourth cell", &four, true, 0x40},
        {"one cell, hot: that cell", &one, true, 0x10}, {"no frame count: one cell", &noFrames, true, 0x10},
        {"no image: the face", &none, false, kFace},    {"no element: the face", nullptr, true, kFace},
    };
    for (const Case& c : cases) {
        const Surface s = ComposeArrowButton(c.arrow, kFace, 17, 18, c.hot);
        ASSERT_EQ(s.Width(), 17) << c.what;
        EXPECT_EQ(s.At(0, 0), c.want) << c.what;
        EXPECT_EQ(s.At(16, 17), c.want) << c.what << ": stretched over the whole button";
    }
    EXPECT_TRUE(ComposeArrowButton(&four, kFace, 0, 18, false).Empty());
}

}  // namespace
}  // namespace skin
