#include "ui/calculation/colour_dialog.h"

#include <QFrame>
#include <QMouseEvent>

#include "ui/window_support.h"

namespace nk::ui {

namespace {

QWidget* square(QWidget* parent, const QRect& g, const QColor& c) {
    auto* w = new QFrame(parent);
    w->setFrameShape(QFrame::Box);
    w->setGeometry(g);
    paintBackground(w, c);
    w->setAttribute(Qt::WA_TransparentForMouseEvents);
    return w;
}

}  // namespace

FrmSzinvalasztas::FrmSzinvalasztas(Model& model, QWidget* swatch, QWidget* parent)
    : QDialog(parent), m_(model), swatch_(swatch) {
    setupFixedWindow(this, 3975, 2910, QStringLiteral("Színválasztás"));
    setWindowFlag(Qt::Dialog);
    setModal(true);
    auto* l1 = new QLabel(QStringLiteral("Az alábbi színek közül választhat:"), this);
    l1->setGeometry(twRect(90, 660, 3700, 240));
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            Shape1[4 * r + c] = square(this, twRect(495 + 405 * c, 990 + 405 * r, 405, 405), paletteColour(4 * r + c));
    auto* l2 = new QLabel(QStringLiteral("Az aktuális szín:"), this);
    l2->setGeometry(twRect(1920, 240, 1200, 195));
    Shape2 = square(this, twRect(3150, 150, 420, 420), swatch->palette().color(QPalette::Window));
    Command1 = new QPushButton(QStringLiteral("&Ok"), this);
    Command1->setGeometry(twRect(2385, 1485, 1245, 525));
    Command2 = new QPushButton(QStringLiteral("&Mégsem"), this);
    Command2->setGeometry(twRect(2385, 2115, 1245, 525));
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    centreOnScreen(this);
}

QColor FrmSzinvalasztas::currentColour() const { return Shape2->palette().color(QPalette::Window); }

void FrmSzinvalasztas::mousePressEvent(QMouseEvent* e) {
    const QPointF p = e->position();
    Form_MouseDown(int(p.x() * 15), int(p.y() * 15));
}

void FrmSzinvalasztas::Form_MouseDown(int x, int y) {
    // The square under the pointer, as the squares are drawn.
    if (x < 495 || x >= 495 + 4 * 405 || y < 990 || y >= 990 + 4 * 405) return;
    const int c = (x - 495) / 405, r = (y - 990) / 405;
    chosen_ = 4 * r + c;
    paintBackground(Shape2, paletteColour(chosen_));
}

void FrmSzinvalasztas::Command1_Click() {
    // Without a pick the curve keeps its colour.
    if (chosen_ >= 0) {
        m_.s.Szinek(m_.par.SzinIndex) = Integer(chosen_);
        paintBackground(swatch_, currentColour());
    }
    accept();
}

void FrmSzinvalasztas::Command2_Click() { reject(); }

}  // namespace nk::ui
