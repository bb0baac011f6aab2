#include "simulation/poolcombined/pool.h"

#include "simulation/hotwater/submodels.h"

namespace nk {

namespace {

PoolClimate poolClimate(const Model& m) {
    return kept(m.day, m.day.poolClimate, [&] {
        const Climate& k = m.klima;
        const int month = m.clock.Honap;
        return PoolClimate{k.Szelsebesseg(month), k.Relativparatartalom(month), k.Talajhomerseklet(month)};
    });
}

bool nightCover(const Model& m) { return m.s.Medfoliatakaras == 1 && (m.clock.Ora < 8 || m.clock.Ora > 20); }

void updatePoolExtremes(Model& m) {
    Results& r = m.res;
    const double Tp = m.st.Medencehomerseklet;
    if (r.MedTempMin > Tp) r.MedTempMin = Tp;
    if (r.MedTempMax < Tp) r.MedTempMax = CSng(Tp);
}

// Evaporation with a hall's air at 80 % humidity, per m² of surface.
double hallEvaporation(const Model& m, double factor) {
    const StepValues& v = m.step;
    return (0.75 * vapourPressure(m, v.MedTempKerek) - 80.0 / 100 * vapourPressure(m, v.LevegoTempKerek) * 0.75) *
           factor * 670;
}

// The pool's whole degree and the hour's air change seldom, so the last
// step's evaporation is reused while its inputs are the same bits; the pool's
// temperature then reaches the next step without waiting for the table
// lookup and the division of the evaporation.
OpenAirEvaporation openAirEvaporation(Model& m, double poolWhole, double airVapour, double factor) {
    const OpenAirEvaporation& last = m.day.evaporation;
    if (last.ready && sameBits(last.poolWhole, poolWhole) && sameBits(last.airVapour, airVapour) &&
        sameBits(last.factor, factor))
        return last;
    const double poolVapour = 0.75 * vapourPressure(m, poolWhole);
    const double perArea = factor * (poolVapour - airVapour) * 670;
    const OpenAirEvaporation e{m.day.active, poolWhole, airVapour, factor, perArea, perArea / 670};
    if (m.day.active) m.day.evaporation = e;
    return e;
}

// The open-air balance; returns the surface gain factor.
double openAirBalance(Model& m, double Tp, double Ta) {
    const Settings& s = m.s;
    StepValues& v = m.step;
    const PoolClimate climate = poolClimate(m);
    const OpenAirHour hour = kept(m.day, m.day.openAir, [&] {
        const double w = climate.wind, exposure = s.Medfekves.d();
        const bool covered = nightCover(m);
        const double c1 = covered ? 0.5 : 0.6, c2 = covered ? 0.05 : 0.6, c3 = covered ? 3.324 : 4.986;
        return OpenAirHour{c1 * (6.3 + 4.8 * exposure * w), c2 * (0.022 + 0.017 * exposure * w), c3};
    });
    const double V = s.Medterfogat, A = s.Medfelulet.d();
    v.Konvekcio = hour.convection * (Tp - Ta);
    v.MedTempKerek = Int(Tp + 0.5);
    v.LevegoTempKerek = kept(m.day, m.day.airWhole, [&] { return CSng(Int(Ta + 0.5)); });
    const double airVapour = kept(m.day, m.day.airVapour, [&] {
        return double(climate.humidity) / 100 * vapourPressure(m, v.LevegoTempKerek) * 0.75;
    });
    const OpenAirEvaporation e = openAirEvaporation(m, v.MedTempKerek, airVapour, hour.evaporation);
    v.Parolgas = e.perArea;
    const double makeUp = kept(m.day, m.day.makeUpPerArea, [&] { return div(V * 0.03 * 1000, 24 * A); });
    v.Potvizveszteseg = (e.perLitre + makeUp) * kWaterHeat *
                        (Tp + 0.001 - s.Medvizpotlashofok.d());
    v.Talajveszteseg = 1.35 * (Tp - climate.ground);
    v.Sugarzasveszteseg = CSng(hour.radiation * (Tp - Ta));
    return 0.7;
}

// The hall balance; returns the surface gain factor.
double hallBalance(Model& m, double Tp, double Ta, int Gh) {
    const Settings& s = m.s;
    StepValues& v = m.step;
    const double hall = s.Medterhofok.d();
    const bool transparent = s.Medatlatszofedes.d() != 0, heated = s.Medterfutott.d() != 0;
    v.MedTempKerek = Int(Tp + 0.5);
    double Tc = 0, Tr = 0;
    if (heated) {
        v.LevegoTempKerek = CSng(Int(hall + 0.5));
        Tr = hall;
        if (transparent) {
            // A hall cooler than the pool takes no heat from it by convection.
            v.Terhomerseklet = CSng(hall < Tp ? Tp : hall);
            Tc = v.Terhomerseklet;
        } else {
            Tc = hall;
        }
    } else if (transparent) {
        double air = (Tp + Ta) / 2 + 0.5;
        if (Gh > 250) {
            air = Ta + 20.0 * Gh / 1000;
            if (air > 35) air = 35;
        }
        v.LevegoTempKerek = CSng(Int(air));
        Tc = Tr = v.LevegoTempKerek;
    } else {
        Tc = (Tp + Ta) / 2;
        v.LevegoTempKerek = CSng(Int((Tp + Ta) / 2 + 0.5));
        Tr = v.LevegoTempKerek;
    }
    v.Konvekcio = 5.22 * (Tp - Tc);
    v.Parolgas = hallEvaporation(m, 0.0183);
    v.Potvizveszteseg = (v.Parolgas / 670 + double(s.Medterfogat) * 0.01 / dayMeanDivisor(m)) * kWaterHeat *
                        (Tp - s.Medvizpotlashofok.d());
    v.Talajveszteseg = 1.35 * (Tp - poolClimate(m).ground);
    v.Sugarzasveszteseg = CSng(4.986 * (Tp - Tr));
    if (nightCover(m)) {
        // The make-up water keeps the evaporation of the uncovered surface.
        v.Konvekcio = 4.35 * (Tp - Tc);
        v.Parolgas = hallEvaporation(m, 0.001525);
        v.Sugarzasveszteseg = CSng(3.324 * (Tp - Tr));
    }
    return transparent ? 0.5 : 0.0;
}

}  // namespace

PoolController poolController(const Model& m) {
    return kept(m.day, m.day.pool, [&] {
        const Programmes& g = m.prog;
        const int a = ix(m.s.Automod), month = m.clock.Honap;
        return PoolController{double(g.AutBeKiMed(a, month)), double(g.AutBekapcsdTMed(a, month)),
                              double(g.AutMaxhofokMed(a, month))};
    });
}

Single vapourPressure(const Model& m, double wholeDegrees) {
    if (wholeDegrees < -10 || wholeDegrees > 50) raise(kSubscript);
    return m.klima.Telitettgoznyomas(int(wholeDegrees));
}

void poolCollectorStep(Model& m, int G) {
    const Settings& s = m.s;
    StepValues& v = m.step;
    // An efficiency below 0.05 counts as none: no heat, and the rise is 0.
    if (efficiencyAtMeanTemperature(m, G) < 0.05f) v.Kollhatasfok = 0;
    v.KollHoMed = perStepChecked(
        m, (1 - s.Rendszerveszteseg.d() / 100) * v.Kollhatasfok * G * s.Kollektorfelulet.d() * s.Kollektorszam.d());
    setCollectorRise(m, v.KollHoMed);

    double& Tp = m.st.Medencehomerseklet;
    v.MedEmeles = div(v.KollHoMed, double(s.Medterfogat) * 1000 * kWaterHeat);
    Tp += v.MedEmeles;
    if (Tp > poolController(m).maximum) {
        // The pool is as warm as it may get: the heat is refused.
        v.KollHoMed = 0;
        Tp -= v.MedEmeles;
    }
}

void poolExchangerStep(Model& m, int G) {
    m.step.Kollkozeptemp = m.st.Medencehomerseklet + poolController(m).switchOn + m.st.Kolldt / 2.0;
    poolCollectorStep(m, G);
}

void poolHeater(Model& m) {
    const Settings& s = m.s;
    StepValues& v = m.step;
    double& Tp = m.st.Medencehomerseklet;
    v.HagyHoMed = 0;
    const double programme = programmeValue(m, 2, s.Medfutesprogram, s.Medfutesheti);
    const double Ts = s.Medfuteshofok.d();
    if (!(programme == 1 && Tp < Ts)) return;
    const double need = double(s.Medterfogat) * kWaterHeat * (Ts - Tp) * 1000;
    const double C = perStepChecked(m, s.Medfutesteljesitmeny.d() * 1000);
    if (need < C) {
        v.HagyHoMed = need;
        Tp = Ts;
    } else {
        v.HagyHoMed = C;
        Tp += div(C, double(s.Medterfogat) * kWaterHeat * 1000);
    }
}

void poolHeatBalance(Model& m) {
    const Settings& s = m.s;
    StepValues& v = m.step;
    const double Ta = airTemperature(m);
    const int Gh = horizontalIrradiance(m);
    const double A = s.Medfelulet.d();
    double& Tp = m.st.Medencehomerseklet;

    const double gainFactor = s.Medfedett.d() != 0 ? hallBalance(m, Tp, Ta, Gh) : openAirBalance(m, Tp, Ta);
    v.MedVeszteseg = perStepChecked(
        m, A * (v.Talajveszteseg + v.Konvekcio + v.Parolgas + v.Potvizveszteseg + double(v.Sugarzasveszteseg)));
    v.MedNyereseg = perStepChecked(m, A * gainFactor * Gh);
    v.MedValtozas = CSng(div(v.MedNyereseg - v.MedVeszteseg, double(s.Medterfogat) * kWaterHeat * 1000));
    Tp += v.MedValtozas;
    poolHeater(m);
    if (Tp < 0) Tp = 0;
}

void poolDayStart(Model& m) {
    if (m.clock.Eredmenyrogzites != kTrue) return;
    if (hourlyCycle(m)) m.res.OraMedTemp(m.clock.Nap, 0) = m.st.Medencehomerseklet;
    updatePoolExtremes(m);
}

void poolAccumulate(Model& m) {
    Results& r = m.res;
    const StepValues& v = m.step;
    const double Tp = m.st.Medencehomerseklet;
    r.NapiKollHoMed += v.KollHoMed;
    r.NapiHagyHoMed += v.HagyHoMed;
    r.NapiMedNyereseg += v.MedNyereseg;
    r.NapiMedVeszteseg += v.MedVeszteseg;
    r.NapiMedTemp += Tp / dayMeanDivisor(m);
    if (hourlyCycle(m)) {
        const int nap = m.clock.Nap, ora = m.clock.Ora;
        r.OraKollHoMed(nap, ora) += v.KollHoMed;
        r.OraHagyHoMed(nap, ora) += v.HagyHoMed;
        r.OraMedNyereseg(nap, ora) += v.MedNyereseg;
        r.OraMedVeszteseg(nap, ora) += v.MedVeszteseg;
        r.OraMedTemp(nap, ora + 1) += perStep(m, Tp);
    }
    updatePoolExtremes(m);
}

}  // namespace nk
