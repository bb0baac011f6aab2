#pragma once

// The arithmetic the calculation is defined in: 16-bit integers that round
// half to even when stored, single-precision stores, fixed-point currency,
// and checked double arithmetic that raises an error number instead of
// drifting into infinities or NaNs.

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

#include "platform/calc_error.h"

namespace nk {

using Integer = std::int16_t;  // the 16-bit signed integer of the settings and state
using Single = float;

constexpr Integer kTrue = -1;  // booleans are kept as -1 / 0
constexpr Integer kFalse = 0;
inline Integer boolValue(bool b) { return b ? kTrue : kFalse; }

// A double result must be a finite number; anything else is an overflow.
inline double chk(double x) {
    if (!std::isfinite(x)) [[unlikely]]
        raise(kOverflow);
    return x;
}

// The largest whole number not above x, exactly as std::floor gives it. The
// plain SSE2 target has no rounding instruction, so std::floor is a library
// call; the steps take this path many times per hour.
inline double floorExact(double x) {
    // Beyond 2^52 every double is whole; zero keeps its sign.
    if (!(std::fabs(x) < 4503599627370496.0) || x == 0.0) return x;
    const double toward0 = double(static_cast<long long>(x));
    return toward0 > x ? toward0 - 1.0 : toward0;
}

// Int: the largest whole number not above x (also for negatives).
inline double Int(double x) { return floorExact(chk(x)); }

// Fix: the whole part, truncated toward zero.
inline double Fix(double x) { return std::trunc(chk(x)); }

// Nearest whole number, an exact half going to the even neighbour.
inline double roundHalfEven(double x) { return std::nearbyint(chk(x)); }

// "Add 0.5 and take the whole part".
inline double halfUp(double x) { return std::floor(chk(x) + 0.5); }

// Storing into a 16-bit integer: nearest, ties to even; out of range is an overflow.
inline Integer CInt(double x) {
    // Most values stored are already whole and in range; they are their own
    // nearest whole number, which spares the rounding call.
    if (x >= -32768.0 && x <= 32767.0) {
        const int whole = static_cast<int>(x);
        if (double(whole) == x) return static_cast<Integer>(whole);
    }
    const double r = roundHalfEven(x);
    if (r < -32768.0 || r > 32767.0) [[unlikely]]
        raise(kOverflow);
    return static_cast<Integer>(r);
}

// 16-bit integer arithmetic between two integers stays 16-bit.
inline Integer addI(Integer a, Integer b) { return CInt(double(a) + double(b)); }
inline Integer mulI(Integer a, Integer b) { return CInt(double(a) * double(b)); }

// Storing into a single rounds to the nearest float; beyond its range is an overflow.
inline Single CSng(double x) {
    // Nearly every value is within the float range; one comparison lets it
    // through (a NaN fails it and is caught below).
    if (std::fabs(x) <= double(FLT_MAX)) [[likely]]
        return static_cast<float>(x);
    chk(x);
    // Values that round down to FLT_MAX are still representable.
    const float f = static_cast<float>(x);
    if (std::isinf(f)) raise(kOverflow);
    return f;
}

// A running sum kept in single precision.
inline void addSingle(Single& sum, double v) { sum = CSng(sum + v); }

// Division: a non-zero value over 0 raises 11, 0 / 0 raises 6.
inline double div(double a, double b) {
    if (b == 0.0) [[unlikely]]
        raise(a == 0.0 ? kOverflow : kDivisionByZero);
    return chk(a / b);
}

// Natural logarithm and square root raise "invalid call" outside their domain.
inline double Log(double x) {
    if (!(x > 0.0)) raise(kInvalidCall);
    return chk(std::log(x));
}
inline double Sqr(double x) {
    if (!(x >= 0.0)) raise(kInvalidCall);
    return std::sqrt(x);
}

// Fixed point with four decimals in a 64-bit integer.
class Currency {
public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Currency() = default;

    // Storing a double keeps four decimals, rounding half to even.
    static Currency fromDouble(double x) {
        const double scaled = roundHalfEven(x * double(kScale));
        if (scaled < -9.2233720368547758e18 || scaled >= 9.2233720368547758e18) raise(kOverflow);
        return fromRaw(static_cast<std::int64_t>(scaled));
    }
    static constexpr Currency fromRaw(std::int64_t raw) {
        Currency c;
        c.raw_ = raw;
        return c;
    }

    constexpr std::int64_t raw() const { return raw_; }
    double toDouble() const { return double(raw_) / double(kScale); }

    friend Currency operator+(Currency a, Currency b) {
        std::int64_t r;
        if (__builtin_add_overflow(a.raw_, b.raw_, &r)) raise(kOverflow);
        return fromRaw(r);
    }
    friend Currency operator-(Currency a, Currency b) {
        std::int64_t r;
        if (__builtin_sub_overflow(a.raw_, b.raw_, &r)) raise(kOverflow);
        return fromRaw(r);
    }
    friend Currency operator*(Currency a, int k) {
        std::int64_t r;
        if (__builtin_mul_overflow(a.raw_, std::int64_t(k), &r)) raise(kOverflow);
        return fromRaw(r);
    }
    friend constexpr bool operator==(Currency a, Currency b) { return a.raw_ == b.raw_; }
    friend constexpr auto operator<=>(Currency a, Currency b) { return a.raw_ <=> b.raw_; }

private:
    std::int64_t raw_ = 0;
};

}  // namespace nk
