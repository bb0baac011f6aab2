#pragma once

// The steps every calculation driver shares: draw hours, start state,
// outdoor temperature rings, the day-type pattern of a month and the
// dispatch of a day to the chosen system's day simulation.

#include "simulation/hotwater/submodels.h"
#include "state/model.h"

namespace nk {

// Hours with a draw on each weekday of the chosen consumption profile.
void countDrawHours(Model& m);

// Tanks and buffer at the cold-water temperature, the pool at the make-up
// temperature, the room at 20 °C, extremes reset, the collector rise and the
// controller state at 0, so that a run never depends on an earlier run or
// another system.
void setStartState(Model& m);

// Outdoor and sol-air temperatures of `Honap` and `Naptipus`, delayed by
// the wall time lag. Leaves `Ora` at 24.
void buildRings(Model& m);

// Clear, average and overcast days of a month, drawn at random.
void dayTypePattern(Model& m, int month);

// The temperatures a system's day simulation records.
RecordedTemperatures recordedTemperatures(int system);

// Whether the system has a day simulation: every system that can be chosen
// but 46.
bool hasDaySimulation(int system);

// Simulates one day of the system `Rendszerszam`. A system without a day
// simulation passes the day with every day total at 0.
void simulateDay(Model& m);

}  // namespace nk
