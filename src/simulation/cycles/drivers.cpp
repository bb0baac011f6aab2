#include "simulation/cycles/drivers.h"

#include "simulation/cycles/results.h"
#include "simulation/cycles/run_steps.h"
#include "simulation/hotwater/submodels.h"

#include <new>
#include <string>

namespace nk {

namespace {

// A result family: its day total or daily mean and its hourly, daily and
// monthly arrays.
struct Family {
    double (*napi)(const Results&);
    HourlyArray Results::*ora;
    DailyArray Results::*napok;
    MonthlyArray Results::*havi;
    bool energy;
};

#define NK_FAMILY(name, isEnergy)                                                            \
    Family {                                                                                 \
        [](const Results& r) { return double(r.Napi##name); }, &Results::Ora##name, &Results::Napok##name, \
            &Results::Havi##name, isEnergy                                                   \
    }

const Family kFamilies[] = {
    NK_FAMILY(Sugarzas, true),      NK_FAMILY(KollHo, true),        NK_FAMILY(Szivattyuperc, true),
    NK_FAMILY(Csoveszteseg, true),  NK_FAMILY(KollHoTar, true),     NK_FAMILY(KollHoMed, true),
    NK_FAMILY(KollHoPuf, true),     NK_FAMILY(HagyHo, true),        NK_FAMILY(HagyHoTar, true),
    NK_FAMILY(HagyHoMed, true),     NK_FAMILY(HagyHoFut, true),     NK_FAMILY(MedNyereseg, true),
    NK_FAMILY(EpNyereseg, true),    NK_FAMILY(MedVeszteseg, true),  NK_FAMILY(EpHoigeny, true),
    NK_FAMILY(OsszHoigeny, true),   NK_FAMILY(OsszNyereseg, true),  NK_FAMILY(HmvHoigeny, true),
    NK_FAMILY(Tar1Also, false),     NK_FAMILY(Tar1Kozep, false),    NK_FAMILY(Tar1Felso, false),
    NK_FAMILY(Tar2Also, false),     NK_FAMILY(Tar2Kozep, false),    NK_FAMILY(Tar2Felso, false),
    NK_FAMILY(Tar3Also, false),     NK_FAMILY(Tar3Kozep, false),    NK_FAMILY(Tar3Felso, false),
    NK_FAMILY(MedTemp, false),
};
#undef NK_FAMILY

bool is(const Family& f, MonthlyArray Results::*havi) { return f.havi == havi; }

// The families whose monthly and daily arrays a daily run leaves alone.
bool keptByDailyRun(const Family& f) {
    return is(f, &Results::HaviKollHoPuf) || is(f, &Results::HaviHagyHoFut) || is(f, &Results::HaviEpNyereseg) ||
           is(f, &Results::HaviEpHoigeny);
}

bool isTankLayer(const Family& f) { return !f.energy && !is(f, &Results::HaviMedTemp); }

// Warm-up days of the monthly, annual and period cycles: average days in the
// cycle's month, Monday to Sunday twice, nothing recorded.
void warmUp(Model& m, Integer cycle) {
    if (m.s.Felfutes == kFalse) {
        m.s.Szamitasmod = 0;
        m.st.Kolldt = 0;
        m.s.Naptipus = 2;
        for (m.clock.Nap = 1; m.clock.Nap <= 14; ++m.clock.Nap) {
            m.s.Hetnapja = Integer((m.clock.Nap - 1) % 7 + 1);
            simulateDay(m);
        }
    }
    m.s.Szamitasmod = cycle;
}

// A failed run shows its error and leaves the normal pointer behind, and no
// figures: the previous run's would stand beside settings they were not
// calculated for.
void reportError(Model& m, int number) {
    m.ui->message(calcErrorMessage(number), kCalcErrorTitle, MsgIcon::Exclamation);
    m.ui->setBusy(false);
    showNoFigures(m);
}

// Runs a driver's body; an error ends the run as a calculation error does,
// memory running out among them.
template <class F>
void guarded(Model& m, F body) {
    try {
        body();
    } catch (const CalcError& e) {
        reportError(m, e.number());
    } catch (const std::bad_alloc&) {
        reportError(m, kOutOfMemory);
    }
}

// A system that can be chosen but has no day simulation is not calculated:
// zeros in the table would read as its results.
bool calculable(Model& m) {
    const int system = ix(m.s.Rendszerszam);
    if (hasDaySimulation(system)) return true;
    m.ui->message("A " + std::to_string(system) + ". számú rendszerhez nincs számítás. Válasszon másik rendszert!",
                  "Csővezeték hőveszteség számítás", MsgIcon::Exclamation);
    showNoFigures(m);
    return false;
}

// The days of the annual and period runs: monthly sums, daily arrays and
// means, and the run totals at the end of each month.
class RunAccumulator {
public:
    RunAccumulator(Model& m, bool energiesByDay) : m_(m), energiesByDay_(energiesByDay) {}

    // Days of the run, the divisor of the run means.
    void setDays(double days) { days_ = days; }

    void start() {
        Results& r = m_.res;
        for (const Family& f : kFamilies) {
            (r.*f.ora).erase();
            (r.*f.napok).redim(kDailyDims);
            (r.*f.havi).redim(kMonthlyDims);
        }
        r.runTotalsComplete = false;
        r.EvesSugarzas = r.EvesKollHo = r.EvesKollHoTar = r.EvesKollHoMed = r.EvesKollHoPuf = 0;
        r.EvesHagyHo = r.EvesHagyHoTar = r.EvesHagyHoMed = 0;
        r.EvesCsoveszteseg = r.EvesSzivattyuperc = r.EvesHagyHoFut = 0;
        r.EvesMedAtlag = r.EvesTar1Atlag = r.EvesTar2Atlag = 0;
        r.EvesTar3Atlag = 0;
    }

    void day() {
        Results& r = m_.res;
        const int mo = m_.clock.Honap, d = m_.clock.Nap;
        for (const Family& f : kFamilies) {
            const double v = f.napi(r);
            if (f.energy) {
                addSingle((r.*f.havi)(mo), v);
                if (energiesByDay_ && !is(f, &Results::HaviSugarzas)) (r.*f.napok)(mo, d) = v;
            } else {
                (r.*f.napok)(mo, d) = v;
            }
        }
        r.EvesMedAtlag += r.NapiMedTemp / days_;
        r.EvesTar1Atlag += r.NapiTar1Atlag / days_;
        r.EvesTar2Atlag += r.NapiTar2Atlag / days_;
        addSingle(r.EvesTar3Atlag, r.NapiTar3Atlag / days_);
    }

    void endOfMonth() {
        Results& r = m_.res;
        const int mo = m_.clock.Honap;
        r.EvesSugarzas += r.HaviSugarzas(mo);
        r.EvesKollHo += r.HaviKollHo(mo);
        addSingle(r.EvesSzivattyuperc, r.HaviSzivattyuperc(mo));
        addSingle(r.EvesCsoveszteseg, r.HaviCsoveszteseg(mo));
        r.EvesKollHoTar += r.HaviKollHoTar(mo);
        r.EvesKollHoMed += r.HaviKollHoMed(mo);
        r.EvesKollHoPuf += r.HaviKollHoPuf(mo);
        r.EvesHagyHo += r.HaviHagyHo(mo);
        r.EvesHagyHoTar += r.HaviHagyHoTar(mo);
        r.EvesHagyHoMed += r.HaviHagyHoMed(mo);
        addSingle(r.EvesHagyHoFut, r.HaviHagyHoFut(mo));
    }

private:
    Model& m_;
    double days_ = 365;
    bool energiesByDay_;
};

// One recorded day of an annual or period run. Returns false when the
// cancel flag stops the run.
bool recordedDay(Model& m, Integer& dayCounter, RunAccumulator& acc) {
    dayCounter = addI(dayCounter, 1);
    if (m.clock.Megszakitas == 1) {
        m.clock.Megszakitas = 0;
        m.ui->setBusy(false);
        return false;
    }
    m.s.Hetnapja = Integer((dayCounter - 1) % 7 + 1);
    m.s.Naptipus = CSng(m.prep.Idojarasminta(m.clock.Honap, m.clock.Nap));
    simulateDay(m);
    acc.day();
    m.clock.Eredmenyrogzites = kFalse;
    return true;
}

// The days of the month `Honap`, each month with a pattern of its own.
bool recordedMonth(Model& m, Integer& dayCounter, RunAccumulator& acc) {
    dayTypePattern(m, m.clock.Honap);
    const int n = m.klima.Honapnapjai(m.clock.Honap);
    for (m.clock.Nap = 1; m.clock.Nap <= n; ++m.clock.Nap)
        if (!recordedDay(m, dayCounter, acc)) return false;
    acc.endOfMonth();
    return true;
}

// The common start of the annual and period runs: arrays and totals, draw
// hours, start state, the rings of the first month and the warm-up.
void startLongRun(Model& m, RunAccumulator& acc, int firstMonth, Integer cycle) {
    m.ui->setBusy(true);
    acc.start();
    m.clock.Eredmenyrogzites = kFalse;
    countDrawHours(m);
    setStartState(m);
    m.clock.Honap = firstMonth;
    buildRings(m);
    warmUp(m, cycle);
}

// Guards a run against a second calculation starting inside it. A run that
// starts overwrites the arrays of the calculation shown until then.
class BusyGuard {
public:
    explicit BusyGuard(Model& m) : m_(m), acquired_(!m.calculating) {
        m_.calculating = true;
        if (acquired_) m_.res.shown.arraysHoldIt = false;
    }
    ~BusyGuard() {
        if (acquired_) m_.calculating = false;
    }
    bool acquired() const { return acquired_; }

private:
    Model& m_;
    bool acquired_;
};

}  // namespace

void Napiszamitas(Model& m) {
    BusyGuard guard(m);
    if (!guard.acquired() || !calculable(m)) return;
    Results& r = m.res;
    guarded(m, [&] {
        for (const Family& f : kFamilies) {
            if (!keptByDailyRun(f)) {
                (r.*f.havi).erase();
                (r.*f.napok).erase();
            }
            (r.*f.ora).redim(kHourlyDims);
        }
        countDrawHours(m);
        m.clock.Honap = m.s.Honapvalasztas;
        setStartState(m);
        buildRings(m);
        m.clock.Eredmenyrogzites = kFalse;
        if (m.s.Felfutes == kFalse) {
            for (m.clock.Nap = 1; m.clock.Nap <= 14; ++m.clock.Nap) {
                m.s.Hetnapja = Integer((m.clock.Nap + m.s.Kezdonap - 2) % 7 + 1);
                simulateDay(m);
            }
        }
        m.clock.Nap = 15;
        m.s.Hetnapja = m.s.Kezdonap;
        m.clock.Eredmenyrogzites = kTrue;
        simulateDay(m);
        dailyResults(m);
        recordShownCalculation(m, 1);
        Eredmenykiiras(m);
    });
}

void Haviszamitas(Model& m) {
    BusyGuard guard(m);
    if (!guard.acquired() || !calculable(m)) return;
    Results& r = m.res;
    guarded(m, [&] {
        m.ui->setBusy(true);
        const int month = m.s.Honapvalasztas;
        const int n = m.klima.Honapnapjai(month);
        for (const Family& f : kFamilies) {
            (r.*f.havi).erase();
            (r.*f.ora).redim(kHourlyDims);
            (r.*f.napok).redim(kDailyDims);
            if (!isTankLayer(f)) (r.*f.havi).redim(kMonthlyDims);
        }
        m.clock.Honap = month;
        m.clock.Eredmenyrogzites = kFalse;
        countDrawHours(m);
        dayTypePattern(m, month);
        setStartState(m);
        r.HaviMedAtlag = r.HaviTar1Atlag = r.HaviTar2Atlag = 0;
        r.HaviTar3Atlag = 0;
        buildRings(m);
        warmUp(m, 2);
        m.clock.Eredmenyrogzites = kTrue;
        for (m.clock.Nap = 1; m.clock.Nap <= n; ++m.clock.Nap) {
            m.s.Hetnapja = Integer((m.clock.Nap - 1) % 7 + 1);
            m.s.Naptipus = CSng(m.prep.Idojarasminta(month, m.clock.Nap));
            simulateDay(m);
            for (const Family& f : kFamilies) {
                if (!f.energy) continue;
                const double v = f.napi(r);
                if (!is(f, &Results::HaviSugarzas)) (r.*f.napok)(month, m.clock.Nap) = v;
                addSingle((r.*f.havi)(month), v);
            }
            r.HaviMedAtlag += r.NapiMedTemp / n;
            r.HaviTar1Atlag += r.NapiTar1Atlag / n;
            r.HaviTar2Atlag += r.NapiTar2Atlag / n;
            addSingle(r.HaviTar3Atlag, r.NapiTar3Atlag / n);
            m.clock.Eredmenyrogzites = kFalse;
        }
        m.ui->setBusy(false);
        monthlyTemperatureResults(m);
        monthlyEnergyResults(m, month);
        recordShownCalculation(m, 2);
        Eredmenykiiras(m);
    });
}

void Evesszamitas(Model& m) {
    BusyGuard guard(m);
    if (!guard.acquired() || !calculable(m)) return;
    guarded(m, [&] {
        RunAccumulator acc(m, false);
        startLongRun(m, acc, 1, 3);
        m.clock.Eredmenyrogzites = kTrue;
        Integer dayCounter = 0;
        for (m.clock.Honap = 1; m.clock.Honap <= 12; ++m.clock.Honap)
            if (!recordedMonth(m, dayCounter, acc)) return;
        runTemperatureResults(m);
        m.res.runTotalsComplete = true;
        Evesgrafikon(m);
        m.ui->setBusy(false);
        runEnergyResults(m, false);
        recordShownCalculation(m, 3);
        Eredmenykiiras(m);
    });
}

void countPeriod(Model& m) {
    SimClock& c = m.clock;
    const int first = m.s.ElsoHonap, last = ix(m.s.UtolsoHonap);
    c.IdoszakNapjai = 0;
    c.IdoszakHonapjai = 0;
    auto add = [&] {
        c.IdoszakNapjai += m.klima.Honapnapjai(c.Honapindex);
        c.IdoszakHonapjai = addI(c.IdoszakHonapjai, 1);
    };
    if (last >= first) {
        for (c.Honapindex = Integer(first); c.Honapindex <= last; ++c.Honapindex) add();
    } else {
        for (c.Honapindex = Integer(first); c.Honapindex <= 12; ++c.Honapindex) add();
        for (c.Honapindex = 1; c.Honapindex <= last; ++c.Honapindex) add();
    }
}

void Idoszakiszamitas(Model& m) {
    BusyGuard guard(m);
    if (!guard.acquired() || !calculable(m)) return;
    guarded(m, [&] {
        RunAccumulator acc(m, true);
        startLongRun(m, acc, m.s.ElsoHonap, 4);
        countPeriod(m);
        acc.setDays(m.clock.IdoszakNapjai);
        m.clock.Eredmenyrogzites = kTrue;
        Integer dayCounter = 0;
        m.clock.Honap = m.s.ElsoHonap;
        SimClock& c = m.clock;
        for (c.Honapindex = 1; c.Honapindex <= c.IdoszakHonapjai; ++c.Honapindex) {
            if (!recordedMonth(m, dayCounter, acc)) return;
            c.Honap = c.Honap + 1;
            if (c.Honap > 12) c.Honap = 1;
        }
        runTemperatureResults(m);
        m.res.runTotalsComplete = true;
        m.ui->setBusy(false);
        runEnergyResults(m, true);
        recordShownCalculation(m, 4);
        Eredmenykiiras(m);
    });
}

bool runCalculation(Model& m) {
    if (m.calculating) return false;
    switch (m.s.Szamitasmod) {
        case 2: Haviszamitas(m); break;
        case 3: Evesszamitas(m); break;
        case 4: Idoszakiszamitas(m); break;
        default: Napiszamitas(m); break;
    }
    return true;
}

void initialCalculationChoices(Model& m) {
    m.s.Naptipus = 2;
    m.s.Honapvalasztas = 3;
    m.s.Szamitasmod = 3;
}

}  // namespace nk
