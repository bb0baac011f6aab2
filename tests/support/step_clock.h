#pragma once

#include "simulation/hotwater/hotwater_systems.h"
#include "state/defaults.h"

namespace nk::testing {

// A started program on day type `dayType`, weekday 1, with its clock in the
// first step of `hour` of `month`, the hour cut into N steps.
inline void startAtStep(Model& m, int dayType, int month, int hour, Integer N = 2) {
    Alapertekek(m);
    m.s.Naptipus = dayType;
    m.s.Hetnapja = 1;
    m.clock.Honap = month;
    m.clock.Ora = hour;
    m.clock.Lepesszam = N;
    m.clock.Lepeshossz = 60.0 / N;
    m.clock.Lepes = 0;
    startStep(m);
}

}  // namespace nk::testing
