#include "simulation/hotwater/hotwater_systems.h"

#include "simulation/hotwater/submodels.h"

namespace nk {

namespace {

enum class Heater { UpperPart, WholeTank };

// How one hot-water system is composed of the sub-models.
struct HotWaterSystem {
    int tanks;       // tanks 1..tanks in series; the last feeds the taps
    Heater heater;
    int heatedTank;
    bool controlled;  // a priority list instead of tank 1 alone
    SingleConsumerLoop single;
    PriorityList priority;
};

constexpr HotWaterSystem kSystem11{1, Heater::UpperPart, 1, false, {0.25f, true, false}, {}};
constexpr HotWaterSystem kSystem12{1, Heater::WholeTank, 1, false, {0.05f, false, true}, {}};
constexpr HotWaterSystem kSystem13{2, Heater::WholeTank, 2, false, {0.05f, false, false}, {}};
constexpr HotWaterSystem kSystem14{2, Heater::WholeTank, 2, true, {}, {2, {2, 1, 0}, true}};
constexpr HotWaterSystem kSystem15{3, Heater::WholeTank, 3, true, {}, {2, {2, 1, 0}, false}};
constexpr HotWaterSystem kSystem16{3, Heater::WholeTank, 3, true, {}, {3, {3, 2, 1}, false}};

void accumulateStep(Model& m, const HotWaterSystem& sys, int G) {
    Results& r = m.res;
    const StepValues& v = m.step;

    r.NapiSugarzas += perStep(m, double(G));
    r.NapiKollHoTar += v.KollHoTar;
    if (sys.single.pipeLoss) {
        r.NapiSzivattyuperc += v.Szivattyuperc;
        addSingle(r.NapiCsoveszteseg, v.Csoveszteseg);
    }
    r.NapiHagyHoTar += v.HagyHoTar;
    addSingle(r.NapiHmvHoigeny, v.HmvHoigeny);

    accumulateTankTemperatures(m, sys.tanks);
    if (hourlyCycle(m)) {
        const int nap = m.clock.Nap, ora = m.clock.Ora;
        r.OraKollHoTar(nap, ora) += v.KollHoTar;
        r.OraHagyHoTar(nap, ora) += v.HagyHoTar;
        r.OraHmvHoigeny(nap, ora) += v.HmvHoigeny;
        if (sys.single.pipeLoss) r.OraCsoveszteseg(nap, ora) = CSng(r.OraCsoveszteseg(nap, ora) + v.Csoveszteseg);
        r.OraKollHo(nap, ora) = r.OraKollHoTar(nap, ora);
        r.OraHagyHo(nap, ora) = r.OraHagyHoTar(nap, ora);
        r.OraOsszHoigeny(nap, ora) = r.OraHmvHoigeny(nap, ora);
    }
    updateTankExtremes(m, sys.tanks);
}

void endOfDay(Model& m, int tanks) {
    Results& r = m.res;
    if (tanks < 2) {
        r.Tar2FelsoMax = 0;
        r.Tar2AlsoMin = 0;
    }
    if (tanks < 3) {
        r.Tar3FelsoMax = 0;
        r.Tar3AlsoMin = 0;
    }
    r.NapiKollHo = r.NapiKollHoTar;
    r.NapiHagyHo = r.NapiHagyHoTar;
    r.NapiOsszNyereseg = 0;
    r.NapiOsszHoigeny = r.NapiHmvHoigeny;
}

void runDay(Model& m, const HotWaterSystem& sys) {
    DayScope scope(m.day);
    if (sys.controlled) programmeReset(m, sys.priority);
    zeroDayTotals(m.res);
    recordStartOfDay(m, sys.tanks);

    const bool accumulates = accumulatesSteps(m);
    for (m.clock.Ora = 0; m.clock.Ora <= 23; ++m.clock.Ora) {
        m.day.startHour();
        const int G = collectorIrradiance(m);
        hourDraw(m);
        startHourSteps(m, stepsInHour(m, G));
        for (m.clock.Lepes = 0; m.clock.Lepes < m.clock.Lepesszam; ++m.clock.Lepes) {
            startStep(m);
            const Tank heated = tankOf(m, sys.heatedTank);
            if (sys.heater == Heater::UpperPart)
                upperPartHeating(m, heated);
            else
                wholeTankHeating(m, heated);
            if (sys.controlled)
                controllerCollectorStep(m, sys.priority);
            else
                singleConsumerCollectorStep(m, sys.single);
            drawOffStep(m, sys.tanks);
            if (accumulates) accumulateStep(m, sys, G);
        }
        if (sys.controlled) programmeReset(m, sys.priority);
    }
    endOfDay(m, sys.tanks);
}

}  // namespace

void zeroDayTotals(Results& r) {
    r.NapiSugarzas = r.NapiKollHoTar = r.NapiKollHo = r.NapiSzivattyuperc = 0;
    r.NapiCsoveszteseg = 0;
    r.NapiHagyHoTar = r.NapiHagyHo = 0;
    r.NapiHmvHoigeny = r.NapiOsszHoigeny = r.NapiOsszNyereseg = 0;
    r.NapiTar1Also = r.NapiTar1Kozep = r.NapiTar1Felso = 0;
    r.NapiTar2Also = r.NapiTar2Kozep = r.NapiTar2Felso = 0;
    r.NapiTar3Also = r.NapiTar3Kozep = r.NapiTar3Felso = 0;
    r.NapiTar1Atlag = r.NapiTar2Atlag = r.NapiTar3Atlag = 0;
    r.NapiKollHoMed = r.NapiKollHoPuf = r.NapiHagyHoMed = r.NapiHagyHoFut = 0;
    r.NapiMedNyereseg = r.NapiMedVeszteseg = r.NapiEpNyereseg = r.NapiEpHoigeny = 0;
    r.NapiKonvekcio = r.NapiEgyebVeszt = 0;
    r.NapiMedTemp = 0;
}

Integer stepsInHour(const Model& m, int G) {
    const Settings& s = m.s;
    const double V = kept(m.day, m.day.smallestTank, [&] { return s.Legkisebbterfogat.toDouble(); });
    Integer N = 2;
    const double byDraw = Int(div(m.step.Orasfogyasztas, V) * 25);
    if (N < byDraw) N = CInt(byDraw);
    // One bound serves as the test and the new value, so the rule never
    // lowers the count that the draw asked for.
    const double power = s.Kollektorszam.d() * s.Kollektorfelulet.d() * G;
    const double fiveV = kept(m.day, m.day.smallestTank5, [&] { return (s.Legkisebbterfogat * 5).toDouble(); });
    const double byCollectors = Int(div(power, fiveV));
    if (N < byCollectors) N = CInt(byCollectors);
    return N;
}

void startStep(Model& m) {
    m.clock.Perc = Int(m.clock.Lepes * m.clock.Lepeshossz);
    m.clock.Felora = Integer(int(m.clock.Perc) / 30);
}

int hotWaterTanks(int system) {
    switch (system) {
        case 11: return kSystem11.tanks;
        case 12: return kSystem12.tanks;
        case 13: return kSystem13.tanks;
        case 14: return kSystem14.tanks;
        case 15: return kSystem15.tanks;
        case 16: return kSystem16.tanks;
        default: return 0;
    }
}

[[gnu::flatten]] void Melegvizrendszer11(Model& m) { runDay(m, kSystem11); }
[[gnu::flatten]] void Melegvizrendszer12(Model& m) { runDay(m, kSystem12); }
[[gnu::flatten]] void Melegvizrendszer13(Model& m) { runDay(m, kSystem13); }
[[gnu::flatten]] void Melegvizrendszer14(Model& m) { runDay(m, kSystem14); }
[[gnu::flatten]] void Melegvizrendszer15(Model& m) { runDay(m, kSystem15); }
[[gnu::flatten]] void Melegvizrendszer16(Model& m) { runDay(m, kSystem16); }

}  // namespace nk
