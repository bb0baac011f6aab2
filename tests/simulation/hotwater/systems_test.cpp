#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <ostream>

#include "hotwater_fixture.h"

namespace nk {
namespace {

using testing::HotWaterDay;

constexpr PriorityList kList14{2, {2, 1, 0}, true};
constexpr PriorityList kList15{2, {2, 1, 0}, false};
constexpr PriorityList kList16{3, {3, 2, 1}, false};

// --- Programme reset ----------------------------------------------------------

struct ResetCase {
    const char* name;
    bool system16;
    int on1, on2, on3;
    Integer before;
    Integer after;
};
void PrintTo(const ResetCase& c, std::ostream* os) { *os << c.name; }

class ProgrammeReset : public HotWaterDay, public ::testing::WithParamInterface<ResetCase> {};

TEST_P(ProgrammeReset, PicksTheHighestPriorityTankThatIsOn) {
    const auto& c = GetParam();
    m.prog.AutBeKi1(0, 6) = c.on1;
    m.prog.AutBeKi2(0, 6) = c.on2;
    m.prog.AutBeKi3(0, 6) = c.on3;
    m.st.Kollallapot = c.before;
    programmeReset(m, c.system16 ? kList16 : kList14);
    EXPECT_EQ(m.st.Kollallapot, c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProgrammeReset,
    ::testing::Values(ResetCase{"two_both_on", false, 1, 1, 1, 0, 1}, ResetCase{"two_only_tank1", false, 1, 0, 1, 1, 2},
                      ResetCase{"two_only_tank2", false, 0, 1, 0, 2, 1},
                      ResetCase{"two_all_off_turns_the_loop_off", false, 0, 0, 1, 1, 0},
                      ResetCase{"three_all_on", true, 1, 1, 1, 0, 1}, ResetCase{"three_tank3_off", true, 1, 1, 0, 0, 2},
                      ResetCase{"three_only_tank1", true, 1, 0, 0, 0, 3},
                      ResetCase{"three_all_off_turns_the_loop_off", true, 0, 0, 0, 3, 0}));

// --- Collector walk of the controller -----------------------------------------

class Controller : public HotWaterDay {
protected:
    void SetUp() override {
        HotWaterDay::SetUp();
        atStep(800, 20);
        setTank(1, 20, 30, 40);
        setTank(2, 20, 30, 40);
        setTank(3, 20, 30, 40);
    }
    void fillTankToItsMaximum(int k) { setTank(k, 69.9, 70, 70); }
};

TEST_F(Controller, ChargesThePriorityTankFirst) {
    programmeReset(m, kList14);
    controllerCollectorStep(m, kList14);
    EXPECT_EQ(m.st.Kollallapot, 1);
    EXPECT_GT(m.step.KollHoTar, 0);
    EXPECT_GT(m.st.Tar2Also, 20);
    EXPECT_EQ(m.st.Tar1Also, 20);
    EXPECT_NEAR(m.step.PufEmeles, m.st.Tar2Also - 20, 1e-12);
}

TEST_F(Controller, FullPriorityTankPassesToTheNextInTheSameStep) {
    fillTankToItsMaximum(2);
    programmeReset(m, kList14);
    controllerCollectorStep(m, kList14);
    EXPECT_EQ(m.st.Kollallapot, 2);
    EXPECT_EQ(m.st.Tar2Also, 69.9);
    EXPECT_GT(m.st.Tar1Also, 20);
    EXPECT_GT(m.step.KollHoTar, 0);
    // Within the hour the full tank is not tried again.
    setTank(2, 20, 30, 40);
    controllerCollectorStep(m, kList14);
    EXPECT_EQ(m.st.Tar2Also, 20);
}

TEST_F(Controller, NextTankSwitchedOffEndsTheWalkAtZero) {
    m.prog.AutBeKi1(0, 6) = 0;
    fillTankToItsMaximum(2);
    programmeReset(m, kList14);
    ASSERT_EQ(m.st.Kollallapot, 1);
    controllerCollectorStep(m, kList14);
    EXPECT_EQ(m.st.Kollallapot, 0);
    EXPECT_EQ(m.step.KollHoTar, 0);
    EXPECT_EQ(m.st.Tar1Also, 20);
    controllerCollectorStep(m, kList14);  // off to the end of the hour
    EXPECT_EQ(m.st.Kollallapot, 0);
    EXPECT_EQ(m.step.KollHoTar, 0);
}

TEST_F(Controller, SwitchedOffMiddleTankIsSkippedAtOnce) {
    m.prog.AutBeKi2(0, 6) = 0;
    fillTankToItsMaximum(3);
    programmeReset(m, kList16);
    ASSERT_EQ(m.st.Kollallapot, 1);
    controllerCollectorStep(m, kList16);
    EXPECT_EQ(m.st.Kollallapot, 3);
    EXPECT_EQ(m.st.Tar2Also, 20);
    EXPECT_GT(m.st.Tar1Also, 20);
    EXPECT_EQ(m.step.Tar3Emeles, CSng(m.step.Tar3Emeles));
}

TEST_F(Controller, NoEvaluationAtFiftyWatts) {
    m.klima.Kollsugarzas(6, 12, 1) = 50;
    m.st.Kollallapot = 1;
    m.st.Kolldt = 7;
    fillTankToItsMaximum(2);
    controllerCollectorStep(m, kList14);
    EXPECT_EQ(m.st.Kollallapot, 1);
    EXPECT_EQ(m.st.Kolldt, 7);
    EXPECT_EQ(m.step.KollHoTar, 0);
}

// Tank 2 full and tank 1 too hot for the collector: the state ends at 0 and
// only system 14 clears the collector rise.
TEST_F(Controller, LastTankBelowTheThresholdEndsAtZero) {
    for (const PriorityList* list : {&kList14, &kList15}) {
        fillTankToItsMaximum(2);
        setTank(1, 200, 200, 200);
        m.prog.AutMaxhofok1(0, 6) = 300;
        m.st.Kolldt = 0;
        m.st.Kollallapot = 1;
        controllerCollectorStep(m, *list);
        EXPECT_EQ(m.st.Kollallapot, 0);
        EXPECT_EQ(m.step.KollHoTar, 0);
        EXPECT_EQ(m.st.Tar2Also, 69.9);
        if (list->zeroRiseWhenLastFails) {
            EXPECT_EQ(m.st.Kolldt, 0);
        } else {
            EXPECT_GT(m.st.Kolldt, 0);  // the value computed for tank 2
        }
    }
}

// --- Whole days ---------------------------------------------------------------

using DayFn = void (*)(Model&);
struct SystemCase {
    int number;
    DayFn day;
    int tanks;
};
void PrintTo(const SystemCase& c, std::ostream* os) { *os << "system " << c.number; }

const SystemCase kSystems[] = {{11, Melegvizrendszer11, 1}, {12, Melegvizrendszer12, 1}, {13, Melegvizrendszer13, 2},
                               {14, Melegvizrendszer14, 2}, {15, Melegvizrendszer15, 3}, {16, Melegvizrendszer16, 3}};

class SystemDay : public HotWaterDay, public ::testing::WithParamInterface<SystemCase> {};

double hourSum(const HourlyArray& a, int nap, int from, int to) {
    double s = 0;
    for (int h = from; h <= to; ++h) s += a(nap, h);
    return s;
}

TEST_P(SystemDay, HourlyValuesAddUpToTheDayTotals) {
    const auto& c = GetParam();
    m.s.Rendszerszam = c.number;
    // Warm tanks, as after a steady run, so that every sub-model acts.
    for (int k = 1; k <= 3; ++k) setTank(k, 35, 42, 48);
    c.day(m);
    const Results& r = m.res;
    EXPECT_GT(r.NapiKollHoTar, 0);
    EXPECT_GT(r.NapiHmvHoigeny, 0);
    EXPECT_NEAR(hourSum(r.OraKollHoTar, 15, 0, 23), r.NapiKollHoTar, 1e-6);
    EXPECT_NEAR(hourSum(r.OraHagyHoTar, 15, 0, 23), r.NapiHagyHoTar, 1e-6);
    EXPECT_NEAR(hourSum(r.OraHmvHoigeny, 15, 0, 23), r.NapiHmvHoigeny, 0.05);  // the day total is a single
    EXPECT_NEAR(hourSum(r.OraCsoveszteseg, 15, 0, 23), r.NapiCsoveszteseg, 0.01);
    EXPECT_EQ(r.NapiKollHo, r.NapiKollHoTar);
    EXPECT_EQ(r.NapiHagyHo, r.NapiHagyHoTar);
    EXPECT_EQ(r.NapiOsszHoigeny, r.NapiHmvHoigeny);
    EXPECT_EQ(r.NapiOsszNyereseg, 0);
    for (int h = 0; h <= 23; ++h) EXPECT_EQ(r.OraKollHo(15, h), r.OraKollHoTar(15, h));
    // Irradiation: the hours' collector-plane values.
    double sun = 0;
    for (int h = 0; h <= 23; ++h) sun += m.klima.Kollsugarzas(6, h, 1);
    EXPECT_NEAR(r.NapiSugarzas, sun, 1e-9);
    // Day means are the means of the hourly means; column 0 the start value.
    EXPECT_EQ(r.OraTar1Felso(15, 0), 48);
    EXPECT_NEAR(r.NapiTar1Felso, hourSum(r.OraTar1Felso, 15, 1, 24) / 24, 1e-9);
    EXPECT_NEAR(r.NapiTar1Atlag, (r.NapiTar1Also + r.NapiTar1Kozep + r.NapiTar1Felso) / 3, 1e-9);
    if (c.tanks >= 2) {
        EXPECT_NEAR(r.NapiTar2Also, hourSum(r.OraTar2Also, 15, 1, 24) / 24, 1e-9);
    }
    if (c.tanks == 3) {
        EXPECT_NEAR(r.NapiTar3Kozep, hourSum(r.OraTar3Kozep, 15, 1, 24) / 24, 1e-4);
    }
    // The tanks a system lacks: no means, extremes cleared, layers untouched.
    EXPECT_EQ(r.NapiTar2Also == 0, c.tanks < 2);
    EXPECT_EQ(r.NapiTar3Felso == 0, c.tanks < 3);
    EXPECT_EQ(r.Tar2FelsoMax == 0, c.tanks < 2);
    EXPECT_EQ(r.Tar3AlsoMin == 0, c.tanks < 3);
    if (c.tanks < 3) {
        EXPECT_EQ(m.st.Tar3Kozep, 42);
    }
    // Only system 11 reports a pipe loss and pump time.
    EXPECT_EQ(r.NapiCsoveszteseg > 0, c.number == 11);
    EXPECT_EQ(r.NapiSzivattyuperc > 0, c.number == 11);
    EXPECT_GE(r.Tar1FelsoMax, 48);
    EXPECT_LE(r.Tar1AlsoMin, 35);
}

TEST_P(SystemDay, WarmUpDayChangesTheTanksButRecordsNothing) {
    const auto& c = GetParam();
    m.s.Szamitasmod = 0;
    m.clock.Eredmenyrogzites = kFalse;
    m.res.OraKollHoTar.erase();  // any write to an hourly array would fail
    m.res.OraTar1Also.erase();
    m.res.Tar1FelsoMax = 0;
    c.day(m);
    const Results& r = m.res;
    EXPECT_NE(m.st.Tar1Also, 12);
    EXPECT_EQ(r.NapiKollHoTar, 0);
    EXPECT_EQ(r.NapiHmvHoigeny, 0);
    EXPECT_EQ(r.NapiSugarzas, 0);
    EXPECT_EQ(r.NapiTar1Atlag, 0);
    EXPECT_EQ(r.Tar1FelsoMax, 0);
    EXPECT_EQ(r.Tar1AlsoMin, 100);
}

TEST_P(SystemDay, UnrecordedDayOfTheMonthlyCycleStillAccumulates) {
    const auto& c = GetParam();
    m.s.Szamitasmod = 2;
    m.clock.Eredmenyrogzites = kFalse;
    c.day(m);
    EXPECT_GT(m.res.NapiHmvHoigeny, 0);
    EXPECT_NEAR(hourSum(m.res.OraKollHoTar, 15, 0, 23), m.res.NapiKollHoTar, 1e-6);
    EXPECT_EQ(m.res.OraTar1Also(15, 0), 0);  // no start-of-day value
    EXPECT_GT(m.res.OraTar1Also(15, 1), 0);
}

TEST_P(SystemDay, NoInputWithinTheSettingsRangesYieldsInfinityOrNaN) {
    const auto& c = GetParam();
    m.s.Rendszerszam = c.number;
    struct Extreme {
        std::function<void(Model&)> set;
    };
    const Extreme extremes[] = {
        {[](Model& x) { x.s.Tarolofuteshofok = 90; x.s.Tarolofutesteljesitmeny = 500; }},
        {[](Model& x) { x.s.Tarolofuteshofok = 30; x.s.Tarolofutesteljesitmeny = 1; }},
        {[](Model& x) { x.s.Hidegvizhofok = 35; x.s.Melegvizhofok = 20; x.s.Cirkvesztes = 50; }},
        {[](Model& x) { x.s.Hidegvizhofok = 5; x.s.Melegvizhofok = 90; x.s.Cirkvesztes = 0; }},
        {[](Model& x) { x.s.Kollektorszam = 500; x.s.Kollektorfelulet = 1.78; }},
        {[](Model& x) { x.s.Kollektorszam = 1; x.s.Rendszerveszteseg = 50; }},
        {[](Model& x) { x.pipe.Csohejellenallas = insulationResistance(500, 1, 0.1f); x.pipe.Kulsocsohossz = 1000; }},
        {[](Model& x) { x.pipe.Belsoterhofok = 30; x.pipe.Belsocsohossz = 0; x.pipe.Kulsocsohossz = 0; }},
        {[](Model& x) { x.prog.AutMaxhofok1(0, 6) = 20; x.prog.AutBekapcsdT1(0, 6) = 20; }},
        {[](Model& x) { for (int d = 1; d <= 7; ++d) x.fogy.Fogynapi(1, 0, d) = 10000; }},
    };
    for (const auto& e : extremes) {
        Model x;
        Alapertekek(x);
        x.s.Naptipus = 1;
        x.s.Szamitasmod = 3;
        x.clock.Honap = 7;
        x.clock.Nap = 1;
        x.s.Hetnapja = 3;
        countDrawHours(x);
        e.set(x);
        setStartState(x);
        try {
            for (int d = 0; d < 3; ++d) c.day(x);
        } catch (const CalcError& err) {
            EXPECT_EQ(err.number(), kOverflow);  // only a step count beyond 16 bits
            continue;
        }
        for (double v : {x.st.Tar1Also, x.st.Tar1Felso, x.st.Tar2Kozep, x.st.Tar3Felso, x.res.NapiKollHo,
                         x.res.NapiHagyHo, double(x.res.NapiHmvHoigeny), double(x.res.NapiCsoveszteseg),
                         double(x.st.Kolldt), x.res.NapiTar1Atlag})
            EXPECT_TRUE(std::isfinite(v));
    }
}

INSTANTIATE_TEST_SUITE_P(Systems, SystemDay, ::testing::ValuesIn(kSystems));

TEST_F(HotWaterDay, System12AfterSystem11ReportsNoPipeLoss) {
    Melegvizrendszer11(m);
    ASSERT_GT(m.res.NapiCsoveszteseg, 0);
    Melegvizrendszer12(m);
    EXPECT_EQ(m.res.NapiCsoveszteseg, 0);
    EXPECT_EQ(m.res.NapiSzivattyuperc, 0);
}

TEST_F(HotWaterDay, PreHeatingTanksNeverGetConventionalHeat) {
    for (DayFn day : {Melegvizrendszer13, Melegvizrendszer15}) {
        setStartState(m);
        m.s.Tarolofutesprogram = 3;  // heater off
        day(m);
        EXPECT_EQ(m.res.NapiHagyHoTar, 0);
        EXPECT_GT(m.res.NapiKollHoTar, 0);
        // The heated (outlet) tank warms only through the water drawn into it.
        EXPECT_GT(m.res.Tar2FelsoMax, 12);
    }
}

TEST_F(HotWaterDay, MonthWithEveryProgrammeOffChargesNothing) {
    for (int k = 1; k <= 12; ++k) {
        m.prog.AutBeKi1(0, k) = 0;
        m.prog.AutBeKi2(0, k) = 0;
        m.prog.AutBeKi3(0, k) = 0;
    }
    Melegvizrendszer11(m);
    EXPECT_EQ(m.res.NapiKollHoTar, 0);
    for (DayFn day : {Melegvizrendszer14, Melegvizrendszer16}) {
        m.st.Kollallapot = 1;  // as an earlier month or run may have left it
        day(m);
        EXPECT_EQ(m.res.NapiKollHoTar, 0);
        EXPECT_EQ(m.st.Kollallapot, 0);
    }
}

TEST_F(HotWaterDay, ExtremesStartFromTheRecordedDaysStartTemperatures) {
    setTank(1, 50, 50, 50);
    setTank(2, 40, 40, 40);
    m.res.Tar2FelsoMax = 45;
    m.clock.Ora = 0;
    Melegvizrendszer16(m);
    EXPECT_GE(m.res.Tar2FelsoMax, 45);
    EXPECT_LE(m.res.Tar2AlsoMin, 40);
    EXPECT_GE(m.res.Tar3FelsoMax, 12);
}

}  // namespace
}  // namespace nk
