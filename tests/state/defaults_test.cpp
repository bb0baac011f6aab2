#include <gtest/gtest.h>

#include <ostream>

#include <string>

#include "state/defaults.h"

namespace nk {
namespace {

class Defaults : public ::testing::Test {
protected:
    void SetUp() override { Alapertekek(m); }
    Model m;
};

TEST_F(Defaults, PipeDataAndInsulationResistance) {
    EXPECT_EQ(m.pipe.Csokulsoatmero.d(), 18);
    EXPECT_EQ(m.pipe.Csohejvastagsag.d(), 19);
    EXPECT_EQ(m.pipe.Hoszigeteleslambda, 0.04f);
    // Formed from the single λ and Log(2.7182), not from e.
    const double expected = (1.0 / (double(0.04f) * 6.28318)) * (std::log(56.0 / 18.0) / std::log(2.7182));
    EXPECT_EQ(m.pipe.Csohejellenallas, float(expected));
    EXPECT_NEAR(m.pipe.Csohejellenallas, 4.516, 0.0005);
    EXPECT_EQ(m.pipe.Kulsocsohossz.d(), 10);
    EXPECT_EQ(m.pipe.Belsocsohossz, 15.0f);
    EXPECT_EQ(m.pipe.Belsoterhofok, 20.0f);
}

TEST_F(Defaults, CollectorChoiceIsCatalogueRowThreeZero) {
    const auto& s = m.s;
    EXPECT_EQ(s.Kollektorszam.d(), 3);
    EXPECT_EQ(s.BeallKollektorszam, 3);
    EXPECT_EQ(s.Kollektortipus.d(), 3);
    EXPECT_EQ(s.Kollektormodell.d(), 0);
    EXPECT_EQ(s.Kollektorfelulet.d(), 1.78);
    EXPECT_EQ(s.Osszfelulet.d(), 5.34);
    EXPECT_EQ(s.BeallOsszfelulet, 5.34f);
    EXPECT_EQ(s.KollA.d(), 0.798);
    EXPECT_EQ(s.KollB.d(), 4.17);
    EXPECT_EQ(s.KollC.d(), 0.011);
    EXPECT_EQ(s.KollA.kind(), VKind::Double);
    EXPECT_EQ(s.Gkertek, 800.0f);
}

struct CatalogueCase {
    int type, model;
    const char* name;
    float area;
    double a, b;
    float c;
};
void PrintTo(const CatalogueCase& c, std::ostream* os) { *os << c.type << "," << c.model; }

class CatalogueRows : public Defaults, public ::testing::WithParamInterface<CatalogueCase> {};

TEST_P(CatalogueRows, HoldTheBuiltInCollectors) {
    const auto& c = GetParam();
    const auto& k = m.kat;
    EXPECT_EQ(k.KatNev(c.type, c.model), c.name);
    EXPECT_EQ(k.KatFelulet(c.type, c.model), c.area);
    EXPECT_EQ(k.KatA(c.type, c.model).d(), c.a);
    EXPECT_EQ(k.KatB(c.type, c.model).d(), c.b);
    EXPECT_EQ(k.KatC(c.type, c.model), c.c);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CatalogueRows,
    ::testing::Values(CatalogueCase{1, 0, "Névtelen", 1.8f, 0.65, 1.2, 0.008f},
                      CatalogueCase{2, 0, "Heliovant HV 400 vákuummal", 1.76f, 0.801, 2.61, 0.008f},
                      CatalogueCase{2, 1, "Heliovant HV 400 kriptonnal", 1.76f, 0.813, 1.72, 0.013f},
                      CatalogueCase{3, 0, "Heliovant HV 300", 1.78f, 0.798, 4.17, 0.011f},
                      CatalogueCase{3, 1, "Heliovant HV 330", 1.78f, 0.798, 4.17, 0.011f},
                      CatalogueCase{4, 0, "Névtelen", 1.8f, 0.75, 6, 0.02f},
                      CatalogueCase{5, 0, "Brimstell R200", 2.4f, 0.9, 11, 0.08f},
                      CatalogueCase{5, 1, "Brimstell R300", 3.6f, 0.9, 11, 0.08f},
                      CatalogueCase{5, 2, "Brimstell R400", 4.8f, 0.9, 11, 0.08f},
                      CatalogueCase{6, 0, "Névtelen", 1.8f, 0.75, 4.17, 0.01f}));

TEST_F(Defaults, CatalogueCountsBoundsAndKinds) {
    const auto& k = m.kat;
    const int counts[] = {0, 1, 2, 2, 1, 3, 1, 0};
    for (int t = 0; t <= 7; ++t) EXPECT_EQ(k.KatDarab(t), counts[t]) << t;
    EXPECT_EQ(k.KatMaxIndex, 3);
    // Allocated to model 8 although only indices below 3 are used.
    EXPECT_EQ(k.KatNev(7, 8), "");
    EXPECT_EQ(k.KatB(5, 1).kind(), VKind::Integer);
    EXPECT_EQ(k.KatB(4, 0).kind(), VKind::Double);
    EXPECT_THROW(k.KatNev(1, 9), CalcError);
}

TEST_F(Defaults, ReallocatingTheCatalogueKeepsEveryRow) {
    auto& k = m.kat;
    k.reallocatePreserving(4);
    k.KatNev(5, 3) = "Új";
    EXPECT_EQ(k.KatNev(5, 2), "Brimstell R400");
    EXPECT_EQ(k.KatFelulet(5, 2), 4.8f);
    EXPECT_EQ(k.KatB(5, 2).d(), 11);
    EXPECT_EQ(k.KatC(3, 0), 0.011f);
    EXPECT_THROW(k.KatA(5, 5), CalcError);
}

TEST_F(Defaults, TankLayersAndSmallestTank) {
    const auto& s = m.s;
    for (const Var* v : {&s.Tar1Alsoterf, &s.Tar1Kozepterf, &s.Tar1Felsoterf, &s.Tar2Alsoterf, &s.Tar2Kozepterf,
                         &s.Tar2Felsoterf, &s.Tar3Alsoterf, &s.Tar3Kozepterf}) {
        EXPECT_EQ(v->d(), 100.0);
        EXPECT_EQ(v->kind(), VKind::Double);
    }
    EXPECT_EQ(s.Tar3Felsoterf, 100);
    EXPECT_EQ(s.Legkisebbterfogat.toDouble(), 300.0);
    EXPECT_EQ(s.Tarolo3terfogat, 300);
    EXPECT_EQ(s.Tarolofuteshofok.d(), 50);
    EXPECT_EQ(s.Tarolofutesteljesitmeny, 10);
    EXPECT_EQ(s.Cirkvesztes.d(), 20);
}

TEST(TankLayers, Tank3UpperLayerRoundsToAWholeLitre) {
    Settings s;
    s.Tarolo1terfogat = 300;
    s.Tarolo2terfogat = 300;
    s.Tarolo3terfogat = 200;
    deriveTankLayers(s);
    EXPECT_DOUBLE_EQ(s.Tar3Alsoterf.d(), 200.0 / 3.0);
    EXPECT_DOUBLE_EQ(s.Tar3Kozepterf.d(), 200.0 / 3.0);
    EXPECT_EQ(s.Tar3Felsoterf, 67);
}

TEST_F(Defaults, SiteLossesWaterAndSystem) {
    const auto& s = m.s;
    EXPECT_EQ(s.Dolesszog.d(), 45);
    EXPECT_EQ(s.BeallDolesszog.d(), 45);
    EXPECT_EQ(s.Tajolas, 0);
    EXPECT_EQ(s.Sugarzastenyezo.d(), 1000);
    EXPECT_EQ(s.BeallSugarzastenyezo, 1000);
    EXPECT_EQ(s.Rendszerveszteseg.d(), 10);
    EXPECT_EQ(s.BeallRendszerveszteseg, 10);
    EXPECT_EQ(s.Melegvizhofok.d(), 45);
    EXPECT_EQ(s.Hidegvizhofok.d(), 12);
    EXPECT_EQ(s.Rendszerkategoria.d(), 1);
    EXPECT_EQ(s.Rendszerszam.d(), 11);
    EXPECT_EQ(s.HMVrendszer.d(), 1);
    EXPECT_EQ(s.Kombrendszer.d(), 1);
    // Working copies shown by the settings window are filled when it loads.
    EXPECT_EQ(s.BeallRendszerszam, 0);
    EXPECT_EQ(s.BeallMelegvizhofok, 0);
}

TEST_F(Defaults, CalculationChoicesAndColours) {
    const auto& s = m.s;
    EXPECT_EQ(s.Szamitasmod, 1);
    EXPECT_EQ(s.Honapvalasztas, 3);
    EXPECT_EQ(s.Kezdonap, 1);
    EXPECT_EQ(s.Felfutes, kFalse);
    EXPECT_TRUE(s.Naptipus.isEmpty());  // set when the calculation window loads
    EXPECT_EQ(s.ElsoHonap, 5);
    EXPECT_EQ(s.UtolsoHonap.d(), 9);
    EXPECT_EQ(s.ElsoHonap1, 5);
    EXPECT_EQ(s.UtolsoHonap2.d(), 9);
    const int colours[] = {0, 12, 5, 9, 4, 3, 2, 10, 6, 13, 11, 0, 0};
    for (int i = 0; i <= 12; ++i) EXPECT_EQ(s.Szinek(i), colours[i]) << i;
    for (int i = 0; i <= 10; ++i) EXPECT_EQ(s.GorbeLatszik(i), 0);
    EXPECT_TRUE(s.projekt.Letesitmenynev.empty());
    EXPECT_TRUE(s.beallProjekt.Keszitette.empty());
}

TEST_F(Defaults, PoolAndBuilding) {
    const auto& s = m.s;
    EXPECT_EQ(s.Medfelulet.d(), 32);
    EXPECT_EQ(s.Medterfogat, 38.4f);
    EXPECT_EQ(s.Medmelyseg.d(), 1.2);
    EXPECT_EQ(s.Medfekves.d(), 0.3);
    EXPECT_EQ(s.Medfedett.kind(), VKind::Boolean);
    EXPECT_EQ(s.Medfedett.d(), 0);
    EXPECT_EQ(s.Medterfutott.d(), -1);
    EXPECT_EQ(s.Medvizpotlashofok.d(), 12);
    EXPECT_EQ(s.Futes3program.d(), 2);
    EXPECT_EQ(s.BeallFutes3program.d(), 2);
    EXPECT_EQ(s.Medfutesprogram.d(), 3);
    EXPECT_EQ(s.Szobahomerseklet, 20.0f);
    EXPECT_EQ(s.Homlokzatossz, 225.0f);
    EXPECT_NEAR(s.Ablakossz.d(), 33.75, 1e-12);
    EXPECT_DOUBLE_EQ(s.Homlokzat1.d(), 56.25);
    EXPECT_DOUBLE_EQ(s.Homlokzat2.d(), 67.5);
    EXPECT_DOUBLE_EQ(s.Homlokzat3.d(), 56.25);
    EXPECT_EQ(s.Homlokzat4, 45.0f);
    EXPECT_NEAR(s.Ablak1.d(), 6.75, 1e-12);
    EXPECT_NEAR(s.Ablak2.d(), 13.5, 1e-12);
    EXPECT_NEAR(s.Ablak3.d(), 6.75, 1e-12);
    EXPECT_EQ(s.Ablak4, 6.75f);
    EXPECT_EQ(s.Elnyelesitenyezo.d(), 0.6);
    EXPECT_EQ(s.BeallElnyelesitenyezo, 0.6f);
    EXPECT_EQ(s.Fazistolas.d(), 9);
    EXPECT_EQ(s.Fajlagoshoigeny.d(), 66.66);
    EXPECT_EQ(s.BeallFajlagoshoigeny, 67);
    EXPECT_EQ(s.Ablakatbocsatas.d(), 0.9);
}

// Draw of each hour with the start-up profile: Fogynapi × weight / sum.
TEST_F(Defaults, StartUpProfileDrawsTwoHundredLitresADay) {
    const auto& f = m.fogy;
    const int p = int(m.s.Fogyjelleg.d()), w = int(m.s.Fogyheti.d()), d = m.s.Hetnapja;
    EXPECT_EQ(p, 1);
    EXPECT_EQ(w, 0);
    EXPECT_EQ(d, 1);
    const double litres[24] = {0, 0, 0, 0, 0, 5, 20, 15, 0, 0, 0, 0, 0, 0, 0, 0, 10, 20, 30, 35, 25, 20, 15, 5};
    double total = 0;
    for (int h = 0; h < 24; ++h) {
        const double l = f.Fogynapi(p, w, d).d() * f.Fogyorai(p, w, d, h).d() / f.Fogyoraiossz(p, w, d).d();
        EXPECT_DOUBLE_EQ(l, litres[h]) << h;
        total += l;
    }
    EXPECT_DOUBLE_EQ(total, 200);
}

struct ProfileCase {
    int p, w, firstDay, lastDay;
    int sum;        // Fogyoraiossz
    int napi;       // Fogynapi
    int hour18;     // a weight that tells the curves apart
};
void PrintTo(const ProfileCase& c, std::ostream* os) { *os << "p" << c.p << " w" << c.w << " days " << c.firstDay << "-" << c.lastDay; }

class ProfileDays : public Defaults, public ::testing::WithParamInterface<ProfileCase> {};

TEST_P(ProfileDays, HoldTheirCurveAndSum) {
    const auto& c = GetParam();
    const auto& f = m.fogy;
    for (int d = c.firstDay; d <= c.lastDay; ++d) {
        int sum = 0;
        for (int h = 0; h <= 23; ++h) sum += int(f.Fogyorai(c.p, c.w, d, h).d());
        EXPECT_EQ(sum, c.sum == 1 ? 0 : c.sum) << d;
        EXPECT_EQ(f.Fogyoraiossz(c.p, c.w, d).d(), c.sum) << d;
        EXPECT_EQ(f.Fogynapi(c.p, c.w, d).d(), c.napi) << d;
        EXPECT_EQ(f.Fogyfajlagos(c.p, c.w, d).d(), c.napi == 0 ? 0 : 50) << d;
        EXPECT_EQ(f.Fogyszemely(c.p, c.w, d).d(), 4) << d;
        EXPECT_EQ(f.Fogyorai(c.p, c.w, d, 18).d(), c.hour18) << d;
        EXPECT_TRUE(f.Fogyorai(c.p, c.w, d, 24).isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(Profiles, ProfileDays,
                         ::testing::Values(ProfileCase{1, 0, 1, 7, 8000, 200, 1200},    // curve A
                                           ProfileCase{2, 0, 1, 7, 11600, 200, 1200},   // curve B
                                           ProfileCase{3, 0, 1, 7, 7400, 200, 0},       // curve C
                                           ProfileCase{4, 0, 1, 7, 1, 0, 0}, ProfileCase{5, 0, 1, 7, 1, 0, 0},
                                           ProfileCase{1, 1, 1, 5, 8000, 200, 1200},
                                           ProfileCase{1, 1, 6, 7, 11600, 200, 1200},
                                           ProfileCase{2, 1, 1, 5, 7400, 200, 0}, ProfileCase{2, 1, 6, 7, 1, 0, 0},
                                           ProfileCase{3, 1, 1, 7, 1, 0, 0}, ProfileCase{4, 1, 1, 7, 1, 0, 0}));

TEST_F(Defaults, CurveBDiffersFromAInTheMorning) {
    EXPECT_EQ(m.fogy.Fogyorai(2, 0, 3, 11).d(), 1000);
    EXPECT_EQ(m.fogy.Fogyorai(1, 0, 3, 11).d(), 0);
    EXPECT_EQ(m.fogy.Fogyorai(3, 0, 3, 15).d(), 1200);
    // Profiles without a listed curve keep the plain amounts and no sum.
    EXPECT_EQ(m.fogy.Fogynapi(6, 0, 0).d(), 200);
    EXPECT_TRUE(m.fogy.Fogyoraiossz(6, 0, 3).isEmpty());
}

TEST_F(Defaults, HeaterTimeProgrammes) {
    const auto& g = m.prog;
    for (int c = 0; c <= 1; ++c)
        for (int d = 1; d <= 7; ++d)
            for (int e = 0; e <= 23; ++e)
                for (int f = 0; f <= 1; ++f) {
                    const bool night = e < 6 || e >= 22;
                    for (int a = 1; a <= 2; ++a) {
                        EXPECT_EQ(g.Idoprogramok(a, 1, c, d, e, f).d(), 1);
                        EXPECT_EQ(g.Idoprogramok(a, 2, c, d, e, f).d(), night ? 1 : 0);
                        EXPECT_EQ(g.Idoprogramok(a, 3, c, d, e, f).d(), 0);
                        EXPECT_EQ(g.Idoprogramok(a, 4, c, d, e, f).d(), 0);
                    }
                    EXPECT_EQ(g.Idoprogramok(3, 1, c, d, e, f).d(), 1);
                    EXPECT_EQ(g.Idoprogramok(3, 2, c, d, e, f).d(), night ? 0 : 1);
                    EXPECT_EQ(g.Idoprogramok(3, 3, c, d, e, f).d(), 0);
                }
    EXPECT_TRUE(g.Idoprogramok(1, 1, 0, 0, 5, 0).isEmpty());
    EXPECT_TRUE(g.Idoprogramok(1, 1, 0, 1, 24, 0).isEmpty());
}

TEST_F(Defaults, ControllerTablesInBothModesAndCopies) {
    const auto& g = m.prog;
    for (int mode = 0; mode <= 1; ++mode)
        for (int month = 1; month <= 12; ++month) {
            for (const auto* t : {&g.AutBekapcsdT1, &g.AutBekapcsdT2, &g.AutBekapcsdT3, &g.BeallAutBekapcsdT3})
                EXPECT_EQ((*t)(mode, month).d(), 10);
            for (const auto* t : {&g.AutMaxhofok1, &g.AutMaxhofok2, &g.AutMaxhofok3, &g.BeallAutMaxhofok1})
                EXPECT_EQ((*t)(mode, month).d(), 70);
            for (const auto* t : {&g.AutBeKi1, &g.AutBeKi2, &g.AutBeKi3, &g.BeallAutBeKi2})
                EXPECT_EQ((*t)(mode, month).d(), 1);
            EXPECT_EQ(g.AutBekapcsdTMed(mode, month), 10);
            EXPECT_EQ(g.AutMaxhofokMed(mode, month), 30);
            EXPECT_EQ(g.BeallAutMaxhofokMed(mode, month), 30);
            EXPECT_EQ(g.AutBeKiMed(mode, month), 1);
        }
    EXPECT_TRUE(g.AutBeKi1(2, 5).isEmpty());
    EXPECT_TRUE(g.AutBeKi1(0, 13).isEmpty());
    EXPECT_EQ(m.s.Automod.d(), 0);
    EXPECT_EQ(m.s.BeallAutomod.d(), 0);
}

TEST(FreshModel, EverythingStartsZeroOrEmpty) {
    Model m;
    EXPECT_TRUE(m.s.Kollektorszam.isEmpty());
    EXPECT_EQ(m.pipe.Csohejellenallas, 0.0f);
    EXPECT_FALSE(m.kat.KatNev.allocated());
    EXPECT_FALSE(m.res.OraKollHo.allocated());
    EXPECT_FALSE(m.res.HaviKollHo.allocated());
    EXPECT_EQ(m.res.EredmQcso(1), 0.0f);
    EXPECT_EQ(m.st.Kollallapot, 0);
    EXPECT_TRUE(m.fogy.Fogynapi(1, 0, 1).isEmpty());
}

}  // namespace
}  // namespace nk
