#pragma once

// The sub-models of a simulated step, shared by every day simulation: the
// conventional tank heater, the collector loop with tank charging, the pipe
// heat loss, the priority controller and the draw-off with its losses.
// Each works on the model's shared state; a tank is passed as a view of its
// three layers and volumes.

#include <initializer_list>

#include "state/model.h"

namespace nk {

// Heat capacity of water, Wh per litre and kelvin.
inline constexpr double kWaterHeat = 1.16;

// Tank k (1..3), and tank k as the collector's consumer in the month.
Tank tankOf(Model& m, int k);
Consumer consumerOf(Model& m, int k);

// Irradiance on the collector plane in the current hour, W/m².
int collectorIrradiance(const Model& m);

// Starts an hour of N steps: the clock's count and step length, and the
// divisors the steps use.
void startHourSteps(Model& m, Integer N);

// x / N for the hour's N steps: as the plain quotient, and checked as `div`
// checks it.
double perStep(const Model& m, double x);
double perStepChecked(const Model& m, double x);

// 24 N, the divisor of the day means; a count beyond 16 bits raises error 6
// where the hour first needs it.
double dayMeanDivisor(const Model& m);

// Outdoor temperature and horizontal irradiance of the current hour.
double airTemperature(const Model& m);
int horizontalIrradiance(const Model& m);

// The value of heater `heater`'s time programme (chosen by `programme` and
// `weekly`) on the weekday `Hetnapja` in the current half hour.
double programmeValue(const Model& m, int heater, const Var& programme, const Var& weekly);

// --- Conventional tank heater -------------------------------------------
// Upper-part heating: the upper and middle layer, two thirds of the power
// into the upper one. Whole-tank heating: from the lower layer upwards.
void upperPartHeating(Model& m, const Tank& t);
void wholeTankHeating(Model& m, const Tank& t);

// --- Collector loop -------------------------------------------------------
// Mean collector temperature against the consumer and the efficiency curve;
// leaves the step values and returns the single-precision efficiency.
Single collectorEfficiency(Model& m, const Consumer& c, int G);
// The same from a mean collector temperature `Kollkozeptemp` already set.
Single efficiencyAtMeanTemperature(Model& m, int G);

// eta × G × area × count / N, with the flat system loss when asked.
double collectorHeat(const Model& m, Single eta, int G, bool withSystemLoss);

// Temperature rise across the collectors from the step's heat.
void setCollectorRise(Model& m, double Q);

// Puts the rise of Q into the consumer's lower layer and returns it.
double chargeLowerLayer(Model& m, const Consumer& c, double Q);

// Takes a provisional rise back out of the lower layer.
inline void undoCharge(const Consumer& c, double rise) { *c.tank.lo -= rise; }

// Spreads a charge over the whole tank or the lower two layers, as the
// lower layer (with its provisional rise) compares with the layers above.
void spreadCharge(Model& m, const Consumer& c, double rise, double Q);

// What became of the collector's offer to a tank: charged, refused because
// the efficiency is too low, or taken back because the tank is at its maximum.
enum class Charge { Done, LowEfficiency, Full };

// The collector step against one tank with the flat system loss: heat,
// collector rise, charge of the lower layer and its spreading. A refused
// charge leaves the tank as it was and `KollHoTar` at 0; after a low
// efficiency the collector rise keeps its value.
Charge chargeTankFromCollectors(Model& m, const Consumer& c, int G);

// The collector loop of the systems with one consumer, tank 1.
struct SingleConsumerLoop {
    Single threshold;        // efficiency below it stops the loop
    bool pipeLoss;           // the loss of the collector-circuit pipe replaces the flat system loss
    bool stateAtMaximum;     // a rejected charge leaves controller state 2 behind
};
void singleConsumerCollectorStep(Model& m, const SingleConsumerLoop& loop);

// Heat lost by the collector-circuit pipe in the step, taken off `KollHoTar`.
void collectorPipeLoss(Model& m);

// --- Solar priority controller ----------------------------------------------
// Sets the state to the highest-priority consumer whose table is on for the
// month; `onByState[k]` is the table value of state k + 1. A month with every
// consumer off starts with the loop off.
void resetToPriority(Model& m, std::initializer_list<double> onByState);

// Consumers in priority order: priority[0] is the tank of state 1.
struct PriorityList {
    int states;           // 2 or 3
    int priority[3];
    bool zeroRiseWhenLastFails;
};
void programmeReset(Model& m, const PriorityList& list);
void controllerCollectorStep(Model& m, const PriorityList& list);

// --- Draw-off and losses ----------------------------------------------------
// The hour's draw volume from the chosen consumption profile.
void hourDraw(Model& m);

// Plug flow through tanks 1..tanks, inversion repair of the fed tanks,
// useful heat, circulation and standing losses.
void drawOffStep(Model& m, int tanks);

// A layer's temperature T after its standing loss over one step.
double afterStandingLoss(const Model& m, double T);

// --- Recording a day ----------------------------------------------------------
// The temperatures a system's day simulation records: the layers of tanks
// 1 to `tanks` and the pool.
struct RecordedTemperatures {
    int tanks = 0;
    bool pool = false;
};

// The daily and monthly cycles keep hourly values.
bool hourlyCycle(const Model& m);
// Steps of a recorded day, and every step of the cycles without warm-up
// results, add to the day totals.
bool accumulatesSteps(const Model& m);

// Start of a recorded day: the layers of tanks 1..tanks into column 0 of
// the hourly arrays, and the extremes.
void recordStartOfDay(Model& m, int tanks);
// Upper-layer maximum and lower-layer minimum of tanks 1..tanks.
void updateTankExtremes(Model& m, int tanks);
// The step's layer temperatures into the day means and the hourly arrays.
void accumulateTankTemperatures(Model& m, int tanks);

}  // namespace nk
