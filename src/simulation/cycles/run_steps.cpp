#include "simulation/cycles/run_steps.h"

#include "simulation/hotwater/hotwater_systems.h"
#include "simulation/poolcombined/building.h"
#include "simulation/poolcombined/combined_systems.h"
#include "simulation/poolcombined/pool_systems.h"
#include "simulation/hotwater/submodels.h"

namespace nk {

void countDrawHours(Model& m) {
    SimClock& c = m.clock;
    const int p = ix(m.s.Fogyjelleg), w = ix(m.s.Fogyheti);
    for (c.Hetnapindex = 1; c.Hetnapindex <= 7; ++c.Hetnapindex) {
        m.prep.Fogyasztasiorak(c.Hetnapindex) = 0;
        for (c.Ciklusindex = 0; c.Ciklusindex <= 23; ++c.Ciklusindex)
            if (m.fogy.Fogyorai(p, w, c.Hetnapindex, c.Ciklusindex).d() > 0)
                m.prep.Fogyasztasiorak(c.Hetnapindex) = addI(m.prep.Fogyasztasiorak(c.Hetnapindex), 1);
    }
}

void setStartState(Model& m) {
    PhysicalState& p = m.st;
    Results& r = m.res;
    p.Kolldt = 0;
    p.Kollallapot = 0;
    const double cold = m.s.Hidegvizhofok.d();
    p.Tar1Also = p.Tar1Kozep = p.Tar1Felso = cold;
    p.Tar2Also = p.Tar2Kozep = p.Tar2Felso = cold;
    p.Tar3Also = p.Tar3Kozep = p.Tar3Felso = cold;
    p.Medencehomerseklet = m.s.Medvizpotlashofok.d();
    m.s.Szobahomerseklet = 20;
    r.MedTempMin = 60;
    r.MedTempMax = 0;
    r.Tar1AlsoMin = r.Tar2AlsoMin = 100;
    r.Tar3AlsoMin = 100;
    r.Tar1FelsoMax = r.Tar2FelsoMax = r.Tar3FelsoMax = 0;
}

void buildRings(Model& m) {
    for (m.clock.Ora = 0; m.clock.Ora <= 23; ++m.clock.Ora) updateRings(m, m.clock.Ora);
}

void dayTypePattern(Model& m, int month) {
    Arr2<Single>& pattern = m.prep.Idojarasminta;
    const int n = m.klima.Honapnapjai(month);
    for (int d = 1; d <= n; ++d) pattern(month, d) = 3;
    // Each draw picks a day of the month uniformly; a day already marked is
    // not counted again, so the month gets exactly its number of clear days.
    auto draw = [&] { return 1 + int(Int(double(m.rnd.next()) * n)); };
    const double clear = m.klima.Derultnapokhavi(month);
    int count = 0;
    do {
        const int r = draw();
        if (pattern(month, r) != 1) {
            pattern(month, r) = 1;
            ++count;
        }
    } while (count != clear);
    const Integer target = CInt(Int((n - clear) / 2 + 0.5));
    count = 0;
    do {
        const int r = draw();
        if (pattern(month, r) != 2 && pattern(month, r) != 1) {
            pattern(month, r) = 2;
            ++count;
        }
    } while (count != target);
}

RecordedTemperatures recordedTemperatures(int system) {
    if (system == 21 || system == 22) return {0, true};
    if (const RecordedTemperatures c = combinedRecordedTemperatures(system); c.tanks > 0) return c;
    return {hotWaterTanks(system), false};
}

bool hasDaySimulation(int system) {
    switch (system) {
        case 11: case 12: case 13: case 14: case 15: case 16:
        case 21: case 22:
        case 41: case 42: case 43: case 44: case 45: return true;
        default: return false;
    }
}

void simulateDay(Model& m) {
    switch (ix(m.s.Rendszerszam)) {
        case 11: Melegvizrendszer11(m); break;
        case 12: Melegvizrendszer12(m); break;
        case 13: Melegvizrendszer13(m); break;
        case 14: Melegvizrendszer14(m); break;
        case 15: Melegvizrendszer15(m); break;
        case 16: Melegvizrendszer16(m); break;
        case 21: Medencerendszer21(m); break;
        case 22: Medencerendszer22(m); break;
        case 41: Rendszer41(m); break;
        case 42: Kombinalt42(m); break;
        case 43: Kombinalt43(m); break;
        case 44: Kombinalt44(m); break;
        case 45: Kombinalt45(m); break;
        default: zeroDayTotals(m.res); break;
    }
}

}  // namespace nk
