// The hot-water consumption: the profile of the daily or weekly programme,
// the day shown, and the three linked amounts (persons, litres per person,
// litres a day).

#include "ui/editors/consumption_editor.h"
#include "ui/settings/settings_layout.h"
#include "ui/settings/settings_window.h"

namespace nk::ui {

using namespace layout;

namespace {

const QStringList kDailyProfiles = {QStringLiteral("Családi ház, munkanap"), QStringLiteral("Családi ház, hétvége"),
                                    QStringLiteral("Munkahely, munkanap"), QStringLiteral("Nincs fogyasztás"),
                                    QStringLiteral("Egyedi")};
const QStringList kWeeklyProfiles = {QStringLiteral("Családi ház"), QStringLiteral("Munkahely"),
                                     QStringLiteral("Nincs fogyasztás"), QStringLiteral("Egyedi")};

const char* const kConsumptionTitle = "Melegvíz fogyasztás";
const char* const kDailyRange = "A napi melegvíz fogyasztásnak 0 és 100000 liter között kell lennie!";

// The amounts a profile holds for one day.
struct Amounts {
    Integer persons;
    Single perPerson;
    Currency daily;
};

// Litres a day from persons and litres per person, to whole litres.
double dailyLitres(Integer persons, Single perPerson) {
    const Single product = Single(persons) * perPerson;
    return Int(double(product) + 0.5);
}

}  // namespace

void FrmBeallitasok::buildHotWater(Column& column) {
    const int w = column.width();
    const int x = w - 8 - kFieldWidth;
    auto* Frame5 = column.frame(QStringLiteral("Melegvíz fogyasztás"), 9);
    label(Frame5, QStringLiteral("Fogyasztás jellege:"), 8, rowTop(0), 110);
    Combo2 = list(Frame5, 118, rowTop(0), w - 126);
    connect(Combo2, &QComboBox::activated, this, [this] { Combo2_Click(); });
    QWidget* kind = optionGroup(Frame5, 8, rowTop(1), 240, 19);
    Option1 = option(kind, QStringLiteral("Napi program"), 0, 0, 110);
    Option2 = option(kind, QStringLiteral("Heti program"), 120, 0, 110);
    connect(Option1, &QRadioButton::toggled, this, [this](bool on) {
        if (on) Option1_Click();
    });
    connect(Option2, &QRadioButton::toggled, this, [this](bool on) {
        if (on) Option2_Click();
    });
    Picture6 = weekdayPanel(Frame5, 8, rowTop(2), Option12);
    for (int d = 1; d <= 7; ++d)
        connect(Option12[std::size_t(d)], &QRadioButton::toggled, this, [this, d](bool on) {
            if (on) Option12_Click(d);
        });
    const char* const amounts[4] = {"", "Felhasználó személyek száma [fő]:",
                                    "Személyenkénti melegvíz fogyasztás [liter/fő.nap]: ",
                                    "Napi melegvíz fogyasztás [liter]:"};
    for (int i = 1; i <= 3; ++i) {
        label(Frame5, QString::fromUtf8(amounts[i]), 8, rowTop(2 + i), x - 10);
        Text7[std::size_t(i)] = field(Frame5, x, rowTop(2 + i));
    }
    Label28 = label(Frame5, QStringLiteral("45°C-os melegvízből"), 8, rowTop(6), x + kFieldWidth - 8);
    Label28->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label(Frame5, QStringLiteral("A felhasznált melegvíz hőmérséklete [°C]:"), 8, rowTop(7), x - 10);
    Text5 = field(Frame5, x, rowTop(7));
    Command7 = new QPushButton(QStringLiteral("Egyedi időprogram"), Frame5);
    Command7->setGeometry(8, rowTop(8), 150, 24);
    Command7->setToolTip(QStringLiteral("Egyedi fogyasztás megadására szolgáló ablak megnyitása"));
}

// --- Loading --------------------------------------------------------------------

void FrmBeallitasok::loadHotWater() {
    Settings& s = m_.s;
    s.Fogyhetnapja = 1;
    s.BeallMelegvizhofok = CInt(s.Melegvizhofok);
    Text5->setText(qs(textForm(s.BeallMelegvizhofok, loc())));
    s.BeallHidegvizhofok = CInt(s.Hidegvizhofok);
    Text12->setText(qs(textForm(s.BeallHidegvizhofok, loc())));
    s.BeallFogyjelleg = CInt(s.Fogyjelleg);
    s.BeallFogyheti = CInt(s.Fogyheti);
    loadWorkingConsumption(m_);
    // A programme other than daily or weekly leaves the list as it is.
    const double weekly = s.Fogyheti.d();
    if (weekly == 0 || weekly == 1) {
        if (weekly == 0)
            select(Option1, [this] { Option1_Click(); });
        else
            select(Option2, [this] { Option2_Click(); });
        refill(Combo2, weekly == 0 ? kDailyProfiles : kWeeklyProfiles);
        selectIndex(Combo2, CInt(s.Fogyjelleg.d() - 1), [this] { Combo2_Click(); });
    }
}

// --- The amounts of the shown profile and day ---------------------------------------

void FrmBeallitasok::FogyAdatvaltozas() {
    const Settings& s = m_.s;
    ConsumptionProfiles& f = m_.fogy;
    const int p = s.BeallFogyjelleg, w = s.BeallFogyheti, d = s.Fogyhetnapja;
    const Integer persons = f.BeallFogyszemely(p, w, d);
    const Single perPerson = f.BeallFogyfajlagos(p, w, d);
    Text7[1]->setText(qs(textForm(persons, loc())));
    Text7[2]->setText(qs(textForm(perPerson, loc())));
    Text7[3]->setText(qs(textForm(dailyLitres(persons, perPerson), loc())));

    if (isBuiltInProfile(p, w)) shareBuiltInAmounts(f, p, w, d);

    const QString profile = Combo2->currentText();
    bool enabled = !(profile == QStringLiteral("Nincs fogyasztás") ||
                     (profile == QStringLiteral("Egyedi") && f.BeallFogyoraiossz(p, w, d) == 1));
    if (enabled && w == 1 && p == 2 && (d == 6 || d == 7)) enabled = false;  // no work at the weekend
    for (int i = 1; i <= 3; ++i) Text7[std::size_t(i)]->setEnabled(enabled);
    Fogygrafikon();
}

void FrmBeallitasok::Combo2_Click() {
    Settings& s = m_.s;
    s.BeallFogyjelleg = Integer(Combo2->currentIndex() + 1);
    const int p = s.BeallFogyjelleg, w = s.BeallFogyheti, d = s.Fogyhetnapja;
    const QString profile = Combo2->currentText();
    const bool none = profile == QStringLiteral("Nincs fogyasztás") ||
                      (profile == QStringLiteral("Egyedi") && m_.fogy.BeallFogyoraiossz(p, w, d) == 1);
    Text7[3]->setEnabled(!none);
    Text7[2]->setEnabled(!none);
    if (s.BeallFogyheti == 0) {
        FogyAdatvaltozas();
    } else {
        clear(Option12[std::size_t(s.Fogyhetnapja)]);
        const int day = s.Fogyhetnapja;
        select(Option12[std::size_t(day)], [this, day] { Option12_Click(day); });
    }
}

void FrmBeallitasok::Option1_Click() {
    Settings& s = m_.s;
    s.BeallFogyheti = 0;
    Picture6->setEnabled(false);
    // No day shown selected; opening and Cancel set the day to Monday before
    // this runs, so the button still shown may be another one.
    for (int d = 1; d <= 7; ++d) clear(Option12[std::size_t(d)]);
    refill(Combo2, kDailyProfiles);
    selectIndex(Combo2, 0, [this] { Combo2_Click(); });
}

void FrmBeallitasok::Option2_Click() {
    m_.s.BeallFogyheti = 1;
    Picture6->setEnabled(true);
    refill(Combo2, kWeeklyProfiles);
    selectIndex(Combo2, 0, [this] { Combo2_Click(); });
}

void FrmBeallitasok::Option12_Click(int index) {
    m_.s.Fogyhetnapja = Integer(index);
    FogyAdatvaltozas();
}

void FrmBeallitasok::Command7_Click() {
    consumptionEditor = new Fogyasztas(m_, messages_, *this);
    consumptionEditor->setAttribute(Qt::WA_DeleteOnClose);
    consumptionEditor->Form_Load();
    consumptionEditor->open();  // modal; its "Be&zár" hands the profile back
}

// An amount typed for the shown profile and day. Persons are whole, litres a
// day whole litres; a built-in profile may not draw nothing.
bool FrmBeallitasok::consumptionFieldLeft(int index) {
    Settings& s = m_.s;
    ConsumptionProfiles& f = m_.fogy;
    const int p = s.BeallFogyjelleg, w = s.BeallFogyheti, d = s.Fogyhetnapja;
    FieldEdit* edit = Text7[std::size_t(index)];
    const FieldRule rule{0, 100000, FieldStyle::Information, kConsumptionTitle, kDailyRange};
    auto refuse = [&](const FieldVerdict& v) {
        message(v);
        const std::string stored = index == 1   ? textForm(f.BeallFogyszemely(p, w, d), loc())
                                   : index == 2 ? textForm(f.BeallFogyfajlagos(p, w, d), loc())
                                                : textForm(f.BeallFogynapi(p, w, d), loc());
        edit->setText(qs(stored));
    };
    auto refuseWith = [&](const char* text) {
        FieldVerdict v = outOfRange(rule);
        v.message = text;
        refuse(v);
    };
    bool refused = false;

    auto value = localeRead(utf8(edit->text()), loc());
    if (!value) {
        refuse(notANumber(rule));
        return false;
    }
    // Zero is the custom profile's alone, judged on what would be stored.
    const bool custom = p + w == 5;
    const double stored = index == 2 ? double(CSng(*value)) : Int(*value + 0.5);
    if (*value >= 0 && stored == 0 && !custom) {
        // The stored amount goes back and is taken as if typed.
        refuseWith("Nulla fogyasztás csak egyedi fogyasztási jelleggörbe esetén adható meg!");
        refused = true;
        value = localeRead(utf8(edit->text()), loc());
        if (!value) return false;
    }

    const double v = *value;
    Amounts a{f.BeallFogyszemely(p, w, d), f.BeallFogyfajlagos(p, w, d), f.BeallFogynapi(p, w, d)};
    switch (index) {
        case 1:
            if (v < 0) return refuseWith("Nem megfelelő érték!"), false;
            if (v * a.perPerson > 100000 || Int(v + 0.5) > 10000) return refuse(outOfRange(rule)), false;
            a.persons = CInt(Int(v + 0.5));
            break;
        case 2:
            if (v < 0) return refuseWith("Nem megfelelő érték!"), false;
            if (v * a.persons > 100000 || v > 100000) return refuse(outOfRange(rule)), false;
            a.perPerson = CSng(v);
            break;
        default:
            if (v < 0 || v > 100000) return refuse(outOfRange(rule)), false;
            if (a.persons != 0) {
                a.perPerson = CSng(v / a.persons);
            } else {
                a.persons = 1;
                a.perPerson = CSng(v);
            }
            break;
    }
    a.daily = Currency::fromDouble(dailyLitres(a.persons, a.perPerson));

    // The custom profile of the daily programme is one day for all seven.
    const bool everyDay = w == 0 && p == 5;
    for (int day = everyDay ? 1 : d; day <= (everyDay ? 7 : d); ++day) {
        f.BeallFogyszemely(p, w, day) = a.persons;
        f.BeallFogyfajlagos(p, w, day) = a.perPerson;
        f.BeallFogynapi(p, w, day) = a.daily;
    }
    FogyAdatvaltozas();
    return !refused;
}

}  // namespace nk::ui
