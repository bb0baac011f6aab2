#include "simulation/poolcombined/combined_systems.h"

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

// One step into the day totals and the hourly arrays. The combined totals
// add the consumers' parts in the order tank, buffer or building, pool.
void accumulateStep(Model& m, const CombinedSystem& sys, int G) {
    Results& r = m.res;
    const StepValues& v = m.step;
    const int N = m.clock.Lepesszam;

    double collected = v.KollHoTar, conventional = v.HagyHoTar, demand = v.HmvHoigeny, gains = 0;
    if (sys.building()) {
        collected += v.KollHoPuf;
        conventional += v.HagyHoFut;
    }
    if (sys.pool()) {
        collected += v.KollHoMed;
        conventional += v.HagyHoMed;
        demand += v.MedVeszteseg;
        gains += v.MedNyereseg;
    }
    if (sys.building()) {
        demand += v.EpHoigeny / N;
        gains += v.EpNyereseg / N;
    }

    r.NapiSugarzas += double(G) / N;
    r.NapiKollHoTar += v.KollHoTar;
    r.NapiHagyHoTar += v.HagyHoTar;
    if (sys.building()) {
        r.NapiKollHoPuf += v.KollHoPuf;
        r.NapiHagyHoFut += v.HagyHoFut;
        r.NapiEpNyereseg += v.EpNyereseg / N;
        r.NapiEpHoigeny += v.EpHoigeny / N;
    }
    if (sys.pool()) poolAccumulate(m);
    r.NapiKollHo += collected;
    r.NapiHagyHo += conventional;
    addSingle(r.NapiHmvHoigeny, v.HmvHoigeny);
    addSingle(r.NapiOsszHoigeny, demand);
    addSingle(r.NapiOsszNyereseg, gains);
    accumulateTankTemperatures(m, sys.recordedTanks());

    if (hourlyCycle(m)) {
        const int nap = m.clock.Nap, ora = m.clock.Ora;
        r.OraKollHoTar(nap, ora) += v.KollHoTar;
        r.OraHagyHoTar(nap, ora) += v.HagyHoTar;
        r.OraHmvHoigeny(nap, ora) += v.HmvHoigeny;
        if (sys.building()) {
            r.OraKollHoPuf(nap, ora) += v.KollHoPuf;
            r.OraHagyHoFut(nap, ora) += v.HagyHoFut;
            r.OraEpNyereseg(nap, ora) += v.EpNyereseg / N;
            r.OraEpHoigeny(nap, ora) += v.EpHoigeny / N;
        }
        r.OraKollHo(nap, ora) += collected;
        r.OraHagyHo(nap, ora) += conventional;
        r.OraOsszHoigeny(nap, ora) += demand;
        r.OraOsszNyereseg(nap, ora) += gains;
    }
    updateTankExtremes(m, sys.recordedTanks());
}

void runCombinedDay(Model& m, const CombinedSystem& sys) {
    resetController(m, sys);
    zeroDayTotals(m.res);
    recordStartOfDay(m, sys.recordedTanks());
    if (sys.pool()) poolDayStart(m);
    const BuildingDay day = sys.building() ? buildingDayPrePass(m) : BuildingDay{};
    const bool accumulates = accumulatesSteps(m);
    const bool resetEveryStep = sys.consumers == Consumers::TankPool;

    for (m.clock.Ora = 0; m.clock.Ora <= 23; ++m.clock.Ora) {
        const int G = collectorIrradiance(m);
        hourDraw(m);
        m.clock.Lepesszam = combinedStepsInHour(m, G, sys.number);
        m.clock.Lepeshossz = 60.0 / m.clock.Lepesszam;
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
// against volume V sets the count to half of what it asked.
void collectorRule(Integer& N, double power, double V) {
    if (N < Int(div(power, 5 * V))) N = CInt(Int(div(power, 10 * V)));
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
        const double Vs = s.Legkisebbterfogat.toDouble();
        if (N < Int(div(draw, Vs) * 30)) N = CInt(Int(div(draw, Vs) * 10));
        collectorRule(N, power, Vs);
    } else {
        const double V1 = s.Tarolo1terfogat.d();
        const double byDraw = Int(div(draw, V1) * 25);
        if (N < byDraw) N = CInt(byDraw);
        collectorRule(N, power, V1);
        collectorRule(N, power, s.Tarolo2terfogat.d());
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

void Rendszer41(Model& m) { runCombinedDay(m, kSystem41); }
void Kombinalt42(Model& m) { runCombinedDay(m, kSystem42); }
void Kombinalt43(Model& m) { runCombinedDay(m, kSystem43); }
void Kombinalt44(Model& m) { runCombinedDay(m, kSystem44); }
void Kombinalt45(Model& m) { runCombinedDay(m, kSystem45); }

}  // namespace nk
