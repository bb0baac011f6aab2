#pragma once

// The sub-models of a simulated step, shared by every day simulation: the
// conventional tank heater, the collector loop with tank charging, the pipe
// heat loss, the priority controller and the draw-off with its losses.
// Each works on the model's shared state; a tank is passed as a view of its
// three layers and volumes.

#include "state/model.h"

namespace nk {

// Heat capacity of water, Wh per litre and kelvin.
inline constexpr double kWaterHeat = 1.16;

// One tank: its layer temperatures in the shared state and its volumes.
struct Tank {
    double* lo;
    double* mid;
    double* up;
    double Vlo, Vmid, Vup;  // litres; tank 3's upper layer is a whole number
    double V;               // the tank-volume setting
};
Tank tankOf(Model& m, int k);

// The collector's view of one tank as a consumer: its monthly controller
// values and the rise variable its charge is kept in.
enum class RiseVar { Tar1Emeles, PufEmeles, Tar3Emeles };
struct Consumer {
    int tankNumber;
    Tank tank;
    double on;        // 1 when solar charging is enabled for the month
    double switchOn;  // switch-on temperature difference, K
    double maximum;   // maximum tank temperature, °C
    RiseVar rise;
};
Consumer consumerOf(Model& m, int k);

// Irradiance on the collector plane in the current hour, W/m².
int collectorIrradiance(const Model& m);

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

}  // namespace nk
