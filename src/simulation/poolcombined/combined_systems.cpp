#include "simulation/poolcombined/combined_systems.h"

#include <initializer_list>

#include "simulation/hotwater/hotwater_systems.h"
#include "simulation/poolcombined/building.h"
#include "simulation/poolcombined/pool.h"

namespace nk {

namespace {

enum class Consumers { TankPool, TankBuffer, TankBufferPool };

// How one combined system is composed of the sub-models.
struct CombinedSystem {
    int number;
    int hotWaterTanks;  // tanks 1..n in series; the last feeds the taps
    void (*heater)(Model&, const Tank&);
    int heatedTank;
    Consumers consumers;

    bool pool() const { return consumers != Consumers::TankBuffer; }
    bool building() const { return consumers != Consumers::TankPool; }
    // The buffer keeps its layers, means and extremes under tank 2's names.
    int recordedTanks() const { return building() ? 2 : hotWaterTanks; }
};

constexpr CombinedSystem kSystem41{41, 1, upperPartHeating, 1, Consumers::TankPool};
constexpr CombinedSystem kSystem42{42, 1, wholeTankHeating, 1, Consumers::TankPool};
constexpr CombinedSystem kSystem43{43, 2, wholeTankHeating, 2, Consumers::TankPool};
constexpr CombinedSystem kSystem44{44, 1, upperPartHeating, 1, Consumers::TankBuffer};
constexpr CombinedSystem kSystem45{45, 1, upperPartHeating, 1, Consumers::TankBufferPool};

// The consumers' solar on/off tables for the month.
double tankTable(const Model& m) { return m.prog.AutBeKi1(ix(m.s.Automod), m.clock.Honap).d(); }
double bufferTable(const Model& m) { return m.prog.AutBeKi2(ix(m.s.Automod), m.clock.Honap).d(); }
double poolTable(const Model& m) { return m.prog.AutBeKiMed(ix(m.s.Automod), m.clock.Honap); }

void resetController(Model& m, const CombinedSystem& sys) {
    switch (sys.consumers) {
        case Consumers::TankPool: poolPriorityReset(m); break;
        case Consumers::TankBuffer: bufferPriorityReset(m); break;
        case Consumers::TankBufferPool: threeConsumerReset(m); break;
    }
}

void collectorStep(Model& m, const CombinedSystem& sys, int G) {
    switch (sys.consumers) {
        case Consumers::TankPool: poolPriorityCollectorStep(m, G, chargedTank1(m, sys.number)); break;
        case Consumers::TankBuffer: bufferPriorityCollectorStep(m, G); break;
        case Consumers::TankBufferPool: threeConsumerCollectorStep(m, G); break;
    }
}

// Adds a step's terms one by one, in the order given.
void addTerms(double& sum, std::initializer_list<double> terms) {
    for (double t : terms) sum += t;
}
void addTerms(Single& sum, std::initializer_list<double> terms) {
    double x = sum;
    for (double t : terms) x += t;
    sum = CSng(x);
}

// The combined totals of the step, each the sum of its consumers' parts;
// the day totals and the hourly arrays add the parts in their own orders.
void addCombinedTotals(Model& m, Consumers consumers) {
    Results& r = m.res;
    const StepValues& v = m.step;
    const double demand = perStep(m, v.EpHoigeny), gains = perStep(m, v.EpNyereseg);
    const bool hourly = hourlyCycle(m);
    const int nap = m.clock.Nap, ora = m.clock.Ora;
    switch (consumers) {
        case Consumers::TankPool:
            addTerms(r.NapiKollHo, {v.KollHoTar, v.KollHoMed});
            addTerms(r.NapiHagyHo, {v.HagyHoTar, v.HagyHoMed});
            addTerms(r.NapiOsszHoigeny, {v.HmvHoigeny, v.MedVeszteseg});
            addTerms(r.NapiOsszNyereseg, {v.MedNyereseg});
            if (!hourly) return;
            addTerms(r.OraKollHo(nap, ora), {v.KollHoMed, v.KollHoTar});
            addTerms(r.OraHagyHo(nap, ora), {v.HagyHoMed, v.HagyHoTar});
            addTerms(r.OraOsszHoigeny(nap, ora), {v.MedVeszteseg, v.HmvHoigeny});
            addTerms(r.OraOsszNyereseg(nap, ora), {v.MedNyereseg});
            return;
        case Consumers::TankBuffer:
            addTerms(r.NapiKollHo, {v.KollHoTar, v.KollHoPuf});
            addTerms(r.NapiHagyHo, {v.HagyHoTar, v.HagyHoFut});
            addTerms(r.NapiOsszHoigeny, {v.HmvHoigeny, demand});
            addTerms(r.NapiOsszNyereseg, {gains});
            if (!hourly) return;
            addTerms(r.OraKollHo(nap, ora), {v.KollHoTar, v.KollHoPuf});
            addTerms(r.OraHagyHo(nap, ora), {v.HagyHoFut, v.HagyHoTar});
            addTerms(r.OraOsszHoigeny(nap, ora), {v.HmvHoigeny, demand});
            addTerms(r.OraOsszNyereseg(nap, ora), {gains});
            return;
        case Consumers::TankBufferPool:
            addTerms(r.NapiKollHo, {v.KollHoTar, v.KollHoPuf, v.KollHoMed});
            addTerms(r.NapiHagyHo, {v.HagyHoTar, v.HagyHoFut, v.HagyHoMed});
            addTerms(r.NapiOsszHoigeny, {v.MedVeszteseg, v.HmvHoigeny, demand});
            addTerms(r.NapiOsszNyereseg, {v.MedNyereseg, gains});
            if (!hourly) return;
            addTerms(r.OraKollHo(nap, ora), {v.KollHoTar, v.KollHoPuf, v.KollHoMed});
            addTerms(r.OraHagyHo(nap, ora), {v.HagyHoTar, v.HagyHoFut, v.HagyHoMed});
            addTerms(r.OraOsszHoigeny(nap, ora), {v.HmvHoigeny, v.MedVeszteseg, demand});
            addTerms(r.OraOsszNyereseg(nap, ora), {v.MedNyereseg, gains});
            return;
    }
}

// One step into the day totals, the hourly arrays and the extremes.
void accumulateStep(Model& m, const CombinedSystem& sys, int G) {
    Results& r = m.res;
    const StepValues& v = m.step;

    r.NapiSugarzas += perStep(m, double(G));
    r.NapiKollHoTar += v.KollHoTar;
    r.NapiHagyHoTar += v.HagyHoTar;
    addSingle(r.NapiHmvHoigeny, v.HmvHoigeny);
    if (sys.building()) {
        r.NapiKollHoPuf += v.KollHoPuf;
        r.NapiHagyHoFut += v.HagyHoFut;
        r.NapiEpNyereseg += perStep(m, v.EpNyereseg);
        r.NapiEpHoigeny += perStep(m, v.EpHoigeny);
    }
    if (sys.pool()) poolAccumulate(m);
    accumulateTankTemperatures(m, sys.recordedTanks());
    if (hourlyCycle(m)) {
        const int nap = m.clock.Nap, ora = m.clock.Ora;
        r.OraKollHoTar(nap, ora) += v.KollHoTar;
        r.OraHagyHoTar(nap, ora) += v.HagyHoTar;
        r.OraHmvHoigeny(nap, ora) += v.HmvHoigeny;
        if (sys.building()) {
            r.OraKollHoPuf(nap, ora) += v.KollHoPuf;
            r.OraHagyHoFut(nap, ora) += v.HagyHoFut;
            r.OraEpNyereseg(nap, ora) += perStep(m, v.EpNyereseg);
            r.OraEpHoigeny(nap, ora) += perStep(m, v.EpHoigeny);
        }
    }
    addCombinedTotals(m, sys.consumers);
    updateTankExtremes(m, sys.recordedTanks());
}

void runCombinedDay(Model& m, const CombinedSystem& sys) {
    DayScope scope(m.day);
    resetController(m, sys);
    zeroDayTotals(m.res);
    recordStartOfDay(m, sys.recordedTanks());
    if (sys.pool()) poolDayStart(m);
    const BuildingDay day = sys.building() ? buildingDayPrePass(m) : BuildingDay{};
    const bool accumulates = accumulatesSteps(m);
    const bool resetEveryStep = sys.consumers == Consumers::TankPool;

    for (m.clock.Ora = 0; m.clock.Ora <= 23; ++m.clock.Ora) {
        m.day.startHour();
        const int G = collectorIrradiance(m);
        hourDraw(m);
        startHourSteps(m, combinedStepsInHour(m, G, sys.number));
        for (m.clock.Lepes = 0; m.clock.Lepes < m.clock.Lepesszam; ++m.clock.Lepes) {
            startStep(m);
            sys.heater(m, tankOf(m, sys.heatedTank));
            collectorStep(m, sys, G);
            if (sys.pool()) poolHeatBalance(m);
            if (sys.building()) buildingStep(m, day);
            drawOffStep(m, sys.hotWaterTanks);
            if (sys.building()) bufferStandingLoss(m);
            if (accumulates) accumulateStep(m, sys, G);
            if (resetEveryStep) resetController(m, sys);
        }
        if (!resetEveryStep) resetController(m, sys);
    }
}

// The collector rule: a collector power that asks for more steps than N
// against five times a volume sets the count to what it asks against ten times.
void collectorRule(Integer& N, double power, double fiveV, double tenV) {
    if (N < Int(div(power, fiveV))) N = CInt(Int(div(power, tenV)));
}

// Tank 1 takes the collector heat; a refusal hands the step to `next`.
void tankAttempt(Model& m, int G, const Consumer& tank1, Integer next) {
    if (chargeTankFromCollectors(m, tank1, G) != Charge::Done) m.st.Kollallapot = next;
}

// The pool takes the collector heat or refuses it, keeping its state; with
// its table off the loop goes off.
void poolAttempt(Model& m, int G) {
    if (poolTable(m) == 0)
        m.st.Kollallapot = 0;
    else
        poolExchangerStep(m, G);
}

// The buffer takes the collector heat; with its table off, or refusing,
// it hands the step to `next`.
void bufferAttempt(Model& m, int G, Integer next) {
    if (bufferTable(m) == 0 || bufferCharging(m, G) != Charge::Done) m.st.Kollallapot = next;
}

// Tank 1's turn in systems 44 and 45: in state 1 with its table off for
// the month the step ends without trying anyone else.
bool tankUnlessItsTableIsOff(Model& m, int G) {
    if (m.st.Kollallapot != 1) return true;
    if (tankTable(m) != 1) return false;
    tankAttempt(m, G, consumerOf(m, 1), 2);
    return true;
}

}  // namespace

Consumer chargedTank1(Model& m, int system) {
    Consumer c = consumerOf(m, 1);
    if (system == 43) c.tank.V = c.tank.Vlo + c.tank.Vmid + c.tank.Vup;
    return c;
}

Integer combinedStepsInHour(const Model& m, int G, int system) {
    const Settings& s = m.s;
    const double draw = m.step.Orasfogyasztas;
    const double power = G * (s.Kollektorfelulet.d() * s.Kollektorszam.d());
    Integer N = 2;
    if (system <= 43) {
        const Currency Vs = s.Legkisebbterfogat;
        DayInputs& day = m.day;
        const double litres = kept(day, day.smallestTank, [&] { return Vs.toDouble(); });
        if (N < Int(div(draw, litres) * 30)) N = CInt(Int(div(draw, litres) * 10));
        collectorRule(N, power, kept(day, day.smallestTank5, [&] { return (Vs * 5).toDouble(); }),
                      kept(day, day.smallestTank10, [&] { return (Vs * 10).toDouble(); }));
    } else {
        const double V1 = s.Tarolo1terfogat.d(), V2 = s.Tarolo2terfogat.d();
        const double byDraw = Int(div(draw, V1) * 25);
        if (N < byDraw) N = CInt(byDraw);
        collectorRule(N, power, 5 * V1, 10 * V1);
        collectorRule(N, power, 5 * V2, 10 * V2);
    }
    return N;
}

void poolPriorityReset(Model& m) { resetToPriority(m, {tankTable(m), poolTable(m)}); }

void poolPriorityCollectorStep(Model& m, int G, const Consumer& tank1) {
    m.step.KollHoTar = m.step.KollHoMed = 0;
    if (G <= 50) return;
    // Each test reads the state the consumer before may have handed on.
    if (m.st.Kollallapot == 1) tankAttempt(m, G, tank1, 2);
    if (m.st.Kollallapot == 2) poolAttempt(m, G);
}

void bufferPriorityReset(Model& m) { resetToPriority(m, {tankTable(m), bufferTable(m)}); }

void bufferPriorityCollectorStep(Model& m, int G) {
    m.step.KollHoTar = m.step.KollHoPuf = 0;
    if (G <= 50 || !tankUnlessItsTableIsOff(m, G)) return;
    if (m.st.Kollallapot == 2) bufferAttempt(m, G, 0);
}

void threeConsumerReset(Model& m) { resetToPriority(m, {tankTable(m), bufferTable(m), poolTable(m)}); }

void threeConsumerCollectorStep(Model& m, int G) {
    m.step.KollHoTar = m.step.KollHoPuf = m.step.KollHoMed = 0;
    if (G <= 50 || !tankUnlessItsTableIsOff(m, G)) return;
    if (m.st.Kollallapot == 2) bufferAttempt(m, G, 3);
    if (m.st.Kollallapot == 3) poolAttempt(m, G);
}

RecordedTemperatures combinedRecordedTemperatures(int system) {
    for (const CombinedSystem* sys : {&kSystem41, &kSystem42, &kSystem43, &kSystem44, &kSystem45})
        if (sys->number == system) return {sys->recordedTanks(), sys->pool()};
    return {};
}

[[gnu::flatten]] void Rendszer41(Model& m) { runCombinedDay(m, kSystem41); }
[[gnu::flatten]] void Kombinalt42(Model& m) { runCombinedDay(m, kSystem42); }
[[gnu::flatten]] void Kombinalt43(Model& m) { runCombinedDay(m, kSystem43); }
[[gnu::flatten]] void Kombinalt44(Model& m) { runCombinedDay(m, kSystem44); }
[[gnu::flatten]] void Kombinalt45(Model& m) { runCombinedDay(m, kSystem45); }

}  // namespace nk
