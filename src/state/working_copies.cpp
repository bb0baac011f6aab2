#include "state/working_copies.h"

#include <array>

#include "radiation/radiation.h"
#include "state/defaults.h"

namespace nk {

namespace {

// The controller tables of one copy, in the order every walk uses.
struct ControllerTables {
    std::array<Arr2<Var>*, 9> variants;
    std::array<Arr2<Integer>*, 3> pool;
};

ControllerTables active(Programmes& g) {
    return {{&g.AutBekapcsdT1, &g.AutBekapcsdT2, &g.AutBekapcsdT3, &g.AutMaxhofok1, &g.AutMaxhofok2, &g.AutMaxhofok3,
             &g.AutBeKi1, &g.AutBeKi2, &g.AutBeKi3},
            {&g.AutBekapcsdTMed, &g.AutMaxhofokMed, &g.AutBeKiMed}};
}

ControllerTables working(Programmes& g) {
    return {{&g.BeallAutBekapcsdT1, &g.BeallAutBekapcsdT2, &g.BeallAutBekapcsdT3, &g.BeallAutMaxhofok1,
             &g.BeallAutMaxhofok2, &g.BeallAutMaxhofok3, &g.BeallAutBeKi1, &g.BeallAutBeKi2, &g.BeallAutBeKi3},
            {&g.BeallAutBekapcsdTMed, &g.BeallAutMaxhofokMed, &g.BeallAutBeKiMed}};
}

Currency toCurrency(const Var& v) { return Currency::fromDouble(v.d()); }

}  // namespace

std::string& projectText(ProjectTexts& t, int index) {
    std::string* const all[kProjectTextCount] = {
        &t.Letesitmenynev,   &t.Letesitmenyjelleg, &t.Letesitmenyirszam, &t.Letesitmenyvaros,
        &t.Letesitmenyutca,  &t.Letesitmenytelefon, &t.Letesitmenytelefax, &t.Megrendelonev,
        &t.Megrendeloirszam, &t.Megrendelovaros,   &t.Megrendeloutca,    &t.Megrendelotelefon,
        &t.Megrendelotelefax, &t.Teljesitesideje,  &t.Megjegyzes,        &t.Keszitette};
    return *all[index];
}

// --- Active to working ---------------------------------------------------------

void loadWorkingController(Model& m) {
    const ControllerTables from = active(m.prog);
    const ControllerTables to = working(m.prog);
    for (int mode = 0; mode <= 1; ++mode)
        for (int month = 1; month <= 12; ++month) {
            for (std::size_t i = 0; i < from.variants.size(); ++i)
                (*to.variants[i])(mode, month) = (*from.variants[i])(mode, month);
            for (std::size_t i = 0; i < from.pool.size(); ++i) (*to.pool[i])(mode, month) = (*from.pool[i])(mode, month);
        }
}

void loadWorkingConsumption(Model& m) {
    ConsumptionProfiles& f = m.fogy;
    forEachConsumptionSlot([&](int p, int w, int d) {
        f.BeallFogyoraiossz(p, w, d) = CInt(f.Fogyoraiossz(p, w, d));
        f.BeallFogynapi(p, w, d) = toCurrency(f.Fogynapi(p, w, d));
        f.BeallFogyszemely(p, w, d) = CInt(f.Fogyszemely(p, w, d));
        f.BeallFogyfajlagos(p, w, d) = CSng(f.Fogyfajlagos(p, w, d));
        for (int h = 0; h <= 23; ++h) f.BeallFogyorai(p, w, d, h) = CInt(f.Fogyorai(p, w, d, h));
    });
}

bool isBuiltInProfile(int p, int w) { return (w == 0 && p != 5) || (w == 1 && p != 4); }

void shareBuiltInAmounts(ConsumptionProfiles& f, int p, int w, int d) {
    const Integer persons = f.BeallFogyszemely(p, w, d);
    const Single perPerson = f.BeallFogyfajlagos(p, w, d);
    const Currency daily = f.BeallFogynapi(p, w, d);
    for (const auto& [programme, last] : {std::pair{0, 4}, std::pair{1, 3}})
        for (int day = 1; day <= 7; ++day)
            for (int q = 1; q <= last; ++q) {
                f.BeallFogyszemely(q, programme, day) = persons;
                f.BeallFogyfajlagos(q, programme, day) = perPerson;
                f.BeallFogynapi(q, programme, day) = daily;
            }
}

void loadWorkingTimeProgrammes(Model& m) {
    Programmes& g = m.prog;
    forEachProgrammeSlot(3, [&](int a, int b, int c, int d, int e, int h) {
        g.BeallIdoprogramok(a, b, c, d, e, h) = CInt(g.Idoprogramok(a, b, c, d, e, h));
    });
}

void loadWorkingProjectTexts(Model& m) {
    for (int i = 0; i < kProjectTextCount; ++i) projectText(m.s.beallProjekt, i) = projectText(m.s.projekt, i);
}

void loadWorkingSystemChoice(Model& m) {
    Settings& s = m.s;
    s.BeallRendszerkategoria = CInt(s.Rendszerkategoria);
    s.BeallRendszerszam = CInt(s.Rendszerszam);
    s.BeallHMVrendszer = s.HMVrendszer;
    s.BeallMedrendszer = s.Medrendszer;
    s.BeallFutesrendszer = s.Futesrendszer;
    s.BeallKombrendszer = CInt(s.Kombrendszer);
}

// --- Working to active ---------------------------------------------------------

void deriveSmallestTank(Settings& s) {
    s.Legkisebbterfogat = toCurrency(s.Tarolo1terfogat);
    auto lowerTo = [&](double volume) {
        if (volume < s.Legkisebbterfogat.toDouble()) s.Legkisebbterfogat = Currency::fromDouble(volume);
    };
    const int group = ix(s.Rendszerkategoria);
    const int hotWater = ix(s.HMVrendszer);
    const int combined = ix(s.Kombrendszer);
    if (group == 1 && (hotWater == 3 || hotWater == 4)) {
        lowerTo(s.Tarolo2terfogat);
    } else if (group == 1 && (hotWater == 5 || hotWater == 6)) {
        lowerTo(s.Tarolo2terfogat);
        lowerTo(s.Tarolo3terfogat);
    } else if (group == 4 && combined >= 3 && combined <= 5) {
        lowerTo(s.Tarolo2terfogat);
    }
}

void deriveFacades(Settings& s) {
    s.Homlokzatossz = CSng(double(s.Alapterulet) * double(s.Homlokzatarany));
    s.Ablakossz = double(s.Homlokzatossz) * double(s.Ablakarany);
    struct Split {
        double factor;
        double facade[4];  // east, south, west, north
        double window[4];
    };
    static constexpr Split kSplits[] = {
        {1.0, {0.2, 0.4, 0.2, 0.2}, {0.15, 0.6, 0.15, 0.1}},
        {0.8, {0.25, 0.3, 0.25, 0.2}, {0.2, 0.4, 0.2, 0.2}},
        {0.6, {0.25, 0.25, 0.25, 0.25}, {0.25, 0.25, 0.25, 0.25}},
    };
    for (const Split& sp : kSplits) {
        if (s.Ablakatbocsatas.d() != sp.factor) continue;
        const double facades = s.Homlokzatossz;
        const double windows = s.Ablakossz;
        s.Homlokzat2 = facades * sp.facade[1];
        s.Homlokzat1 = facades * sp.facade[0];
        s.Homlokzat3 = facades * sp.facade[2];
        s.Homlokzat4 = CSng(facades * sp.facade[3]);
        s.Ablak2 = windows * sp.window[1];
        s.Ablak1 = windows * sp.window[0];
        s.Ablak3 = windows * sp.window[2];
        s.Ablak4 = CSng(windows * sp.window[3]);
        return;
    }
}

void commitSettings(Model& m, const PoolButtons& pool) {
    Settings& s = m.s;
    const Catalogue& k = m.kat;

    // Collector: the chosen catalogue row; the total area as the window shows it.
    s.Kollektorszam = int(s.BeallKollektorszam);
    const int type = s.BeallKollektortipus, model = s.BeallKollektormodell;
    s.Kollektorfelulet = k.KatFelulet(type, model);
    s.Osszfelulet = s.BeallOsszfelulet;
    s.Kollektortipus = int(s.BeallKollektortipus);
    s.Kollektormodell = int(s.BeallKollektormodell);
    s.KollA = k.KatA(type, model);
    s.KollB = k.KatB(type, model);
    s.KollC = k.KatC(type, model);

    // Controller: the annual programme month by month, the constant set
    // (month 1 of mode 0) into every month.
    s.Automod = s.BeallAutomod;
    {
        const ControllerTables to = active(m.prog);
        const ControllerTables from = working(m.prog);
        for (int month = 1; month <= 12; ++month) {
            for (std::size_t i = 0; i < to.variants.size(); ++i) {
                (*to.variants[i])(1, month) = (*from.variants[i])(1, month);
                (*to.variants[i])(0, month) = (*from.variants[i])(0, 1);
            }
            for (std::size_t i = 0; i < to.pool.size(); ++i) {
                (*to.pool[i])(1, month) = (*from.pool[i])(1, month);
                (*to.pool[i])(0, month) = (*from.pool[i])(0, 1);
            }
        }
    }

    // Tilt, azimuth and site factor, then the collector-plane table.
    s.Dolesszog = s.BeallDolesszog.d();
    s.Tajolas = s.BeallTajolas;
    s.Sugarzastenyezo = int(s.BeallSugarzastenyezo);
    Sugarzastablazat(m);

    // Hot water.
    s.Rendszerveszteseg = int(s.BeallRendszerveszteseg);
    s.Fogyjelleg = int(s.BeallFogyjelleg);
    s.Fogyheti = int(s.BeallFogyheti);
    s.Melegvizhofok = int(s.BeallMelegvizhofok);
    s.Hidegvizhofok = int(s.BeallHidegvizhofok);
    s.Cirkvesztes = s.BeallCirkvesztes;

    ConsumptionProfiles& f = m.fogy;
    forEachConsumptionSlot([&](int p, int w, int d) {
        f.Fogyoraiossz(p, w, d) = int(f.BeallFogyoraiossz(p, w, d));
        f.Fogynapi(p, w, d) = f.BeallFogynapi(p, w, d);
        f.Fogyszemely(p, w, d) = int(f.BeallFogyszemely(p, w, d));
        f.Fogyfajlagos(p, w, d) = f.BeallFogyfajlagos(p, w, d);
        for (int h = 0; h <= 23; ++h) f.Fogyorai(p, w, d, h) = int(f.BeallFogyorai(p, w, d, h));
    });

    // Tank heating programme and the time programmes.
    s.Tarolofutesprogram = s.BeallTarolofutesprogram;
    s.Tarolofutesheti = int(s.BeallTarolofutesheti);
    Programmes& g = m.prog;
    forEachProgrammeSlot(3, [&](int a, int b, int c, int d, int e, int h) {
        g.Idoprogramok(a, b, c, d, e, h) = int(g.BeallIdoprogramok(a, b, c, d, e, h));
    });

    // Tanks and their layers.
    s.Tarolo1terfogat = s.BeallTarolo1terfogat;
    s.Tarolo2terfogat = s.BeallTarolo2terfogat;
    s.Tarolo3terfogat = s.BeallTarolo3terfogat;
    deriveTankLayers(s);
    s.Tarolofuteshofok = s.BeallTarolofuteshofok;
    s.Tarolofutesteljesitmeny = s.BeallTarolofutesteljesitmeny;

    // Pool: the situation from the buttons, the rest from the working copies;
    // only the dimensions of the chosen shape.
    s.Medfedett = Var::boolean(!pool.openAir);
    if (pool.exposure == 1) s.Medfekves = 1;
    if (pool.exposure == 2) s.Medfekves = 0.6;
    if (pool.exposure == 3) s.Medfekves = 0.3;
    s.Medterfutott = Var::boolean(pool.hallHeated);
    s.Medatlatszofedes = Var::boolean(pool.transparentCover);
    s.Medfoliatakaras = pool.nightFoil;
    s.Medterhofok = s.BeallMedterhofok;
    s.Medvizpotlashofok = s.BeallMedvizpotlashofok;
    s.Medalak = int(s.BeallMedalak);
    if (s.BeallMedalak == 1) {
        s.Medhossz = s.BeallMedhossz;
        s.Medszelesseg = s.BeallMedszelesseg;
    } else if (s.BeallMedalak == 2) {
        s.Medatmero = s.BeallMedatmero;
    }
    s.Medmelyseg = s.BeallMedmelyseg;
    s.Medfelulet = s.BeallMedfelulet;
    s.Medterfogat = s.BeallMedterfogat;
    s.Medfuteshofok = s.BeallMedfuteshofok;
    s.Medfutesteljesitmeny = s.BeallMedfutesteljesitmeny;
    s.Medfutesprogram = s.BeallMedfutesprogram;
    s.Medfutesheti = s.BeallMedfutesheti;

    // Building.
    s.Alapterulet = s.BeallAlapterulet;
    s.Pufferterfogat = s.BeallPufferterfogat;
    s.Fajlagoshoigeny = int(s.BeallFajlagoshoigeny);
    s.Epulethoigeny = s.BeallEpulethoigeny;
    s.Csillapitas = s.BeallCsillapitas;
    s.Fazistolas = s.BeallFazistolas;
    s.Futesgorbe = s.BeallFutesgorbe;
    s.Homlokzatarany = s.BeallHomlokzatarany;
    s.Ablakarany = s.BeallAblakarany;
    s.Ablakatbocsatas = s.BeallAblakatbocsatas;
    s.Elnyelesitenyezo = s.BeallElnyelesitenyezo;
    s.Komforthomerseklet = s.BeallKomforthomerseklet;
    s.Csokkentetthomerseklet = int(s.BeallCsokkentetthomerseklet);
    deriveFacades(s);

    // Room heating programme.
    s.Futes3program = s.BeallFutes3program;
    s.Futes3heti = int(s.BeallFutes3heti);

    s.projekt = s.beallProjekt;

    // System choice; the smallest tank is that of the system now committed.
    s.Rendszerkategoria = int(s.BeallRendszerkategoria);
    s.Rendszerszam = int(s.BeallRendszerszam);
    s.HMVrendszer = s.BeallHMVrendszer;
    s.Medrendszer = s.BeallMedrendszer;
    s.Futesrendszer = s.BeallFutesrendszer;
    s.Kombrendszer = int(s.BeallKombrendszer);
    deriveSmallestTank(s);
}

}  // namespace nk
