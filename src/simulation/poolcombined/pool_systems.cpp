#include "simulation/poolcombined/pool_systems.h"

#include "simulation/hotwater/hotwater_systems.h"
#include "simulation/hotwater/submodels.h"
#include "simulation/poolcombined/pool.h"

namespace nk {

namespace {

enum class PoolSystem { Exchanger, ThroughCollectors };

void runPoolDay(Model& m, PoolSystem system) {
    DayScope scope(m.day);
    Results& r = m.res;
    const StepValues& v = m.step;
    zeroDayTotals(r);
    poolDayStart(m);
    const bool accumulates = accumulatesSteps(m);
    const bool hourly = hourlyCycle(m);
    for (m.clock.Ora = 0; m.clock.Ora <= 23; ++m.clock.Ora) {
        m.day.startHour();
        const int G = collectorIrradiance(m);
        // No draw and no tank: two half-hour steps whatever the sun.
        startHourSteps(m, 2);
        for (m.clock.Lepes = 0; m.clock.Lepes < m.clock.Lepesszam; ++m.clock.Lepes) {
            startStep(m);
            m.step.KollHoMed = 0;
            const PoolController c = poolController(m);
            if (c.on == 1 && G > 50) {
                if (system == PoolSystem::Exchanger) {
                    poolExchangerStep(m, G);
                } else {
                    m.step.Kollkozeptemp =
                        throughCollectorsMeanTemperature(m.st.Medencehomerseklet, c.switchOn, m.st.Kolldt);
                    poolCollectorStep(m, G);
                }
            }
            poolHeatBalance(m);
            if (!accumulates) continue;
            r.NapiSugarzas += perStep(m, double(G));
            poolAccumulate(m);
            if (system == PoolSystem::Exchanger) {
                r.NapiKollHo += v.KollHoMed;
                r.NapiHagyHo += v.HagyHoMed;
                addSingle(r.NapiOsszHoigeny, v.MedVeszteseg);
            }
            addSingle(r.NapiOsszNyereseg, v.MedNyereseg);
            if (hourly) {
                const int nap = m.clock.Nap, ora = m.clock.Ora;
                r.OraKollHo(nap, ora) += v.KollHoMed;
                r.OraHagyHo(nap, ora) += v.HagyHoMed;
                r.OraOsszHoigeny(nap, ora) += v.MedVeszteseg;
                r.OraOsszNyereseg(nap, ora) += v.MedNyereseg;
            }
        }
    }
    if (system == PoolSystem::ThroughCollectors) {
        r.NapiKollHo = r.NapiKollHoMed;
        r.NapiHagyHo = r.NapiHagyHoMed;
        r.NapiOsszHoigeny = CSng(r.NapiMedVeszteseg);
    }
}

}  // namespace

double throughCollectorsMeanTemperature(double Tp, double switchOn, Single rise) {
    return CSng(switchOn) > rise ? Tp + switchOn : Tp + rise / 2.0;
}

[[gnu::flatten]] void Medencerendszer21(Model& m) { runPoolDay(m, PoolSystem::Exchanger); }
[[gnu::flatten]] void Medencerendszer22(Model& m) { runPoolDay(m, PoolSystem::ThroughCollectors); }

}  // namespace nk
