#include <gtest/gtest.h>

#include <vector>

#include "platform/random.h"

namespace nk {
namespace {

TEST(Random, EveryStartDrawsTheSameSequenceInTheUnitInterval) {
    Random a, b;
    double sum = 0;
    for (int i = 0; i < 10000; ++i) {
        const float u = a.next();
        ASSERT_EQ(u, b.next());
        ASSERT_GE(u, 0.0f);
        ASSERT_LT(u, 1.0f);
        sum += u;
    }
    EXPECT_NEAR(sum / 10000, 0.5, 0.02);
}

TEST(Random, FirstValuesOfTheSequence) {
    Random r;
    // 24-bit states from the fixed start 0x50000.
    EXPECT_FLOAT_EQ(r.next(), 0.7055475f);
    EXPECT_FLOAT_EQ(r.next(), 0.533424f);
}

TEST(Random, ScriptedSourceReplacesTheSequence) {
    std::vector<float> values{0.25f, 0.75f};
    std::size_t i = 0;
    Random r([&] { return values[i++ % values.size()]; });
    EXPECT_EQ(r.next(), 0.25f);
    EXPECT_EQ(r.next(), 0.75f);
    EXPECT_EQ(r.next(), 0.25f);
}

}  // namespace
}  // namespace nk
