#include "simulation/cycles/run_steps.h"

#include <cmath>

#include "simulation/hotwater/hotwater_systems.h"
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
    r.MedTempMin = 60;
    r.MedTempMax = 0;
    r.Tar1AlsoMin = r.Tar2AlsoMin = 100;
    r.Tar3AlsoMin = 100;
    r.Tar1FelsoMax = r.Tar2FelsoMax = r.Tar3FelsoMax = 0;
}

void buildRings(Model& m) {
    RunPreparation& g = m.prep;
    const int mo = m.clock.Honap, w = ix(m.s.Naptipus);
    const double lag = m.s.Fazistolas.d();
    const double absorb = m.s.Elnyelesitenyezo.d();
    for (m.clock.Ora = 0; m.clock.Ora <= 23; ++m.clock.Ora) {
        const int h = m.clock.Ora;
        const double shifted = h + lag;
        // (Ora + lag) mod 24 with the integer division of rounded operands.
        const int slot = CInt(shifted - 24 * std::trunc(std::nearbyint(shifted) / 24));
        const double T = m.klima.Levegohomerseklet(mo, h, w);
        g.KulsoGyuru(slot) = T;
        g.Napleg1 = T + absorb * m.klima.Keletisugarzas(mo, h, w) / 23;
        g.Napleg2 = T + absorb * m.klima.Delisugarzas(mo, h, w) / 23;
        g.Napleg3 = CSng(T + absorb * m.klima.Nyugatisugarzas(mo, h, w) / 23);
        g.Napleg1Gyuru(slot) = g.Napleg1;
        g.Napleg2Gyuru(slot) = g.Napleg2;
        g.Napleg3Gyuru(slot) = g.Napleg3;
    }
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
        default: zeroDayTotals(m.res); break;
    }
}

}  // namespace nk
