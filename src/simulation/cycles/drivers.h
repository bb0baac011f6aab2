#pragma once

// The four calculation cycles. Each runs the day simulation of the chosen
// system over its days, sums the results and writes the result table. A
// calculation error ends the run with the calculation-error message; none
// ends the program.

#include "state/model.h"

namespace nk {

void Napiszamitas(Model& m);       // one day of the chosen month
void Haviszamitas(Model& m);       // every day of the chosen month
void Evesszamitas(Model& m);       // the whole year, with the bar chart
void Idoszakiszamitas(Model& m);   // the months of the period

// Runs the driver of `Szamitasmod` (2 monthly, 3 annual, 4 period, any other
// value daily). Returns false, running nothing, while a run is in progress.
bool runCalculation(Model& m);

// Months and days of the period from `ElsoHonap` to `UtolsoHonap`, over the
// turn of the year when the last month comes first; equal months are a
// period of that one month.
void countPeriod(Model& m);

// The calculation choices as the calculation window starts with them.
void initialCalculationChoices(Model& m);

}  // namespace nk
