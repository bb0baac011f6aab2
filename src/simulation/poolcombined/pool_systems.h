#pragma once

// One simulated day of the pool systems: 21, a pool heated by the
// collectors and a conventional heater through an external heat exchanger;
// 22, a pool whose water runs through the collectors themselves.

#include "state/model.h"

namespace nk {

void Medencerendszer21(Model& m);
void Medencerendszer22(Model& m);

// System 22's mean collector temperature: the pool plus half the last rise
// across the collectors, or plus the switch-on difference while that is larger.
double throughCollectorsMeanTemperature(double Tp, double switchOn, Single rise);

}  // namespace nk
