#include "ui/editors/consumption_chart.h"

#include <QPainter>
#include <algorithm>

namespace nk::ui {

void ConsumptionBars::show(const std::array<Integer, bars::kHours>& weights) {
    for (std::size_t h = 0; h < height_.size(); ++h) height_[h] = int(weights[h]) + bars::kEmpty;
}

long long ConsumptionBars::sum() const {
    long long total = 0;
    for (int h : height_) total += h;
    return total - bars::kHours * bars::kEmpty;
}

void ConsumptionBars::stepDown(int hour) {
    int& h = height_[std::size_t(hour)];
    if (h < bars::kEmpty + bars::kStep) h = bars::kEmpty + bars::kStep;
    h -= bars::kStep;
}

void ConsumptionBars::stepUp(int hour) {
    int& h = height_[std::size_t(hour)];
    const int highest = bars::kEmpty + bars::kMostWeight;
    if (h > highest - bars::kStep) h = highest - bars::kStep;
    h += bars::kStep;
}

int ConsumptionBars::drawnHeight(int hour) const { return std::clamp(height(hour), 0, bars::kBaseLine); }

void ConsumptionBars::copy() {
    copied_ = height_;
    holdsCopy_ = true;
}

void ConsumptionBars::paste() { height_ = copied_; }

std::array<std::optional<double>, 11> axisLitres(double litresPerDay, long long sum) {
    std::array<std::optional<double>, 11> litres{};
    if (sum <= 0) return litres;
    const double perWeight = litresPerDay / double(sum);
    for (int k = 1; k <= 10; ++k) litres[std::size_t(k)] = Int(perWeight * (200.0 * k));
    return litres;
}

// --- The widget --------------------------------------------------------------------

namespace {

double px(double twips) { return twips / 15.0; }

}  // namespace

ConsumptionChart::ConsumptionChart(const ConsumptionBars& bars, QWidget* parent) : QWidget(parent), bars_(bars) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ConsumptionChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    p.setPen(Qt::white);
    for (const bars::GridLine& g : bars::kGrid) p.drawLine(QPointF(0, px(g.y)), QPointF(px(g.right), px(g.y)));
    for (int h = 0; h < bars::kHours; ++h) {
        const int height = bars_.drawnHeight(h);
        if (height > 0)
            p.fillRect(QRectF(px(bars::left(h)), px(bars_.drawnTop(h)), px(bars::kWidth), px(height)), Qt::red);
    }
}

}  // namespace nk::ui
