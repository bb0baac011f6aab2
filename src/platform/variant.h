#pragma once

// A numeric setting whose value keeps the kind of what was last stored in it.
// The kind matters: a single-precision value copied in from a typed working
// copy prints with seven digits and carries its float rounding into the
// calculation, whereas the same number stored as a literal is a double.

#include <cstdint>

#include "platform/numeric.h"

namespace nk {

enum class VKind : std::uint8_t { Empty, Integer, Long, Single, Double, Currency, Boolean };

class Var {
public:
    constexpr Var() = default;  // Empty: reads as 0

    // Whole-number literals are 16-bit integers when they fit, long otherwise.
    Var(int v) : kind_(v >= -32768 && v <= 32767 ? VKind::Integer : VKind::Long), num_(v) {}
    Var(double v) : kind_(VKind::Double), num_(chk(v)) {}
    Var(float v) : kind_(VKind::Single), num_(v) {}
    Var(Currency c) : kind_(VKind::Currency), num_(c.toDouble()), cur_(c) {}

    static Var boolean(bool b) {
        Var r;
        r.kind_ = VKind::Boolean;
        r.num_ = b ? -1.0 : 0.0;
        return r;
    }

    VKind kind() const { return kind_; }
    bool isEmpty() const { return kind_ == VKind::Empty; }

    // The numeric value as a double (Empty reads 0, True reads -1).
    double d() const { return num_; }
    operator double() const { return num_; }

    // Exact fixed-point value when the variant holds currency.
    Currency currency() const { return kind_ == VKind::Currency ? cur_ : Currency::fromDouble(num_); }

private:
    VKind kind_ = VKind::Empty;
    double num_ = 0.0;
    Currency cur_{};
};

// A variant used as an array index or a 16-bit choice: its nearest whole number.
inline int ix(const Var& v) { return CInt(v.d()); }

}  // namespace nk
