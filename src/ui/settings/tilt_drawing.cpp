#include "ui/settings/tilt_drawing.h"

#include <QPainter>

namespace nk::ui {

namespace {

// The drawing's twips from (600, 700) on, at 15 twips a pixel.
QPointF at(double x, double y) { return {(x - 600) / 15.0, (y - 700) / 15.0}; }

}  // namespace

TiltDrawing::TiltDrawing(QWidget* parent) : QWidget(parent) { setFixedSize(290, kHeight); }

void TiltDrawing::setTiltEnd(Single x, Single y) {
    tiltEnd_ = {x, y};
    update();
}

void TiltDrawing::setAzimuthEnd(Single x, Single y) {
    azimuthEnd_ = {x, y};
    update();
}

void TiltDrawing::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(at(945, 1710), at(2070, 1710));   // horizontal
    p.drawLine(at(1035, 810), at(1035, 1800));   // vertical
    p.drawLine(at(3330, 855), at(3330, 1845));   // compass, north-south
    p.drawLine(at(2520, 1710), at(4230, 1710));  // compass, east-west
    const QFontMetrics fm = p.fontMetrics();
    p.drawText(at(1100, 760) + QPointF(0, fm.ascent()), QStringLiteral("Függőleges"));
    p.drawText(at(1500, 1730) + QPointF(0, fm.ascent()), QStringLiteral("Vízszintes"));
    p.drawText(at(2520, 1730) + QPointF(0, fm.ascent()), QStringLiteral("Kelet"));
    const QString west = QStringLiteral("Nyugat");
    p.drawText(at(4230, 1730) + QPointF(-fm.horizontalAdvance(west), fm.ascent()), west);
    p.drawText(at(3390, 760) + QPointF(0, fm.ascent()), QStringLiteral("Dél"));
    p.setPen(QPen(Qt::red, 2));
    p.drawLine(at(1035, 1710), at(tiltEnd_.x(), tiltEnd_.y()));
    p.drawLine(at(3330, 1710), at(azimuthEnd_.x(), azimuthEnd_.y()));
}

}  // namespace nk::ui
