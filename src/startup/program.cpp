#include "startup/program.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSvgWidget>
#include <QVBoxLayout>

#include "state/defaults.h"
#include "ui/application.h"
#include "ui/calculation/calculation_window.h"
#include "ui/settings/settings_window.h"

namespace nk::ui {

namespace {

QFont arial(int points, bool bold = false) {
    QFont f(QStringLiteral("Arial"), points);
    f.setBold(bold);
    return f;
}

}  // namespace

FrmSplash::FrmSplash(Program& program) : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), program_(program) {
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(tw(7200), tw(4800));
    paintBackground(this, windowBackground());
    Frame1 = new ClickFrame(this);
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setGeometry(twRect(120, 120, 6960, 4560));
    // The picture and the labels lie over the frame; only the frame itself
    // answers a click.
    auto* Picture1 = new QSvgWidget(QStringLiteral(":/nk/splash.svg"), this);
    Picture1->setGeometry(twRect(360, 360, 5400, 3600));
    Label2 = new QLabel(QStringLiteral("Quelmar-Calorix"), this);
    Label2->setFont(arial(16, true));
    Label2->setGeometry(twRect(360, 4020, 4500, 420));
    lblWarning = new QLabel(QStringLiteral("Kérem várjon..."), this);
    lblWarning->setFont(arial(10));
    lblWarning->setGeometry(twRect(5100, 4140, 1800, 300));
    connect(Frame1, &ClickFrame::clicked, this, [this] { Frame1_Click(); });
    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    Form_Load();
    Timer1->start();
}

void FrmSplash::Form_KeyPress() { close(); }
void FrmSplash::Frame1_Click() { close(); }

void FrmSplash::Timer1_Timer() {
    Program& p = program_;
    Alapertekek(*p.model_);
    p.calc_ = std::make_unique<FrmKombinalt>(*p.model_, *p.messages_, *p.dialogs_, *p.tracker_);
    p.calc_->Form_Load();
    p.settings_ = new FrmBeallitasok(*p.model_, *p.messages_, *p.dialogs_, *p.calc_);
    p.calc_->settingsWindow = p.settings_;
    p.settings_->Form_Load();
    p.title_ = std::make_unique<Cimlap>(p);
    p.title_->Form_Load();
}

Cimlap::Cimlap(Program& program) : program_(program) {
    setupFixedWindow(this, 9000, 6000, QStringLiteral("  VILMAREX-Calorix"));
    auto* t1 = new QLineEdit(QStringLiteral("Napkollektor köri csővezeték hőveszteségét számító program"), this);
    t1->setFont(arial(12, true));
    t1->setGeometry(twRect(240, 240, 8500, 420));
    auto* t2 = new QLineEdit(QStringLiteral("Vilmarex-Calorix"), this);
    t2->setFont(arial(12));
    t2->setGeometry(twRect(240, 720, 8500, 420));
    auto* lblVersion = new QLabel(QStringLiteral("Verzió: 2012/1"), this);
    lblVersion->setFont(arial(9));
    lblVersion->setGeometry(twRect(240, 1200, 3000, 300));
    auto* label1 = new QLabel(
        QStringLiteral("Kérjük, a programmal kapcsolatos észrevételeit juttassa el hozzánk. Köszönjük."), this);
    label1->setGeometry(twRect(240, 4200, 8500, 300));
    auto* c2 = new QPushButton(QStringLiteral("&Tovább"), this);
    c2->setGeometry(twRect(5400, 5100, 1500, 500));
    auto* c4 = new QPushButton(QStringLiteral("&Kilépés"), this);
    c4->setGeometry(twRect(7100, 5100, 1500, 500));
    connect(c2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(c4, &QPushButton::clicked, this, [this] { Command4_Click(); });
}

void Cimlap::Form_Load() {
    if (program_.splash_) {
        program_.splash_->Timer1->stop();
        program_.splash_->close();
    }
    Command2_Click();
}

void Cimlap::Command2_Click() {
    FrmKombinalt& calc = *program_.calc_;
    calc.Valaszthatosag();
    const auto it = calc.pcrRendszer.find(CInt(program_.model_->s.Rendszerszam.d()));
    if (it != calc.pcrRendszer.end()) it->second->setVisible(true);
    centreOnScreen(&calc);
    calc.show();
    calc.raise();
    calc.activateWindow();
    hide();
}

void Cimlap::Command4_Click() {
    close();
    QCoreApplication::quit();
}

Program::Program(MessageService* messages, FileDialogs* dialogs)
    : model_(std::make_unique<Model>()),
      ownMessages_(messages ? nullptr : std::make_unique<BoxMessageService>()),
      messages_(messages ? messages : ownMessages_.get()),
      ownDialogs_(dialogs ? nullptr : std::make_unique<QtFileDialogs>()),
      dialogs_(dialogs ? dialogs : ownDialogs_.get()),
      tracker_(std::make_unique<ActivationTracker>()) {
    qApp->installEventFilter(tracker_.get());
    if (Application* app = Application::instance()) app->setMessages(messages_);
}

Program::~Program() {
    if (Application* app = Application::instance(); app && app->messages() == messages_) app->setMessages(nullptr);
    if (splash_) delete splash_.data();
    title_.reset();
    calc_.reset();
}

void Program::start() {
    splash_ = new FrmSplash(*this);
    centreOnScreen(splash_);
    splash_->show();
    splash_->activateWindow();  // a key press reaches it
}

}  // namespace nk::ui
