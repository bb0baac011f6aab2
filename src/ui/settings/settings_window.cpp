#include "ui/settings/settings_window.h"

#include <QCloseEvent>
#include <QSvgWidget>

#include "ui/calculation/calculation_window.h"
#include "ui/repeat_button.h"
#include "ui/settings/settings_layout.h"

namespace nk::ui {

using namespace layout;

namespace {

// The window fits a 1280 × 800 screen with its title bar: four columns.
constexpr int kWidth = 1250;
constexpr int kHeight = 742;
constexpr int kColumnWidth[4] = {305, 305, 322, 290};
constexpr int kColumnX[4] = {6, 317, 628, 956};

}  // namespace

SystemPicture::SystemPicture(const QString& resource, QWidget* parent) : QFrame(parent) {
    setLineWidth(2);
    auto* svg = new QSvgWidget(resource, this);
    svg->setAttribute(Qt::WA_TransparentForMouseEvents);
    svg->setGeometry(3, 3, 10, 10);
    svg->setObjectName(QStringLiteral("picture"));
}

FrmBeallitasok::FrmBeallitasok(Model& model, MessageService& messages, FileDialogs& dialogs, FrmKombinalt& calc)
    : QDialog(&calc), fields_(new FieldChecks(this)), m_(model), messages_(messages), dialogs_(dialogs), calc_(calc) {
    setupFixedWindow(this, 0, 0, QStringLiteral("Beállítások - "));
    setWindowFlag(Qt::Dialog);
    setFixedSize(kWidth, kHeight);
    setWindowModality(Qt::ApplicationModal);

    Column c1(this, kColumnX[0], kColumnWidth[0]), c2(this, kColumnX[1], kColumnWidth[1]),
        c3(this, kColumnX[2], kColumnWidth[2]), c4(this, kColumnX[3], kColumnWidth[3]);
    buildCollector(c1);
    buildLosses(c1);
    buildController(c2);
    buildTanks(c2);
    buildRegion(c2);
    buildHotWater(c3);
    buildPool(c3);
    buildSystemType(c4);
    buildProjectTexts(c4);
    buildCommands(c4);
    registerFields();
    setupSpinners();
    onClick(Command6, &FrmBeallitasok::Command6_Click);
    onClick(Command7, &FrmBeallitasok::Command7_Click);
    onClick(Command8, &FrmBeallitasok::Command8_Click);
    onClick(Command9, &FrmBeallitasok::Command9_Click);
    onClick(Command13, &FrmBeallitasok::Command13_Click);
    onClick(Command5, &FrmBeallitasok::Command5_Click);
    onClick(Command3, &FrmBeallitasok::Command3_Click);
    onClick(Command4, &FrmBeallitasok::Command4_Click);
    onClick(Command10, &FrmBeallitasok::Command10_Click);
}

FrmBeallitasok::~FrmBeallitasok() = default;

void FrmBeallitasok::onClick(QPushButton* button, void (FrmBeallitasok::*handler)()) {
    connect(button, &QPushButton::clicked, this, [this, handler] {
        if (commitEdits()) (this->*handler)();
    });
}

void FrmBeallitasok::buildCommands(Column& column) {
    QWidget* area = column.area(58);
    auto button = [area](const QString& text, int x, int y, int w) {
        auto* b = new QPushButton(text, area);
        b->setGeometry(x, y, w, 26);
        return b;
    };
    Command3 = button(QStringLiteral("M&egnyitás"), 0, 0, 93);
    Command4 = button(QStringLiteral("Me&ntés"), 97, 0, 93);
    Command10 = button(QStringLiteral("Menté&s másként"), 194, 0, 96);
    Command1 = button(QStringLiteral("&OK"), 97, 31, 93);
    Command2 = button(QStringLiteral("&Mégsem"), 194, 31, 96);
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

// --- Loading ------------------------------------------------------------------------

void FrmBeallitasok::Form_Load() { loadSettings(false); }

void FrmBeallitasok::loadSettings(bool cancelling) {
    Settings& s = m_.s;
    setWindowTitle(QStringLiteral("Beállítások - ") + Fajlnev);
    if (!cancelling) showPipeFields();
    loadCollectorFigures();
    loadController();
    loadTilt();
    loadCollectorChoice(cancelling);
    loadLosses();
    loadHotWater();
    loadTankHeating();
    loadTanks();
    loadPool();
    loadProjectTexts();
    loadRegion();
    loadWorkingSystemChoice(m_);
    if (!cancelling) cmdRendszertip_Click(s.BeallRendszerkategoria);
}

void FrmBeallitasok::Form_Activate() {
    // The calculation window edits the pipe data too, and its picker the
    // active system: the window opens on both as they are now.
    showPipeFields();
    showChosenModelName();
    loadWorkingSystemChoice(m_);
    cmdRendszertip_Click(m_.s.BeallRendszerkategoria);
}

void FrmBeallitasok::showPipeFields() {
    for (auto& [field, edit] : pipeFields) edit->setText(qs(pipeFieldText(m_, field, loc())));
}

// --- OK and Cancel ----------------------------------------------------------------

bool FrmBeallitasok::commitEdits() {
    if (!fields_->commit()) return false;
    // A project text still in its box reaches its working copy.
    QWidget* focused = focusWidget();
    for (int i = 0; i < 15; ++i)
        if (focused == Text10[std::size_t(i)]) projectTextLeft(i);
    if (focused == Text11) projectTextLeft(15);
    return true;
}

void FrmBeallitasok::Command1_Click() {
    if (!commitEdits()) return;
    calc_.Picture6->hide();
    commitSettings(m_, poolButtons());
    calc_.showSystemSchematic();
    done(QDialog::Accepted);
}

void FrmBeallitasok::Command2_Click() {
    commitEdits();  // a pipe field keeps what it accepts; the rest is thrown away
    calc_.Picture6->hide();
    done(QDialog::Rejected);
    Settings& s = m_.s;
    s.BeallKollektorszam = CInt(s.Kollektorszam);
    s.BeallOsszfelulet = CSng(s.Osszfelulet);
    loadSettings(true);
}

void FrmBeallitasok::reject() { Command2_Click(); }

void FrmBeallitasok::closeEvent(QCloseEvent* e) {
    // The close box is "&Mégsem".
    e->ignore();
    if (isVisible()) Command2_Click();
}

void FrmBeallitasok::message(const FieldVerdict& v) { messages_.show(this, qs(v.message), qs(v.title), v.icon); }

}  // namespace nk::ui
