#include "ui/calculation/period_dialog.h"

#include <QLabel>

#include "simulation/hotwater/submodels.h"
#include "ui/calculation/calculation_window.h"
#include "ui/window_support.h"
#include "ui/month_names.h"

namespace nk::ui {

MedIdoszak::MedIdoszak(Model& model, FrmKombinalt& calculationWindow)
    : QDialog(&calculationWindow), m_(model), calc_(calculationWindow) {
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setupFixedWindow(this, 4950, 1125, QStringLiteral("Számítási időszak beállítása"));
    setWindowFlag(Qt::Dialog);
    auto* l1 = new QLabel(QStringLiteral("Kezdő hónap:"), this);
    l1->setGeometry(twRect(450, 225, 1200, 195));
    Combo1 = new QComboBox(this);
    Combo1->setGeometry(twRect(1755, 180, 1365, 315));
    auto* l2 = new QLabel(QStringLiteral("Utolsó hónap:"), this);
    l2->setGeometry(twRect(450, 690, 1200, 195));
    Combo2 = new QComboBox(this);
    Combo2->setGeometry(twRect(1755, 630, 1365, 315));
    Command1 = new QPushButton(QStringLiteral("&OK"), this);
    Command1->setGeometry(twRect(3555, 450, 1185, 510));
    paintBackground(Command1, QColor(192, 192, 192));
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    Form_Load();
    centreOnScreen(this);
}

void MedIdoszak::Form_Load() {
    for (const char* name : kMonthNames) Combo1->addItem(QString::fromUtf8(name));
    for (const char* name : kMonthNames) Combo2->addItem(QString::fromUtf8(name));
    if (m_.par.IdoszakHivo == 4) {
        Combo1->setCurrentIndex(m_.s.ElsoHonap - 1);
        Combo2->setCurrentIndex(ix(m_.s.UtolsoHonap) - 1);
    }
}

void MedIdoszak::Command1_Click() {
    if (m_.par.IdoszakHivo != 4) return;
    m_.s.ElsoHonap = Integer(Combo1->currentIndex() + 1);
    m_.s.UtolsoHonap = Combo2->currentIndex() + 1;
    close();
    calc_.Option7_Click();
}

}  // namespace nk::ui
