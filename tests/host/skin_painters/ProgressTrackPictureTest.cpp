// Progress bars and track-bar parts drawn from a synthetic skin whose every cell is one
// colour: the fill's share and direction, chunks, the channel's slices and the thumb.
#include <gtest/gtest.h>

#include "skin/controls/painters/ProgressPicture.h"
#include "skin/controls/painters/TrackPicture.h"
#include "skin/data/SkinModel.h"

using namespace skin;

namespace {

constexpr Pixel kFace = 0x101010, kTrough = 0x202020, kFill = 0x303030, kChunk = 0x404040;

template <class E>
std::unique_ptr<E> Cells(std::initializer_list<Pixel> colours, int w, int h) {
    auto e = std::make_unique<E>();
    e->Map = Surface(static_cast<int>(colours.size()) * w, h);
    int x = 0;
    for (Pixel c : colours) Fill(e->Map, {x, 0, x + w, h}, c), x += w;
    e->Frame = static_cast<int>(colours.size());
    return e;
}

TEST(ProgressPicture, FillIsThePositionsShareOfTheRangeKeptInTheBar) {
    struct Case {
        int position, minimum, maximum, want;
    } cases[] = {
        {0, 0, 100, 0},   {40, 0, 100, 40}, {100, 0, 100, 100}, {150, 0, 100, 100}, {-5, 0, 100, 0},
        {15, 10, 20, 50}, {5, 10, 20, 0},   {7, 7, 7, 0},       {3, 5, 0, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ProgressFill(100, c.position, c.minimum, c.maximum), c.want)
            << c.position << " in " << c.minimum << ".." << c.maximum;
}

TEST(ProgressPicture, LyingFillsFromTheLeftStandingFromTheBottomChunksInSteps) {
    TSkinModel skin;
    EXPECT_TRUE(ComposeProgress(skin, kFace, {100, 20, false, 50, 0, 100}).Empty()) << "no progress image";
    skin.Progress = Cells<TDataSkinBorder>({kTrough, kFill}, 10, 20);
    const Surface lying = ComposeProgress(skin, kFace, {100, 20, false, 40, 0, 100});
    EXPECT_EQ(lying.At(39, 10), kFill);
    EXPECT_EQ(lying.At(40, 10), kTrough);
    const Surface standing = ComposeProgress(skin, kFace, {20, 100, true, 40, 0, 100});
    ASSERT_EQ(standing.Width(), 20);
    EXPECT_EQ(standing.At(10, 99), kFill) << "the fill starts at the bottom";
    EXPECT_EQ(standing.At(10, 60), kFill);
    EXPECT_EQ(standing.At(10, 59), kTrough);
    // The chunked look: copies of the chunk every 6 pixels, as far as the fill reaches.
    skin.Progress->Style = 1;
    skin.Progress->Map = Surface(10, 20);
    Fill(skin.Progress->Map, skin.Progress->Map.Bounds(), kTrough);
    skin.ProgressChunk = Cells<TDataSkinObject>({kChunk}, 4, 8);
    Fill(skin.ProgressChunk->Map, {4 - 1, 0, 4, 8}, kMagenta);  // a transparent gap after each chunk
    skin.ProgressChunk->Tile = 1;
    const Surface chunks = ComposeProgress(skin, kFace, {100, 20, false, 30, 0, 100});
    EXPECT_EQ(chunks.At(2, 10), kChunk);
    EXPECT_EQ(chunks.At(5, 10), kTrough) << "the chunk's magenta column shows the trough";
    EXPECT_EQ(chunks.At(6, 10), kChunk);
    EXPECT_EQ(chunks.At(40, 10), kTrough) << "no chunk past the fill";
}

TEST(TrackPicture, ChannelSlicesAndThumbCell) {
    TSkinModel skin;
    Surface canvas(100, 30);
    Fill(canvas, canvas.Bounds(), kFace);
    EXPECT_FALSE(DrawTrackChannel(canvas, {0, 10, 100, 20}, false, skin)) << "no channel image";
    EXPECT_EQ(canvas.At(50, 15), kFace);
    // A channel image 3 + 4 + 3 wide, 4 high: its ends keep their width, it is centred across.
    skin.Track = Cells<TDataSkinObject>({kTrough}, 10, 4);
    Fill(skin.Track->Map, {0, 0, 3, 4}, kChunk);
    Fill(skin.Track->Map, {7, 0, 10, 4}, kFill);
    skin.Track->LeftWidth = skin.Track->RightWidth = 3;
    ASSERT_TRUE(DrawTrackChannel(canvas, {0, 10, 100, 20}, false, skin));
    EXPECT_EQ(canvas.At(2, 13), kChunk);
    EXPECT_EQ(canvas.At(3, 13), kTrough);
    EXPECT_EQ(canvas.At(96, 13), kTrough);
    EXPECT_EQ(canvas.At(97, 13), kFill);
    EXPECT_EQ(canvas.At(50, 16), kTrough);
    EXPECT_EQ(canvas.At(50, 12), kFace) << "centred: 3 rows free above";
    EXPECT_EQ(canvas.At(50, 17), kFace) << "and 3 below";
    // The thumb shows the second of five cells; without an image, a framed white box.
    DrawTrackThumb(canvas, {10, 0, 20, 10}, false, skin, kFill);
    EXPECT_EQ(canvas.At(10, 0), kFill);
    EXPECT_EQ(canvas.At(15, 5), 0xFFFFFFu);
    skin.TrackbarThumbHorz = Cells<TDataSkinObject>({1, 2, 3, 4, 5}, 4, 4);
    DrawTrackThumb(canvas, {10, 0, 20, 10}, false, skin, kFill);
    EXPECT_EQ(canvas.At(15, 5), 2u);
}

}  // namespace
