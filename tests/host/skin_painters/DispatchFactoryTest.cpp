// The painter factory: every row makes a painter of its kind, with the variant the
// dispatch chose; a kind without a row makes nothing.
#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "skin/controls/painters/PainterFactory.h"

namespace skin {
namespace {

TEST(DispatchFactory, EveryRowMakesItsPainterOnce) {
    TPainterFactory factory;
    std::set<TPainterKind> seen;
    for (const TPainterMaker& row : TPainterFactory::Makers()) {
        EXPECT_TRUE(seen.insert(row.Kind).second) << "two rows for kind " << static_cast<int>(row.Kind);
        std::unique_ptr<TSkinControl> painter(factory.Make(row.Kind, 3, nullptr));
        ASSERT_NE(painter, nullptr) << static_cast<int>(row.Kind);
        EXPECT_EQ(painter->FKind, 3);
        EXPECT_FALSE(painter->FInitialized);  // made, not attached
    }
    for (int k = 0; k <= static_cast<int>(TPainterKind::MediaPlayer); ++k) {
        const auto kind = static_cast<TPainterKind>(k);
        if (seen.count(kind)) continue;
        EXPECT_EQ(factory.Make(kind, 0, nullptr), nullptr) << k;
    }
    EXPECT_EQ(&DefaultPainterFactory(), &DefaultPainterFactory());
}

}  // namespace
}  // namespace skin
