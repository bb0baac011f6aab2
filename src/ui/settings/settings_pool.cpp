// The swimming pool: its shape and size, its situation (hall or open air,
// exposure, cover, night foil), the make-up water, and its conventional
// heater with the heater's time programme.

#include "ui/settings/settings_layout.h"
#include "ui/settings/settings_window.h"

namespace nk::ui {

using namespace layout;

namespace {

// Areas and volume to hundredths: the rectangle's rounded, the circle's
// (with 3.14) and the volume cut down.
double rectangleArea(double length, double width) { return Int(length * width * 100 + 0.5) / 100; }
double circleArea(double diameter) { return Int(diameter * diameter * 3.14 / 4 * 100) / 100; }
Single poolVolume(double area, double depth) { return CSng(Int(area * depth * 100) / 100); }

}  // namespace

void FrmBeallitasok::buildPool(Column& column) {
    const int w = column.width();
    const int x = w - 8 - kFieldWidth;

    auto* Frame10 = column.frame(QStringLiteral("Medence méretei"), 6);
    label(Frame10, QStringLiteral("A medence alakja:"), 8, rowTop(0), 100);
    QWidget* shapes = optionGroup(Frame10, 108, rowTop(0), w - 112, 19);
    Option26 = option(shapes, QStringLiteral("Négyszög"), 0, 0, 75);
    Option27 = option(shapes, QStringLiteral("Kör"), 80, 0, 50);
    Option28 = option(shapes, QStringLiteral("Egyéb"), 135, 0, 60);
    Label55 = label(Frame10, QStringLiteral("A medence hosszúsága [m]"), 8, rowTop(1), x - 10);
    Text26 = field(Frame10, x, rowTop(1));
    Label56 = label(Frame10, QStringLiteral("A medence szélessége [m]:"), 8, rowTop(2), x - 10);
    Text1 = field(Frame10, x, rowTop(2));
    label(Frame10, QStringLiteral("A medence átlagos vízmélysége [m]:"), 8, rowTop(3), x - 10);
    Text4 = field(Frame10, x, rowTop(3));
    label(Frame10, QStringLiteral("A medence felülete [m2]:"), 8, rowTop(4), x - 10);
    Text8 = field(Frame10, x, rowTop(4));
    label(Frame10, QStringLiteral("A medence térfogata [m3]:"), 8, rowTop(5), x - 10);
    Text9 = field(Frame10, x, rowTop(5));
    Text9->setEnabled(false);

    auto* Frame9 = column.frame(QStringLiteral("A medence jellemzői"), 7);
    QWidget* situation = optionGroup(Frame9, 8, rowTop(0), w - 16, 19);  // the strip of the first row
    Option5 = option(situation, QStringLiteral("Fedett"), 0, 0, 80);
    Option8 = option(situation, QStringLiteral("Szabadtéri"), 150, 0, 100);
    poolLabels[53] = label(Frame9, QStringLiteral("Medencetér:"), 8, rowTop(1), 75);
    QWidget* hall = optionGroup(Frame9, 84, rowTop(1), w - 92, 19);
    Option6 = option(hall, QStringLiteral("Fűtött:"), 0, 0, 62);
    Text25 = field(hall, 62, 0, 40);
    poolLabels[43] = label(hall, QStringLiteral("°C"), 105, 0, 20);
    Option7 = option(hall, QStringLiteral("Fűtetlen"), 130, 0, 85);
    QWidget* cover = optionGroup(Frame9, 8, rowTop(2), w - 16, 19);
    Option38 = option(cover, QStringLiteral("Átlátszó fedés"), 0, 0, 140);
    Option39 = option(cover, QStringLiteral("Átlátszatlan fedés"), 150, 0, 140);
    QWidget* exposure = optionGroup(Frame9, 8, rowTop(3), w - 16, 19 + kRow);
    Option9 = option(exposure, QStringLiteral("Szabad fekvés"), 0, 0, 140);
    Option11 = option(exposure, QStringLiteral("Védett fekvés"), 150, 0, 140);
    Option10 = option(exposure, QStringLiteral("Részben védett fekvés"), 0, kRow, 180);
    Check5 = new QCheckBox(QStringLiteral("Éjszakai fóliatakarás"), Frame9);
    Check5->setGeometry(8, rowTop(5), 200, 19);
    label(Frame9, QStringLiteral("Vízpótlás hőmérséklete [°C]:"), 8, rowTop(6), x - 10);
    Text24 = field(Frame9, x, rowTop(6));

    auto* Frame11 = column.frame(QStringLiteral("A medence hagyományos fűtése"), 7);
    label(Frame11, QStringLiteral("A fűtés bekapcsolási hőmérséklete [°C]:"), 8, rowTop(0), x - 10);
    Text29 = field(Frame11, x, rowTop(0));
    label(Frame11, QStringLiteral("A fűtés teljesítménye [kW]:"), 8, rowTop(1), x - 10);
    Text30 = field(Frame11, x, rowTop(1));
    label(Frame11, QStringLiteral("A fűtés üzemideje:"), 8, rowTop(2), 110);
    Combo1 = list(Frame11, 118, rowTop(2), w - 126);
    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
    QWidget* kind = optionGroup(Frame11, 8, rowTop(3), 240, 19);
    Option36 = option(kind, QStringLiteral("Napi program"), 0, 0, 110);
    Option37 = option(kind, QStringLiteral("Heti program"), 120, 0, 110);
    Picture9 = weekdayPanel(Frame11, 8, rowTop(4), Option35);
    hourScale(Frame11, rowTop(5), w);
    Command9 = new QPushButton(QStringLiteral("Egye&di időprogram megadása"), Frame11);
    Command9->setGeometry(8, rowTop(6), 200, 24);

    const std::pair<QRadioButton*, void (FrmBeallitasok::*)()> handlers[] = {
        {Option26, &FrmBeallitasok::Option26_Click}, {Option27, &FrmBeallitasok::Option27_Click},
        {Option28, &FrmBeallitasok::Option28_Click}, {Option5, &FrmBeallitasok::Option5_Click},
        {Option8, &FrmBeallitasok::Option8_Click},   {Option6, &FrmBeallitasok::Option6_Click},
        {Option7, &FrmBeallitasok::Option7_Click},   {Option38, &FrmBeallitasok::Option38_Click},
        {Option39, &FrmBeallitasok::Option39_Click}, {Option9, &FrmBeallitasok::Option9_Click},
        {Option10, &FrmBeallitasok::Option10_Click}, {Option11, &FrmBeallitasok::Option11_Click},
        {Option36, &FrmBeallitasok::Option36_Click}, {Option37, &FrmBeallitasok::Option37_Click}};
    for (const auto& [button, handler] : handlers)
        connect(button, &QRadioButton::toggled, this, [this, handler = handler](bool on) {
            if (on) (this->*handler)();
        });
    for (int d = 1; d <= 7; ++d)
        connect(Option35[std::size_t(d)], &QRadioButton::toggled, this, [this, d](bool on) {
            if (on) Option35_Click(d);
        });
    connect(Check5, &QCheckBox::clicked, this, [this] { Check5_Click(); });
}

// --- Loading --------------------------------------------------------------------

void FrmBeallitasok::loadPool() {
    Settings& s = m_.s;
    // Situation.
    if (s.Medfedett.d() == 0)
        select(Option8, [this] { Option8_Click(); });
    else
        select(Option5, [this] { Option5_Click(); });
    if (s.Medfekves.d() == 1) select(Option9, [this] { Option9_Click(); });
    if (s.Medfekves.d() == 0.6) select(Option10, [this] { Option10_Click(); });
    if (s.Medfekves.d() == 0.3) select(Option11, [this] { Option11_Click(); });
    setChecked(Check5, s.Medfoliatakaras != 0, [this] { Check5_Click(); });
    Text24->setText(qs(textForm(s.Medvizpotlashofok, loc())));
    Text25->setText(qs(textForm(s.Medterhofok, loc())));
    s.BeallMedvizpotlashofok = Currency::fromDouble(s.Medvizpotlashofok);
    s.BeallMedterhofok = Currency::fromDouble(s.Medterhofok);
    if (s.Medterfutott.d() != 0)
        select(Option6, [this] { Option6_Click(); });
    else
        select(Option7, [this] { Option7_Click(); });
    if (s.Medatlatszofedes.d() != 0)
        select(Option38, [this] { Option38_Click(); });
    else
        select(Option39, [this] { Option39_Click(); });

    // Shape and size; the area of a rectangle here is the plain product.
    s.BeallMedalak = CInt(s.Medalak);
    s.BeallMedhossz = s.Medhossz;
    s.BeallMedszelesseg = s.Medszelesseg;
    s.BeallMedmelyseg = s.Medmelyseg;
    s.BeallMedatmero = s.Medatmero;
    s.BeallMedfelulet = s.Medfelulet;
    Text4->setText(qs(textForm(s.BeallMedmelyseg, loc())));
    const int shape = s.BeallMedalak;
    if (shape >= 1 && shape <= 3) {
        if (shape == 1) {
            select(Option26, [this] { Option26_Click(); });
            Label55->setText(QStringLiteral("A medence hosszúsága [m]"));
            Label56->setText(QStringLiteral("A medence szélessége [m]"));
            Text26->setVisible(true);
            Text1->setVisible(true);
            Text26->setText(qs(textForm(s.BeallMedhossz, loc())));
            Text1->setText(qs(textForm(s.BeallMedszelesseg, loc())));
            s.BeallMedfelulet = s.BeallMedhossz.d() * s.BeallMedszelesseg.d();
            Text8->setText(qs(textForm(s.BeallMedfelulet, loc())));
            Text8->setEnabled(false);
        } else if (shape == 2) {
            select(Option27, [this] { Option27_Click(); });
            Label55->setText(QString());
            Text26->setVisible(false);
            Label56->setText(QStringLiteral("A medence átmérője [m]"));
            Text1->setVisible(true);
            Text1->setText(qs(textForm(s.BeallMedatmero, loc())));
            s.BeallMedfelulet = circleArea(s.BeallMedatmero);
            Text8->setText(qs(textForm(s.BeallMedfelulet, loc())));
            Text8->setEnabled(false);
        } else {
            select(Option28, [this] { Option28_Click(); });
            Label55->setText(QString());
            Label56->setText(QString());
            Text26->setVisible(false);
            Text1->setVisible(false);
            Text8->setText(qs(textForm(s.BeallMedfelulet, loc())));
            Text8->setEnabled(true);
        }
        showPoolVolume();
    }

    // Heater.
    s.BeallMedfutesteljesitmeny = Currency::fromDouble(s.Medfutesteljesitmeny);
    Text30->setText(qs(textForm(s.BeallMedfutesteljesitmeny, loc())));
    s.BeallMedfuteshofok = Currency::fromDouble(s.Medfuteshofok);
    Text29->setText(qs(textForm(s.BeallMedfuteshofok, loc())));
    refill(Combo1, heaterProgrammes());
    selectIndex(Combo1, CInt(s.Medfutesprogram.d() - 1), [this] { Combo1_Click(); });
    const bool weekly = s.Medfutesheti.d() != 0;
    if (weekly)
        select(Option37, [this] { Option37_Click(); });
    else
        select(Option36, [this] { Option36_Click(); });
    showProgrammeKind(weekly, Picture9, Option35, [this](int d) { Option35_Click(d); });
    s.BeallMedfutesprogram = s.Medfutesprogram;
    s.BeallMedfutesheti = s.Medfutesheti;
    Medprogramgrafikon();
}

// --- Shape and size -------------------------------------------------------------

void FrmBeallitasok::showPoolArea() {
    Settings& s = m_.s;
    if (s.BeallMedalak == 1) s.BeallMedfelulet = rectangleArea(s.BeallMedhossz, s.BeallMedszelesseg);
    if (s.BeallMedalak == 2) s.BeallMedfelulet = circleArea(s.BeallMedatmero);
    Text8->setText(qs(textForm(s.BeallMedfelulet, loc())));
}

void FrmBeallitasok::showPoolVolume() {
    Settings& s = m_.s;
    s.BeallMedterfogat = poolVolume(s.BeallMedfelulet, s.BeallMedmelyseg);
    Text9->setText(qs(textForm(s.BeallMedterfogat, loc())));
}

void FrmBeallitasok::Option26_Click() {
    Settings& s = m_.s;
    s.BeallMedalak = 1;
    Label55->setText(QStringLiteral("A medence hosszúsága [m]"));
    Label56->setText(QStringLiteral("A medence szélessége [m]"));
    Text26->setVisible(true);
    Text1->setVisible(true);
    Text26->setText(qs(textForm(s.BeallMedhossz, loc())));
    Text1->setText(qs(textForm(s.BeallMedszelesseg, loc())));
    showPoolArea();
    Text8->setEnabled(false);
    showPoolVolume();
}

void FrmBeallitasok::Option27_Click() {
    Settings& s = m_.s;
    s.BeallMedalak = 2;
    Label55->setText(QString());
    Text26->setVisible(false);
    Label56->setText(QStringLiteral("A medence átmérője [m]"));
    Text1->setVisible(true);
    Text1->setText(qs(textForm(s.BeallMedatmero, loc())));
    showPoolArea();
    Text8->setEnabled(false);
    showPoolVolume();
}

void FrmBeallitasok::Option28_Click() {
    Settings& s = m_.s;
    s.BeallMedalak = 3;
    Label55->setText(QString());
    Label56->setText(QString());
    Text26->setVisible(false);
    Text1->setVisible(false);
    Text8->setText(qs(textForm(s.BeallMedfelulet, loc())));
    Text8->setEnabled(true);
    showPoolVolume();
}

// --- Situation ---------------------------------------------------------------------

// A pool in a hall has a hall to heat and a cover; an open-air pool a wind exposure.
void FrmBeallitasok::showPoolSituation(bool covered) {
    m_.s.BeallMedfedett = Var::boolean(covered);
    for (QWidget* w : std::initializer_list<QWidget*>{Option9, Option10, Option11}) w->setEnabled(!covered);
    for (QWidget* w : std::initializer_list<QWidget*>{poolLabels[53], Option6, Option7, Option38, Option39,
                                                      poolLabels[43], Text25})
        w->setEnabled(covered);
}

void FrmBeallitasok::Option5_Click() { showPoolSituation(true); }
void FrmBeallitasok::Option8_Click() { showPoolSituation(false); }

void FrmBeallitasok::Option6_Click() {
    m_.s.BeallMedterfutott = kTrue;
    Text25->setEnabled(true);
    Text25->setText(qs(textForm(m_.s.BeallMedterhofok, loc())));
}

void FrmBeallitasok::Option7_Click() {
    m_.s.BeallMedterfutott = kFalse;
    Text25->setEnabled(false);
    Text25->clear();
}

void FrmBeallitasok::Option38_Click() { m_.s.BeallMedatlatszofedes = Var::boolean(true); }
void FrmBeallitasok::Option39_Click() { m_.s.BeallMedatlatszofedes = Var::boolean(false); }
void FrmBeallitasok::Option9_Click() { m_.s.BeallMedfekves = 1; }
void FrmBeallitasok::Option10_Click() { m_.s.BeallMedfekves = 0.6; }
void FrmBeallitasok::Option11_Click() { m_.s.BeallMedfekves = 0.3; }
void FrmBeallitasok::Check5_Click() { m_.s.BeallMedfoliatakaras = Check5->isChecked() ? 1 : 0; }

PoolButtons FrmBeallitasok::poolButtons() const {
    PoolButtons b;
    b.openAir = Option8->isChecked();
    b.exposure = Option9->isChecked() ? 1 : Option10->isChecked() ? 2 : Option11->isChecked() ? 3 : 0;
    b.hallHeated = Option6->isChecked();
    b.transparentCover = Option38->isChecked();
    b.nightFoil = Check5->isChecked() ? 1 : 0;
    return b;
}

// --- Heater programme ----------------------------------------------------------------

void FrmBeallitasok::Combo1_Click() {
    m_.s.BeallMedfutesprogram = Combo1->currentIndex() + 1;
    Medprogramgrafikon();
}

void FrmBeallitasok::Option36_Click() {
    m_.s.BeallMedfutesheti = 0;
    showProgrammeKind(false, Picture9, Option35, [this](int d) { Option35_Click(d); });
    Medprogramgrafikon();
}

void FrmBeallitasok::Option37_Click() {
    m_.s.BeallMedfutesheti = 1;
    showProgrammeKind(true, Picture9, Option35, [this](int d) { Option35_Click(d); });
    Medprogramgrafikon();
}

void FrmBeallitasok::Command9_Click() {
    WindowParameters& p = m_.par;
    p.IdoprogFutes = 2;
    p.IdoprogProgram = CInt(m_.s.BeallMedfutesprogram);
    p.IdoprogHeti = CInt(m_.s.BeallMedfutesheti);
    p.IdoprogNap = p.Medfutesnap;
    openProgrammeEditor();
}

void FrmBeallitasok::Option35_Click(int index) {
    m_.par.Medfutesnap = Integer(index);
    Medprogramgrafikon();
}

}  // namespace nk::ui
