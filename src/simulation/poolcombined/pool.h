#pragma once

// The swimming pool as every system with a pool models it: one body of water
// of one temperature, warmed by the collectors, the sun on its surface and a
// conventional heater, and losing heat by convection, evaporation, make-up
// water, the ground and radiation, in the open air or in a hall.

#include "state/model.h"

namespace nk {

// The pool's switch-on difference, maximum and solar on/off for the month.
PoolController poolController(const Model& m);

// The collector step with the pool as consumer, from a mean collector
// temperature `Kollkozeptemp` the system has set: the heat that reaches the
// pool (`KollHoMed`), the collector rise, and the charge of the pool, which a
// pool above its maximum refuses.
void poolCollectorStep(Model& m, int G);

// The collector step through a heat exchanger: the mean collector
// temperature is the pool's plus the switch-on difference and half the
// last collector rise.
void poolExchangerStep(Model& m, int G);

// Losses and surface gain of the step, the resulting temperature change, the
// pool heater and the lower clamp at 0 °C.
void poolHeatBalance(Model& m);

// The conventional pool heater of the step: up to its switch-on temperature
// within its power, when its programme lets it run.
void poolHeater(Model& m);

// Saturated vapour pressure at a whole temperature, hPa. The table holds
// -10 to 50 °C; any other index is error 9.
Single vapourPressure(const Model& m, double wholeDegrees);

// The pool's share of the day start and of the accumulation of a step.
void poolDayStart(Model& m);
void poolAccumulate(Model& m);

}  // namespace nk
