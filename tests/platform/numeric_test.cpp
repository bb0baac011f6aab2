#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <functional>
#include <limits>

#include "platform/numeric.h"
#include "platform/variant.h"

namespace nk {
namespace {

int errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const CalcError& e) {
        return e.number();
    }
    return 0;
}

struct IntegerStoreCase {
    double in;
    int out;
};
void PrintTo(const IntegerStoreCase& c, std::ostream* os) { *os << c.in << " -> " << c.out; }

class IntegerStore : public ::testing::TestWithParam<IntegerStoreCase> {};

TEST_P(IntegerStore, RoundsHalfToEven) { EXPECT_EQ(CInt(GetParam().in), GetParam().out); }

INSTANTIATE_TEST_SUITE_P(Cases, IntegerStore,
                         ::testing::Values(IntegerStoreCase{66.5, 66}, IntegerStoreCase{66.66, 67},
                                           IntegerStoreCase{2.5, 2}, IntegerStoreCase{3.5, 4},
                                           IntegerStoreCase{-2.5, -2}, IntegerStoreCase{-3.5, -4},
                                           IntegerStoreCase{100.0, 100}, IntegerStoreCase{32767.4, 32767},
                                           IntegerStoreCase{-32768.4, -32768}));

TEST(Integer, OutOfRangeIsOverflow) {
    EXPECT_EQ(errorOf([] { CInt(32767.5); }), kOverflow);  // rounds to 32768
    EXPECT_EQ(errorOf([] { CInt(-32769); }), kOverflow);
    EXPECT_EQ(errorOf([] { mulI(1366, 24); }), kOverflow);  // 32784
    EXPECT_EQ(mulI(1365, 24), 32760);
    EXPECT_EQ(errorOf([] { CInt(std::numeric_limits<double>::quiet_NaN()); }), kOverflow);
}

// Int must be std::floor to the bit, the sign of a zero included, since a
// -0 divisor or a copied -0 would show in later results.
TEST(WholePart, IntIsFloorToTheBit) {
    const double big = 4503599627370496.0;  // 2^52: from here on every double is whole
    for (double x : {0.0, -0.0, 0.3, -0.3, 0.5, -0.5, 1.0, -1.0, 2.5, -2.5, 32767.9, -32768.1, 1e15 + 0.5,
                     -(1e15 + 0.5), big - 0.5, -(big - 0.5), big, -big, big + 2, 1e300, -1e300,
                     std::nextafter(1.0, 0.0), std::nextafter(-1.0, 0.0), 5e-324, -5e-324}) {
        const double got = Int(x), want = std::floor(x);
        EXPECT_EQ(got, want) << x;
        EXPECT_EQ(std::signbit(got), std::signbit(want)) << x;
    }
    for (double x : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                     std::numeric_limits<double>::quiet_NaN()})
        EXPECT_EQ(errorOf([x] { Int(x); }), kOverflow) << x;
}

// Whole numbers are stored without rounding; the rounding of the others and
// the range are as before.
TEST(Integer, WholeNumbersAtTheEdgesOfTheRange) {
    EXPECT_EQ(CInt(32767.0), 32767);
    EXPECT_EQ(CInt(-32768.0), -32768);
    EXPECT_EQ(CInt(-0.0), 0);
    EXPECT_EQ(CInt(-32768.5), -32768);  // the tie goes to the even neighbour
    EXPECT_EQ(errorOf([] { CInt(32768.0); }), kOverflow);
    EXPECT_EQ(errorOf([] { CInt(-32768.6); }), kOverflow);
}

TEST(WholePart, IntFloorsFixTruncatesHalfUpAddsHalf) {
    EXPECT_EQ(Int(2.7), 2.0);
    EXPECT_EQ(Int(-2.3), -3.0);
    EXPECT_EQ(Int(-2.0), -2.0);
    EXPECT_EQ(Fix(-2.7), -2.0);
    EXPECT_EQ(halfUp(2.5), 3.0);
    EXPECT_EQ(halfUp(-2.5), -2.0);
    EXPECT_EQ(halfUp(2.49), 2.0);
}

TEST(SingleStore, RoundsToFloat) {
    EXPECT_EQ(double(CSng(1.78)), 1.7799999713897705);
    EXPECT_EQ(double(CSng(0.04)), 0.039999999105930328);
    EXPECT_EQ(errorOf([] { CSng(1e39); }), kOverflow);
    EXPECT_EQ(errorOf([] { CSng(-1e39); }), kOverflow);
}

TEST(CurrencyStore, KeepsFourDecimalsHalfToEven) {
    EXPECT_EQ(Currency::fromDouble(300).raw(), 3000000);
    EXPECT_EQ(Currency::fromDouble(1.23456).raw(), 12346);
    EXPECT_EQ(Currency::fromDouble(0.03125).raw(), 312);  // exact half: 312.5 -> 312
    EXPECT_EQ(Currency::fromDouble(0.09375).raw(), 938);  // 937.5 -> 938
    EXPECT_EQ(Currency::fromDouble(-2.5).toDouble(), -2.5);
    EXPECT_EQ((Currency::fromDouble(1.5) + Currency::fromDouble(2.25)).toDouble(), 3.75);
    EXPECT_TRUE(Currency::fromDouble(200) < Currency::fromDouble(300));
    EXPECT_EQ(errorOf([] { Currency::fromDouble(1e15); }), kOverflow);
}

TEST(CheckedArithmetic, DivisionAndDomainErrors) {
    EXPECT_EQ(errorOf([] { div(0.0, 0.0); }), kOverflow);
    EXPECT_EQ(errorOf([] { div(5.0, 0.0); }), kDivisionByZero);
    EXPECT_EQ(errorOf([] { div(-5.0, 0.0); }), kDivisionByZero);
    EXPECT_EQ(errorOf([] { div(1e300, 1e-300); }), kOverflow);
    EXPECT_EQ(div(1.0, 4.0), 0.25);
    EXPECT_EQ(errorOf([] { Log(0.0); }), kInvalidCall);
    EXPECT_EQ(errorOf([] { Sqr(-1.0); }), kInvalidCall);
    EXPECT_EQ(errorOf([] { chk(std::numeric_limits<double>::infinity()); }), kOverflow);
}

TEST(Variant, KeepsTheKindOfWhatWasStored) {
    Var v;
    EXPECT_TRUE(v.isEmpty());
    EXPECT_EQ(v.d(), 0.0);
    v = 3;
    EXPECT_EQ(v.kind(), VKind::Integer);
    v = 40000;
    EXPECT_EQ(v.kind(), VKind::Long);
    v = 1.78f;
    EXPECT_EQ(v.kind(), VKind::Single);
    EXPECT_EQ(v.d(), 1.7799999713897705);
    v = 1.78;
    EXPECT_EQ(v.kind(), VKind::Double);
    EXPECT_EQ(v.d(), 1.78);
    v = Currency::fromDouble(12.5);
    EXPECT_EQ(v.kind(), VKind::Currency);
    EXPECT_EQ(v.currency().raw(), 125000);
    v = Var::boolean(true);
    EXPECT_EQ(v.kind(), VKind::Boolean);
    EXPECT_EQ(v.d(), -1.0);
}

}  // namespace
}  // namespace nk
