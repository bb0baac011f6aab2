#include <gtest/gtest.h>

#include <ostream>

#include "simulation/cycles/run_steps.h"
#include "simulation/poolcombined/building.h"
#include "support/step_clock.h"

namespace nk {
namespace {

// The start-up building and buffer in the first step of a January noon.
class Building : public ::testing::Test {
protected:
    void SetUp() override {
        testing::startAtStep(m, 2, 1, 12);
        setStartState(m);
    }
    // The same weather in every hour of the day.
    void weatherAllDay(double Ta, int east, int south, int west, int horizontal) {
        for (int h = 0; h <= 23; ++h) {
            m.klima.Levegohomerseklet(1, h, 2) = Single(Ta);
            m.klima.Keletisugarzas(1, h, 2) = Integer(east);
            m.klima.Delisugarzas(1, h, 2) = Integer(south);
            m.klima.Nyugatisugarzas(1, h, 2) = Integer(west);
            m.klima.Vizszintessugarzas(1, h, 2) = Integer(horizontal);
        }
    }
    void buffer(double lo, double mid, double up) {
        m.st.Tar2Also = lo;
        m.st.Tar2Kozep = mid;
        m.st.Tar2Felso = up;
    }
    // A step whose net demand, flow and return are given.
    void demand(float net, double flow) {
        m.step.NettoHoigeny = net;
        m.step.Eloremenohom = flow;
        m.step.Visszaterohom = returnTemperature(flow);
    }
    double bufferHeat() const { return m.st.Tar2Also + m.st.Tar2Kozep + m.st.Tar2Felso; }
    Model m;
};

// --- Loss coefficient, weights and heating curve -----------------------------------

TEST_F(Building, DefaultLossCoefficientAndWeights) {
    EXPECT_NEAR(heatLossCoefficient(m), 571.43, 0.005);
    const LossWeights w = lossWeights(m.s.Ablakarany.d());
    EXPECT_NEAR(w.wall, 0.4979, 0.00005);
    EXPECT_NEAR(w.window, 0.5021, 0.00005);
    EXPECT_DOUBLE_EQ(w.wall + w.window, 1.0);
}

struct CurveCase {
    double Tr, Ta, flow;
    float ret;
};
void PrintTo(const CurveCase& c, std::ostream* os) { *os << "Tr " << c.Tr << " Ta " << c.Ta; }

class HeatingCurve : public ::testing::TestWithParam<CurveCase> {};

TEST_P(HeatingCurve, FlowAndReturnAtSlope8) {
    const auto& c = GetParam();
    const double flow = flowTemperature(8, c.Tr, c.Ta);
    EXPECT_NEAR(flow, c.flow, 1e-9);
    EXPECT_FLOAT_EQ(returnTemperature(flow), c.ret);
}

// A setback room lowers the flow by 0.7071 K per kelvin and shifts the curve.
INSTANTIATE_TEST_SUITE_P(Cases, HeatingCurve,
                         ::testing::Values(CurveCase{20, -15, 44.7, 33.525f}, CurveCase{20, 0, 36, 27},
                                           CurveCase{20, 10, 29.2, 21.9f},
                                           CurveCase{18, 0, 33.67271215344, 25.254534f}));

// --- Room set temperature --------------------------------------------------------

TEST_F(Building, RoomFollowsTheHeatingProgramme) {
    const int prog = ix(m.s.Futes3program), heti = ix(m.s.Futes3heti);
    Var& slot = m.prog.Idoprogramok(3, prog, heti, 1, 12, 0);
    weatherAllDay(0, 0, 0, 0, 0);
    const BuildingDay day = buildingDayPrePass(m);
    for (const auto& [value, expected] : {std::pair{0.0, 18.0f}, {1.0, 20.0f}}) {
        slot = value;
        m.s.Szobahomerseklet = 5;
        buildingStep(m, day);
        EXPECT_EQ(m.s.Szobahomerseklet, expected) << value;
    }
    // Any other value keeps the last set temperature.
    slot = 2.0;
    m.s.Szobahomerseklet = 19.5f;
    buildingStep(m, day);
    EXPECT_EQ(m.s.Szobahomerseklet, 19.5f);
    // A programme choice that was never filled in is all setback.
    m.s.Futes3program = 0;
    buildingStep(m, day);
    EXPECT_EQ(m.s.Szobahomerseklet, 18.0f);
}

// --- Rings ---------------------------------------------------------------------

TEST_F(Building, RingSlotsShiftByTheTimeLag) {
    for (const auto& [lag, hour, slot] :
         {std::tuple{9.0, 12, 21}, {9.0, 15, 0}, {9.0, 23, 8}, {0.0, 7, 7}, {2.5, 0, 2}, {2.5, 1, 4}, {23.5, 0, 0}}) {
        m.s.Fazistolas = lag;
        EXPECT_EQ(ringSlot(m, hour), slot) << lag << " h after hour " << hour;
    }
}

TEST_F(Building, WithoutTimeLagTheWallsFeelThePresentHour) {
    m.s.Fazistolas = 0;
    m.s.Csillapitas = 1;  // undamped, so the wall term shows the ring value
    weatherAllDay(0, 0, 0, 0, 0);
    const BuildingDay day = buildingDayPrePass(m);
    m.klima.Levegohomerseklet(1, 12, 2) = -10;
    m.prep.KulsoGyuru(12) = 99;
    buildingStep(m, day);
    const double H = heatLossCoefficient(m), Tr = m.s.Szobahomerseklet;
    const double Tad = day.Tad;
    EXPECT_EQ(m.prep.KulsoGyuru(12), -10);
    EXPECT_NEAR(m.step.FalVeszteseg, H * ((Tr - Tad) + (Tad + 10)) * lossWeights(0.15).wall, 1e-9);
}

// --- Demand, sol-air and gains ------------------------------------------------------

TEST_F(Building, DemandOfAnOvercastDay) {
    weatherAllDay(-5, 0, 0, 0, 0);
    const BuildingDay day = buildingDayPrePass(m);
    EXPECT_EQ(day.Tad, -5.0f);
    EXPECT_DOUBLE_EQ(day.Tsd1, -5.0);
    buildRings(m);
    m.clock.Ora = 12;
    buildingStep(m, day);
    const double H = heatLossCoefficient(m), Tr = m.s.Szobahomerseklet;
    const LossWeights w = lossWeights(0.15);
    EXPECT_NEAR(m.step.FalVeszteseg, H * (Tr + 5) * w.wall, 1e-9);
    EXPECT_FLOAT_EQ(m.step.AblakVeszteseg, float(H * (Tr + 5) * w.window));
    EXPECT_NEAR(m.step.EpHoigeny, H * (Tr + 5), 0.001);
    EXPECT_EQ(m.step.EpNyereseg, 0);
    EXPECT_FLOAT_EQ(m.step.NettoHoigeny, float(m.step.EpHoigeny / 2));
}

TEST_F(Building, FacadeFlowsWithoutAbsorptionFollowTheLaggedAir) {
    m.s.Elnyelesitenyezo = 0;
    weatherAllDay(0, 300, 500, 300, 0);  // no window gains: the horizontal sun is 0
    const BuildingDay day = buildingDayPrePass(m);
    EXPECT_DOUBLE_EQ(day.Tsd2, 0.0);
    const double H = heatLossCoefficient(m);
    const double share =
        (m.s.Homlokzat1.d() + m.s.Homlokzat2.d() + m.s.Homlokzat3.d()) / double(m.s.Homlokzatossz);
    for (const auto& [lagged, gains] : {std::pair{4.0, H * share * 0.5 * 4}, {-4.0, 0.0}}) {
        for (int slot = 0; slot <= 23; ++slot) {
            m.prep.Napleg1Gyuru(slot) = lagged;
            m.prep.Napleg2Gyuru(slot) = lagged;
            m.prep.Napleg3Gyuru(slot) = Single(lagged);
        }
        m.s.Fazistolas = 9;  // the step writes slot 21 and reads slot 12
        buildingStep(m, day);
        EXPECT_NEAR(m.step.EpNyereseg, gains, 0.001) << lagged;
        EXPECT_EQ(m.prep.Napleg2Gyuru(21), 0.0);
    }
}

TEST_F(Building, WindowGainsNeedElevenWattsOnTheHorizontal) {
    m.s.Elnyelesitenyezo = 0;
    weatherAllDay(0, 100, 200, 50, 0);
    const BuildingDay day = buildingDayPrePass(m);
    buildRings(m);
    m.clock.Ora = 12;
    const double windows = 0.9 * 0.8 * (6.75 * 100 + 13.5 * 200 + 6.75 * 50);
    for (const auto& [horizontal, expected] : {std::pair{10, 0.0}, {11, windows}}) {
        m.klima.Vizszintessugarzas(1, 12, 2) = Integer(horizontal);
        buildingStep(m, day);
        EXPECT_NEAR(m.step.EpNyereseg, expected, 0.001) << horizontal;
    }
}

TEST_F(Building, GainsAboveTheDemandLeaveNoHeating) {
    weatherAllDay(15, 500, 800, 500, 600);
    const BuildingDay day = buildingDayPrePass(m);
    buildRings(m);
    m.clock.Ora = 12;
    buffer(60, 60, 60);
    buildingStep(m, day);
    EXPECT_LT(m.step.NettoHoigeny, 0);
    EXPECT_EQ(m.step.HagyHoFut, 0);
    EXPECT_EQ(m.step.KollHoPuf, 0);
    EXPECT_EQ(m.st.Tar2Felso, 60);
}

// --- Buffer pre-heating ---------------------------------------------------------------

TEST_F(Building, NoNetDemandTakesNothing) {
    buffer(60, 60, 60);
    demand(0, 40);
    m.step.HagyHoFut = m.step.KollHoPuf = 0;
    bufferPreHeating(m);
    EXPECT_EQ(m.step.HagyHoFut, 0);
    EXPECT_EQ(m.step.KollHoPuf, 0);
    EXPECT_EQ(bufferHeat(), 180);
}

TEST_F(Building, ABufferNoWarmerThanTheReturnPlusFiveGivesNothing) {
    demand(500, 40);
    buffer(20, 30, 35);  // return 30 + 5
    m.step.KollHoPuf = 0;
    bufferPreHeating(m);
    EXPECT_EQ(m.step.HagyHoFut, 500);
    EXPECT_EQ(m.step.KollHoPuf, 0);
    EXPECT_EQ(m.st.Tar2Felso, 35);
}

TEST_F(Building, AFlowOfZeroDegreesOrLessLeavesTheBufferAlone) {
    for (double flow : {0.0, -3.0}) {
        demand(500, flow);
        buffer(50, 60, 70);
        m.step.KollHoPuf = 0;
        bufferPreHeating(m);
        EXPECT_EQ(m.step.HagyHoFut, 500) << flow;
        EXPECT_EQ(m.step.KollHoPuf, 0) << flow;
        EXPECT_EQ(bufferHeat(), 180) << flow;
    }
}

TEST_F(Building, AHotBufferCoversTheWholeDemandInPortions) {
    demand(2000, 40);  // 2000 / (1.16 × 10) = 172 l of heating water
    m.s.Pufferterfogat = 300;  // 100-litre layers: two portions
    buffer(70, 70, 70);
    m.step.KollHoPuf = 0;
    bufferPreHeating(m);
    EXPECT_EQ(m.clock.Ciklusindex, 2);
    EXPECT_NEAR(m.step.KollHoPuf, 2000, 0.01);
    EXPECT_NEAR(m.step.HagyHoFut, 0, 0.01);
    // The buffer loses the heat it gave: each portion leaves at 70 °C and comes back at the return.
    EXPECT_NEAR(kWaterHeat * 100 * (210 - bufferHeat()), 2000, 0.05);
    EXPECT_LT(m.st.Tar2Also, m.st.Tar2Kozep);
}

TEST_F(Building, ACoolBufferOnlyPreHeatsTheReturn) {
    demand(500, 40);  // return 30, portions at 45 °C
    buffer(30, 30, 36);
    m.step.KollHoPuf = 0;
    bufferPreHeating(m);
    EXPECT_EQ(m.clock.Ciklusindex, 1);
    EXPECT_NEAR(m.step.KollHoPuf, 500.0 * 6 / 15, 0.001);
    EXPECT_NEAR(m.step.HagyHoFut, 500.0 * 9 / 15, 0.001);
}

// --- Buffer charging ---------------------------------------------------------------

struct ChargeCase {
    const char* name;
    double lo, mid, up;
    double wLo, wMid, wUp;  // share of the rise of one third of the buffer per layer
};
void PrintTo(const ChargeCase& c, std::ostream* os) { *os << c.name; }

class BufferCharge : public Building, public ::testing::WithParamInterface<ChargeCase> {};

TEST_P(BufferCharge, SpreadsUpwardsAndKeepsTheHeat) {
    const auto& c = GetParam();
    m.klima.Levegohomerseklet(1, 12, 2) = 10;
    m.prog.AutMaxhofok2(0, 1) = 90;
    buffer(c.lo, c.mid, c.up);
    ASSERT_EQ(bufferCharging(m, 800), Charge::Done);
    const double Q = m.step.KollHoPuf, Vl = m.s.Pufferterfogat.d() / 3;
    ASSERT_GT(Q, 0);
    const double rise = Q / (kWaterHeat * Vl);
    EXPECT_NEAR(m.st.Tar2Also - c.lo, c.wLo * rise, 1e-9);
    EXPECT_NEAR(m.st.Tar2Kozep - c.mid, c.wMid * rise, 1e-9);
    EXPECT_NEAR(m.st.Tar2Felso - c.up, c.wUp * rise, 1e-9);
    EXPECT_NEAR(kWaterHeat * Vl * (bufferHeat() - c.lo - c.mid - c.up), Q, 1e-6);
    EXPECT_GT(m.st.Kolldt, 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, BufferCharge,
                         ::testing::Values(ChargeCase{"lower_layer_only", 20, 40, 60, 1, 0, 0},
                                           ChargeCase{"lower_two_layers", 37.5, 40, 60, 0.25, 0.75, 0},
                                           ChargeCase{"whole_buffer", 55, 58, 60, 1.0 / 6, 1.0 / 3, 0.5}));

TEST_F(Building, AFullBufferRefusesTheCharge) {
    m.klima.Levegohomerseklet(1, 12, 2) = 10;
    m.prog.AutMaxhofok2(0, 1) = 30;
    buffer(29.9, 40, 60);
    EXPECT_EQ(bufferCharging(m, 800), Charge::Full);
    EXPECT_EQ(m.step.KollHoPuf, 0);
    EXPECT_DOUBLE_EQ(m.st.Tar2Also, 29.9);
    EXPECT_GT(m.st.Kolldt, 0);  // from the refused heat
}

TEST_F(Building, ALowEfficiencyZeroesTheCollectorRise) {
    m.klima.Levegohomerseklet(1, 12, 2) = 10;
    m.st.Kolldt = 7;
    buffer(150, 150, 150);
    m.step.KollHoPuf = 0;
    EXPECT_EQ(bufferCharging(m, 800), Charge::LowEfficiency);
    EXPECT_EQ(m.st.Kolldt, 0);
    EXPECT_EQ(m.step.KollHoPuf, 0);
    EXPECT_EQ(bufferHeat(), 450);
}

TEST_F(Building, StandingLossCoolsEachLayerTowardsFifteenDegrees) {
    buffer(15, 60, 105);
    bufferStandingLoss(m);
    EXPECT_DOUBLE_EQ(m.st.Tar2Also, 15);
    EXPECT_DOUBLE_EQ(m.st.Tar2Kozep, 60 - 0.1);
    EXPECT_DOUBLE_EQ(m.st.Tar2Felso, 105 - 0.2);
}

}  // namespace
}  // namespace nk
