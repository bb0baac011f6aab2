#include <gtest/gtest.h>

#include <cctype>
#include <clocale>
#include <ostream>
#include <string>

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
                                           PointCase{"-", 0}, PointCase{"+7.", 7}, PointCase{"1E-400", 0},
                                           PointCase{"0.1", 0.1}, PointCase{"17976931348623157E292", 1.7976931348623157e308}));

TEST(PointReadingOverflow, IsErrorSix) {
    try {
        pointRead("1E400");
        FAIL() << "no error";
    } catch (const CalcError& e) {
        EXPECT_EQ(e.number(), 6);
    }
}

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
                      LocaleCase{"0.04", false, true, 0.04}, LocaleCase{"0,04", false, false, 0},
                      LocaleCase{"25,7", false, false, 0}, LocaleCase{"2,5", false, false, 0},
                      LocaleCase{"0,045", false, false, 0}, LocaleCase{"1,000", false, true, 1000},
                      LocaleCase{"12,345,678.25", false, true, 12345678.25}, LocaleCase{"1234,567", false, false, 0},
                      LocaleCase{"1,0000", false, false, 0}, LocaleCase{"1,", false, false, 0},
                      LocaleCase{"1 00", true, false, 0}, LocaleCase{"1 0000", true, false, 0},
                      LocaleCase{"1\u202f000", true, true, 1000}, LocaleCase{"1.000", true, false, 0},
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

namespace nk {
namespace {

// The process locale (set by the windowing library from the environment)
// must not change a single conversion: the user's notation comes only from
// the NumberLocale the windows pass in.
class UnderProcessLocale : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        saved_ = std::setlocale(LC_ALL, nullptr);
        ASSERT_NE(std::setlocale(LC_ALL, GetParam()), nullptr)
            << GetParam() << " is not installed; scripts/deps.sh generates it";
    }
    void TearDown() override { std::setlocale(LC_ALL, saved_.c_str()); }

private:
    std::string saved_;
};

TEST_P(UnderProcessLocale, ConversionsFollowOnlyTheGivenNotation) {
    EXPECT_EQ(localeRead("0,045", kComma), 0.045);
    EXPECT_EQ(localeRead("0.045", kPoint), 0.045);
    EXPECT_EQ(localeRead("500,5", kComma), 500.5);
    EXPECT_EQ(localeRead("1 000,25", kComma), 1000.25);
    EXPECT_EQ(localeRead("1,000.25", kPoint), 1000.25);
    EXPECT_FALSE(localeRead("25,7", kPoint).has_value());
    EXPECT_FALSE(localeRead("0.045", kComma).has_value());
    EXPECT_EQ(pointRead("0.798"), 0.798);
    EXPECT_EQ(pointRead("12,7"), 12);
    EXPECT_EQ(textForm(0.045f, kComma), "0,045");
    EXPECT_EQ(textForm(0.045f, kPoint), "0.045");
    EXPECT_EQ(textForm(994.3f, kComma), "994,3");
    EXPECT_EQ(textForm(1.0 / 3.0, kComma), "0,333333333333333");
    EXPECT_EQ(textForm(Var(Currency::fromDouble(1234.5)), kComma), "1234,5");
}

TEST(LineBreaks, BecomeCarriageReturnAndLineFeed) {
    const struct {
        const char *in, *out;
    } cases[] = {{"", ""},
                 {"egy sor", "egy sor"},
                 {"első\nmásodik", "első\r\nmásodik"},
                 {"első\r\nmásodik", "első\r\nmásodik"},
                 {"\n\nharmadik\n", "\r\n\r\nharmadik\r\n"},
                 {"vegyes\r\n\nsorok", "vegyes\r\n\r\nsorok"},
                 {"kocsi\rvissza", "kocsi\rvissza"}};
    for (const auto& c : cases) EXPECT_EQ(crLfLineBreaks(c.in), c.out) << c.in;
}

INSTANTIATE_TEST_SUITE_P(Locales, UnderProcessLocale, ::testing::Values("C", "hu_HU.UTF-8", "en_US.UTF-8"),
                         [](const auto& info) {
                             std::string name = info.param;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

}  // namespace
}  // namespace nk
