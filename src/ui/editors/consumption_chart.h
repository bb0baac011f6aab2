#pragma once

// The hourly bars of a hot-water consumption profile. The 24 bars keep the
// unsaved curve as heights in twips: a bar stands on the base line and is its
// hour's weight + 15 twips high, so an hour without draw still shows a thin
// bar. Everything the editor decides (steps, sum, axis labels, which bar is
// under a point, what is stored) is computed here from the heights alone; the
// widget at the end of this header only draws them.

#include <array>
#include <optional>

#include "platform/numeric.h"

namespace nk::ui {

namespace bars {
constexpr int kHours = 24;
// The black picture the bars stand in, in twips.
constexpr int kPictureWidth = 5055;
constexpr int kPictureHeight = 2205;
constexpr int kBaseLine = 2200;
constexpr int kPitch = 210;  // neighbouring bars share a 15-twip edge
constexpr int kWidth = 225;
constexpr int kEmpty = 15;  // the height of a weight of 0
constexpr int kStep = 100;
constexpr int kMostWeight = 2000;  // what the buttons reach
// The sum of the weights is stored in a 16-bit field.
constexpr long long kMostSum = 32767;

// The white grid: line k (1..10) lies about where a bar of weight 200 k ends.
struct GridLine {
    int y;
    int right;
};
constexpr std::array<GridLine, 10> kGrid{{{1995, 5040},
                                          {1800, 5040},
                                          {1590, 5040},
                                          {1395, 5040},
                                          {1200, 5010},
                                          {1000, 5040},
                                          {800, 5040},
                                          {600, 5040},
                                          {400, 5010},
                                          {200, 5040}}};

constexpr int left(int hour) { return kPitch * hour; }
}  // namespace bars

class ConsumptionBars {
public:
    // The bars of stored weights (hours 0..23).
    void show(const std::array<Integer, bars::kHours>& weights);

    int height(int hour) const { return height_[std::size_t(hour)]; }
    int weight(int hour) const { return height(hour) - bars::kEmpty; }
    // The sum of the weights, read back from the heights.
    long long sum() const;

    // One step of the "-" and "+" buttons: the weight falls or rises by 100
    // and stays within 0 to 2000 (a taller bar is cut to 2000 by "+").
    void stepDown(int hour);
    void stepUp(int hour);
    bool atLowest(int hour) const { return weight(hour) <= 0; }
    bool atHighest(int hour) const { return weight(hour) >= bars::kMostWeight; }

    // What is drawn: the height kept within the picture. The weight is not
    // touched by this; a bar beyond the picture reaches its top.
    int drawnHeight(int hour) const;
    int drawnTop(int hour) const { return bars::kBaseLine - drawnHeight(hour); }

    // The weight stored for an hour: to the nearest whole number.
    Integer storedWeight(int hour) const { return CInt(weight(hour)); }
    bool sumFits() const { return sum() <= bars::kMostSum; }

    // The clipboard of one curve.
    void copy();
    void paste();
    bool holdsCopy() const { return holdsCopy_; }
    void forgetCopy() { holdsCopy_ = false; }

private:
    std::array<int, bars::kHours> height_ = filled(bars::kEmpty);
    std::array<int, bars::kHours> copied_ = filled(bars::kEmpty);
    bool holdsCopy_ = false;

    static constexpr std::array<int, bars::kHours> filled(int v) {
        std::array<int, bars::kHours> a{};
        a.fill(v);
        return a;
    }
};

// The litres per hour beside grid lines 1 to 10 (element 0 unused): an hour
// whose weight is 200 k draws (litres per day / sum) × 200 k, to whole
// litres. Nothing is shown while the sum is 0 or less.
std::array<std::optional<double>, 11> axisLitres(double litresPerDay, long long sum);

}  // namespace nk::ui

#include <QWidget>

namespace nk::ui {

// The black picture with its grid and the red bars.
class ConsumptionChart : public QWidget {
public:
    ConsumptionChart(const ConsumptionBars& bars, QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    const ConsumptionBars& bars_;
};

}  // namespace nk::ui
