// The window region cut from the borders' magenta.
#include <gtest/gtest.h>

#include "FrameTestModel.h"
#include "skin/forms/FrameRegion.h"

using namespace formtest;

namespace {

// Paints magenta into the first `corner` x `corner` pixels at the top-left of every cell
// of a border image.
void CutCorners(TDataSkinObject& e, bool stacked, int corner, int onlyCell = 0) {
    const int frames = std::max(1, static_cast<int>(e.Frame));
    for (int k = 0; k < frames; ++k) {
        if (onlyCell && k + 1 != onlyCell) continue;
        const int ox = stacked ? 0 : k * e.Map.Width() / frames, oy = stacked ? k * e.Map.Height() / frames : 0;
        for (int y = 0; y < corner; ++y)
            for (int x = 0; x < corner; ++x) e.Map.Set(ox + x, oy + y, kMagenta);
    }
    e.Trans = 1;
}

struct RegionCase : ::testing::Test {
    FrameModel model{4, 10, 4, 6};
    FrameMetrics m = ComputeMetrics(model, sbsSizeable, 0);
    void SetUp() override {
        for (auto* e : {model.Left.get(), model.Right.get(), model.Top.get(), model.Bottom.get()}) {
            e->LeftWidth = e->RightWidth = 3;  // corners stay 1:1 where the magenta is
            e->TopHeight = e->BottomHeight = 3;
        }
    }
};

TEST_F(RegionCase, WithoutTransparentBordersTheWholeWindow) {
    const Region r = BuildFrameRegion(model, m, 100, 80, true);
    EXPECT_EQ(r.Area(), 100 * 80);
    EXPECT_EQ(r.Bounds(), (Rect{0, 0, 100, 80}));
    EXPECT_TRUE(BuildFrameRegion(model, m, 0, 80, true).IsEmpty());
}

TEST_F(RegionCase, TransparentTopCutsOnlyTheTopStrip) {
    CutCorners(*model.Top, true, 2);
    const Region r = BuildFrameRegion(model, m, 100, 80, true);
    EXPECT_EQ(r.Area(), 100 * 80 - 4);
    EXPECT_FALSE(r.Contains(4, 0));  // the top strip starts after the left border
    EXPECT_FALSE(r.Contains(5, 1));
    EXPECT_TRUE(r.Contains(6, 0));
    EXPECT_TRUE(r.Contains(0, 0)) << "the left strip is whole";
}

TEST_F(RegionCase, TransparentBottomAloneCutsOnlyTheBottomStrip) {
    CutCorners(*model.Bottom, true, 2);
    const Region r = BuildFrameRegion(model, m, 100, 80, true);
    EXPECT_EQ(r.Area(), 100 * 80 - 4);
    EXPECT_FALSE(r.Contains(4, 74));
    EXPECT_TRUE(r.Contains(4, 0));
}

TEST_F(RegionCase, OnePixelStripsStayWholeAndSmallWindowsStaySafe) {
    FrameModel thin(1, 10, 1, 1);
    CutCorners(*thin.Left, false, 1);
    const FrameMetrics tm = ComputeMetrics(thin, sbsSizeable, 0);
    EXPECT_EQ(BuildFrameRegion(thin, tm, 50, 40, true).Area(), 50 * 40);
    CutCorners(*model.Top, true, 2);
    for (Point s : {Point{3, 3}, Point{1, 100}, Point{100, 1}}) {
        const Region r = BuildFrameRegion(model, m, s.X, s.Y, true);
        EXPECT_LE(r.Area(), static_cast<long long>(s.X) * s.Y);
        EXPECT_TRUE(Intersect(r.Bounds(), {0, 0, s.X, s.Y}) == r.Bounds() || r.IsEmpty());
    }
}

TEST_F(RegionCase, InactiveCellWithADifferentMaskIsUsedAndNoticed) {
    EXPECT_FALSE(RegionFollowsActivation(model));
    CutCorners(*model.Top, true, 2, 2);  // only the inactive cell is cut
    EXPECT_TRUE(RegionFollowsActivation(model));
    EXPECT_EQ(BuildFrameRegion(model, m, 100, 80, true).Area(), 100 * 80);
    EXPECT_EQ(BuildFrameRegion(model, m, 100, 80, false).Area(), 100 * 80 - 4);
    CutCorners(*model.Top, true, 2, 1);  // now both cells match again
    EXPECT_FALSE(RegionFollowsActivation(model));
}

}  // namespace
