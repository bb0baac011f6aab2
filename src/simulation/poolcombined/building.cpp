#include "simulation/poolcombined/building.h"

#include <cmath>

namespace nk {

namespace {

HourWeather readWeather(const Model& m, int hour) {
    const Climate& k = m.klima;
    const int mo = m.clock.Honap, w = ix(m.s.Naptipus);
    return {k.Levegohomerseklet(mo, hour, w), k.Keletisugarzas(mo, hour, w), k.Delisugarzas(mo, hour, w),
            k.Nyugatisugarzas(mo, hour, w), k.Vizszintessugarzas(mo, hour, w)};
}

// The steps of a day read the weather of their own hour several times.
HourWeather weatherAt(const Model& m, int hour) {
    if (hour != m.clock.Ora) return readWeather(m, hour);
    return kept(m.day, m.day.weather, [&] { return readWeather(m, hour); });
}

double solAir(const Model& m, double Ta, int G) { return Ta + m.s.Elnyelesitenyezo.d() * G / 23; }

// Layer volume of the buffer, litres.
double bufferLayer(const Model& m) { return m.s.Pufferterfogat.d() / 3; }

// Room set temperature from the heating programme: comfort or setback; a
// programme value that is neither keeps the last set temperature.
void roomSetTemperature(Model& m) {
    Settings& s = m.s;
    const double p = programmeValue(m, 3, s.Futes3program, s.Futes3heti);
    if (p == 0)
        s.Szobahomerseklet = CSng(s.Csokkentetthomerseklet.d());
    else if (p == 1)
        s.Szobahomerseklet = CSng(s.Komforthomerseklet.d());
}

// Heat flow through facade `area` from its day-mean and lagged sol-air
// temperatures.
double facadeFlow(const Model& m, double H, double area, double Tsd, double Tad, double lagged) {
    return H * (area / double(m.s.Homlokzatossz)) * ((Tsd - Tad) + 0.5 * (lagged - Tsd));
}

}  // namespace

int ringSlot(const Model& m, int hour) {
    const double shifted = hour + m.s.Fazistolas.d();
    return CInt(shifted - 24 * std::trunc(std::nearbyint(shifted) / 24));
}

void updateRings(Model& m, int hour) {
    RunPreparation& g = m.prep;
    const HourWeather w = weatherAt(m, hour);
    const int slot = ringSlot(m, hour);
    g.KulsoGyuru(slot) = w.Ta;
    g.Napleg1 = solAir(m, w.Ta, w.G1);
    g.Napleg2 = solAir(m, w.Ta, w.G2);
    g.Napleg3 = CSng(solAir(m, w.Ta, w.G3));
    g.Napleg1Gyuru(slot) = g.Napleg1;
    g.Napleg2Gyuru(slot) = g.Napleg2;
    g.Napleg3Gyuru(slot) = g.Napleg3;
}

BuildingDay buildingDayPrePass(const Model& m) {
    BuildingDay d;
    for (int h = 0; h <= 23; ++h) {
        const HourWeather w = weatherAt(m, h);
        d.Tad = CSng(d.Tad + w.Ta / 24);
        d.Tsd1 += solAir(m, w.Ta, w.G1) / 24;
        d.Tsd2 += solAir(m, w.Ta, w.G2) / 24;
        d.Tsd3 = CSng(d.Tsd3 + solAir(m, w.Ta, w.G3) / 24);
    }
    return d;
}

double heatLossCoefficient(const Model& m) { return m.s.Epulethoigeny.d() * 1000 / 35; }

LossWeights lossWeights(double f) {
    const double wall = 0.7 * (1 - f), window = 4 * f;
    return {wall / (window + wall), window / (window + wall)};
}

double flowTemperature(double s, double Tr, double Ta) {
    const double y = 0.7071 * (Tr - 20) - Ta;
    return 20 + 20 * (s / 10) + 0.7071 * (Tr - 20) + 0.08 * s * y - 0.0005 * s * (y * y);
}

Single returnTemperature(double Tf) { return CSng(Tf - 20 * Tf / 80); }

Charge bufferCharging(Model& m, int G) {
    const Settings& s = m.s;
    StepValues& v = m.step;
    PhysicalState& p = m.st;
    const Consumer c = consumerOf(m, 2);
    const Single eta = collectorEfficiency(m, c, G);
    if (eta < 0.05f) {
        p.Kolldt = 0;
        return Charge::LowEfficiency;
    }
    v.KollHoPuf = perStepChecked(
        m, s.Kollektorszam.d() * s.Kollektorfelulet.d() * G * double(eta) * (1 - s.Rendszerveszteseg.d() / 100));
    setCollectorRise(m, v.KollHoPuf);
    const double Vl = bufferLayer(m);
    v.PufEmeles = div(v.KollHoPuf, kWaterHeat * Vl);
    p.Tar2Also += v.PufEmeles;
    if (p.Tar2Also > c.maximum) {
        p.Tar2Also -= v.PufEmeles;
        v.KollHoPuf = 0;
        return Charge::Full;
    }
    // The warmer layers above take more of a charge that reaches them, so
    // that the buffer keeps its stratification; the weights keep the heat.
    if (p.Tar2Also >= p.Tar2Felso - 6) {
        p.Tar2Also -= v.PufEmeles;
        v.PufEmeles = div(v.KollHoPuf, kWaterHeat * s.Pufferterfogat.d());
        p.Tar2Also += 0.5 * v.PufEmeles;
        p.Tar2Kozep += v.PufEmeles;
        p.Tar2Felso += 1.5 * v.PufEmeles;
    } else if (p.Tar2Also >= p.Tar2Kozep - 3) {
        p.Tar2Also -= v.PufEmeles;
        v.PufEmeles = div(v.KollHoPuf, kWaterHeat * (Vl + Vl));
        p.Tar2Also += 0.5 * v.PufEmeles;
        p.Tar2Kozep += 1.5 * v.PufEmeles;
    }
    return Charge::Done;
}

namespace {

// The step's demand, gains and heating curve into the step values, with the
// rings brought up to the hour. They depend on nothing but the hour and the
// room set temperature `Tr`.
void formDemandAndGains(Model& m, const BuildingDay& day, const HourWeather& w, double Tr) {
    Settings& s = m.s;
    StepValues& v = m.step;
    RunPreparation& g = m.prep;
    const int hour = m.clock.Ora;
    updateRings(m, hour);

    // Demand: the walls feel the day mean and, damped, the outdoor
    // temperature of `Fazistolas` hours ago; the windows the present one.
    const double H = heatLossCoefficient(m);
    const LossWeights share = lossWeights(s.Ablakarany.d());
    const double Tad = day.Tad;
    v.FalVeszteseg = H * ((Tr - Tad) + div(Tad - g.KulsoGyuru(hour), s.Csillapitas.d())) * share.wall;
    v.AblakVeszteseg = CSng(H * double(CSng(Tr - w.Ta)) * share.window);
    v.EpHoigeny = v.FalVeszteseg + double(v.AblakVeszteseg);
    v.EpNyereseg = 0;

    // The facades pass on the lagged swing of their sol-air temperature; a
    // building as a whole does not give heat back through its walls.
    const double F1 = facadeFlow(m, H, s.Homlokzat1.d(), day.Tsd1, Tad, g.Napleg1Gyuru(hour));
    const double F2 = facadeFlow(m, H, s.Homlokzat2.d(), day.Tsd2, Tad, g.Napleg2Gyuru(hour));
    const double F3 = CSng(facadeFlow(m, H, s.Homlokzat3.d(), day.Tsd3, Tad, g.Napleg3Gyuru(hour)));
    double S = F1 + F2 + F3;
    if (S < 0) S = 0;

    double W1 = 0, W2 = 0, W3 = 0;
    if (w.Gh >= 11) {
        const double tau = s.Ablakatbocsatas.d();
        W1 = tau * s.Ablak1.d() * 0.8 * w.G1;
        W2 = tau * s.Ablak2.d() * 0.8 * w.G2;
        W3 = CSng(tau * s.Ablak3.d() * 0.8 * w.G3);
    }

    v.EpNyereseg = S + W1 + W2 + W3;
    v.HagyHoFut = 0;
    v.NettoHoigeny = CSng(perStepChecked(m, v.EpHoigeny - v.EpNyereseg));

    v.Eloremenohom = flowTemperature(s.Futesgorbe.d(), Tr, w.Ta);
    v.Visszaterohom = returnTemperature(v.Eloremenohom);
}

}  // namespace

void buildingStep(Model& m, const BuildingDay& day) {
    StepValues& v = m.step;
    const HourWeather w = weatherAt(m, m.clock.Ora);

    roomSetTemperature(m);
    const double Tr = m.s.Szobahomerseklet;
    // The later steps of an hour take what its first step formed, as long
    // as the programme keeps the room set temperature.
    Kept<BuildingHour>& hour = m.day.building;
    if (hour.ready && sameBits(hour.value.Tr, Tr)) {
        const BuildingHour& b = hour.value;
        v.FalVeszteseg = b.wallLoss;
        v.AblakVeszteseg = b.windowLoss;
        v.EpHoigeny = b.demand;
        v.EpNyereseg = b.gains;
        v.NettoHoigeny = b.netDemand;
        v.Eloremenohom = b.flow;
        v.Visszaterohom = b.back;
    } else {
        formDemandAndGains(m, day, w, Tr);
        if (m.day.active)
            hour = {true, {Tr, v.FalVeszteseg, v.AblakVeszteseg, v.EpHoigeny, v.EpNyereseg, v.NettoHoigeny,
                           v.Eloremenohom, v.Visszaterohom}};
    }
    v.HagyHoFut = 0;
    v.KollHoPuf = 0;
    bufferPreHeating(m);
}

void bufferPreHeating(Model& m) {
    StepValues& v = m.step;
    PhysicalState& p = m.st;
    const double net = v.NettoHoigeny;
    if (net <= 0) {
        v.HagyHoFut = 0;
        return;
    }
    v.HagyHoFut = net;
    const double Tf = v.Eloremenohom, Tv = v.Visszaterohom;
    // At a flow temperature of 0 °C or below the heating water carries no
    // heat from return to flow, so the buffer has nothing to give.
    if (Tf <= 0) return;
    if (p.Tar2Felso <= Tv + 5) return;

    // Portions smaller than one layer, so that each passes through the
    // layers in turn.
    const double Vl = bufferLayer(m);
    const double volume = div(net, kWaterHeat * (Tf - Tv));
    const Integer n = CInt(Int(div(volume, Vl)) + 1);
    const Single portionHeat = CSng(div(net, n));
    for (int portion = 1; portion <= n; ++portion) {
        m.clock.Ciklusindex = Integer(portion);
        if (!(p.Tar2Felso > Tv + 5)) continue;
        const double Tu = p.Tar2Felso < Tf + 5 ? Tf + 5 : p.Tar2Felso;
        v.Atfolyoadag = CSng(div(portionHeat, kWaterHeat * (Tu - Tv)));
        const double a = v.Atfolyoadag;
        const double Q = a * kWaterHeat * (p.Tar2Felso - Tv);
        v.HagyHoFut -= Q;
        v.KollHoPuf += Q;
        if (v.HagyHoFut < 0) v.HagyHoFut = 0;
        // The portion enters from below and pushes each layer up by its volume.
        p.Tar2Felso = div(p.Tar2Felso * (Vl - a) + p.Tar2Kozep * a, Vl);
        p.Tar2Kozep = div(p.Tar2Kozep * (Vl - a) + p.Tar2Also * a, Vl);
        p.Tar2Also = div(p.Tar2Also * (Vl - a) + double(CSng(a * Tv)), Vl);
    }
}

void bufferStandingLoss(Model& m) {
    PhysicalState& p = m.st;
    p.Tar2Also = afterStandingLoss(m, p.Tar2Also);
    p.Tar2Kozep = afterStandingLoss(m, p.Tar2Kozep);
    p.Tar2Felso = afterStandingLoss(m, p.Tar2Felso);
}

}  // namespace nk
