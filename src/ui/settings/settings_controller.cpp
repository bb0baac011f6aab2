// The solar controller: a constant set of switch-on differences, maximum
// temperatures and on/off flags for the three tanks and the pool, or an
// annual programme shown month by month.

#include "ui/editors/controller_editor.h"
#include "ui/repeat_button.h"
#include "ui/settings/settings_layout.h"
#include "ui/settings/settings_window.h"

namespace nk::ui {

using namespace layout;

namespace {

const char* const kMonthTexts[13] = {"",     "Jan.", "Febr.", "Márc.", "Ápr.",   "Máj.", "Jún.",
                                     "Júl.", "Aug.", "Szept.", "Okt.", "Nov.", "Dec."};

// The caption's month, 0 when it shows none.
int monthOf(const QString& caption) {
    for (int m = 1; m <= 12; ++m)
        if (caption == QString::fromUtf8(kMonthTexts[m])) return m;
    return 0;
}

}  // namespace

void FrmBeallitasok::buildController(Column& column) {
    const int w = column.width();
    auto* Frame17 = column.frame(QStringLiteral("Napkollektor kör szabályozásának beállításai"), 2);
    label(Frame17, QStringLiteral("Bekapcsolási dT [°C]:"), 8, rowTop(0), 145);
    Text13 = field(Frame17, 158, rowTop(0), 42);
    label(Frame17, QStringLiteral("Be/Ki:"), 222, rowTop(0), 40);
    Check[1] = new QCheckBox(Frame17);
    Check[1]->setGeometry(262, rowTop(0), 20, 19);
    label(Frame17, QStringLiteral("Tároló max. hőfok [°C]:"), 8, rowTop(1), 145);
    Text16 = field(Frame17, 158, rowTop(1), 42);

    auto* Frame4 = column.frame(QStringLiteral("Napkollektor automatika"), 6);
    QWidget* modes = optionGroup(Frame4, 8, rowTop(0), 190, 19);
    Option16[0] = option(modes, QStringLiteral("Állandó"), 0, 0, 75);
    Option16[1] = option(modes, QStringLiteral("Éves program"), 80, 0, 105);
    Command13 = new QPushButton(QStringLiteral("Éves program"), Frame4);
    Command13->setGeometry(w - 108, rowTop(0) - 2, 100, 23);
    label(Frame4, QStringLiteral("Hónap:"), 8, rowTop(1), 50);
    Label24_2 = valueLabel(Frame4, 60, rowTop(1), 50);
    addSpinners(Frame4, 112, rowTop(1), 0, 1);

    Frame21 = new QFrame(Frame4);
    Frame21->setGeometry(4, rowTop(2), w - 8, 4 * kRow);
    const int col[4] = {118, 158, 202, 246};
    label(Frame21, QStringLiteral("Tárolók sorszáma:"), 4, 0, 112);
    const char* const heads[] = {"1.", "2.", "3.", "Medence"};
    for (int i = 0; i < 4; ++i) label(Frame21, QString::fromUtf8(heads[i]), col[i], 0, 52);
    label(Frame21, QStringLiteral("Bekapcsolási dT [°C]:"), 4, kRow, 112);
    label(Frame21, QStringLiteral("Max. hőfok [°C]:"), 4, 2 * kRow, 112);
    label(Frame21, QStringLiteral("Be/Ki:"), 4, 3 * kRow, 112);
    Text14 = field(Frame21, col[1], kRow, 40);
    Text15 = field(Frame21, col[2], kRow, 40);
    Text28 = field(Frame21, col[3], kRow, 40);
    Text17 = field(Frame21, col[1], 2 * kRow, 40);
    Text18 = field(Frame21, col[2], 2 * kRow, 40);
    Text27 = field(Frame21, col[3], 2 * kRow, 40);
    for (int i = 2; i <= 4; ++i) {
        Check[std::size_t(i)] = new QCheckBox(Frame21);
        Check[std::size_t(i)]->setGeometry(col[i - 1] + 12, 3 * kRow, 20, 19);
    }

    for (int i = 0; i < 2; ++i)
        connect(Option16[std::size_t(i)], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) Option16_Click(i);
        });
    for (int i = 1; i <= 4; ++i) connect(Check[std::size_t(i)], &QCheckBox::clicked, this, [this, i] { Check_Click(i); });
}

void FrmBeallitasok::setControllerEnabled(bool constantMode) {
    Frame21->setEnabled(constantMode);
    Text13->setEnabled(constantMode);
    Text16->setEnabled(constantMode);
    Check[1]->setEnabled(constantMode);
    Command11[0]->setEnabled(!constantMode);
    Command11[1]->setEnabled(!constantMode);
}

void FrmBeallitasok::loadController() {
    Settings& s = m_.s;
    Programmes& g = m_.prog;
    Kijelzetthonap = 1;
    s.BeallAutomod = s.Automod;
    const bool constant = s.Automod.d() == 0;
    select(Option16[constant ? 0 : 1], [this, constant] { Option16_Click(constant ? 0 : 1); });
    setControllerEnabled(constant);
    Label24_2->setText(constant ? QString() : QStringLiteral("Jan."));

    const int mode = ix(s.Automod);
    const std::pair<FieldEdit*, std::string> shown[] = {
        {Text13, textForm(g.AutBekapcsdT1(mode, 1), loc())}, {Text14, textForm(g.AutBekapcsdT2(mode, 1), loc())},
        {Text15, textForm(g.AutBekapcsdT3(mode, 1), loc())}, {Text28, textForm(g.AutBekapcsdTMed(mode, 1), loc())},
        {Text16, textForm(g.AutMaxhofok1(mode, 1), loc())},  {Text17, textForm(g.AutMaxhofok2(mode, 1), loc())},
        {Text18, textForm(g.AutMaxhofok3(mode, 1), loc())},  {Text27, textForm(g.AutMaxhofokMed(mode, 1), loc())}};
    for (const auto& [edit, text] : shown) edit->setText(qs(text));
    const int flags[5] = {0, ix(g.AutBeKi1(mode, 1)), ix(g.AutBeKi2(mode, 1)), ix(g.AutBeKi3(mode, 1)),
                          g.AutBeKiMed(mode, 1)};
    for (int i = 1; i <= 4; ++i) setChecked(Check[std::size_t(i)], flags[i] != 0, [this, i] { Check_Click(i); });
    loadWorkingController(m_);
}

void FrmBeallitasok::Option16_Click(int index) {
    Settings& s = m_.s;
    const bool constant = index == 0;
    setControllerEnabled(constant);
    s.BeallAutomod = index;
    Kijelzetthonap = 1;
    Label24_2->setText(constant ? QString() : QStringLiteral("Jan."));
    Autkiiras();
}

void FrmBeallitasok::Command13_Click() {
    // The annual programme is edited month by month: the window shows it.
    select(Option16[1], [this] { Option16_Click(1); });
    if (!controllerEditor) controllerEditor = new Automatika(m_, messages_, [this] { Autkiiras(); }, this);
    controllerEditor->Form_Load();
    centreOnScreen(controllerEditor);
    controllerEditor->open();  // modal; nothing here waits for it
}

void FrmBeallitasok::Autkiiras() {
    const Programmes& g = m_.prog;
    const int mode = ix(m_.s.BeallAutomod), month = Kijelzetthonap;
    Text13->setText(qs(textForm(g.BeallAutBekapcsdT1(mode, month), loc())));
    Text14->setText(qs(textForm(g.BeallAutBekapcsdT2(mode, month), loc())));
    Text15->setText(qs(textForm(g.BeallAutBekapcsdT3(mode, month), loc())));
    Text28->setText(qs(textForm(g.BeallAutBekapcsdTMed(mode, month), loc())));
    Text16->setText(qs(textForm(g.BeallAutMaxhofok1(mode, month), loc())));
    Text17->setText(qs(textForm(g.BeallAutMaxhofok2(mode, month), loc())));
    Text18->setText(qs(textForm(g.BeallAutMaxhofok3(mode, month), loc())));
    Text27->setText(qs(textForm(g.BeallAutMaxhofokMed(mode, month), loc())));
    // Showing a month is no entry: the check boxes' handlers store nothing.
    const int flags[5] = {0, ix(g.BeallAutBeKi1(mode, month)), ix(g.BeallAutBeKi2(mode, month)),
                          ix(g.BeallAutBeKi3(mode, month)), g.BeallAutBeKiMed(mode, month)};
    for (int i = 1; i <= 4; ++i) {
        const QSignalBlocker block(Check[std::size_t(i)]);
        Check[std::size_t(i)]->setChecked(flags[i] != 0);
    }
}

void FrmBeallitasok::Check_Click(int index) {
    Programmes& g = m_.prog;
    const int mode = ix(m_.s.BeallAutomod);
    const int on = Check[std::size_t(index)]->isChecked() ? 1 : 0;
    switch (index) {
        case 1: g.BeallAutBeKi1(mode, 1) = on; break;
        case 2: g.BeallAutBeKi2(mode, 1) = on; break;
        case 3: g.BeallAutBeKi3(mode, 1) = on; break;
        case 4: g.BeallAutBeKiMed(mode, 1) = Integer(on); break;
        default: break;
    }
}

// --- Spinner buttons -------------------------------------------------------------

void FrmBeallitasok::setupSpinners() {
    Settings& s = m_.s;
    auto focusOk = [this] { Command1->setFocus(); };
    auto prepare = [this] { return commitEdits(); };

    // A count beside its field: one up, one down, within its bounds.
    struct Count {
        int up, down;
        int lo, hi;
        std::function<double()> get;
        std::function<void(double)> set;  // stores and shows the new count
    };
    const Count counts[] = {
        {2, 3, 1, 500, [&s] { return double(s.BeallKollektorszam); },
         [this, &s](double v) {
             s.BeallKollektorszam = CInt(v);
             Text3->setText(qs(textForm(s.BeallKollektorszam, loc())));
             const double area = localeRead(utf8(Label64->text()), loc()).value_or(0.0) *
                                 localeRead(utf8(Text3->text()), loc()).value_or(0.0);
             Label65->setText(qs(textForm(area, loc())));
             s.BeallOsszfelulet = CSng(area);
         }},
        {4, 5, 0, 50, [&s] { return double(s.BeallRendszerveszteseg); },
         [this, &s](double v) {
             s.BeallRendszerveszteseg = CInt(v);
             Text32->setText(qs(textForm(s.BeallRendszerveszteseg, loc())));
         }},
        {10, 11, 0, 50, [&s] { return s.BeallCirkvesztes.d(); },
         [this, &s](double v) {
             s.BeallCirkvesztes = v;
             Text33->setText(qs(textForm(s.BeallCirkvesztes, loc())));
         }},
    };
    for (const Count& c : counts) {
        for (int dir : {+1, -1}) {
            RepeatButton::Behaviour b;
            const double bound = dir > 0 ? c.hi : c.lo;
            b.prepare = prepare;
            b.step = [c, dir, bound] {
                const double v = c.get();
                if (dir > 0 ? v < bound : v > bound) c.set(v + dir);
            };
            b.atBound = [c, bound] { return c.get() == bound; };
            b.finished = focusOk;
            Command11[dir > 0 ? c.up : c.down]->setBehaviour(b);
        }
    }

    // The controller's month: round the year while held.
    for (int dir : {+1, -1}) {
        RepeatButton::Behaviour b;
        b.prepare = prepare;
        b.counted = false;
        b.step = [this, dir] {
            const int month = monthOf(Label24_2->text());
            if (month == 0) return;
            Kijelzetthonap = Integer((month - 1 + dir + 12) % 12 + 1);
            Label24_2->setText(QString::fromUtf8(kMonthTexts[Kijelzetthonap]));
        };
        b.afterWait = [this] { Autkiiras(); };
        b.finished = [this, focusOk] {
            Autkiiras();
            focusOk();
        };
        Command11[dir > 0 ? 0 : 1]->setBehaviour(b);
    }
}

void FrmBeallitasok::stopSpinners() {
    for (auto& [index, button] : Command11) button->stop();
}

}  // namespace nk::ui
