#pragma once

// The drawing of the collector tilt (a red line turned up from the
// horizontal) and orientation (a red line turned from south, east to the
// left) in the settings window. Coordinates are twips of the drawing.

#include <QPointF>
#include <QWidget>

#include "platform/numeric.h"

namespace nk::ui {

class TiltDrawing : public QWidget {
public:
    static constexpr int kHeight = 92;  // pixels

    explicit TiltDrawing(QWidget* parent);

    void setTiltEnd(Single x, Single y);
    void setAzimuthEnd(Single x, Single y);
    QPointF tiltEnd() const { return tiltEnd_; }        // Line3
    QPointF azimuthEnd() const { return azimuthEnd_; }  // Line6

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPointF tiltEnd_{1862, 1710};
    QPointF azimuthEnd_{3330, 883};
};

}  // namespace nk::ui
