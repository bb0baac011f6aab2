#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <vector>

#include "simulation/cycles/drivers.h"
#include "simulation/cycles/run_steps.h"
#include "simulation/hotwater/hotwater_systems.h"
#include "simulation/poolcombined/combined_systems.h"
#include "state/defaults.h"
#include "support/recording_ui.h"
#include "support/step_clock.h"

namespace nk {
namespace {

using DayFn = void (*)(Model&);

DayFn dayOf(int system) {
    switch (system) {
        case 41: return Rendszer41;
        case 42: return Kombinalt42;
        case 43: return Kombinalt43;
        case 44: return Kombinalt44;
        default: return Kombinalt45;
    }
}

// A started program in the first step of a June noon, everything at the
// temperatures a collector step can charge: tank 1 and the buffer 20, 30,
// 40 °C, the pool 24 °C, the air 20 °C.
class CombinedStep : public ::testing::Test {
protected:
    void SetUp() override {
        testing::startAtStep(m, 1, 6, 12);
        m.s.Szamitasmod = 3;
        m.clock.Nap = 1;
        m.clock.Eredmenyrogzites = kTrue;
        countDrawHours(m);
        setStartState(m);
        m.klima.Levegohomerseklet(6, 12, 1) = 20;
        m.st.Tar1Also = m.st.Tar2Also = 20;
        m.st.Tar1Kozep = m.st.Tar2Kozep = 30;
        m.st.Tar1Felso = m.st.Tar2Felso = 40;
        m.st.Medencehomerseklet = 24;
    }
    // The month's solar on/off tables of tank 1, the buffer and the pool.
    void tables(int tank, int buffer, int pool) {
        m.prog.AutBeKi1(0, 6) = tank;
        m.prog.AutBeKi2(0, 6) = buffer;
        m.prog.AutBeKiMed(0, 6) = Integer(pool);
    }
    Model m;
};

// --- Controller resets ------------------------------------------------------------------

struct ResetCase {
    const char* name;
    int system;
    int tank, buffer, pool;
    Integer before, after;
};
void PrintTo(const ResetCase& c, std::ostream* os) { *os << c.name; }

class ControllerReset : public CombinedStep, public ::testing::WithParamInterface<ResetCase> {};

TEST_P(ControllerReset, PutsTheLoopOnTheFirstConsumerThatIsOn) {
    const auto& c = GetParam();
    tables(c.tank, c.buffer, c.pool);
    m.st.Kollallapot = c.before;
    if (c.system <= 43)
        poolPriorityReset(m);
    else if (c.system == 44)
        bufferPriorityReset(m);
    else
        threeConsumerReset(m);
    EXPECT_EQ(m.st.Kollallapot, c.after);
}

// A month with every consumer off starts with the loop off, whatever the
// state the month before left.
INSTANTIATE_TEST_SUITE_P(
    Cases, ControllerReset,
    ::testing::Values(ResetCase{"pool_system_tank_first", 41, 1, 0, 1, 0, 1},
                      ResetCase{"pool_system_pool_only", 41, 0, 1, 1, 1, 2},
                      ResetCase{"pool_system_all_off", 41, 0, 1, 0, 1, 0},
                      ResetCase{"buffer_system_tank_first", 44, 1, 1, 1, 0, 1},
                      ResetCase{"buffer_system_buffer_only", 44, 0, 1, 0, 1, 2},
                      ResetCase{"buffer_system_all_off", 44, 0, 0, 1, 2, 0},
                      ResetCase{"three_consumers_tank_first", 45, 1, 1, 1, 0, 1},
                      ResetCase{"three_consumers_buffer_next", 45, 0, 1, 1, 0, 2},
                      ResetCase{"three_consumers_pool_last", 45, 0, 0, 1, 1, 3},
                      ResetCase{"three_consumers_all_off", 45, 0, 0, 0, 1, 0}));

// --- Controller walks ----------------------------------------------------------------------

// How a consumer turns the collector's heat down: at its maximum, or with
// a lower layer so hot that the efficiency falls below 0.05.
enum class Refuse { No, Full, Low };

struct WalkCase {
    const char* name;
    int system;
    Integer before;
    int tankOn, bufferOn, poolOn;
    Refuse tank, buffer, pool;
    int G;
    Integer after;
    bool tankHeat, bufferHeat, poolHeat;
};
void PrintTo(const WalkCase& c, std::ostream* os) { *os << c.name; }

class ControllerWalk : public CombinedStep, public ::testing::WithParamInterface<WalkCase> {};

TEST_P(ControllerWalk, HandsARefusedChargeOn) {
    const auto& c = GetParam();
    tables(c.tankOn, c.bufferOn, c.poolOn);
    if (c.tank == Refuse::Full) m.prog.AutMaxhofok1(0, 6) = 20;
    if (c.tank == Refuse::Low) m.st.Tar1Also = 150;
    if (c.buffer == Refuse::Full) m.prog.AutMaxhofok2(0, 6) = 20;
    if (c.buffer == Refuse::Low) m.st.Tar2Also = 150;
    if (c.pool == Refuse::Full) m.prog.AutMaxhofokMed(0, 6) = 24;
    if (c.pool == Refuse::Low) m.st.Medencehomerseklet = 150;
    m.st.Kollallapot = c.before;
    m.step.KollHoTar = m.step.KollHoPuf = m.step.KollHoMed = -1;  // each walk clears what it can charge
    if (c.system <= 43)
        poolPriorityCollectorStep(m, c.G, consumerOf(m, 1));
    else if (c.system == 44)
        bufferPriorityCollectorStep(m, c.G);
    else
        threeConsumerCollectorStep(m, c.G);
    EXPECT_EQ(m.st.Kollallapot, c.after);
    EXPECT_EQ(m.step.KollHoTar > 0, c.tankHeat);
    EXPECT_EQ(m.step.KollHoMed > 0, c.poolHeat);
    if (c.system >= 44) {
        EXPECT_EQ(m.step.KollHoPuf > 0, c.bufferHeat);
    }
    EXPECT_GE(m.step.KollHoTar, 0);
    if (c.system != 44) {
        EXPECT_GE(m.step.KollHoMed, 0);
    }
    if (c.system >= 44) {
        EXPECT_GE(m.step.KollHoPuf, 0);
    }
}

constexpr Refuse N = Refuse::No, F = Refuse::Full, L = Refuse::Low;

INSTANTIATE_TEST_SUITE_P(
    Cases, ControllerWalk,
    ::testing::Values(
        // Systems 41 to 43: tank 1, then the pool.
        WalkCase{"pool_system_tank_takes", 41, 1, 1, 0, 1, N, N, N, 800, 1, true, false, false},
        WalkCase{"pool_system_full_tank_hands_to_pool", 41, 1, 1, 0, 1, F, N, N, 800, 2, false, false, true},
        WalkCase{"pool_system_cold_collector_hands_to_pool", 41, 1, 1, 0, 1, L, N, N, 800, 2, false, false, true},
        WalkCase{"pool_system_pool_off_stops_the_loop", 41, 1, 1, 0, 0, L, N, N, 800, 0, false, false, false},
        WalkCase{"pool_system_state_1_charges_whatever_the_table", 41, 1, 0, 0, 1, N, N, N, 800, 1, true, false,
                 false},
        WalkCase{"pool_system_full_pool_keeps_the_state", 41, 2, 1, 0, 1, N, N, F, 800, 2, false, false, false},
        WalkCase{"pool_system_cold_pool_keeps_the_state", 41, 2, 1, 0, 1, N, N, L, 800, 2, false, false, false},
        WalkCase{"pool_system_loop_off", 41, 0, 1, 0, 1, N, N, N, 800, 0, false, false, false},
        WalkCase{"pool_system_50_W_is_night", 41, 1, 1, 0, 1, N, N, N, 50, 1, false, false, false},
        // At 51 W/m² the collectors run, too cool to charge either consumer.
        WalkCase{"pool_system_51_W_is_day", 41, 1, 1, 0, 1, N, N, N, 51, 2, false, false, false},
        // System 44: tank 1, then the buffer.
        WalkCase{"buffer_system_tank_takes", 44, 1, 1, 1, 0, N, N, N, 800, 1, true, false, false},
        WalkCase{"buffer_system_tank_table_off_charges_nothing", 44, 1, 0, 1, 0, N, N, N, 800, 1, false, false,
                 false},
        WalkCase{"buffer_system_full_tank_hands_to_buffer", 44, 1, 1, 1, 0, F, N, N, 800, 2, false, true, false},
        WalkCase{"buffer_system_buffer_off", 44, 2, 1, 0, 0, N, N, N, 800, 0, false, false, false},
        WalkCase{"buffer_system_cold_buffer", 44, 2, 1, 1, 0, N, L, N, 800, 0, false, false, false},
        WalkCase{"buffer_system_full_buffer", 44, 2, 1, 1, 0, N, F, N, 800, 0, false, false, false},
        // System 45: tank 1, the buffer, then the pool.
        WalkCase{"three_consumers_tank_takes", 45, 1, 1, 1, 1, N, N, N, 800, 1, true, false, false},
        WalkCase{"three_consumers_tank_table_off", 45, 1, 0, 1, 1, N, N, N, 800, 1, false, false, false},
        WalkCase{"three_consumers_full_tank_and_buffer", 45, 1, 1, 1, 1, F, F, N, 800, 3, false, false, true},
        WalkCase{"three_consumers_buffer_off", 45, 2, 1, 0, 1, N, N, N, 800, 3, false, false, true},
        WalkCase{"three_consumers_cold_buffer", 45, 2, 1, 1, 1, N, L, N, 800, 3, false, false, true},
        WalkCase{"three_consumers_pool_off", 45, 3, 1, 1, 0, N, N, N, 800, 0, false, false, false},
        WalkCase{"three_consumers_full_pool_keeps_the_state", 45, 3, 1, 1, 1, N, N, F, 800, 3, false, false,
                 false},
        WalkCase{"three_consumers_night", 45, 2, 1, 1, 1, N, N, N, 50, 2, false, false, false}));

// The next consumer's mean collector temperature takes the rise that the
// refused tank charge computed.
TEST_F(CombinedStep, AFullTankPassesItsCollectorRiseOn) {
    for (int system : {41, 44, 45}) {
        SetUp();
        tables(1, 1, 1);
        m.prog.AutMaxhofok1(0, 6) = 20;
        m.st.Kolldt = 9;
        ASSERT_EQ(chargeTankFromCollectors(m, consumerOf(m, 1), 800), Charge::Full);
        const double rise = m.st.Kolldt;
        ASSERT_NE(rise, 9);
        m.st.Kolldt = 9;
        m.st.Kollallapot = 1;
        if (system == 41) {
            poolPriorityCollectorStep(m, 800, consumerOf(m, 1));
            EXPECT_DOUBLE_EQ(m.step.Kollkozeptemp, 24 + m.prog.AutBekapcsdTMed(0, 6) + rise / 2) << system;
        } else {
            if (system == 44) bufferPriorityCollectorStep(m, 800);
            else threeConsumerCollectorStep(m, 800);
            EXPECT_DOUBLE_EQ(m.step.Kollkozeptemp, 20 + m.prog.AutBekapcsdT2(0, 6).d() + rise / 2) << system;
        }
    }
}

// A tank whose efficiency is too low keeps the collector rise; so does the
// pool system's loop when the pool is off. The buffer's low efficiency
// clears it.
TEST_F(CombinedStep, ALowEfficiencyKeepsOrClearsTheCollectorRise) {
    const struct {
        int system;
        int pool;
        float after;
    } cases[] = {{41, 0, 9}, {44, 0, 0}};
    for (const auto& c : cases) {
        SetUp();
        tables(1, 1, c.pool);
        m.st.Tar1Also = m.st.Tar2Also = 150;
        m.st.Kolldt = 9;
        m.st.Kollallapot = 1;
        if (c.system == 41)
            poolPriorityCollectorStep(m, 800, consumerOf(m, 1));
        else
            bufferPriorityCollectorStep(m, 800);
        EXPECT_EQ(m.st.Kollallapot, 0) << c.system;
        EXPECT_EQ(m.st.Kolldt, c.after) << c.system;
    }
}

// A charge spread over the whole tank keeps its heat: system 43 spreads over
// the layers it has, whatever the tank-volume setting says.
TEST_F(CombinedStep, TheWholeTankSpreadKeepsTheHeat) {
    m.s.Tar1Alsoterf = m.s.Tar1Kozepterf = m.s.Tar1Felsoterf = 100;
    m.s.Tarolo1terfogat = 600;
    const struct {
        int system;
        double kept;  // share of the charge that reaches the layers
    } cases[] = {{43, 1.0}, {41, 0.5}};
    for (const auto& c : cases) {
        m.st.Tar1Also = 50;
        m.st.Tar1Kozep = 52;
        m.st.Tar1Felso = 54;
        tables(1, 0, 1);
        m.st.Kollallapot = 1;
        poolPriorityCollectorStep(m, 800, chargedTank1(m, c.system));
        ASSERT_GT(m.step.KollHoTar, 0);
        const double gained = kWaterHeat * 100 * (m.st.Tar1Also + m.st.Tar1Kozep + m.st.Tar1Felso - 156);
        EXPECT_NEAR(gained, c.kept * m.step.KollHoTar, 1e-6) << c.system;
    }
}

// --- Sub-step counts -------------------------------------------------------------------------

struct CountCase {
    const char* name;
    int system;
    double draw;
    int G;
    double smallest, tank1, tank2;
    Integer steps;
};
void PrintTo(const CountCase& c, std::ostream* os) { *os << c.name; }

class CombinedStepCount : public CombinedStep, public ::testing::WithParamInterface<CountCase> {};

TEST_P(CombinedStepCount, FollowsTheDrawAndTheCollectorPower) {
    const auto& c = GetParam();
    m.s.Kollektorszam = 3;
    m.s.Kollektorfelulet = 1.78;
    m.s.Legkisebbterfogat = Currency::fromDouble(c.smallest);
    m.s.Tarolo1terfogat = c.tank1;
    m.s.Tarolo2terfogat = c.tank2;
    m.step.Orasfogyasztas = c.draw;
    EXPECT_EQ(combinedStepsInHour(m, c.G, c.system), c.steps);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CombinedStepCount,
    ::testing::Values(CountCase{"pool_system_20_l", 41, 20, 0, 300, 300, 300, 2},
                      CountCase{"pool_system_30_l_one_step", 41, 30, 0, 300, 300, 300, 1},
                      CountCase{"pool_system_60_l", 41, 60, 0, 300, 300, 300, 2},
                      CountCase{"pool_system_90_l", 41, 90, 0, 300, 300, 300, 3},
                      CountCase{"pool_system_smallest_tank_counts", 43, 30, 0, 100, 300, 100, 3},
                      CountCase{"pool_system_collectors_halve_the_count", 41, 0, 800, 50, 50, 50, 8},
                      CountCase{"pool_system_collectors_after_one_step", 41, 30, 800, 300, 300, 300, 1},
                      CountCase{"buffer_system_30_l", 44, 30, 0, 100, 300, 100, 2},
                      CountCase{"buffer_system_40_l", 44, 40, 0, 100, 300, 100, 3},
                      CountCase{"buffer_system_tank_2_counts", 44, 0, 800, 100, 300, 100, 4},
                      CountCase{"buffer_system_large_tank_2", 45, 0, 800, 300, 300, 300, 2}));

TEST_F(CombinedStep, AStepCountBeyond16BitsIsError6) {
    m.step.Orasfogyasztas = 2e6;
    for (int system : {41, 44}) {
        try {
            combinedStepsInHour(m, 0, system);
            ADD_FAILURE() << system;
        } catch (const CalcError& e) {
            EXPECT_EQ(e.number(), kOverflow) << system;
        }
    }
}

// --- Days ------------------------------------------------------------------------------------

// A day with sun in hour 12 only and a collector rise left so high that
// the first collector step finds every consumer too warm; the pool and
// the buffer clear the rise. System 41 tries tank 1 again in the next
// step; 44 and 45 stay with the hour's state.
TEST_F(CombinedStep, ResetsAfterEveryStepOrAfterEveryHour) {
    const struct {
        int system;
        bool tankHeat, poolHeat;
    } cases[] = {{41, true, false}, {44, false, false}, {45, false, true}};
    for (const auto& c : cases) {
        SetUp();
        setStartState(m);
        buildRings(m);
        tables(1, 1, 1);
        m.s.Legkisebbterfogat = Currency::fromDouble(1000);  // no hour's draw splits the sunny hour
        for (int h = 0; h <= 24; ++h) m.klima.Kollsugarzas(6, h, 1) = Integer(h == 12 ? 800 : 0);
        m.st.Kolldt = 400;
        dayOf(c.system)(m);
        EXPECT_EQ(m.res.NapiKollHoTar > 0, c.tankHeat) << c.system;
        EXPECT_EQ(m.res.NapiKollHoMed > 0, c.poolHeat) << c.system;
    }
}

// The pool system's state 1 charges tank 1 without asking its table; a
// month with both tables off must not carry a state 1 in.
TEST_F(CombinedStep, AMonthWithEveryTableOffChargesNothing) {
    for (int system : {41, 43, 44, 45}) {
        SetUp();
        tables(0, 0, 0);
        m.st.Kollallapot = 1;
        dayOf(system)(m);
        EXPECT_EQ(m.res.NapiKollHoTar, 0) << system;
        EXPECT_EQ(m.res.NapiKollHoMed, 0) << system;
        EXPECT_EQ(m.st.Kollallapot, 0) << system;
    }
}

TEST_F(CombinedStep, EveryRunStartsTheRoomAt20Degrees) {
    m.s.Szobahomerseklet = 5;
    setStartState(m);
    EXPECT_EQ(m.s.Szobahomerseklet, 20.0f);
}

// --- Whole runs --------------------------------------------------------------------------------

class CombinedRuns : public ::testing::Test {
protected:
    void SetUp() override { start(m); }
    void start(Model& x) {
        x.ui = &ui;
        Alapertekek(x);
        initialCalculationChoices(x);
    }
    void run(Model& x, int system, Integer cycle = 3) {
        x.s.Rendszerszam = system;
        x.s.Szamitasmod = cycle;
        ASSERT_TRUE(runCalculation(x));
        ASSERT_TRUE(ui.messages.empty()) << ui.messages[0].text;
    }
    // The first annual run after start-up of `system`, the settings changed
    // by `set`: each run draws its days' weather from the start of the
    // random sequence.
    template <class Set>
    Results annual(int system, Set set) {
        Model x;
        start(x);
        set(x);
        run(x, system);
        return x.res;
    }
    Model m;
    testing::RecordingUi ui;
};

double energy(const ResultArray& a) { return a(1).d(); }

// 41 and 42 differ in their tank heater only.
TEST_F(CombinedRuns, System41And42AgreeWithTheTankHeaterOff) {
    const auto heaterOn = [](Model&) {};
    EXPECT_NE(energy(annual(41, heaterOn).EredmHagyHoTar), energy(annual(42, heaterOn).EredmHagyHoTar));
    const auto heaterOff = [](Model& x) { x.s.Tarolofutesprogram = 3; };
    const Results r41 = annual(41, heaterOff), r42 = annual(42, heaterOff);
    EXPECT_EQ(energy(r41.EredmHagyHoTar), 0);
    for (ResultArray Results::*r : {&Results::EredmKollHo, &Results::EredmKollHoTar, &Results::EredmKollHoMed,
                                    &Results::EredmHagyHo, &Results::EredmHagyHoMed, &Results::EredmTar1Atlag,
                                    &Results::EredmTar1FelsoMax, &Results::EredmTar1AlsoMin, &Results::EredmMedTempMax,
                                    &Results::EredmMedTempMin})
        EXPECT_EQ(energy(r42.*r), energy(r41.*r));
    EXPECT_EQ(r42.tablazat.tablazat1, r41.tablazat.tablazat1);
}

// With the pool's table off all year, 45 is 44 with a pool beside it.
TEST_F(CombinedRuns, System45WithThePoolOffAgreesWith44) {
    const auto poolOff = [](Model& x) {
        for (int mode = 0; mode <= 1; ++mode)
            for (int month = 0; month <= 13; ++month) x.prog.AutBeKiMed(mode, month) = 0;
    };
    const Results r44 = annual(44, poolOff), r45 = annual(45, poolOff);
    EXPECT_EQ(energy(r45.EredmKollHoMed), 0);
    EXPECT_GT(energy(r45.EredmKollHoPuf), 0);
    for (ResultArray Results::*r : {&Results::EredmKollHoTar, &Results::EredmKollHoPuf, &Results::EredmHagyHoTar,
                                    &Results::EredmHagyHoFut, &Results::EredmTar1Atlag, &Results::EredmTar2Atlag,
                                    &Results::EredmTar1FelsoMax, &Results::EredmTar2FelsoMax,
                                    &Results::EredmTar1AlsoMin, &Results::EredmTar2AlsoMin})
        EXPECT_EQ(energy(r45.*r), energy(r44.*r));
    for (int month = 1; month <= 12; ++month) {
        EXPECT_EQ(r45.HaviEpHoigeny(month), r44.HaviEpHoigeny(month)) << month;
        EXPECT_EQ(r45.HaviEpNyereseg(month), r44.HaviEpNyereseg(month)) << month;
        EXPECT_EQ(r45.HaviHmvHoigeny(month), r44.HaviHmvHoigeny(month)) << month;
    }
}

// Every combined total is the sum of its consumers, day by day and hour by hour.
class SumOfParts : public CombinedRuns, public ::testing::WithParamInterface<int> {};

TEST_P(SumOfParts, CombinedTotalsAreTheSumsOfTheirConsumers) {
    const int system = GetParam();
    m.s.Honapvalasztas = 4;
    m.s.Naptipus = 1;
    run(m, system, 1);
    const Results& r = m.res;
    const double collected = r.NapiKollHoTar + r.NapiKollHoPuf + r.NapiKollHoMed;
    const double conventional = r.NapiHagyHoTar + r.NapiHagyHoFut + r.NapiHagyHoMed;
    EXPECT_GT(r.NapiKollHoTar, 0);
    EXPECT_GT(system >= 44 ? r.NapiHagyHoFut : r.NapiKollHoMed, 0);
    EXPECT_NEAR(r.NapiKollHo, collected, 1e-9 * collected);
    EXPECT_NEAR(r.NapiHagyHo, conventional, 1e-9 * conventional);
    const double demand = double(r.NapiHmvHoigeny) + r.NapiMedVeszteseg + r.NapiEpHoigeny;
    EXPECT_NEAR(r.NapiOsszHoigeny, demand, 1e-5 * demand);
    const double gains = r.NapiMedNyereseg + r.NapiEpNyereseg;
    EXPECT_NEAR(r.NapiOsszNyereseg, gains, 1e-5 * gains + 1e-9);
    double hourlyCollected = 0, hourlyDemand = 0;
    for (int h = 0; h <= 23; ++h) {
        hourlyCollected += r.OraKollHo(15, h);
        hourlyDemand += r.OraOsszHoigeny(15, h);
    }
    EXPECT_NEAR(hourlyCollected, r.NapiKollHo, 1e-9 * collected);
    EXPECT_NEAR(hourlyDemand, r.NapiOsszHoigeny, 1e-5 * demand);
    // Column h + 1 holds the pool's mean over hour h; column 0 the day's start.
    double hourlyPool = 0;
    for (int h = 1; h <= 24; ++h) hourlyPool += r.OraMedTemp(15, h) / 24;
    EXPECT_NEAR(hourlyPool, r.NapiMedTemp, 1e-9 * r.NapiMedTemp);
    EXPECT_EQ(r.NapiTar3Atlag, 0);
    if (system <= 42) {
        EXPECT_EQ(r.NapiTar2Atlag, 0);
    }
    if (system == 44) {
        EXPECT_EQ(r.NapiMedTemp, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Systems, SumOfParts, ::testing::Values(41, 42, 43, 44, 45));

// A day of 100 million litres asks for more steps in an hour than 16 bits
// hold; one of a million litres for fewer, but more than 24 times the steps.
TEST_F(CombinedRuns, EveryCycleReportsAStepCountOverflow) {
    struct Case {
        double litres;
        int system;
        Integer cycle;
    };
    std::vector<Case> cases{{1e6, 44, 1}};
    for (int system : {41, 43, 44, 45})
        for (Integer cycle : {1, 2, 3, 4}) cases.push_back({1e8, system, cycle});
    for (const Case& c : cases) {
        for (int d = 1; d <= 7; ++d) m.fogy.Fogynapi(1, 0, d) = c.litres;
        ui.messages.clear();
        m.s.Rendszerszam = c.system;
        m.s.Szamitasmod = c.cycle;
        runCalculation(m);
        ASSERT_EQ(ui.messages.size(), 1u) << c.system << " " << c.cycle;
        EXPECT_EQ(ui.messages[0].text, calcErrorMessage(6)) << c.system << " " << c.cycle;
    }
}

}  // namespace
}  // namespace nk
