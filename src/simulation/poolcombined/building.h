#pragma once

// The heated building and its heating buffer, as systems 44 and 45 model
// them. The building is lumped: one heat loss coefficient split between
// walls and windows, the walls' mass felt as a time lag (temperatures of
// `Fazistolas` hours ago, kept in 24-slot rings) and a damping of the
// outdoor swing, the sun acting through the sol-air temperatures and the
// windows of the east, south and west facades. The buffer keeps its three
// layers in the tank-2 state; its heat pre-heats the heating return water.

#include "simulation/hotwater/submodels.h"
#include "state/model.h"

namespace nk {

// Slot of hour `hour` in the rings: (hour + lag) mod 24, with the integer
// division of rounded operands and the result rounded half to even.
int ringSlot(const Model& m, int hour);

// The outdoor and sol-air temperatures of `hour` (of `Honap` and `Naptipus`)
// into their slots of the rings.
void updateRings(Model& m, int hour);

// Day means of the outdoor temperature and of the facades' sol-air
// temperatures (east, south, west), formed once per day.
struct BuildingDay {
    Single Tad = 0;
    double Tsd1 = 0, Tsd2 = 0;
    Single Tsd3 = 0;
};
BuildingDay buildingDayPrePass(const Model& m);

// Heat loss coefficient of the building, W/K: the design load over 35 K.
double heatLossCoefficient(const Model& m);

// Shares of the wall and the window loss in the loss coefficient.
struct LossWeights {
    double wall, window;
};
LossWeights lossWeights(double windowShare);

// Flow temperature of the heating curve at room temperature Tr and outdoor
// temperature Ta; the return runs a quarter lower.
double flowTemperature(double slope, double Tr, double Ta);
Single returnTemperature(double flow);

// The collector step with the buffer as consumer (the caller has checked
// the buffer's table): heat in `KollHoPuf`, the collector rise, and the
// charge, put into the lower layer or spread upwards with weights that keep
// the heat. A low efficiency also zeroes the collector rise.
Charge bufferCharging(Model& m, int G);

// One step of the building: room set temperature, rings, demand, sol-air
// temperatures, gains, net demand, heating curve, and the buffer's share of
// the net demand (`KollHoPuf`) beside the conventional heat (`HagyHoFut`).
void buildingStep(Model& m, const BuildingDay& day);

// The buffer pre-heats the return water portion by portion while its upper
// layer is more than 5 K above the return.
void bufferPreHeating(Model& m);

// The buffer's layers cool like a tank's; the loss adds to no demand.
void bufferStandingLoss(Model& m);

}  // namespace nk
