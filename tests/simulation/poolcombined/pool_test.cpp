#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

#include "simulation/cycles/drivers.h"
#include "simulation/cycles/run_steps.h"
#include "simulation/poolcombined/pool.h"
#include "simulation/poolcombined/pool_systems.h"
#include "state/defaults.h"
#include "support/recording_ui.h"
#include "support/step_clock.h"

namespace nk {
namespace {

// The start-up pool in a sub-step of a July noon: open air, sheltered, 32 m²,
// 38.4 m³, heater programme "off".
class Pool : public ::testing::Test {
protected:
    void SetUp() override {
        testing::startAtStep(m, 2, 7, 12);
        m.st.Medencehomerseklet = 24;
    }
    // Sets the irradiance and air temperature of the current slot.
    void weather(int horizontal, double air) {
        m.klima.Vizszintessugarzas(m.clock.Honap, m.clock.Ora, 2) = Integer(horizontal);
        m.klima.Levegohomerseklet(m.clock.Honap, m.clock.Ora, 2) = Single(air);
    }
    void hall(bool transparent, bool heated) {
        m.s.Medfedett = Var::boolean(true);
        m.s.Medatlatszofedes = Var::boolean(transparent);
        m.s.Medterfutott = Var::boolean(heated);
    }
    double Tp() const { return m.st.Medencehomerseklet; }
    Model m;
};

// --- Vapour pressure -------------------------------------------------------------

TEST_F(Pool, VapourPressureIndexesRoundHalvesUpAndStayInTheTable) {
    weather(0, 20.5);
    for (const auto& [pool, index] : {std::pair{24.5, 25.0}, {24.49, 24.0}, {0.0, 0.0}, {49.49, 49.0}, {50.49, 50.0}}) {
        m.st.Medencehomerseklet = pool;
        poolHeatBalance(m);
        EXPECT_EQ(m.step.MedTempKerek, index) << pool;
        EXPECT_EQ(m.step.LevegoTempKerek, 21.0f) << pool;
    }
    EXPECT_EQ(vapourPressure(m, 49), m.klima.Telitettgoznyomas(49));
    EXPECT_EQ(vapourPressure(m, 50), 123.35f);
    for (double outside : {51.0, -11.0, 60.0}) {
        try {
            vapourPressure(m, outside);
            ADD_FAILURE() << outside << " read";
        } catch (const CalcError& e) {
            EXPECT_EQ(e.number(), 9) << outside;
        }
    }
}

// The pool starts a run at its make-up temperature: 50 °C, the highest the
// settings take, still computes; a pool past 50.5 °C ends the run with error 9.
TEST(PoolRuns, MakeUpWaterUpTo50DegreesComputesAndAWarmerPoolEndsTheRunWithError9) {
    for (const auto& [makeUp, error] : {std::pair{50, false}, {51, true}}) {
        Model m;
        Alapertekek(m);
        testing::RecordingUi ui;
        m.ui = &ui;
        initialCalculationChoices(m);
        m.s.Rendszerszam = 21;
        m.s.Medvizpotlashofok = makeUp;
        runCalculation(m);
        if (error) {
            ASSERT_EQ(ui.messages.size(), 1u) << makeUp;
            EXPECT_EQ(ui.messages[0].text, calcErrorMessage(9));
            EXPECT_EQ(ui.messages[0].title, kCalcErrorTitle);
        } else {
            EXPECT_TRUE(ui.messages.empty()) << makeUp;
            EXPECT_GT(m.res.EredmMedTempMax(1).d(), 0) << makeUp;  // the year was recorded
        }
    }
}

// --- The balances --------------------------------------------------------------------

TEST_F(Pool, TheNightCoverIsOnFromNineInTheEveningToEightInTheMorning) {
    weather(0, 15);
    m.s.Medfoliatakaras = 1;
    auto convection = [&](int hour) {
        m.clock.Ora = hour;
        weather(0, 15);
        m.st.Medencehomerseklet = 24;
        poolHeatBalance(m);
        return m.step.Konvekcio;
    };
    const double open = convection(12);
    for (int hour : {0, 7, 21, 23}) EXPECT_DOUBLE_EQ(convection(hour), open * 0.5 / 0.6) << hour;
    for (int hour : {8, 20}) EXPECT_DOUBLE_EQ(convection(hour), open) << hour;
    m.s.Medfoliatakaras = 0;
    EXPECT_DOUBLE_EQ(convection(23), open);
}

TEST_F(Pool, UnderTheCoverTheMakeUpWaterTakesTheCoveredEvaporationInTheOpenAirOnly) {
    auto makeUp = [&](int foil) {
        m.s.Medfoliatakaras = Integer(foil);
        m.clock.Ora = 2;
        weather(0, 12);
        m.st.Medencehomerseklet = 24;
        poolHeatBalance(m);
        return std::pair{m.step.Parolgas, m.step.Potvizveszteseg};
    };
    const auto [openEvaporation, openMakeUp] = makeUp(0);
    const auto [coveredEvaporation, coveredMakeUp] = makeUp(1);
    EXPECT_DOUBLE_EQ(coveredEvaporation, openEvaporation * 0.05 / 0.6);
    EXPECT_LT(coveredMakeUp, openMakeUp);
    hall(false, true);
    const auto [hallEvaporation, hallMakeUp] = makeUp(0);
    const auto [hallCovered, hallCoveredMakeUp] = makeUp(1);
    EXPECT_LT(hallCovered, hallEvaporation);
    EXPECT_DOUBLE_EQ(hallCoveredMakeUp, hallMakeUp);  // formed before the cover
}

struct HallCase {
    const char* name;
    bool transparent, heated;
    int horizontal;
    double air, pool, hallTemperature;
    float airIndex;      // LevegoTempKerek
    double convection;   // per m²
    bool gains;          // the sun warms the surface
};
void PrintTo(const HallCase& c, std::ostream* os) { *os << c.name; }

class PoolHall : public Pool, public ::testing::WithParamInterface<HallCase> {};

TEST_P(PoolHall, TemperaturesOfConvectionEvaporationAndRadiation) {
    const HallCase& c = GetParam();
    hall(c.transparent, c.heated);
    m.s.Medterhofok = c.hallTemperature;
    weather(c.horizontal, c.air);
    m.st.Medencehomerseklet = c.pool;
    poolHeatBalance(m);
    EXPECT_EQ(m.step.LevegoTempKerek, c.airIndex);
    EXPECT_NEAR(m.step.Konvekcio, c.convection, 1e-5);  // a hall temperature kept in single precision
    EXPECT_EQ(m.step.MedNyereseg > 0, c.gains);
    if (!c.gains) {
        EXPECT_EQ(m.step.MedNyereseg, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PoolHall,
    ::testing::Values(HallCase{"transparent_heated", true, true, 600, 25, 24, 28.4, 28, 5.22 * (24 - 28.4), true},
                      HallCase{"transparent_heated_pool_warmer", true, true, 600, 25, 30, 28.4, 28, 0, true},
                      HallCase{"transparent_unheated_dull", true, false, 250, 20, 24, 26, 22, 5.22 * (24 - 22), true},
                      HallCase{"transparent_unheated_bright", true, false, 251, 20, 24, 26, 25, 5.22 * (24 - 25), true},
                      HallCase{"transparent_unheated_bright_floored", true, false, 280, 20, 24, 26, 25,
                               5.22 * (24 - 25), true},
                      HallCase{"transparent_unheated_at_most_35", true, false, 800, 20, 24, 26, 35, 5.22 * (24 - 35),
                               true},
                      HallCase{"opaque_heated", false, true, 800, 25, 24, 28.4, 28, 5.22 * (24 - 28.4), false},
                      HallCase{"opaque_unheated", false, false, 800, 19, 24, 26, 22, 5.22 * (24 - 21.5), false}));

TEST_F(Pool, OpenAirLossTermsAndGain) {
    weather(700, 22);
    poolHeatBalance(m);
    const double w = m.klima.Szelsebesseg(7), k = 0.3;
    EXPECT_DOUBLE_EQ(m.step.Konvekcio, 0.6 * (6.3 + 4.8 * k * w) * (24 - 22));
    EXPECT_DOUBLE_EQ(m.step.Talajveszteseg, 1.35 * (24 - double(m.klima.Talajhomerseklet(7))));
    EXPECT_EQ(m.step.Sugarzasveszteseg, float(4.986 * 2));
    EXPECT_DOUBLE_EQ(m.step.MedNyereseg, 32 * 0.7 * 700 / 2);
    const double loss = 32 * (m.step.Talajveszteseg + m.step.Konvekcio + m.step.Parolgas + m.step.Potvizveszteseg +
                              double(m.step.Sugarzasveszteseg)) /
                        2;
    EXPECT_DOUBLE_EQ(m.step.MedVeszteseg, loss);
    EXPECT_NEAR(Tp(), 24 + (m.step.MedNyereseg - loss) / (double(CSng(38.4)) * 1160), 1e-6);
}

// --- Heater and clamp -----------------------------------------------------------------------

struct HeaterCase {
    const char* name;
    double pool;
    bool programmeOn;
    double heat;  // Wh of the step
    double after;
    double setTemperature = 25;
    double power = 20;  // kW
};
void PrintTo(const HeaterCase& c, std::ostream* os) { *os << c.name; }

class PoolHeater : public Pool, public ::testing::WithParamInterface<HeaterCase> {};

TEST_P(PoolHeater, HeatsWithinItsPowerUpToItsTemperature) {
    const HeaterCase& c = GetParam();
    m.s.Medfutesprogram = 1;  // continuous
    m.s.Medfutesheti = 0;
    if (!c.programmeOn) m.prog.Idoprogramok(2, 1, 0, 1, m.clock.Ora, m.clock.Felora) = 0;
    m.s.Medfuteshofok = c.setTemperature;
    m.s.Medfutesteljesitmeny = c.power;
    m.st.Medencehomerseklet = c.pool;
    poolHeater(m);
    EXPECT_NEAR(m.step.HagyHoMed, c.heat, 0.05);
    EXPECT_EQ(Tp(), c.after);  // at the boundary the two ways of heating differ in the last bit only
}

const double kCapacity = double(CSng(38.4)) * 1.16 * 1000;  // about 44 544 Wh/K

INSTANTIATE_TEST_SUITE_P(Cases, PoolHeater,
                         ::testing::Values(HeaterCase{"need_below_the_power", 24.9, true, 4454.4, 25},
                                           HeaterCase{"full_power", 20, true, 10000, 20 + 10000 / kCapacity},
                                           HeaterCase{"at_its_temperature", 25, true, 0, 25},
                                           HeaterCase{"programme_off", 20, false, 0, 20},
                                           // A need of exactly 137 000 Wh, the step's full power: the
                                           // heater gives its power rather than the need.
                                           HeaterCase{"need_exactly_the_power", 1.9243894900298735, true, 137000,
                                                      1.9243894900298735 + 137000 / kCapacity, 5, 274}));

TEST_F(Pool, ACollapsedPoolStopsAtZeroDegrees) {
    m.clock.Honap = 1;
    m.clock.Ora = 3;
    weather(0, -10);
    m.st.Medencehomerseklet = 0.001;
    poolHeatBalance(m);
    EXPECT_EQ(Tp(), 0);
}

// --- Collector heat -----------------------------------------------------------------------------

TEST_F(Pool, CollectorHeatWarmsThePoolUpToItsMaximum) {
    m.step.Kollkozeptemp = 26;
    m.st.Kolldt = 3;
    poolCollectorStep(m, 800);
    EXPECT_GT(m.step.KollHoMed, 0);
    EXPECT_NEAR(Tp(), 24 + m.step.KollHoMed / kCapacity, 1e-12);
    EXPECT_FLOAT_EQ(m.st.Kolldt, float(m.step.KollHoMed / 3000 / 0.0696388 * 2));

    // Heat that would lift the pool past its maximum (30 °C) is refused; the
    // rise across the collectors stays that of the refused heat.
    m.st.Medencehomerseklet = 29.999;
    poolCollectorStep(m, 800);
    EXPECT_EQ(m.step.KollHoMed, 0);
    EXPECT_EQ(Tp(), 29.999);
    EXPECT_GT(m.st.Kolldt, 0);

    // An efficiency below 0.05 gives nothing and no rise.
    m.step.Kollkozeptemp = 120;
    m.st.Medencehomerseklet = 24;
    poolCollectorStep(m, 200);
    EXPECT_EQ(m.step.Kollhatasfok, 0);
    EXPECT_EQ(m.step.KollHoMed, 0);
    EXPECT_EQ(m.st.Kolldt, 0);
    EXPECT_EQ(Tp(), 24);
}

TEST(PoolCollectorTemperature, ThroughTheCollectorsTheSwitchOnDifferenceCountsWhileLarger) {
    EXPECT_EQ(throughCollectorsMeanTemperature(20, 5, 4), 25);
    EXPECT_EQ(throughCollectorsMeanTemperature(20, 5, 6), 23);
    EXPECT_EQ(throughCollectorsMeanTemperature(20, 5, 5), 22.5);
    EXPECT_EQ(throughCollectorsMeanTemperature(20, 0, 0), 20);
}

// --- Whole days --------------------------------------------------------------------------------

// A recorded July day of the annual cycle, the pool at 22 °C.
class PoolDay : public ::testing::Test {
protected:
    void SetUp() override {
        Alapertekek(m);
        m.s.Szamitasmod = 3;
        m.clock.Eredmenyrogzites = kTrue;
        m.clock.Honap = 7;
        m.clock.Nap = 10;
        m.s.Hetnapja = 3;
        m.s.Naptipus = 1;
        countDrawHours(m);
        setStartState(m);
        m.st.Medencehomerseklet = 22;
    }
    Model m;
};

TEST_F(PoolDay, GainsLessLossesAreTheHeatTheWaterKeeps) {
    m.s.Medfutesprogram = 1;  // the heater on all day, up to 25 °C
    for (auto day : {Medencerendszer21, Medencerendszer22}) {
        m.st.Medencehomerseklet = 22;
        day(m);
        const Results& r = m.res;
        const double kept = double(CSng(38.4)) * 1160 * (m.st.Medencehomerseklet - 22);
        EXPECT_NEAR(r.NapiKollHoMed + r.NapiHagyHoMed + r.NapiMedNyereseg - r.NapiMedVeszteseg, kept, 1.0);
        EXPECT_GT(r.NapiKollHoMed, 0);
        EXPECT_GT(r.NapiHagyHoMed, 0);
        EXPECT_EQ(r.NapiKollHo, r.NapiKollHoMed);
        EXPECT_EQ(r.NapiHagyHo, r.NapiHagyHoMed);
        EXPECT_NEAR(r.NapiOsszHoigeny, r.NapiMedVeszteseg, std::fabs(r.NapiMedVeszteseg) * 1e-6);
        EXPECT_EQ(r.NapiKollHoTar, 0);
        EXPECT_EQ(r.NapiHmvHoigeny, 0);
        EXPECT_EQ(r.NapiTar1Atlag, 0);
    }
}

TEST_F(PoolDay, WithoutASwitchOnDifferenceTwentyOneAndTwentyTwoDifferOnlyInSinglePrecisionTotals) {
    for (int month = 1; month <= 12; ++month) m.prog.AutBekapcsdTMed(0, month) = 0;
    Medencerendszer21(m);
    const Results first = m.res;
    const double end21 = m.st.Medencehomerseklet;
    setStartState(m);
    m.st.Medencehomerseklet = 22;
    Medencerendszer22(m);
    EXPECT_EQ(m.st.Medencehomerseklet, end21);
    EXPECT_EQ(m.res.NapiKollHoMed, first.NapiKollHoMed);
    EXPECT_EQ(m.res.NapiMedVeszteseg, first.NapiMedVeszteseg);
    EXPECT_EQ(m.res.NapiMedTemp, first.NapiMedTemp);
    EXPECT_EQ(m.res.NapiKollHo, first.NapiKollHo);
    EXPECT_EQ(m.res.NapiOsszHoigeny, CSng(m.res.NapiMedVeszteseg));  // one conversion at the end
    EXPECT_NEAR(first.NapiOsszHoigeny, m.res.NapiOsszHoigeny, std::fabs(first.NapiMedVeszteseg) * 1e-6);
}

TEST_F(PoolDay, NoSolarHeatWhenTheControllerIsOffForTheMonth) {
    m.prog.AutBeKiMed(0, 7) = 0;
    m.st.Kolldt = 2.5f;
    Medencerendszer21(m);
    EXPECT_EQ(m.res.NapiKollHoMed, 0);
    EXPECT_EQ(m.st.Kolldt, 2.5f);
    EXPECT_GT(m.res.NapiMedNyereseg, 0);  // the sun still warms the surface
}

TEST_F(PoolDay, AWarmUpDayAccumulatesNothing) {
    m.clock.Eredmenyrogzites = kFalse;
    m.s.Szamitasmod = 0;
    m.res.NapiKollHo = 99;
    Medencerendszer22(m);
    EXPECT_EQ(m.res.NapiKollHo, 0);
    EXPECT_EQ(m.res.NapiOsszHoigeny, 0);
    EXPECT_NE(m.st.Medencehomerseklet, 22);  // the water still changes
}

}  // namespace
}  // namespace nk
