#include "ui/editors/collector_editor.h"

#include <QPainter>
#include <algorithm>

#include "state/catalogue_edit.h"
#include "state/field_check.h"
#include "ui/repeat_button.h"
#include "ui/settings/settings_layout.h"
#include "ui/settings/settings_window.h"

namespace nk::ui {

namespace {

const QStringList kTypes = {QStringLiteral("Vákuumcsöves kollektor"),    QStringLiteral("Vákuumos síkkollektor"),
                            QStringLiteral("Szelektív síkkollektor"),    QStringLiteral("Nem szelektív síkkollektor"),
                            QStringLiteral("Lefedés nélküli kollektor"), QStringLiteral("Egyedi kollektor")};

constexpr FieldRule exclamation(double lo, double hi, std::string_view message) {
    return {lo, hi, FieldStyle::Exclamation, {}, message};
}
const FieldRule kAreaRule = exclamation(1, 10, "A kollektor hasznos felülete  1 és 10 m2 között lehet!");
const FieldRule kGkRule = exclamation(100, 1000, "A globális napsugárzás (Gk) értéke 100 és 1000 W/m2 között lehet!");

// A held arrow goes on for at most 10 s.
constexpr int kStepLimit = 100;

// A caption at its designed place, widened when the screen's font needs more
// room than the design gave it.
QLabel* label(QWidget* parent, const QString& text, int left, int top, int width, int height) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(twRect(left, top, width, height));
    if (l->sizeHint().width() > l->width()) l->resize(l->sizeHint().width(), l->height());
    return l;
}

FieldEdit* field(QWidget* parent, int left, int top, int width, int height) {
    auto* e = new FieldEdit(parent);
    e->setGeometry(twRect(left, top, width, height));
    return e;
}

// No button is the window's default: Enter in a field presses nothing.
QPushButton* button(QWidget* parent, const QString& text, int left, int top, int width, int height) {
    auto* b = new QPushButton(text, parent);
    b->setGeometry(twRect(left, top, width, height));
    b->setAutoDefault(false);
    return b;
}

// Three decimals, halves up.
double thousandths(double v) { return Int(v * 1000 + 0.5) / 1000; }

}  // namespace

Hatasfok::Hatasfok(Model& model, MessageService& messages, FrmBeallitasok& opener)
    : QDialog(&opener), m_(model), messages_(messages), opener_(opener), fields_(new FieldChecks(this)) {
    setupFixedWindow(this, 9315, 4935, QStringLiteral("  Új napkollektor felvétele"));
    setWindowFlag(Qt::Dialog);
    setModal(true);
    buildTop();
    buildConstants();
    buildFormula();
    setupFields();
    setupArrows();
    onClick(Command1, &Hatasfok::Command1_Click);
    onClick(Command3, &Hatasfok::Command3_Click);
    onClick(Command4, &Hatasfok::Command4_Click);
    onClick(Command2, &Hatasfok::Command2_Click);
    centreOnScreen(this);
}

void Hatasfok::buildTop() {
    label(this, QStringLiteral("A napkollektor típusa:"), 135, 270, 1545, 195);
    Combo3 = new QComboBox(this);
    Combo3->setGeometry(twRect(2430, 225, 2370, 330));
    connect(Combo3, &QComboBox::activated, this, [this] { Combo3_Click(); });
    label(this, QStringLiteral("Napkollektorok:"), 5040, 270, 1125, 195);
    Combo1 = new QComboBox(this);
    Combo1->setGeometry(twRect(6315, 225, 2850, 330));
    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
    label(this, QStringLiteral("Új napkollektor megnevezése:"), 135, 765, 2145, 210);
    Text1 = new QLineEdit(this);
    Text1->setGeometry(twRect(2430, 720, 2955, 330));
    label(this, QStringLiteral("A napkollektor hasznos felülete [m2]"), 135, 1260, 2550, 195);
    Text2 = field(this, 3060, 1170, 825, 330);
    Command3 = button(this, QStringLiteral("&Felvesz"), 7200, 675, 1455, 285);
    Command4 = button(this, QStringLiteral("&Töröl"), 7200, 1035, 1455, 285);
    Command1 = button(this, QStringLiteral("&Módosít"), 7200, 1395, 1455, 285);
    Command2 = button(this, QStringLiteral("&Bezár"), 7455, 4095, 1605, 630);
}

void Hatasfok::buildConstants() {
    Frame1 = new QGroupBox(QStringLiteral("A napkollektor hatásfok állandói"), this);
    Frame1->setGeometry(twRect(135, 1740, 9105, 1020));
    label(Frame1, QStringLiteral("Eta0 ="), 420, 435, 510, 240);
    Text3 = field(Frame1, 990, 405, 780, 285);
    label(Frame1, QStringLiteral("A1 ="), 2490, 435, 555, 240);
    Text4 = field(Frame1, 2880, 405, 780, 285);
    label(Frame1, QStringLiteral("A2 ="), 4515, 435, 510, 240);
    Text5 = field(Frame1, 4875, 405, 780, 285);
    Text6 = field(Frame1, 7665, 420, 780, 285);
    const int arrowLeft[3] = {1770, 3660, 5655};
    for (int i = 0; i < 6; ++i) {
        auto* b = new RepeatButton(Frame1);
        b->setGeometry(twRect(arrowLeft[i / 2], i % 2 == 0 ? 390 : 570, 345, 195));
        Command5[std::size_t(i)] = b;
    }
    // The Gk arrows and their label lie past the window's right edge: the
    // window shows the Gk field alone.
    label(this, QStringLiteral("Gk ="), 10155, 2370, 600, 240);
    for (int i = 6; i < 8; ++i) {
        auto* b = new RepeatButton(this);
        b->setGeometry(twRect(11310, i == 6 ? 2310 : 2490, 345, 165));
        Command5[std::size_t(i)] = b;
    }
    for (int i = 0; i < 8; ++i) {
        RepeatButton* b = Command5[std::size_t(i)];
        b->setIcon(arrowIcon(i % 2 == 0));
        b->setIconSize(QSize(9, 5));
        b->setAutoDefault(false);
    }
}

void Hatasfok::buildFormula() {
    label(this, QStringLiteral("A hatásfok képlete:"), 210, 3045, 1380, 195);
    QLabel* formula = label(this, QStringLiteral("Eta = Eta0 - A1.X - A2.Gk.X "), 1785, 3045, 2550, 240);
    QLabel* exponent = label(this, QStringLiteral("2"), 4305, 2940, 90, 210);
    QFont small = exponent->font();
    small.setPointSizeF(small.pointSizeF() * 0.75);
    exponent->setFont(small);
    // The exponent stands right after the last X, wherever the font ends it.
    exponent->move(formula->x() + formula->fontMetrics().horizontalAdvance(QStringLiteral("Eta = Eta0 - A1.X - A2.Gk.X")),
                   exponent->y());
    label(this, QStringLiteral("Ahol:"), 210, 3360, 360, 195);
    label(this,
          QStringLiteral("Eta0, A1, A2 a kollektor jóságát jellemző állandók, melyeket méréssel határoznak meg."),
          735, 3360, 6090, 195);
    label(this,
          QStringLiteral("Gk a kollektorok hasznos felületére merőlegesen érkező globális napsugárzás [W/m2]"),
          735, 3675, 6060, 195);
    QLabel* variable = label(this, QStringLiteral("X a hatásfok független változója:"), 735, 3990, 2325, 195);
    QLabel* definition = label(this, QStringLiteral("X=(Tkoll-Tkörny) / Gk  [m2.K/W]"), 3255, 3990, 2325, 195);
    definition->move(std::max(definition->x(), variable->geometry().right() + 6), definition->y());
    label(this, QStringLiteral("Tkoll:  A kollektor közepes hőmérséklete [K],"), 735, 4305, 3150, 195);
    label(this, QStringLiteral("Tkörny: A környezeti levegő hőmérséklete [K]"), 735, 4620, 3210, 195);
}

void Hatasfok::onClick(QPushButton* b, void (Hatasfok::*handler)()) {
    connect(b, &QPushButton::clicked, this, [this, handler] {
        if (commitEdits()) (this->*handler)();
    });
}

bool Hatasfok::commitEdits() {
    if (!fields_->commit()) return false;
    // A click on a window that is not yet active moves the focus without
    // telling the field it lost it: an entry typed there is checked now.
    for (auto& [edit, check] : checks_) {
        if (!edit->isModified()) continue;
        edit->setModified(false);
        if (!check()) return false;
    }
    return true;
}

// --- Loading and the two lists ----------------------------------------------------

void Hatasfok::Form_Load() {
    const Settings& s = m_.s;
    opened_ = workingCollector(s);
    layout::refill(Combo3, kTypes);
    layout::selectIndex(Combo3, s.BeallKollektortipus - 1, [this] { Combo3_Click(); });
    QStringList names;
    for (int k = 0; k < m_.kat.KatDarab(s.BeallKollektortipus); ++k) names << qs(m_.kat.KatNev(s.BeallKollektortipus, k));
    layout::refill(Combo1, names);
    layout::selectIndex(Combo1, s.BeallKollektormodell, [this] { Combo1_Click(); });
    Text1->clear();
    // Every opening shows the design's Gk; the last accepted one stays in
    // `Gkertek` until the field or an arrow changes it.
    Text6->setText(QStringLiteral("800"));
}

void Hatasfok::Combo3_Click() {
    Settings& s = m_.s;
    const int type = Combo3->currentIndex() + 1;
    if (type == s.BeallKollektortipus) return;
    s.BeallKollektortipus = Integer(type);
    QStringList names;
    for (int k = 0; k < m_.kat.KatDarab(type); ++k) names << qs(m_.kat.KatNev(type, k));
    layout::refill(Combo1, names);
    layout::selectIndex(Combo1, 0, [this] { Combo1_Click(); });
    s.BeallKollektormodell = 0;
}

void Hatasfok::Combo1_Click() {
    m_.s.BeallKollektormodell = Integer(Combo1->currentIndex());
    showRow();
}

void Hatasfok::showRow() {
    showFigures();
    mezo_.Amezo = Text3->text();
    mezo_.Bmezo = Text4->text();
    mezo_.Cmezo = Text5->text();
}

void Hatasfok::showFigures() {
    const Catalogue& k = m_.kat;
    const int t = m_.s.BeallKollektortipus, mm = m_.s.BeallKollektormodell;
    Text2->setText(qs(textForm(k.KatFelulet(t, mm), loc())));
    mezo_.Feluletmezo = k.KatFelulet(t, mm);
    Text3->setText(qs(textForm(k.KatA(t, mm), loc())));
    Text4->setText(qs(textForm(k.KatB(t, mm), loc())));
    Text5->setText(qs(textForm(k.KatC(t, mm), loc())));
}

// --- The catalogue commands ----------------------------------------------------------

void Hatasfok::refuse(const char* text, const char* title) {
    messages_.show(this, QString::fromUtf8(text), QString::fromUtf8(title), MsgIcon::Exclamation);
}

bool Hatasfok::confirmed(const QString& text, const char* title) {
    return messages_.ask(this, text, QString::fromUtf8(title), MsgIcon::Question, Question::YesNo) == Answer::Yes;
}

bool Hatasfok::isProtected() const {
    return Combo1->currentIndex() == 0 || isProtectedCollectorName(utf8(Combo1->currentText()));
}

namespace {

// The figures the fields show. The fields' checks have run before any
// command reads them, so each holds a number.
std::optional<CollectorFigures> shownFigures(const FieldEdit* area, const FieldEdit* a, const FieldEdit* b,
                                             const FieldEdit* c, const NumberLocale& loc) {
    const auto va = localeRead(utf8(a->text()), loc), vb = localeRead(utf8(b->text()), loc);
    const auto varea = localeRead(utf8(area->text()), loc), vc = localeRead(utf8(c->text()), loc);
    if (!va || !vb || !varea || !vc) return std::nullopt;
    return CollectorFigures{CSng(*varea), Var(*va), Var(*vb), CSng(*vc)};
}

}  // namespace

void Hatasfok::Command1_Click() {
    if (isProtected()) {
        refuse("A kiválasztott napkollektor adatait nem lehet módosítani!", "Napkollektor adatok módosítása");
        return;
    }
    const auto f = shownFigures(Text2, Text3, Text4, Text5, loc());
    if (!f) return;
    Catalogue& k = m_.kat;
    const int t = m_.s.BeallKollektortipus, mm = m_.s.BeallKollektormodell;
    // A and B compare as the texts they show: 0,80 differs from 0,8.
    const bool same = f->area == k.KatFelulet(t, mm) && qs(textForm(k.KatA(t, mm), loc())) == Text3->text() &&
                      qs(textForm(k.KatB(t, mm), loc())) == Text4->text() && f->c == k.KatC(t, mm);
    const char* const title = "Kollektor adatok módosítása";
    if (same) {
        messages_.show(this, QStringLiteral("Nem változtak a ") + modelName() + QStringLiteral(" nevű kollektor adatai!"),
                       QString::fromUtf8(title), MsgIcon::Information);
        return;
    }
    if (!confirmed(QStringLiteral("Valóban módosítani kívánja a ") + modelName() +
                       QStringLiteral(" nevű kollektor adatait?"),
                   title)) {
        showRow();
        return;
    }
    storeCollectorFigures(m_, t, mm, *f);
    Combo1_Click();  // the model stays chosen and is shown as stored
    Text1->clear();
}

void Hatasfok::Command3_Click() {
    const char* const title = "Új kollektor felvétele";
    if (Text1->text().isEmpty()) {
        refuse("Adja meg az új kolletor nevét!", title);
        return;
    }
    if (!confirmed(QStringLiteral("Valóban fel kívánja venni a ") + Text1->text() +
                       QStringLiteral(" nevű kollektort a(z) ") + Combo3->currentText() + QStringLiteral("ok közé?"),
                   title))
        return;
    const auto f = shownFigures(Text2, Text3, Text4, Text5, loc());
    if (!f) return;
    const int model = addCollectorModel(m_.kat, m_.s.BeallKollektortipus, utf8(Text1->text()), *f);
    m_.s.BeallKollektormodell = Integer(model);
    Combo1->addItem(Text1->text());
    layout::selectIndex(Combo1, model, [this] { Combo1_Click(); });
    Text1->clear();
}

void Hatasfok::Command4_Click() {
    const char* const title = "Felvett kollektor törlése";
    Settings& s = m_.s;
    const int t = s.BeallKollektortipus, model = s.BeallKollektormodell;
    // The active settings' collector is protected as the built-in ones are:
    // its row must stay while the settings name it.
    if (isProtected() || isActiveCollector(s, t, model)) {
        refuse("A kiválasztott napkollektort nem lehet törölni!", title);
        return;
    }
    if (!confirmed(QStringLiteral("Valóban törölni kívánja a ") + modelName() +
                       QStringLiteral(" nevű kollektort a(z) ") + Combo3->currentText() + QStringLiteral("ok közül?"),
                   title))
        return;
    deleteCollectorModel(m_, t, model);
    followDeletion(opened_, t, model);
    {
        const QSignalBlocker block(Combo1);
        Combo1->removeItem(model);
        Combo1->setCurrentIndex(-1);
    }
    layout::selectIndex(Combo1, 0, [this] { Combo1_Click(); });
    Text1->clear();
}

void Hatasfok::Command2_Click() {
    handBack();
    accept();
}

void Hatasfok::reject() {
    // The settings window's lists were filled from the catalogue before this
    // window changed it: they are refilled, or a model deleted here could
    // still be chosen there.
    restoreWorkingCollector(m_.s, m_.kat, opened_);
    handBack();
    QDialog::reject();
}

void Hatasfok::handBack() {
    FrmBeallitasok& w = opener_;
    const int t = m_.s.BeallKollektortipus, mm = m_.s.BeallKollektormodell;
    layout::selectIndex(w.Combo3, t - 1, [&w] { w.Combo3_Click(); });
    w.fillModelList();
    layout::selectIndex(w.Combo5, mm, [&w] { w.Combo5_Click(); });
    w.showCollectorRow();
}

// --- The fields ----------------------------------------------------------------------

void Hatasfok::setupFields() {
    connect(Text2, &FieldEdit::gotFocus, this,
            [this] { mezo_.Feluletmezo = CSng(number(Text2->text()).value_or(mezo_.Feluletmezo)); });
    connect(Text3, &FieldEdit::gotFocus, this, [this] { mezo_.Amezo = Text3->text(); });
    connect(Text4, &FieldEdit::gotFocus, this, [this] { mezo_.Bmezo = Text4->text(); });
    connect(Text5, &FieldEdit::gotFocus, this, [this] { mezo_.Cmezo = Text5->text(); });
    addField(Text2, [this] { return areaLeft(); });
    addField(Text3, [this] {
        return constantLeft(Text3, mezo_.Amezo, 0.1, 1, "A hatásfok állandója  (A)  0,1 és 1 között lehet!");
    });
    addField(Text4, [this] {
        return constantLeft(Text4, mezo_.Bmezo, 0.5, 20, "A hatásfok állandója (B) 0,5 és 20 között lehet!");
    });
    addField(Text5, [this] {
        return constantLeft(Text5, mezo_.Cmezo, 0.001, 0.1, "A hatásfok állandója (C) 0,001 és 0,1 között lehet!");
    });
    addField(Text6, [this] { return gkLeft(); });
}

void Hatasfok::addField(FieldEdit* edit, std::function<bool()> check) {
    fields_->add(edit, check);
    checks_.emplace_back(edit, std::move(check));
}

bool Hatasfok::areaLeft() {
    const FieldVerdict v = checkField(kAreaRule, utf8(Text2->text()), loc());
    if (!v.accepted) {
        messages_.show(this, qs(v.message), qs(v.title), v.icon);
        Text2->setText(qs(textForm(mezo_.Feluletmezo, loc())));
        return false;
    }
    const double area = thousandths(v.value);
    Text2->setText(qs(textForm(area, loc())));
    mezo_.Feluletmezo = CSng(area);
    return true;
}

bool Hatasfok::constantLeft(FieldEdit* edit, QString& remembered, double lo, double hi, const char* rangeMessage) {
    const FieldVerdict v = checkField(exclamation(lo, hi, rangeMessage), utf8(edit->text()), loc());
    if (v.accepted) {
        edit->setText(qs(textForm(thousandths(v.value), loc())));
        remembered = edit->text();
        Hatasfokgrafikon();
    } else {
        messages_.show(this, qs(v.message), qs(v.title), v.icon);
        edit->setText(remembered);
    }
    stopArrows();
    return v.accepted;
}

bool Hatasfok::gkLeft() {
    Settings& s = m_.s;
    const FieldVerdict v = checkField(kGkRule, utf8(Text6->text()), loc());
    if (v.accepted) {
        s.Gkertek = CSng(Int(v.value + 0.5));
        Text6->setText(qs(textForm(s.Gkertek, loc())));
        Hatasfokgrafikon();
    } else {
        messages_.show(this, qs(v.message), qs(v.title), v.icon);
        Text6->setText(qs(textForm(s.Gkertek, loc())));
    }
    stopArrows();
    return v.accepted;
}

// --- The arrows ------------------------------------------------------------------------

void Hatasfok::stopArrows() {
    for (RepeatButton* b : Command5) b->stop();
}

void Hatasfok::setupArrows() {
    // One value of an arrow pair: where it is read, where a step is stored.
    struct Value {
        std::function<std::optional<double>()> get;
        std::function<void(double)> set;
        double lo, hi;
        std::function<double(double, int)> next;  // the value after a step up (+1) or down (-1)
    };
    auto constant = [this](FieldEdit* edit, QString Remembered::*text, double lo, double hi, double scale) {
        return Value{[this, text] { return number(mezo_.*text); },
                     [this, edit, text](double v) {
                         mezo_.*text = qs(textForm(v, loc()));
                         edit->setText(mezo_.*text);
                     },
                     lo, hi,
                     [scale](double v, int dir) { return Int((v + dir / scale) * scale + 0.5) / scale; }};
    };
    const Value values[4] = {
        constant(Text3, &Remembered::Amezo, 0.1, 1, 100),
        constant(Text4, &Remembered::Bmezo, 0.5, 20, 100),
        constant(Text5, &Remembered::Cmezo, 0.001, 0.1, 1000),
        {[this] { return std::optional<double>(m_.s.Gkertek); },
         [this](double v) {
             m_.s.Gkertek = CSng(v);
             Text6->setText(qs(textForm(m_.s.Gkertek, loc())));
         },
         100, 1000, [](double v, int dir) { return v + 100.0 * dir; }},
    };

    for (int i = 0; i < 8; ++i) {
        RepeatButton* b = Command5[std::size_t(i)];
        const Value& value = values[i / 2];
        const int dir = i % 2 == 0 ? +1 : -1;
        const double bound = dir > 0 ? value.hi : value.lo;
        RepeatButton::Behaviour behaviour;
        behaviour.limit = kStepLimit;
        behaviour.prepare = [this, b] {
            // The arrow takes the focus, so a field still being edited is
            // checked before its text is read as a number.
            b->setFocus(Qt::MouseFocusReason);
            if (!commitEdits()) return false;
            mezo_.Amezo = Text3->text();
            mezo_.Bmezo = Text4->text();
            mezo_.Cmezo = Text5->text();
            const auto gk = number(Text6->text());
            if (!gk) return false;
            m_.s.Gkertek = CSng(*gk);
            return true;
        };
        behaviour.step = [this, value, dir, bound] {
            const auto v = value.get();
            if (!v || !(dir > 0 ? *v < bound : *v > bound)) return;
            // A value off the step's grid would round past its bound: the
            // step stops at the bound, which the field's own check accepts.
            const double next = value.next(*v, dir);
            value.set(dir > 0 ? std::min(next, bound) : std::max(next, bound));
            Hatasfokgrafikon();
        };
        behaviour.atBound = [value, bound] {
            const auto v = value.get();
            return v && *v == bound;
        };
        b->setBehaviour(behaviour);
    }
}

}  // namespace nk::ui
