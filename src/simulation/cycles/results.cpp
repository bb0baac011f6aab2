#include "simulation/cycles/results.h"

#include <cmath>

namespace nk {

double energyKwh(double wh) { return Int(wh / 1000 * 10) / 10; }

double irradiationKwh(double whPerM2, double area) { return Int(whPerM2 * area / 1000 * 10) / 10; }

double twoDecimals(double t) { return Int(t * 100) / 100; }

double sharePercent(double a, double b) { return b > 0 ? Int(a / b * 10000) / 100 : 0; }

namespace {

// Monthly energies are formed in single precision, constants included.
Single energyKwhSingle(Single wh) {
    const Single kwh = CSng(double(wh) / double(1000.0f));
    const Single tenths = CSng(double(kwh) * double(10.0f));
    return CSng(Int(tenths) / double(10.0f));
}

// Share and solar fractions of the rounded energies in element 1.
void sharesAndFractions(Results& r) {
    r.EredmCsoArany(1) = sharePercent(r.EredmQcso(1), r.EredmKollHo(1).d());
    r.EredmCsoArany2(1) = r.EredmCsoArany(1);
    r.EredmMedArany(1) = sharePercent(r.EredmKollHoMed(1).d(), r.EredmQnap(1).d());
    r.EredmPufArany(1) = sharePercent(r.EredmKollHoPuf(1).d(), r.EredmQnap(1).d());
    auto fraction = [](const Var& K, const Var& H) { return CSng(sharePercent(K.d(), K.d() + H.d())); };
    r.EredmFedezet(1) = fraction(r.EredmKollHo(1), r.EredmHagyHo(1));
    r.EredmFedezetTar(1) = fraction(r.EredmKollHoTar(1), r.EredmHagyHoTar(1));
    r.EredmFedezetMed(1) = fraction(r.EredmKollHoMed(1), r.EredmHagyHoMed(1));
    r.EredmFedezetFut(1) = fraction(r.EredmKollHoPuf(1), r.EredmHagyHoFut(1));
}

// Energies of a run in double precision, then shares and fractions.
struct EnergySums {
    double sugarzas, kollHo, cso, kollHoTar, kollHoMed, kollHoPuf, hagyHo, hagyHoTar, hagyHoMed, hagyHoFut;
};

void energyResults(Model& m, const EnergySums& e) {
    Results& r = m.res;
    r.EredmQnap(1) = irradiationKwh(e.sugarzas, m.s.Osszfelulet.d());
    r.EredmKollHo(1) = energyKwh(e.kollHo);
    r.EredmQcso(1) = CSng(energyKwh(e.cso));
    r.EredmKollHoTar(1) = energyKwh(e.kollHoTar);
    r.EredmKollHoMed(1) = energyKwh(e.kollHoMed);
    r.EredmKollHoPuf(1) = energyKwh(e.kollHoPuf);
    r.EredmHagyHo(1) = energyKwh(e.hagyHo);
    r.EredmHagyHoTar(1) = energyKwh(e.hagyHoTar);
    r.EredmHagyHoMed(1) = energyKwh(e.hagyHoMed);
    r.EredmHagyHoFut(1) = energyKwh(e.hagyHoFut);
    sharesAndFractions(r);
}

void extremeResults(Results& r) {
    r.EredmTar1FelsoMax(1) = twoDecimals(r.Tar1FelsoMax);
    r.EredmTar2FelsoMax(1) = twoDecimals(r.Tar2FelsoMax);
    r.EredmTar3FelsoMax(1) = twoDecimals(r.Tar3FelsoMax);
    r.EredmTar1AlsoMin(1) = twoDecimals(r.Tar1AlsoMin);
    r.EredmTar2AlsoMin(1) = twoDecimals(r.Tar2AlsoMin);
    r.EredmTar3AlsoMin(1) = CSng(twoDecimals(r.Tar3AlsoMin));
    r.EredmMedTempMax(1) = twoDecimals(r.MedTempMax);
    r.EredmMedTempMin(1) = twoDecimals(r.MedTempMin);
}

}  // namespace

void dailyResults(Model& m) {
    Results& r = m.res;
    energyResults(m, {r.NapiSugarzas, r.NapiKollHo, r.NapiCsoveszteseg, r.NapiKollHoTar, r.NapiKollHoMed,
                      r.NapiKollHoPuf, r.NapiHagyHo, r.NapiHagyHoTar, r.NapiHagyHoMed, r.NapiHagyHoFut});
    extremeResults(r);
    r.EredmTar1Atlag(1) = twoDecimals(r.NapiTar1Atlag);
    r.EredmTar2Atlag(1) = twoDecimals(r.NapiTar2Atlag);
    r.EredmTar3Atlag(1) = CSng(twoDecimals(r.NapiTar3Atlag));
    r.EredmMedTempAtlag(1) = CSng(twoDecimals(r.NapiMedTemp));
}

void monthlyTemperatureResults(Model& m) {
    Results& r = m.res;
    extremeResults(r);
    r.EredmTar1Atlag(1) = twoDecimals(r.HaviTar1Atlag);
    r.EredmTar2Atlag(1) = twoDecimals(r.HaviTar2Atlag);
    r.EredmTar3Atlag(1) = CSng(twoDecimals(r.HaviTar3Atlag));
    r.EredmMedTempAtlag(1) = CSng(twoDecimals(r.HaviMedAtlag));
}

void monthlyEnergyResults(Model& m, int month) {
    Results& r = m.res;
    r.EredmQnap(1) = irradiationKwh(r.HaviSugarzas(month), m.s.Osszfelulet.d());
    r.EredmKollHo(1) = energyKwhSingle(r.HaviKollHo(month));
    r.EredmQcso(1) = energyKwhSingle(r.HaviCsoveszteseg(month));
    r.EredmKollHoTar(1) = energyKwhSingle(r.HaviKollHoTar(month));
    r.EredmKollHoMed(1) = energyKwhSingle(r.HaviKollHoMed(month));
    r.EredmKollHoPuf(1) = energyKwhSingle(r.HaviKollHoPuf(month));
    r.EredmHagyHo(1) = energyKwhSingle(r.HaviHagyHo(month));
    r.EredmHagyHoTar(1) = energyKwhSingle(r.HaviHagyHoTar(month));
    r.EredmHagyHoMed(1) = energyKwhSingle(r.HaviHagyHoMed(month));
    r.EredmHagyHoFut(1) = energyKwhSingle(r.HaviHagyHoFut(month));
    sharesAndFractions(r);
}

void runTemperatureResults(Model& m) {
    Results& r = m.res;
    extremeResults(r);
    r.EredmMedTempAtlag(1) = CSng(twoDecimals(r.EvesMedAtlag));
    r.EredmTar1Atlag(1) = twoDecimals(r.EvesTar1Atlag);
    r.EredmTar2Atlag(1) = twoDecimals(r.EvesTar2Atlag);
    r.EredmTar3Atlag(1) = CSng(twoDecimals(r.EvesTar3Atlag));
}

void runEnergyResults(Model& m, bool period) {
    Results& r = m.res;
    energyResults(m, {r.EvesSugarzas, r.EvesKollHo, r.EvesCsoveszteseg, r.EvesKollHoTar, r.EvesKollHoMed,
                      r.EvesKollHoPuf, r.EvesHagyHo, r.EvesHagyHoTar, r.EvesHagyHoMed, r.EvesHagyHoFut});
    r.EredmSzivattyuperc(1) = r.EvesSzivattyuperc;
    if (period) {
        // The period's own shares are taken against the irradiation; the
        // table's pipe-loss share stays the pipe loss over the collector heat.
        r.EredmCsoArany(1) = sharePercent(r.EredmKollHo(1).d(), r.EredmQnap(1).d());
    }
}

std::string amountUnit(int cycle, AmountOver over) {
    const bool run = over == AmountOver::Run;
    switch (cycle) {
        case 1: return run ? "[kWh/nap]" : "[kW]";
        case 2: return run ? "[kWh/hónap]" : "[kWh/nap]";
        case 4: return run ? "[kWh/időszak]" : "[kWh/hónap]";
        default: return run ? "[kWh/év]" : "[kWh/hónap]";
    }
}

void recordShownCalculation(Model& m, Integer cycle) {
    const Settings& s = m.s;
    m.res.shown = {cycle, s.Honapvalasztas, s.Naptipus, s.ElsoHonap, s.UtolsoHonap, s.Rendszerszam, s.Rendszerkategoria, true};
}

void Eredmenykiiras(Model& m) {
    Results& r = m.res;
    const NumberLocale loc = m.ui->numberLocale();
    ResultTexts& t = r.tablazat;
    // The box is formed from the single-precision run total, step by step in single precision.
    // An annual or period run that failed left a part of a year in it.
    if (r.runTotalsComplete) {
        const Single hundredths = CSng(double(r.EvesCsoveszteseg) * double(100.0f));
        const Single kwh = CSng(double(hundredths) / double(1000.0f));
        t.csohoveszteseg = textForm(CSng(Int(kwh) / double(100.0f)), loc);
    } else {
        t.csohoveszteseg.clear();
    }
    // Every row speaks of the whole installation (tank, pool and buffer).
    // Where the tank is not the only consumer, the useful heat is every
    // consumer's too, so that the pipe-loss share and the solar fraction are
    // what their captions' formulas give from the rows shown. Qkoll is formed
    // in whole tenths of a kWh, so that the displayed Qkoll is always the
    // displayed Qhaszn plus the displayed pipe loss.
    const double kollTenths = std::nearbyint(r.EredmKollHo(1).d() * 10);
    const double csoTenths = std::nearbyint(double(r.EredmQcso(1)) * 10);
    const double qkoll = (kollTenths + csoTenths) / 10;
    t.usefulHeatOfAllConsumers = ix(r.shown.group) != 1;
    const double hasznTenths =
        t.usefulHeatOfAllConsumers ? kollTenths : std::nearbyint(r.EredmKollHoTar(1).d() * 10);
    t.tablazat1[0] = textForm(r.EredmQnap(1), loc);
    t.tablazat1[1] = textForm(qkoll, loc);
    t.tablazat1[2] = textForm(r.EredmQcso(1), loc);
    t.tablazat1[3] = textForm(hasznTenths / 10, loc);
    t.tablazat1[4] = textForm(r.EredmCsoArany2(1), loc) + " %";
    t.tablazat1[5] = textForm(r.EredmHagyHo(1), loc);
    t.tablazat1[6] = textForm(r.EredmFedezet(1), loc) + " %";
    t.unit = amountUnit(r.shown.cycle, AmountOver::Run);
    // The data sheet's energy lines carry the table's own figures: Qnap,
    // Qkoll, Qkieg, the collectors' useful heat over Qnap in per cent, and
    // the solar fraction.
    r.EnergiaAdat(1) = r.EredmQnap(1);
    r.EnergiaAdat(2) = qkoll;
    r.EnergiaAdat(3) = r.EredmHagyHo(1);
    r.EnergiaAdat(4) = sharePercent(kollTenths / 10, r.EredmQnap(1).d());
    r.EnergiaAdat(5) = r.EredmFedezet(1);
    m.ui->showResults(t);
}

void showNoFigures(Model& m) {
    Results& r = m.res;
    r.shown = {};
    for (int i = 1; i <= 5; ++i) r.EnergiaAdat(i) = Var();
    r.tablazat = {};
    r.tablazat.unit = amountUnit(r.shown.cycle, AmountOver::Run);
    // The chart keeps its legend; its bars and scale go.
    AnnualChart& c = r.evesgrafikon;
    c.drawn = false;
    c.scaleLabel.clear();
    c.qnap = c.qkollveszt = c.qkoll = c.qcso = c.qkieg = {};
    m.ui->showResults(r.tablazat);
    m.ui->showChart(r.evesgrafikon);
}

void Evesgrafikon(Model& m) {
    const Results& r = m.res;
    AnnualChart& c = m.res.evesgrafikon;
    const double area = m.s.Osszfelulet.d();
    double qnap[13], qkoll[13], qcso[13], qkieg[13];
    for (int mo = 1; mo <= 12; ++mo) {
        qnap[mo] = r.HaviSugarzas(mo) * area / 1000;
        qkoll[mo] = r.HaviKollHo(mo) / 1000.0;
        qcso[mo] = r.HaviCsoveszteseg(mo) / 1000.0;
        qkieg[mo] = r.HaviHagyHo(mo) / 1000.0;
    }

    c.irradiationView = m.ui->irradiationShown();
    c.label2 = c.irradiationView ? "Qkollveszt" : "Qkoll";
    c.qnapLegendVisible = c.irradiationView;
    c.kollvesztSwatchColour = c.irradiationView ? 255 : 65535;

    Single M = 0;
    for (int mo = 1; mo <= 12; ++mo) {
        const double first = c.irradiationView ? qnap[mo] : qkoll[mo] + qcso[mo];
        if (M < first) M = CSng(first);
        if (qkieg[mo] > M) M = CSng(qkieg[mo]);
    }
    c.scaleLabel = textForm(CSng(Int(CSng(double(M) * 10)) / 10), m.ui->numberLocale());

    // A year without any value draws every bar at height 0 instead of
    // dividing by a zero scale.
    auto height = [&](double v) { return M > 0 ? v * 2000 / M : 0.0; };
    auto bar = [](double h) { return ChartBar{CSng(h), CSng(3000 - h)}; };
    for (int mo = 1; mo <= 12; ++mo) {
        const int k = mo - 1;
        const double hKoll = height(qkoll[mo]);
        const double hStack = hKoll + height(qcso[mo]);
        if (c.irradiationView) {
            c.qnap[k] = bar(height(qnap[mo]));
            c.qkollveszt[k] = c.qnap[k];
        } else {
            c.qnap[k] = bar(hStack);
            c.qkollveszt[k] = bar(0);
        }
        c.qkoll[k] = bar(hKoll);
        c.qcso[k] = bar(hStack);
        c.qkieg[k] = bar(height(qkieg[mo]));
    }
    c.drawn = true;
    m.ui->showChart(c);
}

}  // namespace nk
