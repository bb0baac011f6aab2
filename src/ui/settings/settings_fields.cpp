// The numeric fields of the settings window: one descriptor per field (its
// bounds, messages, how an accepted number is stored and what follows it),
// checked by one mechanism when the focus leaves the field or before any
// button acts.

#include "ui/settings/settings_layout.h"
#include "ui/settings/settings_window.h"

namespace nk::ui {

using namespace layout;

namespace {

// How an accepted number v is stored.
enum class Store {
    WholePartShown,   // Int(v); the field shows it
    Rounded,          // Int(v + 0.5); the typed text stays
    RoundedShown,     // Int(v + 0.5); the field shows it
    Hundredths,       // Int(v × 100 + 0.5) / 100; the field shows it
};

struct SettingField {
    FieldEdit* edit;
    std::function<FieldRule()> rule;
    Store store;
    std::function<std::string(const NumberLocale&)> shown;  // the bound value as text
    std::function<void(double)> set;                        // takes the stored number
    std::function<void()> after = {};                        // what follows a stored entry
    bool stopsSpinners = false;
};

constexpr FieldRule exclamation(double lo, double hi, std::string_view message) {
    return {lo, hi, FieldStyle::Exclamation, {}, message};
}
constexpr FieldRule information(double lo, double hi, std::string_view title, std::string_view message) {
    return {lo, hi, FieldStyle::Information, title, message};
}

}  // namespace

void FrmBeallitasok::registerFields() {
    Settings& s = m_.s;
    Programmes& g = m_.prog;
    auto fixed = [](FieldRule r) { return [r] { return r; }; };
    // Text forms of the three kinds the fields are bound to.
    auto showInteger = [](const Integer& v) { return [&v](const NumberLocale& l) { return textForm(v, l); }; };
    auto showVar = [](const Var& v) { return [&v](const NumberLocale& l) { return textForm(v, l); }; };
    auto showCurrency = [](const Currency& v) { return [&v](const NumberLocale& l) { return textForm(v, l); }; };
    auto setInteger = [](Integer& v) { return [&v](double x) { v = CInt(x); }; };
    auto setDouble = [](Var& v) { return [&v](double x) { v = x; }; };
    auto setCurrency = [](Currency& v) { return [&v](double x) { v = Currency::fromDouble(x); }; };
    // The controller fields edit element (working mode, 1) of their table.
    auto element = [&s](auto& table) -> auto& { return table(ix(s.BeallAutomod), 1); };
    auto showElement = [element](auto& table) {
        return [element, &table](const NumberLocale& l) { return textForm(element(table), l); };
    };

    const FieldRule dT = exclamation(1, 20, "A hőmérséklet különbség 1 és 20°C között állítható!");
    const FieldRule tankMax = exclamation(20, 100, "A tároló maximális hőmérséklet  20 és 100°C között állítható!");
    const FieldRule poolMax = exclamation(15, 40, "A medence maximális hőmérséklet  15 és 40°C között állítható!");
    const FieldRule volume = information(50, 10000, "Tároló térfogat",
                                         "A tároló térfogatának 50 és 10000  liter között kell lennie!");
    const FieldRule heaterPower =
        information(1, 500, "Tároló fűtés", "A tároló fűtésének teljesítménye 1kW és 500kW között lehet!");
    const char* const poolTitle = "Melegvíz fogyasztás";

    auto rectangleChanged = [this] {
        showPoolArea();
        showPoolVolume();
    };

    const std::vector<SettingField> table = {
        // Collectors and losses.
        {Text3, fixed(exclamation(1, 500, "A kollektorok száma 1 és 500 között lehet!")), Store::WholePartShown,
         showInteger(s.BeallKollektorszam), setInteger(s.BeallKollektorszam),
         [this, &s] {
             const double area = localeRead(utf8(Label64->text()), loc()).value_or(0.0) *
                                 localeRead(utf8(Text3->text()), loc()).value_or(0.0);
             Label65->setText(qs(textForm(area, loc())));
             s.BeallOsszfelulet = CSng(area);
         },
         true},
        {Text32, fixed(exclamation(0, 50, "A rendszer kollektoron kívüli vesztesége 0% és 50% között lehet!")),
         Store::WholePartShown, showInteger(s.BeallRendszerveszteseg), setInteger(s.BeallRendszerveszteseg), {}, true},
        {Text33, fixed(exclamation(0, 50, "A cirkulációs veszteség 0% és 50% között lehet!")), Store::WholePartShown,
         showVar(s.BeallCirkvesztes), setDouble(s.BeallCirkvesztes), {}, true},

        // Controller.
        {Text13, fixed(dT), Store::WholePartShown, showElement(g.BeallAutBekapcsdT1),
         [&g, element](double x) { element(g.BeallAutBekapcsdT1) = x; }},
        {Text14, fixed(dT), Store::WholePartShown, showElement(g.BeallAutBekapcsdT2),
         [&g, element](double x) { element(g.BeallAutBekapcsdT2) = x; }},
        {Text15, fixed(dT), Store::WholePartShown, showElement(g.BeallAutBekapcsdT3),
         [&g, element](double x) { element(g.BeallAutBekapcsdT3) = x; }},
        {Text28, fixed(dT), Store::WholePartShown, showElement(g.BeallAutBekapcsdTMed),
         [&g, element](double x) { element(g.BeallAutBekapcsdTMed) = CInt(x); }},
        {Text16, fixed(tankMax), Store::WholePartShown, showElement(g.BeallAutMaxhofok1),
         [&g, element](double x) { element(g.BeallAutMaxhofok1) = x; }},
        {Text17, fixed(tankMax), Store::WholePartShown, showElement(g.BeallAutMaxhofok2),
         [&g, element](double x) { element(g.BeallAutMaxhofok2) = x; }},
        {Text18, fixed(tankMax), Store::WholePartShown, showElement(g.BeallAutMaxhofok3),
         [&g, element](double x) { element(g.BeallAutMaxhofok3) = x; }},
        {Text27, fixed(poolMax), Store::WholePartShown, showElement(g.BeallAutMaxhofokMed),
         [&g, element](double x) { element(g.BeallAutMaxhofokMed) = CInt(x); }},

        // Water, tanks and the tank heater.
        {Text12, fixed(information(5, 35, "Hibás adat!", "A hidegvíz hőmérséklete 5°C és 35°C között lehet!")),
         Store::RoundedShown, showInteger(s.BeallHidegvizhofok), setInteger(s.BeallHidegvizhofok)},
        {Text5,
         fixed(information(20, 90, "Hibás adat!", "A felhasznált melegvíz hőmérséklete 20°C és 90°C között lehet!")),
         Store::RoundedShown, showInteger(s.BeallMelegvizhofok), setInteger(s.BeallMelegvizhofok),
         [this] { Label28->setText(Text5->text() + QStringLiteral("°C-os melegvízből")); }},
        {Text21, fixed(volume), Store::Rounded, showVar(s.BeallTarolo1terfogat), setDouble(s.BeallTarolo1terfogat)},
        {Text20, fixed(volume), Store::Rounded, showVar(s.BeallTarolo2terfogat), setDouble(s.BeallTarolo2terfogat)},
        {Text19, fixed(volume), Store::Rounded, showInteger(s.BeallTarolo3terfogat),
         setInteger(s.BeallTarolo3terfogat)},
        {Text22, fixed(heaterPower), Store::Rounded, showInteger(s.BeallTarolofutesteljesitmeny),
         setInteger(s.BeallTarolofutesteljesitmeny)},
        {Text23,
         fixed(information(30, 90, "Tároló fűtés",
                           "A tároló fűtésének bekapcsolási hőmérséklete 30°C és 90°C között lehet!")),
         Store::Rounded, showVar(s.BeallTarolofuteshofok), setDouble(s.BeallTarolofuteshofok)},

        // Pool: the width field is the diameter's when the pool is round.
        {Text26, fixed(information(1, 100, poolTitle, "A medence hosszúsága 1 m  és 100 m között lehet!")),
         Store::Hundredths, showVar(s.BeallMedhossz), setDouble(s.BeallMedhossz), rectangleChanged},
        {Text1,
         [&s, poolTitle] {
             return s.BeallMedalak == 1
                        ? information(1, 100, poolTitle, "A medence szélessége 1 m  és 100 m között lehet!")
                        : information(1, 100, poolTitle, "A medence hosszúsága 1 m  és 100 m között lehet!");
         },
         Store::Hundredths,
         [&s](const NumberLocale& l) { return textForm(s.BeallMedalak == 1 ? s.BeallMedszelesseg : s.BeallMedatmero, l); },
         [&s](double x) { (s.BeallMedalak == 1 ? s.BeallMedszelesseg : s.BeallMedatmero) = x; }, rectangleChanged},
        {Text4, fixed(information(0.2, 5, poolTitle, "A medence mélysége 0,2 m  és 5 m között lehet!")),
         Store::Hundredths, showVar(s.BeallMedmelyseg), setDouble(s.BeallMedmelyseg), [this] { showPoolVolume(); }},
        {Text8, fixed(information(1, 10000, poolTitle, "A medence felülete 1 m2  és 10000 m2 között lehet!")),
         Store::Hundredths, showVar(s.BeallMedfelulet), setDouble(s.BeallMedfelulet), [this] { showPoolVolume(); }},
        {Text24,
         fixed(information(5, 50, "Vízpótlás", "A vízpótlás hőmérséklete 5°C és 50°C között lehet!")),
         Store::Rounded, showCurrency(s.BeallMedvizpotlashofok), setCurrency(s.BeallMedvizpotlashofok)},
        {Text25,
         fixed(information(5, 40, "Medencetér fűtés", "A medencetér belső hőmérséklete 5°C és 40°C között lehet!")),
         Store::Rounded, showCurrency(s.BeallMedterhofok), setCurrency(s.BeallMedterhofok)},
        {Text29,
         fixed(information(5, 40, "Tároló fűtés",
                           "A medence fűtésének bekapcsolási hőmérséklete 5°C és 40°C között lehet!")),
         Store::Rounded, showCurrency(s.BeallMedfuteshofok), setCurrency(s.BeallMedfuteshofok)},
        {Text30, fixed(heaterPower), Store::Rounded, showCurrency(s.BeallMedfutesteljesitmeny),
         setCurrency(s.BeallMedfutesteljesitmeny)},
    };

    for (const SettingField& f : table)
        fields_->add(f.edit, [this, f] {
            const FieldVerdict v = checkField(f.rule(), utf8(f.edit->text()), loc());
            if (f.stopsSpinners) stopSpinners();
            if (!v.accepted) {
                message(v);
                f.edit->setText(qs(f.shown(loc())));
                return false;
            }
            switch (f.store) {
                case Store::WholePartShown: f.set(Int(v.value)); break;
                case Store::Rounded:
                case Store::RoundedShown: f.set(Int(v.value + 0.5)); break;
                case Store::Hundredths: f.set(Int(v.value * 100 + 0.5) / 100); break;
            }
            if (f.store == Store::WholePartShown || f.store == Store::RoundedShown || f.store == Store::Hundredths)
                f.edit->setText(qs(f.shown(loc())));
            if (f.after) f.after();
            return true;
        });

    for (auto& [field, edit] : pipeFields) {
        const PipeField id = field;
        FieldEdit* e = edit;
        fields_->add(e, [this, id, e] {
            const PipeEntryResult r = acceptPipeEntry(m_, id, utf8(e->text()), loc());
            stopSpinners();
            if (!r.accepted) {
                messages_.show(this, qs(r.message), qs(r.title), MsgIcon::Exclamation);
                e->setText(qs(r.restoredText));
            }
            return r.accepted;
        });
    }
    for (int i = 1; i <= 3; ++i) fields_->add(Text7[std::size_t(i)], [this, i] { return consumptionFieldLeft(i); });
}

}  // namespace nk::ui
