#pragma once

#include "platform/variant.h"

namespace nk::ui {

// What the tilt and orientation dialog needs of the window that opens it:
// the tilt and azimuth that window shows as confirmed, and a way to show new ones.
class TiltLabels {
public:
    virtual ~TiltLabels() = default;
    virtual const Var& shownTilt() const = 0;
    virtual Integer shownAzimuth() const = 0;
    virtual void setTiltCaption(const Var& tilt) = 0;
    virtual void setAzimuthCaption(Integer azimuth) = 0;
};

}  // namespace nk::ui
