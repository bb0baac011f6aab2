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
