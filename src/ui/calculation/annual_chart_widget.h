#pragma once

// The annual bar chart of the calculation window: draws the geometry the
// core computed after the latest annual run.

#include <QCheckBox>
#include <QWidget>

#include "state/ui_port.h"

namespace nk::ui {

class AnnualChartWidget : public QWidget {
    Q_OBJECT
public:
    explicit AnnualChartWidget(QWidget* parent);

    void setChart(const AnnualChart& chart);
    const AnnualChart& chart() const { return chart_; }

    // "Qnap és Qkollveszt mutatása "
    QCheckBox* Napsugmutat;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    AnnualChart chart_;
};

}  // namespace nk::ui
