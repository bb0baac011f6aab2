#pragma once

// The pseudo-random source of the weather pattern: uniform on [0, 1), never
// seeded, so every program start draws the same sequence. Tests replace the
// source with a script of their own.

#include <cstdint>
#include <functional>
#include <utility>

namespace nk {

class Random {
public:
    using Source = std::function<float()>;

    Random() = default;
    explicit Random(Source scripted) : scripted_(std::move(scripted)) {}

    // The next number of the sequence, single precision, 0 <= u < 1.
    float next() {
        if (scripted_) return scripted_();
        // A 24-bit linear congruential sequence: its values are exact in a
        // single and it always starts from the same state.
        state_ = (state_ * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
        return static_cast<float>(state_) / 16777216.0f;
    }

    void script(Source s) { scripted_ = std::move(s); }

private:
    std::uint32_t state_ = 0x50000u;
    Source scripted_;
};

}  // namespace nk
