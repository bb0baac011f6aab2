#pragma once

#include <exception>
#include <string>

namespace nk {

// Run-time error numbers the calculation can raise, and those the windows
// show for a failure no calculation raised. The windows show them to the
// designer by number, so the numbers are part of the behaviour.
enum ErrorNumber : int {
    kInvalidCall = 5,      // e.g. the logarithm of a number that is not positive
    kOverflow = 6,         // a value outside the range of its type; also 0 / 0
    kOutOfMemory = 7,      // memory ran out
    kSubscript = 9,        // an index outside an array's bounds
    kDivisionByZero = 11,  // a non-zero value divided by 0
    kInternalError = 51    // any other failure of the program itself
};

class CalcError : public std::exception {
public:
    explicit CalcError(int number) : number_(number), what_("calculation error " + std::to_string(number)) {}
    int number() const noexcept { return number_; }
    const char* what() const noexcept override { return what_.c_str(); }

private:
    int number_;
    std::string what_;
};

// Kept out of line and marked cold: every checked operation of the step
// calls it on its error branch, and inlining the throw there would bloat the
// hot code that almost never takes that branch.
[[noreturn, gnu::cold, gnu::noinline]] inline void raise(int number) { throw CalcError(number); }

}  // namespace nk
