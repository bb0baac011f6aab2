// The collectors: type, model and count, the efficiency constants, the tilt
// and orientation with their drawing, the pipe data and the two losses.

#include <QPainter>
#include <cmath>

#include "ui/editors/collector_editor.h"
#include "ui/repeat_button.h"
#include "ui/settings/settings_layout.h"
#include "ui/settings/settings_window.h"
#include "ui/settings/tilt_dialog.h"
#include "ui/settings/tilt_drawing.h"

namespace nk::ui {

using namespace layout;

namespace {

const QStringList kCollectorTypes = {
    QStringLiteral("Vákuumcsöves kollektor"),     QStringLiteral("Vákuumos síkkollektor"),
    QStringLiteral("Szelektív síkkollektor"),     QStringLiteral("Nem szelektív síkkollektor"),
    QStringLiteral("Lefedés nélküli kollektor"), QStringLiteral("Egyedi")};

// The number a caption shows, read in the user's notation.
double captionNumber(const QLabel* l, const NumberLocale& loc) { return localeRead(utf8(l->text()), loc).value_or(0.0); }

}  // namespace

void FrmBeallitasok::addSpinners(QWidget* parent, int x, int y, int upIndex, int downIndex) {
    for (int i = 0; i < 2; ++i) {
        auto* b = new RepeatButton(parent);
        b->setGeometry(x, y + 10 * i, 16, 10);
        b->setIcon(arrowIcon(i == 0));
        b->setIconSize(QSize(9, 5));
        b->setFocusPolicy(Qt::TabFocus);
        Command11[i == 0 ? upIndex : downIndex] = b;
    }
}

void FrmBeallitasok::buildCollector(Column& column) {
    const int w = column.width();
    Frame15 = column.frame(QStringLiteral("Napkollektorok jellemzői"), 6);
    label(Frame15, QStringLiteral("Típus:"), 8, rowTop(0), 80);
    Combo3 = list(Frame15, 90, rowTop(0), w - 98, kCollectorTypes);
    Combo3->clear();  // filled when the window loads
    connect(Combo3, &QComboBox::activated, this, [this] { Combo3_Click(); });
    label(Frame15, QStringLiteral("Megnevezés:"), 8, rowTop(1), 80);
    Combo5 = list(Frame15, 90, rowTop(1), w - 98);
    Combo5->setEditable(true);
    Combo5->setInsertPolicy(QComboBox::NoInsert);
    connect(Combo5, &QComboBox::activated, this, [this] { Combo5_Click(); });
    label(Frame15, QStringLiteral("Hasznos felület [m2 / kollektor]:"), 8, rowTop(2), 200);
    Label64 = valueLabel(Frame15, 215, rowTop(2), 70);
    label(Frame15, QStringLiteral("Napkollektorok száma [db]:"), 8, rowTop(3), 200);
    Text3 = field(Frame15, 215, rowTop(3), 52);
    addSpinners(Frame15, 269, rowTop(3), 2, 3);
    label(Frame15, QStringLiteral("Teljes napkollektor felület [m2]:"), 8, rowTop(4), 200);
    Label65 = valueLabel(Frame15, 215, rowTop(4), 70);
    Command6 = new QPushButton(QStringLiteral("Új nap&kollektor"), Frame15);
    Command6->setGeometry(8, rowTop(5), 150, 24);

    auto* tilt = column.frame(QStringLiteral("Napkollektorok dőlésszöge, tájolása"), 2, TiltDrawing::kHeight);
    Frame1 = new TiltDrawing(tilt);
    Frame1->move(6, kFirstRow - 2);
    const int below = kFirstRow + TiltDrawing::kHeight;
    label(tilt, QStringLiteral("Dőlésszög:"), 8, below, 65);
    Label17 = valueLabel(tilt, 75, below, 50);
    label(tilt, QStringLiteral("Tájolás:"), 160, below, 55);
    Label18 = valueLabel(tilt, 215, below, 50);
    Command5 = new QPushButton(QStringLiteral("&Dőlésszög, tájolás"), tilt);
    Command5->setGeometry(8, below + kRow + 1, 160, 24);
    Command5->setToolTip(QStringLiteral("Dőlésszög és tájolás megadására szolgáló ablak megnyitása"));

    auto* Frame3 = column.frame(QStringLiteral("Napkollektorok hatásfoka"), 3);
    label(Frame3, QStringLiteral("A hatásfok formátuma:"), 8, rowTop(0), 120);
    auto* formula = label(Frame3, QStringLiteral("Eta = A - B  X - C  Gk  X<sup>2</sup>"), 130, rowTop(0) - 2, 170, 21);
    formula->setTextFormat(Qt::RichText);
    const char* const names[] = {"A =", "B =", "C ="};
    QLabel** values[] = {&Label10, &Label11, &Label61};
    for (int i = 0; i < 3; ++i) {
        label(Frame3, QString::fromUtf8(names[i]), 8 + 98 * i, rowTop(1), 26);
        *values[i] = valueLabel(Frame3, 34 + 98 * i, rowTop(1), 62);
    }
    label(Frame3, QStringLiteral("Gk = 800 W/m2"), 8, rowTop(2), 150);

    auto* Frame16 = column.frame(QStringLiteral("Napkollektor köri csővezeték adatai:"), 6);
    const struct {
        PipeField field;
        const char* caption;
    } pipe[] = {
        {PipeField::Dcsokulso, "Csővezeték külső átmérője [mm]:"},
        {PipeField::kulsocso, "Külső térben vezette csővezeték  hossza [m]:"},
        {PipeField::belsocso, "Belső térben vezette csővezeték  hossza [m]:"},
        {PipeField::belsoterhofok, "Belső tér figyelembe vett hőmérséklete [C°]"},
        {PipeField::hosziglambda, "Hőszigetelés hővezető képessége [W/mK]:"},
        {PipeField::csohejvastagsag, "Hőszigetelés vastagsága [mm]:"},
    };
    for (int i = 0; i < 6; ++i) {
        label(Frame16, QString::fromUtf8(pipe[i].caption), 8, rowTop(i), 235);
        pipeFields[pipe[i].field] = field(Frame16, w - 8 - kFieldWidth, rowTop(i));
    }
}

void FrmBeallitasok::buildLosses(Column& column) {
    QWidget* area = column.area(3 * kRow + 4);
    const int x = column.width() - 8 - kFieldWidth - 18;
    label(area, QStringLiteral("Hálózati hidegvíz hőmérséklete [°C]:"), 8, 2, 230);
    Text12 = field(area, x, 2);
    label(area, QStringLiteral("Cirkulációs hőveszteség [%]:"), 8, 2 + kRow, 230);
    Text33 = field(area, x, 2 + kRow);
    addSpinners(area, x + kFieldWidth + 2, 2 + kRow, 10, 11);
    label(area, QStringLiteral("A rendszer kollektoron kívüli vesztesége [%]:"), 8, 2 + 2 * kRow, 230);
    Text32 = field(area, x, 2 + 2 * kRow);
    addSpinners(area, x + kFieldWidth + 2, 2 + 2 * kRow, 4, 5);
}

// --- Loading --------------------------------------------------------------------

void FrmBeallitasok::loadCollectorFigures() {
    const Settings& s = m_.s;
    Text3->setText(qs(textForm(s.Kollektorszam, loc())));
    Label64->setText(qs(textForm(s.Kollektorfelulet, loc())));
    Label64_Change();
    Label65->setText(qs(textForm(s.Osszfelulet, loc())));
}

void FrmBeallitasok::loadTilt() {
    Settings& s = m_.s;
    setTiltCaption(s.Dolesszog);
    setAzimuthCaption(s.Tajolas);
    s.BeallDolesszog = s.Dolesszog;
    s.BeallTajolas = s.Tajolas;
}

void FrmBeallitasok::loadCollectorChoice(bool cancelling) {
    Settings& s = m_.s;
    if (cancelling) {
        refill(Combo3, {});
        refill(Combo5, {});
    }
    s.BeallKollektortipus = CInt(s.Kollektortipus);
    s.BeallKollektormodell = CInt(s.Kollektormodell);
    refill(Combo3, kCollectorTypes);
    selectIndex(Combo3, CInt(s.Kollektortipus.d() - 1), [this] { Combo3_Click(); });
    s.BeallKollektortipus = CInt(s.Kollektortipus);
    fillModelList();
    selectIndex(Combo5, CInt(s.Kollektormodell), [this] { Combo5_Click(); });
    s.BeallKollektormodell = CInt(s.Kollektormodell);
    showChosenModelName();
}

void FrmBeallitasok::showChosenModelName() {
    // A name typed into the editable box chooses nothing: the box shows the
    // chosen model's name whatever was left typed in it.
    Combo5->setEditText(Combo5->itemText(Combo5->currentIndex()));
}

void FrmBeallitasok::loadLosses() {
    Settings& s = m_.s;
    s.BeallRendszerveszteseg = CInt(s.Rendszerveszteseg);
    s.BeallCirkvesztes = s.Cirkvesztes;
    Text32->setText(qs(textForm(s.Rendszerveszteseg, loc())));
    Text33->setText(qs(textForm(s.Cirkvesztes, loc())));
    Hatasfokgrafikon();
}

// --- Collector choice -------------------------------------------------------------

void FrmBeallitasok::fillModelList() {
    const int type = m_.s.BeallKollektortipus;
    QStringList names;
    for (int k = 0; k < m_.kat.KatDarab(type); ++k) names << qs(m_.kat.KatNev(type, k));
    refill(Combo5, names);
}

void FrmBeallitasok::showCollectorRow() {
    const int t = m_.s.BeallKollektortipus, k = m_.s.BeallKollektormodell;
    Label10->setText(qs(textForm(m_.kat.KatA(t, k), loc())));
    Label11->setText(qs(textForm(m_.kat.KatB(t, k), loc())));
    Label61->setText(qs(textForm(m_.kat.KatC(t, k), loc())));
    Label64->setText(qs(textForm(m_.kat.KatFelulet(t, k), loc())));
    Label64_Change();
}

void FrmBeallitasok::Combo3_Click() {
    Settings& s = m_.s;
    const int type = Combo3->currentIndex() + 1;
    if (type != s.BeallKollektortipus) {
        s.BeallKollektortipus = Integer(type);
        fillModelList();
        selectIndex(Combo5, 0, [this] { Combo5_Click(); });
        s.BeallKollektormodell = 0;
    }
    showCollectorRow();
}

void FrmBeallitasok::Combo5_Click() {
    m_.s.BeallKollektormodell = Integer(Combo5->currentIndex());
    showCollectorRow();
    Hatasfokgrafikon();
}

void FrmBeallitasok::Command6_Click() {
    collectorEditor = new Hatasfok(m_, messages_, *this);
    collectorEditor->setAttribute(Qt::WA_DeleteOnClose);
    collectorEditor->Form_Load();
    collectorEditor->open();  // modal; its "&Bezár" hands the choice back
}

void FrmBeallitasok::Label64_Change() {
    Settings& s = m_.s;
    const double area = captionNumber(Label64, loc());
    s.BeallOsszfelulet = CSng(Int(area * s.BeallKollektorszam * 100 + 0.5) / 100);
    Label65->setText(qs(textForm(s.BeallOsszfelulet, loc())));
}

// --- Tilt and orientation ----------------------------------------------------------

void FrmBeallitasok::Command5_Click() {
    tiltDialog = new Dolestaj(m_, *this, this);
    tiltDialog->setAttribute(Qt::WA_DeleteOnClose);
    tiltDialog->Form_Load();
    tiltDialog->open();  // modal; nothing here waits for it
}

void FrmBeallitasok::setTiltCaption(const Var& tilt) {
    shownTilt_ = tilt;
    Label17->setText(qs(textForm(tilt, loc())));
    Label17_Change();
}

void FrmBeallitasok::setAzimuthCaption(Integer azimuth) {
    shownAzimuth_ = azimuth;
    Label18->setText(qs(textForm(azimuth, loc())));
    Label18_Change();
}

void FrmBeallitasok::Label17_Change() {
    const double t = shownTilt_.d() * 0.017453;
    Frame1->setTiltEnd(CSng(1862 - (827 - 827 * std::cos(t))), CSng(1710 - 827 * std::sin(t)));
}

void FrmBeallitasok::Label18_Change() {
    const double a = (shownAzimuth_ + 90) * 0.017453;
    Frame1->setAzimuthEnd(CSng(3330 + 827 * std::cos(a)), CSng(1710 - 827 * std::sin(a)));
}

}  // namespace nk::ui
