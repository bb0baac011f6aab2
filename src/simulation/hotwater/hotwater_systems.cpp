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

// What the results keep of one tank.
struct TankRecord {
    HourlyArray* ora[3];  // lower, middle, upper
};

TankRecord recordOf(Model& m, int k) {
    Results& r = m.res;
    switch (k) {
        case 1: return {{&r.OraTar1Also, &r.OraTar1Kozep, &r.OraTar1Felso}};
        case 2: return {{&r.OraTar2Also, &r.OraTar2Kozep, &r.OraTar2Felso}};
        default: return {{&r.OraTar3Also, &r.OraTar3Kozep, &r.OraTar3Felso}};
    }
}

// Upper-layer maximum and lower-layer minimum of each tank; the two tests
// are independent.
void updateExtremes(Model& m, int tanks) {
    Results& r = m.res;
    const PhysicalState& p = m.st;
    if (p.Tar1Felso > r.Tar1FelsoMax) r.Tar1FelsoMax = p.Tar1Felso;
    if (p.Tar1Also < r.Tar1AlsoMin) r.Tar1AlsoMin = p.Tar1Also;
    if (tanks < 2) return;
    if (p.Tar2Felso > r.Tar2FelsoMax) r.Tar2FelsoMax = p.Tar2Felso;
    if (p.Tar2Also < r.Tar2AlsoMin) r.Tar2AlsoMin = p.Tar2Also;
    if (tanks < 3) return;
    if (p.Tar3Felso > r.Tar3FelsoMax) r.Tar3FelsoMax = p.Tar3Felso;
    if (p.Tar3Also < r.Tar3AlsoMin) r.Tar3AlsoMin = CSng(p.Tar3Also);
}

bool hourlyCycle(const Model& m) { return m.s.Szamitasmod == 1 || m.s.Szamitasmod == 2; }

void recordStartOfDay(Model& m, int tanks) {
    if (m.clock.Eredmenyrogzites != kTrue) return;
    if (hourlyCycle(m)) {
        for (int k = 1; k <= tanks; ++k) {
            const Tank t = tankOf(m, k);
            const TankRecord rec = recordOf(m, k);
            (*rec.ora[0])(m.clock.Nap, 0) = *t.lo;
            (*rec.ora[1])(m.clock.Nap, 0) = *t.mid;
            (*rec.ora[2])(m.clock.Nap, 0) = *t.up;
        }
    }
    updateExtremes(m, tanks);
}

void addSingle(Single& sum, double v) { sum = CSng(sum + v); }

void accumulateStep(Model& m, const HotWaterSystem& sys, int G) {
    Results& r = m.res;
    const StepValues& v = m.step;
    const int N = m.clock.Lepesszam;
    const double n24 = mulI(m.clock.Lepesszam, 24);

    r.NapiSugarzas += double(G) / N;
    r.NapiKollHoTar += v.KollHoTar;
    if (sys.single.pipeLoss) {
        r.NapiSzivattyuperc += v.Szivattyuperc;
        addSingle(r.NapiCsoveszteseg, v.Csoveszteseg);
    }
    r.NapiHagyHoTar += v.HagyHoTar;
    addSingle(r.NapiHmvHoigeny, v.HmvHoigeny);

    const PhysicalState& p = m.st;
    r.NapiTar1Also += p.Tar1Also / n24;
    r.NapiTar1Kozep += p.Tar1Kozep / n24;
    r.NapiTar1Felso += p.Tar1Felso / n24;
    r.NapiTar1Atlag += (p.Tar1Also + p.Tar1Kozep + p.Tar1Felso) / 3 / n24;
    if (sys.tanks >= 2) {
        r.NapiTar2Also += p.Tar2Also / n24;
        r.NapiTar2Kozep += p.Tar2Kozep / n24;
        r.NapiTar2Felso += p.Tar2Felso / n24;
        r.NapiTar2Atlag += (p.Tar2Also + p.Tar2Kozep + p.Tar2Felso) / 3 / n24;
    }
    if (sys.tanks >= 3) {
        addSingle(r.NapiTar3Also, p.Tar3Also / n24);
        addSingle(r.NapiTar3Kozep, p.Tar3Kozep / n24);
        addSingle(r.NapiTar3Felso, p.Tar3Felso / n24);
        r.NapiTar3Atlag += (p.Tar3Also + p.Tar3Kozep + p.Tar3Felso) / 3 / n24;
    }

    if (hourlyCycle(m)) {
        const int nap = m.clock.Nap, ora = m.clock.Ora;
        r.OraKollHoTar(nap, ora) += v.KollHoTar;
        r.OraHagyHoTar(nap, ora) += v.HagyHoTar;
        r.OraHmvHoigeny(nap, ora) += v.HmvHoigeny;
        if (sys.single.pipeLoss) r.OraCsoveszteseg(nap, ora) = CSng(r.OraCsoveszteseg(nap, ora) + v.Csoveszteseg);
        for (int k = 1; k <= sys.tanks; ++k) {
            const Tank t = tankOf(m, k);
            const TankRecord rec = recordOf(m, k);
            (*rec.ora[0])(nap, ora + 1) += *t.lo / N;
            (*rec.ora[1])(nap, ora + 1) += *t.mid / N;
            (*rec.ora[2])(nap, ora + 1) += *t.up / N;
        }
        r.OraKollHo(nap, ora) = r.OraKollHoTar(nap, ora);
        r.OraHagyHo(nap, ora) = r.OraHagyHoTar(nap, ora);
        r.OraOsszHoigeny(nap, ora) = r.OraHmvHoigeny(nap, ora);
    }
    updateExtremes(m, sys.tanks);
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
    if (sys.controlled) programmeReset(m, sys.priority);
    zeroDayTotals(m.res);
    recordStartOfDay(m, sys.tanks);

    const bool accumulates = m.clock.Eredmenyrogzites == kTrue || m.s.Szamitasmod == 2 || m.s.Szamitasmod == 3 ||
                             m.s.Szamitasmod == 4;
    for (m.clock.Ora = 0; m.clock.Ora <= 23; ++m.clock.Ora) {
        const int G = collectorIrradiance(m);
        hourDraw(m);
        m.clock.Lepesszam = stepsInHour(m, G);
        m.clock.Lepeshossz = 60.0 / m.clock.Lepesszam;
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
    const double V = s.Legkisebbterfogat.toDouble();
    Integer N = 2;
    const double byDraw = Int(div(m.step.Orasfogyasztas, V) * 25);
    if (N < byDraw) N = CInt(byDraw);
    // One bound serves as the test and the new value, so the rule never
    // lowers the count that the draw asked for.
    const double power = s.Kollektorszam.d() * s.Kollektorfelulet.d() * G;
    const Currency fiveV = s.Legkisebbterfogat + s.Legkisebbterfogat + s.Legkisebbterfogat + s.Legkisebbterfogat +
                           s.Legkisebbterfogat;
    const double byCollectors = Int(div(power, fiveV.toDouble()));
    if (N < byCollectors) N = CInt(byCollectors);
    return N;
}

void startStep(Model& m) {
    m.clock.Perc = Int(m.clock.Lepes * m.clock.Lepeshossz);
    m.clock.Felora = Integer(int(m.clock.Perc) / 30);
}

void Melegvizrendszer11(Model& m) { runDay(m, kSystem11); }
void Melegvizrendszer12(Model& m) { runDay(m, kSystem12); }
void Melegvizrendszer13(Model& m) { runDay(m, kSystem13); }
void Melegvizrendszer14(Model& m) { runDay(m, kSystem14); }
void Melegvizrendszer15(Model& m) { runDay(m, kSystem15); }
void Melegvizrendszer16(Model& m) { runDay(m, kSystem16); }

}  // namespace nk
