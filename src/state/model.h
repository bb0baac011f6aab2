#pragma once

// The one object that owns the whole shared state of the program. Every
// procedure and window receives it by reference; a test makes a fresh one
// with `Model m;` and, for start-up values, `Alapertekek(m)`.

#include "platform/random.h"
#include "radiation/climate.h"
#include "state/day_inputs.h"
#include "state/settings.h"
#include "state/simulation_state.h"
#include "state/ui_port.h"

namespace nk {

struct Model {
    Model() = default;
    Model(const Model&) = delete;
    Model& operator=(const Model&) = delete;

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

    // What the running day keeps of its inputs; a cache, so also written
    // through the const model the read-only sub-models see.
    mutable DayInputs day;

    // Built-in climate, radiation tables and the radiation procedures' state.
    Climate klima;
    RadiationModule radmod;

    WindowParameters par;
    Random rnd;

    // Where the core's messages go; the windows install themselves here.
    UiPort* ui = &silent_;

    UiPort* silentUi() { return &silent_; }

    // A calculation is in progress: another request is refused, never nested.
    bool calculating = false;

private:
    SilentUi silent_;
};

}  // namespace nk
