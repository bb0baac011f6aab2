#include <gtest/gtest.h>

#include <ostream>

#include "simulation/cycles/drivers.h"
#include "simulation/cycles/run_steps.h"
#include "simulation/hotwater/submodels.h"
#include "state/defaults.h"

namespace nk {
namespace {

// The steps keep what they read of the settings for a day or an hour. A
// value kept too long would leak one day's weekday, month, day type or
// programme into the next day, or one run's settings into the next run.

void startDay(Model& m, int system) {
    Alapertekek(m);
    initialCalculationChoices(m);
    m.s.Rendszerszam = system;
    m.s.Szamitasmod = 3;
    m.s.Automod = 1;
    // Inputs that differ by weekday, month and hour: weekly heater
    // programmes and a weekly draw profile with a draw-free weekend.
    m.s.Tarolofutesprogram = 2;
    m.s.Tarolofutesheti = 1;
    m.s.Medfutesprogram = 2;
    m.s.Medfutesheti = 1;
    m.s.Futes3program = 2;
    m.s.Futes3heti = 1;
    for (int heater = 1; heater <= 3; ++heater)
        for (int half = 0; half <= 1; ++half) {
            m.prog.Idoprogramok(heater, 2, 1, 6, 7, half) = heater == 3 ? 0 : 1;
            m.prog.Idoprogramok(heater, 2, 1, 3, 12, half) = heater == 3 ? 0 : 1;
        }
    m.s.Fogyjelleg = 2;
    m.s.Fogyheti = 1;
    for (int month = 1; month <= 12; ++month) {
        m.prog.AutBeKi1(1, month) = month % 2;
        m.prog.AutMaxhofok2(1, month) = 40 + month;
        m.prog.AutBekapcsdT3(1, month) = 4 + month;
        m.prog.AutBeKiMed(1, month) = month % 3 == 0 ? 0 : 1;
    }
    m.clock.Eredmenyrogzites = kTrue;
    m.clock.Nap = 1;
    countDrawHours(m);
    setStartState(m);
}

struct DayCase {
    int month, dayType, weekday;
};

constexpr int kSystems[] = {11, 12, 13, 14, 15, 16, 21, 22, 41, 42, 43, 44, 45};

void setDay(Model& m, const DayCase& d) {
    m.clock.Honap = d.month;
    m.s.Naptipus = d.dayType;
    m.s.Hetnapja = Integer(d.weekday);
}

class DayAfterDay : public ::testing::TestWithParam<int> {};

// A day's results depend on its start state and its own calendar only: the
// same day run after other days and run on a fresh model agree exactly.
TEST_P(DayAfterDay, ADayDoesNotInheritTheDayBefore) {
    const int system = GetParam();
    const DayCase days[] = {{6, 1, 5}, {6, 1, 6}, {7, 3, 6}, {7, 2, 3}, {1, 2, 3}, {9, 1, 7}};
    Model run;
    startDay(run, system);
    for (std::size_t i = 0; i < std::size(days); ++i) {
        setDay(run, days[i]);
        buildRings(run);
        Model fresh;
        startDay(fresh, system);
        fresh.st = run.st;
        fresh.s.Szobahomerseklet = run.s.Szobahomerseklet;
        fresh.prep = run.prep;
        setDay(fresh, days[i]);
        simulateDay(run);
        simulateDay(fresh);
        const Results &a = run.res, &b = fresh.res;
        for (const auto& [x, y] : {std::pair{a.NapiKollHo, b.NapiKollHo}, {a.NapiHagyHo, b.NapiHagyHo},
                                   {double(a.NapiHmvHoigeny), double(b.NapiHmvHoigeny)},
                                   {a.NapiTar1Atlag, b.NapiTar1Atlag}, {a.NapiTar2Atlag, b.NapiTar2Atlag},
                                   {a.NapiMedTemp, b.NapiMedTemp}, {a.NapiEpHoigeny, b.NapiEpHoigeny},
                                   {run.st.Tar1Felso, fresh.st.Tar1Felso}, {run.st.Tar3Also, fresh.st.Tar3Also}})
            EXPECT_EQ(x, y) << "system " << system << ", day " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Systems, DayAfterDay, ::testing::ValuesIn(kSystems));

TEST(DayInputs, NothingIsKeptOutsideADayNorAfterAnError) {
    Model m;
    startDay(m, 16);
    setDay(m, {6, 1, 5});
    buildRings(m);
    simulateDay(m);
    EXPECT_FALSE(m.day.active);
    EXPECT_FALSE(m.day.tank[0].ready);
    EXPECT_FALSE(m.day.consumer[2].ready);
    EXPECT_FALSE(m.day.programme[0].ready);
    EXPECT_FALSE(m.day.profile.ready);

    // A sub-model called on its own sees a setting changed after the day.
    m.s.Tar1Alsoterf = 55.5;
    EXPECT_EQ(tankOf(m, 1).Vlo, 55.5);
    m.prog.AutMaxhofok1(1, 6) = 61;
    EXPECT_EQ(consumerOf(m, 1).maximum, 61);

    // A draw of 16-bit-overflowing steps ends the day with error 6 in hour 0.
    for (int d = 1; d <= 7; ++d)
        for (int w = 0; w <= 1; ++w) m.fogy.Fogynapi(2, w, d) = 2e6;
    m.fogy.Fogyorai(2, 1, 5, 0) = 1000;
    try {
        simulateDay(m);
        FAIL() << "no error";
    } catch (const CalcError& e) {
        EXPECT_EQ(e.number(), kOverflow);
    }
    EXPECT_FALSE(m.day.active);
    EXPECT_FALSE(m.day.profile.ready);
    EXPECT_FALSE(m.day.tank[2].ready);
}

// A designer's series: each run after a change of settings gives what a
// fresh program with those settings and the same weather draws gives.
TEST(DayInputs, EachRunReadsTheSettingsOfItsStart) {
    struct Change {
        const char* what;
        void (*apply)(Model&);
    };
    const Change changes[] = {
        {"tank heater temperature", [](Model& x) { x.s.Tarolofuteshofok = 58; }},
        {"controller mode", [](Model& x) { x.s.Automod = 0; }},
        {"collector count", [](Model& x) { x.s.Kollektorszam = 6; }},
        {"heater programme", [](Model& x) { x.s.Tarolofutesprogram = 1; }},
        {"draw profile", [](Model& x) { x.s.Fogyjelleg = 3; }},
        {"hot-water temperature", [](Model& x) { x.s.Melegvizhofok = 52; }},
    };
    for (int system : {16, 45}) {
        Model series;
        startDay(series, system);
        runCalculation(series);
        for (const Change& c : changes) {
            c.apply(series);
            Model fresh;
            startDay(fresh, system);
            for (const Change& d : changes) {
                d.apply(fresh);
                if (&d == &c) break;
            }
            fresh.rnd = series.rnd;
            runCalculation(series);
            runCalculation(fresh);
            EXPECT_EQ(series.res.EredmKollHo(1).d(), fresh.res.EredmKollHo(1).d()) << system << ' ' << c.what;
            EXPECT_EQ(series.res.EredmHagyHo(1).d(), fresh.res.EredmHagyHo(1).d()) << system << ' ' << c.what;
            EXPECT_EQ(series.res.EvesTar1Atlag, fresh.res.EvesTar1Atlag) << system << ' ' << c.what;
            EXPECT_EQ(series.res.tablazat.tablazat1, fresh.res.tablazat.tablazat1) << system << ' ' << c.what;
        }
    }
}

}  // namespace
}  // namespace nk
