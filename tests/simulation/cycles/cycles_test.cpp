#include <gtest/gtest.h>

#include <cmath>
#include <new>
#include <ostream>
#include <vector>

#include "simulation/cycles/drivers.h"
#include "simulation/cycles/results.h"
#include "simulation/cycles/run_steps.h"
#include "state/defaults.h"
#include "support/recording_ui.h"

namespace nk {
namespace {

// A started program: defaults, the calculation window's choices and the
// annual run of its first activation.
class Cycles : public ::testing::Test {
protected:
    void SetUp() override {
        m.ui = &ui;
        Alapertekek(m);
        initialCalculationChoices(m);
        runCalculation(m);
        ASSERT_TRUE(ui.messages.empty());
    }
    void run(Integer cycle) {
        m.s.Szamitasmod = cycle;
        ASSERT_TRUE(runCalculation(m));
    }
    Model m;
    testing::RecordingUi ui;
};

// --- Rounding -----------------------------------------------------------------

TEST(Rounding, TruncatesToTheShownDigits) {
    EXPECT_EQ(energyKwh(1234.99), 1.2);
    EXPECT_EQ(energyKwh(1299.9), 1.2);
    EXPECT_EQ(energyKwh(0), 0);
    EXPECT_EQ(irradiationKwh(1000, 5.34), 5.3);
    EXPECT_EQ(twoDecimals(45.678), 45.67);
    EXPECT_EQ(twoDecimals(-3.001), -3.01);
    EXPECT_EQ(sharePercent(1, 3), 33.33);
    EXPECT_EQ(sharePercent(5, 0), 0);
    EXPECT_EQ(sharePercent(0, 0), 0);
    EXPECT_EQ(sharePercent(5, -1), 0);
}

// With the tank the only consumer, as in every hot-water system, the shown
// Qkoll is always the shown Qhaszn plus the shown pipe loss, also where the
// sum of the two doubles falls just below a tenth.
TEST_F(Cycles, QkollRowIsQhasznPlusQcsoInWholeTenths) {
    const struct {
        double tar;
        float cso;
        const char* qkoll;
        const char* qhaszn;
    } cases[] = {{0.7, 0.1f, "0,8", "0,7"}, {2345, 371, "2716", "2345"}, {4.35, 0.2f, "4,5", "4,3"},
                 // 0.7 as a single lies just below 0.7: a plain sum would truncate to 0.6 and 0.9
                 {0, 0.7f, "0,7", "0"}, {0.3, 0.7f, "1", "0,3"}};
    for (const auto& c : cases) {
        m.res.EredmKollHoTar(1) = Int(c.tar * 10) / 10;
        m.res.EredmKollHo(1) = m.res.EredmKollHoTar(1);
        m.res.EredmQcso(1) = c.cso;
        Eredmenykiiras(m);
        EXPECT_EQ(m.res.tablazat.tablazat1[1], c.qkoll) << c.tar << " + " << c.cso;
        EXPECT_EQ(m.res.tablazat.tablazat1[3], c.qhaszn);
    }
}

TEST_F(Cycles, ResultTableTexts) {
    Results& r = m.res;
    r.EvesCsoveszteseg = 371093.6f;
    r.EredmQnap(1) = 7694.8;
    r.EredmQcso(1) = 371.0f;
    r.EredmKollHoTar(1) = r.EredmKollHo(1) = 2345.0;
    r.EredmCsoArany2(1) = 15.82;
    r.EredmHagyHoTar(1) = r.EredmHagyHo(1) = CSng(1404.6);  // a single from the monthly cycle prints 7 digits
    r.EredmFedezetTar(1) = r.EredmFedezet(1) = 62.54f;
    Eredmenykiiras(m);
    const ResultTexts& t = r.tablazat;
    EXPECT_EQ(t.csohoveszteseg, "371,09");
    const char* expected[] = {"7694,8", "2716", "371", "2345", "15,82 %", "1404,6", "62,54 %"};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(t.tablazat1[std::size_t(i)], expected[i]) << i;
}

// Where a pool or a building takes heat besides the tank, every row and the
// data sheet's energy lines are the whole installation's, the useful heat
// included; a hot-water system's useful heat is its tank's.
TEST_F(Cycles, InstallationRowsAreTheWholeInstallations) {
    Results& r = m.res;
    r.EredmQnap(1) = 7694.8;
    r.EredmQcso(1) = 0.0f;
    r.EredmKollHo(1) = 4469.6;
    r.EredmKollHoTar(1) = 1000.0;
    r.EredmCsoArany2(1) = 0.0;
    r.EredmHagyHo(1) = 34712.3;
    r.EredmHagyHoTar(1) = 1404.6;
    r.EredmFedezet(1) = 11.4f;
    r.EredmFedezetTar(1) = 61.0f;
    const struct {
        int group;
        const char* qhaszn;
    } cases[] = {{4, "4469,6"}, {2, "4469,6"}, {1, "1000"}};
    for (const auto& c : cases) {
        r.shown.group = c.group;
        Eredmenykiiras(m);
        const char* expected[] = {"7694,8", "4469,6", "0", c.qhaszn, "0 %", "34712,3", "11,4 %"};
        for (int i = 0; i < 7; ++i) EXPECT_EQ(r.tablazat.tablazat1[std::size_t(i)], expected[i]) << c.group << " " << i;
        EXPECT_EQ(r.tablazat.usefulHeatOfAllConsumers, c.group != 1);
        EXPECT_EQ(r.EnergiaAdat(2).d(), 4469.6);
        EXPECT_EQ(r.EnergiaAdat(3).d(), 34712.3);
        EXPECT_EQ(r.EnergiaAdat(4).d(), 58.08);  // 4469.6 / 7694.8, cut to two decimals
        EXPECT_EQ(r.EnergiaAdat(5).d(), double(11.4f));
    }
}

// The rows as a pool or combined system's runs show them: Qkoll is Qhaszn
// plus Qcső, and the pipe-loss share and the solar fraction are their
// captions' formulas of the figures shown. (These systems' day simulations
// have no collector pipe, so their Qcső and share are 0.)
TEST_F(Cycles, RowsOfPoolAndCombinedSystemsMeetTheirCaptionsFormulas) {
    const NumberLocale loc = NumberLocale::decimalComma();
    auto shown = [&](const std::string& t) { return localeRead(t.substr(0, t.find(' ')), loc).value_or(-1); };
    auto percent = [&](double a, double b) { return textForm(CSng(sharePercent(a, b)), loc) + " %"; };
    for (int system : {21, 22, 41, 42, 43, 44, 45}) {
        for (Integer cycle : {1, 2, 3, 4}) {
            m.s.Rendszerszam = system;
            m.s.Rendszerkategoria = system / 10;
            run(cycle);
            ASSERT_TRUE(ui.messages.empty()) << system;
            const auto& t = m.res.tablazat.tablazat1;
            const double qkoll = shown(t[1]), qcso = shown(t[2]), qhaszn = shown(t[3]), qkieg = shown(t[5]);
            const std::string where = std::to_string(system) + " cycle " + std::to_string(cycle);
            EXPECT_TRUE(m.res.tablazat.usefulHeatOfAllConsumers) << where;
            EXPECT_NEAR(qkoll, qhaszn + qcso, 1e-6) << where;
            EXPECT_GT(qhaszn, 0) << where;  // so that the fraction's formula is put to the test
            EXPECT_EQ(t[4], textForm(sharePercent(qcso, qhaszn), loc) + " %") << where;
            EXPECT_EQ(t[6], percent(qhaszn, qhaszn + qkieg)) << where;
        }
    }
}

// The table's amounts cover the run; the charts' bars an hour, a day or a
// month of it.
TEST_F(Cycles, UnitsFollowTheRunShown) {
    const struct {
        Integer cycle;
        const char *run, *slot;
    } cases[] = {{1, "[kWh/nap]", "[kW]"},
                 {2, "[kWh/hónap]", "[kWh/nap]"},
                 {4, "[kWh/időszak]", "[kWh/hónap]"},
                 {3, "[kWh/év]", "[kWh/hónap]"}};
    for (const auto& c : cases) {
        run(c.cycle);
        EXPECT_EQ(m.res.tablazat.unit, c.run) << c.cycle;
        EXPECT_EQ(amountUnit(c.cycle, AmountOver::Run), c.run);
        EXPECT_EQ(amountUnit(c.cycle, AmountOver::ChartSlot), c.slot);
    }
    // Before any run, as the program starts: the annual cycle's.
    EXPECT_EQ(amountUnit(0, AmountOver::Run), "[kWh/év]");
}

// --- Run preparation ------------------------------------------------------------

TEST_F(Cycles, RingsAreDelayedByTheWallTimeLag) {
    m.clock.Honap = 7;
    m.s.Naptipus = 1;
    buildRings(m);
    EXPECT_EQ(m.clock.Ora, 24);
    EXPECT_EQ(m.prep.KulsoGyuru(9), double(m.klima.Levegohomerseklet(7, 0, 1)));
    EXPECT_EQ(m.prep.KulsoGyuru(0), double(m.klima.Levegohomerseklet(7, 15, 1)));
    EXPECT_DOUBLE_EQ(m.prep.Napleg2Gyuru(21),
                     double(m.klima.Levegohomerseklet(7, 12, 1)) + 0.6 * m.klima.Delisugarzas(7, 12, 1) / 23);
    EXPECT_EQ(m.prep.Napleg3Gyuru(21),
              CSng(double(m.klima.Levegohomerseklet(7, 12, 1)) + 0.6 * m.klima.Nyugatisugarzas(7, 12, 1) / 23));
}

TEST_F(Cycles, DrawHoursPerWeekday) {
    m.s.Fogyheti = 1;
    m.s.Fogyjelleg = 2;  // weekly workplace: curve C on working days, nothing at the weekend
    countDrawHours(m);
    for (int d = 1; d <= 5; ++d) EXPECT_EQ(m.prep.Fogyasztasiorak(d), 12);
    EXPECT_EQ(m.prep.Fogyasztasiorak(6), 0);
    EXPECT_EQ(m.prep.Fogyasztasiorak(7), 0);
}

struct PatternCase {
    int month;
    int clear, average, overcast;
};
void PrintTo(const PatternCase& c, std::ostream* os) { *os << "month " << c.month; }

class DayTypePattern : public Cycles, public ::testing::WithParamInterface<PatternCase> {};

TEST_P(DayTypePattern, HasExactlyTheMonthsCounts) {
    const auto& c = GetParam();
    for (int repeat = 0; repeat < 20; ++repeat) {
        m.prep.Idojarasminta(c.month, 0) = 0;
        dayTypePattern(m, c.month);
        int count[4] = {};
        for (int d = 1; d <= m.klima.Honapnapjai(c.month); ++d) ++count[int(m.prep.Idojarasminta(c.month, d))];
        EXPECT_EQ(count[1], c.clear);
        EXPECT_EQ(count[2], c.average);
        EXPECT_EQ(count[3], c.overcast);
        EXPECT_EQ(m.prep.Idojarasminta(c.month, 0), 0);  // slot 0 belongs to no day
    }
}

INSTANTIATE_TEST_SUITE_P(Months, DayTypePattern,
                         ::testing::Values(PatternCase{3, 11, 10, 10}, PatternCase{7, 19, 6, 6}, PatternCase{2, 8, 10, 10},
                                           PatternCase{12, 5, 13, 13}, PatternCase{8, 20, 6, 5}));

TEST_F(Cycles, DayTypeDrawsCoverEveryDayUniformly) {
    // The extremes of the unit interval pick the first and the last day.
    const std::vector<float> script = {0.0f, 0.99999994f, 0.5f};
    std::size_t i = 0;
    m.rnd.script([&] { return script[i++ % script.size()]; });
    m.klima.Derultnapokhavi(2) = 2;
    m.klima.Honapnapjai(2) = 3;  // 3 days: 2 clear, Int(1 / 2 + 0.5) = 1 average
    dayTypePattern(m, 2);
    EXPECT_EQ(m.prep.Idojarasminta(2, 1), 1);
    EXPECT_EQ(m.prep.Idojarasminta(2, 3), 1);
    EXPECT_EQ(m.prep.Idojarasminta(2, 2), 2);
}

// --- Period -------------------------------------------------------------------

struct PeriodCase {
    int first, last;
    int months;
    double days;
};
void PrintTo(const PeriodCase& c, std::ostream* os) { *os << c.first << " to " << c.last; }

class Period : public Cycles, public ::testing::WithParamInterface<PeriodCase> {};

TEST_P(Period, CountsItsMonthsAndDays) {
    const auto& c = GetParam();
    m.s.ElsoHonap = Integer(c.first);
    m.s.UtolsoHonap = c.last;
    countPeriod(m);
    EXPECT_EQ(m.clock.IdoszakHonapjai, c.months);
    EXPECT_EQ(m.clock.IdoszakNapjai, c.days);
    run(4);
    EXPECT_EQ(m.clock.IdoszakHonapjai, c.months);
    // The daily arrays hold exactly the period's days.
    int filled = 0;
    for (int mo = 1; mo <= 12; ++mo)
        for (int d = 1; d <= 31; ++d) filled += m.res.NapokTar1Also(mo, d) != 0;
    EXPECT_EQ(filled, c.days);
}

INSTANTIATE_TEST_SUITE_P(Cases, Period,
                         ::testing::Values(PeriodCase{5, 9, 5, 153}, PeriodCase{11, 2, 4, 120}, PeriodCase{12, 1, 2, 62},
                                           PeriodCase{1, 12, 12, 365},
                                           PeriodCase{5, 5, 1, 31}));  // one month, not thirteen

// --- Drivers --------------------------------------------------------------------

TEST_F(Cycles, MonthlySumsAreTheSumsOfTheirDays) {
    m.s.Honapvalasztas = 7;
    run(2);
    const Results& r = m.res;
    double kollHo = 0, hagyHo = 0, cso = 0;
    for (int d = 1; d <= 31; ++d) {
        kollHo += r.NapokKollHo(7, d);
        hagyHo += r.NapokHagyHoTar(7, d);
        cso += r.NapokCsoveszteseg(7, d);
    }
    EXPECT_NEAR(r.HaviKollHo(7), kollHo, 1e-6 * kollHo + 1);
    EXPECT_NEAR(r.HaviHagyHoTar(7), hagyHo, 1e-6 * hagyHo + 1);
    EXPECT_NEAR(r.HaviCsoveszteseg(7), cso, 1e-6 * cso + 1);
    EXPECT_EQ(r.EredmKollHo(1).kind(), VKind::Single);  // monthly energies are singles
    EXPECT_EQ(m.clock.Nap, 32);
    EXPECT_EQ(m.s.Szamitasmod, 2);
    EXPECT_FALSE(r.HaviTar1Also.allocated());
    EXPECT_TRUE(r.OraKollHo.allocated());
}

TEST_F(Cycles, AnnualTotalsAreTheSumsOfTheMonths) {
    const Results& r = m.res;
    double kollHo = 0, sugar = 0;
    float cso = 0;
    for (int mo = 1; mo <= 12; ++mo) {
        kollHo += r.HaviKollHo(mo);
        sugar += r.HaviSugarzas(mo);
        cso = CSng(cso + r.HaviCsoveszteseg(mo));
    }
    EXPECT_EQ(r.EvesKollHo, kollHo);
    EXPECT_EQ(r.EvesSugarzas, sugar);
    EXPECT_EQ(r.EvesCsoveszteseg, cso);
    EXPECT_EQ(r.EredmSzivattyuperc(1), r.EvesSzivattyuperc);
    EXPECT_EQ(r.EredmQcso(1), CSng(energyKwh(r.EvesCsoveszteseg)));
    EXPECT_FALSE(r.OraKollHo.allocated());
    EXPECT_EQ(m.s.Hetnapja, 1);  // 31 December is a Monday like 1 January
    EXPECT_EQ(m.clock.Honap, 13);  // the month loop ends past December
    EXPECT_TRUE(r.evesgrafikon.drawn);
    // Run means: every day counts 1/365.
    double mean = 0;
    for (int mo = 1; mo <= 12; ++mo)
        for (int d = 1; d <= m.klima.Honapnapjai(mo); ++d) mean += r.NapokTar1Also(mo, d) / 365;
    EXPECT_GT(mean, 12);
}

TEST_F(Cycles, SameSeriesAfterAStartGivesTheSameResultsAndRepeatsDiffer) {
    run(2);
    const ResultTexts first = m.res.tablazat;
    run(2);
    EXPECT_NE(m.res.tablazat.tablazat1, first.tablazat1);  // a new random pattern

    Model other;
    other.ui = &ui;
    Alapertekek(other);
    initialCalculationChoices(other);
    runCalculation(other);
    other.s.Szamitasmod = 2;
    runCalculation(other);
    EXPECT_EQ(other.res.tablazat.tablazat1, first.tablazat1);
}

TEST_F(Cycles, DailyRunStartsFromColdTanksWhenHeatingUp) {
    m.s.Felfutes = kTrue;
    m.s.Honapvalasztas = 6;
    run(1);
    EXPECT_EQ(m.res.OraTar1Also(15, 0), 12);
    EXPECT_EQ(m.res.OraTar1Felso(15, 0), 12);
    m.s.Felfutes = kFalse;
    run(1);
    EXPECT_GT(m.res.OraTar1Felso(15, 0), 12);  // warm-up days brought the tank up
    EXPECT_EQ(m.clock.Eredmenyrogzites, kTrue);
    EXPECT_FALSE(m.res.HaviKollHo.allocated());
    EXPECT_TRUE(m.res.HaviKollHoPuf.allocated());  // left as the annual run made it
}

TEST_F(Cycles, DailyRunKeepsTheAnnualPipeLossBox) {
    const std::string box = m.res.tablazat.csohoveszteseg;
    run(1);
    EXPECT_EQ(m.res.tablazat.csohoveszteseg, box);
    run(2);
    EXPECT_EQ(m.res.tablazat.csohoveszteseg, box);
}

TEST_F(Cycles, System12AfterSystem11ShowsNoPipeLoss) {
    for (Integer cycle : {1, 2, 3, 4}) {
        m.s.Rendszerszam = 11;
        run(cycle);
        EXPECT_NE(m.res.tablazat.tablazat1[2], "0") << cycle;
        m.s.Rendszerszam = 12;
        run(cycle);
        EXPECT_EQ(m.res.tablazat.tablazat1[2], "0") << cycle;
        EXPECT_EQ(m.res.tablazat.tablazat1[4], "0 %") << cycle;
        EXPECT_EQ(m.res.tablazat.tablazat1[1], m.res.tablazat.tablazat1[3]) << cycle;
    }
}

// What a run leaves when it ends without figures: an empty table, pipe-loss
// box and bar chart, and nothing for the data sheet.
void expectNoFigures(const Model& m, const std::string& where) {
    const Results& r = m.res;
    EXPECT_EQ(r.tablazat.csohoveszteseg, "") << where;
    for (const std::string& cell : r.tablazat.tablazat1) EXPECT_EQ(cell, "") << where;
    EXPECT_FALSE(r.evesgrafikon.drawn) << where;
    EXPECT_EQ(r.evesgrafikon.scaleLabel, "") << where;
    for (const ChartBar& b : r.evesgrafikon.qkieg) EXPECT_EQ(b.height, 0) << where;
    EXPECT_NE(r.evesgrafikon.label2, "") << where << ": the legend stays";
    for (int i = 1; i <= 5; ++i) EXPECT_TRUE(r.EnergiaAdat(i).isEmpty()) << where << " " << i;
    EXPECT_EQ(r.shown.cycle, 0) << where;
    EXPECT_FALSE(r.shown.arraysHoldIt) << where;
}

TEST_F(Cycles, SystemWithoutDaySimulationEndsWithAMessageAndNoFigures) {
    m.s.Rendszerszam = 46;
    m.s.Rendszerkategoria = 4;
    for (Integer cycle : {1, 2, 3, 4}) {
        ui.messages.clear();
        run(cycle);
        ASSERT_EQ(ui.messages.size(), 1u) << cycle;
        EXPECT_EQ(ui.messages[0].text, "A 46. számú rendszerhez nincs számítás. Válasszon másik rendszert!");
        EXPECT_EQ(ui.messages[0].icon, MsgIcon::Exclamation);
        expectNoFigures(m, "cycle " + std::to_string(cycle));
        EXPECT_FALSE(m.calculating);
    }
    // The choice itself stays.
    EXPECT_EQ(ix(m.s.Rendszerszam), 46);
    m.s.Rendszerszam = 45;
    run(3);
    EXPECT_NE(m.res.tablazat.tablazat1[0], "");
    EXPECT_TRUE(m.res.evesgrafikon.drawn);
}

TEST_F(Cycles, YearWithoutCollectorHeatIsNotAnError) {
    for (int mo = 1; mo <= 12; ++mo) m.prog.AutBeKi1(0, mo) = 0;
    run(3);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(m.res.tablazat.tablazat1[2], "0");
    EXPECT_EQ(m.res.tablazat.tablazat1[4], "0 %");
    EXPECT_EQ(m.res.tablazat.tablazat1[6], "0 %");
}

// A hot-water day of 100000 l: more steps in an hour than 16 bits hold.
TEST_F(Cycles, EveryCycleReportsACalculationErrorAndLeavesNoFigures) {
    class BusyUi : public testing::RecordingUi {
    public:
        void setBusy(bool b) override { busy = b; }
        void showResults(const ResultTexts& t) override { shown = t; }
        bool busy = false;
        ResultTexts shown;
    } busyUi;
    m.ui = &busyUi;
    Var usual[8];
    for (int d = 1; d <= 7; ++d) usual[d] = m.fogy.Fogynapi(1, 0, d);
    for (Integer cycle : {1, 2, 3, 4}) {
        for (int d = 1; d <= 7; ++d) m.fogy.Fogynapi(1, 0, d) = usual[d];
        run(3);  // the figures of sound settings first
        ASSERT_NE(m.res.tablazat.tablazat1[0], "");
        for (int d = 1; d <= 7; ++d) m.fogy.Fogynapi(1, 0, d) = 100000;
        busyUi.messages.clear();
        run(cycle);
        ASSERT_EQ(busyUi.messages.size(), 1u) << cycle;
        EXPECT_EQ(busyUi.messages[0].text,
                  "Számítás közben 6. számú hiba lépett fel. Próbáljon változtatni a beállításokon.");
        EXPECT_EQ(busyUi.messages[0].title, "Számítási hiba");
        EXPECT_EQ(busyUi.messages[0].icon, MsgIcon::Exclamation);
        EXPECT_FALSE(busyUi.busy) << cycle;
        expectNoFigures(m, "cycle " + std::to_string(cycle));
        EXPECT_EQ(busyUi.shown.tablazat1, m.res.tablazat.tablazat1) << "the window is told";
        EXPECT_FALSE(m.calculating);
    }
}

// Memory that runs out in a run ends it as a calculation error does: the
// message of error 7, the normal pointer and no figures.
TEST_F(Cycles, MemoryRunningOutEndsTheRunAsAnError) {
    class ShortOfMemoryUi : public testing::RecordingUi {
    public:
        void setBusy(bool b) override {
            busy = b;
            if (b) throw std::bad_alloc();
        }
        bool busy = false;
    } ui7;
    m.ui = &ui7;
    for (Integer cycle : {2, 3, 4}) {
        ui7.messages.clear();
        run(cycle);
        ASSERT_EQ(ui7.messages.size(), 1u) << cycle;
        EXPECT_EQ(ui7.messages[0].text, calcErrorMessage(7)) << cycle;
        EXPECT_FALSE(ui7.busy) << cycle;
        expectNoFigures(m, "cycle " + std::to_string(cycle));
        EXPECT_FALSE(m.calculating);
    }
}

// A failed year leaves a part of a year in the run totals: the pipe-loss
// box, which the daily and monthly runs keep, stays empty until a year or
// period completes.
TEST_F(Cycles, APipeLossBoxOfAFailedYearStaysEmptyUntilAYearCompletes) {
    const std::string box = m.res.tablazat.csohoveszteseg;
    ASSERT_NE(box, "");
    Var usual[8];
    for (int d = 1; d <= 7; ++d) usual[d] = m.fogy.Fogynapi(1, 0, d), m.fogy.Fogynapi(1, 0, d) = 100000;
    run(3);
    ASSERT_EQ(ui.messages.size(), 1u);
    for (int d = 1; d <= 7; ++d) m.fogy.Fogynapi(1, 0, d) = usual[d];
    run(1);
    EXPECT_NE(m.res.tablazat.tablazat1[0], "");
    EXPECT_EQ(m.res.tablazat.csohoveszteseg, "");
    run(3);
    EXPECT_NE(m.res.tablazat.csohoveszteseg, "");  // another random year than the first
}

TEST_F(Cycles, ARequestDuringARunIsRefused) {
    class NestingUi : public testing::RecordingUi {
    public:
        explicit NestingUi(Model& m) : m_(m) {}
        void setBusy(bool b) override {
            if (b) nestedAccepted = runCalculation(m_);
        }
        Model& m_;
        bool nestedAccepted = true;
    } nesting(m);
    m.ui = &nesting;
    run(3);
    EXPECT_FALSE(nesting.nestedAccepted);
    EXPECT_FALSE(m.calculating);
    EXPECT_TRUE(runCalculation(m));
}

TEST_F(Cycles, CancelFlagEndsTheRunWithoutResults) {
    const ResultTexts before = m.res.tablazat;
    m.clock.Megszakitas = 1;
    run(3);
    EXPECT_EQ(m.clock.Megszakitas, 0);
    EXPECT_EQ(m.res.tablazat.tablazat1, before.tablazat1);
}

// --- Annual bar chart -------------------------------------------------------------

class Chart : public Cycles {
protected:
    class ViewUi : public testing::RecordingUi {
    public:
        bool irradiationShown() const override { return shown; }
        bool shown = true;
    } view;

    void SetUp() override {
        Cycles::SetUp();
        m.ui = &view;
        m.s.Osszfelulet = 1.0;
        for (int mo = 1; mo <= 12; ++mo) {
            m.res.HaviSugarzas(mo) = 100000;
            m.res.HaviKollHo(mo) = 100000;
            m.res.HaviCsoveszteseg(mo) = 10000;
            // Qkieg is every conventional heater's, as in the table's row:
            // in a pool or combined system the tank takes only a part.
            m.res.HaviHagyHo(mo) = 50000;
            m.res.HaviHagyHoTar(mo) = 10000;
        }
    }
};

TEST_F(Chart, IrradiationViewScalesToTheLargestQnapOrQkieg) {
    m.res.HaviSugarzas(7) = 500000;  // 500 kWh
    m.res.HaviKollHo(3) = 200000;
    m.res.HaviCsoveszteseg(3) = 20000;
    Evesgrafikon(m);
    const AnnualChart& c = m.res.evesgrafikon;
    EXPECT_EQ(c.scaleLabel, "500");
    EXPECT_EQ(c.label2, "Qkollveszt");
    EXPECT_TRUE(c.qnapLegendVisible);
    EXPECT_EQ(c.kollvesztSwatchColour, 255);
    EXPECT_EQ(c.qnap[6].height, 2000);
    EXPECT_EQ(c.qnap[6].top, 1000);
    EXPECT_EQ(c.qkollveszt[6].height, 2000);
    EXPECT_EQ(c.qkoll[2].height, 800);
    EXPECT_EQ(c.qcso[2].height, 880);
    EXPECT_EQ(c.qcso[2].top, 2120);
    EXPECT_EQ(c.qkieg[0].height, 200);
}

TEST_F(Chart, ViewWithoutIrradiationStacksThePipeLossOnTheCollectorHeat) {
    view.shown = false;
    m.res.HaviKollHo(5) = 200000;
    m.res.HaviCsoveszteseg(5) = 20000;
    m.res.HaviKollHo(6) = 380000;
    m.res.HaviCsoveszteseg(6) = 20000;  // 400 kWh is the largest stack
    Evesgrafikon(m);
    const AnnualChart& c = m.res.evesgrafikon;
    EXPECT_EQ(c.label2, "Qkoll");
    EXPECT_FALSE(c.qnapLegendVisible);
    EXPECT_EQ(c.kollvesztSwatchColour, 65535);
    EXPECT_EQ(c.scaleLabel, "400");
    EXPECT_EQ(c.qkoll[4].height, 1000);
    EXPECT_EQ(c.qkoll[4].top, 2000);
    EXPECT_EQ(c.qcso[4].height, 1100);
    EXPECT_EQ(c.qcso[4].top, 1900);
    EXPECT_EQ(c.qnap[4].height, 1100);
    for (int k = 0; k < 12; ++k) {
        EXPECT_EQ(c.qkollveszt[k].height, 0);
        EXPECT_EQ(c.qkollveszt[k].top, 3000);
    }
}

TEST_F(Chart, ScaleLabelIsTruncatedToATenth) {
    m.res.HaviSugarzas(1) = 123456;
    for (int mo = 2; mo <= 12; ++mo) m.res.HaviSugarzas(mo) = 0;
    for (int mo = 1; mo <= 12; ++mo) m.res.HaviHagyHo(mo) = 0;
    Evesgrafikon(m);
    EXPECT_EQ(m.res.evesgrafikon.scaleLabel, "123,4");
}

}  // namespace
}  // namespace nk
