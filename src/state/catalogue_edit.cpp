#include "state/catalogue_edit.h"

#include <algorithm>

namespace nk {

bool isProtectedCollectorName(std::string_view name) {
    for (std::string_view p : {"Heliovant HV 330", "Heliovant HV 400 kriptonnal", "Brimstell R300", "Brimstell R400"})
        if (name == p) return true;
    return false;
}

bool isActiveCollector(const Settings& s, int type, int model) {
    return ix(s.Kollektortipus) == type && ix(s.Kollektormodell) == model;
}

namespace {

void storeFigures(Catalogue& k, int type, int model, const CollectorFigures& f) {
    k.KatFelulet(type, model) = f.area;
    k.KatA(type, model) = f.a;
    k.KatB(type, model) = f.b;
    k.KatC(type, model) = f.c;
}

}  // namespace

Single totalCollectorArea(Single area, double count) {
    const NumberLocale point{".", ""};
    const double shown = localeRead(textForm(area, point), point).value_or(0.0);
    return CSng(Int(shown * count * 100 + 0.5) / 100);
}

void storeCollectorFigures(Model& m, int type, int model, const CollectorFigures& f) {
    storeFigures(m.kat, type, model, f);
    Settings& s = m.s;
    if (!isActiveCollector(s, type, model)) return;
    s.Kollektorfelulet = m.kat.KatFelulet(type, model);
    s.Osszfelulet = totalCollectorArea(f.area, s.Kollektorszam.d());
    s.KollA = m.kat.KatA(type, model);
    s.KollB = m.kat.KatB(type, model);
    s.KollC = m.kat.KatC(type, model);
}

int addCollectorModel(Catalogue& k, int type, const std::string& name, const CollectorFigures& f) {
    k.KatDarab(type) = addI(k.KatDarab(type), 1);
    if (k.KatDarab(type) > k.KatMaxIndex) {
        k.KatMaxIndex = k.KatDarab(type);
        k.reallocatePreserving(k.KatMaxIndex);
    }
    const int model = k.KatDarab(type) - 1;
    storeFigures(k, type, model, f);
    k.KatNev(type, model) = name;
    return model;
}

void deleteCollectorModel(Model& m, int type, int model) {
    Catalogue& k = m.kat;
    for (int i = model; i <= k.KatDarab(type) - 2; ++i) {
        k.KatNev(type, i) = k.KatNev(type, i + 1);
        k.KatFelulet(type, i) = k.KatFelulet(type, i + 1);
        k.KatA(type, i) = k.KatA(type, i + 1);
        k.KatB(type, i) = k.KatB(type, i + 1);
        k.KatC(type, i) = k.KatC(type, i + 1);
    }
    k.KatDarab(type) = addI(k.KatDarab(type), -1);
    Integer largest = 0;
    for (int t = 1; t <= 6; ++t) largest = std::max(largest, k.KatDarab(t));
    k.KatMaxIndex = largest;
    k.reallocatePreserving(k.KatMaxIndex);

    Settings& s = m.s;
    if (ix(s.Kollektortipus) == type && ix(s.Kollektormodell) > model) s.Kollektormodell = ix(s.Kollektormodell) - 1;
    if (s.BeallKollektortipus == type) {
        if (s.BeallKollektormodell > model)
            s.BeallKollektormodell = addI(s.BeallKollektormodell, -1);
        else if (s.BeallKollektormodell == model)
            s.BeallKollektormodell = 0;
    }
}

CollectorChoice workingCollector(const Settings& s) { return {s.BeallKollektortipus, s.BeallKollektormodell}; }

void followDeletion(CollectorChoice& c, int type, int deleted) {
    if (c.type == type && c.model > deleted) c.model = addI(c.model, -1);
}

void restoreWorkingCollector(Settings& s, const Catalogue& k, CollectorChoice c) {
    s.BeallKollektortipus = c.type;
    // Every type keeps at least one model: the editor never deletes the first.
    s.BeallKollektormodell = std::clamp<Integer>(c.model, 0, addI(k.KatDarab(c.type), -1));
}

}  // namespace nk
