#include "ui/calculation/annual_chart_widget.h"

#include <QPainter>

#include "ui/window_support.h"

namespace nk::ui {

namespace {

const QColor kYellow{255, 255, 0};
const QColor kRed{255, 0, 0};
const QColor kPurple{192, 0, 192};
const QColor kOrange{255, 128, 0};
const QColor kBlue{0, 0, 255};

const char* const kMonths[12] = {"Jan.", "Febr.", "Márc.", "Ápr.", "Máj.", "Jún.",
                                 "Júl.", "Aug.", "Szept.", "Okt.", "Nov.", "Dec."};

// Twips inside the chart, as floating pixels.
double px(double twips) { return twips / 15.0; }

void bar(QPainter& p, double leftTwips, const ChartBar& b, const QColor& c) {
    if (b.height <= 0) return;
    p.fillRect(QRectF(px(leftTwips), px(b.top), px(105), px(b.height)), c);
}

void swatch(QPainter& p, int leftTwips, const QColor& c) { p.fillRect(QRectF(px(leftTwips), px(250), px(105), px(195)), c); }

void label(QPainter& p, int leftTwips, int topTwips, const QString& text) {
    p.drawText(QPointF(px(leftTwips), px(topTwips) + p.fontMetrics().ascent()), text);
}

}  // namespace

AnnualChartWidget::AnnualChartWidget(QWidget* parent) : QWidget(parent) {
    paintBackground(this, QColor(192, 192, 192));
    Napsugmutat = new QCheckBox(QStringLiteral("Qnap és Qkollveszt mutatása "), this);
    Napsugmutat->setGeometry(twRect(2205, 525, 3060, 225));
    Napsugmutat->setChecked(true);
    chart_.label2 = "Qkollveszt";
}

void AnnualChartWidget::setChart(const AnnualChart& chart) {
    chart_ = chart;
    update();
}

void AnnualChartWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    const AnnualChart& c = chart_;

    // Legend across the top.
    if (c.qnapLegendVisible) {
        swatch(p, 1365, kYellow);
        label(p, 1575, 250, QStringLiteral("Qnap"));
    }
    swatch(p, 2205, fromColourValue(c.kollvesztSwatchColour));
    label(p, 2415, 250, qs(c.label2));
    swatch(p, 3360, kPurple);
    label(p, 3570, 250, QStringLiteral("Qcső"));
    swatch(p, 4200, kOrange);
    label(p, 4410, 250, QStringLiteral("Qhaszn"));
    swatch(p, 5145, kBlue);
    label(p, 5355, 250, QStringLiteral("Qkieg"));
    label(p, 50, 315, QStringLiteral("kWh/hónap"));
    // The full-scale value stands on its line, clear of the value axis.
    p.drawText(QRectF(px(420), px(700), px(2000), px(285)), Qt::AlignLeft | Qt::AlignBottom,
               c.drawn ? qs(c.scaleLabel) : QStringLiteral("kWh/hónap"));

    // Full-scale line, value axis and base line.
    p.setPen(QColor(128, 128, 128));
    p.drawLine(QPointF(px(420), px(1000)), QPointF(px(6195), px(1000)));
    p.setPen(Qt::black);
    p.drawLine(QPointF(px(360), px(600)), QPointF(px(360), px(3100)));

    if (c.drawn) {
        for (int k = 0; k < 12; ++k) {
            bar(p, 360 + 480 * k, c.qnap[k], kYellow);
            bar(p, 480 + 480 * k, c.qkollveszt[k], kRed);
            bar(p, 480 + 480 * k, c.qcso[k], kPurple);
            bar(p, 480 + 480 * k, c.qkoll[k], kOrange);
            bar(p, 600 + 480 * k, c.qkieg[k], kBlue);
        }
    }
    p.setPen(Qt::black);
    p.drawLine(QPointF(px(240), px(3000)), QPointF(px(6240), px(3000)));

    // Month captions centred under their group of bars (from the yellow bar's
    // left edge at 360 to the blue bar's right edge at 705), so that the long
    // ones keep apart.
    for (int k = 0; k < 12; ++k) {
        const QRectF cell(px(532.5 + 480 * k - 240), px(3120), px(480), px(255));
        p.drawText(cell, Qt::AlignHCenter | Qt::AlignTop, QString::fromUtf8(kMonths[k]));
    }
}

}  // namespace nk::ui
