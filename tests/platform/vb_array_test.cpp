#include <gtest/gtest.h>

#include <string>

#include "platform/vb_array.h"

namespace nk {
namespace {

int errorOf(auto&& f) {
    try {
        f();
    } catch (const CalcError& e) {
        return e.number();
    }
    return 0;
}

TEST(VbArray, FixedArrayHasItsBoundsAndZeros) {
    Arr2<double> a{{Bounds{0, 13}, Bounds{-10, 50}}};
    EXPECT_EQ(a(13, 50), 0.0);
    a(0, -10) = 2.5;
    a(13, 50) = 7;
    EXPECT_EQ(a(0, -10), 2.5);
    EXPECT_EQ(a(13, 50), 7.0);
    EXPECT_EQ(a(1, -10), 0.0);
}

TEST(VbArray, OutsideTheBoundsIsError9) {
    Arr2<double> a{{upto(13), Bounds{-10, 50}}};
    EXPECT_EQ(errorOf([&] { a(14, 0); }), kSubscript);
    EXPECT_EQ(errorOf([&] { a(-1, 0); }), kSubscript);
    EXPECT_EQ(errorOf([&] { a(0, 51); }), kSubscript);
    EXPECT_EQ(errorOf([&] { a(0, -11); }), kSubscript);
}

TEST(VbArray, ABlockHoldsTheElementsOfItsLeadingIndicesInOrder) {
    VbArray<int, 3> a{{upto(2), Bounds{1, 3}, Bounds{-1, 1}}};
    for (int j = 1; j <= 3; ++j)
        for (int k = -1; k <= 1; ++k) a(2, j, k) = 10 * j + k;
    const int* row = a.block(2, 3);
    EXPECT_EQ(row[0], 29);
    EXPECT_EQ(row[2], 31);
    const int* plane = a.block(2);
    EXPECT_EQ(plane[0], 9);   // (2, 1, -1)
    EXPECT_EQ(plane[4], 20);  // (2, 2, 0)
    EXPECT_EQ(errorOf([&] { a.block(3); }), kSubscript);
    EXPECT_EQ(errorOf([&] { a.block(0, 0); }), kSubscript);
    Arr2<int> dynamic;
    EXPECT_EQ(errorOf([&] { dynamic.block(0); }), kSubscript);
}

TEST(VbArray, DynamicArrayHasNoElementsUntilAllocatedAndAfterErase) {
    Arr1<double> a;
    EXPECT_FALSE(a.allocated());
    EXPECT_EQ(errorOf([&] { a(0); }), kSubscript);
    a.redim({upto(13)});
    a(13) = 1;
    a.redim({upto(13)});
    EXPECT_EQ(a(13), 0.0);  // a new allocation starts empty
    a.erase();
    EXPECT_EQ(errorOf([&] { a(0); }), kSubscript);
}

TEST(VbArray, PreservingReallocationKeepsRows) {
    Arr2<std::string> a;
    a.redim({upto(7), upto(3)});
    a(5, 0) = "R200";
    a(5, 3) = "R500";
    a(7, 2) = std::string(1, 'x');
    a.redimPreserveLast(4);
    EXPECT_EQ(a(5, 0), "R200");
    EXPECT_EQ(a(5, 3), "R500");
    EXPECT_EQ(a(7, 2), "x");
    EXPECT_EQ(a(5, 4), "");
    a.redimPreserveLast(2);
    EXPECT_EQ(a(7, 2), "x");
    EXPECT_EQ(errorOf([&] { a(5, 3); }), kSubscript);
}

}  // namespace
}  // namespace nk
