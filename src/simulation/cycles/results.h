#pragma once

// Rounding of a run's sums into the result record, the result table and the
// annual bar chart.

#include <string>

#include "state/model.h"

namespace nk {

// kWh with one decimal, truncated: Int(E / 1000 × 10) / 10.
double energyKwh(double wh);
// Irradiation on the whole collector field in kWh: Int(S × area / 1000 × 10) / 10.
double irradiationKwh(double whPerM2, double area);
// Two decimals, truncated: Int(T × 100) / 100.
double twoDecimals(double t);
// Percent with two decimals, 0 when the divisor is not greater than 0.
double sharePercent(double a, double b);

// Result record of the cycles: each driver's sums into element 1.
void dailyResults(Model& m);
void monthlyTemperatureResults(Model& m);
void monthlyEnergyResults(Model& m, int month);
void runTemperatureResults(Model& m);  // annual and period
void runEnergyResults(Model& m, bool period);

// The unit of a heat amount of a cycle (1 daily, 2 monthly, 3 annual, 4
// period; any other as the annual cycle, which the program starts with):
// over the whole run, as the result table gives it, or over one slot of the
// run's charts (an hour of a day, a day of a month, a month of a year or
// period). An hour's amount is given as its mean power.
enum class AmountOver { Run, ChartSlot };
std::string amountUnit(int cycle, AmountOver over);

// Records the choices of the run of `cycle` that has just formed the result
// record, and that the arrays hold its figures.
void recordShownCalculation(Model& m, Integer cycle);

// Writes the pipe-loss box and the result table.
void Eredmenykiiras(Model& m);

// A run that ended without its figures: the pipe-loss box, the result
// table, the bar chart and the data sheet's figures and charts stay empty
// until a run completes, so that no figure stands beside an installation it
// was not calculated for.
void showNoFigures(Model& m);

// The annual bar chart from the monthly sums of the latest annual run.
void Evesgrafikon(Model& m);

}  // namespace nk
