#pragma once

// One simulated day of the hot-water systems 11 to 16. The drivers set the
// calendar, mode and recording flag, and once per run the start state; the
// day leaves its totals, hourly values, extremes and end state behind.

#include "state/model.h"

namespace nk {

void Melegvizrendszer11(Model& m);  // one tank, upper-part heater, pipe heat loss
void Melegvizrendszer12(Model& m);  // one tank, whole-tank heater
void Melegvizrendszer13(Model& m);  // two tanks: solar pre-heating, conventional post-heating
void Melegvizrendszer14(Model& m);  // two tanks, collectors charge tank 2 first
void Melegvizrendszer15(Model& m);  // three tanks, collectors charge tanks 2 and 1
void Melegvizrendszer16(Model& m);  // three tanks, collectors charge tanks 3, 2 and 1

// Every day simulation starts by clearing the day totals and day means.
void zeroDayTotals(Results& r);

// Tanks of a hot-water system; 0 for any other system number.
int hotWaterTanks(int system);

// Hours split into sub-steps: two, or more when the hour's draw or the
// collector power is large against the smallest tank.
Integer stepsInHour(const Model& m, int G);

// Start of the step: minute and half hour of the programme tables.
void startStep(Model& m);

}  // namespace nk
