#include "ui/settings/tilt_dialog.h"

#include <QGroupBox>
#include <QPainter>
#include <QSvgWidget>
#include <cmath>

#include "platform/text.h"
#include "ui/window_support.h"
#include "ui/month_names.h"

namespace nk::ui {

namespace {

// The indicator lines turn degrees into radians with their own, slightly
// finer constant than the radiation model's.
constexpr double kLineDegToRad = 0.017453;

// The bars stand on the base line and rise 2 twips per W/m².
constexpr int kBaseLine = 2500;
constexpr int kFirstBarLeft = 420;
constexpr int kBarWidth = 225;

// The chart's drawing leaves room for its title above the bar area and for
// the longest value caption left of it.
constexpr int kChartTitleBand = 150;
constexpr int kChartCaptionBand = 135;

const QColor kChartBackground{192, 192, 192};
const QColor kOrange{255, 128, 0};
const QColor kBlue{0, 0, 255};

double px(double twips) { return twips / 15.0; }
QRectF pxRect(double left, double top, double width, double height) {
    return {px(left), px(top), px(width), px(height)};
}

QLabel* label(QWidget* parent, const QString& text, const QRect& geometry, Qt::Alignment align = Qt::AlignLeft) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(geometry);
    l->setAlignment(align | Qt::AlignVCenter);
    return l;
}

// A label that shows a value in a sunken box.
QLabel* valueLabel(QWidget* parent, const QRect& geometry) {
    auto* l = label(parent, QString(), geometry, Qt::AlignHCenter);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return l;
}

QScrollBar* scrollBar(QWidget* parent, int maximum, int value, const QRect& geometry) {
    auto* s = new QScrollBar(Qt::Horizontal, parent);
    s->setRange(0, maximum);
    s->setSingleStep(1);
    s->setPageStep(1);
    s->setValue(value);
    s->setGeometry(geometry);
    return s;
}

// Selecting an option from code runs its handler, as a user's click would.
template <class F>
void select(QRadioButton* b, F handler) {
    b->setChecked(true);
    handler();
}

QString number(Integer v) { return qs(textForm(v, userNumberLocale())); }

}  // namespace

// --- Drawings ----------------------------------------------------------------------

class DayRadiationChart : public QWidget {
public:
    explicit DayRadiationChart(QWidget* parent) : QWidget(parent) { paintBackground(this, kChartBackground); }

    void setBars(const std::array<TwipBar, 24>& plane, const std::array<TwipBar, 24>& diffuse) {
        plane_ = plane;
        diffuse_ = diffuse;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        QFont titleFont = font();
        titleFont.setBold(true);
        p.setFont(titleFont);
        p.drawText(QRectF(0, px(30), width(), px(240)), Qt::AlignCenter,
                   QStringLiteral("A beállított dőlésszöghöz és tájoláshoz tartozó napsugárzás értékek"));
        p.setFont(font());

        // From here on in the twips of the bar area.
        p.translate(px(kChartCaptionBand), px(kChartTitleBand));
        p.setPen(Qt::black);
        p.drawText(pxRect(320, 230, 800, 240), Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("W/m2"));
        const struct {
            int y;
            const char* caption;
        } grid[] = {{1995, "250"}, {1500, "500"}, {1005, "750"}, {495, "1000"}};
        for (const auto& g : grid)
            p.drawText(pxRect(-kChartCaptionBand, g.y - 120, 270 + kChartCaptionBand, 240),
                       Qt::AlignRight | Qt::AlignVCenter, QString::fromUtf8(g.caption));
        p.setPen(Qt::white);
        for (const auto& g : grid) p.drawLine(QPointF(px(300), px(g.y)), QPointF(px(5800), px(g.y)));
        p.drawLine(QPointF(px(300), px(kBaseLine)), QPointF(px(5800), px(kBaseLine)));

        for (int h = 0; h < 24; ++h) {
            const double left = kFirstBarLeft + kBarWidth * h;
            if (plane_[h].height > 0) p.fillRect(pxRect(left, plane_[h].top, kBarWidth, plane_[h].height), kOrange);
            if (diffuse_[h].height > 0) p.fillRect(pxRect(left, diffuse_[h].top, kBarWidth, diffuse_[h].height), kBlue);
        }

        p.setPen(Qt::black);
        p.drawText(pxRect(0, 2530, 390, 220), Qt::AlignRight | Qt::AlignTop, QStringLiteral("Óra"));
        for (int h = 0; h < 24; ++h)
            p.drawText(pxRect(kFirstBarLeft + kBarWidth * h, 2530, kBarWidth, 220), Qt::AlignHCenter | Qt::AlignTop,
                       QString::number(h + 1));

        p.fillRect(pxRect(420, 2850, 225, 165), kOrange);
        p.drawText(pxRect(720, 2820, 1800, 220), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Direkt sugárzás"));
        p.fillRect(pxRect(2670, 2850, 225, 165), kBlue);
        p.drawText(pxRect(2970, 2820, 1800, 220), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Szórt sugárzás"));
    }

private:
    std::array<TwipBar, 24> plane_{};
    std::array<TwipBar, 24> diffuse_{};
};

// A red line from a fixed point to a moving end. The widget shows the part of
// the line's plane that starts at `viewOrigin` (twips).
class IndicatorLine : public QWidget {
public:
    IndicatorLine(QWidget* parent, TwipPoint fixedEnd, TwipPoint end, QPoint viewOrigin)
        : QWidget(parent), fixed_(fixedEnd), end_(end), origin_(viewOrigin) {
        paintBackground(this, kChartBackground);
    }

    void setEnd(TwipPoint end) {
        end_ = end;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(-px(origin_.x()), -px(origin_.y()));
        p.setPen(QPen(QColor(255, 0, 0), 3));
        p.drawLine(QPointF(px(fixed_.x), px(fixed_.y)), QPointF(px(end_.x), px(end_.y)));
    }

private:
    TwipPoint fixed_;
    TwipPoint end_;
    QPoint origin_;
};

// --- The dialog --------------------------------------------------------------------

Dolestaj::Dolestaj(Model& model, TiltLabels& labels, QWidget* parent) : QDialog(parent), m_(model), labels_(labels) {
    setupFixedWindow(this, 9150, 5760, QStringLiteral("Dőlésszög, Tájolás"));
    setWindowFlag(Qt::Dialog);
    setModal(true);
    for (int h = 0; h < 24; ++h) shape1_[h] = shape2_[h] = {kBaseLine, 0};
    buildChartArea();
    buildIndicators();
    buildSideColumn();
    centreOnScreen(this);
}

void Dolestaj::buildChartArea() {
    chart_ = new DayRadiationChart(this);
    chart_->setGeometry(twRect(120, 60, 6090, 3240));
    chart_->setBars(shape1_, shape2_);
}

void Dolestaj::buildIndicators() {
    // Tilt: the line turns about its lower end, from straight up to level.
    label(this, QStringLiteral("Dőlésszög:"), twRect(120, 3420, 1000, 255));
    Doles = label(this, QStringLiteral("45"), twRect(1140, 3420, 700, 255));
    tiltView_ = new IndicatorLine(this, {1000, 1500}, line6_, QPoint(850, 350));
    tiltView_->setGeometry(twRect(820, 3720, 1300, 1300));
    HScroll2 = scrollBar(this, 90, 45, twRect(120, 5100, 2700, 255));
    label(this, QStringLiteral("Függőleges"), twRect(120, 5385, 1300, 255));
    label(this, QStringLiteral("Vízszintes"), twRect(1520, 5385, 1300, 255), Qt::AlignRight);
    connect(HScroll2, &QScrollBar::valueChanged, this, [this] { HScroll2_Change(); });

    // Orientation, seen from above: south up, east to the left.
    label(this, QStringLiteral("Tájolás:"), twRect(3120, 3420, 1000, 255));
    Tajolas = label(this, QStringLiteral("0"), twRect(4140, 3420, 700, 255));
    azimuthView_ = new IndicatorLine(this, {1500, 1500}, line3_, QPoint(350, 350));
    azimuthView_->setGeometry(twRect(3470, 3720, 2300, 1300));
    HScroll1 = scrollBar(this, 180, 90, twRect(3120, 5100, 3000, 255));
    label(this, QStringLiteral("Kelet"), twRect(3120, 5385, 1000, 255));
    label(this, QStringLiteral("Dél"), twRect(4120, 5385, 1000, 255), Qt::AlignHCenter);
    label(this, QStringLiteral("Nyugat"), twRect(5120, 5385, 1000, 255), Qt::AlignRight);
    connect(HScroll1, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });
}

void Dolestaj::buildSideColumn() {
    auto* sums = new QGroupBox(QStringLiteral("Napi sugárzási adatok"), this);
    sums->setGeometry(twRect(6330, 60, 2700, 2040));
    const char* const captions[] = {"Szórt napsugárzás [Wh/m2.]", "Direkt napsugárzás [Wh/m2]",
                                    "Globális napsugárzás [Wh/m2]"};
    QLabel** values[] = {&Label13, &Label14, &Label16};
    for (int i = 0; i < 3; ++i) {
        label(sums, QString::fromUtf8(captions[i]), twRect(120, 300 + 600 * i, 2500, 255));
        *values[i] = valueLabel(sums, twRect(120, 570 + 600 * i, 1200, 285));
    }

    auto* weather = new QGroupBox(QStringLiteral("Időjárás"), this);
    weather->setGeometry(twRect(6330, 2220, 2700, 1260));
    Option1 = new QRadioButton(QStringLiteral("Derült"), weather);
    Option2 = new QRadioButton(QStringLiteral("Átlagos"), weather);
    Option3 = new QRadioButton(QStringLiteral("Borult"), weather);
    QRadioButton* options[] = {Option1, Option2, Option3};
    QWidget** pictures[] = {&Picture1, &Picture4, &Picture5};
    for (int i = 0; i < 3; ++i) {
        options[i]->setGeometry(twRect(180, 330 + 300 * i, 1400, 255));
        auto* pic = new QSvgWidget(QStringLiteral(":/nk/weather_%1.svg").arg(i + 1), weather);
        pic->setGeometry(twRect(1740, 360, 720, 720));
        pic->hide();
        *pictures[i] = pic;
    }
    connect(Option1, &QRadioButton::clicked, this, [this] { Option1_Click(); });
    connect(Option2, &QRadioButton::clicked, this, [this] { Option2_Click(); });
    connect(Option3, &QRadioButton::clicked, this, [this] { Option3_Click(); });

    label(this, QStringLiteral("Vizsgált hónap:"), twRect(6330, 3620, 2700, 255));
    Combo1 = new QComboBox(this);
    Combo1->setGeometry(twRect(6330, 3900, 2700, 330));
    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setGeometry(twRect(6330, 5040, 1275, 450));
    Command2 = new QPushButton(QStringLiteral("Mégsem"), this);
    Command2->setGeometry(twRect(7755, 5040, 1275, 450));
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

// --- Loading -------------------------------------------------------------------------

void Dolestaj::Form_Load() {
    // June first, with whatever day type is left over; the average day follows.
    for (const char* name : kMonthNames) Combo1->addItem(QString::fromUtf8(name));
    Combo1->setCurrentIndex(5);
    Combo1_Click();
    m_.radmod.Idojaras = 2;
    select(Option2, [this] { Option2_Click(); });
    showTilt(m_.s.BeallDolesszog);
    showAzimuth(m_.s.BeallTajolas);
    // A value the scroll bar already has runs no handler.
    HScroll2->setValue(CInt(90 - m_.s.BeallDolesszog.d()));
    HScroll1->setValue(90 - m_.s.BeallTajolas);
}

// --- Month and day type --------------------------------------------------------------

void Dolestaj::Combo1_Click() {
    m_.clock.Honap = Combo1->currentIndex() + 1;
    recompute();
}

void Dolestaj::showDayType(int dayType) {
    m_.radmod.Idojaras = Integer(dayType);
    Picture1->setVisible(dayType == 1);
    Picture4->setVisible(dayType == 2);
    Picture5->setVisible(dayType == 3);
    recompute();
}

void Dolestaj::Option1_Click() { showDayType(1); }
void Dolestaj::Option2_Click() { showDayType(2); }
void Dolestaj::Option3_Click() { showDayType(3); }

// --- Tilt and azimuth ----------------------------------------------------------------

void Dolestaj::showTilt(const Var& tilt) {
    shownTilt_ = tilt;
    Doles->setText(qs(textForm(tilt, userNumberLocale())));
}

void Dolestaj::showAzimuth(Integer azimuth) {
    shownAzimuth_ = azimuth;
    Tajolas->setText(number(azimuth));
}

void Dolestaj::HScroll2_Change() {
    const int v = HScroll2->value();
    line6_ = {CSng(1000 + 1000 * std::sin(kLineDegToRad * v)), CSng(1500 - 1000 * std::cos(kLineDegToRad * v))};
    tiltView_->setEnd(line6_);
    m_.s.BeallDolesszog = 90 - v;  // whole degrees, a 16-bit integer
    showTilt(m_.s.BeallDolesszog);
    m_.s.BeallTajolas = shownAzimuth_;
    recompute();
}

void Dolestaj::HScroll1_Change() {
    const int v = HScroll1->value();
    line3_ = {CSng(1500 - 1000 * std::cos(kLineDegToRad * v)), CSng(1500 - 1000 * std::sin(kLineDegToRad * v))};
    azimuthView_->setEnd(line3_);
    m_.s.BeallTajolas = Integer(90 - v);
    showAzimuth(m_.s.BeallTajolas);
    m_.s.BeallDolesszog = shownTilt_;
    recompute();
}

// --- The view --------------------------------------------------------------------------

void Dolestaj::recompute() {
    Havisugarzasnezet(m_, m_.clock.Honap, m_.radmod.Idojaras, day_);
    Sugarzasdiagram();
}

void Dolestaj::Sugarzasdiagram() {
    // The day's sums leave out the slots before 5 and after 18, and the site
    // factor: only the bars carry it.
    double diffuse = 0, direct = 0;
    for (int h = 5; h <= 18; ++h) {
        diffuse += day_.diffuse[h];
        direct += day_.direct[h];
    }
    const Integer diffuseSum = CInt(Int(diffuse));
    const Integer directSum = CInt(Int(direct));
    Label13->setText(number(diffuseSum));
    Label14->setText(number(directSum));
    Label16->setText(number(addI(diffuseSum, directSum)));

    for (int h = 0; h < 24; ++h) {
        const double d = day_.diffuse[h];
        shape2_[h] = {CSng(kBaseLine - 2 * d), CSng(2 * d)};
        const Integer height = mulI(2, day_.total[h]);
        shape1_[h] = {Single(CInt(double(kBaseLine) - height)), Single(height)};
    }
    chart_->setBars(shape1_, shape2_);
}

// --- Closing ---------------------------------------------------------------------------

void Dolestaj::Command1_Click() {
    labels_.setTiltCaption(m_.s.BeallDolesszog);
    labels_.setAzimuthCaption(m_.s.BeallTajolas);
    accept();
}

void Dolestaj::Command2_Click() { reject(); }

void Dolestaj::reject() {
    m_.s.BeallDolesszog = labels_.shownTilt();
    m_.s.BeallTajolas = labels_.shownAzimuth();
    QDialog::reject();
}

}  // namespace nk::ui
