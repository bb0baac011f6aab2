#include "state/defaults.h"

#include <array>

#include "radiation/climate.h"
#include "radiation/radiation.h"

namespace nk {

namespace {

struct CatalogueRow {
    int type;
    int model;
    const char* name;
    float area;
    double a;
    Var b;
    float c;
};

// The ten built-in collectors. B of the unglazed type-5 rows is the whole
// number 11; the other constants are doubles, areas and C singles.
const std::array<CatalogueRow, 10>& builtInCollectors() {
    static const std::array<CatalogueRow, 10> rows{{
        {1, 0, "Névtelen", 1.8f, 0.65, Var(1.2), 0.008f},
        {2, 0, "Heliovant HV 400 vákuummal", 1.76f, 0.801, Var(2.61), 0.008f},
        {2, 1, "Heliovant HV 400 kriptonnal", 1.76f, 0.813, Var(1.72), 0.013f},
        {3, 0, "Heliovant HV 300", 1.78f, 0.798, Var(4.17), 0.011f},
        {3, 1, "Heliovant HV 330", 1.78f, 0.798, Var(4.17), 0.011f},
        {4, 0, "Névtelen", 1.8f, 0.75, Var(6.0), 0.02f},
        {5, 0, "Brimstell R200", 2.4f, 0.9, Var(11), 0.08f},
        {5, 1, "Brimstell R300", 3.6f, 0.9, Var(11), 0.08f},
        {5, 2, "Brimstell R400", 4.8f, 0.9, Var(11), 0.08f},
        {6, 0, "Névtelen", 1.8f, 0.75, Var(4.17), 0.01f},
    }};
    return rows;
}

// Hourly draw weights of the three built-in curves, hours 0..23.
using Curve = std::array<int, 24>;
constexpr Curve kCurveA{0, 0, 0, 0, 0, 200, 800, 600, 0, 0, 0, 0, 0, 0, 0, 0, 400, 800, 1200, 1400, 1000, 800, 600, 200};
constexpr Curve kCurveB{0, 0, 0, 0, 0, 0, 100, 300, 600, 900, 600, 1000, 800, 400, 300, 200, 400, 800, 1200, 1400, 1000, 800, 600, 200};
constexpr Curve kCurveC{0, 0, 0, 0, 0, 200, 800, 600, 900, 500, 300, 600, 400, 600, 900, 1200, 400, 0, 0, 0, 0, 0, 0, 0};
constexpr Curve kNoDraw{};

void storeCurve(ConsumptionProfiles& f, int p, int w, int firstDay, int lastDay, const Curve& curve) {
    int sum = 0;
    for (int h : curve) sum += h;
    const bool draws = sum > 0;
    for (int d = firstDay; d <= lastDay; ++d) {
        for (int h = 0; h <= 23; ++h) f.Fogyorai(p, w, d, h) = Var(curve[h]);
        f.Fogyoraiossz(p, w, d) = Var(draws ? sum : 1);  // never 0: it divides the draw
        f.Fogynapi(p, w, d) = Var(draws ? 200 : 0);
        f.Fogyfajlagos(p, w, d) = Var(draws ? 50 : 0);
    }
}

void storeControllerTables(Programmes& g) {
    for (int mode = 0; mode <= 1; ++mode) {
        for (int month = 1; month <= 12; ++month) {
            for (auto* t : {&g.AutBekapcsdT1, &g.AutBekapcsdT2, &g.AutBekapcsdT3, &g.BeallAutBekapcsdT1,
                            &g.BeallAutBekapcsdT2, &g.BeallAutBekapcsdT3})
                (*t)(mode, month) = Var(10);
            g.AutBekapcsdTMed(mode, month) = 10;
            g.BeallAutBekapcsdTMed(mode, month) = 10;
            for (auto* t : {&g.AutMaxhofok1, &g.AutMaxhofok2, &g.AutMaxhofok3, &g.BeallAutMaxhofok1,
                            &g.BeallAutMaxhofok2, &g.BeallAutMaxhofok3})
                (*t)(mode, month) = Var(70);
            g.AutMaxhofokMed(mode, month) = 30;
            g.BeallAutMaxhofokMed(mode, month) = 30;
            for (auto* t : {&g.AutBeKi1, &g.AutBeKi2, &g.AutBeKi3, &g.BeallAutBeKi1, &g.BeallAutBeKi2, &g.BeallAutBeKi3})
                (*t)(mode, month) = Var(1);
            g.AutBeKiMed(mode, month) = 1;
            g.BeallAutBeKiMed(mode, month) = 1;
        }
    }
}

// Heaters 1 and 2: 1 continuous, 2 night (22 h to 6 h), 3 off, 4 custom (off
// until edited). Heater 3 (room heating): 1 comfort all day, 2 comfort from
// 6 h to 22 h, 3 setback, 4 custom.
int builtInProgramme(int heater, int programme, int hour) {
    const bool night = hour <= 5 || hour >= 22;
    switch (programme) {
        case 1: return 1;
        case 2: return heater == 3 ? (night ? 0 : 1) : (night ? 1 : 0);
        default: return 0;
    }
}

void storeTimeProgrammes(Programmes& g) {
    for (int a = 1; a <= 3; ++a)
        for (int b = 1; b <= 4; ++b)
            for (int c = 0; c <= 1; ++c)
                for (int d = 1; d <= 7; ++d)
                    for (int e = 0; e <= 23; ++e)
                        for (int f = 0; f <= 1; ++f) g.Idoprogramok(a, b, c, d, e, f) = Var(builtInProgramme(a, b, e));
}

// Start-up facade shares: east 0.25, south 0.3, west 0.25, north 0.2; windows
// 0.2, 0.4, 0.2, 0.2 of the window total.
void deriveBuildingAreas(Settings& s) {
    s.Homlokzatossz = CSng(double(s.Alapterulet) * double(s.Homlokzatarany));
    s.Ablakossz = double(s.Homlokzatossz) * double(s.Ablakarany);
    s.Homlokzat2 = double(s.Homlokzatossz) * 0.3;
    s.Homlokzat1 = double(s.Homlokzatossz) * 0.25;
    s.Homlokzat3 = double(s.Homlokzatossz) * 0.25;
    s.Homlokzat4 = CSng(double(s.Homlokzatossz) * 0.2);
    s.Ablak2 = double(s.Ablakossz) * 0.4;
    s.Ablak1 = double(s.Ablakossz) * 0.2;
    s.Ablak3 = double(s.Ablakossz) * 0.2;
    s.Ablak4 = CSng(double(s.Ablakossz) * 0.2);
}

}  // namespace

void Alapertekek(Model& m) {
    PipeData& p = m.pipe;
    Settings& s = m.s;
    Catalogue& k = m.kat;

    // 1. Pipe data; the resistance is formed from the single-precision λ.
    p.Csokulsoatmero = 18;
    p.Csohejvastagsag = 19;
    p.Hoszigeteleslambda = 0.04f;
    p.Csohejellenallas = insulationResistance(p.Csokulsoatmero, p.Csohejvastagsag, p.Hoszigeteleslambda);
    p.Kulsocsohossz = 10;
    p.Belsocsohossz = 15;
    p.Belsoterhofok = 20;

    // 2. Collector choice.
    s.Kollektorszam = 3;
    s.BeallKollektorszam = 3;
    s.Kollektorfelulet = 1.78;
    s.Osszfelulet = 5.34;
    s.BeallOsszfelulet = CSng(5.34);
    s.Kollektortipus = 3;
    s.BeallKollektortipus = 3;
    s.Kollektormodell = 0;
    s.BeallKollektormodell = 0;

    // 3. Catalogue.
    const std::array<Integer, 8> counts{0, 1, 2, 2, 1, 3, 1, 0};
    for (int t = 0; t <= 7; ++t) k.KatDarab(t) = counts[t];
    k.KatMaxIndex = 3;
    k.allocate(8);
    for (const auto& r : builtInCollectors()) {
        k.KatNev(r.type, r.model) = r.name;
        k.KatFelulet(r.type, r.model) = r.area;
    }
    s.KollA = 0.798;
    s.KollB = 4.17;
    s.KollC = 0.011;
    for (const auto& r : builtInCollectors()) {
        k.KatA(r.type, r.model) = Var(r.a);
        k.KatB(r.type, r.model) = r.b;
        k.KatC(r.type, r.model) = r.c;
    }
    s.Gkertek = 800;

    // 4. Controller tables and mode.
    storeControllerTables(m.prog);
    s.Automod = 0;
    s.BeallAutomod = 0;

    // 5. Tilt, azimuth, losses, water temperatures.
    s.Dolesszog = 45;
    s.BeallDolesszog = 45;
    s.Tajolas = 0;
    s.BeallTajolas = 0;
    s.Rendszerveszteseg = 10;
    s.BeallRendszerveszteseg = 10;
    s.Melegvizhofok = 45;
    s.Hidegvizhofok = 12;

    // 6. Consumption profiles: every profile first gets the plain amounts,
    // then the listed curves and the profiles without consumption.
    ConsumptionProfiles& f = m.fogy;
    for (int pr = 1; pr <= 6; ++pr)
        for (int w = 0; w <= 1; ++w)
            for (int d = 0; d <= 7; ++d) {
                f.Fogynapi(pr, w, d) = Var(200);
                f.Fogyszemely(pr, w, d) = Var(4);
                f.Fogyfajlagos(pr, w, d) = Var(50);
            }
    storeCurve(f, 1, 0, 1, 7, kCurveA);
    storeCurve(f, 2, 0, 1, 7, kCurveB);
    storeCurve(f, 3, 0, 1, 7, kCurveC);
    storeCurve(f, 4, 0, 1, 7, kNoDraw);
    storeCurve(f, 5, 0, 1, 7, kNoDraw);
    storeCurve(f, 1, 1, 1, 5, kCurveA);
    storeCurve(f, 1, 1, 6, 7, kCurveB);
    storeCurve(f, 2, 1, 1, 5, kCurveC);
    storeCurve(f, 2, 1, 6, 7, kNoDraw);
    storeCurve(f, 3, 1, 1, 7, kNoDraw);
    storeCurve(f, 4, 1, 1, 7, kNoDraw);
    s.Fogyjelleg = 1;
    s.Fogyheti = 0;
    s.Hetnapja = 1;
    s.Fogyhetnapja = 1;

    // 7. Tanks and their layers.
    s.Tarolo1terfogat = 300;
    s.Tarolo2terfogat = 300;
    s.Tarolo3terfogat = 300;
    s.Tarolofuteshofok = 50;
    s.Tarolofutesteljesitmeny = 10;
    s.Cirkvesztes = 20;
    deriveTankLayers(s);

    // 8. Smallest tank volume at start-up: tank 1, and tanks 2 and 3 when they exist.
    s.Legkisebbterfogat = Currency::fromDouble(s.Tarolo1terfogat);
    if (s.Tarolo2terfogat > 0 && Currency::fromDouble(s.Tarolo2terfogat) < s.Legkisebbterfogat)
        s.Legkisebbterfogat = Currency::fromDouble(s.Tarolo2terfogat);
    if (Currency::fromDouble(s.Tarolo3terfogat) < s.Legkisebbterfogat && s.Tarolo3terfogat > 0)
        s.Legkisebbterfogat = Currency::fromDouble(s.Tarolo3terfogat);

    // 9. Programme choices.
    s.Tarolofutesprogram = 1;
    s.Medfutesprogram = 3;
    s.Futes3program = 2;
    s.BeallFutes3program = 2;
    s.Tarolofutesheti = 0;
    s.Medfutesheti = 0;
    s.Futes3heti = 0;
    s.BeallFutes3heti = 0;

    // 10. Heater time programmes.
    storeTimeProgrammes(m.prog);

    // 11. Pool: area and volume are stored as they are, not computed.
    s.Medhossz = 8;
    s.Medszelesseg = 4;
    s.Medatmero = 3;
    s.Medmelyseg = 1.2;
    s.Medalak = 1;
    s.Medterfogat = CSng(38.4);
    s.Medfelulet = 32;
    s.Medvizpotlashofok = 12;
    s.Medfuteshofok = 25;
    s.Medfutesteljesitmeny = 20;
    s.Medterhofok = 26;
    s.Medfedett = Var::boolean(false);
    s.Medatlatszofedes = Var::boolean(false);
    s.Medfoliatakaras = 0;
    s.Medfekves = 0.3;
    s.Medterfutott = Var::boolean(true);

    // 12. Chart colours of the ten curves.
    const std::array<Integer, 10> colours{12, 5, 9, 4, 3, 2, 10, 6, 13, 11};
    for (int i = 0; i < 10; ++i) s.Szinek(i + 1) = colours[i];

    // 13. Calculation choices and the three month pairs.
    s.Honapvalasztas = 3;
    s.Szamitasmod = 1;
    s.Kezdonap = 1;
    s.Felfutes = kFalse;
    s.ElsoHonap2 = 5;
    s.UtolsoHonap2 = 9;
    s.ElsoHonap1 = 5;
    s.UtolsoHonap1 = 9;
    s.ElsoHonap = 5;
    s.UtolsoHonap = 9;

    // 14. System choice.
    s.Rendszerkategoria = 1;
    s.Rendszerszam = 11;
    s.HMVrendszer = 1;
    s.Medrendszer = 1;
    s.Futesrendszer = 1;
    s.Kombrendszer = 1;

    // 15. Building; no window shows these, so both copies are set here.
    s.Pufferterfogat = 2000;
    s.BeallPufferterfogat = 2000;
    s.Futesgorbe = 8;
    s.BeallFutesgorbe = 8;
    s.Komforthomerseklet = 20;
    s.BeallKomforthomerseklet = 20;
    s.Csokkentetthomerseklet = 18;
    s.BeallCsokkentetthomerseklet = 18;
    s.Szobahomerseklet = CSng(s.Komforthomerseklet);
    s.Alapterulet = 300;
    s.BeallAlapterulet = 300;
    s.Epulethoigeny = 20;
    s.BeallEpulethoigeny = 20;
    s.Csillapitas = 20;
    s.BeallCsillapitas = 20;
    s.Fazistolas = 9;
    s.BeallFazistolas = 9;
    s.Elnyelesitenyezo = 0.6;
    s.BeallElnyelesitenyezo = CSng(0.6);
    s.Homlokzatarany = 0.75;
    s.BeallHomlokzatarany = CSng(0.75);
    s.Ablakarany = 0.15;
    s.BeallAblakarany = CSng(0.15);
    s.Fajlagoshoigeny = 66.66;
    s.BeallFajlagoshoigeny = CInt(66.66);
    s.Komfortgorbe = Var::boolean(true);
    s.Futes3nap = 1;

    // 16. Derived building areas.
    deriveBuildingAreas(s);
    s.Ablakatbocsatas = 0.9;
    s.BeallAblakatbocsatas = 0.9;

    // 17. Site factor.
    s.Sugarzastenyezo = 1000;
    s.BeallSugarzastenyezo = 1000;

    // 18. Climate and radiation tables; the collector plane needs the tilt,
    // azimuth and site factor stored above.
    Sugarzasadatok(m);
    Sugarzastablazat(m);
    Homersekletadatok(m);
    Vizszintestablazat(m);
    Fuggolegessugarzas(m);
    Paratartalomadatok(m);
    Szeladatok(m);
    Goznyomasadatok(m);
    Talajhomersekletadatok(m);
}

void deriveTankLayers(Settings& s) {
    const double third1 = div(s.Tarolo1terfogat, 3);
    const double third2 = div(s.Tarolo2terfogat, 3);
    const double third3 = div(double(s.Tarolo3terfogat), 3.0);
    s.Tar1Alsoterf = third1;
    s.Tar1Kozepterf = third1;
    s.Tar1Felsoterf = third1;
    s.Tar2Alsoterf = third2;
    s.Tar2Kozepterf = third2;
    s.Tar2Felsoterf = third2;
    s.Tar3Alsoterf = third3;
    s.Tar3Kozepterf = third3;
    s.Tar3Felsoterf = CInt(third3);
}

}  // namespace nk
