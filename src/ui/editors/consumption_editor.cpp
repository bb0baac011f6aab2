#include "ui/editors/consumption_editor.h"

#include <algorithm>
#include <cmath>

#include "platform/text.h"
#include "ui/repeat_button.h"
#include "ui/settings/settings_layout.h"
#include "ui/settings/settings_window.h"

namespace nk::ui {

namespace {

// Item number = profile. The custom profile is the last item of each list.
const QStringList kDailyProfiles = {QStringLiteral("Családi ház, munkanap"), QStringLiteral("Családi ház, hétvége"),
                                    QStringLiteral("Munkahely, munkanap"), QStringLiteral("Nincs Fogyasztás"),
                                    QStringLiteral("Egyedi...")};
const QStringList kWeeklyProfiles = {QStringLiteral("Családi ház"), QStringLiteral("Munkahely"),
                                     QStringLiteral("Nincs Fogyasztás"), QStringLiteral("Egyedi")};
constexpr int kDailyCustom = 5;
constexpr int kWeeklyCustom = 4;

const char* const kTitle = "Melegvíz fogyasztás";
const char* const kPleaseNumber = "Kérem adjon meg számot!";
const char* const kZeroForCustomOnly = "Nulla fogyasztás csak egyedi fogyasztási jelleggörbe esetén adható meg!";
const char* const kBadValue = "Nem megfelelő érték!";
const char* const kDailyRange = "A napi melegvíz fogyasztásnak 0 és 100000 liter között kell lennie!";
const char* const kAmountFirst = "Először adja meg a napi fogyasztás mennyiségét!";
const char* const kNoDistribution = "Adja meg a napi melegvíz fogyasztás eloszlását!";
const char* const kNoAmount = "Adja meg a napi melegvíz fogyasztás mennyiségét!";

// The chart panel lies below the band of the two lists; the right column
// is wide enough for the amounts' captions.
constexpr int kChartTop = 1050;
constexpr int kColumnWidth = 2700;
constexpr int kWindowWidth = 9750;
constexpr int kWindowHeight = kChartTop + 5460;

constexpr double kMostLitres = 100000;
// The settings file and the settings window keep at most this many persons.
constexpr double kMostPersons = 10000;

// Litres a day from persons and litres per person, to whole litres.
double dailyLitres(Integer persons, Single perPerson) {
    const Single product = Single(persons) * perPerson;
    return Int(double(product) + 0.5);
}

QLabel* label(QWidget* parent, const QString& text, const QRect& geometry) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(geometry);
    return l;
}

}  // namespace

Fogyasztas::Fogyasztas(Model& model, MessageService& messages, FrmBeallitasok& opener)
    : QDialog(&opener), m_(model), messages_(messages), opener_(opener), fields_(new FieldChecks(this)) {
    setupFixedWindow(this, kWindowWidth, kWindowHeight,
                     QStringLiteral("Napi, vagy heti egyedi melegvíz fogyasztási jelleggörbe beállítása"));
    setWindowFlag(Qt::Dialog);
    setModal(true);
    buildChart();
    buildChoice();
    buildAmounts();
    buildWeekdays();
    Command49 = new QPushButton(QStringLiteral("Be&zár"), this);
    Command49->setGeometry(twRect(7710, 5670, 1335, 555));
    // On the window, not on the chart: a built-in curve can be copied too.
    Command51 = new QPushButton(QStringLiteral("&Másolás"), this);
    Command51->setGeometry(twRect(5580, kChartTop + 3300, 960, 390));
    onClick(Command49, &Fogyasztas::Command49_Click);
    onClick(Command51, &Fogyasztas::Command51_Click);
    onClick(Command52, &Fogyasztas::Command52_Click);
    onClick(Command53, &Fogyasztas::Command53_Click);
    for (int i = 1; i <= 3; ++i)
        fields_->add(txbFogyasztas[std::size_t(i)], [this, i] { return txbFogyasztas_LostFocus(i); });
    setupBarButtons();
}

void Fogyasztas::onClick(QPushButton* button, void (Fogyasztas::*handler)()) {
    connect(button, &QPushButton::clicked, this, [this, handler] {
        if (commitEdits()) (this->*handler)();
    });
}

bool Fogyasztas::commitEdits() { return fields_->commit(); }

// --- Construction ------------------------------------------------------------------------

void Fogyasztas::buildChoice() {
    Frame3 = new QGroupBox(QStringLiteral("Programtipus"), this);
    Frame3->setGeometry(twRect(6900, 135, kColumnWidth, 1185));
    Option1 = new QRadioButton(QStringLiteral("Napi program"), Frame3);
    Option1->setGeometry(twRect(180, 330, 2000, 255));
    Option2 = new QRadioButton(QStringLiteral("Heti program"), Frame3);
    Option2->setGeometry(twRect(180, 720, 2000, 255));

    // The two lists in a band of their own above the chart, so that no bar
    // hides behind them.
    Label2 = label(this, QStringLiteral("Napi melegvíz fogyasztás jellege:"), twRect(240, 195, 2700, 255));
    Combo2 = new QComboBox(this);
    Combo2->setGeometry(twRect(2940, 150, 2340, 330));
    Label15 = label(this, QStringLiteral("Heti melegvíz fogyasztás jellege:"), twRect(240, 615, 2700, 255));
    Combo1 = new QComboBox(this);
    Combo1->setGeometry(twRect(2940, 570, 2340, 330));

    // A choice moves to another profile or day: an amount still being typed
    // is checked for the one it was typed for.
    connect(Option1, &QRadioButton::toggled, this, [this](bool on) {
        if (!on) return;
        commitEdits();
        Option1_Click();
    });
    connect(Option2, &QRadioButton::toggled, this, [this](bool on) {
        if (!on) return;
        commitEdits();
        Option2_Click();
    });
    connect(Combo2, &QComboBox::activated, this, [this] {
        commitEdits();
        Combo2_Click();
    });
    connect(Combo1, &QComboBox::activated, this, [this] {
        commitEdits();
        Combo1_Click();
    });
}

void Fogyasztas::buildAmounts() {
    Frame4 = new QGroupBox(this);
    Frame4->setGeometry(twRect(6900, kChartTop + 345, kColumnWidth, 2760));
    struct Row {
        const char* caption;
        QRect captionAt;
        int fieldTop;
        const char* unit;
        int unitTop;
    };
    const Row rows[4] = {{},
                         {"Felhasználó személyek száma:", twRect(120, 405, 2520, 255), 720, "fő", 765},
                         {"Személyenkénti vízfogyasztás:", twRect(120, 1170, 2520, 255), 1485, "liter", 1530},
                         {"Napi melegvíz fogyasztás:", twRect(120, 1935, 2520, 255), 2250, "liter", 2295}};
    for (int i = 1; i <= 3; ++i) {
        const Row& r = rows[i];
        label(Frame4, QString::fromUtf8(r.caption), r.captionAt);
        auto* e = new FieldEdit(Frame4);
        e->setGeometry(twRect(1215, r.fieldTop, 915, 285));
        e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        txbFogyasztas[std::size_t(i)] = e;
        label(Frame4, QString::fromUtf8(r.unit), twRect(2175, r.unitTop, 450, 255));
    }
}

void Fogyasztas::buildWeekdays() {
    static const char* const kNames[8] = {"", "Hétfő", "Kedd", "Szerda", "Csütörtök", "Péntek", "Szombat", "Vasárnap"};
    static const int kLeft[8] = {0, 405, 1380, 2205, 3030, 3885, 4755, 5715};
    Frame2 = new QGroupBox(QStringLiteral("A hét napjainak beállítása"), this);
    Frame2->setGeometry(twRect(120, kChartTop + 4365, 6675, 1005));
    for (int d = 1; d <= 7; ++d) {
        // Each day's name centred over its option.
        auto* name = label(Frame2, QString::fromUtf8(kNames[d]), twRect(kLeft[d] - 420, 315, 1080, 255));
        name->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        auto* o = new QRadioButton(Frame2);
        o->setGeometry(twRect(kLeft[d], d == 1 ? 585 : 600, 240, 240));
        Option3[std::size_t(d)] = o;
        connect(o, &QRadioButton::toggled, this, [this, d](bool on) {
            if (!on) return;
            commitEdits();
            Option3_Click(d);
        });
    }
}

void Fogyasztas::buildChart() {
    Picture2 = new QFrame(this);
    Picture2->setGeometry(twRect(120, kChartTop, 6675, 4275));
    Picture2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Frame1 = new QWidget(Picture2);
    Frame1->setGeometry(twRect(-300, -150, 6900, 4425));

    Picture1 = new ConsumptionChart(bars_, Frame1);
    Picture1->setGeometry(twRect(540, 450, bars::kPictureWidth, bars::kPictureHeight));

    static const int kLabelTop[11] = {2580, 2370, 2190, 1980, 1770, 1560, 1350, 1170, 990, 780, 570};
    for (int k = 0; k <= 10; ++k) Label5[std::size_t(k)] = label(Frame1, QString(), twRect(5640, kLabelTop[k], 1000, 195));
    Label5[0]->setText(QStringLiteral("0"));
    Label5[0]->move(twRect(5670, 2580, 0, 0).topLeft());
    Label7 = label(Frame1, QStringLiteral("[liter/óra]"), twRect(5640, 240, 1000, 195));
    Label1 = label(Frame1,
                   QStringLiteral("0       2       4        6       8      10      12     14     16      18     20     "
                                  "22      24 óra"),
                   twRect(495, 2760, 6000, 195));
    Label6 = label(Frame1,
                   QStringLiteral("A \"+\" gombokkal növelheti, a \"-\" gombokkal csökkentheti az egyes óraközök "
                                  "fogyasztási értékeit."),
                   twRect(540, 3870, 4950, 450));
    Label6->setWordWrap(true);

    for (int h = 0; h < bars::kHours; ++h) {
        auto* plus = new RepeatButton(Frame1);
        plus->setText(QStringLiteral("+"));
        plus->setGeometry(twRect(525 + 210 * h, 3030, 225, 330));
        auto* minus = new RepeatButton(Frame1);
        minus->setText(QStringLiteral("-"));
        minus->setGeometry(twRect(525 + 210 * h, 3405, 225, 330));
        Command2[std::size_t(h)] = plus;
        Command1[std::size_t(h)] = minus;
    }
    Command53 = new QPushButton(QStringLiteral("&OK"), Frame1);
    Command53->setGeometry(twRect(5730, 3015, 960, 390));
    Command52 = new QPushButton(QStringLiteral("&Beillesztés"), Frame1);
    Command52->setGeometry(twRect(5730, 3840, 960, 390));
    Command52->setEnabled(false);
}

void Fogyasztas::setupBarButtons() {
    for (int h = 0; h < bars::kHours; ++h) {
        // An amount still being typed is checked before a bar moves, and a
        // refused one stops the press.
        RepeatButton::Behaviour down;
        down.prepare = [this] { return commitEdits(); };
        down.step = [this, h] {
            bars_.stepDown(h);
            Picture1->update();
        };
        down.afterWait = [this] { Diagramfeirat(); };
        down.atBound = [this, h] { return bars_.atLowest(h); };
        down.limit = 20;
        Command1[std::size_t(h)]->setBehaviour(down);

        RepeatButton::Behaviour up = down;
        up.prepare = [this] { return commitEdits() && amountGiven(); };
        up.step = [this, h] {
            bars_.stepUp(h);
            Picture1->update();
        };
        up.atBound = [this, h] { return bars_.atHighest(h); };
        Command2[std::size_t(h)]->setBehaviour(up);

        for (RepeatButton* b : {Command1[std::size_t(h)], Command2[std::size_t(h)]})
            connect(b, &QPushButton::released, this, [this] { Diagramfeirat(); });
    }
}

// --- Loading and the choice of programme, profile and weekday --------------------------

void Fogyasztas::Form_Load() {
    using namespace layout;
    Settings& s = m_.s;
    openedProfile_ = s.BeallFogyjelleg;
    openedProgramme_ = s.BeallFogyheti;
    openedWeekday_ = s.Fogyhetnapja;
    bars_.forgetCopy();
    Frame4->setTitle(QStringLiteral("Fogyasztás %1°C-os vízből").arg(int(s.BeallMelegvizhofok)));
    refill(Combo2, kDailyProfiles);
    refill(Combo1, kWeeklyProfiles);
    selectIndex(Combo1, kWeeklyCustom - 1, [this] { Combo1_Click(); });
    selectIndex(Combo2, kDailyCustom - 1, [this] { Combo2_Click(); });
    if (s.BeallFogyheti != 0)
        select(Option2, [this] { Option2_Click(); });
    else
        select(Option1, [this] { Option1_Click(); });
}

void Fogyasztas::Combo2_Click() {
    Settings& s = m_.s;
    s.BeallFogyjelleg = Integer(Combo2->currentIndex() + 1);
    s.Fogyhetnapja = 1;
    showAmounts();
    amountRule(false);
    customRule(false);
    pasteRule(false);
    redraw();
}

void Fogyasztas::Combo1_Click() {
    m_.s.BeallFogyjelleg = Integer(Combo1->currentIndex() + 1);
    showAmounts();
    amountRule(true);
    customRule(true);
    pasteRule(true);
    redraw();
}

void Fogyasztas::Option1_Click() {
    using namespace layout;
    Settings& s = m_.s;
    s.BeallFogyjelleg = Integer(Combo2->currentIndex() + 1);
    amountRule(false);
    s.BeallFogyheti = 0;
    s.Fogyhetnapja = 1;
    showAmounts();
    Label15->setEnabled(false);
    Combo1->setEnabled(false);
    Label2->setEnabled(true);
    Combo2->setEnabled(true);
    Frame2->setEnabled(false);
    // The daily programme shows no weekday.
    select(Option3[1], [this] { Option3_Click(1); });
    clear(Option3[1]);
    customRule(false);
    pasteRule(false);
    redraw();
}

void Fogyasztas::Option2_Click() {
    using namespace layout;
    Settings& s = m_.s;
    s.BeallFogyjelleg = Integer(Combo1->currentIndex() + 1);
    s.BeallFogyheti = 1;
    s.Fogyhetnapja = 1;
    select(Option3[1], [this] { Option3_Click(1); });
    amountRule(true);
    showAmounts();
    Frame2->setEnabled(true);
    customRule(true);
    Label15->setEnabled(true);
    Combo1->setEnabled(true);
    Label2->setEnabled(false);
    Combo2->setEnabled(false);
    pasteRule(true);
    redraw();
}

void Fogyasztas::Option3_Click(int index) {
    Settings& s = m_.s;
    s.Fogyhetnapja = Integer(index);
    amountRule(s.BeallFogyheti != 0);
    showAmounts();
    redraw();
}

// --- What is switched on ---------------------------------------------------------------

void Fogyasztas::amountRule(bool weekly) {
    const Settings& s = m_.s;
    const int p = s.BeallFogyjelleg;
    bool drawn;
    if (weekly)
        drawn = p != 3 && !(p == 2 && (s.Fogyhetnapja == 6 || s.Fogyhetnapja == 7));  // nobody at work at the weekend
    else
        drawn = p != 4;
    Frame4->setEnabled(drawn);
}

bool Fogyasztas::customShown(bool weekly) const {
    return m_.s.BeallFogyjelleg == (weekly ? kWeeklyCustom : kDailyCustom);
}

void Fogyasztas::customRule(bool weekly) {
    const bool custom = customShown(weekly);
    Frame1->setEnabled(custom);
    Command53->setEnabled(custom);
}

void Fogyasztas::pasteRule(bool weekly) { Command52->setEnabled(customShown(weekly) && bars_.holdsCopy()); }

void Fogyasztas::redraw() {
    Fogygrafrajzolas();
    Diagramfeirat();
}

// --- Amounts -------------------------------------------------------------------------------

void Fogyasztas::showAmounts() {
    for (int i = 1; i <= 3; ++i) showStored(i);
}

void Fogyasztas::showStored(int index) {
    const Settings& s = m_.s;
    const ConsumptionProfiles& f = m_.fogy;
    const int p = s.BeallFogyjelleg, w = s.BeallFogyheti, d = s.Fogyhetnapja;
    std::string text;
    switch (index) {
        case 1: text = textForm(f.BeallFogyszemely(p, w, d), loc()); break;
        case 2: text = textForm(f.BeallFogyfajlagos(p, w, d), loc()); break;
        default: text = textForm(f.BeallFogynapi(p, w, d), loc()); break;
    }
    txbFogyasztas[std::size_t(index)]->setText(qs(text));
}

void Fogyasztas::inform(const char* text) { messages_.show(this, QString::fromUtf8(text), QString::fromUtf8(kTitle), MsgIcon::Information); }

void Fogyasztas::refuse(const char* text) {
    messages_.show(this, QString::fromUtf8(text), QString::fromUtf8(kTitle), MsgIcon::Exclamation);
}

void Fogyasztas::stopBarButtons() {
    for (int h = 0; h < bars::kHours; ++h) {
        Command1[std::size_t(h)]->stop();
        Command2[std::size_t(h)]->stop();
    }
}

bool Fogyasztas::txbFogyasztas_LostFocus(int index) {
    Settings& s = m_.s;
    ConsumptionProfiles& f = m_.fogy;
    FieldEdit* field = txbFogyasztas[std::size_t(index)];
    std::optional<double> n = localeRead(utf8(field->text()), loc());
    if (!n) {
        inform(kPleaseNumber);
        stopBarButtons();
        showStored(index);
        return false;
    }
    bool accepted = true;
    if (*n == 0 && s.BeallFogyjelleg + s.BeallFogyheti != 5) {
        // The stored value goes back and is taken as if it had been typed.
        inform(kZeroForCustomOnly);
        showStored(index);
        accepted = false;
        n = localeRead(utf8(field->text()), loc());
    }
    if (n && !storeAmount(index, *n)) accepted = false;

    // The daily programme has one day's amount for the whole week.
    if (s.BeallFogyheti == 0) {
        const int p = s.BeallFogyjelleg;
        const Currency daily = f.BeallFogynapi(p, 0, s.Fogyhetnapja);
        for (int d = 1; d <= 7; ++d) f.BeallFogynapi(p, 0, d) = daily;
    }
    return accepted;
}

bool Fogyasztas::storeAmount(int index, double n) {
    const Settings& s = m_.s;
    ConsumptionProfiles& f = m_.fogy;
    const int p = s.BeallFogyjelleg, w = s.BeallFogyheti, d = s.Fogyhetnapja;
    Integer& persons = f.BeallFogyszemely(p, w, d);
    Single& perPerson = f.BeallFogyfajlagos(p, w, d);
    Currency& daily = f.BeallFogynapi(p, w, d);
    auto refused = [&](const char* text) {
        inform(text);
        stopBarButtons();
        showStored(index);
        return false;
    };
    switch (index) {
        case 1:
            if (n < 0 || Int(n + 0.5) > kMostPersons) return refused(kBadValue);
            if (n * perPerson > kMostLitres) return refused(kDailyRange);
            persons = CInt(Int(n + 0.5));
            daily = Currency::fromDouble(dailyLitres(persons, perPerson));
            txbFogyasztas[3]->setText(qs(textForm(daily, loc())));
            break;
        case 2:
            if (n < 0) return refused(kBadValue);
            // Also with nobody to draw it, litres per person stay within a day's most.
            if (n * persons > kMostLitres || n > kMostLitres) return refused(kDailyRange);
            perPerson = CSng(n);
            daily = Currency::fromDouble(dailyLitres(persons, perPerson));
            txbFogyasztas[3]->setText(qs(textForm(daily, loc())));
            break;
        default: {
            if (n < 0 || n > kMostLitres) return refused(kDailyRange);
            if (persons == 0) {
                persons = 1;
                txbFogyasztas[1]->setText(QStringLiteral("1"));
            }
            perPerson = CSng(n / persons);
            // Shown to two decimals; the typed amount stays in its own field.
            const Single hundredths = perPerson * Single(100);
            txbFogyasztas[2]->setText(qs(textForm(Int(double(hundredths) + 0.5) / 100, loc())));
            daily = Currency::fromDouble(dailyLitres(persons, perPerson));
            break;
        }
    }
    Diagramfeirat();
    return true;
}

// --- The chart ---------------------------------------------------------------------------

void Fogyasztas::Fogygrafrajzolas() {
    const Settings& s = m_.s;
    std::array<Integer, bars::kHours> weights{};
    for (int h = 0; h < bars::kHours; ++h)
        weights[std::size_t(h)] = m_.fogy.BeallFogyorai(s.BeallFogyjelleg, s.BeallFogyheti, s.Fogyhetnapja, h);
    bars_.show(weights);
    Picture1->update();
}

void Fogyasztas::Diagramfeirat() {
    const Settings& s = m_.s;
    const double litres = m_.fogy.BeallFogynapi(s.BeallFogyjelleg, s.BeallFogyheti, s.Fogyhetnapja).toDouble();
    const auto shown = axisLitres(litres, bars_.sum());
    for (int k = 1; k <= 10; ++k) {
        const auto& v = shown[std::size_t(k)];
        Label5[std::size_t(k)]->setText(v ? qs(textForm(*v, loc())) : QString());
    }
}

bool Fogyasztas::amountGiven() {
    // What the fields show, a text that is no number counting as none.
    auto shown = [this](int i) {
        return localeRead(utf8(txbFogyasztas[std::size_t(i)]->text()), loc()).value_or(0.0);
    };
    if (std::nearbyint(shown(1) * shown(2)) != 0 || shown(3) > 0) return true;
    inform(kAmountFirst);
    txbFogyasztas[3]->setFocus();
    return false;
}

void Fogyasztas::Command51_Click() {
    bars_.copy();
    pasteRule(m_.s.BeallFogyheti != 0);
}

void Fogyasztas::Command52_Click() {
    bars_.paste();
    Picture1->update();
    Diagramfeirat();
}

void Fogyasztas::Command53_Click() {
    const Settings& s = m_.s;
    ConsumptionProfiles& f = m_.fogy;
    const int p = s.BeallFogyjelleg, w = s.BeallFogyheti;
    const long long sum = bars_.sum();
    const bool noAmount = f.BeallFogynapi(p, w, s.Fogyhetnapja) == Currency();
    if (!noAmount && sum == 0) return refuse(kNoDistribution);
    if (noAmount && sum != 0) return refuse(kNoAmount);
    if (!bars_.sumFits()) return refuse(kBadValue);
    const Integer stored = Integer(std::max(sum, 1LL));
    const int first = w == 0 ? 1 : s.Fogyhetnapja;
    const int last = w == 0 ? 7 : s.Fogyhetnapja;
    for (int d = first; d <= last; ++d) {
        f.BeallFogyoraiossz(p, w, d) = stored;
        for (int h = 0; h < bars::kHours; ++h) f.BeallFogyorai(p, w, d, h) = bars_.storedWeight(h);
    }
}

// --- Closing -------------------------------------------------------------------------------

void Fogyasztas::Command49_Click() {
    using namespace layout;
    // A curve that cannot be stored is not left behind unnoticed.
    if (!bars_.sumFits()) return refuse(kBadValue);
    Settings& s = m_.s;
    FrmBeallitasok& f = opener_;
    if (Option1->isChecked()) {
        select(f.Option1, [&f] { f.Option1_Click(); });
        s.BeallFogyjelleg = Integer(Combo2->currentIndex() + 1);
        selectIndex(f.Combo2, s.BeallFogyjelleg - 1, [&f] { f.Combo2_Click(); });
    } else {
        select(f.Option2, [&f] { f.Option2_Click(); });
        s.BeallFogyjelleg = Integer(Combo1->currentIndex() + 1);
        selectIndex(f.Combo2, s.BeallFogyjelleg - 1, [&f] { f.Combo2_Click(); });
        select(f.Option12[1], [&f] { f.Option12_Click(1); });
        s.Fogyhetnapja = 1;
    }
    f.FogyAdatvaltozas();
    handedBack_ = true;
    done(QDialog::Accepted);
}

void Fogyasztas::reject() {
    if (!handedBack_) {
        // The settings window still shows the profile it opened on.
        Settings& s = m_.s;
        s.BeallFogyjelleg = openedProfile_;
        s.BeallFogyheti = openedProgramme_;
        s.Fogyhetnapja = openedWeekday_;
    }
    QDialog::reject();
}

}  // namespace nk::ui
