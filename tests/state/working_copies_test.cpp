#include <gtest/gtest.h>

#include <ostream>

#include "radiation/radiation.h"
#include "state/defaults.h"
#include "state/settings_file.h"
#include "state/system_texts.h"
#include "state/working_copies.h"

namespace nk {
namespace {

// Start-up state with the working copies equal to the active ones, as the
// settings window leaves them once it has loaded.
class Commit : public ::testing::Test {
protected:
    void SetUp() override {
        Alapertekek(m);
        copyActiveToWorking(m);
        pool.exposure = 3;  // the start-up pool: open air, sheltered, heated hall
        pool.openAir = true;
        pool.hallHeated = true;
    }
    Model m;
    PoolButtons pool;
};

TEST_F(Commit, CollectorComesFromTheChosenCatalogueRow) {
    Settings& s = m.s;
    s.BeallKollektortipus = 5;
    s.BeallKollektormodell = 2;
    s.BeallKollektorszam = 4;
    s.BeallOsszfelulet = 19.2f;
    commitSettings(m, pool);
    EXPECT_EQ(s.Kollektorszam.d(), 4);
    EXPECT_EQ(s.Kollektortipus.d(), 5);
    EXPECT_EQ(s.Kollektormodell.d(), 2);
    EXPECT_EQ(s.Kollektorfelulet.d(), double(4.8f));
    EXPECT_EQ(s.Kollektorfelulet.kind(), VKind::Single);
    EXPECT_EQ(s.KollA.d(), 0.9);
    EXPECT_EQ(s.KollB.d(), 11);
    EXPECT_EQ(s.KollC.d(), double(0.08f));
    EXPECT_EQ(s.Osszfelulet.d(), double(19.2f));  // the total as shown, not recomputed
}

TEST_F(Commit, ConstantControllerSetFillsEveryMonthAnnualProgrammeMonthByMonth) {
    Programmes& g = m.prog;
    g.BeallAutBekapcsdT2(0, 1) = 15;
    g.BeallAutBekapcsdT2(0, 7) = 3;  // not the constant set: month 1 is
    g.BeallAutMaxhofokMed(0, 1) = 35;
    g.BeallAutBeKi3(1, 5) = 0;
    g.BeallAutMaxhofok1(1, 8) = 85;
    m.s.BeallAutomod = 1;
    commitSettings(m, pool);
    for (int month = 1; month <= 12; ++month) {
        EXPECT_EQ(g.AutBekapcsdT2(0, month).d(), 15) << month;
        EXPECT_EQ(g.AutMaxhofokMed(0, month), 35) << month;
        EXPECT_EQ(g.AutBeKi3(1, month).d(), month == 5 ? 0 : 1) << month;
        EXPECT_EQ(g.AutMaxhofok1(1, month).d(), month == 8 ? 85 : 70) << month;
    }
    EXPECT_EQ(m.s.Automod.d(), 1);
}

TEST_F(Commit, TiltAndAzimuthAreTheWorkingCopiesAndTheTableFollows) {
    Settings& s = m.s;
    s.BeallDolesszog = 37.5;  // shown as "37,5": the commit keeps the fraction
    s.BeallTajolas = -30;
    s.BeallSugarzastenyezo = 1073;
    commitSettings(m, pool);
    EXPECT_EQ(s.Dolesszog.d(), 37.5);
    EXPECT_EQ(s.Tajolas, -30);
    EXPECT_EQ(s.Sugarzastenyezo.d(), 1073);

    Model fresh;
    Alapertekek(fresh);
    fresh.s.Dolesszog = 37.5;
    fresh.s.Tajolas = -30;
    fresh.s.Sugarzastenyezo = 1073;
    Sugarzastablazat(fresh);
    for (int month = 1; month <= 12; ++month)
        for (int hour = 0; hour <= 23; ++hour)
            for (int type = 1; type <= 3; ++type)
                ASSERT_EQ(m.klima.Kollsugarzas(month, hour, type), fresh.klima.Kollsugarzas(month, hour, type));
}

TEST_F(Commit, TankLayersAreThirds) {
    Settings& s = m.s;
    s.BeallTarolo1terfogat = 301.0;
    s.BeallTarolo3terfogat = 100;
    commitSettings(m, pool);
    EXPECT_DOUBLE_EQ(s.Tar1Felsoterf.d(), 301.0 / 3);
    EXPECT_DOUBLE_EQ(s.Tar3Alsoterf.d(), 100.0 / 3);
    EXPECT_EQ(s.Tar3Felsoterf, 33);
    s.BeallTarolo3terfogat = 50;
    commitSettings(m, pool);
    EXPECT_DOUBLE_EQ(s.Tar3Kozepterf.d(), 50.0 / 3);
    EXPECT_EQ(s.Tar3Felsoterf, 17);
}

struct SmallestCase {
    int system;
    double expected;
};
void PrintTo(const SmallestCase& c, std::ostream* os) { *os << "system " << c.system; }

class SmallestTank : public Commit, public ::testing::WithParamInterface<SmallestCase> {};

// The smallest tank is that of the system being committed.
TEST_P(SmallestTank, AmongTheTanksOfTheCommittedSystem) {
    Settings& s = m.s;
    s.BeallTarolo1terfogat = 300;
    s.BeallTarolo2terfogat = 200;
    s.BeallTarolo3terfogat = 250;
    const int system = GetParam().system;
    s.BeallRendszerkategoria = Integer(system / 10);
    s.BeallRendszerszam = Integer(system);
    if (system / 10 == 1) s.BeallHMVrendszer = system % 10;
    if (system / 10 == 2) s.BeallMedrendszer = system % 10;
    if (system / 10 == 4) s.BeallKombrendszer = Integer(system % 10);
    commitSettings(m, pool);
    EXPECT_EQ(s.Legkisebbterfogat.toDouble(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Systems, SmallestTank,
                         ::testing::Values(SmallestCase{11, 300}, SmallestCase{12, 300}, SmallestCase{13, 200},
                                           SmallestCase{14, 200}, SmallestCase{15, 200}, SmallestCase{16, 200},
                                           SmallestCase{21, 300}, SmallestCase{41, 300}, SmallestCase{43, 200},
                                           SmallestCase{45, 200}, SmallestCase{46, 300}));

TEST(SmallestTankOfTheActiveSystem, TankThreeCountsForSystemsFifteenAndSixteen) {
    Settings s;
    s.Tarolo1terfogat = 300;
    s.Tarolo2terfogat = 280;
    s.Tarolo3terfogat = 100;
    s.Rendszerkategoria = 1;
    for (const auto& [variant, expected] : {std::pair{3, 280.0}, {5, 100.0}, {6, 100.0}, {2, 300.0}}) {
        s.HMVrendszer = variant;
        deriveSmallestTank(s);
        EXPECT_EQ(s.Legkisebbterfogat.toDouble(), expected) << variant;
    }
}

TEST_F(Commit, FacadesAndWindowsFollowTheFloorArea) {
    Settings& s = m.s;
    s.BeallAlapterulet = 300;
    s.BeallHomlokzatarany = 0.75f;
    s.BeallAblakarany = 0.15f;
    const double before = s.Homlokzat2.d();
    commitSettings(m, pool);  // the start-up solar factor 0.9 keeps the split
    EXPECT_EQ(s.Homlokzatossz, 225.0f);
    EXPECT_NEAR(s.Ablakossz.d(), 33.75, 1e-5);
    EXPECT_EQ(s.Homlokzat2.d(), before);

    s.BeallAblakatbocsatas = 1;
    commitSettings(m, pool);
    EXPECT_DOUBLE_EQ(s.Homlokzat2.d(), 90);
    EXPECT_DOUBLE_EQ(s.Homlokzat1.d(), 45);
    EXPECT_DOUBLE_EQ(s.Homlokzat3.d(), 45);
    EXPECT_EQ(s.Homlokzat4, 45.0f);
    EXPECT_NEAR(s.Ablak2.d(), 20.25, 1e-5);
    EXPECT_NEAR(s.Ablak1.d(), 5.0625, 1e-5);
    EXPECT_NEAR(s.Ablak3.d(), 5.0625, 1e-5);
    EXPECT_NEAR(s.Ablak4, 3.375f, 1e-5);
}

TEST_F(Commit, PoolTakesOnlyTheChosenShapesDimensions) {
    Settings& s = m.s;
    s.BeallMedalak = 3;
    s.BeallMedhossz = 20.0;
    s.BeallMedatmero = 9.0;
    s.BeallMedfelulet = 55.5;
    commitSettings(m, pool);
    EXPECT_EQ(s.Medhossz.d(), 8);
    EXPECT_EQ(s.Medatmero.d(), 3);
    EXPECT_EQ(s.Medfelulet.d(), 55.5);
    s.BeallMedalak = 1;
    commitSettings(m, pool);
    EXPECT_EQ(s.Medhossz.d(), 20);
    EXPECT_EQ(s.Medatmero.d(), 3);
}

TEST_F(Commit, PoolSituationComesFromTheButtons) {
    Settings& s = m.s;
    s.Medfekves = 0.6;
    pool = PoolButtons{false, 0, false, true, 1};
    commitSettings(m, pool);
    EXPECT_EQ(s.Medfedett.d(), -1);
    EXPECT_EQ(s.Medfekves.d(), 0.6);  // no exposure chosen: kept
    EXPECT_EQ(s.Medterfutott.d(), 0);
    EXPECT_EQ(s.Medatlatszofedes.d(), -1);
    EXPECT_EQ(s.Medfoliatakaras, 1);
    pool.exposure = 1;
    commitSettings(m, pool);
    EXPECT_EQ(s.Medfekves.d(), 1);
}

TEST_F(Commit, ConsumptionProgrammesAndTextsAreCopied) {
    m.fogy.BeallFogynapi(5, 0, 3) = Currency::fromDouble(321.5);
    m.fogy.BeallFogyorai(5, 0, 3, 7) = 900;
    m.prog.BeallIdoprogramok(1, 4, 1, 6, 22, 1) = 1;
    m.s.beallProjekt.Teljesitesideje = "2027. május";
    commitSettings(m, pool);
    EXPECT_EQ(m.fogy.Fogynapi(5, 0, 3).currency(), Currency::fromDouble(321.5));
    EXPECT_EQ(m.fogy.Fogyorai(5, 0, 3, 7).d(), 900);
    EXPECT_EQ(m.prog.Idoprogramok(1, 4, 1, 6, 22, 1).d(), 1);
    EXPECT_EQ(m.s.projekt.Teljesitesideje, "2027. május");
}

TEST(WorkingCopies, TakeTheirTypesConversions) {
    Model m;
    Alapertekek(m);
    m.fogy.Fogyszemely(2, 1, 4) = 4.5;  // halves to the even neighbour
    m.fogy.Fogyfajlagos(2, 1, 4) = 1.0 / 3.0;
    m.fogy.Fogynapi(2, 1, 4) = 200.123456;
    loadWorkingConsumption(m);
    EXPECT_EQ(m.fogy.BeallFogyszemely(2, 1, 4), 4);
    EXPECT_EQ(m.fogy.BeallFogyfajlagos(2, 1, 4), float(1.0 / 3.0));
    EXPECT_EQ(m.fogy.BeallFogynapi(2, 1, 4), Currency::fromDouble(200.1235));
}

// --- System titles and descriptions ---------------------------------------------

TEST(SystemTexts, TitlesAndDescriptionsWordForWord) {
    const auto t11 = systemText(1, 1);
    ASSERT_TRUE(t11);
    EXPECT_EQ(t11->title, "11. számú használati-melegvíz készítő rendszer");
    EXPECT_EQ(t11->description,
              "A melegvíz készítés egy tárolóban történik, melynek a napkollektorok a teljes térfogatát, a "
              "hagyományos hőtermelő pedig csak a felső térfogatát fűti. ");
    const auto t16 = systemText(1, 6);
    ASSERT_TRUE(t16);
    EXPECT_EQ(t16->description.front(), ' ');
    EXPECT_EQ(t16->description.substr(t16->description.size() - 2), "  ");
    EXPECT_EQ(t16->description.rfind(" A melegvíz készítés három sorba kapcsolt tárolóban történik. A napkollektorok mind", 0), 0u);
    const auto t22 = systemText(2, 2);
    ASSERT_TRUE(t22);
    EXPECT_EQ(t22->title, "22. számú medence fűtő rendszer");
    EXPECT_EQ(t22->description.substr(t22->description.size() - 7), "fűtik.");
    const auto t45 = systemText(4, 5);
    ASSERT_TRUE(t45);
    EXPECT_EQ(t45->title, "45. számú kombinált használati-melegvíz készítő, medence és épület fűtő rendszer.");
    EXPECT_EQ(t45->description,
              "A melegvíz készítés egy tárolóban történik, melynek a napkollektorok a teljes térfogatát, a "
              "hagyományos hőtermelő pedig csak a felső térfogatát fűti. Az épület fűtésére a kollektorok "
              "puffertárolón keresztül segítenek rá. Ha a puffertárolóban magasabb a hőmérséklet a fűtési rendszer "
              "visszatérő hőmérsékletnél, akkor a visszatérő fűtőviz a puffertárolón keresztül kerül be a hagyományos "
              "hőtermelőbe. A medencét a kollektorok is és a hagyományos hőtermelő is a vízforgató körbe épített, "
              "külső hőcserélőn keresztül fűtik. A napkollektor automatika előnykapcsolással először a melegvíz "
              "tároló, majd a fűtési puffertároló fűtését részesíti előnyben a medence fűtésével szemben. ");
    for (const auto& [group, variant] : {std::pair{1, 0}, {1, 7}, {2, 3}, {3, 1}, {4, 7}})
        EXPECT_FALSE(systemText(group, variant)) << group << variant;
    int found = 0;
    for (int group : {1, 2, 4})
        for (int v = 1; v <= 6; ++v) found += systemText(group, v).has_value();
    EXPECT_EQ(found, 14);
}

}  // namespace
}  // namespace nk
