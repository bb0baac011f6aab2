#pragma once

// Arrays with explicit inclusive bounds per dimension. An index outside the
// bounds, or any index into a dynamic array that has not been allocated,
// raises error 9, so a wrong index can never read a neighbouring element.

#include <algorithm>
#include <array>
#include <cstddef>
#include <initializer_list>
#include <utility>
#include <vector>

#include "platform/calc_error.h"

namespace nk {

struct Bounds {
    int lo;
    int hi;
};

template <class T, int R>
class VbArray {
    static_assert(R >= 1);

public:
    // A dynamic array: no elements until redim.
    VbArray() = default;

    // A fixed array: exists from the start with these bounds, all elements zero.
    explicit VbArray(const std::array<Bounds, R>& b) { redim(b); }

    void redim(const std::array<Bounds, R>& b) {
        bounds_ = b;
        std::size_t n = 1;
        for (int d = 0; d < R; ++d) {
            extent_[d] = bounds_[d].hi - bounds_[d].lo + 1;
            if (extent_[d] < 0) extent_[d] = 0;
            n *= std::size_t(extent_[d]);
        }
        data_.assign(n, T{});
        allocated_ = true;
    }

    // Re-allocates the last dimension to a new upper bound, keeping every
    // element whose indices exist in both the old and the new shape.
    void redimPreserveLast(int newHi) {
        if (!allocated_) raise(kSubscript);
        VbArray old = std::move(*this);
        auto nb = old.bounds_;
        nb[R - 1].hi = newHi;
        redim(nb);
        old.forEachIndex([&](const std::array<int, R>& idx) {
            if (idx[R - 1] <= newHi) data_[offset(idx)] = old.data_[old.offset(idx)];
        });
    }

    void erase() {
        data_.clear();
        allocated_ = false;
    }

    bool allocated() const { return allocated_; }
    Bounds bounds(int dim) const { return bounds_[dim]; }

    template <class... I>
    T& operator()(I... i) {
        static_assert(sizeof...(I) == R, "wrong number of indices");
        return data_[checkedOffset({int(i)...})];
    }
    template <class... I>
    const T& operator()(I... i) const {
        static_assert(sizeof...(I) == R, "wrong number of indices");
        return data_[checkedOffset({int(i)...})];
    }

    void fill(const T& v) { std::fill(data_.begin(), data_.end(), v); }

    // The elements whose leading indices are `lead`, contiguous in the order
    // of the remaining indices from their lower bounds; the leading indices
    // are checked as an element read checks them.
    template <class... I>
    const T* block(I... lead) const {
        static_assert(sizeof...(I) < R, "a block leaves at least one index");
        std::array<int, R> idx;
        for (int d = 0; d < R; ++d) idx[d] = bounds_[d].lo;
        const int given[] = {int(lead)...};
        for (std::size_t d = 0; d < sizeof...(I); ++d) idx[d] = given[d];
        return data_.data() + checkedOffset(idx);
    }

private:
    std::size_t offset(const std::array<int, R>& idx) const {
        std::size_t off = 0;
        for (int d = 0; d < R; ++d) off = off * std::size_t(extent_[d]) + std::size_t(idx[d] - bounds_[d].lo);
        return off;
    }
    // One unsigned comparison per index covers both bounds; the step reads
    // arrays this way many times, so the test and the offset share one pass.
    std::size_t checkedOffset(const std::array<int, R>& idx) const {
        if (!allocated_) [[unlikely]]
            raise(kSubscript);
        std::size_t off = 0;
        for (int d = 0; d < R; ++d) {
            const unsigned rel = unsigned(idx[d]) - unsigned(bounds_[d].lo);
            if (rel >= unsigned(extent_[d])) [[unlikely]]
                raise(kSubscript);
            off = off * std::size_t(extent_[d]) + rel;
        }
        return off;
    }
    template <class F>
    void forEachIndex(F&& f) const {
        if (data_.empty()) return;
        std::array<int, R> idx;
        for (int d = 0; d < R; ++d) idx[d] = bounds_[d].lo;
        for (;;) {
            f(idx);
            int d = R - 1;
            while (d >= 0 && ++idx[d] > bounds_[d].hi) {
                idx[d] = bounds_[d].lo;
                --d;
            }
            if (d < 0) return;
        }
    }

    std::array<Bounds, R> bounds_{};
    std::array<int, R> extent_{};
    std::vector<T> data_;
    bool allocated_ = false;
};

template <class T>
using Arr1 = VbArray<T, 1>;
template <class T>
using Arr2 = VbArray<T, 2>;
template <class T>
using Arr3 = VbArray<T, 3>;

// Shorthand for the common "0 to n" dimensions.
inline constexpr Bounds upto(int hi) { return {0, hi}; }

}  // namespace nk
