#pragma once

// The one object that owns the whole shared state of the program. Every
// procedure and window receives it by reference; a test makes a fresh one
// with `Model m;` and, for start-up values, `Alapertekek(m)`.

#include "platform/random.h"
#include "state/settings.h"
#include "state/simulation_state.h"

namespace nk {

struct Model {
    // Settings.
    PipeData pipe;
    Settings s;
    Catalogue kat;
    ConsumptionProfiles fogy;
    Programmes prog;

    // Simulation state and results.
    SimClock clock;
    RunPreparation prep;
    PhysicalState st;
    StepValues step;
    Results res;

    WindowParameters par;
    Random rnd;
};

}  // namespace nk
