#pragma once

// One simulated day of the combined systems, whose one collector field
// serves the hot-water tank first and then a pool, a heating buffer, or
// both:
//   41, 42  one hot-water tank and a pool; the tank heater heats the upper
//           part (41) or the whole tank (42);
//   43      a solar pre-heat tank and a post-heat tank in series, and a pool;
//   44      one hot-water tank and the heating buffer of a building;
//   45      as 44, with a pool as the third consumer.

#include "simulation/hotwater/submodels.h"
#include "state/model.h"

namespace nk {

void Rendszer41(Model& m);
void Kombinalt42(Model& m);
void Kombinalt43(Model& m);
void Kombinalt44(Model& m);
void Kombinalt45(Model& m);

// Sub-steps of the current hour (`Orasfogyasztas` already set) at collector
// irradiance G: systems 41 to 43 test the draw against the smallest tank,
// 44 and 45 against tank 1 and their collectors against both tank volumes.
// The collector rules, and the draw rule of 41 to 43, may lower the count.
// What a combined system records (the buffer as tank 2); nothing for any
// other system number.
RecordedTemperatures combinedRecordedTemperatures(int system);

Integer combinedStepsInHour(const Model& m, int G, int system);

// Tank 1 as the collectors charge it. The pre-heat tank of system 43
// spreads a charge over the sum of its layer volumes.
Consumer chargedTank1(Model& m, int system);

// The controllers. Each reset puts the loop on the highest-priority consumer
// whose table is on for the month, and off when none is: 41 to 43 at the
// start of the day and after every step, 44 and 45 at the start of the day
// and after every hour. Each collector step walks its consumers from the
// current state on, handing a refused charge to the next one.

// 41 to 43: state 1 tank 1, state 2 the pool. `tank1` is tank 1 as its
// charge sees it.
void poolPriorityReset(Model& m);
void poolPriorityCollectorStep(Model& m, int G, const Consumer& tank1);

// 44: state 1 tank 1, state 2 the heating buffer.
void bufferPriorityReset(Model& m);
void bufferPriorityCollectorStep(Model& m, int G);

// 45: state 1 tank 1, state 2 the heating buffer, state 3 the pool.
void threeConsumerReset(Model& m);
void threeConsumerCollectorStep(Model& m, int G);

}  // namespace nk
