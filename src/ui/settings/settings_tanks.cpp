// The hot-water tanks and the conventional heater of the tank with its
// time programme.

#include "ui/editors/programme_editor.h"
#include "ui/settings/settings_layout.h"
#include "ui/settings/settings_window.h"

namespace nk::ui {

using namespace layout;

void FrmBeallitasok::buildTanks(Column& column) {
    const int w = column.width();
    const int x = w - 8 - kFieldWidth;
    auto* Frame18 = column.frame(QStringLiteral("Napkollektorokkal fűtött melegvíz-tároló"), 1, 48);
    label(Frame18, QStringLiteral("Melegvíz-tároló térfogata [liter]:"), 8, rowTop(0), 220);
    Text21 = field(Frame18, x, rowTop(0));
    Text21->setToolTip(QStringLiteral("1. tároló térfogata [liter]"));
    auto* Frame7 = new QGroupBox(QStringLiteral("Melegvíz tárolók térfogata [liter]"), Frame18);
    Frame7->setGeometry(4, rowTop(1), w - 8, 46);
    label(Frame7, QStringLiteral("2."), 8, 20, 20);
    Text20 = field(Frame7, 28, 20);
    Text20->setToolTip(QStringLiteral("2. tároló térfogata [liter]"));
    label(Frame7, QStringLiteral("3."), 110, 20, 20);
    Text19 = field(Frame7, 130, 20);
    Text19->setToolTip(QStringLiteral("3. tároló térfogata [liter]"));

    auto* Frame8 = column.frame(QStringLiteral("A melegvíz-tároló hagyományos fűtése"), 7);
    label(Frame8, QStringLiteral("Bekapcsolási hőmérséklet [°C]:"), 8, rowTop(0), 220);
    Text23 = field(Frame8, x, rowTop(0));
    label(Frame8, QStringLiteral("A fűtés teljesítménye [kW]:"), 8, rowTop(1), 220);
    Text22 = field(Frame8, x, rowTop(1));
    label(Frame8, QStringLiteral("Időprogram:"), 8, rowTop(2), 80);
    Combo4 = list(Frame8, 90, rowTop(2), w - 98);
    connect(Combo4, &QComboBox::activated, this, [this] { Combo4_Click(); });
    QWidget* kind = optionGroup(Frame8, 8, rowTop(3), 240, 19);
    Option4 = option(kind, QStringLiteral("Napi program"), 0, 0, 110);
    Option3 = option(kind, QStringLiteral("Heti program"), 120, 0, 110);
    connect(Option4, &QRadioButton::toggled, this, [this](bool on) {
        if (on) Option4_Click();
    });
    connect(Option3, &QRadioButton::toggled, this, [this](bool on) {
        if (on) Option3_Click();
    });
    Picture7 = weekdayPanel(Frame8, 8, rowTop(4), Option25);
    for (int d = 1; d <= 7; ++d)
        connect(Option25[std::size_t(d)], &QRadioButton::toggled, this, [this, d](bool on) {
            if (on) Option25_Click(d);
        });
    hourScale(Frame8, rowTop(5), w);
    Command8 = new QPushButton(QStringLiteral("Egye&di időprogram megadása"), Frame8);
    Command8->setGeometry(8, rowTop(6), 200, 24);
    Command8->setToolTip(QStringLiteral("Egyedi időprogram megadására szolgáló ablak megnyitása"));
}

// --- Loading --------------------------------------------------------------------

void FrmBeallitasok::loadTankHeating() {
    Settings& s = m_.s;
    refill(Combo4, heaterProgrammes());
    selectIndex(Combo4, CInt(s.Tarolofutesprogram.d() - 1), [this] { Combo4_Click(); });
    const bool weekly = s.Tarolofutesheti.d() != 0;
    if (weekly)
        select(Option3, [this] { Option3_Click(); });
    else
        select(Option4, [this] { Option4_Click(); });
    showProgrammeKind(weekly, Picture7, Option25, [this](int d) { Option25_Click(d); });
    s.BeallTarolofutesprogram = s.Tarolofutesprogram;
    s.BeallTarolofutesheti = CInt(s.Tarolofutesheti);
    loadWorkingTimeProgrammes(m_);
    HMVIdoprogramgrafikon();
}

void FrmBeallitasok::loadTanks() {
    Settings& s = m_.s;
    Text21->setText(qs(textForm(s.Tarolo1terfogat, loc())));
    s.BeallTarolo1terfogat = s.Tarolo1terfogat;
    Text20->setText(qs(textForm(s.Tarolo2terfogat, loc())));
    s.BeallTarolo2terfogat = s.Tarolo2terfogat;
    Text19->setText(qs(textForm(s.Tarolo3terfogat, loc())));
    s.BeallTarolo3terfogat = s.Tarolo3terfogat;
    Text23->setText(qs(textForm(s.Tarolofuteshofok, loc())));
    s.BeallTarolofuteshofok = s.Tarolofuteshofok;
    Text22->setText(qs(textForm(s.Tarolofutesteljesitmeny, loc())));
    s.BeallTarolofutesteljesitmeny = s.Tarolofutesteljesitmeny;
}

// --- Handlers ---------------------------------------------------------------------

void FrmBeallitasok::Combo4_Click() {
    m_.s.BeallTarolofutesprogram = Combo4->currentIndex() + 1;
    HMVIdoprogramgrafikon();
}

void FrmBeallitasok::Option4_Click() {
    m_.s.BeallTarolofutesheti = 0;
    showProgrammeKind(false, Picture7, Option25, [this](int d) { Option25_Click(d); });
    HMVIdoprogramgrafikon();
}

void FrmBeallitasok::Option3_Click() {
    m_.s.BeallTarolofutesheti = 1;
    showProgrammeKind(true, Picture7, Option25, [this](int d) { Option25_Click(d); });
    HMVIdoprogramgrafikon();
}

// The time-programme editor edits the heater, programme and day chosen here.
void FrmBeallitasok::Command8_Click() {
    WindowParameters& p = m_.par;
    p.IdoprogFutes = 1;
    p.IdoprogProgram = CInt(m_.s.BeallTarolofutesprogram);
    p.IdoprogHeti = m_.s.BeallTarolofutesheti;
    openProgrammeEditor();
}

// The tank and the pool heater share one editor, made anew at every opening.
void FrmBeallitasok::openProgrammeEditor() {
    programmeEditor = new Idoprog(m_, *this, this);
    programmeEditor->setAttribute(Qt::WA_DeleteOnClose);
    programmeEditor->Form_Load();
    programmeEditor->open();  // modal; nothing here waits for it
}

void FrmBeallitasok::Option25_Click(int index) {
    m_.par.IdoprogNap = Integer(index);
    HMVIdoprogramgrafikon();
}

}  // namespace nk::ui
