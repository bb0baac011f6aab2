#include "ui/calculation/calculation_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPainter>
#include <QSvgWidget>

#include "simulation/cycles/drivers.h"
#include "simulation/cycles/results.h"
#include "state/working_copies.h"
#include "ui/calculation/colour_dialog.h"
#include "ui/calculation/period_dialog.h"
#include "ui/calculation/sizing_sheet.h"
#include "ui/settings/settings_window.h"
#include "ui/month_names.h"

namespace nk::ui {

namespace {

// The designed area of the window and the band of calculation options right of it.
constexpr int kVisibleWidth = 11145;
constexpr int kBandWidth = 3600;

// The rows of the result table; the amounts' rows end in the unit of the
// run shown.
const struct {
    const char* text;
    bool amount;
} kRows[7] = {
    {"Napkollektorok felületére érkező napsugárzás, Qnap", true},
    {"Napkollektorokkal hasznosított hőmennyiség, Qkoll", true},
    {"Napkollektor köri csővezeték hővesztesége, Qcső", true},
    {"Tárolóba bevitt hasznos napenergia, Qhaszn", true},
    {"Csővezeték hőveszteségének részaránya, Qcső/Qhaszn", false},
    {"Hagyományos hőtermelő hőmennyisége, Qkieg", true},
    {"Napenergiából fedezett részarány, Qhaszn/(Qhaszn+Qkieg) ", false},
};

// Where a pool or a buffer takes heat besides the tank, the useful heat is
// every consumer's.
constexpr const char* kUsefulHeatOfAllConsumers = "Fogyasztókba bevitt hasznos napenergia, Qhaszn";

QString rowLabel(int row, const ResultTexts& texts) {
    const QString text = QString::fromUtf8(row == 3 && texts.usefulHeatOfAllConsumers ? kUsefulHeatOfAllConsumers
                                                                                       : kRows[row].text);
    const std::string& unit = texts.unit;
    return kRows[row].amount ? text + QStringLiteral(" ") + qs(unit) : text;
}

constexpr int kSystems[] = {11, 12, 13, 14, 15, 16, 21, 22, 41, 42, 43, 44, 45, 46};

QSvgWidget* picture(QWidget* parent, const QString& resource, const QRect& geometry) {
    auto* w = new QSvgWidget(resource, parent);
    w->setGeometry(geometry);
    return w;
}

QLabel* label(QWidget* parent, const QString& text, const QRect& geometry) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(geometry);
    return l;
}

QRadioButton* option(QWidget* parent, const QString& text, const QRect& geometry) {
    auto* b = new QRadioButton(text, parent);
    b->setGeometry(geometry);
    return b;
}

// Selecting an option from code runs its handler, as a user's click would.
template <class F>
void select(QRadioButton* b, F handler) {
    b->setChecked(true);
    handler();
}

}  // namespace

void Swatch::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    p.setPen(Qt::black);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    if (hasFocus()) {
        QPen dotted(Qt::black, 1, Qt::DotLine);
        p.setPen(dotted);
        p.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}

FrmKombinalt::FrmKombinalt(Model& model, MessageService& messages, FileDialogs& dialogs, ActivationTracker& tracker)
    : fields_(new FieldChecks(this)), m_(model), messages_(messages), dialogs_(dialogs), tracker_(tracker) {
    setupFixedWindow(this, kVisibleWidth + kBandWidth, 7860, QStringLiteral("Csővezeték hőveszteség számítás"));
    setWindowIcon(QIcon(QStringLiteral(":/nk/app_icon.svg")));
    buildVisibleArea();
    buildOptionBand();
    buildHiddenControls();
    setKeyboardOrder();
    m_.ui = this;
}

FrmKombinalt::~FrmKombinalt() {
    if (m_.ui == this) m_.ui = m_.silentUi();
}

void FrmKombinalt::buildVisibleArea() {
    Picture3 = new AnnualChartWidget(this);
    Picture3->setGeometry(twRect(120, 240, 6495, 3615));
    connect(Picture3->Napsugmutat, &QCheckBox::clicked, this, [this] { Napsugmutat_Click(); });

    Frame16 = new QGroupBox(QStringLiteral("Napkollektor köri csővezeték adatai:"), this);
    Frame16->setGeometry(twRect(6720, 150, 4335, 3720));
    const struct {
        PipeField field;
        int top;
        const char* caption;
    } fields[] = {
        {PipeField::Dcsokulso, 360, "Csővezeték külső átmérője, d [mm]:"},
        {PipeField::kulsocso, 660, "Külső térben vezette csővezeték  hossza [m]:"},
        {PipeField::belsocso, 960, "Belső térben vezette csővezeték  hossza [m]:"},
        {PipeField::belsoterhofok, 1320, "Belső tér figyelembe vett hőmérséklete [C°]"},
        {PipeField::hosziglambda, 1650, "Hőszigetelés hővezető képessége [W/mK]:"},
        {PipeField::csohejvastagsag, 1980, "Hőszigetelés vastagsága, s [mm]:"},
    };
    for (const auto& f : fields) {
        label(Frame16, QString::fromUtf8(f.caption), twRect(120, f.top, 3400, 285));
        auto* e = new FieldEdit(Frame16);
        e->setGeometry(twRect(3540, f.top, 675, 285));
        e->setAlignment(Qt::AlignCenter);
        pipeFields[f.field] = e;
        const PipeField id = f.field;
        fields_->add(e, [this, id] { return pipeLostFocus(id); });
    }
    picture(Frame16, QStringLiteral(":/nk/pipe.svg"), twRect(210, 2415, 2955, 1170));

    Frame6 = new QGroupBox(QStringLiteral("Számított értékek"), this);
    Frame6->setGeometry(twRect(105, 3990, 6525, 2670));
    ResultTexts beforeAnyRun;
    beforeAnyRun.unit = amountUnit(m_.res.shown.cycle, AmountOver::Run);
    for (int i = 0; i < 7; ++i) {
        Text2[i] = new QLineEdit(rowLabel(i, beforeAnyRun), Frame6);
        Text2[i]->setGeometry(twRect(210, 315 + 315 * i, 5000, 300));
        Text2[i]->setReadOnly(true);
        Text2[i]->setFocusPolicy(Qt::NoFocus);
        tablazat1[i] = new QLineEdit(Frame6);
        tablazat1[i]->setGeometry(twRect(5250, 315 + 315 * i, 1000, 300));
        tablazat1[i]->setAlignment(Qt::AlignCenter);
        tablazat1[i]->setReadOnly(true);
    }

    // Every system's schematic in the schematic box; only the current one shows.
    for (int n : kSystems) {
        auto* w = picture(this, QStringLiteral(":/nk/schema_%1.svg").arg(n), twRect(6720, 4080, 4335, 2595));
        w->hide();
        pcrRendszer[n] = w;
    }

    auto* banner = new QWidget(this);
    banner->setGeometry(twRect(0, 6825, kVisibleWidth + kBandWidth, 1275));
    paintBackground(banner, QColor(255, 128, 0));
    picture(banner, QStringLiteral(":/nk/logo.svg"), twRect(105, 105, 841, 840));
    auto* rule = new QFrame(banner);
    rule->setFrameShape(QFrame::HLine);
    rule->setGeometry(twRect(1050, 510, 5250, 30));
    auto* Label3 = label(banner, QStringLiteral("Napkollektor köri csővezeték hőveszteségét számító program"),
                         twRect(1050, 105, 5600, 330));
    QFont bold = Label3->font();
    bold.setBold(true);
    Label3->setFont(bold);
    label(banner, QStringLiteral("Vilmarex-Calorix napkollektoros méretező programcsalád"), twRect(1050, 570, 5600, 240));
    label(banner, QStringLiteral("Program verzió: 2012/1"), twRect(1050, 790, 3000, 240));

    auto button = [this](const QString& text, const QRect& g) {
        auto* b = new QPushButton(text, this);
        b->setGeometry(g);
        paintBackground(b, QColor(224, 224, 224));
        return b;
    };
    Command1 = button(QStringLiteral("&Beállítás"), twRect(6825, 6930, 1305, 705));
    Command2 = button(QStringLiteral("&Számítás"), twRect(8190, 6930, 1395, 705));
    Command5 = button(QStringLiteral("&Kilépés"), twRect(9660, 6930, 1305, 705));
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
}

void FrmKombinalt::buildOptionBand() {
    // The options of a calculation in one band right of the designed area,
    // every one in view and in the keyboard order with its access key.
    auto* band = new QWidget(this);
    band->setGeometry(twRect(kVisibleWidth, 0, kBandWidth, 6825));

    Frame2 = new QGroupBox(QStringLiteral("Számítási ciklus"), band);
    Frame2->setGeometry(twRect(120, 90, 3360, 1755));
    Option6 = option(Frame2, QStringLiteral("É&ves"), twRect(180, 300, 1450, 255));
    Option5 = option(Frame2, QStringLiteral("&Havi"), twRect(1740, 300, 1450, 255));
    Option4 = option(Frame2, QStringLiteral("Nap&i"), twRect(180, 600, 1450, 255));
    Option7 = option(Frame2, QStringLiteral("Idős&zaki"), twRect(1740, 600, 1450, 255));
    connect(Option4, &QRadioButton::clicked, this, [this] { Option4_Click(); });
    connect(Option5, &QRadioButton::clicked, this, [this] { Option5_Click(); });
    connect(Option6, &QRadioButton::clicked, this, [this] { Option6_Click(); });
    connect(Option7, &QRadioButton::clicked, this, [this] { Option7_Click(); });
    auto* monthLabel = label(Frame2, QStringLiteral("Hón&ap:"), twRect(180, 975, 700, 255));
    Combo1 = new QComboBox(Frame2);
    Combo1->setGeometry(twRect(900, 930, 2280, 330));
    Combo1->setToolTip(QStringLiteral("Napi és havi számítási ciklusnál a hónap kiválasztása"));
    monthLabel->setBuddy(Combo1);
    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
    Command8 = new QPushButton(QStringLiteral("Időszak beá&llítás..."), Frame2);
    Command8->setGeometry(twRect(180, 1335, 3000, 330));
    Command8->setEnabled(false);
    connect(Command8, &QPushButton::clicked, this, [this] { Command8_Click(); });

    auto* Frame4 = new QGroupBox(QStringLiteral("Napi időjárás"), band);
    Frame4->setGeometry(twRect(120, 1935, 3360, 1170));
    Frame4->setToolTip(QStringLiteral("Napi számításnál az időjárás jellegének kiválasztása"));
    const char* const dayTypes[] = {"", "&Derült", "Á&tlagos", "B&orult"};
    for (int i = 1; i <= 3; ++i) {
        Option1[i] = option(Frame4, QString::fromUtf8(dayTypes[i]), twRect(180, 30 + 270 * i, 1900, 255));
        connect(Option1[i], &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
        pcrIdojaras[i] = picture(Frame4, QStringLiteral(":/nk/weather_%1.svg").arg(i), twRect(2430, 360, 600, 600));
    }

    Frame5 = new QGroupBox(QStringLiteral("Na&p"), band);
    Frame5->setGeometry(twRect(120, 3195, 3360, 900));
    const char* const days[] = {"H", "K", "Sz", "Cs", "P", "Sz", "V"};
    const char* const dayTips[] = {"Hétfő", "Kedd", "Szerda", "Csütörtök", "Péntek", "Szombat", "Vasárnap"};
    for (int i = 0; i < 7; ++i) {
        Option10[i] = option(Frame5, QString::fromUtf8(days[i]), twRect(180 + 780 * (i % 4), 270 + 300 * (i / 4), 720, 255));
        Option10[i]->setToolTip(QString::fromUtf8(dayTips[i]));
        connect(Option10[i], &QRadioButton::clicked, this, [this, i] { Option10_Click(i); });
    }

    auto* Frame3 = new QGroupBox(QStringLiteral("Induló értékek"), band);
    Frame3->setGeometry(twRect(120, 4185, 3360, 900));
    Optionkezdet[0] = option(Frame3, QStringLiteral("Állandós&ult"), twRect(180, 270, 1900, 255));
    Optionkezdet[1] = option(Frame3, QStringLiteral("&Felfűtés"), twRect(180, 570, 1900, 255));
    for (int i = 0; i < 2; ++i)
        connect(Optionkezdet[i], &QRadioButton::clicked, this, [this, i] { Optionkezdet_Click(i); });
    imgAllando = picture(Frame3, QStringLiteral(":/nk/start_steady.svg"), twRect(2490, 240, 480, 480));
    imgFelfutes = picture(Frame3, QStringLiteral(":/nk/start_heatup.svg"), twRect(2490, 240, 480, 480));
    imgAllando->hide();
    imgFelfutes->hide();

    // The system picker: the group images take no keyboard focus, the two buttons do.
    auto* pickerLabel = label(band, QStringLiteral("&Rendszer:"), twRect(120, 5265, 1000, 255));
    auto* Picture5 = new QWidget(band);
    Picture5->setGeometry(twRect(1140, 5190, 2340, 450));
    paintBackground(Picture5, QColor(255, 128, 0));
    Vissza = new QPushButton(QStringLiteral("<"), Picture5);
    Vissza->setGeometry(twRect(90, 45, 255, 345));
    Vissza->setToolTip(QStringLiteral("Vissza"));
    pickerLabel->setBuddy(Vissza);
    connect(Vissza, &QPushButton::clicked, this, [this] { Vissza_Click(); });
    const int groupLeft[] = {0, 525, 1020, 1020, 1515};
    const char* const groupTips[] = {"", "Melegvíz", "Medence", "Fűtés", "Kombinált"};
    for (int i = 1; i <= 4; ++i) {
        Image1[i] = new ClickLabel(Picture5);
        Image1[i]->setGeometry(twRect(groupLeft[i], 52, 345, 345));
        Image1[i]->setToolTip(QString::fromUtf8(groupTips[i]));
        Image1[i]->setPixmap(QIcon(QStringLiteral(":/nk/group_%1.svg").arg(i)).pixmap(tw(345) - 2, tw(345) - 2));
        connect(Image1[i], &ClickLabel::clicked, this, [this, i] { Image1_Click(i); });
    }
    Image1[3]->hide();
    Image1[3]->setEnabled(false);
    Elore = new QPushButton(QStringLiteral(">"), Picture5);
    Elore->setGeometry(twRect(1995, 45, 255, 345));
    Elore->setToolTip(QStringLiteral("Előre"));
    connect(Elore, &QPushButton::clicked, this, [this] { Elore_Click(0); });

    // The colours of the first three temperature curves of the data sheet.
    auto* swatchLabel = label(band, QStringLiteral("&Görbeszínek:"), twRect(120, 5835, 1400, 255));
    const QColor swatches[] = {{}, {255, 0, 0}, {128, 0, 0}, {0, 0, 255}};
    for (int i = 1; i <= 3; ++i) {
        Picture9[i] = new Swatch(band);
        Picture9[i]->setGeometry(twRect(1560 + 420 * (i - 1), 5790, 330, 330));
        paintBackground(Picture9[i], swatches[i]);
        connect(Picture9[i], &Swatch::clicked, this, [this, i] { Picture9_Click(i); });
    }
    swatchLabel->setBuddy(Picture9[1]);

    Command7 = new QPushButton(QIcon(QStringLiteral(":/nk/printer.svg")), QStringLiteral("&Nyomtatás"), this);
    Command7->setGeometry(twRect(11040, 6930, 1515, 705));
    Command7->setToolTip(QStringLiteral("Nyomtatás"));
    QFont arial = Command7->font();
    arial.setFamily(QStringLiteral("Arial"));
    Command7->setFont(arial);
    paintBackground(Command7, QColor(224, 224, 224));
    connect(Command7, &QPushButton::clicked, this, [this] { Command7_Click(); });
}

void FrmKombinalt::buildHiddenControls() {
    // State that other windows read or set but that nobody needs to see: kept
    // in hidden controls with their handlers.
    Picture6 = new QWidget(this);
    Picture6->setGeometry(twRect(kVisibleWidth + kBandWidth + 300, 1575, 2475, 1545));  // outside the window
    paintBackground(Picture6, QColor(192, 192, 192));
    Picture6->hide();

    Text1_0 = new QLineEdit(QStringLiteral("Hőszükséglet - hőnyereség [kWh/hónap]"), this);
    Text1_4 = new QLineEdit(QStringLiteral("Hőteljesítmények"), this);
    csohoveszteseg = new QLineEdit(this);
    Option2[0] = option(this, QStringLiteral("Teljes kollektorfelület"), {});
    Option2[1] = option(this, QStringLiteral("1 m2 kollektorfelület"), {});
    Option2[0]->setChecked(true);
    for (int i = 0; i < 2; ++i) connect(Option2[i], &QRadioButton::clicked, this, [this, i] { Option2_Click(i); });
    for (QWidget* w : std::initializer_list<QWidget*>{Text1_0, Text1_4, csohoveszteseg, Option2[0], Option2[1]}) w->hide();
}

void FrmKombinalt::setKeyboardOrder() {
    // The cycle options first, then the buttons, then the rest of the band and the pipe data
    // top to bottom.
    QWidget* order[] = {Option6,
                        Option5,
                        Option4,
                        Option7,
                        Command8,
                        Command1,
                        Command2,
                        Command5,
                        Command7,
                        Combo1,
                        Option1[1],
                        Option1[2],
                        Option1[3],
                        Option10[0],
                        Option10[1],
                        Option10[2],
                        Option10[3],
                        Option10[4],
                        Option10[5],
                        Option10[6],
                        Optionkezdet[0],
                        Optionkezdet[1],
                        Vissza,
                        Elore,
                        Picture9[1],
                        Picture9[2],
                        Picture9[3],
                        pipeFields[PipeField::Dcsokulso],
                        pipeFields[PipeField::kulsocso],
                        pipeFields[PipeField::belsocso],
                        pipeFields[PipeField::belsoterhofok],
                        pipeFields[PipeField::hosziglambda],
                        pipeFields[PipeField::csohejvastagsag],
                        Picture3->Napsugmutat};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
    for (QLineEdit* value : tablazat1) value->setFocusPolicy(Qt::ClickFocus);
}

// --- Loading and activation ---------------------------------------------------

void FrmKombinalt::Form_Load() {
    showSchematic(true);
    Tablazat();
    m_.s.Naptipus = 2;
    select(Option1[2], [this] { Option1_Click(2); });
    select(Option10[m_.s.Kezdonap - 1], [this] { Option10_Click(m_.s.Kezdonap - 1); });
    select(Optionkezdet[0], [this] { Optionkezdet_Click(0); });
    for (const char* name : kMonthNames) Combo1->addItem(QString::fromUtf8(name));
    Combo1->setCurrentIndex(2);
    Combo1_Click();
    m_.s.Honapvalasztas = 3;
    select(Option6, [this] { Option6_Click(); });
    m_.s.Szamitasmod = 3;
    refreshPipeFields();
    Option6->setFocus();  // first in the keyboard order
}

void FrmKombinalt::Form_Activate() {
    // The pipe fields are edited from the settings window too.
    refreshPipeFields();
    Valaszthatosag();
    Command2_Click();
}

bool FrmKombinalt::event(QEvent* e) {
    const bool handled = QWidget::event(e);
    if (e->type() == QEvent::WindowActivate) {
        const auto previous = tracker_.previousFor(this);
        if (previous == ActivationTracker::Previous::None || previous == ActivationTracker::Previous::OtherWindow)
            Form_Activate();
    }
    return handled;
}

void FrmKombinalt::closeEvent(QCloseEvent* e) {
    // The close box ends the program as "&Kilépés" does.
    e->accept();
    Command5_Click();
}

// --- Calculation --------------------------------------------------------------

void FrmKombinalt::Command2_Click() {
    if (m_.calculating) return;
    if (!fields_->commit()) return;
    if (Option4->isChecked()) m_.s.Szamitasmod = 1;
    if (Option5->isChecked()) m_.s.Szamitasmod = 2;
    if (Option6->isChecked()) m_.s.Szamitasmod = 3;
    if (Option7->isChecked()) m_.s.Szamitasmod = 4;
    m_.s.Honapvalasztas = Integer(Combo1->currentIndex() + 1);
    runCalculation(m_);
}

void FrmKombinalt::Option4_Click() {
    m_.s.Szamitasmod = 1;
    Command8->setEnabled(false);
    for (int i = 1; i <= 3; ++i) {
        Option1[i]->setEnabled(true);
        if (Option1[i]->isChecked()) m_.s.Naptipus = i;
    }
    Frame5->setEnabled(true);
    QRadioButton* day = Option10[m_.s.Kezdonap - 1];
    clearOption(day);
    select(day, [this] { Option10_Click(m_.s.Kezdonap - 1); });
    Combo1->setEnabled(true);
    showChartCaptions(1);
}

void FrmKombinalt::showChartCaptions(int cycle) {
    const ChartCaptions c = chartCaptions(cycle);
    Text1_0->setText(c.heat);
    Text1_4->setText(c.quantities);
}

void FrmKombinalt::disableDailyOptions(bool periodButton, bool monthList) {
    Command8->setEnabled(periodButton);
    for (int i = 1; i <= 3; ++i) Option1[i]->setEnabled(false);
    Frame5->setEnabled(false);
    clearOption(Option10[m_.s.Kezdonap - 1]);
    Combo1->setEnabled(monthList);
}

void FrmKombinalt::Option5_Click() {
    disableDailyOptions(false, true);
    m_.s.Szamitasmod = 2;
}

void FrmKombinalt::Option6_Click() {
    disableDailyOptions(false, false);
    showChartCaptions(3);
    m_.s.Szamitasmod = 3;
}

void FrmKombinalt::Option7_Click() {
    disableDailyOptions(true, false);
    m_.s.Szamitasmod = 4;
    countPeriod(m_);
    m_.s.Honapvalasztas = m_.s.ElsoHonap;
}

void FrmKombinalt::Option1_Click(int index) {
    m_.s.Naptipus = index;
    for (int i = 1; i <= 3; ++i) pcrIdojaras[i]->hide();
    pcrIdojaras[index]->show();
}

void FrmKombinalt::Option10_Click(int index) { m_.s.Kezdonap = Integer(index + 1); }

void FrmKombinalt::Optionkezdet_Click(int index) {
    m_.s.Felfutes = index == 1 ? kTrue : kFalse;
    imgAllando->setVisible(index == 0);
    imgFelfutes->setVisible(index == 1);
}

void FrmKombinalt::Option2_Click(int index) { m_.s.Feluletvalasztas = Integer(index); }

void FrmKombinalt::Combo1_Click() { m_.s.Honapvalasztas = Integer(Combo1->currentIndex() + 1); }

void FrmKombinalt::Napsugmutat_Click() { Command2_Click(); }

void FrmKombinalt::Command1_Click() {
    if (!fields_->commit()) return;
    Picture6->show();
    if (!settingsWindow) return;
    settingsWindow->Form_Activate();
    centreOnScreen(settingsWindow);
    settingsWindow->show();  // modal: the calculation waits for its return
    settingsWindow->raise();
    settingsWindow->activateWindow();
}

void FrmKombinalt::Command5_Click() {
    if (quitting_) return;
    quitting_ = true;
    showSchematic(false);
    hide();
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

void FrmKombinalt::Command8_Click() {
    if (!fields_->commit()) return;
    m_.par.IdoszakHivo = 4;
    if (!Option7->isChecked()) select(Option7, [this] { Option7_Click(); });
    if (!periodDialog) periodDialog = new MedIdoszak(m_, *this);
    periodDialog->show();
    periodDialog->raise();
    periodDialog->activateWindow();
}

void FrmKombinalt::Picture9_Click(int index) {
    if (!fields_->commit()) return;
    m_.par.SzinIndex = Integer(index);
    FrmSzinvalasztas dialog(m_, Picture9[index], this);
    dialog.exec();
}

// --- System picker -------------------------------------------------------------

void FrmKombinalt::showSystemSchematic() {
    for (auto& [n, w] : pcrRendszer) w->hide();
    showSchematic(true);
}

void FrmKombinalt::showSchematic(bool visible) {
    const auto it = pcrRendszer.find(ix(m_.s.Rendszerszam));
    if (it != pcrRendszer.end()) it->second->setVisible(visible);
}

void FrmKombinalt::Image1_Click(int index) {
    for (int i = 1; i <= 4; ++i) Image1[i]->setFrameShape(QFrame::NoFrame);
    Image1[index]->setFrameShape(QFrame::Box);
    showSchematic(false);
    Settings& s = m_.s;
    s.Rendszerkategoria = index;
    switch (index) {
        case 1: s.Rendszerszam = 10 + ix(s.HMVrendszer); break;
        case 2: s.Rendszerszam = 20 + ix(s.Medrendszer); break;
        case 3: s.Rendszerszam = 30 + ix(s.Futesrendszer); break;
        case 4: s.Rendszerszam = 40 + ix(s.Kombrendszer); break;
        default: break;
    }
    deriveSmallestTank(s);
    showSchematic(true);
    Valaszthatosag();
}

void FrmKombinalt::Vissza_Click() {
    Settings& s = m_.s;
    const int group = ix(s.Rendszerkategoria);
    Var* variant = group == 1 ? &s.HMVrendszer : group == 2 ? &s.Medrendszer : group == 4 ? &s.Kombrendszer : nullptr;
    if (variant) {
        const int wrap = group == 1 ? 6 : group == 2 ? 2 : 3;
        int v = ix(*variant) - 1;
        if (v < 1) v = wrap;
        *variant = v;
        showSchematic(false);
        s.Rendszerszam = 10 * group + v;
        deriveSmallestTank(s);
        showSchematic(true);
    }
    Valaszthatosag();
}

// --- Pipe data ---------------------------------------------------------------------

bool FrmKombinalt::pipeLostFocus(PipeField f) {
    FieldEdit* e = pipeFields[f];
    const PipeEntryResult r = acceptPipeEntry(m_, f, utf8(e->text()), numberLocale());
    if (!r.accepted) {
        messages_.show(this, qs(r.message), qs(r.title), MsgIcon::Exclamation);
        e->setText(qs(r.restoredText));
    }
    return r.accepted;
}

void FrmKombinalt::refreshPipeFields() {
    for (auto& [field, edit] : pipeFields)
        if (!edit->hasFocus()) edit->setText(qs(pipeFieldText(m_, field, numberLocale())));
}

// --- What the core asks of the window ----------------------------------------------------

void FrmKombinalt::message(const std::string& text, const std::string& title, MsgIcon icon) {
    messages_.show(this, qs(text), qs(title), icon);
}

void FrmKombinalt::setBusy(bool busy) {
    if (busy)
        setCursor(Qt::WaitCursor);
    else
        unsetCursor();
}

bool FrmKombinalt::irradiationShown() const { return Picture3->Napsugmutat->isChecked(); }

void FrmKombinalt::showChart(const AnnualChart& chart) { Picture3->setChart(chart); }

void FrmKombinalt::showResults(const ResultTexts& texts) {
    csohoveszteseg->setText(qs(texts.csohoveszteseg));
    for (int i = 0; i < 7; ++i) {
        Text2[i]->setText(rowLabel(i, texts));
        tablazat1[i]->setText(qs(texts.tablazat1[std::size_t(i)]));
    }
}

NumberLocale FrmKombinalt::numberLocale() const { return userNumberLocale(); }

}  // namespace nk::ui
