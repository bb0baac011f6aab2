#include <gtest/gtest.h>

#include <ostream>

#include "platform/text.h"

namespace nk {
namespace {

const NumberLocale kComma = NumberLocale::decimalComma();
const NumberLocale kPoint = NumberLocale::decimalPoint();

struct PointCase {
    const char* text;
    double value;
};
void PrintTo(const PointCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class PointReading : public ::testing::TestWithParam<PointCase> {};

TEST_P(PointReading, ReadsTheLeadingNumber) { EXPECT_DOUBLE_EQ(pointRead(GetParam().text), GetParam().value); }

INSTANTIATE_TEST_SUITE_P(Cases, PointReading,
                         ::testing::Values(PointCase{"12,7", 12}, PointCase{"-30", -30}, PointCase{"abc", 0},
                                           PointCase{".798", 0.798}, PointCase{"  18 mm", 18},
                                           PointCase{"1 000", 1000}, PointCase{"0.04", 0.04},
                                           PointCase{"1.5E2x", 150}, PointCase{"2e", 2}, PointCase{"", 0},
                                           PointCase{"-", 0}, PointCase{"+7.", 7}));

struct LocaleCase {
    const char* text;
    bool comma;  // decimal-comma locale, else decimal-point
    bool numeric;
    double value;
};
void PrintTo(const LocaleCase& c, std::ostream* os) { *os << '"' << c.text << (c.comma ? "\" comma" : "\" point"); }

class LocaleReading : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(LocaleReading, TestsAndReadsTheWholeText) {
    const auto& c = GetParam();
    const NumberLocale& loc = c.comma ? kComma : kPoint;
    EXPECT_EQ(localeIsNumeric(c.text, loc), c.numeric);
    const auto v = localeRead(c.text, loc);
    ASSERT_EQ(v.has_value(), c.numeric);
    if (c.numeric) {
        EXPECT_DOUBLE_EQ(*v, c.value);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LocaleReading,
    ::testing::Values(LocaleCase{"0,04", true, true, 0.04}, LocaleCase{"0.04", true, false, 0},
                      LocaleCase{"0.04", false, true, 0.04}, LocaleCase{"0,04", false, true, 4},
                      LocaleCase{" 25 ", true, true, 25}, LocaleCase{"-3,5", true, true, -3.5},
                      LocaleCase{"1 000", true, true, 1000}, LocaleCase{"1\u00a0000,5", true, true, 1000.5},
                      LocaleCase{"abc", true, false, 0}, LocaleCase{"", true, false, 0},
                      LocaleCase{"12a", true, false, 0}, LocaleCase{",", true, false, 0},
                      LocaleCase{"-", true, false, 0}, LocaleCase{"1E3", true, true, 1000},
                      LocaleCase{"1E", true, false, 0}, LocaleCase{",5", true, true, 0.5}));

struct TextCase {
    Var value;
    bool comma;
    const char* text;
};
void PrintTo(const TextCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class TextForm : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextForm, WritesByTheKindAndLocale) {
    const auto& c = GetParam();
    EXPECT_EQ(textForm(c.value, c.comma ? kComma : kPoint), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextForm,
    ::testing::Values(TextCase{Var(0.9f), true, "0,9"}, TextCase{Var(0.9f), false, "0.9"},
                      TextCase{Var(double(0.9f)), true, "0,899999976158142"}, TextCase{Var(4.5160999f), true, "4,5161"},
                      TextCase{Var(1.0 / 3.0), true, "0,333333333333333"}, TextCase{Var(-0.5), true, "-0,5"},
                      TextCase{Var(300), true, "300"}, TextCase{Var(-12), true, "-12"}, TextCase{Var(0.0001), false, "0.0001"},
                      TextCase{Var(0.00001), false, "1E-05"}, TextCase{Var(1e15), false, "1E+15"},
                      TextCase{Var(123456789012345.0), false, "123456789012345"}, TextCase{Var(1e7f), false, "1E+07"},
                      TextCase{Var(1234567.0f), false, "1234567"}, TextCase{Var(Currency::fromDouble(12.25)), true, "12,25"},
                      TextCase{Var(Currency::fromDouble(-3)), true, "-3"}, TextCase{Var(), true, ""},
                      TextCase{Var(-0.0), true, "0"}));

}  // namespace
}  // namespace nk
