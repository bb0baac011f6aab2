#include <gtest/gtest.h>

#include <ostream>

#include "hotwater_fixture.h"

namespace nk {
namespace {

using testing::HotWaterDay;

// --- Step count and clock -------------------------------------------------

struct StepCountCase {
    double draw;        // litres in the hour
    double smallest;    // smallest tank, l
    double collectors;  // number of collectors of 1.78 m²
    int G;
    int steps;
};
void PrintTo(const StepCountCase& c, std::ostream* os) {
    *os << c.draw << " l, " << c.smallest << " l, " << c.collectors << " x " << c.G;
}

class StepCount : public HotWaterDay, public ::testing::WithParamInterface<StepCountCase> {};

TEST_P(StepCount, FollowsTheDrawAndTheCollectorPower) {
    const auto& c = GetParam();
    m.step.Orasfogyasztas = c.draw;
    m.s.Legkisebbterfogat = Currency::fromDouble(c.smallest);
    m.s.Kollektorszam = c.collectors;
    EXPECT_EQ(stepsInHour(m, c.G), c.steps);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StepCount,
    ::testing::Values(StepCountCase{60, 300, 3, 0, 5}, StepCountCase{20, 300, 3, 0, 2},
                      StepCountCase{0, 300, 3, 800, 2},     // 4272 W: Int(4272 / 1500) = 2
                      StepCountCase{60, 150, 3, 0, 10},     // a smaller tank needs more steps
                      StepCountCase{0, 300, 100, 800, 94},  // 142400 W / 1500
                      // The collector bound never lowers what the draw asked for.
                      StepCountCase{120, 300, 40, 800, 37}, StepCountCase{240, 300, 40, 800, 37},
                      StepCountCase{300, 300, 40, 800, 37}, StepCountCase{480, 300, 40, 800, 40}));

TEST_F(HotWaterDay, StepCountThatDoesNotFitSixteenBitsIsAnOverflow) {
    m.step.Orasfogyasztas = 2e6;  // 166666 steps
    m.s.Legkisebbterfogat = Currency::fromDouble(300);
    try {
        stepsInHour(m, 0);
        FAIL() << "no error";
    } catch (const CalcError& e) {
        EXPECT_EQ(e.number(), kOverflow);
    }
}

TEST_F(HotWaterDay, StepsPerHourTimes24MustFitSixteenBits) {
    // 100000 l a day: hour 19 draws 17500 l, 1458 steps, 1458 x 24 > 32767.
    for (int d = 1; d <= 7; ++d) m.fogy.Fogynapi(1, 0, d) = 100000;
    try {
        Melegvizrendszer12(m);
        FAIL() << "no error";
    } catch (const CalcError& e) {
        EXPECT_EQ(e.number(), kOverflow);
    }
}

struct ClockCase {
    Integer steps;
    int step;
    int minute;
    int halfHour;
};
void PrintTo(const ClockCase& c, std::ostream* os) { *os << c.steps << " steps, step " << c.step; }

class StepClock : public HotWaterDay, public ::testing::WithParamInterface<ClockCase> {};

TEST_P(StepClock, StartMinuteAndHalfHour) {
    const auto& c = GetParam();
    m.clock.Lepesszam = c.steps;
    m.clock.Lepeshossz = 60.0 / c.steps;
    m.clock.Lepes = c.step;
    startStep(m);
    EXPECT_EQ(m.clock.Perc, c.minute);
    EXPECT_EQ(m.clock.Felora, c.halfHour);
}

INSTANTIATE_TEST_SUITE_P(Cases, StepClock,
                         ::testing::Values(ClockCase{7, 0, 0, 0}, ClockCase{7, 1, 8, 0}, ClockCase{7, 2, 17, 0},
                                           ClockCase{7, 3, 25, 0}, ClockCase{7, 4, 34, 1}, ClockCase{7, 5, 42, 1},
                                           ClockCase{7, 6, 51, 1}, ClockCase{22, 11, 29, 0},  // 11 x 60/22 falls short of 30
                                           ClockCase{2, 1, 30, 1}));

// --- Conventional heater ------------------------------------------------------

struct HeaterCase {
    const char* name;
    bool wholeTank;
    Integer power;  // kW
    double lo, mid, up;
    double heat, loAfter, midAfter, upAfter;
};
void PrintTo(const HeaterCase& c, std::ostream* os) { *os << c.name; }

class Heater : public HotWaterDay, public ::testing::WithParamInterface<HeaterCase> {};

TEST_P(Heater, HeatsTowardsItsTargets) {
    const auto& c = GetParam();
    atStep(0, 20);
    m.s.Tarolofutesteljesitmeny = c.power;
    setTank(1, c.lo, c.mid, c.up);
    const Tank t = tankOf(m, 1);
    if (c.wholeTank)
        wholeTankHeating(m, t);
    else
        upperPartHeating(m, t);
    EXPECT_NEAR(m.step.HagyHoTar, c.heat, 1e-9);
    EXPECT_NEAR(m.st.Tar1Also, c.loAfter, 0.005);
    EXPECT_NEAR(m.st.Tar1Kozep, c.midAfter, 0.005);
    EXPECT_NEAR(m.st.Tar1Felso, c.upAfter, 0.005);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Heater,
    ::testing::Values(HeaterCase{"upper_need_below_power", false, 10, 30, 40, 45, 232, 30, 35, 52},
                      HeaterCase{"upper_warm_middle", false, 10, 30, 60, 45, 812, 30, 60, 52},
                      HeaterCase{"upper_full_power", false, 10, 20, 20, 20, 5000, 20, 20 + 5000.0 / 3 / 116,
                                 20 + 10000.0 / 3 / 116},
                      HeaterCase{"upper_overshoot", false, 5, 20, 20, 40, 2088, 20, 26, 52},
                      HeaterCase{"upper_at_set_point", false, 10, 20, 20, 50, 0, 20, 20, 50},
                      HeaterCase{"whole_spread_over_all", true, 10, 20, 20, 20, 5000, 20 + 5000.0 / 348,
                                 20 + 5000.0 / 348, 20 + 5000.0 / 348},
                      HeaterCase{"whole_need_below_power", true, 10, 46, 45, 47, 1.16 * (5 * 100 + 3 * 100 - 2 * 100), 44,
                                 48, 52},
                      HeaterCase{"whole_warm_middle", true, 10, 20, 90, 49, 1.16 * 100 * 3, 20, 90, 52},
                      // Lower layer alone: it stays below the middle one.
                      HeaterCase{"whole_lower_only", true, 5, 10, 45, 49, 2500, 10 + 2500.0 / 116, 45, 49}));

TEST_F(HotWaterDay, HeaterFollowsItsTimeProgramme) {
    m.s.Tarolofutesprogram = 2;  // night: 22 h to 6 h
    setTank(1, 20, 20, 20);
    atStep(0, 20);
    upperPartHeating(m, tankOf(m, 1));
    EXPECT_EQ(m.step.HagyHoTar, 0);
    EXPECT_EQ(m.st.Tar1Felso, 20);
    m.clock.Ora = 23;
    upperPartHeating(m, tankOf(m, 1));
    EXPECT_EQ(m.step.HagyHoTar, 5000);
}

// --- Collector loop -----------------------------------------------------------

class Collector : public HotWaterDay {
protected:
    void SetUp() override {
        HotWaterDay::SetUp();
        m.s.KollA = 0.79;
        m.prog.AutBekapcsdT1(0, 6) = 5;
        atStep(800, 20);
    }
    SingleConsumerLoop system12{0.05f, false, true};
    SingleConsumerLoop system11{0.25f, true, false};
};

TEST_F(Collector, EfficiencyHeatAndRiseOfTheWorkedExample) {
    setTank(1, 30, 50, 60);
    singleConsumerCollectorStep(m, system12);
    EXPECT_DOUBLE_EQ(m.step.Kollkozeptemp, 35);
    EXPECT_EQ(m.step.Redukalthomerseklet, CSng(15.0 / 800));
    EXPECT_NEAR(m.step.Kollhatasfok, 0.709, 0.0005);
    EXPECT_NEAR(m.step.KollHoTar, 1362.44, 0.005);
    EXPECT_NEAR(m.st.Kolldt, 13.04, 0.005);
    EXPECT_NEAR(m.step.Tar1Emeles, 11.745, 0.001);
    EXPECT_NEAR(m.st.Tar1Also, 30 + m.step.Tar1Emeles, 1e-12);  // stays in the lower layer
}

TEST_F(Collector, NextStepMeanTemperatureIncludesHalfTheRise) {
    setTank(1, 30, 50, 60);
    m.st.Kolldt = 13.04f;
    singleConsumerCollectorStep(m, system12);
    EXPECT_DOUBLE_EQ(m.step.Kollkozeptemp, 30 + 5 + double(13.04f) / 2);
}

TEST_F(Collector, RunsOnlyAboveFiftyWattsAndWhenEnabled) {
    setTank(1, 30, 50, 60);
    setTank(1, 10, 50, 60);  // a cold tank keeps the efficiency up at low irradiance
    m.st.Kolldt = 3;
    m.klima.Kollsugarzas(6, 12, 1) = 50;
    singleConsumerCollectorStep(m, system12);
    EXPECT_EQ(m.step.KollHoTar, 0);
    EXPECT_EQ(m.st.Kolldt, 3);
    m.klima.Kollsugarzas(6, 12, 1) = 51;
    singleConsumerCollectorStep(m, system12);
    EXPECT_GT(m.step.KollHoTar, 0);

    m.st.Kolldt = 3;
    m.prog.AutBeKi1(0, 6) = 0;
    m.klima.Kollsugarzas(6, 12, 1) = 800;
    singleConsumerCollectorStep(m, system12);
    EXPECT_EQ(m.step.KollHoTar, 0);
    EXPECT_EQ(m.st.Kolldt, 3);
}

TEST_F(Collector, LowEfficiencyStopsTheLoopAndClearsTheRise) {
    // A hot tank on a cold day: system 11 stops below 0.25, system 12 runs down to 0.05.
    m.klima.Levegohomerseklet(6, 12, 1) = -5;
    m.prog.AutMaxhofok1(0, 6) = 100;
    setTank(1, 80, 80, 80);
    m.st.Kolldt = 4;
    singleConsumerCollectorStep(m, system11);
    ASSERT_LT(m.step.Kollhatasfok, 0.25f);
    ASSERT_GE(m.step.Kollhatasfok, 0.05f);
    EXPECT_EQ(m.step.KollHoTar, 0);
    EXPECT_EQ(m.step.Csoveszteseg, 0);
    EXPECT_EQ(m.step.Szivattyuperc, 0);
    EXPECT_EQ(m.st.Kolldt, 0);
    singleConsumerCollectorStep(m, system12);
    EXPECT_GT(m.step.KollHoTar, 0);
}

// A tank's charge from the controller's walk is taken at an efficiency of
// exactly 0.05; only one below it is refused.
TEST_F(Collector, AChargeAtAnEfficiencyOfExactlyTheCutOffIsTaken) {
    setTank(1, 30, 50, 60);
    m.s.KollA = 0.05f;
    m.s.KollB = 0;
    m.s.KollC = 0;
    EXPECT_EQ(chargeTankFromCollectors(m, consumerOf(m, 1), 800), Charge::Done);
    EXPECT_EQ(m.step.Kollhatasfok, 0.05f);
    EXPECT_GT(m.step.KollHoTar, 0);
}

struct SpreadCase {
    const char* name;
    double lo, mid, up;
    int spreadOver;  // 1 lower only, 2 lower and middle, 3 whole tank
};
void PrintTo(const SpreadCase& c, std::ostream* os) { *os << c.name; }

class Spreading : public Collector, public ::testing::WithParamInterface<SpreadCase> {};

TEST_P(Spreading, DependsOnTheLowerLayerWithItsRise) {
    const auto& c = GetParam();
    setTank(1, c.lo, c.mid, c.up);
    const Consumer con = consumerOf(m, 1);
    const double Q = 5 * 116;  // 5 K in a 100 l layer
    const double rise = chargeLowerLayer(m, con, Q);
    spreadCharge(m, con, rise, Q);
    const double each = 5.0 / c.spreadOver;
    EXPECT_NEAR(m.st.Tar1Also, c.lo + each, 1e-9);
    EXPECT_NEAR(m.st.Tar1Kozep, c.mid + (c.spreadOver >= 2 ? each : 0), 1e-9);
    EXPECT_NEAR(m.st.Tar1Felso, c.up + (c.spreadOver == 3 ? each : 0), 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Cases, Spreading,
                         ::testing::Values(SpreadCase{"lower_only", 20, 40, 60, 1}, SpreadCase{"lower_and_middle", 20, 24, 60, 2},
                                           SpreadCase{"whole_tank", 40, 40, 40, 3},
                                           SpreadCase{"exactly_middle_less_3", 16, 24, 60, 2}));

TEST_F(Collector, ChargeAboveTheMonthsMaximumIsLost) {
    m.prog.AutMaxhofok1(0, 6) = 35;
    setTank(1, 30, 50, 60);
    singleConsumerCollectorStep(m, system12);
    EXPECT_EQ(m.step.KollHoTar, 0);
    EXPECT_EQ(m.st.Tar1Also, 30);
    EXPECT_NEAR(m.st.Kolldt, 13.04, 0.005);  // kept from the step
    EXPECT_EQ(m.st.Kollallapot, 2);          // system 12 leaves state 2 behind
}

TEST_F(Collector, LowerLayerExactlyAtTheMaximumKeepsTheHeat) {
    setTank(1, 30, 50, 60);
    singleConsumerCollectorStep(m, system12);
    const double reached = m.st.Tar1Also;
    setTank(1, 30, 50, 60);
    m.prog.AutMaxhofok1(0, 6) = reached;
    singleConsumerCollectorStep(m, system12);
    EXPECT_GT(m.step.KollHoTar, 0);
}

// --- Pipe heat loss -----------------------------------------------------------

struct PipeCase {
    const char* name;
    double Q;
    double outdoor, indoor;  // lengths, m
    double Tm;
    double loss, charged;
};
void PrintTo(const PipeCase& c, std::ostream* os) { *os << c.name; }

class PipeLoss : public HotWaterDay, public ::testing::WithParamInterface<PipeCase> {};

TEST_P(PipeLoss, IsTakenFromTheCollectorHeat) {
    const auto& c = GetParam();
    atStep(800, 10);
    m.pipe.Kulsocsohossz = c.outdoor;
    m.pipe.Belsocsohossz = CSng(c.indoor);
    m.step.Kollkozeptemp = c.Tm;
    m.step.KollHoTar = c.Q;
    collectorPipeLoss(m);
    EXPECT_NEAR(m.step.Csoveszteseg, c.loss, 0.005);
    EXPECT_NEAR(m.step.KollHoTar, c.charged, 0.005);
    EXPECT_NEAR(m.step.KollHoTar + m.step.Csoveszteseg, c.Q, 1e-4);
}

INSTANTIATE_TEST_SUITE_P(Cases, PipeLoss,
                         ::testing::Values(PipeCase{"ordinary", 1068, 10, 15, 50, 94.11, 973.89},
                                           PipeCase{"loss_above_heat", 60, 10, 15, 50, 60, 0},
                                           PipeCase{"warm_day_cold_fluid", 500, 10, 15, 5, -30.447, 530.447},
                                           PipeCase{"no_pipe", 500, 0, 0, 50, 0, 500}));

TEST_F(HotWaterDay, PipeLossEqualToTheHeatLeavesNothingForTheTank) {
    atStep(800, 10);
    m.step.Kollkozeptemp = 50;
    m.step.KollHoTar = 0;
    collectorPipeLoss(m);  // to learn the loss of this pipe
    const double loss = m.step.Csoveszteseg;
    m.step.KollHoTar = loss;
    collectorPipeLoss(m);
    EXPECT_EQ(m.step.KollHoTar, 0);
    EXPECT_EQ(m.step.Csoveszteseg, CSng(loss));
}

TEST_F(HotWaterDay, System11ChargesTheNetHeatAndCountsPumpMinutes) {
    m.s.KollA = 0.79;
    m.prog.AutBekapcsdT1(0, 6) = 5;
    atStep(800, 20);
    setTank(1, 30, 50, 60);
    const SingleConsumerLoop system11{0.25f, true, false};
    singleConsumerCollectorStep(m, system11);
    const double gross = double(m.step.Kollhatasfok) * 800 * 1.78 * 3 / 2;  // no flat system loss
    EXPECT_NEAR(m.step.KollHoTar + m.step.Csoveszteseg, gross, 1e-3);
    EXPECT_GT(m.step.Csoveszteseg, 0);
    EXPECT_EQ(m.step.Szivattyuperc, 30);
    EXPECT_NEAR(m.st.Kolldt, m.step.KollHoTar / 3000 / 0.0696388 * 2, 1e-4);

    // A charge over the maximum: no loss, no heat, but the pump ran.
    m.prog.AutMaxhofok1(0, 6) = 31;
    setTank(1, 30, 50, 60);
    singleConsumerCollectorStep(m, system11);
    EXPECT_EQ(m.step.KollHoTar, 0);
    EXPECT_EQ(m.step.Csoveszteseg, 0);
    EXPECT_EQ(m.step.Szivattyuperc, 30);
    EXPECT_EQ(m.st.Kollallapot, 0);
}

// --- Draw-off and losses ------------------------------------------------------

class DrawOff : public HotWaterDay {
protected:
    double standing(double T, int N = 2) { return T - ((T - 15) / 45 * 0.2) / N; }
};

TEST_F(DrawOff, HourlyDrawFollowsTheProfile) {
    const double litres[] = {0, 0, 0, 0, 0, 5, 20, 15, 0, 0, 0, 0, 0, 0, 0, 0, 10, 20, 30, 35, 25, 20, 15, 5};
    for (int h = 0; h < 24; ++h) {
        m.clock.Ora = h;
        hourDraw(m);
        EXPECT_DOUBLE_EQ(m.step.Orasfogyasztas, litres[h]) << h;
    }
}

struct MixCase {
    double outlet;
    float volume;  // taken from the tank in the step, l
};
void PrintTo(const MixCase& c, std::ostream* os) { *os << c.outlet << " °C"; }

class Mixing : public DrawOff, public ::testing::WithParamInterface<MixCase> {};

TEST_P(Mixing, ScalesTheVolumeTakenAboveFortyDegrees) {
    atStep(0, 20);
    m.step.Orasfogyasztas = 30;
    setTank(1, 20, 30, GetParam().outlet);
    drawOffStep(m, 1);
    EXPECT_EQ(m.step.Lepesfogyasztas, GetParam().volume);
}

INSTANTIATE_TEST_SUITE_P(Cases, Mixing,
                         ::testing::Values(MixCase{40, 15}, MixCase{40.01, float(15 * 33 / 28.01)},
                                           MixCase{60, float(15 * 33 / 48.0)}, MixCase{42, 16.5f}, MixCase{30, 15}));

TEST_F(DrawOff, HourWithoutDrawOnlyLosesHeat) {
    atStep(0, 20);
    m.clock.Ora = 12;  // weight 0 in the start-up profile
    hourDraw(m);
    setTank(1, 60, 50, 40);
    drawOffStep(m, 1);
    EXPECT_EQ(m.step.Lepesfogyasztas, 0);
    EXPECT_DOUBLE_EQ(m.st.Tar1Also, standing(60));  // no inversion repair in tank 1
    EXPECT_DOUBLE_EQ(m.st.Tar1Kozep, standing(50));
    EXPECT_DOUBLE_EQ(m.st.Tar1Felso, standing(40));
    const double demand = ((standing(60) + standing(50) + standing(40)) - 45) / 135 * 0.2 * 1.16 * 300 / 2;
    EXPECT_DOUBLE_EQ(m.step.HmvHoigeny, demand);
}

TEST_F(DrawOff, TankAtFifteenDegreesLosesNothing) {
    atStep(0, 20);
    m.step.Orasfogyasztas = 0;
    setTank(1, 15, 15, 15);
    drawOffStep(m, 1);
    EXPECT_EQ(m.st.Tar1Felso, 15);
    EXPECT_EQ(m.step.HmvHoigeny, 0);
}

TEST_F(DrawOff, InversionRepairOfTheFedTank) {
    atStep(0, 20);
    m.step.Orasfogyasztas = 0;
    setTank(1, 20, 20, 20);
    setTank(2, 50, 40, 42);
    drawOffStep(m, 2);
    // After the repair 43.17, 44.17, 45.17; then the standing loss.
    const double mean = (100 * 45 + 100 * 45.5 + 100 * 42) / 300.0;
    EXPECT_NEAR(m.st.Tar2Also, standing(mean - 1), 1e-12);
    EXPECT_NEAR(m.st.Tar2Kozep, standing(mean), 1e-12);
    EXPECT_NEAR(m.st.Tar2Felso, standing(mean + 1), 1e-12);
    EXPECT_NEAR(mean, 44.1667, 1e-4);
}

TEST_F(DrawOff, PlugFlowFeedsEachTankFromThePreviousUpperLayer) {
    atStep(0, 20);
    m.clock.Ora = 18;  // 30 l in the start-up profile
    hourDraw(m);
    setTank(1, 20, 30, 40);
    setTank(2, 45, 50, 55);
    setTank(3, 58, 60, 62);
    m.s.Cirkvesztes = 0;
    drawOffStep(m, 3);
    const double v = CSng(15 * 33.0 / 50);
    auto flow = [&](double T, double feed, double V = 100) { return (v * feed + (V - v) * T) / V; };
    // Tank 1 is fed cold water, tank 2 tank 1's old upper layer, tank 3 tank 2's.
    EXPECT_NEAR(m.st.Tar1Also, standing(flow(20, 12)), 1e-12);
    EXPECT_NEAR(m.st.Tar2Also, standing(flow(45, 40)), 1e-12);
    EXPECT_NEAR(m.st.Tar3Also, standing(flow(58, 55)), 1e-12);
    EXPECT_NEAR(m.st.Tar3Felso, standing(flow(62, 60)), 1e-12);
    EXPECT_NEAR(m.st.Tar2Kozep, standing(flow(50, 45)), 1e-12);
}

TEST_F(DrawOff, CirculationLossAndSurcharge) {
    atStep(0, 20);
    m.prep.Fogyasztasiorak(1) = 10;
    m.clock.Ora = 18;  // weight 1200 of 8000: 30 l
    hourDraw(m);
    setTank(1, 15, 15, 15);
    drawOffStep(m, 1);
    const double L = 20.0 / (10 * 200 * 2) * 33 * 200 * 1.16;
    EXPECT_NEAR(L, 38.28, 1e-9);
    // The flow leaves the upper two layers at 15 °C; each then loses L.
    EXPECT_NEAR(m.st.Tar1Felso, standing(15 - L / 116), 1e-12);
    EXPECT_NEAR(m.st.Tar1Kozep, standing(15 - L / 116), 1e-12);
    const double useful = 33 * 30 * 1.16 / 2;
    EXPECT_NEAR(useful, 574.2, 1e-9);
    const double demand = ((m.st.Tar1Also + m.st.Tar1Kozep + m.st.Tar1Felso) - 45) / 135 * 0.2 * 1.16 * 300 / 2;
    EXPECT_NEAR(m.step.HmvHoigeny, useful * 1.2 + demand, 1e-9);
    EXPECT_NEAR(useful * 1.2, 689.04, 1e-9);
}

TEST_F(DrawOff, NoCirculationWithoutItsPercentage) {
    atStep(0, 20);
    m.s.Cirkvesztes = 0;
    m.clock.Ora = 18;
    hourDraw(m);
    setTank(1, 15, 15, 15);
    drawOffStep(m, 1);
    EXPECT_DOUBLE_EQ(m.st.Tar1Felso, 15);
    const double demand = ((m.st.Tar1Also + m.st.Tar1Kozep + m.st.Tar1Felso) - 45) / 135 * 0.2 * 1.16 * 300 / 2;
    EXPECT_NEAR(m.step.HmvHoigeny, 574.2 + demand, 1e-9);
}

}  // namespace
}  // namespace nk
