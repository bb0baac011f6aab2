#include "ui/editors/programme_editor.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "ui/settings/settings_layout.h"
#include "ui/settings/settings_window.h"
#include "ui/window_support.h"

namespace nk::ui {

namespace {

// Mouse positions reach the handlers in twips; the window is laid out at
// 15 twips a pixel.
constexpr double kTwipsPerPixel = 15;

const QColor kFieldBackground{0, 0, 0};
const QColor kHourMark{255, 255, 255};

QStringList programmeList(bool roomHeating) {
    if (roomHeating)
        return {QStringLiteral("Folyamatos komfort hőmérséklet"), QStringLiteral("Standard program (6h-22h komfort)"),
                QStringLiteral("Folyamatos csökkentett hőmérséklet"), QStringLiteral("Egyedi program szerint")};
    return {QStringLiteral("Folyamatos"), QStringLiteral("Éjaszakai (22h-6h-ig)"), QStringLiteral("Kikapcsolva"),
            QStringLiteral("Egyedi program szerint")};
}

// A mouse button as the handlers number it: 1 left, 2 right, 4 middle.
int buttonNumber(Qt::MouseButtons buttons) {
    int n = 0;
    if (buttons & Qt::LeftButton) n += 1;
    if (buttons & Qt::RightButton) n += 2;
    if (buttons & Qt::MiddleButton) n += 4;
    return n;
}

QRectF pxRect(double left, double top, double width, double height) {
    return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel, height / kTwipsPerPixel};
}

// A label of the drawing frame keeps its clicks: only the frame itself paints.
QLabel* frameLabel(QWidget* parent, const QString& text, int x, int y, int w, int h) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(twRect(x, y, w, h));
    l->setAttribute(Qt::WA_NoMousePropagation);
    return l;
}

QRadioButton* bareOption(QWidget* parent, int x, int y) {
    auto* b = new QRadioButton(parent);
    b->setGeometry(twRect(x, y, 255, 255));
    return b;
}

// Sets an option from code: selecting runs its handler when it was not
// selected yet, clearing runs none.
template <class F>
void setOptionValue(QRadioButton* b, bool value, F handler) {
    if (value)
        layout::select(b, handler);
    else
        layout::clear(b);
}

}  // namespace

// --- The drawing frame ---------------------------------------------------------------

// The row of fields on its black background, the hour marks and the legend
// boxes; the fields take their colours from the grid.
class ProgrammeFrame : public QGroupBox {
public:
    ProgrammeFrame(const ProgrammeGrid& grid, Idoprog& owner, QWidget* parent)
        : QGroupBox(parent), grid_(grid), owner_(owner) {}

protected:
    void paintEvent(QPaintEvent* e) override {
        QGroupBox::paintEvent(e);
        QPainter p(this);
        p.fillRect(pxRect(45, 135, 6810, 1185), kFieldBackground);  // Shape4
        p.setPen(kHourMark);
        for (int h = 0; h <= 24; ++h) {  // Line1(h), behind the fields
            const double x = (kHalfHourLeft + 2 * kHalfHourPitch * h) / kTwipsPerPixel;
            p.drawLine(QPointF(x, 630 / kTwipsPerPixel), QPointF(x, 990 / kTwipsPerPixel));
        }
        for (int k = 0; k < kProgrammeFields; ++k)
            drawBox(p, kHalfHourLeft + kHalfHourPitch * k, kHalfHourTop, kHalfHourWidth, kHalfHourHeight,
                    fromColourValue(grid_.colour(k)));
        drawBox(p, 1845, 225, 150, 285, fromColourValue(kFieldOffColour));  // Shape2
        drawBox(p, 4185, 225, 150, 285, fromColourValue(kFieldOnColour));   // Shape3
    }

    void mousePressEvent(QMouseEvent* e) override {
        const QPointF at = e->position() * kTwipsPerPixel;
        owner_.Frame1_MouseDown(buttonNumber(e->button()), at.x(), at.y());
    }

    void mouseMoveEvent(QMouseEvent* e) override {
        const QPointF at = e->position() * kTwipsPerPixel;
        owner_.Frame1_MouseMove(buttonNumber(e->buttons()), at.x(), at.y());
    }

    void mouseReleaseEvent(QMouseEvent*) override {}

private:
    // A filled rectangle with its one-pixel black border.
    static void drawBox(QPainter& p, int x, int y, int w, int h, const QColor& fill) {
        const QRect r = twRect(x, y, w, h);
        p.fillRect(r, fill);
        p.setPen(Qt::black);
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }

    const ProgrammeGrid& grid_;
    Idoprog& owner_;
};

// The hour numbers 0 to 24, each under its mark.
class HourScale : public QWidget {
public:
    HourScale(QWidget* parent, int leftTwips) : QWidget(parent), left_(leftTwips) {
        paintBackground(this, windowBackground());
        setAttribute(Qt::WA_NoMousePropagation);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(palette().color(QPalette::WindowText));
        for (int h = 0; h <= 24; ++h) {
            const double centre = (kHalfHourLeft + 2 * kHalfHourPitch * h - left_) / kTwipsPerPixel;
            p.drawText(QRectF(centre - 15, 0, 30, height()), Qt::AlignCenter, QString::number(h));
        }
    }

private:
    int left_;
};

// --- The window -----------------------------------------------------------------------

Idoprog::Idoprog(Model& model, FrmBeallitasok& settings, QWidget* parent)
    : QDialog(parent), m_(model), settings_(settings) {
    setupFixedWindow(this, 9300, 4455, QStringLiteral("A hagyományos fűtés időprogramjának beállítása "));
    setWindowFlag(Qt::Dialog);
    setModal(true);
    buildDrawingArea();
    buildChoices();
    centreOnScreen(this);
}

void Idoprog::buildDrawingArea() {
    auto* panel = new QFrame(this);
    panel->setGeometry(twRect(90, 240, 9075, 2295));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    paintBackground(panel, paletteColour(7));
    Picture1 = panel;

    Frame1 = new ProgrammeFrame(grid_, *this, this);
    Frame1->setGeometry(twRect(210, 270, 8940, 2220));
    Label1 = new HourScale(Frame1, 135);
    Label1->setGeometry(twRect(135, 1035, 6615, 180));
    // The legends sit on the black band: they carry their own background.
    Label2 = frameLabel(Frame1, QString(), 2070, 270, 870, 195);
    Label3 = frameLabel(Frame1, QString(), 4455, 270, 930, 195);
    for (QLabel* legend : {Label2, Label3}) paintBackground(legend, windowBackground());
    Label4 = frameLabel(Frame1, QStringLiteral("Mező bekapcsolása: "), 180, 1350, 1755, 240);
    Label7 = frameLabel(Frame1, QStringLiteral("Kattintás a mező fölött a bal egérgombbal"), 1935, 1350, 5300, 240);
    Label5 = frameLabel(Frame1, QStringLiteral("Mező kikapcsolása: "), 180, 1620, 1755, 240);
    Label8 = frameLabel(Frame1, QStringLiteral("Kattintás a mező fölött a jobb egérgombbal"), 1935, 1620, 5300, 240);
    Label6 = frameLabel(Frame1, QStringLiteral("Tartomány beállítása: "), 180, 1890, 1755, 240);
    Label9 = frameLabel(Frame1, QStringLiteral("A bal, vagy jobb egérgomb lenyomása mellett az egér mozgatásával."),
                        1935, 1890, 5300, 240);
    Command2 = new QPushButton(QStringLiteral("O&K"), Frame1);
    Command2->setGeometry(twRect(7380, 1620, 1155, 465));

    // Above the frame.
    Command4 = new QPushButton(QStringLiteral("&Másolás"), this);
    Command4->setGeometry(twRect(7590, 450, 1155, 465));
    Command3 = new QPushButton(QStringLiteral("&Beillesztés"), this);
    Command3->setGeometry(twRect(7590, 1035, 1155, 465));
    Command3->setEnabled(false);

    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
}

void Idoprog::buildChoices() {
    Label13 = new QLabel(QStringLiteral("Az időprogram típusa:"), this);
    Label13->setGeometry(twRect(180, 2730, 1785, 285));
    Combo1 = new QComboBox(this);
    Combo1->setGeometry(twRect(2040, 2700, 3165, 315));
    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });

    Frame3 = new QGroupBox(QStringLiteral("Programtipus"), this);
    Frame3->setGeometry(twRect(90, 3240, 1545, 1005));
    Option1 = bareOption(Frame3, 180, 315);
    Label10 = new QLabel(QStringLiteral("Napi program"), Frame3);
    Label10->setGeometry(twRect(495, 315, 1005, 255));
    Option2 = bareOption(Frame3, 180, 630);
    Label11 = new QLabel(QStringLiteral("Heti program"), Frame3);
    Label11->setGeometry(twRect(495, 630, 1005, 255));
    connect(Option1, &QRadioButton::toggled, this, [this](bool on) {
        if (on) Option1_Click();
    });
    connect(Option2, &QRadioButton::toggled, this, [this](bool on) {
        if (on) Option2_Click();
    });

    Frame2 = new QGroupBox(QStringLiteral("A hét napjainak beállítása"), this);
    Frame2->setGeometry(twRect(2010, 3240, 5160, 1005));
    Label12 = new QLabel(
        QStringLiteral("Hétfő     Kedd     Szerda  Csütörtök  Péntek   Szombat   Vasárnap"), Frame2);
    // A little wider than designed: "Vasárnap" would lose its last letters.
    Label12->setGeometry(twRect(315, 315, 4800, 285));
    constexpr int kDayX[8] = {0, 405, 1035, 1665, 2340, 3060, 3735, 4500};
    QRadioButton** options[8] = {nullptr, &Option3, &Option4, &Option5, &Option6, &Option7, &Option8, &Option9};
    void (Idoprog::*handlers[8])() = {nullptr,
                                      &Idoprog::Option3_Click,
                                      &Idoprog::Option4_Click,
                                      &Idoprog::Option5_Click,
                                      &Idoprog::Option6_Click,
                                      &Idoprog::Option7_Click,
                                      &Idoprog::Option8_Click,
                                      &Idoprog::Option9_Click};
    for (int d = 1; d <= 7; ++d) {
        QRadioButton* b = bareOption(Frame2, kDayX[d], 585);
        *options[d] = b;
        days_[std::size_t(d)] = b;
        connect(b, &QRadioButton::toggled, this, [this, handler = handlers[d]](bool on) {
            if (on) (this->*handler)();
        });
    }

    Command1 = new QPushButton(QStringLiteral("Be&zár"), this);
    Command1->setGeometry(twRect(7440, 3630, 1470, 645));
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

// --- Loading ---------------------------------------------------------------------------

void Idoprog::Form_Load() {
    clipboard_.filled = false;
    const bool room = m_.par.IdoprogFutes == 3;
    layout::refill(Combo1, programmeList(room));
    Label2->setText(room ? QStringLiteral("Csökkentett hőmérsélet") : QStringLiteral("Kikapcsolva"));
    Label3->setText(room ? QStringLiteral("Komfort hőmérséklet") : QStringLiteral("Bekapcsolva"));
    // The room heater's longer legends would be cut at the designed width.
    for (QLabel* legend : {Label2, Label3})
        legend->resize(std::max(legend->width(), legend->sizeHint().width()), legend->height());
    layout::selectIndex(Combo1, 3, [this] { Combo1_Click(); });
    Frame1->setEnabled(true);
    Command2->setEnabled(true);
    if (m_.par.IdoprogHeti == 1)
        layout::select(Option2, [this] { Option2_Click(); });
    else
        layout::select(Option1, [this] { Option1_Click(); });
}

// --- Programme, view and day -------------------------------------------------------------

// The built-in programmes can be looked at and copied, not changed.
void Idoprog::Combo1_Click() {
    m_.par.IdoprogProgram = Integer(Combo1->currentIndex() + 1);
    const bool custom = customProgramme();
    Frame1->setEnabled(custom);
    Command2->setEnabled(custom);
    if (!custom)
        Command3->setEnabled(false);
    else if (clipboard_.filled)
        Command3->setEnabled(true);
    Idoprogramrajzolas();
}

void Idoprog::Option1_Click() {
    WindowParameters& p = m_.par;
    p.IdoprogNap = 1;
    p.IdoprogHeti = 0;
    Frame2->setEnabled(false);
    // The daily programme is kept for every day and shown as Monday's.
    layout::select(Option3, [this] { Option3_Click(); });
    layout::clear(Option3);
    Frame1->setEnabled(customProgramme());
    Command2->setEnabled(customProgramme());
    Idoprogramrajzolas();
}

void Idoprog::Option2_Click() {
    WindowParameters& p = m_.par;
    p.IdoprogHeti = 1;
    Frame2->setEnabled(true);
    layout::select(Option3, [this] { Option3_Click(); });
    p.IdoprogNap = 1;
    Frame1->setEnabled(customProgramme());
    Idoprogramrajzolas();
}

void Idoprog::dayChosen(int day) {
    m_.par.IdoprogNap = Integer(day);
    Idoprogramrajzolas();
}

Integer& Idoprog::stored(int daily, int day, int field) {
    return m_.prog.BeallIdoprogramok(m_.par.IdoprogFutes, m_.par.IdoprogProgram, daily, day, field / 2, field % 2);
}

void Idoprog::Idoprogramrajzolas() {
    const WindowParameters& p = m_.par;
    grid_.show([&](int h, int f) {
        return m_.prog.BeallIdoprogramok(p.IdoprogFutes, p.IdoprogProgram, p.IdoprogHeti, p.IdoprogNap, h, f);
    });
    Frame1->update();
}

// --- Painting ------------------------------------------------------------------------------

void Idoprog::Frame1_MouseDown(int button, double x, double /*y: the whole height paints*/) {
    if (grid_.paint(button, x)) Frame1->update();
}

void Idoprog::Frame1_MouseMove(int button, double x, double /*y*/) {
    if (grid_.paint(button, x)) Frame1->update();
}

// --- Storing, copying and pasting ------------------------------------------------------------

void Idoprog::Command2_Click() {
    const auto values = grid_.values();
    const WindowParameters& p = m_.par;
    for (int k = 0; k < kProgrammeFields; ++k) {
        if (p.IdoprogHeti == 0)
            for (int d = 1; d <= 7; ++d) stored(0, d, k) = values[std::size_t(k)];
        else
            stored(p.IdoprogHeti, p.IdoprogNap, k) = values[std::size_t(k)];
    }
}

void Idoprog::Command4_Click() {
    clipboard_.copy(grid_);
    if (customProgramme()) Command3->setEnabled(true);
}

// Pasting only paints: "O&K" stores.
void Idoprog::Command3_Click() {
    clipboard_.paste(grid_);
    Frame1->update();
}

// --- Handing back ----------------------------------------------------------------------------

void Idoprog::Command1_Click() {
    switch (m_.par.IdoprogFutes) {
        case 1: handBackTankHeating(); break;
        case 2: handBackPoolHeating(); break;
        default: break;  // room heating has no controls on the settings window
    }
    accept();
}

// The settings window's controls of one heater, with the handlers that
// selecting them runs.
struct HeaterControls {
    std::function<void()> storeChoice;  // the programme and daily or weekly
    Integer& day;
    QRadioButton* firstDay;
    std::function<void()> firstDayClick;
    QComboBox* list;
    std::function<void()> listClick;
    QRadioButton* daily;
    std::function<void()> dailyClick;
    QRadioButton* weeklyOption;
    std::function<void()> weeklyClick;
    std::function<void()> chart;
};

void Idoprog::handBackTankHeating() {
    FrmBeallitasok& w = settings_;
    Settings& s = m_.s;
    const WindowParameters& p = m_.par;
    handBack({[&] {
                  s.BeallTarolofutesprogram = p.IdoprogProgram;
                  s.BeallTarolofutesheti = p.IdoprogHeti;
              },
              m_.par.IdoprogNap, w.Option25[1],
              [&w] { w.Option25_Click(1); }, w.Combo4, [&w] { w.Combo4_Click(); }, w.Option4,
              [&w] { w.Option4_Click(); }, w.Option3, [&w] { w.Option3_Click(); },
              [&w] { w.HMVIdoprogramgrafikon(); }});
}

void Idoprog::handBackPoolHeating() {
    FrmBeallitasok& w = settings_;
    Settings& s = m_.s;
    const WindowParameters& p = m_.par;
    handBack({[&] {
                  s.BeallMedfutesprogram = p.IdoprogProgram;
                  s.BeallMedfutesheti = p.IdoprogHeti;
              },
              m_.par.Medfutesnap, w.Option35[1],
              [&w] { w.Option35_Click(1); }, w.Combo1, [&w] { w.Combo1_Click(); }, w.Option36,
              [&w] { w.Option36_Click(); }, w.Option37, [&w] { w.Option37_Click(); },
              [&w] { w.Medprogramgrafikon(); }});
}

void Idoprog::handBack(const HeaterControls& c) {
    const WindowParameters& p = m_.par;
    c.storeChoice();
    if (p.IdoprogHeti == 1) {
        c.day = 1;
        layout::select(c.firstDay, c.firstDayClick);
    }
    layout::selectIndex(c.list, Combo1->currentIndex(), c.listClick);
    setOptionValue(c.daily, Option1->isChecked(), c.dailyClick);
    setOptionValue(c.weeklyOption, Option2->isChecked(), c.weeklyClick);
    c.chart();
}

}  // namespace nk::ui
